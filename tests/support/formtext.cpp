#include "support/formtext.h"

#include <map>
#include <memory>

#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"

namespace korvax::test {

using namespace kcl;

std::string WriteBinary(TComponent* root) {
  TMemoryStream stream;
  stream.WriteComponent(root);
  return std::string(stream.View());
}

std::string WriteText(TComponent* root) { return ObjectBinaryToText(WriteBinary(root)); }

std::string WriteTextLf(TComponent* root) {
  std::string text = WriteText(root);
  std::erase(text, '\r');
  return text;
}

std::string ComponentText(TComponent* root, TComponent* component) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.SetRoot(root);
  writer.WriteSignature();
  writer.WriteComponent(component);
  return ObjectBinaryToText(stream.View());
}

void ReadBinary(TComponent* root, const std::string& binary) {
  static std::map<std::string, std::unique_ptr<TMethodEntry>> madeUp;
  TStringStream stream(binary);
  TReader reader(stream);
  reader.OnFindMethod = [](TReader&, const std::string& name) {
    auto& entry = madeUp[name];
    if (!entry) entry = std::make_unique<TMethodEntry>(TMethodEntry{name, nullptr, nullptr});
    return entry.get();
  };
  reader.ReadRootComponent(root);
}

void ReadText(TComponent* root, const std::string& text) { ReadBinary(root, ObjectTextToBinary(text)); }

std::string TextRoundTrip(TComponent* root, const std::string& text) {
  ReadText(root, text);
  return WriteText(root);
}

}  // namespace korvax::test

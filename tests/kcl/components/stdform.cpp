#include "stdform.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"

namespace korvax::test {

using namespace kcl;

StdFormPtr NewStdForm() {
  RegisterStandardControls();
  StdFormPtr form(new TStdForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  return form;
}

namespace {

std::string Bytes(TMemoryStream& stream) {
  return std::string(stream.Memory(), static_cast<size_t>(stream.Size()));
}

}  // namespace

std::string WriteForm(TComponent* root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(root);
  return Bytes(stream);
}

std::string WriteOne(TComponent* root, TComponent* component) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.SetRoot(root);
  writer.WriteSignature();
  writer.WriteComponent(component);
  return Bytes(stream);
}

void ReadForm(TComponent* root, const std::string& binary) {
  static std::deque<TMethodEntry> madeUp;
  TStringStream stream(binary);
  TReader reader(stream);
  reader.OnFindMethod = [](TReader&, const std::string& name) -> const TMethodEntry* {
    for (const TMethodEntry& entry : madeUp)
      if (entry.Name == name) return &entry;
    madeUp.push_back(TMethodEntry{name, nullptr, nullptr});
    return &madeUp.back();
  };
  reader.ReadRootComponent(root);
}

std::string Text(const std::string& binary) { return ObjectBinaryToText(binary); }

KCL_CLASS_INFO(TStdForm) { cls.method("ButtonClick", &TStdForm::ButtonClick); }

}  // namespace korvax::test

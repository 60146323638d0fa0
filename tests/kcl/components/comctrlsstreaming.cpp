#include "comctrlsstreaming.h"

#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/components/comctrls.h"
#include "support/testfiles.h"

namespace comctrls_test {

using namespace kcl;

}  // namespace comctrls_test

using comctrls_test::TImageListStandIn;
using comctrls_test::TRecordRoot;

KCL_CLASS_INFO(TRecordRoot) {}
KCL_CLASS_INFO(TImageListStandIn) {}

namespace comctrls_test {

void TRecordRoot::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (TComponent* parent = Components(i)->GetParentComponent(); !parent || parent == this) proc(Components(i));
}

void RegisterTestClasses() {
  RegisterCommonControls();
  static const bool registered = [] {
    RegisterClasses({&TRecordRoot::StaticClass(), &TImageListStandIn::StaticClass()});
    return true;
  }();
  (void)registered;
}

std::string WriteText(TComponent* root) {
  TMemoryStream stream;
  stream.WriteComponent(root);
  std::string text = ObjectBinaryToText(stream.View());
  std::erase(text, '\r');
  return text;
}

void ReadText(TComponent* root, const std::string& text) {
  TStringStream stream(ObjectTextToBinary(text));
  TReader reader(stream);
  // Handlers the sample forms name stand for methods their units would have.
  static std::map<std::string, std::unique_ptr<TMethodEntry>> methods;
  reader.OnFindMethod = [](TReader&, const std::string& name) {
    auto& entry = methods[name];
    if (!entry) entry = std::make_unique<TMethodEntry>(TMethodEntry{name, nullptr, nullptr});
    return entry.get();
  };
  reader.ReadRootComponent(root);
}

std::string RecordOf(const std::string& formText, const std::string& name) {
  std::istringstream lines(formText);
  std::string line, indent, record;
  bool inside = false;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!inside) {
      const size_t at = line.find("object " + name + ":");
      if (at == std::string::npos || line.find_first_not_of(' ') != at) continue;
      inside = true;
      indent = line.substr(0, at);
    }
    record += line.substr(std::min(indent.size(), line.size())) + "\n";
    if (line == indent + "end") return record;
  }
  throw std::runtime_error("no record of " + name);
}

std::string SampleRecord(const std::string& relativePath, const std::string& name) {
  const std::string bytes =
      korvax::test::ReadFileBytes(std::string(KORVAX_SAMPLE_FORMS) + "/delphi3-samples/" + relativePath);
  TStringStream input(bytes);
  TStringStream output;
  ObjectResourceToText(input, output);
  output.SetPosition(0);
  return RecordOf(output.ReadRest(), name);
}

}  // namespace comctrls_test

#include "samplerecords.h"

#include <sstream>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/objecttext.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/writer.h"
#include "support/testfiles.h"

namespace korvax::test {

using namespace kcl;

void TSampleHost::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

std::string SampleHostText(const std::string& file, const std::vector<std::string>& classNames) {
  TStringStream resource(ReadFileBytes(std::string(KORVAX_SAMPLE_FORMS) + "/delphi3-samples/" + file));
  TStringStream text("");
  ObjectResourceToText(resource, text);
  std::istringstream lines(text.DataString());
  std::string line, result = "object Host: TSampleHost\r\n";
  bool inside = false;
  while (std::getline(lines, line)) {
    if (line.ends_with('\r')) line.pop_back();
    if (!inside && line.starts_with("  object "))
      for (const std::string& name : classNames)
        if (line.ends_with(": " + name)) inside = true;
    if (!inside) continue;
    if (!line.starts_with("    Left = ") && !line.starts_with("    Top = ")) result += line + "\r\n";
    if (line == "  end") inside = false;
  }
  return result + "end\r\n";
}

std::string WriteRoot(TComponent* root) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteRootComponent(root);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

SampleHostPtr ReadSampleHost(const std::string& binary) {
  SampleHostPtr host(new TSampleHost(nullptr));
  TStringStream stream(binary);
  TReader reader(stream);
  reader.ReadRootComponent(host.get());
  return host;
}

KCL_CLASS_INFO(TSampleHost) {
  for (const char* name : {"NewGame1Click", "Exit1Click", "About1Click", "OpenItemClick", "SaveItemClick",
                           "ExitItemClick", "A1Click", "B1Click", "FindDialog1Find", "ReplaceDialog1Find",
                           "ReplaceDialog1Replace"})
    cls.method(name, &TSampleHost::Handler);
}

}  // namespace korvax::test

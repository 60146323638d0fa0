#include "support/componenthost.h"

#include <sstream>

#include "kcl/classes/classbuilder.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/samplefiles.h"

namespace korvax::test {

using namespace kcl;

void TComponentHost::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

ComponentHostPtr NewComponentHost() {
  RegisterClass(&TComponentHost::StaticClass());
  ComponentHostPtr host(new TComponentHost(nullptr));
  host->SetName("Host");
  return host;
}

ComponentHostPtr ReadComponentHost(const std::string& binary) {
  ComponentHostPtr host(new TComponentHost(nullptr));
  ReadBinary(host.get(), binary);
  return host;
}

std::string SampleHostText(const std::string& file, const std::vector<std::string>& classNames) {
  std::string text = "object Host: TComponentHost\r\n";
  for (const std::string& record : RecordsOf(SampleText(file), {classNames.begin(), classNames.end()})) {
    std::istringstream lines(record);
    for (std::string line; std::getline(lines, line);)
      if (!line.starts_with("    Left = ") && !line.starts_with("    Top = ")) text += line + "\n";
  }
  return text + "end\r\n";
}

KCL_CLASS_INFO(TComponentHost) {}

}  // namespace korvax::test

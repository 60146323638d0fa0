#include "ide/project/projectsource.h"

#include "ide/common/textutils.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

std::unique_ptr<kcl::TStringList> NewProjectSource() {
  auto source = std::make_unique<kcl::TStringList>();
  for (const char* line : {"program Project1;", " ", "uses", " ", "  Forms,", "  Unit1 in 'Unit1.pas' {Form1};", " ",
                           "{$R *.RES}", " ", "begin", "  Application.Initialize;",
                           "  Application.CreateForm(TForm1,Form1);", "  Application.Run;", "end."})
    source->Add(line);
  return source;
}

int FindSourceLine(const kcl::TStrings& source, std::string_view text) {
  for (int i = 0, count = source.Count(); i < count; ++i)
    if (source.Strings(i).find(text) != std::string::npos) return i;
  return -1;
}

bool AddUnitToProjectSource(kcl::TStrings& source, std::string_view unitFile, std::string_view formFile) {
  const int resourceLine = FindSourceLine(source, "{$R *.RES}");
  if (resourceLine < 2 || !kcl::Trim(source.Strings(resourceLine - 1)).empty()) return false;
  const int lastEntry = resourceLine - 2;
  // Blanks after the ';' go with it, so the entry never ends in ";,".
  std::string entry = kcl::TrimRight(source.Strings(lastEntry));
  if (entry.empty() || (entry.back() != ';' && entry.back() != ',')) return false;
  entry.back() = ',';
  source.Put(lastEntry, entry);
  source.Insert(lastEntry + 1, "  " + ExtractBaseName(unitFile) + " in '" + kcl::ExtractFileName(unitFile) + "' {" +
                                   ExtractBaseName(formFile) + "};");
  return true;
}

bool DeleteProjectSourceLine(kcl::TStrings& source, std::string_view text) {
  const int line = text.empty() ? -1 : FindSourceLine(source, text);
  if (line < 0) return false;
  source.Delete(line);
  return true;
}

}  // namespace korvax

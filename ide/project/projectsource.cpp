#include "ide/project/projectsource.h"

#include <cctype>

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
  return AddUsesEntry(source, "  " + ExtractBaseName(unitFile) + " in '" + kcl::ExtractFileName(unitFile) + "' {" +
                                  ExtractBaseName(formFile) + "};");
}

std::string UsesEntry(std::string_view unitName, std::string_view path, std::string_view formName) {
  std::string entry = "  " + std::string(unitName) + " in '" + std::string(path) + "'";
  if (!formName.empty()) entry += " {" + std::string(formName) + "}";
  return entry + ";";
}

bool AddUsesEntry(kcl::TStrings& source, const std::string& entry) {
  const int resourceLine = FindSourceLine(source, "{$R *.RES}");
  if (resourceLine < 2 || !kcl::Trim(source.Strings(resourceLine - 1)).empty()) return false;
  const int lastEntry = resourceLine - 2;
  // Blanks after the ';' go with it, so the entry never ends in ";,".
  std::string last = kcl::TrimRight(source.Strings(lastEntry));
  if (last.empty() || (last.back() != ';' && last.back() != ',')) return false;
  last.back() = ',';
  source.Put(lastEntry, last);
  source.Insert(lastEntry + 1, entry);
  return true;
}

int FindUsesEntry(const kcl::TStrings& source, std::string_view unitName) {
  for (int i = 0, count = source.Count(); i < count; ++i) {
    const std::string line = kcl::Trim(source.Strings(i));
    if (line.find("{$R") != std::string::npos) break;
    size_t end = 0;
    while (end < line.size() && (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) ++end;
    const std::string rest = kcl::TrimLeft(std::string_view(line).substr(end));
    if (end > 0 && kcl::SameText(line.substr(0, end), unitName) &&
        (rest.starts_with("in ") || rest.starts_with("in'") || rest.starts_with(",") || rest.starts_with(";")))
      return i;
  }
  return -1;
}

bool DeleteUsesEntry(kcl::TStrings& source, std::string_view unitName) {
  const int line = unitName.empty() ? -1 : FindUsesEntry(source, unitName);
  if (line < 0) return false;
  const bool endsClause = kcl::TrimRight(source.Strings(line)).ends_with(';');
  source.Delete(line);
  std::string previous = line > 0 ? kcl::TrimRight(source.Strings(line - 1)) : std::string();
  if (endsClause && previous.ends_with(',')) {
    previous.back() = ';';
    source.Put(line - 1, previous);
  }
  return true;
}

bool DeleteProjectSourceLine(kcl::TStrings& source, std::string_view text) {
  const int line = text.empty() ? -1 : FindSourceLine(source, text);
  if (line < 0) return false;
  source.Delete(line);
  return true;
}

}  // namespace korvax

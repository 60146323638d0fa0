#include "ide/project/projectinfo.h"

#include <algorithm>

#include "ide/project/projectsource.h"
#include "ide/common/textutils.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

namespace {

bool Contains(std::string_view line, std::string_view text) { return line.find(text) != std::string_view::npos; }

// The form comment of a uses entry: the text between '{' and the next '}'.
std::string FormOfEntry(std::string_view line) {
  const size_t open = line.find('{');
  const size_t close = open == std::string_view::npos ? open : line.find('}', open);
  return close == std::string_view::npos ? std::string() : std::string(line.substr(open + 1, close - open - 1));
}

}  // namespace

KCL_CLASS_INFO(TProjectInfo) {}

TProjectInfo::TProjectInfo(kcl::TComponent* owner)
    : kcl::TComponent(owner),
      FUnits(std::make_unique<kcl::TStringList>()),
      FForms(std::make_unique<kcl::TStringList>()),
      FSource(std::make_unique<kcl::TStringList>()) {}

void TProjectInfo::SetProjectFile(const std::string& name) {
  FProjectFile = name;
  const std::string programLine = kcl::Format("%s %s;", {"program", ExtractBaseName(name)});
  if (FSource->Count() == 0)
    FSource->Add(programLine);
  else
    FSource->Put(0, programLine);
}

int TProjectInfo::FindLine(std::string_view text) const { return FindSourceLine(*FSource, text); }

std::string TProjectInfo::ExtractQuotedValue(std::string_view line) {
  const size_t assign = line.find(":=");
  if (assign == std::string_view::npos) return {};
  // The statement ends at the first ';' outside the string, so a title may hold one.
  size_t end = assign + 2;
  for (bool quoted = false; end < line.size(); ++end) {
    if (line[end] == '\'') quoted = !quoted;
    if (line[end] == ';' && !quoted) break;
  }
  const std::string value = kcl::Trim(line.substr(assign + 2, end - assign - 2));
  if (value.size() < 2) return {};
  return ReplaceAll(std::string_view(value).substr(1, value.size() - 2), "''", "'");
}

void TProjectInfo::ParseSource() {
  for (int i = 0, count = FSource->Count(); i < count; ++i) {
    const std::string line = FSource->Strings(i);
    if (Contains(line, "Application.Title")) FTitle = ExtractQuotedValue(line);
    if (Contains(line, "Application.HelpFile")) FHelpFile = ExtractQuotedValue(line);
  }
  FindMainForm();
}

void TProjectInfo::FindMainForm() {
  const int at = FindLine("Application.CreateForm");
  if (at < 0) return;
  const std::string line = FSource->Strings(at);
  const size_t comma = line.find(',');
  const size_t close = comma == std::string::npos ? comma : line.find(')', comma);
  if (close != std::string::npos) FMainForm = kcl::Trim(std::string_view(line).substr(comma + 1, close - comma - 1));
}

bool TProjectInfo::SetTitle(const std::string& title) { return SetAssignment("Application.Title", title, FTitle); }

bool TProjectInfo::SetHelpFile(const std::string& helpFile) {
  return SetAssignment("Application.HelpFile", helpFile, FHelpFile);
}

bool TProjectInfo::SetAssignment(std::string_view name, const std::string& value, std::string& field) {
  // Quotes are doubled, or a title such as Bob's would end the string early and
  // the project would no longer compile.
  const std::string assignment = "  " + std::string(name) + " :=" + kcl::QuotedStr(value) + ";";
  int at = FindLine(name);
  if (at >= 0) {
    FSource->Put(at, assignment);
  } else {
    at = FindLine("Application.Initialize;");
    if (at < 0) return false;
    FSource->Insert(at + 1, assignment);
  }
  field = value;
  // A failed save raises and leaves the file as it was; the edit stays in Source.
  FSource->SaveToFile(FProjectFile);
  return true;
}

void TProjectInfo::RenameUnit(const std::string& oldName, const std::string& newName) {
  const int at = oldName.empty() ? -1 : FindLine(oldName);
  if (at < 0) return;
  const std::string line = FSource->Strings(at);
  // The braces name the form, which keeps its name when its unit is renamed
  // (unit Main with form MainForm).
  const size_t formComment = std::min(line.find('{'), line.size());
  std::string entry = ReplaceAll(line.substr(0, formComment), ExtractBaseName(oldName), ExtractBaseName(newName));
  entry = ReplaceAll(entry, oldName, newName);
  FSource->Put(at, entry + line.substr(formComment));
}

void TProjectInfo::ParseProjectFile(const std::string& fileName) {
  kcl::TStringList lines;
  lines.LoadFromFile(fileName);  // raises before anything has changed
  FUnits->Clear();
  FForms->Clear();
  FProjectDir = kcl::ExtractFilePath(fileName);
  for (int i = 0, count = lines.Count(); i < count; ++i) {
    const std::string line = lines.Strings(i);
    if (Contains(line, "{$R")) break;
    const size_t in = line.find(" in");
    if (in == std::string::npos) continue;
    FUnits->Add(kcl::Trim(std::string_view(line).substr(0, in)));
    FForms->Add(FormOfEntry(line));
  }
  FSource->Assign(&lines);
  ParseSource();
  FState = psOpened;
}

}  // namespace korvax

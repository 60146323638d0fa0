#include "ide/editor/sourcegen.h"

#include <algorithm>
#include <vector>

#include "ide/common/textutils.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::editor {

using namespace kcl;

namespace {

// The form class header: the first line naming TForm, 0 when none.
int ClassHeaderLine(const TStrings& lines) { return FindLine(lines, "TForm"); }

// The line that declares the field name ("    Name:TClass;", blanks allowed), -1 when none.
int FieldLine(const TStrings& lines, const std::string& name) {
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = TrimLeft(lines.Strings(i));
    if (!line.starts_with(name)) continue;
    if (TrimLeft(std::string_view(line).substr(name.size())).starts_with(":")) return i;
  }
  return -1;
}

std::string HandlerHeader(const std::string& formName, const std::string& handlerText) {
  return "procedure T" + formName + "." + handlerText;
}

bool EndsPublishedPart(const std::string& line) {
  const std::string word = LowerCase(Trim(line));
  return word == "private" || word == "protected" || word == "public" || word == "published" || word == "end;";
}

// "Name: TClass;" with any blanks: a field, not a method.
bool IsFieldLine(const std::string& line) {
  const std::string text = Trim(line);
  const size_t colon = text.find(':');
  if (colon == std::string::npos || !text.ends_with(';')) return false;
  return IsValidIdent(Trim(std::string_view(text).substr(0, colon))) &&
         IsValidIdent(Trim(std::string_view(text).substr(colon + 1, text.size() - colon - 2)));
}

// The line after the form class's published part (its first line is header + 1).
int PublishedPartEnd(const TStrings& lines, int header) {
  int end = header + 1;
  while (end < lines.Count() && !EndsPublishedPart(lines.Strings(end))) ++end;
  return end;
}

constexpr std::string_view FieldLinesMark = "fields\n";
// Before the field lines, ComponentFieldLines keeps the line that ends the uses clause.
constexpr char UsesEndMark = 'U';

// The line of the interface's uses clause that holds its ';', -1 when there is none.
int UsesClauseEnd(const TStrings& lines, int* start = nullptr) {
  int uses = 0;
  while (uses < lines.Count() && LowerCase(Trim(lines.Strings(uses))) != "interface") ++uses;
  while (++uses < lines.Count()) {
    const std::string text = LowerCase(TrimLeft(lines.Strings(uses)));
    if (text == "uses" || (text.starts_with("uses") && !IsValidIdent(text.substr(0, 5)))) break;
    if (text.starts_with("type") || text.starts_with("implementation")) return -1;
  }
  for (int end = uses; end < lines.Count(); ++end)
    if (lines.Strings(end).find(';') != std::string::npos) {
      if (start) *start = uses;
      return end;
    }
  return -1;
}

// The units the clause from line start to line end names.
std::vector<std::string> UsesClauseUnits(const TStrings& lines, int start, int end) {
  std::string clause;
  for (int i = start; i <= end; ++i) clause += lines.Strings(i) + " ";
  clause = clause.substr(LowerCase(clause).find("uses") + 4);
  std::vector<std::string> units;
  std::string unit;
  for (const char c : clause + ",") {
    if (c == ',' || c == ';') {
      units.push_back(Trim(unit));
      unit.clear();
    } else {
      unit += c;
    }
  }
  return units;
}

}  // namespace

void AddUnitToUses(TStrings& lines, std::string_view unit) {
  int start = 0;
  const int end = UsesClauseEnd(lines, &start);
  if (end < 0 || unit.empty()) return;
  for (const std::string& named : UsesClauseUnits(lines, start, end))
    if (SameText(named, unit)) return;
  std::string text = lines.Strings(end);
  text.insert(text.find(';'), ", " + std::string(unit));
  lines.Put(end, text);
}

std::string ComponentFieldLines(const TStrings& lines) {
  const int header = ClassHeaderLine(lines);
  if (header == 0) return {};
  std::string fields(FieldLinesMark);
  if (const int usesEnd = UsesClauseEnd(lines); usesEnd >= 0)
    fields += UsesEndMark + std::to_string(usesEnd) + "\t" + lines.Strings(usesEnd) + "\n";
  const int end = PublishedPartEnd(lines, header);
  for (int i = header + 1; i < end; ++i)
    if (IsFieldLine(lines.Strings(i))) fields += std::to_string(i - header - 1) + "\t" + lines.Strings(i) + "\n";
  return fields;
}

void RestoreComponentFieldLines(TStrings& lines, const std::string& fields) {
  const int header = ClassHeaderLine(lines);
  if (header == 0 || !fields.starts_with(FieldLinesMark)) return;
  for (int i = PublishedPartEnd(lines, header) - 1; i > header; --i)
    if (IsFieldLine(lines.Strings(i))) lines.Delete(i);
  size_t at = FieldLinesMark.size();
  while (at < fields.size()) {
    const size_t tab = fields.find('\t', at), end = fields.find('\n', at);
    if (fields[at] == UsesEndMark) {
      // Put back only over the clause's end it was: the user may have edited the unit since.
      const int line = StrToInt(fields.substr(at + 1, tab - at - 1));
      if (line == UsesClauseEnd(lines)) lines.Put(line, fields.substr(tab + 1, end - tab - 1));
      at = end + 1;
      continue;
    }
    const int place = std::min(StrToInt(fields.substr(at, tab - at)), PublishedPartEnd(lines, header) - header - 1);
    lines.Insert(header + 1 + place, fields.substr(tab + 1, end - tab - 1));
    at = end + 1;
  }
}

std::unique_ptr<TStringList> NewUnitSource(const std::string& unitName, const std::string& formName) {
  auto lines = std::make_unique<TStringList>();
  for (const std::string& line :
       {Format("%s %s;", {"unit", unitName}), std::string(" "), std::string("interface"), std::string(" "),
        std::string("uses"),
        std::string("   Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;"), std::string(" "),
        std::string("type"), Format("  T%s=class(TForm)", {formName}), std::string("  private"),
        std::string("    { Private declarations }"), std::string("  public"),
        std::string("    { Public declarations }"), std::string("  end;"), std::string(" "), std::string("var"),
        Format("  %s: T%s;", {formName, formName}), std::string(" "), std::string("implementation"),
        std::string(" "), std::string("{$R *.DFM}"), std::string(" "), std::string("end.")})
    lines->Add(line);
  return lines;
}

int FindLine(const TStrings& lines, const std::string& text) {
  for (int i = 0; i < lines.Count(); ++i)
    if (lines.Strings(i).find(text) != std::string::npos) return i;
  return 0;
}

void AddComponentField(TStrings& lines, const std::string& name, const std::string& className) {
  const int header = ClassHeaderLine(lines);
  if (header == 0) return;
  lines.Insert(header + 1, "    " + name + ":" + className + ";");
}

void RemoveComponentField(TStrings& lines, const std::string& name) {
  if (const int line = FieldLine(lines, name); line >= 0) lines.Delete(line);
}

void RenameComponentField(TStrings& lines, const std::string& oldName, const std::string& newName) {
  const int line = FieldLine(lines, oldName);
  if (line < 0) return;
  const std::string text = lines.Strings(line);
  const size_t at = text.find(oldName);
  lines.Put(line, text.substr(0, at) + newName + text.substr(at + oldName.size()));
}

int AddHandlerText(TStrings& lines, const std::string& formName, const std::string& handlerText) {
  // Declared at the end of the published part, so that the unit compiles.
  if (const int header = ClassHeaderLine(lines); header > 0) {
    int at = header + 1;
    while (at < lines.Count() && !EndsPublishedPart(lines.Strings(at))) ++at;
    lines.Insert(at, "    procedure " + handlerText);
  }
  for (const std::string& line : {std::string(), HandlerHeader(formName, handlerText), std::string("begin"),
                                  std::string(), std::string("end;")})
    lines.Insert(std::max(lines.Count() - 2, 0), line);
  return lines.Count() - 3;
}

int HandlerBodyLine(const TStrings& lines, const std::string& formName, const std::string& handlerText) {
  return FindLine(lines, HandlerHeader(formName, handlerText)) + 3;
}

bool HasHandlerBody(const TStrings& lines, const std::string& formName, const std::string& handlerText) {
  return FindLine(lines, HandlerHeader(formName, handlerText)) > 0;
}

void SetUnitNameText(TStrings& lines, const std::string& fileName) {
  if (lines.Count() == 0 || lines.Strings(0).find("unit") == std::string::npos) return;
  lines.Put(0, Format("%s %s;", {"unit", ExtractBaseName(fileName)}));
}

}  // namespace korvax::editor

#include "ide/project/autocreate.h"

#include <algorithm>

#include "ide/project/projectsource.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

namespace {

// The lines from the program's statement part on: the uses clause names forms too.
int StatementsStart(const kcl::TStrings& source) { return std::max(FindSourceLine(source, "{$R *.RES}"), 0); }

struct TCreateLine {
  int Index;
  std::string Form;
};

std::vector<TCreateLine> CreateLines(const kcl::TStrings& source) {
  std::vector<TCreateLine> lines;
  for (int i = StatementsStart(source); i < source.Count(); ++i)
    if (std::string form = CreatedForm(source.Strings(i)); !form.empty()) lines.push_back({i, form});
  return lines;
}

}  // namespace

std::string CreatedForm(std::string_view line) {
  const std::string statement = kcl::Trim(line);
  if (!statement.starts_with("Application.CreateForm(")) return {};
  const size_t comma = statement.find(',');
  const size_t close = comma == std::string::npos ? comma : statement.find(')', comma);
  if (close == std::string::npos) return {};
  return kcl::Trim(std::string_view(statement).substr(comma + 1, close - comma - 1));
}

std::string FormNameOfEntry(std::string_view entry) {
  const std::string name = kcl::ExtractFileName(entry);
  return kcl::SameText(kcl::ExtractFileExt(name), ".dfm") ? kcl::ChangeFileExt(name, "") : name;
}

void SplitAutoCreateForms(const kcl::TStrings& source, const kcl::TStrings& forms, kcl::TStrings& autoCreate,
                          kcl::TStrings& available) {
  const std::vector<TCreateLine> created = CreateLines(source);
  std::vector<std::pair<size_t, std::string>> byLine;  // the created entries with their line's place
  for (int i = 0; i < forms.Count(); ++i) {
    const std::string name = FormNameOfEntry(forms.Strings(i));
    const auto line = std::find_if(created.begin(), created.end(),
                                   [&name](const TCreateLine& c) { return !name.empty() && kcl::SameText(c.Form, name); });
    if (line == created.end())
      available.Add(forms.Strings(i));
    else
      byLine.emplace_back(static_cast<size_t>(line - created.begin()), forms.Strings(i));
  }
  std::stable_sort(byLine.begin(), byLine.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& entry : byLine) autoCreate.Add(entry.second);
}

bool SetAutoCreateForms(kcl::TStrings& source, const std::vector<std::string>& forms) {
  std::vector<TCreateLine> existing = CreateLines(source);
  std::vector<std::string> wanted;
  for (const std::string& form : forms) {
    std::string text = "  Application.CreateForm(T" + form + "," + form + ");";
    for (TCreateLine& line : existing)
      if (kcl::SameText(line.Form, form)) {
        text = source.Strings(line.Index);
        line.Form.clear();  // each line serves one entry
        break;
      }
    wanted.push_back(text);
  }
  int at = existing.empty() ? -1 : existing.front().Index;
  if (existing.empty()) {
    for (int i = StatementsStart(source); i < source.Count() && at < 0; ++i)
      if (source.Strings(i).find("Application.Run") != std::string::npos) at = i;
    if (at < 0) return false;
  }
  std::vector<std::string> current;
  for (const TCreateLine& line : existing) current.push_back(source.Strings(line.Index));
  if (current == wanted) return false;
  for (auto line = existing.rbegin(); line != existing.rend(); ++line) source.Delete(line->Index);
  for (size_t i = 0; i < wanted.size(); ++i) source.Insert(at + static_cast<int>(i), wanted[i]);
  return true;
}

}  // namespace korvax

#include "ide/shell/reopenhistory.h"

#include "ide/common/environment.h"
#include "ide/shell/mainform.h"
#include "kcl/classes/stringlist.h"
#include "kcl/controls/menus.h"
#include "kcl/rtl/sysutils.h"

namespace korvax {

using namespace kcl;

namespace {

int SectionLines(TIniFile& ini, const std::string& section) {
  TStringList keys;
  ini.ReadSection(section, keys);
  return keys.Count();
}

}  // namespace

void AddHistory(TIniFile& ini, const std::string& section, int limit, const std::string& path) {
  if (path.empty()) return;
  try {
    for (int n = 0, lines = SectionLines(ini, section); n < lines; ++n)
      if (ini.ReadString(section, std::to_string(n), "") == path) return;
    const int last = ini.ReadInteger(section, "Last", 0);
    if (last < limit) {
      ini.WriteInteger(section, "Last", last + 1);
      ini.WriteString(section, std::to_string(last + 1), path);
    } else {
      ini.WriteInteger(section, "Last", 0);
    }
  } catch (const Exception&) {
  }
}

std::vector<std::string> HistoryFiles(TIniFile& ini, const std::string& section) {
  std::vector<std::string> files;
  try {
    for (int n = 0, lines = SectionLines(ini, section); n < lines; ++n) {
      const std::string path = ini.ReadString(section, std::to_string(n), "");
      if (!path.empty() && FileExists(path)) files.push_back(path);
    }
  } catch (const Exception&) {
  }
  return files;
}

void TFMainForm::AddProjectHistory(const std::string& path) {
  if (IniFile) AddHistory(*IniFile, ClosedProjectsSection, ClosedProjectsLimit, path);
}

void TFMainForm::AddFileHistory(const std::string& path) {
  if (IniFile) AddHistory(*IniFile, ClosedFilesSection, ClosedFilesLimit, path);
}

void TFMainForm::BuildReopenMenu() {
  if (!FileReopenItem) return;
  const auto add = [this](const std::string& caption) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    if (caption != "-") item->OnClick.SetHandler([this, caption](TObject*) {
      if (SameText(ExtractFileExt(caption), ".dpr"))
        OpenProject(caption);
      else
        OpenFile(caption);
    });
    FileReopenItem->Add(item);
  };
  for (const std::string& path : IniFile ? HistoryFiles(*IniFile, ClosedProjectsSection) : std::vector<std::string>{})
    add(path);
  add("-");
  for (const std::string& path : IniFile ? HistoryFiles(*IniFile, ClosedFilesSection) : std::vector<std::string>{})
    add(path);
}

}  // namespace korvax

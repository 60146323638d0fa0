#include "ide/common/texthistory.h"

#include "ide/common/environment.h"
#include "kcl/classes/stringlist.h"

namespace korvax {

using namespace kcl;

void AddFindTextHistory(const std::string& text) { AddTextHistory("FindText", text); }

void AddReplaceTextHistory(const std::string& text) { AddTextHistory("ReplaceText", text); }

void AddTextHistory(const std::string& section, const std::string& text) {
  if (!IniFile) return;
  TStringList entries;
  IniFile->ReadSectionValues(section, entries);
  if (entries.Count() > 0 && HistoryContains(entries, text)) return;
  const int last = IniFile->ReadInteger(section, "Last", 0);
  if (last < TextHistoryLimit) {
    IniFile->WriteInteger(section, "Last", last + 1);
    IniFile->WriteString(section, std::to_string(last + 1), text);
  } else {
    IniFile->WriteInteger(section, "Last", 0);
  }
}

void LoadTextHistory(const std::string& section, TStrings& items) {
  if (!IniFile) return;
  TStringList entries;
  IniFile->ReadSectionValues(section, entries);
  if (entries.Count() == 0) return;
  items.Clear();
  // The first line is "Last".
  for (int i = entries.Count() - 1; i >= 1; --i) {
    const std::string& line = entries.Strings(i);
    if (const size_t equals = line.find('='); equals != std::string::npos) items.Add(line.substr(equals + 1));
  }
}

bool HistoryContains(const TStrings& entries, const std::string& text) {
  for (int key = 0; key < entries.Count(); ++key)
    if (entries.IndexOfName(std::to_string(key)) >= 0 && entries.Values(std::to_string(key)) == text) return true;
  return false;
}

}  // namespace korvax

#pragma once
// The texts searched for and used as replacements, remembered in the settings
// file: sections "FindText" and "ReplaceText", "Last" the number of the entry
// written last and "1" to "20" the texts. Past 20 "Last" goes back to 0 and the
// next text overwrites the oldest.
#include <string>

namespace kcl {
class TStrings;
}

namespace korvax {

constexpr int TextHistoryLimit = 20;

void AddFindTextHistory(const std::string& text);
void AddReplaceTextHistory(const std::string& text);
// Stores text in the section unless one of its entries is that text already.
void AddTextHistory(const std::string& section, const std::string& text);
// The section's texts into items, the newest of a history that has not wrapped
// first; items stay as they are when the section is empty.
void LoadTextHistory(const std::string& section, kcl::TStrings& items);
// Whether a value of the "key=value" lines with the keys "0" up to the count of
// lines less one is text (case-sensitive).
bool HistoryContains(const kcl::TStrings& entries, const std::string& text);

}  // namespace korvax

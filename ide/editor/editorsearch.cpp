#include "ide/editor/editorsearch.h"

#include <algorithm>
#include <vector>

#include "ide/common/routines.h"
#include "ide/editor/editorform.h"
#include "kcl/classes/stringlist.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/msgdlg.h"
#include "kcl/components/richedit.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::editor {

using namespace kcl;

std::string SearchText;
TSearchOptions SearchOptions;
int LastMatchPos = -1;
int LastMatchEnd = 0;
int LastMatchLine = 0;

namespace {

// A forward search from the cursor starts past the caret and the character after it.
constexpr int CursorSkip = 2;

bool IsDelimiter(unsigned char c) { return c < 48 || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 127); }

// The range a search of the options covers: [start, end).
struct TSearchRange {
  int Start;
  int End;
};

TSearchRange RangeOf(const TRichEdit& edit, const TSearchOptions& options) {
  const int length = edit.GetTextLen();
  const int caret = edit.SelStart();
  if (options.SelectedOnly) {
    // To the start of the word after the selection's start, as Replace selects.
    const int next = edit.FindWordBreak(WB_MOVEWORDRIGHT, caret);
    return {caret, std::min(length, caret + next)};
  }
  if (options.EntireScope) return {0, length};
  if (options.Backward) return {0, std::min(length, caret + CursorSkip)};
  return {std::min(length, caret + CursorSkip), length};
}

int Find(const TRichEdit& edit, const std::string& text, TSearchRange range, TSearchTypes types) {
  if (range.Start >= range.End) return -1;
  return edit.FindText(text, range.Start, range.End - range.Start, types);
}

// The match the options ask for within range: the first, or going backward the
// last one that ends before the range does.
int Match(const TRichEdit& edit, const std::string& text, TSearchRange range, const TSearchOptions& options) {
  if (!options.Backward || options.SelectedOnly || options.EntireScope) return Find(edit, text, range, options.Types);
  int last = -1;
  for (int found = Find(edit, text, range, options.Types); found >= 0;
       found = Find(edit, text, {found + CursorSkip, range.End}, options.Types))
    last = found;
  return last;
}

// A search that found nothing says so; the next Search Again starts at the top.
void Missed(TRichEdit& edit, const std::string& message) {
  LastMatchPos = -1;
  ShowMessageBox(message, Application()->Title(), MB_OK);
  LastMatchEnd = 0;
  if (edit.CanFocus()) edit.SetFocus();
}

void Finished(TRichEdit& edit, const std::string& text) { Missed(edit, "\"" + text + "\" finished finding."); }

void SelectMatch(TRichEdit& edit, int match, int length) {
  LastMatchPos = match;
  if (edit.CanFocus()) edit.SetFocus();
  edit.SetSelection(match, match + length);
}

}  // namespace

bool FindInEditor(const std::string& text, const TSearchOptions& options) {
  TRichEdit* edit = CurrentEditor;
  if (!edit) return false;
  const int match = Match(*edit, text, RangeOf(*edit, options), options);
  if (match < 0) {
    Finished(*edit, text);
    return false;
  }
  SelectMatch(*edit, match, static_cast<int>(text.size()));
  return true;
}

void ReplaceInEditor(const std::string& text, const std::string& replacement, const TSearchOptions& options) {
  TRichEdit* edit = CurrentEditor;
  if (!edit) return;
  if (!options.ReplaceAll) {
    if (FindInEditor(text, options)) edit->ReplaceSel(replacement, true);
    return;
  }
  // Each original match once: every search goes on after the last replacement.
  TSearchRange range = RangeOf(*edit, options);
  const int length = static_cast<int>(text.size());
  const int grows = static_cast<int>(replacement.size()) - length;
  for (bool ask = options.Prompt; ask;) {
    const int match = Find(*edit, text, range, options.Types);
    if (match < 0) break;
    SelectMatch(*edit, match, length);
    range.Start = match + length;
    const int answer = MessageDlg("Replace " + text + "to " + replacement + "?", mtConfirmation,
                                  {mbYes, mbNo, mbCancel, mbAll}, 0);
    if (answer == mrCancel) return;
    if (answer == mrNo) continue;
    ask = answer != mrAll;
    edit->ReplaceSel(replacement, true);
    range.Start = match + static_cast<int>(replacement.size());
    range.End += grows;
  }
  // The rest without asking, as one edit.
  std::vector<int> matches;
  for (int match = Find(*edit, text, range, options.Types); match >= 0;
       match = Find(*edit, text, {match + length, range.End}, options.Types))
    matches.push_back(match);
  edit->ReplaceRanges(matches, length, replacement);
  Finished(*edit, text);
}

void SearchAgain() {
  TRichEdit* edit = CurrentEditor;
  if (!edit) return;
  const int match = Find(*edit, SearchText, {LastMatchEnd, edit->GetTextLen()}, {});
  if (match < 0) return Missed(*edit, "Search String Not Found!");
  LastMatchPos = match;
  LastMatchEnd = match + static_cast<int>(SearchText.size());
  edit->SetSelection(match, LastMatchEnd);
  const int line = edit->LineFromChar(match);
  edit->LineScroll(0, line - LastMatchLine);
  LastMatchLine = line;
  if (edit->CanFocus()) edit->SetFocus();
}

std::string WordAtCaret() {
  TRichEdit* edit = CurrentEditor;
  if (!edit) return {};
  const int caret = edit->SelStart();
  const int lineNumber = edit->LineFromChar(caret);
  const std::string line = edit->Lines()->Strings(lineNumber);
  const int at = caret - edit->LineIndex(lineNumber);
  const int length = static_cast<int>(line.size());
  if (at < 0 || at >= length || IsDelimiter(static_cast<unsigned char>(line[static_cast<size_t>(at)]))) return {};
  int first = at, last = at;
  while (first > 0 && !IsDelimiter(static_cast<unsigned char>(line[static_cast<size_t>(first - 1)]))) --first;
  while (last + 1 < length && !IsDelimiter(static_cast<unsigned char>(line[static_cast<size_t>(last + 1)]))) ++last;
  return Trim(line.substr(static_cast<size_t>(first), static_cast<size_t>(last - first + 1)));
}

void GotoLine(int line) {
  TRichEdit* edit = CurrentEditor;
  if (!edit) return;
  if (edit->CanFocus()) edit->SetFocus();
  const int target = std::clamp(line, 0, std::max(edit->LineCount() - 1, 0));
  const int start = edit->LineIndex(target);
  edit->SetSelection(start, start);
}

}  // namespace korvax::editor

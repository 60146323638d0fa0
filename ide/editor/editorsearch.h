#pragma once
// Searching and replacing in the current editor page, and the search state the
// Search menu keeps until the program ends.
#include <string>

#include "kcl/components/edittypes.h"

namespace kcl {
class TRichEdit;
}

namespace korvax::editor {

struct TSearchOptions {
  kcl::TSearchTypes Types;
  bool Backward = false;
  bool SelectedOnly = false;
  bool EntireScope = false;
  bool ReplaceAll = false;
  bool Prompt = false;
};

extern std::string SearchText;
extern TSearchOptions SearchOptions;
// The last match of a find or Search Again (-1 after a miss); where Search Again
// starts (0 after a miss); the line of its last match.
extern int LastMatchPos;
extern int LastMatchEnd;
extern int LastMatchLine;

// One search in the current editor, which selects the match and gets the focus;
// a miss says "<text>" finished finding.
bool FindInEditor(const std::string& text, const TSearchOptions& options);
// Replaces the next match or, with ReplaceAll, every match in the options' range
// once (asking first with Prompt); each replacement can be undone.
void ReplaceInEditor(const std::string& text, const std::string& replacement, const TSearchOptions& options);
// SearchText again from LastMatchEnd, neither whole words nor case-sensitive.
void SearchAgain();
// The word around the caret of the current editor; "" at a word's end.
std::string WordAtCaret();
// The caret to the start of line (counted from 0); a line past the last goes to
// the last, one before the first to the first.
void GotoLine(int line);

}  // namespace korvax::editor

#pragma once
// Rich text documents read into a QTextDocument: the subset of RTF that rich edit
// controls and the source highlighter write (font and colour tables, character
// formatting, paragraphs, escapes and Unicode characters). Malformed input never
// fails: what can be read is read, the rest is skipped.
#include <atomic>
#include <climits>
#include <string_view>

class QTextCursor;

namespace kcl {

// True for data that starts as an RTF document does.
bool IsRtf(std::string_view data);

struct TRtfReadOptions {
  // Paragraphs read with their formatting; the text after them is inserted at
  // once, in the format of the first run that comes after.
  int FormattedParagraphs = INT_MAX;
  // Set from another thread: reading stops as soon as it sees it.
  const std::atomic<bool>* Cancel = nullptr;
};

// Inserts the document's text and formatting at the cursor. A paragraph mark that
// ends the document is the document's final paragraph, not an empty line after it.
void ReadRtf(std::string_view rtf, QTextCursor& cursor, const TRtfReadOptions& options = {});

// Inserts plain Windows-1252 text at the cursor; CR LF, LF and CR each end a line.
void ReadAnsiText(std::string_view text, QTextCursor& cursor);

}  // namespace kcl

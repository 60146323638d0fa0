#pragma once
// TRichEdit: a multi-line edit control with character and paragraph formatting, on
// a QTextEdit peer. The text lives in a QTextDocument that the control owns, so it
// exists before and after the peer; loading replaces the document. Character indexes are the rich edit's: one
// character for each line break, as QTextDocument counts positions. The document is
// laid out by TRichEditLayout, so that an edit costs the same anywhere in it.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QTextCursor>

#include "kcl/classes/stringlist.h"
#include "kcl/components/editmessages.h"
#include "kcl/components/edittypes.h"
#include "kcl/components/paraattributes.h"
#include "kcl/components/textattributes.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/wincontrol.h"

class QTextDocument;
class QTextEdit;

namespace kcl {

class TBackgroundDocument;

using TRichEditProtectChange = TEvent<void(TObject* sender, int startPos, int endPos, bool& allowChange)>;
using TRichEditResizeEvent = TEvent<void(TObject* sender, TRect rect)>;
using TRichEditSaveClipboard = TEvent<void(TObject* sender, int numObjects, int numChars, bool& saveClipboard)>;
const TTypeInfo* TRichEditProtectChangeType();
const TTypeInfo* TRichEditResizeEventType();
const TTypeInfo* TRichEditSaveClipboardType();

class TRichEdit : public TWinControl {
  KCL_CLASS(TRichEdit, TWinControl)
public:
  explicit TRichEdit(TComponent* owner);
  ~TRichEdit() override;

  // Published.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool value);
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* value);
  // The most characters the user may enter; 0 for no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int value) { FMaxLength = std::max(value, 0); }
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool value) { FPlainText = value; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value) { FWantReturns = value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  TNotifyEvent OnChange;
  TRichEditProtectChange OnProtectChange;
  TRichEditResizeEvent OnResizeRequest;
  TRichEditSaveClipboard OnSaveClipboard;
  TNotifyEvent OnSelectionChange;

  // The text, lines ending in CR LF (TControl's Text is not the document).
  std::string Text() const;
  void SetText(const std::string& value);
  int GetTextLen() const;
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  // Line breaks in the selected text are CR LF; setting it replaces the selection
  // (undoably) and puts the caret after the new text.
  std::string SelText() const;
  void SetSelText(const std::string& value);
  TTextAttributes* SelAttributes() const { return FSelAttributes.get(); }
  void SetSelAttributes(TTextAttributes* value) { FSelAttributes->Assign(value); }
  TTextAttributes* DefAttributes() const { return FDefAttributes.get(); }
  void SetDefAttributes(TTextAttributes* value) { FDefAttributes->Assign(value); }
  TParaAttributes* Paragraph() const { return FParagraph.get(); }
  bool Modified() const { return FModified; }
  void SetModified(bool value) { FModified = value; }

  // The index of the first match in [startPos, startPos + length) (to the end for a
  // negative length), or -1.
  int FindText(const std::string& searchStr, int startPos, int length, TSearchTypes options) const;
  // The document's text with one character for each paragraph break, as
  // positions count; kept until the text changes, so that searches in a row
  // do not copy it again.
  const QString& SearchableText() const;
  // Qt without print support: the document as a PDF file, PrintFileName or else
  // the caption (its characters that are unsafe in a file name replaced) with
  // ".pdf" in the temporary directory.
  void Print(const std::string& caption);
  std::string PrintFileName() const { return FPrintFileName; }
  void SetPrintFileName(const std::string& value) { FPrintFileName = value; }
  // The file the last Print wrote.
  std::string PrintedFile() const { return FPrintedFile; }

  void Clear();
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo() const;

  // The edit messages as methods, with the messages' meaning.
  TCharRange GetSelection() const;                        // EM_EXGETSEL
  void SetSelection(int start, int end);                  // EM_SETSEL
  int LineCount() const;                                  // EM_GETLINECOUNT
  int LineIndex(int line) const;                          // EM_LINEINDEX
  int LineLength(int charIndex) const;                    // EM_LINELENGTH
  int LineFromChar(int charIndex) const;                  // EM_LINEFROMCHAR
  void LineScroll(int columns, int lines);                // EM_LINESCROLL
  void ScrollCaret();                                     // EM_SCROLLCARET
  int FirstVisibleLine() const;                           // EM_GETFIRSTVISIBLELINE
  void ReplaceSel(std::string_view text, bool canUndo);   // EM_REPLACESEL
  int FindWordBreak(uint32_t code, int position) const;   // EM_FINDWORDBREAK
  void WndProc(TMessage& message) override;

  // Whether the streaming system writes these properties.

  // For the editor and the parts of this control. A large document is read on
  // another thread while a quick one (the same text, its first paragraphs
  // formatted) is shown; Document and TextCursor wait for it, ShownDocument and
  // ShownCursor are good for reading text and positions only.
  QTextDocument* Document() const;
  const QTextDocument* ShownDocument() const { return FDocument.get(); }
  QTextEdit* Editor() const;
  QTextCursor TextCursor() const;
  QTextCursor ShownCursor() const;
  // Waits for a document being read in the background and shows it in place of the
  // quick one, the selection and the scrolled place kept. Called before anything
  // changes the text or asks about its formatting.
  void CompleteLoad() const;
  void SetTextCursor(const QTextCursor& cursor);
  // The format text typed now would get, or that of the selection's first character.
  QTextCharFormat SelectionCharFormat() const;
  // Formats the selection (or what is typed next); not a change of the text.
  void MergeSelectionCharFormat(const QTextCharFormat& change);
  void MergeSelectionBlockFormat(const QTextBlockFormat& change);
  // Replaces [start, end) by text (line breaks: CR LF, LF or CR), as the program
  // does: Modified and OnChange follow, MaxLength does not apply, and an edit that
  // cannot be undone empties the undo history.
  void ReplaceRange(int start, int end, std::string_view text, bool canUndo);
  // Replaces [start, start + length) for each of starts (in order, apart) by text,
  // as one edit that can be undone.
  void ReplaceRanges(const std::vector<int>& starts, int length, std::string_view text);
  // Replaces the document by the data of a stream: RTF unless PlainText, else text.
  void LoadFromBytes(std::string_view data);
  // How many characters the user may still enter in place of the selection.
  int RoomForInput() const;
  // False when the user may not change [start, end) because of protected text.
  bool AllowChange(int start, int end);

protected:
  bool WantsKey(Word key) const override { return key == VK_RETURN && FWantReturns; }
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void DestroyWidget() override;
  void FontChanged() override;
  void TextChanged() override {}

private:
  void AttachDocument(std::unique_ptr<QTextDocument> document, int anchor = 0, int position = 0);
  void ShowReadDocument(std::unique_ptr<QTextDocument> document);
  void ContentsChanged();
  void SelectionMoved();
  void UpdateScrollBars();
  void UpdateSelectionPalette();
  bool HandleEditMessage(TMessage& message);

  std::unique_ptr<QTextDocument> FDocument;
  QTextCursor FCursor;  // the selection while there is no peer
  std::unique_ptr<TStrings> FLines;
  std::unique_ptr<TTextAttributes> FSelAttributes;
  std::unique_ptr<TTextAttributes> FDefAttributes;
  std::unique_ptr<TParaAttributes> FParagraph;

  TAlignment FAlignment = taLeftJustify;
  TBorderStyle FBorderStyle = bsSingle;
  bool FHideSelection = true;
  bool FHideScrollBars = true;
  int FMaxLength = 0;
  bool FPlainText = false;
  bool FReadOnly = false;
  TScrollStyle FScrollBars = ssNone;
  bool FWantTabs = false;
  bool FWantReturns = true;
  bool FWordWrap = true;
  bool FModified = false;
  std::string FPrintFileName;
  std::string FPrintedFile;

  // While the program changes the text or only its formatting.
  int FProgramChange = 0;
  int FFormatChange = 0;
  int FLastAnchor = 0, FLastPosition = 0;
  // The document's text as searches read it, kept until the document changes.
  mutable QString FSearchText;
  mutable QPointer<const QTextDocument> FSearchTextOf;
  // Declared after FDocument: its thread is stopped before the shown document goes.
  std::unique_ptr<TBackgroundDocument> FBackgroundRead;
};

// The first match of what in text at startPos or after that ends by limit, as a
// rich edit searches: letters of either case alike unless the case must match, a
// whole word between characters that are neither letters nor digits; -1 for none.
int FindTextIn(const QString& text, const QString& what, int startPos, int limit, TSearchTypes options);

}  // namespace kcl

#include "kcl/components/richedit.h"

#include <QDir>
#include <QFrame>
#include <QPageSize>
#include <QPalette>
#include <QPdfWriter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringMatcher>
#include <QTextDocument>
#include <QTextEdit>
#include <climits>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/richeditlayout.h"
#include "kcl/components/richeditloader.h"
#include "kcl/components/richeditstrings.h"
#include "kcl/components/richeditwidget.h"
#include "kcl/components/richformat.h"
#include "kcl/components/rtfreader.h"
#include "kcl/graphics/font.h"
#include "kcl/desktop/cp1252.h"

namespace kcl {

namespace {

// Counts the nesting of a kind of change for as long as it lives.
class TChangeScope {
public:
  explicit TChangeScope(int& counter) : FCounter(counter) { ++FCounter; }
  ~TChangeScope() { --FCounter; }
  TChangeScope(const TChangeScope&) = delete;
  TChangeScope& operator=(const TChangeScope&) = delete;

private:
  int& FCounter;
};

QString EditText(std::string_view bytes) {
  QString text = cp1252::Decode(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

// A caption as a file name: path separators and other troublesome characters go.
QString SafeFileName(const std::string& caption) {
  QString name = cp1252::Decode(caption);
  for (QChar& c : name)
    if (!c.isPrint() || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QChar('_');
  name = name.trimmed();
  if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) name = QStringLiteral("Document");
  return name;
}

// RTF this large is read on another thread while the first paragraphs show.
constexpr size_t BackgroundReadBytes = 512 * 1024;
constexpr int QuickParagraphs = 400;

}  // namespace

const TTypeInfo* TRichEditProtectChangeType() {
  static const TTypeInfo* t = MakeMethodType("TRichEditProtectChange", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "StartPos", "Integer"},
                                              {0, "EndPos", "Integer"},
                                              {pfVar, "AllowChange", "Boolean"}});
  return t;
}

const TTypeInfo* TRichEditResizeEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TRichEditResizeEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "Rect", "TRect"}});
  return t;
}

const TTypeInfo* TRichEditSaveClipboardType() {
  static const TTypeInfo* t = MakeMethodType("TRichEditSaveClipboard", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "NumObjects", "Integer"},
                                              {0, "NumChars", "Integer"},
                                              {pfVar, "SaveClipboard", "Boolean"}});
  return t;
}

KCL_CLASS_INFO(TRichEdit) {
  using T = TRichEdit;
  cls.publish({"Align"});
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Default(taLeftJustify);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
  cls.property("HideScrollBars", &T::HideScrollBars, &T::SetHideScrollBars).Default(true);
  cls.publish({"ImeMode", "ImeName"});
  cls.property("Lines", &T::Lines, &T::SetLines);
  cls.property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PlainText", &T::PlainText, &T::SetPlainText).Default(false);
  cls.publish({"PopupMenu"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.property("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssNone);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.property("WantTabs", &T::WantTabs, &T::SetWantTabs).Default(false);
  cls.property("WantReturns", &T::WantReturns, &T::SetWantReturns).Default(true);
  cls.property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(true);
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnProtectChange", &T::OnProtectChange, TRichEditProtectChangeType());
  cls.event("OnResizeRequest", &T::OnResizeRequest, TRichEditResizeEventType());
  cls.event("OnSaveClipboard", &T::OnSaveClipboard, TRichEditSaveClipboardType());
  cls.event("OnSelectionChange", &T::OnSelectionChange, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TRichEdit::TRichEdit(TComponent* owner)
    : TWinControl(owner),
      FLines(std::make_unique<TRichEditStrings>(this)),
      FSelAttributes(std::make_unique<TTextAttributes>(this, TAttributeType::Selected)),
      FDefAttributes(std::make_unique<TTextAttributes>(this, TAttributeType::DefaultText)),
      FParagraph(std::make_unique<TParaAttributes>(this)) {
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(Font()->ToQFont());
  AttachDocument(std::move(document));
  SetBounds(Left(), Top(), 185, 89);
  SetTabStop(true);
  SetParentColor(false);
}

TRichEdit::~TRichEdit() { DestroyWidget(); }


// --- the peer

QWidget* TRichEdit::CreateWidget(QWidget* parentWidget) {
  auto* editor = new TRichEditWidget(this, parentWidget);
  editor->setDocument(FDocument.get());
  editor->setAcceptRichText(false);
  editor->setTextCursor(FCursor);
  QObject::connect(editor, &QTextEdit::cursorPositionChanged, [this] { SelectionMoved(); });
  QObject::connect(editor, &QTextEdit::selectionChanged, [this] { SelectionMoved(); });
  return editor;
}

void TRichEdit::InitWidget() {
  TWinControl::InitWidget();
  QTextEdit* editor = Editor();
  editor->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
  editor->setTabChangesFocus(!FWantTabs);
  editor->setLineWrapMode(FWordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  SetReadOnly(FReadOnly);
  UpdateScrollBars();
  UpdateSelectionPalette();
}

void TRichEdit::DestroyWidget() {
  if (QTextEdit* editor = Editor()) {
    FCursor = editor->textCursor();
    QObject::disconnect(editor, nullptr, nullptr, nullptr);
  }
  TWinControl::DestroyWidget();
}

QTextEdit* TRichEdit::Editor() const { return static_cast<QTextEdit*>(FWidget.data()); }

QTextDocument* TRichEdit::Document() const {
  CompleteLoad();
  return FDocument.get();
}

QTextCursor TRichEdit::ShownCursor() const { return Editor() ? Editor()->textCursor() : FCursor; }

QTextCursor TRichEdit::TextCursor() const {
  CompleteLoad();
  return ShownCursor();
}

void TRichEdit::SetTextCursor(const QTextCursor& cursor) {
  if (Editor())
    Editor()->setTextCursor(cursor);
  else
    FCursor = cursor;
  SelectionMoved();
}

void TRichEdit::FontChanged() {
  TChangeScope formatting(FFormatChange);
  TWinControl::FontChanged();
  Document()->setDefaultFont(Font()->ToQFont());
  UpdateSelectionPalette();
}

// --- published properties

void TRichEdit::SetAlignment(TAlignment value) {
  FAlignment = value;
  TChangeScope formatting(FFormatChange);
  QTextOption option = Document()->defaultTextOption();
  option.setAlignment(value == taCenter ? Qt::AlignHCenter : value == taRightJustify ? Qt::AlignRight : Qt::AlignLeft);
  FDocument->setDefaultTextOption(option);
}

void TRichEdit::SetBorderStyle(TBorderStyle value) {
  FBorderStyle = value == bsNone ? bsNone : bsSingle;
  if (Editor()) Editor()->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TRichEdit::SetHideSelection(bool value) {
  FHideSelection = value;
  UpdateSelectionPalette();
}

void TRichEdit::UpdateSelectionPalette() {
  QTextEdit* editor = Editor();
  if (!editor) return;
  // A hidden selection looks like the rest of the text while the control is inactive.
  QPalette palette = editor->palette();
  const QPalette active = palette;
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   FHideSelection ? active.color(QPalette::Active, QPalette::Base)
                                  : active.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   FHideSelection ? active.color(QPalette::Active, QPalette::Text)
                                  : active.color(QPalette::Active, QPalette::HighlightedText));
  editor->setPalette(palette);
}

void TRichEdit::SetHideScrollBars(bool value) {
  FHideScrollBars = value;
  UpdateScrollBars();
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
  FScrollBars = value;
  UpdateScrollBars();
}

void TRichEdit::UpdateScrollBars() {
  QTextEdit* editor = Editor();
  if (!editor) return;
  const Qt::ScrollBarPolicy shown = FHideScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
  editor->setHorizontalScrollBarPolicy(horizontal ? shown : Qt::ScrollBarAlwaysOff);
  editor->setVerticalScrollBarPolicy(vertical ? shown : Qt::ScrollBarAlwaysOff);
}

void TRichEdit::SetLines(TStrings* value) { FLines->Assign(value); }

void TRichEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (QTextEdit* editor = Editor()) {
    editor->setReadOnly(value);
    // Read-only text can still be selected and copied from the keyboard.
    if (value) editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void TRichEdit::SetWantTabs(bool value) {
  FWantTabs = value;
  if (Editor()) Editor()->setTabChangesFocus(!value);
}

void TRichEdit::SetWordWrap(bool value) {
  FWordWrap = value;
  if (Editor()) Editor()->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

// --- text and selection

std::string TRichEdit::Text() const { return FLines->Text(); }

void TRichEdit::SetText(const std::string& value) { ReplaceRange(0, GetTextLen(), value, false); }

int TRichEdit::GetTextLen() const { return FDocument->characterCount() - 1; }

int TRichEdit::SelStart() const { return ShownCursor().selectionStart(); }

void TRichEdit::SetSelStart(int value) { SetSelection(value, value); }

int TRichEdit::SelLength() const {
  const QTextCursor cursor = ShownCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TRichEdit::SetSelLength(int value) {
  const int start = SelStart();
  SetSelection(start, start + std::max(value, 0));
}

std::string TRichEdit::SelText() const {
  QString text = ShownCursor().selectedText();
  text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
  return cp1252::Encode(text);
}

void TRichEdit::SetSelText(const std::string& value) {
  const QTextCursor cursor = TextCursor();
  ReplaceRange(cursor.selectionStart(), cursor.selectionEnd(), value, true);
}

void TRichEdit::ReplaceRange(int start, int end, std::string_view text, bool canUndo) {
  const int length = GetTextLen();
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  TChangeScope program(FProgramChange);
  if (!canUndo) Document()->setUndoRedoEnabled(false);
  QTextCursor cursor = TextCursor();
  cursor.beginEditBlock();
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.insertText(EditText(text));
  cursor.endEditBlock();
  if (!canUndo) FDocument->setUndoRedoEnabled(true);
  SetTextCursor(cursor);
}

void TRichEdit::ReplaceRanges(const std::vector<int>& starts, int length, std::string_view text) {
  if (starts.empty()) return;
  TChangeScope program(FProgramChange);
  QTextCursor cursor = TextCursor();
  const QString replacement = EditText(text);
  cursor.beginEditBlock();
  // From the last, so that the places before stay where they were.
  for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
    cursor.setPosition(*start);
    cursor.setPosition(*start + length, QTextCursor::KeepAnchor);
    cursor.insertText(replacement);
  }
  cursor.endEditBlock();
  SetTextCursor(cursor);
}

QTextCharFormat TRichEdit::SelectionCharFormat() const {
  QTextCursor cursor = TextCursor();
  if (!cursor.hasSelection()) return cursor.charFormat();
  // The format of the selection's first character.
  cursor.setPosition(cursor.selectionStart() + 1);
  return cursor.charFormat();
}

void TRichEdit::MergeSelectionCharFormat(const QTextCharFormat& change) {
  TChangeScope formatting(FFormatChange);
  QTextCursor cursor = TextCursor();
  cursor.mergeCharFormat(change);
  if (Editor() && !cursor.hasSelection())
    Editor()->mergeCurrentCharFormat(change);
  else
    SetTextCursor(cursor);
}

void TRichEdit::MergeSelectionBlockFormat(const QTextBlockFormat& change) {
  TChangeScope formatting(FFormatChange);
  QTextCursor cursor = TextCursor();
  cursor.mergeBlockFormat(change);
}

bool TRichEdit::AllowChange(int start, int end) {
  const int length = GetTextLen();
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  // An insertion point is protected inside protected text, not at its edges.
  const int from = start == end ? std::max(start - 1, 0) : start;
  const int to = start == end ? std::min(end + 1, length) : end;
  int runs = 0, protectedRuns = 0;
  ForEachCharFormat(*Document(), from, to, [&](const QTextCharFormat& format) {
    ++runs;
    if (format.boolProperty(ProtectedFormatProperty)) ++protectedRuns;
    return true;
  });
  const bool isProtected = start == end ? (runs > 0 && protectedRuns == runs && to - from == 2) : protectedRuns > 0;
  if (!isProtected) return true;
  bool allow = false;
  OnProtectChange(this, start, end, allow);
  return allow;
}

void TRichEdit::ContentsChanged() {
  if (FFormatChange > 0) return;
  FModified = true;
  OnChange(this);
}

int TRichEdit::RoomForInput() const {
  if (FMaxLength == 0) return INT_MAX;
  return std::max(FMaxLength - (GetTextLen() - SelLength()), 0);
}

void TRichEdit::SelectionMoved() {
  const QTextCursor cursor = ShownCursor();
  if (cursor.anchor() == FLastAnchor && cursor.position() == FLastPosition) return;
  FLastAnchor = cursor.anchor();
  FLastPosition = cursor.position();
  OnSelectionChange(this);
}

void TRichEdit::LoadFromBytes(std::string_view data) {
  FBackgroundRead.reset();
  const bool rtf = !FPlainText && IsRtf(data);
  if (rtf && data.size() >= BackgroundReadBytes) {
    AttachDocument(ReadDocument(data, true, *FDocument, {QuickParagraphs}));
    // The call is dropped if the quick document has gone by then.
    QObject* shown = FDocument.get();
    FBackgroundRead = std::make_unique<TBackgroundDocument>(std::string(data), *FDocument, [this, shown] {
      QMetaObject::invokeMethod(shown, [this] { CompleteLoad(); }, Qt::QueuedConnection);
    });
  } else {
    AttachDocument(ReadDocument(data, rtf, *FDocument));
  }
  FModified = false;
  OnChange(this);
}

void TRichEdit::CompleteLoad() const {
  if (!FBackgroundRead) return;
  // Logically const: the text stays as it was, its formatting arrives.
  auto* self = const_cast<TRichEdit*>(this);
  std::unique_ptr<QTextDocument> document = self->FBackgroundRead->Take();
  self->FBackgroundRead.reset();
  if (document) self->ShowReadDocument(std::move(document));
}

void TRichEdit::ShowReadDocument(std::unique_ptr<QTextDocument> document) {
  const QTextCursor shown = ShownCursor();
  QTextEdit* editor = Editor();
  const int x = editor ? editor->horizontalScrollBar()->value() : 0;
  const int y = editor ? editor->verticalScrollBar()->value() : 0;
  AttachDocument(std::move(document), shown.anchor(), shown.position());
  if (editor) {
    editor->horizontalScrollBar()->setValue(x);
    editor->verticalScrollBar()->setValue(y);
  }
}

void TRichEdit::AttachDocument(std::unique_ptr<QTextDocument> document, int anchor, int position) {
  // Before the connection: a new layout announces the whole text as changed.
  document->setDocumentLayout(new TRichEditLayout(document.get()));
  QObject::connect(document.get(), &QTextDocument::contentsChange, [this] { ContentsChanged(); });
  FCursor = QTextCursor(document.get());
  FCursor.setPosition(anchor);
  FCursor.setPosition(position, QTextCursor::KeepAnchor);
  if (QTextEdit* editor = Editor()) {
    TChangeScope formatting(FFormatChange);
    // The selection is announced once, when it is in place.
    const QSignalBlocker quiet(editor);
    editor->setDocument(document.get());
    editor->setTextCursor(FCursor);
  }
  FDocument = std::move(document);
  SelectionMoved();
}

// --- commands

int FindTextIn(const QString& text, const QString& what, int startPos, int limit, TSearchTypes options) {
  // A match never spans a paragraph break.
  if (what.isEmpty() || what.contains(QChar('\n'))) return -1;
  const QStringMatcher matcher(what, options.Contains(stMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive);
  const auto isWordChar = [&text](qsizetype at) { return at >= 0 && at < text.size() && text.at(at).isLetterOrNumber(); };
  for (qsizetype at = matcher.indexIn(text, startPos); at >= 0; at = matcher.indexIn(text, at + 1)) {
    if (at + what.size() > limit) return -1;
    if (!options.Contains(stWholeWord) || (!isWordChar(at - 1) && !isWordChar(at + what.size())))
      return static_cast<int>(at);
  }
  return -1;
}

int TRichEdit::FindText(const std::string& searchStr, int startPos, int length, TSearchTypes options) const {
  if (searchStr.empty()) return -1;
  const int textLength = GetTextLen();
  if (startPos < 0 || startPos > textLength) return -1;
  const int limit = length < 0 ? textLength : std::min(textLength, startPos + length);
  return FindTextIn(SearchableText(), EditText(searchStr), startPos, limit, options);
}

const QString& TRichEdit::SearchableText() const {
  const QTextDocument* document = Document();
  if (FSearchTextOf.data() != document) {
    FSearchText = document->toPlainText();
    FSearchTextOf = document;
    QObject::connect(
        document, &QTextDocument::contentsChanged, document, [this] { FSearchTextOf.clear(); },
        Qt::SingleShotConnection);
  }
  return FSearchText;
}

void TRichEdit::Print(const std::string& caption) {
  const QString fileName = FPrintFileName.empty()
                               ? QDir(QDir::tempPath()).filePath(SafeFileName(caption) + QStringLiteral(".pdf"))
                               : QString::fromStdString(FPrintFileName);
  QPdfWriter writer(fileName);
  writer.setTitle(cp1252::Decode(caption));
  writer.setPageSize(QPageSize(QPageSize::Letter));
  Document()->print(&writer);
  FPrintedFile = fileName.toStdString();
}

void TRichEdit::Clear() { ReplaceRange(0, GetTextLen(), {}, false); }

void TRichEdit::SelectAll() { SetSelection(0, -1); }

void TRichEdit::ClearSelection() {
  QTextCursor cursor = TextCursor();
  if (!cursor.hasSelection()) return;
  ReplaceRange(cursor.selectionStart(), cursor.selectionEnd(), {}, true);
}

void TRichEdit::CopyToClipboard() {
  CompleteLoad();
  HandleNeeded();
  Editor()->copy();
}

void TRichEdit::CutToClipboard() {
  CompleteLoad();
  HandleNeeded();
  Editor()->cut();
}

void TRichEdit::PasteFromClipboard() {
  CompleteLoad();
  HandleNeeded();
  Editor()->paste();
}

void TRichEdit::Undo() {
  CompleteLoad();
  if (Editor())
    Editor()->undo();
  else
    FDocument->undo(&FCursor);
}

bool TRichEdit::CanUndo() const { return Document()->isUndoAvailable(); }

}  // namespace kcl

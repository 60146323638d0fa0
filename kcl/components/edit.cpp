#include "kcl/components/edit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/desktop/cp1252.h"
#include "kcl/rtl/scopeguard.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

QString ToQt(const std::string& text) { return AnsiToQString(text); }
std::string FromQt(const QString& text) { return cp1252::Encode(text); }

}  // namespace

KCL_CLASS_INFO(TCustomEdit) {}

KCL_CLASS_INFO(TEdit) {
  cls.property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(true);
  cls.property("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize).Default(true);
  cls.property("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("CharCase", &TEdit::CharCase, &TEdit::SetCharCase).Default(ecNormal);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection).Default(true);
  cls.publish({"ImeMode", "ImeName"});
  cls.property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0);
  cls.property("OEMConvert", &TEdit::OEMConvert, &TEdit::SetOEMConvert).Default(false);
  cls.property("ParentColor", &TEdit::ParentColor, &TEdit::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar).Default('\0');
  cls.publish({"PopupMenu"});
  cls.property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).Default(true);
  cls.publish({"Text", "Visible"});
  cls.event("OnChange", &TEdit::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

QLineEdit* TCustomEdit::LineEdit() const { return qobject_cast<QLineEdit*>(Widget()); }

QWidget* TCustomEdit::CreateWidget(QWidget* parentWidget) {
  auto* edit = new QLineEdit(parentWidget);
  UseWindowsStyle(edit);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit](const QString&) {
    if (!IsDesigning() && !UpdatingWidget()) UserChangedText(TextOfWidget(*edit));
  });
  return edit;
}

void TCustomEdit::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidgetOptions();
  UpdateWidgetText();
}

void TCustomEdit::UpdateWidgetOptions() {
  QLineEdit* edit = LineEdit();
  if (!edit) return;
  WidgetUpdate update(*this);
  const QSignalBlocker blocker(edit);
  edit->setFrame(FBorderStyle == bsSingle);
  edit->setReadOnly(FReadOnly);
  edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 0x7FFFFFFF);
  edit->setEchoMode(FPasswordChar ? QLineEdit::Password : QLineEdit::Normal);
}

void TCustomEdit::UpdateWidgetText() {
  QLineEdit* edit = LineEdit();
  if (!edit) return;
  // The box keeps its caret while it already shows the text.
  if (TextOfWidget(*edit) == Text()) return;
  WidgetUpdate update(*this);
  const QSignalBlocker blocker(edit);
  edit->setText(ToQt(Text()));
}

std::string TCustomEdit::ApplyCharCase(const std::string& text) const {
  switch (FCharCase) {
    case ecUpperCase: return FromQt(ToQt(text).toUpper());
    case ecLowerCase: return FromQt(ToQt(text).toLower());
    default: return text;
  }
}

std::string TCustomEdit::TextOfWidget(const QLineEdit& edit) const { return FromQt(edit.text()); }

void TCustomEdit::UserChangedText(const std::string& text) {
  {
    FFromUser = true;
    OnScopeExit done([this] { FFromUser = false; });
    SetText(ApplyCharCase(text));
  }
  UpdateWidgetText();  // when the property refused part of what was typed
}

void TCustomEdit::TextChanged() {
  const std::string cased = ApplyCharCase(Text());
  if (cased != Text()) return SetText(cased);  // comes back here with the cased text
  if (FFromUser) FModified = true;
  UpdateWidgetText();
  if (!IsLoading()) Change();
}

void TCustomEdit::SetAutoSize(bool v) { FAutoSize = v; }

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  UpdateWidgetOptions();
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
  FCharCase = v;
  SetText(ApplyCharCase(Text()));
}

void TCustomEdit::SetMaxLength(int v) {
  FMaxLength = std::max(v, 0);
  UpdateWidgetOptions();
}

void TCustomEdit::SetPasswordChar(char v) {
  FPasswordChar = v;
  UpdateWidgetOptions();
}

void TCustomEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  UpdateWidgetOptions();
}

int TCustomEdit::SelStart() const {
  if (QLineEdit* edit = LineEdit()) return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return FSelStart;
}

int TCustomEdit::SelLength() const {
  if (QLineEdit* edit = LineEdit()) return static_cast<int>(edit->selectedText().size());
  return FSelLength;
}

void TCustomEdit::SetSelStart(int v) {
  FSelStart = std::clamp(v, 0, static_cast<int>(Text().size()));
  FSelLength = 0;
  if (QLineEdit* edit = LineEdit()) edit->setCursorPosition(FSelStart);
}

void TCustomEdit::SetSelLength(int v) {
  const int start = SelStart();
  FSelLength = std::clamp(v, 0, static_cast<int>(Text().size()) - start);
  if (QLineEdit* edit = LineEdit()) edit->setSelection(start, FSelLength);
}

std::string TCustomEdit::SelText() const {
  const std::string text = Text();
  const auto start = static_cast<size_t>(std::clamp(SelStart(), 0, static_cast<int>(text.size())));
  return text.substr(start, static_cast<size_t>(std::max(SelLength(), 0)));
}

void TCustomEdit::SetSelText(const std::string& v) {
  std::string text = Text();
  const auto start = static_cast<size_t>(std::clamp(SelStart(), 0, static_cast<int>(text.size())));
  const auto length = std::min(static_cast<size_t>(std::max(SelLength(), 0)), text.size() - start);
  text.replace(start, length, v);
  SetText(text);
  SetSelStart(static_cast<int>(start + v.size()));
}

void TCustomEdit::SelectAll() {
  SetSelStart(0);
  SetSelLength(static_cast<int>(Text().size()));
}

// --- memo

KCL_CLASS_INFO(TCustomMemo) {}

KCL_CLASS_INFO(TMemo) {
  cls.publish({"Align"});
  cls.property("Alignment", &TMemo::Alignment, &TMemo::SetAlignment).Default(taLeftJustify);
  cls.property("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection).Default(true);
  cls.publish({"ImeMode", "ImeName"});
  cls.property("Lines", &TMemo::Lines, &TMemo::SetLines);
  cls.property("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength).Default(0);
  cls.property("OEMConvert", &TMemo::OEMConvert, &TMemo::SetOEMConvert).Default(false);
  cls.property("ParentColor", &TMemo::ParentColor, &TMemo::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(false);
  cls.property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.property("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
  cls.property("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
  cls.property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
  cls.event("OnChange", &TMemo::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), FLines(std::make_unique<TBoundStrings>([this] { LinesChanged(); })) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() { FLines->SetChangedHandler(nullptr); }

QPlainTextEdit* TCustomMemo::TextEdit() const { return qobject_cast<QPlainTextEdit*>(Widget()); }

QWidget* TCustomMemo::CreateWidget(QWidget* parentWidget) {
  auto* edit = new QPlainTextEdit(parentWidget);
  UseWindowsStyle(edit);
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit] {
    if (IsDesigning() || UpdatingWidget()) return;
    std::string text = FromQt(edit->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
    if (MaxLength() > 0 && static_cast<int>(text.size()) > MaxLength()) text.resize(static_cast<size_t>(MaxLength()));
    UserChangedText(text);
  });
  return edit;
}

void TCustomMemo::UpdateWidgetOptions() {
  QPlainTextEdit* edit = TextEdit();
  if (!edit) return;
  WidgetUpdate update(*this);
  edit->setFrameShape(BorderStyle() == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
  edit->setReadOnly(ReadOnly());
  edit->setTabChangesFocus(!FWantTabs);
  edit->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
  edit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  edit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(FAlignment == taRightJustify ? Qt::AlignRight
                      : FAlignment == taCenter    ? Qt::AlignHCenter
                                                  : Qt::AlignLeft);
  edit->document()->setDefaultTextOption(option);
}

void TCustomMemo::UpdateWidgetText() {
  QPlainTextEdit* edit = TextEdit();
  if (!edit) return;
  const QString text = ToQt(Text()).replace("\r\n", "\n").replace('\r', '\n');
  if (edit->toPlainText() == text) return;
  WidgetUpdate update(*this);
  const QSignalBlocker blocker(edit);
  edit->setPlainText(text);
}

void TCustomMemo::TextChanged() {
  if (!FSyncingLines) {
    FSyncingLines = true;
    FLines->SetText(Text());
    FSyncingLines = false;
  }
  TCustomEdit::TextChanged();
}

void TCustomMemo::LinesChanged() {
  if (FSyncingLines) return;
  std::string text = FLines->Text();
  if (text.ends_with("\r\n")) text.resize(text.size() - 2);
  FSyncingLines = true;
  OnScopeExit done([this] { FSyncingLines = false; });
  SetText(text);
}

TPoint TCustomMemo::CaretPos() const {
  if (QPlainTextEdit* edit = TextEdit()) {
    const QTextCursor cursor = edit->textCursor();
    return {cursor.positionInBlock(), cursor.blockNumber()};
  }
  const std::string text = Text().substr(0, static_cast<size_t>(std::max(SelStart(), 0)));
  const size_t lineStart = text.rfind('\n');
  const auto line = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return {static_cast<int>(lineStart == std::string::npos ? text.size() : text.size() - lineStart - 1), line};
}

void TCustomMemo::SetAlignment(TAlignment v) {
  FAlignment = v;
  UpdateWidgetOptions();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
  FScrollBars = v;
  UpdateWidgetOptions();
}

void TCustomMemo::SetWantTabs(bool v) {
  FWantTabs = v;
  UpdateWidgetOptions();
}

void TCustomMemo::SetWordWrap(bool v) {
  FWordWrap = v;
  UpdateWidgetOptions();
}

void TCustomMemo::WndProc(TMessage& message) {
  TCustomEdit::WndProc(message);
  // Without WantReturns, Enter belongs to the form (its default button), not the text.
  if (!message.Handled && !FWantReturns && message.Msg == WM_KEYDOWN && CharCode(message) == VK_RETURN)
    message.Handled = true;
}

}  // namespace kcl

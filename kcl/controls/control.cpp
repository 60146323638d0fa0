#include "kcl/controls/control.h"

#include <QApplication>
#include <QWidget>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/controls/form.h"
#include "kcl/controls/qtconvert.h"
#include "kcl/controls/widgetbridge.h"
#include "kcl/controls/wincontrol.h"
#include "kcl/controls/designer.h"
#include "kcl/graphics/font.h"

namespace kcl {

namespace {

TShiftState ShiftStateFromKeys(uint32_t keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  return s;
}

TMouseButton ButtonOfMessage(uint32_t msg) {
  if (msg >= WM_RBUTTONDOWN && msg <= WM_RBUTTONDBLCLK) return mbRight;
  if (msg >= WM_MBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) return mbMiddle;
  return mbLeft;
}

}  // namespace

KCL_CLASS_INFO(TControl) {
  cls.property("Left", &TControl::Left, &TControl::SetLeft);
  cls.property("Top", &TControl::Top, &TControl::SetTop);
  cls.property("Width", &TControl::Width, &TControl::SetWidth);
  cls.property("Height", &TControl::Height, &TControl::SetHeight);
  cls.property("Cursor", &TControl::Cursor, &TControl::SetCursor, TCursorType()).Default(crDefault);
  cls.property("Hint", &TControl::Hint, &TControl::SetHint);

  // What every control has and each class publishes by name, in its own order.
  using T = TControl;
  auto declared = cls.unpublished();
  declared.property("Align", &T::Align, &T::SetAlign).Default(alNone);
  declared.property("Caption", &T::Caption, &T::SetCaption, TCaptionType());
  declared.property("Text", &T::Text, &T::SetText, TCaptionType());
  declared.property("Color", &T::Color, &T::SetColor, TColorType())
      .Default(clWindow)
      .Stored([](const TObject* o) { return !static_cast<const T*>(o)->ParentColor(); });
  declared.property("DragCursor", &T::DragCursor, &T::SetDragCursor, TCursorType()).Default(crDrag);
  declared.property("DragMode", &T::DragMode, &T::SetDragMode).Default(dmManual);
  declared.property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
  declared.property("Font", &T::Font, &T::SetFont).Stored([](const TObject* o) {
    return !static_cast<const T*>(o)->ParentFont();
  });
  declared.property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
  declared.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(true);
  declared.property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(true);
  declared.property("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint).Default(true);
  declared.property("ShowHint", &T::ShowHint, &T::SetShowHint).Stored([](const TObject* o) {
    return !static_cast<const T*>(o)->ParentShowHint();
  });
  declared.property("Visible", &T::Visible, &T::SetVisible).Default(true);
  declared.event("OnClick", &T::OnClick, TNotifyEventType());
  declared.event("OnDblClick", &T::OnDblClick, TNotifyEventType());
  declared.event("OnDragDrop", &T::OnDragDrop, TDragDropEventType());
  declared.event("OnDragOver", &T::OnDragOver, TDragOverEventType());
  declared.event("OnEndDrag", &T::OnEndDrag, TEndDragEventType());
  declared.event("OnStartDrag", &T::OnStartDrag, TStartDragEventType());
  declared.event("OnMouseDown", &T::OnMouseDown, TMouseEventType());
  declared.event("OnMouseMove", &T::OnMouseMove, TMouseMoveEventType());
  declared.event("OnMouseUp", &T::OnMouseUp, TMouseEventType());
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
  FFont->OnChange.SetHandler([this](TObject*) { FontOwnChanged(); });
}

TControl::~TControl() { DestroyWidget(); }

void TControl::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  const auto* ancestor = dynamic_cast<const TControl*>(filer.Ancestor());
  filer.DefineProperty(
      "IsControl", [this](TReader& r) { FIsControl = r.ReadBoolean(); },
      [this](TWriter& w) { w.WriteBoolean(FIsControl); },
      ancestor ? ancestor->FIsControl != FIsControl : FIsControl);
}

void TControl::BeforeDestruction() {
  // The peer goes first: taking it off its parent's widget would make it a
  // window of its own for nothing.
  DestroyWidget();
  SetParent(nullptr);
  TComponent::BeforeDestruction();
}

// --- parent

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetName(const std::string& newName) {
  const auto* owner = dynamic_cast<const TControl*>(Owner());
  const bool changeText = FControlStyle.Contains(csSetCaption) && !IsLoading() && Name() == Text() &&
                          !(owner && owner->IsLoading());
  TComponent::SetName(newName);
  if (changeText) SetText(newName);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* wc = dynamic_cast<TWinControl*>(parent)) SetParent(wc);
}

void TControl::SetParent(TWinControl* parent) {
  if (FParent == parent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TCustomForm* TControl::GetParentForm() const {
  const TControl* c = this;
  while (c->FParent) c = c->FParent;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// --- geometry

void TControl::SetBounds(int left, int top, int width, int height) {
  if (FControlStyle.Contains(csFixedWidth) && FWidth > 0) width = FWidth;
  if (FControlStyle.Contains(csFixedHeight) && FHeight > 0) height = FHeight;
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left, FTop = top, FWidth = std::max(width, 0), FHeight = std::max(height, 0);
  UpdateWidgetGeometry();
  if (FParent && FAlign != alNone && !IsLoading()) FParent->Realign();
}

void TControl::SetClientSize(int width, int height) {
  const TRect client = ClientRect();
  SetBounds(FLeft, FTop, FWidth + width - client.Width(), FHeight + height - client.Height());
}

TPoint TControl::ClientOrigin() const {
  if (FWidget) {
    const QPoint p = FWidget->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y()};
  }
  if (!FParent) return {FLeft, FTop};
  const TPoint parentOrigin = FParent->ClientOrigin();
  return {parentOrigin.X + FLeft, parentOrigin.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

// --- state

void TControl::SetVisible(bool v) {
  if (FVisible == v) return;
  FVisible = v;
  UpdateWidgetVisibility();
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  EnabledChanged();
}

void TControl::EnabledChanged() {
  if (FWidget) FWidget->setEnabled(FEnabled);
}

void TControl::SetAlign(TAlign v) {
  if (FAlign == v) return;
  FAlign = v;
  if (FParent && !IsLoading()) FParent->Realign();
}

void TControl::SetText(const std::string& v) {
  if (FText == v) return;
  FText = v;
  TextChanged();
}

void TControl::SetColor(TColor v) {
  if (FColor == v && !FParentColor) return;
  FColor = v;
  FParentColor = false;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  if (FParentColor == v) return;
  FParentColor = v;
  if (v) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent) return;
  FColor = FParent->Color();
  ColorChanged();
}

void TControl::ColorChanged() {
  if (FWidget) ApplyColor(FWidget, FColor);
  if (auto* wc = dynamic_cast<TWinControl*>(this))
    for (TControl* c : wc->Controls()) c->ParentColorChanged();
}

void TControl::SetFont(TFont* v) { FFont->Assign(v); }

void TControl::FontOwnChanged() {
  if (!FSettingParentFont) FParentFont = false;
  FontChanged();
}

void TControl::SetParentFont(bool v) {
  if (FParentFont == v) return;
  FParentFont = v;
  if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FSettingParentFont = true;
  FFont->Assign(FParent->Font());
  FSettingParentFont = false;
}

void TControl::FontChanged() {
  if (FWidget) ApplyFont(FWidget, *FFont);
  if (auto* wc = dynamic_cast<TWinControl*>(this))
    for (TControl* c : wc->Controls()) c->ParentFontChanged();
}

void TControl::SetCursor(TCursor v) {
  FCursor = v;
  if (FWidget) ApplyCursor(FWidget, v);
}

void TControl::SetShowHint(bool v) {
  FShowHint = v;
  FParentShowHint = false;
}

void TControl::SetParentShowHint(bool v) {
  FParentShowHint = v;
  if (v && FParent) FShowHint = FParent->ShowHint();
}

// --- drawing and stacking

void TControl::Invalidate() {
  if (FWidget) FWidget->update();
}

void TControl::Repaint() {
  if (FWidget) FWidget->repaint();
}

void TControl::Update() {
  if (FWidget) FWidget->repaint();
}

void TControl::BringToFront() {
  if (FParent) FParent->SetZOrder(this, true);
}

void TControl::SendToBack() {
  if (FParent) FParent->SetZOrder(this, false);
}

// --- the widget peer

void TControl::HandleNeeded() {
  if (FWidget) return;
  QWidget* parentWidget = nullptr;
  if (FParent) {
    FParent->HandleNeeded();
    parentWidget = FParent->ClientWidget();
  }
  FWidget = CreateWidget(parentWidget);
  FBridge = std::make_unique<TWidgetBridge>(this, FWidget);
  InitWidget();
}

QWidget* TControl::CreateWidget(QWidget* parentWidget) { return new QWidget(parentWidget); }

void TControl::InitWidget() {
  UpdateWidgetGeometry();
  FWidget->setEnabled(FEnabled);
  ApplyFontAndColor(FWidget, *FFont, FColor);
  ApplyCursor(FWidget, FCursor);
  TextChanged();
  UpdateWidgetVisibility();
}

void TControl::DestroyWidget() {
  FBridge.reset();
  QWidget* widget = FWidget;
  FWidget = nullptr;
  delete widget;
}

void TControl::UpdateWidgetGeometry() {
  if (FWidget) FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  FPopupMenuLink.Notification(component, operation);
}

void TControl::SetDesigning(bool value) {
  TComponent::SetDesigning(value);
  UpdateWidgetVisibility();
}

void TControl::UpdateWidgetVisibility() {
  // A control in design state is shown even when it is not Visible.
  if (FWidget) FWidget->setVisible(FVisible || IsDesigning());
}

// --- messages

bool TControl::WantsDesignMessages() const { return IsDesigning() && GetParentForm(); }

void TControl::WndProc(TMessage& message) {
  if (WantsDesignMessages()) {
    TCustomForm* form = GetParentForm();
    if (form != this && form->Designer() && form->Designer()->IsDesignMsg(this, message)) {
      message.Handled = true;
      return;
    }
  }
  const bool stdEvents = !FControlStyle.Contains(csNoStdEvents);
  const TShiftState shift = ShiftStateFromKeys(static_cast<uint32_t>(message.WParam));
  const int x = MouseX(message), y = MouseY(message);
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (stdEvents) MouseDown(ButtonOfMessage(message.Msg), shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (stdEvents) {
        if (message.Msg == WM_LBUTTONDBLCLK && FControlStyle.Contains(csDoubleClicks)) DblClick();
        MouseDown(ButtonOfMessage(message.Msg), shift + TShiftState{ssDouble}, x, y);
      }
      break;
    case WM_MOUSEMOVE:
      if (stdEvents) MouseMove(shift, x, y);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (stdEvents) {
        if (message.Msg == WM_LBUTTONUP && FControlStyle.Contains(csClickEvents) && ClientRect().Contains({x, y}))
          Click();
        MouseUp(ButtonOfMessage(message.Msg), shift, x, y);
      }
      if (message.Msg == WM_RBUTTONUP && FPopupMenuLink.ContextPopup(this, x, y)) message.Handled = true;
      break;
    default:
      break;
  }
}

void TControl::DefaultHandler(TMessage& message) {
  if (FBridge) FBridge->ForwardToWidget(message);
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  TMessage message{msg, wParam, lParam, 0, false};
  WndProc(message);
  if (!message.Handled) DefaultHandler(message);
  return message.Result;
}

void TControl::PostMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
  HandleNeeded();
  FBridge->Post(TMessage{msg, wParam, lParam, 0, false});
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }

}  // namespace kcl

#include "kcl/components/scrollbox.h"

#include <QFrame>

#include "kcl/classes/classbuilder.h"

namespace kcl {

KCL_CLASS_INFO(TScrollBox) {
  using T = TScrollBox;
  cls.publish({"Align"});
  cls.property("AutoScroll", &T::AutoScroll, &T::SetAutoScroll).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  // The colour is written whenever it is the box's own, even clWindow.
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).NoDefault().Info().Stored = [](const TObject* o) {
    return !static_cast<const T*>(o)->ParentColor();
  };
  cls.publish({"Ctl3D", "Font", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint", "TabOrder", "TabStop", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 185, 41);
}

int TScrollBox::BorderWidth() const { return FBorderStyle == bsSingle ? (Ctl3D() ? 2 : 1) : 0; }

void TScrollBox::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsSingle ? bsSingle : bsNone;
  UpdateFrame();
  UpdateScrollBars();
  Realign();
}

void TScrollBox::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  TScrollingWinControl::SetBounds(left, top, width, height);
  if (resized && !IsLoading()) OnResize(this);
}

void TScrollBox::InitWidget() {
  TScrollingWinControl::InitWidget();
  UpdateFrame();
}

void TScrollBox::UpdateFrame() {
  auto* frame = qobject_cast<QFrame*>(Widget());
  if (!frame) return;
  if (FBorderStyle == bsNone) frame->setFrameStyle(QFrame::NoFrame);
  else frame->setFrameStyle(Ctl3D() ? QFrame::StyledPanel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
  frame->setLineWidth(1);
}

}  // namespace kcl

#include "kcl/dbctrls/dbimage.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/dbctrls/dbdraw.h"

namespace kcl {

KCL_CLASS_INFO(TDBImage) {
  using T = TDBImage;
  cls.publish({"Align"});
  cls.property("AutoDisplay", &T::AutoDisplay, &T::SetAutoDisplay).Default(true);
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("Center", &T::Center, &T::SetCenter).Default(true);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.property("QuickDraw", &T::QuickDraw, &T::SetQuickDraw).Default(true);
  cls.publish({"ShowHint"});
  cls.property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
                "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBImage::TDBImage(TComponent* owner) : TCustomControl(owner), TDataAware(this) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque, csReplicatable};
  SetBounds(Left(), Top(), 105, 105);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TDBImage::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  Invalidate();
}

void TDBImage::SetCenter(bool v) {
  FCenter = v;
  Invalidate();
}

void TDBImage::SetStretch(bool v) {
  FStretch = v;
  Invalidate();
}

void TDBImage::ChangeName(const std::string& newName) {
  TCustomControl::ChangeName(newName);
  Invalidate();
}

void TDBImage::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = ClientRect();
  if (FBorderStyle == bsSingle) rect = DrawControlBorder(canvas, rect, Ctl3D());
  DrawCenteredText(canvas, rect, Color(), *Font(), IsDesigning() ? "(" + Name() + ")" : std::string());
}

}  // namespace kcl

#include "kcl/components/olecontainer.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/filer.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
const TTypeInfo* TObjectMoveEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TObjectMoveEvent", mkProcedure, {{0, "OleContainer", "TOleContainer"}, {pfConst, "Bounds", "TRect"}});
  return t;
}
}  // namespace

KCL_CLASS_INFO(TOleContainer) {
  using T = TOleContainer;
  cls.property("AllowInPlace", &T::AllowInPlace, &T::SetAllowInPlace).Default(true);
  cls.property("AutoActivate", &T::AutoActivate, &T::SetAutoActivate).Default(aaDoubleClick);
  cls.property("AutoVerbMenu", &T::AutoVerbMenu, &T::SetAutoVerbMenu).Default(true);
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Caption", "Color"});
  cls.property("CopyOnSave", &T::CopyOnSave, &T::SetCopyOnSave).Default(true);
  cls.publish({"Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("Iconic", &T::Iconic, &T::SetIconic).Default(false).Stored(false);
  cls.property("OldStreamFormat", &T::OldStreamFormat, &T::SetOldStreamFormat).Default(false);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("SizeMode", &T::SizeMode, &T::SetSizeMode).Default(smClip);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnActivate", &T::OnActivate, TNotifyEventType());
  cls.publish({"OnClick"});
  cls.event("OnDeactivate", &T::OnDeactivate, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnObjectMove", &T::OnObjectMove, TObjectMoveEventType());
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

TOleContainer::TOleContainer(TComponent* owner) : TCustomControl(owner) {
  SetBounds(Left(), Top(), 121, 121);
  SetTabStop(true);
}

void TOleContainer::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  Invalidate();
}

void TOleContainer::SetData(std::string data) {
  FData = std::move(data);
  Invalidate();
}

void TOleContainer::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { SetData(s.ReadRest()); },
      [this](TStream& s) { s.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size())); }, !FData.empty());
}

void TOleContainer::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect r = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(r);
  if (FBorderStyle == bsNone) return;
  if (!Ctl3D()) {
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(r);
    return;
  }
  DrawBevelFrame(canvas, r, clBtnShadow, clBtnHighlight);
  DrawBevelFrame(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), cl3DDkShadow, cl3DLight);
}

}  // namespace kcl

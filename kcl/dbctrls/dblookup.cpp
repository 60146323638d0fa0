#include "kcl/dbctrls/dblookup.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/dbctrls/dbdraw.h"

namespace kcl {

namespace {

constexpr int RowHeight = 13;
constexpr int ScrollButtonWidth = 16;  // a vertical scroll bar's arrow

template <class T>
void PublishLookupFields(TClassBuilder<T>& cls) {
  cls.property("KeyField", &T::KeyField, &T::SetKeyField);
  cls.property("ListField", &T::ListField, &T::SetListField);
  cls.property("ListFieldIndex", &T::ListFieldIndex, &T::SetListFieldIndex).Default(0);
  cls.property("ListSource", &T::ListSource, &T::SetListSource);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
}

}  // namespace

KCL_CLASS_INFO(TDBLookupControl) {}

TDBLookupControl::TDBLookupControl(TComponent* owner) : TCustomControl(owner), TDataAware(this) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque, csReplicatable};
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TDBLookupControl::SetDataSource(TDataSource* v) {
  if (v && v == FListSource) throw EDatabaseError("Circular datalinks are not allowed");
  TDataAware::SetDataSource(v);
}

void TDBLookupControl::SetListSource(TDataSource* v) {
  if (v && v == DataSource()) throw EDatabaseError("Circular datalinks are not allowed");
  FListSource = v;
  if (v) v->FreeNotification(this);
}

void TDBLookupControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  DataNotification(component, operation);
  if (operation == opRemove && component == FListSource) FListSource = nullptr;
}

// --- TDBLookupListBox

KCL_CLASS_INFO(TDBLookupListBox) {
  using T = TDBLookupListBox;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  PublishLookupFields(cls);
  cls.property("RowCount", &T::RowCount, &T::SetRowCount).Stored(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
                "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBLookupListBox::TDBLookupListBox(TComponent* owner) : TDBLookupControl(owner) {
  SetBounds(Left(), Top(), 121, 0);
  SetRowCount(7);
}

int TDBLookupListBox::BorderSize() const { return FBorderStyle == bsNone ? 0 : Ctl3D() ? 4 : 2; }

int TDBLookupListBox::RowCount() const { return std::max((Height() - BorderSize()) / RowHeight, 1); }

void TDBLookupListBox::SetRowCount(int v) {
  SetBounds(Left(), Top(), Width(), std::clamp(v, 1, 100) * RowHeight + BorderSize());
}

void TDBLookupListBox::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v;
  Invalidate();
}

void TDBLookupListBox::Paint() {
  TRect rect = ClientRect();
  if (FBorderStyle == bsSingle) rect = DrawControlBorder(*Canvas(), rect, Ctl3D());
  DrawCenteredText(*Canvas(), rect, Color(), *Font(), {});
}

// --- TDBLookupComboBox

KCL_CLASS_INFO(TDBLookupComboBox) {
  using T = TDBLookupComboBox;
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode"});
  cls.property("DropDownAlign", &T::DropDownAlign, &T::SetDropDownAlign).Default(daLeft);
  cls.property("DropDownRows", &T::DropDownRows, &T::SetDropDownRows).Default(7);
  cls.property("DropDownWidth", &T::DropDownWidth, &T::SetDropDownWidth).Default(0);
  cls.publish({"Enabled", "Font", "ImeMode", "ImeName"});
  PublishLookupFields(cls);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick"});
  cls.event("OnCloseUp", &T::OnCloseUp, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver"});
  cls.event("OnDropDown", &T::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBLookupComboBox::TDBLookupComboBox(TComponent* owner) : TDBLookupControl(owner) {
  SetBounds(Left(), Top(), 145, 21);
}

void TDBLookupComboBox::Paint() {
  TCanvas& canvas = *Canvas();
  TRect rect = DrawControlBorder(canvas, ClientRect(), Ctl3D());
  DrawCenteredText(canvas, rect, Color(), *Font(), {});
  const TRect button = Rect(std::max(rect.Right - ScrollButtonWidth, rect.Left), rect.Top, rect.Right, rect.Bottom);
  DrawDropDownButton(canvas, button, Enabled());
}

}  // namespace kcl

#include "kcl/dbctrls/dbctrls.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

// --- TDBText

KCL_CLASS_INFO(TDBText) {
  cls.publish({"Align"});
  cls.property("Alignment", &TDBText::Alignment, &TDBText::SetAlignment).Default(taLeftJustify);
  cls.property("AutoSize", &TDBText::AutoSize, &TDBText::SetAutoSize).Default(false);
  cls.publish({"Color"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentFont", "ParentShowHint",
                "PopupMenu"});
  cls.property("Transparent", &TDBText::Transparent, &TDBText::SetTransparent).Default(false);
  cls.publish({"ShowHint", "Visible"});
  cls.property("WordWrap", &TDBText::WordWrap, &TDBText::SetWordWrap).Default(false);
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnStartDrag"});
}

TDBText::TDBText(TComponent* owner) : TCustomLabel(owner), TDataAware(this) {
  FControlStyle.Exclude(csSetCaption);
  SetAutoSize(false);
  SetShowAccelChar(false);
  SetBounds(Left(), Top(), 65, 17);
}

// Without data the label shows its name while it is designed.
std::string TDBText::GetLabelText() const { return IsDesigning() ? Name() : std::string(); }

void TDBText::ChangeName(const std::string& newName) {
  TCustomLabel::ChangeName(newName);
  Invalidate();
}

// --- TDBEdit

KCL_CLASS_INFO(TDBEdit) {
  cls.property("AutoSelect", &TDBEdit::AutoSelect, &TDBEdit::SetAutoSelect).Default(true);
  cls.property("AutoSize", &TDBEdit::AutoSize, &TDBEdit::SetAutoSize).Default(true);
  cls.property("BorderStyle", &TDBEdit::BorderStyle, &TDBEdit::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("CharCase", &TDBEdit::CharCase, &TDBEdit::SetCharCase).Default(ecNormal);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  // Delphi's data-aware edit writes its maximum length even when it is 0.
  cls.property("MaxLength", &TDBEdit::MaxLength, &TDBEdit::SetMaxLength);
  cls.property("ParentColor", &TDBEdit::ParentColor, &TDBEdit::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PasswordChar", &TDBEdit::PasswordChar, &TDBEdit::SetPasswordChar).Default('\0');
  cls.publish({"PopupMenu"});
  cls.property("ReadOnly", &TDBEdit::ReadOnly, &TDBEdit::SetReadOnly).Default(false);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &TDBEdit::TabStop, &TDBEdit::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &TDBEdit::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner), TDataAware(this) { FControlStyle.Exclude(csSetCaption); }

// --- TDBMemo

KCL_CLASS_INFO(TDBMemo) {
  cls.publish({"Align"});
  cls.property("Alignment", &TDBMemo::Alignment, &TDBMemo::SetAlignment).Default(taLeftJustify);
  cls.property("AutoDisplay", &TDBMemo::AutoDisplay, &TDBMemo::SetAutoDisplay).Default(true);
  cls.property("BorderStyle", &TDBMemo::BorderStyle, &TDBMemo::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("MaxLength", &TDBMemo::MaxLength, &TDBMemo::SetMaxLength).Default(0);
  cls.property("ParentColor", &TDBMemo::ParentColor, &TDBMemo::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &TDBMemo::ReadOnly, &TDBMemo::SetReadOnly).Default(false);
  cls.property("ScrollBars", &TDBMemo::ScrollBars, &TDBMemo::SetScrollBars).Default(ssNone);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &TDBMemo::TabStop, &TDBMemo::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.property("WantReturns", &TDBMemo::WantReturns, &TDBMemo::SetWantReturns).Default(true);
  cls.property("WantTabs", &TDBMemo::WantTabs, &TDBMemo::SetWantTabs).Default(false);
  cls.property("WordWrap", &TDBMemo::WordWrap, &TDBMemo::SetWordWrap).Default(true);
  cls.event("OnChange", &TDBMemo::OnChange, TNotifyEventType());
  cls.publish(WinControlEvents);
}

TDBMemo::TDBMemo(TComponent* owner) : TCustomMemo(owner), TDataAware(this) { FControlStyle.Exclude(csSetCaption); }

// --- TDBCheckBox

KCL_CLASS_INFO(TDBCheckBox) {
  using T = TDBCheckBox;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment, TLeftRightType()).Default(taRightJustify);
  cls.property("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed).Default(false);
  cls.publish({"Caption", "Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentCtl3D", "ParentFont",
                "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("ValueChecked", &T::ValueChecked, &T::SetValueChecked).Stored(&T::IsValueCheckedStored);
  cls.property("ValueUnchecked", &T::ValueUnchecked, &T::SetValueUnchecked).Stored(&T::IsValueUncheckedStored);
  cls.publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBCheckBox::TDBCheckBox(TComponent* owner) : TCustomCheckBox(owner), TDataAware(this) {}

// --- TDBRadioGroup

KCL_CLASS_INFO(TDBRadioGroup) {
  cls.publish({"Align", "Caption", "Color"});
  cls.property("Columns", &TDBRadioGroup::Columns, &TDBRadioGroup::SetColumns).Default(1);
  cls.publish({"Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("Items", &TDBRadioGroup::Items, &TDBRadioGroup::SetItems);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.publish({"ShowHint", "TabOrder", "TabStop"});
  cls.property("Values", &TDBRadioGroup::Values, &TDBRadioGroup::SetValues);
  cls.publish({"Visible"});
  cls.event("OnChange", &TDBRadioGroup::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnStartDrag"});
}

TDBRadioGroup::TDBRadioGroup(TComponent* owner) : TCustomRadioGroup(owner), TDataAware(this) {}

// --- TDBListBox

KCL_CLASS_INFO(TDBListBox) {
  cls.publish({"Align"});
  cls.property("BorderStyle", &TDBListBox::BorderStyle, &TDBListBox::SetBorderStyle, TBorderStyleType())
      .Default(bsSingle);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("IntegralHeight", &TDBListBox::IntegralHeight, &TDBListBox::SetIntegralHeight).Default(false);
  cls.property("ItemHeight", &TDBListBox::ItemHeight, &TDBListBox::SetItemHeight);
  cls.property("Items", &TDBListBox::Items, &TDBListBox::SetItems);
  cls.property("ParentColor", &TDBListBox::ParentColor, &TDBListBox::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.publish({"ShowHint"});
  cls.property("Style", &TDBListBox::Style, &TDBListBox::SetStyle).Default(lbStandard);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &TDBListBox::TabStop, &TDBListBox::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TDBListBox::OnDrawItem, TDrawItemEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TDBListBox::OnMeasureItem, TMeasureItemEventType());
  cls.publish({"OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

// --- TDBComboBox

KCL_CLASS_INFO(TDBComboBox) {
  // Style comes before Items, so that the items are read into the right kind of box.
  cls.property("Style", &TDBComboBox::Style, &TDBComboBox::SetStyle).Default(csDropDown);
  cls.publish({"Color", "Ctl3D"});
  PublishDataLink(cls);
  cls.publish({"DragCursor", "DragMode"});
  cls.property("DropDownCount", &TDBComboBox::DropDownCount, &TDBComboBox::SetDropDownCount).Default(8);
  cls.publish({"Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("ItemHeight", &TDBComboBox::ItemHeight, &TDBComboBox::SetItemHeight);
  cls.property("Items", &TDBComboBox::Items, &TDBComboBox::SetItems);
  cls.property("ParentColor", &TDBComboBox::ParentColor, &TDBComboBox::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.publish({"ShowHint"});
  cls.property("Sorted", &TDBComboBox::Sorted, &TDBComboBox::SetSorted).Default(false);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &TDBComboBox::TabStop, &TDBComboBox::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &TDBComboBox::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TDBComboBox::OnDrawItem, TDrawItemEventType());
  cls.event("OnDropDown", &TDBComboBox::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TDBComboBox::OnMeasureItem, TMeasureItemEventType());
  cls.publish({"OnStartDrag"});
}

}  // namespace kcl

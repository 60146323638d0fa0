#include "kcl/dbctrls/dbctrls.h"

#include "kcl/components/publish.h"

namespace kcl {

namespace {

const std::initializer_list<std::string_view> EditEvents = {
    "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
    "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"};

}  // namespace

// --- TDBText

KCL_CLASS_INFO(TDBText) {
  Publish(cls, {"Align"});
  cls.property("Alignment", &TDBText::Alignment, &TDBText::SetAlignment).Default(taLeftJustify);
  cls.property("AutoSize", &TDBText::AutoSize, &TDBText::SetAutoSize).Default(false);
  Publish(cls, {"Color"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentFont", "ParentShowHint",
                "PopupMenu"});
  cls.property("Transparent", &TDBText::Transparent, &TDBText::SetTransparent).Default(false);
  Publish(cls, {"ShowHint", "Visible"});
  cls.property("WordWrap", &TDBText::WordWrap, &TDBText::SetWordWrap).Default(false);
  Publish(cls, {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
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
  Publish(cls, {"Color", "Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  // Delphi's data-aware edit writes its maximum length even when it is 0.
  cls.property("MaxLength", &TDBEdit::MaxLength, &TDBEdit::SetMaxLength);
  cls.property("ParentColor", &TDBEdit::ParentColor, &TDBEdit::SetParentColor).Default(false);
  Publish(cls, {"ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("PasswordChar", &TDBEdit::PasswordChar, &TDBEdit::SetPasswordChar).Default('\0');
  Publish(cls, {"PopupMenu"});
  cls.property("ReadOnly", &TDBEdit::ReadOnly, &TDBEdit::SetReadOnly).Default(false);
  Publish(cls, {"ShowHint", "TabOrder"});
  cls.property("TabStop", &TDBEdit::TabStop, &TDBEdit::SetTabStop).Default(true);
  Publish(cls, {"Visible"});
  cls.event("OnChange", &TDBEdit::OnChange, TNotifyEventType());
  Publish(cls, EditEvents);
}

TDBEdit::TDBEdit(TComponent* owner) : TCustomEdit(owner), TDataAware(this) { FControlStyle.Exclude(csSetCaption); }

// --- TDBMemo

KCL_CLASS_INFO(TDBMemo) {
  Publish(cls, {"Align"});
  cls.property("Alignment", &TDBMemo::Alignment, &TDBMemo::SetAlignment).Default(taLeftJustify);
  cls.property("AutoDisplay", &TDBMemo::AutoDisplay, &TDBMemo::SetAutoDisplay).Default(true);
  cls.property("BorderStyle", &TDBMemo::BorderStyle, &TDBMemo::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  Publish(cls, {"Color", "Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("MaxLength", &TDBMemo::MaxLength, &TDBMemo::SetMaxLength).Default(0);
  cls.property("ParentColor", &TDBMemo::ParentColor, &TDBMemo::SetParentColor).Default(false);
  Publish(cls, {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &TDBMemo::ReadOnly, &TDBMemo::SetReadOnly).Default(false);
  cls.property("ScrollBars", &TDBMemo::ScrollBars, &TDBMemo::SetScrollBars).Default(ssNone);
  Publish(cls, {"ShowHint", "TabOrder"});
  cls.property("TabStop", &TDBMemo::TabStop, &TDBMemo::SetTabStop).Default(true);
  Publish(cls, {"Visible"});
  cls.property("WantReturns", &TDBMemo::WantReturns, &TDBMemo::SetWantReturns).Default(true);
  cls.property("WantTabs", &TDBMemo::WantTabs, &TDBMemo::SetWantTabs).Default(false);
  cls.property("WordWrap", &TDBMemo::WordWrap, &TDBMemo::SetWordWrap).Default(true);
  cls.event("OnChange", &TDBMemo::OnChange, TNotifyEventType());
  Publish(cls, EditEvents);
}

TDBMemo::TDBMemo(TComponent* owner) : TCustomMemo(owner), TDataAware(this) { FControlStyle.Exclude(csSetCaption); }

// --- TDBCheckBox

KCL_CLASS_INFO(TDBCheckBox) {
  using T = TDBCheckBox;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment, TLeftRightType()).Default(taRightJustify);
  cls.property("AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed).Default(false);
  Publish(cls, {"Caption", "Color", "Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font", "ParentColor", "ParentCtl3D", "ParentFont",
                "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  Publish(cls, {"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("ValueChecked", &T::ValueChecked, &T::SetValueChecked).Stored(&T::IsValueCheckedStored);
  cls.property("ValueUnchecked", &T::ValueUnchecked, &T::SetValueUnchecked).Stored(&T::IsValueUncheckedStored);
  Publish(cls, {"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBCheckBox::TDBCheckBox(TComponent* owner) : TCustomCheckBox(owner), TDataAware(this) {}

// --- TDBRadioGroup

KCL_CLASS_INFO(TDBRadioGroup) {
  Publish(cls, {"Align", "Caption", "Color"});
  cls.property("Columns", &TDBRadioGroup::Columns, &TDBRadioGroup::SetColumns).Default(1);
  Publish(cls, {"Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("Items", &TDBRadioGroup::Items, &TDBRadioGroup::SetItems);
  Publish(cls, {"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  Publish(cls, {"ShowHint", "TabOrder", "TabStop"});
  cls.property("Values", &TDBRadioGroup::Values, &TDBRadioGroup::SetValues);
  Publish(cls, {"Visible"});
  cls.event("OnChange", &TDBRadioGroup::OnChange, TNotifyEventType());
  Publish(cls, {"OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnStartDrag"});
}

TDBRadioGroup::TDBRadioGroup(TComponent* owner) : TCustomRadioGroup(owner), TDataAware(this) {}

// --- TDBListBox

KCL_CLASS_INFO(TDBListBox) {
  Publish(cls, {"Align"});
  cls.property("BorderStyle", &TDBListBox::BorderStyle, &TDBListBox::SetBorderStyle, TBorderStyleType())
      .Default(bsSingle);
  Publish(cls, {"Color", "Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("IntegralHeight", &TDBListBox::IntegralHeight, &TDBListBox::SetIntegralHeight).Default(false);
  cls.property("ItemHeight", &TDBListBox::ItemHeight, &TDBListBox::SetItemHeight);
  cls.property("Items", &TDBListBox::Items, &TDBListBox::SetItems);
  cls.property("ParentColor", &TDBListBox::ParentColor, &TDBListBox::SetParentColor).Default(false);
  Publish(cls, {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  Publish(cls, {"ShowHint"});
  cls.property("Style", &TDBListBox::Style, &TDBListBox::SetStyle).Default(lbStandard);
  Publish(cls, {"TabOrder"});
  cls.property("TabStop", &TDBListBox::TabStop, &TDBListBox::SetTabStop).Default(true);
  Publish(cls, {"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TDBListBox::OnDrawItem, TDrawItemEventType());
  Publish(cls, {"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TDBListBox::OnMeasureItem, TMeasureItemEventType());
  Publish(cls, {"OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

// --- TDBComboBox

KCL_CLASS_INFO(TDBComboBox) {
  // Style comes before Items, so that the items are read into the right kind of box.
  cls.property("Style", &TDBComboBox::Style, &TDBComboBox::SetStyle).Default(csDropDown);
  Publish(cls, {"Color", "Ctl3D"});
  PublishDataLink(cls);
  Publish(cls, {"DragCursor", "DragMode"});
  cls.property("DropDownCount", &TDBComboBox::DropDownCount, &TDBComboBox::SetDropDownCount).Default(8);
  Publish(cls, {"Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("ItemHeight", &TDBComboBox::ItemHeight, &TDBComboBox::SetItemHeight);
  cls.property("Items", &TDBComboBox::Items, &TDBComboBox::SetItems);
  cls.property("ParentColor", &TDBComboBox::ParentColor, &TDBComboBox::SetParentColor).Default(false);
  Publish(cls, {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  Publish(cls, {"ShowHint"});
  cls.property("Sorted", &TDBComboBox::Sorted, &TDBComboBox::SetSorted).Default(false);
  Publish(cls, {"TabOrder"});
  cls.property("TabStop", &TDBComboBox::TabStop, &TDBComboBox::SetTabStop).Default(true);
  Publish(cls, {"Visible"});
  cls.event("OnChange", &TDBComboBox::OnChange, TNotifyEventType());
  Publish(cls, {"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawItem", &TDBComboBox::OnDrawItem, TDrawItemEventType());
  cls.event("OnDropDown", &TDBComboBox::OnDropDown, TNotifyEventType());
  Publish(cls, {"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnMeasureItem", &TDBComboBox::OnMeasureItem, TMeasureItemEventType());
  Publish(cls, {"OnStartDrag"});
}

}  // namespace kcl

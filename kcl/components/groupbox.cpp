#include "kcl/components/groupbox.h"

#include <QGroupBox>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TCustomGroupBox) {}

KCL_CLASS_INFO(TGroupBox) {
  cls.publish({"Align", "Caption", "Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font", "ParentColor",
                "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible",
                "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit",
                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
  SetBounds(0, 0, 185, 105);
}

QWidget* TCustomGroupBox::CreateWidget(QWidget* parentWidget) {
  auto* box = new QGroupBox(parentWidget);
  UseWindowsStyle(box);
  return box;
}

void TCustomGroupBox::TextChanged() {
  if (auto* box = qobject_cast<QGroupBox*>(Widget())) box->setTitle(AnsiToQString(Caption()));
}

TRect TCustomGroupBox::AlignRect() const {
  // Below the caption's line, inside the etched frame.
  TRect r = ClientRect();
  r.Top += TextCellHeight(*Font());
  const int inset = Ctl3D() ? 2 : 1;
  return Rect(r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset);
}

// --- radio group

KCL_CLASS_INFO(TCustomRadioGroup) {}

KCL_CLASS_INFO(TRadioGroup) {
  cls.publish({"Align", "Caption", "Color"});
  cls.property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
  cls.publish({"Ctl3D", "DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
  cls.property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
  cls.publish({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop",
                "Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnStartDrag"});
}

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), FItems(std::make_unique<TBoundStrings>([this] { ItemsChanged(); })) {
  FControlStyle = {csSetCaption, csDoubleClicks};
}

TCustomRadioGroup::~TCustomRadioGroup() { FItems->SetChangedHandler(nullptr); }

void TCustomRadioGroup::ItemsChanged() {
  if (IsLoading()) return;  // Loaded makes the buttons
  FUpdating = true;
  while (ButtonCount() > FItems->Count()) {
    FButtons.back()->Free();
    FButtons.pop_back();
  }
  while (ButtonCount() < FItems->Count()) {
    auto* button = new TRadioButton(nullptr);
    button->SetParent(this);
    button->SetDesigning(IsDesigning());
    button->OnClick.SetHandler([this, button](TObject*) { ButtonClicked(button); });
    FButtons.push_back(button);
  }
  for (int i = 0; i < ButtonCount(); ++i) FButtons[static_cast<size_t>(i)]->SetCaption(FItems->Strings(i));
  if (FItemIndex >= ButtonCount()) FItemIndex = -1;
  for (int i = 0; i < ButtonCount(); ++i) FButtons[static_cast<size_t>(i)]->SetChecked(i == FItemIndex);
  FUpdating = false;
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  const int count = ButtonCount();
  const int perColumn = (count + FColumns - 1) / FColumns;
  const int buttonWidth = (Width() - 10) / FColumns;
  const int textHeight = TextCellHeight(*Font());
  const int space = Height() - textHeight - 5;
  const int buttonHeight = space / perColumn;
  const int topMargin = textHeight + 1 + (space % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    FButtons[static_cast<size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                buttonHeight);
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
  if (FUpdating || !button->Checked()) return;
  FItemIndex = static_cast<int>(std::find(FButtons.begin(), FButtons.end(), button) - FButtons.begin());
  Click();
}

void TCustomRadioGroup::SetItemIndex(int v) {
  if (IsLoading()) {
    FItemIndex = v;  // checked once the buttons exist
    return;
  }
  if (v < -1 || v >= FItems->Count()) throw EListError(Format(msg::ListIndexError, {v}));
  FItemIndex = v;
  FUpdating = true;
  for (int i = 0; i < ButtonCount(); ++i) FButtons[static_cast<size_t>(i)]->SetChecked(i == v);
  FUpdating = false;
}

void TCustomRadioGroup::SetColumns(int v) {
  FColumns = std::clamp(v, 1, 16);
  ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int left, int top, int width, int height) {
  TCustomGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::SetDesigning(bool value) {
  TCustomGroupBox::SetDesigning(value);
  for (TRadioButton* button : FButtons) button->SetDesigning(value);
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  ItemsChanged();
}

}  // namespace kcl

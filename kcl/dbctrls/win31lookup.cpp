#include "kcl/dbctrls/win31lookup.h"

#include <QLineEdit>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/dbctrls/dbdraw.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {

constexpr int DropButtonWidth = 16;  // a vertical scroll bar's arrow
constexpr int EditBorder = 2;

const char* const DuplicateSourceError = "Unable to use duplicate DataSource and LookupSource";

// The combo's button, inside its border at the right; it greys with the combo.
class TLookupDropButton : public TCustomControl {
public:
  TLookupDropButton() : TCustomControl(nullptr) { FControlStyle = {csCaptureMouse, csOpaque}; }

protected:
  void Paint() override {
    const TWinControl* combo = Parent();
    DrawDropDownButton(*Canvas(), Rect(0, 0, Width(), Height()), Enabled() && (!combo || combo->Enabled()));
  }
};

// DataField to Options, as both controls declare them first.
template <class T>
void PublishLookup(TClassBuilder<T>& cls) {
  PublishDataLink(cls);
  cls.property("LookupSource", &T::LookupSource, &T::SetLookupSource);
  cls.property("LookupDisplay", &T::LookupDisplay, &T::SetLookupDisplay);
  cls.property("LookupField", &T::LookupField, &T::SetLookupField);
  cls.property("Options", &T::Options, &T::SetOptions).Default(TDBLookupListOptions{});
}

}  // namespace

// --- TLookupLink

void TLookupLink::CheckDataSource(TDataSource* v) const {
  if (v && v == FLookupSource) throw EInvalidOperation(DuplicateSourceError);
}

void TLookupLink::SetLookupSource(TDataSource* v) {
  if (v && v == FData.DataSource()) throw EInvalidOperation(DuplicateSourceError);
  if (v == FLookupSource) return;
  FLookupSource = v;
  if (v) v->FreeNotification(FControl);
  LookupChanged();
}

void TLookupLink::SetLookupDisplay(const std::string& v) {
  if (v == FLookupDisplay) return;
  FLookupDisplay = v;
  LookupChanged();
}

std::vector<std::string> TLookupLink::DisplayFields() const {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= FLookupDisplay.size()) {
    const size_t end = std::min(FLookupDisplay.find(';', start), FLookupDisplay.size());
    if (std::string name = Trim(FLookupDisplay.substr(start, end - start)); !name.empty()) names.push_back(name);
    start = end + 1;
  }
  return names;
}

void TLookupLink::LookupNotification(TComponent* component, TOperation operation) {
  if (operation != opRemove || component != FLookupSource) return;
  FLookupSource = nullptr;
  LookupChanged();
}

// --- TDBLookupList

KCL_CLASS_INFO(TDBLookupList) {
  using T = TDBLookupList;
  PublishLookup(cls);
  cls.publish({"OnClick"});
  PublishDataReadOnly(cls);
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown",
                "OnKeyPress", "OnKeyUp", "OnStartDrag"});
}

TDBLookupList::TDBLookupList(TComponent* owner) : TCustomGrid(owner), TDataAware(this), TLookupLink(this, *this) {
  SetScrollBars(ssVertical);
  LayoutChanged();
  SetBounds(Left(), Top(), 121, 97);
}

void TDBLookupList::SetDataSource(TDataSource* v) {
  CheckDataSource(v);
  TDataAware::SetDataSource(v);
}

void TDBLookupList::SetOptions(TDBLookupListOptions v) {
  if (v == FOptions) return;
  FOptions = v;
  LayoutChanged();
}

void TDBLookupList::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width();
  TCustomGrid::SetBounds(left, top, width, height);
  if (resized) LayoutChanged();
}

// The border and the scroll bars are known once the whole record is read.
void TDBLookupList::Loaded() {
  TCustomGrid::Loaded();
  LayoutChanged();
}

void TDBLookupList::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  DataNotification(component, operation);
  LookupNotification(component, operation);
}

void TDBLookupList::LayoutChanged() {
  if (FLayingOut) return;
  FLayingOut = true;
  const int columns = std::max(static_cast<int>(DisplayFields().size()), 1), titles = TitleOffset();
  SetColCount(columns);
  SetFixedCols(0);
  SetRowCount(titles + 1);
  SetFixedRows(titles);

  TGridOptions options;
  if (FOptions.Contains(loColLines)) options = options + TGridOptions{goFixedVertLine, goVertLine};
  if (FOptions.Contains(loRowLines)) options = options + TGridOptions{goFixedHorzLine, goHorzLine};
  TCustomGrid::SetOptions(options);

  SetDefaultRowHeight(TextCellHeight(*Font()) + 4);
  // The columns share the width, the last one taking what the division leaves.
  const int width = std::max(ClientRect().Width() - columns * GridLineWidth(), 0);
  for (int col = 0; col < columns; ++col)
    SetColWidths(col, col < columns - 1 ? width / columns : width - (columns - 1) * (width / columns));
  FLayingOut = false;
  Invalidate();
}

// No records: titles in the fixed colour above an empty row.
void TDBLookupList::DrawCell(int, int row, const TRect& rect, TGridDrawState) {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(row < TitleOffset() ? FixedColor() : Color());
  canvas.FillRect(rect);
}

// The column widths follow the list's width; they are not properties of their own.
void TDBLookupList::DefineProperties(TFiler& filer) { TCustomControl::DefineProperties(filer); }

void TDBLookupList::FontChanged() {
  TCustomGrid::FontChanged();
  LayoutChanged();
}

// --- TDBLookupCombo

KCL_CLASS_INFO(TDBLookupCombo) {
  using T = TDBLookupCombo;
  PublishLookup(cls);
  cls.property("Style", &T::Style, &T::SetStyle).Default(TDBLookupComboStyle::csDropDown);
  cls.property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode"});
  cls.property("DropDownCount", &T::DropDownCount, &T::SetDropDownCount).Default(8);
  cls.property("DropDownWidth", &T::DropDownWidth, &T::SetDropDownWidth).Default(0);
  cls.publish({"Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  PublishDataReadOnly(cls);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDropDown", &T::OnDropDown, TNotifyEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TDBLookupCombo::TDBLookupCombo(TComponent* owner) : TCustomEdit(owner), TDataAware(this), TLookupLink(this, *this) {
  FControlStyle.Exclude(csSetCaption);
  SetAutoSize(false);
  FButton = new TLookupDropButton();
  FButton->SetParent(this);
  SetBounds(Left(), Top(), 121, 25);
}

void TDBLookupCombo::SetDataSource(TDataSource* v) {
  CheckDataSource(v);
  TDataAware::SetDataSource(v);
}

void TDBLookupCombo::SetStyle(TDBLookupComboStyle v) {
  FStyle = v;
  SetReadOnly(v == TDBLookupComboStyle::csDropDownList);
}

void TDBLookupCombo::SetBounds(int left, int top, int width, int height) {
  TCustomEdit::SetBounds(left, top, width, height);
  PlaceButton();
}

void TDBLookupCombo::Notification(TComponent* component, TOperation operation) {
  TCustomEdit::Notification(component, operation);
  DataNotification(component, operation);
  LookupNotification(component, operation);
}

void TDBLookupCombo::InitWidget() {
  TCustomEdit::InitWidget();
  PlaceButton();
}

void TDBLookupCombo::EnabledChanged() {
  TCustomEdit::EnabledChanged();
  if (FButton) FButton->Invalidate();
}

void TDBLookupCombo::PlaceButton() {
  if (!FButton) return;
  const int left = std::max(Width() - EditBorder - DropButtonWidth, 0);
  FButton->SetBounds(left, EditBorder, DropButtonWidth, std::max(Height() - 2 * EditBorder, 0));
  if (auto* edit = qobject_cast<QLineEdit*>(Widget())) edit->setTextMargins(0, 0, DropButtonWidth, 0);
}

}  // namespace kcl

#include "kcl/components/coolbar.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int GripperWidth = 10;
constexpr int BandGap = 2;
}  // namespace

KCL_CLASS_INFO(TCoolBand) {
  using T = TCoolBand;
  cls.property("Break", &T::Break, &T::SetBreak).Default(true);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clBtnFace).Info().Stored = [](const TObject* o) {
    return !static_cast<const T*>(o)->ParentColor();
  };
  cls.property("Control", &T::Control, &T::SetControl);
  cls.property("FixedBackground", &T::FixedBackground, &T::SetFixedBackground).Default(true);
  cls.property("FixedSize", &T::FixedSize, &T::SetFixedSize).Default(false);
  cls.property("HorizontalOnly", &T::HorizontalOnly, &T::SetHorizontalOnly).Default(false);
  cls.property("ImageIndex", &T::ImageIndex, &T::SetImageIndex);
  cls.property("MinHeight", &T::MinHeight, &T::SetMinHeight);
  cls.property("MinWidth", &T::MinWidth, &T::SetMinWidth).Default(0);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(true);
  cls.property("Text", &T::Text, &T::SetText);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
  cls.property("Width", &T::Width, &T::SetWidth);
}

KCL_CLASS_INFO(TCoolBands) {}

KCL_CLASS_INFO(TCoolBar) {
  using T = TCoolBar;
  cls.property("Align", &T::Align, &T::SetAlign).Default(alTop);
  cls.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
  cls.property("Bands", &T::Bands, &T::SetBands);
  cls.publish({"Color", "Ctl3D", "DragCursor", "DragMode"});
  cls.property("EdgeBorders", &T::EdgeBorders, &T::SetEdgeBorders)
      .Default(TEdgeBorders{ebLeft, ebTop, ebRight, ebBottom});
  cls.property("EdgeInner", &T::EdgeInner, &T::SetEdgeInner).Default(esRaised);
  cls.property("EdgeOuter", &T::EdgeOuter, &T::SetEdgeOuter).Default(esLowered);
  cls.publish({"Enabled"});
  cls.property("FixedSize", &T::FixedSize, &T::SetFixedSize).Default(false);
  cls.property("FixedOrder", &T::FixedOrder, &T::SetFixedOrder).Default(false);
  cls.publish({"Font"});
  cls.property("Images", &T::Images, &T::SetImages, TImageList::StaticClass().ClassTypeInfo());
  cls.publish({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("ShowText", &T::ShowText, &T::SetShowText).Default(true);
  cls.property("Vertical", &T::Vertical, &T::SetVertical).Default(false);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.publish({"OnStartDrag"});
}

// --- TCoolBand

TCoolBand::TCoolBand(TCollection* collection) : TCollectionItem(collection) {}

TCoolBand::~TCoolBand() { FControl = nullptr; }

TCoolBar* TCoolBand::CoolBar() const {
  auto* bands = dynamic_cast<TCoolBands*>(Collection());
  return bands ? bands->CoolBar() : nullptr;
}

void TCoolBand::SetControl(TWinControl* v) {
  TCoolBar* bar = CoolBar();
  if (v && bar) {
    // A control takes one band: its old band lets it go.
    if (TCoolBand* other = bar->Bands()->FindBand(v); other && other != this) other->FControl = nullptr;
    v->FreeNotification(bar);
    if (!bar->IsLoading()) {
      if (v->Parent() != bar) v->SetParent(bar);
      FMinHeight = v->Height();
    }
  }
  FControl = v;
  Changed(true);
}

std::string TCoolBand::GetDisplayName() const {
  if (!FText.empty()) return FText;
  if (FControl) return FControl->Name();
  return TCollectionItem::GetDisplayName();
}

void TCoolBand::Assign(const TPersistent* source) {
  auto* band = dynamic_cast<const TCoolBand*>(source);
  if (!band) return TCollectionItem::Assign(source);
  FBreak = band->FBreak, FColor = band->FColor, FFixedBackground = band->FFixedBackground;
  FFixedSize = band->FFixedSize, FHorizontalOnly = band->FHorizontalOnly, FImageIndex = band->FImageIndex;
  FMinHeight = band->FMinHeight, FMinWidth = band->FMinWidth, FParentColor = band->FParentColor;
  FText = band->FText, FVisible = band->FVisible, FWidth = band->FWidth;
  Changed(true);
}

// --- TCoolBands

TCoolBands::TCoolBands(TCoolBar* coolBar) : TCollection(&TCoolBand::StaticClass()), FCoolBar(coolBar) {}

TPersistent* TCoolBands::GetOwner() const { return FCoolBar; }

void TCoolBands::Update(TCollectionItem*) {
  FCoolBar->AdjustHeight();
  FCoolBar->LayoutBands();
  FCoolBar->OnChange(FCoolBar);
}

TCoolBand* TCoolBands::FindBand(const TControl* control) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Control() == control) return Items(i);
  return nullptr;
}

// --- TCoolBar

TCoolBar::TCoolBar(TComponent* owner) : TToolWindow(owner), FBands(std::make_unique<TCoolBands>(this)) {
  SetBounds(Left(), Top(), 150, 75);
  SetAlign(alTop);
}

TCoolBar::~TCoolBar() { FBands->BeginUpdate(); }

void TCoolBar::SetImages(TCustomImageList* v) {
  FImages = v;
  if (v) v->FreeNotification(this);
  Invalidate();
}

void TCoolBar::SetAutoSize(bool v) {
  FAutoSize = v;
  AdjustHeight();
}

void TCoolBar::AdjustHeight() {
  if (!FAutoSize || FVertical || IsLoading()) return;
  int bottom = 0;
  for (int i = 0; i < FBands->Count(); ++i) bottom = std::max(bottom, BandRect(i).Bottom);
  const TRect edges = EdgeWidths();
  SetBounds(Left(), Top(), Width(), bottom + edges.Top + edges.Bottom);
}

void TCoolBar::SetShowText(bool v) {
  FShowText = v;
  LayoutBands();
}

void TCoolBar::SetVertical(bool v) {
  FVertical = v;
  LayoutBands();
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TToolWindow::Notification(component, operation);
  if (operation != opRemove || !FBands) return;
  if (component == FImages) FImages = nullptr;
  for (int i = 0; i < FBands->Count(); ++i)
    if (FBands->Items(i)->Control() == component) FBands->Items(i)->SetControl(nullptr);
}

int TCoolBar::BandHeight(const TCoolBand* band) const {
  const int control = band->Control() ? band->Control()->Height() : 0;
  return std::max(band->MinHeight(), control) + 2 * BandGap;
}

int TCoolBar::ControlOffset(const TCoolBand* band) const {
  int offset = GripperWidth;
  if (FShowText && !band->Text().empty()) offset += Canvas()->TextWidth(band->Text()) + 4;
  return offset;
}

TRect TCoolBar::BandRect(int index) const {
  const TRect edges = EdgeWidths();
  const int width = Width() - edges.Left - edges.Right;
  int x = 0, y = 0, rowHeight = 0;
  TRect result;
  for (int i = 0; i < FBands->Count(); ++i) {
    const TCoolBand* band = FBands->Items(i);
    if (!band->Visible() && !IsDesigning()) {
      if (i == index) return {};
      continue;
    }
    // A band starts a row when it breaks (the first always does).
    if (band->Break() && (x > 0 || i > 0)) x = 0, y += rowHeight, rowHeight = 0;
    const int height = BandHeight(band);
    rowHeight = std::max(rowHeight, height);
    const bool lastInRow = i + 1 >= FBands->Count() || FBands->Items(i + 1)->Break();
    const int bandWidth = lastInRow ? std::max(width - x, 0) : std::max(band->Width(), band->MinWidth());
    if (i == index) result = Bounds(x, y, bandWidth, height);
    x += bandWidth;
  }
  return result;
}

void TCoolBar::LayoutBands() {
  Invalidate();
  if (IsLoading()) return;
  const TRect edges = EdgeWidths();
  for (int i = 0; i < FBands->Count(); ++i) {
    TCoolBand* band = FBands->Items(i);
    TWinControl* control = band->Control();
    if (!control || control->Parent() != this) continue;
    const TRect r = BandRect(i);
    const int offset = ControlOffset(band);
    control->SetBounds(edges.Left + r.Left + offset, edges.Top + r.Top + BandGap,
                       std::max(r.Width() - offset - BandGap, 0), r.Height() - 2 * BandGap);
  }
}

void TCoolBar::Loaded() {
  TToolWindow::Loaded();
  LayoutBands();
}

void TCoolBar::Resize() {
  LayoutBands();
  TToolWindow::Resize();
}

void TCoolBar::Paint() {
  TToolWindow::Paint();
  TCanvas& canvas = *Canvas();
  const TRect edges = EdgeWidths();
  for (int i = 0; i < FBands->Count(); ++i) {
    TCoolBand* band = FBands->Items(i);
    TRect r = BandRect(i);
    if (r.Width() <= 0) continue;
    r = Rect(r.Left + edges.Left, r.Top + edges.Top, r.Right + edges.Left, r.Bottom + edges.Top);
    canvas.Brush()->SetColor(band->ParentColor() ? Color() : band->Color());
    canvas.FillRect(r);
    DrawBevelFrame(canvas, r, clBtnHighlight, clBtnShadow);
    // The gripper: two raised bars.
    for (int x : {r.Left + 3, r.Left + 6})
      DrawBevelFrame(canvas, Rect(x, r.Top + 3, x + 3, r.Bottom - 3), clBtnHighlight, clBtnShadow);
    if (FShowText && !band->Text().empty()) {
      canvas.Brush()->SetStyle(bsClear);
      canvas.TextOut(r.Left + GripperWidth + 2, r.Top + (r.Height() - canvas.TextHeight(band->Text())) / 2,
                     band->Text());
      canvas.Brush()->SetStyle(bsSolid);
    }
  }
}

}  // namespace kcl

#include "kcl/dbctrls/dbctrlgrid.h"

#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "kcl/components/bevelframe.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {

// The first panel: the current record's, with the grid's controls on it.
class TDBCtrlPanel : public TCustomControl {
public:
  explicit TDBCtrlPanel(TDBCtrlGrid* grid) : TCustomControl(nullptr), FGrid(grid) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
  }

protected:
  void Paint() override {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetColor(FGrid->SelectedColor());
    canvas.Brush()->SetStyle(bsSolid);
    const TRect bounds = Rect(0, 0, Width(), Height());
    canvas.FillRect(bounds);
    if (FGrid->PanelBorder() == gbRaised) DrawBevelFrame(canvas, bounds, clBtnHighlight, clBtnShadow);
    FGrid->OnPaintPanel(FGrid, 0);
  }

private:
  TDBCtrlGrid* FGrid;
};

int Clamp(int v, int max) { return std::clamp(v, 1, max); }

}  // namespace

const TTypeInfo* TPaintPanelEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TPaintPanelEvent", mkProcedure, {{0, "DBCtrlGrid", "TDBCtrlGrid"}, {0, "Index", "Integer"}});
  return t;
}

KCL_CLASS_INFO(TDBCtrlGrid) {
  using T = TDBCtrlGrid;
  cls.publish({"Align"});
  cls.property("AllowDelete", &T::AllowDelete, &T::SetAllowDelete).Default(true);
  cls.property("AllowInsert", &T::AllowInsert, &T::SetAllowInsert).Default(true);
  cls.property("ColCount", &T::ColCount, &T::SetColCount);
  cls.publish({"Color"});
  cls.property("DataSource", &T::DataSource, &T::SetDataSource);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("Orientation", &T::Orientation, &T::SetOrientation).Default(goVertical);
  cls.property("PanelBorder", &T::PanelBorder, &T::SetPanelBorder).Default(gbRaised);
  cls.property("PanelHeight", &T::PanelHeight, &T::SetPanelHeight);
  cls.property("PanelWidth", &T::PanelWidth, &T::SetPanelWidth);
  cls.publish({"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("RowCount", &T::RowCount, &T::SetRowCount);
  cls.property("SelectedColor", &T::SelectedColor, &T::SetSelectedColor, TColorType())
      .Default(clWindow)
      .Stored(&T::IsSelectedColorStored);
  cls.property("ShowFocus", &T::ShowFocus, &T::SetShowFocus).Default(true);
  cls.publish({"ShowHint", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnPaintPanel", &T::OnPaintPanel, TPaintPanelEventType());
  cls.publish({"OnStartDrag"});
}

TDBCtrlGrid::TDBCtrlGrid(TComponent* owner) : TCustomControl(owner), TDataAware(this) {
  FControlStyle = TControlStyle{csOpaque, csDoubleClicks};
  SetTabStop(true);
  FPanel = new TDBCtrlPanel(this);
  FPanel->SetParent(this);
  SizeToPanels();
}

// The panel goes with the grid as its child control.
TDBCtrlGrid::~TDBCtrlGrid() = default;

void TDBCtrlGrid::SetColCount(int v) {
  FColCount = Clamp(v, 100);
  SizeToPanels();
}

void TDBCtrlGrid::SetRowCount(int v) {
  FRowCount = Clamp(v, 100);
  SizeToPanels();
}

void TDBCtrlGrid::SetPanelWidth(int v) {
  FPanelWidth = Clamp(v, 65535);
  SizeToPanels();
}

void TDBCtrlGrid::SetPanelHeight(int v) {
  FPanelHeight = Clamp(v, 65535);
  SizeToPanels();
}

void TDBCtrlGrid::SetOrientation(TDBCtrlGridOrientation v) {
  FOrientation = v;
  SizeToPanels();
}

void TDBCtrlGrid::SetPanelBorder(TDBCtrlGridBorder v) {
  FPanelBorder = v;
  Invalidate();
  FPanel->Invalidate();
}

void TDBCtrlGrid::SetSelectedColor(TColor v) {
  FSelectedColor = v, FSelectedColorSet = true;
  FPanel->Invalidate();
}

void TDBCtrlGrid::SetShowFocus(bool v) {
  FShowFocus = v;
  Invalidate();
}

// A file's sizes are taken as they stand; they agree once it is loaded.
void TDBCtrlGrid::SizeToPanels() {
  if (IsLoading()) return;
  const int scroll = ScrollBarExtent;
  const bool vertical = FOrientation == goVertical;
  SetBounds(Left(), Top(), FPanelWidth * FColCount + (vertical ? scroll : 0),
            FPanelHeight * FRowCount + (vertical ? 0 : scroll));
}

void TDBCtrlGrid::SetBounds(int left, int top, int width, int height) {
  if (!IsLoading()) {
    const bool vertical = FOrientation == goVertical;
    FPanelWidth = std::max((width - (vertical ? ScrollBarExtent : 0)) / FColCount, 1);
    FPanelHeight = std::max((height - (vertical ? 0 : ScrollBarExtent)) / FRowCount, 1);
  }
  TCustomControl::SetBounds(left, top, width, height);
  PlacePanel();
}

void TDBCtrlGrid::Loaded() {
  TCustomControl::Loaded();
  PlacePanel();
}

TRect TDBCtrlGrid::PanelRect(int index) const {
  // Records run along the rows when the grid scrolls vertically, down the columns otherwise.
  const int col = FOrientation == goVertical ? index % FColCount : index / FRowCount;
  const int row = FOrientation == goVertical ? index / FColCount : index % FRowCount;
  return Rect(col * FPanelWidth, row * FPanelHeight, (col + 1) * FPanelWidth, (row + 1) * FPanelHeight);
}

void TDBCtrlGrid::PlacePanel() {
  if (FPanel) FPanel->SetBounds(0, 0, FPanelWidth, FPanelHeight);
}

void TDBCtrlGrid::GetChildren(const TGetChildProc& proc, TComponent* root) { FPanel->GetChildren(proc, root); }

TComponent* TDBCtrlGrid::GetChildParent() { return FPanel; }

// The first panel draws itself; the others stand for records not in view here
// and are hatched while the grid is designed.
void TDBCtrlGrid::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(Rect(0, 0, Width(), Height()));
  for (int i = 1; i < FColCount * FRowCount; ++i) {
    const TRect rect = PanelRect(i);
    if (IsDesigning()) {
      canvas.Brush()->SetColor(clBtnShadow);
      canvas.Brush()->SetStyle(bsBDiagonal);
      canvas.FillRect(rect);
      canvas.Brush()->SetStyle(bsSolid);
    }
    if (FPanelBorder == gbRaised) DrawBevelFrame(canvas, rect, clBtnHighlight, clBtnShadow);
    OnPaintPanel(this, i);
  }
  PaintScrollBar();
}

void TDBCtrlGrid::PaintScrollBar() {
  QStyleOptionSlider option;
  const bool vertical = FOrientation == goVertical;
  option.orientation = vertical ? Qt::Vertical : Qt::Horizontal;
  option.rect = vertical ? QRect(Width() - ScrollBarExtent, 0, ScrollBarExtent, Height())
                         : QRect(0, Height() - ScrollBarExtent, Width(), ScrollBarExtent);
  option.minimum = option.maximum = option.sliderPosition = option.sliderValue = 0;
  option.state = QStyle::State_None;  // nothing to scroll without records
  QApplication::style()->drawComplexControl(QStyle::CC_ScrollBar, &option, Canvas()->Painter(), nullptr);
}

}  // namespace kcl

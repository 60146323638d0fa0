#pragma once
// TDBCtrlGrid: ColCount x RowCount panels, one per record in view, with a scroll
// bar to move through the records. The controls of the grid sit on its first
// panel (an inner control that is not streamed) and stream as the grid's own
// children; the other panels repeat them for the other records.
#include "kcl/controls/customcontrol.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

KCL_ENUM(TDBCtrlGridOrientation, goVertical, goHorizontal)
KCL_ENUM(TDBCtrlGridBorder, gbNone, gbRaised)

class TDBCtrlGrid;
using TPaintPanelEvent = TEvent<void(TDBCtrlGrid* grid, int index)>;
const TTypeInfo* TPaintPanelEventType();

class TDBCtrlGrid : public TCustomControl, public TDataAware {
  KCL_CLASS(TDBCtrlGrid, TCustomControl)
public:
  static constexpr int ScrollBarExtent = 16;

  explicit TDBCtrlGrid(TComponent* owner);
  ~TDBCtrlGrid() override;

  bool AllowDelete() const { return FAllowDelete; }
  void SetAllowDelete(bool v) { FAllowDelete = v; }
  bool AllowInsert() const { return FAllowInsert; }
  void SetAllowInsert(bool v) { FAllowInsert = v; }
  // Counts and panel sizes keep to 1..100 and 1..65535; each change resizes the grid.
  int ColCount() const { return FColCount; }
  void SetColCount(int v);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int v);
  int PanelWidth() const { return FPanelWidth; }
  void SetPanelWidth(int v);
  int PanelHeight() const { return FPanelHeight; }
  void SetPanelHeight(int v);
  TDBCtrlGridOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TDBCtrlGridOrientation v);
  TDBCtrlGridBorder PanelBorder() const { return FPanelBorder; }
  void SetPanelBorder(TDBCtrlGridBorder v);
  // The colour of the current record's panel: the grid's colour until one is set.
  TColor SelectedColor() const { return FSelectedColorSet ? FSelectedColor : Color(); }
  void SetSelectedColor(TColor v);
  bool IsSelectedColorStored() const { return FSelectedColorSet; }
  bool ShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool v);
  // The panel that holds the grid's controls.
  TWinControl* Panel() const { return FPanel; }
  // Where panel index sits in the client area.
  TRect PanelRect(int index) const;

  TPaintPanelEvent OnPaintPanel;

  // Sizing the grid sizes its panels.
  void SetBounds(int left, int top, int width, int height) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* GetChildParent() override;
  void Loaded() override;
  KCL_DATA_AWARE_NOTIFICATION(TCustomControl)

protected:
  void Paint() override;
  void DataLinkChanged() override { Invalidate(); }

private:
  // The grid's size from its panels, and the first panel's place.
  void SizeToPanels();
  void PlacePanel();
  void PaintScrollBar();

  TWinControl* FPanel;
  bool FAllowDelete = true, FAllowInsert = true;
  int FColCount = 1, FRowCount = 3;
  int FPanelWidth = 200, FPanelHeight = 72;
  TDBCtrlGridOrientation FOrientation = goVertical;
  TDBCtrlGridBorder FPanelBorder = gbRaised;
  TColor FSelectedColor = clWindow;
  bool FSelectedColorSet = false;
  bool FShowFocus = true;
};

}  // namespace kcl

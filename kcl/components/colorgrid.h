#pragma once
// TColorGrid: the sixteen standard colours in a grid, with a foreground (left
// button) and a background (right button) choice marked "FG", "BG" or "FB".
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TGridOrdering, go16x1, go8x2, go4x4, go2x8, go1x16)

class TColorGrid : public TCustomControl {
  KCL_CLASS(TColorGrid, TCustomControl)
public:
  static constexpr int NumPaletteEntries = 16;

  explicit TColorGrid(TComponent* owner);

  bool ClickEnablesColor() const { return FClickEnablesColor; }
  void SetClickEnablesColor(bool v) { FClickEnablesColor = v; }
  TGridOrdering GridOrdering() const { return FGridOrdering; }
  void SetGridOrdering(TGridOrdering v);
  // Indexes outside 0..15 are refused (kept as they were).
  int ForegroundIndex() const { return FForegroundIndex; }
  void SetForegroundIndex(int v);
  int BackgroundIndex() const { return FBackgroundIndex; }
  void SetBackgroundIndex(int v);
  bool ForegroundEnabled() const { return FForegroundEnabled; }
  void SetForegroundEnabled(bool v);
  bool BackgroundEnabled() const { return FBackgroundEnabled; }
  void SetBackgroundEnabled(bool v);
  // The cell with the focus mark (keyboard).
  int Selection() const { return FSelection; }
  void SetSelection(int v);
  TColor ForegroundColor() const { return ColorOf(FForegroundIndex); }
  TColor BackgroundColor() const { return ColorOf(FBackgroundIndex); }
  static TColor ColorOf(int index);

  int Columns() const;
  int Rows() const { return NumPaletteEntries / Columns(); }
  TRect CellRect(int index) const;
  // The cell at a client point; -1 outside the grid.
  int IndexAt(int x, int y) const;

  TNotifyEvent OnChange;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  virtual void Change() { OnChange(this); }

private:
  bool FClickEnablesColor = false;
  TGridOrdering FGridOrdering = go4x4;
  int FForegroundIndex = 0;
  int FBackgroundIndex = 0;
  bool FForegroundEnabled = true;
  bool FBackgroundEnabled = true;
  int FSelection = 0;
};

}  // namespace kcl

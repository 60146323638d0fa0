#include "kcl/components/colorgrid.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/controls/keys.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"

namespace kcl {

namespace {
constexpr TColor Palette[TColorGrid::NumPaletteEntries] = {
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
    clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
}

KCL_CLASS_INFO(TColorGrid) {
  using T = TColorGrid;
  cls.property("ClickEnablesColor", &T::ClickEnablesColor, &T::SetClickEnablesColor).Default(false);
  cls.publish({"Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("GridOrdering", &T::GridOrdering, &T::SetGridOrdering).Default(go4x4);
  cls.property("ForegroundIndex", &T::ForegroundIndex, &T::SetForegroundIndex).Default(0);
  cls.property("BackgroundIndex", &T::BackgroundIndex, &T::SetBackgroundIndex).Default(0);
  cls.property("ForegroundEnabled", &T::ForegroundEnabled, &T::SetForegroundEnabled).Default(true);
  cls.property("BackgroundEnabled", &T::BackgroundEnabled, &T::SetBackgroundEnabled).Default(true);
  cls.publish({"Font", "ParentCtl3D", "ParentFont", "ParentShowHint"});
  cls.property("Selection", &T::Selection, &T::SetSelection).Default(0);
  cls.publish({"ShowHint", "PopupMenu", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TColorGrid::TColorGrid(TComponent* owner) : TCustomControl(owner) {
  SetBounds(Left(), Top(), 100, 100);
  SetTabStop(true);
}

TColor TColorGrid::ColorOf(int index) {
  return index >= 0 && index < NumPaletteEntries ? Palette[index] : clNone;
}

int TColorGrid::Columns() const {
  switch (FGridOrdering) {
    case go16x1: return 16;
    case go8x2: return 8;
    case go2x8: return 2;
    case go1x16: return 1;
    default: return 4;
  }
}

TRect TColorGrid::CellRect(int index) const {
  const int cols = Columns(), rows = Rows();
  const int w = Width() / cols, h = Height() / rows;
  const int col = index % cols, row = index / cols;
  return Rect(col * w, row * h, col * w + w, row * h + h);
}

int TColorGrid::IndexAt(int x, int y) const {
  const int cols = Columns(), rows = Rows();
  const int w = Width() / cols, h = Height() / rows;
  if (w <= 0 || h <= 0 || x < 0 || y < 0 || x >= w * cols || y >= h * rows) return -1;
  return y / h * cols + x / w;
}

void TColorGrid::SetGridOrdering(TGridOrdering v) {
  FGridOrdering = v;
  Invalidate();
}

void TColorGrid::SetForegroundIndex(int v) {
  if (v < 0 || v >= NumPaletteEntries || v == FForegroundIndex) return;
  FForegroundIndex = v;
  Invalidate();
  Change();
}

void TColorGrid::SetBackgroundIndex(int v) {
  if (v < 0 || v >= NumPaletteEntries || v == FBackgroundIndex) return;
  FBackgroundIndex = v;
  Invalidate();
  Change();
}

void TColorGrid::SetForegroundEnabled(bool v) {
  FForegroundEnabled = v;
  Invalidate();
}

void TColorGrid::SetBackgroundEnabled(bool v) {
  FBackgroundEnabled = v;
  Invalidate();
}

void TColorGrid::SetSelection(int v) {
  if (v < 0 || v >= NumPaletteEntries) return;
  FSelection = v;
  Invalidate();
}

void TColorGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const int index = IndexAt(x, y);
  if (index >= 0) {
    SetSelection(index);
    if (button == mbLeft && (FForegroundEnabled || FClickEnablesColor)) {
      FForegroundEnabled = true;
      SetForegroundIndex(index);
    } else if (button == mbRight && (FBackgroundEnabled || FClickEnablesColor)) {
      FBackgroundEnabled = true;
      SetBackgroundIndex(index);
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TColorGrid::KeyDown(Word& key, TShiftState shift) {
  const int cols = Columns();
  int next = FSelection;
  switch (key) {
    case VK_LEFT: next = FSelection - 1; break;
    case VK_RIGHT: next = FSelection + 1; break;
    case VK_UP: next = FSelection - cols; break;
    case VK_DOWN: next = FSelection + cols; break;
    case VK_SPACE:
      if (FForegroundEnabled) SetForegroundIndex(FSelection);
      break;
    default: break;
  }
  if (next != FSelection && next >= 0 && next < NumPaletteEntries) SetSelection(next);
  TCustomControl::KeyDown(key, shift);
}

void TColorGrid::Paint() {
  TCanvas& canvas = *Canvas();
  for (int i = 0; i < NumPaletteEntries; ++i) {
    const TRect r = CellRect(i);
    canvas.Brush()->SetColor(Palette[i]);
    canvas.FillRect(r);
    DrawBevelFrame(canvas, r, clBtnHighlight, clBtnShadow);
    const bool fg = FForegroundEnabled && i == FForegroundIndex;
    const bool bg = FBackgroundEnabled && i == FBackgroundIndex;
    if (fg || bg) {
      const std::string mark = fg && bg ? "FB" : fg ? "FG" : "BG";
      // The mark in the colour that stands out on the cell.
      const TColor c = Palette[i];
      const int light = (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
      canvas.Font()->SetColor(light > 3 * 128 ? clBlack : clWhite);
      canvas.Brush()->SetStyle(bsClear);
      canvas.TextOut(r.Left + (r.Width() - canvas.TextWidth(mark)) / 2,
                     r.Top + (r.Height() - canvas.TextHeight(mark)) / 2, mark);
      canvas.Brush()->SetStyle(bsSolid);
    }
    if (i == FSelection && Focused()) canvas.DrawFocusRect(Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
  }
}

}  // namespace kcl

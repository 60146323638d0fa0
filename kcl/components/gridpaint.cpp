// How a grid draws itself: its border, then each cell in view with the grid line
// after it; DrawCell paints the cell's content.
#include <QPainter>

#include "kcl/components/bevelframe.h"
#include "kcl/components/grids.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"

namespace kcl {

void TCustomGrid::PaintBorder() {
  TCanvas& canvas = *Canvas();
  const TRect bounds = Rect(0, 0, Width(), Height());
  if (BorderWidth() == 2) {
    DrawBevelFrame(canvas, bounds, clBtnShadow, clBtnHighlight);
    DrawBevelFrame(canvas, Rect(1, 1, Width() - 1, Height() - 1), cl3DDkShadow, cl3DLight);
  } else if (BorderWidth() == 1) {
    canvas.Brush()->SetColor(clWindowFrame);
    canvas.FrameRect(bounds);
  }
  if (ShowsHorzScrollBar() && ShowsVertScrollBar()) {
    const int right = Width() - BorderWidth(), bottom = Height() - BorderWidth();
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(Rect(right - ScrollBarExtent, bottom - ScrollBarExtent, right, bottom));
  }
}

void TCustomGrid::PaintGridLines(const TRect& cell, bool fixed, int vertLineWidth, int horzLineWidth) {
  TCanvas& canvas = *Canvas();
  const TColor lineColor = fixed ? clBlack : clSilver;
  const TColor cellColor = fixed ? FFixedColor : Color();
  if (vertLineWidth > 0) {
    canvas.Brush()->SetColor(FOptions.Contains(fixed ? goFixedVertLine : goVertLine) ? lineColor : cellColor);
    canvas.FillRect(Rect(cell.Right, cell.Top, cell.Right + vertLineWidth, cell.Bottom + horzLineWidth));
  }
  if (horzLineWidth > 0) {
    canvas.Brush()->SetColor(FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine) ? lineColor : cellColor);
    canvas.FillRect(Rect(cell.Left, cell.Bottom, cell.Right + vertLineWidth, cell.Bottom + horzLineWidth));
  }
}

void TCustomGrid::PaintCell(int col, int row, const TRect& rect, bool fixed) {
  TCanvas& canvas = *Canvas();
  TGridDrawState state;
  if (fixed) {
    state.Include(gdFixed);
  } else {
    if (Selection().Contains(col, row)) state.Include(gdSelected);
    if (TGridCoord{col, row} == FCurrent && Focused()) state.Include(gdFocused);
  }
  canvas.SetFont(Font());
  canvas.Brush()->SetColor(fixed ? FFixedColor : Color());
  canvas.Brush()->SetStyle(bsSolid);
  const bool highlighted =
      state.Contains(gdSelected) &&
      (!state.Contains(gdFocused) || !(FOptions * TGridOptions{goDrawFocusSelected, goRowSelect}).Empty());
  if (highlighted) {
    canvas.Brush()->SetColor(clHighlight);
    canvas.Font()->SetColor(clHighlightText);
  }
  if (FDefaultDrawing) canvas.FillRect(rect);
  DrawCell(col, row, rect, state);
  if (!FDefaultDrawing) return;
  if (fixed && Ctl3D() && !(FOptions * TGridOptions{goFixedVertLine, goFixedHorzLine}).Empty())
    DrawBevelFrame(canvas, rect, clBtnHighlight, clBtnShadow);
  const bool editorAlwaysShown = FOptions.Contains(goEditing) && FOptions.Contains(goAlwaysShowEditor);
  if (state.Contains(gdFocused) && !IsDesigning() && !editorAlwaysShown && !FOptions.Contains(goRowSelect))
    canvas.DrawFocusRect(rect);
}

void TCustomGrid::Paint() {
  TCanvas& canvas = *Canvas();
  PaintBorder();
  QPainter* painter = canvas.Painter();
  const int border = BorderWidth();
  const TRect client = ClientRect();
  painter->save();
  painter->translate(border, border);
  painter->setClipRect(0, 0, client.Width(), client.Height());
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  const int vertLineWidth = HorzAxis().LineWidth, horzLineWidth = VertAxis().LineWidth;
  const std::vector<TCellSpan> cols = VisibleCells(true);
  for (const TCellSpan& row : VisibleCells(false))
    for (const TCellSpan& col : cols) {
      const bool fixed = col.Index < FFixedCols || row.Index < FFixedRows;
      const TRect rect = Rect(col.Start, row.Start, col.End, row.End);
      PaintGridLines(rect, fixed, vertLineWidth, horzLineWidth);
      PaintCell(col.Index, row.Index, rect, fixed);
    }
  painter->restore();
}

}  // namespace kcl

#pragma once
// TCustomGrid: rows and columns of cells drawn by the framework in the Windows 95
// look (grey fixed cells with raised edges, black lines among the fixed cells,
// silver ones among the others), scrolled a cell at a time. Descendants draw the
// cells through DrawCell; column widths and row heights that differ from the
// defaults stream themselves as "ColWidths" and "RowHeights".
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <string>
#include <utility>
#include <vector>

#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

KCL_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
         goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor,
         goThumbTracking)
KCL_SET(TGridOptions, TGridOption)
KCL_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
KCL_SET(TGridDrawState, TGridDrawStateItem)

KCL_EXCEPTION(EInvalidGridOperation, Exception);

struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

struct TGridRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TGridRect&) const = default;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
};

using TDrawCellEvent = TEvent<void(TObject* sender, int col, int row, TRect rect, TGridDrawState state)>;
using TSelectCellEvent = TEvent<void(TObject* sender, int col, int row, bool& canSelect)>;
using TGetEditEvent = TEvent<void(TObject* sender, int col, int row, std::string& value)>;
using TSetEditEvent = TEvent<void(TObject* sender, int col, int row, const std::string& value)>;
using TMovedEvent = TEvent<void(TObject* sender, int fromIndex, int toIndex)>;
const TTypeInfo* TDrawCellEventType();
const TTypeInfo* TSelectCellEventType();
const TTypeInfo* TGetEditEventType();
const TTypeInfo* TSetEditEventType();
const TTypeInfo* TMovedEventType();

// The cells in view along one axis: fixed ones first, then the scrolled ones from
// the first in view. Boundaries are client coordinates; each cell is followed by
// its grid line.
struct TGridAxis {
  int LineWidth = 0;
  int FixedCount = 0;
  int FixedBoundary = 0;
  int FirstCell = 0;
  int CellCount = 0;
  int GridBoundary = 0;
  int LastFullVisibleCell = 0;
};

// A cell in view along one axis: where it starts and ends (clipped to the client
// area) and where the next one starts, after the grid line.
struct TCellSpan {
  int Index = 0;
  int Start = 0;
  int End = 0;
  int Next = 0;
};

class TCustomGrid : public TCustomControl {
  KCL_CLASS(TCustomGrid, TCustomControl)
public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  int ColCount() const { return FColCount; }
  void SetColCount(int v);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int v);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int v);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int v);
  int DefaultColWidth() const { return FDefaultColWidth; }
  void SetDefaultColWidth(int v);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int v);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool v);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor v);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int v);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions v);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v);

  // Widths of single columns and heights of single rows. Setting one makes the
  // grid keep (and stream) all of them; a new default forgets them.
  int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  int RowHeights(int row) const;
  void SetRowHeights(int row, int height);

  int Col() const { return FCurrent.X; }
  void SetCol(int v) { FocusCell(v, FCurrent.Y, true); }
  int Row() const { return FCurrent.Y; }
  void SetRow(int v) { FocusCell(FCurrent.X, v, true); }
  TGridRect Selection() const;
  void SetSelection(const TGridRect& v);
  int LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int v) { MoveTopLeft(v, FTopLeft.Y); }
  int TopRow() const { return FTopLeft.Y; }
  void SetTopRow(int v) { MoveTopLeft(FTopLeft.X, v); }
  int VisibleColCount() const;
  int VisibleRowCount() const;
  bool EditorMode() const { return FEditor != nullptr; }
  void SetEditorMode(bool v);

  // Where a cell shows in client coordinates; empty when it is out of view.
  TRect CellRect(int col, int row) const;
  TGridCoord MouseCoord(int x, int y) const;
  void MouseToCell(int x, int y, int& col, int& row) const;

  TRect ClientRect() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

protected:
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
  virtual bool SelectCell(int col, int row);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void SizeChanged(int oldColCount, int oldRowCount);
  virtual void TopLeftChanged();
  virtual void ColumnMoved(int fromIndex, int toIndex);
  virtual void RowMoved(int fromIndex, int toIndex);
  virtual std::string GetEditText(int col, int row);
  virtual void SetEditText(int col, int row, const std::string& value);
  virtual std::string GetEditMask(int col, int row);
  virtual bool CanEditShow() const;
  // The options in effect: a designed grid also sizes columns and rows.
  TGridOptions EffectiveOptions() const;

  void InvalidateCell(int col, int row);
  void InvalidateGrid() { Invalidate(); }
  void MoveColumn(int fromIndex, int toIndex);
  void MoveRow(int fromIndex, int toIndex);
  // Makes (col, row) the current cell when SelectCell allows it, and scrolls it into view.
  void FocusCell(int col, int row, bool moveAnchor);
  void MoveTopLeft(int col, int row);
  TGridAxis HorzAxis() const;
  TGridAxis VertAxis() const;
  // The fixed cells, then the scrolled ones from the first in view, as far as the client area reaches.
  std::vector<TCellSpan> VisibleCells(bool horizontal) const;

  void Paint() override;
  // The grid line after a cell (right or below), or the cell's colour where the options draw none.
  void PaintGridLines(const TRect& cell, bool fixed, int vertLineWidth, int horzLineWidth);
  void PaintCell(int col, int row, const TRect& rect, bool fixed);
  void PaintBorder();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DefineProperties(TFiler& filer) override;
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  enum class TGridState { Normal, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };
  static constexpr int ScrollBarExtent = 16;

  int BorderWidth() const;
  int Extent(const std::vector<int>& extents, int index, int fallback) const;
  void SetExtent(std::vector<int>& extents, int count, int index, int value, int fallback);
  void ChangeSize(int newColCount, int newRowCount);
  void Initialize();
  void ClampPositions();
  void ScrollIntoView(int col, int row);
  TGridCoord MaxTopLeft() const;
  TGridAxis Axis(bool horizontal) const;
  int HitSizingLine(bool horizontal, int pos) const;
  void UpdateScrollBars();
  // Whether the horizontal and the vertical scroll bar show: ScrollBars allows it
  // and the cells do not fit.
  std::pair<bool, bool> ScrollBarsNeeded() const;
  bool ShowsHorzScrollBar() const;
  bool ShowsVertScrollBar() const;
  void ShowEditor();
  void HideEditor(bool save);
  void UpdateEditorBounds();
  void ReadColWidths(TReader& reader);
  void WriteColWidths(TWriter& writer);
  void ReadRowHeights(TReader& reader);
  void WriteRowHeights(TWriter& writer);

  TBorderStyle FBorderStyle = bsSingle;
  int FColCount = 5, FRowCount = 5;
  int FFixedCols = 1, FFixedRows = 1;
  int FDefaultColWidth = 64, FDefaultRowHeight = 24;
  bool FDefaultDrawing = true;
  TColor FFixedColor = clBtnFace;
  int FGridLineWidth = 1;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle FScrollBars = ssBoth;
  std::vector<int> FColWidths, FRowHeights;  // empty: every one has the default
  TGridCoord FCurrent{1, 1}, FAnchor{1, 1}, FTopLeft{1, 1};
  TGridState FGridState = TGridState::Normal;
  int FSizingIndex = 0, FSizingOffset = 0;
  int FMoveIndex = 0;
  QPointer<QScrollBar> FHorzScrollBar;
  QPointer<QScrollBar> FVertScrollBar;
  QPointer<QLineEdit> FEditor;
  TGridCoord FEditorCell;
  std::string FEditorOriginal;
  int FUpdatingScrollBars = 0;
};

}  // namespace kcl

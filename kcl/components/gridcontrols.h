#pragma once
// The grids of the palette: TDrawGrid, whose cells the program draws in
// OnDrawCell, and TStringGrid, which keeps a string and an object for each cell
// (at run time only: cells are not streamed).
#include <memory>
#include <string>
#include <vector>

#include "kcl/components/grids.h"

namespace kcl {

class TDrawGrid : public TCustomGrid {
  KCL_CLASS(TDrawGrid, TCustomGrid)
public:
  explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

  TMovedEvent OnColumnMoved;
  TDrawCellEvent OnDrawCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TMovedEvent OnRowMoved;
  TSelectCellEvent OnSelectCell;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int col, int row) override;
  void TopLeftChanged() override;
  void ColumnMoved(int fromIndex, int toIndex) override;
  void RowMoved(int fromIndex, int toIndex) override;
  std::string GetEditMask(int col, int row) override;
  std::string GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const std::string& value) override;
};

class TStringGrid;

// A row or a column of a string grid seen as a string list: its cells, in order.
// Cells can be changed, not inserted or deleted.
class TStringGridStrings : public TStrings {
  KCL_CLASS(TStringGridStrings, TStrings)
public:
  TStringGridStrings(TStringGrid* grid, bool isColumn, int index);
  void Put(int index, const std::string& s) override;
  TObject* Objects(int index) const override;
  void PutObject(int index, TObject* object) override;
  int Add(const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

protected:
  std::string Get(int index) const override;
  int GetCount() const override;

private:
  void Cell(int index, int& col, int& row) const;

  TStringGrid* FGrid;
  bool FIsColumn;
  int FIndex;
};

class TStringGrid : public TDrawGrid {
  KCL_CLASS(TStringGrid, TDrawGrid)
public:
  explicit TStringGrid(TComponent* owner);
  ~TStringGrid() override;

  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& value);
  TObject* Objects(int col, int row) const;
  void SetObjects(int col, int row, TObject* value);
  // The strings of a column or a row, bound to the grid.
  TStrings* Cols(int index);
  TStrings* Rows(int index);
  void SetCols(int index, const TStrings* value) { Cols(index)->Assign(value); }
  void SetRows(int index, const TStrings* value) { Rows(index)->Assign(value); }

protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  std::string GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const std::string& value) override;
  void SizeChanged(int oldColCount, int oldRowCount) override;
  void ColumnMoved(int fromIndex, int toIndex) override;
  void RowMoved(int fromIndex, int toIndex) override;

private:
  struct TCell {
    std::string Text;
    TObject* Object = nullptr;
  };
  const TCell* FindCell(int col, int row) const;
  TCell& CellAt(int col, int row);
  void CheckCell(int col, int row) const;

  std::vector<std::vector<TCell>> FCells;  // by row, then column; grows as cells get values
  std::vector<std::unique_ptr<TStringGridStrings>> FCols, FRows;
};

// Registers TDrawGrid and TStringGrid for streaming; calling it again does nothing.
void RegisterGrids();

}  // namespace kcl

#include "kcl/components/gridcontrols.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr const char* IndexOutOfRange = "Grid index out of range";
constexpr const char* InvalidStringGridOp = "Cannot insert or delete rows from grid";
}  // namespace

KCL_CLASS_INFO(TDrawGrid) {
  using T = TDrawGrid;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.publish({"Color"});
  cls.property("ColCount", &T::ColCount, &T::SetColCount).Default(5);
  cls.publish({"Ctl3D"});
  cls.property("DefaultColWidth", &T::DefaultColWidth, &T::SetDefaultColWidth).Default(64);
  cls.property("DefaultRowHeight", &T::DefaultRowHeight, &T::SetDefaultRowHeight).Default(24);
  cls.property("DefaultDrawing", &T::DefaultDrawing, &T::SetDefaultDrawing).Default(true);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("FixedColor", &T::FixedColor, &T::SetFixedColor, TColorType()).Default(clBtnFace);
  cls.property("FixedCols", &T::FixedCols, &T::SetFixedCols).Default(1);
  cls.property("RowCount", &T::RowCount, &T::SetRowCount).Default(5);
  cls.property("FixedRows", &T::FixedRows, &T::SetFixedRows).Default(1);
  cls.publish({"Font"});
  cls.property("GridLineWidth", &T::GridLineWidth, &T::SetGridLineWidth).Default(1);
  cls.property("Options", &T::Options, &T::SetOptions)
      .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssBoth);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick"});
  cls.event("OnColumnMoved", &T::OnColumnMoved, TMovedEventType());
  cls.publish({"OnDblClick", "OnDragDrop", "OnDragOver"});
  cls.event("OnDrawCell", &T::OnDrawCell, TDrawCellEventType());
  cls.publish({"OnEndDrag", "OnEnter", "OnExit"});
  cls.event("OnGetEditMask", &T::OnGetEditMask, TGetEditEventType());
  cls.event("OnGetEditText", &T::OnGetEditText, TGetEditEventType());
  cls.publish({"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnRowMoved", &T::OnRowMoved, TMovedEventType());
  cls.event("OnSelectCell", &T::OnSelectCell, TSelectCellEventType());
  cls.event("OnSetEditText", &T::OnSetEditText, TSetEditEventType());
  cls.publish({"OnStartDrag"});
  cls.event("OnTopLeftChanged", &T::OnTopLeftChanged, TNotifyEventType());
}

KCL_CLASS_INFO(TStringGrid) {}
KCL_CLASS_INFO(TStringGridStrings) {}

// --- TDrawGrid: each step asks the program through its event

void TDrawGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int col, int row) {
  bool canSelect = true;
  OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

void TDrawGrid::TopLeftChanged() { OnTopLeftChanged(this); }
void TDrawGrid::ColumnMoved(int fromIndex, int toIndex) { OnColumnMoved(this, fromIndex, toIndex); }
void TDrawGrid::RowMoved(int fromIndex, int toIndex) { OnRowMoved(this, fromIndex, toIndex); }

std::string TDrawGrid::GetEditMask(int col, int row) {
  std::string mask;
  OnGetEditMask(this, col, row, mask);
  return mask;
}

std::string TDrawGrid::GetEditText(int col, int row) {
  std::string text;
  OnGetEditText(this, col, row, text);
  return text;
}

void TDrawGrid::SetEditText(int col, int row, const std::string& value) { OnSetEditText(this, col, row, value); }

// --- TStringGridStrings

TStringGridStrings::TStringGridStrings(TStringGrid* grid, bool isColumn, int index)
    : FGrid(grid), FIsColumn(isColumn), FIndex(index) {}

void TStringGridStrings::Cell(int index, int& col, int& row) const {
  if (index < 0 || index >= GetCount()) throw EInvalidGridOperation(IndexOutOfRange);
  col = FIsColumn ? FIndex : index;
  row = FIsColumn ? index : FIndex;
}

int TStringGridStrings::GetCount() const { return FIsColumn ? FGrid->RowCount() : FGrid->ColCount(); }

std::string TStringGridStrings::Get(int index) const {
  int col, row;
  Cell(index, col, row);
  return FGrid->Cells(col, row);
}

void TStringGridStrings::Put(int index, const std::string& s) {
  int col, row;
  Cell(index, col, row);
  FGrid->SetCells(col, row, s);
}

TObject* TStringGridStrings::Objects(int index) const {
  int col, row;
  Cell(index, col, row);
  return FGrid->Objects(col, row);
}

void TStringGridStrings::PutObject(int index, TObject* object) {
  int col, row;
  Cell(index, col, row);
  FGrid->SetObjects(col, row, object);
}

// The first cell without a string or an object takes it; -1 when all are in use.
int TStringGridStrings::Add(const std::string& s) {
  for (int i = 0; i < GetCount(); ++i)
    if (Get(i).empty() && !Objects(i)) {
      Put(i, s);
      return i;
    }
  return -1;
}

void TStringGridStrings::Insert(int, const std::string&) { throw EInvalidGridOperation(InvalidStringGridOp); }
void TStringGridStrings::Delete(int) { throw EInvalidGridOperation(InvalidStringGridOp); }

void TStringGridStrings::Clear() {
  for (int i = 0; i < GetCount(); ++i) {
    Put(i, {});
    PutObject(i, nullptr);
  }
}

// --- TStringGrid

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {}
TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckCell(int col, int row) const {
  if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) throw EInvalidGridOperation(IndexOutOfRange);
}

const TStringGrid::TCell* TStringGrid::FindCell(int col, int row) const {
  CheckCell(col, row);
  if (row >= static_cast<int>(FCells.size()) || col >= static_cast<int>(FCells[row].size())) return nullptr;
  return &FCells[row][col];
}

TStringGrid::TCell& TStringGrid::CellAt(int col, int row) {
  CheckCell(col, row);
  if (row >= static_cast<int>(FCells.size())) FCells.resize(row + 1);
  if (col >= static_cast<int>(FCells[row].size())) FCells[row].resize(col + 1);
  return FCells[row][col];
}

std::string TStringGrid::Cells(int col, int row) const {
  const TCell* cell = FindCell(col, row);
  return cell ? cell->Text : std::string();
}

void TStringGrid::SetCells(int col, int row, const std::string& value) {
  CellAt(col, row).Text = value;
  InvalidateCell(col, row);
}

TObject* TStringGrid::Objects(int col, int row) const {
  const TCell* cell = FindCell(col, row);
  return cell ? cell->Object : nullptr;
}

void TStringGrid::SetObjects(int col, int row, TObject* value) { CellAt(col, row).Object = value; }

TStrings* TStringGrid::Cols(int index) {
  if (index < 0 || index >= ColCount()) throw EInvalidGridOperation(IndexOutOfRange);
  if (index >= static_cast<int>(FCols.size())) FCols.resize(index + 1);
  if (!FCols[index]) FCols[index] = std::make_unique<TStringGridStrings>(this, true, index);
  return FCols[index].get();
}

TStrings* TStringGrid::Rows(int index) {
  if (index < 0 || index >= RowCount()) throw EInvalidGridOperation(IndexOutOfRange);
  if (index >= static_cast<int>(FRows.size())) FRows.resize(index + 1);
  if (!FRows[index]) FRows[index] = std::make_unique<TStringGridStrings>(this, false, index);
  return FRows[index].get();
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
  if (DefaultDrawing()) Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
  TDrawGrid::DrawCell(col, row, rect, state);
}

std::string TStringGrid::GetEditText(int col, int row) {
  std::string text = Cells(col, row);
  OnGetEditText(this, col, row, text);
  return text;
}

void TStringGrid::SetEditText(int col, int row, const std::string& value) {
  SetCells(col, row, value);
  TDrawGrid::SetEditText(col, row, value);
}

void TStringGrid::SizeChanged(int, int) {
  // Cells outside the grid go; the strings of rows and columns gone are freed.
  if (static_cast<int>(FCells.size()) > RowCount()) FCells.resize(RowCount());
  for (auto& cells : FCells)
    if (static_cast<int>(cells.size()) > ColCount()) cells.resize(ColCount());
  if (static_cast<int>(FCols.size()) > ColCount()) FCols.resize(ColCount());
  if (static_cast<int>(FRows.size()) > RowCount()) FRows.resize(RowCount());
}

void TStringGrid::ColumnMoved(int fromIndex, int toIndex) {
  for (auto& cells : FCells) {
    cells.resize(ColCount());
    TCell moved = std::move(cells[fromIndex]);
    cells.erase(cells.begin() + fromIndex);
    cells.insert(cells.begin() + toIndex, std::move(moved));
  }
  TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(int fromIndex, int toIndex) {
  FCells.resize(RowCount());
  std::vector<TCell> moved = std::move(FCells[fromIndex]);
  FCells.erase(FCells.begin() + fromIndex);
  FCells.insert(FCells.begin() + toIndex, std::move(moved));
  TDrawGrid::RowMoved(fromIndex, toIndex);
}

void RegisterGrids() {
  static const bool registered = [] {
    RegisterClasses({&TDrawGrid::StaticClass(), &TStringGrid::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

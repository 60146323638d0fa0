#include "kcl/components/grids.h"

#include <algorithm>
#include <functional>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"

namespace kcl {

namespace {
constexpr const char* IndexOutOfRange = "Grid index out of range";
constexpr const char* FixedColTooBig = "Fixed column count must be less than column count";
constexpr const char* FixedRowTooBig = "Fixed row count must be less than row count";
}  // namespace

const TTypeInfo* TDrawCellEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawCellEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {0, "Col", "Longint"},
                                              {0, "Row", "Longint"},
                                              {0, "Rect", "TRect"},
                                              {0, "State", "TGridDrawState"}});
  return t;
}

const TTypeInfo* TSelectCellEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TSelectCellEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "Col", "Longint"}, {0, "Row", "Longint"}, {pfVar, "CanSelect", "Boolean"}});
  return t;
}

const TTypeInfo* TGetEditEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TGetEditEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "ACol", "Longint"}, {0, "ARow", "Longint"}, {pfVar, "Value", "string"}});
  return t;
}

const TTypeInfo* TSetEditEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TSetEditEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "ACol", "Longint"}, {0, "ARow", "Longint"}, {pfConst, "Value", "string"}});
  return t;
}

const TTypeInfo* TMovedEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TMovedEvent", mkProcedure, {{0, "Sender", "TObject"}, {0, "FromIndex", "Longint"}, {0, "ToIndex", "Longint"}});
  return t;
}

// The grid base publishes nothing; TDrawGrid and TStringGrid choose what they show.
KCL_CLASS_INFO(TCustomGrid) {}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), FColCount * FDefaultColWidth, FRowCount * FDefaultRowHeight);
}

TCustomGrid::~TCustomGrid() = default;

// --- properties

void TCustomGrid::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsNone ? bsNone : bsSingle;
  UpdateScrollBars();
}

void TCustomGrid::SetColCount(int v) {
  if (v == FColCount) return;
  v = std::max(v, 1);
  if (v <= FFixedCols) FFixedCols = v - 1;
  ChangeSize(v, FRowCount);
}

void TCustomGrid::SetRowCount(int v) {
  if (v == FRowCount) return;
  v = std::max(v, 1);
  if (v <= FFixedRows) FFixedRows = v - 1;
  ChangeSize(FColCount, v);
}

void TCustomGrid::SetFixedCols(int v) {
  if (v == FFixedCols) return;
  if (v < 0) throw EInvalidGridOperation(IndexOutOfRange);
  if (v >= FColCount) throw EInvalidGridOperation(FixedColTooBig);
  FFixedCols = v;
  Initialize();
}

void TCustomGrid::SetFixedRows(int v) {
  if (v == FFixedRows) return;
  if (v < 0) throw EInvalidGridOperation(IndexOutOfRange);
  if (v >= FRowCount) throw EInvalidGridOperation(FixedRowTooBig);
  FFixedRows = v;
  Initialize();
}

void TCustomGrid::SetDefaultColWidth(int v) {
  FColWidths.clear();
  FDefaultColWidth = v;
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int v) {
  FRowHeights.clear();
  FDefaultRowHeight = v;
  RowHeightsChanged();
}

void TCustomGrid::SetDefaultDrawing(bool v) {
  FDefaultDrawing = v;
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor v) {
  FFixedColor = v;
  Invalidate();
}

void TCustomGrid::SetGridLineWidth(int v) {
  FGridLineWidth = std::max(v, 0);
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions v) {
  if (v == FOptions) return;
  if (!v.Contains(goEditing)) HideEditor(true);
  FOptions = v;
  if (v.Contains(goRowSelect)) FAnchor.X = FColCount - 1, FCurrent.X = FFixedCols;
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle v) {
  FScrollBars = v;
  UpdateScrollBars();
}

TGridOptions TCustomGrid::EffectiveOptions() const {
  return IsDesigning() ? FOptions + TGridOptions{goColSizing, goRowSizing} : FOptions;
}

// --- column widths and row heights

int TCustomGrid::Extent(const std::vector<int>& extents, int index, int fallback) const {
  return index >= 0 && index < static_cast<int>(extents.size()) ? extents[index] : fallback;
}

void TCustomGrid::SetExtent(std::vector<int>& extents, int count, int index, int value, int fallback) {
  if (index < 0 || index >= count) throw EInvalidGridOperation(IndexOutOfRange);
  if (extents.empty()) extents.assign(count, fallback);
  extents[index] = value;
}

int TCustomGrid::ColWidths(int col) const { return Extent(FColWidths, col, FDefaultColWidth); }
int TCustomGrid::RowHeights(int row) const { return Extent(FRowHeights, row, FDefaultRowHeight); }

void TCustomGrid::SetColWidths(int col, int width) {
  SetExtent(FColWidths, FColCount, col, width, FDefaultColWidth);
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int row, int height) {
  SetExtent(FRowHeights, FRowCount, row, height, FDefaultRowHeight);
  RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  ClampPositions();
  UpdateScrollBars();
  UpdateEditorBounds();
  Invalidate();
}

void TCustomGrid::RowHeightsChanged() { ColWidthsChanged(); }

void TCustomGrid::ChangeSize(int newColCount, int newRowCount) {
  const int oldColCount = FColCount, oldRowCount = FRowCount;
  if (!FColWidths.empty()) FColWidths.resize(newColCount, FDefaultColWidth);
  if (!FRowHeights.empty()) FRowHeights.resize(newRowCount, FDefaultRowHeight);
  FColCount = newColCount;
  FRowCount = newRowCount;
  HideEditor(true);
  ClampPositions();
  SizeChanged(oldColCount, oldRowCount);
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::SizeChanged(int, int) {}

void TCustomGrid::Initialize() {
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  HideEditor(false);
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::ClampPositions() {
  auto clamp = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
  FCurrent = {clamp(FCurrent.X, 0, FColCount - 1), clamp(FCurrent.Y, 0, FRowCount - 1)};
  FAnchor = {clamp(FAnchor.X, 0, FColCount - 1), clamp(FAnchor.Y, 0, FRowCount - 1)};
  const TGridCoord max = MaxTopLeft();
  FTopLeft = {clamp(FTopLeft.X, FFixedCols, max.X), clamp(FTopLeft.Y, FFixedRows, max.Y)};
}

// --- geometry

int TCustomGrid::BorderWidth() const {
  if (FBorderStyle == bsNone) return 0;
  return Ctl3D() ? 2 : 1;
}

TGridAxis TCustomGrid::Axis(bool horizontal) const {
  TGridAxis axis;
  const TGridOptions lines =
      horizontal ? TGridOptions{goFixedVertLine, goVertLine} : TGridOptions{goFixedHorzLine, goHorzLine};
  axis.LineWidth = (FOptions * lines).Empty() ? 0 : FGridLineWidth;
  axis.FixedCount = horizontal ? FFixedCols : FFixedRows;
  axis.FirstCell = horizontal ? FTopLeft.X : FTopLeft.Y;
  axis.CellCount = horizontal ? FColCount : FRowCount;
  auto span = [&](int i) {
    const int extent = horizontal ? ColWidths(i) : RowHeights(i);
    return extent < 0 ? 0 : extent + axis.LineWidth;
  };
  for (int i = 0; i < axis.FixedCount; ++i) axis.FixedBoundary += span(i);
  const int clientExtent = horizontal ? ClientWidth() : ClientHeight();
  axis.GridBoundary = axis.FixedBoundary;
  axis.LastFullVisibleCell = axis.FirstCell;
  for (int i = axis.FirstCell; i < axis.CellCount; ++i) {
    axis.GridBoundary += span(i);
    if (axis.GridBoundary > clientExtent + axis.LineWidth) {
      axis.GridBoundary = clientExtent;
      break;
    }
    axis.LastFullVisibleCell = i;
  }
  return axis;
}

TGridAxis TCustomGrid::HorzAxis() const { return Axis(true); }
TGridAxis TCustomGrid::VertAxis() const { return Axis(false); }

int TCustomGrid::VisibleColCount() const { return HorzAxis().LastFullVisibleCell - FTopLeft.X + 1; }
int TCustomGrid::VisibleRowCount() const { return VertAxis().LastFullVisibleCell - FTopLeft.Y + 1; }

std::vector<TCellSpan> TCustomGrid::VisibleCells(bool horizontal) const {
  const TGridAxis axis = Axis(horizontal);
  const int client = horizontal ? ClientWidth() : ClientHeight();
  std::vector<TCellSpan> spans;
  int pos = 0;
  auto add = [&](int i) {
    const int extent = horizontal ? ColWidths(i) : RowHeights(i);
    if (extent < 0) return;  // a hidden cell
    spans.push_back({i, pos, std::min(pos + extent, client), pos + extent + axis.LineWidth});
    pos += extent + axis.LineWidth;
  };
  for (int i = 0; i < axis.FixedCount && pos < client; ++i) add(i);
  for (int i = axis.FirstCell; i < axis.CellCount && pos < client; ++i) add(i);
  return spans;
}

TRect TCustomGrid::CellRect(int col, int row) const {
  auto find = [](const std::vector<TCellSpan>& spans, int index) {
    return std::find_if(spans.begin(), spans.end(), [index](const TCellSpan& s) { return s.Index == index; });
  };
  const auto cols = VisibleCells(true), rows = VisibleCells(false);
  const auto c = find(cols, col);
  const auto r = find(rows, row);
  if (c == cols.end() || r == rows.end()) return {};
  return Rect(c->Start, r->Start, c->End, r->End);
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
  // A grid line belongs to the cell before it.
  auto at = [](const std::vector<TCellSpan>& spans, int pos) {
    for (const TCellSpan& s : spans)
      if (pos >= s.Start && pos < s.Next) return s.Index;
    return -1;
  };
  const int col = at(VisibleCells(true), x), row = at(VisibleCells(false), y);
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
  const TGridCoord cell = MouseCoord(x, y);
  col = cell.X;
  row = cell.Y;
}

TGridCoord TCustomGrid::MaxTopLeft() const {
  // The first scrolled cell that still lets the last ones fill the view.
  auto maxCell = [](int count, int fixed, int lineWidth, int room, const std::function<int(int)>& extent) {
    int result = count - 1;
    for (int i = count - 1; i >= fixed; --i) {
      if (extent(i) <= 0) continue;
      room -= extent(i) + lineWidth;
      if (room < 0) break;
      result = i;
    }
    return std::max(result, fixed);
  };
  const TGridAxis horz = HorzAxis(), vert = VertAxis();
  const int cols = maxCell(FColCount, FFixedCols, horz.LineWidth, ClientWidth() + horz.LineWidth - horz.FixedBoundary,
                           [this](int i) { return ColWidths(i); });
  const int rows = maxCell(FRowCount, FFixedRows, vert.LineWidth, ClientHeight() + vert.LineWidth - vert.FixedBoundary,
                           [this](int i) { return RowHeights(i); });
  return {cols, rows};
}

TRect TCustomGrid::ClientRect() const {
  const int border = BorderWidth();
  int width = Width() - 2 * border, height = Height() - 2 * border;
  if (ShowsVertScrollBar()) width -= ScrollBarExtent;
  if (ShowsHorzScrollBar()) height -= ScrollBarExtent;
  return Rect(0, 0, std::max(width, 0), std::max(height, 0));
}

void TCustomGrid::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  ClampPositions();
  UpdateScrollBars();
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  ClampPositions();
  UpdateScrollBars();
}

// --- current cell, selection and scrolling

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
              std::max(FCurrent.Y, FAnchor.Y)};
  if (FOptions.Contains(goRowSelect)) r.Left = FFixedCols, r.Right = FColCount - 1;
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& v) {
  FocusCell(v.Left, v.Top, true);
  if (FOptions.Contains(goRangeSelect) && v.Right < FColCount && v.Bottom < FRowCount) FAnchor = {v.Right, v.Bottom};
  Invalidate();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::FocusCell(int col, int row, bool moveAnchor) {
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount) throw EInvalidGridOperation(IndexOutOfRange);
  if (!SelectCell(col, row)) return;
  const bool moved = FCurrent != TGridCoord{col, row};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor(true);
  FCurrent = {col, row};
  if (moveAnchor || !FOptions.Contains(goRangeSelect)) {
    FAnchor = FCurrent;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  }
  if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
  ScrollIntoView(FCurrent.X, FCurrent.Y);
  Invalidate();
  if (FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
  if (moved) Click();
}

void TCustomGrid::ScrollIntoView(int col, int row) {
  // The first scrolled cell that shows index in full as the last one in view.
  auto firstFor = [](int index, int fixed, int lineWidth, int room, const std::function<int(int)>& extent) {
    int first = index;
    room -= std::max(extent(index), 0) + lineWidth;
    while (first > fixed && room - (std::max(extent(first - 1), 0) + lineWidth) >= 0)
      room -= std::max(extent(--first), 0) + lineWidth;
    return first;
  };
  TGridCoord topLeft = FTopLeft;
  const TGridAxis horz = HorzAxis(), vert = VertAxis();
  if (col >= FFixedCols) {
    if (col < topLeft.X)
      topLeft.X = col;
    else if (col > horz.LastFullVisibleCell)
      topLeft.X = firstFor(col, FFixedCols, horz.LineWidth, ClientWidth() + horz.LineWidth - horz.FixedBoundary,
                           [this](int i) { return ColWidths(i); });
  }
  if (row >= FFixedRows) {
    if (row < topLeft.Y)
      topLeft.Y = row;
    else if (row > vert.LastFullVisibleCell)
      topLeft.Y = firstFor(row, FFixedRows, vert.LineWidth, ClientHeight() + vert.LineWidth - vert.FixedBoundary,
                           [this](int i) { return RowHeights(i); });
  }
  MoveTopLeft(topLeft.X, topLeft.Y);
}

void TCustomGrid::MoveTopLeft(int col, int row) {
  const TGridCoord max = MaxTopLeft();
  const TGridCoord topLeft{std::max(FFixedCols, std::min(col, max.X)), std::max(FFixedRows, std::min(row, max.Y))};
  if (topLeft == FTopLeft) return;
  FTopLeft = topLeft;
  UpdateScrollBars();
  UpdateEditorBounds();
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {}

void TCustomGrid::InvalidateCell(int, int) { Invalidate(); }

// --- moving columns and rows

void TCustomGrid::MoveColumn(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  if (fromIndex < 0 || toIndex < 0 || fromIndex >= FColCount || toIndex >= FColCount)
    throw EInvalidGridOperation(IndexOutOfRange);
  if (!FColWidths.empty()) {
    const int width = FColWidths[fromIndex];
    FColWidths.erase(FColWidths.begin() + fromIndex);
    FColWidths.insert(FColWidths.begin() + toIndex, width);
  }
  ColumnMoved(fromIndex, toIndex);
  Invalidate();
}

void TCustomGrid::MoveRow(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  if (fromIndex < 0 || toIndex < 0 || fromIndex >= FRowCount || toIndex >= FRowCount)
    throw EInvalidGridOperation(IndexOutOfRange);
  if (!FRowHeights.empty()) {
    const int height = FRowHeights[fromIndex];
    FRowHeights.erase(FRowHeights.begin() + fromIndex);
    FRowHeights.insert(FRowHeights.begin() + toIndex, height);
  }
  RowMoved(fromIndex, toIndex);
  Invalidate();
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

// --- editing text (descendants keep it)

std::string TCustomGrid::GetEditText(int, int) { return {}; }
void TCustomGrid::SetEditText(int, int, const std::string&) {}
std::string TCustomGrid::GetEditMask(int, int) { return {}; }

bool TCustomGrid::CanEditShow() const {
  return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && !IsDesigning() &&
         FCurrent.X >= FFixedCols && FCurrent.Y >= FFixedRows;
}

// --- streaming: the extents, only when the grid keeps them one by one

void TCustomGrid::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  auto* ancestor = dynamic_cast<TCustomGrid*>(filer.Ancestor());
  const bool colWidths = ancestor ? FColWidths != ancestor->FColWidths : !FColWidths.empty();
  const bool rowHeights = ancestor ? FRowHeights != ancestor->FRowHeights : !FRowHeights.empty();
  filer.DefineProperty(
      "ColWidths", [this](TReader& r) { ReadColWidths(r); }, [this](TWriter& w) { WriteColWidths(w); }, colWidths);
  filer.DefineProperty(
      "RowHeights", [this](TReader& r) { ReadRowHeights(r); }, [this](TWriter& w) { WriteRowHeights(w); }, rowHeights);
}

namespace {
// A list of extents; values past the count the grid has are dropped.
void ReadExtents(TReader& reader, int count, const std::function<void(int, int)>& set) {
  reader.ReadListBegin();
  for (int i = 0; !reader.EndOfList(); ++i) {
    const int value = reader.ReadInteger();
    if (i < count) set(i, value);
  }
  reader.ReadListEnd();
}

void WriteExtents(TWriter& writer, int count, const std::function<int(int)>& get) {
  writer.WriteListBegin();
  for (int i = 0; i < count; ++i) writer.WriteInteger(get(i));
  writer.WriteListEnd();
}
}  // namespace

void TCustomGrid::ReadColWidths(TReader& reader) {
  ReadExtents(reader, FColCount, [this](int i, int v) { SetColWidths(i, v); });
}

void TCustomGrid::WriteColWidths(TWriter& writer) {
  WriteExtents(writer, FColCount, [this](int i) { return ColWidths(i); });
}

void TCustomGrid::ReadRowHeights(TReader& reader) {
  ReadExtents(reader, FRowCount, [this](int i, int v) { SetRowHeights(i, v); });
}

void TCustomGrid::WriteRowHeights(TWriter& writer) {
  WriteExtents(writer, FRowCount, [this](int i) { return RowHeights(i); });
}

}  // namespace kcl

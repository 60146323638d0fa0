// How a grid answers the user: the mouse selects cells, sizes columns and rows by
// their lines in the fixed cells and drags them to new places; keys move the
// current cell; the scroll bars move the cells in view; an edit box over the
// current cell changes its text.
#include "kcl/components/grids.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"

namespace kcl {

namespace {
constexpr Word VK_F2 = VK_F1 + 1;
}

// --- scroll bars

std::pair<bool, bool> TCustomGrid::ScrollBarsNeeded() const {
  const int innerWidth = Width() - 2 * BorderWidth(), innerHeight = Height() - 2 * BorderWidth();
  auto total = [](int count, int lineWidth, const std::function<int(int)>& extent) {
    int sum = 0;
    for (int i = 0; i < count; ++i) sum += extent(i) < 0 ? 0 : extent(i) + lineWidth;
    return sum - lineWidth;
  };
  const int lineWidth = FGridLineWidth;
  const bool vertLines = !(FOptions * TGridOptions{goFixedVertLine, goVertLine}).Empty();
  const bool horzLines = !(FOptions * TGridOptions{goFixedHorzLine, goHorzLine}).Empty();
  const int width = total(FColCount, vertLines ? lineWidth : 0, [this](int i) { return ColWidths(i); });
  const int height = total(FRowCount, horzLines ? lineWidth : 0, [this](int i) { return RowHeights(i); });
  const bool mayHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  const bool mayVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
  bool horz = mayHorz && width > innerWidth, vert = mayVert && height > innerHeight;
  if (horz && !vert) vert = mayVert && height > innerHeight - ScrollBarExtent;
  if (vert && !horz) horz = mayHorz && width > innerWidth - ScrollBarExtent;
  return {horz, vert};
}

bool TCustomGrid::ShowsHorzScrollBar() const { return ScrollBarsNeeded().first; }
bool TCustomGrid::ShowsVertScrollBar() const { return ScrollBarsNeeded().second; }

void TCustomGrid::UpdateScrollBars() {
  Invalidate();
  if (!FHorzScrollBar || !FVertScrollBar) return;
  ++FUpdatingScrollBars;
  const auto [horz, vert] = ScrollBarsNeeded();
  const int border = BorderWidth(), innerWidth = Width() - 2 * border, innerHeight = Height() - 2 * border;
  const TGridCoord max = MaxTopLeft();
  FHorzScrollBar->setVisible(horz);
  FHorzScrollBar->setGeometry(border, Height() - border - ScrollBarExtent, innerWidth - (vert ? ScrollBarExtent : 0),
                              ScrollBarExtent);
  FHorzScrollBar->setRange(FFixedCols, max.X);
  FHorzScrollBar->setPageStep(std::max(VisibleColCount(), 1));
  FHorzScrollBar->setValue(FTopLeft.X);
  FVertScrollBar->setVisible(vert);
  FVertScrollBar->setGeometry(Width() - border - ScrollBarExtent, border, ScrollBarExtent,
                              innerHeight - (horz ? ScrollBarExtent : 0));
  FVertScrollBar->setRange(FFixedRows, max.Y);
  FVertScrollBar->setPageStep(std::max(VisibleRowCount(), 1));
  FVertScrollBar->setValue(FTopLeft.Y);
  --FUpdatingScrollBars;
}

QWidget* TCustomGrid::CreateWidget(QWidget* parentWidget) {
  QWidget* widget = TCustomControl::CreateWidget(parentWidget);
  auto makeBar = [&](Qt::Orientation orientation) {
    auto* bar = new QScrollBar(orientation, widget);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    UseWindowsStyle(bar);
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, orientation](int value) {
      if (FUpdatingScrollBars) return;
      if (orientation == Qt::Horizontal)
        MoveTopLeft(value, FTopLeft.Y);
      else
        MoveTopLeft(FTopLeft.X, value);
    });
    return bar;
  };
  FHorzScrollBar = makeBar(Qt::Horizontal);
  FVertScrollBar = makeBar(Qt::Vertical);
  return widget;
}

void TCustomGrid::InitWidget() {
  TCustomControl::InitWidget();
  UpdateScrollBars();
}

// --- mouse

int TCustomGrid::HitSizingLine(bool horizontal, int pos) const {
  // A line between scrolled cells, or the edge of the last one, within a few pixels.
  const TGridAxis axis = Axis(horizontal);
  const int range = std::max(axis.LineWidth, 7), back = (range - axis.LineWidth) / 2;
  for (const TCellSpan& cell : VisibleCells(horizontal)) {
    const int line = cell.Next - axis.LineWidth;  // where the cell ends, unclipped
    if (cell.Index >= axis.FixedCount && pos >= line - back && pos <= line - back + range) return cell.Index;
  }
  return -1;
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  x -= BorderWidth(), y -= BorderWidth();
  if (!ClientRect().Contains({x, y})) return;  // the border or a scroll bar
  if (button == mbLeft) {
    const TGridOptions options = EffectiveOptions();
    const TGridAxis horz = HorzAxis(), vert = VertAxis();
    int sizing = -1;
    if (options.Contains(goColSizing) && y < vert.FixedBoundary && (sizing = HitSizingLine(true, x)) >= 0) {
      FGridState = TGridState::ColSizing;
      FSizingIndex = sizing;
      FSizingOffset = CellRect(sizing, 0).Left;
    } else if (options.Contains(goRowSizing) && x < horz.FixedBoundary && (sizing = HitSizingLine(false, y)) >= 0) {
      FGridState = TGridState::RowSizing;
      FSizingIndex = sizing;
      FSizingOffset = CellRect(0, sizing).Top;
    } else if (const TGridCoord cell = MouseCoord(x, y); cell.X >= 0 && !IsDesigning()) {
      if (cell.Y < FFixedRows && cell.X >= FFixedCols && options.Contains(goColMoving)) {
        FGridState = TGridState::ColMoving;
        FMoveIndex = cell.X;
      } else if (cell.X < FFixedCols && cell.Y >= FFixedRows && options.Contains(goRowMoving)) {
        FGridState = TGridState::RowMoving;
        FMoveIndex = cell.Y;
      } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
        if (shift.Contains(ssDouble) && cell == FCurrent && CanEditShow()) {
          ShowEditor();
        } else {
          FocusCell(cell.X, cell.Y, !(shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)));
          FGridState = TGridState::Selecting;
        }
      }
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
  x -= BorderWidth(), y -= BorderWidth();
  switch (FGridState) {
    case TGridState::Selecting:
      if (const TGridCoord cell = MouseCoord(x, y);
          FOptions.Contains(goRangeSelect) && cell.X >= FFixedCols && cell.Y >= FFixedRows && cell != FCurrent)
        FocusCell(cell.X, cell.Y, false);
      break;
    case TGridState::ColSizing:
      SetColWidths(FSizingIndex, std::max(x - FSizingOffset, 1));
      break;
    case TGridState::RowSizing:
      SetRowHeights(FSizingIndex, std::max(y - FSizingOffset, 1));
      break;
    default:
      break;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  x -= BorderWidth(), y -= BorderWidth();
  const TGridCoord cell = MouseCoord(x, y);
  if (FGridState == TGridState::ColMoving && cell.X >= FFixedCols) MoveColumn(FMoveIndex, cell.X);
  if (FGridState == TGridState::RowMoving && cell.Y >= FFixedRows) MoveRow(FMoveIndex, cell.Y);
  FGridState = TGridState::Normal;
  TCustomControl::MouseUp(button, shift, x, y);
}

// --- keys

void TCustomGrid::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (EditorMode()) {
    switch (key) {
      case VK_ESCAPE:
        HideEditor(false);
        key = 0;
        return;
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_TAB:
        HideEditor(true);
        break;
      default:
        return;  // the edit box has it
    }
  }
  const int pageRows = std::max(VisibleRowCount(), 1);
  TGridCoord next = FCurrent;
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_UP:
      --next.Y;
      break;
    case VK_DOWN:
      ++next.Y;
      break;
    case VK_LEFT:
      --next.X;
      break;
    case VK_RIGHT:
      ++next.X;
      break;
    case VK_PRIOR:
      next.Y -= pageRows;
      break;
    case VK_NEXT:
      next.Y += pageRows;
      break;
    case VK_HOME:
      ctrl ? (next.Y = FFixedRows) : (next.X = FFixedCols);
      break;
    case VK_END:
      ctrl ? (next.Y = FRowCount - 1) : (next.X = FColCount - 1);
      break;
    case VK_TAB:
      if (!FOptions.Contains(goTabs)) return;
      if (shift.Contains(ssShift)) {
        if (--next.X < FFixedCols) next = {FColCount - 1, next.Y - 1};
      } else if (++next.X >= FColCount) {
        next = {FFixedCols, next.Y + 1};
      }
      if (next.Y < FFixedRows || next.Y >= FRowCount) return;
      break;
    case VK_F2:
      if (CanEditShow()) ShowEditor();
      return;
    default:
      return;
  }
  next.X = std::max(FFixedCols, std::min(next.X, FColCount - 1));
  next.Y = std::max(FFixedRows, std::min(next.Y, FRowCount - 1));
  if (next != FCurrent) FocusCell(next.X, next.Y, !(shift.Contains(ssShift) && FOptions.Contains(goRangeSelect)));
  key = 0;
}

// --- the edit box

void TCustomGrid::SetEditorMode(bool v) {
  if (v)
    ShowEditor();
  else
    HideEditor(true);
}

// Enter opens and closes the edit box; a character typed on a cell opens it
// with that character in place of the cell's text.
void TCustomGrid::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  if (key == 0 || !FOptions.Contains(goEditing)) return;
  if (key == '\r') {
    if (EditorMode())
      HideEditor(true);
    else if (!FOptions.Contains(goAlwaysShowEditor))
      ShowEditor();
    key = 0;
  } else if (!EditorMode() && (key == '\b' || static_cast<unsigned char>(key) >= 32) && CanEditShow()) {
    ShowEditor();
    if (FEditor) {
      const QString text = key == '\b' ? QString() : AnsiToQString(std::string(1, key));
      FEditor->setText(text);
      SetEditText(FEditorCell.X, FEditorCell.Y, cp1252::Encode(text));
    }
    key = 0;
  }
}

void TCustomGrid::ShowEditor() {
  if (EditorMode() || !CanEditShow()) return;
  HandleNeeded();
  if (!FWidget) return;
  FEditorCell = FCurrent;
  FEditorOriginal = GetEditText(FCurrent.X, FCurrent.Y);
  auto* editor = new QLineEdit(AnsiToQString(FEditorOriginal), FWidget);
  UseWindowsStyle(editor);
  editor->setFrame(false);
  QObject::connect(editor, &QLineEdit::textEdited, editor,
                   [this](const QString& text) { SetEditText(FEditorCell.X, FEditorCell.Y, cp1252::Encode(text)); });
  FEditor = editor;
  UpdateEditorBounds();
  editor->show();
  editor->setFocus();
  editor->selectAll();
}

void TCustomGrid::HideEditor(bool keep) {
  if (!FEditor) return;
  QLineEdit* editor = FEditor;
  FEditor = nullptr;
  if (!keep) SetEditText(FEditorCell.X, FEditorCell.Y, FEditorOriginal);
  const bool hadFocus = editor->hasFocus();
  editor->hide();
  // The edit box may be handling the key that closes it.
  editor->deleteLater();
  if (hadFocus && FWidget) FWidget->setFocus();
  Invalidate();
}

void TCustomGrid::UpdateEditorBounds() {
  if (!FEditor) return;
  const TRect r = CellRect(FEditorCell.X, FEditorCell.Y);
  FEditor->setVisible(r.Width() > 0 && r.Height() > 0);
  FEditor->setGeometry(r.Left + BorderWidth(), r.Top + BorderWidth(), r.Width(), r.Height());
}

}  // namespace kcl

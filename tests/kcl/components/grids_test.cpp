// The grids: the extents they stream themselves, their layout, and what mouse
// and keys do to them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "kcl/components/gridcontrols.h"
#include "support/formrecords.h"
#include "support/formtext.h"
#include "support/recordroot.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

// A string grid of 5 x 5 cells of 64 x 24 (lines of 1) without border or scroll bars.
struct PlainGrid {
  FormPtr Form = NewForm(500, 400);
  TStringGrid* Grid;
  PlainGrid() {
    Grid = Create<TStringGrid>(Form.get(), Form.get(), "StringGrid1");
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 200, 100);
  }
  QLineEdit* Editor() const {
    for (QLineEdit* edit : Grid->Widget()->findChildren<QLineEdit*>())
      if (edit->isVisible()) return edit;
    return nullptr;
  }
  QPoint At(int col, int row) const {
    const TRect r = Grid->CellRect(col, row);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

}  // namespace

TEST(Grids, ExtentsSetOneByOneStreamAsListsUntilANewDefault) {
  RegisterGrids();
  RecordRootPtr root = NewRecordRoot("Root");
  auto* grid = Create<TStringGrid>(root.get(), root.get(), "StringGrid1");
  grid->SetColCount(3);
  grid->SetRowCount(2);
  grid->SetColWidths(1, 100);
  grid->SetRowHeights(0, 30);
  grid->SetRowHeights(1, 24);  // equal to the default, kept all the same
  const std::string text = WriteTextLf(root.get());
  const std::string expected =
      "object StringGrid1: TStringGrid\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 120\n"
      "  ColCount = 3\n  RowCount = 2\n  TabOrder = 0\n  ColWidths = (\n    64\n    100\n    64)\n"
      "  RowHeights = (\n    30\n    24)\nend\n";
  EXPECT_EQ(RecordOf(text, "StringGrid1"), expected);

  RecordRootPtr copy = NewRecordRoot();
  ReadText(copy.get(), text);
  auto* read = static_cast<TStringGrid*>(copy->FindComponent("StringGrid1"));
  EXPECT_EQ(read->ColWidths(1), 100);
  EXPECT_EQ(read->RowHeights(0), 30);
  EXPECT_EQ(WriteTextLf(copy.get()), text);

  // More columns take the default; a new default forgets the single widths.
  read->SetColCount(4);
  EXPECT_EQ(read->ColWidths(3), 64);
  read->SetDefaultColWidth(50);
  EXPECT_EQ(read->ColWidths(1), 50);
  EXPECT_EQ(WriteTextLf(copy.get()).find("ColWidths"), std::string::npos);
  EXPECT_NE(WriteTextLf(copy.get()).find("RowHeights"), std::string::npos);

  // A list longer than the grid keeps what fits; a list of strings is no list of extents.
  RecordRootPtr longer = NewRecordRoot();
  ReadText(longer.get(),
           "object Root: TRecordRoot\n  object G: TDrawGrid\n    ColCount = 2\n"
           "    ColWidths = (\n      10\n      20\n      30)\n  end\nend\n");
  auto* g = static_cast<TDrawGrid*>(longer->FindComponent("G"));
  EXPECT_EQ(g->ColWidths(0), 10);
  EXPECT_EQ(g->ColWidths(1), 20);
  RecordRootPtr bad = NewRecordRoot();
  EXPECT_THROW(ReadText(bad.get(),
                        "object Root: TRecordRoot\n  object G: TDrawGrid\n"
                        "    ColWidths = (\n      'wide')\n  end\nend\n"),
               EReadError);
}

TEST(Grids, LayOutCellsAfterTheFixedOnesAndScrollACellAtATime) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  EXPECT_EQ(grid->CellRect(0, 0), Rect(0, 0, 64, 24));
  EXPECT_EQ(grid->CellRect(2, 1), Rect(130, 25, 194, 49));
  EXPECT_EQ(grid->CellRect(3, 0), Rect(195, 0, 200, 24));  // cut at the edge
  EXPECT_EQ(grid->CellRect(4, 0), TRect{});                // out of view
  EXPECT_EQ(grid->VisibleColCount(), 2);
  EXPECT_EQ(grid->VisibleRowCount(), 3);
  int col = 0, row = 0;
  grid->MouseToCell(64, 24, col, row);  // a line belongs to the cell before it
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 0);
  grid->MouseToCell(65, 90, col, row);
  EXPECT_EQ(col, 1);
  EXPECT_EQ(row, 3);
  grid->MouseToCell(199, 300, col, row);
  EXPECT_EQ(col, -1);

  // Moving to a cell out of view scrolls it in; the fixed cells stay.
  grid->SetCol(4);
  EXPECT_EQ(grid->LeftCol(), 3);
  EXPECT_EQ(grid->CellRect(4, 1), Rect(130, 25, 194, 49));
  EXPECT_EQ(grid->CellRect(0, 1), Rect(0, 25, 64, 49));
  EXPECT_EQ(grid->CellRect(2, 1), TRect{});
  grid->SetLeftCol(99);
  EXPECT_EQ(grid->LeftCol(), 3);  // no further than the last cells fill the view
  grid->SetColCount(2);
  EXPECT_EQ(grid->LeftCol(), 1);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->FixedCols(), 1);
  grid->SetColCount(1);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_THROW(grid->SetFixedRows(5), EInvalidGridOperation);
  EXPECT_THROW(grid->SetColWidths(3, 10), EInvalidGridOperation);
  EXPECT_THROW(grid->Cells(1, 0), EInvalidGridOperation);
}

TEST(Grids, BorderAndScrollBarsTakeTheirRoomFromTheClientArea) {
  FormPtr form = NewForm(500, 400);
  auto* grid = Create<TDrawGrid>(form.get(), form.get(), "DrawGrid1");  // 320 x 120, 5 x 5 of 64 x 24
  form->Show();
  EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 300, 100));
  auto bars = grid->Widget()->findChildren<QScrollBar*>();
  ASSERT_EQ(bars.size(), 2);
  EXPECT_TRUE(bars[0]->isVisible());
  EXPECT_TRUE(bars[1]->isVisible());
  bars[1]->setValue(2);
  EXPECT_EQ(grid->TopRow(), 2);
  grid->SetScrollBars(ssNone);
  EXPECT_FALSE(bars[0]->isVisible());
  EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 316, 116));
  grid->SetBorderStyle(bsNone);
  EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 320, 120));
  grid->SetScrollBars(ssBoth);
  grid->SetDefaultColWidth(20);
  EXPECT_EQ(grid->ClientRect(), Rect(0, 0, 320 - 16, 120));  // only the rows need scrolling
}

TEST(Grids, ClicksAndKeysMoveTheCurrentCellAsSelectCellAllows) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  p.Form->Show();
  std::vector<std::string> log;
  bool allow = true;
  grid->OnSelectCell.SetHandler([&](TObject*, int c, int r, bool& can) {
    log.push_back("select " + std::to_string(c) + "," + std::to_string(r));
    can = allow;
  });
  grid->OnClick.SetHandler([&](TObject*) { log.push_back("click"); });
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, p.At(2, 2));
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  allow = false;
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, p.At(1, 1));
  EXPECT_EQ(grid->Col(), 2);
  allow = true;
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, p.At(0, 1));  // fixed: nothing
  QTest::keyClick(grid->Widget(), Qt::Key_Down);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->TopRow(), 1);  // row 3 shows in full
  QTest::keyClick(grid->Widget(), Qt::Key_Down);
  EXPECT_EQ(grid->TopRow(), 2);  // row 4 comes into view
  QTest::keyClick(grid->Widget(), Qt::Key_Home);
  EXPECT_EQ(grid->Col(), 1);
  // A click with Shift stretches the selection from the anchor.
  QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::ShiftModifier, p.At(2, 3));
  EXPECT_EQ((grid->Selection()), (TGridRect{1, 3, 2, 4}));
  EXPECT_EQ(log, (std::vector<std::string>{"select 2,2", "click", "select 1,1", "select 2,3", "click", "select 2,4",
                                           "click", "select 1,4", "click", "select 2,3", "click"}));
}

TEST(Grids, ColumnsSizeByTheirLinesInTheFixedRowAndMoveWhenAllowed) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goColMoving});
  grid->SetCells(1, 1, "one");
  grid->SetCells(2, 1, "two");
  p.Form->Show();
  QTest::mousePress(grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(129, 10));  // the line after column 1
  QTest::mouseMove(grid->Widget(), QPoint(100, 10));
  QTest::mouseRelease(grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
  EXPECT_EQ(grid->ColWidths(1), 35);
  std::vector<int> moved;
  grid->OnColumnMoved.SetHandler([&](TObject*, int from, int to) { moved = {from, to}; });
  QTest::mousePress(grid->Widget(), Qt::LeftButton, Qt::NoModifier, p.At(1, 0));
  QTest::mouseRelease(grid->Widget(), Qt::LeftButton, Qt::NoModifier, p.At(2, 0));
  EXPECT_EQ(moved, (std::vector<int>{1, 2}));
  EXPECT_EQ(grid->Cells(1, 1), "two");
  EXPECT_EQ(grid->Cells(2, 1), "one");
  EXPECT_EQ(grid->ColWidths(2), 35);  // the width goes with the column
}

TEST(Grids, EditBoxChangesTheCellAndEscapeRestoresIt) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  grid->SetCells(1, 1, "old");
  std::string setText;
  grid->OnSetEditText.SetHandler([&](TObject*, int, int, const std::string& v) { setText = v; });
  p.Form->Show();
  grid->SetFocus();
  QTest::keyClick(grid->Widget(), Qt::Key_F2);
  EXPECT_FALSE(grid->EditorMode());  // not without goEditing
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  QTest::keyClick(grid->Widget(), Qt::Key_F2);
  ASSERT_TRUE(grid->EditorMode());
  QLineEdit* edit = p.Editor();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "old");
  QTest::keyClicks(edit, "new");
  EXPECT_EQ(grid->Cells(1, 1), "new");
  EXPECT_EQ(setText, "new");
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "old");
  grid->SetEditorMode(true);
  edit = p.Editor();
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "kept");
  QTest::keyClick(edit, Qt::Key_Down);  // leaves the cell with its text
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "kept");
  EXPECT_EQ(grid->Row(), 2);
}

// A character typed on a cell opens the edit box with it; Enter closes and opens
// the box; a character OnKeyPress takes opens nothing.
TEST(Grids, TypingOnACellStartsEditingIt) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  grid->SetCells(1, 1, "old");
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  p.Form->Show();
  grid->SetFocus();
  QTest::keyClick(grid->Widget(), 'x');
  ASSERT_TRUE(grid->EditorMode());
  QLineEdit* edit = p.Editor();
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "x");
  QTest::keyClicks(edit, "yz");
  EXPECT_EQ(grid->Cells(1, 1), "xyz");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "xyz");
  QTest::keyClick(grid->Widget(), Qt::Key_Return);
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(p.Editor()->text(), "xyz");
  QTest::keyClick(p.Editor(), Qt::Key_Escape);
  EXPECT_FALSE(grid->EditorMode());

  std::string pressed;
  grid->OnKeyPress.SetHandler([&](TObject*, char& key) {
    pressed += key;
    if (key == 'q') key = 0;
  });
  QTest::keyClick(grid->Widget(), 'q');
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "xyz");
  QTest::keyClick(grid->Widget(), Qt::Key_Backspace);
  ASSERT_TRUE(grid->EditorMode());
  EXPECT_EQ(p.Editor()->text(), "");
  EXPECT_EQ(pressed, "q\b");
}

TEST(Grids, StringGridRowsAndColumnsAreListsOfItsCells) {
  PlainGrid p;
  TStringGrid* grid = p.Grid;
  grid->Rows(1)->SetCommaText("a,b,c");
  EXPECT_EQ(grid->Cells(2, 1), "c");
  EXPECT_EQ(grid->Cols(2)->Strings(1), "c");
  EXPECT_EQ(grid->Cols(2)->Count(), 5);
  EXPECT_EQ(grid->Cols(2)->Add("d"), 0);
  EXPECT_EQ(grid->Cells(2, 0), "d");
  EXPECT_THROW(grid->Rows(1)->Insert(0, "x"), EInvalidGridOperation);
  EXPECT_THROW(grid->Rows(1)->Delete(0), EInvalidGridOperation);
  grid->Cols(0)->Clear();
  EXPECT_EQ(grid->Cells(0, 1), "");
  grid->SetObjects(4, 4, grid);
  grid->SetRowCount(2);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->Objects(4, 4), nullptr);  // gone with its row
  EXPECT_EQ(grid->Cells(1, 1), "b");
}

TEST(Grids, CellsAreDrawnWithTheirStateAndFixedOnesInTheFixedColor) {
  PlainGrid p;
  auto* grid = Create<TDrawGrid>(p.Form.get(), p.Form.get(), "DrawGrid1");
  grid->SetBorderStyle(bsNone);
  grid->SetScrollBars(ssNone);
  grid->SetBounds(0, 150, 200, 100);
  grid->SetFixedColor(clRed);
  std::vector<std::string> drawn;
  grid->OnDrawCell.SetHandler([&](TObject*, int c, int r, TRect rect, TGridDrawState state) {
    if (c == 1 && r == 1)
      drawn.push_back(std::to_string(rect.Left) + "," + std::to_string(rect.Top) +
                      (state.Contains(gdSelected) ? " selected" : "") + (state.Contains(gdFixed) ? " fixed" : ""));
    if (c == 0 && r == 0 && state.Contains(gdFixed)) drawn.push_back("corner");
  });
  p.Form->Show();
  QApplication::processEvents();
  drawn.clear();
  const QImage image = grid->Widget()->grab().toImage();
  EXPECT_EQ(drawn, (std::vector<std::string>{"corner", "65,25 selected"}));
  EXPECT_EQ(image.pixelColor(30, 5), QColor(Qt::red));          // a fixed cell
  EXPECT_EQ(image.pixelColor(64, 5), QColor(Qt::black));        // the line after it
  EXPECT_EQ(image.pixelColor(129, 40), QColor(192, 192, 192));  // a line among the others
}

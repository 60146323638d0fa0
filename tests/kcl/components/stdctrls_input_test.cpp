// The standard controls on their Qt peers: clicks, keys, selection, owner
// drawing, and the layout rules of labels, panels, group boxes and splitters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "kcl/controls/designer.h"
#include "stdform.h"

using namespace kcl;
using namespace korvax::test;

namespace {

class TSwallowingDesigner : public TDesigner {
public:
  bool IsDesignMsg(TControl*, TMessage& message) override { return message.Msg >= WM_KEYDOWN; }
  void Modified() override {}
  void Notification(TComponent*, TOperation) override {}
  void PaintGrid() override {}
  void ValidateRename(TComponent*, const std::string&, const std::string&) override {}
};

StdFormPtr ShownForm() {
  StdFormPtr form = NewStdForm();
  form->Show();
  return form;
}

void ClickAt(TControl* control, int x = 5, int y = 5) {
  QTest::mouseClick(control->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

}  // namespace

TEST(StdCtrlsInput, ButtonSetsTheFormsModalResultBeforeOnClick) {
  StdFormPtr form = ShownForm();
  auto* button = Place<TButton>(form.get(), "Button1");
  button->SetModalResult(mrYes);
  TModalResult seen = -1;
  button->OnClick.SetHandler([&](TObject*) { seen = form->ModalResult(); });
  ClickAt(button);
  EXPECT_EQ(seen, mrYes);
  // A bkClose button closes its form instead of clicking.
  auto* close = Place<TBitBtn>(form.get(), "BitBtn1", 100, 8);
  close->SetKind(bkClose);
  int clicks = 0;
  close->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(close);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(form->Showing());
}

TEST(StdCtrlsInput, DesignedControlsIgnoreTheirPeersInput) {
  StdFormPtr form = ShownForm();
  TSwallowingDesigner designer;
  form->SetDesigner(&designer);
  auto* button = Place<TButton>(form.get(), "Button1");
  auto* check = Place<TCheckBox>(form.get(), "CheckBox1", 8, 40);
  button->SetDesigning(true);
  check->SetDesigning(true);
  int clicks = 0;
  button->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(button);
  ClickAt(check);
  static_cast<QAbstractButton*>(check->Widget())->click();  // a click that got past the designer
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(check->Checked());
  form->SetDesigner(nullptr);
}

TEST(StdCtrlsInput, CheckBoxesAndRadioButtonsToggleAndClick) {
  StdFormPtr form = ShownForm();
  auto* check = Place<TCheckBox>(form.get(), "CheckBox1");
  std::vector<TCheckBoxState> states;
  check->OnClick.SetHandler([&](TObject*) { states.push_back(check->State()); });
  ClickAt(check);
  ClickAt(check);
  check->SetAllowGrayed(true);
  ClickAt(check);
  ClickAt(check);
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked, cbGrayed, cbChecked}));
  EXPECT_EQ(static_cast<QCheckBox*>(check->Widget())->checkState(), Qt::Checked);

  auto* group = Place<TGroupBox>(form.get(), "GroupBox1", 8, 40);
  auto* a = Place<TRadioButton>(form.get(), "A", 8, 160);
  auto* b = Place<TRadioButton>(form.get(), "B", 8, 180);
  auto* inGroup = Place<TRadioButton>(group, "C", 8, 20);
  inGroup->SetChecked(true);
  int clicks = 0;
  b->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(a);
  EXPECT_TRUE(a->Checked());
  ClickAt(b);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(b->TabStop());
  EXPECT_FALSE(a->TabStop());
  EXPECT_TRUE(inGroup->Checked());  // another parent, another group
  ClickAt(b);                       // clicking a checked one keeps it checked
  EXPECT_TRUE(static_cast<QAbstractButton*>(b->Widget())->isChecked());
  EXPECT_EQ(clicks, 1);
}

TEST(StdCtrlsInput, RadioGroupMakesButtonsFromItems) {
  StdFormPtr form = ShownForm();
  auto* radios = Place<TRadioGroup>(form.get(), "RadioGroup1");
  radios->Items()->SetCommaText("one,two,three,four");
  radios->SetColumns(2);
  ASSERT_EQ(radios->ButtonCount(), 4);
  EXPECT_EQ(radios->Buttons(2)->Caption(), "three");
  EXPECT_EQ(radios->Buttons(2)->Left(), radios->Buttons(3)->Left());  // two per column
  EXPECT_GT(radios->Buttons(2)->Left(), radios->Buttons(0)->Left());
  int clicks = 0;
  radios->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(radios->Buttons(3), 5, radios->Buttons(3)->Height() / 2);
  EXPECT_EQ(radios->ItemIndex(), 3);
  EXPECT_EQ(clicks, 1);
  radios->SetItemIndex(0);
  EXPECT_TRUE(radios->Buttons(0)->Checked());
  EXPECT_FALSE(radios->Buttons(3)->Checked());
  EXPECT_THROW(radios->SetItemIndex(4), EListError);
  radios->Items()->Delete(3);
  EXPECT_EQ(radios->ButtonCount(), 3);
}

TEST(StdCtrlsInput, SpeedButtonGroupsStayDownExclusively) {
  StdFormPtr form = ShownForm();
  auto* plain = Place<TSpeedButton>(form.get(), "Plain");
  auto* a = Place<TSpeedButton>(form.get(), "A", 40, 8);
  auto* b = Place<TSpeedButton>(form.get(), "B", 70, 8);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  plain->OnClick.SetHandler([&](TObject*) { ++clicks; });
  ClickAt(plain);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(plain->Down());  // without a group a button springs back
  ClickAt(a);
  EXPECT_TRUE(a->Down());
  ClickAt(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  ClickAt(b);
  EXPECT_TRUE(b->Down());  // the group must keep one down
  a->SetAllowAllUp(true);  // for the whole group
  EXPECT_TRUE(b->AllowAllUp());
  ClickAt(b);
  EXPECT_FALSE(b->Down());
  QTest::mousePress(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 5));  // let go outside
  EXPECT_FALSE(a->Down());
}

TEST(StdCtrlsInput, ListBoxSelectionAndOwnerDrawing) {
  StdFormPtr form = ShownForm();
  auto* list = Place<TListBox>(form.get(), "ListBox1");
  for (int i = 0; i < 30; ++i) list->Items()->Add("item " + std::to_string(i));
  int clicks = 0;
  list->OnClick.SetHandler([&](TObject*) { ++clicks; });
  const TRect third = list->ItemRect(2);
  EXPECT_EQ(third.Height(), 13);
  EXPECT_EQ(list->ItemAtPos({third.Left + 3, third.Top + 3}, true), 2);
  EXPECT_EQ(list->ItemAtPos({5, 5000}, true), -1);
  EXPECT_EQ(list->ItemAtPos({5, 5000}, false), 30);
  auto* view = static_cast<QListWidget*>(list->Widget());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(third.Left + 3, third.Top + 3));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(list->Selected(2));
  EXPECT_EQ(clicks, 1);
  list->SetItemIndex(0);  // by code: no click
  EXPECT_EQ(view->currentRow(), 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_THROW(list->SetItemIndex(30), EListError);

  std::vector<int> drawn;
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  list->OnDrawItem.SetHandler([&](TWinControl* control, int index, TRect rect, TOwnerDrawState state) {
    EXPECT_EQ(control, list);
    EXPECT_EQ(rect.Height(), 20);
    EXPECT_EQ(state.Contains(odSelected), index == 0);
    drawn.push_back(index);
    list->Canvas()->Brush()->SetColor(clLime);
    list->Canvas()->FillRect(rect);
  });
  const QImage shot = view->viewport()->grab().toImage();
  const int visible = (view->viewport()->height() + 19) / 20;
  ASSERT_FALSE(drawn.empty());
  std::sort(drawn.begin(), drawn.end());
  drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
  EXPECT_EQ(static_cast<int>(drawn.size()), visible);
  EXPECT_EQ(drawn.front(), 0);
  EXPECT_EQ(shot.pixelColor(10, 30), QColor(0, 255, 0));  // what the handler drew

  list->SetStyle(lbOwnerDrawVariable);
  list->OnMeasureItem.SetHandler([](TWinControl*, int index, int& height) { height = index == 1 ? 40 : 10; });
  view->doItemsLayout();
  EXPECT_EQ(list->ItemRect(1).Height(), 40);
  EXPECT_EQ(list->ItemRect(2).Height(), 10);
}

TEST(StdCtrlsInput, MultiSelectListBoxKeepsItsSelection) {
  StdFormPtr form = ShownForm();
  auto* list = Place<TListBox>(form.get(), "ListBox1");
  list->Items()->SetCommaText("a,b,c,d");
  list->SetMultiSelect(true);
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  EXPECT_EQ(list->SelCount(), 2);
  auto* view = static_cast<QListWidget*>(list->Widget());
  EXPECT_TRUE(view->item(3)->isSelected());
  list->Items()->Add("e");  // the peer is rebuilt; the selection stays
  EXPECT_TRUE(view->item(1)->isSelected());
  EXPECT_FALSE(view->item(4)->isSelected());
  list->SetSorted(true);
  EXPECT_EQ(list->Items()->Strings(0), "a");
}

TEST(StdCtrlsInput, ComboBoxSelectionTypingAndDropDown) {
  StdFormPtr form = ShownForm();
  auto* combo = Place<TComboBox>(form.get(), "ComboBox1");
  combo->Items()->SetCommaText("red,green,blue");
  std::vector<std::string> changes;
  combo->OnChange.SetHandler([&](TObject*) { changes.push_back(combo->Text()); });
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "green");
  EXPECT_TRUE(changes.empty());  // not by code
  auto* peer = static_cast<QComboBox*>(combo->Widget());
  peer->setFocus();
  QTest::keyClick(peer, Qt::Key_Down);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(changes, std::vector<std::string>{"blue"});
  QTest::keyClicks(peer->lineEdit(), "x");
  EXPECT_EQ(combo->Text(), "bluex");
  EXPECT_EQ(changes.back(), "bluex");

  combo->SetStyle(csDropDownList);
  EXPECT_FALSE(peer->isEditable());
  combo->SetText("red");
  EXPECT_EQ(combo->ItemIndex(), 0);
  int drops = 0;
  combo->OnDropDown.SetHandler([&](TObject*) { ++drops; });
  combo->SetDroppedDown(true);
  EXPECT_EQ(drops, 1);
  combo->SetDroppedDown(false);
}

TEST(StdCtrlsInput, EditTypingUpdatesTextAndFiresOnChange) {
  StdFormPtr form = ShownForm();
  auto* edit = Place<TEdit>(form.get(), "Edit1");
  edit->SetText("");
  int changes = 0;
  edit->OnChange.SetHandler([&](TObject*) { ++changes; });
  auto* peer = static_cast<QLineEdit*>(edit->Widget());
  QTest::keyClicks(peer, "abc");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(edit->Modified());
  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(peer->text(), "ABC");
  QTest::keyClicks(peer, "d");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetMaxLength(4);
  QTest::keyClicks(peer, "e");
  EXPECT_EQ(edit->Text(), "ABCD");
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), "BC");
  edit->SetSelText("x");
  EXPECT_EQ(edit->Text(), "AXD");  // CharCase applies to text set by code too
  edit->SetCharCase(ecNormal);
  edit->SetText("caf\xE9");  // Windows-1252 bytes shown as Unicode
  EXPECT_EQ(peer->text(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(StdCtrlsInput, MemoLinesAreBoundBothWays) {
  StdFormPtr form = ShownForm();
  auto* memo = Place<TMemo>(form.get(), "Memo1");
  auto* peer = static_cast<QPlainTextEdit*>(memo->Widget());
  EXPECT_EQ(peer->toPlainText(), "Memo1");
  memo->Lines()->Add("second");
  EXPECT_EQ(peer->toPlainText(), "Memo1\nsecond");
  EXPECT_EQ(memo->Text(), "Memo1\r\nsecond");
  int changes = 0;
  memo->OnChange.SetHandler([&](TObject*) { ++changes; });
  peer->moveCursor(QTextCursor::End);
  QTest::keyClicks(peer, "!");
  QTest::keyClick(peer, Qt::Key_Return);
  QTest::keyClicks(peer, "third");
  ASSERT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(1), "second!");
  EXPECT_EQ(memo->Lines()->Strings(2), "third");
  EXPECT_GT(changes, 0);
  memo->SetWantReturns(false);
  QTest::keyClick(peer, Qt::Key_Return);
  EXPECT_EQ(memo->Lines()->Count(), 3);
  memo->Lines()->Clear();
  EXPECT_EQ(peer->toPlainText(), "");
}

TEST(StdCtrlsInput, LabelsSizeThemselvesToTheirText) {
  StdFormPtr form = ShownForm();
  auto* label = Place<TLabel>(form.get(), "Label1");
  const int shortWidth = label->Width();
  EXPECT_EQ(label->Height(), 13);
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), shortWidth);
  label->SetCaption("&Save");  // the accelerator's & takes no room
  const int withAccel = label->Width();
  label->SetShowAccelChar(false);
  EXPECT_GT(label->Width(), withAccel);
  label->SetWordWrap(true);
  label->SetWidth(40);
  label->SetCaption("one two three four five six");
  EXPECT_EQ(label->Width(), 40);
  EXPECT_GE(label->Height(), 3 * 13);
  EXPECT_EQ(label->Height() % 13, 0);
  // Right-aligned labels grow to the left.
  auto* right = Place<TLabel>(form.get(), "Label2", 200, 50);
  right->SetAlignment(taRightJustify);
  const int edge = right->Left() + right->Width();
  right->SetCaption("Label2 is longer now");
  EXPECT_EQ(right->Left() + right->Width(), edge);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_EQ(label->Width(), 40);
}

TEST(StdCtrlsInput, PanelsAndGroupBoxesAlignChildrenInsideTheirFrames) {
  StdFormPtr form = ShownForm();
  auto* panel = Place<TPanel>(form.get(), "Panel1");
  panel->SetAlign(alClient);
  EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, form->ClientWidth(), form->ClientHeight()));
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(3);
  auto* top = Place<TPanel>(panel, "Panel2");
  top->SetAlign(alTop);
  EXPECT_EQ(top->BoundsRect(), Rect(5, 5, panel->Width() - 5, 5 + 41));  // bevels 1 + 1, border 3
  auto* group = Place<TGroupBox>(panel, "GroupBox1", 10, 60);
  auto* inside = Place<TButton>(group, "Button1", 0, 0);
  EXPECT_EQ(inside->Widget()->parentWidget(), group->Widget());
  EXPECT_EQ(inside->Widget()->pos(), QPoint(0, 0));  // the whole area, as on Windows
  inside->SetAlign(alBottom);
  EXPECT_EQ(inside->Top() + inside->Height(), group->Height() - 2);
  int resizes = 0;
  top->OnResize.SetHandler([&](TObject*) { ++resizes; });
  form->SetWidth(500);
  EXPECT_EQ(resizes, 1);
}

TEST(StdCtrlsInput, SplitterResizesTheControlBeforeIt) {
  StdFormPtr form = ShownForm();
  auto* left = Place<TPanel>(form.get(), "Left");
  left->SetAlign(alLeft);
  left->SetWidth(100);
  auto* splitter = Place<TSplitter>(form.get(), "Splitter1", 150, 0);
  auto* client = Place<TPanel>(form.get(), "Client");
  client->SetAlign(alClient);
  EXPECT_EQ(splitter->Left(), 100);
  int moved = 0;
  splitter->OnMoved.SetHandler([&](TObject*) { ++moved; });
  QTest::mousePress(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 50));
  QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(41, 50));
  EXPECT_EQ(left->Width(), 140);
  EXPECT_EQ(splitter->Left(), 140);
  EXPECT_EQ(client->Left(), 143);
  EXPECT_EQ(moved, 1);
  QTest::mousePress(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 50));
  QTest::mouseRelease(splitter->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(-500, 50));
  EXPECT_EQ(left->Width(), splitter->MinSize());
}

TEST(StdCtrlsInput, ImageShowsItsPictureAndSizesToIt) {
  StdFormPtr form = ShownForm();
  auto* image = Place<TImage>(form.get(), "Image1");
  image->Canvas()->Brush()->SetColor(clBlue);
  image->Canvas()->FillRect(Rect(0, 0, 105, 105));
  EXPECT_EQ(image->Picture()->Width(), 105);
  image->SetAutoSize(true);
  TBitmap small;
  small.SetSize(20, 10);
  image->Picture()->SetBitmap(&small);
  EXPECT_EQ(image->Width(), 20);
  EXPECT_EQ(image->Height(), 10);
}

// Typed characters reach OnKeyPress after OnKeyDown; one set to #0 is not typed,
// one changed is typed changed.
TEST(StdCtrlsInput, KeyPressSeesTypedCharactersAndMayChangeThem) {
  StdFormPtr form = ShownForm();
  auto* edit = Place<TEdit>(form.get(), "Edit1");
  edit->SetText("");
  edit->SetFocus();
  std::string log;
  edit->OnKeyDown.SetHandler([&](TObject*, Word& key, TShiftState) { log += "down" + std::to_string(key) + " "; });
  edit->OnKeyPress.SetHandler([&](TObject*, char& key) {
    log += std::string("press:") + key + " ";
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  });
  auto* line = edit->Widget()->findChild<QLineEdit*>() ? edit->Widget()->findChild<QLineEdit*>()
                                                       : qobject_cast<QLineEdit*>(edit->Widget());
  ASSERT_NE(line, nullptr);
  QTest::keyClicks(line, "bxa!");
  EXPECT_EQ(edit->Text(), "bA!");
  EXPECT_EQ(log, "down66 press:b down88 press:x down65 press:a press:! ");
}

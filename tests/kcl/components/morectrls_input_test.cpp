// The behaviour of the remaining controls: ranges that hold, arrows that step,
// timers that keep still in design state, pages, outlines, the media player's
// buttons, the calendar and the scroll box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "kcl/components/morectrls.h"
#include "kcl/controls/form.h"
#include "kcl/controls/keys.h"

using namespace kcl;

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;

FormPtr NewForm() {
  FormPtr form(new TForm(nullptr));
  form->SetBounds(0, 0, 400, 300);
  return form;
}

template <class T>
T* Put(TWinControl* parent, int left = 8, int top = 8) {
  auto* control = new T(parent->Owner() ? parent->Owner() : parent);
  control->SetParent(parent);
  control->SetBounds(left, top, control->Width(), control->Height());
  return control;
}

}  // namespace

TEST(MoreControlsInput, ScrollBarPositionStaysInItsRange) {
  FormPtr form = NewForm();
  auto* bar = Put<TScrollBar>(form.get());
  int changes = 0;
  bar->OnChange.SetHandler([&](TObject*) { ++changes; });
  bar->SetPosition(500);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 0);
  bar->SetPosition(80);
  bar->SetMax(50);  // the position comes along
  EXPECT_EQ(bar->Position(), 50);
  EXPECT_EQ(changes, 4);
  bar->SetPosition(50);
  EXPECT_EQ(changes, 4);  // no move, no event
  EXPECT_THROW(bar->SetMin(60), EInvalidOperation);
  EXPECT_EQ(bar->Min(), 0);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 16);
  EXPECT_EQ(bar->Height(), 121);
}

TEST(MoreControlsInput, ScrollBarReportsTheUsersScrolling) {
  FormPtr form = NewForm();
  auto* bar = Put<TScrollBar>(form.get());
  bar->SetSmallChange(3);
  form->Show();
  std::vector<TScrollCode> codes;
  bar->OnScroll.SetHandler([&](TObject*, TScrollCode code, int& pos) {
    codes.push_back(code);
    if (code == scPageDown) pos = 42;  // the handler may send it elsewhere
  });
  auto* peer = qobject_cast<QScrollBar*>(bar->Widget());
  ASSERT_NE(peer, nullptr);
  peer->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar->Position(), 3);
  peer->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar->Position(), 42);
  EXPECT_EQ(peer->value(), 42);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scPageDown}));
}

TEST(MoreControlsInput, SpinEditKeepsItsValueInRangeAndSteps) {
  FormPtr form = NewForm();
  auto* spin = Put<TSpinEdit>(form.get());
  EXPECT_EQ(spin->Value(), 0);
  spin->SetValue(-7);  // MinValue = MaxValue: no limits
  EXPECT_EQ(spin->Value(), -7);
  spin->SetMinValue(1);
  spin->SetMaxValue(10);
  spin->SetValue(50);
  EXPECT_EQ(spin->Text(), "10");
  spin->SetIncrement(4);
  spin->SetValue(3);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 7);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 10);
  spin->DownClick();
  EXPECT_EQ(spin->Value(), 6);
  spin->SetText("abc");
  EXPECT_EQ(spin->Value(), 1);  // not a number: MinValue
  spin->SetReadOnly(true);
  spin->SetValue(5);
  spin->UpClick();
  EXPECT_EQ(spin->Value(), 5);
}

TEST(MoreControlsInput, SpinEditArrowsOnScreenAndKeyboard) {
  FormPtr form = NewForm();
  auto* spin = Put<TSpinEdit>(form.get());
  spin->SetMaxValue(100);
  spin->SetValue(10);
  form->Show();
  TSpinButton* button = spin->Button();
  ASSERT_NE(button->Widget(), nullptr);
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 2));
  EXPECT_EQ(spin->Value(), 11);
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, button->Height() - 2));
  QTest::mouseClick(button->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, button->Height() - 2));
  EXPECT_EQ(spin->Value(), 9);
  QTest::keyClick(spin->Widget(), Qt::Key_Up);
  EXPECT_EQ(spin->Value(), 10);
  // Letters are refused; with the editor off, digits too.
  auto* edit = qobject_cast<QLineEdit*>(spin->Widget());
  edit->selectAll();
  QTest::keyClicks(edit, "x4");
  EXPECT_EQ(spin->Text(), "4");
  spin->SetEditorEnabled(false);
  QTest::keyClicks(edit, "5");
  EXPECT_EQ(spin->Text(), "4");
  // Leaving the edit brings a typed value into range.
  spin->SetText("500");
  spin->Perform(WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(spin->Value(), 100);
}

TEST(MoreControlsInput, TimersFireAtRunTimeButNeverInDesignState) {
  std::unique_ptr<TTimer, TObjectFree> runningTimer(new TTimer(nullptr)), designedTimer(new TTimer(nullptr));
  TTimer& running = *runningTimer;
  TTimer& designed = *designedTimer;
  int ticks = 0, designTicks = 0;
  running.OnTimer.SetHandler([&](TObject*) { ++ticks; });
  designed.OnTimer.SetHandler([&](TObject*) { ++designTicks; });
  designed.SetDesigning(true);
  running.SetInterval(10);
  designed.SetInterval(10);
  EXPECT_TRUE(running.Running());
  EXPECT_FALSE(designed.Running());
  QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
  EXPECT_EQ(designTicks, 0);
  running.SetEnabled(false);
  EXPECT_FALSE(running.Running());
  const int stopped = ticks;
  QTest::qWait(50);
  EXPECT_EQ(ticks, stopped);
  running.SetEnabled(true);
  running.SetInterval(0);  // no interval, no timer
  EXPECT_FALSE(running.Running());
}

TEST(MoreControlsInput, NotebookShowsOnePageAtATime) {
  FormPtr form = NewForm();
  auto* notebook = Put<TNotebook>(form.get());
  int changes = 0;
  notebook->OnPageChanged.SetHandler([&](TObject*) { ++changes; });
  EXPECT_EQ(notebook->ActivePage(), "Default");
  notebook->Pages()->Add("Second");
  notebook->Pages()->Add("Third");
  notebook->SetActivePage("Third");
  EXPECT_EQ(notebook->PageIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(notebook->Page(2)->Visible());
  EXPECT_FALSE(notebook->Page(0)->Visible());
  EXPECT_EQ(notebook->Page(2)->BoundsRect(), notebook->ClientRect());
  notebook->SetActivePage("Nowhere");
  EXPECT_EQ(notebook->PageIndex(), 2);
  notebook->Pages()->Move(2, 0);  // the shown page keeps showing
  EXPECT_EQ(notebook->PageIndex(), 0);
  EXPECT_EQ(notebook->ActivePage(), "Third");
  notebook->Pages()->Delete(0);
  EXPECT_EQ(notebook->Pages()->Count(), 2);
  EXPECT_EQ(notebook->ActivePage(), "Default");
  EXPECT_TRUE(notebook->Page(0)->Visible());
  notebook->Pages()->Clear();
  EXPECT_EQ(notebook->PageIndex(), -1);
  EXPECT_EQ(notebook->ActivePage(), "");
}

TEST(MoreControlsInput, OutlineOpensAndClosesNodes) {
  FormPtr form = NewForm();
  auto* outline = Put<TOutline>(form.get());
  outline->SetBounds(8, 8, 200, 200);
  outline->Lines()->SetText("Part I\r\n\tChapter 1\r\n\t\tSection\r\n\tChapter 2\r\nPart II\r\n\t\t\tToo deep\r\n");
  EXPECT_EQ(outline->ItemCount(), 6);
  EXPECT_EQ(outline->Level(3), 3);
  EXPECT_EQ(outline->Level(6), 2);  // a jump of two levels lands one below
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5}));
  std::vector<int> expanded;
  outline->OnExpand.SetHandler([&](TObject*, int index) { expanded.push_back(index); });
  outline->SetExpanded(1, true);
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 2, 4, 5}));
  outline->FullExpand();
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(expanded, (std::vector<int>{1, 2, 5}));
  EXPECT_EQ(outline->FullPath(3), "Part I\\Chapter 1\\Section");
  outline->SetItemSeparator("/");
  EXPECT_EQ(outline->FullPath(6), "Part II/Too deep");
  outline->SetSelectedItem(3);
  outline->SetExpanded(1, false);  // the selection moves up to the node that closed
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_THROW(outline->Level(7), EListError);

  form->Show();
  outline->SetFocus();
  QTest::keyClick(outline->Widget(), Qt::Key_Down);
  EXPECT_EQ(outline->SelectedItem(), 5);
  QTest::keyClick(outline->Widget(), '-');  // typed: '-' closes, '+' opens
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5}));
  QTest::keyClick(outline->Widget(), '+');
  EXPECT_EQ(outline->VisibleItems(), (std::vector<int>{1, 5, 6}));
  QTest::keyClick(outline->Widget(), '-');
  const TRect first = Rect(2, 2, 200, 2 + outline->ItemHeight());
  // A double click: the first click selects, the second opens.
  QTest::mouseClick(outline->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, first.Top + 3));
  QTest::mouseDClick(outline->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, first.Top + 3));
  EXPECT_EQ(outline->SelectedItem(), 1);
  EXPECT_TRUE(outline->Expanded(1));
}

TEST(MoreControlsInput, MediaPlayerButtonsShareItsWidth) {
  FormPtr form = NewForm();
  auto* player = Put<TMediaPlayer>(form.get());
  player->SetVisibleButtons({btPlay, btPause, btStop});
  EXPECT_EQ(player->Width(), 85);
  EXPECT_EQ(player->ButtonRect(btPause), Rect(28, 0, 57, 30));
  EXPECT_EQ(player->ButtonRect(btEject), TRect{});
  EXPECT_EQ(player->ButtonAt(60, 10), btStop);
  // No device opens here: at run time AutoEnable leaves every button grey.
  EXPECT_FALSE(player->ButtonEnabled(btPlay));
  player->SetAutoEnable(false);
  player->SetEnabledButtons({btPlay});
  EXPECT_TRUE(player->ButtonEnabled(btPlay));
  EXPECT_FALSE(player->ButtonEnabled(btStop));
  std::vector<std::string> calls;
  player->OnClick.SetHandler([&](TObject*, TMPBtnType b, bool&) { calls.push_back("click " + std::to_string(b)); });
  player->OnPostClick.SetHandler([&](TObject*, TMPBtnType b) { calls.push_back("post " + std::to_string(b)); });
  form->Show();
  QTest::mouseClick(player->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseClick(player->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(65, 10));  // disabled stop
  EXPECT_EQ(calls, (std::vector<std::string>{"click 0", "post 0"}));
}

TEST(MoreControlsInput, CalendarDatesAndItsGrid) {
  using namespace calendar_dates;
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  int y, m, d;
  DecodeDate(36584.75, y, m, d);
  EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(2000, 2, 28));

  FormPtr form = NewForm();
  auto* calendar = Put<TCalendar>(form.get());
  EXPECT_TRUE(calendar->UseCurrentDate());
  EXPECT_EQ(calendar->CalendarDate(), Date());
  int changes = 0;
  calendar->OnChange.SetHandler([&](TObject*) { ++changes; });
  calendar->SetCalendarDate(EncodeDate(2000, 1, 31));
  EXPECT_FALSE(calendar->UseCurrentDate());
  calendar->NextMonth();  // no 31 February: the month's last day
  EXPECT_EQ(std::make_tuple(calendar->Year(), calendar->Month(), calendar->Day()), std::make_tuple(2000, 2, 29));
  calendar->NextYear();
  EXPECT_EQ(calendar->Day(), 28);
  EXPECT_THROW(calendar->SetDay(30), EConvertError);
  EXPECT_EQ(changes, 3);
  // 1 February 2001 was a Thursday: the fifth column from Sunday, the fourth from Monday.
  calendar->SetMonth(2);
  EXPECT_EQ(calendar->DayRect(1), calendar->CellRect(4, 1));
  calendar->SetStartOfWeek(1);
  EXPECT_EQ(calendar->DayRect(1), calendar->CellRect(3, 1));
  form->Show();
  const TRect tenth = calendar->DayRect(10);
  QTest::mouseClick(calendar->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(tenth.Left + 3, tenth.Top + 3));
  EXPECT_EQ(calendar->Day(), 10);
  calendar->SetReadOnly(true);
  QTest::keyClick(calendar->Widget(), Qt::Key_Right);
  EXPECT_EQ(calendar->Day(), 10);
}

TEST(MoreControlsInput, ScrollBoxScrollsItsChildren) {
  FormPtr form = NewForm();
  auto* box = Put<TScrollBox>(form.get());
  box->SetBounds(8, 8, 200, 100);
  auto* far = Put<TScrollBar>(box, 10, 150);
  box->UpdateScrollBars();
  EXPECT_EQ(box->VertScrollBar()->Range(), 166);
  EXPECT_TRUE(box->VertScrollBar()->IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar()->IsScrollBarVisible());
  EXPECT_EQ(box->ClientWidth(), 200 - 4 - 16);
  box->VertScrollBar()->SetPosition(1000);
  EXPECT_EQ(box->VertScrollBar()->Position(), 166 - box->ClientHeight());
  EXPECT_EQ(far->Top(), 150 - box->VertScrollBar()->Position());
  box->ScrollInView(far);
  box->VertScrollBar()->SetPosition(0);
  EXPECT_EQ(far->Top(), 150);
  box->SetBorderStyle(bsNone);
  EXPECT_EQ(box->ClientHeight(), 100);
}

TEST(MoreControlsInput, MaskEditMasksBecomeQtInputMasks) {
  EXPECT_EQ(EditMaskToQtInputMask(""), "");
  EXPECT_EQ(EditMaskToQtInputMask("!99/99/00;1;_"), "00/00/99;_");
  EXPECT_EQ(EditMaskToQtInputMask(">LL<ll;0; "), ">AA<aa; ");
  EXPECT_EQ(EditMaskToQtInputMask("\\A\\;0-aA"), "\\A\\;9-nN;_");
  EXPECT_EQ(EditMaskToQtInputMask("(999) 000-0000;1;*"), "(000) 999-9999;*");
  FormPtr form = NewForm();
  auto* edit = Put<TMaskEdit>(form.get());
  edit->SetEditMask("00;1;_");
  form->Show();
  auto* peer = qobject_cast<QLineEdit*>(edit->Widget());
  EXPECT_EQ(peer->inputMask(), "99;_");
}

// What the user types becomes the text as the mask says: literals kept or not,
// blanks as spaces.
TEST(MoreControlsInput, MaskEditTextKeepsOrDropsTheLiterals) {
  EXPECT_EQ(MaskedText("!999-000-0000;1;_", "123-456-7890"), "123-456-7890");
  EXPECT_EQ(MaskedText("!999-000-0000;0;_", "123-456-7890"), "1234567890");
  EXPECT_EQ(MaskedText("!999-000-0000;1;_", "12_-___-____"), "12 -   -    ");
  EXPECT_EQ(MaskedText("\\A-00;0;*", "A-4*"), "4 ");
  EXPECT_EQ(MaskedText(">LL 00", "AB 12"), "AB 12");

  FormPtr form = NewForm();
  auto* edit = Put<TMaskEdit>(form.get());
  edit->SetEditMask("!999-000-0000;0;_");
  form->Show();
  auto* peer = qobject_cast<QLineEdit*>(edit->Widget());
  peer->setFocus();
  peer->setCursorPosition(0);
  QTest::keyClicks(peer, "5551234567");
  EXPECT_EQ(peer->displayText(), "555-123-4567");
  EXPECT_EQ(edit->Text(), "5551234567");
  edit->SetText("8005550199");
  EXPECT_EQ(peer->displayText(), "800-555-0199");
  edit->SetEditMask("!999-000-0000;1;_");
  peer->setCursorPosition(0);
  QTest::keyClick(peer, '9');
  EXPECT_EQ(edit->Text(), "900-555-0199");
}

#include <gtest/gtest.h>

#include <QTest>
#include <tuple>

#include "kcl/components/calendar.h"
#include "support/testform.h"

using namespace kcl;
using namespace korvax::test;

TEST(MoreControlsInput, CalendarDatesAndItsGrid) {
  using namespace calendar_dates;
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  int y, m, d;
  DecodeDate(36584.75, y, m, d);
  EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(2000, 2, 28));

  FormPtr form = NewForm();
  auto* calendar = Place<TCalendar>(form.get());
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

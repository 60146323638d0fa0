#pragma once
// TCalendar: one month as a grid of seven columns, the day names on top and
// the chosen day marked. CalendarDate, Day, Month and Year name the same date
// (they are not written to form files); StartOfWeek is the first column's day,
// 0 for Sunday.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

// Days since 30 December 1899, the framework's dates.
using TDateTime = double;
const TTypeInfo* TDateTimeType();

// The calendar's date arithmetic (kept in its own namespace until the run-time
// library has dates of its own).
namespace calendar_dates {
// A date from its parts; EConvertError for a day that does not exist.
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
int DaysInMonth(int year, int month);
// Today's date, at midnight.
TDateTime Date();
}  // namespace calendar_dates

class TCalendar : public TCustomControl {
  KCL_CLASS(TCalendar, TCustomControl)
public:
  explicit TCalendar(TComponent* owner);

  TDateTime CalendarDate() const { return FDate; }
  void SetCalendarDate(TDateTime v);
  int Day() const;
  // EConvertError when the month has no such day.
  void SetDay(int v);
  int Month() const;
  // The day moves back to the month's last when the new month is shorter.
  void SetMonth(int v);
  int Year() const;
  void SetYear(int v);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  int StartOfWeek() const { return FStartOfWeek; }
  void SetStartOfWeek(int v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  bool UseCurrentDate() const { return FUseCurrentDate; }
  void SetUseCurrentDate(bool v);

  void PrevMonth() { ChangeMonth(-1); }
  void NextMonth() { ChangeMonth(1); }
  void PrevYear() { SetYear(Year() - 1); }
  void NextYear() { SetYear(Year() + 1); }

  // The cell of a day of the shown month (row 0 holds the day names).
  TRect CellRect(int column, int row) const;
  TRect DayRect(int day) const;
  // The day of the month at a client point; 0 outside the month's days.
  int DayAtPos(int x, int y) const;

  TNotifyEvent OnChange;

protected:
  virtual void Change() { OnChange(this); }
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void ChangeMonth(int delta);
  // The grid cell of day 1, counted from the first day cell.
  int MonthOffset() const;
  void SetDateUnlessReadOnly(TDateTime date);

  TDateTime FDate;
  int FGridLineWidth = 1;
  bool FReadOnly = false;
  int FStartOfWeek = 0;
  TBorderStyle FBorderStyle = bsSingle;
  bool FUseCurrentDate = true;
};

}  // namespace kcl

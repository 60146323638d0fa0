#include "kcl/components/calendar.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "kcl/components/extctrls.h"
#include "kcl/components/outline.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/keys.h"
#include "kcl/rtl/exceptions.h"

namespace kcl {

namespace {

constexpr std::chrono::sys_days DateZero = std::chrono::year{1899} / 12 / 30;
constexpr const char* DayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::chrono::year_month_day ToYmd(TDateTime date) {
  return std::chrono::year_month_day{DateZero + std::chrono::days{static_cast<int>(std::floor(date))}};
}

}  // namespace

const TTypeInfo* TDateTimeType() {
  static const TTypeInfo* t = MakeFloatType("TDateTime", ftDouble);
  return t;
}

namespace calendar_dates {

int DaysInMonth(int year, int month) {
  using namespace std::chrono;
  const year_month_day_last last{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} / std::chrono::last};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

TDateTime EncodeDate(int year, int month, int day) {
  using namespace std::chrono;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    throw EConvertError("Invalid argument to date encode");
  const sys_days date{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                      std::chrono::day{static_cast<unsigned>(day)}};
  return static_cast<TDateTime>((date - DateZero).count());
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  const std::chrono::year_month_day ymd = ToYmd(date);
  year = static_cast<int>(ymd.year());
  month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  day = static_cast<int>(static_cast<unsigned>(ymd.day()));
}

TDateTime Date() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace calendar_dates

using namespace calendar_dates;

KCL_CLASS_INFO(TCalendar) {
  using T = TCalendar;
  cls.publish({"Align"});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TBorderStyleType()).Default(bsSingle);
  cls.property("CalendarDate", &T::CalendarDate, &T::SetCalendarDate, TDateTimeType()).Stored(false);
  cls.publish({"Color", "Ctl3D"});
  cls.property("Day", &T::Day, &T::SetDay).Stored(false);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font"});
  cls.property("GridLineWidth", &T::GridLineWidth, &T::SetGridLineWidth).Default(1);
  cls.property("Month", &T::Month, &T::SetMonth).Stored(false);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  cls.publish({"ParentFont", "ParentShowHint", "PopupMenu"});
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
  cls.publish({"ShowHint"});
  cls.property("StartOfWeek", &T::StartOfWeek, &T::SetStartOfWeek,
               MakeOrdinalType(tkInteger, "TDayOfWeek", otUByte, 0, 6));
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("UseCurrentDate", &T::UseCurrentDate, &T::SetUseCurrentDate).Default(true);
  cls.publish({"Visible"});
  cls.property("Year", &T::Year, &T::SetYear).Stored(false);
  cls.publish({"OnClick"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress",
                "OnKeyUp", "OnStartDrag"});
}

TCalendar::TCalendar(TComponent* owner) : TCustomControl(owner), FDate(Date()) {
  FControlStyle = {csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
  SetBounds(0, 0, 320, 120);
  SetColor(clWindow);
  SetTabStop(true);
}

int TCalendar::Day() const {
  int y, m, d;
  DecodeDate(FDate, y, m, d);
  return d;
}

int TCalendar::Month() const {
  int y, m, d;
  DecodeDate(FDate, y, m, d);
  return m;
}

int TCalendar::Year() const {
  int y, m, d;
  DecodeDate(FDate, y, m, d);
  return y;
}

void TCalendar::SetCalendarDate(TDateTime v) {
  v = std::floor(v);
  if (v == FDate) return;
  FDate = v;
  FUseCurrentDate = FUseCurrentDate && FDate == Date();
  Invalidate();
  if (!IsLoading()) Change();
}

void TCalendar::SetDay(int v) { SetCalendarDate(EncodeDate(Year(), Month(), v)); }

void TCalendar::SetMonth(int v) {
  const int year = Year();
  if (v < 1 || v > 12) throw EConvertError("Invalid argument to date encode");
  SetCalendarDate(EncodeDate(year, v, std::min(Day(), DaysInMonth(year, v))));
}

void TCalendar::SetYear(int v) {
  if (v < 1 || v > 9999) throw EConvertError("Invalid argument to date encode");
  SetCalendarDate(EncodeDate(v, Month(), std::min(Day(), DaysInMonth(v, Month()))));
}

void TCalendar::ChangeMonth(int delta) {
  const int months = Year() * 12 + Month() - 1 + delta;
  const int year = months / 12, month = months % 12 + 1;
  SetCalendarDate(EncodeDate(year, month, std::min(Day(), DaysInMonth(year, month))));
}

void TCalendar::SetGridLineWidth(int v) {
  FGridLineWidth = std::max(v, 0);
  Invalidate();
}

void TCalendar::SetStartOfWeek(int v) {
  FStartOfWeek = std::clamp(v, 0, 6);
  Invalidate();
}

void TCalendar::SetBorderStyle(TBorderStyle v) {
  FBorderStyle = v == bsSingle ? bsSingle : bsNone;
  Invalidate();
}

void TCalendar::SetUseCurrentDate(bool v) {
  FUseCurrentDate = v;
  if (v) SetCalendarDate(Date());
}

int TCalendar::MonthOffset() const {
  const std::chrono::year_month_day first = ToYmd(EncodeDate(Year(), Month(), 1));
  const unsigned weekday = std::chrono::weekday{std::chrono::sys_days{first}}.c_encoding();  // 0 = Sunday
  return (static_cast<int>(weekday) - FStartOfWeek + 7) % 7;
}

TRect TCalendar::CellRect(int column, int row) const {
  const int border = FBorderStyle == bsSingle ? 2 : 0;
  const int w = (Width() - 2 * border) / 7, h = (Height() - 2 * border) / 7;
  const int left = border + column * w, top = border + row * h;
  return Rect(left, top, left + w, top + h);
}

TRect TCalendar::DayRect(int day) const {
  const int cell = MonthOffset() + day - 1;
  return CellRect(cell % 7, 1 + cell / 7);
}

int TCalendar::DayAtPos(int x, int y) const {
  for (int day = 1; day <= DaysInMonth(Year(), Month()); ++day)
    if (DayRect(day).Contains({x, y})) return day;
  return 0;
}

void TCalendar::SetDateUnlessReadOnly(TDateTime date) {
  if (!FReadOnly) SetCalendarDate(date);
}

void TCalendar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!IsDesigning() && button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (const int day = DayAtPos(x, y)) SetDateUnlessReadOnly(EncodeDate(Year(), Month(), day));
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCalendar::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  // The arrows move within the shown month only, as a grid's cells do.
  const int days = DaysInMonth(Year(), Month());
  int day = Day();
  switch (key) {
    case VK_LEFT: day -= 1; break;
    case VK_RIGHT: day += 1; break;
    case VK_UP: day -= 7; break;
    case VK_DOWN: day += 7; break;
    default: return;
  }
  if (day >= 1 && day <= days) SetDateUnlessReadOnly(EncodeDate(Year(), Month(), day));
}

void TCalendar::Paint() {
  TCanvas& canvas = *Canvas();
  TRect client = ClientRect();
  DrawClientEdge(canvas, client, FBorderStyle == bsSingle, Color());
  const auto centred = [&](const TRect& r, const std::string& text) {
    canvas.TextOut(r.Left + (r.Width() - canvas.TextWidth(text)) / 2, r.Top + (r.Height() - canvas.TextHeight(text)) / 2,
                   text);
  };
  for (int column = 0; column < 7; ++column) {
    const TRect r = CellRect(column, 0);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(r);
    TRect bevel = r;
    Frame3D(canvas, bevel, clBtnHighlight, clBtnShadow, 1);
    canvas.Font()->SetColor(Font()->Color());
    centred(r, DayNames[(column + FStartOfWeek) % 7]);
  }
  for (int day = 1; day <= DaysInMonth(Year(), Month()); ++day) {
    const TRect r = DayRect(day);
    const bool chosen = day == Day();
    canvas.Brush()->SetColor(chosen ? clHighlight : Color());
    canvas.FillRect(r);
    canvas.Font()->SetColor(chosen ? clHighlightText : Font()->Color());
    centred(r, std::to_string(day));
    if (chosen && Focused()) canvas.DrawFocusRect(r);
  }
  if (FGridLineWidth <= 0) return;
  canvas.Brush()->SetColor(clBtnFace);
  for (int i = 1; i < 7; ++i) {
    const TRect column = CellRect(i, 0), row = CellRect(0, i);
    canvas.FillRect(Rect(column.Left - FGridLineWidth, client.Top, column.Left, client.Bottom));
    canvas.FillRect(Rect(client.Left, row.Top - FGridLineWidth, client.Right, row.Top));
  }
}

}  // namespace kcl

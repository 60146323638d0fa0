#include "kcl/components/datetimepicker.h"

#include <QDateTimeEdit>
#include <cmath>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"

namespace kcl {

namespace {
// A date-time value counts days from 30 December 1899; the fraction is the time of day.
const QDate DayZero(1899, 12, 30);
constexpr double MillisecondsPerDay = 24.0 * 60 * 60 * 1000;

QDateTime ToQDateTime(double value) {
  const double day = std::floor(value);
  const auto ms = static_cast<qint64>(std::llround((value - day) * MillisecondsPerDay));
  return QDateTime(DayZero.addDays(static_cast<qint64>(day)), QTime(0, 0)).addMSecs(ms);
}

double FromQDateTime(const QDateTime& value) {
  return static_cast<double>(DayZero.daysTo(value.date())) + value.time().msecsSinceStartOfDay() / MillisecondsPerDay;
}

const TTypeInfo* TDateType() {
  static const TTypeInfo* t = MakeFloatType("TDate", ftDouble);
  return t;
}

const TTypeInfo* TTimeType() {
  static const TTypeInfo* t = MakeFloatType("TTime", ftDouble);
  return t;
}
}  // namespace

const TTypeInfo* TDTParseInputEventType() {
  static const TTypeInfo* t = MakeMethodType("TDTParseInputEvent", mkProcedure,
                                             {{0, "Sender", "TObject"},
                                              {pfConst, "UserString", "string"},
                                              {pfVar, "DateAndTime", "TDateTime"},
                                              {pfVar, "AllowChange", "Boolean"}});
  return t;
}

KCL_CLASS_INFO(TDateTimePicker) {
  using T = TDateTimePicker;
  cls.property("CalAlignment", &T::CalAlignment, &T::SetCalAlignment);
  cls.property("Date", &T::Date, &T::SetDate, TDateType());
  cls.property("Time", &T::Time, &T::SetTime, TTimeType());
  cls.property("ShowCheckbox", &T::ShowCheckbox, &T::SetShowCheckbox).Default(false);
  cls.property("Checked", &T::Checked, &T::SetChecked).Default(true);
  cls.publish({"Color"});
  cls.property("DateFormat", &T::DateFormat, &T::SetDateFormat);
  cls.property("DateMode", &T::DateMode, &T::SetDateMode);
  cls.publish({"DragCursor", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  cls.property("Kind", &T::Kind, &T::SetKind);
  cls.property("MaxDate", &T::MaxDate, &T::SetMaxDate, TDateType());
  cls.property("MinDate", &T::MinDate, &T::SetMinDate, TDateType());
  cls.property("ParseInput", &T::ParseInput, &T::SetParseInput);
  cls.property("ParentColor", &T::ParentColor, &T::SetParentColor).Default(false);
  // Delphi 3's picker leaves its tab order unpublished: forms do not hold it.
  cls.publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible", "OnClick"});
  cls.event("OnCloseUp", &T::OnCloseUp, TNotifyEventType());
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.event("OnDropDown", &T::OnDropDown, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnStartDrag"});
  cls.event("OnUserInput", &T::OnUserInput, TDTParseInputEventType());
}

TDateTimePicker::TDateTimePicker(TComponent* owner)
    : TWinControl(owner), FDateTime(FromQDateTime(QDateTime::currentDateTime())) {
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), 186, 21);
}

void TDateTimePicker::SetDateTime(double v) {
  FDateTime = v;
  UpdateWidget();
}

void TDateTimePicker::SetDate(double v) { SetDateTime(std::trunc(v) + (FDateTime - std::trunc(FDateTime))); }
void TDateTimePicker::SetTime(double v) { SetDateTime(std::trunc(FDateTime) + (v - std::trunc(v))); }

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
  FDateFormat = v;
  UpdateWidget();
}

void TDateTimePicker::SetDateMode(TDTDateMode v) {
  FDateMode = v;
  UpdateWidget();
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
  FKind = v;
  UpdateWidget();
}

void TDateTimePicker::SetMaxDate(double v) {
  FMaxDate = v;
  UpdateWidget();
}

void TDateTimePicker::SetMinDate(double v) {
  FMinDate = v;
  UpdateWidget();
}

QDateTimeEdit* TDateTimePicker::Edit() const { return static_cast<QDateTimeEdit*>(FWidget.data()); }

QWidget* TDateTimePicker::CreateWidget(QWidget* parentWidget) {
  auto* edit = new QDateTimeEdit(parentWidget);
  UseWindowsStyle(edit);
  QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this](const QDateTime& value) {
    if (FUpdating || IsDesigning()) return;
    FDateTime = FromQDateTime(value);
    OnChange(this);
  });
  return edit;
}

void TDateTimePicker::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidget();
}

void TDateTimePicker::UpdateWidget() {
  QDateTimeEdit* edit = Edit();
  if (!edit) return;
  ++FUpdating;
  const bool time = FKind == dtkTime;
  edit->setCalendarPopup(!time && FDateMode == dmComboBox);
  // Windows' short and long date formats and its time format in the English locale.
  edit->setDisplayFormat(time ? "h:mm:ss AP" : FDateFormat == dfShort ? "M/d/yy" : "dddd, MMMM dd, yyyy");
  edit->setMinimumDateTime(FMinDate != 0 ? ToQDateTime(FMinDate) : QDateTime(QDate(1752, 9, 14), QTime(0, 0)));
  edit->setMaximumDateTime(FMaxDate != 0 ? ToQDateTime(FMaxDate + 1)
                                         : QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59)));
  edit->setDateTime(ToQDateTime(FDateTime));
  --FUpdating;
}

}  // namespace kcl

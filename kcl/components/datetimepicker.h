#pragma once
// TDateTimePicker: a date (or a time) in an edit box with a drop-down calendar or
// up-down arrows, on a Qt date-time edit in the Windows look. Date and Time both
// read as the whole date-time value, as form files hold them.
#include "kcl/controls/wincontrol.h"

class QDateTimeEdit;

namespace kcl {

KCL_ENUM(TDTCalAlignment, dtaLeft, dtaRight)
KCL_ENUM(TDTDateFormat, dfShort, dfLong)
KCL_ENUM(TDTDateMode, dmComboBox, dmUpDown)
KCL_ENUM(TDateTimeKind, dtkDate, dtkTime)

using TDTParseInputEvent =
    TEvent<void(TObject* sender, const std::string& userString, double& dateAndTime, bool& allowChange)>;
const TTypeInfo* TDTParseInputEventType();

class TDateTimePicker : public TWinControl {
  KCL_CLASS(TDateTimePicker, TWinControl)
public:
  explicit TDateTimePicker(TComponent* owner);

  TDTCalAlignment CalAlignment() const { return FCalAlignment; }
  void SetCalAlignment(TDTCalAlignment v) { FCalAlignment = v; }
  double DateTime() const { return FDateTime; }
  void SetDateTime(double v);
  double Date() const { return FDateTime; }
  // The day of value, the time of day kept.
  void SetDate(double v);
  double Time() const { return FDateTime; }
  // The time of day of value, the day kept.
  void SetTime(double v);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool v) { FShowCheckbox = v; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool v) { FChecked = v; }
  TDTDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat v);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode v);
  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind v);
  double MaxDate() const { return FMaxDate; }
  void SetMaxDate(double v);
  double MinDate() const { return FMinDate; }
  void SetMinDate(double v);
  bool ParseInput() const { return FParseInput; }
  void SetParseInput(bool v) { FParseInput = v; }

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TDTParseInputEvent OnUserInput;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  QDateTimeEdit* Edit() const;
  void UpdateWidget();

  TDTCalAlignment FCalAlignment = dtaLeft;
  double FDateTime = 0;
  bool FShowCheckbox = false, FChecked = true;
  TDTDateFormat FDateFormat = dfShort;
  TDTDateMode FDateMode = dmComboBox;
  TDateTimeKind FKind = dtkDate;
  double FMaxDate = 0, FMinDate = 0;
  bool FParseInput = false;
  int FUpdating = 0;
};

}  // namespace kcl

#pragma once
// TTrackBar: a slider with tick marks on a Qt slider in the Windows look. OnChange
// tells of the user's moves, not of the program's.
#include "kcl/controls/wincontrol.h"

class QSlider;

namespace kcl {

KCL_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
KCL_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
KCL_ENUM(TTickStyle, tsNone, tsAuto, tsManual)

class TTrackBar : public TWinControl {
  KCL_CLASS(TTrackBar, TWinControl)
public:
  explicit TTrackBar(TComponent* owner);

  int LineSize() const { return FLineSize; }
  void SetLineSize(int v);
  int Max() const { return FMax; }
  void SetMax(int v);
  int Min() const { return FMin; }
  void SetMin(int v);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  // A new orientation turns the control: width and height change places.
  void SetOrientation(TTrackBarOrientation v);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int v);
  int Position() const { return FPosition; }
  void SetPosition(int v);
  int SelEnd() const { return FSelEnd; }
  void SetSelEnd(int v);
  int SelStart() const { return FSelStart; }
  void SetSelStart(int v);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark v);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle v);

  TNotifyEvent OnChange;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  virtual void Changed() { OnChange(this); }

private:
  void UpdateWidget();
  QSlider* Slider() const;

  int FLineSize = 1, FMax = 10, FMin = 0, FPageSize = 2, FFrequency = 1, FPosition = 0;
  int FSelEnd = 0, FSelStart = 0;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
  int FUpdating = 0;
};

}  // namespace kcl

#include "kcl/components/trackbar.h"

#include <QSlider>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"

namespace kcl {

KCL_CLASS_INFO(TTrackBar) {
  using T = TTrackBar;
  cls.publish({"Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("LineSize", &T::LineSize, &T::SetLineSize).Default(1);
  cls.property("Max", &T::Max, &T::SetMax).Default(10);
  cls.property("Min", &T::Min, &T::SetMin).Default(0);
  cls.property("Orientation", &T::Orientation, &T::SetOrientation);
  cls.publish({"ParentCtl3D", "ParentShowHint"});
  cls.property("PageSize", &T::PageSize, &T::SetPageSize).Default(2);
  cls.publish({"PopupMenu"});
  cls.property("Frequency", &T::Frequency, &T::SetFrequency);
  cls.property("Position", &T::Position, &T::SetPosition);
  cls.property("SelEnd", &T::SelEnd, &T::SetSelEnd);
  cls.property("SelStart", &T::SelStart, &T::SetSelStart);
  cls.publish({"ShowHint", "TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.property("TickMarks", &T::TickMarks, &T::SetTickMarks);
  cls.property("TickStyle", &T::TickStyle, &T::SetTickStyle);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnStartDrag"});
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(Left(), Top(), 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetLineSize(int v) {
  FLineSize = v;
  UpdateWidget();
}

// The range as read from a file stands; the position keeps inside it.
void TTrackBar::SetMax(int v) {
  FMax = v;
  if (FMin <= FMax) FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWidget();
}

void TTrackBar::SetMin(int v) {
  FMin = v;
  if (FMin <= FMax) FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWidget();
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == FOrientation) return;
  FOrientation = v;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  UpdateWidget();
}

void TTrackBar::SetPageSize(int v) {
  FPageSize = v;
  UpdateWidget();
}

void TTrackBar::SetFrequency(int v) {
  FFrequency = v;
  UpdateWidget();
}

void TTrackBar::SetPosition(int v) {
  FPosition = FMin <= FMax ? std::clamp(v, FMin, FMax) : v;
  UpdateWidget();
}

void TTrackBar::SetSelEnd(int v) { FSelEnd = v; }
void TTrackBar::SetSelStart(int v) { FSelStart = v; }

void TTrackBar::SetTickMarks(TTickMark v) {
  FTickMarks = v;
  UpdateWidget();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
  FTickStyle = v;
  UpdateWidget();
}

QSlider* TTrackBar::Slider() const { return static_cast<QSlider*>(FWidget.data()); }

QWidget* TTrackBar::CreateWidget(QWidget* parentWidget) {
  auto* slider = new QSlider(parentWidget);
  UseWindowsStyle(slider);
  QObject::connect(slider, &QSlider::valueChanged, slider, [this](int value) {
    if (FUpdating || IsDesigning()) return;
    FPosition = value;
    Changed();
  });
  return slider;
}

void TTrackBar::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidget();
}

void TTrackBar::UpdateWidget() {
  QSlider* slider = Slider();
  if (!slider) return;
  ++FUpdating;
  slider->setOrientation(FOrientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
  slider->setRange(std::min(FMin, FMax), std::max(FMin, FMax));
  slider->setSingleStep(FLineSize);
  slider->setPageStep(FPageSize);
  slider->setValue(FPosition);
  slider->setTickInterval(FTickStyle == tsAuto ? std::max(FFrequency, 1) : 0);
  // Below or right; above or left; both.
  static constexpr QSlider::TickPosition Ticks[] = {QSlider::TicksBelow, QSlider::TicksAbove, QSlider::TicksBothSides};
  slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks : Ticks[FTickMarks]);
  --FUpdating;
}

}  // namespace kcl

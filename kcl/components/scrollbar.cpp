#include "kcl/components/scrollbar.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"

namespace kcl {

namespace {
constexpr const char* ScrollBarRangeError = "Scroll bar property out of range";
}

const TTypeInfo* TScrollEventType() {
  static const TTypeInfo* t = MakeMethodType(
      "TScrollEvent", mkProcedure,
      {{0, "Sender", "TObject"}, {0, "ScrollCode", "TScrollCode"}, {pfVar, "ScrollPos", "Integer"}});
  return t;
}

KCL_CLASS_INFO(TScrollBar) {
  using T = TScrollBar;
  cls.publish({"Align", "Ctl3D", "DragCursor", "DragMode", "Enabled"});
  cls.property("Kind", &T::Kind, &T::SetKind).Default(sbHorizontal);
  cls.property("LargeChange", &T::LargeChange, &T::SetLargeChange, TScrollBarIncType()).Default(1);
  cls.property("Max", &T::Max, &T::SetMax).Default(100);
  cls.property("Min", &T::Min, &T::SetMin).Default(0);
  cls.property("PageSize", &T::PageSize, &T::SetPageSize).Default(0);
  cls.publish({"ParentCtl3D", "ParentShowHint", "PopupMenu"});
  cls.property("Position", &T::Position, &T::SetPosition).Default(0);
  cls.publish({"ShowHint"});
  cls.property("SmallChange", &T::SmallChange, &T::SetSmallChange, TScrollBarIncType()).Default(1);
  cls.publish({"TabOrder"});
  cls.property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
  cls.publish({"Visible"});
  cls.event("OnChange", &T::OnChange, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"});
  cls.event("OnScroll", &T::OnScroll, TScrollEventType());
  cls.publish({"OnStartDrag"});
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  FControlStyle = {csFramed, csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, 16);
  SetTabStop(true);
}

QScrollBar* TScrollBar::Bar() const { return qobject_cast<QScrollBar*>(Widget()); }

QWidget* TScrollBar::CreateWidget(QWidget* parentWidget) {
  auto* bar = new QScrollBar(parentWidget);
  UseWindowsStyle(bar);
  QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) {
    if (IsDesigning() || FUpdatingWidget) return;
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: return Scroll(scLineDown, bar->sliderPosition());
      case QAbstractSlider::SliderSingleStepSub: return Scroll(scLineUp, bar->sliderPosition());
      case QAbstractSlider::SliderPageStepAdd: return Scroll(scPageDown, bar->sliderPosition());
      case QAbstractSlider::SliderPageStepSub: return Scroll(scPageUp, bar->sliderPosition());
      case QAbstractSlider::SliderToMinimum: return Scroll(scTop, bar->sliderPosition());
      case QAbstractSlider::SliderToMaximum: return Scroll(scBottom, bar->sliderPosition());
      case QAbstractSlider::SliderMove: return Scroll(scTrack, bar->sliderPosition());
      default: return;
    }
  });
  QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar] {
    if (IsDesigning()) return;
    Scroll(scPosition, bar->sliderPosition());
    Scroll(scEndScroll, FPosition);
  });
  return bar;
}

void TScrollBar::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidgetRange();
}

void TScrollBar::UpdateWidgetRange() {
  QScrollBar* bar = Bar();
  if (!bar) return;
  ++FUpdatingWidget;
  const QSignalBlocker blocker(bar);
  bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
  // A thumb of PageSize units stops PageSize - 1 before Max, as on Windows.
  bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
  bar->setSingleStep(FSmallChange);
  bar->setPageStep(FPageSize > 0 ? FPageSize : FLargeChange);
  bar->setValue(FPosition);
  --FUpdatingWidget;
}

void TScrollBar::SetKind(TScrollBarKind v) {
  if (FKind == v) return;
  FKind = v;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  UpdateWidgetRange();
}

void TScrollBar::SetLargeChange(int v) {
  FLargeChange = std::clamp(v, 1, 32767);
  UpdateWidgetRange();
}

void TScrollBar::SetSmallChange(int v) {
  FSmallChange = std::clamp(v, 1, 32767);
  UpdateWidgetRange();
}

void TScrollBar::SetPageSize(int v) {
  FPageSize = IsLoading() ? v : std::clamp(v, 0, FMax - FMin + 1);
  UpdateWidgetRange();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (IsLoading()) {
    // Max comes before Min in a form file: the range is whole only in Loaded.
    FMin = min, FMax = max, FPosition = position;
    return;
  }
  if (max < min) throw EInvalidOperation(ScrollBarRangeError);
  FMin = min, FMax = max;
  FPageSize = std::min(FPageSize, FMax - FMin + 1);
  position = std::clamp(position, min, max);
  const bool moved = position != FPosition;
  FPosition = position;
  UpdateWidgetRange();
  if (moved) Change();
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  // A range read upside down is made whole rather than refusing the form.
  if (FMax < FMin) FMax = FMin;
  FPageSize = std::clamp(FPageSize, 0, FMax - FMin + 1);
  FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWidgetRange();
}

void TScrollBar::Scroll(TScrollCode code, int position) {
  OnScroll(this, code, position);
  SetPosition(position);
  UpdateWidgetRange();  // the handler may have kept the bar from where the user took it
}

}  // namespace kcl

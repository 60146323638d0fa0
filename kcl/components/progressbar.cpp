#include "kcl/components/progressbar.h"

#include <QProgressBar>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"

namespace kcl {

KCL_CLASS_INFO(TProgressBar) {
  using T = TProgressBar;
  cls.publish({"Align", "Enabled"});
  cls.property("Min", &T::Min, &T::SetMin);
  cls.property("Max", &T::Max, &T::SetMax);
  cls.publish({"ParentShowHint", "PopupMenu"});
  cls.property("Position", &T::Position, &T::SetPosition).Default(0);
  cls.property("Step", &T::Step, &T::SetStep).Default(10);
  cls.publish({"ShowHint", "TabOrder", "TabStop", "Visible", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(Left(), Top(), 150, 16); }

void TProgressBar::SetRange(int min, int max) {
  FMin = min;
  FMax = max;
  if (FMin <= FMax) FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWidget();
}

void TProgressBar::SetPosition(int v) {
  FPosition = FMin <= FMax ? std::clamp(v, FMin, FMax) : v;
  UpdateWidget();
}

QProgressBar* TProgressBar::Bar() const { return static_cast<QProgressBar*>(FWidget.data()); }

QWidget* TProgressBar::CreateWidget(QWidget* parentWidget) {
  auto* bar = new QProgressBar(parentWidget);
  bar->setTextVisible(false);
  UseWindowsStyle(bar);
  return bar;
}

void TProgressBar::InitWidget() {
  TWinControl::InitWidget();
  UpdateWidget();
}

void TProgressBar::UpdateWidget() {
  if (!Bar()) return;
  Bar()->setRange(std::min(FMin, FMax), std::max(FMin, FMax));
  Bar()->setValue(FPosition);
}

}  // namespace kcl

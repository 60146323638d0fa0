#pragma once
// The user's mouse on a control's Qt peer.
#include <QTest>

#include "kcl/controls/control.h"

namespace korvax::test {

// A left click at (x, y) of the control.
inline void ClickAt(kcl::TControl* control, int x = 5, int y = 5) {
  QTest::mouseClick(control->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

}  // namespace korvax::test

#pragma once
// The user's mouse on a control's Qt peer.
#include <QTest>

#include "kcl/controls/control.h"

namespace korvax::test {

// A left click at (x, y) of the control.
inline void ClickAt(kcl::TControl* control, int x = 5, int y = 5) {
  QTest::mouseClick(control->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

// The middle of a rectangle, where a click surely lands inside it.
inline kcl::TPoint Middle(const kcl::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

}  // namespace korvax::test

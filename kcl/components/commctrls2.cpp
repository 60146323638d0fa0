#include "kcl/components/commctrls2.h"

namespace kcl {

void RegisterWin32Controls() {
  static const bool registered = [] {
    RegisterClasses({&TTabControl::StaticClass(), &TTreeView::StaticClass(), &TImageList::StaticClass(),
                     &TTrackBar::StaticClass(), &TProgressBar::StaticClass(), &TUpDown::StaticClass(),
                     &THotKey::StaticClass(), &TToolBar::StaticClass(), &TToolButton::StaticClass(),
                     &TCoolBar::StaticClass(), &TDateTimePicker::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

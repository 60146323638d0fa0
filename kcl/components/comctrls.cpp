#include "kcl/components/comctrls.h"

namespace kcl {

void RegisterCommonControls() {
  static const bool registered = [] {
    RegisterClasses({&TTabSheet::StaticClass(), &TPageControl::StaticClass(), &TStatusBar::StaticClass(),
                     &TListView::StaticClass(), &THeaderControl::StaticClass(), &TAnimate::StaticClass(),
                     &TColorGrid::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

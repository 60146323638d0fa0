#include "kcl/components/comctrls.h"

#include "kcl/components/richedit.h"

namespace kcl {

void RegisterCommonControls() {
  static const bool registered = [] {
    RegisterClasses({&TTabSheet::StaticClass(), &TPageControl::StaticClass(), &TStatusBar::StaticClass(),
                     &TListView::StaticClass(), &THeaderControl::StaticClass(), &TAnimate::StaticClass(),
                     &TColorGrid::StaticClass(), &TRichEdit::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

#include "ide/designer/palettechoice.h"

#include "ide/designer/catalogue.h"

namespace korvax::designer {

void TPaletteChoice::Choose(int32_t tag, bool shiftDown) {
  SelectedComponentTag = tag;
  StickyPlacement = tag != 0 && shiftDown;
}

kcl::TClass TPaletteChoice::ComponentClassForTag() {
  kcl::TClass cls = ClassForTag(SelectedComponentTag);
  if (!StickyPlacement) SelectedComponentTag = 0;
  return cls;
}

void TPaletteChoice::Placed() {
  if (!StickyPlacement && ShowArrow) ShowArrow();
}

}  // namespace korvax::designer

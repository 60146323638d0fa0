#pragma once
// What the palette chose for the next press on a design form: the Tag of the
// button clicked last (0, the arrow, chooses nothing) and whether the choice stays
// after a placement (Shift held on the click). The palette is one for every
// design form, so their designers place from the same choice.
#include <cstdint>
#include <functional>

#include "kcl/classes/typinfo.h"

namespace korvax::designer {

class TPaletteChoice {
public:
  int32_t SelectedComponentTag = 0;
  bool StickyPlacement = false;

  // A button's click: its Tag, sticky when Shift was down (the arrow never is).
  void Choose(int32_t tag, bool shiftDown);
  // The class the choice stands for, or nullptr; used up unless sticky.
  kcl::TClass ComponentClassForTag();
  // A component was placed: unless the choice is sticky, the palette shows its
  // arrow again (ShowArrow, set by the window that holds the palette).
  void Placed();
  std::function<void()> ShowArrow;
};

}  // namespace korvax::designer

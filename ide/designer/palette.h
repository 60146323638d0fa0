#pragma once
// The component palette: its buttons on the main window's page control, made
// from the catalogue, and the choice a button click leaves for the next press on
// a design form.
#include <cstdint>

#include "kcl/components/pagecontrol.h"
#include "kcl/controls/form.h"

namespace korvax::designer {

// The group index the buttons of a palette page share.
int PaletteGroupIndex(int page, bool working);

// Puts the catalogue's buttons on the palette's pages, after each page's arrow:
// flat 27 x 27 speed buttons with the component's hint and Tag, owned by form. A
// working button runs form's published "sbButtonClick", one whose class is not
// implemented "sbMainMenuClick". The active page's buttons get their pictures.
void BuildPalette(kcl::TForm& form, kcl::TPageControl& palette);

// Gives the buttons of the palette's active page their components' pictures,
// once; the other pages wait until they are shown, so that start-up does not
// read every picture.
void LoadPalettePictures(kcl::TForm& form, kcl::TPageControl& palette);

}  // namespace korvax::designer

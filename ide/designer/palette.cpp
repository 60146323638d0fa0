#include "ide/designer/palette.h"

#include "ide/designer/catalogue.h"
#include "ide/common/layouts.h"
#include "kcl/components/buttons.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

namespace {

constexpr int ButtonSize = 27;
constexpr int FirstButtonLeft = 28;  // right of the page's arrow
constexpr int ButtonTop = 2;
constexpr int System = 3, Win31 = 6;

void SetPictureOf(TSpeedButton& button, const std::string& className) {
  TBitmap glyph;
  if (LoadPicture("components", UpperCase(className), glyph) || LoadPicture("components", "DEFAULT", glyph))
    button.SetGlyph(&glyph);
}

void BindClick(TSpeedButton& button, TForm& form, const char* handler) {
  const TMethodEntry* code = form.MethodAddress(handler);
  if (code) button.OnClick.SetMethod({code, &form});
}

}  // namespace

int PaletteGroupIndex(int page, bool working) {
  // One group a page, in the pages' order; the working buttons of the old
  // Windows 3.1 page share the System page's group.
  static const int Groups[PalettePageCount] = {11, 21, 31, 81, 41, 51, 61, 71, 91, 101};
  if (page == Win31 && working) page = System;
  return page >= 0 && page < PalettePageCount ? Groups[page] : 0;
}

void BuildPalette(TForm& form, TPageControl& palette) {
  int next[PalettePageCount];
  std::fill(std::begin(next), std::end(next), FirstButtonLeft);
  for (const TCatalogueEntry& entry : Catalogue()) {
    if (entry.Page < 0 || entry.Page >= palette.PageCount()) continue;
    const bool working = entry.Class && entry.Tag > 0 && entry.Tag != 58;
    auto* button = new TSpeedButton(&form);
    button->SetName(entry.Button);
    button->SetParent(palette.Pages(entry.Page));
    button->SetBounds(next[entry.Page], ButtonTop, ButtonSize, ButtonSize);
    next[entry.Page] += ButtonSize;
    button->SetFlat(true);
    button->SetHint(entry.Hint);
    button->SetShowHint(true);
    button->SetTag(entry.Tag > 0 ? entry.Tag : 0);
    button->SetGroupIndex(PaletteGroupIndex(entry.Page, working));
    button->SetAllowAllUp(entry.Page == 0);
    BindClick(*button, form, working ? "sbButtonClick" : "sbMainMenuClick");
  }
  LoadPalettePictures(form, palette);
}

void LoadPalettePictures(TForm& form, TPageControl& palette) {
  const TTabSheet* page = palette.ActivePage();
  if (!page) return;
  for (const TCatalogueEntry& entry : Catalogue()) {
    if (entry.Page != page->PageIndex()) continue;
    auto* button = dynamic_cast<TSpeedButton*>(form.FindComponent(entry.Button));
    if (button && button->Glyph()->Empty()) SetPictureOf(*button, entry.ClassName);
  }
}

}  // namespace korvax::designer

#include "ide/shell/about.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/picture.h"
#include "kcl/platform/process.h"
#include "kcl/desktop/shell.h"

namespace korvax {

KCL_CLASS_INFO(TAboutBox) {
  using T = TAboutBox;
  cls.field("Panel1", &T::Panel1);
  cls.field("ProgramIcon", &T::ProgramIcon);
  cls.field("ProductName", &T::ProductName);
  cls.field("Comments", &T::Comments);
  cls.field("WebPageButton", &T::WebPageButton);
  cls.field("SourceButton", &T::SourceButton);
  cls.field("OKButton", &T::OKButton);
  cls.method("FormCreate", &T::FormCreate);
  cls.method("WebPageButtonClick", &T::WebPageButtonClick);
  cls.method("SourceButtonClick", &T::SourceButtonClick);
}

TAboutBox::TAboutBox(kcl::TComponent* owner) : kcl::TForm(owner) { LoadFromLayout(LayoutText("About")); }

void TAboutBox::FormCreate(kcl::TObject* /*sender*/) {
  LoadPicture("glyphs", "KORVAX", *ProgramIcon->Picture()->Bitmap());
}

void TAboutBox::WebPageButtonClick(kcl::TObject* /*sender*/) {
  kcl::ShellExecute("open", ProductWebPage, "", "", kcl::SW_SHOWNORMAL);
}

void TAboutBox::SourceButtonClick(kcl::TObject* /*sender*/) {
  kcl::ShellExecute("open", ProductSourcePage, "", "", kcl::SW_SHOWNORMAL);
}

}  // namespace korvax

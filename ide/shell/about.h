#pragma once
// The about box: the program's picture, name and version, and buttons that open
// the product's web pages in the default browser.
#include "kcl/components/extctrls.h"
#include "kcl/components/image.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax {

inline constexpr const char* ProductWebPage = "https://korvax-ide.github.io/";
inline constexpr const char* ProductSourcePage = "https://github.com/korvax-ide/korvax";

class TAboutBox : public kcl::TForm {
  KCL_CLASS(TAboutBox, kcl::TForm)
public:
  // Builds the box from its layout "About".
  explicit TAboutBox(kcl::TComponent* owner);

  kcl::TPanel* Panel1 = nullptr;
  kcl::TImage* ProgramIcon = nullptr;
  kcl::TLabel* ProductName = nullptr;
  kcl::TLabel* Comments = nullptr;
  kcl::TButton* WebPageButton = nullptr;
  kcl::TButton* SourceButton = nullptr;
  kcl::TButton* OKButton = nullptr;

  void FormCreate(kcl::TObject* sender);
  void WebPageButtonClick(kcl::TObject* sender);
  void SourceButtonClick(kcl::TObject* sender);
};

}  // namespace korvax

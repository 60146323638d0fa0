#include "kcl/components/picturedialogs.h"

#include "kcl/classes/classbuilder.h"

namespace kcl {

const std::string& GraphicFilter() {
  // The formats in the order the framework lists them, each on its own after "All".
  static const std::string filter =
      "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
      "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  return filter;
}

KCL_CLASS_INFO(TOpenPictureDialog) {
  cls.republish("Filter").Stored(&TOpenPictureDialog::IsPictureFilterStored);
}

KCL_CLASS_INFO(TSavePictureDialog) {}

TOpenPictureDialog::TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) { SetFilter(GraphicFilter()); }

}  // namespace kcl

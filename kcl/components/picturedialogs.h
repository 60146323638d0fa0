#pragma once
// TOpenPictureDialog and TSavePictureDialog: the open and save dialogs whose
// Filter starts as the list of the picture formats the framework reads.
#include "kcl/components/dialogs.h"

namespace kcl {

// "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|..."
const std::string& GraphicFilter();

class TOpenPictureDialog : public TOpenDialog {
  KCL_CLASS(TOpenPictureDialog, TOpenDialog)
public:
  explicit TOpenPictureDialog(TComponent* owner);
  // Only a filter other than the picture formats is written.
  bool IsPictureFilterStored() const { return Filter() != GraphicFilter(); }
};

class TSavePictureDialog : public TOpenPictureDialog {
  KCL_CLASS(TSavePictureDialog, TOpenPictureDialog)
public:
  using TOpenPictureDialog::TOpenPictureDialog;

protected:
  bool IsSaveDialog() const override { return true; }
};

}  // namespace kcl

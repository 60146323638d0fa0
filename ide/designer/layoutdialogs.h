#pragma once
// The designer's layout dialogs: Alignment, Size and Scale. Each works on the
// designer it is given, as one edit, when OK is pressed.
#include "ide/designer/proxydesigner.h"
#include "kcl/components/edit.h"
#include "kcl/components/extctrls.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace korvax::designer {

// What the dialogs share: the designer, the buttons and the help keyword.
class TLayoutDialog : public kcl::TForm {
  KCL_CLASS(TLayoutDialog, kcl::TForm)
public:
  TLayoutDialog(kcl::TComponent* owner, const char* helpKeyword);

  TProxyDesigner* Designer = nullptr;
  kcl::TButton* OKButton = nullptr;
  kcl::TButton* CancelButton = nullptr;
  kcl::TButton* HelpButton = nullptr;

  void HelpButtonClick(kcl::TObject* sender);

protected:
  // A box's whole number; a text that is none is reported, and the dialog stays
  // open with what was entered (false).
  bool ReadNumber(kcl::TEdit* box, int& value);

private:
  const char* FHelpKeyword;
};

class TAlignDialog : public TLayoutDialog {
  KCL_CLASS(TAlignDialog, TLayoutDialog)
public:
  explicit TAlignDialog(kcl::TComponent* owner);

  kcl::TRadioButton *hNoChange = nullptr, *hLeftSides = nullptr, *hCenters = nullptr, *hRightSides = nullptr,
                    *hSpaceEqual = nullptr, *hCenterInWindow = nullptr;
  kcl::TRadioButton *vNoChange = nullptr, *vTops = nullptr, *vCenters = nullptr, *vBottoms = nullptr,
                    *vSpaceEqual = nullptr, *vCenterInWindow = nullptr;

  void OKButtonClick(kcl::TObject* sender);
};

class TSizeDialog : public TLayoutDialog {
  KCL_CLASS(TSizeDialog, TLayoutDialog)
public:
  explicit TSizeDialog(kcl::TComponent* owner);

  kcl::TRadioButton *hNoChange = nullptr, *hShrink = nullptr, *hGrow = nullptr, *hAbsolute = nullptr;
  kcl::TRadioButton *vNoChange = nullptr, *vShrink = nullptr, *vGrow = nullptr, *vAbsolute = nullptr;
  kcl::TEdit* hWidth = nullptr;
  kcl::TEdit* vHeight = nullptr;

  void hAbsoluteClick(kcl::TObject* sender);
  void vAbsoluteClick(kcl::TObject* sender);
  void OKButtonClick(kcl::TObject* sender);
};

class TScaleForm : public TLayoutDialog {
  KCL_CLASS(TScaleForm, TLayoutDialog)
public:
  explicit TScaleForm(kcl::TComponent* owner);

  kcl::TEdit* Edit = nullptr;

  void OKButtonClick(kcl::TObject* sender);
};

}  // namespace korvax::designer

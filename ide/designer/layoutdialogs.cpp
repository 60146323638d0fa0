#include "ide/designer/layoutdialogs.h"

#include "ide/common/layouts.h"
#include "kcl/classes/classbuilder.h"
#include "kcl/controls/application.h"
#include "kcl/rtl/exceptions.h"
#include "kcl/rtl/sysutils.h"

namespace korvax::designer {

using namespace kcl;

KCL_CLASS_INFO(TLayoutDialog) {
  using T = TLayoutDialog;
  cls.field("OKButton", &T::OKButton);
  cls.field("CancelButton", &T::CancelButton);
  cls.field("HelpButton", &T::HelpButton);
  cls.method("HelpButtonClick", &T::HelpButtonClick);
}

KCL_CLASS_INFO(TAlignDialog) {
  using T = TAlignDialog;
  cls.field("hNoChange", &T::hNoChange);
  cls.field("hLeftSides", &T::hLeftSides);
  cls.field("hCenters", &T::hCenters);
  cls.field("hRightSides", &T::hRightSides);
  cls.field("hSpaceEqual", &T::hSpaceEqual);
  cls.field("hCenterInWindow", &T::hCenterInWindow);
  cls.field("vNoChange", &T::vNoChange);
  cls.field("vTops", &T::vTops);
  cls.field("vCenters", &T::vCenters);
  cls.field("vBottoms", &T::vBottoms);
  cls.field("vSpaceEqual", &T::vSpaceEqual);
  cls.field("vCenterInWindow", &T::vCenterInWindow);
  cls.method("OKButtonClick", &T::OKButtonClick);
}

KCL_CLASS_INFO(TSizeDialog) {
  using T = TSizeDialog;
  cls.field("hNoChange", &T::hNoChange);
  cls.field("hShrink", &T::hShrink);
  cls.field("hGrow", &T::hGrow);
  cls.field("hAbsolute", &T::hAbsolute);
  cls.field("vNoChange", &T::vNoChange);
  cls.field("vShrink", &T::vShrink);
  cls.field("vGrow", &T::vGrow);
  cls.field("vAbsolute", &T::vAbsolute);
  cls.field("hWidth", &T::hWidth);
  cls.field("vHeight", &T::vHeight);
  cls.method("hAbsoluteClick", &T::hAbsoluteClick);
  cls.method("vAbsoluteClick", &T::vAbsoluteClick);
  cls.method("OKButtonClick", &T::OKButtonClick);
}

KCL_CLASS_INFO(TScaleForm) {
  cls.field("Edit", &TScaleForm::Edit);
  cls.method("OKButtonClick", &TScaleForm::OKButtonClick);
}

TLayoutDialog::TLayoutDialog(TComponent* owner, const char* helpKeyword) : TForm(owner), FHelpKeyword(helpKeyword) {}

void TLayoutDialog::HelpButtonClick(TObject*) { Application()->HelpKeyword(FHelpKeyword); }

bool TLayoutDialog::ReadNumber(TEdit* box, int& value) {
  try {
    value = StrToInt(Trim(box->Text()));
    return true;
  } catch (const EConvertError& e) {
    Application()->ShowException(e);
    SetModalResult(mrNone);
    return false;
  }
}

// --- Alignment

// Each dialog reads its layout once it is itself: the layout names its handlers.
TAlignDialog::TAlignDialog(TComponent* owner) : TLayoutDialog(owner, "Align command") {
  LoadFromLayout(LayoutText("AlignDialog"));
}

namespace {

TAlignMode ChosenMode(std::initializer_list<std::pair<TRadioButton*, TAlignMode>> choices) {
  for (const auto& [button, mode] : choices)
    if (button->Checked()) return mode;
  return TAlignMode::NoChange;
}

}  // namespace

void TAlignDialog::OKButtonClick(TObject*) {
  if (!Designer) return;
  Designer->AlignSelection(
      ChosenMode({{hLeftSides, TAlignMode::Start}, {hCenters, TAlignMode::Centers}, {hRightSides, TAlignMode::End},
                  {hSpaceEqual, TAlignMode::SpaceEqually}, {hCenterInWindow, TAlignMode::CenterInWindow}}),
      ChosenMode({{vTops, TAlignMode::Start}, {vCenters, TAlignMode::Centers}, {vBottoms, TAlignMode::End},
                  {vSpaceEqual, TAlignMode::SpaceEqually}, {vCenterInWindow, TAlignMode::CenterInWindow}}));
}

// --- Size

TSizeDialog::TSizeDialog(TComponent* owner) : TLayoutDialog(owner, "Size command") {
  LoadFromLayout(LayoutText("SizeDialog"));
}

void TSizeDialog::hAbsoluteClick(TObject*) {
  hWidth->SetEnabled(true);
  if (hWidth->CanFocus()) hWidth->SetFocus();
}

void TSizeDialog::vAbsoluteClick(TObject*) {
  vHeight->SetEnabled(true);
  if (vHeight->CanFocus()) vHeight->SetFocus();
}

void TSizeDialog::OKButtonClick(TObject*) {
  // Both numbers are read before anything changes.
  int width = 0, height = 0;
  if (hAbsolute->Checked() && !ReadNumber(hWidth, width)) return;
  if (vAbsolute->Checked() && !ReadNumber(vHeight, height)) return;
  if (!Designer) return;
  const auto mode = [](TRadioButton* shrink, TRadioButton* grow, TRadioButton* absolute) {
    return absolute->Checked() ? TSizeMode::Absolute
           : grow->Checked()   ? TSizeMode::Grow
           : shrink->Checked() ? TSizeMode::Shrink
                               : TSizeMode::NoChange;
  };
  Designer->SizeSelection(mode(hShrink, hGrow, hAbsolute), width, mode(vShrink, vGrow, vAbsolute), height);
}

// --- Scale

TScaleForm::TScaleForm(TComponent* owner) : TLayoutDialog(owner, "Scale command") {
  LoadFromLayout(LayoutText("ScaleForm"));
}

void TScaleForm::OKButtonClick(TObject*) {
  int percent = 0;
  if (!ReadNumber(Edit, percent) || !Designer) return;
  Designer->ScaleComponents(percent);
}

}  // namespace korvax::designer

#include "kcl/components/finddialogs.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/dlgcontrols.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/form.h"

namespace kcl {

KCL_CLASS_INFO(TFindDialog) {
  cls.property("FindText", &TFindDialog::FindText, &TFindDialog::SetFindText);
  cls.property("Options", &TFindDialog::Options, &TFindDialog::SetOptions).Default(TFindOptions{frDown});
  cls.event("OnFind", &TFindDialog::OnFind, TNotifyEventType());
}

KCL_CLASS_INFO(TReplaceDialog) {
  cls.property("ReplaceText", &TReplaceDialog::ReplaceText, &TReplaceDialog::SetReplaceText);
  cls.event("OnReplace", &TReplaceDialog::OnReplace, TNotifyEventType());
}

namespace {

// Shown only without its frHide option, enabled only without its frDisable one.
void ApplyOptions(TControl* control, TFindOptions options, TFindOption hide, TFindOption disable) {
  control->SetVisible(!options.Contains(hide));
  control->SetEnabled(!options.Contains(disable));
}

}  // namespace

TFindDialog::TFindDialog(TComponent* owner) : TCommonDialog(owner) {}

TFindDialog::~TFindDialog() { TFindDialog::BeforeDestruction(); }

void TFindDialog::BeforeDestruction() {
  TCommonDialog::BeforeDestruction();  // frees the form it owns
  FForm = nullptr;
}

TForm* TFindDialog::Form() const { return FForm; }

void TFindDialog::SetFindText(const std::string& v) {
  FFindText = v;
  if (FFindEdit) FFindEdit->SetText(v);
}

void TFindDialog::SetOptions(TFindOptions v) {
  FOptions = v;
  if (!FForm) return;
  FMatchCase->SetChecked(v.Contains(frMatchCase));
  FWholeWord->SetChecked(v.Contains(frWholeWord));
  FDown->SetChecked(v.Contains(frDown));
  FUp->SetChecked(!v.Contains(frDown));
  // Replacing has no direction.
  const TFindOptions shown = IsReplaceDialog() ? v + TFindOptions{frHideUpDown} : v;
  ApplyOptions(FMatchCase, shown, frHideMatchCase, frDisableMatchCase);
  ApplyOptions(FWholeWord, shown, frHideWholeWord, frDisableWholeWord);
  ApplyOptions(FUp, shown, frHideUpDown, frDisableUpDown);
  ApplyOptions(FDown, shown, frHideUpDown, frDisableUpDown);
}

void TFindDialog::SetPosition(int left, int top) {
  FLeft = left, FTop = top;
  if (FForm) FForm->SetBounds(left, top, FForm->Width(), FForm->Height());
}

void TReplaceDialog::SetReplaceText(const std::string& v) {
  FReplaceText = v;
  if (ReplaceEdit()) ReplaceEdit()->SetText(v);
}

bool TFindDialog::Show() {
  if (!FForm) BuildForm();
  UpdateForm();
  if (FLeft >= 0 && FTop >= 0) FForm->SetBounds(FLeft, FTop, FForm->Width(), FForm->Height());
  FForm->Show();
  FForm->SetActiveControl(FFindEdit);
  return true;
}

void TFindDialog::CloseDialog() {
  if (FForm) FForm->Close();
}

void TFindDialog::UpdateForm() {
  SetFindText(FFindText);
  SetOptions(FOptions);
}

void TReplaceDialog::UpdateForm() {
  TFindDialog::UpdateForm();
  SetReplaceText(FReplaceText);
}

void TReplaceDialog::ReadForm() {
  TFindDialog::ReadForm();
  FReplaceText = ReplaceEdit()->Text();
}

void TFindDialog::ReadForm() {
  FFindText = FFindEdit->Text();
  auto set = [this](TFindOption option, bool on) { on ? FOptions.Include(option) : FOptions.Exclude(option); };
  set(frMatchCase, FMatchCase->Checked());
  set(frWholeWord, FWholeWord->Checked());
  set(frDown, FDown->Checked());
}

void TFindDialog::Request(TFindOption kind) {
  ReadForm();
  FOptions = FOptions - TFindOptions{frFindNext, frReplace, frReplaceAll};
  FOptions.Include(kind);
  if (kind == frFindNext)
    DoFind();
  else
    DoReplace();
}

void TFindDialog::BuildForm() {
  const bool replace = IsReplaceDialog();
  FForm = new TForm(this);
  FForm->SetBorderStyle(bsDialog);
  FForm->SetCaption(FormCaption());
  FForm->SetClientSize(345, replace ? 150 : 95);
  PlaceControl<TLabel>(FForm, "FindLabel", Bounds(8, 12, 64, 16))->SetCaption("Fi&nd what:");
  FFindEdit = PlaceControl<TEdit>(FForm, "FindEdit", Bounds(80, 8, 170, 21));
  int y = 44;
  if (replace) {
    PlaceControl<TLabel>(FForm, "ReplaceLabel", Bounds(8, 40, 70, 16))->SetCaption("Re&place with:");
    FReplaceEdit = PlaceControl<TEdit>(FForm, "ReplaceEdit", Bounds(80, 36, 170, 21));
    y = 72;
  }
  FWholeWord = PlaceControl<TCheckBox>(FForm, "WholeWord", Bounds(8, y, 150, 20));
  FWholeWord->SetCaption("Match &whole word only");
  FMatchCase = PlaceControl<TCheckBox>(FForm, "MatchCase", Bounds(8, y + 24, 150, 20));
  FMatchCase->SetCaption("Match &case");
  FUp = PlaceControl<TRadioButton>(FForm, "Up", Bounds(165, y + 24, 40, 20));
  FUp->SetCaption("&Up");
  FDown = PlaceControl<TRadioButton>(FForm, "Down", Bounds(210, y + 24, 55, 20));
  FDown->SetCaption("&Down");

  auto button = [this](const char* name, const char* caption, int top, TFindOption kind) {
    auto* b = PlaceControl<TButton>(FForm, name, Bounds(262, top, 75, 23));
    b->SetCaption(caption);
    b->OnClick.SetHandler([this, kind](TObject*) { Request(kind); });
    return b;
  };
  button("FindNext", "&Find Next", 8, frFindNext)->SetDefault(true);
  int top = 36;
  if (replace) {
    button("Replace", "&Replace", 36, frReplace);
    button("ReplaceAll", "Replace &All", 64, frReplaceAll);
    top = 92;
  }
  auto* cancel = PlaceControl<TButton>(FForm, "Cancel", Bounds(262, top, 75, 23));
  cancel->SetCaption("Cancel");
  cancel->SetCancel(true);
  cancel->OnClick.SetHandler([this](TObject*) { CloseDialog(); });
  HandleDialogKeys(FForm);
}

}  // namespace kcl

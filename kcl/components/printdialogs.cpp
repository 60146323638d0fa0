#include "kcl/components/printdialogs.h"

#include <memory>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/dlgcontrols.h"
#include "kcl/components/edit.h"
#include "kcl/components/label.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TPrintDialog) {
  cls.property("Collate", &TPrintDialog::Collate, &TPrintDialog::SetCollate).Default(false);
  cls.property("Copies", &TPrintDialog::Copies, &TPrintDialog::SetCopies).Default(0);
  cls.property("FromPage", &TPrintDialog::FromPage, &TPrintDialog::SetFromPage).Default(0);
  cls.property("MinPage", &TPrintDialog::MinPage, &TPrintDialog::SetMinPage).Default(0);
  cls.property("MaxPage", &TPrintDialog::MaxPage, &TPrintDialog::SetMaxPage).Default(0);
  cls.property("Options", &TPrintDialog::Options, &TPrintDialog::SetOptions).Default(TPrintDialogOptions{});
  cls.property("PrintToFile", &TPrintDialog::PrintToFile, &TPrintDialog::SetPrintToFile).Default(false);
  cls.property("PrintRange", &TPrintDialog::PrintRange, &TPrintDialog::SetPrintRange).Default(prAllPages);
  cls.property("ToPage", &TPrintDialog::ToPage, &TPrintDialog::SetToPage).Default(0);
}

KCL_CLASS_INFO(TPrinterSetupDialog) {}

namespace {

using FormPtr = std::unique_ptr<TForm, TObjectFree>;

FormPtr NewDialogForm(const std::string& caption, int clientWidth, int clientHeight) {
  FormPtr form(new TForm(Application()));
  form->SetBorderStyle(bsDialog);
  form->SetPosition(poScreenCenter);
  form->SetCaption(caption);
  form->SetClientSize(clientWidth, clientHeight);
  return form;
}

void AddOkCancel(TForm* form, int top) {
  auto* ok = PlaceControl<TButton>(form, "OK", Bounds(form->ClientWidth() - 164, top, 75, 25));
  ok->SetCaption("OK");
  ok->SetModalResult(mrOk);
  ok->SetDefault(true);
  auto* cancel = PlaceControl<TButton>(form, "Cancel", Bounds(form->ClientWidth() - 83, top, 75, 25));
  cancel->SetCaption("Cancel");
  cancel->SetModalResult(mrCancel);
  cancel->SetCancel(true);
  HandleDialogKeys(form);
}

TEdit* NumberEdit(TForm* form, const std::string& name, const std::string& caption, int left, int top,
                     int value) {
  PlaceControl<TLabel>(form, name + "Label", Bounds(left, top + 3, 80, 16))->SetCaption(caption);
  auto* edit = PlaceControl<TEdit>(form, name, Bounds(left + 84, top, 50, 21));
  edit->SetText(IntToStr(value));
  return edit;
}

}  // namespace

bool TPrintDialog::Show() {
  FormPtr form = NewDialogForm("Print", 320, 190);
  PlaceControl<TLabel>(form.get(), "Printer", Bounds(8, 8, 300, 16))->SetCaption("Printer: Default printer");
  auto* all = PlaceControl<TRadioButton>(form.get(), "All", Bounds(8, 32, 120, 20));
  all->SetCaption("&All");
  auto* selection = PlaceControl<TRadioButton>(form.get(), "Selection", Bounds(8, 56, 120, 20));
  selection->SetCaption("S&election");
  selection->SetEnabled(FOptions.Contains(poSelection));
  auto* pages = PlaceControl<TRadioButton>(form.get(), "Pages", Bounds(8, 80, 70, 20));
  pages->SetCaption("&Pages");
  pages->SetEnabled(FOptions.Contains(poPageNums));
  (FPrintRange == prSelection ? selection : FPrintRange == prPageNums ? pages : all)->SetChecked(true);
  auto* from = NumberEdit(form.get(), "FromPage", "&from:", 80, 80, FFromPage);
  auto* to = NumberEdit(form.get(), "ToPage", "&to:", 80, 106, FToPage);
  auto* copies = NumberEdit(form.get(), "Copies", "Number of &copies:", 8, 132, std::max(1, FCopies));
  auto* collate = PlaceControl<TCheckBox>(form.get(), "Collate", Bounds(180, 132, 100, 20));
  collate->SetCaption("C&ollate");
  collate->SetChecked(FCollate);
  auto* toFile = PlaceControl<TCheckBox>(form.get(), "PrintToFile", Bounds(180, 32, 130, 20));
  toFile->SetCaption("Print to fi&le");
  toFile->SetChecked(FPrintToFile);
  toFile->SetVisible(FOptions.Contains(poPrintToFile));
  toFile->SetEnabled(!FOptions.Contains(poDisablePrintToFile));
  AddOkCancel(form.get(), 160);
  if (form->ShowModal() != mrOk) return false;
  FPrintRange = selection->Checked() ? prSelection : pages->Checked() ? prPageNums : prAllPages;
  FFromPage = StrToIntDef(from->Text(), FFromPage);
  FToPage = StrToIntDef(to->Text(), FToPage);
  FCopies = std::max(1, StrToIntDef(copies->Text(), 1));
  FCollate = collate->Checked();
  FPrintToFile = toFile->Checked();
  return true;
}

bool TPrinterSetupDialog::Show() {
  FormPtr form = NewDialogForm("Print Setup", 320, 70);
  PlaceControl<TLabel>(form.get(), "Printer", Bounds(8, 8, 300, 16))->SetCaption("Printer: Default printer");
  AddOkCancel(form.get(), 37);
  return form->ShowModal() == mrOk;
}

}  // namespace kcl

#pragma once
// TPrintDialog and TPrinterSetupDialog. Printing goes through the system's
// printer; until the framework links Qt's print support these show framework
// forms for the choices they hold (copies, collation, page range).
#include "kcl/components/dialogs.h"

namespace kcl {

KCL_ENUM(TPrintRange, prAllPages, prSelection, prPageNums)
KCL_ENUM(TPrintDialogOption, poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile)
KCL_SET(TPrintDialogOptions, TPrintDialogOption)

class TPrintDialog : public TCommonDialog {
  KCL_CLASS(TPrintDialog, TCommonDialog)
public:
  using TCommonDialog::TCommonDialog;
  bool Collate() const { return FCollate; }
  void SetCollate(bool v) { FCollate = v; }
  int Copies() const { return FCopies; }
  void SetCopies(int v) { FCopies = v; }
  int FromPage() const { return FFromPage; }
  void SetFromPage(int v) { FFromPage = v; }
  int MinPage() const { return FMinPage; }
  void SetMinPage(int v) { FMinPage = v; }
  int MaxPage() const { return FMaxPage; }
  void SetMaxPage(int v) { FMaxPage = v; }
  TPrintDialogOptions Options() const { return FOptions; }
  void SetOptions(TPrintDialogOptions v) { FOptions = v; }
  TPrintRange PrintRange() const { return FPrintRange; }
  void SetPrintRange(TPrintRange v) { FPrintRange = v; }
  bool PrintToFile() const { return FPrintToFile; }
  void SetPrintToFile(bool v) { FPrintToFile = v; }
  int ToPage() const { return FToPage; }
  void SetToPage(int v) { FToPage = v; }

protected:
  bool Show() override;

private:
  bool FCollate = false;
  int FCopies = 0;
  int FFromPage = 0, FMinPage = 0, FMaxPage = 0, FToPage = 0;
  TPrintDialogOptions FOptions;
  TPrintRange FPrintRange = prAllPages;
  bool FPrintToFile = false;
};

class TPrinterSetupDialog : public TCommonDialog {
  KCL_CLASS(TPrinterSetupDialog, TCommonDialog)
public:
  using TCommonDialog::TCommonDialog;

protected:
  bool Show() override;
};

}  // namespace kcl

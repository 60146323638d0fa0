#pragma once
// TFindDialog and TReplaceDialog: modeless framework forms that report each
// request through OnFind and OnReplace while they stay open.
#include <memory>
#include <string>

#include "kcl/components/dialogs.h"

namespace kcl {

class TForm;
class TEdit;
class TCheckBox;
class TRadioButton;

KCL_ENUM(TFindOption, frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase,
         frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp)
KCL_SET(TFindOptions, TFindOption)

class TFindDialog : public TCommonDialog {
  KCL_CLASS(TFindDialog, TCommonDialog)
public:
  explicit TFindDialog(TComponent* owner);
  void BeforeDestruction() override;
  ~TFindDialog() override;

  const std::string& FindText() const { return FFindText; }
  void SetFindText(const std::string& v);
  TFindOptions Options() const { return FOptions; }
  void SetOptions(TFindOptions v);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  void SetPosition(int left, int top);
  TNotifyEvent OnFind;
  // Hides the form.
  void CloseDialog();
  // The form while the dialog is open; nullptr otherwise.
  TForm* Form() const;

protected:
  // Shows the form without waiting and returns true.
  bool Show() override;
  virtual bool IsReplaceDialog() const { return false; }
  virtual std::string FormCaption() const { return "Find"; }
  // The buttons' requests: find next, replace, replace all.
  void Request(TFindOption kind);
  virtual void DoFind() { OnFind(this); }
  virtual void DoReplace() {}
  TEdit* ReplaceEdit() const { return FReplaceEdit; }
  // Brings the form up to date with the properties, and back.
  virtual void UpdateForm();
  virtual void ReadForm();

private:
  void BuildForm();

  std::string FFindText;
  TFindOptions FOptions{frDown};
  int FLeft = -1, FTop = -1;
  TForm* FForm = nullptr;
  TEdit* FFindEdit = nullptr;
  TEdit* FReplaceEdit = nullptr;
  TCheckBox* FWholeWord = nullptr;
  TCheckBox* FMatchCase = nullptr;
  TRadioButton* FUp = nullptr;
  TRadioButton* FDown = nullptr;
};

class TReplaceDialog : public TFindDialog {
  KCL_CLASS(TReplaceDialog, TFindDialog)
public:
  using TFindDialog::TFindDialog;
  const std::string& ReplaceText() const { return FReplaceText; }
  void SetReplaceText(const std::string& v);
  TNotifyEvent OnReplace;

protected:
  bool IsReplaceDialog() const override { return true; }
  std::string FormCaption() const override { return "Replace"; }
  void DoReplace() override { OnReplace(this); }
  void UpdateForm() override;
  void ReadForm() override;

private:
  std::string FReplaceText;
};

}  // namespace kcl

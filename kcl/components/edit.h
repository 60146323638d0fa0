#pragma once
// TCustomEdit and TEdit: one line of text on a QLineEdit. TCustomMemo and TMemo:
// several lines on a QPlainTextEdit, with Lines bound to the peer both ways.
#include <memory>

#include "kcl/components/stdtypes.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/wincontrol.h"

class QLineEdit;
class QPlainTextEdit;

namespace kcl {

class TCustomEdit : public TWinControl {
  KCL_CLASS(TCustomEdit, TWinControl)
public:
  explicit TCustomEdit(TComponent* owner);

  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool v) { FAutoSelect = v; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase v);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool v) { FHideSelection = v; }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool v) { FOEMConvert = v; }
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char v);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  bool Modified() const { return FModified; }
  void SetModified(bool v) { FModified = v; }

  // The selection, in characters of the text.
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::string SelText() const;
  void SetSelText(const std::string& v);
  void SelectAll();
  void Clear() { SetText({}); }

  TNotifyEvent OnChange;

protected:
  virtual void Change() { OnChange(this); }
  // The text as CharCase makes it.
  std::string ApplyCharCase(const std::string& text) const;
  // What the user's typing made of the text: the property follows, then OnChange.
  void UserChangedText(const std::string& text);
  // The control's text for what the edit box shows.
  virtual std::string TextOfWidget(const QLineEdit& edit) const;
  // Tells Qt's peer nothing while the framework itself updates it.
  bool UpdatingWidget() const { return FUpdatingWidget > 0; }
  struct WidgetUpdate {
    explicit WidgetUpdate(TCustomEdit& edit) : Edit(edit) { ++Edit.FUpdatingWidget; }
    ~WidgetUpdate() { --Edit.FUpdatingWidget; }
    TCustomEdit& Edit;
  };
  void TextChanged() override;
  virtual void UpdateWidgetText();
  // Frame, read-only state and the other options the peer shows.
  virtual void UpdateWidgetOptions();
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  QLineEdit* LineEdit() const;

  bool FAutoSelect = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  TEditCharCase FCharCase = ecNormal;
  bool FHideSelection = true;
  int FMaxLength = 0;
  bool FOEMConvert = false;
  char FPasswordChar = 0;
  bool FReadOnly = false;
  bool FModified = false;
  int FUpdatingWidget = 0;
  bool FFromUser = false;
  int FSelStart = 0, FSelLength = 0;
};

class TEdit : public TCustomEdit {
  KCL_CLASS(TEdit, TCustomEdit)
public:
  using TCustomEdit::TCustomEdit;
};

class TCustomMemo : public TCustomEdit {
  KCL_CLASS(TCustomMemo, TCustomEdit)
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool v) { FWantReturns = v; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  // The caret's column (X) and line of Lines (Y), both from 0.
  TPoint CaretPos() const;

  void WndProc(TMessage& message) override;

protected:
  void TextChanged() override;
  void UpdateWidgetText() override;
  void UpdateWidgetOptions() override;
  QWidget* CreateWidget(QWidget* parentWidget) override;
  bool WantsKey(Word key) const override { return key == VK_RETURN && FWantReturns; }

private:
  QPlainTextEdit* TextEdit() const;
  void LinesChanged();

  TAlignment FAlignment = taLeftJustify;
  std::unique_ptr<TBoundStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
  bool FSyncingLines = false;
};

class TMemo : public TCustomMemo {
  KCL_CLASS(TMemo, TCustomMemo)
public:
  using TCustomMemo::TCustomMemo;
};

}  // namespace kcl

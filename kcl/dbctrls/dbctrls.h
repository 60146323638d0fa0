#pragma once
// The data-aware versions of the standard controls. Without data they look as
// their standard bases do empty; a TDBText at design time shows its name.
#include <memory>

#include "kcl/classes/stringlist.h"
#include "kcl/components/combobox.h"
#include "kcl/components/edit.h"
#include "kcl/components/groupbox.h"
#include "kcl/components/label.h"
#include "kcl/components/listbox.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

class TDBText : public TCustomLabel, public TDataAware {
  KCL_CLASS(TDBText, TCustomLabel)
public:
  explicit TDBText(TComponent* owner);
  KCL_DATA_AWARE_NOTIFICATION(TCustomLabel)

protected:
  std::string GetLabelText() const override;
  void DataLinkChanged() override { Invalidate(); }
  void ChangeName(const std::string& newName) override;
};

class TDBEdit : public TCustomEdit, public TDataAware {
  KCL_CLASS(TDBEdit, TCustomEdit)
public:
  explicit TDBEdit(TComponent* owner);
  KCL_DATA_AWARE_NOTIFICATION(TCustomEdit)
};

class TDBMemo : public TCustomMemo, public TDataAware {
  KCL_CLASS(TDBMemo, TCustomMemo)
public:
  explicit TDBMemo(TComponent* owner);
  // Whether the memo loads its field by itself or waits for a double click.
  bool AutoDisplay() const { return FAutoDisplay; }
  void SetAutoDisplay(bool v) { FAutoDisplay = v; }
  KCL_DATA_AWARE_NOTIFICATION(TCustomMemo)

private:
  bool FAutoDisplay = true;
};

class TDBCheckBox : public TCustomCheckBox, public TDataAware {
  KCL_CLASS(TDBCheckBox, TCustomCheckBox)
public:
  explicit TDBCheckBox(TComponent* owner);
  // The field values that check and uncheck the box ("True;Yes" matches either).
  std::string ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const std::string& v) { FValueChecked = v; }
  std::string ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const std::string& v) { FValueUnchecked = v; }
  bool IsValueCheckedStored() const { return FValueChecked != "True"; }
  bool IsValueUncheckedStored() const { return FValueUnchecked != "False"; }
  KCL_DATA_AWARE_NOTIFICATION(TCustomCheckBox)

private:
  std::string FValueChecked = "True";
  std::string FValueUnchecked = "False";
};

class TDBRadioGroup : public TCustomRadioGroup, public TDataAware {
  KCL_CLASS(TDBRadioGroup, TCustomRadioGroup)
public:
  explicit TDBRadioGroup(TComponent* owner);
  // The field value each button stands for; a button without one stands for its caption.
  TStrings* Values() const { return FValues.get(); }
  void SetValues(TStrings* v) { FValues->Assign(v); }
  TNotifyEvent OnChange;
  KCL_DATA_AWARE_NOTIFICATION(TCustomRadioGroup)

private:
  std::unique_ptr<TStringList> FValues = std::make_unique<TStringList>();
};

class TDBListBox : public TCustomListBox, public TDataAware {
  KCL_CLASS(TDBListBox, TCustomListBox)
public:
  explicit TDBListBox(TComponent* owner) : TCustomListBox(owner), TDataAware(this) {}
  KCL_DATA_AWARE_NOTIFICATION(TCustomListBox)
};

class TDBComboBox : public TCustomComboBox, public TDataAware {
  KCL_CLASS(TDBComboBox, TCustomComboBox)
public:
  explicit TDBComboBox(TComponent* owner) : TCustomComboBox(owner), TDataAware(this) {}
  KCL_DATA_AWARE_NOTIFICATION(TCustomComboBox)
};

}  // namespace kcl

#pragma once
// TDBLookupListBox and TDBLookupComboBox: a field's value picked from the records
// of another data set (ListSource), found by KeyField and shown by ListField.
// Without data the list is empty and the combo box shows no text.
#include <string>

#include "kcl/controls/customcontrol.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

KCL_ENUM(TDropDownAlign, daLeft, daRight, daCenter)

class TDBLookupControl : public TCustomControl, public TDataAware {
  KCL_CLASS(TDBLookupControl, TCustomControl)
public:
  explicit TDBLookupControl(TComponent* owner);
  // Raises EDatabaseError for the list's own source.
  void SetDataSource(TDataSource* v);

  std::string KeyField() const { return FKeyField; }
  void SetKeyField(const std::string& v) { FKeyField = v; }
  std::string ListField() const { return FListField; }
  void SetListField(const std::string& v) { FListField = v; }
  int ListFieldIndex() const { return FListFieldIndex; }
  void SetListFieldIndex(int v) { FListFieldIndex = v < 0 ? 0 : v; }
  // Raises EDatabaseError for the control's own data source.
  TDataSource* ListSource() const { return FListSource; }
  void SetListSource(TDataSource* v);

  void Notification(TComponent* component, TOperation operation) override;

private:
  std::string FKeyField, FListField;
  int FListFieldIndex = 0;
  TDataSource* FListSource = nullptr;
};

class TDBLookupListBox : public TDBLookupControl {
  KCL_CLASS(TDBLookupListBox, TDBLookupControl)
public:
  explicit TDBLookupListBox(TComponent* owner);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  // The rows in view; the height follows (it is what streams).
  int RowCount() const;
  void SetRowCount(int v);

protected:
  void Paint() override;

private:
  int BorderSize() const;
  TBorderStyle FBorderStyle = bsSingle;
};

class TDBLookupComboBox : public TDBLookupControl {
  KCL_CLASS(TDBLookupComboBox, TDBLookupControl)
public:
  explicit TDBLookupComboBox(TComponent* owner);
  TDropDownAlign DropDownAlign() const { return FDropDownAlign; }
  void SetDropDownAlign(TDropDownAlign v) { FDropDownAlign = v; }
  int DropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(int v) { FDropDownRows = v; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int v) { FDropDownWidth = v; }

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;

protected:
  void Paint() override;

private:
  TDropDownAlign FDropDownAlign = daLeft;
  int FDropDownRows = 7;
  int FDropDownWidth = 0;
};

}  // namespace kcl

#pragma once
// TDBLookupList and TDBLookupCombo: the older lookup controls, kept for forms
// written before TDBLookupListBox and TDBLookupComboBox. A field's value is
// picked from the records of LookupSource, found by LookupField and shown by
// the fields LookupDisplay names (separated by semicolons). The list is a grid
// with a column per displayed field; the combo is an edit with a drop-down
// button. Without data the list shows empty columns and the combo no text.
#include <string>
#include <vector>

#include "kcl/components/edit.h"
#include "kcl/components/grids.h"
#include "kcl/dbctrls/dataaware.h"

namespace kcl {

KCL_ENUM(TDBLookupListOption, loColLines, loRowLines, loTitles)
KCL_SET(TDBLookupListOptions, TDBLookupListOption)
// The combo box style's names are taken by TComboBoxStyle.
enum class TDBLookupComboStyle : int { csDropDown, csDropDownList };
KCL_ENUM_TYPE(TDBLookupComboStyle, "TDBLookupComboStyle", csDropDown, csDropDownList)

// What both controls keep of the lookup: the source of the records and the
// fields that find and show them. A source that goes is forgotten.
class TLookupLink {
public:
  TLookupLink(TComponent* control, const TDataAware& data) : FControl(control), FData(data) {}
  virtual ~TLookupLink() = default;
  TLookupLink(const TLookupLink&) = delete;
  TLookupLink& operator=(const TLookupLink&) = delete;

  // Raises EInvalidOperation for the control's own data source.
  TDataSource* LookupSource() const { return FLookupSource; }
  void SetLookupSource(TDataSource* v);
  std::string LookupDisplay() const { return FLookupDisplay; }
  void SetLookupDisplay(const std::string& v);
  std::string LookupField() const { return FLookupField; }
  void SetLookupField(const std::string& v) { FLookupField = v; }
  // The names in LookupDisplay; none when it is empty.
  std::vector<std::string> DisplayFields() const;

protected:
  // Raises EInvalidOperation when v is the lookup source.
  void CheckDataSource(TDataSource* v) const;
  void LookupNotification(TComponent* component, TOperation operation);
  virtual void LookupChanged() {}

private:
  TComponent* FControl;
  const TDataAware& FData;
  TDataSource* FLookupSource = nullptr;
  std::string FLookupDisplay, FLookupField;
};

class TDBLookupList : public TCustomGrid, public TDataAware, public TLookupLink {
  KCL_CLASS(TDBLookupList, TCustomGrid)
public:
  explicit TDBLookupList(TComponent* owner);
  void SetDataSource(TDataSource* v);
  TDBLookupListOptions Options() const { return FOptions; }
  void SetOptions(TDBLookupListOptions v);
  // Whether the list shows a title row.
  int TitleOffset() const { return FOptions.Contains(loTitles) ? 1 : 0; }

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  // There are no record values to edit.
  bool CanEditShow() const override { return false; }
  void DefineProperties(TFiler& filer) override;
  void FontChanged() override;
  void LookupChanged() override { LayoutChanged(); }

private:
  // A column per displayed field sharing the width, and a row under the titles.
  void LayoutChanged();

  TDBLookupListOptions FOptions;
  bool FLayingOut = false;
};

class TDBLookupCombo : public TCustomEdit, public TDataAware, public TLookupLink {
  KCL_CLASS(TDBLookupCombo, TCustomEdit)
public:
  explicit TDBLookupCombo(TComponent* owner);
  void SetDataSource(TDataSource* v);
  // The options of the drop-down list.
  TDBLookupListOptions Options() const { return FOptions; }
  void SetOptions(TDBLookupListOptions v) { FOptions = v; }
  // A drop-down list combo takes no typing.
  TDBLookupComboStyle Style() const { return FStyle; }
  void SetStyle(TDBLookupComboStyle v);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int v) { FDropDownCount = v; }
  int DropDownWidth() const { return FDropDownWidth; }
  void SetDropDownWidth(int v) { FDropDownWidth = v; }
  TControl* Button() const { return FButton; }

  void SetBounds(int left, int top, int width, int height) override;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnDropDown;

protected:
  void InitWidget() override;
  void EnabledChanged() override;

private:
  void PlaceButton();

  TDBLookupListOptions FOptions;
  TDBLookupComboStyle FStyle = TDBLookupComboStyle::csDropDown;
  int FDropDownCount = 8;
  int FDropDownWidth = 0;
  TControl* FButton = nullptr;
};

}  // namespace kcl

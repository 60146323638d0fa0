#pragma once
// TCustomComboBox and TComboBox on a QComboBox: an edit (csDropDown, csSimple)
// or a fixed choice (csDropDownList and the owner-drawn styles) over Items.
#include <memory>

#include "kcl/components/itemdelegate.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/wincontrol.h"
#include "kcl/graphics/canvas.h"

class QComboBox;

namespace kcl {

class TCustomComboBox : public TWinControl, public TOwnerDrawItems {
  KCL_CLASS(TCustomComboBox, TWinControl)
public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle v);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int v);
  int ItemHeight() const { return FItemHeight.Get(IsOwnerDraw()); }
  void SetItemHeight(int v);
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* v) { FItems->Assign(v); }
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int v);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool v) { FItems->SetSorted(v); }
  // The selected item, -1 for none; setting it shows the item's text.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int v);
  bool DroppedDown() const;
  void SetDroppedDown(bool v);
  void Clear();
  TCanvas* Canvas() const { return FCanvas.get(); }

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  bool IsOwnerDraw() const override { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  int MeasureItem(int index) override;
  void PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) override;
  // Called by the peer before its list opens.
  virtual void DropDown() { OnDropDown(this); }

protected:
  virtual void Change() { OnChange(this); }
  // OnDrawItem when assigned; otherwise the item's text.
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void TextChanged() override;
  void FontChanged() override;

private:
  QComboBox* Combo() const;
  bool Editable() const { return FStyle == csDropDown || FStyle == csSimple; }
  void ItemsChanged();
  void UpdateWidget();
  void UserSelected(int index);
  void UserTyped(const std::string& text);

  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
  TItemHeight FItemHeight;
  std::unique_ptr<TBoundStrings> FItems;
  int FMaxLength = 0;
  int FItemIndex = -1;
  std::unique_ptr<TCanvas> FCanvas;
  int FUpdatingWidget = 0;
};

class TComboBox : public TCustomComboBox {
  KCL_CLASS(TComboBox, TCustomComboBox)
public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace kcl

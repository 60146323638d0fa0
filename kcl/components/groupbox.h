#pragma once
// TCustomGroupBox and TGroupBox on a QGroupBox; TCustomRadioGroup and
// TRadioGroup, a group box of radio buttons made from Items. Children sit in
// the group box's whole area, as on Windows; aligned ones below the caption.
#include <memory>
#include <vector>

#include "kcl/components/stdbuttons.h"
#include "kcl/components/stdtypes.h"

namespace kcl {

class TCustomGroupBox : public TWinControl {
  KCL_CLASS(TCustomGroupBox, TWinControl)
public:
  explicit TCustomGroupBox(TComponent* owner);

protected:
  TRect AlignRect() const override;
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void TextChanged() override;
};

class TGroupBox : public TCustomGroupBox {
  KCL_CLASS(TGroupBox, TCustomGroupBox)
public:
  using TCustomGroupBox::TCustomGroupBox;
};

class TCustomRadioGroup : public TCustomGroupBox {
  KCL_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
  explicit TCustomRadioGroup(TComponent* owner);
  ~TCustomRadioGroup() override;

  int Columns() const { return FColumns; }
  // 1 to 16.
  void SetColumns(int v);
  // The checked item, -1 for none; values out of range raise EListError.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int v);
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* v) { FItems->Assign(v); }
  // The buttons made from Items (not streamed: they belong to the group).
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TRadioButton* Buttons(int index) const { return FButtons.at(static_cast<size_t>(index)); }

  void SetBounds(int left, int top, int width, int height) override;
  void SetDesigning(bool value) override;
  void Loaded() override;

protected:
  void FontChanged() override;

private:
  void ItemsChanged();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton* button);

  int FColumns = 1;
  int FItemIndex = -1;
  std::unique_ptr<TBoundStrings> FItems;
  std::vector<TRadioButton*> FButtons;
  bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
  KCL_CLASS(TRadioGroup, TCustomRadioGroup)
public:
  using TCustomRadioGroup::TCustomRadioGroup;
};

}  // namespace kcl

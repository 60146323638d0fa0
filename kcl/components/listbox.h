#pragma once
// TCustomListBox and TListBox on a QListWidget. Items is bound to the peer; the
// selection follows the user's clicks. Owner-drawn styles draw every visible
// item through OnDrawItem on the list box's Canvas.
#include <memory>
#include <vector>

#include "kcl/components/itemdelegate.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/wincontrol.h"
#include "kcl/graphics/canvas.h"

class QListWidget;
class QPainter;

namespace kcl {

class TCustomListBox : public TWinControl, public TOwnerDrawItems {
  KCL_CLASS(TCustomListBox, TWinControl)
public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  int Columns() const { return FColumns; }
  void SetColumns(int v);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool v);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool v) { FIntegralHeight = v; }
  int ItemHeight() const { return FItemHeight.Get(FStyle != lbStandard); }
  void SetItemHeight(int v);
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* v) { FItems->Assign(v); }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool v);
  bool Sorted() const { return FItems->Sorted(); }
  void SetSorted(bool v) { FItems->SetSorted(v); }
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle v);
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int v) { FTabWidth = std::max(v, 0); }

  // The focused item; -1 for none. Out of range values raise EListError.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int v);
  bool Selected(int index) const;
  void SetSelected(int index, bool v);
  int SelCount() const;
  int TopIndex() const;
  void SetTopIndex(int v);
  // The item at a client point: -1 (existing) or Count (otherwise) when none.
  int ItemAtPos(TPoint pos, bool existing) const;
  TRect ItemRect(int index) const;
  void Clear() { FItems->Clear(); }
  TCanvas* Canvas() const { return FCanvas.get(); }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  bool IsOwnerDraw() const override { return FStyle != lbStandard; }
  int MeasureItem(int index) override;
  void PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state) override;

protected:
  QListWidget* List() const;
  // A list box whose items are a list of a class of its own (check marks kept beside them).
  TCustomListBox(TComponent* owner, std::unique_ptr<TBoundStrings> items);
  // OnDrawItem when assigned; otherwise the item's text.
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  // The item's text on the canvas, over the background.
  void DrawItemText(int index, const TRect& rect);
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void FontChanged() override;

private:
  void CheckIndex(int index) const;
  void ItemsChanged();
  void UpdateWidgetItems();
  void UpdateWidgetOptions();
  void UpdateWidgetSelection();
  void UserChangedSelection();

  TBorderStyle FBorderStyle = bsSingle;
  int FColumns = 0;
  bool FExtendedSelect = true;
  bool FIntegralHeight = false;
  TItemHeight FItemHeight;
  std::unique_ptr<TBoundStrings> FItems;
  bool FMultiSelect = false;
  TListBoxStyle FStyle = lbStandard;
  int FTabWidth = 0;
  int FItemIndex = -1;
  std::vector<bool> FSelected;
  std::unique_ptr<TCanvas> FCanvas;
  int FUpdatingWidget = 0;
};

class TListBox : public TCustomListBox {
  KCL_CLASS(TListBox, TCustomListBox)
public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace kcl

#pragma once
// TCustomOutline and TOutline: a tree drawn row by row from its Lines, where
// each line's leading tabs give its level. Nodes open and close (double click,
// the plus and minus boxes, "+", "-" and Enter); only the rows under open
// nodes show. Items are numbered from 1, as the framework numbers them.
#include <QPointer>
#include <memory>
#include <vector>

#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

class QScrollBar;

namespace kcl {

class TBitmap;

KCL_ENUM(TOutlineType, osText, osPlusMinusText, osPictureText, osPlusMinusPictureText, osTreeText, osTreePictureText)
KCL_ENUM(TOutlineOption, ooDrawTreeRoot, ooDrawFocusRect, ooStretchBitmaps)
KCL_SET(TOutlineOptions, TOutlineOption)
KCL_ENUM(TOutlineStyle, otStandard, otOwnerDraw)

// The sunken double edge of a bsSingle list or grid, drawn just inside rect,
// which shrinks by it; then the inside takes the colour.
void DrawClientEdge(TCanvas& canvas, TRect& rect, bool single, TColor color);

using EOutlineChange = TEvent<void(TObject* sender, int index)>;
const TTypeInfo* EOutlineChangeType();

// The lines of an outline; a form file holds them as "Nodes".
class TOutlineStrings : public TBoundStrings {
  KCL_CLASS(TOutlineStrings, TBoundStrings)
public:
  using TBoundStrings::TBoundStrings;
  void DefineProperties(TFiler& filer) override;
};

class TCustomOutline : public TCustomControl {
  KCL_CLASS(TCustomOutline, TCustomControl)
public:
  explicit TCustomOutline(TComponent* owner);
  ~TCustomOutline() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TOutlineType OutlineStyle() const { return FOutlineStyle; }
  void SetOutlineStyle(TOutlineType v);
  TOutlineOptions Options() const { return FOptions; }
  void SetOptions(TOutlineOptions v);
  TOutlineStyle Style() const { return FStyle; }
  void SetStyle(TOutlineStyle v);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int v);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);
  const std::string& ItemSeparator() const { return FItemSeparator; }
  void SetItemSeparator(const std::string& v) { FItemSeparator = v; }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v);
  TBitmap* PicturePlus() const { return FPictures[0].get(); }
  void SetPicturePlus(TBitmap* v);
  TBitmap* PictureMinus() const { return FPictures[1].get(); }
  void SetPictureMinus(TBitmap* v);
  TBitmap* PictureOpen() const { return FPictures[2].get(); }
  void SetPictureOpen(TBitmap* v);
  TBitmap* PictureClosed() const { return FPictures[3].get(); }
  void SetPictureClosed(TBitmap* v);
  TBitmap* PictureLeaf() const { return FPictures[4].get(); }
  void SetPictureLeaf(TBitmap* v);
  bool IsPicturePlusStored() const;
  bool IsPictureMinusStored() const;
  bool IsPictureOpenStored() const;
  bool IsPictureClosedStored() const;
  bool IsPictureLeafStored() const;

  // Items, 1-based.
  int ItemCount() const { return static_cast<int>(FNodes.size()); }
  // 1 for the top level.
  int Level(int index) const;
  std::string ItemText(int index) const;
  bool HasItems(int index) const;
  bool Expanded(int index) const;
  void SetExpanded(int index, bool v);
  void FullExpand();
  void FullCollapse();
  // The texts from the top level down to the item, joined by ItemSeparator.
  std::string FullPath(int index) const;
  // 0 when none is selected.
  int SelectedItem() const { return FSelected; }
  void SetSelectedItem(int index);
  // The items that show (their parents open), in order.
  std::vector<int> VisibleItems() const;
  // The shown item at a client point, 0 when there is none.
  int ItemAtPos(int x, int y) const;

  EOutlineChange OnExpand;
  EOutlineChange OnCollapse;
  TDrawItemEvent OnDrawItem;

protected:
  void Paint() override;
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void InitWidget() override;
  void UpdateWidgetGeometry() override;
  // The lines changed: the nodes follow.
  virtual void LinesChanged();

private:
  struct Node {
    int Level = 1;
    bool Expanded = false;
  };
  void CheckIndex(int index) const;
  int ParentItem(int index) const;
  int Indent(int index) const;
  TRect PlusMinusRect(int index, int row) const;
  int BorderWidth() const;
  int RowCount() const;
  void SetTopRow(int v);
  void ScrollIntoView(int index);
  void UpdateScrollBar();
  void SetPicture(int which, TBitmap* v);

  std::unique_ptr<TOutlineStrings> FLines;
  std::vector<Node> FNodes;
  TOutlineType FOutlineStyle = osTreePictureText;
  TOutlineOptions FOptions{ooDrawTreeRoot, ooDrawFocusRect};
  TOutlineStyle FStyle = otStandard;
  int FItemHeight = 16;
  TBorderStyle FBorderStyle = bsSingle;
  std::string FItemSeparator = "\\";
  TScrollStyle FScrollBars = ssBoth;
  std::unique_ptr<TBitmap> FPictures[5];
  int FSelected = 0;
  int FTopRow = 0;
  QPointer<QScrollBar> FScrollBar;  // goes with the peer
};

class TOutline : public TCustomOutline {
  KCL_CLASS(TOutline, TCustomOutline)
public:
  using TCustomOutline::TCustomOutline;
};

}  // namespace kcl

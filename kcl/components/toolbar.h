#pragma once
// TToolWindow, the framed bar that tool bars and cool bars share, TToolBar and its
// TToolButtons. The tool bar lays its buttons out in rows of ButtonWidth by
// ButtonHeight (separators and dividers by their own width), wrapping where the
// row is full when Wrapable; the buttons are drawn by the framework, raised or
// flat as Windows draws them.
#include <vector>

#include "kcl/components/imagelist.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
KCL_SET(TEdgeBorders, TEdgeBorder)
KCL_ENUM(TEdgeStyle, esNone, esRaised, esLowered)
KCL_ENUM(TToolButtonStyle, tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider)

class TToolWindow : public TCustomControl {
  KCL_CLASS(TToolWindow, TCustomControl)
public:
  explicit TToolWindow(TComponent* owner);

  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders v);
  TEdgeStyle EdgeInner() const { return FEdgeInner; }
  void SetEdgeInner(TEdgeStyle v);
  TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
  void SetEdgeOuter(TEdgeStyle v);
  // The room the edges take on each side.
  TRect EdgeWidths() const;
  TRect ClientRect() const override;

  TNotifyEvent OnResize;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;
  virtual void EdgesChanged();
  virtual void Resize() { OnResize(this); }

private:
  TEdgeBorders FEdgeBorders{ebLeft, ebTop, ebRight, ebBottom};
  TEdgeStyle FEdgeInner = esRaised, FEdgeOuter = esLowered;
};

class TToolBar;

class TToolButton : public TGraphicControl {
  KCL_CLASS(TToolButton, TGraphicControl)
public:
  explicit TToolButton(TComponent* owner);

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  bool Down() const { return FDown; }
  // Down in a group lets the others of the group up.
  void SetDown(bool v);
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* v) { FDropdownMenu = v; }
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool v) { FGrouped = v; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v);
  bool Indeterminate() const { return FIndeterminate; }
  void SetIndeterminate(bool v);
  bool Marked() const { return FMarked; }
  void SetMarked(bool v);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool v);
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle v);
  bool IsSeparator() const { return FStyle == tbsSeparator || FStyle == tbsDivider; }
  TToolBar* ToolBar() const;

  void SetParent(TWinControl* parent) override;
  void Click() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  bool FAllowAllUp = false, FDown = false, FGrouped = false, FIndeterminate = false, FMarked = false, FWrap = false;
  TPopupMenu* FDropdownMenu = nullptr;
  int FImageIndex = -1;
  TToolButtonStyle FStyle = tbsButton;
  bool FPressed = false;
};

class TToolBar : public TToolWindow {
  KCL_CLASS(TToolBar, TToolWindow)
public:
  explicit TToolBar(TComponent* owner);

  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int v);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int v);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* v) { SetImageList(FDisabledImages, v); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* v) { SetImageList(FHotImages, v); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v) { SetImageList(FImages, v); }
  int Indent() const { return FIndent; }
  void SetIndent(int v);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool v);
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool v);

  int ButtonCount() const { return static_cast<int>(Buttons().size()); }
  std::vector<TToolButton*> Buttons() const;
  // Places the buttons; the tool bar does it whenever they or it change.
  void LayoutButtons();

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void EdgesChanged() override;
  void Resize() override;

private:
  void SetImageList(TCustomImageList*& field, TCustomImageList* v);

  int FButtonHeight = 22, FButtonWidth = 23;
  TCustomImageList* FDisabledImages = nullptr;
  TCustomImageList* FHotImages = nullptr;
  TCustomImageList* FImages = nullptr;
  bool FFlat = false;
  int FIndent = 0;
  bool FShowCaptions = false, FWrapable = true;
  bool FLayingOut = false;
};

}  // namespace kcl

#pragma once
// TTabSet: the Windows 3.1 row of tabs that hangs from the top edge of a strip,
// usually at the bottom of a window. One tab is chosen; OnChange may refuse a
// new one. Tabs that do not fit scroll with two arrow buttons at the right end.
#include <memory>
#include <vector>

#include "kcl/classes/boundstrings.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {

KCL_ENUM(TTabStyle, tsStandard, tsOwnerDraw)

class TTabSet;
using TTabChangeEvent = TEvent<void(TObject* sender, int newTab, bool& allowChange)>;
using TTabSetDrawTabEvent =
    TEvent<void(TObject* sender, TCanvas* tabCanvas, TRect rect, int index, bool selected)>;
using TMeasureTabEvent = TEvent<void(TObject* sender, int index, int& tabWidth)>;

class TTabSet : public TCustomControl {
  KCL_CLASS(TTabSet, TCustomControl)
public:
  explicit TTabSet(TComponent* owner);
  ~TTabSet() override;

  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool v);
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor v);
  bool DitherBackground() const { return FDitherBackground; }
  void SetDitherBackground(bool v);
  int EndMargin() const { return FEndMargin; }
  void SetEndMargin(int v);
  int StartMargin() const { return FStartMargin; }
  void SetStartMargin(int v);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor v);
  TColor UnselectedColor() const { return FUnselectedColor; }
  void SetUnselectedColor(TColor v);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle v);
  // The height of owner-drawn tabs.
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int v);
  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(TStrings* v) { FTabs->Assign(v); }
  // -1 for none. A new index asks OnChange, then clicks; one out of range raises
  // EInvalidOperation.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int v);
  // The first tab shown, and how many show from it.
  int FirstIndex() const { return FFirstIndex; }
  void SetFirstIndex(int v);
  int VisibleTabs();

  // The tab whose shape holds a client point; -1 for none.
  int ItemAtPos(TPoint pos);
  // The tab's whole shape, slanted edges included; empty for a tab not shown.
  TRect ItemRect(int index);
  // The two scroll buttons, left then right; empty while every tab shows.
  TRect ScrollButtonRect(bool right);

  TTabChangeEvent OnChange;
  TTabSetDrawTabEvent OnDrawTab;
  TMeasureTabEvent OnMeasureTab;

  void Loaded() override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual bool CanChange(int newIndex);

private:
  struct TTabPlace {
    int Index;
    int Left;
    int TextWidth;
  };
  // The tabs that show from FirstIndex, placed left to right.
  std::vector<TTabPlace> LayOutTabs();
  bool NeedsScrollButtons();
  // Makes FirstIndex show the tab, moving as little as it can.
  void ScrollIntoView(int index);
  int MeasureTab(int index);
  int TabBottom() const;
  void TabsChanged();
  void PaintBackground();
  void PaintTab(const TTabPlace& place, bool selected);
  void PaintScrollButton(const TRect& rect, bool right, bool enabled);

  bool FAutoScroll = true;
  TColor FBackgroundColor = clBtnFace;
  bool FDitherBackground = true;
  int FEndMargin = 5;
  int FStartMargin = 5;
  TColor FSelectedColor = clBtnFace;
  TColor FUnselectedColor = clWindow;
  TTabStyle FStyle = tsStandard;
  int FTabHeight = 20;
  std::unique_ptr<TBoundStrings> FTabs;
  int FTabIndex = -1;
  int FFirstIndex = 0;
};

}  // namespace kcl

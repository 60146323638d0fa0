#pragma once
// TTabControl: a row of tabs over a panel, one tab chosen at a time. Unlike a page
// control it has no pages: the program changes what the panel shows when the
// chosen tab changes. The tabs are a QTabBar the control drives itself, so that
// OnChanging can refuse a change before anything moves.
#include <memory>

#include "kcl/components/imagelist.h"
#include "kcl/components/pagecontrol.h"
#include "kcl/components/stdtypes.h"
#include "kcl/controls/customcontrol.h"

namespace kcl {


class TTabControl : public TCustomControl {
  KCL_CLASS(TTabControl, TCustomControl)
public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;

  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool v) { FHotTrack = v; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool v);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool v) { FOwnerDraw = v; }
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool v) { FRaggedRight = v; }
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool v) { FScrollOpposite = v; }
  short TabHeight() const { return FTabHeight; }
  void SetTabHeight(short v);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition v);
  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(TStrings* v) { FTabs->Assign(v); }
  // -1 without tabs; the first tab is chosen when tabs come to a control without one.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int v);
  short TabWidth() const { return FTabWidth; }
  void SetTabWidth(short v);

  // The panel below (or above) the tabs, in client coordinates.
  TRect DisplayRect() const;
  // The tab at a client point; -1 when none.
  int IndexOfTabAt(int x, int y) const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Notification(TComponent* component, TOperation operation) override;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void Paint() override;
  TRect AlignRect() const override { return DisplayRect(); }
  virtual bool CanChange();
  virtual void Change() { OnChange(this); }

private:
  void TabsChanged();
  void UpdateTabBar();
  int TabRowHeight() const;
  // A click on a tab: asks OnChanging, then chooses it and tells OnChange.
  void ClickTab(int index);

  bool FHotTrack = false;
  TCustomImageList* FImages = nullptr;
  bool FMultiLine = false, FOwnerDraw = false, FRaggedRight = false, FScrollOpposite = false;
  short FTabHeight = 0, FTabWidth = 0;
  TTabPosition FTabPosition = tpTop;
  std::unique_ptr<TBoundStrings> FTabs;
  int FTabIndex = -1;
  QPointer<QTabBar> FTabBar;
};

}  // namespace kcl

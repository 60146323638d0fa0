#pragma once
// TPageControl and TTabSheet: a row of tabs over a page area, one TTabSheet shown at
// a time. The sheets are the page control's child controls, stream as its children
// and are laid out by it; the tab row is a QTabBar the framework drives itself, so
// that OnChanging can refuse a change before anything moves.
#include <vector>

#include "kcl/controls/wincontrol.h"

#include <QPointer>
#include <QTabBar>

namespace kcl {

class TPageControl;
class TCustomImageList;

class TTabSheet : public TWinControl {
  KCL_CLASS(TTabSheet, TWinControl)
public:
  explicit TTabSheet(TComponent* owner);
  void BeforeDestruction() override;

  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* pageControl);
  void SetParent(TWinControl* parent) override;
  int PageIndex() const;
  void SetPageIndex(int index);
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool v);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int v) { FImageIndex = v; }
  // The index among the visible tabs; -1 when the tab is hidden.
  int TabIndex() const;

protected:
  void TextChanged() override;

private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = 0;
};

using TTabChangingEvent = TEvent<void(TObject* sender, bool& allowChange)>;
const TTypeInfo* TTabChangingEventType();

// What tab controls and page controls share: where the tabs are, and the events
// of tabs drawn or given images by the program.
KCL_ENUM(TTabPosition, tpTop, tpBottom)
using TDrawTabEvent = TEvent<void(TWinControl* control, int tabIndex, const TRect& rect, bool active)>;
using TTabGetImageEvent = TEvent<void(TObject* sender, int tabIndex, int& imageIndex)>;
const TTypeInfo* TDrawTabEventType();
const TTypeInfo* TTabGetImageEventType();

class TPageControl : public TWinControl {
  KCL_CLASS(TPageControl, TWinControl)
public:
  explicit TPageControl(TComponent* owner);
  void BeforeDestruction() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
  void SelectNextPage(bool goForward);

  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool v) { FHotTrack = v; }
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool v);
  short TabHeight() const { return FTabHeight; }
  void SetTabHeight(short v);
  short TabWidth() const { return FTabWidth; }
  void SetTabWidth(short v);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* v);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool v) { FOwnerDraw = v; }
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool v) { FRaggedRight = v; }
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool v) { FScrollOpposite = v; }
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition v);

  // The part of the client area the pages fill.
  TRect DisplayRect() const;
  // The page whose tab is at a client point; nullptr when none.
  TTabSheet* PageAtPos(TPoint p) const;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

  void Notification(TComponent* component, TOperation operation) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int order) override;
  void WndProc(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void FontChanged() override;
  virtual bool CanChange();
  virtual void Change() { OnChange(this); }

private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void MovePage(TTabSheet* page, int index);
  void UpdateTabs();
  void LayoutPages();
  int TabRowHeight() const;
  int TabBarTop() const;
  // A click on a tab: asks OnChanging, then shows the page and tells OnChange.
  void ClickTab(TTabSheet* page);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  QPointer<QTabBar> FTabBar;
  bool FHotTrack = false;
  bool FMultiLine = false;
  short FTabHeight = 0;
  short FTabWidth = 0;
  TCustomImageList* FImages = nullptr;
  bool FOwnerDraw = false, FRaggedRight = false, FScrollOpposite = false;
  TTabPosition FTabPosition = tpTop;
};

}  // namespace kcl

#include "kcl/components/pagecontrol.h"

#include <QSignalBlocker>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/imagelist.h"
#include "kcl/components/tabpublish.h"
#include "kcl/controls/qtconvert.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/font.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

namespace {
// Windows' page control: the pages sit 4 pixels inside the frame, below the tabs.
constexpr int PageMargin = 4;
constexpr int DefaultTabRowHeight = 20;
}  // namespace

const TTypeInfo* TTabChangingEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TTabChangingEvent", mkProcedure, {{0, "Sender", "TObject"}, {pfVar, "AllowChange", "Boolean"}});
  return t;
}

KCL_CLASS_INFO(TTabSheet) {
  cls.publish({"HelpContext", "Caption", "DragMode", "Enabled", "Font"});
  cls.republish("Height").Stored(false);
  cls.property("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex).Default(0);
  cls.republish("Left").Stored(false);
  cls.property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
  cls.publish({"ParentFont", "ParentShowHint", "ShowHint", "PopupMenu"});
  cls.property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
  cls.republish("Top").Stored(false);
  cls.property("Visible", &TTabSheet::Visible, &TTabSheet::SetVisible).Stored(false);
  cls.republish("Width").Stored(false);
  cls.publish({"OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnStartDrag"});
}

KCL_CLASS_INFO(TPageControl) {
  using T = TPageControl;
  cls.property("ActivePage", &T::ActivePage, &T::SetActivePage);
  PublishTabLooks(cls);
  PublishTabEvents(cls);
}

// --- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetVisible(false);
}

void TTabSheet::BeforeDestruction() {
  SetPageControl(nullptr);
  TWinControl::BeforeDestruction();
}

void TTabSheet::SetParent(TWinControl* parent) {
  auto* pageControl = dynamic_cast<TPageControl*>(parent);
  if (pageControl == FPageControl) {
    TWinControl::SetParent(parent);
    return;
  }
  if (FPageControl) FPageControl->RemovePage(this);
  TWinControl::SetParent(parent);
  FPageControl = pageControl;
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->FPages;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (FPageControl) FPageControl->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
  if (!FTabVisible || !FPageControl) return -1;
  int index = 0;
  for (TTabSheet* page : FPageControl->FPages) {
    if (page == this) return index;
    if (page->FTabVisible) ++index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool v) {
  if (FTabVisible == v) return;
  FTabVisible = v;
  if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::TextChanged() {
  if (FPageControl) FPageControl->UpdateTabs();
}

// --- TPageControl

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  SetBounds(Left(), Top(), 289, 193);
  SetTabStop(true);
}

void TPageControl::BeforeDestruction() {
  // The sheets go with their page control, as every child control does; they must
  // not call back into a page control that is half gone.
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
  TWinControl::BeforeDestruction();
}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) throw EListError(Format(msg::ListIndexError, {index}));
  return FPages[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  LayoutPages();
  UpdateTabs();
  if (!FActivePage && !IsLoading()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  TTabSheet* next = page == FActivePage ? FindNextPage(page, true, false) : FActivePage;
  if (next == page) next = nullptr;
  std::erase(FPages, page);
  if (page == FActivePage) FActivePage = nullptr;
  UpdateTabs();
  SetActivePage(next);
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  std::erase(FPages, page);
  index = std::clamp(index, 0, PageCount());
  FPages.insert(FPages.begin() + index, page);
  UpdateTabs();
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->PageControl() != this) return;
  if (page == FActivePage) return;
  TTabSheet* old = FActivePage;
  FActivePage = page;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
  }
  if (old) old->SetVisible(false);
  UpdateTabs();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
  if (FPages.empty()) return nullptr;
  const int count = PageCount();
  auto it = std::find(FPages.begin(), FPages.end(), current);
  int start = it == FPages.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - FPages.begin());
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TTabSheet* page = FPages[static_cast<size_t>(i)];
    if (!checkTabVisible || page->TabVisible()) return page;
  } while (i != start);
  return nullptr;
}

void TPageControl::SelectNextPage(bool goForward) {
  TTabSheet* page = FindNextPage(FActivePage, goForward, true);
  if (page && page != FActivePage) ClickTab(page);
}

bool TPageControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TPageControl::ClickTab(TTabSheet* page) {
  if (!page || page == FActivePage) return;
  if (IsDesigning()) {
    // The designer switches pages without running the program's handlers.
    SetActivePage(page);
    return;
  }
  if (!CanChange()) return;
  SetActivePage(page);
  Change();
}

void TPageControl::SetMultiLine(bool v) {
  FMultiLine = v;
  UpdateTabs();
}

void TPageControl::SetTabHeight(short v) {
  FTabHeight = std::max<short>(v, 0);
  LayoutPages();
  UpdateTabs();
}

void TPageControl::SetTabWidth(short v) {
  FTabWidth = std::max<short>(v, 0);
  UpdateTabs();
}

int TPageControl::TabRowHeight() const {
  if (FTabHeight > 0) return FTabHeight;
  if (FTabBar) return std::max(FTabBar->sizeHint().height(), DefaultTabRowHeight);
  return DefaultTabRowHeight;
}

TRect TPageControl::DisplayRect() const {
  const int tabs = TabRowHeight();
  const int top = (FTabPosition == tpTop ? tabs : 0) + PageMargin;
  const int bottom = Height() - PageMargin - (FTabPosition == tpBottom ? tabs : 0);
  return Rect(PageMargin, top, std::max(Width() - PageMargin, PageMargin), std::max(bottom, top));
}

int TPageControl::TabBarTop() const { return FTabPosition == tpTop ? 0 : std::max(0, Height() - TabRowHeight()); }

void TPageControl::SetImages(TCustomImageList* v) {
  FImages = v;
  if (v) v->FreeNotification(this);
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FImages) FImages = nullptr;
}

void TPageControl::SetTabPosition(TTabPosition v) {
  FTabPosition = v;
  if (FTabBar) FTabBar->setShape(v == tpTop ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
  LayoutPages();
}

TTabSheet* TPageControl::PageAtPos(TPoint p) const {
  if (!FTabBar || !FTabBar->geometry().contains(p.X, p.Y)) return nullptr;
  const int tab = FTabBar->tabAt(FTabBar->mapFrom(FWidget, QPoint(p.X, p.Y)));
  if (tab < 0) return nullptr;
  for (TTabSheet* page : FPages)
    if (page->TabIndex() == tab) return page;
  return nullptr;
}

void TPageControl::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  LayoutPages();
}

void TPageControl::LayoutPages() {
  const TRect r = DisplayRect();
  for (TTabSheet* page : FPages) page->SetBoundsRect(r);
  if (FTabBar) FTabBar->setGeometry(0, TabBarTop(), Width(), TabRowHeight());
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // Sheets first, in page order, then any other control that sits on the frame.
  for (TTabSheet* page : FPages)
    if (page->Owner() == root) proc(page);
  for (TControl* c : Controls())
    if (c->Owner() == root && !dynamic_cast<TTabSheet*>(c)) proc(c);
}

void TPageControl::SetChildOrder(TComponent* child, int order) {
  if (auto* page = dynamic_cast<TTabSheet*>(child); page && page->PageControl() == this)
    MovePage(page, order);
  else
    TWinControl::SetChildOrder(child, order);
}

void TPageControl::WndProc(TMessage& message) {
  // A click on a tab switches pages in design state too; the designer then sees
  // the click and selects the page control as for any other control.
  if (message.Msg == WM_LBUTTONDOWN) {
    if (TTabSheet* page = PageAtPos({MouseX(message), MouseY(message)})) {
      ClickTab(page);
      if (!IsDesigning()) {
        TWinControl::WndProc(message);
        message.Handled = true;  // the tab bar only shows what the control decided
        return;
      }
    }
  }
  TWinControl::WndProc(message);
}

QWidget* TPageControl::CreateWidget(QWidget* parentWidget) {
  auto* frame = new QWidget(parentWidget);
  FTabBar = new QTabBar(frame);
  FTabBar->setDrawBase(true);
  FTabBar->setFocusPolicy(Qt::NoFocus);
  UseWindowsStyle(frame);
  return frame;
}

void TPageControl::InitWidget() {
  TWinControl::InitWidget();
  UpdateTabs();
  LayoutPages();
}

void TPageControl::FontChanged() {
  TWinControl::FontChanged();
  LayoutPages();
}

void TPageControl::UpdateTabs() {
  if (!FTabBar) return;
  const QSignalBlocker blocker(FTabBar);
  while (FTabBar->count() > 0) FTabBar->removeTab(0);
  for (TTabSheet* page : FPages)
    if (page->TabVisible()) FTabBar->addTab(AnsiToQString(page->Caption()));
  FTabBar->setExpanding(false);
  FTabBar->setUsesScrollButtons(!FMultiLine);
  FTabBar->setStyleSheet(FTabWidth > 0 ? QString("QTabBar::tab { width: %1px; }").arg(FTabWidth) : QString());
  FTabBar->setCurrentIndex(FActivePage ? FActivePage->TabIndex() : -1);
  FTabBar->setShape(FTabPosition == tpTop ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
  FTabBar->setGeometry(0, TabBarTop(), Width(), TabRowHeight());
}

}  // namespace kcl

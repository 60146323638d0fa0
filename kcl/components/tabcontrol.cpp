#include "kcl/components/tabcontrol.h"

#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/bevelframe.h"
#include "kcl/components/tabpublish.h"
#include "kcl/controls/windowsstyle.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/brush.h"

namespace kcl {

namespace {
constexpr int DefaultTabRowHeight = 20;
constexpr int PanelMargin = 4;
}  // namespace

const TTypeInfo* TDrawTabEventType() {
  static const TTypeInfo* t = MakeMethodType("TDrawTabEvent", mkProcedure,
                                             {{0, "Control", "TCustomTabControl"},
                                              {0, "TabIndex", "Integer"},
                                              {pfConst, "Rect", "TRect"},
                                              {0, "Active", "Boolean"}});
  return t;
}

const TTypeInfo* TTabGetImageEventType() {
  static const TTypeInfo* t =
      MakeMethodType("TTabGetImageEvent", mkProcedure,
                     {{0, "Sender", "TObject"}, {0, "TabIndex", "Integer"}, {pfVar, "ImageIndex", "Integer"}});
  return t;
}

KCL_CLASS_INFO(TTabControl) {
  using T = TTabControl;
  PublishTabLooks(cls);
  cls.property("Tabs", &T::Tabs, &T::SetTabs);
  cls.property("TabIndex", &T::TabIndex, &T::SetTabIndex).Default(-1);
  PublishTabEvents(cls);
}

TTabControl::TTabControl(TComponent* owner)
    : TCustomControl(owner), FTabs(std::make_unique<TBoundStrings>([this] { TabsChanged(); })) {
  FControlStyle = TControlStyle{csAcceptsControls, csDoubleClicks};
  SetTabStop(true);
  SetBounds(Left(), Top(), 289, 193);
}

TTabControl::~TTabControl() { FTabs->SetChangedHandler(nullptr); }

void TTabControl::SetImages(TCustomImageList* v) {
  FImages = v;
  if (v) v->FreeNotification(this);
  UpdateTabBar();
}

void TTabControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == FImages) SetImages(nullptr);
}

void TTabControl::SetMultiLine(bool v) {
  FMultiLine = v;
  UpdateTabBar();
}

void TTabControl::SetTabHeight(short v) {
  FTabHeight = v;
  UpdateTabBar();
}

void TTabControl::SetTabWidth(short v) {
  FTabWidth = v;
  UpdateTabBar();
}

void TTabControl::SetTabPosition(TTabPosition v) {
  FTabPosition = v;
  UpdateTabBar();
}

void TTabControl::SetTabIndex(int v) {
  // As the tab control of Windows, an index out of range is ignored once loaded.
  if (!IsLoading() && (v < -1 || v >= FTabs->Count())) return;
  FTabIndex = v;
  UpdateTabBar();
}

void TTabControl::TabsChanged() {
  if (!IsLoading()) {
    if (FTabs->Count() == 0)
      FTabIndex = -1;
    else if (FTabIndex < 0)
      FTabIndex = 0;
    else
      FTabIndex = std::min(FTabIndex, FTabs->Count() - 1);
  }
  UpdateTabBar();
}

bool TTabControl::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TTabControl::ClickTab(int index) {
  if (index == FTabIndex) return;
  if (IsDesigning()) {
    SetTabIndex(index);
    return;
  }
  if (!CanChange()) return;
  SetTabIndex(index);
  Change();
}

int TTabControl::TabRowHeight() const {
  if (FTabHeight > 0) return FTabHeight + 2;
  if (FTabBar && FTabs->Count() > 0) return std::max(FTabBar->sizeHint().height(), DefaultTabRowHeight);
  return DefaultTabRowHeight;
}

TRect TTabControl::DisplayRect() const {
  const int row = TabRowHeight();
  const int top = FTabPosition == tpTop ? row : 0;
  const int bottom = FTabPosition == tpTop ? Height() : Height() - row;
  return Rect(PanelMargin, top + PanelMargin, std::max(Width() - PanelMargin, PanelMargin),
              std::max(bottom - PanelMargin, top + PanelMargin));
}

int TTabControl::IndexOfTabAt(int x, int y) const {
  if (!FTabBar || !FTabBar->geometry().contains(x, y)) return -1;
  return FTabBar->tabAt(FTabBar->mapFrom(FWidget, QPoint(x, y)));
}

void TTabControl::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  UpdateTabBar();
}

void TTabControl::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN) {
    if (const int tab = IndexOfTabAt(MouseX(message), MouseY(message)); tab >= 0) {
      ClickTab(tab);
      if (!IsDesigning()) {
        TCustomControl::WndProc(message);
        message.Handled = true;  // the tab bar only shows what the control decided
        return;
      }
    }
  }
  TCustomControl::WndProc(message);
}

QWidget* TTabControl::CreateWidget(QWidget* parentWidget) {
  QWidget* widget = TCustomControl::CreateWidget(parentWidget);
  FTabBar = new QTabBar(widget);
  FTabBar->setDrawBase(false);
  FTabBar->setFocusPolicy(Qt::NoFocus);
  UseWindowsStyle(FTabBar);
  return widget;
}

void TTabControl::InitWidget() {
  TCustomControl::InitWidget();
  UpdateTabBar();
}

void TTabControl::UpdateTabBar() {
  Invalidate();
  if (!FTabBar) return;
  const QSignalBlocker blocker(FTabBar);
  while (FTabBar->count() > 0) FTabBar->removeTab(0);
  for (int i = 0; i < FTabs->Count(); ++i) {
    const int tab = FTabBar->addTab(AnsiToQString(FTabs->Strings(i)));
    int imageIndex = i;
    OnGetImageIndex(this, i, imageIndex);
    if (FImages && !FImages->Image(imageIndex).isNull())
      FTabBar->setTabIcon(tab, QIcon(QPixmap::fromImage(FImages->Image(imageIndex))));
  }
  FTabBar->setShape(FTabPosition == tpTop ? QTabBar::RoundedNorth : QTabBar::RoundedSouth);
  FTabBar->setExpanding(false);
  FTabBar->setUsesScrollButtons(!FMultiLine);
  FTabBar->setStyleSheet(FTabWidth > 0 ? QString("QTabBar::tab { width: %1px; }").arg(FTabWidth) : QString());
  FTabBar->setCurrentIndex(FTabIndex);
  const int row = TabRowHeight();
  FTabBar->setGeometry(0, FTabPosition == tpTop ? 0 : Height() - row, Width(), row);
}

void TTabControl::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
  // The panel: raised, joined to the tabs.
  const int row = FTabs->Count() > 0 ? TabRowHeight() : 0;
  const TRect panel = FTabPosition == tpTop ? Rect(0, row - (row > 0 ? 2 : 0), Width(), Height())
                                            : Rect(0, 0, Width(), Height() - row + (row > 0 ? 2 : 0));
  DrawBevelFrame(canvas, panel, clBtnHighlight, cl3DDkShadow);
  DrawBevelFrame(canvas, Rect(panel.Left + 1, panel.Top + 1, panel.Right - 1, panel.Bottom - 1), cl3DLight,
                 clBtnShadow);
}

}  // namespace kcl

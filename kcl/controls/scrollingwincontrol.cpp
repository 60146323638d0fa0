#include "kcl/controls/scrollingwincontrol.h"

#include <QFrame>
#include <QScrollBar>
#include <QSignalBlocker>

#include "kcl/classes/classbuilder.h"
#include "kcl/controls/windowsstyle.h"

namespace kcl {

namespace {
constexpr int BarThickness = 16;  // a standard scroll bar's width
}

KCL_CLASS_INFO(TControlScrollBar) {
  using T = TControlScrollBar;
  cls.property("Margin", &T::Margin, &T::SetMargin).Default(0);
  cls.property("Increment", &T::Increment, &T::SetIncrement, TScrollBarIncType()).Default(8);
  cls.property("Range", &T::Range, &T::SetRange).Default(0).Stored(&T::IsRangeStored);
  cls.property("Position", &T::Position, &T::SetPosition).Default(0);
  cls.property("Tracking", &T::Tracking, &T::SetTracking).Default(false);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

// --- TControlScrollBar

void TControlScrollBar::Assign(const TPersistent* source) {
  const auto* bar = dynamic_cast<const TControlScrollBar*>(source);
  if (!bar) return TPersistent::Assign(source);
  FMargin = bar->FMargin, FIncrement = bar->FIncrement, FTracking = bar->FTracking;
  FVisible = bar->FVisible;
  SetRange(bar->FRange);
  SetPosition(bar->FPosition);
}

void TControlScrollBar::SetIncrement(int v) {
  FIncrement = std::clamp(v, 1, 32767);
  FControl->UpdateScrollBars();
}

void TControlScrollBar::SetRange(int v) {
  FRange = std::max(v, 0);
  FControl->UpdateScrollBars();
}

// An automatic range is worked out again from the children, so it is not written.
bool TControlScrollBar::IsRangeStored() const { return !FControl->AutoScroll(); }

void TControlScrollBar::SetVisible(bool v) {
  FVisible = v;
  FControl->UpdateScrollBars();
}

int TControlScrollBar::ControlSize() const {
  return FKind == sbHorizontal ? FControl->ClientWidth() : FControl->ClientHeight();
}

int TControlScrollBar::MaxPosition() const { return std::max(0, FRange - ControlSize()); }

bool TControlScrollBar::IsScrollBarVisible() const { return FVisible && FRange > ControlSize(); }

void TControlScrollBar::SetPosition(int v) {
  if (FControl->IsLoading()) {
    FPosition = v;  // the children that sit at this position are still to come
    return;
  }
  v = std::clamp(v, 0, MaxPosition());
  const int delta = FPosition - v;
  if (delta == 0) return;
  FPosition = v;
  if (FKind == sbHorizontal) FControl->ScrollBy(delta, 0);
  else FControl->ScrollBy(0, delta);
  FControl->UpdateScrollBars();
}

// --- TScrollingWinControl

KCL_CLASS_INFO(TScrollingWinControl) {
  using T = TScrollingWinControl;
  cls.property("HorzScrollBar", &T::HorzScrollBar, &T::SetHorzScrollBar);
  cls.property("VertScrollBar", &T::VertScrollBar, &T::SetVertScrollBar);
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool v) {
  if (v == FAutoScroll) return;
  FAutoScroll = v;
  // The automatic ranges go with the automatic scrolling; a file read sets its own.
  if (!v && !IsLoading()) FHorzScrollBar->FRange = FVertScrollBar->FRange = 0;
  UpdateScrollBars();
}

TRect TScrollingWinControl::ClientRect() const {
  // A bar that shows takes room from the other direction, which may need its bar then.
  const int border = BorderWidth();
  const int width = std::max(0, Width() - 2 * border), height = std::max(0, Height() - 2 * border);
  const TControlScrollBar& h = *FHorzScrollBar;
  const TControlScrollBar& v = *FVertScrollBar;
  bool horz = h.FVisible && h.FRange > width;
  bool vert = v.FVisible && v.FRange > height;
  if (horz && !vert) vert = v.FVisible && v.FRange > height - BarThickness;
  if (vert && !horz) horz = h.FVisible && h.FRange > width - BarThickness;
  return Rect(0, 0, std::max(0, width - (vert ? BarThickness : 0)), std::max(0, height - (horz ? BarThickness : 0)));
}

TPoint TScrollingWinControl::ClientOrigin() const {
  if (!FViewport) return TWinControl::ClientOrigin();
  const QPoint p = FViewport->mapToGlobal(QPoint(0, 0));
  return {p.x(), p.y()};
}

void TScrollingWinControl::ScrollBy(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  DisableAlign();
  for (TControl* c : Controls()) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  EnableAlign();
}

void TScrollingWinControl::ScrollInView(TControl* control) {
  if (!control || control->Parent() != this) return;
  const auto follow = [](TControlScrollBar& bar, int start, int end, int size) {
    if (start < 0) bar.SetPosition(bar.Position() + start - bar.Margin());
    else if (end > size) bar.SetPosition(bar.Position() + std::min(end - size + bar.Margin(), start));
  };
  follow(*FHorzScrollBar, control->Left(), control->Left() + control->Width(), ClientWidth());
  follow(*FVertScrollBar, control->Top(), control->Top() + control->Height(), ClientHeight());
}

void TScrollingWinControl::CalcAutoRange() {
  if (!FAutoScroll || IsLoading()) return;
  int right = 0, bottom = 0;
  for (TControl* c : Controls()) {
    if (!c->Visible() && !IsDesigning()) continue;
    if (c->Align() != alRight && c->Align() != alClient && c->Align() != alTop && c->Align() != alBottom)
      right = std::max(right, c->Left() + c->Width() + FHorzScrollBar->FPosition);
    if (c->Align() != alBottom && c->Align() != alClient && c->Align() != alLeft && c->Align() != alRight)
      bottom = std::max(bottom, c->Top() + c->Height() + FVertScrollBar->FPosition);
  }
  FHorzScrollBar->FRange = right > 0 ? right + FHorzScrollBar->FMargin : 0;
  FVertScrollBar->FRange = bottom > 0 ? bottom + FVertScrollBar->FMargin : 0;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdatingBars) return;
  ++FUpdatingBars;
  CalcAutoRange();
  if (!IsLoading()) {
    // A smaller range or a bigger client area may leave a position beyond the end.
    for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()})
      if (bar->FPosition > bar->MaxPosition()) bar->SetPosition(bar->MaxPosition());
  }
  LayoutPeer();
  --FUpdatingBars;
}

QScrollBar* TScrollingWinControl::PeerBar(TScrollBarKind kind) const {
  return kind == sbHorizontal ? FHorzBar : FVertBar;
}

QWidget* TScrollingWinControl::CreateWidget(QWidget* parentWidget) {
  auto* frame = new QFrame(parentWidget);
  FViewport = new QWidget(frame);
  FHorzBar = new QScrollBar(Qt::Horizontal, frame);
  FVertBar = new QScrollBar(Qt::Vertical, frame);
  UseWindowsStyle(frame);
  for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
    QObject::connect(PeerBar(bar->Kind()), &QAbstractSlider::valueChanged, frame, [this, bar](int value) {
      if (!FUpdatingBars && !IsDesigning()) bar->SetPosition(value);
    });
  }
  return frame;
}

void TScrollingWinControl::InitWidget() {
  TWinControl::InitWidget();
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateWidgetGeometry() {
  TWinControl::UpdateWidgetGeometry();
  LayoutPeer();
}

void TScrollingWinControl::LayoutPeer() {
  if (!FViewport) return;
  const int border = BorderWidth();
  const TRect client = ClientRect();
  FViewport->setGeometry(border, border, client.Width(), client.Height());
  for (TControlScrollBar* bar : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
    QScrollBar* peer = PeerBar(bar->Kind());
    const bool shown = bar->IsScrollBarVisible();
    peer->setVisible(shown);
    if (!shown) continue;
    const QSignalBlocker blocker(peer);
    if (bar->Kind() == sbHorizontal)
      peer->setGeometry(border, border + client.Height(), client.Width(), BarThickness);
    else
      peer->setGeometry(border + client.Width(), border, BarThickness, client.Height());
    peer->setRange(0, bar->MaxPosition());
    peer->setPageStep(std::max(1, bar->ControlSize()));
    peer->setSingleStep(bar->Increment());
    peer->setTracking(bar->Tracking());
    peer->setValue(bar->Position());
  }
}

void TScrollingWinControl::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  UpdateScrollBars();
}

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

// --- TScrollBox

}  // namespace kcl

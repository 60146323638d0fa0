#pragma once
// TScrollingWinControl: a control whose client area scrolls over its children.
// Each direction has a TControlScrollBar: Range is the extent of what may be
// scrolled (worked out from the children when AutoScroll is set), Position how far
// it is scrolled; scrolling moves the children as the framework does.
#include <QPointer>

#include "kcl/controls/wincontrol.h"

class QScrollBar;

namespace kcl {

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
  KCL_CLASS(TControlScrollBar, TPersistent)
public:
  TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind) : FControl(control), FKind(kind) {}
  void Assign(const TPersistent* source) override;

  TScrollBarKind Kind() const { return FKind; }
  uint16_t Margin() const { return FMargin; }
  void SetMargin(uint16_t v) { FMargin = v; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int v);
  int Range() const { return FRange; }
  void SetRange(int v);
  bool IsRangeStored() const;
  // 0 .. Range less the visible extent; a new position scrolls the children.
  int Position() const { return FPosition; }
  void SetPosition(int v);
  bool Tracking() const { return FTracking; }
  void SetTracking(bool v) { FTracking = v; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  // Shown: visible, with more range than the client area holds.
  bool IsScrollBarVisible() const;
  // The client extent the bar scrolls over (width or height).
  int ControlSize() const;

private:
  friend class TScrollingWinControl;
  int MaxPosition() const;

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  uint16_t FMargin = 0;
  int FIncrement = 8;
  int FRange = 0;
  int FPosition = 0;
  bool FTracking = false;
  bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
  KCL_CLASS(TScrollingWinControl, TWinControl)
public:
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
  void SetHorzScrollBar(TControlScrollBar* v) { FHorzScrollBar->Assign(v); }
  TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
  void SetVertScrollBar(TControlScrollBar* v) { FVertScrollBar->Assign(v); }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool v);

  // Moves every child by (dx, dy).
  void ScrollBy(int dx, int dy);
  // Brings the child into view.
  void ScrollInView(TControl* control);
  // Ranges from the children (with AutoScroll) and the bars the peer shows.
  void UpdateScrollBars();

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  QWidget* ClientWidget() const override { return FViewport ? FViewport : FWidget; }
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

protected:
  // The width of the border inside the bounds, on every side.
  virtual int BorderWidth() const { return 0; }
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;
  void UpdateWidgetGeometry() override;

private:
  friend class TControlScrollBar;
  void CalcAutoRange();
  void LayoutPeer();
  QScrollBar* PeerBar(TScrollBarKind kind) const;

  std::unique_ptr<TControlScrollBar> FHorzScrollBar;
  std::unique_ptr<TControlScrollBar> FVertScrollBar;
  bool FAutoScroll = true;
  QPointer<QWidget> FViewport;
  QPointer<QScrollBar> FHorzBar;
  QPointer<QScrollBar> FVertBar;
  int FUpdatingBars = 0;
};

}  // namespace kcl

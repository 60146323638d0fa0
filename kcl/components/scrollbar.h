#pragma once
// TScrollBar on a QScrollBar: Position always lies in Min..Max; the user's
// scrolling reports OnScroll (which may change the position it goes to), then
// OnChange when the position moved.
#include "kcl/components/stdtypes.h"
#include "kcl/controls/wincontrol.h"

class QScrollBar;

namespace kcl {

KCL_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll)

using TScrollEvent = TEvent<void(TObject* sender, TScrollCode scrollCode, int& scrollPos)>;
const TTypeInfo* TScrollEventType();

class TScrollBar : public TWinControl {
  KCL_CLASS(TScrollBar, TWinControl)
public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return FKind; }
  // A new kind turns the bar: width and height change places (not while loading).
  void SetKind(TScrollBarKind v);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int v);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int v);
  // Min above Max raises EInvalidOperation; while a form loads the range is
  // checked once every value has been read.
  int Max() const { return FMax; }
  void SetMax(int v) { SetParams(FPosition, FMin, v); }
  int Min() const { return FMin; }
  void SetMin(int v) { SetParams(FPosition, v, FMax); }
  int Position() const { return FPosition; }
  void SetPosition(int v) { SetParams(v, FMin, FMax); }
  // The size of the thumb in range units, 0 for a square one; at most the range.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  // The position comes into the range; OnChange when it moved.
  void SetParams(int position, int min, int max);

  void Loaded() override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

protected:
  virtual void Change() { OnChange(this); }
  // The user scrolled: OnScroll, then the position it settled.
  void Scroll(TScrollCode code, int position);
  QWidget* CreateWidget(QWidget* parentWidget) override;
  void InitWidget() override;

private:
  QScrollBar* Bar() const;
  void UpdateWidgetRange();

  TScrollBarKind FKind = sbHorizontal;
  int FLargeChange = 1;
  int FSmallChange = 1;
  int FMax = 100;
  int FMin = 0;
  int FPosition = 0;
  int FPageSize = 0;
  int FUpdatingWidget = 0;
};

}  // namespace kcl

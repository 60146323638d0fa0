#pragma once
// TScrollBox: a bordered box whose client area scrolls over its children.
#include "kcl/controls/scrollingwincontrol.h"

namespace kcl {

class TScrollBox : public TScrollingWinControl {
  KCL_CLASS(TScrollBox, TScrollingWinControl)
public:
  explicit TScrollBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v);

  TNotifyEvent OnResize;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  int BorderWidth() const override;
  void InitWidget() override;

private:
  void UpdateFrame();

  TBorderStyle FBorderStyle = bsSingle;
};

}  // namespace kcl

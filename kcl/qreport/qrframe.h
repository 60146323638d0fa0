#pragma once
// TQRFrame: the lines a report band or printable draws around itself.
#include <functional>

#include "kcl/graphics/canvas.h"

namespace kcl {

class TQRFrame : public TPersistent {
  KCL_CLASS(TQRFrame, TPersistent)
public:
  explicit TQRFrame(std::function<void()> changed = nullptr) : FChanged(std::move(changed)) {}
  void Assign(const TPersistent* source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor v) { Change(FColor, v); }
  bool DrawBottom() const { return FDrawBottom; }
  void SetDrawBottom(bool v) { Change(FDrawBottom, v); }
  bool DrawLeft() const { return FDrawLeft; }
  void SetDrawLeft(bool v) { Change(FDrawLeft, v); }
  bool DrawRight() const { return FDrawRight; }
  void SetDrawRight(bool v) { Change(FDrawRight, v); }
  bool DrawTop() const { return FDrawTop; }
  void SetDrawTop(bool v) { Change(FDrawTop, v); }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle v) { Change(FStyle, v); }
  int Width() const { return FWidth; }
  void SetWidth(int v) { Change(FWidth, std::max(v, 1)); }

  // The chosen edges of rect, just inside it.
  void Paint(TCanvas& canvas, const TRect& rect) const;

private:
  template <class V>
  void Change(V& field, V value) {
    if (field == value) return;
    field = value;
    if (FChanged) FChanged();
  }

  std::function<void()> FChanged;
  TColor FColor = clBlack;
  bool FDrawBottom = false;
  bool FDrawLeft = false;
  bool FDrawRight = false;
  bool FDrawTop = false;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
};

}  // namespace kcl

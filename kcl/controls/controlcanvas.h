#pragma once
// TControlCanvas: the canvas of a control. Inside a paint event it draws on the
// control's widget; outside one (the designer's drag outlines) it draws on the
// control's overlay, a layer above its children that shows its pixels in
// difference mode, so drawing the same figure twice with pmXor removes it again
// as on a Windows screen.
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "kcl/graphics/canvas.h"

namespace kcl {

class TControl;

class TCanvasOverlay : public QWidget {
public:
  explicit TCanvasOverlay(QWidget* parent);
  QImage& Image();
  // While held, the overlay shows a picture of what lies below taken now, so
  // that drawing on it repaints nothing below (a drag over many children).
  void HoldBackground();
  void ReleaseBackground();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage FImage;
  QImage FBackground;
};

class TControlCanvas : public TCanvas {
public:
  explicit TControlCanvas(TControl* control) : FControl(control) {}
  ~TControlCanvas() override;
  // Paints on the control's widget until EndWidgetPaint.
  void BeginWidgetPaint();
  void EndWidgetPaint();
  // The overlay, made when first drawn on outside a paint event.
  TCanvasOverlay* Overlay() const { return FOverlay; }
  // While the control and its children stay still, drawing outside paint
  // events costs only the overlay's own repaint.
  void HoldBackground();
  void ReleaseBackground();

protected:
  void CreateHandle() override;

private:
  void ReleaseOverlay();
  TCanvasOverlay* RequireOverlay();

  TControl* FControl;
  QPointer<TCanvasOverlay> FOverlay;
  bool FOnOverlay = false;
};

}  // namespace kcl

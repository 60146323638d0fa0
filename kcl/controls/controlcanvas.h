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

protected:
  void paintEvent(QPaintEvent*) override;

private:
  QImage FImage;
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

protected:
  void CreateHandle() override;

private:
  void ReleaseOverlay();

  TControl* FControl;
  QPointer<TCanvasOverlay> FOverlay;
  bool FOnOverlay = false;
};

}  // namespace kcl

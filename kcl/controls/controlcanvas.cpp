#include "kcl/controls/controlcanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "kcl/controls/control.h"

namespace kcl {

TCanvasOverlay::TCanvasOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(parent->rect());
  show();
  raise();
}

QImage& TCanvasOverlay::Image() {
  const QSize size = parentWidget()->size();
  if (FImage.size() != size) {
    // Black is "nothing" here: XOR drawing toggles pixels away from and back to it,
    // and difference mode shows black as no change.
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(Qt::black);
    if (!FImage.isNull()) QPainter(&grown).drawImage(0, 0, FImage);
    FImage = grown;
    setGeometry(parentWidget()->rect());
  }
  return FImage;
}

void TCanvasOverlay::HoldBackground() {
  // Black drawing shows no change, so the overlay may be in the picture.
  FBackground = parentWidget()->grab().toImage();
  setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void TCanvasOverlay::ReleaseBackground() {
  if (FBackground.isNull()) return;
  FBackground = QImage();
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  update();
}

void TCanvasOverlay::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (!FBackground.isNull()) painter.drawImage(area, FBackground, area);
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  painter.drawImage(area, FImage, area);
}

TControlCanvas::~TControlCanvas() {
  if (IsPainting()) EndPaint();
  delete FOverlay.data();  // and with it a pending release
}

void TControlCanvas::BeginWidgetPaint() {
  ReleaseOverlay();
  BeginPaint(FControl->Widget());
}

void TControlCanvas::EndWidgetPaint() {
  if (IsPainting()) EndPaint();
}

void TControlCanvas::HoldBackground() {
  if (TCanvasOverlay* overlay = RequireOverlay()) overlay->HoldBackground();
}

void TControlCanvas::ReleaseBackground() {
  if (FOverlay) FOverlay->ReleaseBackground();
}

TCanvasOverlay* TControlCanvas::RequireOverlay() {
  QWidget* widget = FControl->Widget();
  if (!widget) return nullptr;
  if (!FOverlay) FOverlay = new TCanvasOverlay(widget);
  FOverlay->raise();
  return FOverlay;
}

void TControlCanvas::CreateHandle() {
  if (!RequireOverlay()) return;
  BeginPaint(&FOverlay->Image());
  FOnOverlay = true;
  // Like a window's device context, the overlay is let go once the current
  // handler has returned; then it shows what was drawn.
  QTimer::singleShot(0, FOverlay, [this] { ReleaseOverlay(); });
}

void TControlCanvas::ReleaseOverlay() {
  if (!FOnOverlay) return;
  FOnOverlay = false;
  if (IsPainting()) EndPaint();
  if (FOverlay) FOverlay->update();
}

}  // namespace kcl

#include "kcl/graphics/canvas.h"

#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/desktop/charsettext.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/graphic.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/scopeguard.h"

namespace kcl {

namespace {

constexpr TColor CLR_INVALID = -1;

// A rectangle with exclusive right and bottom edges, corners in any order.
QRect ToQRect(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), top = std::min(y1, y2);
  return QRect(left, top, std::max(x1, x2) - left, std::max(y1, y2) - top);
}

QRect ToQRect(const TRect& r) { return ToQRect(r.Left, r.Top, r.Right, r.Bottom); }

// Qt's outlines cover the rectangle's right and bottom edges too.
QRect OutlineOf(const QRect& r) { return QRect(r.x(), r.y(), r.width() - 1, r.height() - 1); }

// The one-pixel border of r, each pixel once.
void FillBorder(QPainter& painter, const QRect& r, const QBrush& brush) {
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), brush);
  if (r.height() > 1) painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush);
  if (r.height() > 2) {
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), brush);
    if (r.width() > 1) painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), brush);
  }
}

QPolygon ToQPolygon(std::span<const TPoint> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  return polygon;
}

QPainter::CompositionMode RasterOperation(TPenMode mode) {
  switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

// The colour a pen mode draws with where it does not combine with the target.
QColor ModeColor(TPenMode mode, const QColor& color) {
  switch (mode) {
    case pmBlack: return Qt::black;
    case pmWhite: return Qt::white;
    case pmNotCopy: return QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
    default: return color;
  }
}

}  // namespace

KCL_CLASS_INFO(TCanvas) {}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {}

TCanvas::~TCanvas() { EndPaint(); }

void TCanvas::BeginPaint(QPaintDevice* device) {
  EndPaint();
  if (!device || !FPainter.begin(device)) throw EInvalidOperation(msg::NoCanvasHandle);
  FDevice = device;
}

void TCanvas::EndPaint() {
  if (FPainter.isActive()) FPainter.end();
  FDevice = nullptr;
}

QPainter& TCanvas::RequirePainter() {
  if (!IsPainting()) CreateHandle();
  if (!IsPainting()) throw EInvalidOperation(msg::NoCanvasHandle);
  return FPainter;
}

template <class F>
void TCanvas::Paint(F&& draw) {
  QPainter& painter = RequirePainter();
  Changing();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setBrushOrigin(0, 0);
  {
    OnScopeExit restore([&] { painter.restore(); });
    draw(painter);
  }
  Changed();
}

bool TCanvas::PrepareFigure(QPainter& painter, bool withBrush) {
  const TPenMode mode = FPen->Mode();
  if (mode == pmNop) return false;
  QPen pen = FPen->ToQPen();
  if (pen.style() != Qt::NoPen) pen.setColor(ModeColor(mode, pen.color()));
  QBrush brush = withBrush ? FBrush->ToQBrush() : QBrush(Qt::NoBrush);
  if (brush.style() != Qt::NoBrush && brush.style() != Qt::TexturePattern)
    brush.setColor(ModeColor(mode, brush.color()));
  painter.setPen(pen);
  painter.setBrush(brush);
  painter.setCompositionMode(RasterOperation(mode));
  return true;
}

void TCanvas::LineTo(int x, int y) {
  Paint([&](QPainter& p) {
    if (PrepareFigure(p, false)) p.drawLine(FPenPos.X, FPenPos.Y, x, y);
  });
  FPenPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  Paint([&](QPainter& p) {
    if (PrepareFigure(p, false)) p.drawPolyline(ToQPolygon(points));
  });
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  Paint([&](QPainter& p) {
    if (PrepareFigure(p, true)) p.drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
  });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const QRect r = ToQRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) {
    if (!PrepareFigure(p, true)) return;
    const QPen pen = p.pen();
    const bool hasPen = pen.style() != Qt::NoPen;
    const bool inside = FPen->Style() == psInsideFrame && FPen->Width() > 1;
    const int width = std::min(std::max(1, FPen->Width()), (std::min(r.width(), r.height()) + 1) / 2);
    // Each pixel is reached once, so that raster operations combine once.
    if (p.brush().style() != Qt::NoBrush) {
      QRect area = OutlineOf(r);
      if (inside)
        area = r.adjusted(width, width, -width, -width);
      else if (hasPen && width == 1)
        area = r.adjusted(1, 1, -1, -1);
      p.setPen(Qt::NoPen);
      if (area.isValid()) p.drawRect(area);
      p.setPen(pen);
    }
    if (!hasPen) return;
    if (inside) {
      QPainterPath frame;
      frame.setFillRule(Qt::OddEvenFill);
      frame.addRect(r);
      frame.addRect(r.adjusted(width, width, -width, -width));
      p.fillPath(frame, pen.color());
    } else {
      p.setBrush(Qt::NoBrush);
      p.drawRect(OutlineOf(r));
    }
  });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  const QRect r = ToQRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) {
    if (PrepareFigure(p, true)) p.drawRoundedRect(OutlineOf(r), cornerWidth / 2.0, cornerHeight / 2.0);
  });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const QRect r = ToQRect(x1, y1, x2, y2);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) {
    if (PrepareFigure(p, true)) p.drawEllipse(OutlineOf(r));
  });
}

void TCanvas::FillRect(const TRect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) { p.fillRect(r, FBrush->ToQBrush()); });
}

void TCanvas::FrameRect(const TRect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) { FillBorder(p, r, FBrush->ToQBrush()); });
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  Paint([&](QPainter& p) {
    // Every other pixel, inverted: white XOR through a checkerboard brush.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    FillBorder(p, r, QBrush(Qt::white, Qt::Dense4Pattern));
  });
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const TSize extent = TextExtent(text);
  Paint([&](QPainter& p) { PaintText(p, QRect(x, y, extent.cx, extent.cy), x, y, text); });
  FPenPos = {x + extent.cx, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  Paint([&](QPainter& p) {
    const QRect r = ToQRect(rect);
    p.setClipRect(r, p.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    PaintText(p, r, x, y, text);
  });
}

void TCanvas::PaintText(QPainter& painter, const QRect& background, int x, int y, const std::string& text) {
  if (FBrush->Style() != bsClear) painter.fillRect(background, ColorToQColor(FBrush->Color()));
  const QFont font = FFont->ToQFont();
  painter.setFont(font);
  painter.setPen(FFont->QtColor());
  painter.drawText(x, y + QFontMetrics(font).ascent(), DisplayText(text));
}

TSize TCanvas::TextExtent(const std::string& text) const {
  const QFontMetrics metrics(FFont->ToQFont());
  return {metrics.horizontalAdvance(DisplayText(text)), metrics.height()};
}

QString TCanvas::DisplayText(const std::string& text) const { return DecodeForCharset(text, FFont->Charset()); }

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic && !graphic->Empty()) graphic->Draw(*this, rect);
}

void TCanvas::StretchImage(const TRect& dest, const QImage& image) {
  const QRect r = ToQRect(dest);
  if (r.isEmpty() || image.isNull()) return;
  Paint([&](QPainter& p) { p.drawImage(r, image); });
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (!bitmap || bitmap->Empty()) return;
  QImage part = bitmap->Image().copy(ToQRect(source)).convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ColorToQRgb(color);
  const QRgb fill = FBrush->Style() == bsClear ? 0 : ColorToQRgb(FBrush->Color());
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if (line[x] == key) line[x] = fill;
  }
  StretchImage(dest, part);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (!canvas) return;
  StretchImage(dest, canvas->Grab(source));
}

QImage* TCanvas::TargetImage() {
  if (!IsPainting()) CreateHandle();
  return IsPainting() ? dynamic_cast<QImage*>(FDevice) : nullptr;
}

QImage TCanvas::Grab(const TRect& source) {
  if (const QImage* image = TargetImage()) return image->copy(ToQRect(source));
  if (auto* pixmap = dynamic_cast<QPixmap*>(FDevice)) return pixmap->toImage().copy(ToQRect(source));
  return {};
}

TRect TCanvas::ClipRect() {
  if (!IsPainting()) CreateHandle();
  if (!IsPainting()) return {};
  QRect r(0, 0, FDevice->width(), FDevice->height());
  if (FPainter.hasClipping()) r &= FPainter.clipBoundingRect().toAlignedRect();
  return r.isEmpty() ? TRect{} : TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

TColor TCanvas::Pixels(int x, int y) {
  const QImage* image = TargetImage();
  if (!image || !image->valid(x, y)) return CLR_INVALID;
  return QRgbToColor(image->pixel(x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  Paint([&](QPainter& p) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(x, y, 1, 1), ColorToQColor(color));
  });
}

}  // namespace kcl

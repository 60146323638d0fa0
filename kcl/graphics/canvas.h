#pragma once
// TCanvas: the framework's drawing surface over QPainter, with Pen, Brush and
// Font. Coordinates follow Windows: a rectangle's right and bottom edges are
// outside it, and a line leaves out its last pixel.
//
// Where it draws: BeginPaint(device) .. EndPaint() (or TCanvasPaint) give the
// canvas a target: a control's widget during its paint event, a bitmap's image.
// A drawing call without a target asks CreateHandle for one; subclasses override
// it to begin painting on their own device (a bitmap its image, a control the
// overlay image it is shown through outside paint events). With no target after
// that, drawing raises EInvalidOperation "Canvas does not allow drawing".
//
// Pen modes are raster operations: on raster targets (QImage, widgets and
// pixmaps on the raster engine) pmXor and pmNotXor undo themselves when the same
// figure is drawn twice. Pixels reads image targets; CopyRect copies from images
// and pixmaps.
#include <QImage>
#include <QPainter>
#include <memory>
#include <span>
#include <string>

#include "kcl/classes/events.h"
#include "kcl/classes/persistent.h"
#include "kcl/graphics/brush.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/pen.h"
#include "kcl/rtl/types.h"

namespace kcl {

class TBitmap;
class TGraphic;

class TCanvas : public TPersistent {
  KCL_CLASS(TCanvas, TPersistent)
public:
  TCanvas();
  ~TCanvas() override;

  // Ends any painting in progress first. Raises EInvalidOperation when Qt cannot
  // paint on the device.
  void BeginPaint(QPaintDevice* device);
  void EndPaint();
  bool IsPainting() const { return FPainter.isActive(); }
  QPaintDevice* Device() const { return IsPainting() ? FDevice : nullptr; }
  // The painter in use, for drawing with Qt directly; nullptr outside painting.
  QPainter* Painter() { return IsPainting() ? &FPainter : nullptr; }

  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* value) { FFont->Assign(value); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(const TPen* value) { FPen->Assign(value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(const TBrush* value) { FBrush->Assign(value); }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint value) { FPenPos = value; }

  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  // From PenPos to (x, y), which becomes PenPos; (x, y) itself is not drawn.
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  // Closed, filled with the brush (alternate filling) and outlined with the pen.
  void Polygon(std::span<const TPoint> points);
  // Outlined with the pen (psInsideFrame: inside the rectangle) and filled with
  // the brush. Without a pen the filled area is one pixel smaller to the right
  // and bottom, as Windows has it.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  // The brush only, ignoring the pen mode; FrameRect a one-pixel border.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  // A dotted border that inverts the pixels it covers: drawn again, it is gone.
  void DrawFocusRect(const TRect& rect);

  // The text's cell starts at (x, y); its background takes the brush unless the
  // brush is bsClear. PenPos moves to the end of the text.
  void TextOut(int x, int y, const std::string& text);
  // The same, clipped to rect, whose whole area takes the brush.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) const { return TextExtent(text).cy; }
  TSize TextExtent(const std::string& text) const;
  // The characters text shows as in the font: its bytes read in the code page of
  // the font's character set.
  QString DisplayText(const std::string& text) const;

  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);
  // source of bitmap to dest, with the pixels of color replaced by the brush.
  void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);
  // source of canvas (painting on an image or a pixmap) to dest, stretched.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // image into dest, stretched, honouring its alpha; what graphics draw with.
  void StretchImage(const TRect& dest, const QImage& image);

  // What drawing may reach: the clip region's bounds, or the whole target.
  TRect ClipRect();
  // -1 (CLR_INVALID) outside the target or when it is not an image.
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // Canvases are used from one thread; these keep the framework's calls.
  void Lock() {}
  void Unlock() {}

  // Around every drawing call.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  virtual void CreateHandle() {}
  virtual void Changing() { OnChanging(this); }
  virtual void Changed() { OnChange(this); }

private:
  QPainter& RequirePainter();
  // Runs draw with the painter between Changing and Changed; the painter's
  // state is restored afterwards.
  template <class F>
  void Paint(F&& draw);
  // Sets up pen, brush and raster operation for a figure; false for pmNop.
  bool PrepareFigure(QPainter& painter, bool withBrush);
  // Text at (x, y) over background filled with the brush unless it is bsClear.
  void PaintText(QPainter& painter, const QRect& background, int x, int y, const std::string& text);
  QImage* TargetImage();
  QImage Grab(const TRect& source);

  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  TPoint FPenPos;
  QPainter FPainter;
  QPaintDevice* FDevice = nullptr;
};

// Paints on device for the lifetime of the object.
class TCanvasPaint {
public:
  TCanvasPaint(TCanvas& canvas, QPaintDevice* device) : FCanvas(canvas) { canvas.BeginPaint(device); }
  ~TCanvasPaint() { FCanvas.EndPaint(); }
  TCanvasPaint(const TCanvasPaint&) = delete;
  TCanvasPaint& operator=(const TCanvasPaint&) = delete;

private:
  TCanvas& FCanvas;
};

}  // namespace kcl

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <functional>
#include <string>

#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/canvas.h"
#include "kcl/graphics/qtcolor.h"

using namespace kcl;

namespace {

QImage Filled(int width, int height, QRgb color = 0xFFFFFFFF) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// Rows of '#' (not white) and '.' (white) separated by '|'.
std::string Shape(const QImage& image) {
  std::string rows;
  for (int y = 0; y < image.height(); ++y) {
    if (y > 0) rows += '|';
    for (int x = 0; x < image.width(); ++x) rows += image.pixel(x, y) == 0xFFFFFFFF ? '.' : '#';
  }
  return rows;
}

std::string Draw(int width, int height, const std::function<void(TCanvas&)>& draw) {
  QImage image = Filled(width, height);
  TCanvas canvas;
  {
    TCanvasPaint paint(canvas, &image);
    draw(canvas);
  }
  return Shape(image);
}

// A pattern of colours in which every pixel differs from its neighbours.
QImage Noise(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x * y * 11) % 256));
  return image;
}

}  // namespace

TEST(Canvas, RectanglesExcludeTheirRightAndBottomEdges) {
  EXPECT_EQ(Draw(8, 6, [](TCanvas& c) { c.Rectangle(1, 1, 6, 5); }),
            "........|.#####..|.#...#..|.#...#..|.#####..|........");
  // A raster operation reaches every pixel of the outline once, corners too.
  EXPECT_EQ(Draw(8, 6,
                 [](TCanvas& c) {
                   c.Pen()->SetMode(pmNot);
                   c.Brush()->SetStyle(bsClear);
                   c.Rectangle(1, 1, 6, 5);
                 }),
            "........|.#####..|.#...#..|.#...#..|.#####..|........");
  EXPECT_EQ(Draw(6, 5, [](TCanvas& c) {
              c.Brush()->SetColor(clBlack);
              c.FillRect(Rect(1, 1, 4, 3));
            }),
            "......|.###..|.###..|......|......");
  EXPECT_EQ(Draw(6, 5, [](TCanvas& c) {
              c.Brush()->SetColor(clRed);
              c.FrameRect(Rect(0, 0, 5, 4));
            }),
            "#####.|#...#.|#...#.|#####.|......");
  // Without a pen Windows fills one pixel less to the right and bottom.
  EXPECT_EQ(Draw(6, 5, [](TCanvas& c) {
              c.Pen()->SetStyle(psClear);
              c.Brush()->SetColor(clNavy);
              c.Rectangle(1, 1, 5, 4);
            }),
            "......|.###..|.###..|......|......");
  // An inside frame keeps a wide pen within the rectangle.
  EXPECT_EQ(Draw(9, 8, [](TCanvas& c) {
              c.Pen()->SetStyle(psInsideFrame);
              c.Pen()->SetWidth(2);
              c.Rectangle(1, 1, 8, 7);
            }),
            ".........|.#######.|.#######.|.##...##.|.##...##.|.#######.|.#######.|.........");
}

TEST(Canvas, LinesLeaveOutTheirLastPixelAndMoveThePen) {
  TPoint end;
  EXPECT_EQ(Draw(7, 4, [&](TCanvas& c) {
              c.MoveTo(1, 1);
              c.LineTo(5, 1);
              c.LineTo(5, 3);
              end = c.PenPos();
            }),
            ".......|.#####.|.....#.|.......");
  EXPECT_EQ(end, Point(5, 3));
  const std::array<TPoint, 3> points = {Point(0, 0), Point(3, 0), Point(3, 3)};
  EXPECT_EQ(Draw(5, 4, [&](TCanvas& c) { c.Polyline(points); }),
            "####.|...#.|...#.|.....");
}

TEST(Canvas, XorDrawingTwiceRestoresEveryPixel) {
  const std::array<TPoint, 4> polygon = {Point(2, 3), Point(20, 5), Point(9, 17), Point(4, 12)};
  const std::function<void(TCanvas&)> figures[] = {
      [](TCanvas& c) { c.Rectangle(2, 3, 17, 14); },
      [](TCanvas& c) { c.Ellipse(1, 1, 22, 15); },
      [&](TCanvas& c) { c.Polygon(polygon); },
      [&](TCanvas& c) { c.Polyline(polygon); },
      [](TCanvas& c) { c.RoundRect(0, 0, 20, 18, 6, 6); },
      [](TCanvas& c) {
        c.MoveTo(0, 0);
        c.LineTo(23, 17);
        c.LineTo(3, 15);
      },
  };
  for (TPenMode mode : {pmXor, pmNotXor, pmNot}) {
    for (size_t i = 0; i < std::size(figures); ++i) {
      const QImage original = Noise(24, 18);
      QImage image = original;
      TCanvas canvas;
      canvas.Pen()->SetMode(mode);
      canvas.Pen()->SetColor(static_cast<TColor>(0x3366CC));
      canvas.Brush()->SetColor(static_cast<TColor>(0x99AA11));
      canvas.BeginPaint(&image);
      figures[i](canvas);
      const QImage once = image.copy();
      figures[i](canvas);
      canvas.EndPaint();
      EXPECT_NE(once, original) << "mode " << mode << " figure " << i;
      EXPECT_EQ(image, original) << "mode " << mode << " figure " << i;
    }
  }
}

TEST(Canvas, PenModesCombineWithTheTarget) {
  struct Case {
    TPenMode Mode;
    QRgb Expected;
  };
  const QRgb target = qRgb(0x55, 0xCC, 0x33);
  const TColor pen = static_cast<TColor>(0x00F0F0);  // red F0, green F0, blue 00
  const Case cases[] = {
      {pmCopy, qRgb(0xF0, 0xF0, 0x00)}, {pmNotCopy, qRgb(0x0F, 0x0F, 0xFF)}, {pmNop, target},
      {pmNot, qRgb(0xAA, 0x33, 0xCC)},  {pmXor, qRgb(0xA5, 0x3C, 0x33)},     {pmMask, qRgb(0x50, 0xC0, 0x00)},
      {pmMaskPenNot, qRgb(0xA0, 0x30, 0x00)},
  };
  for (const Case& c : cases) {
    QImage image = Filled(3, 3, target);
    TCanvas canvas;
    TCanvasPaint paint(canvas, &image);
    canvas.Pen()->SetMode(c.Mode);
    canvas.Pen()->SetColor(pen);
    canvas.MoveTo(0, 1);
    canvas.LineTo(3, 1);
    EXPECT_EQ(image.pixel(1, 1), c.Expected) << "mode " << c.Mode;
    EXPECT_EQ(image.pixel(1, 0), target);
  }
}

TEST(Canvas, FocusRectangleIsDottedAndUndoesItself) {
  const QImage original = Noise(12, 9);
  QImage image = original;
  TCanvas canvas;
  canvas.BeginPaint(&image);
  canvas.DrawFocusRect(Rect(1, 1, 11, 8));
  const QImage once = image.copy();
  canvas.DrawFocusRect(Rect(1, 1, 11, 8));
  canvas.EndPaint();
  EXPECT_EQ(image, original);

  // Every other pixel of the border is inverted, nothing else.
  const bool cornerInverted = once.pixel(1, 1) != original.pixel(1, 1);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool border = x >= 1 && x <= 10 && y >= 1 && y <= 7 && (x == 1 || x == 10 || y == 1 || y == 7);
      const bool dot = border && ((x + y) % 2 == 0) == cornerInverted;
      ASSERT_EQ(once.pixel(x, y), dot ? original.pixel(x, y) ^ 0x00FFFFFFu : original.pixel(x, y)) << x << "," << y;
    }
}

TEST(Canvas, PixelsReadAndWriteTheTarget) {
  QImage image = Filled(4, 4);
  TCanvas canvas;
  TCanvasPaint paint(canvas, &image);
  canvas.SetPixels(2, 3, clRed);
  canvas.SetPixels(1, 1, clBtnShadow);  // a system colour resolves
  EXPECT_EQ(canvas.Pixels(2, 3), clRed);
  EXPECT_EQ(image.pixel(2, 3), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.Pixels(1, 1), clGray);
  EXPECT_EQ(canvas.Pixels(4, 0), -1);
  EXPECT_EQ(canvas.Pixels(-1, 2), -1);
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 4, 4));
}

TEST(Canvas, WithoutATargetDrawingIsRefused) {
  TCanvas canvas;
  EXPECT_FALSE(canvas.IsPainting());
  try {
    canvas.Rectangle(0, 0, 5, 5);
    FAIL() << "drew without a target";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Canvas does not allow drawing");
  }
  EXPECT_EQ(canvas.Pixels(0, 0), -1);
  EXPECT_EQ(canvas.ClipRect(), TRect{});
  EXPECT_GT(canvas.TextWidth("Hello"), canvas.TextWidth("H"));  // measuring needs no target
  EXPECT_THROW(canvas.BeginPaint(nullptr), EInvalidOperation);
}

TEST(Canvas, TextTakesTheBrushAsBackgroundAndMovesThePen) {
  QImage image = Filled(120, 40);
  TCanvas canvas;
  TCanvasPaint paint(canvas, &image);
  canvas.Brush()->SetColor(clYellow);
  canvas.Font()->SetColor(clBlack);
  const TSize extent = canvas.TextExtent("Wide");
  ASSERT_GT(extent.cx, 0);
  ASSERT_GT(extent.cy, 0);
  canvas.TextOut(5, 3, "Wide");
  EXPECT_EQ(canvas.PenPos(), Point(5 + extent.cx, 3));
  EXPECT_EQ(canvas.Pixels(5, 3), clYellow);
  EXPECT_EQ(canvas.Pixels(4 + extent.cx, 2 + extent.cy), clYellow);
  EXPECT_EQ(canvas.Pixels(5 + extent.cx, 3), clWhite);
  EXPECT_EQ(canvas.Pixels(5, 3 + extent.cy), clWhite);

  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(5, 22, "Wide");
  EXPECT_EQ(canvas.Pixels(5, 22), clWhite);

  // TextRect fills its rectangle and draws nothing outside it, here the text.
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clLime);
  canvas.TextRect(Rect(60, 0, 70, 10), 60, 10, "WWWW");
  for (int y = 0; y < 10 + extent.cy; ++y)
    for (int x = 59; x < std::min(image.width(), 61 + canvas.TextWidth("WWWW")); ++x)
      ASSERT_EQ(canvas.Pixels(x, y), x >= 60 && x < 70 && y < 10 ? clLime : clWhite) << x << "," << y;
}

TEST(Canvas, BrushCopyReplacesOneColourByTheBrush) {
  TBitmap bitmap;
  bitmap.SetSize(4, 2);
  bitmap.Canvas()->SetPixels(0, 0, clRed);
  bitmap.Canvas()->SetPixels(3, 1, clRed);
  QImage image = Filled(6, 4, qRgb(0, 0, 0));
  TCanvas canvas;
  TCanvasPaint paint(canvas, &image);
  canvas.Brush()->SetColor(clBlue);
  canvas.BrushCopy(Rect(1, 1, 5, 3), &bitmap, Rect(0, 0, 4, 2), clRed);
  EXPECT_EQ(canvas.Pixels(1, 1), clBlue);
  EXPECT_EQ(canvas.Pixels(4, 2), clBlue);
  EXPECT_EQ(canvas.Pixels(2, 1), clWhite);
  EXPECT_EQ(canvas.Pixels(0, 0), clBlack);
  EXPECT_EQ(canvas.Pixels(5, 3), clBlack);
}

TEST(Canvas, CopyRectStretchesAnotherCanvasPart) {
  QImage source = Filled(4, 4);
  TCanvas from;
  TCanvasPaint sourcePaint(from, &source);
  from.SetPixels(1, 1, clRed);
  QImage target = Filled(6, 6);
  TCanvas to;
  TCanvasPaint targetPaint(to, &target);
  to.CopyRect(Rect(2, 2, 6, 6), &from, Rect(1, 1, 3, 3));
  EXPECT_EQ(to.Pixels(2, 2), clRed);
  EXPECT_EQ(to.Pixels(3, 3), clRed);
  EXPECT_EQ(to.Pixels(4, 4), clWhite);
  EXPECT_EQ(to.Pixels(1, 1), clWhite);
}

TEST(Canvas, DrawsGraphicsWithTheirTransparency) {
  TBitmap bitmap;
  bitmap.SetSize(3, 3);
  TCanvas* bc = bitmap.Canvas();
  bc->Brush()->SetColor(clLime);
  bc->FillRect(Rect(0, 0, 3, 3));
  bc->SetPixels(1, 1, clRed);
  QImage image = Filled(8, 8, qRgb(0, 0, 255));
  TCanvas canvas;
  TCanvasPaint paint(canvas, &image);
  canvas.Draw(0, 0, &bitmap);
  EXPECT_EQ(canvas.Pixels(0, 0), clLime);
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  bitmap.SetTransparent(true);  // the bottom-left colour, lime, is left out
  canvas.Draw(4, 4, &bitmap);
  EXPECT_EQ(canvas.Pixels(4, 4), clBlue);
  EXPECT_EQ(canvas.Pixels(5, 5), clRed);
  canvas.StretchDraw(Rect(0, 4, 2, 6), &bitmap);
  EXPECT_EQ(canvas.Pixels(0, 4), clBlue);
}

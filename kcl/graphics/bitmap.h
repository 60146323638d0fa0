#pragma once
// TBitmap: a raster image with a canvas, read from and written to Windows BMP
// files. The pixels live in a QImage (RGB32); the pixel format and colour table
// say how the bitmap is written. A bitmap keeps the bytes it was read from and
// writes exactly those back until it changes, so bitmaps in form files survive a
// load and save unchanged.
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "kcl/classes/typeof.h"
#include "kcl/system/colors.h"
#include "kcl/graphics/graphic.h"

namespace kcl {

KCL_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
KCL_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap : public TGraphic {
  KCL_CLASS(TBitmap, TGraphic)
public:
  TBitmap();
  ~TBitmap() override;
  // From another bitmap (pixels, format, colour table, file bytes and
  // transparency) or nullptr, which empties this one.
  void Assign(const TPersistent* source) override;

  // The canvas that draws on the bitmap; drawing changes the bitmap.
  TCanvas* Canvas();

  bool Empty() const override;
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  // Keeps the pixels that still fit; new ones are white. Sizes beyond the
  // limits of bmpformat.h raise EOutOfResources.
  void SetWidth(int value) override { SetSize(value, FHeight); }
  void SetHeight(int value) override { SetSize(FWidth, value); }
  void SetSize(int width, int height);

  // How the bitmap is written. Indexed formats (1, 4, 8 bits) map every pixel to
  // the nearest colour of the colour table; pfDevice, 15 and 16 bits are written
  // at 24 bits.
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat value);
  bool Monochrome() const { return FPixelFormat == pf1bit; }
  // True makes a black and white 1-bit bitmap, false a device bitmap.
  void SetMonochrome(bool value);
  const std::vector<QRgb>& ColorTable() const { return FColorTable; }
  // Ignored unless the format is indexed; at most 2^bits entries are kept.
  void SetColorTable(std::vector<QRgb> table);

  // tmAuto: the colour of the bottom-left pixel (clDefault while empty);
  // tmFixed: the colour set. Setting clDefault returns to tmAuto.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode value);

  // A BMP file from the position to the end; no bytes at all make an empty
  // bitmap. Malformed bytes raise EInvalidGraphic and leave the bitmap as it was.
  void LoadFromStream(TStream& stream) override;
  // Nothing for an empty bitmap.
  void SaveToStream(TStream& stream) override;
  // In a component stream: a 32-bit size, then the BMP file.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

  // The pixels (null while empty). SetImage replaces them, converted to RGB32 and,
  // in an indexed format, to the colour table.
  const QImage& Image() const;
  void SetImage(const QImage& image);

protected:
  void Draw(TCanvas& canvas, const TRect& rect) override;

private:
  class TBitmapCanvas;
  void LoadFromBytes(std::string bytes);
  // Ends painting on the image before it is replaced or re-encoded.
  void ReleaseCanvas() const;
  // Pixels or format changed: the file bytes no longer describe the bitmap.
  void ContentChanged();
  const QImage& TransparentImage();

  int FWidth = 0;
  int FHeight = 0;
  QImage FImage;
  TPixelFormat FPixelFormat = pfDevice;
  std::vector<QRgb> FColorTable;
  // The file this bitmap is, as read or last written; cleared by every change.
  std::string FFileBytes;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  QImage FTransparentImage;  // FImage with the transparent colour cut out, made when drawn
  std::unique_ptr<TBitmapCanvas> FCanvas;
};

}  // namespace kcl

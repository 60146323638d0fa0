#pragma once
// TIcon: a Windows .ico file, kept byte for byte as it was read and written back
// the same. Its first image is shown through Qt's decoder when Qt can decode it.
#include <QImage>
#include <string>

#include "kcl/graphics/graphic.h"

namespace kcl {

class TIcon : public TGraphic {
  KCL_CLASS(TIcon, TGraphic)
public:
  void Assign(const TPersistent* source) override;

  bool Empty() const override { return FData.empty(); }
  // The first image's size; 32 while empty, as Windows' standard icon.
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  // Raise EInvalidGraphicOperation "Cannot change the size of an icon".
  void SetWidth(int value) override;
  void SetHeight(int value) override;

  // The whole .ico file from the position to the end. A file whose directory
  // does not describe its contents raises EInvalidGraphic "Icon image is not
  // valid" and leaves the icon as it was.
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override { stream.WriteString(FData); }

  const std::string& Data() const { return FData; }
  // The first image; null when Qt could not decode it.
  const QImage& Image() const { return FImage; }

protected:
  void Draw(TCanvas& canvas, const TRect& rect) override;

private:
  static constexpr int StandardSize = 32;
  std::string FData;
  QImage FImage;
  int FWidth = StandardSize;
  int FHeight = StandardSize;
};

}  // namespace kcl

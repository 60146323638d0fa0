#pragma once
// TImageList: a row of images of one size, held for the controls that show them
// (tree views, tool bars, tabs). Its images stream as "Bitmap", the bytes Windows'
// image list writes (a header, the images as one bitmap, the mask as another);
// the bytes read are kept and written back as they were.
#include <QImage>
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/events.h"
#include "kcl/classes/streams.h"
#include "kcl/classes/typeof.h"
#include "kcl/system/colors.h"

namespace kcl {

class TCanvas;

KCL_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
KCL_ENUM(TImageType, itImage, itMask)

class TCustomImageList : public TComponent {
  KCL_CLASS(TCustomImageList, TComponent)
public:
  explicit TCustomImageList(TComponent* owner);

  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int v) { FAllocBy = v; }
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor v);
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor v) { FBlendColor = v; }
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle v);
  // A new size empties the list.
  int Height() const { return FHeight; }
  void SetHeight(int v);
  int Width() const { return FWidth; }
  void SetWidth(int v);
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType v);
  bool Masked() const { return FMasked; }
  void SetMasked(bool v) { FMasked = v; }
  bool ShareImages() const { return FShareImages; }
  void SetShareImages(bool v) { FShareImages = v; }

  int Count() const { return FCount; }
  // An image with the mask's transparent pixels transparent; null outside the list.
  QImage Image(int index) const;
  void Draw(TCanvas& canvas, int x, int y, int index) const;
  void Clear();

  // The value of "Bitmap". ReadData raises EReadError for bytes that are no image
  // list; WriteData writes what was read.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;

  TNotifyEvent OnChange;

protected:
  void DefineProperties(TFiler& filer) override;
  virtual void Change() { OnChange(this); }

private:
  int FAllocBy = 4;
  TColor FBkColor = clNone, FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  int FHeight = 16, FWidth = 16;
  TImageType FImageType = itImage;
  bool FMasked = true;
  bool FShareImages = false;
  std::string FData;  // the streamed bytes
  int FCount = 0;
  QImage FImages;    // the images side by side, ARGB with the mask applied
  int FColumns = 0;  // images in a row of FImages
  QSize FImageSize;  // as the data has them; Width and Height stay as read
};

class TImageList : public TCustomImageList {
  KCL_CLASS(TImageList, TCustomImageList)
public:
  using TCustomImageList::TCustomImageList;
};

}  // namespace kcl

#pragma once
// TImage: shows a picture, stretched, centred or at its own size; AutoSize
// fits the control to the picture. Canvas draws on the picture's bitmap.
#include <memory>

#include "kcl/controls/customcontrol.h"
#include "kcl/graphics/picture.h"

namespace kcl {

class TImage : public TGraphicControl {
  KCL_CLASS(TImage, TGraphicControl)
public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool Center() const { return FCenter; }
  void SetCenter(bool v);
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* v) { FPicture->Assign(v); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v);
  // Whether a picture being decoded shows as it arrives; kept for the form file.
  bool IncrementalDisplay() const { return FIncrementalDisplay; }
  void SetIncrementalDisplay(bool v) { FIncrementalDisplay = v; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  // The picture's bitmap (an empty picture gets one of the control's size);
  // raises EInvalidOperation when the picture holds another kind of graphic.
  TCanvas* Canvas();

protected:
  void Paint() override;

private:
  void PictureChanged();
  TRect DestRect() const;

  bool FAutoSize = false;
  bool FCenter = false;
  bool FStretch = false;
  bool FTransparent = false;
  bool FIncrementalDisplay = false;
  std::unique_ptr<TPicture> FPicture;
};

}  // namespace kcl

#include "kcl/components/image.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/graphics/bitmap.h"
#include "kcl/graphics/canvas.h"

namespace kcl {

KCL_CLASS_INFO(TImage) {
  cls.publish({"Align"});
  cls.property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
  cls.property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  cls.publish({"DragCursor", "DragMode", "Enabled"});
  cls.property("IncrementalDisplay", &TImage::IncrementalDisplay, &TImage::SetIncrementalDisplay).Default(false);
  cls.publish({"ParentShowHint"});
  cls.property("Picture", &TImage::Picture, &TImage::SetPicture);
  cls.publish({"PopupMenu", "ShowHint"});
  cls.property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  cls.property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  cls.publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle.Include(csReplicatable);
  FPicture->OnChange.SetHandler([this](TObject*) { PictureChanged(); });
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { FPicture->OnChange.SetHandler(nullptr); }

void TImage::PictureChanged() {
  if (TGraphic* graphic = FPicture->Graphic()) {
    graphic->SetTransparent(FTransparent);
    if (FAutoSize && graphic->Width() > 0 && graphic->Height() > 0)
      SetBounds(Left(), Top(), graphic->Width(), graphic->Height());
  }
  Invalidate();
}

void TImage::SetAutoSize(bool v) {
  FAutoSize = v;
  PictureChanged();
}

void TImage::SetCenter(bool v) {
  FCenter = v;
  Invalidate();
}

void TImage::SetStretch(bool v) {
  FStretch = v;
  Invalidate();
}

void TImage::SetTransparent(bool v) {
  FTransparent = v;
  PictureChanged();
}

TCanvas* TImage::Canvas() {
  if (!FPicture->Graphic()) {
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    FPicture->SetGraphic(&bitmap);
  }
  auto* bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
  if (!bitmap) throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  return bitmap->Canvas();
}

TRect TImage::DestRect() const {
  const int w = FPicture->Width(), h = FPicture->Height();
  if (FStretch) return ClientRect();
  if (FCenter) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
  return Bounds(0, 0, w, h);
}

void TImage::Paint() {
  TCanvas& canvas = *TGraphicControl::Canvas();
  if (IsDesigning()) {
    // The designer shows where an empty or transparent image is.
    canvas.Pen()->SetStyle(psDash);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(ClientRect());
  }
  if (TGraphic* graphic = FPicture->Graphic(); graphic && !graphic->Empty()) canvas.StretchDraw(DestRect(), graphic);
}

}  // namespace kcl

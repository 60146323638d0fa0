#include "kcl/qreport/qrimage.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/qreport/qrreference.h"

namespace kcl {

namespace {

// The designer shows where an image is even while it shows nothing.
void PaintOutline(const TControl& control, TCanvas& canvas) {
  if (!control.IsDesigning()) return;
  canvas.Pen()->SetColor(clBlack);
  canvas.Pen()->SetStyle(psDash);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Rectangle(control.ClientRect());
}

}  // namespace

// --- TQRImage

KCL_CLASS_INFO(TQRImage) {
  using T = TQRImage;
  cls.publish({"Frame"});
  cls.republish("AutoSize").Default(false);
  cls.property("Center", &T::Center, &T::SetCenter).Default(false);
  cls.property("Picture", &T::Picture, &T::SetPicture);
  cls.property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
}

TQRImage::TQRImage(TComponent* owner) : TQRPrintable(owner), FPicture(std::make_unique<TPicture>()) {
  FPicture->OnChange.SetHandler([this](TObject*) { AdjustBounds(); });
  SetAutoSize(false);
  SetBounds(Left(), Top(), 105, 105);
}

TQRImage::~TQRImage() { FPicture->OnChange.SetHandler(nullptr); }

void TQRImage::AdjustBounds() {
  // An image being read keeps the size its file gives.
  if (AutoSize() && FPicture->Width() > 0 && FPicture->Height() > 0 && !IsLoading())
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  Invalidate();
}

void TQRImage::Paint() {
  TCanvas& canvas = *Canvas();
  PaintOutline(*this, canvas);
  if (TGraphic* graphic = FPicture->Graphic(); graphic && !graphic->Empty()) {
    const int w = FPicture->Width(), h = FPicture->Height();
    const TRect place = FStretch  ? ClientRect()
                        : FCenter ? Bounds((Width() - w) / 2, (Height() - h) / 2, w, h)
                                  : Bounds(0, 0, w, h);
    canvas.StretchDraw(place, graphic);
  }
  Frame()->Paint(canvas, ClientRect());
}

// --- TQRDBImage

KCL_CLASS_INFO(TQRDBImage) {
  using T = TQRDBImage;
  cls.publish({"Frame"});
  cls.property("Center", &T::Center, &T::SetCenter).Default(true);
  cls.property("DataField", &T::DataField, &T::SetDataField);
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.property("Stretch", &T::Stretch, &T::SetStretch).Default(false);
}

TQRDBImage::TQRDBImage(TComponent* owner) : TQRPrintable(owner) {
  SetAutoSize(false);
  SetBounds(Left(), Top(), 105, 105);
}

void TQRDBImage::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }

void TQRDBImage::Notification(TComponent* component, TOperation operation) {
  TQRPrintable::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FDataSet, component);
}

void TQRDBImage::Paint() {
  TCanvas& canvas = *Canvas();
  PaintOutline(*this, canvas);
  if (IsDesigning()) {
    canvas.Font()->Assign(Font());
    const std::string text = DisplayText();
    const TSize size = canvas.TextExtent(text);
    canvas.TextOut((Width() - size.cx) / 2, (Height() - size.cy) / 2, text);
  }
  Frame()->Paint(canvas, ClientRect());
}

}  // namespace kcl

#include "kcl/qreport/qrcustomband.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/qreport/qrcustomreport.h"

namespace kcl {

KCL_CLASS_INFO(TQRCustomBand) {
  // What the bands publish by name, each in its own order.
  using T = TQRCustomBand;
  auto declared = cls.unpublished();
  declared.property("AlignToBottom", &T::AlignToBottom, &T::SetAlignToBottom).Default(false);
  declared.property("BandType", &T::BandType, &T::SetBandType).Default(rbTitle);
  declared.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clWhite);
  declared.property("ForceNewColumn", &T::ForceNewColumn, &T::SetForceNewColumn).Default(false);
  declared.property("ForceNewPage", &T::ForceNewPage, &T::SetForceNewPage).Default(false);
  declared.property("Frame", &T::Frame, &T::SetFrame);
  declared.event("AfterPrint", &T::AfterPrint,
                 MakeMethodType("TQRBandAfterPrintEvent", mkProcedure,
                                {{0, "Sender", "TQRCustomBand"}, {0, "BandPrinted", "Boolean"}}));
  declared.event("BeforePrint", &T::BeforePrint,
                 MakeMethodType("TQRBandBeforePrintEvent", mkProcedure,
                                {{0, "Sender", "TQRCustomBand"}, {pfVar, "PrintBand", "Boolean"}}));
}

TQRCustomBand::TQRCustomBand(TComponent* owner)
    : TCustomPanel(owner), FFrame(std::make_unique<TQRFrame>([this] { Invalidate(); })) {
  FControlStyle.Exclude(csSetCaption);
  SetBevelOuter(bvNone);
  SetColor(clWhite);
  // Bands lie across the report, one below the other.
  SetAlign(alTop);
  SetBounds(Left(), Top(), Width(), 40);
}

TQRCustomBand::~TQRCustomBand() = default;

void TQRCustomBand::SetBandType(TQRBandType v) {
  FBandType = v;
  Invalidate();
}

void TQRCustomBand::SetParent(TWinControl* parent) {
  // A page that places its bands itself takes each where its file (or the page) puts it.
  auto* page = dynamic_cast<TCustomQuickRep*>(parent);
  SetAlign(page && !page->AlignsBands() ? alNone : alTop);
  TCustomPanel::SetParent(parent);
  if (page && Parent() == page) page->BandAdded(this);
}

void TQRCustomBand::SetBounds(int left, int top, int width, int height) {
  const TRect old = BoundsRect();
  TCustomPanel::SetBounds(left, top, width, height);
  auto* page = dynamic_cast<TCustomQuickRep*>(Parent());
  if (page && !IsLoading() && BoundsRect() != old) page->BandBoundsChanged(this, old);
}

std::string TQRCustomBand::BandTitle() const {
  static const char* const titles[] = {"Title",        "Page header",  "Detail",      "Page footer",
                                       "Summary",      "Group header", "Group footer", "Sub detail",
                                       "Column header", "Overlay",     "Child"};
  return titles[FBandType];
}

void TQRCustomBand::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
  if (IsDesigning()) {
    // The designer marks the band's extent and type.
    canvas.Pen()->SetColor(clGray);
    canvas.Pen()->SetStyle(psDot);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(ClientRect());
    canvas.Font()->SetColor(clGray);
    const std::string title = BandTitle();
    canvas.TextOut(2, Height() - canvas.TextHeight(title) - 1, title);
  }
  FFrame->Paint(canvas, ClientRect());
}

}  // namespace kcl

#include "kcl/qreport/quickreport.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/qreport/qrchildband.h"
#include "kcl/qreport/qrcompositereport.h"
#include "kcl/qreport/qrexpr.h"
#include "kcl/qreport/qrimage.h"
#include "kcl/qreport/qrpreview.h"
#include "kcl/qreport/qrprintables.h"
#include "kcl/qreport/qrrichtext.h"
#include "kcl/qreport/qrsubdetail.h"
#include "kcl/qreport/quickrep.h"

namespace kcl {

namespace {

// Millimetres of the paper sizes the page is drawn for; the others draw as A4.
TSize PaperOf(TQRPaperSize size) {
  switch (size) {
    case TQRPaperSize::Letter: case TQRPaperSize::LetterSmall: return {216, 279};
    case TQRPaperSize::Legal: return {216, 356};
    case TQRPaperSize::Executive: return {184, 267};
    case TQRPaperSize::A3: return {297, 420};
    case TQRPaperSize::A5: return {148, 210};
    case TQRPaperSize::B4: return {250, 354};
    case TQRPaperSize::B5: return {182, 257};
    default: return {210, 297};
  }
}

}  // namespace

// --- TQuickReport

KCL_CLASS_INFO(TQuickReport) {
  using T = TQuickReport;
  cls.property("Columns", &T::Columns, &T::SetColumns).Default(1);
  cls.publish({"DataSet"});
  cls.property("Description", &T::Description, &T::SetDescription);
  cls.property("DisplayPrintDialog", &T::DisplayPrintDialog, &T::SetDisplayPrintDialog).Default(false);
  cls.publish({"Font", "Frame", "Options"});
  cls.property("Orientation", &T::Orientation, &T::SetOrientation).Default(poPortrait);
  cls.property("PaperSize", &T::PaperSize, &T::SetPaperSize).Default(TQRPaperSize::A4);
  cls.publish({"PrintIfEmpty", "ReportTitle"});
  cls.property("ShowProgress", &T::ShowProgress, &T::SetShowProgress).Default(true);
  cls.publish({"SnapToGrid", "Units", "Zoom"});
  cls.event("AfterPreview", &T::AfterPreview, TNotifyEventType());
  cls.event("AfterPrint", &T::AfterPrint, TNotifyEventType());
  cls.event("BeforePrint", &T::BeforePrint, ReportBeforePrintEventType("TQuickRep"));
  cls.event("OnEndPage", &T::OnEndPage, ReportNotifyOperationEventType("TQuickRep"));
  cls.event("OnNeedData", &T::OnNeedData, NeedDataEventType());
  cls.event("OnPreview", &T::OnPreview, TNotifyEventType());
  cls.event("OnStartPage", &T::OnStartPage, ReportNotifyOperationEventType("TQuickRep"));
}

TQuickReport::TQuickReport(TComponent* owner) : TCustomQuickRep(owner), FDescription(std::make_unique<TStringList>()) {
  SizeToPage();
}

TQuickReport::~TQuickReport() = default;

void TQuickReport::SetOrientation(TPrinterOrientation v) {
  FOrientation = v;
  SizeToPage();
}

void TQuickReport::SetPaperSize(TQRPaperSize v) {
  FPaperSize = v;
  SizeToPage();
}

void TQuickReport::ZoomChanged(int) { SizeToPage(); }

TSize TQuickReport::PaperMillimetres() const {
  const TSize paper = PaperOf(FPaperSize);
  return FOrientation == poLandscape ? TSize{paper.cy, paper.cx} : paper;
}

void TQuickReport::SizeToPage() {
  if (!IsLoading()) SizeToPaper(PaperMillimetres());
}

// --- TQRBand

KCL_CLASS_INFO(TQRBand) {
  using T = TQRBand;
  cls.publish({"AlignToBottom", "BandType", "Color", "Enabled", "Font", "ForceNewColumn", "ForceNewPage", "Frame"});
  cls.property("LinkBand", &T::LinkBand, &T::SetLinkBand);
  cls.publish({"ParentFont", "AfterPrint", "BeforePrint"});
}

void TQRBand::SetLinkBand(TQRBand* v) {
  if (v != this) LinkReference(this, FLinkBand, v);
}

void TQRBand::Notification(TComponent* component, TOperation operation) {
  TQRCustomBand::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FLinkBand, component);
}

// --- TQRGroup

KCL_CLASS_INFO(TQRGroup) {
  using T = TQRGroup;
  cls.republish("BandType").Default(rbGroupHeader);
  cls.property("Expression", &T::Expression, &T::SetExpression);
  cls.property("FooterBand", &T::FooterBand, &T::SetFooterBand);
  cls.property("Master", &T::Master, &T::SetMaster);
}

TQRGroup::TQRGroup(TComponent* owner) : TQRBand(owner) { SetBandType(rbGroupHeader); }

void TQRGroup::SetFooterBand(TQRBand* v) {
  if (v != this) LinkReference(this, FFooterBand, v);
}

void TQRGroup::SetMaster(TComponent* v) {
  if (v != this) LinkReference(this, FMaster, v);
}

void TQRGroup::Notification(TComponent* component, TOperation operation) {
  TQRBand::Notification(component, operation);
  if (operation != opRemove) return;
  UnlinkReference(FFooterBand, component);
  UnlinkReference(FMaster, component);
}

// --- TQRDetailLink

KCL_CLASS_INFO(TQRDetailLink) {
  using T = TQRDetailLink;
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.property("DetailBand", &T::DetailBand, &T::SetDetailBand);
  cls.property("FooterBand", &T::FooterBand, &T::SetFooterBand);
  cls.property("HeaderBand", &T::HeaderBand, &T::SetHeaderBand);
  cls.property("Master", &T::Master, &T::SetMaster);
  cls.property("PrintBefore", &T::PrintBefore, &T::SetPrintBefore).Default(false);
  cls.event("OnNeedData", &T::OnNeedData, NeedDataEventType());
}

void TQRDetailLink::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }
void TQRDetailLink::SetDetailBand(TQRBand* v) { LinkReference(this, FDetailBand, v); }
void TQRDetailLink::SetFooterBand(TQRBand* v) { LinkReference(this, FFooterBand, v); }
void TQRDetailLink::SetHeaderBand(TQRBand* v) { LinkReference(this, FHeaderBand, v); }

void TQRDetailLink::SetMaster(TComponent* v) {
  if (v != this) LinkReference(this, FMaster, v);
}

void TQRDetailLink::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  UnlinkReference(FDataSet, component);
  UnlinkReference(FDetailBand, component);
  UnlinkReference(FFooterBand, component);
  UnlinkReference(FHeaderBand, component);
  UnlinkReference(FMaster, component);
}

void RegisterReportClasses() {
  static const bool registered = [] {
    RegisterClasses({&TQuickReport::StaticClass(), &TQRBand::StaticClass(), &TQRGroup::StaticClass(),
                     &TQRDetailLink::StaticClass(), &TQRLabel::StaticClass(), &TQRMemo::StaticClass(),
                     &TQRDBText::StaticClass(), &TQRDBCalc::StaticClass(), &TQRSysData::StaticClass(),
                     &TQRShape::StaticClass(), &TQRPreview::StaticClass(), &TQuickRep::StaticClass(),
                     &TQRChildBand::StaticClass(), &TQRSubDetail::StaticClass(), &TQRExpr::StaticClass(),
                     &TQRImage::StaticClass(), &TQRDBImage::StaticClass(), &TQRRichText::StaticClass(),
                     &TQRDBRichText::StaticClass(), &TQRCompositeReport::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

#include "kcl/qreport/quickreport.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/graphics/muldiv.h"
#include "kcl/qreport/qrpreview.h"
#include "kcl/qreport/qrprintables.h"

namespace kcl {

namespace {

const TTypeInfo* ReportEventType(const char* name, std::vector<TParamRecord> params) {
  return MakeMethodType(name, mkProcedure, std::move(params));
}

const TTypeInfo* TQRNotifyOperationEventType() {
  static const TTypeInfo* t = ReportEventType("TQRNotifyOperationEvent", {{0, "Sender", "TQuickRep"}});
  return t;
}

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
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.property("Description", &T::Description, &T::SetDescription);
  cls.property("DisplayPrintDialog", &T::DisplayPrintDialog, &T::SetDisplayPrintDialog).Default(false);
  cls.publish({"Font"});
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("Options", &T::Options, &T::SetOptions)
      .Default(TQuickReportOptions{TQuickReportOption::FirstPageHeader, TQuickReportOption::LastPageFooter});
  cls.property("Orientation", &T::Orientation, &T::SetOrientation).Default(poPortrait);
  cls.property("PaperSize", &T::PaperSize, &T::SetPaperSize).Default(TQRPaperSize::A4);
  cls.property("PrintIfEmpty", &T::PrintIfEmpty, &T::SetPrintIfEmpty).Default(true);
  cls.property("ReportTitle", &T::ReportTitle, &T::SetReportTitle);
  cls.property("ShowProgress", &T::ShowProgress, &T::SetShowProgress).Default(true);
  cls.property("SnapToGrid", &T::SnapToGrid, &T::SetSnapToGrid).Default(true);
  cls.property("Units", &T::Units, &T::SetUnits).Default(TQRUnit::MM);
  cls.property("Zoom", &T::Zoom, &T::SetZoom).Default(100);
  cls.event("AfterPreview", &T::AfterPreview, TNotifyEventType());
  cls.event("AfterPrint", &T::AfterPrint, TNotifyEventType());
  cls.event("BeforePrint", &T::BeforePrint,
            ReportEventType("TQRReportBeforePrintEvent", {{0, "Sender", "TQuickRep"}, {pfVar, "PrintReport", "Boolean"}}));
  cls.event("OnEndPage", &T::OnEndPage, TQRNotifyOperationEventType());
  cls.event("OnNeedData", &T::OnNeedData,
            ReportEventType("TQROnNeedDataEvent", {{0, "Sender", "TObject"}, {pfVar, "MoreData", "Boolean"}}));
  cls.event("OnPreview", &T::OnPreview, TNotifyEventType());
  cls.event("OnStartPage", &T::OnStartPage, TQRNotifyOperationEventType());
}

TQuickReport::TQuickReport(TComponent* owner)
    : TCustomPanel(owner),
      FDescription(std::make_unique<TStringList>()),
      FFrame(std::make_unique<TQRFrame>([this] { Invalidate(); })) {
  FControlStyle.Exclude(csSetCaption);
  SetBevelOuter(bvNone);
  SetColor(clWhite);
  SizeToPage();
}

TQuickReport::~TQuickReport() = default;

void TQuickReport::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }

void TQuickReport::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FDataSet, component);
}

void TQuickReport::SetOrientation(TPrinterOrientation v) {
  FOrientation = v;
  SizeToPage();
}

void TQuickReport::SetPaperSize(TQRPaperSize v) {
  FPaperSize = v;
  SizeToPage();
}

void TQuickReport::SetZoom(int v) {
  FZoom = std::clamp(v, 10, 500);
  SizeToPage();
}

TSize TQuickReport::PaperMillimetres() const {
  const TSize paper = PaperOf(FPaperSize);
  return FOrientation == poLandscape ? TSize{paper.cy, paper.cx} : paper;
}

void TQuickReport::SizeToPage() {
  if (IsLoading()) return;
  const TSize mm = PaperMillimetres();
  const auto pixels = [this](int millimetres) { return MulDiv(millimetres * FZoom, 96, 2540); };
  SetBounds(Left(), Top(), pixels(mm.cx), pixels(mm.cy));
}

void TQuickReport::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.Pen()->SetColor(clBlack);
  canvas.Pen()->SetStyle(psSolid);
  canvas.Rectangle(ClientRect());
  FFrame->Paint(canvas, ClientRect());
}

// --- TQRBand

KCL_CLASS_INFO(TQRBand) {
  using T = TQRBand;
  cls.property("AlignToBottom", &T::AlignToBottom, &T::SetAlignToBottom).Default(false);
  cls.property("BandType", &T::BandType, &T::SetBandType).Default(rbTitle);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clWhite);
  cls.publish({"Enabled", "Font"});
  cls.property("ForceNewColumn", &T::ForceNewColumn, &T::SetForceNewColumn).Default(false);
  cls.property("ForceNewPage", &T::ForceNewPage, &T::SetForceNewPage).Default(false);
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("LinkBand", &T::LinkBand, &T::SetLinkBand);
  cls.publish({"ParentFont"});
  cls.event("AfterPrint", &T::AfterPrint,
            ReportEventType("TQRBandAfterPrintEvent",
                            {{0, "Sender", "TQRCustomBand"}, {0, "BandPrinted", "Boolean"}}));
  cls.event("BeforePrint", &T::BeforePrint,
            ReportEventType("TQRBandBeforePrintEvent",
                            {{0, "Sender", "TQRCustomBand"}, {pfVar, "PrintBand", "Boolean"}}));
}

TQRBand::TQRBand(TComponent* owner) : TCustomPanel(owner), FFrame(std::make_unique<TQRFrame>([this] { Invalidate(); })) {
  FControlStyle.Exclude(csSetCaption);
  SetBevelOuter(bvNone);
  SetColor(clWhite);
  // Bands lie across the report, one below the other.
  SetAlign(alTop);
  SetBounds(Left(), Top(), Width(), 40);
}

TQRBand::~TQRBand() = default;

void TQRBand::SetBandType(TQRBandType v) {
  FBandType = v;
  Invalidate();
}

void TQRBand::SetLinkBand(TQRBand* v) {
  if (v != this) LinkReference(this, FLinkBand, v);
}

void TQRBand::Notification(TComponent* component, TOperation operation) {
  TCustomPanel::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FLinkBand, component);
}

std::string TQRBand::BandTitle() const {
  static const char* const titles[] = {"Title",        "Page header",  "Detail",      "Page footer",
                                       "Summary",      "Group header", "Group footer", "Sub detail",
                                       "Column header", "Overlay",     "Child"};
  return titles[FBandType];
}

void TQRBand::Paint() {
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
  cls.event("OnNeedData", &T::OnNeedData,
            ReportEventType("TQROnNeedDataEvent", {{0, "Sender", "TObject"}, {pfVar, "MoreData", "Boolean"}}));
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
                     &TQRShape::StaticClass(), &TQRPreview::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

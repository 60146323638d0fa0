#pragma once
// The report and its bands: TQuickReport is the page the bands lie on, top to
// bottom; TQRGroup is a band that starts a group, TQRDetailLink joins a detail
// data set and its bands to a master.
#include <memory>

#include "kcl/components/extctrls.h"
#include "kcl/qreport/qrframe.h"

namespace kcl {

class TDataSet;
class TQuickReport;
class TQRBand;

KCL_ENUM(TQRBandType, rbTitle, rbPageHeader, rbDetail, rbPageFooter, rbSummary, rbGroupHeader, rbGroupFooter,
         rbSubDetail, rbColumnHeader, rbOverlay, rbChild)
KCL_ENUM(TPrinterOrientation, poPortrait, poLandscape)
// QuickReport's own names, which would clash as C++ identifiers.
enum class TQRPaperSize : int {
  Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, A3, A4, A4Small, A5, B4, B5, Folio,
  Quarto, qr10X14, qr11X17, Note, Env9, Env10, Env11, Env12, Env14, CSheet, DSheet, ESheet, Custom
};
KCL_ENUM_TYPE(TQRPaperSize, "TQRPaperSize", Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement,
              Executive, A3, A4, A4Small, A5, B4, B5, Folio, Quarto, qr10X14, qr11X17, Note, Env9, Env10, Env11,
              Env12, Env14, CSheet, DSheet, ESheet, Custom)
enum class TQRUnit : int { MM, Inches, Pixels, Characters, Native };
KCL_ENUM_TYPE(TQRUnit, "TQRUnit", MM, Inches, Pixels, Characters, Native)
enum class TQuickReportOption : int { FirstPageHeader, LastPageFooter, Compression };
KCL_ENUM_TYPE(TQuickReportOption, "TQuickReportOption", FirstPageHeader, LastPageFooter, Compression)
KCL_SET(TQuickReportOptions, TQuickReportOption)

using TQRReportBeforePrintEvent = TEvent<void(TQuickReport* sender, bool& printReport)>;
using TQRNotifyOperationEvent = TEvent<void(TQuickReport* sender)>;
using TQROnNeedDataEvent = TEvent<void(TObject* sender, bool& moreData)>;
using TQRBandBeforePrintEvent = TEvent<void(TQRBand* sender, bool& printBand)>;
using TQRBandAfterPrintEvent = TEvent<void(TQRBand* sender, bool bandPrinted)>;

// A report's page at its zoom. Its bands lie across the page's width.
class TQuickReport : public TCustomPanel {
  KCL_CLASS(TQuickReport, TCustomPanel)
public:
  explicit TQuickReport(TComponent* owner);
  ~TQuickReport() override;

  int Columns() const { return FColumns; }
  void SetColumns(int v) { FColumns = std::max(v, 1); }
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  TStrings* Description() const { return FDescription.get(); }
  void SetDescription(TStrings* v) { FDescription->Assign(v); }
  bool DisplayPrintDialog() const { return FDisplayPrintDialog; }
  void SetDisplayPrintDialog(bool v) { FDisplayPrintDialog = v; }
  TQRFrame* Frame() const { return FFrame.get(); }
  void SetFrame(TQRFrame* v) { FFrame->Assign(v); }
  TQuickReportOptions Options() const { return FOptions; }
  void SetOptions(TQuickReportOptions v) { FOptions = v; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation v);
  TQRPaperSize PaperSize() const { return FPaperSize; }
  void SetPaperSize(TQRPaperSize v);
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool v) { FPrintIfEmpty = v; }
  std::string ReportTitle() const { return FReportTitle; }
  void SetReportTitle(const std::string& v) { FReportTitle = v; }
  bool ShowProgress() const { return FShowProgress; }
  void SetShowProgress(bool v) { FShowProgress = v; }
  bool SnapToGrid() const { return FSnapToGrid; }
  void SetSnapToGrid(bool v) { FSnapToGrid = v; }
  TQRUnit Units() const { return FUnits; }
  void SetUnits(TQRUnit v) { FUnits = v; }
  // Percent, 10..500: the page's size on the screen.
  int Zoom() const { return FZoom; }
  void SetZoom(int v);

  // The paper's size in millimetres, turned by the orientation.
  TSize PaperMillimetres() const;
  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent AfterPreview;
  TNotifyEvent AfterPrint;
  TQRReportBeforePrintEvent BeforePrint;
  TQRNotifyOperationEvent OnEndPage;
  TQROnNeedDataEvent OnNeedData;
  TNotifyEvent OnPreview;
  TQRNotifyOperationEvent OnStartPage;

protected:
  void Paint() override;

private:
  // The page's size in pixels; a report being read keeps the size its file gives.
  void SizeToPage();

  int FColumns = 1;
  TDataSet* FDataSet = nullptr;
  std::unique_ptr<TStringList> FDescription;
  bool FDisplayPrintDialog = false;
  std::unique_ptr<TQRFrame> FFrame;
  TQuickReportOptions FOptions{TQuickReportOption::FirstPageHeader, TQuickReportOption::LastPageFooter};
  TPrinterOrientation FOrientation = poPortrait;
  TQRPaperSize FPaperSize = TQRPaperSize::A4;
  bool FPrintIfEmpty = true;
  std::string FReportTitle;
  bool FShowProgress = true;
  bool FSnapToGrid = true;
  TQRUnit FUnits = TQRUnit::MM;
  int FZoom = 100;
};

// A band across the report: a title, a page header, the detail of each record...
class TQRBand : public TCustomPanel {
  KCL_CLASS(TQRBand, TCustomPanel)
public:
  explicit TQRBand(TComponent* owner);
  ~TQRBand() override;

  bool AlignToBottom() const { return FAlignToBottom; }
  void SetAlignToBottom(bool v) { FAlignToBottom = v; }
  TQRBandType BandType() const { return FBandType; }
  void SetBandType(TQRBandType v);
  bool ForceNewColumn() const { return FForceNewColumn; }
  void SetForceNewColumn(bool v) { FForceNewColumn = v; }
  bool ForceNewPage() const { return FForceNewPage; }
  void SetForceNewPage(bool v) { FForceNewPage = v; }
  TQRFrame* Frame() const { return FFrame.get(); }
  void SetFrame(TQRFrame* v) { FFrame->Assign(v); }
  // The band printed after this one (a child band).
  TQRBand* LinkBand() const { return FLinkBand; }
  void SetLinkBand(TQRBand* v);

  void Notification(TComponent* component, TOperation operation) override;
  // What the designer writes on the band: its type.
  std::string BandTitle() const;

  TQRBandAfterPrintEvent AfterPrint;
  TQRBandBeforePrintEvent BeforePrint;

protected:
  void Paint() override;

private:
  bool FAlignToBottom = false;
  TQRBandType FBandType = rbTitle;
  bool FForceNewColumn = false;
  bool FForceNewPage = false;
  std::unique_ptr<TQRFrame> FFrame;
  TQRBand* FLinkBand = nullptr;
};

// A group header band: a new group starts whenever Expression changes; its
// FooterBand closes the group.
class TQRGroup : public TQRBand {
  KCL_CLASS(TQRGroup, TQRBand)
public:
  explicit TQRGroup(TComponent* owner);

  std::string Expression() const { return FExpression; }
  void SetExpression(const std::string& v) { FExpression = v; }
  TQRBand* FooterBand() const { return FFooterBand; }
  void SetFooterBand(TQRBand* v);
  TComponent* Master() const { return FMaster; }
  void SetMaster(TComponent* v);

  void Notification(TComponent* component, TOperation operation) override;

private:
  std::string FExpression;
  TQRBand* FFooterBand = nullptr;
  TComponent* FMaster = nullptr;
};

// Prints DetailBand for each record of DataSet that belongs to the current
// record of Master (a report or another link), between its header and footer.
class TQRDetailLink : public TComponent {
  KCL_CLASS(TQRDetailLink, TComponent)
public:
  explicit TQRDetailLink(TComponent* owner) : TComponent(owner) {}

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  TQRBand* DetailBand() const { return FDetailBand; }
  void SetDetailBand(TQRBand* v);
  TQRBand* FooterBand() const { return FFooterBand; }
  void SetFooterBand(TQRBand* v);
  TQRBand* HeaderBand() const { return FHeaderBand; }
  void SetHeaderBand(TQRBand* v);
  TComponent* Master() const { return FMaster; }
  void SetMaster(TComponent* v);
  bool PrintBefore() const { return FPrintBefore; }
  void SetPrintBefore(bool v) { FPrintBefore = v; }

  void Notification(TComponent* component, TOperation operation) override;
  TQROnNeedDataEvent OnNeedData;

private:
  TDataSet* FDataSet = nullptr;
  TQRBand* FDetailBand = nullptr;
  TQRBand* FFooterBand = nullptr;
  TQRBand* FHeaderBand = nullptr;
  TComponent* FMaster = nullptr;
  bool FPrintBefore = false;
};

// Points field at value and asks value to tell owner when it goes.
template <class T>
void LinkReference(TComponent* owner, T*& field, T* value) {
  field = value;
  if (value) value->FreeNotification(owner);
}

// Clears field when component goes.
template <class T>
void UnlinkReference(T*& field, TComponent* component) {
  if (field && static_cast<TComponent*>(field) == component) field = nullptr;
}

// Registers the report classes for streaming; calling it again does nothing.
void RegisterReportClasses();

}  // namespace kcl

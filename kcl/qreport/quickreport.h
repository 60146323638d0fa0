#pragma once
// The QuickReport 1 report and its bands: TQuickReport is the page the bands lie
// on, top to bottom; TQRGroup is a band that starts a group, TQRDetailLink joins
// a detail data set and its bands to a master.
#include <memory>

#include "kcl/qreport/qrcustomband.h"
#include "kcl/qreport/qrcustomreport.h"
#include "kcl/qreport/qrreference.h"

namespace kcl {

KCL_ENUM(TPrinterOrientation, poPortrait, poLandscape)
// QuickReport's own names, which would clash as C++ identifiers.
enum class TQRPaperSize : int {
  Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, A3, A4, A4Small, A5, B4, B5, Folio,
  Quarto, qr10X14, qr11X17, Note, Env9, Env10, Env11, Env12, Env14, CSheet, DSheet, ESheet, Custom
};
KCL_ENUM_TYPE(TQRPaperSize, "TQRPaperSize", Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement,
              Executive, A3, A4, A4Small, A5, B4, B5, Folio, Quarto, qr10X14, qr11X17, Note, Env9, Env10, Env11,
              Env12, Env14, CSheet, DSheet, ESheet, Custom)

// A report's page at its zoom, sized to its paper. Its bands lie across the page's width.
class TQuickReport : public TCustomQuickRep {
  KCL_CLASS(TQuickReport, TCustomQuickRep)
public:
  explicit TQuickReport(TComponent* owner);
  ~TQuickReport() override;

  int Columns() const { return FColumns; }
  void SetColumns(int v) { FColumns = std::max(v, 1); }
  TStrings* Description() const { return FDescription.get(); }
  void SetDescription(TStrings* v) { FDescription->Assign(v); }
  bool DisplayPrintDialog() const { return FDisplayPrintDialog; }
  void SetDisplayPrintDialog(bool v) { FDisplayPrintDialog = v; }
  TPrinterOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TPrinterOrientation v);
  TQRPaperSize PaperSize() const { return FPaperSize; }
  void SetPaperSize(TQRPaperSize v);
  bool ShowProgress() const { return FShowProgress; }
  void SetShowProgress(bool v) { FShowProgress = v; }

  // The paper's size in millimetres, turned by the orientation.
  TSize PaperMillimetres() const;

protected:
  void ZoomChanged(int oldZoom) override;

private:
  // The page's size in pixels; a report being read keeps the size its file gives.
  void SizeToPage();

  int FColumns = 1;
  std::unique_ptr<TStringList> FDescription;
  bool FDisplayPrintDialog = false;
  TPrinterOrientation FOrientation = poPortrait;
  TQRPaperSize FPaperSize = TQRPaperSize::A4;
  bool FShowProgress = true;
};

class TQRBand : public TQRCustomBand {
  KCL_CLASS(TQRBand, TQRCustomBand)
public:
  using TQRCustomBand::TQRCustomBand;

  // The band printed after this one (a child band).
  TQRBand* LinkBand() const { return FLinkBand; }
  void SetLinkBand(TQRBand* v);
  void Notification(TComponent* component, TOperation operation) override;

private:
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

// Registers the report classes for streaming; calling it again does nothing.
void RegisterReportClasses();

}  // namespace kcl

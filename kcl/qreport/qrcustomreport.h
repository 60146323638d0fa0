#pragma once
// TCustomQuickRep: what the report pages of both QuickReport generations share:
// a white page at its zoom that holds the bands, the data set it runs over and
// the settings and events of a run.
#include <memory>

#include "kcl/components/extctrls.h"
#include "kcl/qreport/qrframe.h"

namespace kcl {

class TDataSet;
class TQRCustomBand;

enum class TQRUnit : int { MM, Inches, Pixels, Characters, Native };
KCL_ENUM_TYPE(TQRUnit, "TQRUnit", MM, Inches, Pixels, Characters, Native)
enum class TQuickReportOption : int { FirstPageHeader, LastPageFooter, Compression };
KCL_ENUM_TYPE(TQuickReportOption, "TQuickReportOption", FirstPageHeader, LastPageFooter, Compression)
KCL_SET(TQuickReportOptions, TQuickReportOption)

class TCustomQuickRep;
using TQRReportBeforePrintEvent = TEvent<void(TCustomQuickRep* sender, bool& printReport)>;
using TQRNotifyOperationEvent = TEvent<void(TCustomQuickRep* sender)>;
using TQROnNeedDataEvent = TEvent<void(TObject* sender, bool& moreData)>;

// The method types of the report events, their sender named as senderClass.
const TTypeInfo* ReportBeforePrintEventType(const char* senderClass);
const TTypeInfo* ReportNotifyOperationEventType(const char* senderClass);
const TTypeInfo* NeedDataEventType();

class TCustomQuickRep : public TCustomPanel {
  KCL_CLASS(TCustomQuickRep, TCustomPanel)
public:
  explicit TCustomQuickRep(TComponent* owner);
  ~TCustomQuickRep() override;

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  TQRFrame* Frame() const { return FFrame.get(); }
  void SetFrame(TQRFrame* v) { FFrame->Assign(v); }
  TQuickReportOptions Options() const { return FOptions; }
  void SetOptions(TQuickReportOptions v) { FOptions = v; }
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool v) { FPrintIfEmpty = v; }
  std::string ReportTitle() const { return FReportTitle; }
  void SetReportTitle(const std::string& v) { FReportTitle = v; }
  bool SnapToGrid() const { return FSnapToGrid; }
  void SetSnapToGrid(bool v) { FSnapToGrid = v; }
  TQRUnit Units() const { return FUnits; }
  void SetUnits(TQRUnit v) { FUnits = v; }
  // Percent, 10..500: the page's size on the screen.
  int Zoom() const { return FZoom; }
  void SetZoom(int v);

  // Whether the bands lie across the page one below the other by alignment;
  // otherwise each keeps the place it is given.
  virtual bool AlignsBands() const { return true; }
  // A band was put on the page, or its bounds changed from old.
  virtual void BandAdded(TQRCustomBand*) {}
  virtual void BandBoundsChanged(TQRCustomBand*, const TRect& /*old*/) {}

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
  virtual void ZoomChanged(int /*oldZoom*/) {}
  // Sizes the page to paper of that many millimetres at the zoom.
  void SizeToPaper(TSize millimetres);

private:
  TDataSet* FDataSet = nullptr;
  std::unique_ptr<TQRFrame> FFrame;
  TQuickReportOptions FOptions{TQuickReportOption::FirstPageHeader, TQuickReportOption::LastPageFooter};
  bool FPrintIfEmpty = true;
  std::string FReportTitle;
  bool FSnapToGrid = true;
  TQRUnit FUnits = TQRUnit::MM;
  int FZoom = 100;
};

}  // namespace kcl

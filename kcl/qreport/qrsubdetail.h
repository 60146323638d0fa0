#pragma once
// TQRSubDetail: a band printed for each record of a detail data set that belongs
// to the current record of its Master (the report or another sub-detail band),
// between its header and footer bands.
#include "kcl/qreport/qrcustomband.h"
#include "kcl/qreport/qrcustomreport.h"

namespace kcl {

class TQRBand;

class TQRSubDetail : public TQRCustomBand {
  KCL_CLASS(TQRSubDetail, TQRCustomBand)
public:
  explicit TQRSubDetail(TComponent* owner);

  TComponent* Master() const { return FMaster; }
  void SetMaster(TComponent* v);
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  TQRBand* FooterBand() const { return FFooterBand; }
  void SetFooterBand(TQRBand* v);
  TQRBand* HeaderBand() const { return FHeaderBand; }
  void SetHeaderBand(TQRBand* v);
  bool PrintBefore() const { return FPrintBefore; }
  void SetPrintBefore(bool v) { FPrintBefore = v; }
  bool PrintIfEmpty() const { return FPrintIfEmpty; }
  void SetPrintIfEmpty(bool v) { FPrintIfEmpty = v; }

  void Notification(TComponent* component, TOperation operation) override;
  TQROnNeedDataEvent OnNeedData;

private:
  TComponent* FMaster = nullptr;
  TDataSet* FDataSet = nullptr;
  TQRBand* FFooterBand = nullptr;
  TQRBand* FHeaderBand = nullptr;
  bool FPrintBefore = false;
  bool FPrintIfEmpty = true;
};

}  // namespace kcl

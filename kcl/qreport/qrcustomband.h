#pragma once
// TQRCustomBand: a band across a report page (a title, a page header, the detail
// of each record...) with the printables that print on it. The band classes
// publish its properties by name.
#include <memory>

#include "kcl/components/extctrls.h"
#include "kcl/qreport/qrframe.h"

namespace kcl {

class TQRCustomBand;

KCL_ENUM(TQRBandType, rbTitle, rbPageHeader, rbDetail, rbPageFooter, rbSummary, rbGroupHeader, rbGroupFooter,
         rbSubDetail, rbColumnHeader, rbOverlay, rbChild)

using TQRBandBeforePrintEvent = TEvent<void(TQRCustomBand* sender, bool& printBand)>;
using TQRBandAfterPrintEvent = TEvent<void(TQRCustomBand* sender, bool bandPrinted)>;

class TQRCustomBand : public TCustomPanel {
  KCL_CLASS(TQRCustomBand, TCustomPanel)
public:
  explicit TQRCustomBand(TComponent* owner);
  ~TQRCustomBand() override;

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

  // The band this one lies right below and moves with (a child band's parent).
  virtual TQRCustomBand* FollowedBand() const { return nullptr; }

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
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
};

}  // namespace kcl

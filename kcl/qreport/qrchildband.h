#pragma once
// TQRChildBand: a band printed right after its parent band, to hold what does
// not fit on it or what prints only sometimes. On the page it lies below its
// parent and moves with it.
#include "kcl/qreport/qrcustomband.h"

namespace kcl {

class TQRChildBand : public TQRCustomBand {
  KCL_CLASS(TQRChildBand, TQRCustomBand)
public:
  explicit TQRChildBand(TComponent* owner);

  TQRCustomBand* ParentBand() const { return FParentBand; }
  void SetParentBand(TQRCustomBand* v);

  TQRCustomBand* FollowedBand() const override { return FParentBand; }
  void Notification(TComponent* component, TOperation operation) override;

private:
  TQRCustomBand* FParentBand = nullptr;
};

}  // namespace kcl

#pragma once
// TQRExpr: the value of an expression over the report's data (fields,
// functions, totals), formatted by Mask. At design time it shows the expression.
#include "kcl/qreport/qrprintables.h"

namespace kcl {

class TQRExpr : public TQRPrintable {
  KCL_CLASS(TQRExpr, TQRPrintable)
public:
  using TQRPrintable::TQRPrintable;

  std::string Expression() const { return FExpression; }
  void SetExpression(const std::string& v) { Change(FExpression, v); }
  std::string Mask() const { return FMask; }
  void SetMask(const std::string& v) { FMask = v; }
  // The report or sub-detail band whose records reset its totals.
  TComponent* Master() const { return FMaster; }
  void SetMaster(TComponent* v);
  bool ResetAfterPrint() const { return FResetAfterPrint; }
  void SetResetAfterPrint(bool v) { FResetAfterPrint = v; }

  std::string DisplayText() const override { return FExpression.empty() ? Name() : FExpression; }
  void Notification(TComponent* component, TOperation operation) override;

private:
  std::string FExpression;
  std::string FMask;
  TComponent* FMaster = nullptr;
  bool FResetAfterPrint = false;
};

}  // namespace kcl

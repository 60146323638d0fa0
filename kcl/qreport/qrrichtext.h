#pragma once
// Formatted text on a report: TQRRichText prints its lines, TQRDBRichText the
// memo field of the current record. At design time each shows its plain text,
// or what it stands for.
#include <memory>

#include "kcl/qreport/qrprintables.h"

namespace kcl {

class TQRRichText : public TQRPrintable {
  KCL_CLASS(TQRRichText, TQRPrintable)
public:
  explicit TQRRichText(TComponent* owner);
  ~TQRRichText() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  std::string DisplayText() const override;

private:
  std::unique_ptr<TStringList> FLines;
};

class TQRDBRichText : public TQRPrintable {
  KCL_CLASS(TQRDBRichText, TQRPrintable)
public:
  explicit TQRDBRichText(TComponent* owner);

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  std::string DataField() const { return FDataField; }
  void SetDataField(const std::string& v) { Change(FDataField, v); }

  std::string DisplayText() const override { return FDataField.empty() ? Name() : FDataField; }
  void Notification(TComponent* component, TOperation operation) override;

private:
  TDataSet* FDataSet = nullptr;
  std::string FDataField;
};

}  // namespace kcl

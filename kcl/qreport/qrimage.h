#pragma once
// Pictures on a report: TQRImage prints the picture it holds, TQRDBImage the
// graphic field of the current record. Each draws at its own size from the top
// left, centred, or stretched over its box.
#include <memory>

#include "kcl/graphics/picture.h"
#include "kcl/qreport/qrprintables.h"

namespace kcl {

class TQRImage : public TQRPrintable {
  KCL_CLASS(TQRImage, TQRPrintable)
public:
  explicit TQRImage(TComponent* owner);
  ~TQRImage() override;

  bool Center() const { return FCenter; }
  void SetCenter(bool v) { Change(FCenter, v); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* v) { FPicture->Assign(v); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v) { Change(FStretch, v); }

protected:
  void Paint() override;
  // AutoSize fits the image to its picture.
  void AdjustBounds() override;

private:
  bool FCenter = false;
  bool FStretch = false;
  std::unique_ptr<TPicture> FPicture;
};

class TQRDBImage : public TQRPrintable {
  KCL_CLASS(TQRDBImage, TQRPrintable)
public:
  explicit TQRDBImage(TComponent* owner);

  bool Center() const { return FCenter; }
  void SetCenter(bool v) { Change(FCenter, v); }
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  std::string DataField() const { return FDataField; }
  void SetDataField(const std::string& v) { Change(FDataField, v); }
  bool Stretch() const { return FStretch; }
  void SetStretch(bool v) { Change(FStretch, v); }

  // What stands for the picture at design time: the field, or the image's name.
  std::string DisplayText() const override { return "(" + (FDataField.empty() ? Name() : FDataField) + ")"; }
  void Notification(TComponent* component, TOperation operation) override;

protected:
  void Paint() override;

private:
  bool FCenter = true;
  TDataSet* FDataSet = nullptr;
  std::string FDataField;
  bool FStretch = false;
};

}  // namespace kcl

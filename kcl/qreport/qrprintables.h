#pragma once
// What a report prints on its bands: text (labels, memos, data fields, totals,
// system data) and shapes. At design time each shows what it will print, or
// what it stands for.
#include <memory>

#include "kcl/classes/stringlist.h"
#include "kcl/controls/customcontrol.h"
#include "kcl/qreport/qrframe.h"

namespace kcl {

class TDataSet;

KCL_ENUM(TQRCalcOperation, qrcSum, qrcCount, qrcMax, qrcMin, qrcAverage)
KCL_ENUM(TQRSysDataType, qrsTime, qrsDate, qrsDateTime, qrsPageNumber, qrsReportTitle, qrsDetailCount, qrsDetailNo)
KCL_ENUM(TQRShapeType, qrsRectangle, qrsCircle, qrsVertLine, qrsHorLine, qrsTopAndBottom, qrsRightAndLeft)

using TQRLabelOnPrintEvent = TEvent<void(TObject* sender, std::string& value)>;

// Text drawn in a box: aligned, wrapped, on the colour unless transparent.
class TQRPrintable : public TGraphicControl {
  KCL_CLASS(TQRPrintable, TGraphicControl)
public:
  explicit TQRPrintable(TComponent* owner);
  ~TQRPrintable() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Change(FAlignment, v); }
  // Aligned within the band rather than within the printable's own width.
  bool AlignToBand() const { return FAlignToBand; }
  void SetAlignToBand(bool v) { Change(FAlignToBand, v); }
  // The printable takes the size of its text (without wrapping).
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { Change(FAutoSize, v); }
  bool AutoStretch() const { return FAutoStretch; }
  void SetAutoStretch(bool v) { FAutoStretch = v; }
  TQRFrame* Frame() const { return FFrame.get(); }
  void SetFrame(TQRFrame* v) { FFrame->Assign(v); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v) { Change(FTransparent, v); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v) { Change(FWordWrap, v); }

  // What the printable shows: its text, or at design time what the text stands for.
  virtual std::string DisplayText() const { return Caption(); }

  TQRLabelOnPrintEvent OnPrint;

protected:
  void Paint() override;
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override;
  // Fits the printable to what it shows when AutoSize, and repaints it.
  virtual void AdjustBounds();
  template <class V>
  void Change(V& field, V value) {
    if (field == value) return;
    field = value;
    AdjustBounds();
  }

private:
  TAlignment FAlignment = taLeftJustify;
  bool FAlignToBand = false;
  bool FAutoSize = true;
  bool FAutoStretch = false;
  std::unique_ptr<TQRFrame> FFrame;
  bool FTransparent = false;
  bool FWordWrap = true;
};

// Lines as one text without the closing line break; at design time, while they
// are empty, the name of the component that shows them.
std::string LinesDisplayText(const TStrings& lines, const TComponent& shower);

class TQRLabel : public TQRPrintable {
  KCL_CLASS(TQRLabel, TQRPrintable)
public:
  using TQRPrintable::TQRPrintable;
};

class TQRMemo : public TQRPrintable {
  KCL_CLASS(TQRMemo, TQRPrintable)
public:
  explicit TQRMemo(TComponent* owner);
  ~TQRMemo() override;
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  std::string DisplayText() const override;

private:
  std::unique_ptr<TStringList> FLines;
};

// The value of a field of the current record.
class TQRDBText : public TQRPrintable {
  KCL_CLASS(TQRDBText, TQRPrintable)
public:
  using TQRPrintable::TQRPrintable;
  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  std::string DataField() const { return FDataField; }
  void SetDataField(const std::string& v);
  std::string Mask() const { return FMask; }
  void SetMask(const std::string& v) { FMask = v; }
  // The field's name at design time; the component's name while it has none.
  std::string DisplayText() const override { return FDataField.empty() ? Name() : FDataField; }
  void Notification(TComponent* component, TOperation operation) override;

private:
  TDataSet* FDataSet = nullptr;
  std::string FDataField;
  std::string FMask;
};

// A total (sum, count, maximum...) of a field over the records printed.
class TQRDBCalc : public TQRDBText {
  KCL_CLASS(TQRDBCalc, TQRDBText)
public:
  using TQRDBText::TQRDBText;
  TQRCalcOperation Operation() const { return FOperation; }
  void SetOperation(TQRCalcOperation v) { Change(FOperation, v); }
  std::string PrintMask() const { return FPrintMask; }
  void SetPrintMask(const std::string& v) { FPrintMask = v; }
  bool ResetAfterPrint() const { return FResetAfterPrint; }
  void SetResetAfterPrint(bool v) { FResetAfterPrint = v; }
  std::string DisplayText() const override;

private:
  TQRCalcOperation FOperation = qrcSum;
  std::string FPrintMask;
  bool FResetAfterPrint = false;
};

// The time, the date, the page number... after the text Text.
class TQRSysData : public TQRPrintable {
  KCL_CLASS(TQRSysData, TQRPrintable)
public:
  explicit TQRSysData(TComponent* owner);
  TQRSysDataType Data() const { return FData; }
  void SetData(TQRSysDataType v) { Change(FData, v); }
  std::string Text() const { return FText; }
  void SetText(const std::string& v) { Change(FText, v); }
  std::string DisplayText() const override;

private:
  TQRSysDataType FData = qrsTime;
  std::string FText;
};

class TQRShape : public TGraphicControl {
  KCL_CLASS(TQRShape, TGraphicControl)
public:
  explicit TQRShape(TComponent* owner);
  ~TQRShape() override;
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* v) { FBrush->Assign(v); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* v) { FPen->Assign(v); }
  TQRShapeType Shape() const { return FShape; }
  void SetShape(TQRShapeType v);

protected:
  void Paint() override;

private:
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TPen> FPen;
  TQRShapeType FShape = qrsRectangle;
};

}  // namespace kcl

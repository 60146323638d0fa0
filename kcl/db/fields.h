#pragma once
// Persistent field components: TField and the field classes of each data type.
// A field belongs to its data set (its parent in the form file) and is owned by
// the form or data module, as the designer creates it.
#include <string>

#include "kcl/classes/component.h"
#include "kcl/classes/alignment.h"
#include "kcl/db/dbtypes.h"

namespace kcl {

class TField : public TComponent {
  KCL_CLASS(TField, TComponent)
public:
  explicit TField(TComponent* owner);
  void BeforeDestruction() override;

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* v);
  TFieldType DataType() const { return FDataType; }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { FAlignment = v; }
  bool Calculated() const { return FFieldKind == fkCalculated; }
  void SetCalculated(bool v);
  std::string CustomConstraint() const { return FCustomConstraint; }
  void SetCustomConstraint(const std::string& v) { FCustomConstraint = v; }
  std::string ConstraintErrorMessage() const { return FConstraintErrorMessage; }
  void SetConstraintErrorMessage(const std::string& v) { FConstraintErrorMessage = v; }
  std::string DefaultExpression() const { return FDefaultExpression; }
  void SetDefaultExpression(const std::string& v) { FDefaultExpression = v; }
  // The label set, else the field name.
  std::string DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const std::string& v) { FDisplayLabel = v == FFieldName ? std::string() : v; }
  // The width set, else the width the field's type suggests.
  int DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : DefaultWidth(); }
  void SetDisplayWidth(int v) { FDisplayWidth = v; }
  TFieldKind FieldKind() const { return FFieldKind; }
  void SetFieldKind(TFieldKind v) { FFieldKind = v; }
  std::string FieldName() const { return FFieldName; }
  void SetFieldName(const std::string& v) { FFieldName = v; }
  bool HasConstraints() const { return !FCustomConstraint.empty() || !FImportedConstraint.empty(); }
  // The field's place among its data set's fields; -1 without a data set.
  int Index() const;
  void SetIndex(int v);
  std::string ImportedConstraint() const { return FImportedConstraint; }
  void SetImportedConstraint(const std::string& v) { FImportedConstraint = v; }
  bool Lookup() const { return FFieldKind == fkLookup; }
  void SetLookup(bool v);
  TDataSet* LookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TDataSet* v);
  std::string LookupKeyFields() const { return FLookupKeyFields; }
  void SetLookupKeyFields(const std::string& v) { FLookupKeyFields = v; }
  std::string LookupResultField() const { return FLookupResultField; }
  void SetLookupResultField(const std::string& v) { FLookupResultField = v; }
  std::string KeyFields() const { return FKeyFields; }
  void SetKeyFields(const std::string& v) { FKeyFields = v; }
  bool LookupCache() const { return FLookupCache; }
  void SetLookupCache(bool v) { FLookupCache = v; }
  std::string Origin() const { return FOrigin; }
  void SetOrigin(const std::string& v) { FOrigin = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  bool Required() const { return FRequired; }
  void SetRequired(bool v) { FRequired = v; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  // The data dictionary's attribute set the field takes its settings from.
  std::string AttributeSet() const { return FAttributeSet; }
  void SetAttributeSet(const std::string& v) { FAttributeSet = v; }
  // Published by the field classes that have them.
  std::string EditMask() const { return FEditMask; }
  void SetEditMask(const std::string& v) { FEditMask = v; }
  int Size() const { return FSize; }
  void SetSize(int v);

  TFieldNotifyEvent OnChange;
  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;
  TFieldNotifyEvent OnValidate;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  // Raises EReadError when the parent is not a data set.
  void SetParentComponent(TComponent* parent) override;
  void Notification(TComponent* component, TOperation operation) override;

  bool IsDisplayLabelStored() const { return !FDisplayLabel.empty(); }
  bool IsDisplayWidthStored() const { return FDisplayWidth > 0; }

protected:
  TField(TComponent* owner, TFieldType dataType, int size);
  virtual int DefaultWidth() const { return 10; }
  void DefineProperties(TFiler& filer) override;
  void SetDataType(TFieldType v) { FDataType = v; }

private:
  TDataSet* FDataSet = nullptr;
  TFieldType FDataType = ftUnknown;
  TAlignment FAlignment = taLeftJustify;
  std::string FCustomConstraint, FConstraintErrorMessage, FDefaultExpression, FImportedConstraint;
  std::string FDisplayLabel;
  int FDisplayWidth = 0;
  TFieldKind FFieldKind = fkData;
  std::string FFieldName;
  TDataSet* FLookupDataSet = nullptr;
  std::string FLookupKeyFields, FLookupResultField, FKeyFields;
  bool FLookupCache = false;
  std::string FOrigin;
  bool FReadOnly = false;
  bool FRequired = false;
  bool FVisible = true;
  std::string FAttributeSet;
  std::string FEditMask;
  int FSize = 0;
};

class TStringField : public TField {
  KCL_CLASS(TStringField, TField)
public:
  explicit TStringField(TComponent* owner) : TField(owner, ftString, 20) {}
  bool Transliterate() const { return FTransliterate; }
  void SetTransliterate(bool v) { FTransliterate = v; }

protected:
  int DefaultWidth() const override { return Size(); }

private:
  bool FTransliterate = true;
};

// Numbers: right-aligned, with display and edit formats.
class TNumericField : public TField {
  KCL_CLASS(TNumericField, TField)
public:
  std::string DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const std::string& v) { FDisplayFormat = v; }
  std::string EditFormat() const { return FEditFormat; }
  void SetEditFormat(const std::string& v) { FEditFormat = v; }

protected:
  TNumericField(TComponent* owner, TFieldType dataType, int size);

private:
  std::string FDisplayFormat, FEditFormat;
};

class TIntegerField : public TNumericField {
  KCL_CLASS(TIntegerField, TNumericField)
public:
  explicit TIntegerField(TComponent* owner) : TIntegerField(owner, ftInteger, 11) {}
  int32_t MaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t v) { FMaxValue = v; }
  int32_t MinValue() const { return FMinValue; }
  void SetMinValue(int32_t v) { FMinValue = v; }

protected:
  TIntegerField(TComponent* owner, TFieldType dataType, int defaultWidth)
      : TNumericField(owner, dataType, 0), FDefaultWidth(defaultWidth) {}
  int DefaultWidth() const override { return FDefaultWidth; }

private:
  int32_t FMaxValue = 0, FMinValue = 0;
  int FDefaultWidth;
};

class TSmallintField : public TIntegerField {
  KCL_CLASS(TSmallintField, TIntegerField)
public:
  explicit TSmallintField(TComponent* owner) : TIntegerField(owner, ftSmallint, 6) {}
};

class TWordField : public TIntegerField {
  KCL_CLASS(TWordField, TIntegerField)
public:
  explicit TWordField(TComponent* owner) : TIntegerField(owner, ftWord, 5) {}
};

class TAutoIncField : public TIntegerField {
  KCL_CLASS(TAutoIncField, TIntegerField)
public:
  explicit TAutoIncField(TComponent* owner) : TIntegerField(owner, ftAutoInc, 11) {}
};

class TFloatField : public TNumericField {
  KCL_CLASS(TFloatField, TNumericField)
public:
  explicit TFloatField(TComponent* owner) : TFloatField(owner, ftFloat) {}
  bool Currency() const { return FCurrency; }
  void SetCurrency(bool v) { FCurrency = v; }
  double MaxValue() const { return FMaxValue; }
  void SetMaxValue(double v) { FMaxValue = v; }
  double MinValue() const { return FMinValue; }
  void SetMinValue(double v) { FMinValue = v; }
  int Precision() const { return FPrecision; }
  // Between 2 and 15 digits.
  void SetPrecision(int v) { FPrecision = v < 2 ? 2 : v > 15 ? 15 : v; }

protected:
  TFloatField(TComponent* owner, TFieldType dataType) : TNumericField(owner, dataType, 0) {}

private:
  bool FCurrency = false;
  double FMaxValue = 0, FMinValue = 0;
  int FPrecision = 15;
};

class TCurrencyField : public TFloatField {
  KCL_CLASS(TCurrencyField, TFloatField)
public:
  explicit TCurrencyField(TComponent* owner) : TFloatField(owner, ftCurrency) { SetCurrency(true); }
};

class TBCDField : public TNumericField {
  KCL_CLASS(TBCDField, TNumericField)
public:
  explicit TBCDField(TComponent* owner) : TNumericField(owner, ftBCD, 4) {}
  bool Currency() const { return FCurrency; }
  void SetCurrency(bool v) { FCurrency = v; }
  long double MaxValue() const { return FMaxValue; }
  void SetMaxValue(long double v) { FMaxValue = v; }
  long double MinValue() const { return FMinValue; }
  void SetMinValue(long double v) { FMinValue = v; }

private:
  bool FCurrency = false;
  long double FMaxValue = 0, FMinValue = 0;
};

class TBooleanField : public TField {
  KCL_CLASS(TBooleanField, TField)
public:
  explicit TBooleanField(TComponent* owner) : TField(owner, ftBoolean, 0) {}
  // "True text;False text".
  std::string DisplayValues() const { return FDisplayValues; }
  void SetDisplayValues(const std::string& v) { FDisplayValues = v; }

protected:
  int DefaultWidth() const override { return 5; }

private:
  std::string FDisplayValues;
};

class TDateTimeField : public TField {
  KCL_CLASS(TDateTimeField, TField)
public:
  explicit TDateTimeField(TComponent* owner) : TDateTimeField(owner, ftDateTime) {}
  std::string DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const std::string& v) { FDisplayFormat = v; }

protected:
  TDateTimeField(TComponent* owner, TFieldType dataType) : TField(owner, dataType, 0) {}
  int DefaultWidth() const override { return DataType() == ftDateTime ? 18 : 10; }

private:
  std::string FDisplayFormat;
};

class TDateField : public TDateTimeField {
  KCL_CLASS(TDateField, TDateTimeField)
public:
  explicit TDateField(TComponent* owner) : TDateTimeField(owner, ftDate) {}
};

class TTimeField : public TDateTimeField {
  KCL_CLASS(TTimeField, TDateTimeField)
public:
  explicit TTimeField(TComponent* owner) : TDateTimeField(owner, ftTime) {}
};

class TBinaryField : public TField {
  KCL_CLASS(TBinaryField, TField)
protected:
  TBinaryField(TComponent* owner, TFieldType dataType) : TField(owner, dataType, 16) {}
};

class TBytesField : public TBinaryField {
  KCL_CLASS(TBytesField, TBinaryField)
public:
  explicit TBytesField(TComponent* owner) : TBinaryField(owner, ftBytes) {}
};

class TVarBytesField : public TBinaryField {
  KCL_CLASS(TVarBytesField, TBinaryField)
public:
  explicit TVarBytesField(TComponent* owner) : TBinaryField(owner, ftVarBytes) {}
};

class TBlobField : public TField {
  KCL_CLASS(TBlobField, TField)
public:
  explicit TBlobField(TComponent* owner) : TBlobField(owner, ftBlob) {}
  TFieldType BlobType() const { return DataType(); }
  // Raises EPropertyError outside ftBlob..ftTypedBinary.
  void SetBlobType(TFieldType v);
  bool Transliterate() const { return FTransliterate; }
  void SetTransliterate(bool v) { FTransliterate = v; }

protected:
  TBlobField(TComponent* owner, TFieldType dataType) : TField(owner, dataType, 0) {}

private:
  bool FTransliterate = true;
};

class TMemoField : public TBlobField {
  KCL_CLASS(TMemoField, TBlobField)
public:
  explicit TMemoField(TComponent* owner) : TBlobField(owner, ftMemo) {}
};

class TGraphicField : public TBlobField {
  KCL_CLASS(TGraphicField, TBlobField)
public:
  explicit TGraphicField(TComponent* owner) : TBlobField(owner, ftGraphic) {}
};

}  // namespace kcl

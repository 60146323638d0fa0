#include "kcl/db/fields.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/db/db.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TField) {
  cls.property("Alignment", &TField::Alignment, &TField::SetAlignment).Default(taLeftJustify);
  cls.property("Calculated", &TField::Calculated, &TField::SetCalculated).Default(false);
  cls.property("CustomConstraint", &TField::CustomConstraint, &TField::SetCustomConstraint);
  cls.property("ConstraintErrorMessage", &TField::ConstraintErrorMessage, &TField::SetConstraintErrorMessage);
  cls.property("DefaultExpression", &TField::DefaultExpression, &TField::SetDefaultExpression);
  cls.property("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel).Stored(&TField::IsDisplayLabelStored);
  cls.property("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth).Stored(&TField::IsDisplayWidthStored);
  // Forms keep the kind as Calculated and Lookup.
  cls.property("FieldKind", &TField::FieldKind, &TField::SetFieldKind).Stored(false);
  cls.property("FieldName", &TField::FieldName, &TField::SetFieldName);
  cls.property("HasConstraints", &TField::HasConstraints).Stored(false);
  cls.property("Index", &TField::Index, &TField::SetIndex).Stored(false);
  cls.property("ImportedConstraint", &TField::ImportedConstraint, &TField::SetImportedConstraint);
  cls.property("Lookup", &TField::Lookup, &TField::SetLookup).Default(false);
  cls.property("LookupDataSet", &TField::LookupDataSet, &TField::SetLookupDataSet);
  cls.property("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields);
  cls.property("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField);
  cls.property("KeyFields", &TField::KeyFields, &TField::SetKeyFields);
  cls.property("LookupCache", &TField::LookupCache, &TField::SetLookupCache).Default(false);
  cls.property("Origin", &TField::Origin, &TField::SetOrigin);
  cls.property("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).Default(false);
  cls.property("Required", &TField::Required, &TField::SetRequired).Default(false);
  cls.property("Visible", &TField::Visible, &TField::SetVisible).Default(true);
  cls.event("OnChange", &TField::OnChange, TFieldNotifyEventType());
  cls.event("OnGetText", &TField::OnGetText, TFieldGetTextEventType());
  cls.event("OnSetText", &TField::OnSetText, TFieldSetTextEventType());
  cls.event("OnValidate", &TField::OnValidate, TFieldNotifyEventType());
}

TField::TField(TComponent* owner) : TComponent(owner) {}

TField::TField(TComponent* owner, TFieldType dataType, int size) : TComponent(owner), FDataType(dataType), FSize(size) {}

void TField::BeforeDestruction() {
  SetDataSet(nullptr);
  TComponent::BeforeDestruction();
}

void TField::SetDataSet(TDataSet* v) {
  if (v == FDataSet) return;
  if (FDataSet) FDataSet->DetachField(this);
  FDataSet = v;
  if (FDataSet) FDataSet->AttachField(this);
}

TComponent* TField::GetParentComponent() const { return FDataSet; }

void TField::SetParentComponent(TComponent* parent) {
  if (parent && !dynamic_cast<TDataSet*>(parent))
    throw EReadError(Format("Field '%s' must belong to a data set, not to %s", {Name(), parent->ClassName()}));
  SetDataSet(static_cast<TDataSet*>(parent));
}

void TField::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FLookupDataSet) FLookupDataSet = nullptr;
}

void TField::SetCalculated(bool v) {
  if (v) FFieldKind = fkCalculated;
  else if (FFieldKind == fkCalculated) FFieldKind = fkData;
}

void TField::SetLookup(bool v) {
  if (v) FFieldKind = fkLookup;
  else if (FFieldKind == fkLookup) FFieldKind = fkData;
}

void TField::SetLookupDataSet(TDataSet* v) {
  FLookupDataSet = v;
  if (v) v->FreeNotification(this);
}

int TField::Index() const { return FDataSet ? FDataSet->IndexOfField(this) : -1; }

void TField::SetIndex(int v) {
  if (FDataSet) FDataSet->MoveField(this, v);
}

void TField::SetSize(int v) {
  if (v < 0) throw EPropertyError(msg::InvalidPropertyValue);
  FSize = v;
}

void TField::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  const auto* ancestor = dynamic_cast<const TField*>(filer.Ancestor());
  filer.DefineProperty(
      "AttributeSet", [this](TReader& reader) { FAttributeSet = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(FAttributeSet); },
      ancestor ? FAttributeSet != ancestor->FAttributeSet : !FAttributeSet.empty());
}

KCL_CLASS_INFO(TStringField) {
  cls.property("EditMask", &TStringField::EditMask, &TStringField::SetEditMask);
  cls.property("Size", &TStringField::Size, &TStringField::SetSize).Default(20);
  cls.property("Transliterate", &TStringField::Transliterate, &TStringField::SetTransliterate).Default(true);
}

KCL_CLASS_INFO(TNumericField) {
  cls.republish("Alignment").Default(taRightJustify);
  cls.property("DisplayFormat", &TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat);
  cls.property("EditFormat", &TNumericField::EditFormat, &TNumericField::SetEditFormat);
}

TNumericField::TNumericField(TComponent* owner, TFieldType dataType, int size) : TField(owner, dataType, size) {
  SetAlignment(taRightJustify);
}

KCL_CLASS_INFO(TIntegerField) {
  cls.property("MaxValue", &TIntegerField::MaxValue, &TIntegerField::SetMaxValue, LongintType()).Default(0);
  cls.property("MinValue", &TIntegerField::MinValue, &TIntegerField::SetMinValue, LongintType()).Default(0);
}

KCL_CLASS_INFO(TSmallintField) {}
KCL_CLASS_INFO(TWordField) {}
KCL_CLASS_INFO(TAutoIncField) {}

KCL_CLASS_INFO(TFloatField) {
  cls.property("Currency", &TFloatField::Currency, &TFloatField::SetCurrency).Default(false);
  cls.property("MaxValue", &TFloatField::MaxValue, &TFloatField::SetMaxValue);
  cls.property("MinValue", &TFloatField::MinValue, &TFloatField::SetMinValue);
  cls.property("Precision", &TFloatField::Precision, &TFloatField::SetPrecision).Default(15);
}

KCL_CLASS_INFO(TCurrencyField) { cls.republish("Currency").Default(true); }

KCL_CLASS_INFO(TBCDField) {
  cls.property("Currency", &TBCDField::Currency, &TBCDField::SetCurrency).Default(false);
  cls.property("MaxValue", &TBCDField::MaxValue, &TBCDField::SetMaxValue, CurrencyType());
  cls.property("MinValue", &TBCDField::MinValue, &TBCDField::SetMinValue, CurrencyType());
  cls.property("Size", &TBCDField::Size, &TBCDField::SetSize).Default(4);
}

KCL_CLASS_INFO(TBooleanField) {
  cls.property("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues);
}

KCL_CLASS_INFO(TDateTimeField) {
  cls.property("DisplayFormat", &TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat);
  cls.property("EditMask", &TDateTimeField::EditMask, &TDateTimeField::SetEditMask);
}

KCL_CLASS_INFO(TDateField) {}
KCL_CLASS_INFO(TTimeField) {}

KCL_CLASS_INFO(TBinaryField) {
  cls.property("Size", &TBinaryField::Size, &TBinaryField::SetSize).Default(16);
}

KCL_CLASS_INFO(TBytesField) {}
KCL_CLASS_INFO(TVarBytesField) {}

KCL_CLASS_INFO(TBlobField) {
  cls.property("BlobType", &TBlobField::BlobType, &TBlobField::SetBlobType, TBlobTypeType());
  cls.property("Size", &TBlobField::Size, &TBlobField::SetSize).Default(0);
}

void TBlobField::SetBlobType(TFieldType v) {
  if (!IsBlobType(v)) throw EPropertyError(msg::InvalidPropertyValue);
  SetDataType(v);
}

KCL_CLASS_INFO(TMemoField) {
  cls.property("Transliterate", &TMemoField::Transliterate, &TMemoField::SetTransliterate).Default(true);
}

KCL_CLASS_INFO(TGraphicField) {}

}  // namespace kcl

#include "kcl/dbctrls/dbgridcolumns.h"

#include <QFontMetrics>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/dbctrls/dbgrid.h"

namespace kcl {

KCL_CLASS_INFO(TColumnTitle) {
  using T = TColumnTitle;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  cls.property("Caption", &T::Caption, &T::SetCaption).Stored(&T::IsCaptionStored);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Stored(&T::IsColorStored);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
}

KCL_CLASS_INFO(TColumn) {
  using T = TColumn;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Stored(&T::IsAlignmentStored);
  cls.property("ButtonStyle", &T::ButtonStyle, &T::SetButtonStyle).Default(cbsAuto);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Stored(&T::IsColorStored);
  cls.property("DropDownRows", &T::DropDownRows, &T::SetDropDownRows).Default(7u);
  cls.property("FieldName", &T::FieldName, &T::SetFieldName);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::IsFontStored);
  cls.property("PickList", &T::PickList, &T::SetPickList);
  cls.property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Stored(&T::IsReadOnlyStored);
  cls.property("Title", &T::Title, &T::SetTitle);
  cls.property("Width", &T::Width, &T::SetWidth).Stored(&T::IsWidthStored);
}

KCL_CLASS_INFO(TDBGridColumns) {}

// --- TColumnFont

void TColumnFont::PropertiesRead(const std::vector<std::string>& names) {
  TFont::PropertiesRead(names);
  FAssigned();
}

void TColumnFont::AssignDefault(const TFont& font) {
  FAssigningDefault = true;
  Assign(&font);
  FAssigningDefault = false;
}

void TColumnFont::Changed() {
  if (!FAssigningDefault) FAssigned();
  TFont::Changed();
}

// --- TColumnTitle

TColumnTitle::TColumnTitle(TColumn* column)
    : FColumn(column), FFont(std::make_unique<TColumnFont>([this] {
        FFontSet = true;
        Changed();
      })) {}

TColumnTitle::~TColumnTitle() = default;

TPersistent* TColumnTitle::GetOwner() const { return FColumn; }

void TColumnTitle::Changed() {
  if (FColumn) FColumn->AttributeChanged();
}

void TColumnTitle::SetAlignment(TAlignment v) {
  FAlignment = v, FAlignmentSet = true;
  Changed();
}

std::string TColumnTitle::Caption() const {
  if (FCaptionSet || !FColumn) return FCaption;
  const TField* field = FColumn->Field();
  return field ? field->DisplayLabel() : FColumn->FieldName();
}

void TColumnTitle::SetCaption(const std::string& v) {
  FCaption = v, FCaptionSet = true;
  Changed();
}

TColor TColumnTitle::Color() const {
  if (FColorSet) return FColor;
  const TDBGrid* grid = FColumn ? FColumn->Grid() : nullptr;
  return grid ? grid->FixedColor() : clBtnFace;
}

void TColumnTitle::SetColor(TColor v) {
  FColor = v, FColorSet = true;
  Changed();
}

TFont* TColumnTitle::Font() const {
  const TDBGrid* grid = FColumn ? FColumn->Grid() : nullptr;
  if (!FFontSet && grid) FFont->AssignDefault(*grid->TitleFont());
  return FFont.get();
}

void TColumnTitle::RestoreDefaults() {
  FAlignmentSet = FCaptionSet = FColorSet = FFontSet = false;
  FCaption.clear();
  Changed();
}

void TColumnTitle::Assign(const TPersistent* source) {
  auto* title = dynamic_cast<const TColumnTitle*>(source);
  if (!title) return TPersistent::Assign(source);
  RestoreDefaults();
  if (title->FAlignmentSet) SetAlignment(title->FAlignment);
  if (title->FCaptionSet) SetCaption(title->FCaption);
  if (title->FColorSet) SetColor(title->FColor);
  if (title->FFontSet) FFont->Assign(title->FFont.get());
}

// --- TColumn

// The collection heard of this column while it was still being made: it hears
// again now that the column is complete.
TColumn::TColumn(TCollection* collection)
    : TCollectionItem(collection),
      FFont(std::make_unique<TColumnFont>([this] {
        FFontSet = true;
        AttributeChanged();
      })),
      FTitle(std::make_unique<TColumnTitle>(this)) {
  FPickList->OnChange.SetHandler([this](TObject*) { AttributeChanged(); });
  AttributeChanged();
}

TColumn::~TColumn() = default;

TDBGrid* TColumn::Grid() const {
  auto* columns = dynamic_cast<TDBGridColumns*>(Collection());
  return columns ? columns->Grid() : nullptr;
}

TField* TColumn::Field() const {
  const TDBGrid* grid = Grid();
  if (!grid || FFieldName.empty() || !grid->DataSource() || !grid->DataSource()->DataSet()) return nullptr;
  return grid->DataSource()->DataSet()->FindField(FFieldName);
}

TAlignment TColumn::Alignment() const {
  if (FAlignmentSet) return FAlignment;
  const TField* field = Field();
  return field ? field->Alignment() : taLeftJustify;
}

void TColumn::SetAlignment(TAlignment v) {
  FAlignment = v, FAlignmentSet = true;
  AttributeChanged();
}

void TColumn::SetButtonStyle(TColumnButtonStyle v) {
  FButtonStyle = v;
  AttributeChanged();
}

TColor TColumn::Color() const {
  if (FColorSet) return FColor;
  const TDBGrid* grid = Grid();
  return grid ? grid->Color() : clWindow;
}

void TColumn::SetColor(TColor v) {
  FColor = v, FColorSet = true;
  AttributeChanged();
}

void TColumn::SetFieldName(const std::string& v) {
  FFieldName = v;
  AttributeChanged();
}

TFont* TColumn::Font() const {
  const TDBGrid* grid = Grid();
  if (!FFontSet && grid) FFont->AssignDefault(*grid->Font());
  return FFont.get();
}

bool TColumn::ReadOnly() const {
  if (FReadOnlySet) return FReadOnly;
  const TDBGrid* grid = Grid();
  const TField* field = Field();
  return (grid && grid->ReadOnly()) || (field && field->ReadOnly());
}

void TColumn::SetReadOnly(bool v) {
  FReadOnly = v, FReadOnlySet = true;
  AttributeChanged();
}

int TColumn::Width() const {
  if (FWidthSet) return FWidth;
  const TDBGrid* grid = Grid();
  const TField* field = Field();
  if (!grid || !field) return grid ? grid->DefaultColWidth() : FWidth;
  const int width = field->DisplayWidth() * QFontMetrics(Font()->ToQFont()).horizontalAdvance('0') + 4;
  if (!grid->Options().Contains(dgTitles)) return width;
  const int titleWidth = QFontMetrics(FTitle->Font()->ToQFont()).horizontalAdvance(
                             QString::fromLatin1(FTitle->Caption().c_str())) + 4;
  return std::max(width, titleWidth);
}

void TColumn::SetWidth(int v) {
  FWidth = v, FWidthSet = true;
  AttributeChanged();
}

void TColumn::RestoreDefaults() {
  FAlignmentSet = FColorSet = FFontSet = FReadOnlySet = FWidthSet = false;
  FTitle->RestoreDefaults();
}

std::string TColumn::GetDisplayName() const {
  return FFieldName.empty() ? TCollectionItem::GetDisplayName() : FFieldName;
}

void TColumn::Assign(const TPersistent* source) {
  auto* column = dynamic_cast<const TColumn*>(source);
  if (!column) return TCollectionItem::Assign(source);
  RestoreDefaults();
  FFieldName = column->FFieldName;
  FButtonStyle = column->FButtonStyle;
  FDropDownRows = column->FDropDownRows;
  FPickList->Assign(column->FPickList.get());
  if (column->FAlignmentSet) SetAlignment(column->FAlignment);
  if (column->FColorSet) SetColor(column->FColor);
  if (column->FFontSet) FFont->Assign(column->FFont.get());
  if (column->FReadOnlySet) SetReadOnly(column->FReadOnly);
  if (column->FWidthSet) SetWidth(column->FWidth);
  FTitle->Assign(column->FTitle.get());
  AttributeChanged();
}

// --- TDBGridColumns

TDBGridColumns::TDBGridColumns(TDBGrid* grid) : TCollection(&TColumn::StaticClass()), FGrid(grid) {}

TPersistent* TDBGridColumns::GetOwner() const { return FGrid; }

void TDBGridColumns::Update(TCollectionItem*) {
  for (int i = 0; i < Count(); ++i)
    if (!dynamic_cast<TColumn*>(TCollection::Items(i))) return;  // one is still being made
  if (FGrid) FGrid->LayoutChanged();
}

TColumn* TDBGridColumns::Add() {
  if (State() == csDefault) Clear();
  return static_cast<TColumn*>(TCollection::Add());
}

TDBGridColumnsState TDBGridColumns::State() const {
  return Count() > 0 && Items(0)->IsStored() ? csCustomized : csDefault;
}

void TDBGridColumns::SetState(TDBGridColumnsState v) {
  if (v == State()) return;
  if (v == csDefault) {
    Clear();
    MakeDefaultColumns();
    return;
  }
  if (Count() == 0) MakeDefaultColumns();
  for (int i = 0; i < Count(); ++i) Items(i)->FStored = true;
}

void TDBGridColumns::MakeDefaultColumns() {
  BeginUpdate();
  Clear();
  const TDataSet* dataSet = FGrid && FGrid->DataActive() ? FGrid->DataSource()->DataSet() : nullptr;
  for (int i = 0; dataSet && i < dataSet->FieldCount(); ++i) {
    const TField* field = dataSet->Fields(i);
    if (!field->Visible()) continue;
    auto* column = static_cast<TColumn*>(TCollection::Add());
    column->FStored = false;
    column->SetFieldName(field->FieldName());
  }
  EndUpdate();
}

}  // namespace kcl

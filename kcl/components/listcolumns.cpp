#include "kcl/components/listcolumns.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/listview.h"

namespace kcl {

const TTypeInfo* TWidthType() {
  static const TTypeInfo* t = MakeOrdinalType(tkInteger, "TWidth", otSLong, ColumnHeaderWidth, INT32_MAX);
  return t;
}

KCL_CLASS_INFO(TListColumn) {
  cls.property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify);
  cls.property("Caption", &TListColumn::Caption, &TListColumn::SetCaption);
  cls.property("Width", &TListColumn::Width, &TListColumn::SetWidth, TWidthType()).Default(50);
}

KCL_CLASS_INFO(TListColumns) {}

KCL_CLASS_INFO(TIconOptions) {
  cls.property("Arrangement", &TIconOptions::Arrangement, &TIconOptions::SetArrangement).Default(iaTop);
  cls.property("AutoArrange", &TIconOptions::AutoArrange, &TIconOptions::SetAutoArrange).Default(false);
  cls.property("WrapText", &TIconOptions::WrapText, &TIconOptions::SetWrapText).Default(true);
}

// The collection heard of this column while it was still being made: it hears
// again now that the column is complete.
TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) { Changed(false); }

void TListColumn::SetAlignment(TAlignment v) { FAlignment = v, Changed(false); }
void TListColumn::SetCaption(const std::string& v) { FCaption = v, Changed(false); }
void TListColumn::SetWidth(TWidth v) { FWidth = std::max(v, ColumnHeaderWidth), Changed(false); }

std::string TListColumn::GetDisplayName() const {
  return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption;
}

void TListColumn::Assign(const TPersistent* source) {
  auto* column = dynamic_cast<const TListColumn*>(source);
  if (!column) return TCollectionItem::Assign(source);
  FAlignment = column->FAlignment, FCaption = column->FCaption, FWidth = column->FWidth;
  Changed(false);
}

TListColumns::TListColumns(TCustomListView* owner) : TCollection(&TListColumn::StaticClass()), FOwner(owner) {}

TPersistent* TListColumns::GetOwner() const { return FOwner; }

void TListColumns::Update(TCollectionItem*) {
  for (int i = 0; i < Count(); ++i)
    if (!dynamic_cast<TListColumn*>(TCollection::Items(i))) return;  // one is still being made
  if (FOwner) FOwner->ColumnsChanged();
}

void TIconOptions::SetArrangement(TIconArrangement v) { FArrangement = v, Changed(); }
void TIconOptions::SetAutoArrange(bool v) { FAutoArrange = v, Changed(); }
void TIconOptions::SetWrapText(bool v) { FWrapText = v, Changed(); }

void TIconOptions::Changed() {
  if (FOwner) FOwner->ItemsChanged(nullptr);
}

TPersistent* TIconOptions::GetOwner() const { return FOwner; }

void TIconOptions::Assign(const TPersistent* source) {
  auto* options = dynamic_cast<const TIconOptions*>(source);
  if (!options) return TPersistent::Assign(source);
  FArrangement = options->FArrangement, FAutoArrange = options->FAutoArrange, FWrapText = options->FWrapText;
  Changed();
}

}  // namespace kcl

#include "kcl/qreport/qrrichtext.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/qreport/qrreference.h"

namespace kcl {

namespace {

// The rich text's box: it grows with its text only when it prints (AutoStretch).
void SizeAsRichText(TQRPrintable& printable) {
  printable.SetAutoSize(false);
  printable.SetBounds(printable.Left(), printable.Top(), 185, 89);
}

}  // namespace

// --- TQRRichText

KCL_CLASS_INFO(TQRRichText) {
  using T = TQRRichText;
  cls.publish({"Frame", "Alignment", "AutoStretch", "Color", "Font"});
  cls.property("Lines", &T::Lines, &T::SetLines);
}

TQRRichText::TQRRichText(TComponent* owner) : TQRPrintable(owner), FLines(std::make_unique<TStringList>()) {
  SizeAsRichText(*this);
  FLines->OnChange.SetHandler([this](TObject*) { AdjustBounds(); });
}

TQRRichText::~TQRRichText() { FLines->OnChange.SetHandler(nullptr); }

std::string TQRRichText::DisplayText() const { return LinesDisplayText(*FLines, *this); }

// --- TQRDBRichText

KCL_CLASS_INFO(TQRDBRichText) {
  using T = TQRDBRichText;
  cls.publish({"Frame", "Alignment", "AutoStretch", "Color"});
  cls.property("DataField", &T::DataField, &T::SetDataField);
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.publish({"Font"});
}

TQRDBRichText::TQRDBRichText(TComponent* owner) : TQRPrintable(owner) { SizeAsRichText(*this); }

void TQRDBRichText::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }

void TQRDBRichText::Notification(TComponent* component, TOperation operation) {
  TQRPrintable::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FDataSet, component);
}

}  // namespace kcl

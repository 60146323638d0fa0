#include "kcl/qreport/qrprintables.h"

#include <QPainter>

#include "kcl/classes/classbuilder.h"
#include "kcl/db/db.h"
#include "kcl/graphics/ansitext.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/qreport/quickreport.h"

namespace kcl {

namespace {

const TTypeInfo* TQRLabelOnPrintEventType() {
  static const TTypeInfo* t = MakeMethodType("TQRLabelOnPrintEvent", mkProcedure,
                                             {{0, "sender", "TObject"}, {pfVar, "Value", "String"}});
  return t;
}

}  // namespace

// --- TQRPrintable

KCL_CLASS_INFO(TQRPrintable) {
  // What the printables publish by name, each in its own order.
  using T = TQRPrintable;
  auto declared = cls.unpublished();
  declared.property("Alignment", &T::Alignment, &T::SetAlignment).Default(taLeftJustify);
  declared.property("AlignToBand", &T::AlignToBand, &T::SetAlignToBand).Default(false);
  declared.property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
  declared.property("AutoStretch", &T::AutoStretch, &T::SetAutoStretch).Default(false);
  declared.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clWhite);
  declared.property("Frame", &T::Frame, &T::SetFrame);
  declared.property("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
  declared.property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(true);
  declared.event("OnPrint", &T::OnPrint, TQRLabelOnPrintEventType());
}

TQRPrintable::TQRPrintable(TComponent* owner)
    : TGraphicControl(owner), FFrame(std::make_unique<TQRFrame>([this] { Invalidate(); })) {
  SetColor(clWhite);
  SetBounds(Left(), Top(), 65, 17);
}

TQRPrintable::~TQRPrintable() = default;

void TQRPrintable::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TQRPrintable::AdjustBounds() {
  const std::string text = DisplayText();
  // A printable being read keeps the size its file gives.
  if (FAutoSize && !text.empty() && !IsLoading()) {
    Canvas()->SetFont(Font());
    const TSize size = Canvas()->TextExtent(text);
    SetBounds(Left(), Top(), size.cx, size.cy);
  }
  Invalidate();
}

void TQRPrintable::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect box = ClientRect();
  if (!FTransparent) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(box);
  }
  if (QPainter* painter = canvas.Painter()) {
    const int align = FAlignment == taLeftJustify ? Qt::AlignLeft
                      : FAlignment == taRightJustify ? Qt::AlignRight
                                                     : Qt::AlignHCenter;
    painter->save();
    painter->setFont(Font()->ToQFont());
    painter->setPen(ColorToQColor(Font()->Color()));
    painter->drawText(QRect(box.Left, box.Top, box.Width(), box.Height()),
                      align | Qt::AlignTop | (FWordWrap ? Qt::TextWordWrap : 0), AnsiToQString(DisplayText()));
    painter->restore();
  }
  FFrame->Paint(canvas, box);
}

std::string LinesDisplayText(const TStrings& lines, const TComponent& shower) {
  std::string text = lines.Text();
  while (text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text.empty() && shower.IsDesigning() ? shower.Name() : text;
}

KCL_CLASS_INFO(TQRLabel) {
  cls.publish({"Alignment", "AlignToBand", "AutoSize", "AutoStretch", "Caption", "Color", "Font", "Frame",
                         "ParentFont", "Transparent", "WordWrap", "OnPrint"});
}

// --- TQRMemo

KCL_CLASS_INFO(TQRMemo) {
  cls.publish({"Alignment", "AlignToBand"});
  cls.property("AutoSize", &TQRMemo::AutoSize, &TQRMemo::SetAutoSize).Default(false);
  cls.publish({"AutoStretch", "Color", "Font", "Frame"});
  cls.property("Lines", &TQRMemo::Lines, &TQRMemo::SetLines);
  cls.publish({"ParentFont", "Transparent", "WordWrap"});
}

TQRMemo::TQRMemo(TComponent* owner) : TQRPrintable(owner), FLines(std::make_unique<TStringList>()) {
  SetAutoSize(false);
  SetBounds(Left(), Top(), 185, 89);
  FLines->OnChange.SetHandler([this](TObject*) { AdjustBounds(); });
}

TQRMemo::~TQRMemo() = default;

std::string TQRMemo::DisplayText() const { return LinesDisplayText(*FLines, *this); }

// --- TQRDBText

KCL_CLASS_INFO(TQRDBText) {
  using T = TQRDBText;
  cls.publish({"Alignment", "AlignToBand", "AutoSize", "AutoStretch", "Color"});
  cls.property("DataField", &T::DataField, &T::SetDataField);
  cls.property("DataSet", &T::DataSet, &T::SetDataSet);
  cls.publish({"Font", "Frame"});
  cls.property("Mask", &T::Mask, &T::SetMask);
  cls.publish({"ParentFont", "Transparent", "WordWrap", "OnPrint"});
}

void TQRDBText::SetDataSet(TDataSet* v) { LinkReference(this, FDataSet, v); }

void TQRDBText::SetDataField(const std::string& v) {
  FDataField = v;
  AdjustBounds();
}

void TQRDBText::Notification(TComponent* component, TOperation operation) {
  TQRPrintable::Notification(component, operation);
  if (operation == opRemove) UnlinkReference(FDataSet, component);
}

// --- TQRDBCalc

KCL_CLASS_INFO(TQRDBCalc) {
  using T = TQRDBCalc;
  cls.property("Operation", &T::Operation, &T::SetOperation).Default(qrcSum);
  cls.property("PrintMask", &T::PrintMask, &T::SetPrintMask);
  cls.property("ResetAfterPrint", &T::ResetAfterPrint, &T::SetResetAfterPrint).Default(false);
}

std::string TQRDBCalc::DisplayText() const {
  static const char* const names[] = {"Sum", "Count", "Max", "Min", "Average"};
  return std::string(names[FOperation]) + "(" + TQRDBText::DisplayText() + ")";
}

// --- TQRSysData

KCL_CLASS_INFO(TQRSysData) {
  using T = TQRSysData;
  cls.publish({"Alignment", "AlignToBand", "AutoSize", "Color"});
  cls.property("Data", &T::Data, &T::SetData).Default(qrsTime);
  cls.publish({"Font", "Frame", "ParentFont"});
  cls.property("Text", &T::Text, &T::SetText);
  cls.publish({"Transparent", "OnPrint"});
}

TQRSysData::TQRSysData(TComponent* owner) : TQRPrintable(owner) { AdjustBounds(); }

std::string TQRSysData::DisplayText() const {
  static const char* const names[] = {"(Time)",        "(Date)",         "(Date/Time)", "(Page #)",
                                      "(Report Title)", "(Detail Count)", "(Detail #)"};
  return FText + names[FData];
}

// --- TQRShape

KCL_CLASS_INFO(TQRShape) {
  using T = TQRShape;
  cls.property("Brush", &T::Brush, &T::SetBrush);
  cls.property("Pen", &T::Pen, &T::SetPen);
  cls.property("Shape", &T::Shape, &T::SetShape).Default(qrsRectangle);
}

TQRShape::TQRShape(TComponent* owner)
    : TGraphicControl(owner), FBrush(std::make_unique<TBrush>()), FPen(std::make_unique<TPen>()) {
  FBrush->OnChange.SetHandler([this](TObject*) { Invalidate(); });
  FPen->OnChange.SetHandler([this](TObject*) { Invalidate(); });
  SetBounds(Left(), Top(), 65, 65);
}

TQRShape::~TQRShape() = default;

void TQRShape::SetShape(TQRShapeType v) {
  FShape = v;
  Invalidate();
}

void TQRShape::Paint() {
  TCanvas& canvas = *Canvas();
  canvas.SetPen(FPen.get());
  canvas.SetBrush(FBrush.get());
  const int w = Width(), h = Height(), half = FPen->Width() / 2;
  const auto line = [&](int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  switch (FShape) {
    case qrsRectangle: canvas.Rectangle(half, half, w - half, h - half); break;
    case qrsCircle: canvas.Ellipse(half, half, w - half, h - half); break;
    case qrsVertLine: line(w / 2, 0, w / 2, h); break;
    case qrsHorLine: line(0, h / 2, w, h / 2); break;
    case qrsTopAndBottom: line(0, half, w, half), line(0, h - 1 - half, w, h - 1 - half); break;
    case qrsRightAndLeft: line(half, 0, half, h), line(w - 1 - half, 0, w - 1 - half, h); break;
  }
}

}  // namespace kcl

#include "kcl/components/chartparts.h"

#include "kcl/classes/classbuilder.h"
#include "kcl/components/stdtypes.h"
#include "kcl/system/colors.h"
#include "kcl/graphics/muldiv.h"

namespace kcl {

void NotifyChanges(TGraphicsObject& object, const TChangeProc& changed) {
  object.OnChange.SetHandler([changed](TObject*) {
    if (changed) changed();
  });
}

// --- TChartPart

KCL_CLASS_INFO(TChartPart) {}

void TChartPart::Assign(const TPersistent* source) {
  if (!source || source->ClassType() != ClassType()) return TPersistent::Assign(source);
  for (PPropInfo prop : GetPropInfos(ClassType())) {
    if (!prop->HasSetter()) continue;
    switch (prop->PropType->Kind) {
      case tkInteger: case tkChar: case tkEnumeration: case tkSet:
        SetOrdProp(this, prop, GetOrdProp(source, prop));
        break;
      case tkFloat: SetFloatProp(this, prop, GetFloatProp(source, prop)); break;
      case tkString: case tkLString: case tkWString: SetStrProp(this, prop, GetStrProp(source, prop)); break;
      case tkClass: SetObjectProp(this, prop, GetObjectProp(source, prop)); break;
      default: break;
    }
  }
}

// --- TChartPen

KCL_CLASS_INFO(TChartPen) {
  cls.republish("Color").NoDefault().Stored(&TChartPen::ColorStored);
  cls.republish("Style").NoDefault().Stored(&TChartPen::StyleStored);
  cls.republish("Width").NoDefault().Stored(&TChartPen::WidthStored);
  cls.property("Visible", &TChartPen::Visible, &TChartPen::SetVisible).NoDefault().Stored(&TChartPen::VisibleStored);
}

TChartPen::TChartPen(TColor color, bool visible, TPenStyle style, int width)
    : FDefault{color, visible, style, width}, FVisible(visible) {
  SetColor(color);
  SetStyle(style);
  SetWidth(width);
}

void TChartPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TChartPen*>(source)) FVisible = pen->FVisible;
  TPen::Assign(source);
}

void TChartPen::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  Changed();
}

// --- TPartFont

TPartFont::TPartFont(TColor color, TFontStyles style, const TChangeProc& changed)
    : FFont(std::make_unique<TFont>()), FColor(color), FStyle(style) {
  FFont->SetName("Arial");
  FFont->SetSize(8);
  FFont->SetColor(color);
  FFont->SetStyle(style);
  FHeight = FFont->Height();
  NotifyChanges(*FFont, changed);
}

bool TPartFont::Stored() const {
  return FFont->Name() != "Arial" || FFont->Height() != FHeight || FFont->Color() != FColor ||
         FFont->Style() != FStyle || FFont->Charset() != DEFAULT_CHARSET || FFont->Pitch() != fpDefault;
}

// --- TChartWall

KCL_CLASS_INFO(TChartWall) {
  using T = TChartWall;
  cls.property("Brush", &T::Brush, &T::SetBrush);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clTeeColor);
  cls.property("Dark3D", &T::Dark3D, &T::SetDark3D).Default(true);
  cls.property("Pen", &T::Pen, &T::SetPen);
  cls.property("Size", &T::Size, &T::SetSize).Default(0);
}

TChartWall::TChartWall(TChangeProc changed)
    : TChartPart(std::move(changed)), FBrush(std::make_unique<TBrush>()), FPen(std::make_unique<TChartPen>()) {
  NotifyChanges(*FBrush, ChangeProc());
  NotifyChanges(*FPen, ChangeProc());
}

// --- TChartTitle

KCL_CLASS_INFO(TChartTitle) {
  using T = TChartTitle;
  cls.property("AdjustFrame", &T::AdjustFrame, &T::SetAdjustFrame).Default(true);
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Default(taCenter);
  cls.property("Brush", &T::Brush, &T::SetBrush);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::FontStored);
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("Text", &T::Text, &T::SetText);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

TChartTitle::TChartTitle(TColor fontColor, TChangeProc changed)
    : TChartPart(std::move(changed)),
      FBrush(std::make_unique<TBrush>()),
      FFont(fontColor, {}, ChangeProc()),
      FFrame(std::make_unique<TChartPen>(clBlack, false)),
      FText(std::make_unique<TStringList>()) {
  NotifyChanges(*FBrush, ChangeProc());
  NotifyChanges(*FFrame, ChangeProc());
  FText->OnChange.SetHandler([this](TObject*) { Changed(); });
}

// --- TChartLegend

KCL_CLASS_INFO(TChartLegend) {
  using T = TChartLegend;
  cls.property("Alignment", &T::Alignment, &T::SetAlignment).Default(laRight);
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clWhite);
  cls.property("ColorWidth", &T::ColorWidth, &T::SetColorWidth).Default(30);
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::FontStored);
  cls.property("Frame", &T::Frame, &T::SetFrame);
  cls.property("HorizMargin", &T::HorizMargin, &T::SetHorizMargin).Default(0);
  cls.property("LegendStyle", &T::LegendStyle, &T::SetLegendStyle).Default(lsAuto);
  cls.property("MaxNumRows", &T::MaxNumRows, &T::SetMaxNumRows).Default(10);
  cls.property("ResizeChart", &T::ResizeChart, &T::SetResizeChart).Default(true);
  cls.property("ShadowColor", &T::ShadowColor, &T::SetShadowColor, TColorType()).Default(clBlack);
  cls.property("ShadowSize", &T::ShadowSize, &T::SetShadowSize).Default(3);
  cls.property("TextStyle", &T::TextStyle, &T::SetTextStyle).Default(ltsLeftValue);
  cls.property("TopPos", &T::TopPos, &T::SetTopPos).Default(10);
  cls.property("VertMargin", &T::VertMargin, &T::SetVertMargin).Default(0);
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

TChartLegend::TChartLegend(TChangeProc changed)
    : TChartPart(std::move(changed)), FFont(clBlack, {}, ChangeProc()), FFrame(std::make_unique<TChartPen>()) {
  NotifyChanges(*FFrame, ChangeProc());
}

}  // namespace kcl

#include <QColorDialog>
#include <QFontDialog>
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/dialogs.h"
#include "kcl/graphics/font.h"
#include "kcl/graphics/qtcolor.h"
#include "kcl/rtl/sysutils.h"

namespace kcl {

KCL_CLASS_INFO(TFontDialog) {
  cls.property("Font", &TFontDialog::Font, &TFontDialog::SetFont);
  cls.property("Device", &TFontDialog::Device, &TFontDialog::SetDevice).Default(fdScreen);
  cls.property("MinFontSize", &TFontDialog::MinFontSize, &TFontDialog::SetMinFontSize);
  cls.property("MaxFontSize", &TFontDialog::MaxFontSize, &TFontDialog::SetMaxFontSize);
  cls.property("Options", &TFontDialog::Options, &TFontDialog::SetOptions).Default(TFontDialogOptions{fdEffects});
  cls.event("OnApply", &TFontDialog::OnApply, TNotifyEventType());
}

KCL_CLASS_INFO(TColorDialog) {
  // New colour dialogs are 3-D although the default is not, so form files say so.
  cls.republish("Ctl3D").Default(false).Stored(&TColorDialog::Ctl3DStored);
  cls.property("Color", &TColorDialog::Color, &TColorDialog::SetColor, TColorType()).Default(clBlack);
  cls.property("CustomColors", &TColorDialog::CustomColors, &TColorDialog::SetCustomColors);
  cls.property("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(TColorDialogOptions{});
}

void TColorDialog::PropertiesRead(const std::vector<std::string>& names) {
  FCtl3DInFile = std::find(names.begin(), names.end(), "Ctl3D") != names.end();
}

// --- TFontDialog

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), FFont(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(TFont* v) { FFont->Assign(v); }

bool TFontDialog::Show() {
  QFontDialog dialog(FFont->ToQFont());
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.setOption(QFontDialog::MonospacedFonts, FOptions.Contains(fdFixedPitchOnly));
  dialog.setOption(QFontDialog::ScalableFonts, FOptions.Contains(fdScalableOnly));
  if (dialog.exec() != QDialog::Accepted) return false;
  const QFont chosen = dialog.selectedFont();
  FFont->SetName(chosen.family().toStdString());
  int size = chosen.pointSize() > 0 ? chosen.pointSize() : FFont->Size();
  if (FOptions.Contains(fdLimitSize)) {
    if (FMinFontSize > 0) size = std::max(size, FMinFontSize);
    if (FMaxFontSize > 0) size = std::min(size, FMaxFontSize);
  }
  FFont->SetSize(size);
  TFontStyles style;
  if (chosen.bold()) style.Include(fsBold);
  if (chosen.italic()) style.Include(fsItalic);
  if (chosen.underline()) style.Include(fsUnderline);
  if (chosen.strikeOut()) style.Include(fsStrikeOut);
  FFont->SetStyle(style);
  return true;
}

// --- TColorDialog

namespace {

constexpr int CustomColorCount = 16;

std::string CustomColorName(int index) { return std::string("Color") + static_cast<char>('A' + index); }

}  // namespace

TColorDialog::TColorDialog(TComponent* owner)
    : TCommonDialog(owner), FCustomColors(std::make_unique<TStringList>()) {}

bool TColorDialog::Show() {
  for (int i = 0; i < CustomColorCount; ++i) {
    const std::string value = FCustomColors->Values(CustomColorName(i));
    if (value.empty()) continue;
    bool ok = false;
    const uint32_t color = QString::fromLatin1(value.c_str()).toUInt(&ok, 16);
    if (ok) QColorDialog::setCustomColor(i, ColorToQColor(static_cast<TColor>(color & 0xFFFFFF)));
  }
  QColorDialog dialog(ColorToQColor(FColor));
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return false;
  FColor = QRgbToColor(dialog.selectedColor().rgb());
  FCustomColors->BeginUpdate();
  for (int i = 0; i < CustomColorCount; ++i) {
    const TColor color = QRgbToColor(QColorDialog::customColor(i).rgb());
    FCustomColors->SetValue(CustomColorName(i), IntToHex(color, 6));
  }
  FCustomColors->EndUpdate();
  return true;
}

}  // namespace kcl

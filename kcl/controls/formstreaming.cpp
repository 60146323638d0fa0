// How a form streams: its published properties in the framework's order, the
// client size that waits for the menu, and the values it writes itself
// (PixelsPerInch, TextHeight) the way its file wrote them.
#include <algorithm>

#include "kcl/classes/classbuilder.h"
#include "kcl/classes/reader.h"
#include "kcl/classes/writer.h"
#include "kcl/controls/form.h"

namespace kcl {

KCL_CLASS_INFO(TCustomForm) {}

bool TCustomForm::IsFormSizeStored() const {
  return AutoScroll() || HorzScrollBar()->Range() != 0 || VertScrollBar()->Range() != 0;
}

KCL_CLASS_INFO(TForm) {
  using T = TForm;
  const auto formSizeStored = [](const TObject* o) { return static_cast<const T*>(o)->IsFormSizeStored(); };
  cls.republish("Width").Stored(formSizeStored);
  cls.republish("Height").Stored(formSizeStored);
  cls.property("ActiveControl", &T::ActiveControl, &T::SetActiveControl);
  cls.property("BorderIcons", &T::BorderIcons, &T::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  cls.property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSizeable);
  cls.property("AutoScroll", &T::AutoScroll, &T::SetAutoScroll).Stored([](const TObject* o) {
    const auto* form = static_cast<const T*>(o);
    return form->AutoScroll() != (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
  });
  cls.publish({"Caption"});
  const auto clientSizeStored = [](const TObject* o) { return !static_cast<const T*>(o)->IsFormSizeStored(); };
  cls.property("ClientHeight", &T::ClientHeight, &T::SetClientHeight).Stored(clientSizeStored);
  cls.property("ClientWidth", &T::ClientWidth, &T::SetClientWidth).Stored(clientSizeStored);
  cls.publish({"Ctl3D"});
  cls.property("Color", &T::Color, &T::SetColor, TColorType()).Default(clBtnFace);
  cls.publish({"Enabled"});
  cls.property("Font", &T::Font, &T::SetFont).Stored(&T::FontStored);
  cls.property("FormStyle", &T::FormStyle, &T::SetFormStyle).Default(fsNormal);
  cls.property("HelpFile", &T::HelpFile, &T::SetHelpFile);
  cls.property("Icon", &T::Icon, &T::SetIcon);
  cls.property("KeyPreview", &T::KeyPreview, &T::SetKeyPreview).Default(false);
  cls.property("Menu", &T::Menu, &T::SetMenu);
  cls.property("ObjectMenuItem", &T::ObjectMenuItem, &T::SetObjectMenuItem);
  cls.property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(false);
  cls.property("PixelsPerInch", &T::PixelsPerInch, &T::SetPixelsPerInch).Stored(&T::PixelsPerInchAmongProperties);
  cls.publish({"PopupMenu"});
  cls.property("Position", &T::Position, &T::SetPosition).Default(poDesigned);
  cls.property("PrintScale", &T::PrintScale, &T::SetPrintScale).Default(poProportional);
  cls.property("Scaled", &T::Scaled, &T::SetScaled).Default(true);
  cls.publish({"ShowHint"});
  cls.property("Visible", &T::Visible, &T::SetVisible).Default(false);
  cls.property("WindowState", &T::WindowState, &T::SetWindowState).Default(wsNormal);
  cls.property("WindowMenu", &T::WindowMenu, &T::SetWindowMenu);
  cls.event("OnActivate", &T::OnActivate, TNotifyEventType());
  cls.publish({"OnClick"});
  cls.event("OnClose", &T::OnClose, TCloseEventType());
  cls.event("OnCloseQuery", &T::OnCloseQuery, TCloseQueryEventType());
  cls.event("OnCreate", &T::OnCreate, TNotifyEventType());
  cls.publish({"OnDblClick"});
  cls.event("OnDestroy", &T::OnDestroy, TNotifyEventType());
  cls.event("OnDeactivate", &T::OnDeactivate, TNotifyEventType());
  cls.publish({"OnDragDrop", "OnDragOver"});
  cls.event("OnHide", &T::OnHide, TNotifyEventType());
  cls.publish({"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  cls.event("OnPaint", &T::OnPaint, TNotifyEventType());
  cls.event("OnResize", &T::OnResize, TNotifyEventType());
  cls.event("OnShow", &T::OnShow, TNotifyEventType());
}

void TCustomForm::SetObjectMenuItem(TMenuItem* item) {
  FObjectMenuItem = item;
  if (item) item->FreeNotification(this);
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  FWindowMenu = item;
  if (item) item->FreeNotification(this);
}

int TCustomForm::TextHeight() const { return FTextHeight > 0 ? FTextHeight : TextCellHeight(*Font()); }

void TCustomForm::FontChanged() {
  if (!IsLoading()) {
    FTextHeight = 0;
    FFontStored = true;
  }
  TWinControl::FontChanged();
}

void TCustomForm::SetClientSize(int width, int height) {
  if (IsLoading()) {
    FLoadedClientWidth = width;
    FLoadedClientHeight = height;
  }
  TWinControl::SetClientSize(width, height);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (FLoadedClientWidth > 0 || FLoadedClientHeight > 0)
    TWinControl::SetClientSize(FLoadedClientWidth, FLoadedClientHeight);
  FLoadedClientWidth = FLoadedClientHeight = 0;
}

void TCustomForm::DefineProperties(TFiler& filer) {
  TWinControl::DefineProperties(filer);
  filer.DefineProperty(
      "PixelsPerInch", nullptr, [this](TWriter& w) { w.WriteInteger(FPixelsPerInch); }, !FPixelsPerInchPublished);
  filer.DefineProperty(
      "TextHeight", [this](TReader& r) { FTextHeight = r.ReadInteger(); },
      [this](TWriter& w) { w.WriteInteger(TextHeight()); }, FTextHeightStored);
}

void TCustomForm::PropertiesRead(const std::vector<std::string>& names) {
  const auto has = [&names](std::string_view name) { return std::find(names.begin(), names.end(), name) != names.end(); };
  const auto pixels = std::find(names.begin(), names.end(), "PixelsPerInch");
  FPixelsPerInchPublished =
      pixels != names.end() && std::any_of(pixels + 1, names.end(), [](const std::string& n) { return n != "TextHeight"; });
  FFontStored = ParentFont() || std::any_of(names.begin(), names.end(),
                                            [](const std::string& n) { return n.starts_with("Font."); });
  FTextHeightStored = has("TextHeight");
}

}  // namespace kcl

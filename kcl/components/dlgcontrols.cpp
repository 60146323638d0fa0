#include "kcl/components/dlgcontrols.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

#include "kcl/classes/classbuilder.h"
#include "kcl/components/stdbuttons.h"
#include "kcl/controls/application.h"
#include "kcl/controls/form.h"
#include "kcl/controls/keys.h"
#include "kcl/controls/widgetbridge.h"

namespace kcl {

KCL_CLASS_INFO(TMessageIcon) {}

TMessageIcon::TMessageIcon(TComponent* owner, uint32_t iconFlag) : TControl(owner), FIconFlag(iconFlag) {}

QWidget* TMessageIcon::CreateWidget(QWidget* parentWidget) {
  auto* label = new QLabel(parentWidget);
  QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
  switch (FIconFlag) {
    case MB_ICONERROR: pixmap = QStyle::SP_MessageBoxCritical; break;
    case MB_ICONQUESTION: pixmap = QStyle::SP_MessageBoxQuestion; break;
    case MB_ICONWARNING: pixmap = QStyle::SP_MessageBoxWarning; break;
    default: break;
  }
  label->setPixmap(QApplication::style()->standardIcon(pixmap).pixmap(32, 32));
  return label;
}

namespace {

TButton* FindButton(TCustomForm* form, bool (TButton::*which)() const) {
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* button = dynamic_cast<TButton*>(form->Components(i)); button && (button->*which)()) return button;
  return nullptr;
}

}  // namespace

void HandleDialogKeys(TCustomForm* form) {
  form->SetKeyPreview(true);
  form->OnKeyDown.SetHandler([form](TObject*, Word& key, TShiftState shift) {
    if (!shift.Empty()) return;
    TButton* button = nullptr;
    if (key == VK_ESCAPE) {
      button = FindButton(form, &TButton::Cancel);
    } else if (key == VK_RETURN) {
      button = dynamic_cast<TButton*>(TWidgetBridge::ControlOf(QApplication::focusWidget()));
      if (!button) button = FindButton(form, &TButton::Default);
    }
    if (!button || !button->Enabled()) return;
    key = 0;
    button->Click();
  });
}

}  // namespace kcl

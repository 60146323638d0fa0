// The Edit menu's layout commands on the current design form: its dialogs for
// align, size, scale and tab order, and the current control to the front or the
// back; the same commands asked for by a design form's context menu and keys.
#include <memory>

#include "ide/designer/layoutdialogs.h"
#include "ide/designer/proxyform.h"
#include "ide/designer/taborderdialog.h"
#include "ide/shell/mainform.h"

namespace korvax {

using namespace kcl;

namespace {

template <class Dialog>
void ShowLayoutDialog(TFMainForm& owner, designer::TProxyForm* form) {
  if (!form) return;
  std::unique_ptr<Dialog, TObjectFree> dialog(new Dialog(&owner));
  dialog->Designer = form->ProxyDesigner();
  dialog->ShowModal();
}

}  // namespace

void TFMainForm::EditAlignItemClick(TObject*) { ShowLayoutDialog<designer::TAlignDialog>(*this, CurrentDesignForm); }

void TFMainForm::EditSizeItemClick(TObject*) { ShowLayoutDialog<designer::TSizeDialog>(*this, CurrentDesignForm); }

void TFMainForm::EditScaleItemClick(TObject*) { ShowLayoutDialog<designer::TScaleForm>(*this, CurrentDesignForm); }

void TFMainForm::EditFrontItemClick(TObject*) {
  if (CurrentDesignForm) CurrentDesignForm->ProxyDesigner()->MoveCurrentInZOrder(true);
}

void TFMainForm::EditBackItemClick(TObject*) {
  if (CurrentDesignForm) CurrentDesignForm->ProxyDesigner()->MoveCurrentInZOrder(false);
}

void TFMainForm::EditTabOrderItemClick(TObject*) {
  if (!CurrentDesignForm) return;
  std::unique_ptr<designer::TTabOrderDialog, TObjectFree> dialog(new designer::TTabOrderDialog(this));
  dialog->SetDesigner(CurrentDesignForm->ProxyDesigner());
  dialog->ShowModal();
}

void TFMainForm::CommandWanted(designer::TDesignCommand command, designer::TProxyDesigner& designer) {
  using enum designer::TDesignCommand;
  switch (command) {
    case Align: return ShowLayoutDialog<designer::TAlignDialog>(*this, designer.Form);
    case Size: return ShowLayoutDialog<designer::TSizeDialog>(*this, designer.Form);
    case Scale: return ShowLayoutDialog<designer::TScaleForm>(*this, designer.Form);
    case ViewAsText: return ViewFormAsText(*designer.Form);
    case ToggleFormUnit:
      // The key came from that form: it is the active one.
      CurrentDesignForm = designer.Form;
      DesignFormActive = true;
      return ViewToggleItemClick(this);
    case FocusInspector: return;  // the inspector's own
  }
}

}  // namespace korvax

// The Edit menu's layout commands on the current design form: its dialogs for
// align, size and scale, and the current control to the front or the back.
#include <memory>

#include "ide/designer/layoutdialogs.h"
#include "ide/designer/proxyform.h"
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

}  // namespace korvax

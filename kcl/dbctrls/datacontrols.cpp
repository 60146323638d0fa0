#include "kcl/dbctrls/datacontrols.h"

#include "kcl/db/dataaccess.h"
#include "kcl/dbctrls/dbctrlgrid.h"
#include "kcl/dbctrls/dbgrid.h"

namespace kcl {

void RegisterDataControls() {
  static const bool registered = [] {
    RegisterDataAccess();
    RegisterClasses({&TDBText::StaticClass(), &TDBEdit::StaticClass(), &TDBMemo::StaticClass(),
                     &TDBImage::StaticClass(), &TDBListBox::StaticClass(), &TDBComboBox::StaticClass(),
                     &TDBCheckBox::StaticClass(), &TDBRadioGroup::StaticClass(), &TDBLookupListBox::StaticClass(),
                     &TDBLookupComboBox::StaticClass(), &TDBNavigator::StaticClass(), &TDBGrid::StaticClass(),
                     &TDBCtrlGrid::StaticClass(), &TDBLookupList::StaticClass(), &TDBLookupCombo::StaticClass()});
    return true;
  }();
  (void)registered;
}

}  // namespace kcl

#include "kcl/components/stdctrls.h"

#include <mutex>

namespace kcl {

void RegisterStandardControls() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterClasses({&TLabel::StaticClass(), &TEdit::StaticClass(), &TMemo::StaticClass(), &TButton::StaticClass(),
                     &TCheckBox::StaticClass(), &TRadioButton::StaticClass(), &TGroupBox::StaticClass(),
                     &TListBox::StaticClass(), &TComboBox::StaticClass(), &TPanel::StaticClass(),
                     &TBevel::StaticClass(), &TRadioGroup::StaticClass(), &TSplitter::StaticClass(),
                     &TImage::StaticClass(), &TSpeedButton::StaticClass(), &TBitBtn::StaticClass(),
                     &TCheckListBox::StaticClass()});
  });
}

}  // namespace kcl

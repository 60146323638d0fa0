#include "kcl/components/morectrls.h"

#include <mutex>

namespace kcl {

void RegisterMoreControls() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterClasses({&TScrollBar::StaticClass(), &TMaskEdit::StaticClass(), &TShape::StaticClass(),
                     &TScrollBox::StaticClass(), &TStaticText::StaticClass(), &TTimer::StaticClass(),
                     &TPaintBox::StaticClass(), &TMediaPlayer::StaticClass(), &TDdeClientConv::StaticClass(),
                     &TDdeClientItem::StaticClass(), &TDdeServerConv::StaticClass(), &TDdeServerItem::StaticClass(), &TFileListBox::StaticClass(),
                     &TDirectoryListBox::StaticClass(), &TDriveComboBox::StaticClass(),
                     &TFilterComboBox::StaticClass(), &TNotebook::StaticClass(), &TPage::StaticClass(),
                     &TOutline::StaticClass(), &TTabSet::StaticClass(), &THeader::StaticClass(),
                     &TTabbedNotebook::StaticClass(), &TTabPage::StaticClass(), &TGauge::StaticClass(), &TSpinButton::StaticClass(),
                     &TSpinEdit::StaticClass(), &TDirectoryOutline::StaticClass(), &TCalendar::StaticClass(),
                     &TOpenPictureDialog::StaticClass(), &TSavePictureDialog::StaticClass()});
  });
}

}  // namespace kcl

#include "framework/ui/stdctrls/registerstdctrls.h"

#include "core/object.h"
#include "framework/ui/stdctrls/combobox.h"
#include "framework/ui/stdctrls/dbcheckbox.h"
#include "framework/ui/stdctrls/dbedit.h"
#include "framework/ui/stdctrls/dbimage.h"
#include "framework/ui/stdctrls/dbmemo.h"
#include "framework/ui/stdctrls/dbnavigator.h"
#include "framework/ui/stdctrls/dbradiogroup.h"
#include "framework/ui/stdctrls/dbtext.h"
#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/filedialogs.h"
#include "framework/ui/stdctrls/listbox.h"
#include "framework/ui/stdctrls/maskedit.h"
#include "framework/ui/stdctrls/memo.h"
#include "framework/ui/stdctrls/fontdialog.h"
#include "framework/ui/stdctrls/printdialog.h"
#include "framework/ui/stdctrls/printersetupdialog.h"
#include "framework/ui/stdctrls/scrollbar.h"
#include "platform/controls/standardclasses.h"

namespace tv {

void RegisterStandardControls() {
    win::RegisterStandardClasses();
    RegisterClasses({TEdit::StaticClass(), TMemo::StaticClass(), TMaskEdit::StaticClass(), TComboBox::StaticClass(),
                     TListBox::StaticClass(), TScrollBar::StaticClass(), TDBEdit::StaticClass(),
                     TDBText::StaticClass(), TDBMemo::StaticClass(), TDBImage::StaticClass(),
                     TDBCheckBox::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                     TPrintDialog::StaticClass(), TPrinterSetupDialog::StaticClass(), TFontDialog::StaticClass(),
                     TDBNavigator::StaticClass(), TDBRadioGroup::StaticClass()});
}

} // namespace tv

// The framework's classes for stored definitions, and the application and
// screen objects.
#include "framework/ui/stdctrls/registerstdctrls.h"
#include "core/object.h"
#include "framework/ui/actions.h"
#include "framework/ui/application.h"
#include "framework/ui/menus.h"
#include "framework/ui/screen.h"
#include "framework/ui/basiccontrols.h"
#include "framework/ui/bitbtn.h"
#include "framework/ui/graphiccontrols.h"
#include "framework/ui/checkcontrols.h"
#include "framework/ui/hintwindow.h"
#include "framework/ui/imagelist.h"
#include "framework/ui/listview.h"
#include "framework/ui/scrollbox.h"
#include "framework/ui/splitter.h"
#include "framework/ui/toolbar.h"
#include "framework/ui/treeview.h"
#include "framework/ui/speedbutton.h"

namespace tv {

void InitializeUI() {
    RegisterClasses({TForm::StaticClass(), TDataModule::StaticClass(), TLabel::StaticClass(),
                     TButton::StaticClass(), TBitBtn::StaticClass(), TPanel::StaticClass(), TStatusBar::StaticClass(),
                     TStatusPanel::StaticClass(), TTimer::StaticClass(), TMainMenu::StaticClass(),
                     TPopupMenu::StaticClass(), TMenuItem::StaticClass(), TActionList::StaticClass(),
                     TAction::StaticClass(), TFileExit::StaticClass(), TFilePrintSetup::StaticClass(),
                     TWindowArrange::StaticClass(), TWindowCascade::StaticClass(), TWindowClose::StaticClass(),
                     TWindowMinimizeAll::StaticClass(), TWindowTileHorizontal::StaticClass(),
                     TEditCut::StaticClass(), TEditCopy::StaticClass(), TEditPaste::StaticClass(),
                     TBitmap::StaticClass(), TPicture::StaticClass(), TImage::StaticClass(),
                     TBevel::StaticClass(), TShape::StaticClass(), THintWindow::StaticClass(),
                     TSpeedButton::StaticClass(), TGroupBox::StaticClass(), TCheckBox::StaticClass(),
                     TRadioButton::StaticClass(), TImageList::StaticClass(),
                     TToolBar::StaticClass(), TToolButton::StaticClass(), TSplitter::StaticClass(),
                     TScrollBox::StaticClass(), TRadioGroup::StaticClass(), TListView::StaticClass(),
                     TListColumn::StaticClass(), TTreeView::StaticClass()});
    RegisterStandardControls();
    if (!Screen) Screen = new TScreen(nullptr);
    if (!Application) Application = new TApplication(nullptr);
}

void FinalizeUI() {
    delete Application;
    Application = nullptr;
    delete Screen;
    Screen = nullptr;
}

} // namespace tv

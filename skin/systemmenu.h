#pragma once
// The window menu a skinned form shows in place of the system's (its frame
// lost WS_SYSMENU): the window commands and, optionally, the skins to
// choose from.
#include "core/resourcestrings.h"
#include "framework/ui/menus.h"

namespace tv {

class TCustomForm;
class TsSkinProvider;

TV_RESOURCESTRING(SRestore, "Restore")
TV_RESOURCESTRING(SMove, "Move")
TV_RESOURCESTRING(SSize, "Size")
TV_RESOURCESTRING(SMinimize, "Minimize")
TV_RESOURCESTRING(SMaximize, "Maximize")
TV_RESOURCESTRING(SClose, "Close")
TV_RESOURCESTRING(SAvailSkins, "Available skins")

class TsSystemMenu : public TPopupMenu {
    TV_CLASS(TsSystemMenu, TPopupMenu)
public:
    explicit TsSystemMenu(TsSkinProvider* provider);

    // Shows and enables the window commands as the form's state allows.
    void UpdateItems();
    // The skin list at the top of the menu (none without a manager).
    void MakeSkinItems();
    // The skin list of the last showing, if any, goes away.
    void RemoveSkinItems();

    // The rules of the window commands, by the form's border and state.
    bool VisibleClose() const;
    bool VisibleMax() const;
    bool VisibleMin() const;
    bool VisibleRestore() const;
    bool VisibleSize() const;
    bool EnabledMax() const;
    bool EnabledMin() const;
    bool EnabledMove() const;
    bool EnabledRestore() const;
    bool EnabledSize() const;

    TMenuItem* ItemRestore = nullptr;
    TMenuItem* ItemMove = nullptr;
    TMenuItem* ItemSize = nullptr;
    TMenuItem* ItemMinimize = nullptr;
    TMenuItem* ItemMaximize = nullptr;
    TMenuItem* ItemClose = nullptr;

private:
    TMenuItem* AddItem(const char* name, const std::string& caption, TNotifyEvent click);
    void SkinItemClick(TObject* sender);
    TsSkinProvider* provider_;
    TCustomForm* form_;
};

} // namespace tv

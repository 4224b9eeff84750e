#pragma once
// Actions: commands with a caption, shortcut and state shared by the menu
// items and controls linked to them, kept up to date while the application
// idles, and the standard actions (exit, printer set-up, MDI windows, edit).
#include <functional>
#include <string>
#include <vector>

#include "core/component.h"
#include "framework/ui/controls.h"
#include "framework/ui/menus.h"

namespace tv {

class TCustomActionList;
class TMenuItem;

class TBasicAction : public TComponent {
    TV_CLASS(TBasicAction, TComponent)
public:
    explicit TBasicAction(TComponent* owner = nullptr);
    ~TBasicAction() override;
    static void Publish(TPublisher& p);

    // Runs the action; true when someone handled it.
    virtual bool Execute();
    // Updates the action's state; true when someone handled it.
    virtual bool Update();
    // For actions that act on a target (the focused control, the active form).
    virtual bool HandlesTarget(TObject* target) { return false; }
    virtual void ExecuteTarget(TObject* target) {}
    virtual void UpdateTarget(TObject* target) {}
    TComponent* ActionComponent() const { return actionComponent_; }
    void SetActionComponent(TComponent* c) { actionComponent_ = c; }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    friend class TActionLink;
    void Change();
    std::vector<TActionLink*> clients_;
    TComponent* actionComponent_ = nullptr;
};

class TContainedAction : public TBasicAction {
    TV_CLASS(TContainedAction, TBasicAction)
    friend class TCustomActionList;

public:
    using TBasicAction::TBasicAction;
    ~TContainedAction() override;
    static void Publish(TPublisher& p);
    TCustomActionList* ActionList() const { return actionList_; }
    void SetActionList(TCustomActionList* list);
    const std::string& Category() const { return category_; }
    void SetCategory(const std::string& v) { category_ = v; }
    int Index() const;
    bool Execute() override;
    bool Update() override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    TCustomActionList* actionList_ = nullptr;
    std::string category_;
};

class TCustomAction : public TContainedAction {
    TV_CLASS(TCustomAction, TContainedAction)
public:
    using TContainedAction::TContainedAction;
    static void Publish(TPublisher& p);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool v) { autoCheck_ = v; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int v) { helpContext_ = v; }
    // An action that nobody handles shows disabled.
    bool DisableIfNoHandler() const { return disableIfNoHandler_; }
    void SetDisableIfNoHandler(bool v) { disableIfNoHandler_ = v; }
    bool Execute() override;
    bool Update() override;

private:
    std::string caption_, hint_;
    bool checked_ = false, enabled_ = true, visible_ = true, autoCheck_ = false, disableIfNoHandler_ = true;
    int imageIndex_ = -1, groupIndex_ = 0, helpContext_ = 0;
    TShortCut shortCut_ = 0;
};

class TAction : public TCustomAction {
    TV_CLASS(TAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
};

using TActionEvent = std::function<void(TBasicAction* action, bool& handled)>;

class TCustomActionList : public TComponent {
    TV_CLASS(TCustomActionList, TComponent)
public:
    using TComponent::TComponent;
    ~TCustomActionList() override;
    static void Publish(TPublisher& p);

    int ActionCount() const { return int(actions_.size()); }
    TContainedAction* Actions(int i) const { return actions_.at(size_t(i)); }
    void AddAction(TContainedAction* a);
    void RemoveAction(TContainedAction* a);
    int IndexOf(const TContainedAction* a) const;
    TComponent* Images() const { return images_; }
    void SetImages(TComponent* v) { images_ = v; }
    // The key of the message runs the enabled action with that shortcut.
    bool IsShortCut(Message& msg);
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);
    // Updates every action of the list.
    void UpdateAll();
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    TActionEvent OnExecute;
    TActionEvent OnUpdate;

private:
    std::vector<TContainedAction*> actions_;
    TComponent* images_ = nullptr;
};

class TActionList : public TCustomActionList {
    TV_CLASS(TActionList, TCustomActionList)
public:
    using TCustomActionList::TCustomActionList;
};

// The link from a client (a control or a menu item) to its action: the
// action's changes are copied to the client and the client runs the action.
class TActionLink {
public:
    explicit TActionLink(TObject* client) : client_(client) {}
    virtual ~TActionLink();
    TBasicAction* Action() const { return action_; }
    void SetAction(TBasicAction* action);
    bool Execute(TComponent* component);
    bool Update();
    virtual void Changed() = 0;

protected:
    TObject* client_;
    TBasicAction* action_ = nullptr;
};

class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* c) : TActionLink(c) {}
    void Changed() override;
};

class TMenuActionLink : public TActionLink {
public:
    explicit TMenuActionLink(TMenuItem* i) : TActionLink(i) {}
    void Changed() override;
};

// --- standard actions ------------------------------------------------------------

// Closes the main form.
class TFileExit : public TCustomAction {
    TV_CLASS(TFileExit, TCustomAction)
public:
    explicit TFileExit(TComponent* owner = nullptr);
    bool HandlesTarget(TObject*) override { return true; }
    void ExecuteTarget(TObject*) override;
};

// Shows the printer set-up dialog and makes the printer chosen there the
// process-wide printer; a program may put its own dialog in the hook.
class TFilePrintSetup : public TCustomAction {
    TV_CLASS(TFilePrintSetup, TCustomAction)
public:
    explicit TFilePrintSetup(TComponent* owner = nullptr);
    bool HandlesTarget(TObject*) override { return true; }
    void ExecuteTarget(TObject*) override;
    static std::function<void()> ShowPrinterSetup;
};

// The MDI window actions act on the main MDI form; disabled without children.
class TWindowAction : public TCustomAction {
    TV_CLASS(TWindowAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
    bool HandlesTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;

protected:
    TCustomForm* Form(TObject* target) const;
};

class TWindowArrange : public TWindowAction {
    TV_CLASS(TWindowArrange, TWindowAction)
public:
    explicit TWindowArrange(TComponent* owner = nullptr);
    void ExecuteTarget(TObject* target) override;
};
class TWindowCascade : public TWindowAction {
    TV_CLASS(TWindowCascade, TWindowAction)
public:
    explicit TWindowCascade(TComponent* owner = nullptr);
    void ExecuteTarget(TObject* target) override;
};
class TWindowClose : public TWindowAction {
    TV_CLASS(TWindowClose, TWindowAction)
public:
    explicit TWindowClose(TComponent* owner = nullptr);
    void ExecuteTarget(TObject* target) override;
};
class TWindowMinimizeAll : public TWindowAction {
    TV_CLASS(TWindowMinimizeAll, TWindowAction)
public:
    explicit TWindowMinimizeAll(TComponent* owner = nullptr);
    void ExecuteTarget(TObject* target) override;
};
class TWindowTileHorizontal : public TWindowAction {
    TV_CLASS(TWindowTileHorizontal, TWindowAction)
public:
    explicit TWindowTileHorizontal(TComponent* owner = nullptr);
    void ExecuteTarget(TObject* target) override;
};

// The edit actions act on the focused control when it edits text.
class TEditAction : public TCustomAction {
    TV_CLASS(TEditAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
    bool HandlesTarget(TObject* target) override;
    void UpdateTarget(TObject* target) override;
    void ExecuteTarget(TObject* target) override;

protected:
    win::UINT message_ = 0;
};
class TEditCut : public TEditAction {
    TV_CLASS(TEditCut, TEditAction)
public:
    explicit TEditCut(TComponent* owner = nullptr);
};
class TEditCopy : public TEditAction {
    TV_CLASS(TEditCopy, TEditAction)
public:
    explicit TEditCopy(TComponent* owner = nullptr);
};
class TEditPaste : public TEditAction {
    TV_CLASS(TEditPaste, TEditAction)
public:
    explicit TEditPaste(TComponent* owner = nullptr);
};

} // namespace tv

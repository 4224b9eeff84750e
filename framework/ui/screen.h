#pragma once
// The screen: the forms and data modules that exist, which form and control
// are active, cursors, fonts and the display's measures.
#include <map>
#include <memory>
#include <vector>

#include "core/component.h"
#include "core/stringlist.h"
#include "framework/ui/controls.h"
#include "framework/ui/graphics.h"

namespace tv {

class TCustomForm;
class TDataModule;

class TMonitor {
public:
    int MonitorNum() const { return 0; }
    bool Primary() const { return true; }
    win::RECT BoundsRect() const;
    win::RECT WorkareaRect() const;
    int Width() const { return BoundsRect().Width(); }
    int Height() const { return BoundsRect().Height(); }
};

class TScreen : public TComponent {
    TV_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner = nullptr);
    ~TScreen() override;

    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int i) const { return forms_.at(size_t(i)); }
    int CustomFormCount() const { return FormCount(); }
    TCustomForm* CustomForms(int i) const { return Forms(i); }
    int DataModuleCount() const { return int(dataModules_.size()); }
    TDataModule* DataModules(int i) const { return dataModules_.at(size_t(i)); }

    TCustomForm* ActiveForm() const { return activeForm_; }
    TCustomForm* ActiveCustomForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }
    TCustomForm* FocusedForm() const { return focusedForm_; }
    void SetFocusedForm(TCustomForm* f) { focusedForm_ = f; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    // Standard cursors by their negative numbers; added ones from 1.
    win::HCURSOR Cursors(TCursor index);
    void SetCursors(TCursor index, win::HCURSOR cursor);
    // Adds a cursor at the first free number from 1; raises EOutOfResources
    // "Too many user-defined cursors" when every number is taken.
    TCursor AddCursor(win::HCURSOR cursor);

    TStrings* Fonts();
    TFont* MenuFont() const { return menuFont_.get(); }
    TFont* HintFont() const { return hintFont_.get(); }
    int PixelsPerInch() const;
    int Width() const;
    int Height() const;
    win::RECT WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    int MonitorCount() const { return 1; }
    TMonitor* Monitors(int) { return &monitor_; }
    TMonitor* MonitorFromWindow(win::HWND) { return &monitor_; }

    TNotifyEvent OnActiveControlChange;
    TNotifyEvent OnActiveFormChange;

    static constexpr int kMaxUserCursors = 32767;

private:
    friend class TCustomForm;
    friend class TDataModule;
    friend class TApplication;
    void AddForm(TCustomForm* f);
    void RemoveForm(TCustomForm* f);
    void AddDataModule(TDataModule* d);
    void RemoveDataModule(TDataModule* d);
    void SetActive(TCustomForm* form, TWinControl* control);

    std::vector<TCustomForm*> forms_; // most recently active first
    std::vector<TDataModule*> dataModules_;
    std::vector<TCustomForm*> saveFocusedList_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCustomForm* focusedForm_ = nullptr;
    TCursor cursor_ = crDefault;
    std::map<TCursor, win::HCURSOR> cursors_;
    std::unique_ptr<TStringList> fonts_;
    std::unique_ptr<TFont> menuFont_, hintFont_;
    TMonitor monitor_;
};

extern TScreen* Screen;

} // namespace tv

#include "framework/ui/screen.h"

#include <algorithm>

#include "core/exceptions.h"
#include "framework/ui/dragcursors.h"
#include "framework/ui/forms.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/text.h"
#include "platform/window/cursor.h"
#include "platform/window/desktop.h"
#include "platform/window/sysmetrics.h"

namespace tv {

using namespace tv::win;

TScreen* Screen = nullptr;

RECT TMonitor::BoundsRect() const { return {0, 0, ScreenWidth(), ScreenHeight()}; }

RECT TMonitor::WorkareaRect() const {
    RECT r{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), menuFont_(std::make_unique<TFont>()), hintFont_(std::make_unique<TFont>()) {
    NONCLIENTMETRICS m;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof m, &m, 0)) {
        if (!m.lfMenuFont.lfFaceName.empty()) menuFont_->SetName(m.lfMenuFont.lfFaceName);
        if (m.lfMenuFont.lfHeight) menuFont_->SetHeight(m.lfMenuFont.lfHeight);
        if (!m.lfStatusFont.lfFaceName.empty()) hintFont_->SetName(m.lfStatusFont.lfFaceName);
        if (m.lfStatusFont.lfHeight) hintFont_->SetHeight(m.lfStatusFont.lfHeight);
    }
    hintFont_->SetColor(clInfoText);
}

TScreen::~TScreen() {
    for (auto& [i, c] : cursors_)
        if (i > 0) DestroyCursor(c);
    if (Screen == this) Screen = nullptr;
}

void TScreen::AddForm(TCustomForm* f) { forms_.push_back(f); }

void TScreen::RemoveForm(TCustomForm* f) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
    std::erase(saveFocusedList_, f);
    if (focusedForm_ == f) focusedForm_ = nullptr;
    if (activeForm_ == f) {
        activeForm_ = nullptr;
        activeControl_ = nullptr;
    }
}

void TScreen::AddDataModule(TDataModule* d) { dataModules_.push_back(d); }

void TScreen::RemoveDataModule(TDataModule* d) { std::erase(dataModules_, d); }

void TScreen::SetActive(TCustomForm* form, TWinControl* control) {
    bool formChanged = form != activeForm_;
    bool controlChanged = control != activeControl_;
    activeForm_ = form;
    activeControl_ = control;
    // The most recently active form comes first.
    auto it = std::find(forms_.begin(), forms_.end(), form);
    if (it != forms_.end() && it != forms_.begin()) std::rotate(forms_.begin(), it, it + 1);
    if (controlChanged && OnActiveControlChange) OnActiveControlChange(this);
    if (formChanged && OnActiveFormChange) OnActiveFormChange(this);
}

HCURSOR TScreen::Cursors(TCursor index) {
    if (index > 0) {
        auto it = cursors_.find(index);
        return it == cursors_.end() ? LoadCursor(IDC_ARROW) : it->second;
    }
    static const std::pair<TCursor, int> standard[] = {
        {crArrow, IDC_ARROW},          {crCross, IDC_CROSS},       {crIBeam, IDC_IBEAM},    {crSizeNESW, IDC_SIZENESW},
        {crSizeNS, IDC_SIZENS},        {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},  {crUpArrow, IDC_UPARROW},
        {crHourGlass, IDC_WAIT},       {crSQLWait, IDC_WAIT},      {crNo, IDC_NO},          {crNoDrop, IDC_NO},
        {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},         {crHandPoint, IDC_HAND}, {crSizeAll, IDC_SIZEALL},
        {crHSplit, IDC_SIZEWE},        {crVSplit, IDC_SIZENS}};
    if (index == crDrag || index == crMultiDrag) return DragCursorImage(index == crMultiDrag);
    for (auto& [c, id] : standard)
        if (c == index) return LoadCursor(id);
    return index == crNone ? nullptr : LoadCursor(IDC_ARROW);
}

void TScreen::SetCursors(TCursor index, HCURSOR cursor) {
    if (index <= 0) return;
    auto it = cursors_.find(index);
    if (it != cursors_.end() && it->second != cursor) DestroyCursor(it->second);
    if (cursor) cursors_[index] = cursor;
    else cursors_.erase(index);
}

TCursor TScreen::AddCursor(HCURSOR cursor) {
    for (TCursor i = 1; i <= kMaxUserCursors; ++i) {
        if (!cursors_.count(i)) {
            cursors_[i] = cursor;
            return i;
        }
    }
    throw EOutOfResources("Too many user-defined cursors");
}

void TScreen::SetCursor(TCursor v) {
    cursor_ = v;
    win::SetCursor(Cursors(v == crDefault ? crArrow : v));
}

TStrings* TScreen::Fonts() {
    if (!fonts_) {
        fonts_ = std::make_unique<TStringList>();
        for (const std::string& f : win::InstalledFontFamilies()) fonts_->Add(f);
    }
    return fonts_.get();
}

int TScreen::PixelsPerInch() const { return ScreenPixelsPerInch(); }
int TScreen::Width() const { return ScreenWidth(); }
int TScreen::Height() const { return ScreenHeight(); }
RECT TScreen::WorkAreaRect() const { return monitor_.WorkareaRect(); }

} // namespace tv

#pragma once
// The window adapters of the list view and the tree view: the edit
// adapter's frame, colours and skinned scroll bars, and for the list view
// its header child painted from the skin; for the tree view the skin's hot
// colour behind the nodes.
#include "skin/scrolladapters.h"

namespace tv {

class TacListViewWnd : public TacEditWnd {
    TV_CLASS(TacListViewWnd, TacEditWnd)
public:
    TacListViewWnd(win::HWND wnd, bool repaint, TsSkinManager* sm = nullptr, TsCommonData* link = nullptr,
                   bool subclass = true);
    ~TacListViewWnd() override;
    void RestoreControlColors() override;
    void WndProc(win::Message& msg) override;

    win::HWND HeaderWnd = nullptr;
    win::WNDPROC HeaderOldProc = nullptr, HeaderProc = nullptr;
    int PressedItem = -1; // the caption held down, -1 none

private:
    void HookHeader(win::HWND header);
    void UnhookHeader();
    void HeaderWndProc(win::Message& msg);
    void PaintHeader(win::HDC dc);
    bool ReportView() const;
};

class TacTreeViewWnd : public TacEditWnd {
    TV_CLASS(TacTreeViewWnd, TacEditWnd)
public:
    TacTreeViewWnd(win::HWND wnd, bool repaint, TsSkinManager* sm = nullptr, TsCommonData* link = nullptr,
                   bool subclass = true);
    ~TacTreeViewWnd() override;
    void RestoreControlColors() override;
    void ApplySkinColors() override;
    void WndProc(win::Message& msg) override;
};

} // namespace tv

#pragma once
// How a control that holds an editor inside itself (a grid cell) and the
// editor talk: the holder sees the editor's messages and keys first, and
// sets up the editor's look and handlers.
#include "framework/ui/controls.h"

namespace tv {

class TWinControl;

class IInplaceEditHolderEh {
public:
    virtual ~IInplaceEditHolderEh() = default;
    virtual bool EditorCanModify(TWinControl* editor) = 0;
    // The screen point and message time of the holder's last mouse-down; the
    // holder forgets the time once asked.
    virtual bool GetLastMouseDown(win::POINT& pos, win::DWORD& time) = 0;
    // A non-zero message result stops the editor's own processing.
    virtual void FilterEditorMessage(TWinControl* editor, Message& msg) = 0;
    // A key or character set to 0 is consumed.
    virtual void FilterEditorKeyDown(TWinControl* editor, win::WORD& key, TShiftState shift) = 0;
    virtual void FilterEditorKeyPress(TWinControl* editor, char32_t& key) = 0;
    virtual void FilterEditorKeyUp(TWinControl* editor, win::WORD& key, TShiftState shift) = 0;
};

class IInplaceEditorEh {
public:
    virtual ~IInplaceEditorEh() = default;
    virtual TFont* GetEditorFont() = 0;
    virtual void SetInplaceEditHolder(TWinControl* holder) = 0;
    virtual void SetEditorBorderStyle(TBorderStyle style) = 0;
    virtual void SetEditorFont(TFont* font) = 0;
    virtual void SetEditorColor(TColor color) = 0;
    virtual void SetOnKeyPress(TKeyPressEvent handler) = 0;
    virtual void SetOnExit(TNotifyEvent handler) = 0;
};

} // namespace tv

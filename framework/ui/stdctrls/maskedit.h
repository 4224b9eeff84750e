#pragma once
// TCustomMaskEdit and TMaskEdit: an edit whose text follows an edit mask
// (framework/ui/stdctrls/editmask.h). EditText is the text as shown, with
// literals and blanks; Text is the value, with literals only when the mask
// keeps them. Without a mask it is a plain edit.
#include <string>

#include "framework/ui/stdctrls/edit.h"
#include "framework/ui/stdctrls/editmask.h"

namespace tv {

class TCustomMaskEdit : public TCustomEdit {
    TV_CLASS(TCustomMaskEdit, TCustomEdit)
public:
    explicit TCustomMaskEdit(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);

    const std::string& EditMask() const { return mask_.Source(); }
    // Raises EDBEditError for a mask that does not parse; the old mask stays.
    void SetEditMask(const std::string& v);
    bool IsMasked() const { return !mask_.Empty(); }
    const TEditMask& Mask() const { return mask_; }
    std::string EditText();
    void SetEditText(const std::string& v);
    // Raises EDBEditError (SMaskEditErr) when a required position is blank,
    // with the caret put on it.
    virtual void ValidateEdit();
    // Back to the text the control had when it took the focus.
    virtual void Reset();
    // Moves a caret that sits on a literal to the next editable position.
    void CheckCursor();
    void SetCursor(int pos);

    void Dispatch(Message& msg) override;

protected:
    std::string GetText() override;
    void SetTextBuf(const std::string& v) override;
    virtual bool EditCanModify() { return !ReadOnly(); }
    void KeyDown(win::WORD& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void Apply(std::u32string text, int selStart, int selEnd, bool changed);
    void GetSel(int& a, int& b);
    TEditMask mask_;
    std::string oldValue_;
};

class TMaskEdit : public TCustomMaskEdit {
    TV_CLASS(TMaskEdit, TCustomMaskEdit)
public:
    using TCustomMaskEdit::TCustomMaskEdit;
    static void Publish(TPublisher& p);
};

} // namespace tv

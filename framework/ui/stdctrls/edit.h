#pragma once
// TCustomEdit and TEdit: a control over the platform's edit window. Positions
// and MaxLength count characters.
#include <memory>
#include <string>

#include "framework/ui/controls.h"

namespace tv {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
extern const TEnumInfo TEditCharCaseInfo;

class TCustomEdit : public TWinControl {
    TV_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* owner = nullptr);
    ~TCustomEdit() override;
    static void Publish(TPublisher& p);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Modified();
    void SetModified(bool v);

    int SelStart();
    void SetSelStart(int v);
    int SelLength();
    void SetSelLength(int v);
    std::string SelText();
    void SetSelText(const std::string& v);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(""); }
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo();
    void ClearUndo();

    void Dispatch(Message& msg) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    std::string GetText() override;
    void DoEnter() override;
    virtual void Change();
    // The platform procedure of the edit window class, which this control subclasses.
    void UseEditClass(TCreateParams& params);
    bool creatingWnd_ = false;

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    char32_t passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    bool autoSelect_ = true;
    bool hideSelection_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool modified_ = false; // kept while the window is away
    std::unique_ptr<TBrush> brush_;
};

class TEdit : public TCustomEdit {
    TV_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* owner = nullptr);
    static void Publish(TPublisher& p);
};

} // namespace tv

#pragma once
// TCustomMemo and TMemo: an edit of several lines. Lines are the text's own
// lines (broken at line breaks), not the wrapped rows the window shows, so
// reading them back gives what was written.
#include <memory>

#include "core/stringlist.h"
#include "framework/ui/stdctrls/edit.h"

namespace tv {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
extern const TEnumInfo TScrollStyleInfo;

class TCustomMemo : public TCustomEdit {
    TV_CLASS(TCustomMemo, TCustomEdit)
public:
    explicit TCustomMemo(TComponent* owner = nullptr);
    ~TCustomMemo() override;
    static void Publish(TPublisher& p);

    TStrings* Lines() const { return lines_.get(); }
    void SetLines(TStrings* v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool v) { wantReturns_ = v; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool v) { wantTabs_ = v; }
    // The row (0-based) and column of the caret.
    win::POINT CaretPos();

    void Dispatch(Message& msg) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyPress(char32_t& key) override;

private:
    std::unique_ptr<TStrings> lines_;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
    bool wantReturns_ = true, wantTabs_ = false;
};

class TMemo : public TCustomMemo {
    TV_CLASS(TMemo, TCustomMemo)
public:
    using TCustomMemo::TCustomMemo;
    static void Publish(TPublisher&) {}
};

} // namespace tv

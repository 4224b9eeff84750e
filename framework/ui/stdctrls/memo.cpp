#include "framework/ui/stdctrls/memo.h"

#include <vector>

#include "platform/controls/edit.h"
#include "platform/window/queue.h"
#include "platform/window/scrollbar.h"

namespace tv {

using namespace tv::win;

const TEnumInfo TScrollStyleInfo{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};

namespace {

// The memo's lines, read from and written to its text.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}
    int Count() const override { return int(Split().size()); }
    std::string Strings(int index) const override {
        auto l = Split();
        if (index < 0 || index >= int(l.size())) throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
        return l[size_t(index)];
    }
    void SetStrings(int index, const std::string& s) override {
        auto l = Split();
        if (index < 0 || index >= int(l.size())) throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
        l[size_t(index)] = s;
        Join(l);
    }
    void Insert(int index, const std::string& s) override {
        auto l = Split();
        if (index < 0 || index > int(l.size())) throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
        l.insert(l.begin() + index, s);
        Join(l);
    }
    void Delete(int index) override {
        auto l = Split();
        if (index < 0 || index >= int(l.size())) throw EStringListError("Índice de lista fuera de los límites (" + std::to_string(index) + ")");
        l.erase(l.begin() + index);
        Join(l);
    }
    void Clear() override { memo_->SetText(""); }
    void SetText(std::string_view text) override {
        std::string t(text);
        // A closing line break adds no line.
        if (t.size() >= 2 && t.compare(t.size() - 2, 2, "\r\n") == 0) t.resize(t.size() - 2);
        else if (!t.empty() && t.back() == '\n') t.pop_back();
        memo_->SetText(t);
    }

private:
    std::vector<std::string> Split() const {
        std::string t = memo_->Text();
        std::vector<std::string> out;
        if (t.empty()) return out;
        size_t start = 0;
        while (true) {
            size_t br = t.find_first_of("\r\n", start);
            if (br == std::string::npos) {
                out.push_back(t.substr(start));
                break;
            }
            out.push_back(t.substr(start, br - start));
            start = br + ((t[br] == '\r' && br + 1 < t.size() && t[br + 1] == '\n') ? 2 : 1);
            if (start >= t.size()) break;
        }
        return out;
    }
    void Join(const std::vector<std::string>& l) {
        std::string t;
        for (size_t i = 0; i < l.size(); ++i) {
            if (i) t += "\r\n";
            t += l[i];
        }
        memo_->SetText(t);
    }
    TCustomMemo* memo_;
};

} // namespace

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
    controlStyle_.Exclude(csFixedHeight);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::Publish(TPublisher& p) {
    p.Enum("Alignment", &TCustomMemo::Alignment, &TCustomMemo::SetAlignment, TAlignmentInfo).Default(taLeftJustify);
    p.Object("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines);
    p.Enum("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, TScrollStyleInfo).Default(ssNone);
    p.Boolean("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns).Default(true);
    p.Boolean("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs).Default(false);
    p.Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap).Default(true);
}

void TCustomMemo::SetLines(TStrings* v) { lines_->Assign(v); }

void TCustomMemo::SetWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle v) {
    if (v == scrollBars_) return;
    scrollBars_ = v;
    RecreateWnd();
}

void TCustomMemo::SetAlignment(TAlignment v) {
    if (v == alignment_) return;
    alignment_ = v;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style &= ~(ES_AUTOHSCROLL | ES_WANTRETURN);
    p.Style |= ES_MULTILINE;
    if (wantReturns_) p.Style |= ES_WANTRETURN;
    if (!wordWrap_) p.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.Style |= WS_VSCROLL;
    if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !wordWrap_) p.Style |= WS_HSCROLL;
    if (alignment_ == taRightJustify) p.Style |= ES_RIGHT;
    else if (alignment_ == taCenter) p.Style |= ES_CENTER;
}

POINT TCustomMemo::CaretPos() {
    DWORD a = 0;
    SendMessage(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&a), 0);
    LONG row = LONG(SendMessage(handle_, EM_LINEFROMCHAR, a, 0));
    LONG col = LONG(a) - LONG(SendMessage(handle_, EM_LINEINDEX, WPARAM(row), 0));
    return {col, row};
}

void TCustomMemo::KeyPress(char32_t& key) {
    TCustomEdit::KeyPress(key);
    if ((key == U'\r' && !wantReturns_) || (key == U'\t' && !wantTabs_)) key = 0;
}

void TCustomMemo::Dispatch(Message& msg) {
    if (msg.Msg == WM_GETDLGCODE) {
        TCustomEdit::Dispatch(msg);
        msg.Result &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        if (wantReturns_) msg.Result |= DLGC_WANTALLKEYS;
        if (wantTabs_) msg.Result |= DLGC_WANTTAB;
        return;
    }
    TCustomEdit::Dispatch(msg);
}

} // namespace tv

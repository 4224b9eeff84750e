#pragma once
// TCustomRichEdit and TRichEdit: an edit of formatted paragraphs over the
// platform's rich-edit window; its lines (TRichEditStrings) load and save
// rich text (RTF). The formatting of the selection and of new text is read
// and set through TTextAttributes, the selection's paragraphs' alignment
// through TParaAttributes.
#include <memory>
#include <string>

#include "core/stringlist.h"
#include "framework/ui/stdctrls/memo.h"

namespace tv {

class TCustomRichEdit;

enum TAttributeType { atSelected, atDefaultText };

class TTextAttributes : public TPersistent {
    TV_CLASS(TTextAttributes, TPersistent)
public:
    TTextAttributes(TCustomRichEdit* edit, TAttributeType type) : edit_(edit), type_(type) {}
    std::string Name() const;
    void SetName(const std::string& v);
    int Size() const; // points
    void SetSize(int v);
    TFontStyles Style() const;
    void SetStyle(TFontStyles v);
    // clWindowText stands for the automatic colour.
    TColor Color() const;
    void SetColor(TColor v);
    // Takes a font's name, size, style and colour.
    void Assign(TPersistent* source) override;

private:
    struct Format;
    Format Get() const;
    void Set(win::DWORD mask, const Format& f);
    TCustomRichEdit* edit_;
    TAttributeType type_;
};

class TParaAttributes : public TPersistent {
    TV_CLASS(TParaAttributes, TPersistent)
public:
    explicit TParaAttributes(TCustomRichEdit* edit) : edit_(edit) {}
    TAlignment Alignment() const;
    void SetAlignment(TAlignment v);

private:
    TCustomRichEdit* edit_;
};

// The lines of a rich edit as its window shows them. Streams are RTF unless
// the edit is PlainText; loading falls back to plain text when the bytes are
// not RTF.
class TRichEditStrings : public TStrings {
    TV_CLASS(TRichEditStrings, TStrings)
public:
    explicit TRichEditStrings(TCustomRichEdit* edit) : edit_(edit) {}
    TCustomRichEdit* RichEdit() const { return edit_; }
    int Count() const override;
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void AddStrings(const TStrings* strings) override;
    void SetText(std::string_view text) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;

protected:
    void SetUpdateState(bool updating) override;

private:
    TCustomRichEdit* edit_;
};

enum TSearchType { stWholeWord, stMatchCase };
using TSearchTypes = TSet<TSearchType>;

// A memo whose window is the rich-edit window; its lines are rich.
class TCustomRichEdit : public TCustomMemo {
    TV_CLASS(TCustomRichEdit, TCustomMemo)
public:
    explicit TCustomRichEdit(TComponent* owner = nullptr);
    ~TCustomRichEdit() override;
    static void Publish(TPublisher& p);

    TStrings* Lines() const { return lines_.get(); }
    void SetLines(TStrings* v) { lines_->Assign(v); }
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool v) { plainText_ = v; }
    TTextAttributes* SelAttributes() const { return selAttributes_.get(); }
    TTextAttributes* DefAttributes() const { return defAttributes_.get(); }
    TParaAttributes* Paragraph() const { return paragraph_.get(); }

    // Where the text is found in [start, start + length), or -1.
    int FindText(const std::string& text, int start, int length, TSearchTypes options);
    // The selection's text (paragraph breaks as CR LF).
    std::string SelText();

    // A window to live in when the edit has no parent (a hidden edit that
    // only keeps text).
    void SetParentWindow(win::HWND wnd) { parentWindow_ = wnd; }

    void Dispatch(Message& msg) override;

    TNotifyEvent OnSelectionChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void DestroyWnd() override;
    virtual void SelectionChange();

private:
    std::unique_ptr<TRichEditStrings> lines_;
    std::unique_ptr<TTextAttributes> selAttributes_, defAttributes_;
    std::unique_ptr<TParaAttributes> paragraph_;
    bool plainText_ = false;
    win::HWND parentWindow_ = nullptr;
    std::string keptRtf_; // the text while the window is made again
};

class TRichEdit : public TCustomRichEdit {
    TV_CLASS(TRichEdit, TCustomRichEdit)
public:
    using TCustomRichEdit::TCustomRichEdit;
    static void Publish(TPublisher& p);
};

} // namespace tv

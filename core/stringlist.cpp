#include "core/stringlist.h"

#include <utility>

#include "core/exceptions.h"
#include "core/formreader.h"
#include "core/formwriter.h"
#include "core/rtlconsts.h"
#include "core/scopeguards.h"
#include "core/streams.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {
bool IsBlank(char c) { return c != 0 && static_cast<unsigned char>(c) <= ' '; }
} // namespace

// --- TStrings ------------------------------------------------------------------

void TStrings::Error(int index) const {
    throw EStringListError(Format(LoadResString(SListIndexError), index));
}

void TStrings::SetStrings(int index, const std::string& s) {
    TObject* obj = Objects(index);
    Delete(index);
    InsertObject(index, s, obj);
}

int TStrings::Add(const std::string& s) {
    int result = Count();
    Insert(result, s);
    return result;
}

int TStrings::AddObject(const std::string& s, TObject* obj) {
    int result = Add(s);
    SetObjects(result, obj);
    return result;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* obj) {
    Insert(index, s);
    SetObjects(index, obj);
}

void TStrings::AddStrings(const TStrings* strings) {
    if (!strings) return;
    TUpdateLock<TStrings> guard(this);
    // Counted first so that adding a list to itself ends.
    int n = strings->Count();
    for (int i = 0; i < n; ++i) AddObject(strings->Strings(i), strings->Objects(i));
}

void TStrings::Assign(TPersistent* source) {
    if (auto* src = dynamic_cast<TStrings*>(source)) {
        if (src == this) return;
        TUpdateLock<TStrings> guard(this);
        Clear();
        AddStrings(src);
        return;
    }
    TPersistent::Assign(source);
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return AnsiCompareText(a, b); }

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Strings(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        std::string s = Strings(i);
        auto p = s.find(nameValueSeparator_);
        if (p != std::string::npos && CompareStrings(std::string_view(s).substr(0, p), name) == 0) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* obj) const {
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == obj) return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2) {
    TUpdateLock<TStrings> guard(this);
    std::string s = Strings(index1);
    TObject* o = Objects(index1);
    SetStrings(index1, Strings(index2));
    SetObjects(index1, Objects(index2));
    SetStrings(index2, s);
    SetObjects(index2, o);
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    TUpdateLock<TStrings> guard(this);
    std::string s = Strings(curIndex);
    TObject* o = Objects(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, s, o);
}

bool TStrings::Equals(const TStrings* other) const {
    if (!other || other->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Strings(i) != other->Strings(i)) return false;
    return true;
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ <= 0) return;
    if (--updateCount_ == 0) SetUpdateState(false);
}

std::string TStrings::Names(int index) const {
    std::string s = Strings(index);
    auto p = s.find(nameValueSeparator_);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValues(std::string_view name, const std::string& value) {
    int i = IndexOfName(name);
    if (!value.empty()) {
        if (i < 0) i = Add(std::string());
        SetStrings(i, std::string(name) + nameValueSeparator_ + value);
    } else if (i >= 0) {
        Delete(i);
    }
}

std::string TStrings::ValueFromIndex(int index) const {
    std::string s = Strings(index);
    auto p = s.find(nameValueSeparator_);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
    if (!value.empty()) {
        if (index < 0) index = Add(std::string());
        SetStrings(index, Names(index) + nameValueSeparator_ + value);
    } else if (index >= 0) {
        Delete(index);
    }
}

std::string TStrings::Text() const {
    std::string result;
    for (int i = 0; i < Count(); ++i) {
        result += Strings(i);
        result += sLineBreak;
    }
    return result;
}

void TStrings::SetText(std::string_view text) {
    TUpdateLock<TStrings> guard(this);
    Clear();
    std::size_t p = 0;
    while (p < text.size()) {
        std::size_t start = p;
        while (p < text.size() && text[p] != '\r' && text[p] != '\n') ++p;
        Add(std::string(text.substr(start, p - start)));
        if (p < text.size() && text[p] == '\r') ++p;
        if (p < text.size() && text[p] == '\n') ++p;
    }
}

std::string TStrings::DelimitedText() const { return JoinDelimited(delimiter_, quoteChar_); }

void TStrings::SetDelimitedText(std::string_view text) { SplitDelimited(text, delimiter_, quoteChar_); }

std::string TStrings::CommaText() const { return JoinDelimited(',', '"'); }

void TStrings::SetCommaText(std::string_view text) { SplitDelimited(text, ',', '"'); }

std::string TStrings::JoinDelimited(char delimiter, char quoteChar) const {
    int n = Count();
    if (n == 1 && Strings(0).empty()) return std::string(2, quoteChar);
    std::string result;
    for (int i = 0; i < n; ++i) {
        std::string s = Strings(i);
        bool quote = false;
        for (char c : s)
            if (static_cast<unsigned char>(c) <= ' ' || c == quoteChar || c == delimiter) {
                quote = true;
                break;
            }
        if (quote) s = AnsiQuotedStr(s, quoteChar);
        if (i > 0) result += delimiter;
        result += s;
    }
    return result;
}

void TStrings::SplitDelimited(std::string_view text, char delimiter, char quoteChar) {
    TUpdateLock<TStrings> guard(this);
    Clear();
    std::size_t p = 0;
    const std::size_t n = text.size();
    while (p < n && IsBlank(text[p])) ++p;
    while (p < n) {
        std::string s;
        if (text[p] == quoteChar) {
            // A quoted item: doubled quotes stand for one; an unclosed quote
            // takes the rest of the text.
            ++p;
            while (p < n) {
                if (text[p] == quoteChar) {
                    if (p + 1 < n && text[p + 1] == quoteChar) {
                        s += quoteChar;
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                s += text[p++];
            }
        } else {
            std::size_t start = p;
            while (p < n && static_cast<unsigned char>(text[p]) > ' ' && text[p] != delimiter) ++p;
            s.assign(text.substr(start, p - start));
        }
        Add(s);
        while (p < n && IsBlank(text[p])) ++p;
        if (p < n && text[p] == delimiter) {
            if (p + 1 == n) Add(std::string());
            do {
                ++p;
            } while (p < n && IsBlank(text[p]));
        }
    }
}

void TStrings::LoadFromStream(TStream& stream) {
    std::string data = stream.ReadToEnd();
    if (data.size() >= 3 && data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
    SetText(EnsureUtf8(data));
}

void TStrings::SaveToStream(TStream& stream) const { stream.WriteString(Text()); }

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TStrings::DefineProperties(TFiler& filer) {
    bool hasData;
    if (auto* ancestor = dynamic_cast<TStrings*>(filer.Ancestor()))
        hasData = !Equals(ancestor);
    else
        hasData = Count() > 0;
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            reader.ReadListBegin();
            TUpdateLock<TStrings> guard(this);
            Clear();
            while (!reader.EndOfList()) Add(reader.ReadString());
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i) writer.WriteString(Strings(i));
            writer.WriteListEnd();
        },
        hasData);
}

// --- TStringList ---------------------------------------------------------------

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) Error(index);
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

std::string TStringList::Strings(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].str;
}

void TStringList::SetStrings(int index, const std::string& s) {
    if (sorted_) throw EStringListError(LoadResString(SSortedListError));
    CheckIndex(index);
    Changing();
    items_[static_cast<std::size_t>(index)].str = s;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[static_cast<std::size_t>(index)].obj;
}

void TStringList::SetObjects(int index, TObject* obj) {
    CheckIndex(index);
    Changing();
    items_[static_cast<std::size_t>(index)].obj = obj;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    if (sorted_) throw EStringListError(LoadResString(SSortedListError));
    if (index < 0 || index > Count()) Error(index);
    InsertItem(index, s, nullptr);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* obj) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, obj});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* obj) {
    int index;
    if (!sorted_) {
        index = Count();
    } else if (Find(s, index)) {
        switch (duplicates_) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            throw EStringListError(LoadResString(SDuplicateString));
        case TDuplicates::dupAccept:
            break;
        }
    }
    InsertItem(index, s, obj);
    return index;
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_) return TStrings::IndexOf(s);
    int index;
    return Find(s, index) ? index : -1;
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
    Changed();
}

bool TStringList::Find(std::string_view s, int& index) const {
    bool result = false;
    int l = 0, h = Count() - 1;
    while (l <= h) {
        int i = (l + h) / 2;
        int c = CompareStrings(items_[static_cast<std::size_t>(i)].str, s);
        if (c < 0) {
            l = i + 1;
        } else {
            h = i - 1;
            if (c == 0) {
                result = true;
                if (duplicates_ != TDuplicates::dupAccept) l = i;
            }
        }
    }
    index = l;
    return result;
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

void TStringList::Sort() {
    CustomSort([](TStringList& list, int i, int j) {
        return list.CompareStrings(list.items_[static_cast<std::size_t>(i)].str,
                                   list.items_[static_cast<std::size_t>(j)].str);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    if (sorted_ || Count() < 2 || !compare) return;
    Changing();
    QuickSort(0, Count() - 1, compare);
    Changed();
}

void TStringList::QuickSort(int l, int r, const TStringListSortCompare& compare) {
    int i;
    do {
        i = l;
        int j = r;
        int p = (l + r) / 2;
        do {
            // The bounds keep a comparison that is not a strict order from
            // running off the list.
            while (i < r && compare(*this, i, p) < 0) ++i;
            while (j > l && compare(*this, j, p) > 0) --j;
            if (i <= j) {
                if (i != j) std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j) QuickSort(l, j, compare);
        l = i;
    } while (i < r);
}

void TStringList::SetSorted(bool value) {
    if (sorted_ == value) return;
    if (value) Sort();
    sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (caseSensitive_ == value) return;
    caseSensitive_ = value;
    // A sorted list must follow the new order, or Find would miss entries.
    if (sorted_) {
        sorted_ = false;
        Sort();
        sorted_ = true;
    }
}

} // namespace tv

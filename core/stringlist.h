#pragma once
// TStrings, the framework's abstract list of strings with an object beside
// each, and TStringList, its in-memory form with sorting, duplicate rules and
// change events.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/persistent.h"

namespace tv {

class TStream;

// The framework's line break, written by Text and SaveToFile. Reading accepts
// CR LF, LF and CR alike.
inline constexpr std::string_view sLineBreak = "\r\n";

class TStrings : public TPersistent {
    TV_CLASS(TStrings, TPersistent)
public:
    TStrings() = default;

    // --- what a concrete list provides ---
    virtual int Count() const = 0;
    virtual std::string Strings(int index) const = 0;
    virtual void SetStrings(int index, const std::string& s);
    virtual TObject* Objects(int index) const { return nullptr; }
    virtual void SetObjects(int index, TObject* obj) {}
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* obj);
    void Append(const std::string& s) { Add(s); }
    void InsertObject(int index, const std::string& s, TObject* obj);
    virtual void AddStrings(const TStrings* strings);
    void Assign(TPersistent* source) override;

    virtual int IndexOf(std::string_view s) const;
    // Index of the first "name=value" entry with that name (case-insensitive), -1 when none.
    virtual int IndexOfName(std::string_view name) const;
    int IndexOfObject(const TObject* obj) const;
    virtual void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);
    bool Equals(const TStrings* other) const;

    // Updates are counted; the change notice comes once at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // --- name=value pairs ---
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    // An empty value deletes the entry.
    void SetValues(std::string_view name, const std::string& value);
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }

    // --- whole texts ---
    // Every line followed by the line break.
    virtual std::string Text() const;
    virtual void SetText(std::string_view text);
    // Items separated by Delimiter; an item holding a blank, a control
    // character, the quote or the delimiter is quoted with inner quotes doubled.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    // DelimitedText with "," and '"'.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    char Delimiter() const { return delimiter_; }
    void SetDelimiter(char c) { delimiter_ = c; }
    char QuoteChar() const { return quoteChar_; }
    void SetQuoteChar(char c) { quoteChar_ = c; }

    // --- files and streams (UTF-8; Latin-1 text is converted when read) ---
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    // Stores the lines as the defined property "Strings".
    void DefineProperties(TFiler& filer) override;

protected:
    // Entering (true) and leaving (false) the outermost update.
    virtual void SetUpdateState(bool updating) {}
    // Compares two strings as the list does (the base ignores case).
    virtual int CompareStrings(std::string_view a, std::string_view b) const;
    [[noreturn]] void Error(int index) const;

private:
    std::string JoinDelimited(char delimiter, char quoteChar) const;
    void SplitDelimited(std::string_view text, char delimiter, char quoteChar);

    int updateCount_ = 0;
    char delimiter_ = ',';
    char quoteChar_ = '"';
    char nameValueSeparator_ = '=';
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
inline constexpr TDuplicates dupIgnore = TDuplicates::dupIgnore;
inline constexpr TDuplicates dupAccept = TDuplicates::dupAccept;
inline constexpr TDuplicates dupError = TDuplicates::dupError;

class TStringList : public TStrings {
    TV_CLASS(TStringList, TStrings)
public:
    TStringList() = default;

    // Negative, zero or positive, comparing the entries at two indexes.
    using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;
    using TNotifyEvent = std::function<void(TObject* sender)>;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* obj) override;
    // Insert raises EStringListError "Operation not allowed on sorted list" when sorted.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    // Sorted lists insert in order and apply the duplicate rule: ignore returns
    // the existing index, error raises "String list does not allow duplicates".
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* obj) override;
    int IndexOf(std::string_view s) const override;
    void Exchange(int index1, int index2) override;

    // Binary search of a sorted list: true when found; `index` is the first
    // matching entry or where `s` would go.
    virtual bool Find(std::string_view s, int& index) const;
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    // Case-insensitive comparison knows the Spanish letters (ñ, accents).
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(std::string_view a, std::string_view b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string str;
        TObject* obj = nullptr;
    };
    void InsertItem(int index, const std::string& s, TObject* obj);
    void QuickSort(int l, int r, const TStringListSortCompare& compare);
    void CheckIndex(int index) const;

    std::vector<Item> items_;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = dupIgnore;
};

} // namespace tv

#include "core/inifiles.h"

#include <unordered_map>
#include <vector>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/filestore.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

// Sections and keys are found through maps of their case-folded names, so a
// file of many thousand keys reads in linear time.
struct IniDocument {
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> keys;
    };
    std::vector<Section> sections;
    std::unordered_map<std::string, std::size_t> names;

    static std::string Fold(std::string_view s) { return AnsiLowerCase(s); }

    void Clear() {
        sections.clear();
        names.clear();
    }

    Section* Find(std::string_view name) {
        auto it = names.find(Fold(name));
        return it == names.end() ? nullptr : &sections[it->second];
    }
    const Section* Find(std::string_view name) const { return const_cast<IniDocument*>(this)->Find(name); }

    Section& AddSection(const std::string& name) {
        names.emplace(Fold(name), sections.size());
        sections.push_back({name, {}, {}});
        return sections.back();
    }

    static Entry* FindEntry(Section& s, std::string_view key) {
        auto it = s.keys.find(Fold(key));
        return it == s.keys.end() ? nullptr : &s.entries[it->second];
    }

    static void AddEntry(Section& s, const std::string& key, const std::string& value) {
        s.keys.emplace(Fold(key), s.entries.size());
        s.entries.push_back({key, value});
    }

    const std::string* Value(std::string_view section, std::string_view key) const {
        const Section* s = Find(section);
        if (!s) return nullptr;
        const Entry* e = FindEntry(const_cast<Section&>(*s), key);
        return e ? &e->value : nullptr;
    }

    void Set(const std::string& section, const std::string& key, const std::string& value) {
        Section* s = Find(section);
        if (!s) s = &AddSection(section);
        if (Entry* e = FindEntry(*s, key)) e->value = value;
        else AddEntry(*s, key, value);
    }

    bool Erase(std::string_view section) {
        auto it = names.find(Fold(section));
        if (it == names.end()) return false;
        sections.erase(sections.begin() + std::ptrdiff_t(it->second));
        names.clear();
        for (std::size_t i = 0; i < sections.size(); ++i) names.emplace(Fold(sections[i].name), i);
        return true;
    }

    bool EraseKey(std::string_view section, std::string_view key) {
        Section* s = Find(section);
        if (!s) return false;
        auto it = s->keys.find(Fold(key));
        if (it == s->keys.end()) return false;
        s->entries.erase(s->entries.begin() + std::ptrdiff_t(it->second));
        s->keys.clear();
        for (std::size_t i = 0; i < s->entries.size(); ++i) s->keys.emplace(Fold(s->entries[i].key), i);
        return true;
    }

    // Lines are "[section]", "key=value", comments after ";" and blank lines;
    // names and values are trimmed. Lines before the first section are ignored.
    void Parse(std::string_view text) {
        Clear();
        const std::string utf8 = EnsureUtf8(text);
        std::string_view rest(utf8);
        if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
        Section* current = nullptr;
        while (!rest.empty()) {
            const std::size_t eol = rest.find_first_of("\r\n");
            const std::string line = Trim(rest.substr(0, eol));
            if (eol == std::string_view::npos) {
                rest = {};
            } else {
                rest.remove_prefix(eol + (rest.substr(eol, 2) == "\r\n" ? 2 : 1));
            }
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                const std::size_t close = line.find(']');
                const std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
                current = Find(name);
                if (!current) current = &AddSection(name);
                continue;
            }
            const std::size_t eq = line.find('=');
            if (!current || eq == std::string::npos) continue;
            const std::string key = Trim(line.substr(0, eq));
            if (!FindEntry(*current, key)) AddEntry(*current, key, Trim(line.substr(eq + 1)));
        }
    }

    std::string Text() const {
        std::string out;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            if (i > 0) out += '\n';
            out += '[' + sections[i].name + "]\n";
            for (const Entry& e : sections[i].entries) out += e.key + '=' + e.value + '\n';
        }
        return out;
    }
};

namespace {

void Load(const std::string& fileName, IniDocument& doc) {
    std::string text, reason;
    switch (ReadStoreFile(fileName, text, reason)) {
    case FileStoreStatus::Missing: doc.Clear(); break;
    case FileStoreStatus::Failed: throw EIniFileException(Format(LoadResString(SIniFileReadError), fileName, reason));
    case FileStoreStatus::Ok: doc.Parse(text); break;
    }
}

void Save(const std::string& fileName, const IniDocument& doc) {
    std::string reason;
    if (!WriteStoreFile(fileName, doc.Text(), false, reason))
        throw EIniFileException(Format(LoadResString(SIniFileWriteError), fileName, reason));
}

// Names and values go into a single line each; line breaks would split them,
// and a key starting with ";" would read back as a comment.
void CheckWritable(const std::string& section, const std::string& ident, const std::string& value) {
    auto bad = [](const std::string& s, bool isName) {
        return s.find_first_of("\r\n") != std::string::npos || (isName && s.find_first_of("[]=") != std::string::npos);
    };
    const std::string key = Trim(ident);
    if (bad(section, false) || section.find(']') != std::string::npos || bad(ident, true) || bad(value, false) ||
        key.empty() || key[0] == ';')
        throw EIniFileException(Format(LoadResString(SIniFileInvalidEntry), section, ident));
}

void FillSection(const IniDocument& doc, const std::string& section, TStrings& strings, bool withValues) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        if (const IniDocument::Section* s = doc.Find(section))
            for (const IniDocument::Entry& e : s->entries) strings.Add(withValues ? e.key + '=' + e.value : e.key);
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

void FillSections(const IniDocument& doc, TStrings& strings) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (const IniDocument::Section& s : doc.sections) strings.Add(s.name);
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

} // namespace

// --- TCustomIniFile ---------------------------------------------------------------------

TCustomIniFile::TCustomIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
TCustomIniFile::~TCustomIniFile() = default;

bool TCustomIniFile::SectionExists(const std::string& section) { return Document().Find(section) != nullptr; }

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) {
    return Document().Value(section, ident) != nullptr;
}

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) {
    return StrToIntDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& section, const std::string& ident, double def) {
    return StrToFloatDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteFloat(const std::string& section, const std::string& ident, double value) {
    WriteString(section, ident, FloatToStr(value));
}

TDateTime TCustomIniFile::ReadDate(const std::string& section, const std::string& ident, TDateTime def) {
    TDateTime v;
    return TryStrToDate(ReadString(section, ident, ""), v) ? v : def;
}

void TCustomIniFile::WriteDate(const std::string& section, const std::string& ident, TDateTime value) {
    WriteString(section, ident, DateToStr(value));
}

TDateTime TCustomIniFile::ReadDateTime(const std::string& section, const std::string& ident, TDateTime def) {
    TDateTime v;
    return TryStrToDateTime(ReadString(section, ident, ""), v) ? v : def;
}

void TCustomIniFile::WriteDateTime(const std::string& section, const std::string& ident, TDateTime value) {
    WriteString(section, ident, DateTimeToStr(value));
}

TDateTime TCustomIniFile::ReadTime(const std::string& section, const std::string& ident, TDateTime def) {
    TDateTime v;
    return TryStrToTime(ReadString(section, ident, ""), v) ? v : def;
}

void TCustomIniFile::WriteTime(const std::string& section, const std::string& ident, TDateTime value) {
    WriteString(section, ident, TimeToStr(value));
}

// --- TIniFile ----------------------------------------------------------------------------

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)), doc_(std::make_unique<IniDocument>()) {}
TIniFile::~TIniFile() = default;

const IniDocument& TIniFile::Document() {
    Load(FileName(), *doc_);
    return *doc_;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) {
    const std::string* v = Document().Value(section, ident);
    return v ? *v : def;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    CheckWritable(section, ident, value);
    Load(FileName(), *doc_);
    doc_->Set(Trim(section), Trim(ident), Trim(value));
    Save(FileName(), *doc_);
}

void TIniFile::ReadSection(const std::string& section, TStrings& strings) {
    FillSection(Document(), section, strings, false);
}

void TIniFile::ReadSections(TStrings& strings) { FillSections(Document(), strings); }

void TIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    FillSection(Document(), section, strings, true);
}

void TIniFile::EraseSection(const std::string& section) {
    Load(FileName(), *doc_);
    if (doc_->Erase(section)) Save(FileName(), *doc_);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    Load(FileName(), *doc_);
    if (doc_->EraseKey(section, ident)) Save(FileName(), *doc_);
}

// --- TMemIniFile ---------------------------------------------------------------------------

TMemIniFile::TMemIniFile(std::string fileName)
    : TCustomIniFile(std::move(fileName)), doc_(std::make_unique<IniDocument>()) {
    Load(FileName(), *doc_);
}

TMemIniFile::~TMemIniFile() = default;

const IniDocument& TMemIniFile::Document() { return *doc_; }

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) {
    const std::string* v = doc_->Value(section, ident);
    return v ? *v : def;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
    CheckWritable(section, ident, value);
    doc_->Set(Trim(section), Trim(ident), Trim(value));
}

void TMemIniFile::ReadSection(const std::string& section, TStrings& strings) {
    FillSection(*doc_, section, strings, false);
}

void TMemIniFile::ReadSections(TStrings& strings) { FillSections(*doc_, strings); }

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings& strings) {
    FillSection(*doc_, section, strings, true);
}

void TMemIniFile::EraseSection(const std::string& section) { doc_->Erase(section); }
void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) { doc_->EraseKey(section, ident); }
void TMemIniFile::UpdateFile() { Save(FileName(), *doc_); }
void TMemIniFile::Clear() { doc_->Clear(); }

void TMemIniFile::GetStrings(TStrings& strings) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (const IniDocument::Section& s : doc_->sections) {
            strings.Add('[' + s.name + ']');
            for (const IniDocument::Entry& e : s.entries) strings.Add(e.key + '=' + e.value);
            strings.Add("");
        }
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

void TMemIniFile::SetStrings(const TStrings& strings) {
    std::string text;
    for (int i = 0; i < strings.Count(); ++i) text += strings.Strings(i) + '\n';
    doc_->Parse(text);
}

} // namespace tv

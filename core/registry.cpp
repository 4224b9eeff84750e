#include "core/registry.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "core/exceptions.h"
#include "core/sysconsts.h"
#include "core/filestore.h"
#include "core/stringlist.h"
#include "core/strutils.h"
#include "core/sysformat.h"

namespace tv {

namespace {

// A name as the store compares it: letters folded as SameText folds them.
std::string Folded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) Utf8Append(out, CharLower(Utf8Next(s, pos)));
    return out;
}

// One root key: every key by its path from the root ("" is the root itself),
// parents listed before their children. Keys and values are found by their
// folded names, so reading a store takes time in proportion to its size.
struct Store {
    struct Value {
        std::string name;
        TRegDataType type = TRegDataType::rdString;
        std::string text;
        int number = 0;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
        std::unordered_map<std::string, std::size_t> byName;

        Value* FindValue(std::string_view name) {
            auto it = byName.find(Folded(name));
            return it == byName.end() ? nullptr : &values[it->second];
        }
        // Replaces the value of that name or adds it at the end.
        Value& SetValue(Value v) {
            auto [it, added] = byName.try_emplace(Folded(v.name), values.size());
            if (added) values.push_back(std::move(v));
            else values[it->second] = std::move(v);
            return values[it->second];
        }
        bool EraseValue(std::string_view name) {
            auto it = byName.find(Folded(name));
            if (it == byName.end()) return false;
            values.erase(values.begin() + static_cast<std::ptrdiff_t>(it->second));
            byName.clear();
            for (std::size_t i = 0; i < values.size(); ++i) byName.emplace(Folded(values[i].name), i);
            return true;
        }
    };

    std::string fileName;
    std::vector<Key> keys;
    std::unordered_map<std::string, std::size_t> byPath;

    Key* Find(std::string_view path) {
        auto it = byPath.find(Folded(path));
        return it == byPath.end() ? nullptr : &keys[it->second];
    }

    Key& Root() {
        if (Key* k = Find("")) return *k;
        keys.insert(keys.begin(), Key{"", {}, {}});
        Reindex();
        return keys.front();
    }

    // The open key (the root when the path is empty); null when it is missing.
    Key* Current(std::string_view path) { return path.empty() ? &Root() : Find(path); }

    bool Exists(std::string_view path) { return path.empty() || Find(path) != nullptr; }

    // Creates the key and every missing parent; the key itself.
    Key& Create(const std::string& path) {
        std::size_t from = 0, at = 0;
        while (true) {
            const std::size_t sep = path.find('\\', from);
            const std::string part = path.substr(0, sep);
            auto [it, added] = byPath.try_emplace(Folded(part), keys.size());
            if (added) keys.push_back({part, {}, {}});
            at = it->second;
            if (sep == std::string::npos) break;
            from = sep + 1;
        }
        return keys[at];
    }

    void Reindex() {
        byPath.clear();
        for (std::size_t i = 0; i < keys.size(); ++i) byPath.emplace(Folded(keys[i].path), i);
    }

    static bool IsChild(std::string_view parent, std::string_view path) {
        if (parent.empty()) return !path.empty() && path.find('\\') == std::string_view::npos;
        return path.size() > parent.size() + 1 && path[parent.size()] == '\\' &&
               SameText(path.substr(0, parent.size()), parent) &&
               path.find('\\', parent.size() + 1) == std::string_view::npos;
    }

    static bool IsWithin(std::string_view ancestor, std::string_view path) {
        return SameText(path, ancestor) || (path.size() > ancestor.size() && path[ancestor.size()] == '\\' &&
                                            SameText(path.substr(0, ancestor.size()), ancestor));
    }

    // --- the file -----------------------------------------------------------------------

    static std::string Escape(std::string_view s) {
        std::string out = "\"";
        for (char c : s) {
            switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
            }
        }
        return out + '"';
    }

    // Reads a quoted text at `pos`; false when it is not one.
    static bool Unescape(std::string_view line, std::size_t& pos, std::string& out) {
        if (pos >= line.size() || line[pos] != '"') return false;
        out.clear();
        for (++pos; pos < line.size(); ++pos) {
            char c = line[pos];
            if (c == '"') {
                ++pos;
                return true;
            }
            if (c == '\\') {
                if (++pos >= line.size()) return false;
                c = line[pos];
                out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
            } else {
                out += c;
            }
        }
        return false;
    }

    std::string Text() const {
        std::string out;
        for (const Key& k : keys) {
            out += '[' + k.path + "]\n";
            for (const Value& v : k.values) {
                out += v.name.empty() ? std::string("@") : Escape(v.name);
                out += '=';
                switch (v.type) {
                case TRegDataType::rdInteger: out += "dword:" + IntToHex(static_cast<std::uint32_t>(v.number), 8); break;
                case TRegDataType::rdExpandString: out += "expand:" + Escape(v.text); break;
                default: out += Escape(v.text); break;
                }
                out += '\n';
            }
            out += '\n';
        }
        return out;
    }

    void Parse(std::string_view text) {
        keys.clear();
        byPath.clear();
        const std::string utf8 = EnsureUtf8(text);
        std::string_view rest(utf8);
        Key* current = nullptr;
        int lineNo = 0;
        auto damaged = [&]() {
            throw ERegistryException(Format(LoadResString(SRegDamaged), fileName, lineNo));
        };
        while (!rest.empty()) {
            ++lineNo;
            const std::size_t eol = rest.find('\n');
            std::string_view line = rest.substr(0, eol);
            rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                if (line.back() != ']') damaged();
                current = &Create(std::string(line.substr(1, line.size() - 2)));
                continue;
            }
            if (!current) damaged();
            Value v;
            std::size_t pos = 0;
            if (line[0] == '@') {
                pos = 1;
            } else if (!Unescape(line, pos, v.name)) {
                damaged();
            }
            if (pos >= line.size() || line[pos] != '=') damaged();
            ++pos;
            const std::string_view data = line.substr(pos);
            if (data.substr(0, 6) == "dword:") {
                std::int64_t n;
                if (data.size() != 14 || !TryStrToInt64("$" + std::string(data.substr(6)), n)) damaged();
                v.type = TRegDataType::rdInteger;
                v.number = static_cast<int>(static_cast<std::uint32_t>(n));
            } else {
                if (data.substr(0, 7) == "expand:") {
                    v.type = TRegDataType::rdExpandString;
                    pos += 7;
                }
                if (!Unescape(line, pos, v.text) || pos != line.size()) damaged();
            }
            current->SetValue(std::move(v));
        }
    }
};

std::mutex& StoreMutex() {
    static std::mutex m;
    return m;
}

std::string RootName(HKEY key) {
    switch (key) {
    case HKEY_CLASSES_ROOT: return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER: return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE: return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS: return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG: return "HKEY_CURRENT_CONFIG";
    default: return {};
    }
}

// "\a\\b\" becomes "a\b".
std::string NormalizePath(std::string_view path) {
    std::string out;
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t sep = path.find('\\', from);
        if (sep == std::string_view::npos) sep = path.size();
        if (sep > from) {
            if (!out.empty()) out += '\\';
            out.append(path.substr(from, sep - from));
        }
        from = sep + 1;
    }
    return out;
}

[[noreturn]] void Fail(const ResourceString& text, const std::string& name) {
    throw ERegistryException(Format(LoadResString(text), name));
}

} // namespace

std::string TRegistry::StorageFolder() {
    if (const char* dir = std::getenv("TALLYVO_REGISTRY_DIR"); dir && *dir) return dir;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/tallyvo/registry";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/tallyvo/registry";
}

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY key) {
    CloseKey();
    rootKey_ = key;
}

void TRegistry::CloseKey() {
    currentPath_.clear();
    keyOpen_ = false;
    readOnly_ = false;
}

std::string TRegistry::Resolve(const std::string& key) const {
    if (!key.empty() && key[0] == '\\') return NormalizePath(key);
    if (keyOpen_ && !currentPath_.empty()) return NormalizePath(currentPath_ + '\\' + key);
    return NormalizePath(key);
}

namespace {

// What tells one version of a store file from another: a write renames a new
// file over the old one, and any change moves its modification time.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0, changed = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& fileName) {
    FileStamp f;
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) return f;
    f.exists = true;
    f.device = st.st_dev;
    f.inode = st.st_ino;
    f.size = st.st_size;
    f.modified = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    f.changed = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return f;
}

std::int64_t NowNs() {
    timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The stores read last, by file name, kept while their files stay as read.
struct CachedStore {
    FileStamp stamp;
    // File times tick coarsely and a file replaced by another may take the old
    // one's inode: a file changed shortly before it was read may change again
    // without its stamp showing it, so until it has aged it is compared by its
    // bytes at every call.
    bool settled = false;
    std::string text;
    Store store;
};

std::map<std::string, CachedStore>& Cache() {
    static std::map<std::string, CachedStore> cache;
    return cache;
}

constexpr std::int64_t kSettledNs = 2000000000;

// The store of `fileName` as its file holds it now, parsed again only when the
// file changed since it was last read.
Store& CurrentStore(const std::string& fileName) {
    auto& cache = Cache();
    auto it = cache.find(fileName);
    // The stamp is taken before the read: a file replaced in between is read
    // again next time instead of being taken for the one stamped.
    const FileStamp stamp = StampOf(fileName);
    const std::int64_t now = NowNs();
    if (it != cache.end() && it->second.settled && it->second.stamp == stamp) return it->second.store;
    std::string text, why;
    const FileStoreStatus status = ReadStoreFile(fileName, text, why);
    if (status == FileStoreStatus::Failed) {
        if (it != cache.end()) cache.erase(it);
        throw ERegistryException(Format(LoadResString(SRegReadError), fileName, why));
    }
    const bool settled = stamp.exists ? now - std::max(stamp.modified, stamp.changed) > kSettledNs : true;
    if (it != cache.end() && it->second.stamp.exists == stamp.exists && it->second.text == text) {
        it->second.stamp = stamp;
        it->second.settled = settled;
        return it->second.store;
    }
    if (it != cache.end()) cache.erase(it);
    Store store;
    store.fileName = fileName;
    if (status == FileStoreStatus::Ok) store.Parse(text);
    // A process that changes folders (tests do) keeps only a few stores.
    if (cache.size() >= 8) cache.clear();
    return cache.emplace(fileName, CachedStore{stamp, settled, std::move(text), std::move(store)}).first->second.store;
}

// Runs `work` on the root's store under the process-wide lock; `save` writes
// the store back afterwards when `work` succeeded. False when `work` says so,
// the root is unknown or the store cannot be written. A store that `work` may
// have changed without its file being written is dropped, so the next call
// reads the file again.
template <class Work>
bool WithStore(HKEY root, bool save, Work&& work) {
    const std::string name = RootName(root);
    if (name.empty()) return false;
    std::lock_guard lock(StoreMutex());
    const std::string fileName = TRegistry::StorageFolder() + "/" + name + ".reg";
    Store& store = CurrentStore(fileName);
    bool ok = false;
    try {
        ok = work(store);
    } catch (...) {
        Cache().erase(fileName);
        throw;
    }
    if (!ok || !save) return ok;
    std::string why;
    ok = WriteStoreFile(fileName, store.Text(), true, why);
    // The file written is read once more rather than stamped: another
    // process may replace it between the write and a stamp taken here.
    Cache().erase(fileName);
    return ok;
}

void FillList(TStrings& strings, const std::vector<std::string>& names) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (const std::string& n : names) strings.Add(n);
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

std::string LastPart(const std::string& path) {
    const std::size_t sep = path.rfind('\\');
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

} // namespace

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = Resolve(key);
    const bool ok = WithStore(rootKey_, canCreate, [&](Store& store) {
        if (store.Exists(path)) return true;
        if (!canCreate) return false;
        store.Create(path);
        return true;
    });
    if (ok) {
        currentPath_ = path;
        keyOpen_ = true;
        readOnly_ = false;
    }
    return ok;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
    const std::string path = Resolve(key);
    const bool ok = WithStore(rootKey_, false, [&](Store& store) { return store.Exists(path); });
    if (ok) {
        currentPath_ = path;
        keyOpen_ = true;
        readOnly_ = true;
    }
    return ok;
}

bool TRegistry::CreateKey(const std::string& key) {
    const std::string path = Resolve(key);
    const bool ok = WithStore(rootKey_, true, [&](Store& store) {
        store.Create(path);
        return true;
    });
    if (!ok) throw ERegistryException(Format(LoadResString(SRegCreateFailed), key));
    return true;
}

bool TRegistry::DeleteKey(const std::string& key) {
    const std::string path = Resolve(key);
    if (path.empty()) return false;
    return WithStore(rootKey_, true, [&](Store& store) {
        if (!store.Find(path)) return false;
        std::erase_if(store.keys, [&](const Store::Key& k) { return Store::IsWithin(path, k.path); });
        store.Reindex();
        return true;
    });
}

bool TRegistry::KeyExists(const std::string& key) {
    const std::string path = Resolve(key);
    return WithStore(rootKey_, false, [&](Store& store) { return store.Exists(path); });
}

bool TRegistry::ValueExists(const std::string& name) { return GetDataSize(name) >= 0; }

bool TRegistry::DeleteValue(const std::string& name) {
    if (readOnly_) return false;
    return WithStore(rootKey_, true, [&](Store& store) {
        Store::Key* k = store.Find(currentPath_);
        return k && k->EraseValue(name);
    });
}

bool TRegistry::HasSubKeys() {
    return WithStore(rootKey_, false, [&](Store& store) {
        for (const Store::Key& k : store.keys)
            if (Store::IsChild(currentPath_, k.path)) return true;
        return false;
    });
}

void TRegistry::GetKeyNames(TStrings& strings) {
    std::vector<std::string> names;
    WithStore(rootKey_, false, [&](Store& store) {
        for (const Store::Key& k : store.keys)
            if (Store::IsChild(currentPath_, k.path)) names.push_back(LastPart(k.path));
        return true;
    });
    FillList(strings, names);
}

void TRegistry::GetValueNames(TStrings& strings) {
    std::vector<std::string> names;
    WithStore(rootKey_, false, [&](Store& store) {
        if (Store::Key* k = store.Find(currentPath_))
            for (const Store::Value& v : k->values) names.push_back(v.name);
        return true;
    });
    FillList(strings, names);
}

bool TRegistry::GetDataInfo(const std::string& name, TRegDataInfo& info) {
    return WithStore(rootKey_, false, [&](Store& store) {
        Store::Key* k = store.Find(currentPath_);
        const Store::Value* v = k ? k->FindValue(name) : nullptr;
        if (!v) return false;
        info.RegData = v->type;
        info.DataSize = v->type == TRegDataType::rdInteger ? 4 : static_cast<int>(v->text.size()) + 1;
        return true;
    });
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? info.RegData : TRegDataType::rdUnknown;
}

int TRegistry::GetDataSize(const std::string& name) {
    TRegDataInfo info;
    return GetDataInfo(name, info) ? info.DataSize : -1;
}

std::string TRegistry::ReadString(const std::string& name) {
    std::string text;
    bool wrongType = false;
    WithStore(rootKey_, false, [&](Store& store) {
        Store::Key* k = store.Find(currentPath_);
        const Store::Value* v = k ? k->FindValue(name) : nullptr;
        if (!v) return false;
        if (v->type == TRegDataType::rdInteger) wrongType = true;
        else text = v->text;
        return true;
    });
    if (wrongType) Fail(SInvalidRegType, name);
    return text;
}

int TRegistry::ReadInteger(const std::string& name) {
    int number = 0;
    bool found = false, wrongType = false;
    WithStore(rootKey_, false, [&](Store& store) {
        Store::Key* k = store.Find(currentPath_);
        const Store::Value* v = k ? k->FindValue(name) : nullptr;
        if (!v) return false;
        found = true;
        if (v->type != TRegDataType::rdInteger) wrongType = true;
        else number = v->number;
        return true;
    });
    if (!found) Fail(SRegGetDataFailed, name);
    if (wrongType) Fail(SInvalidRegType, name);
    return number;
}

bool TRegistry::ReadBool(const std::string& name) { return ReadInteger(name) != 0; }

void TRegistry::WriteValue(const std::string& name, TRegDataType type, const std::string& text, int number) {
    const bool ok = !readOnly_ && WithStore(rootKey_, true, [&](Store& store) {
        Store::Key* k = store.Current(currentPath_);
        if (!k) return false;
        Store::Value* v = k->FindValue(name);
        k->SetValue({v ? v->name : name, type, text, number});
        return true;
    });
    if (!ok) Fail(SRegSetDataFailed, name);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    WriteValue(name, TRegDataType::rdString, value, 0);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
    WriteValue(name, TRegDataType::rdExpandString, value, 0);
}

void TRegistry::WriteInteger(const std::string& name, int value) { WriteValue(name, TRegDataType::rdInteger, {}, value); }
void TRegistry::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

} // namespace tv

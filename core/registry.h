#pragma once
// TRegistry: the store that stands in for the Windows registry. Keys live under
// root keys and are named by paths with "\"; names compare without regard to
// case. Each root is one text file under the folder named by the environment
// variable TALLYVO_REGISTRY_DIR, else $XDG_DATA_HOME/tallyvo/registry, else
// ~/.local/share/tallyvo/registry. Every operation sees the file as it is
// now (read again whenever its identity, size or times changed since it was
// last read) and every change rewrites it, so several objects and processes
// see one store.
#include <cstdint>
#include <string>

namespace tv {

class TStrings;

using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
    TRegDataType RegData = TRegDataType::rdUnknown;
    int DataSize = 0;
};

class TRegistry {
public:
    // The root starts as HKEY_CURRENT_USER, with no key open.
    TRegistry();
    virtual ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key.
    void SetRootKey(HKEY key);
    // The open key's path without a leading "\"; empty when none is open.
    const std::string& CurrentPath() const { return currentPath_; }
    bool HasCurrentKey() const { return keyOpen_; }

    // A path starting with "\" is taken from the root, any other from the open
    // key (or the root when none is open). False when the key does not exist
    // and may not be created, or the store cannot be written.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    // Raises ERegistryException "Failed to create key X" when it cannot.
    bool CreateKey(const std::string& key);
    // Deletes the key with everything under it.
    bool DeleteKey(const std::string& key);
    bool KeyExists(const std::string& key);
    void CloseKey();

    // Values of the open key; with no key open, of the root itself.
    bool ValueExists(const std::string& name);
    bool DeleteValue(const std::string& name);
    bool HasSubKeys();
    void GetKeyNames(TStrings& strings);
    void GetValueNames(TStrings& strings);
    TRegDataType GetDataType(const std::string& name);
    // Bytes of the value (a string counts its terminating zero); -1 when missing.
    int GetDataSize(const std::string& name);
    bool GetDataInfo(const std::string& name, TRegDataInfo& info);

    // A missing string value reads as ""; a missing integer raises
    // ERegistryException "Failed to get data for 'X'"; a value of the other
    // kind raises "Invalid data type for 'X'"; a write that fails (read-only
    // key, unwritable store) raises "Failed to set data for 'X'".
    std::string ReadString(const std::string& name);
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    int ReadInteger(const std::string& name);
    void WriteInteger(const std::string& name, int value);
    bool ReadBool(const std::string& name);
    void WriteBool(const std::string& name, bool value);

    // The folder that holds the store.
    static std::string StorageFolder();

private:
    std::string Resolve(const std::string& key) const;
    void WriteValue(const std::string& name, TRegDataType type, const std::string& text, int number);

    HKEY rootKey_ = HKEY_CURRENT_USER;
    std::string currentPath_;
    bool keyOpen_ = false;
    bool readOnly_ = false;
};

} // namespace tv

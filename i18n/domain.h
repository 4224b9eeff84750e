#pragma once
// One text domain's catalog. The catalog is opened on the first lookup and
// closed when the directory or the language changes; a catalog that is missing
// or damaged leaves every text untranslated.
#include <cstdint>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>

#include "i18n/pluralforms.h"

namespace tv {

class TAssemblyAnalyzer;
class TMoFile;
struct TPluralForms;

class TDomain {
public:
    // `appended` (may be null) is asked before the disk.
    explicit TDomain(std::string name, const TAssemblyAnalyzer* appended = nullptr);
    ~TDomain();
    TDomain(const TDomain&) = delete;
    TDomain& operator=(const TDomain&) = delete;

    std::string Domain() const;
    std::string Directory() const;
    // Adds a trailing "/" when it lacks one; closes the open catalog.
    void SetDirectory(const std::string& directory);
    std::string LanguageCode() const;
    void SetLanguageCode(const std::string& code);

    // The translation of a UTF-8 message id; nothing when there is no catalog
    // or no entry.
    std::optional<std::string> Lookup(std::string_view msgid);
    // The message id itself when there is nothing to translate it with.
    std::string gettext(std::string_view msgid);
    // The form for `count` of a plural entry, chosen by the catalog's own
    // plural expression, or by `rule` when the catalog declares none. Nothing
    // when there is no entry, the declared expression is malformed, or the
    // entry lacks the form.
    std::optional<std::string> LookupPlural(std::string_view singular, int count, TPluralRule rule);

    // The path the catalog is read from: the appended file or the file on
    // disk, trying the language code, then its first two letters. Empty when
    // neither exists.
    std::string CatalogPath() const;

private:
    struct Catalog;
    std::shared_ptr<const Catalog> Open();
    std::string PathFor(const std::string& language) const;

    const std::string name_;
    const TAssemblyAnalyzer* const appended_;
    mutable std::shared_mutex lock_;
    std::string directory_;
    std::string language_;
    bool opened_ = false;
    std::uint64_t generation_ = 0;
    std::shared_ptr<const Catalog> catalog_;
};

} // namespace tv

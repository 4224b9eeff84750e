#include "i18n/domain.h"

#include <filesystem>
#include <mutex>

#include "core/exceptions.h"
#include "i18n/assemblyanalyzer.h"
#include "i18n/mofile.h"
#include "i18n/pluralexpression.h"

namespace tv {

struct TDomain::Catalog {
    std::unique_ptr<TMoFile> file;
    std::optional<TPluralForms> plural;
    bool pluralMalformed = false;
};

TDomain::TDomain(std::string name, const TAssemblyAnalyzer* appended)
    : name_(std::move(name)), appended_(appended) {}

TDomain::~TDomain() = default;

std::string TDomain::Domain() const { return name_; }

std::string TDomain::Directory() const {
    std::shared_lock guard(lock_);
    return directory_;
}

void TDomain::SetDirectory(const std::string& directory) {
    std::unique_lock guard(lock_);
    directory_ = directory;
    if (!directory_.empty() && directory_.back() != '/') directory_ += '/';
    opened_ = false;
    catalog_.reset();
    ++generation_;
}

std::string TDomain::LanguageCode() const {
    std::shared_lock guard(lock_);
    return language_;
}

void TDomain::SetLanguageCode(const std::string& code) {
    std::unique_lock guard(lock_);
    language_ = code;
    opened_ = false;
    catalog_.reset();
    ++generation_;
}

std::string TDomain::PathFor(const std::string& language) const {
    return directory_ + language + "/LC_MESSAGES/" + name_ + ".mo";
}

std::string TDomain::CatalogPath() const {
    std::string language, full;
    {
        std::shared_lock guard(lock_);
        language = language_;
        full = PathFor(language_);
    }
    const auto exists = [&](const std::string& path) {
        std::error_code ec;
        return (appended_ && appended_->AppendedFileExists(path)) || std::filesystem::is_regular_file(path, ec);
    };
    if (exists(full)) return full;
    if (language.size() > 2) {
        std::shared_lock guard(lock_);
        const std::string shortPath = PathFor(language.substr(0, 2));
        if (exists(shortPath)) return shortPath;
    }
    return std::string();
}

std::shared_ptr<const TDomain::Catalog> TDomain::Open() {
    std::uint64_t generation;
    {
        std::shared_lock guard(lock_);
        if (opened_) return catalog_;
        generation = generation_;
    }
    const std::string path = CatalogPath();
    std::shared_ptr<Catalog> catalog;
    if (!path.empty()) {
        std::string file = path;
        std::uint64_t offset = 0, size = 0;
        if (appended_) appended_->AppendedFileInfo(path, file, offset, size);
        try {
            catalog = std::make_shared<Catalog>();
            catalog->file = std::make_unique<TMoFile>(file, offset, size);
            catalog->plural = PluralFormsOfHeader(catalog->file->Header(), catalog->pluralMalformed);
        } catch (const Exception&) {
            // A damaged catalog counts as no catalog: texts pass unchanged.
            catalog.reset();
        }
    }
    std::unique_lock guard(lock_);
    // Another thread may have opened it, or the language changed meanwhile;
    // then this reading serves this one lookup only.
    if (!opened_ && generation == generation_) {
        opened_ = true;
        catalog_ = catalog;
    }
    return catalog;
}

std::optional<std::string> TDomain::Lookup(std::string_view msgid) {
    auto catalog = Open();
    if (!catalog) return std::nullopt;
    auto found = catalog->file->Find(msgid);
    if (!found) return std::nullopt;
    return std::string(*found);
}

std::string TDomain::gettext(std::string_view msgid) {
    auto found = Lookup(msgid);
    return found ? *found : std::string(msgid);
}

std::optional<std::string> TDomain::LookupPlural(std::string_view singular, int count, TPluralRule rule) {
    auto catalog = Open();
    if (!catalog || catalog->pluralMalformed) return std::nullopt;
    std::uint64_t index;
    if (catalog->plural) {
        const std::int64_t c = count;
        auto value = catalog->plural->expression.Evaluate(static_cast<std::uint64_t>(c < 0 ? -c : c));
        if (!value || *value >= catalog->plural->count) return std::nullopt;
        index = *value;
    } else {
        index = static_cast<std::uint64_t>(rule(count));
    }
    auto found = catalog->file->FindForm(singular, index);
    if (!found) return std::nullopt;
    return std::string(*found);
}

} // namespace tv

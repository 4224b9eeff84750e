#include "i18n/gnugettextinstance.h"

#include <cstdlib>
#include <mutex>

#include "core/collection.h"
#include "core/component.h"
#include "core/exceptions.h"
#include "core/strutils.h"
#include "i18n/assemblyanalyzer.h"
#include "i18n/domain.h"
#include "i18n/language.h"
#include "i18n/postring.h"

namespace tv {

namespace {

std::string WithoutCarriageReturns(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (char c : s)
        if (c != '\r') r += c;
    return r;
}

std::string WithCarriageReturns(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r')) r += '\r';
        r += s[i];
    }
    return r;
}

} // namespace

bool TGnuGettextInstance::CaseLess::operator()(const std::string& a, const std::string& b) const {
    return CompareText(a, b) < 0;
}

TGnuGettextInstance::TGnuGettextInstance(const TAssemblyAnalyzer* appended)
    : appended_(appended), textDomain_("default") {
    std::string executable = appended ? appended->Executable() : ExecutablePath();
    baseDirectory_ = executable.substr(0, executable.rfind('/') + 1) + "locale";
    UseLanguage("");
    BindTextDomain("default", baseDirectory_);
    SetTextDomain("default");
    TP_GlobalIgnoreClassProperty(TComponent::StaticClass(), "Name");
    TP_GlobalIgnoreClassProperty(TCollection::StaticClass(), "PropName");
}

TGnuGettextInstance::~TGnuGettextInstance() {
    std::unique_lock guard(lock_);
    if (untranslatedLog_.is_open()) untranslatedLog_.close();
    loggedIds_.reset();
}

void TGnuGettextInstance::UseLanguage(const std::string& code) {
    std::string chosen = code;
    if (chosen.empty()) {
        const char* lang = std::getenv("LANG");
        chosen = lang && !NamesNoLanguage(lang) ? lang : GetOSLanguage();
        chosen = chosen.substr(0, chosen.find('.'));
    }
    {
        std::unique_lock guard(lock_);
        language_ = chosen;
        for (auto& [name, domain] : domains_) domain->SetLanguageCode(chosen);
    }
    pluralSelector_ = PluralRuleForLanguage(chosen);
}

std::string TGnuGettextInstance::LanguageCode() const {
    std::shared_lock guard(lock_);
    return language_;
}

TDomain& TGnuGettextInstance::FindDomain(const std::string& name) {
    {
        std::shared_lock guard(lock_);
        auto it = domains_.find(name);
        if (it != domains_.end()) return *it->second;
    }
    std::unique_lock guard(lock_);
    auto& slot = domains_[name];
    if (!slot) {
        slot = std::make_unique<TDomain>(name, appended_);
        slot->SetDirectory(baseDirectory_);
        slot->SetLanguageCode(language_);
    }
    return *slot;
}

void TGnuGettextInstance::BindTextDomain(const std::string& domain, const std::string& directory) {
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    FindDomain(domain).SetDirectory(dir);
}

void TGnuGettextInstance::SetTextDomain(const std::string& domain) {
    std::unique_lock guard(lock_);
    textDomain_ = domain;
}

std::string TGnuGettextInstance::TextDomain() const {
    std::shared_lock guard(lock_);
    return textDomain_;
}

std::string TGnuGettextInstance::TranslateInDomain(const std::string& domain, const std::string& msgid) {
    if (!enabled_) return msgid;
    // The empty id would find the catalog's header, which is no translation.
    if (msgid.empty()) return msgid;
    const std::string key = WithoutCarriageReturns(msgid);
    auto found = FindDomain(domain).Lookup(key);
    std::string result;
    if (!found) {
        // Untranslated texts come back exactly as given, line ends included, so
        // the next domain in a chain is still asked.
        result = msgid;
    } else {
        if (found->empty() || !IsValidUtf8(*found))
            throw Exception("Error: Could not translate " + msgid +
                            ". Probably because the mo file doesn't contain utf-8 encoded translations.");
        result = msgid.find('\r') != std::string::npos ? WithCarriageReturns(*found) : *found;
    }
    // The log holds the id as it is looked up, so a translator's entry for it matches.
    if (result == msgid && domain == "default") LogUntranslated(key);
    return result;
}

std::string TGnuGettextInstance::NTranslateInDomain(const std::string& domain, const std::string& singular,
                                                    const std::string& plural, int count) {
    const bool one = count == 1 || count == -1;
    if (!enabled_ || singular.empty()) return one ? singular : plural;
    auto found = FindDomain(domain).LookupPlural(WithoutCarriageReturns(singular), count, pluralSelector_);
    if (!found || found->empty() || !IsValidUtf8(*found)) return one ? singular : plural;
    return singular.find('\r') != std::string::npos ? WithCarriageReturns(*found) : *found;
}

void TGnuGettextInstance::OpenUntranslatedLog(const std::string& path) {
    std::unique_lock guard(lock_);
    if (untranslatedLog_.is_open()) untranslatedLog_.close();
    untranslatedLog_.clear();
    untranslatedLog_.open(path, std::ios::binary | std::ios::trunc);
    if (!untranslatedLog_) {
        loggedIds_.reset();
        throw EInOutError("Cannot create file \"" + path + "\"");
    }
    loggedIds_ = std::make_unique<std::set<std::string>>();
}

void TGnuGettextInstance::LogUntranslated(const std::string& msgid) {
    std::unique_lock guard(lock_);
    if (!loggedIds_ || msgid.empty()) return;
    if (!loggedIds_->insert(msgid).second) return;
    untranslatedLog_ << "msgid " << EscapePoString(msgid) << "\r\n"
                     << "msgstr \"\"\r\n"
                     << "\r\n";
    untranslatedLog_.flush();
    if (!untranslatedLog_) {
        untranslatedLog_.clear();
        throw EInOutError("I/O error writing the untranslated-message log");
    }
}

} // namespace tv

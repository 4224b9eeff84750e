#pragma once
// The translation instance: the language, the catalogs by text domain, the
// untranslated-message log, and the walk that translates components.
#include <atomic>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"
#include "i18n/classmode.h"
#include "i18n/pluralforms.h"

namespace tv {

class TAssemblyAnalyzer;
class TDomain;
class TStrings;
class TTP_Retranslator;

class TGnuGettextInstance {
public:
    // Catalogs lie in "locale" beside the executable, or inside it when
    // `appended` lists them.
    explicit TGnuGettextInstance(const TAssemblyAnalyzer* appended = nullptr);
    ~TGnuGettextInstance();
    TGnuGettextInstance(const TGnuGettextInstance&) = delete;
    TGnuGettextInstance& operator=(const TGnuGettextInstance&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }

    // An empty code takes LANG, then the user's locale, cut before any ".".
    void UseLanguage(const std::string& code);
    std::string LanguageCode() const;
    TPluralRule PluralSelector() const { return pluralSelector_; }

    std::string BaseDirectory() const { return baseDirectory_; }
    void BindTextDomain(const std::string& domain, const std::string& directory);
    void SetTextDomain(const std::string& domain);
    std::string TextDomain() const;

    // The UTF-8 translation of `msgid`, or `msgid` itself when no catalog has it.
    std::string TranslateInDomain(const std::string& domain, const std::string& msgid);
    std::string TranslateText(const std::string& msgid) { return TranslateInDomain(TextDomain(), msgid); }
    // The form for `count`: the singular or the plural when no catalog has it.
    std::string NTranslateInDomain(const std::string& domain, const std::string& singular,
                                   const std::string& plural, int count);

    // Starts writing each message id that "default" leaves untranslated to
    // `path` (replaced), once, as an entry ready for a translator.
    void OpenUntranslatedLog(const std::string& path);
    void LogUntranslated(const std::string& msgid);

    // --- component translation ---
    // Translates the published writable string properties and string lists of
    // `object`, of the objects its properties hold and of the components it
    // owns, breadth first, each object once. An empty domain is the current one.
    void TranslateComponent(TObject* object, const std::string& domain = "");
    // Leaves a component (by name) or a property ("Button1.Caption", or
    // ".Caption" for the object the walk starts with) out of the next walk.
    void TP_Ignore(TObject* object, const std::string& name);
    // Leaves a property alone on every object of the class and its descendants.
    void TP_GlobalIgnoreClassProperty(TClass cls, const std::string& propertyName);
    // Translates each non-empty line, keeping the objects beside the lines.
    void TranslateStrings(TStrings* list, const std::string& domain);

    // Records the next walk; the walk detaches it when it completes.
    TTP_Retranslator* Retranslator() const { return retranslator_; }
    void SetRetranslator(TTP_Retranslator* retranslator) { retranslator_ = retranslator; }

private:
    TDomain& FindDomain(const std::string& name);

    struct CaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    const TAssemblyAnalyzer* const appended_;
    std::atomic<bool> enabled_{true};
    std::string language_;
    std::atomic<TPluralRule> pluralSelector_{PluralFormNotOne};
    std::string textDomain_;
    // Guards the language, the text domain, the catalog list and the log.
    mutable std::shared_mutex lock_;
    std::ofstream untranslatedLog_;
    std::unique_ptr<std::set<std::string>> loggedIds_;
    std::string baseDirectory_;
    std::map<std::string, std::unique_ptr<TDomain>, CaseLess> domains_;
    // The walk's upper-case ignore entries; class modes, most derived first.
    std::set<std::string> ignoreList_;
    std::vector<TClassMode> classModes_;
    TTP_Retranslator* retranslator_ = nullptr;
};

} // namespace tv

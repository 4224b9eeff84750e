#include "i18n/gnugettext.h"

#include <memory>

#include "core/unitinit.h"
#include "i18n/assemblyanalyzer.h"
#include "i18n/hook.h"

namespace tv {

namespace {

struct Unit {
    std::string executable;
    std::unique_ptr<TAssemblyAnalyzer> analyzer;
    std::unique_ptr<TGnuGettextInstance> instance;
    std::unique_ptr<THook> hook;
};

Unit& State() {
    static Unit unit;
    return unit;
}

} // namespace

TGnuGettextInstance* DefaultInstance() { return State().instance.get(); }

const TAssemblyAnalyzer* AppendedFiles() { return State().analyzer.get(); }

std::string TranslateText(const std::string& msgid) {
    TGnuGettextInstance* instance = DefaultInstance();
    return instance ? instance->TranslateText(msgid) : msgid;
}

std::string TranslateTextInDomain(const std::string& domain, const std::string& msgid) {
    TGnuGettextInstance* instance = DefaultInstance();
    return instance ? instance->TranslateInDomain(domain, msgid) : msgid;
}

std::string NTranslateText(const std::string& singular, const std::string& plural, int count) {
    TGnuGettextInstance* instance = DefaultInstance();
    if (!instance) return count == 1 || count == -1 ? singular : plural;
    return instance->NTranslateInDomain(instance->TextDomain(), singular, plural, count);
}

std::string LoadResStringTranslated(const ResourceString* res) {
    if (!res) return std::string();
    return TranslateOverResourceStringDomains(LoadResStringDefault(*res));
}

void TP_Ignore(TObject* object, const std::string& name) {
    if (TGnuGettextInstance* instance = DefaultInstance()) instance->TP_Ignore(object, name);
}

void TP_GlobalIgnoreClassProperty(TClass cls, const std::string& propertyName) {
    if (TGnuGettextInstance* instance = DefaultInstance()) instance->TP_GlobalIgnoreClassProperty(cls, propertyName);
}

void TranslateComponent(TObject* object, const std::string& domain) {
    if (TGnuGettextInstance* instance = DefaultInstance()) instance->TranslateComponent(object, domain);
}

void TranslateStrings(TStrings* list, const std::string& domain) {
    TGnuGettextInstance* instance = DefaultInstance();
    if (instance) instance->TranslateStrings(list, domain.empty() ? instance->TextDomain() : domain);
}

void InitializeTranslation() {
    Unit& unit = State();
    unit.executable = ExecutablePath();
    unit.analyzer = std::make_unique<TAssemblyAnalyzer>();
    unit.analyzer->ScanAppendedFiles();
    OpenResourceStringDomains();
    unit.instance = std::make_unique<TGnuGettextInstance>(unit.analyzer.get());
    unit.hook = std::make_unique<THook>([](const ResourceString& res) { return LoadResStringTranslated(&res); });
}

void FinalizeTranslation() {
    Unit& unit = State();
    // Closing the list first waits for resource strings being translated on
    // other threads, so none is left holding the instance.
    CloseResourceStringDomains();
    unit.instance.reset();
    unit.hook.reset();
    unit.analyzer.reset();
    unit.executable.clear();
}

TV_UNIT(translation, urTranslation, &InitializeTranslation, &FinalizeTranslation)

} // namespace tv

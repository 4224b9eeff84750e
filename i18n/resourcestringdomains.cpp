#include "i18n/resourcestringdomains.h"

#include <mutex>
#include <shared_mutex>
#include <vector>

#include "core/exceptions.h"
#include "i18n/gnugettext.h"

namespace tv {

namespace {

struct DomainList {
    std::shared_mutex lock;
    bool open = false;
    std::vector<std::string> names;
};

DomainList& Domains() {
    static DomainList list;
    return list;
}

} // namespace

void OpenResourceStringDomains() {
    std::unique_lock guard(Domains().lock);
    Domains().names = {"default"};
    Domains().open = true;
}

void CloseResourceStringDomains() {
    std::unique_lock guard(Domains().lock);
    Domains().names.clear();
    Domains().open = false;
}

void AddResourceStringDomain(const std::string& domain) {
    std::unique_lock guard(Domains().lock);
    Domains().names.push_back(domain);
}

std::string TranslateOverResourceStringDomains(const std::string& text) {
    std::shared_lock guard(Domains().lock);
    if (!Domains().open) return text;
    for (const std::string& domain : Domains().names) {
        try {
            std::string translated = TranslateTextInDomain(domain, text);
            if (translated != text) return translated;
        } catch (const Exception&) {
            // A catalog that cannot translate this text must not take every
            // resource string of the program down with it: ask the next one.
        }
    }
    return text;
}

} // namespace tv

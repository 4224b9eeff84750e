#pragma once
// The text domains that resource strings are looked up in, "default" first.
#include <string>

namespace tv {

// Starts with the list holding "default"; Close empties it, after which texts
// pass unchanged.
void OpenResourceStringDomains();
void CloseResourceStringDomains();

// Appends a domain (duplicates are not checked).
void AddResourceStringDomain(const std::string& domain);
// The first translation that differs from the text, asking the domains in
// order; the text itself when none translates it.
std::string TranslateOverResourceStringDomains(const std::string& text);

} // namespace tv

#pragma once
// The translation unit: one translation instance for the program, started
// third among the units, after which every resource string is looked up in
// the resource-string domains. Before start-up and after shutdown every text
// passes unchanged.
#include <string>

#include "core/object.h"
#include "core/resourcestrings.h"
#include "i18n/gnugettextinstance.h"
#include "i18n/language.h"
#include "i18n/resourcestringdomains.h"

namespace tv {

class TStrings;
class TAssemblyAnalyzer;

// The program's instance; null outside start-up and shutdown.
TGnuGettextInstance* DefaultInstance();
// The index of catalogs appended to the executable; null outside start-up and shutdown.
const TAssemblyAnalyzer* AppendedFiles();

std::string TranslateText(const std::string& msgid);
std::string TranslateTextInDomain(const std::string& domain, const std::string& msgid);
std::string NTranslateText(const std::string& singular, const std::string& plural, int count);

// The replacement of the program's resource-string loader.
std::string LoadResStringTranslated(const ResourceString* res);

void TP_Ignore(TObject* object, const std::string& name);
void TP_GlobalIgnoreClassProperty(TClass cls, const std::string& propertyName);
void TranslateComponent(TObject* object, const std::string& domain = "");
void TranslateStrings(TStrings* list, const std::string& domain = "");

// The unit's start-up and shutdown (registered with the program's units).
void InitializeTranslation();
void FinalizeTranslation();

} // namespace tv

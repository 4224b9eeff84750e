#pragma once
// Resource strings: every text the framework shows is declared once as a
// record (numeric id where one is known, and the text) and read through
// LoadResString. The loader can be replaced as a whole; translation installs
// its own at start-up, so every resource string of the program passes through it.
#include <functional>
#include <string>

namespace tv {

struct ResourceString {
    int id;
    const char* text;
};

// Declares a resource string at namespace scope.
#define TV_RESOURCESTRING(Name, Text) inline constexpr ::tv::ResourceString Name{0, Text};
#define TV_RESOURCESTRING_ID(Name, Id, Text) inline constexpr ::tv::ResourceString Name{Id, Text};

using TResStringLoader = std::function<std::string(const ResourceString&)>;

// The text of the record through the installed loader.
std::string LoadResString(const ResourceString& res);
// The text as declared, untranslated: what the default loader gives.
std::string LoadResStringDefault(const ResourceString& res);
// Installs a loader (an empty one restores the default) and returns the one
// it replaces. Safe to call while other threads load strings.
TResStringLoader SetResStringLoader(TResStringLoader loader);

} // namespace tv

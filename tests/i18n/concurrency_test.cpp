#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

#include "i18n/gnugettextinstance.h"
#include "i18n/resourcestringdomains.h"
#include "tests/i18n/catalogs.h"
#include "tests/support/tempdir.h"

using namespace i18ntest;

// Readers translate while one thread switches the language and opens new
// domains; the sanitizer build checks that nothing is torn or freed under them.
TEST(Concurrency, TranslatingWhileTheLanguageChanges) {
    tvtest::TempDir dir;
    const std::string d = dir.path().string();
    BuildCatalog(d, "es", "default", PoHeader() + "msgid \"Close\"\nmsgstr \"Cerrar\"\n");
    BuildCatalog(d, "de", "default", PoHeader() + "msgid \"Close\"\nmsgstr \"Schließen\"\n");
    tv::TGnuGettextInstance gt;
    gt.BindTextDomain("default", d);
    gt.UseLanguage("es");
    gt.OpenUntranslatedLog(dir.file("log.po"));

    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::atomic<int> started{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([&, t] {
            int i = 0;
            ++started;
            do {
                const std::string r = gt.TranslateInDomain("default", "Close");
                if (r != "Cerrar" && r != "Schließen" && r != "Close") ++bad;
                gt.TranslateInDomain("domain" + std::to_string(i++ % 7), "Close");
                gt.TranslateText("Untranslated " + std::to_string(t));
                gt.NTranslateInDomain("default", "one", "many", i);
            } while (!stop);
        });
    }
    // On a loaded machine the readers may start late: let them all run
    // before the language starts changing, so every one logs its text.
    while (started < 4) std::this_thread::yield();
    for (int i = 0; i < 300; ++i) {
        gt.UseLanguage(i % 3 == 0 ? "es_CO" : i % 3 == 1 ? "de_DE" : "C");
        gt.BindTextDomain("default", d);
    }
    stop = true;
    for (auto& r : readers) r.join();
    EXPECT_EQ(bad, 0);
    const std::string log = ReadFile(dir.file("log.po"));
    for (int t = 0; t < 4; ++t) {
        const std::string entry = "msgid \"Untranslated " + std::to_string(t) + "\"\r\nmsgstr \"\"\r\n\r\n";
        const std::size_t at = log.find(entry);
        EXPECT_NE(at, std::string::npos);
        EXPECT_EQ(log.find(entry, at + 1), std::string::npos);
    }
}

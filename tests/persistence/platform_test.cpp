#include "persistence/platform.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace calvora {
namespace {

// Sets environment variables for one test and puts the old values back.
class TEnvironmentGuard {
public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~TEnvironmentGuard() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                unsetenv(it->first.c_str());
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// Stops the leak checker from counting what the C library keeps for good.
class TLeakCheckPause {
public:
#if defined(__SANITIZE_ADDRESS__)
    TLeakCheckPause() {
        __lsan_disable();
    }
    ~TLeakCheckPause() {
        __lsan_enable();
    }
#endif
};

class TTemporaryFolder {
public:
    TTemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "calvora-platform-XXXXXX").string();
        Path = mkdtemp(pattern.data());
    }
    ~TTemporaryFolder() { std::filesystem::remove_all(Path); }
    std::filesystem::path Path;
};

TEST(CountryCode, OfLocaleTerritory) {
    struct Case {
        const char* Locale;
        std::uint16_t Expected;
    } const data[] = {
        {"en_US", 1},
        {"en_US.UTF-8", 1},
        {"de_DE", 49},
        {"de_DE.UTF-8", 49},
        {"fr_CA.UTF-8", 2},
        {"en_CA", 2},
        {"en_GB.ISO-8859-1", 44},
        {"de_CH.utf8", 41},
        {"sr_RS@latin", 381},
        {"nl_NL.UTF-8@euro", 31},
        {"ja_JP.eucJP", 81},
        {"C", 0},
        {"POSIX", 0},
        {"C.UTF-8", 0},
        {"en", 0},
        {"xx_ZZ", 0},
        {"", 0},
    };
    for (const Case& c : data) {
        EXPECT_EQ(CountryCodeOfLocale(c.Locale), c.Expected) << c.Locale;
    }
}

TEST(RegionalSettings, PlainLocaleKeepsTheDefaults) {
    const TRegionalSettings settings = RegionalSettingsOfLocale("C");
    EXPECT_EQ(settings.DecimalSeparator, ".");
    EXPECT_EQ(settings.ThousandSeparator, ",");
    EXPECT_EQ(settings.CurrencyString, "$");
    EXPECT_EQ(settings.ShortDateFormat, "M/d/yyyy");
    EXPECT_EQ(settings.CountryCode, 0);
    EXPECT_EQ(TRegionalSettings::UnitedStates().CountryCode, 1);
}

TEST(RegionalSettings, PosixSourceTakesTheCountryFromTheEnvironment) {
    TEnvironmentGuard guard;
    guard.Set("LC_ALL", nullptr);
    guard.Set("LC_MONETARY", nullptr);
    guard.Set("LANG", "fr_CA.UTF-8");
    EXPECT_EQ(TPosixRegionalSettings().Current().CountryCode, 2);
    guard.Set("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(TPosixRegionalSettings().Current().CountryCode, 49);
}

// Locale data compiled by localedef into a private folder (LOCPATH), so that the
// test does not depend on the locales installed. Expected values are those of
// the glibc locale sources (LC_NUMERIC, LC_MONETARY, d_fmt of LC_TIME).
TEST(RegionalSettings, FromCompiledLocaleData) {
    TTemporaryFolder folder;
    struct Case {
        const char* Source;
        const char* Locale;
        const char* Decimal;
        const char* Thousands;
        const char* Currency;
        int CurrencyFormat;
        int NegCurrFormat;
        const char* DatePattern;
        std::uint16_t Country;
    } const data[] = {
        // "1 $", "-1 $", "%d.%m.%Y"
        {"de_DE", "de_DE.UTF-8", ",", ".", "€", 3, 8, "dd.MM.yyyy", 49},
        // "1 $", "(1 $)", "%Y-%m-%d", narrow no-break space between thousands
        {"fr_CA", "fr_CA.UTF-8", ",", "\u202F", "$", 3, 15, "yyyy-MM-dd", 2},
    };
    TEnvironmentGuard guard;
    guard.Set("LOCPATH", folder.Path.c_str());
    // glibc keeps the parsed LOCPATH of every newlocale call for good.
    TLeakCheckPause pause;
    for (const Case& c : data) {
        const std::string command = "localedef -i " + std::string(c.Source) + " -f UTF-8 " +
                                    (folder.Path / c.Locale).string() + " >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            GTEST_SKIP() << "localedef cannot compile " << c.Source;
        }
        const TRegionalSettings settings = RegionalSettingsOfLocale(c.Locale);
        EXPECT_EQ(settings.DecimalSeparator, c.Decimal) << c.Locale;
        EXPECT_EQ(settings.ThousandSeparator, c.Thousands) << c.Locale;
        EXPECT_EQ(settings.CurrencyString, c.Currency) << c.Locale;
        EXPECT_EQ(settings.CurrencyFormat, c.CurrencyFormat) << c.Locale;
        EXPECT_EQ(settings.NegCurrFormat, c.NegCurrFormat) << c.Locale;
        EXPECT_EQ(settings.CurrencyDecimals, 2) << c.Locale;
        EXPECT_EQ(settings.ShortDateFormat, c.DatePattern) << c.Locale;
        EXPECT_EQ(settings.CountryCode, c.Country) << c.Locale;
    }
    // The environment chooses the locale of each category.
    guard.Set("LC_ALL", nullptr);
    guard.Set("LC_MONETARY", "de_DE.UTF-8");
    guard.Set("LC_NUMERIC", "C.UTF-8");
    guard.Set("LC_TIME", "fr_CA.UTF-8");
    guard.Set("LANG", "C");
    const TRegionalSettings mixed = TPosixRegionalSettings().Current();
    EXPECT_EQ(mixed.CurrencyString, "€");
    EXPECT_EQ(mixed.DecimalSeparator, ".");
    EXPECT_EQ(mixed.ShortDateFormat, "yyyy-MM-dd");
    EXPECT_EQ(mixed.CountryCode, 49);
}

TEST(ApplicationFolder, OverriddenByCalvoraHome) {
    TTemporaryFolder folder;
    TEnvironmentGuard guard;
    const std::filesystem::path home = folder.Path / "profile";
    guard.Set(kCalvoraHomeVariable, home.c_str());
    EXPECT_EQ(ApplicationFolder(), home / "");
    EXPECT_TRUE(std::filesystem::is_directory(home / "Data"));
}

TEST(ApplicationFolder, UnderXdgDataHome) {
    TTemporaryFolder folder;
    TEnvironmentGuard guard;
    guard.Set(kCalvoraHomeVariable, nullptr);
    guard.Set("XDG_DATA_HOME", folder.Path.c_str());
    EXPECT_EQ(ApplicationFolder(), folder.Path / "Brindlemoor" / "Calvora" / "");
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path / "Brindlemoor" / "Calvora" / "Data"));

    // Without XDG_DATA_HOME the folder lies under ~/.local/share.
    guard.Set("XDG_DATA_HOME", nullptr);
    guard.Set("HOME", folder.Path.c_str());
    EXPECT_EQ(ApplicationFolder(),
              folder.Path / ".local" / "share" / "Brindlemoor" / "Calvora" / "");
}

TEST(ApplicationFolder, FallsBackToTheProgramFolder) {
    TTemporaryFolder folder;
    TEnvironmentGuard guard;
    // A plain file where the folder should be makes creation fail.
    const std::filesystem::path blocked = folder.Path / "blocked";
    std::FILE* file = std::fopen(blocked.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    guard.Set(kCalvoraHomeVariable, blocked.c_str());
    EXPECT_EQ(ApplicationFolder(folder.Path / "bin"), folder.Path / "bin" / "");
}

TEST(SystemOwner, FixedAndPasswd) {
    const TFixedSystemOwner fixed("Ada Lovelace", "Analytical Engines");
    EXPECT_EQ(fixed.RegisteredOwner(), "Ada Lovelace");
    EXPECT_EQ(fixed.RegisteredOrganization(), "Analytical Engines");
    // The full name is the first field of the passwd comment, never the rest.
    EXPECT_EQ(TPasswdSystemOwner().RegisteredOwner().find(','), std::string::npos);
    EXPECT_EQ(TPasswdSystemOwner().RegisteredOrganization(), "");
}

} // namespace
} // namespace calvora

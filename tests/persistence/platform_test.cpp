#include "persistence/platform.h"

#include <gtest/gtest.h>

#include <locale.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace calvora {
namespace {

// Sets environment variables for one test and puts the old values back.
class TEnvironmentGuard {
public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~TEnvironmentGuard()
    {
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

class TTemporaryFolder {
public:
    TTemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "calvora-platform-XXXXXX").string();
        Path = mkdtemp(pattern.data());
    }
    ~TTemporaryFolder() { std::filesystem::remove_all(Path); }
    std::filesystem::path Path;
};

TEST(CountryCode, OfLocaleTerritory)
{
    struct Case {
        const char* Locale;
        std::uint16_t Expected;
    } const data[] = {
        {"en_US", 1},         {"en_US.UTF-8", 1},       {"de_DE", 49},      {"de_DE.UTF-8", 49},
        {"fr_CA.UTF-8", 2},   {"en_CA", 2},             {"en_GB.ISO-8859-1", 44}, {"de_CH.utf8", 41},
        {"sr_RS@latin", 381}, {"nl_NL.UTF-8@euro", 31}, {"ja_JP.eucJP", 81}, {"C", 0},
        {"POSIX", 0},         {"C.UTF-8", 0},           {"en", 0},          {"xx_ZZ", 0},
        {"", 0},
    };
    for (const Case& c : data) {
        EXPECT_EQ(CountryCodeOfLocale(c.Locale), c.Expected) << c.Locale;
    }
}

TEST(RegionalSettings, PlainLocaleKeepsTheDefaults)
{
    const TRegionalSettings settings = RegionalSettingsOfLocale("C");
    EXPECT_EQ(settings.DecimalSeparator, ".");
    EXPECT_EQ(settings.ThousandSeparator, ",");
    EXPECT_EQ(settings.CurrencyString, "$");
    EXPECT_EQ(settings.ShortDateFormat, "M/d/yyyy");
    EXPECT_EQ(settings.CountryCode, 0);
    EXPECT_EQ(TRegionalSettings::UnitedStates().CountryCode, 1);
}

TEST(RegionalSettings, PosixSourceTakesTheCountryFromTheEnvironment)
{
    TEnvironmentGuard guard;
    guard.Set("LC_ALL", nullptr);
    guard.Set("LC_MONETARY", nullptr);
    guard.Set("LANG", "fr_CA.UTF-8");
    EXPECT_EQ(TPosixRegionalSettings().Current().CountryCode, 2);
    guard.Set("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(TPosixRegionalSettings().Current().CountryCode, 49);
}

// Only where the German locale data is installed.
TEST(RegionalSettings, GermanLocaleData)
{
    locale_t probe = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
    if (probe == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    freelocale(probe);
    const TRegionalSettings settings = RegionalSettingsOfLocale("de_DE.UTF-8");
    EXPECT_EQ(settings.DecimalSeparator, ",");
    EXPECT_EQ(settings.ThousandSeparator, ".");
    EXPECT_EQ(settings.CurrencyString, "€");
    EXPECT_EQ(settings.CurrencyFormat, 3);
    EXPECT_EQ(settings.NegCurrFormat, 8);
    EXPECT_EQ(settings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(settings.CountryCode, 49);
}

TEST(ApplicationFolder, OverriddenByCalvoraHome)
{
    TTemporaryFolder folder;
    TEnvironmentGuard guard;
    const std::filesystem::path home = folder.Path / "profile";
    guard.Set(kCalvoraHomeVariable, home.c_str());
    EXPECT_EQ(ApplicationFolder(), home / "");
    EXPECT_TRUE(std::filesystem::is_directory(home / "Data"));
}

TEST(ApplicationFolder, UnderXdgDataHome)
{
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

TEST(ApplicationFolder, FallsBackToTheProgramFolder)
{
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

TEST(SystemOwner, FixedAndPasswd)
{
    const TFixedSystemOwner fixed("Ada Lovelace", "Analytical Engines");
    EXPECT_EQ(fixed.RegisteredOwner(), "Ada Lovelace");
    EXPECT_EQ(fixed.RegisteredOrganization(), "Analytical Engines");
    // The full name is the first field of the passwd comment, never the rest.
    EXPECT_EQ(TPasswdSystemOwner().RegisteredOwner().find(','), std::string::npos);
    EXPECT_EQ(TPasswdSystemOwner().RegisteredOrganization(), "");
}

} // namespace
} // namespace calvora

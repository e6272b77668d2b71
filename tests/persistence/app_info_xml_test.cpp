#include "finance/date_math.h"
#include "persistence/app_info_xml.h"
#include "persistence/number_text.h"
#include "settings_test_folder.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace calvora {
namespace {

// Day numbers from Python: (date(y, m, d) - date(1899, 12, 30)).days.
constexpr TDateTime k31January2011 = 40574;
constexpr TDateTime k1February2011 = 40575;
constexpr TDateTime k15March2011 = 40617;

class AppInfoXMLTest : public ::testing::Test {
protected:
    std::unique_ptr<TAppInfoXML>
    Open(const TRegionalSettings& regional = TRegionalSettings::UnitedStates()) {
        TAppInfoEnvironment environment;
        environment.AppFolder = Folder.Path;
        environment.Regional = regional;
        environment.Owner = &Owner;
        environment.Today = k31January2011;
        return std::make_unique<TAppInfoXML>(environment);
    }

    testing::TSettingsFolder Folder;
    TFixedSystemOwner Owner{"Ada Lovelace", "Analytical Engines"};
};

TEST_F(AppInfoXMLTest, FirstStartCreatesTheFile) {
    auto settings = Open();
    EXPECT_TRUE(settings->IsNewFile());
    EXPECT_EQ(settings->RunTimes(), 0);
    EXPECT_EQ(settings->LoadProblem(), "");
    EXPECT_EQ(settings->ProgramVersion(), "3.0d");
    EXPECT_EQ(settings->Fields().DataPath, (Folder.Path / "Data" / "").string());
    EXPECT_EQ(settings->Fields().UserName, "Ada Lovelace");
    EXPECT_EQ(settings->Fields().Preparer, "Ada Lovelace");
    EXPECT_EQ(settings->Fields().Organization, "Analytical Engines");
    EXPECT_EQ(settings->Fields().PreparerCompany, "Analytical Engines");

    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(Folder.SettingsFile().c_str()));
    const pugi::xml_node root = xml.document_element();
    EXPECT_STREQ(root.name(), "Calvora");
    EXPECT_STREQ(root.attribute("MajorVersion").value(), "2");
    EXPECT_STREQ(root.attribute("MinorVersion").value(), "0");
    EXPECT_STREQ(root.child_value("ProgramVersion"), "3.0d");
    EXPECT_STREQ(root.child("CommonProperties").child_value("UserName"), "Ada Lovelace");

    // UTF-8 with a declaration that says so, one tab per level.
    const std::string text = Folder.FileText();
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n\t<ProgramVersion>3.0d</ProgramVersion>\n"), std::string::npos);
    EXPECT_NE(text.find("\n\t\t<UserName>Ada Lovelace</UserName>\n"), std::string::npos);
}

TEST_F(AppInfoXMLTest, RunCounterAndSecondStart) {
    Open()->WriteRunTimesAtExit();
    {
        auto second = Open();
        EXPECT_FALSE(second->IsNewFile());
        EXPECT_EQ(second->RunTimes(), 1);
        // A name cleared by the user stays cleared: no first start any more.
        second->Set(appkeys::UserName, "Grace");
        second->Set(appkeys::UserName, "");
        second->WriteRunTimesAtExit();
    }
    auto third = Open();
    EXPECT_EQ(third->RunTimes(), 2);
    EXPECT_EQ(third->Fields().UserName, "");
    EXPECT_EQ(third->ReadInteger("Calvora", "RunTimes", -1, true), 2);
}

TEST_F(AppInfoXMLTest, DataPathWithoutDataFolder) {
    std::filesystem::remove(Folder.Path / "Data");
    auto settings = Open();
    EXPECT_EQ(settings->Fields().DataPath, Folder.Path.string());
    EXPECT_EQ(settings->DefaultDataPath(), Folder.Path.string());
}

// Every loaded key with its section, its default and the text a new value is
// stored as, read back by a second instance.
TEST_F(AppInfoXMLTest, EveryLoadedKeyRoundTrips) {
    struct TextCase {
        const TAppInfoKey<std::string>& Key;
        const char* Section;
        const char* Name;
        const char* Default;
    } const texts[] = {
        {appkeys::SkinPath, "CommonProperties", "SkinPath", "./skins/"},
        {appkeys::SkinName, "CommonProperties", "SkinName", ""},
        {appkeys::DefaultPrinter, "Printer", "DefaultPrinter", "DefaultPrinter"},
        {appkeys::PrinterFontName, "Printer", "PrinterFontName", "Courier New"},
        {appkeys::AccountFirstName, "Account", "AccountFirstName", ""},
        {appkeys::AccountAddress1, "Account", "AccountAddress1", ""},
        {appkeys::AccountAddress2, "Account", "AccountAddress2", ""},
        {appkeys::AccountBusiness, "Account", "AccountBusiness", ""},
        {appkeys::AccountCity, "Account", "AccountCity", ""},
        {appkeys::AccountCountry, "Account", "AccountCountry", ""},
        {appkeys::AccountExtn, "Account", "AccountExtn", ""},
        {appkeys::AccountInitial, "Account", "AccountInitial", ""},
        {appkeys::AccountLastName, "Account", "AccountLastName", ""},
        {appkeys::AccountPhone1, "Account", "AccountPhone1", ""},
        {appkeys::AccountPhone2, "Account", "AccountPhone2", ""},
        {appkeys::AccountState, "Account", "AccountState", ""},
        {appkeys::AccountZip, "Account", "AccountZip", ""},
        {appkeys::LoanBlockNo, "Loan", "LoanBlockNo", ""},
        {appkeys::LoanCity, "Loan", "LoanCity", ""},
        {appkeys::LoanCollateral, "Loan", "LoanCollateral", ""},
        {appkeys::LoanCountry, "Loan", "LoanCountry", ""},
        {appkeys::LoanLotNo, "Loan", "LoanLotNo", ""},
        {appkeys::LoanOtherCollateral, "Loan", "LoanOtherCollateral", ""},
        {appkeys::LoanPropertyAddress, "Loan", "LoanPropertyAddress", ""},
        {appkeys::LoanState, "Loan", "LoanState", ""},
        {appkeys::LoanZIP, "Loan", "LoanZIP", ""},
    };
    struct IntCase {
        const TAppInfoKey<std::int32_t>& Key;
        const char* Section;
        const char* Name;
        std::int32_t Default;
    } const integers[] = {
        {appkeys::AccelPctText, "CommonProperties", "AccelPctText", 0},
        {appkeys::AmortAccelMthdText, "CommonProperties", "AmortAccelMthdText", 0},
        {appkeys::AmortMthdText, "CommonProperties", "AmortMthdText", 0},
        {appkeys::RateTypeTextEq, "CommonProperties", "RateTypeTextEq", 2},
        {appkeys::MACRSBusinessUsePctText, "CommonProperties", "MACRSBusinessUsePctText", 0},
        {appkeys::CmpPYRText, "CommonProperties", "CmpPYRText", 6},
        {appkeys::YearLengthText, "CommonProperties", "YearLengthText", 0},
        {appkeys::DeductText, "CommonProperties", "DeductText", 0},
        {appkeys::MACRSDeprecionMthdText, "CommonProperties", "MACRSDeprecionMthdText", 1},
        {appkeys::MACRSIRSConventionText, "CommonProperties", "MACRSIRSConventionText", 0},
        {appkeys::AmortLongInterestCalcMthdText, "CommonProperties",
         "AmortLongInterestCalcMthdText", 2},
        {appkeys::AmortLongInterestPmtMthdText, "CommonProperties", "AmortLongInterestPmtMthdText",
         3},
        {appkeys::PYRText, "CommonProperties", "PYRText", 5},
        {appkeys::PmtMthdText, "CommonProperties", "PmtMthdText", 0},
        {appkeys::AmortPointsAreText, "CommonProperties", "AmortPointsAreText", 1},
        {appkeys::AmortShortInterestCalcMthdText, "CommonProperties",
         "AmortShortInterestCalcMthdText", 2},
        {appkeys::AmortShortInterestPmtMthdText, "CommonProperties",
         "AmortShortInterestPmtMthdText", 2},
        {appkeys::UseforStartingDateText, "CommonProperties", "UseforStartingDateText", 0},
        {appkeys::TaxEffectText, "CommonProperties", "TaxEffectText", 0},
        {appkeys::TwiceMonthlyText, "CommonProperties", "TwiceMonthlyText", 0},
        {appkeys::PIPUText, "CommonProperties", "PIPUText", 0},
        {appkeys::ApplyUS, "CommonProperties", "ApplyUS", 0},
        {appkeys::AssumedStartDateMthdText, "CommonProperties", "AssumedStartDateMthdText", 3},
        {appkeys::PrinterFontSize, "Printer", "PrinterFontSize", 10},
    };
    struct BoolCase {
        const TAppInfoKey<bool>& Key;
        const char* Name;
        bool Default;
    } const switches[] = {
        {appkeys::ShowHints, "ShowHints", true},
        {appkeys::ShowBtnHints, "ShowBtnHints", true},
        {appkeys::ShowToolBarHints, "ShowToolBarHints", true},
        {appkeys::SaveCalculatorPos, "SaveCalculatorPos", true},
        {appkeys::RestoreCalcPos, "RestoreCalcPos", true},
        {appkeys::ColorBackground, "ColorBackground", true},
        {appkeys::ShowAlternatecolorGird, "ShowAlternatecolorGird", false},
        {appkeys::ShowAlternateColor, "ShowAlternateColor", false},
        {appkeys::HasSkinned, "HasSkinned", false},
        {appkeys::AssumedStartDateOptedText, "AssumedStartDateOptedText", false},
    };
    struct FloatCase {
        const TAppInfoKey<Extended>& Key;
        const char* Section;
        const char* Name;
        Extended Default;
    } const floats[] = {
        {appkeys::DiscRateText, "CommonProperties", "DiscRateText", 0},
        {appkeys::FIRText, "CommonProperties", "FIRText", 0},
        {appkeys::InflationRateText, "CommonProperties", "InflationRateText", 0},
        {appkeys::MarginalTaxRateText, "CommonProperties", "MarginalTaxRateText", 0},
        {appkeys::PointsText, "CommonProperties", "PointsText", 0},
        {appkeys::PPText, "CommonProperties", "PPText", 0},
        {appkeys::PVText, "CommonProperties", "PVText", 0},
        {appkeys::RateText, "CommonProperties", "RateText", 0},
        {appkeys::SIRText, "CommonProperties", "SIRText", 0},
        {appkeys::DefaultPaperWidth, "Printer", "DefaultPaperWidth", 8.5},
    };
    {
        auto settings = Open();
        const TAppInfoFields& fields = settings->Fields();
        for (const TextCase& c : texts) {
            EXPECT_EQ(c.Key.Section, c.Section);
            EXPECT_EQ(c.Key.Key, c.Name);
            EXPECT_EQ(fields.*c.Key.Field, c.Default) << c.Name;
            settings->Set(c.Key, std::string("new ") + c.Name);
        }
        for (const IntCase& c : integers) {
            EXPECT_EQ(c.Key.Section, c.Section);
            EXPECT_EQ(c.Key.Key, c.Name);
            EXPECT_EQ(fields.*c.Key.Field, c.Default) << c.Name;
            settings->Set(c.Key, c.Default + 7);
        }
        for (const BoolCase& c : switches) {
            EXPECT_EQ(c.Key.Section, "CommonProperties");
            EXPECT_EQ(c.Key.Key, c.Name);
            EXPECT_EQ(fields.*c.Key.Field, c.Default) << c.Name;
            settings->Set(c.Key, !c.Default);
        }
        for (const FloatCase& c : floats) {
            EXPECT_EQ(c.Key.Section, c.Section);
            EXPECT_EQ(c.Key.Key, c.Name);
            EXPECT_EQ(fields.*c.Key.Field, c.Default) << c.Name;
            settings->Set(c.Key, c.Default + 0.25L);
        }
        EXPECT_EQ(fields.AssumedStartDateDefaultText, k31January2011);
        settings->Set(appkeys::AssumedStartDateDefaultText, k15March2011);
    }
    auto reopened = Open();
    const TAppInfoFields& fields = reopened->Fields();
    for (const TextCase& c : texts) {
        EXPECT_EQ(fields.*c.Key.Field, std::string("new ") + c.Name);
        EXPECT_EQ(reopened->ReadString(c.Section, c.Name, "?"), std::string("new ") + c.Name);
    }
    for (const IntCase& c : integers) {
        EXPECT_EQ(fields.*c.Key.Field, c.Default + 7) << c.Name;
        EXPECT_EQ(reopened->ReadString(c.Section, c.Name, "?"), std::to_string(c.Default + 7));
    }
    for (const BoolCase& c : switches) {
        EXPECT_EQ(fields.*c.Key.Field, !c.Default) << c.Name;
        EXPECT_EQ(reopened->ReadString("CommonProperties", c.Name, "?"), c.Default ? "0" : "1");
    }
    for (const FloatCase& c : floats) {
        EXPECT_EQ(fields.*c.Key.Field, c.Default + 0.25L) << c.Name;
    }
    EXPECT_EQ(reopened->ReadString("Printer", "DefaultPaperWidth", "?"), "8.75");
    EXPECT_EQ(reopened->ReadString("CommonProperties", "RateText", "?"), "0.25");
    // Dates are stored with the date mask of the regional pattern (M/d/yyyy here).
    EXPECT_EQ(reopened->ReadString("CommonProperties", "AssumedStartDateDefaultText", "?"),
              "03/15/2011");
    EXPECT_EQ(fields.AssumedStartDateDefaultText, k15March2011);
    // The fixed date is chosen (the switch was turned on above).
    EXPECT_EQ(reopened->AssumedStartDate(), k15March2011);
}

TEST_F(AppInfoXMLTest, AssumedStartDateRules) {
    struct Case {
        std::int32_t Rule;
        TDateTime Today;
        TDateTime Expected;
    } const data[] = {
        // 15 December 2011 is day 40892; 1 January 2012 day 40909.
        {0, 40892, 40892},
        {1, 40892, 40893},
        {2, 40892, 40878},
        {3, 40892, 40909},
        {3, k31January2011, k1February2011},
        {0, 40892.75, 40892},
    };
    for (const Case& c : data) {
        EXPECT_EQ(TAppInfoXML::AssumedStartDateByRule(c.Rule, c.Today), c.Expected) << c.Rule;
    }
    // The default rule is "first of next month".
    EXPECT_EQ(Open()->AssumedStartDate(), k1February2011);
}

TEST_F(AppInfoXMLTest, EqualWritesSaveOnce) {
    auto settings = Open();
    settings->WriteString("Test", "Key", "a");
    ASSERT_TRUE(std::filesystem::remove(Folder.SettingsFile()));
    settings->WriteString("Test", "Key", "a");
    EXPECT_FALSE(std::filesystem::exists(Folder.SettingsFile()));
    settings->Set(appkeys::PYRText, 5); // the default again: no change
    EXPECT_FALSE(std::filesystem::exists(Folder.SettingsFile()));
    settings->WriteString("Test", "Key", "b");
    EXPECT_TRUE(std::filesystem::exists(Folder.SettingsFile()));
}

TEST_F(AppInfoXMLTest, EmptyWritesWaitForTheNextSave) {
    auto settings = Open();
    settings->WriteString("Test", "Name", "Ada");
    const std::string before = Folder.FileText();
    settings->WriteString("Test", "Name", "");
    EXPECT_TRUE(settings->Unsaved());
    EXPECT_EQ(Folder.FileText(), before);
    EXPECT_EQ(settings->ReadString("Test", "Name", "default"), "default");

    settings->WriteString("Test", "Other", "x");
    EXPECT_FALSE(settings->Unsaved());
    EXPECT_NE(Folder.FileText(), before);
    auto reopened = Open();
    EXPECT_EQ(reopened->ReadString("Test", "Name", "default"), "default");
    EXPECT_EQ(reopened->ReadString("Test", "Other", ""), "x");
}

TEST_F(AppInfoXMLTest, SectionsAndKeysAreAppendedLast) {
    auto settings = Open();
    settings->WriteString("LoanCalc", "First", "1");
    settings->WriteString("Refinance", "Only", "2");
    settings->WriteString("LoanCalc", "Second", "3");
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_file(Folder.SettingsFile().c_str()));
    const pugi::xml_node root = xml.document_element();
    EXPECT_STREQ(root.last_child().name(), "Refinance");
    EXPECT_STREQ(root.child("LoanCalc").last_child().name(), "Second");
    EXPECT_STREQ(root.child("LoanCalc").first_child().name(), "First");
}

TEST_F(AppInfoXMLTest, TypedReadsAndWrites) {
    auto settings = Open();
    settings->WriteInteger("Test", "Count", -42);
    settings->WriteBool("Test", "On", true);
    settings->WriteFloat("Test", "Rate", static_cast<Extended>(7.1f));
    EXPECT_EQ(settings->ReadString("Test", "Count", ""), "-42");
    EXPECT_EQ(settings->ReadInteger("Test", "Count", 0), -42);
    EXPECT_EQ(settings->ReadString("Test", "On", ""), "1");
    EXPECT_EQ(settings->ReadString("Test", "Rate", ""), "7.09999990463257");
    EXPECT_EQ(settings->ReadInteger("Test", "Missing", 17), 17);
    EXPECT_EQ(settings->ReadFloat("Test", "Missing", 8.5L), 8.5L);

    // A switch is the low byte of an integer.
    struct Case {
        const char* Stored;
        bool Expected;
    } const data[] = {{"0", false},   {"1", true},   {"2", true},
                      {"256", false}, {"257", true}, {"-1", true}};
    for (const Case& c : data) {
        settings->WriteString("Test", "Switch", c.Stored);
        EXPECT_EQ(settings->ReadBool("Test", "Switch", !c.Expected), c.Expected) << c.Stored;
    }

    settings->WriteString("Test", "Count", "abc");
    EXPECT_THROW_MSG(settings->ReadInteger("Test", "Count", 0), EConvertError,
                     "'abc' is not a valid integer value");
    EXPECT_THROW_MSG(settings->ReadFloat("Test", "Count", 0), EConvertError,
                     "'abc' is not a valid floating point value");
    EXPECT_THROW(settings->WriteString("Bad Section", "Key", "x"), std::invalid_argument);
}

TEST_F(AppInfoXMLTest, RegionalDecimalComma) {
    TRegionalSettings german = TRegionalSettings::UnitedStates();
    german.DecimalSeparator = ",";
    german.ThousandSeparator = ".";
    german.ShortDateFormat = "dd.MM.yyyy";
    {
        auto settings = Open(german);
        settings->WriteFloat("Test", "Width", 8.5L);
        EXPECT_EQ(settings->ReadString("Test", "Width", ""), "8,5");
        EXPECT_EQ(settings->ReadFloat("Test", "Width", 0), 8.5L);
        EXPECT_EQ(settings->Fields().DefaultPaperWidth, 8.5L);
        settings->Set(appkeys::AssumedStartDateDefaultText, k15March2011);
        EXPECT_EQ(settings->ReadString("CommonProperties", "AssumedStartDateDefaultText", ""),
                  "15.03.2011");
    }
    auto reopened = Open(german);
    EXPECT_EQ(reopened->ReadFloat("Test", "Width", 0), 8.5L);
    EXPECT_EQ(reopened->Fields().AssumedStartDateDefaultText, k15March2011);
}

TEST_F(AppInfoXMLTest, Bounds) {
    auto settings = Open();
    const TBounds current{100, 200, 640, 480};
    EXPECT_EQ(settings->ReadBounds("LoanCalc1", current, 1024, 768), current);

    settings->WriteBounds("LoanCalc1", {-5, -7, 624, 442});
    EXPECT_EQ(settings->ReadString("LoanCalc1", "Left", ""), "1");
    EXPECT_EQ(settings->ReadString("LoanCalc1", "Top", ""), "1");
    EXPECT_EQ(settings->ReadString("LoanCalc1", "width", ""), "624");
    EXPECT_EQ(settings->ReadString("LoanCalc1", "Height", ""), "442");

    struct Case {
        std::int32_t StoredLeft;
        std::int32_t StoredTop;
        std::int32_t ExpectedLeft;
        std::int32_t ExpectedTop;
    } const data[] = {
        {5000, 10, 20, 10}, {974, 718, 974, 718}, {975, 719, 20, 20},
        {-3, -1, 20, 20},   {0, 0, 0, 0},
    };
    for (const Case& c : data) {
        settings->WriteInteger("Main", "Left", c.StoredLeft);
        settings->WriteInteger("Main", "Top", c.StoredTop);
        const TBounds read = settings->ReadBounds("Main", current, 1024, 768);
        EXPECT_EQ(read.Left, c.ExpectedLeft) << c.StoredLeft;
        EXPECT_EQ(read.Top, c.ExpectedTop) << c.StoredTop;
    }
}

TEST_F(AppInfoXMLTest, DamagedFileIsKeptAside) {
    const std::string damaged = "<?xml version=\"1.0\"?>\n<Calvora><CommonProperties><UserName>Ad";
    Folder.WriteFile(damaged);
    auto settings = Open();
    const std::filesystem::path aside = Folder.Path / "Calvora.xml.damaged";
    EXPECT_NE(settings->LoadProblem().find(aside.string()), std::string::npos)
        << settings->LoadProblem();
    EXPECT_EQ(testing::TSettingsFolder::ReadText(aside), damaged);
    EXPECT_TRUE(settings->IsNewFile());
    EXPECT_EQ(settings->Fields().PYRText, 5);
    EXPECT_EQ(settings->Fields().UserName, "Ada Lovelace");
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_file(Folder.SettingsFile().c_str()));

    // A second damaged file does not replace the first one kept.
    Folder.WriteFile("<Other/>");
    auto again = Open();
    EXPECT_NE(again->LoadProblem().find("Calvora.xml.damaged-2"), std::string::npos);
    EXPECT_EQ(testing::TSettingsFolder::ReadText(aside), damaged);
}

TEST_F(AppInfoXMLTest, UnreadableValueKeepsItsDefault) {
    Folder.WriteFile("<Calvora MajorVersion=\"2\" MinorVersion=\"0\"><RunTimes>3</RunTimes>"
                     "<CommonProperties><PYRText>monthly</PYRText><RateText>7.5</RateText>"
                     "</CommonProperties></Calvora>");
    auto settings = Open();
    EXPECT_EQ(settings->Fields().PYRText, 5);
    EXPECT_EQ(settings->Fields().RateText, 7.5L);
    EXPECT_NE(settings->LoadProblem().find("'monthly' is not a valid integer value"),
              std::string::npos);
}

TEST_F(AppInfoXMLTest, OldWindows1252File) {
    Folder.WriteFile("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                     "<Calvora MajorVersion=\"2\" MinorVersion=\"0\">\r\n"
                     "\t<ProgramVersion>3.0d</ProgramVersion>\r\n"
                     "\t<RunTimes>4</RunTimes>\r\n"
                     "\t<CommonProperties>\r\n"
                     "\t\t<UserName>Fran\xE7ois M\xFCller</UserName>\r\n"
                     "\t\t<UserCompany>Caf\xE9 \x80 Co</UserCompany>\r\n"
                     "\t\t<RateText>7.09999990463257</RateText>\r\n"
                     "\t</CommonProperties>\r\n"
                     "</Calvora>\r\n");
    {
        auto settings = Open();
        EXPECT_EQ(settings->LoadProblem(), "");
        EXPECT_EQ(settings->RunTimes(), 4);
        EXPECT_EQ(settings->Fields().UserName, "François Müller");
        // The old program's organization key is still honoured.
        EXPECT_EQ(settings->Fields().Organization, "Café € Co");
        EXPECT_EQ(settings->Fields().RateText, 7.09999990463257L);
        settings->WriteString("Account", "AccountCity", "Zürich");
    }
    const std::string text = Folder.FileText();
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u) << text;
    EXPECT_EQ(text.find("windows-1252"), std::string::npos);
    EXPECT_NE(text.find("<UserName>François Müller</UserName>"), std::string::npos);
    auto reopened = Open();
    EXPECT_EQ(reopened->Fields().UserName, "François Müller");
    EXPECT_EQ(reopened->Fields().AccountCity, "Zürich");
}

TEST_F(AppInfoXMLTest, FailedSaveKeepsTheValuesAndSaysWhy) {
    // A plain file where the application folder should be: nothing can be saved.
    const std::filesystem::path blocked = Folder.Path / "blocked";
    { std::ofstream stream(blocked); }
    TAppInfoEnvironment environment;
    environment.AppFolder = blocked / "";
    environment.Regional = TRegionalSettings::UnitedStates();
    environment.Today = k31January2011;
    TAppInfoXML settings(environment);
    EXPECT_NE(settings.SaveProblem(), "");
    EXPECT_TRUE(settings.Unsaved());
    settings.WriteString("Test", "Key", "kept in memory");
    EXPECT_EQ(settings.ReadString("Test", "Key", ""), "kept in memory");
    EXPECT_NE(settings.SaveProblem().find("blocked"), std::string::npos) << settings.SaveProblem();
}

TEST_F(AppInfoXMLTest, ExternalEntitiesAreNeverExpanded) {
    const std::filesystem::path secret = Folder.Path / "secret.txt";
    {
        std::ofstream stream(secret);
        stream << "TOP SECRET";
    }
    Folder.WriteFile("<?xml version=\"1.0\"?>\n<!DOCTYPE Calvora [\n"
                     "  <!ENTITY secret SYSTEM \"file://" +
                     secret.string() +
                     "\">\n"
                     "  <!ENTITY inner \"expanded\">\n]>\n"
                     "<Calvora MajorVersion=\"2\" MinorVersion=\"0\"><RunTimes>1</RunTimes>"
                     "<CommonProperties><UserName>&secret;</UserName>"
                     "<Organization>&inner; &amp; co</Organization></CommonProperties></Calvora>");
    auto settings = Open();
    EXPECT_EQ(settings->LoadProblem(), "");
    EXPECT_EQ(settings->Fields().UserName, "&secret;");
    EXPECT_EQ(settings->Fields().Organization, "&inner; & co");
    settings->WriteString("Test", "Key", "x");
    EXPECT_EQ(Folder.FileText().find("TOP SECRET"), std::string::npos);
}

} // namespace
} // namespace calvora

#include "calculators/buf_interest.h"
#include "cli/calc_text.h"
#include "cli/cli_command.h"
#include "cli/cli_names.h"
#include "cli/commands.h"
#include "persistence/app_info_xml.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace calvora::cli {

namespace {

// The buffer takes a settings object, which reads and may write its file; the
// interest calculation uses none of it, so it lives in a private folder that
// goes away afterwards and never touches the user's own settings.
class ScratchSettings {
public:
    ScratchSettings() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "calvora-calc-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::filesystem::filesystem_error(
                "cannot create a scratch folder", std::error_code(errno, std::generic_category()));
        m_folder = pattern;
        m_settings = std::make_unique<TAppInfoXML>(
            TAppInfoEnvironment{m_folder / "", TRegionalSettings::UnitedStates(), nullptr, 0});
    }
    ~ScratchSettings() {
        m_settings.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    TAppInfoXML& Settings() { return *m_settings; }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<TAppInfoXML> m_settings;
};

// Rows of the buffer's year-length choice: "360", "364", "365".
std::int32_t YearLengthIndex(const OptionSet& options) {
    const long long days = options.Integer("days-per-year", 360);
    for (std::int32_t index = 0; index < 3; ++index) {
        if (DaysInYear(index) == days)
            return index;
    }
    throw EUsageError("option --days-per-year: " + std::to_string(days) +
                      " is not one of 360, 364, 365");
}

} // namespace

int RunInterestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    OptionSet options(
        "interest",
        "Compound or simple interest an amount earns from a start date to an end date\n"
        "(or over a number of days): interest, future value, APY and daily rate.",
        Joined({{"amount", "MONEY", "amount that earns interest"},
                {"rate", "PERCENT", "annual rate in percent"},
                {"start", "YYYY-MM-DD", "start date (default today)"},
                {"end", "YYYY-MM-DD", "end date (default start plus --days)"},
                {"days", "COUNT", "number of days, when no end date is given"},
                {"compounding", "NAME",
                 "compounding period, continuous, daily ... exact (default monthly)"},
                {"days-per-year", "DAYS", "360, 364 or 365 (default 360)"},
                {"json", "", "print one JSON object instead of labelled lines"}},
               CalcTextOptions()));
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        TcalcInterestTransferClass rec;
        rec.Amount = options.Number("amount");
        rec.AnnualRate = static_cast<float>(options.Number("rate"));
        rec.StartDate = options.Date("start", TodayDate());
        const long long days = options.Integer("days", 0);
        if (options.Flag("end")) {
            rec.EndDate = options.Date("end", rec.StartDate);
        } else {
            if (days < 0 || days > 3660000)
                throw EUsageError("option --days: " + std::to_string(days) +
                                  " is not a whole number from 0 to 3660000");
            rec.EndDate = rec.StartDate + static_cast<TDateTime>(days);
        }
        if (rec.EndDate < rec.StartDate)
            throw EUsageError("the end date is before the start date");
        rec.Days = static_cast<std::int32_t>(rec.EndDate - rec.StartDate);
        SelectChoice(rec.Compounding,
                     options.Choice("compounding", CompoundingNames(), rec.Compounding.Index));
        SelectChoice(rec.YearLength, YearLengthIndex(options));

        ScratchSettings scratch;
        TbufInterest buffer(scratch.Settings());
        buffer.SetTransfer(rec);
        buffer.Calculate();
        const TcalcInterestTransferClass& done = buffer.Transfer();
        if (WriteCalcText<TbufInterest>(result, options, done,
                                        "Compound & Simple Interest Calculator"))
            return;

        ResultReport report("interest");
        report.AddInput("amount", MoneyValue(rec.Amount));
        report.AddInput("rate", RateValue(rec.AnnualRate));
        report.AddSetting("start", "Start Date", DateValue(done.StartDate));
        report.AddSetting("end", "End Date", DateValue(done.EndDate));
        report.AddSetting("compounding", "Compounding Period",
                          WordValue(ChoiceName(done.Compounding.Index, CompoundingNames())));
        report.AddSetting("days_per_year", "Days In Year",
                          CountValue(DaysInYear(done.YearLength.Index)));
        report.AddOutput("days", "Number of Days", CountValue(done.Days));
        report.AddOutput("interest", "Interest For Term", MoneyValue(done.TermInterest), true);
        report.AddOutput("future_value", "Future Value", MoneyValue(done.EndValue), true);
        report.AddOutput("apy", "Annual Percentage Yield", RateValue(done.Apy), true);
        report.AddOutput("daily_rate", "Daily Periodic Rate", RateValue(done.DailyRate), true);
        report.SetSolvedFor("interest");
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli

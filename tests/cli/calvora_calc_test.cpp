#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

// Runs the built calvora-calc program (its path comes from the build) and
// checks what it prints and how it exits.

#ifndef CALVORA_CALC_PATH
#error "CALVORA_CALC_PATH must name the calvora-calc program"
#endif

namespace {

struct Outcome {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Outcome Calc(const std::vector<std::string>& args) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("calvora-calc-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string command = Quoted(CALVORA_CALC_PATH);
    for (const auto& arg : args)
        command += " " + Quoted(arg);
    command += " >" + Quoted((dir / "out").string()) + " 2>" + Quoted((dir / "err").string());
    const int raw = std::system(command.c_str());
    Outcome run;
    run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.Out = Slurp(dir / "out");
    run.Err = Slurp(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const std::vector<std::string> kStandardLoan{"--amount", "100000", "--periods",   "360",
                                             "--rate",   "6",      "--loan-date", "2026-01-01"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CalvoraCalcTest, SolvesThePaymentOfAThirtyYearLoan) {
    const Outcome text = Calc(With({"loan"}, kStandardLoan));
    EXPECT_EQ(text.Status, 0);
    EXPECT_TRUE(text.Err.empty());
    EXPECT_TRUE(Contains(text.Out, "Periodic Payment:")) << text.Out;
    EXPECT_TRUE(Contains(text.Out, "599.55  (solved)")) << text.Out;

    const Outcome json = Calc(With({"loan", "--json"}, kStandardLoan));
    EXPECT_EQ(json.Status, 0);
    EXPECT_EQ(json.Out.front(), '{');
    EXPECT_TRUE(Contains(json.Out, "\"outputs\": {")) << json.Out;
    EXPECT_TRUE(Contains(json.Out, "\"payment\": 599.55")) << json.Out;
    EXPECT_TRUE(Contains(json.Out, "\"solved_for\": \"payment\"")) << json.Out;
    EXPECT_TRUE(Contains(json.Out, "\"payment\": 0.00")) << "inputs keep the unknown as 0";
}

TEST(CalvoraCalcTest, SolvesTheTermAndTheRateBack) {
    const Outcome term = Calc({"loan", "--amount", "100000", "--rate", "6", "--payment", "599.55",
                               "--loan-date", "2026-01-01", "--json"});
    EXPECT_EQ(term.Status, 0);
    EXPECT_TRUE(Contains(term.Out, "\"periods\": 360, \"rate\"")) << term.Out;
    EXPECT_TRUE(Contains(term.Out, "\"solved_for\": \"periods\"")) << term.Out;

    const Outcome rate = Calc({"loan", "--amount", "100000", "--periods", "360", "--payment",
                               "599.55", "--loan-date", "2026-01-01", "--json"});
    EXPECT_EQ(rate.Status, 0);
    // 599.55 is the payment of 5.99999 %: the rate reads 6.0000 to four places.
    EXPECT_TRUE(Contains(rate.Out, "\"rate\": 5.9999")) << rate.Out;
    EXPECT_TRUE(Contains(rate.Out, "\"solved_for\": \"rate\"")) << rate.Out;
}

TEST(CalvoraCalcTest, ScheduleAsCsvHasEveryRowAndTheTotals) {
    const Outcome run =
        Calc({"schedule", "--amount", "100000", "--periods", "360", "--rate", "6", "--origination",
              "2026-01-01", "--first-payment", "2026-02-01", "--csv"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 1u + 361u + 1u);
    EXPECT_EQ(lines[0], "period,label,date,payment,principal,interest,balance,"
                        "cumulative_payments,cumulative_principal,cumulative_interest");
    EXPECT_EQ(lines[1].rfind("0,Init/1,2026-01-01,", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "1,1/01,2026-02-01,599.55,99.55,500.00,99900.45,599.55,99.55,500.00");
    EXPECT_EQ(lines[14].rfind("13,13/02,2027-02-01,599.55,", 0), 0u) << lines[14];
    EXPECT_TRUE(Contains(lines[361], ",0.00,")) << lines[361];
    EXPECT_EQ(lines.back().rfind(",Total,,", 0), 0u) << lines.back();
    EXPECT_TRUE(Contains(lines.back(), ",100000.00,")) << lines.back();
}

TEST(CalvoraCalcTest, ScheduleJsonCarriesRowsAndAFiscalYear) {
    const Outcome run = Calc({"schedule", "--amount", "20000", "--periods", "24", "--rate", "6",
                              "--origination", "2024-01-15", "--first-payment", "2024-02-15",
                              "--fiscal-year-end", "6", "--fiscal-year", "25", "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(Contains(run.Out, "\"rows\": [{\"period\": 0, \"label\": \"Init/1\"")) << run.Out;
    EXPECT_TRUE(Contains(run.Out, "\"fiscal_year\": {\"label\": \"25\", \"first_period\": 6, "
                                  "\"last_period\": 17"))
        << run.Out;

    const Outcome missing =
        Calc({"schedule", "--amount", "20000", "--periods", "24", "--rate", "6", "--origination",
              "2024-01-15", "--first-payment", "2024-02-15", "--fiscal-year", "40"});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Out.empty());
    EXPECT_TRUE(Contains(missing.Err, "fiscal year 40")) << missing.Err;
}

TEST(CalvoraCalcTest, LoanReportAndClipboardCarryTheCaptionAndFigures) {
    // 100000 over 360 months at 0.5 %: 100000 * 0.005 / (1 - 1.005^-360) =
    // 599.5505 -> 599.55; amortized with cent-rounded interest and the last
    // payment clearing the balance, the interest adds up to 115,838.45
    // (computed with python3's decimal module).
    for (const char* option : {"--report", "--clipboard"}) {
        SCOPED_TRACE(option);
        const Outcome run = Calc(With({"loan", option}, kStandardLoan));
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_TRUE(Contains(run.Out, "Loan Calculator")) << run.Out;
        EXPECT_TRUE(Contains(run.Out, "599.55")) << run.Out;
        EXPECT_TRUE(Contains(run.Out, "115,838.45")) << run.Out;
        EXPECT_TRUE(Contains(run.Out, "100,000.00")) << run.Out;
        EXPECT_FALSE(Contains(run.Out, "(solved)")) << "the buffer's text, not the listing";
    }
}

TEST(CalvoraCalcTest, EveryCalculatorPrintsItsReportUnderItsCaption) {
    struct Case {
        std::vector<std::string> Args;
        const char* Caption;
    } const cases[] = {
        {With({"auto", "--price", "25000", "--down-payment", "5000"},
              {"--periods", "60", "--rate", "6"}),
         "Automobile Loan Calculator"},
        {{"mortgage", "--price", "250000", "--down-percent", "20", "--periods", "360", "--rate",
          "6"},
         "Mortgage Loan Calculator"},
        {{"accelerated", "--amount", "100000", "--periods", "360", "--rate", "6", "--extra-start",
          "1", "--extra-amount", "100"},
         "Accelerated Payment Calculator"},
        {{"balloon", "--amount", "100000", "--rate", "6", "--payment", "700", "--balloon-period",
          "60"},
         "Balloon Payment Calculator"},
        {{"remaining-balance", "--amount", "100000", "--periods", "360", "--rate", "6",
          "--balance-after", "12"},
         "Remaining Balance Calculator"},
    };
    for (const auto& c : cases) {
        for (const char* option : {"--report", "--clipboard"}) {
            SCOPED_TRACE(c.Args.front() + " " + option);
            const Outcome run = Calc(With(c.Args, {option}));
            EXPECT_EQ(run.Status, 0) << run.Err;
            EXPECT_TRUE(Contains(run.Out, c.Caption)) << run.Out;
        }
    }
}

TEST(CalvoraCalcTest, SimpleInterestOverAYear) {
    // 1000 at 5 % simple interest for 365 days of a 365-day year:
    // 1000 * 0.05 * 365 / 365 = 50.00, future value 1,050.00.
    const std::vector<std::string> args{
        "interest", "--amount",        "1000",  "--rate",     "5",
        "--start",  "2025-01-01",      "--end", "2026-01-01", "--compounding",
        "exact",    "--days-per-year", "365"};
    const Outcome json = Calc(With(args, {"--json"}));
    ASSERT_EQ(json.Status, 0) << json.Err;
    EXPECT_TRUE(Contains(json.Out, "\"days\": 365")) << json.Out;
    EXPECT_TRUE(Contains(json.Out, "\"interest\": 50.00")) << json.Out;
    EXPECT_TRUE(Contains(json.Out, "\"future_value\": 1050.00")) << json.Out;

    const Outcome days =
        Calc({"interest", "--amount", "1000", "--rate", "5", "--start", "2025-01-01", "--days",
              "365", "--compounding", "exact", "--days-per-year", "365", "--json"});
    EXPECT_TRUE(Contains(days.Out, "\"interest\": 50.00")) << days.Out;

    const Outcome report = Calc(With(args, {"--report"}));
    EXPECT_EQ(report.Status, 0) << report.Err;
    EXPECT_TRUE(Contains(report.Out, "Compound & Simple Interest Calculator")) << report.Out;
    EXPECT_TRUE(Contains(report.Out, "1,050.00")) << report.Out;
}

TEST(CalvoraCalcTest, CalculationErrorsPrintTheCatalogueMessageAndExitOne) {
    struct Case {
        std::vector<std::string> Args;
        const char* Message;
    } const cases[] = {
        {{"loan", "--amount", "100000", "--rate", "6"},
         "Too many unknowns. Enter only one zero value.\n"},
        {{"schedule", "--amount", "100000", "--rate", "6"},
         "Too many unknowns. Enter only one zero value.\n"},
        {{"balloon", "--amount", "100000", "--rate", "6", "--payment", "700"}, "Invalid inputs.\n"},
        {{"remaining-balance", "--amount", "100000", "--periods", "360", "--rate", "6",
          "--balance-after", "360"},
         "Total periods must be greater than remaining balance period\n"},
        {{"accelerated", "--amount", "100000", "--periods", "360", "--rate", "6"},
         "Extra payments can't start at period '0'\n"},
        {{"loan", "--amount", "100000", "--periods", "360", "--method", "fixed-principal",
          "--payment", "700"},
         "Can't solve for rate with this amortization method.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args.front() + " " + c.Message);
        const Outcome run = Calc(c.Args);
        EXPECT_EQ(run.Status, 1);
        EXPECT_TRUE(run.Out.empty()) << run.Out;
        EXPECT_EQ(run.Err, c.Message);
    }
}

TEST(CalvoraCalcTest, UsageErrorsNameTheProblemAndExitTwo) {
    struct Case {
        std::vector<std::string> Args;
        const char* Mentions;
    } const cases[] = {
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{}, "Usage: calvora-calc"},
        {{"loan", "--amount", "abc"}, "--amount: 'abc' is not a number"},
        {{"loan", "--colour", "red"}, "unknown option --colour"},
        {{"loan", "--amount"}, "--amount needs a value"},
        {{"loan", "--frequency", "fortnightly"}, "unknown value 'fortnightly'"},
        {{"loan", "--periods", "40000"}, "--periods"},
        {{"schedule", "--origination", "2026-02-30"}, "not a date"},
        {{"loan", "--days-per-year", "300"}, "--days-per-year"},
        {{"schedule", "--fiscal-year-end", "13"}, "--fiscal-year-end"},
        {{"loan", "--report=yes"}, "--report"},
        {{"interest", "--start", "2026-02-01", "--end", "2026-01-01"}, "end date is before"},
        {{"interest", "--days-per-year", "366"}, "--days-per-year"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mentions);
        const Outcome run = Calc(c.Args);
        EXPECT_EQ(run.Status, 2);
        EXPECT_TRUE(run.Out.empty()) << run.Out;
        EXPECT_TRUE(Contains(run.Err, c.Mentions)) << run.Err;
    }
}

TEST(CalvoraCalcTest, HelpForTheProgramAndEachCommand) {
    const Outcome program = Calc({"--help"});
    EXPECT_EQ(program.Status, 0);
    for (const char* command : {"loan", "auto", "mortgage", "accelerated", "balloon",
                                "remaining-balance", "schedule", "interest"}) {
        EXPECT_TRUE(Contains(program.Out, std::string("  ") + command + " ")) << command;
        const Outcome help = Calc({command, "--help"});
        EXPECT_EQ(help.Status, 0) << command;
        EXPECT_TRUE(Contains(help.Out, std::string("Usage: calvora-calc ") + command)) << help.Out;
        EXPECT_TRUE(Contains(help.Out, "--json")) << command;
    }
}

} // namespace

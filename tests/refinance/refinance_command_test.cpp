#include "cli/refinance_command.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace calvora::cli {
namespace {

struct CommandRun {
    int status = 0;
    std::string out, err;
};

CommandRun Refinance(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandRun run;
    run.status = RunRefinanceCommand(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The cheaper-refinance scenario of the analysis tests, in plain words.
const std::vector<std::string> kCheaper{
    "--years-until-sale", "7",      "--tax-bracket",       "28",   "--discount-rate",      "5",
    "--new-loan-amount",  "145000", "--new-payments",      "360",  "--new-rate",           "6",
    "--points",           "1",      "--closing-costs",     "2000", "--prepayment-penalty", "1000",
    "--current-balance",  "150000", "--periods-remaining", "300",  "--current-rate",       "7.5",
};

TEST(RefinanceCommand, PrintsEveryResultAndTheNarrative) {
    const CommandRun text = Refinance(kCheaper);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Bottom line"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("     Bottom line? Your total net SAVINGS will be $2,542.04. Why are "
                            "you waiting? \n"),
              std::string::npos)
        << text.out;

    std::vector<std::string> args = kCheaper;
    args.push_back("--json");
    const CommandRun json = Refinance(args);
    ASSERT_EQ(json.status, 0) << json.err;
    for (const char* member :
         {"\"command\": \"refinance\"", "\"bottom_line\": 2542.04", "\"current_payment\": 1108.49",
          "\"possible_payment\": 869.35", "\"holding_periods\": 84", "\"tax_increase\": 3867.42",
          "\"narrative\": [\"     By the time you sell after 7 years",
          "\"\", \"     Bottom line?"}) {
        EXPECT_NE(json.out.find(member), std::string::npos) << member << "\n" << json.out;
    }
}

TEST(RefinanceCommand, ChoicesAreWords) {
    std::vector<std::string> args = kCheaper;
    args.insert(args.end(), {"--interest", "not-deductible", "--points-paid", "amortized",
                             "--invest-difference", "yes", "--new-frequency", "monthly",
                             "--current-frequency", "monthly", "--json"});
    const CommandRun run = Refinance(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"tax_increase\": 0"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"financed_loan_amount\": 146450"), std::string::npos) << run.out;
}

TEST(RefinanceCommand, RejectedInputsAreCalculationErrors) {
    const CommandRun none = Refinance({});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No Zero Values allowed.\n");
    EXPECT_TRUE(none.out.empty());

    std::vector<std::string> args = kCheaper;
    args.insert(args.end(), {"--new-frequency", "weekly"});
    const CommandRun mixed = Refinance(args);
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, "Each loan must be for same periods per year.\n");
}

TEST(RefinanceCommand, WrongCommandLinesAreUsageErrors) {
    const std::vector<std::vector<std::string>> wrong{
        {"--interest", "sometimes"},   {"--points-paid", "with-origination"},
        {"--new-payments", "-5"},      {"--years-until-sale", "40000"},
        {"--current-balance", "lots"}, {"--rate", "6"},
    };
    for (const auto& args : wrong) {
        const CommandRun run = Refinance(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.err.find(args[0]), std::string::npos) << run.err;
    }
}

TEST(RefinanceCommand, HelpListsTheOptions) {
    const CommandRun run = Refinance({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--current-balance", "--new-loan-amount", "--years-until-sale",
                               "--invest-difference", "--json"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

} // namespace
} // namespace calvora::cli

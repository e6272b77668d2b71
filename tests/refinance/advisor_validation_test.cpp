#include "finance/finance_errors.h"
#include "refinance/advisor_equations.h"
#include "refinance/advisor_errors.h"
#include "refinance/advisor_validation.h"
#include "refinance/refinance_test_support.h"
#include "support/expect_throw_msg.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using test::MonthlyInputs;

const char* const kZero = "No Zero Values allowed.";
const char* const kYears = "'Property will be sold after? (Yrs):' can't be zero.";

struct RejectCase {
    const char* what;
    std::function<void(TRefinanceInputs&)> change;
    const char* message;
};

const RejectCase kRejected[] = {
    {"current 492 monthly (41 years)", [](TRefinanceInputs& in) { in.PeriodsRemaining = 492; },
     "Original mortgage over maximum number of years."},
    {"current 41 years annually",
     [](TRefinanceInputs& in) {
         in.PeriodsRemaining = 41;
         in.CurrentFrequency = in.NewFrequency = fqAnnually;
         in.NewPayments = 30;
     },
     "Original mortgage over maximum number of years."},
    {"new 492 monthly", [](TRefinanceInputs& in) { in.NewPayments = 492; },
     "Possible mortgage over maximum number of years."},
    {"monthly against twice monthly",
     [](TRefinanceInputs& in) { in.NewFrequency = fqTwiceMonthly; },
     "Each loan must be for same periods per year."},
    {"no current payments", [](TRefinanceInputs& in) { in.PeriodsRemaining = 0; }, kZero},
    {"negative current payments", [](TRefinanceInputs& in) { in.PeriodsRemaining = -1; }, kZero},
    {"no new payments", [](TRefinanceInputs& in) { in.NewPayments = 0; }, kZero},
    {"negative new payments", [](TRefinanceInputs& in) { in.NewPayments = -12; }, kZero},
    {"zero current rate", [](TRefinanceInputs& in) { in.CurrentRate = 0; }, kZero},
    {"zero new rate", [](TRefinanceInputs& in) { in.NewRate = 0; }, kZero},
    {"sold after 0 years", [](TRefinanceInputs& in) { in.YearsUntilSale = 0; }, kYears},
    {"sold after -3 years", [](TRefinanceInputs& in) { in.YearsUntilSale = -3; }, kYears},
    // The first failing rule wins.
    {"41 years and no new payments",
     [](TRefinanceInputs& in) {
         in.PeriodsRemaining = 492;
         in.NewPayments = 0;
     },
     "Original mortgage over maximum number of years."},
    {"different frequencies and zero rates",
     [](TRefinanceInputs& in) {
         in.NewFrequency = fqWeekly;
         in.CurrentRate = in.NewRate = 0;
     },
     "Each loan must be for same periods per year."},
    {"zero rate and zero years",
     [](TRefinanceInputs& in) {
         in.NewRate = 0;
         in.YearsUntilSale = 0;
     },
     kZero},
};

TEST(AdvisorValidation, RejectsInvalidInputsWithTheFirstFailingMessage) {
    for (const RejectCase& c : kRejected) {
        SCOPED_TRACE(c.what);
        TRefinanceInputs in = MonthlyInputs();
        c.change(in);
        EXPECT_THROW_MSG(ValidateRefinanceInputs(in), EAdvisorException, c.message);
        TadvRefinance advisor(test::UsSettings());
        EXPECT_THROW_MSG(advisor.SetInputs(in), EAdvisorException, c.message);
    }
}

TEST(AdvisorValidation, FortyYearsAndTheDroppedRemainderPass) {
    for (const int count : {480, 491}) {
        TRefinanceInputs in = MonthlyInputs();
        in.PeriodsRemaining = static_cast<std::int16_t>(count);
        in.NewPayments = static_cast<std::int16_t>(count);
        EXPECT_NO_THROW(ValidateRefinanceInputs(in)) << count;
    }
    TRefinanceInputs in = MonthlyInputs();
    in.PeriodsRemaining = 480;
    TadvRefinance advisor(test::UsSettings());
    EXPECT_NO_THROW(advisor.SetInputs(in));
    EXPECT_EQ(advisor.Narrative().size(), 5u);
}

TEST(AdvisorValidation, EqualPeriodsPerYearPassWhateverTheCodes) {
    TRefinanceInputs in = MonthlyInputs();
    in.CurrentFrequency = in.NewFrequency = fqWeekly;
    EXPECT_NO_THROW(ValidateRefinanceInputs(in));
}

TEST(AdvisorValidation, AFrequencyOutsideTheTableIsAScheduleError) {
    TRefinanceInputs in = MonthlyInputs();
    in.CurrentFrequency = fqExact;
    EXPECT_THROW(ValidateRefinanceInputs(in), ECashScheduleException);
}

TEST(AdvisorValidation, AFailedCalculationKeepsThePreviousResultsAndNarrative) {
    TadvRefinance advisor(test::UsSettings());
    advisor.SetInputs(MonthlyInputs());
    const std::vector<std::string> narrative = advisor.Narrative();
    const Extended bottomLine = advisor.Results().BottomLine;
    ASSERT_EQ(narrative.size(), 5u);

    TRefinanceInputs bad = MonthlyInputs();
    bad.YearsUntilSale = 0;
    EXPECT_THROW(advisor.SetInputs(bad), EAdvisorException);
    EXPECT_EQ(advisor.Narrative(), narrative);
    EXPECT_EQ(advisor.Results().BottomLine, bottomLine);
    EXPECT_EQ(advisor.Inputs().YearsUntilSale, 0);
}

struct PeriodsCase {
    std::int16_t remaining;
    std::int16_t newPayments;
    std::uint8_t frequency;
    std::int16_t years;
    std::int16_t holding, k1, k2;
};

// Holding period = the longer loan, cut to the periods until the sale.
const PeriodsCase kPeriods[] = {
    {360, 360, fqMonthly, 5, 60, 60, 60},
    {36, 360, fqMonthly, 5, 60, 36, 60},
    {360, 48, fqMonthly, 5, 60, 60, 48},
    {24, 36, fqMonthly, 10, 36, 24, 36},
    {30, 25, fqAnnually, 7, 7, 7, 7},
    {14600, 14600, fqDaily, 40, 14600, 14600, 14600},
    {100, 14000, fqDaily, 32767, 14000, 100, 14000},
    {26, 52, fqBiWeekly, 1, 26, 26, 26},
};

TEST(AdvisorValidation, HoldingPeriods) {
    for (const PeriodsCase& c : kPeriods) {
        TRefinanceInputs in = MonthlyInputs();
        in.PeriodsRemaining = c.remaining;
        in.NewPayments = c.newPayments;
        in.CurrentFrequency = in.NewFrequency = c.frequency;
        in.YearsUntilSale = c.years;
        const TAnalysedPeriods p = AnalysedPeriods(in);
        EXPECT_EQ(p.Holding, c.holding) << c.remaining << " " << c.newPayments << " " << c.years;
        EXPECT_EQ(p.Current, c.k1) << c.remaining << " " << c.newPayments << " " << c.years;
        EXPECT_EQ(p.Possible, c.k2) << c.remaining << " " << c.newPayments << " " << c.years;
    }
}

TEST(AdvisorTexts, NamesAreCutToThirtyCharacters) {
    TRefinanceInputs in = MonthlyInputs();
    in.AssetName = std::string(31, 'a');
    in.PossibleLender = "First National Savings and Loan Bank";
    in.CurrentLender = std::string(29, 'x') + "\xC3\xA9\xC3\xA9"; // 31 characters
    TadvRefinance advisor(test::UsSettings());
    advisor.SetInputs(in);
    EXPECT_EQ(advisor.Inputs().AssetName, std::string(30, 'a'));
    EXPECT_EQ(advisor.Inputs().PossibleLender, "First National Savings and Loa");
    EXPECT_EQ(advisor.Inputs().CurrentLender, std::string(29, 'x') + "\xC3\xA9");
}

} // namespace
} // namespace calvora

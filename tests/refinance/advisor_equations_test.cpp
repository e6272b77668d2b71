#include "refinance/advisor_equations.h"
#include "refinance/refinance_reference.h"
#include "refinance/refinance_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace calvora {
namespace {

using test::MonthlyInputs;
using test::RefAnalyse;
using test::RefResults;
using test::UsSettings;

constexpr long double kCent = 0.005L;

// Every figure against the independent model, to the cent.
void ExpectFigures(const TRefinanceResults& got, const RefResults& want) {
    EXPECT_EQ(got.HoldingPeriods, want.Holding);
    EXPECT_EQ(got.CurrentPeriods, want.K1);
    EXPECT_EQ(got.PossiblePeriods, want.K2);
    EXPECT_NEAR(got.FinancedLoanAmount, want.FinancedLoanAmount, kCent);
    EXPECT_NEAR(got.CurrentPayment, want.CurrentPayment, kCent);
    EXPECT_NEAR(got.PossiblePayment, want.PossiblePayment, kCent);
    EXPECT_NEAR(got.CurrentCost, want.CurrentCost, kCent);
    EXPECT_NEAR(got.PossibleCost, want.PossibleCost, kCent);
    EXPECT_NEAR(got.SameAmountCost, want.SameAmountCost, kCent);
    EXPECT_NEAR(got.InterestDifference, want.InterestDifference, kCent);
    EXPECT_NEAR(got.PointsCost, want.PointsCost, kCent);
    EXPECT_NEAR(got.TaxIncrease, want.TaxIncrease, kCent);
    EXPECT_NEAR(got.PaymentDifferenceGain, want.PaymentDifferenceGain, kCent);
    EXPECT_NEAR(got.ExtraBorrowingGain, want.ExtraBorrowingGain, kCent);
    EXPECT_NEAR(got.CurrentPaidDown, want.CurrentPaidDown, kCent);
    EXPECT_NEAR(got.PossiblePaidDown, want.PossiblePaidDown, kCent);
    EXPECT_NEAR(got.BottomLine, want.BottomLine, kCent);
}

struct Scenario {
    const char* name;
    TRefinanceInputs inputs;
    // Expected narrative, typed out from figures computed separately with python3
    // from the advisor's formulas (a plain amortization loop, cent rounding).
    const char* paragraph1;
    const char* paragraph2;
    const char* paragraph3;
};

TRefinanceInputs Cheaper() {
    // 150000 left over 25 years at 7.5 %; 145000 over 30 years at 6 %, one point
    // paid in cash, 2000 closing costs, 1000 penalty; sold after 7 years.
    TRefinanceInputs in = MonthlyInputs();
    in.YearsUntilSale = 7;
    in.TaxBracket = 28;
    in.DiscountRate = 5;
    in.NewLoanAmount = 145000;
    in.Points = 1;
    in.ClosingCosts = 2000;
    in.PrepaymentPenalty = 1000;
    in.CurrentBalance = 150000;
    in.PeriodsRemaining = 300;
    return in;
}

TRefinanceInputs Larger() {
    // 100000 left over 20 years at 8 %; 130000 over 30 years at 6.5 % with two
    // points financed, 1500 closing costs; the extra money is invested; 10 years.
    TRefinanceInputs in = MonthlyInputs();
    in.PointsAre = ppAmortized;
    in.YearsUntilSale = 10;
    in.TaxBracket = 25;
    in.DiscountRate = 4;
    in.NewLoanAmount = 130000;
    in.NewRate = 6.5f;
    in.Points = 2;
    in.ClosingCosts = 1500;
    in.CurrentBalance = 100000;
    in.PeriodsRemaining = 240;
    in.CurrentRate = 8;
    in.InvestDifference = true;
    return in;
}

TRefinanceInputs Loss() {
    // 80000 left over 10 years at 6 %; the same amount over 30 years at 6.5 %,
    // interest not deductible, no discounting; sold after 5 years.
    TRefinanceInputs in = MonthlyInputs();
    in.InterestDeductible = idNotDeductible;
    in.TaxBracket = 30;
    in.DiscountRate = 0;
    in.NewLoanAmount = 80000;
    in.NewRate = 6.5f;
    in.Points = 1;
    in.ClosingCosts = 3000;
    in.PrepaymentPenalty = 500;
    in.CurrentBalance = 80000;
    in.PeriodsRemaining = 120;
    in.CurrentRate = 6;
    return in;
}

const Scenario kScenarios[] = {
    {"cheaper refinance", Cheaper(),
     "     By the time you sell after 7 years, you'll have paid down $18,814.32 under your "
     "current loan, or $15,023.10 under the possible refinancing. The amounts used in this "
     "analysis are discounted to today's dollars. The assumed discount rate is 5%.",
     "     Your current financing will cost you $45,230.23. The possible refinancing will cost "
     "you $39,329.43. The cost for the possible financing includes $1,044.00 for points and "
     "$2,000.00 in miscellaneous closing costs. (After tax considerations.) So considering just "
     "the differences between the two loans: after tax considerations, and other related closing "
     "costs you will SAVE $5,900.81. However, the interest savings will increase your taxes by "
     "$3,867.42 due to the lost deduction.  Now, since the payments are LESS under the proposed "
     "refinancing than it is under the current financing, you could invest this difference. If "
     "the difference in the payments is invested, you will have an estimated gain of $1,982.66 "
     "from the additional investment income. By taking out a smaller loan, you are in effect, "
     "spending an extra $5,000.00 up front to pay down your balance. If you had invested this "
     "money, it would have earned you in today's dollars: $1,474.00.",
     "     Bottom line? Your total net SAVINGS will be $2,542.04. Why are you waiting? "},
    {"larger loan", Larger(),
     "     By the time you sell after 10 years, you'll have paid down $31,059.39 under your "
     "current loan, or $20,186.52 under the possible refinancing. The amounts used in this "
     "analysis are discounted to today's dollars. The assumed discount rate is 4%.",
     "     Looking at just the difference between the two loans, your current financing will "
     "cost you $43,287.53. The possible refinancing will cost you $51,389.63. Therefore, with no "
     "other considerations, the possible refinancing will cost $8,102.09 more than the current "
     "financing plus the $650.00 in points which were being amortized as part of the possible "
     "financing. So the possible financing PLUS the amortized points will cost $8,752.09 more "
     "than the current financing. Furthermore, even looking at just the $100,000.00 that your "
     "current mortgage covers, you'd be paying $54,668.88. This is still a loss of $11,381.35.. "
     "However, the interest savings will increase your taxes by -$2,200.70 due to the lost "
     "deduction.  Now, since the payments are GREATER under the  proposed refinancing than they "
     "are under the current financing, you will LOSE an investment opportunity. That is, rather "
     "than pay a higher payment, you could forgo the refinancing and invest the difference. As a "
     "result of paying the higher amount, you will give up an estimated -$23.03 in investment "
     "income. By taking out a larger loan, you are borrowing extra capital that may be invested. "
     "Discounted to today's dollars, you will have a GAIN of $9,877.02 from the extra amount "
     "borrowed. (This may or may not be enough to cover the incremental borrowing costs.)",
     "     Bottom line? Your total net SAVINGS will be $3,302.59. Why are you waiting? "},
    {"loss", Loss(),
     "     By the time you sell after 5 years, you'll have paid down $34,058.93 under your "
     "current loan, or $5,110.92 under the possible refinancing. The amounts used in this "
     "analysis are NOT discounted since no discount rate was entered. ",
     "     Your current financing will cost you $19,230.67. The possible refinancing will cost "
     "you $29,528.08.  You will LOSE -$10,297.41.  This includes $800.00 in points, payable at "
     "the time you refinance the loan. ",
     "     Bottom line? Your total LOSS will be -$10,297.41. We do not recommend you assume the "
     "possible refinancing."},
};

TEST(RefinanceScenarios, FiguresMatchAnIndependentComputation) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.name);
        TadvRefinance advisor(UsSettings());
        advisor.SetInputs(s.inputs);
        ExpectFigures(advisor.Results(), RefAnalyse(s.inputs));
    }
}

TEST(RefinanceScenarios, NarrativesReadExactly) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.name);
        TadvRefinance advisor(UsSettings());
        advisor.SetInputs(s.inputs);
        const std::vector<std::string> expected{s.paragraph1, "", s.paragraph2, "", s.paragraph3};
        ASSERT_EQ(advisor.Narrative().size(), 5u);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(advisor.Narrative()[i], expected[i]) << "line " << i;
        }
    }
}

TEST(RefinanceScenarios, RecalculatingReplacesEverything) {
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(Larger());
    advisor.SetInputs(Loss());
    ExpectFigures(advisor.Results(), RefAnalyse(Loss()));
    EXPECT_EQ(advisor.Results().SameAmountCost, 0);
}

TEST(RefinanceLoans, EveryPeriodIsRegularWhateverTheFrequency) {
    // The level payment of a loan whose first payment falls one period after it.
    for (const std::uint8_t frequency :
         {fqWeekly, fqBiWeekly, fqTwiceMonthly, fqEvery4Weeks, fqMonthly, fqBiMonthly, fqQuarterly,
          fqFourMonth, fqSemiannually, fqAnnually}) {
        const int perYear = PeriodsPerYear(frequency);
        TRefinanceInputs in = MonthlyInputs();
        in.CurrentFrequency = in.NewFrequency = frequency;
        in.PeriodsRemaining = in.NewPayments = static_cast<std::int16_t>(perYear * 10);
        in.YearsUntilSale = 4;
        TadvRefinance advisor(UsSettings());
        advisor.SetInputs(in);
        const RefResults want = RefAnalyse(in);
        SCOPED_TRACE(static_cast<int>(frequency));
        EXPECT_EQ(advisor.Results().HoldingPeriods, perYear * 4);
        ExpectFigures(advisor.Results(), want);
    }
}

// The same problem with and without a prepayment penalty.
Extended PenaltyShare(TRefinanceInputs in) {
    TadvRefinance advisor(UsSettings());
    in.PrepaymentPenalty = 0;
    advisor.SetInputs(in);
    const Extended without = advisor.Results().PossibleCost;
    in.PrepaymentPenalty = 1234.56L;
    advisor.SetInputs(in);
    return advisor.Results().PossibleCost - without;
}

TEST(RefinancePenalty, ChargedOnlyWhenTheNewLoanIsPaidOffEarly) {
    TRefinanceInputs in = MonthlyInputs(); // 360 payments, sold after 60
    EXPECT_NEAR(PenaltyShare(in), 1234.56L, 1e-9L);
    in.NewPayments = 60; // ends exactly at the sale
    EXPECT_NEAR(PenaltyShare(in), 0, 1e-9L);
    in.NewPayments = 48; // ends before the sale
    EXPECT_NEAR(PenaltyShare(in), 0, 1e-9L);
    in.NewPayments = 61;
    EXPECT_NEAR(PenaltyShare(in), 1234.56L, 1e-9L);
}

TEST(RefinanceTax, NotDeductibleHasNoTaxEffect) {
    TRefinanceInputs in = Cheaper();
    in.InterestDeductible = idNotDeductible;
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(in);
    const TRefinanceResults& r = advisor.Results();
    ExpectFigures(r, RefAnalyse(in));
    EXPECT_EQ(r.TaxIncrease, 0);
    EXPECT_NEAR(r.CurrentCost,
                r.InterestDifference + r.PossibleCost - in.ClosingCosts - r.PointsCost -
                    in.PrepaymentPenalty,
                1e-9L);
    EXPECT_NEAR(r.PointsCost, 1450, 1e-9L); // 1 % of 145000, untaxed
    for (const char* sentence : {"(After tax considerations.)", "increase your taxes by",
                                 "(These values are after the impact of taxes.)"}) {
        EXPECT_EQ(advisor.Narrative()[2].find(sentence), std::string::npos) << sentence;
    }
}

TEST(RefinanceTax, AZeroBracketWritesNoTaxSentence) {
    TRefinanceInputs in = Cheaper();
    in.TaxBracket = 0;
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(in);
    EXPECT_EQ(advisor.Results().TaxIncrease, 0);
    EXPECT_EQ(advisor.Narrative()[2].find("taxes"), std::string::npos);
    ExpectFigures(advisor.Results(), RefAnalyse(in));
}

TEST(RefinanceDiscount, ZeroRateUsesPlainInterestAndNoInvestmentSentence) {
    for (const std::int16_t newPayments : {std::int16_t{360}, std::int16_t{48}}) {
        TRefinanceInputs in = Cheaper();
        in.DiscountRate = 0;
        in.NewPayments = newPayments; // equally long, then a new loan that ends first
        TadvRefinance advisor(UsSettings());
        advisor.SetInputs(in);
        const TRefinanceResults& r = advisor.Results();
        SCOPED_TRACE(newPayments);
        ExpectFigures(r, RefAnalyse(in));
        EXPECT_NEAR(r.PaymentDifferenceGain, 0, 1e-9L);
        EXPECT_EQ(r.ExtraBorrowingGain, 0);
        const std::vector<std::string>& text = advisor.Narrative();
        EXPECT_NE(text[0].find("are NOT discounted since no discount rate was entered. "),
                  std::string::npos);
        EXPECT_EQ(text[2].find(" Now, since the payments are"), std::string::npos);
        EXPECT_EQ(text[2].find(" By taking out"), std::string::npos);
    }
}

TEST(RefinanceGains, PaymentsWithinACentGainNothing) {
    TRefinanceInputs in = MonthlyInputs();
    in.NewRate = in.CurrentRate; // the same loan again
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(in);
    EXPECT_EQ(advisor.Results().CurrentPayment, advisor.Results().PossiblePayment);
    EXPECT_EQ(advisor.Results().PaymentDifferenceGain, 0);
    EXPECT_EQ(advisor.Narrative()[2].find(" Now, since"), std::string::npos);
}

TEST(RefinanceGains, NotInvestingDropsTheGainOfALargerLoan) {
    TRefinanceInputs in = Larger();
    in.InvestDifference = false;
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(in);
    EXPECT_EQ(advisor.Results().ExtraBorrowingGain, 0);
    ExpectFigures(advisor.Results(), RefAnalyse(in));
    EXPECT_EQ(advisor.Narrative()[2].find(" By taking out a larger loan"), std::string::npos);
}

TEST(RefinanceGains, NotInvestingIsMentionedWhenTheLargerLoanIsCheaper) {
    TRefinanceInputs in = Larger();
    in.InvestDifference = false;
    in.NewRate = 5;
    in.Points = 0;
    TadvRefinance advisor(UsSettings());
    advisor.SetInputs(in);
    ASSERT_LT(advisor.Results().PossibleCost, advisor.Results().CurrentCost);
    EXPECT_NE(advisor.Narrative()[2].find(
                  " more under the proposed financing. You have choosen not to invest the "
                  "additional amount borrowed.. However, the interest savings"),
              std::string::npos)
        << advisor.Narrative()[2];
}

} // namespace
} // namespace calvora

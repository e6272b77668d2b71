#include "refinance/advisor_narrative.h"
#include "refinance/refinance_test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using test::UsSettings;

struct BandCase {
    long double bottomLine;
    const char* paragraph;
};

const BandCase kBands[] = {
    {499.99L, "     Bottom line? Your total net SAVINGS will be $499.99. It hardly seems worth the "
              "trouble."},
    {0.01L, "     Bottom line? Your total net SAVINGS will be $0.01. It hardly seems worth the "
            "trouble."},
    {500.00L, "     Bottom line? Your total net SAVINGS will be $500.00. Why are you waiting? "},
    {12345.678L,
     "     Bottom line? Your total net SAVINGS will be $12,345.68. Why are you waiting? "},
    {0.004L, "     Bottom line? Your total net SAVINGS will be $0.00. Why are you waiting? "},
    {0, "Bottom line? There seems to be no difference between these two loans. It hardly seems "
        "worth the trouble."},
    {-0.009L, "Bottom line? There seems to be no difference between these two loans. It hardly "
              "seems worth the trouble."},
    {-0.01L, "     Bottom line? Your total LOSS will be -$0.01. We do not recommend you assume the "
             "possible refinancing."},
    {-2500.5L, "     Bottom line? Your total LOSS will be -$2,500.50. We do not recommend you "
               "assume the possible refinancing."},
};

TEST(RefinanceNarrative, BottomLineBands) {
    for (const BandCase& c : kBands) {
        EXPECT_EQ(BottomLineParagraph(c.bottomLine, UsSettings()), c.paragraph)
            << static_cast<double>(c.bottomLine);
    }
}

TEST(RefinanceNarrative, AmountsFollowTheRegionalCurrencyFormat) {
    TRegionalSettings german = UsSettings();
    german.DecimalSeparator = ",";
    german.ThousandSeparator = ".";
    german.CurrencyString = "\xE2\x82\xAC";
    german.CurrencyFormat = 3;
    german.NegCurrFormat = 8;
    EXPECT_EQ(BottomLineParagraph(-1234.5L, german),
              "     Bottom line? Your total LOSS will be -1.234,50 \xE2\x82\xAC. We do not "
              "recommend you assume the possible refinancing.");
}

// Hand-made figures: the narrative only arranges them.
class NarrativeCase : public ::testing::Test {
protected:
    NarrativeCase() {
        in = test::MonthlyInputs();
        in.TaxBracket = 0;
        in.DiscountRate = 0;
        in.CurrentBalance = 100000;
        in.NewLoanAmount = 100000;
        r.FinancedLoanAmount = 100000;
        r.CurrentPaidDown = 5000;
        r.PossiblePaidDown = 6000.5L;
        r.CurrentPayment = 700;
        r.PossiblePayment = 600;
    }

    std::string Paragraph(int n) const {
        const TRefinanceNarrative text = BuildRefinanceNarrative(in, r, UsSettings());
        return n == 1 ? text.Paragraph1 : n == 2 ? text.Paragraph2 : text.Paragraph3;
    }

    TRefinanceInputs in;
    TRefinanceResults r;
};

TEST_F(NarrativeCase, FirstParagraphStatesTheDiscountRateWithoutDecimals) {
    in.YearsUntilSale = 12;
    in.DiscountRate = 6.5f;
    EXPECT_EQ(Paragraph(1), "     By the time you sell after 12 years, you'll have paid down "
                            "$5,000.00 under your current loan, or $6,000.50 under the possible "
                            "refinancing. The amounts used in this analysis are discounted to "
                            "today's dollars. The assumed discount rate is 7%.");
}

TEST_F(NarrativeCase, SavingsWithAmortizedPointsAndNoTax) {
    in.PointsAre = ppAmortized;
    in.ClosingCosts = 0;
    r.CurrentCost = 9000;
    r.PossibleCost = 7000;
    r.PointsCost = 800;
    EXPECT_EQ(Paragraph(2),
              "     Your current financing will cost you $9,000.00. The possible refinancing will "
              "cost you $7,000.00. So considering just the differences between the two loans: "
              "after tax considerations, and other related closing costs you will SAVE $2,000.00. "
              "However, the points which are being amortized will reduce the savings by another "
              "$800.00. So net savings after amortized points will be $1,200.00.");
}

TEST_F(NarrativeCase, SavingsWithCashPointsOnly) {
    in.ClosingCosts = 0;
    r.CurrentCost = 9000;
    r.PossibleCost = 9000; // equal costs still count as savings
    r.PointsCost = 500;
    EXPECT_EQ(Paragraph(2),
              "     Your current financing will cost you $9,000.00. The possible refinancing will "
              "cost you $9,000.00. The cost for the possible financing includes $500.00 for "
              "points. So considering just the differences between the two loans: after tax "
              "considerations, and other related closing costs you will SAVE $0.00.");
}

TEST_F(NarrativeCase, SavingsWithClosingCostsOnly) {
    in.PointsAre = ppAmortized;
    in.ClosingCosts = 1500;
    r.CurrentCost = 9000;
    r.PossibleCost = 8999.99L;
    EXPECT_EQ(Paragraph(2),
              "     Your current financing will cost you $9,000.00. The possible refinancing will "
              "cost you $8,999.99. The cost for the possible financing includes $1,500.00 in "
              "miscellaneous closing costs. So considering just the differences between the two "
              "loans: after tax considerations, and other related closing costs you will SAVE "
              "$0.01.");
}

TEST_F(NarrativeCase, LossWithAmortizedPointsAfterTax) {
    in.PointsAre = ppAmortized;
    in.TaxBracket = 30;
    in.ClosingCosts = 1200;
    r.CurrentCost = 5000;
    r.PossibleCost = 5250.25L;
    r.PointsCost = 100;
    EXPECT_EQ(Paragraph(2),
              "     Your current financing will cost you $5,000.00. The possible refinancing will "
              "cost you $5,250.25.  You will LOSE -$250.25.  To this, you must add $100.00 in "
              "points which are being amortized for a total loss of -$350.25. (These values are "
              "after the impact of taxes.) ");
}

TEST_F(NarrativeCase, LargerLoanCheaperWithInvestmentAndTax) {
    in.NewLoanAmount = 120000;
    in.TaxBracket = 20;
    in.DiscountRate = 5;
    in.InvestDifference = true;
    r.FinancedLoanAmount = 120000;
    r.CurrentCost = 9000;
    r.PossibleCost = 8000;
    r.TaxIncrease = 250;
    r.PaymentDifferenceGain = 321.09L;
    r.ExtraBorrowingGain = 4000;
    EXPECT_EQ(Paragraph(2),
              "     Looking at just the difference between the two loans, your current financing "
              "will cost you $9,000.00. The possible refinancing will cost you $8,000.00. "
              "Therefore, with no other considerations, the possible refinancing will cost "
              "$1,000.00 less than the current financing. This is even considering that you "
              "would be borrowing $20,000.00 more under the proposed financing. You have selected "
              "to invest the additional amount borrowed. This will give you a gain of $4,000.00. "
              "However, the interest savings will increase your taxes by $250.00 due to the lost "
              "deduction.  Now, since the payments are LESS under the proposed refinancing than "
              "it is under the current financing, you could invest this difference. If the "
              "difference in the payments is invested, you will have an estimated gain of $321.09 "
              "from the additional investment income. By taking out a larger loan, you are "
              "borrowing extra capital that may be invested. Discounted to today's dollars, you "
              "will have a GAIN of $4,000.00 from the extra amount borrowed. (This may or may not "
              "be enough to cover the incremental borrowing costs.)");
}

TEST_F(NarrativeCase, LargerLoanDearerButCheaperForTheSameAmount) {
    in.NewLoanAmount = 120000;
    r.FinancedLoanAmount = 120000;
    r.CurrentCost = 9000;
    r.PossibleCost = 9500;
    r.SameAmountCost = 8500;
    r.ExtraBorrowingGain = -75;
    EXPECT_EQ(Paragraph(2),
              "     Looking at just the difference between the two loans, your current financing "
              "will cost you $9,000.00. The possible refinancing will cost you $9,500.00. "
              "Therefore, with no other considerations, the possible refinancing will cost "
              "$500.00 more than the current financing. However, if you refinance: looking at "
              "just the $100,000.00 that your current mortgage covers, you'd be paying $8,500.00, "
              "after allowing for taxes and closing costs.  Therefore, when comparing the same "
              "amount of financing, you will save $500.00 as a result of taking out the proposed "
              "loan. By taking out a larger loan, you are borrowing extra capital that may be "
              "invested. Discounted to today's dollars, you will have a LOSS of -$75.00");
}

TEST_F(NarrativeCase, HigherPaymentLosesAnInvestmentOpportunity) {
    in.DiscountRate = 5;
    r.CurrentCost = 9000;
    r.PossibleCost = 8000;
    r.CurrentPayment = 600;
    r.PossiblePayment = 700;
    r.PaymentDifferenceGain = -1500;
    EXPECT_NE(Paragraph(2).find(
                  "SAVE $1,000.00. Now, since the payments are GREATER under the  proposed "
                  "refinancing than they are under the current financing, you will LOSE an "
                  "investment opportunity. That is, rather than pay a higher payment, you could "
                  "forgo the refinancing and invest the difference. As a result of paying the "
                  "higher amount, you will give up an estimated -$1,500.00 in investment income."),
              std::string::npos)
        << Paragraph(2);
}

} // namespace
} // namespace calvora

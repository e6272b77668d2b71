#include "refinance/advisor_narrative.h"

#include "persistence/format_text.h"
#include "refinance/advisor_costs.h"

#include <cmath>

namespace calvora {

namespace {

constexpr Extended kCent = 0.01L;
constexpr Extended kWorthTheTrouble = 500;

// Sentences shared by several cases.
const char* const kPossibleWillCost = ". The possible refinancing will cost you ";
const char* const kTaxesIncrease = ". However, the interest savings will increase your taxes by ";
const char* const kLostDeduction = " due to the lost deduction. ";
const char* const kCostIncludes = " The cost for the possible financing includes ";
const char* const kThereforeCost =
    " Therefore, with no other considerations, the possible refinancing will cost ";

class TNarrativeWriter {
public:
    TNarrativeWriter(const TRefinanceInputs& inputs, const TRefinanceResults& results,
                     const TRegionalSettings& regional)
        : m_inputs(inputs)
        , m_results(results)
        , m_regional(regional) {}

    std::string Paragraph1() const;
    std::string Paragraph2() const;

private:
    std::string Money(Extended value) const { return FormatText("%m", {value}, m_regional); }
    std::string LargerLoan() const;
    std::string Savings() const;
    std::string Loss() const;
    std::string Investments() const;

    const TRefinanceInputs& m_inputs;
    const TRefinanceResults& m_results;
    const TRegionalSettings& m_regional;
};

std::string TNarrativeWriter::Paragraph1() const {
    std::string text = "     By the time you sell after " +
                       std::to_string(m_inputs.YearsUntilSale) + " years, you'll have paid down " +
                       Money(m_results.CurrentPaidDown) + " under your current loan, or " +
                       Money(m_results.PossiblePaidDown) + " under the possible refinancing. ";
    if (m_inputs.DiscountRate > 0) {
        text += "The amounts used in this analysis are discounted to today's dollars. The assumed "
                "discount rate is " +
                FormatText("%.f", {m_inputs.DiscountRate}, m_regional) + "%.";
    } else {
        text += "The amounts used in this analysis are NOT discounted since no discount rate was "
                "entered. ";
    }
    return text;
}

std::string TNarrativeWriter::LargerLoan() const {
    const Extended current = m_results.CurrentCost;
    const Extended possible = m_results.PossibleCost;
    const Extended same = m_results.SameAmountCost;
    std::string text = "     Looking at just the difference between the two loans, your current "
                       "financing will cost you " +
                       Money(current) + kPossibleWillCost + Money(possible) + ".";
    if (possible < current) {
        text += kThereforeCost + Money(current - possible) +
                " less than the current financing. This is even considering that you would be "
                "borrowing " +
                Money(m_results.FinancedLoanAmount - m_inputs.CurrentBalance) +
                " more under the proposed financing.";
        if (!m_inputs.InvestDifference) {
            text += " You have choosen not to invest the additional amount borrowed.";
        } else {
            text += " You have selected to invest the additional amount borrowed. This will give "
                    "you a gain of " +
                    Money(m_results.ExtraBorrowingGain);
        }
    } else {
        text += kThereforeCost + Money(possible - current) + " more than the current financing";
        if (AmortizedPointsCount(m_inputs, m_results)) {
            text += " plus the " + Money(m_results.PointsCost) +
                    " in points which were being amortized as part of the possible financing. So "
                    "the possible financing PLUS the amortized points will cost " +
                    Money(possible - current + m_results.PointsCost) +
                    " more than the current financing";
        }
        text += ".";
        if (current >= same) {
            text += " However, if you refinance: looking at just the " +
                    Money(m_inputs.CurrentBalance) +
                    " that your current mortgage covers, you'd be paying " + Money(same) +
                    ", after allowing for taxes and closing costs.  Therefore, when comparing the "
                    "same amount of financing, you will save " +
                    Money(current - same) + " as a result of taking out the proposed loan.";
        } else {
            text += " Furthermore, even looking at just the " + Money(m_inputs.CurrentBalance) +
                    " that your current mortgage covers, you'd be paying " + Money(same) +
                    ". This is still a loss of " + Money(same - current) + ".";
        }
    }
    if (TaxApplies(m_inputs)) {
        text += kTaxesIncrease + Money(m_results.TaxIncrease) + kLostDeduction;
    }
    return text;
}

std::string TNarrativeWriter::Savings() const {
    const Extended current = m_results.CurrentCost;
    const Extended possible = m_results.PossibleCost;
    const bool cashPoints = m_results.PointsCost > 0 && m_inputs.PointsAre == ppWithFirst;
    std::string text = "     Your current financing will cost you " + Money(current) +
                       kPossibleWillCost + Money(possible) + ".";
    if (cashPoints && m_inputs.ClosingCosts > 0) {
        text += kCostIncludes + Money(m_results.PointsCost) + " for points and " +
                Money(m_inputs.ClosingCosts) + " in miscellaneous closing costs.";
    } else if (cashPoints) {
        text += kCostIncludes + Money(m_results.PointsCost) + " for points.";
    } else if (m_inputs.ClosingCosts > 0) {
        text += kCostIncludes + Money(m_inputs.ClosingCosts) + " in miscellaneous closing costs.";
    }
    if (TaxApplies(m_inputs)) {
        text += " (After tax considerations.)";
    }
    text += " So considering just the differences between the two loans: after tax "
            "considerations, and other related closing costs you will ";
    if (TaxApplies(m_inputs)) {
        text += "SAVE " + Money(current - possible) + kTaxesIncrease +
                Money(m_results.TaxIncrease) + kLostDeduction;
    } else {
        text += "SAVE " + Money(current - possible) + ".";
        if (AmortizedPointsCount(m_inputs, m_results)) {
            text += " However, the points which are being amortized will reduce the savings by "
                    "another " +
                    Money(m_results.PointsCost) +
                    ". So net savings after amortized points will be " +
                    Money(current - (possible + m_results.PointsCost)) + ".";
        }
    }
    return text;
}

std::string TNarrativeWriter::Loss() const {
    const Extended current = m_results.CurrentCost;
    const Extended possible = m_results.PossibleCost;
    std::string text = "     Your current financing will cost you " + Money(current) +
                       kPossibleWillCost + Money(possible) + ".  You will LOSE " +
                       Money(current - possible) + ". ";
    if (m_results.PointsCost > 0 && m_inputs.PointsAre == ppWithFirst) {
        text += " This includes " + Money(m_results.PointsCost) +
                " in points, payable at the time you refinance the loan. ";
    } else if (m_results.PointsCost > 0) {
        text += " To this, you must add " + Money(m_results.PointsCost) +
                " in points which are being amortized for a total loss of " +
                Money(current - (possible + m_results.PointsCost)) + ". ";
    }
    if (IsDeductible(m_inputs) && m_inputs.TaxBracket > 0) {
        text += "(These values are after the impact of taxes.) ";
    }
    return text;
}

std::string TNarrativeWriter::Investments() const {
    const bool discounted = m_inputs.DiscountRate > 0;
    const Extended gain = m_results.PaymentDifferenceGain;
    const Extended extra = m_results.ExtraBorrowingGain;
    std::string text;
    if (gain >= 0 && discounted) {
        if (m_results.CurrentPayment > m_results.PossiblePayment) {
            text += " Now, since the payments are LESS under the proposed refinancing than it is "
                    "under the current financing, you could invest this difference. If the "
                    "difference in the payments is invested, you will have an estimated gain of " +
                    Money(gain) + " from the additional investment income.";
        }
    } else if (discounted && m_results.PossiblePayment > m_results.CurrentPayment) {
        text += " Now, since the payments are GREATER under the  proposed refinancing than they "
                "are under the current financing, you will LOSE an investment opportunity. That "
                "is, rather than pay a higher payment, you could forgo the refinancing and invest "
                "the difference. As a result of paying the higher amount, you will give up an "
                "estimated " +
                Money(gain) + " in investment income.";
    }
    if (m_results.FinancedLoanAmount < m_inputs.CurrentBalance && discounted) {
        text += " By taking out a smaller loan, you are in effect, spending an extra " +
                Money(m_inputs.CurrentBalance - m_results.FinancedLoanAmount) +
                " up front to pay down your balance. If you had invested this money, it would "
                "have earned you in today's dollars: " +
                Money(std::fabs(extra)) + ".";
    } else if (m_results.FinancedLoanAmount > m_inputs.CurrentBalance && extra != 0) {
        text += " By taking out a larger loan, you are borrowing extra capital that may be "
                "invested. Discounted to today's dollars, you will have a ";
        if (extra >= 0) {
            text += "GAIN of " + Money(extra) +
                    " from the extra amount borrowed. (This may or may not be enough to cover the "
                    "incremental borrowing costs.)";
        } else {
            text += "LOSS of " + Money(extra);
        }
    }
    return text;
}

std::string TNarrativeWriter::Paragraph2() const {
    std::string text;
    if (m_inputs.NewLoanAmount > m_inputs.CurrentBalance) {
        text = LargerLoan();
    } else if (m_results.PossibleCost <= m_results.CurrentCost) {
        text = Savings();
    } else {
        text = Loss();
    }
    return text + Investments();
}

} // namespace

std::vector<std::string> TRefinanceNarrative::Lines() const {
    return {Paragraph1, "", Paragraph2, "", Paragraph3};
}

std::string BottomLineParagraph(Extended bottomLine, const TRegionalSettings& regional) {
    const std::string amount = FormatText("%m", {bottomLine}, regional);
    if (bottomLine >= kCent && bottomLine < kWorthTheTrouble) {
        return "     Bottom line? Your total net SAVINGS will be " + amount +
               ". It hardly seems worth the trouble.";
    }
    if (bottomLine > 0) {
        return "     Bottom line? Your total net SAVINGS will be " + amount +
               ". Why are you waiting? ";
    }
    if (bottomLine > -kCent) {
        return "Bottom line? There seems to be no difference between these two loans. It hardly "
               "seems worth the trouble.";
    }
    return "     Bottom line? Your total LOSS will be " + amount +
           ". We do not recommend you assume the possible refinancing.";
}

TRefinanceNarrative BuildRefinanceNarrative(const TRefinanceInputs& inputs,
                                            const TRefinanceResults& results,
                                            const TRegionalSettings& regional) {
    const TNarrativeWriter writer(inputs, results, regional);
    return {writer.Paragraph1(), writer.Paragraph2(),
            BottomLineParagraph(results.BottomLine, regional)};
}

} // namespace calvora

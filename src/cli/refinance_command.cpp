#include "cli/refinance_command.h"

#include "cli/cli_command.h"
#include "cli/cli_names.h"
#include "persistence/regional_settings.h"
#include "refinance/advisor_equations.h"

#include <cstdint>
#include <limits>

namespace calvora::cli {

namespace {

const std::vector<NamedCode>& InterestNames() {
    static const std::vector<NamedCode> names{{"deductible", idDeductible},
                                              {"not-deductible", idNotDeductible}};
    return names;
}

const std::vector<NamedCode>& RefinancePointsNames() {
    static const std::vector<NamedCode> names{{"with-first", ppWithFirst},
                                              {"amortized", ppAmortized}};
    return names;
}

const std::vector<NamedCode>& YesNoNames() {
    static const std::vector<NamedCode> names{{"no", 0}, {"yes", 1}};
    return names;
}

std::vector<OptionSpec> RefinanceOptions() {
    return {
        {"asset-name", "TEXT", "the asset being financed (kept, not used)"},
        {"interest", "deductible|not-deductible", "whether interest and points reduce tax"},
        {"points-paid", "with-first|amortized", "points paid in cash or added to the new loan"},
        {"years-until-sale", "YEARS", "years until the property is sold"},
        {"tax-bracket", "PERCENT", "projected income-tax bracket"},
        {"discount-rate", "PERCENT", "yearly rate for discounting and investing; 0 for none"},
        {"possible-lender", "TEXT", "the new lender (kept, not used)"},
        {"new-loan-amount", "AMOUNT", "amount of the possible new loan"},
        {"new-payments", "COUNT", "number of payments of the new loan"},
        {"new-rate", "PERCENT", "annual rate of the new loan"},
        {"new-frequency", "FREQUENCY", "payment frequency of the new loan (default monthly)"},
        {"points", "PERCENT", "points on the new loan, percent of its amount"},
        {"closing-costs", "AMOUNT", "miscellaneous closing costs of the new loan"},
        {"prepayment-penalty", "AMOUNT", "penalty when the new loan is paid off early"},
        {"current-lender", "TEXT", "the current lender (kept, not used)"},
        {"current-balance", "AMOUNT", "balance of the current loan today"},
        {"periods-remaining", "COUNT", "payments left on the current loan"},
        {"current-rate", "PERCENT", "annual rate of the current loan"},
        {"current-frequency", "FREQUENCY",
         "payment frequency of the current loan (default monthly)"},
        {"invest-difference", "no|yes", "invest money borrowed beyond the current balance"},
        {"json", "", "print one JSON object instead of labelled lines"},
    };
}

std::int16_t YearsOption(const OptionSet& options) {
    const long long years = options.Integer("years-until-sale", 0);
    if (years < std::numeric_limits<std::int16_t>::min() ||
        years > std::numeric_limits<std::int16_t>::max()) {
        throw EUsageError("option --years-until-sale: " + std::to_string(years) +
                          " is not a whole number from -32768 to 32767");
    }
    return static_cast<std::int16_t>(years);
}

float PercentOption(const OptionSet& options, const std::string& name) {
    return static_cast<float>(options.Number(name));
}

TRefinanceInputs ReadRefinanceInputs(const OptionSet& options) {
    TRefinanceInputs in;
    in.AssetName = options.Text("asset-name").value_or("");
    in.InterestDeductible =
        static_cast<std::uint8_t>(options.Choice("interest", InterestNames(), idDeductible));
    in.PointsAre = static_cast<std::uint8_t>(
        options.Choice("points-paid", RefinancePointsNames(), ppWithFirst));
    in.YearsUntilSale = YearsOption(options);
    in.TaxBracket = PercentOption(options, "tax-bracket");
    in.DiscountRate = PercentOption(options, "discount-rate");
    in.PossibleLender = options.Text("possible-lender").value_or("");
    in.NewLoanAmount = options.Number("new-loan-amount");
    in.NewPayments = static_cast<std::int16_t>(CountOption(options, "new-payments"));
    in.NewRate = PercentOption(options, "new-rate");
    in.NewFrequency = static_cast<std::uint8_t>(
        options.Choice("new-frequency", PaymentFrequencyNames(), fqMonthly));
    in.Points = PercentOption(options, "points");
    in.ClosingCosts = options.Number("closing-costs");
    in.PrepaymentPenalty = options.Number("prepayment-penalty");
    in.CurrentLender = options.Text("current-lender").value_or("");
    in.CurrentBalance = static_cast<double>(options.Number("current-balance"));
    in.PeriodsRemaining = static_cast<std::int16_t>(CountOption(options, "periods-remaining"));
    in.CurrentRate = PercentOption(options, "current-rate");
    in.CurrentFrequency = static_cast<std::uint8_t>(
        options.Choice("current-frequency", PaymentFrequencyNames(), fqMonthly));
    in.InvestDifference = options.Choice("invest-difference", YesNoNames(), 0) != 0;
    return in;
}

void ReportInputs(ResultReport& report, const TRefinanceInputs& in) {
    report.AddInput("years_until_sale", CountValue(in.YearsUntilSale));
    report.AddInput("tax_bracket", RateValue(in.TaxBracket));
    report.AddInput("discount_rate", RateValue(in.DiscountRate));
    report.AddInput("new_loan_amount", MoneyValue(in.NewLoanAmount));
    report.AddInput("new_payments", CountValue(in.NewPayments));
    report.AddInput("new_rate", RateValue(in.NewRate));
    report.AddInput("points", RateValue(in.Points));
    report.AddInput("closing_costs", MoneyValue(in.ClosingCosts));
    report.AddInput("prepayment_penalty", MoneyValue(in.PrepaymentPenalty));
    report.AddInput("current_balance", MoneyValue(in.CurrentBalance));
    report.AddInput("periods_remaining", CountValue(in.PeriodsRemaining));
    report.AddInput("current_rate", RateValue(in.CurrentRate));
    report.AddSetting("asset_name", "Asset", WordValue(in.AssetName));
    report.AddSetting("possible_lender", "Possible lender", WordValue(in.PossibleLender));
    report.AddSetting("current_lender", "Current lender", WordValue(in.CurrentLender));
    report.AddSetting("interest", "Interest",
                      WordValue(ChoiceName(in.InterestDeductible, InterestNames())));
    report.AddSetting("points_paid", "Points paid",
                      WordValue(ChoiceName(in.PointsAre, RefinancePointsNames())));
    report.AddSetting("new_frequency", "New loan frequency",
                      WordValue(ChoiceName(in.NewFrequency, PaymentFrequencyNames())));
    report.AddSetting("current_frequency", "Current loan frequency",
                      WordValue(ChoiceName(in.CurrentFrequency, PaymentFrequencyNames())));
    report.AddSetting("invest_difference", "Invest extra borrowing",
                      WordValue(in.InvestDifference ? "yes" : "no"));
}

struct MoneyResult {
    const char* Key;
    const char* Label;
    Extended TRefinanceResults::*Value;
};

const MoneyResult kMoneyResults[] = {
    {"financed_loan_amount", "Financed loan amount", &TRefinanceResults::FinancedLoanAmount},
    {"current_payment", "Current payment", &TRefinanceResults::CurrentPayment},
    {"possible_payment", "Possible payment", &TRefinanceResults::PossiblePayment},
    {"current_cost", "Current cost", &TRefinanceResults::CurrentCost},
    {"possible_cost", "Possible cost", &TRefinanceResults::PossibleCost},
    {"same_amount_cost", "Same-amount cost", &TRefinanceResults::SameAmountCost},
    {"interest_difference", "Interest difference", &TRefinanceResults::InterestDifference},
    {"points_cost", "Points cost", &TRefinanceResults::PointsCost},
    {"tax_increase", "Tax increase", &TRefinanceResults::TaxIncrease},
    {"payment_difference_gain", "Payment difference gain",
     &TRefinanceResults::PaymentDifferenceGain},
    {"extra_borrowing_gain", "Extra borrowing gain", &TRefinanceResults::ExtraBorrowingGain},
    {"current_paid_down", "Current paid down", &TRefinanceResults::CurrentPaidDown},
    {"possible_paid_down", "Possible paid down", &TRefinanceResults::PossiblePaidDown},
    {"bottom_line", "Bottom line", &TRefinanceResults::BottomLine},
};

void ReportResults(ResultReport& report, const TRefinanceResults& r) {
    report.AddOutput("holding_periods", "Periods analysed", CountValue(r.HoldingPeriods));
    report.AddOutput("current_periods", "Current loan periods", CountValue(r.CurrentPeriods));
    report.AddOutput("possible_periods", "Possible loan periods", CountValue(r.PossiblePeriods));
    for (const MoneyResult& row : kMoneyResults) {
        report.AddOutput(row.Key, row.Label, MoneyValue(r.*row.Value));
    }
}

void ReportNarrative(ResultReport& report, const std::vector<std::string>& lines) {
    std::string json = "[";
    std::string text = "\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(lines[i]);
        text += lines[i] + "\n";
    }
    report.AddJsonMember("narrative", json + "]");
    report.AddTextBlock(text);
}

} // namespace

int RunRefinanceCommand(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    OptionSet options("refinance",
                      "Compares the current loan with a possible new one over the years until\n"
                      "the property is sold and writes the verdict. Amounts in US dollars.",
                      RefinanceOptions());
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const TRefinanceInputs inputs = ReadRefinanceInputs(options);
        TadvRefinance advisor(TRegionalSettings::UnitedStates());
        advisor.SetInputs(inputs);

        ResultReport report("refinance");
        ReportInputs(report, advisor.Inputs());
        ReportResults(report, advisor.Results());
        ReportNarrative(report, advisor.Narrative());
        report.Write(result, options.Flag("json"));
    });
}

} // namespace calvora::cli

#include "cli/cli_names.h"

#include "finance/financial_types.h"

namespace calvora::cli {

namespace {

const std::vector<NamedCode> kPaymentFrequencies{
    {"daily", fqDaily},
    {"weekly", fqWeekly},
    {"biweekly", fqBiWeekly},
    {"twice-monthly", fqTwiceMonthly},
    {"every-4-weeks", fqEvery4Weeks},
    {"monthly", fqMonthly},
    {"bimonthly", fqBiMonthly},
    {"quarterly", fqQuarterly},
    {"4-month", fqFourMonth},
    {"semiannually", fqSemiannually},
    {"annually", fqAnnually},
};

std::vector<NamedCode> MakeCompoundingNames() {
    std::vector<NamedCode> names{{"continuous", fqContinuous}};
    names.insert(names.end(), kPaymentFrequencies.begin(), kPaymentFrequencies.end());
    names.push_back({"exact", fqExact});
    return names;
}

} // namespace

const std::vector<NamedCode>& PaymentFrequencyNames() {
    return kPaymentFrequencies;
}

const std::vector<NamedCode>& CompoundingNames() {
    static const std::vector<NamedCode> names = MakeCompoundingNames();
    return names;
}

const std::vector<NamedCode>& AmortizationMethodNames() {
    static const std::vector<NamedCode> names{
        {"normal", amNormal},
        {"canadian", amCanadian},
        {"fixed-principal", amFixedPrincipal},
        {"interest-only", amInterestOnly},
        {"no-interest", amNoInterest},
        {"rule-of-78", amRule78},
    };
    return names;
}

const std::vector<NamedCode>& PaymentTimingNames() {
    static const std::vector<NamedCode> names{{"arrears", 0}, {"advance", 1}};
    return names;
}

const std::vector<NamedCode>& PointsPaidNames() {
    static const std::vector<NamedCode> names{
        {"with-origination", ppWithOrigination},
        {"with-first", ppWithFirst},
        {"amortized", ppAmortized},
    };
    return names;
}

const std::vector<NamedCode>& OddDaysPaidNames() {
    static const std::vector<NamedCode> names{
        {"none", odNone},
        {"with-origination", odWithOrigination},
        {"with-first", odWithFirst},
        {"amortized", odAmortized},
    };
    return names;
}

const std::vector<NamedCode>& ShortPeriodPaidNames() {
    static const std::vector<NamedCode> names{
        {"no-reduction", spNoReduction},
        {"reduce-first", spReduceFirst},
        {"reduce-all", spReduceAll},
    };
    return names;
}

} // namespace calvora::cli

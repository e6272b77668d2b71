#include "refinance/advisor_validation.h"

#include "refinance/advisor_errors.h"

#include <algorithm>
#include <cstdint>

namespace calvora {

void ValidateRefinanceInputs(const TRefinanceInputs& inputs) {
    const int currentPerYear = PeriodsPerYear(inputs.CurrentFrequency);
    const int newPerYear = PeriodsPerYear(inputs.NewFrequency);
    if (inputs.PeriodsRemaining / currentPerYear > kAdvisorMaxLoanYears) {
        RaiseAdvisorError('r');
    }
    if (inputs.NewPayments / newPerYear > kAdvisorMaxLoanYears) {
        RaiseAdvisorError('s');
    }
    if (currentPerYear != newPerYear) {
        RaiseAdvisorError('t');
    }
    // A negative count would reach the schedule as its "unknown term" marker (-1)
    // or an invalid series, so it is refused like a zero count.
    if (inputs.PeriodsRemaining <= 0) {
        RaiseAdvisorError('u');
    }
    if (inputs.NewPayments <= 0) {
        RaiseAdvisorError('v');
    }
    if (inputs.CurrentRate == 0) {
        RaiseAdvisorError('w');
    }
    if (inputs.NewRate == 0) {
        RaiseAdvisorError('x');
    }
    if (inputs.YearsUntilSale < 1) {
        RaiseAdvisorError('y');
    }
}

TAnalysedPeriods AnalysedPeriods(const TRefinanceInputs& inputs) {
    const std::int64_t longer = std::max(inputs.PeriodsRemaining, inputs.NewPayments);
    const std::int64_t untilSale =
        std::int64_t{PeriodsPerYear(inputs.CurrentFrequency)} * inputs.YearsUntilSale;
    TAnalysedPeriods periods;
    periods.Holding = static_cast<std::int16_t>(std::min(longer, untilSale));
    periods.Current = std::min(inputs.PeriodsRemaining, periods.Holding);
    periods.Possible = std::min(inputs.NewPayments, periods.Holding);
    return periods;
}

} // namespace calvora

#pragma once

#include "refinance/advisor_types.h"

#include <cstdint>

namespace calvora {

/// The longest loan the advisor analyses, in years of payments.
inline constexpr int kAdvisorMaxLoanYears = 40;

/// Checks the inputs in the advisor's order and raises EAdvisorException with the
/// first failing code: 'r' / 's' a loan of more than 40 years (whole years: the
/// remainder of count / periods per year is dropped), 't' different periods per
/// year, 'u' / 'v' no payments, 'w' / 'x' a zero rate, 'y' fewer than 1 year until
/// sale. A frequency outside 1..11 raises the schedule catalogue's 1012.
void ValidateRefinanceInputs(const TRefinanceInputs& inputs);

/// Periods analysed: the holding period and the part of it each loan covers.
struct TAnalysedPeriods {
    std::int16_t Holding = 0;  ///< min(periods per year x years, max(both counts))
    std::int16_t Current = 0;  ///< k1 = min(PeriodsRemaining, Holding)
    std::int16_t Possible = 0; ///< k2 = min(NewPayments, Holding)
};

/// The holding period of validated inputs, in payment periods of the current loan.
TAnalysedPeriods AnalysedPeriods(const TRefinanceInputs& inputs);

} // namespace calvora

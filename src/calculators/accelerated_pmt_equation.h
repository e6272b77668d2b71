#pragma once

#include "calculators/loan_equation_base.h"

#include <cstdint>

namespace calvora {

/// A loan whose payment is raised by an extra amount from a given payment on:
/// finds the regular payment, the shorter term and the interest saved.
class TequAcceleratedPmt : public TequLoanEquation {
public:
    Extended Amount = 0;
    std::int32_t Periods = 0;
    /// Annual rate in percent (6 for 6 %).
    double AnnualRate = 0;
    /// Payment number from which the extra amount is added (1 = every payment).
    std::int32_t ExtraStart = 0;
    Extended ExtraAmount = 0;
    /// Results: the regular payment, the term with the extra amount and the
    /// interest the extra amount saves.
    Extended Payment = 0;
    std::int32_t NewPeriods = 0;
    Extended InterestSaved = 0;

    /// Two runs of one schedule: the regular loan (payment unknown, last
    /// payment adjusted), then the same loan paying Payment + ExtraAmount from
    /// payment ExtraStart on with the number of those payments unknown. Raises
    /// 1045, 1048, 1049, 1043 (ExtraStart below 1), 1075 (ExtraStart above
    /// Periods), 1046 (more than 32767 payments) and the schedule's errors.
    void Calculate(Extended amount, std::int32_t periods, double annualRate,
                   std::int32_t extraStart, Extended extraAmount, std::uint8_t paymentFrequency,
                   std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                   std::uint8_t amortMethod, TDateTime loanDate, std::int32_t daysPerYear);

private:
    void Validate() const;
};

} // namespace calvora

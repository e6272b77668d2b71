#pragma once

#include "calculators/loan_equation_base.h"

#include <cstdint>

namespace calvora {

/// The balance still owed after a given payment of a loan whose payment is
/// found first. Every input must be given; the payment is always solved.
class TequRemainingBalance : public TequLoanEquation {
public:
    Extended Amount = 0;
    std::int32_t Periods = 0;
    /// Annual rate in percent (6 for 6 %).
    Extended AnnualRate = 0;
    /// Payment number after which the balance is wanted.
    std::int32_t BalanceAfter = 0;
    /// Results: the periodic payment and the balance after payment BalanceAfter.
    Extended Payment = 0;
    Extended Balance = 0;

    /// Raises 1045 (an input is zero), 1048, 1049, 401 (BalanceAfter not below
    /// Periods), 1046 (more than 32767 payments), 1033 (a negative BalanceAfter)
    /// and the schedule's errors.
    void Calculate(Extended amount, std::int32_t periods, Extended annualRate,
                   std::int32_t balanceAfter, std::uint8_t paymentFrequency,
                   std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                   std::uint8_t amortMethod, TDateTime loanDate, std::int32_t daysPerYear);

private:
    void Validate() const;
};

} // namespace calvora

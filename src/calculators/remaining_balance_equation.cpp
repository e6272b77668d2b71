#include "calculators/remaining_balance_equation.h"

#include "finance/finance_errors.h"

#include <cmath>

namespace calvora {

void TequRemainingBalance::Validate() const {
    ZeroInputs zeros;
    zeros.Check(std::fabs(Amount) < 0.01L, 1);
    zeros.Check(Periods == 0, 2);
    zeros.Check(AnnualRate < 0.0001L && AmortMethod != amNoInterest, 3);
    zeros.Check(Payment < 0.01L, 4);
    zeros.RequireAtMostOne();
    // A missing payment number counts as two unknowns: always too many.
    if (BalanceAfter == 0)
        RaiseCashScheduleError(1045);
    CheckMethodRules(zeros.SolvedOr(0), AmortMethod, AnnualRate);
    if (BalanceAfter >= Periods)
        RaiseFinanceError(401);
    if (Periods > INT16_MAX)
        RaiseCashScheduleError(1046);
    if (BalanceAfter < 0)
        RaiseCashScheduleError(1033);
}

void TequRemainingBalance::Calculate(Extended amount, std::int32_t periods, Extended annualRate,
                                     std::int32_t balanceAfter, std::uint8_t paymentFrequency,
                                     std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                                     std::uint8_t amortMethod, TDateTime loanDate,
                                     std::int32_t daysPerYear) {
    StoreCodes(paymentFrequency, compoundingFrequency, paymentTiming, amortMethod, loanDate,
               daysPerYear);
    Amount = amount;
    Periods = periods;
    AnnualRate = annualRate;
    BalanceAfter = balanceAfter;
    Payment = 0;
    Validate();

    auto schedule = RunTwoEventLoan(Amount, Periods, 0, 4, AnnualRate / 100.0L);
    const Extended balance = schedule->BalanceAt(BalanceAfter);
    Payment = schedule->Result();
    Balance = balance;
    m_events.Clear();
}

} // namespace calvora

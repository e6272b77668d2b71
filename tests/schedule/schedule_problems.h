#pragma once

#include "finance/date_math.h"
#include "finance/financial_types.h"
#include "schedule/cash_inputs.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_factory.h"

#include <cmath>
#include <memory>

namespace calvora::testing {

/// A loan followed by one payment series, the shape every calculator starts from.
struct LoanProblem {
    double amount = 100000;
    double payment = 0;
    int count = 360;
    TDateTime loanDate = EncodeDate(2026, 1, 15);
    TDateTime firstPaymentDate = EncodeDate(2026, 2, 15);
    int paymentFrequency = fqMonthly;
    int compounding = fqMonthly;
    int seriesType = stLevel;
    bool paymentUnknown = true;
    bool loanUnknown = false;
    bool countUnknown = false;
};

inline void FillEvents(const LoanProblem& p, TCashInputsList& events) {
    events.Clear();
    TCashInputClass& loan = events.Add();
    loan.Kind = ekLoan;
    loan.Count = 1;
    loan.Amount = p.amount;
    loan.Date = p.loanDate;
    loan.PaymentFrequency = static_cast<std::uint8_t>(p.paymentFrequency);
    loan.CompoundingFrequency = static_cast<std::uint8_t>(p.compounding);
    loan.AmountUnknown = p.loanUnknown;
    TCashInputClass& series = events.Add();
    series.Kind = ekPayment;
    series.Count = static_cast<std::int16_t>(p.countUnknown ? -1 : p.count);
    series.Amount = p.payment;
    series.Date = p.firstPaymentDate;
    series.PaymentFrequency = static_cast<std::uint8_t>(p.paymentFrequency);
    series.CompoundingFrequency = static_cast<std::uint8_t>(p.compounding);
    series.SeriesType = static_cast<std::uint8_t>(p.seriesType);
    series.AmountUnknown = p.paymentUnknown || p.countUnknown;
    series.CountUnknown = p.countUnknown;
}

/// Money rounded to cents, half away from zero, computed apart from the engine.
inline long double Cents(long double x) {
    return std::copysign(std::floor(std::fabs(x) * 100 + 0.5L + 1e-9L), x) / 100;
}

} // namespace calvora::testing

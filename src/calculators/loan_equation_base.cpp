#include "calculators/loan_equation_base.h"

#include "finance/finance_errors.h"
#include "schedule/schedule_factory.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace calvora {

TDateTime TodayDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TDateTime StepPaymentDates(TcalcDateMathEx& dates, int frequency, TDateTime date, int periods) {
    // The anchor keeps a series that starts on the 30th or a month end on its day.
    dates.SetAnchorDate(date);
    for (int i = 0; i < periods; ++i)
        date = dates.NextDate(frequency, date);
    return date;
}

std::uint8_t SeriesTypeOfMethod(int amortMethod) {
    switch (amortMethod) {
    case amFixedPrincipal:
        return stFixedPrincipal;
    case amInterestOnly:
        return stInterestOnly;
    default:
        return stLevel;
    }
}

void CheckMethodRules(int solvedFor, int amortMethod, Extended rate) {
    if (solvedFor == 3 && (amortMethod == amFixedPrincipal || amortMethod == amInterestOnly))
        RaiseCashScheduleError(1048);
    if (amortMethod == amNoInterest && std::fabs(rate) > 0.0001L)
        RaiseCashScheduleError(1049);
    if (solvedFor == 2 && amortMethod == amInterestOnly)
        RaiseCashScheduleError(1048);
}

void ZeroInputs::Check(bool isZero, std::uint8_t code) {
    if (!isZero)
        return;
    ++m_count;
    m_last = code;
}

void ZeroInputs::RequireAtMostOne() const {
    if (m_count > 1)
        RaiseCashScheduleError(1045);
}

TequLoanEquation::TequLoanEquation()
    : LoanDate(TodayDate()) {}

void TequLoanEquation::StoreCodes(std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                                  std::uint8_t paymentTiming, std::uint8_t amortMethod,
                                  TDateTime loanDate, std::int32_t daysPerYear) {
    PaymentFrequency = paymentFrequency;
    CompoundingFrequency = compoundingFrequency;
    PaymentTiming = paymentTiming;
    AmortMethod = amortMethod;
    LoanDate = loanDate;
    DaysPerYear = daysPerYear;
}

TDateTime TequLoanEquation::FirstPaymentDate() {
    return PaymentTiming == 1 ? LoanDate : StepPeriods(LoanDate, 1);
}

TDateTime TequLoanEquation::StepPeriods(TDateTime date, int periods) {
    return StepPaymentDates(m_dates, PaymentFrequency, date, periods);
}

TCashInputClass TequLoanEquation::LoanEvent(Extended amount, bool amountUnknown) const {
    TCashInputClass loan;
    loan.Kind = ekLoan;
    loan.Count = 1;
    loan.Amount = static_cast<double>(amount);
    loan.AmountUnknown = amountUnknown;
    loan.Date = LoanDate;
    loan.PaymentFrequency = PaymentFrequency;
    loan.CompoundingFrequency = CompoundingFrequency;
    loan.SeriesType = SeriesTypeOfMethod(AmortMethod);
    return loan;
}

TCashInputClass TequLoanEquation::PaymentSeries(const TCashInputClass& loan, std::int32_t count,
                                                Extended amount, bool amountUnknown,
                                                TDateTime date) {
    // An event holds a 16-bit count, and -1 is the engine's mark of an unknown count.
    if (count < -1 || count > INT16_MAX)
        RaiseCashScheduleError(1046);
    TCashInputClass payment(loan);
    payment.Kind = ekPayment;
    payment.Count = static_cast<std::int16_t>(count);
    payment.CountUnknown = count == -1;
    payment.Amount = static_cast<double>(amount);
    payment.AmountUnknown = amountUnknown;
    payment.Date = date;
    return payment;
}

std::unique_ptr<TCash_Schedule_Base>
TequLoanEquation::NewSchedule(int amortMethod, std::uint8_t lastPaymentMode) const {
    auto schedule = CreateCashSchedule(amortMethod);
    schedule->LastPaymentMode = lastPaymentMode;
    return schedule;
}

void TequLoanEquation::RunSchedule(TCash_Schedule_Base& schedule, bool rateUnknown,
                                   Extended annualRate) {
    schedule.SetInputs(&m_events, rateUnknown, CompoundingFrequency == fqExact, DaysPerYear,
                       CompoundingFrequency, annualRate);
    schedule.Calculate();
}

std::unique_ptr<TCash_Schedule_Base>
TequLoanEquation::RunTwoEventLoan(Extended amount, std::int32_t periods, Extended payment,
                                  std::uint8_t solvedFor, Extended annualRate) {
    auto schedule = NewSchedule(AmortMethod, 4);
    m_events.Clear();
    const TCashInputClass loan = LoanEvent(amount, solvedFor == 1);
    m_events.Add(loan);
    const bool countUnknown = solvedFor == 2;
    m_events.Add(PaymentSeries(loan, countUnknown ? -1 : periods, payment,
                               solvedFor == 4 || countUnknown, FirstPaymentDate()));
    RunSchedule(*schedule, solvedFor == 3, annualRate);
    return schedule;
}

} // namespace calvora

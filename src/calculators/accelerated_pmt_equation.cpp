#include "calculators/accelerated_pmt_equation.h"

#include "finance/finance_errors.h"

#include <cmath>

namespace calvora {

void TequAcceleratedPmt::Validate() const {
    ZeroInputs zeros;
    zeros.Check(std::fabs(Amount) < 0.01L, 1);
    zeros.Check(Periods == 0, 2);
    zeros.Check(std::fabs(AnnualRate) < 0.0001 && AmortMethod != amNoInterest, 3);
    zeros.RequireAtMostOne();
    CheckMethodRules(zeros.SolvedOr(0), AmortMethod, AnnualRate);
    if (ExtraStart < 1)
        RaiseCashScheduleError(1043);
    if (ExtraStart > Periods)
        RaiseCashScheduleError(1075);
    if (Periods > INT16_MAX)
        RaiseCashScheduleError(1046);
}

void TequAcceleratedPmt::Calculate(Extended amount, std::int32_t periods, double annualRate,
                                   std::int32_t extraStart, Extended extraAmount,
                                   std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                                   std::uint8_t paymentTiming, std::uint8_t amortMethod,
                                   TDateTime loanDate, std::int32_t daysPerYear) {
    StoreCodes(paymentFrequency, compoundingFrequency, paymentTiming, amortMethod, loanDate,
               daysPerYear);
    Amount = amount;
    Periods = periods;
    AnnualRate = annualRate;
    ExtraStart = extraStart;
    ExtraAmount = extraAmount;
    Payment = 0;
    Validate();

    const Extended rate = AnnualRate / 100.0L;
    auto schedule = NewSchedule(AmortMethod, 0);
    schedule->KeepPaidOffRows = false;

    // The regular loan, its payment unknown.
    const TDateTime firstPayment = FirstPaymentDate();
    const TCashInputClass loan = LoanEvent(Amount, false);
    m_events.Clear();
    m_events.Add(loan);
    m_events.Add(PaymentSeries(loan, Periods, 0, true, firstPayment));
    RunSchedule(*schedule, false, rate);
    const Extended regularPayment = schedule->Result();
    const Extended regularInterest = schedule->TotalInterest();

    // The same loan paying the extra amount from payment ExtraStart on, for as
    // many payments as it takes.
    const Extended raisedPayment = regularPayment + ExtraAmount;
    m_events.Clear();
    m_events.Add(loan);
    if (ExtraStart == 1) {
        m_events.Add(PaymentSeries(loan, -1, raisedPayment, true, firstPayment));
    } else {
        m_events.Add(PaymentSeries(loan, ExtraStart - 1, regularPayment, false, firstPayment));
        // Payment k falls k - 1 periods after the first payment, in arrears and
        // in advance alike.
        m_events.Add(PaymentSeries(loan, -1, raisedPayment, true,
                                   StepPeriods(firstPayment, ExtraStart - 1)));
    }
    schedule->LastPaymentMode = 4;
    RunSchedule(*schedule, false, rate);

    Payment = regularPayment;
    NewPeriods = (ExtraStart - 1) + schedule->NumberOfPeriods();
    InterestSaved = regularInterest - schedule->TotalInterest();
    m_events.Clear();
}

} // namespace calvora

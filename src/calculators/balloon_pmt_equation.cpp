#include "calculators/balloon_pmt_equation.h"

#include "finance/finance_errors.h"

#include <algorithm>
#include <cmath>

namespace calvora {

std::uint8_t TequBalloonPmt::Validate() const {
    ZeroInputs zeros;
    zeros.Check(std::fabs(Amount) < 0.01L, 1);
    zeros.Check(HasBalloon && BalloonPeriod == 0, 9);
    zeros.Check(std::fabs(AnnualRate) < 0.001, 3);
    zeros.Check(std::fabs(Payment) < 0.01L, 4);
    zeros.Check(HasBalloon && Balloon < 0.01L, 10);
    zeros.RequireAtMostOne();
    // Without a balloon amount or period there is no balloon loan to solve.
    if (!HasBalloon || BalloonPeriod < 0 || BalloonPeriod == 1)
        RaiseCashScheduleError(1046);
    const std::uint8_t solvedFor = zeros.SolvedOr(0);
    CheckMethodRules(solvedFor, AmortMethod, AnnualRate);
    return solvedFor;
}

void TequBalloonPmt::BuildEvents() {
    const TDateTime firstPayment = FirstPaymentDate();
    const TCashInputClass loan = LoanEvent(Amount, SolvedFor == 1);
    m_events.Clear();
    m_events.Add(loan);
    if (SolvedFor == 9) {
        // A level loan paid off to the end; the balloon is fitted into its tail.
        m_events.Add(PaymentSeries(loan, -1, Payment, true, firstPayment));
        return;
    }
    m_events.Add(PaymentSeries(loan, BalloonPeriod - 1, Payment, SolvedFor == 4, firstPayment));
    m_events.Add(PaymentSeries(loan, 1, Balloon, SolvedFor == 10,
                               StepPeriods(firstPayment, BalloonPeriod - 1)));
}

void TequBalloonPmt::FindBalloonPeriod(const TCash_Schedule_Base& schedule) {
    const std::int32_t periods = schedule.NumberOfPeriods();
    std::int32_t n = std::max(periods - 1, 0);
    while (n != 0 && schedule.BalanceAt(n) <= Balloon)
        --n;
    if (n + 1 < periods) {
        BalloonPeriod = n + 2;
        Balloon = schedule.BalanceAt(n + 1) + schedule.InterestAt(n + 2);
    }
}

void TequBalloonPmt::Calculate(Extended amount, double annualRate, Extended payment,
                               std::int32_t balloonPeriod, Extended balloon,
                               std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                               std::uint8_t paymentTiming, TDateTime loanDate,
                               std::int32_t daysPerYear) {
    StoreCodes(paymentFrequency, compoundingFrequency, paymentTiming, amNormal, loanDate,
               daysPerYear);
    Amount = amount;
    AnnualRate = annualRate;
    Payment = payment;
    BalloonPeriod = balloonPeriod;
    Balloon = balloon;
    SolvedFor = 0;
    HasBalloon = Balloon > 0 || BalloonPeriod > 0;
    SolvedFor = Validate();

    auto schedule = NewSchedule(amNormal, 0);
    BuildEvents();
    RunSchedule(*schedule, SolvedFor == 3, AnnualRate);

    switch (SolvedFor) {
    case 1:
        Amount = schedule->Result();
        break;
    case 3:
        AnnualRate = static_cast<double>(schedule->AnnualRate());
        break;
    case 4:
        Payment = schedule->Result();
        break;
    case 9:
        FindBalloonPeriod(*schedule);
        break;
    case 10:
        Balloon = schedule->Result();
        break;
    default:
        break;
    }
    TotalInterest = SolvedFor == 9 ? 0 : schedule->TotalInterest();
    m_events.Clear();
}

} // namespace calvora

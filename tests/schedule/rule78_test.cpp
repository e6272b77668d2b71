#include "finance/finance_errors.h"
#include "schedule/cash_schedule_rule78.h"
#include "schedule_problems.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <gtest/gtest.h>

namespace calvora {
namespace {

using testing::Cents;
using testing::FillEvents;
using testing::LoanProblem;

LoanProblem SmallLoan() {
    LoanProblem problem;
    problem.amount = 1000;
    problem.count = 12;
    return problem;
}

struct Rule78Run {
    explicit Rule78Run(const LoanProblem& problem, std::uint8_t oddDaysPaid = odAmortized) {
        FillEvents(problem, events);
        schedule.OddDaysPaidWhen = oddDaysPaid;
        schedule.SetInputs(&events, false, false, 365, problem.compounding, 0.12L);
        schedule.Calculate();
    }
    const TTransactionClass& Row(std::size_t i) const { return schedule.Rows()[i]; }
    TCashInputsList events;
    TCash_Schedule_Rule78 schedule;
};

// 1000 at 12 % over 12 months: the classic sum-of-the-digits spread.
TEST(Rule78Schedule, SpreadsTheFinanceChargeBySumOfTheDigits) {
    Rule78Run run(SmallLoan());
    EXPECT_NEAR(run.schedule.Result(), 88.85L, 1e-9L);
    EXPECT_NEAR(run.schedule.FinanceCharge(), 66.20, 1e-9);
    EXPECT_NEAR(run.Row(1).Interest, 10.18L, 1e-9L);
    EXPECT_NEAR(run.Row(12).Interest, 0.85L, 1e-9L);
    long double balance = 1000;
    long double interestSum = 0;
    for (int k = 1; k <= 12; ++k) {
        const long double interest = Cents(66.20L * (12 - k + 1) / 78);
        interestSum += interest;
        EXPECT_NEAR(run.Row(k).Interest, interest, 1e-9L) << k;
        balance += interest - 88.85L;
    }
    EXPECT_NEAR(run.schedule.FinalBalance(), balance, 1e-9L);
    EXPECT_NEAR(run.Row(12).Payment, 88.85L + balance, 1e-9L);
    EXPECT_NEAR(run.Row(12).Balance, 0, 1e-9L);
    EXPECT_NEAR(interestSum, 66.20L, 0.01L) << "the rows carry the whole charge";
    EXPECT_NEAR(run.schedule.TotalPrincipal(), 1000, 1e-9L);
}

TEST(Rule78Schedule, LongFirstPeriodCarriesHalfAPeriodMore) {
    LoanProblem problem = SmallLoan();
    problem.loanDate = EncodeDate(2026, 1, 1);
    problem.firstPaymentDate = EncodeDate(2026, 2, 16);
    Rule78Run run(problem);
    EXPECT_NEAR(run.schedule.Weights()[1].PeriodFraction, 1.5000005L, 1e-12L);
    EXPECT_NEAR(run.schedule.Weights()[2].PeriodFraction, 1, 1e-12L);
    // Shares of rows 1 and 2 are 12/78 and 11/78; row 1 weighs 1.5 periods.
    const long double fc = run.schedule.FinanceCharge();
    const long double total = 1.5000005L * 12 / 78 + (78.0L - 12) / 78;
    EXPECT_NEAR(run.Row(1).Interest, Cents(1.5000005L * 12 / 78 / total * fc), 1e-9L);
    EXPECT_NEAR(run.Row(2).Interest, Cents(11.0L / 78 / total * fc), 1e-9L);
    EXPECT_NEAR(run.Row(12).Balance, 0, 1e-9L);
}

TEST(Rule78Schedule, SpecialSeriesAndSecondLoansAreRejected) {
    for (int type : {stInterestOnly, stFixedPrincipal}) {
        LoanProblem problem = SmallLoan();
        problem.seriesType = type;
        EXPECT_THROW_MSG(Rule78Run{problem}, ECashScheduleException,
                         "Invalid special series for this amortization method.");
    }
    TCashInputsList events;
    FillEvents(SmallLoan(), events);
    TCashInputClass second(events[0]);
    second.Date = events[1].Date + 100;
    events.Add(std::move(second));
    TCash_Schedule_Rule78 schedule;
    EXPECT_THROW_MSG(schedule.SetInputs(&events, false, false, 365, fqMonthly, 0.12L),
                     ECashScheduleException, "Can't have multiple loan events with Rule-of-78s.");
}

TEST(Rule78Schedule, DailyPaymentsHaveNoDigitsToSpreadBy) {
    LoanProblem problem = SmallLoan();
    problem.paymentFrequency = fqDaily;
    problem.compounding = fqDaily;
    problem.firstPaymentDate = problem.loanDate + 1;
    EXPECT_THROW_MSG(Rule78Run{problem}, ECashScheduleException, "Invalid inputs.");
}

} // namespace
} // namespace calvora

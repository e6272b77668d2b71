#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_factory.h"
#include "schedule_problems.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace calvora {
namespace {

using testing::Cents;
using testing::FillEvents;
using testing::LoanProblem;

constexpr long double kRate = 0.06L;

class CashScheduleTest : public ::testing::Test {
protected:
    TCash_Schedule_Base& Run(const LoanProblem& problem, int method = amNormal,
                             bool rateUnknown = false, long double rate = kRate) {
        FillEvents(problem, events);
        if (!schedule) {
            schedule = CreateCashSchedule(method);
        }
        schedule->SetInputs(&events, rateUnknown, problem.compounding == fqExact, 365,
                            problem.compounding, rateUnknown ? 0 : rate);
        schedule->Calculate();
        return *schedule;
    }
    const TTransactionClass& Row(std::size_t i) const { return schedule->Rows()[i]; }

    TCashInputsList events;
    std::unique_ptr<TCash_Schedule_Base> schedule;
};

// 100000 at 6 % over 360 months, rebuilt row by row with its own cent rounding.
TEST_F(CashScheduleTest, MonthlyLoanMatchesAnIndependentAmortization) {
    const TCash_Schedule_Base& s = Run(LoanProblem{});
    EXPECT_NEAR(s.Result(), 599.55L, 1e-9L);
    ASSERT_EQ(s.Rows().Count(), 361u);
    EXPECT_NEAR(Row(1).Interest, 500.00L, 1e-9L);
    EXPECT_NEAR(Row(1).Principal, 99.55L, 1e-9L);
    EXPECT_NEAR(Row(1).Balance, 99900.45L, 1e-9L);

    long double balance = 100000;
    long double interestSum = 0;
    for (std::size_t i = 1; i < 360; ++i) {
        const long double interest = Cents(balance * 0.005L);
        balance = balance + interest - 599.55L;
        interestSum += interest;
        ASSERT_NEAR(Row(i).Interest, interest, 1e-6L) << "row " << i;
        ASSERT_NEAR(Row(i).Balance, balance, 1e-6L) << "row " << i;
    }
    const long double lastInterest = Cents(balance * 0.005L);
    interestSum += lastInterest;
    const long double remainder = balance + lastInterest - 599.55L;
    EXPECT_NEAR(s.FinalBalance(), remainder, 1e-6L);
    EXPECT_NEAR(Row(360).Payment, 599.55L + remainder, 1e-6L) << "the last payment takes the rest";
    EXPECT_NEAR(Row(360).Balance, 0, 1e-9L);
    EXPECT_NEAR(s.TotalInterest(), interestSum, 1e-6L);
    EXPECT_NEAR(s.TotalPrincipal(), 100000, 1e-6L);
    EXPECT_NEAR(events.Last().Amount, 599.55 + static_cast<double>(remainder), 1e-6)
        << "the last event carries the adjusted payment";
    EXPECT_EQ(events.Count(), 361u) << "the caller's list holds the expanded series";
    EXPECT_EQ(events[5].Amount, 599.55);
    EXPECT_EQ(s.NumberOfPeriods(), 360);
}

TEST_F(CashScheduleTest, RateIsFoundBackFromThePayment) {
    LoanProblem problem;
    problem.payment = 599.55;
    problem.paymentUnknown = false;
    const TCash_Schedule_Base& s = Run(problem, amNormal, true);
    EXPECT_NEAR(s.AnnualRate(), 0.06L, 0.00001L);
    EXPECT_NEAR(Row(1).Interest, 500.00L, 1e-9L) << "rows are rounded again once the rate is known";
    EXPECT_NEAR(Row(360).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, TermIsFoundBackFromThePayment) {
    LoanProblem problem;
    problem.payment = 599.55;
    problem.paymentUnknown = false;
    problem.countUnknown = true;
    const TCash_Schedule_Base& s = Run(problem);
    EXPECT_EQ(s.NumberOfPeriods(), 360);
    EXPECT_EQ(s.Rows().Count(), 361u);
    EXPECT_NEAR(Row(360).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, TermWithAPaymentBelowTheInterestIsInfinite) {
    LoanProblem problem;
    problem.payment = 400;
    problem.paymentUnknown = false;
    problem.countUnknown = true;
    EXPECT_THROW_MSG(Run(problem), EFinanceException,
                     "Term is infinite. Payment or withdrawal is too small.\r\nIt does not exceed "
                     "periodic interest amount.\r\nIncrease payment or withdrawal amount.");
}

TEST_F(CashScheduleTest, LoanAmountIsFoundByDiscounting) {
    LoanProblem problem;
    problem.payment = 599.55;
    problem.paymentUnknown = false;
    problem.loanUnknown = true;
    problem.amount = 0;
    const TCash_Schedule_Base& s = Run(problem);
    // 599.55 * (1 - 1.005^-360) / 0.005
    const long double expected = Cents(599.55L * (1 - std::pow(1.005L, -360.0L)) / 0.005L);
    EXPECT_NEAR(s.Result(), expected, 1e-9L);
    EXPECT_EQ(events[0].Amount, static_cast<double>(expected));
}

TEST_F(CashScheduleTest, CanadianCompoundsTheRateHalfYearly) {
    LoanProblem problem;
    problem.count = 300;
    const TCash_Schedule_Base& s = Run(problem, amCanadian);
    const long double monthly = std::pow(1.03L, 1.0L / 6) - 1;
    EXPECT_NEAR(Row(1).PeriodicRate, monthly, 1e-15L);
    EXPECT_NEAR(Row(1).Interest, 493.86L, 1e-9L);
    // The widely published payment of a 25-year 100000 mortgage at 6 %.
    EXPECT_NEAR(s.Result(), 639.81L, 1e-9L);
    EXPECT_NEAR(Row(300).Balance, 0, 1e-9L);
}

struct CompoundingErrorCase {
    int compounding;
    const char* message;
};

TEST_F(CashScheduleTest, CanadianRejectsCompoundingByTheDay) {
    const CompoundingErrorCase data[] = {
        {fqDaily, "'Daily' is not valid\r\nwhen straight-line odd days is selected."},
        {fqExact, "Compounding frequency not supported."},
        {fqContinuous, "Compounding frequency not supported."},
    };
    for (const CompoundingErrorCase& c : data) {
        LoanProblem problem;
        problem.compounding = c.compounding;
        schedule.reset();
        bool thrown = false;
        try {
            Run(problem, amCanadian);
        } catch (const ECalvoraError& e) {
            thrown = true;
            EXPECT_EQ(std::string(e.what()), c.message) << "compounding " << c.compounding;
        }
        EXPECT_TRUE(thrown) << "compounding " << c.compounding;
    }
}

// Loan 1 January, first payment 16 February: one month and 15 odd days.
LoanProblem LongFirstPeriod() {
    LoanProblem problem;
    problem.loanDate = EncodeDate(2026, 1, 1);
    problem.firstPaymentDate = EncodeDate(2026, 2, 16);
    return problem;
}

const long double kDaily = 0.06L / 365;
const long double kDailyInterest = Cents(100000 * kDaily); // 16.44
const long double kOddInterest = 15 * kDailyInterest;      // 246.60

TEST_F(CashScheduleTest, LongFirstPeriodAmortizedKeepsItsOddDays) {
    schedule = CreateCashSchedule(amNormal);
    schedule->OddDaysPaidWhen = odAmortized;
    const TCash_Schedule_Base& s = Run(LongFirstPeriod());
    EXPECT_EQ(s.Shape(), fpLong);
    EXPECT_EQ(s.MovedOddDays(), 0);
    // The first payment is discounted over one month and 15 simple-interest days.
    long double annuity = 0;
    for (int k = 1; k <= 360; ++k) {
        annuity += std::pow(1.005L, -k);
    }
    EXPECT_NEAR(s.Result(), Cents(100000 * (1 + 15 * kDaily) / annuity), 1e-9L);
    EXPECT_NEAR(Row(1).Interest, Cents(500 + 100500 * kDaily * 15), 1e-9L);
}

TEST_F(CashScheduleTest, LongFirstPeriodWithFirstPaymentChargesTheOddDaysThere) {
    schedule = CreateCashSchedule(amNormal);
    schedule->OddDaysPaidWhen = odWithFirst;
    const TCash_Schedule_Base& s = Run(LongFirstPeriod());
    EXPECT_EQ(s.MovedOddDays(), 15);
    EXPECT_NEAR(s.OddDaysInterest(), kOddInterest, 1e-9L);
    EXPECT_NEAR(Row(1).Interest, 500 + kOddInterest, 1e-9L);
    EXPECT_NEAR(Row(1).Payment, 599.55L + kOddInterest, 1e-9L);
    EXPECT_NEAR(Row(2).Payment, 599.55L, 1e-9L);
    EXPECT_NEAR(Row(1).Balance, 99900.45L, 1e-9L);
    EXPECT_NEAR(s.Result(), 599.55L + kOddInterest, 1e-9L);
    EXPECT_EQ(events[1].Amount, static_cast<double>(599.55L + kOddInterest));
}

TEST_F(CashScheduleTest, LongFirstPeriodWithOriginationChargesTheLoanRow) {
    schedule = CreateCashSchedule(amNormal);
    schedule->OddDaysPaidWhen = odWithOrigination;
    const TCash_Schedule_Base& s = Run(LongFirstPeriod());
    EXPECT_NEAR(Row(0).Interest, kOddInterest, 1e-9L);
    EXPECT_NEAR(Row(0).Payment, kOddInterest, 1e-9L);
    EXPECT_NEAR(Row(1).Interest, 500, 1e-9L);
    EXPECT_NEAR(s.Result(), 599.55L, 1e-9L);
}

TEST_F(CashScheduleTest, UnknownLoanWithOddDaysPaidWithFirstPaymentRaises1074) {
    schedule = CreateCashSchedule(amNormal);
    schedule->OddDaysPaidWhen = odWithFirst;
    LoanProblem problem = LongFirstPeriod();
    problem.loanUnknown = true;
    problem.paymentUnknown = false;
    problem.payment = 599.55;
    EXPECT_THROW_MSG(Run(problem), ECashScheduleException,
                     "The PV (Amount of Loan) cannot be unknown\r\n\r\nwhen initial odd days "
                     "interest is paid with\r\n\r\nthe first payment. Set 'Odd Days Interest "
                     "Paid'\r\n\r\nto 'With Origination' or 'Amortized'.");
}

// The Canadian schedule charges the carried odd-day interest once, as the
// normal schedule does.
TEST_F(CashScheduleTest, CanadianChargesLongPeriodOddDaysOnce) {
    const long double periodInterest = 100000 * (std::pow(1.03L, 1.0L / 6) - 1);
    struct Case {
        std::uint8_t paid;
        long double loanRowInterest;
        long double firstRowInterest;
    } data[] = {
        {odWithFirst, 0, Cents(periodInterest + kOddInterest)},
        {odWithOrigination, kOddInterest, Cents(periodInterest)},
    };
    for (const Case& c : data) {
        LoanProblem problem = LongFirstPeriod();
        problem.count = 300;
        schedule = CreateCashSchedule(amCanadian);
        schedule->OddDaysPaidWhen = c.paid;
        const TCash_Schedule_Base& s = Run(problem, amCanadian);
        EXPECT_NEAR(Row(0).Interest, c.loanRowInterest, 1e-9L) << int{c.paid};
        EXPECT_NEAR(Row(1).Interest, c.firstRowInterest, 1e-9L) << int{c.paid};
        EXPECT_NEAR(Row(2).Payment, 639.81L, 1e-9L);
        EXPECT_NEAR(s.Rows().Last().Balance, 0, 1e-9L);
    }
}

// Loan 15 January, first payment 4 February: a 20-day first period.
LoanProblem ShortFirstPeriod() {
    LoanProblem problem;
    problem.firstPaymentDate = EncodeDate(2026, 2, 4);
    return problem;
}

TEST_F(CashScheduleTest, ShortFirstPeriodReduceFirstLowersTheFirstPayment) {
    schedule = CreateCashSchedule(amNormal);
    schedule->ShortPeriodPaidHow = spReduceFirst;
    const TCash_Schedule_Base& s = Run(ShortFirstPeriod());
    EXPECT_EQ(s.Shape(), fpShort);
    const long double shortInterest = 20 * kDailyInterest; // 328.80
    EXPECT_NEAR(Row(1).Interest, shortInterest, 1e-9L);
    EXPECT_NEAR(Row(1).Payment, 599.55L + shortInterest - 500, 1e-9L);
    EXPECT_NEAR(Row(1).Balance, 99900.45L, 1e-9L);
    EXPECT_NEAR(Row(2).Payment, 599.55L, 1e-9L);
    EXPECT_NEAR(s.Result(), 599.55L + shortInterest - 500, 1e-9L);
}

TEST_F(CashScheduleTest, ShortFirstPeriodNoReductionKeepsThePayment) {
    schedule = CreateCashSchedule(amNormal);
    schedule->ShortPeriodPaidHow = spNoReduction;
    const TCash_Schedule_Base& s = Run(ShortFirstPeriod());
    EXPECT_NEAR(Row(1).Interest, 20 * kDailyInterest, 1e-9L);
    EXPECT_NEAR(Row(1).Payment, 599.55L, 1e-9L);
    EXPECT_NEAR(s.Result(), 599.55L, 1e-9L);
}

TEST_F(CashScheduleTest, ShortFirstPeriodReduceAllSpreadsTheShortPeriod) {
    const TCash_Schedule_Base& s = Run(ShortFirstPeriod());
    EXPECT_EQ(s.MovedOddDays(), 0);
    long double annuityDue = 0;
    for (int k = 0; k < 360; ++k) {
        annuityDue += std::pow(1.005L, -k);
    }
    EXPECT_NEAR(s.Result(), Cents(100000 * (1 + 20 * kDaily) / annuityDue), 1e-9L);
    EXPECT_NEAR(Row(1).Interest, Cents(100000 * kDaily * 20), 1e-9L);
}

TEST_F(CashScheduleTest, InterestOnlyPaysTheInterestAndTheBalanceAtTheEnd) {
    LoanProblem problem;
    problem.count = 12;
    problem.seriesType = stInterestOnly;
    const TCash_Schedule_Base& s = Run(problem, amInterestOnly);
    EXPECT_NEAR(s.Result(), 500, 1e-9L) << "the interest of the first payment";
    for (std::size_t i = 1; i < 12; ++i) {
        EXPECT_NEAR(Row(i).Payment, Row(i).Interest, 1e-9L);
        EXPECT_NEAR(Row(i).Balance, 100000, 1e-9L);
    }
    EXPECT_NEAR(Row(12).Payment, 100500, 1e-9L);
    EXPECT_NEAR(Row(12).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, FixedPrincipalPaysTheEnteredPrincipalPlusFallingInterest) {
    LoanProblem problem;
    problem.count = 100;
    problem.payment = 1000;
    problem.paymentUnknown = false;
    problem.seriesType = stFixedPrincipal;
    Run(problem, amFixedPrincipal);
    for (std::size_t i = 1; i <= 100; ++i) {
        const long double before = 100000 - 1000.0L * (i - 1);
        EXPECT_NEAR(Row(i).Principal, 1000, 1e-9L) << i;
        EXPECT_NEAR(Row(i).Interest, Cents(before * 0.005L), 1e-9L) << i;
        EXPECT_NEAR(Row(i).Payment, 1000 + Cents(before * 0.005L), 1e-9L) << i;
    }
    EXPECT_NEAR(Row(100).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, FixedPrincipalAmountIsSolvedAsThePrincipalPart) {
    LoanProblem problem;
    problem.count = 100;
    problem.seriesType = stFixedPrincipal;
    const TCash_Schedule_Base& s = Run(problem, amFixedPrincipal);
    EXPECT_NEAR(s.Result(), 1000, 1e-9L);
}

TEST_F(CashScheduleTest, InterestAboveTheLastPaymentIsReportedUnpaid) {
    schedule = CreateCashSchedule(amNormal);
    schedule->LastPaymentMode = 4;
    LoanProblem problem;
    problem.count = 12;
    problem.payment = 100;
    problem.paymentUnknown = false;
    const TCash_Schedule_Base& s = Run(problem);
    long double balance = 100000;
    long double interest = 0;
    long double before = 0;
    for (int i = 1; i <= 12; ++i) {
        before = balance;
        interest = Cents(balance * 0.005L);
        balance += interest - 100;
    }
    EXPECT_NEAR(s.UnpaidInterest(), interest - 100, 1e-9L);
    EXPECT_NEAR(s.BalanceAfterAdjustment(), before, 1e-9L);
    EXPECT_NEAR(s.FinalBalance(), balance, 1e-9L);
}

TEST_F(CashScheduleTest, FinancedPointsAreAmortizedAndReported) {
    schedule = CreateCashSchedule(amNormal);
    schedule->Points = 0.02L;
    schedule->PointsPaidWhen = ppAmortized;
    const TCash_Schedule_Base& s = Run(LoanProblem{});
    EXPECT_NEAR(s.PointsAmount(), 2000, 1e-9L);
    EXPECT_EQ(events[0].Amount, 102000);
    EXPECT_NEAR(s.Result(), Cents(102000 * 0.005L / (1 - std::pow(1.005L, -360))), 1e-9L);
    EXPECT_NEAR(s.TotalPrincipal(), 102000, 1e-6L);
}

TEST_F(CashScheduleTest, PointsWithOriginationAreChargedOnTheLoanRow) {
    schedule = CreateCashSchedule(amNormal);
    schedule->Points = 0.01L;
    const TCash_Schedule_Base& s = Run(LoanProblem{});
    EXPECT_NEAR(Row(0).Interest, 1000, 1e-9L);
    EXPECT_NEAR(Row(0).Payment, 1000, 1e-9L);
    EXPECT_NEAR(s.Result(), 599.55L, 1e-9L);
}

TEST_F(CashScheduleTest, PaidOffRowsAreDroppedOnRequest) {
    schedule = CreateCashSchedule(amNormal);
    schedule->KeepPaidOffRows = false;
    LoanProblem problem;
    problem.count = 12;
    problem.amount = 1000;
    problem.payment = 300;
    problem.paymentUnknown = false;
    const TCash_Schedule_Base& s = Run(problem);
    // 1000 -> 705 -> 408.53 -> 110.57 -> -188.88: the fourth payment overpays.
    ASSERT_EQ(s.Rows().Count(), 5u);
    EXPECT_NEAR(Row(4).Payment, 300 - 188.88L, 1e-6L);
    EXPECT_NEAR(Row(4).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, ExactSimpleInterestChargesByTheDay) {
    LoanProblem problem;
    problem.compounding = fqExact;
    problem.count = 2;
    problem.amount = 1000;
    const TCash_Schedule_Base& s = Run(problem);
    // 31 days from 15 January, then 28 days, at 6 % / 365 simple.
    const long double first = Cents(1000 * kDaily * 31);
    const long double balance = 1000 + first - s.Result();
    EXPECT_NEAR(Row(1).Interest, first, 1e-9L);
    EXPECT_NEAR(Row(2).Interest, Cents(balance * kDaily * 28), 1e-9L);
    EXPECT_NEAR(Row(2).Balance, 0, 1e-9L);
}

TEST_F(CashScheduleTest, AnEventWithNoPeriodsIsInvalid) {
    LoanProblem problem;
    problem.count = 0;
    EXPECT_THROW_MSG(Run(problem), ECashScheduleException, "Invalid inputs.");
}

TEST_F(CashScheduleTest, PaymentBeforeTheLoanIsOutOfOrder) {
    LoanProblem problem;
    problem.firstPaymentDate = problem.loanDate - 1;
    EXPECT_THROW_MSG(Run(problem), ECashScheduleException,
                     "Too many prepaid days or dates are out of order.");
}

struct TwoUnknownsCase {
    bool rateUnknown;
    std::int16_t firstCount; // 0: no first unknown series
    std::int16_t secondCount;
    const char* message;
};

TEST_F(CashScheduleTest, ASecondUnknownIsRejectedByWhatIsAlreadyUnknown) {
    const TwoUnknownsCase data[] = {
        {true, 0, 12, "Both rate and amount can't be unknown."},
        {true, 0, -1, "Both rate and term (#) can't be unknown."},
        {false, -1, -1, "Only one unknown number allowed."},
        {false, -1, 12, "Both PV and term can't be unknowns."},
    };
    for (const TwoUnknownsCase& c : data) {
        events.Clear();
        TCashInputClass& loan = events.Add();
        loan.Count = 1;
        loan.Amount = 1000;
        loan.Date = EncodeDate(2026, 1, 1);
        double date = EncodeDate(2026, 2, 1);
        for (std::int16_t count : {c.firstCount, c.secondCount}) {
            if (count == 0) {
                continue;
            }
            TCashInputClass& series = events.Add();
            series.Kind = ekPayment;
            series.Count = count;
            series.Amount = 100;
            series.AmountUnknown = true;
            series.Date = date;
            date = EncodeDate(2027, 2, 1);
        }
        schedule = CreateCashSchedule(amNormal);
        EXPECT_THROW_MSG(schedule->SetInputs(&events, c.rateUnknown, false, 365, fqMonthly, 0.06L),
                         ECashScheduleException, c.message);
    }
}

TEST_F(CashScheduleTest, MissingListsAndRowsRaiseCatalogueErrors) {
    schedule = CreateCashSchedule(amNormal);
    EXPECT_THROW_MSG(schedule->SetInputs(nullptr, false, false, 365, fqMonthly, kRate),
                     ECashScheduleException, "Memory not allocated for schedule.");
    EXPECT_THROW_MSG(schedule->Calculate(), ECashScheduleException,
                     "Memory not allocated for schedule.");
    EXPECT_THROW_MSG(schedule->GetRows(nullptr), ECashScheduleException,
                     "Memory not allocated for schedule.");
    Run(LoanProblem{});
    const char* outside = "Period number is either beyond\r\nterm of loan or it is negative.";
    EXPECT_THROW_MSG(schedule->BalanceAt(-1), ECashScheduleException, outside);
    EXPECT_THROW_MSG(schedule->InterestAt(361), ECashScheduleException, outside);
    EXPECT_NEAR(schedule->BalanceAt(1), 99900.45L, 1e-9L);
    TTransactionsList copy;
    schedule->GetRows(&copy);
    EXPECT_EQ(copy.Count(), 361u);
}

TEST(CashScheduleFactory, PicksTheScheduleOfEachMethod) {
    EXPECT_NE(dynamic_cast<TCash_Schedule_Base*>(CreateCashSchedule(amNormal).get()), nullptr);
    for (int method = amNormal; method <= amRule78; ++method) {
        EXPECT_NE(CreateCashSchedule(method), nullptr);
    }
    EXPECT_THROW_MSG(CreateCashSchedule(6), ECashScheduleException, "Unknown Amortization Method.");
    EXPECT_THROW_MSG(CreateCashSchedule(-1), ECashScheduleException,
                     "Unknown Amortization Method.");
}

} // namespace
} // namespace calvora

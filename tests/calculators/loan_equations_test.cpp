#include "calculators/loan_equations.h"
#include "calculators/plain_loan_math.h"
#include "finance/date_math.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::Amortize;
using testing::Cents;
using testing::Level;

const TDateTime kLoanDate = EncodeDate(2026, 1, 1);
constexpr std::uint8_t kArrears = 0;
constexpr std::uint8_t kAdvance = 1;

const char* const kTooManyUnknowns = "Too many unknowns. Enter only one zero value.";
const char* const kInvalidInputs = "Invalid inputs.";
const char* const kCantSolveRate = "Can't solve for rate with this amortization method.";
const char* const kNoInterestRate =
    "No interest loans must have the annual interest rate set to 0.0";

// Money figures are compared to the cent.
#define EXPECT_CENTS(actual, expected)                                                             \
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected), 0.001)

// --- Plain loans against the annuity formulas --------------------------------

struct PlainLoan {
    long double Amount;
    int Periods;
    double RatePercent;
    std::uint8_t Frequency; // payments and compounding alike
};

const PlainLoan kPlainLoans[] = {
    {100000, 360, 6.0, fqMonthly},    {25000, 60, 7.9, fqMonthly},
    {250000, 40, 4.5, fqQuarterly},   {1500, 52, 12.0, fqWeekly},
    {9999.99L, 10, 3.25, fqAnnually}, {500000, 20, 9.0, fqSemiannually},
    {18000, 78, 5.0, fqBiWeekly},     {1234567.89L, 300, 15.5, fqMonthly},
};

class PlainLoanTest : public ::testing::TestWithParam<PlainLoan> {
protected:
    long double PeriodRate() const {
        return GetParam().RatePercent / 100.0L / PeriodsPerYear(GetParam().Frequency);
    }
    void Run(TequLoan& loan, long double amount, int periods, double rateFraction,
             long double payment) const {
        loan.Calculate(amount, periods, rateFraction, payment, GetParam().Frequency,
                       GetParam().Frequency, kArrears, amNormal, kLoanDate, 365);
    }
};

TEST_P(PlainLoanTest, PaymentIsTheLevelAnnuityPayment) {
    const PlainLoan& c = GetParam();
    TequLoan loan;
    Run(loan, c.Amount, c.Periods, c.RatePercent / 100, 0);
    EXPECT_EQ(loan.SolvedFor, 4);
    EXPECT_CENTS(loan.Payment, testing::LevelPayment(c.Amount, PeriodRate(), c.Periods));
}

TEST_P(PlainLoanTest, AmountRateAndTermRoundTripFromThePayment) {
    const PlainLoan& c = GetParam();
    const long double payment = testing::LevelPayment(c.Amount, PeriodRate(), c.Periods);

    TequLoan amount;
    Run(amount, 0, c.Periods, c.RatePercent / 100, payment);
    EXPECT_EQ(amount.SolvedFor, 1);
    EXPECT_CENTS(amount.Amount, testing::LoanAmount(payment, PeriodRate(), c.Periods));

    TequLoan term;
    Run(term, c.Amount, 0, c.RatePercent / 100, payment);
    EXPECT_EQ(term.SolvedFor, 2);
    EXPECT_EQ(term.Periods, testing::PaymentCount(c.Amount, payment, PeriodRate()));
    EXPECT_EQ(term.Periods, c.Periods);

    TequLoan rate;
    Run(rate, c.Amount, c.Periods, 0, payment);
    EXPECT_EQ(rate.SolvedFor, 3);
    const long double exactPercent =
        100 * testing::AnnualRateFor(c.Amount, payment, c.Periods, PeriodsPerYear(c.Frequency));
    // The solved rate comes back in percent.
    EXPECT_NEAR(rate.AnnualRate, static_cast<double>(exactPercent), 0.0001);
}

TEST_P(PlainLoanTest, AllValuesGivenOnANewObjectOnlyTotalsTheInterest) {
    const PlainLoan& c = GetParam();
    const long double payment = testing::LevelPayment(c.Amount, PeriodRate(), c.Periods);
    TequLoan loan;
    Run(loan, c.Amount, c.Periods, c.RatePercent / 100, payment);
    EXPECT_EQ(loan.SolvedFor, 0);
    EXPECT_CENTS(loan.Payment, payment);
    EXPECT_EQ(loan.Periods, c.Periods);
    EXPECT_CENTS(loan.TotalInterest, testing::TotalInterest(Amortize(c.Amount, PeriodRate(),
                                                                     Level(payment, c.Periods))));
}

INSTANTIATE_TEST_SUITE_P(LoanEquations, PlainLoanTest, ::testing::ValuesIn(kPlainLoans));

// --- TequLoan ------------------------------------------------------------------

TEST(TequLoanTest, SolvesTheTermAndSolvesItAgainWhenAllFourAreGiven) {
    const long double i = 0.08L / 12;
    const long long expected = testing::PaymentCount(10000, 200, i);
    TequLoan loan;
    loan.Calculate(10000, 0, 0.08, 200, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 2);
    EXPECT_EQ(loan.Periods, expected);

    // The same object, all four values typed (a wrong count among them).
    loan.Calculate(10000, 100, 0.08, 200, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 2);
    EXPECT_EQ(loan.Periods, expected);
}

TEST(TequLoanTest, NoInterestTakesAZeroRateAsGivenAndDividesTheAmount) {
    TequLoan loan;
    loan.Calculate(10000, 7, 0, 0, fqMonthly, fqMonthly, kArrears, amNoInterest, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 4);
    EXPECT_CENTS(loan.Payment, Cents(10000.0L / 7));
    EXPECT_CENTS(loan.TotalInterest, 0);
}

TEST(TequLoanTest, TheMethodChoosesTheSchedule) {
    // Canadian: the nominal rate compounds half-yearly, (1.03)^(1/6) - 1 a month.
    const long double canadian = std::pow(1.03L, 1.0L / 6) - 1;
    TequLoan loan;
    loan.Calculate(100000, 300, 0.06, 0, fqMonthly, fqMonthly, kArrears, amCanadian, kLoanDate,
                   365);
    EXPECT_CENTS(loan.Payment, testing::LevelPayment(100000, canadian, 300));

    // Rule of 78's: the payment is the normal one; the interest is the finance charge.
    TequLoan rule78;
    rule78.Calculate(1000, 12, 0.12, 0, fqMonthly, fqMonthly, kArrears, amRule78, kLoanDate, 365);
    EXPECT_CENTS(rule78.Payment, 88.85);
    EXPECT_CENTS(rule78.TotalInterest, 12 * 88.85L - 1000);

    // Interest only: the payment is one period's interest.
    TequLoan interestOnly;
    interestOnly.Calculate(100000, 360, 0.06, 0, fqMonthly, fqMonthly, kArrears, amInterestOnly,
                           kLoanDate, 365);
    EXPECT_EQ(interestOnly.SolvedFor, 4);
    EXPECT_CENTS(interestOnly.Payment, 500);
}

// The Canadian method compounds the nominal rate half-yearly whatever
// compounding the user picks; the choice must not change a figure. The rate
// per payment is (1.03)^(2/q) - 1 at 6 % with q payments a year: 493.86 of
// interest in the first month, 639.81 a month over 25 years (the published
// figure), 594.82 over 30.
struct CanadianCase {
    int Periods;
    std::uint8_t Frequency;
    long double Payment;
};

TEST(TequLoanTest, CanadianIgnoresTheChosenCompounding) {
    const CanadianCase data[] = {
        {300, fqMonthly, 639.81L},
        {360, fqMonthly, 594.82L},
        {780, fqBiWeekly, 274.17L},
        {120, fqQuarterly, 1793.30L},
    };
    for (const CanadianCase& c : data) {
        const long double i = std::pow(1.03L, 2.0L / PeriodsPerYear(c.Frequency)) - 1;
        ASSERT_EQ(testing::LevelPayment(100000, i, c.Periods), c.Payment);
        const long double interest =
            testing::TotalInterest(Amortize(100000, i, Level(c.Payment, c.Periods)));
        for (std::uint8_t compounding :
             {c.Frequency, std::uint8_t{fqMonthly}, std::uint8_t{fqQuarterly},
              std::uint8_t{fqSemiannually}, std::uint8_t{fqAnnually}}) {
            SCOPED_TRACE(::testing::Message()
                         << c.Periods << " payments, frequency " << int{c.Frequency}
                         << ", compounding " << int{compounding});
            TequLoan loan;
            loan.Calculate(100000, c.Periods, 0.06, 0, c.Frequency, compounding, kArrears,
                           amCanadian, kLoanDate, 365);
            EXPECT_CENTS(loan.Payment, c.Payment);
            EXPECT_CENTS(loan.TotalInterest, interest);

            // The term and the rate solve back from the payment.
            TequLoan term;
            term.Calculate(100000, 0, 0.06, c.Payment, c.Frequency, compounding, kArrears,
                           amCanadian, kLoanDate, 365);
            EXPECT_EQ(term.Periods, c.Periods);
            TequLoan rate;
            rate.Calculate(100000, c.Periods, 0, c.Payment, c.Frequency, compounding, kArrears,
                           amCanadian, kLoanDate, 365);
            EXPECT_NEAR(rate.AnnualRate, 6.0, 0.001);
        }
    }
}

struct LoanErrorCase {
    const char* Name;
    long double Amount;
    int Periods;
    double Rate;
    long double Payment;
    std::uint8_t Method;
    const char* Message;
};

const LoanErrorCase kLoanErrors[] = {
    {"amount and payment", 0, 360, 0.06, 0, amNormal, kTooManyUnknowns},
    {"count and rate", 100000, 0, 0, 599.55L, amNormal, kTooManyUnknowns},
    {"all four", 0, 0, 0, 0, amNormal, kTooManyUnknowns},
    {"rate under fixed principal", 100000, 360, 0, 599.55L, amFixedPrincipal, kCantSolveRate},
    {"rate under interest only", 100000, 360, 0, 599.55L, amInterestOnly, kCantSolveRate},
    {"term under interest only", 100000, 0, 0.06, 599.55L, amInterestOnly, kCantSolveRate},
    {"a rate with no interest", 100000, 360, 0.0002, 0, amNoInterest, kNoInterestRate},
    {"a negative count", 100000, -5, 0.06, 0, amNormal, kInvalidInputs},
    {"a count beyond 32767", 100000, 40000, 0.06, 0, amNormal, kInvalidInputs},
    {"an unknown method", 100000, 360, 0.06, 0, 9, "Unknown Amortization Method."},
};

TEST(TequLoanTest, RejectsInputsWithTheCatalogueMessage) {
    for (const auto& c : kLoanErrors) {
        SCOPED_TRACE(c.Name);
        TequLoan loan;
        EXPECT_THROW_MSG(loan.Calculate(c.Amount, c.Periods, c.Rate, c.Payment, fqMonthly,
                                        fqMonthly, kArrears, c.Method, kLoanDate, 365),
                         ECashScheduleException, c.Message);
    }
}

TEST(TequLoanTest, AFailedCalculationKeepsThePreviousResults) {
    TequLoan loan;
    loan.Calculate(100000, 360, 0.06, 0, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate, 365);
    const Extended interest = loan.TotalInterest;
    EXPECT_THROW(loan.Calculate(0, 0, 0.06, 599.55L, fqMonthly, fqMonthly, kArrears, amNormal,
                                kLoanDate, 365),
                 ECashScheduleException);
    EXPECT_EQ(loan.SolvedFor, 4);
    EXPECT_EQ(loan.TotalInterest, interest);
    // The inputs of the failed calculation are kept.
    EXPECT_EQ(loan.Periods, 0);
}

TEST(TequLoanTest, PaymentsInAdvanceStartOnTheLoanDate) {
    // An annuity due: the first payment repays principal only.
    const long double i = 0.06L / 12;
    TequLoan loan;
    loan.Calculate(100000, 360, 0.06, 0, fqMonthly, fqMonthly, kAdvance, amNormal, kLoanDate, 365);
    EXPECT_CENTS(loan.Payment, Cents(100000 / (testing::AnnuityFactor(i, 360) * (1 + i))));
}

// --- Automobile loan and mortgage ----------------------------------------------

TEST(TequLoanLessDownPaymentTest, PriceLessDownPaymentIsFinanced) {
    const long double i = 0.07L / 12;
    TequLoanLessDownPayment car;
    car.Calculate(30000, 5000, 0, 60, 0.07, 0, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate,
                  365);
    EXPECT_EQ(car.SolvedFor, 4);
    EXPECT_CENTS(car.Amount, 25000);
    const long double payment = testing::LevelPayment(25000, i, 60);
    EXPECT_CENTS(car.Payment, payment);
    EXPECT_CENTS(car.TotalInterest, testing::TotalInterest(Amortize(25000, i, Level(payment, 60))));
    EXPECT_CENTS(car.TotalPaid, car.TotalInterest + 25000);
    EXPECT_NEAR(static_cast<double>(car.DownPercent), 16.7, 1e-9); // 5000 / 30000
}

TEST(TequLoanLessDownPaymentTest, WithNoZeroValueThePaymentIsRecomputed) {
    TequLoanLessDownPayment car;
    car.Calculate(30000, 5000, 25000, 60, 0.07, 123.45L, fqMonthly, fqMonthly, kArrears, amNormal,
                  kLoanDate, 365);
    EXPECT_EQ(car.SolvedFor, 4);
    EXPECT_CENTS(car.Payment, testing::LevelPayment(25000, 0.07L / 12, 60));
}

TEST(TequLoanLessDownPaymentTest, ADownPaymentAboveThePriceLeavesTheLoanToBeSolved) {
    const long double i = 0.06L / 12;
    TequLoanLessDownPayment car;
    car.Calculate(20000, 25000, 5000, 48, 0.06, 400, fqMonthly, fqMonthly, kArrears, amNormal,
                  kLoanDate, 365);
    EXPECT_EQ(car.SolvedFor, 1);
    const long double amount = testing::LoanAmount(400, i, 48);
    EXPECT_CENTS(car.Amount, amount);
    // The down payment is then what the price leaves over the loan.
    EXPECT_CENTS(car.DownPayment, 20000 - amount);
    EXPECT_NEAR(static_cast<double>(car.DownPercent),
                std::round(static_cast<double>((20000 - amount) / 20000 * 1000)) / 10, 1e-9);
}

TEST(TequLoanLessDownPaymentTest, WithoutAPriceTheDownPercentIsZero) {
    TequLoanLessDownPayment car;
    car.Calculate(0, 0, 20000, 48, 0.06, 0, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate,
                  365);
    EXPECT_EQ(car.Price, 0);
    EXPECT_EQ(car.DownPercent, 0);
    EXPECT_TRUE(std::isfinite(static_cast<double>(car.DownPercent)));
}

TEST(TequLoanLessDownPaymentTest, ASolvedRateIsStoredInPercent) {
    const long double payment = testing::LevelPayment(25000, 0.07L / 12, 60);
    TequLoanLessDownPayment car;
    car.Calculate(30000, 5000, 0, 60, 0, payment, fqMonthly, fqMonthly, kArrears, amNormal,
                  kLoanDate, 365);
    EXPECT_EQ(car.SolvedFor, 3);
    EXPECT_NEAR(car.AnnualRate,
                static_cast<double>(100 * testing::AnnualRateFor(25000, payment, 60, 12)), 0.0001);
}

TEST(TequLoanLessPctDownTest, AMissingPriceFollowsFromLoanAndDownFraction) {
    TequLoanLessPctDown house;
    house.Calculate(0, 0.2, 80000, 360, 0.06, 0, fqMonthly, fqMonthly, kArrears, amNormal,
                    kLoanDate, 365);
    EXPECT_EQ(house.SolvedFor, 4);
    EXPECT_NEAR(house.Price, 100000, 1e-6);
    EXPECT_CENTS(house.DownPayment, 20000);
    EXPECT_CENTS(house.Payment, testing::LevelPayment(80000, 0.005L, 360));
    EXPECT_CENTS(house.TotalPaid, house.TotalInterest + 80000);
}

TEST(TequLoanLessPctDownTest, PriceAndFractionGiveTheLoanAndASolvedRateStaysAFraction) {
    const long double payment = testing::LevelPayment(240000, 0.055L / 12, 300);
    TequLoanLessPctDown house;
    house.Calculate(300000, 0.2, 0, 300, 0, payment, fqMonthly, fqMonthly, kArrears, amNormal,
                    kLoanDate, 365);
    EXPECT_EQ(house.SolvedFor, 3);
    EXPECT_CENTS(house.Amount, 240000);
    EXPECT_NEAR(house.AnnualRate,
                static_cast<double>(testing::AnnualRateFor(240000, payment, 300, 12)), 0.000001);
    EXPECT_CENTS(house.DownPayment, 60000);
}

TEST(TequLoanLessPctDownTest, AllDownWithoutAPriceIsRejected) {
    // No price can be derived from a loan with 100 % down.
    TequLoanLessPctDown house;
    EXPECT_THROW_MSG(house.Calculate(0, 1.0, 80000, 360, 0.06, 0, fqMonthly, fqMonthly, kArrears,
                                     amNormal, kLoanDate, 365),
                     ECashScheduleException, kInvalidInputs);
}

// --- Remaining balance ---------------------------------------------------------

TEST(TequRemainingBalanceTest, BalanceAfterAPaymentMatchesACentByCentAmortization) {
    const long double i = 0.06L / 12;
    const long double payment = testing::LevelPayment(100000, i, 360);
    const auto rows = Amortize(100000, i, Level(payment, 360));
    for (int after : {1, 12, 180, 359}) {
        SCOPED_TRACE(after);
        TequRemainingBalance loan;
        loan.Calculate(100000, 360, 6, after, fqMonthly, fqMonthly, kArrears, amNormal, kLoanDate,
                       365);
        EXPECT_CENTS(loan.Payment, payment);
        EXPECT_CENTS(loan.Balance, rows[static_cast<std::size_t>(after)].Balance);
    }
}

TEST(TequRemainingBalanceTest, RejectsMissingValues) {
    struct Case {
        const char* Name;
        long double Amount;
        int Periods;
        long double Rate;
        int After;
        const char* Message;
    } const cases[] = {
        {"after the last payment", 100000, 360, 6, 360,
         "Total periods must be greater than "
         "remaining balance period"},
        {"after payment 0", 100000, 360, 6, 0, kTooManyUnknowns},
        {"no amount", 0, 360, 6, 12, kTooManyUnknowns},
        {"no rate", 100000, 360, 0, 12, kTooManyUnknowns},
        {"no count", 100000, 0, 6, 12, kTooManyUnknowns},
        {"a negative payment number", 100000, 360, 6, -1,
         "Period number is either beyond\r\nterm of loan or it is negative."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TequRemainingBalance loan;
        try {
            loan.Calculate(c.Amount, c.Periods, c.Rate, c.After, fqMonthly, fqMonthly, kArrears,
                           amNormal, kLoanDate, 365);
            ADD_FAILURE() << "no error raised";
        } catch (const ECalvoraError& e) {
            EXPECT_EQ(std::string(e.what()), c.Message);
        }
    }
}

TEST(TequRemainingBalanceTest, PeriodsEqualToTheBalancePeriodRaiseAFinanceError) {
    TequRemainingBalance loan;
    EXPECT_THROW(loan.Calculate(100000, 360, 6, 360, fqMonthly, fqMonthly, kArrears, amNormal,
                                kLoanDate, 365),
                 EFinanceException);
}

// --- Accelerated payment -------------------------------------------------------

struct AcceleratedCase {
    long double Amount;
    int Periods;
    double RatePercent;
    int ExtraStart;
    long double Extra;
};

const AcceleratedCase kAccelerated[] = {
    {100000, 360, 6, 13, 100}, {100000, 360, 6, 1, 100}, {25000, 60, 7.9, 25, 250},
    {100000, 360, 6, 360, 50}, {50000, 120, 5, 2, 1000},
};

TEST(TequAcceleratedPmtTest, NewTermAndInterestSavedMatchACentByCentAmortization) {
    for (const auto& c : kAccelerated) {
        SCOPED_TRACE(::testing::Message() << c.Amount << " from " << c.ExtraStart);
        const long double i = c.RatePercent / 1200.0L;
        const long double payment = testing::LevelPayment(c.Amount, i, c.Periods);
        const long double regularInterest =
            testing::TotalInterest(Amortize(c.Amount, i, Level(payment, c.Periods)));
        const int before = c.ExtraStart - 1;
        const long double balance = Amortize(c.Amount, i, Level(payment, before)).back().Balance;
        const long long raised = testing::PaymentCount(balance, payment + c.Extra, i);
        std::vector<long double> payments = Level(payment, before);
        payments.insert(payments.end(), static_cast<std::size_t>(raised), payment + c.Extra);

        TequAcceleratedPmt loan;
        loan.Calculate(c.Amount, c.Periods, c.RatePercent, c.ExtraStart, c.Extra, fqMonthly,
                       fqMonthly, kArrears, amNormal, kLoanDate, 365);
        EXPECT_CENTS(loan.Payment, payment);
        EXPECT_EQ(loan.NewPeriods, before + raised);
        EXPECT_CENTS(loan.InterestSaved,
                     regularInterest - testing::TotalInterest(Amortize(c.Amount, i, payments)));
    }
}

// With no extra amount the raised series is the rest of the regular loan.
void ExpectTermKeptWithoutExtra(std::uint8_t timing) {
    for (int start : {1, 2, 13, 200}) {
        SCOPED_TRACE(::testing::Message() << "from " << start);
        TequAcceleratedPmt loan;
        loan.Calculate(100000, 360, 6, start, 0, fqMonthly, fqMonthly, timing, amNormal, kLoanDate,
                       365);
        EXPECT_EQ(loan.NewPeriods, 360);
        EXPECT_CENTS(loan.InterestSaved, 0);
    }
}

TEST(TequAcceleratedPmtTest, NoExtraAmountKeepsTheTermInArrears) {
    ExpectTermKeptWithoutExtra(kArrears);
}

TEST(TequAcceleratedPmtTest, NoExtraAmountKeepsTheTermInAdvance) {
    // The raised series starts on the date of payment ExtraStart, one period
    // after the balance it continues from.
    ExpectTermKeptWithoutExtra(kAdvance);
}

TEST(TequAcceleratedPmtTest, RejectsAStartOutsideTheTerm) {
    TequAcceleratedPmt loan;
    EXPECT_THROW_MSG(loan.Calculate(100000, 360, 6, 0, 100, fqMonthly, fqMonthly, kArrears,
                                    amNormal, kLoanDate, 365),
                     ECashScheduleException, "Extra payments can't start at period '0'");
    EXPECT_THROW_MSG(loan.Calculate(100000, 360, 6, 361, 100, fqMonthly, fqMonthly, kArrears,
                                    amNormal, kLoanDate, 365),
                     ECashScheduleException,
                     "'Increase Starts Period' can't be greater than 'Total Periods.'");
    EXPECT_THROW_MSG(loan.Calculate(0, 360, 0, 12, 100, fqMonthly, fqMonthly, kArrears, amNormal,
                                    kLoanDate, 365),
                     ECashScheduleException, kTooManyUnknowns);
}

// --- Balloon payment -----------------------------------------------------------

TEST(TequBalloonPmtTest, SolvesTheBalloonAmount) {
    // X = (A - P a(59)) (1 + i)^60: the balloon is payment 60.
    const long double i = 0.06L / 12;
    TequBalloonPmt loan;
    loan.Calculate(100000, 0.06, 700, 60, 0, fqMonthly, fqMonthly, kArrears, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 10);
    EXPECT_CENTS(loan.Balloon,
                 Cents((100000 - 700 * testing::AnnuityFactor(i, 59)) * std::pow(1 + i, 60)));
}

TEST(TequBalloonPmtTest, SolvesThePaymentBeforeAGivenBalloon) {
    const long double i = 0.06L / 12;
    TequBalloonPmt loan;
    loan.Calculate(100000, 0.06, 0, 60, 50000, fqMonthly, fqMonthly, kArrears, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 4);
    EXPECT_CENTS(loan.Payment,
                 Cents((100000 - 50000 * std::pow(1 + i, -60)) / testing::AnnuityFactor(i, 59)));
}

TEST(TequBalloonPmtTest, SolvesTheAmountAndTheRate) {
    const long double i = 0.06L / 12;
    const long double amount =
        Cents(700 * testing::AnnuityFactor(i, 59) + 50000 * std::pow(1 + i, -60));
    TequBalloonPmt byAmount;
    byAmount.Calculate(0, 0.06, 700, 60, 50000, fqMonthly, fqMonthly, kArrears, kLoanDate, 365);
    EXPECT_EQ(byAmount.SolvedFor, 1);
    EXPECT_CENTS(byAmount.Amount, amount);

    TequBalloonPmt byRate;
    byRate.Calculate(amount, 0, 700, 60, 50000, fqMonthly, fqMonthly, kArrears, kLoanDate, 365);
    EXPECT_EQ(byRate.SolvedFor, 3);
    EXPECT_NEAR(byRate.AnnualRate, 0.06, 0.000001); // a fraction
}

TEST(TequBalloonPmtTest, FitsAGivenBalloonIntoTheTailOfTheLoan) {
    // A level loan paying 200 a month runs c payments; the balloon replaces the
    // payments from the first one after which the balance is within the balloon.
    const long double i = 0.08L / 12;
    const long long c = testing::PaymentCount(10000, 200, i);
    const auto rows = Amortize(10000, i, Level(200, static_cast<int>(c)));
    long long n = c - 1;
    while (n != 0 && rows[static_cast<std::size_t>(n)].Balance <= 3000)
        --n;
    ASSERT_LT(n + 1, c);

    TequBalloonPmt loan;
    loan.Calculate(10000, 0.08, 200, 0, 3000, fqMonthly, fqMonthly, kArrears, kLoanDate, 365);
    EXPECT_EQ(loan.SolvedFor, 9);
    EXPECT_EQ(loan.BalloonPeriod, n + 2);
    EXPECT_CENTS(loan.Balloon, rows[static_cast<std::size_t>(n + 1)].Balance +
                                   rows[static_cast<std::size_t>(n + 2)].Interest);
    EXPECT_EQ(loan.TotalInterest, 0);
}

TEST(TequBalloonPmtTest, RejectsMissingOrMeaninglessBalloons) {
    struct Case {
        const char* Name;
        long double Amount;
        double Rate;
        long double Payment;
        int Period;
        long double Balloon;
        const char* Message;
    } const cases[] = {
        {"neither balloon nor period", 100000, 0.06, 700, 0, 0, kInvalidInputs},
        {"a balloon on the first payment", 100000, 0.06, 700, 1, 0, kInvalidInputs},
        {"a negative period", 100000, 0.06, 700, -3, 5000, kInvalidInputs},
        {"payment and balloon", 100000, 0.06, 0, 60, 0, kTooManyUnknowns},
        {"period and rate", 100000, 0, 700, 0, 5000, kTooManyUnknowns},
        {"a rate below 0.1 % and the amount", 0, 0.0005, 700, 60, 5000, kTooManyUnknowns},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TequBalloonPmt loan;
        EXPECT_THROW_MSG(loan.Calculate(c.Amount, c.Rate, c.Payment, c.Period, c.Balloon, fqMonthly,
                                        fqMonthly, kArrears, kLoanDate, 365),
                         ECashScheduleException, c.Message);
    }
}

} // namespace
} // namespace calvora

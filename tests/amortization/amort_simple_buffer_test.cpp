#include "amortization/amort_simple_buffer.h"
#include "calculators/plain_loan_math.h"
#include "finance/date_math.h"
#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

using testing::Amortize;
using testing::Cents;
using testing::Level;

#define EXPECT_CENTS(actual, expected)                                                             \
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected), 0.001)

const char* const kTooManyUnknowns = "Too many unknowns. Enter only one zero value.";

class AmortBufferTest : public ::testing::Test {
protected:
    // Enters a loan the way the window does; frequencies are codes.
    void Enter(double amount, int periods, float ratePercent, TDateTime origination,
               TDateTime firstPayment, int paymentFrequency = fqMonthly,
               int compounding = fqMonthly, float points = 0) {
        TcalcAmortSimpleTransferRec values = buffer.Transfer();
        values.Amount = amount;
        values.Periods = periods;
        values.AnnualRate = ratePercent;
        values.OriginationDate = origination;
        values.FirstPaymentDate = firstPayment;
        values.PaymentPeriod.Index = paymentFrequency - 1;
        values.Compounding.Index = compounding;
        values.Points = points;
        buffer.SetTransfer(values);
    }
    void EnterStandardLoan() {
        Enter(100000, 360, 6, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1));
    }

    TbufSimpleAmort buffer;
};

TEST_F(AmortBufferTest, ThirtyYearLoanMatchesACentByCentAmortization) {
    EnterStandardLoan();
    buffer.Calculate();

    const long double i = 0.005L;
    const long double payment = testing::LevelPayment(100000, i, 360);
    const auto expected = Amortize(100000, i, Level(payment, 360));
    EXPECT_CENTS(buffer.PeriodicPayment(), 599.55);
    EXPECT_CENTS(payment, 599.55);
    ASSERT_EQ(buffer.RowCount(), 361);
    EXPECT_EQ(buffer.LastPeriodNumber(), 360);

    const TTransactionClass& first = buffer.Row(1);
    EXPECT_CENTS(first.Interest, 500.00);
    EXPECT_CENTS(first.Principal, 99.55);
    EXPECT_CENTS(first.Balance, 99900.45);
    for (int k = 1; k < 360; ++k) {
        SCOPED_TRACE(k);
        const TTransactionClass& row = buffer.Row(k);
        EXPECT_CENTS(row.Interest, expected[static_cast<std::size_t>(k)].Interest);
        EXPECT_CENTS(row.Balance, expected[static_cast<std::size_t>(k)].Balance);
        EXPECT_CENTS(row.Payment, row.Principal + row.Interest);
    }
    // The last payment takes up the rounding so that the loan ends at zero.
    const TTransactionClass& last = buffer.Row(360);
    EXPECT_CENTS(last.Balance, 0);
    EXPECT_CENTS(last.Payment, payment + expected[360].Balance);
    EXPECT_CENTS(buffer.TotalPrincipal(), 100000);
    EXPECT_CENTS(buffer.TotalInterest(), testing::TotalInterest(expected));
    EXPECT_CENTS(buffer.TotalPayments(), buffer.TotalPrincipal() + buffer.TotalInterest());
}

TEST_F(AmortBufferTest, MonthlyRowsAreLabelledByPaymentAndYear) {
    EnterStandardLoan();
    buffer.Calculate();
    EXPECT_EQ(buffer.Row(0).Label, "Init/1");
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(buffer.Row(k).Label, std::to_string(k) + "/01");
    EXPECT_EQ(buffer.Row(13).Label, "13/02");
    EXPECT_EQ(buffer.Row(25).Label, "25/03");
    EXPECT_EQ(buffer.Row(360).Label, "360/30");
}

TEST_F(AmortBufferTest, YearlyPaymentsStartANewYearWithEveryPayment) {
    Enter(50000, 10, 5, EncodeDate(2026, 1, 1), EncodeDate(2027, 1, 1), fqAnnually, fqAnnually);
    buffer.Calculate();
    EXPECT_CENTS(buffer.PeriodicPayment(), testing::LevelPayment(50000, 0.05L, 10));
    EXPECT_EQ(buffer.Row(1).Label, "1/01");
    EXPECT_EQ(buffer.Row(2).Label, "2/02");
    EXPECT_EQ(buffer.Row(3).Label, "3/03");
    EXPECT_EQ(buffer.Row(10).Label, "10/10");
}

TEST_F(AmortBufferTest, MissingValuesAndUnknownMethodsAreRejected) {
    struct Case {
        const char* Name;
        double Amount;
        int Periods;
        float Rate;
        std::uint8_t Method;
        const char* Message;
    } const cases[] = {
        {"no number of payments", 100000, 0, 6, amNormal, kTooManyUnknowns},
        {"no amount", 0, 360, 6, amNormal, kTooManyUnknowns},
        {"no rate", 100000, 360, 0, amNormal, kTooManyUnknowns},
        {"no amount and no rate", 0, 360, 0, amNormal, kTooManyUnknowns},
        {"an unknown method", 100000, 360, 6, 7, "Unknown Amortization Method."},
        {"a negative count", 100000, -1, 6, amNormal, "Invalid inputs."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TbufSimpleAmort fresh;
        TcalcAmortSimpleTransferRec values = fresh.Transfer();
        values.Amount = c.Amount;
        values.Periods = c.Periods;
        values.AnnualRate = c.Rate;
        values.OriginationDate = EncodeDate(2026, 1, 1);
        values.FirstPaymentDate = EncodeDate(2026, 2, 1);
        fresh.SetTransfer(values);
        fresh.SetAmortMethod(c.Method);
        EXPECT_THROW_MSG(fresh.Calculate(), ECashScheduleException, c.Message);
        EXPECT_FALSE(fresh.HasRows());
    }
}

TEST_F(AmortBufferTest, NoInterestIgnoresTheRateAndDividesTheAmount) {
    Enter(100000, 360, 6, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1));
    buffer.SetAmortMethod(amNoInterest);
    buffer.Calculate();
    EXPECT_CENTS(buffer.PeriodicPayment(), Cents(100000.0L / 360));
    EXPECT_CENTS(buffer.TotalInterest(), 0);
    EXPECT_CENTS(buffer.Row(360).Balance, 0);
    EXPECT_CENTS(buffer.TotalPayments(), 100000);
}

TEST_F(AmortBufferTest, TheMethodChoosesTheSchedule) {
    // Canadian: the nominal rate compounds half-yearly, (1.03)^(1/6) - 1 a month.
    Enter(100000, 300, 6, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1));
    buffer.SetAmortMethod(amCanadian);
    buffer.Calculate();
    EXPECT_CENTS(buffer.Row(1).Interest, Cents(100000 * (std::pow(1.03L, 1.0L / 6) - 1)));

    // Rule of 78: the finance charge is spread 12/78, 11/78, ... 1/78.
    Enter(1000, 12, 12, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1));
    buffer.SetAmortMethod(amRule78);
    buffer.Calculate();
    const long double payment = testing::LevelPayment(1000, 0.01L, 12);
    const long double charge = 12 * payment - 1000;
    EXPECT_CENTS(buffer.PeriodicPayment(), 88.85);
    EXPECT_CENTS(buffer.Row(1).Interest, Cents(charge * 12 / 78));
    EXPECT_CENTS(buffer.Row(12).Interest, Cents(charge / 78));
    EXPECT_CENTS(buffer.Row(12).Balance, 0);
}

TEST_F(AmortBufferTest, InterestOnlyPaysTheInterestAndTheLoanAtTheEnd) {
    Enter(100000, 12, 6, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1));
    buffer.SetAmortMethod(amInterestOnly);
    buffer.Calculate();
    for (int k = 1; k < 12; ++k) {
        EXPECT_CENTS(buffer.Row(k).Payment, 500);
        EXPECT_CENTS(buffer.Row(k).Balance, 100000);
    }
    EXPECT_CENTS(buffer.Row(12).Payment, 100500);
    EXPECT_CENTS(buffer.Row(12).Balance, 0);
}

TEST_F(AmortBufferTest, PointsAreChargedWithOriginationOrFinanced) {
    Enter(100000, 360, 6, EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 1), fqMonthly, fqMonthly, 2);
    buffer.Calculate();
    EXPECT_CENTS(buffer.PointsAmount(), 2000);
    EXPECT_CENTS(buffer.Row(0).Payment, 2000);
    EXPECT_CENTS(buffer.PeriodicPayment(), 599.55);

    buffer.SetPointsPaid(ppAmortized);
    buffer.Calculate();
    EXPECT_CENTS(buffer.PeriodicPayment(), testing::LevelPayment(102000, 0.005L, 360));
}

TEST_F(AmortBufferTest, AFailedCalculationKeepsThePreviousSchedule) {
    EnterStandardLoan();
    buffer.Calculate();
    const Extended interest = buffer.TotalInterest();
    TcalcAmortSimpleTransferRec values = buffer.Transfer();
    values.Periods = 0;
    buffer.SetTransfer(values);
    EXPECT_THROW_MSG(buffer.Calculate(), ECashScheduleException, kTooManyUnknowns);
    EXPECT_EQ(buffer.RowCount(), 361);
    EXPECT_CENTS(buffer.PeriodicPayment(), 599.55);
    EXPECT_EQ(buffer.TotalInterest(), interest);
}

TEST_F(AmortBufferTest, RowAccessOutsideTheScheduleGivesNoRow) {
    EnterStandardLoan();
    buffer.Calculate();
    EXPECT_EQ(buffer.RowAt(0), nullptr);
    EXPECT_EQ(buffer.RowAt(buffer.RowCount() + 1), nullptr);
    EXPECT_EQ(buffer.RowAt(1), &buffer.Row(0));
    EXPECT_EQ(buffer.RowAt(361), &buffer.Row(360));
    EXPECT_THROW_MSG(buffer.Row(361), ECashScheduleException,
                     "Programming error - Transaction record not allocated.");
    EXPECT_THROW(buffer.Row(-1), ECashScheduleException);

    buffer.SelectAll();
    EXPECT_EQ(buffer.Selection().FirstPeriod, 0);
    EXPECT_EQ(buffer.Selection().LastPeriod, 360);

    buffer.ClearRows();
    EXPECT_FALSE(buffer.HasRows());
    EXPECT_EQ(buffer.RowAt(1), nullptr);
    EXPECT_TRUE(buffer.FiscalYearLabels().empty());
}

TEST_F(AmortBufferTest, FiscalYearEndingInJune) {
    // Payments on the 15th from February 2024: payment 5 is 15 June 2024,
    // payment 6 is 15 July 2024, payment 17 is 15 June 2025.
    Enter(20000, 24, 6, EncodeDate(2024, 1, 15), EncodeDate(2024, 2, 15));
    buffer.SetFiscalYearEnd(6);
    buffer.Calculate();
    ASSERT_EQ(buffer.Row(5).Date, EncodeDate(2024, 6, 15));
    ASSERT_EQ(buffer.Row(6).Date, EncodeDate(2024, 7, 15));

    EXPECT_EQ(buffer.FiscalYearLabels(), (std::vector<std::string>{"24", "25", "26"}));
    EXPECT_EQ(buffer.FiscalYearStartOfTab(2), 2024); // "25" runs July 2024 - June 2025

    buffer.AssignFiscalYears();
    EXPECT_EQ(buffer.RowFiscalYear(5), 2023);
    EXPECT_EQ(buffer.RowFiscalYear(6), 2024);
    EXPECT_EQ(buffer.RowFiscalYear(17), 2024);
    EXPECT_EQ(buffer.RowFiscalYear(18), 2025);

    const long double i = 0.005L;
    const long double payment = testing::LevelPayment(20000, i, 24);
    const auto rows = Amortize(20000, i, Level(payment, 24));
    long double interest = 0;
    for (int k = 6; k <= 17; ++k)
        interest += rows[static_cast<std::size_t>(k)].Interest;

    ASSERT_TRUE(buffer.AnnualTotals(7, 2024));
    const TAmortTotals& year = buffer.Selection();
    EXPECT_EQ(year.FirstPeriod, 6);
    EXPECT_EQ(year.LastPeriod, 17);
    EXPECT_CENTS(year.Payments, 12 * payment);
    EXPECT_CENTS(year.Interest, interest);
    EXPECT_CENTS(year.Principal, 12 * payment - interest);
    EXPECT_CENTS(year.RunningPayments, 17 * payment);
    EXPECT_CENTS(year.RunningInterest, buffer.Row(17).CumulativeInterest);
    EXPECT_CENTS(year.RunningPrincipal, rows[0].Balance - rows[17].Balance);
}

TEST_F(AmortBufferTest, CalendarFiscalYearsIncludeTheLoanRowInTheFirstYear) {
    EnterStandardLoan();
    buffer.Calculate();
    ASSERT_TRUE(buffer.AnnualTotals(1, 2026));
    EXPECT_EQ(buffer.Selection().FirstPeriod, 0);
    EXPECT_EQ(buffer.Selection().LastPeriod, 11); // February to December
    ASSERT_TRUE(buffer.AnnualTotals(1, 2056));
    EXPECT_EQ(buffer.Selection().FirstPeriod, 360);
    EXPECT_EQ(buffer.Selection().LastPeriod, 360);
    EXPECT_CENTS(buffer.Selection().RunningPrincipal, 100000);
    EXPECT_FALSE(buffer.AnnualTotals(1, 2057));
    EXPECT_CENTS(buffer.Selection().Payments, 0);
}

// The window reads a two-digit tab y back as y + 1900 when the fiscal year
// starts in January, else y + 1899, plus 100 below 1980 except for the early
// tabs of a loan originated before 1980.
int TwoDigitRule(const std::string& label, int tab, int earlyYears, int fiscalYearEnd) {
    int year = std::stoi(label) + (fiscalYearEnd == 12 ? 1900 : 1899);
    if (year < 1980 && tab > earlyYears)
        year += 100;
    return year;
}

TEST_F(AmortBufferTest, CalendarTabYearsAgreeWithTheTwoDigitRuleAcrossTheCentury) {
    Enter(100000, 360, 9, EncodeDate(1975, 3, 1), EncodeDate(1975, 4, 1));
    buffer.Calculate();
    EXPECT_EQ(buffer.EarlyYearsCount(), 5);
    const std::vector<std::string> labels = buffer.FiscalYearLabels();
    ASSERT_EQ(labels.size(), 31u); // 1975 .. 2005
    for (std::size_t n = 1; n <= labels.size(); ++n) {
        const int tab = static_cast<int>(n);
        EXPECT_EQ(buffer.FiscalYearStartOfTab(tab),
                  TwoDigitRule(labels[n - 1], tab, buffer.EarlyYearsCount(), 12))
            << "tab " << labels[n - 1];
    }
    // "75" to "79" are 1975 to 1979, a later "05" is 2005.
    EXPECT_EQ(labels[4], "79");
    EXPECT_EQ(buffer.FiscalYearStartOfTab(5), 1979);
    EXPECT_EQ(labels[30], "05");
    EXPECT_EQ(buffer.FiscalYearStartOfTab(31), 2005);
}

TEST_F(AmortBufferTest, NonCalendarTabYearsFollowThePositionOfTheTab) {
    // Fiscal years ending in June from March 1975: "75" starts July 1974, and
    // "80" starts July 1979 (the two-digit rule, whose early years count
    // calendar years, would read that one as 2079).
    Enter(100000, 360, 9, EncodeDate(1975, 3, 1), EncodeDate(1975, 4, 1));
    buffer.SetFiscalYearEnd(6);
    buffer.Calculate();
    const std::vector<std::string> labels = buffer.FiscalYearLabels();
    ASSERT_EQ(labels.front(), "75");
    for (std::size_t n = 1; n <= labels.size(); ++n) {
        const int start = buffer.FiscalYearStartOfTab(static_cast<int>(n));
        char name[8];
        std::snprintf(name, sizeof name, "%02d", (start + 1) % 100);
        EXPECT_EQ(labels[n - 1], name);
        EXPECT_EQ(start, 1974 + static_cast<int>(n) - 1);
    }
    EXPECT_EQ(labels[5], "80");
    EXPECT_EQ(buffer.FiscalYearStartOfTab(6), 1979);
    EXPECT_EQ(TwoDigitRule("80", 6, buffer.EarlyYearsCount(), 6), 2079);
}

TEST_F(AmortBufferTest, InitTransferStartsWithTheWindowsDefaults) {
    const TcalcAmortSimpleTransferRec& values = buffer.Transfer();
    EXPECT_EQ(values.Labels[0], "&Amount of Loan?:");
    EXPECT_EQ(values.Labels[1], "Initial &Periods? (#):");
    EXPECT_EQ(values.Labels[4], "1&st Payment Date?:");
    EXPECT_EQ(values.Labels[8], "Annual Totals:");
    EXPECT_EQ(values.Labels[12], "Running Totals:");
    EXPECT_EQ(values.PaymentPeriod.Index, 5);
    EXPECT_EQ(values.PaymentPeriod.Text, "Monthly");
    EXPECT_EQ(values.Compounding.Index, 6);
    EXPECT_EQ(values.Compounding.Text, "Monthly");
    EXPECT_EQ(values.Amount, 0);
    EXPECT_EQ(values.Periods, 0);
    EXPECT_EQ(buffer.FiscalYearEnd(), 12);
    EXPECT_EQ(buffer.PointsPaid(), ppWithOrigination);

    // Origination today; the first payment on the 1st of next month when today
    // is the 1st, otherwise on the 1st of the month after next.
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int skip = local.tm_mday == 1 ? 1 : 2;
    EXPECT_EQ(values.OriginationDate,
              EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
    EXPECT_EQ(values.FirstPaymentDate,
              EncodeDate(local.tm_year + 1900, local.tm_mon + 1 + skip, 1));
}

TEST_F(AmortBufferTest, TransferKeepsTheDatePartOnly) {
    TcalcAmortSimpleTransferRec values = buffer.Transfer();
    values.OriginationDate = EncodeDate(2026, 3, 4) + 0.75;
    values.FirstPaymentDate = EncodeDate(2026, 4, 4) + 0.25;
    buffer.SetTransfer(values);
    TcalcAmortSimpleTransferRec back;
    buffer.GetTransfer(back);
    EXPECT_EQ(back.OriginationDate, EncodeDate(2026, 3, 4));
    EXPECT_EQ(back.FirstPaymentDate, EncodeDate(2026, 4, 4));
}

} // namespace
} // namespace calvora

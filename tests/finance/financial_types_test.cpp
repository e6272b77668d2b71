#include "finance/finance_errors.h"
#include "finance/financial_types.h"
#include "support/expect_throw_msg.h"

namespace calvora {
namespace {

TEST(FinancialTables, PeriodicTablesAreIndexedByCodeMinusOne) {
    struct Case {
        int code, periodsPerYear, daysPerPeriod;
    } cases[] = {{fqDaily, 365, 1},        {fqWeekly, 52, 7},       {fqBiWeekly, 26, 14},
                 {fqTwiceMonthly, 24, 15}, {fqEvery4Weeks, 13, 28}, {fqMonthly, 12, 30},
                 {fqBiMonthly, 6, 60},     {fqQuarterly, 4, 90},    {fqFourMonth, 3, 120},
                 {fqSemiannually, 2, 180}, {fqAnnually, 1, 360}};
    for (const auto& c : cases) {
        EXPECT_EQ(PeriodsPerYear(c.code), c.periodsPerYear) << "code " << c.code;
        EXPECT_EQ(DaysPerPeriod(c.code), c.daysPerPeriod) << "code " << c.code;
    }
}

TEST(FinancialTables, NonPeriodicCodesRaiseInsteadOfReadingOutsideTheTable) {
    for (int code : {-1, 0, 12, 13, 255}) {
        EXPECT_THROW_MSG(PeriodsPerYear(code), ECashScheduleException,
                         "Compounding frequency not supported.");
        EXPECT_THROW(DaysPerPeriod(code), ECashScheduleException);
    }
}

TEST(FinancialTables, CashFlowSignAndYearLength) {
    EXPECT_EQ(CashFlowSign(ekLoan), 1);
    EXPECT_EQ(CashFlowSign(ekPayment), -1);
    EXPECT_THROW(CashFlowSign(0), ECashScheduleException);
    EXPECT_EQ(DaysInYear(0), 360);
    EXPECT_EQ(DaysInYear(1), 364);
    EXPECT_EQ(DaysInYear(2), 365);
    EXPECT_EQ(DaysInYear(3), 366);
}

} // namespace
} // namespace calvora

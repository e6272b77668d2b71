#include "finance/finance_errors.h"
#include "schedule/cash_inputs.h"
#include "schedule/transactions.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

TEST(CashInputClass, NewEventIsAMonthlyLoanWithNothingUnknown) {
    const TCashInputClass event;
    EXPECT_EQ(event.Count, 0);
    EXPECT_EQ(event.Kind, ekLoan);
    EXPECT_EQ(event.PaymentFrequency, fqMonthly);
    EXPECT_EQ(event.CompoundingFrequency, fqMonthly);
    EXPECT_FALSE(event.AmountUnknown);
    EXPECT_FALSE(event.RateUnknown);
    EXPECT_FALSE(event.CountUnknown);
    EXPECT_FALSE(event.AmountWasUnknown);
    EXPECT_EQ(event.SpecialSeries, nullptr);
}

TEST(CashInputClass, CopyDropsCountUnknownAndDeepCopiesTheAttachment) {
    TCashInputClass source;
    source.Count = -1;
    source.CountUnknown = true;
    source.AmountUnknown = true;
    source.AmountWasUnknown = true;
    source.Kind = ekPayment;
    source.Amount = 599.55;
    source.Date = 46037;
    source.PeriodicRate = 0.005L;
    source.SpecialSeries = std::make_unique<TSpecialSeriesClass>();

    const TCashInputClass copy(source);
    EXPECT_FALSE(copy.CountUnknown);
    EXPECT_EQ(copy.Count, -1);
    EXPECT_TRUE(copy.AmountUnknown);
    EXPECT_TRUE(copy.AmountWasUnknown);
    EXPECT_EQ(copy.Kind, ekPayment);
    EXPECT_EQ(copy.Amount, 599.55);
    EXPECT_EQ(copy.Date, 46037);
    EXPECT_EQ(copy.PeriodicRate, 0.005L);
    ASSERT_NE(copy.SpecialSeries, nullptr);
    EXPECT_NE(copy.SpecialSeries.get(), source.SpecialSeries.get());

    TCashInputClass assigned;
    assigned.CountUnknown = true;
    assigned.Assign(&source);
    EXPECT_TRUE(assigned.CountUnknown) << "Assign leaves the target's own mark alone";
    assigned.Assign(nullptr);
    EXPECT_EQ(assigned.Amount, 599.55);
}

TEST(CashInputsList, CopyToReplacesTheTargetAndCarriesTheDateSettings) {
    TCashInputsList events;
    events.MonthEndOption = false;
    events.DateMath.TwiceMonthlyRule = tm1st15th;
    events.Add().Amount = 1;
    events.Add().Amount = 2;
    TCashInputsList target;
    target.Add().Amount = 99;
    events.CopyTo(&target);
    ASSERT_EQ(target.Count(), 2u);
    EXPECT_EQ(target[0].Amount, 1);
    EXPECT_EQ(target[1].Amount, 2);
    EXPECT_FALSE(target.MonthEndOption);
    EXPECT_EQ(target.DateMath.TwiceMonthlyRule, tm1st15th);
}

TEST(CashInputsList, SortKeepsTheOrderOfEventsOnOneDate) {
    TCashInputsList events;
    const double dates[] = {30, 10, 20, 10};
    for (int i = 0; i < 4; ++i) {
        TCashInputClass& event = events.Add();
        event.Date = dates[i];
        event.Amount = i;
    }
    events.SortByDate();
    EXPECT_EQ(events[0].Amount, 1);
    EXPECT_EQ(events[1].Amount, 3);
    EXPECT_EQ(events[2].Amount, 2);
    EXPECT_EQ(events[3].Amount, 0);
}

TEST(ScheduleLists, CopyToAMissingListRaises1003) {
    const char* message = "Memory not allocated for schedule.";
    TCashInputsList events;
    EXPECT_THROW_MSG(events.CopyTo(nullptr), ECashScheduleException, message);
    TTransactionsList rows;
    EXPECT_THROW_MSG(rows.CopyTo(nullptr), ECashScheduleException, message);
}

TEST(TransactionsList, CopyToCopiesEveryRow) {
    TTransactionsList rows;
    rows.Add().Balance = 5;
    rows.Add().Interest = 7;
    TTransactionsList target;
    target.Add();
    target.Add();
    target.Add();
    rows.CopyTo(&target);
    ASSERT_EQ(target.Count(), 2u);
    EXPECT_EQ(target[0].Balance, 5);
    EXPECT_EQ(target[1].Interest, 7);
}

} // namespace
} // namespace calvora

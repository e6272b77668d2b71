// The term search over candidate counts reads every candidate off one
// computation; here it is checked against the literal search that recomputes
// the whole schedule for each candidate.
#include "schedule/cash_schedule.h"
#include "schedule/schedule_factory.h"
#include "schedule_problems.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace calvora {
namespace {

struct SearchOutcome {
    std::int32_t count = 0;
    TTransactionsList rows;
    TCashInputsList events;
    long double finalBalance = 0;
    long double totalInterest = 0;
};

struct SearchCase {
    std::string name;
    std::function<void(TCashInputsList&)> fill;
    int method = amNormal;
    bool keepPaidOffRows = true;
    std::uint8_t lastPaymentMode = 0;
};

SearchOutcome Search(const SearchCase& c, bool literal) {
    SearchOutcome outcome;
    c.fill(outcome.events);
    auto schedule = CreateCashSchedule(c.method);
    schedule->LiteralTermSearch = literal;
    schedule->KeepPaidOffRows = c.keepPaidOffRows;
    schedule->LastPaymentMode = c.lastPaymentMode;
    schedule->SetInputs(&outcome.events, false, false, 365, outcome.events[0].CompoundingFrequency,
                        0.06L);
    EXPECT_EQ(schedule->Unknown(), ukTerm) << c.name;
    schedule->Calculate();
    outcome.count = schedule->NumberOfPeriods();
    schedule->GetRows(&outcome.rows);
    outcome.finalBalance = schedule->FinalBalance();
    outcome.totalInterest = schedule->TotalInterest();
    return outcome;
}

TCashInputClass& AddEvent(TCashInputsList& events, int kind, int count, double amount,
                          TDateTime date, int frequency) {
    TCashInputClass& event = events.Add();
    event.Kind = static_cast<std::uint8_t>(kind);
    event.Count = static_cast<std::int16_t>(count);
    event.Amount = amount;
    event.Date = date;
    event.PaymentFrequency = static_cast<std::uint8_t>(frequency);
    event.CompoundingFrequency = static_cast<std::uint8_t>(frequency);
    event.AmountUnknown = count == -1;
    return event;
}

const TDateTime kStart = EncodeDate(2026, 1, 1);

// A long first period sends a two-event loan to the search.
void LongFirstPeriodLoan(TCashInputsList& events) {
    AddEvent(events, ekLoan, 1, 100000, kStart, fqMonthly);
    AddEvent(events, ekPayment, -1, 599.55, EncodeDate(2026, 2, 16), fqMonthly);
}

// No interest and a short first period: the balance reaches exactly zero.
void InterestFreeShortPeriod(TCashInputsList& events) {
    AddEvent(events, ekLoan, 1, 1200, kStart, fqMonthly);
    AddEvent(events, ekPayment, -1, 100, EncodeDate(2026, 1, 20), fqMonthly);
}

// Savings: deposits after a withdrawal never bring the balance to a sign
// change, so the search runs to its cap.
void DepositsToTheCap(TCashInputsList& events) {
    AddEvent(events, ekLoan, 1, 1000, kStart, fqDaily);
    AddEvent(events, ekPayment, 1, 200, kStart + 10, fqDaily);
    AddEvent(events, ekLoan, -1, 5, kStart + 11, fqDaily);
}

// An overpayment leaves the balance negative before the searched advances;
// dropped paid-off rows then decide the final balance of each candidate.
void AdvancesAfterAnOverpayment(TCashInputsList& events) {
    AddEvent(events, ekLoan, 1, 1000, kStart, fqWeekly);
    AddEvent(events, ekPayment, 1, 1500, kStart + 7, fqWeekly);
    AddEvent(events, ekLoan, -1, 100, kStart + 14, fqWeekly);
}

TEST(TermSearch, ReadingCandidatesOffOneRunMatchesTheLiteralSearch) {
    const SearchCase data[] = {
        {"long first period", LongFirstPeriodLoan},
        {"long first period, paid-off rows dropped", LongFirstPeriodLoan, amNormal, false},
        {"long first period, Canadian", LongFirstPeriodLoan, amCanadian},
        {"long first period, rule of 78", LongFirstPeriodLoan, amRule78},
        {"interest free, exact zero", InterestFreeShortPeriod},
        {"deposits to the cap", DepositsToTheCap},
        {"advances after an overpayment", AdvancesAfterAnOverpayment},
        {"advances after an overpayment, rows dropped", AdvancesAfterAnOverpayment, amNormal,
         false},
        {"advances after an overpayment, rows dropped, mode 4", AdvancesAfterAnOverpayment,
         amNormal, false, 4},
    };
    for (const SearchCase& c : data) {
        const SearchOutcome fast = Search(c, false);
        const SearchOutcome literal = Search(c, true);
        EXPECT_EQ(fast.count, literal.count) << c.name;
        EXPECT_EQ(fast.finalBalance, literal.finalBalance) << c.name;
        EXPECT_EQ(fast.totalInterest, literal.totalInterest) << c.name;
        ASSERT_EQ(fast.rows.Count(), literal.rows.Count()) << c.name;
        for (std::size_t i = 0; i < fast.rows.Count(); ++i) {
            const TTransactionClass& a = fast.rows[i];
            const TTransactionClass& b = literal.rows[i];
            ASSERT_TRUE(a.Date == b.Date && a.Payment == b.Payment &&
                        a.LoanAdvance == b.LoanAdvance && a.Interest == b.Interest &&
                        a.Principal == b.Principal && a.Balance == b.Balance)
                << c.name << ", row " << i;
        }
        ASSERT_EQ(fast.events.Count(), literal.events.Count()) << c.name;
        for (std::size_t i = 0; i < fast.events.Count(); ++i) {
            ASSERT_TRUE(fast.events[i].Date == literal.events[i].Date &&
                        fast.events[i].Amount == literal.events[i].Amount &&
                        fast.events[i].Count == literal.events[i].Count)
                << c.name << ", event " << i;
        }
    }
}

// What the searches find, checked from first principles.
TEST(TermSearch, FindsTheCountWhoseBalanceIsClosestToZero) {
    const SearchOutcome interestFree = Search({"", InterestFreeShortPeriod}, false);
    EXPECT_EQ(interestFree.count, 12) << "1200 repaid by twelve payments of 100";
    EXPECT_EQ(interestFree.rows.Count(), 13u);

    const SearchOutcome cap = Search({"", DepositsToTheCap}, false);
    // No sign change: at the cap the closer of the last two counts wins, and
    // the balance only grows.
    EXPECT_EQ(cap.count, 1559);

    // 100000 at 6 % with 599.55 a month, first period one month and 15 days
    // (interest 747.81): rebuilt with cent rounding in python, the balance
    // changes sign between 362 payments (298.28 left) and 363 (-299.78).
    const SearchOutcome loan = Search({"", LongFirstPeriodLoan}, false);
    EXPECT_EQ(loan.count, 362);
}

// A regular year of payments, then a raised payment until the loan is paid:
// the count follows from the balance after the regular year, and the raised
// series starts one month after that balance whether the loan was paid in
// arrears or in advance. Rebuilt with cent rounding in python:
// - arrears: 98772.00 left after 12 payments of 599.55, and
//   ln(699.55 / (699.55 - 98772.00 * 0.005)) / ln(1.005) = 245.42, so 245;
// - advance (the first payment on the loan date, without interest): 98243.80
//   left, ln(699.55 / (699.55 - 98243.80 * 0.005)) / ln(1.005) = 242.87, so
//   243; running it down, the 242nd payment leaves 603.73, the 243rd -92.80.
//   Counted as payments in advance it would be 240.53, two short.
struct RaisedCase {
    const char* name;
    TDateTime firstPayment;
    TDateTime raisedFrom;
    long double balanceAfterYear;
    std::int32_t count;
};

void AddRaisedLoan(TCashInputsList& events, const RaisedCase& c, std::int32_t raisedCount) {
    AddEvent(events, ekLoan, 1, 100000, EncodeDate(2026, 1, 15), fqMonthly);
    AddEvent(events, ekPayment, 12, 599.55, c.firstPayment, fqMonthly);
    AddEvent(events, ekPayment, raisedCount, 699.55, c.raisedFrom, fqMonthly);
}

// The final balance with the raised series given a known count, the last
// payment left as it is.
long double BalanceWithRaisedCount(const RaisedCase& c, std::int32_t count) {
    TCashInputsList events;
    AddRaisedLoan(events, c, count);
    auto schedule = CreateCashSchedule(amNormal);
    schedule->LastPaymentMode = 4;
    schedule->SetInputs(&events, false, false, 365, fqMonthly, 0.06L);
    schedule->Calculate();
    return schedule->FinalBalance();
}

TEST(TermSearch, RaisedPaymentsAfterARegularYear) {
    const RaisedCase data[] = {
        {"arrears", EncodeDate(2026, 2, 15), EncodeDate(2027, 2, 15), 98772.00L, 245},
        {"advance", EncodeDate(2026, 1, 15), EncodeDate(2027, 1, 15), 98243.80L, 243},
    };
    for (const RaisedCase& c : data) {
        TCashInputsList events;
        AddRaisedLoan(events, c, -1);
        auto schedule = CreateCashSchedule(amNormal);
        schedule->SetInputs(&events, false, false, 365, fqMonthly, 0.06L);
        schedule->Calculate();
        EXPECT_EQ(schedule->NumberOfPeriods(), c.count) << c.name;
        ASSERT_EQ(schedule->Rows().Count(), 1u + 12u + c.count) << c.name;
        EXPECT_NEAR(schedule->BalanceAt(12), c.balanceAfterYear, 1e-6L) << c.name;
        EXPECT_NEAR(schedule->Rows().Last().Balance, 0, 1e-9L) << c.name;
        EXPECT_EQ(events.Count(), 1u + 12u + c.count) << c.name;

        // What a search over the counts would find: the balance closest to zero.
        const long double found = std::fabs(BalanceWithRaisedCount(c, c.count));
        EXPECT_LT(found, std::fabs(BalanceWithRaisedCount(c, c.count - 1))) << c.name;
        EXPECT_LT(found, std::fabs(BalanceWithRaisedCount(c, c.count + 1))) << c.name;
    }
}

} // namespace
} // namespace calvora

// Cost of a Calc press through the schedule engine, against a minimal
// hand-written amortization loop over the same 360 rows.
#include "finance/date_math.h"
#include "finance/finance_equations.h"
#include "schedule/cash_inputs.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_factory.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

using calvora::Extended;

const calvora::TDateTime kLoanDate = calvora::EncodeDate(2026, 1, 15);

struct Row {
    Extended interest;
    Extended principal;
    Extended balance;
};

// The arithmetic itself: 360 rows of cent-rounded interest on a known payment.
void BM_BaselineLoop(benchmark::State& state) {
    std::vector<Row> rows(361);
    for (auto _ : state) {
        Extended balance = 100000;
        for (int i = 1; i <= 360; ++i) {
            const Extended interest = calvora::RoundMoney(balance * 0.005L);
            const Extended principal = 599.55L - interest;
            balance -= principal;
            rows[static_cast<std::size_t>(i)] = {interest, principal, balance};
        }
        benchmark::DoNotOptimize(rows.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BaselineLoop);

calvora::TCashInputClass& Add(calvora::TCashInputsList& events, int kind, int count, double amount,
                              calvora::TDateTime date, int frequency, bool unknown) {
    calvora::TCashInputClass& event = events.Add();
    event.Kind = static_cast<std::uint8_t>(kind);
    event.Count = static_cast<std::int16_t>(count);
    event.Amount = amount;
    event.Date = date;
    event.PaymentFrequency = static_cast<std::uint8_t>(frequency);
    event.CompoundingFrequency = static_cast<std::uint8_t>(frequency);
    event.AmountUnknown = unknown;
    return event;
}

Extended Calculate(calvora::TCashInputsList& events, bool rateUnknown, bool literal = false) {
    auto schedule = calvora::CreateCashSchedule(calvora::amNormal);
    schedule->LiteralTermSearch = literal;
    schedule->SetInputs(&events, rateUnknown, false, 365, events[0].CompoundingFrequency,
                        rateUnknown ? 0 : 0.06L);
    schedule->Calculate();
    return schedule->Rows().Last().Balance + schedule->Result() + schedule->AnnualRate();
}

// 1. 100000 at 6 %, 360 monthly payments, payment unknown, all rows built.
void BM_PaymentUnknown(benchmark::State& state) {
    for (auto _ : state) {
        calvora::TCashInputsList events;
        Add(events, calvora::ekLoan, 1, 100000, kLoanDate, calvora::fqMonthly, false);
        Add(events, calvora::ekPayment, 360, 0, calvora::EncodeDate(2026, 2, 15),
            calvora::fqMonthly, true);
        benchmark::DoNotOptimize(Calculate(events, false));
    }
}
BENCHMARK(BM_PaymentUnknown);

// 2. The same loan with the rate unknown (secant search).
void BM_RateUnknown(benchmark::State& state) {
    for (auto _ : state) {
        calvora::TCashInputsList events;
        Add(events, calvora::ekLoan, 1, 100000, kLoanDate, calvora::fqMonthly, false);
        Add(events, calvora::ekPayment, 360, 599.55, calvora::EncodeDate(2026, 2, 15),
            calvora::fqMonthly, false);
        benchmark::DoNotOptimize(Calculate(events, true));
    }
}
BENCHMARK(BM_RateUnknown);

// 3. An unknown count on the last of three events, daily, searched to the
// 1560-period cap: a deposit, a withdrawal, then daily deposits.
void FillSearchToCap(calvora::TCashInputsList& events) {
    Add(events, calvora::ekLoan, 1, 1000, kLoanDate, calvora::fqDaily, false);
    Add(events, calvora::ekPayment, 1, 200, kLoanDate + 10, calvora::fqDaily, false);
    Add(events, calvora::ekLoan, -1, 5, kLoanDate + 11, calvora::fqDaily, true);
}

void BM_TermSearchToCap(benchmark::State& state) {
    for (auto _ : state) {
        calvora::TCashInputsList events;
        FillSearchToCap(events);
        benchmark::DoNotOptimize(Calculate(events, false));
    }
}
BENCHMARK(BM_TermSearchToCap);

// The same search recomputing the whole schedule for every candidate count.
void BM_TermSearchToCapLiteral(benchmark::State& state) {
    for (auto _ : state) {
        calvora::TCashInputsList events;
        FillSearchToCap(events);
        benchmark::DoNotOptimize(Calculate(events, false, true));
    }
}
BENCHMARK(BM_TermSearchToCapLiteral)->Unit(benchmark::kMillisecond);

// 4. A 30-year loan with daily payments (10,950 rows), payment unknown.
void BM_DailyThirtyYears(benchmark::State& state) {
    for (auto _ : state) {
        calvora::TCashInputsList events;
        Add(events, calvora::ekLoan, 1, 100000, kLoanDate, calvora::fqDaily, false);
        Add(events, calvora::ekPayment, 10950, 0, kLoanDate + 1, calvora::fqDaily, true);
        benchmark::DoNotOptimize(Calculate(events, false));
    }
}
BENCHMARK(BM_DailyThirtyYears)->Unit(benchmark::kMillisecond);

} // namespace

#include "../tests/support/round_money_reference.h"
#include "finance/finance_equations.h"

#include <benchmark/benchmark.h>
#include <cstddef>
#include <random>
#include <vector>

namespace {

// Amounts like those of a schedule: balances up to a million with up to six
// decimals, interest and payments with a few, and the awkward ones.
const std::vector<long double>& Amounts() {
    static const std::vector<long double> amounts = [] {
        std::mt19937_64 random(7);
        std::vector<long double> values{2.675L, -2.675L, 1.005L, 0.125L, 1e-7L, 9999999999.995L};
        while (values.size() < 4096) {
            const long double cents = static_cast<long double>(random() % 100000000);
            const long double micros = static_cast<long double>(random() % 1000000);
            values.push_back(cents / 100 + micros / 1e8L);
        }
        return values;
    }();
    return amounts;
}

template <long double (*Round)(long double, int)>
void Run(benchmark::State& state) {
    const std::vector<long double>& amounts = Amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Round(amounts[i], 2));
        i = (i + 1) % amounts.size();
    }
}

long double Production(long double x, int n) {
    return calvora::RoundMoney(x, n);
}

} // namespace

// Without text, on the bits of the value.
BENCHMARK(Run<Production>)->Name("RoundMoney/exact_integer");
// The six-decimal text by printf, the steps on the text, strtold.
BENCHMARK(Run<calvora::reference::RoundMoneyByPrintf>)->Name("RoundMoney/text_printf");
// The six-decimal text by long division, the steps on the text.
BENCHMARK(Run<calvora::reference::RoundMoneyByText>)->Name("RoundMoney/text_long_division");

#pragma once

// Textbook annuity formulas and a cent-by-cent amortization, written here from
// first principles so that tests can check the engine against figures it did
// not produce. i is the rate per period (a fraction), n the number of payments
// in arrears.

#include <cmath>
#include <vector>

namespace calvora::testing {

/// Money rounding to cents, half away from zero.
inline long double Cents(long double x) {
    return std::copysign(std::floor(std::fabs(x) * 100.0L + 0.5L + 1e-9L) / 100.0L, x);
}

/// Present value of n payments of 1: (1 - (1 + i)^-n) / i.
inline long double AnnuityFactor(long double i, int n) {
    return i == 0 ? n : (1.0L - std::pow(1.0L + i, -n)) / i;
}

/// Level payment of amount over n periods, rounded to cents.
inline long double LevelPayment(long double amount, long double i, int n) {
    return Cents(amount / AnnuityFactor(i, n));
}

/// Amount that n payments repay, rounded to cents.
inline long double LoanAmount(long double payment, long double i, int n) {
    return Cents(payment * AnnuityFactor(i, n));
}

/// Number of payments, n = -ln(1 - A i / P) / ln(1 + i), rounded half to even.
inline long long PaymentCount(long double amount, long double payment, long double i) {
    return std::llrint(-std::log(1.0L - amount * i / payment) / std::log(1.0L + i));
}

/// Annual rate (fraction) at which payment repays amount over n payments of f
/// a year, found by bisection to 1e-12.
inline long double AnnualRateFor(long double amount, long double payment, int n, int f) {
    long double low = 1e-9L;
    long double high = 5.0L;
    while (high - low > 1e-12L) {
        const long double mid = (low + high) / 2;
        if (amount / AnnuityFactor(mid / f, n) < payment)
            low = mid;
        else
            high = mid;
    }
    return (low + high) / 2;
}

/// One amortized period: interest on the balance rounded to cents.
struct PeriodRow {
    long double Interest = 0;
    long double Balance = 0;
};

/// Rows 1..count of a loan paying payments[k-1] at the end of period k, the
/// interest of every period rounded to cents. Row 0 is the loan.
inline std::vector<PeriodRow> Amortize(long double amount, long double i,
                                       const std::vector<long double>& payments) {
    std::vector<PeriodRow> rows{{0, amount}};
    long double balance = amount;
    for (long double payment : payments) {
        const long double interest = Cents(balance * i);
        balance = Cents(balance + interest - payment);
        rows.push_back({interest, balance});
    }
    return rows;
}

/// The same payment count times.
inline std::vector<long double> Level(long double payment, int count) {
    return std::vector<long double>(static_cast<std::size_t>(count), payment);
}

/// Sum of the interest of rows 1..end.
inline long double TotalInterest(const std::vector<PeriodRow>& rows) {
    long double total = 0;
    for (std::size_t k = 1; k < rows.size(); ++k)
        total += rows[k].Interest;
    return total;
}

} // namespace calvora::testing

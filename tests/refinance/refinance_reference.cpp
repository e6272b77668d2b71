#include "refinance/refinance_reference.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace calvora::test {

namespace {

constexpr std::array<int, 12> kPerYear{0, 365, 52, 26, 24, 13, 12, 6, 4, 3, 2, 1};

long double Grow(int n, long double x, long double i) {
    if (std::fabs(x) < 0.01L || std::fabs(i) < 0.00002L || n == 0) {
        return x;
    }
    return x * std::pow(1 + i, static_cast<long double>(n));
}

long double Shrink(int n, long double x, long double i) {
    return x / std::pow(1 + i, static_cast<long double>(n));
}

// Interest of the first k payments, or its present value at the loan date.
long double Cost(const RefLoan& loan, int k, long double discountPerPeriod) {
    if (discountPerPeriod <= 0) {
        return loan.Cumulative[static_cast<std::size_t>(k)];
    }
    long double pv = 0;
    for (int j = 1; j <= k; ++j) {
        pv += Shrink(j, loan.Interest[static_cast<std::size_t>(j)], discountPerPeriod);
    }
    return RefCents(pv);
}

} // namespace

long double RefCents(long double x) {
    const long long micro = std::llround(std::fabs(x) * 1000000.0L);
    const long double cents = static_cast<long double>((micro + 5000) / 10000) / 100;
    return x < 0 ? -cents : cents;
}

RefLoan RefAmortize(long double amount, int payments, long double i) {
    RefLoan loan;
    loan.Payment =
        RefCents(amount * i / (1 - std::pow(1 + i, static_cast<long double>(-payments))));
    loan.Interest.assign(1, 0);
    loan.Balance.assign(1, amount);
    loan.Cumulative.assign(1, 0);
    long double balance = amount;
    long double cumulative = 0;
    for (int j = 1; j <= payments; ++j) {
        const long double interest = RefCents(balance * i);
        balance = balance + interest - loan.Payment;
        cumulative += interest;
        loan.Interest.push_back(interest);
        loan.Balance.push_back(balance);
        loan.Cumulative.push_back(cumulative);
    }
    // The last payment absorbs what is left, so the loan ends at zero.
    loan.Balance.back() = 0;
    return loan;
}

RefResults RefAnalyse(const TRefinanceInputs& in) {
    RefResults r;
    const int perYear = kPerYear.at(in.CurrentFrequency);
    const bool deductible = in.InterestDeductible == 0;
    const long double tau = static_cast<long double>(in.TaxBracket) / 100;
    const long double discount = static_cast<long double>(in.DiscountRate) / 100 / perYear;
    const long double balance = in.CurrentBalance;

    r.Holding = std::max<int>(in.PeriodsRemaining, in.NewPayments);
    r.Holding = std::min(r.Holding, perYear * in.YearsUntilSale);
    r.K1 = std::min<int>(in.PeriodsRemaining, r.Holding);
    r.K2 = std::min<int>(in.NewPayments, r.Holding);
    if (r.K1 < r.K2) {
        throw std::logic_error("the reference does not model a current loan that ends first");
    }

    const RefLoan current = RefAmortize(balance, in.PeriodsRemaining,
                                        static_cast<long double>(in.CurrentRate) / 100 / perYear);
    r.CurrentPayment = current.Payment;
    const long double currentInterest = Cost(current, r.K1, discount);
    r.CurrentCost = deductible ? currentInterest * (1 - tau) : currentInterest;
    r.CurrentPaidDown = balance - std::max(0.0L, current.Balance[static_cast<std::size_t>(r.K1)]);

    const long double newRate = static_cast<long double>(in.NewRate) / 100 / perYear;
    const long double points = static_cast<long double>(in.Points) / 100 * in.NewLoanAmount;
    r.FinancedLoanAmount = in.NewLoanAmount + (in.PointsAre == 3 ? points : 0);
    const RefLoan possible = RefAmortize(r.FinancedLoanAmount, in.NewPayments, newRate);
    r.PossiblePayment = possible.Payment;
    const long double possibleInterest = Cost(possible, r.K2, discount);
    r.InterestDifference = currentInterest - possibleInterest;
    r.PossibleCost = deductible ? possibleInterest * (1 - tau) : possibleInterest;
    r.PointsCost = points;
    if (deductible) {
        r.PointsCost *= in.PointsAre == 2
                            ? (1 - tau)
                            : static_cast<long double>(r.K2) / in.NewPayments * (1 - tau);
    }
    r.PossibleCost += in.ClosingCosts + (in.PointsAre == 3 ? 0 : r.PointsCost);
    if (r.K2 < in.NewPayments) {
        r.PossibleCost += in.PrepaymentPenalty;
    }
    r.PossiblePaidDown =
        r.FinancedLoanAmount - std::max(0.0L, possible.Balance[static_cast<std::size_t>(r.K2)]);

    if (in.NewLoanAmount > balance) {
        const long double samePoints = static_cast<long double>(in.Points) / 100 * balance;
        const RefLoan same =
            RefAmortize(balance + (in.PointsAre == 3 ? samePoints : 0), in.NewPayments, newRate);
        r.SameAmountCost = Cost(same, r.K2, discount) + in.ClosingCosts +
                           (in.PointsAre == 2 || in.PointsAre == 3 ? samePoints : 0);
    }
    if (deductible && in.TaxBracket != 0) {
        r.TaxIncrease = tau * r.InterestDifference;
    }

    // Investing the payment difference, month by month until the sale.
    const long double d = std::fabs(r.CurrentPayment - r.PossiblePayment);
    if (d >= 0.01L) {
        const int k = r.K2;
        long double acc = 0;
        long double base = d;
        for (int j = 1; j <= k; ++j) {
            acc += Grow(k - j, d, discount);
            if (r.K1 == r.K2 && deductible && in.TaxBracket > 0) {
                acc -= (acc - base) * tau;
                base = acc + d;
            }
        }
        long double gain = acc - k * d;
        if (in.DiscountRate > 0) {
            gain = Shrink(k, gain, discount);
        }
        r.PaymentDifferenceGain = r.CurrentPayment < r.PossiblePayment ? -gain : gain;
    }

    // Investing the difference between the loan amounts over the holding period.
    const long double e = std::fabs(balance - in.NewLoanAmount);
    if (e >= 0.01L) {
        long double gain = Grow(r.Holding, e, discount) - e;
        if (in.DiscountRate > 0) {
            gain = Shrink(r.Holding, gain, discount);
        }
        if (balance > r.FinancedLoanAmount) {
            gain = -gain;
        }
        r.ExtraBorrowingGain = (!in.InvestDifference && gain > 0) ? 0 : gain;
    }

    const bool amortizedPoints = r.PointsCost > 0 && in.PointsAre == 3;
    r.BottomLine = r.CurrentCost - (r.PossibleCost + (amortizedPoints ? r.PointsCost : 0)) +
                   r.PaymentDifferenceGain + r.ExtraBorrowingGain - r.TaxIncrease;
    return r;
}

} // namespace calvora::test

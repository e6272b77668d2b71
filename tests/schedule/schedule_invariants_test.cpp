// Invariants over a generated set of loans: every frequency and compounding
// pairing, every amortization method, first payments early, on time and late,
// amounts from cents to hundreds of millions and rates from 0.01 % to 40 %.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/schedule_factory.h"
#include "schedule_problems.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace calvora {
namespace {

using testing::FillEvents;
using testing::LoanProblem;

// Small deterministic generator (splitmix64), the same on every platform.
class Generator {
public:
    explicit Generator(std::uint64_t seed)
        : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Uniform() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    double LogUniform(double low, double high) { return low * std::pow(high / low, Uniform()); }

private:
    std::uint64_t m_state;
};

std::set<std::string> CatalogueTexts() {
    std::set<std::string> texts;
    for (unsigned code = 401; code <= 435; ++code) {
        texts.insert(FinanceErrorText(code));
    }
    for (unsigned code = 1001; code <= 1075; ++code) {
        texts.insert(CashScheduleErrorText(code));
    }
    return texts;
}

struct Loan {
    LoanProblem problem;
    int method = amNormal;
    long double rate = 0;
    bool rateUnknown = false;
    std::uint8_t oddDaysPaid = odAmortized;
    std::uint8_t shortPeriodPaid = spReduceAll;
    std::uint8_t pointsPaid = ppWithOrigination;
    long double points = 0;
    bool keepPaidOffRows = true;

    std::string Describe() const {
        std::ostringstream text;
        text << "method " << method << ", pay " << problem.paymentFrequency << ", cmp "
             << problem.compounding << ", amount " << problem.amount << ", payment "
             << problem.payment << ", count " << problem.count << (problem.countUnknown ? "?" : "")
             << ", rate " << static_cast<double>(rate) << (rateUnknown ? "?" : "")
             << ", first payment after " << problem.firstPaymentDate - problem.loanDate
             << " days, odd " << int{oddDaysPaid} << ", short " << int{shortPeriodPaid}
             << ", points " << static_cast<double>(points) << "/" << int{pointsPaid} << ", keep "
             << keepPaidOffRows;
        return text.str();
    }
};

struct Outcome {
    bool solved = false;
    long double payment = 0;
    std::string error;
};

// Runs the loan and checks every invariant of a solved schedule in
// last-payment mode 0.
Outcome RunAndCheck(const Loan& loan) {
    Outcome outcome;
    TCashInputsList events;
    FillEvents(loan.problem, events);
    try {
        auto schedule = CreateCashSchedule(loan.method);
        schedule->OddDaysPaidWhen = loan.oddDaysPaid;
        schedule->ShortPeriodPaidHow = loan.shortPeriodPaid;
        schedule->PointsPaidWhen = loan.pointsPaid;
        schedule->Points = loan.points;
        schedule->KeepPaidOffRows = loan.keepPaidOffRows;
        schedule->SetInputs(&events, loan.rateUnknown, loan.problem.compounding == fqExact, 365,
                            loan.problem.compounding, loan.rateUnknown ? 0 : loan.rate);
        schedule->Calculate();
        const TTransactionsList& rows = schedule->Rows();
        const std::string where = loan.Describe();
        const long double financed = events[0].Amount;
        EXPECT_GE(rows.Count(), 2u) << where;
        long double principal = 0;
        long double magnitude = std::fabs(financed);
        for (std::size_t i = 0; i < rows.Count(); ++i) {
            const TTransactionClass& row = rows[i];
            const bool finite = std::isfinite(row.Payment) && std::isfinite(row.Interest) &&
                                std::isfinite(row.Principal) && std::isfinite(row.Balance) &&
                                std::isfinite(row.LoanAdvance);
            EXPECT_TRUE(finite) << where << ", row " << i;
            // Extended arithmetic keeps about 19 digits of the row's largest figure.
            const long double rowSize = std::fmax(std::fabs(row.Interest), std::fabs(row.Payment));
            EXPECT_NEAR(row.Payment, row.Principal + row.Interest,
                        1e-12L * std::fmax(1.0L, rowSize))
                << where << ", row " << i;
            principal += row.Principal;
            magnitude = std::fmax(magnitude, std::fabs(row.Balance));
        }
        EXPECT_LT(std::fabs(rows.Last().Balance), 0.005L) << where;
        EXPECT_NEAR(principal, financed, 0.005L + 1e-12L * magnitude * rows.Count()) << where;
        EXPECT_TRUE(std::isfinite(schedule->Result()) && std::isfinite(schedule->AnnualRate()))
            << where;
        outcome.solved = true;
        outcome.payment = schedule->Result();
    } catch (const ECalvoraError& e) {
        outcome.error = e.what();
    }
    return outcome;
}

constexpr int kFirstPaymentOffsets[] = {-9, 0, 17}; // early, on time, late (days)

Loan GenerateLoan(Generator& g, int paymentFrequency, int compounding, int method, int timing) {
    Loan loan;
    LoanProblem& p = loan.problem;
    p.paymentFrequency = paymentFrequency;
    p.compounding = compounding;
    loan.method = method;
    p.seriesType = method == amFixedPrincipal ? stFixedPrincipal
                   : method == amInterestOnly ? stInterestOnly
                                              : stLevel;
    p.amount = std::round(g.LogUniform(0.01, 5e8) * 100) / 100;
    p.amount = std::fmax(p.amount, 0.01);
    loan.rate = method == amNoInterest ? 0 : g.LogUniform(0.0001, 0.40);
    // Keep the rows of a daily schedule within about a year and a half.
    p.count = 1 + g.Below(paymentFrequency == fqDaily ? 500 : 360);
    p.loanDate = EncodeDate(2020 + g.Below(8), 1 + g.Below(12), 1 + g.Below(28));
    TcalcDateMathEx dates;
    dates.SetAnchorDate(p.loanDate);
    p.firstPaymentDate = dates.NextDate(paymentFrequency, p.loanDate);
    const int offset = kFirstPaymentOffsets[timing];
    // An early first payment stays after the loan date.
    const double period = p.firstPaymentDate - p.loanDate;
    p.firstPaymentDate += offset < 0 ? -std::floor(std::fmin(-offset, period / 2)) : offset;
    loan.oddDaysPaid = static_cast<std::uint8_t>(g.Below(4));
    loan.shortPeriodPaid = static_cast<std::uint8_t>(g.Below(3));
    loan.pointsPaid = static_cast<std::uint8_t>(1 + g.Below(3));
    loan.points = g.Below(3) == 0 ? 0.02L : 0;
    loan.keepPaidOffRows = g.Below(2) == 0;
    return loan;
}

TEST(ScheduleInvariants, HoldForEveryPairingMethodAndFirstPeriod) {
    const std::set<std::string> catalogue = CatalogueTexts();
    std::map<std::string, int> failures;
    int solved = 0;
    int runs = 0;
    Generator g(20261211);
    const auto record = [&](const Outcome& outcome, const Loan& loan) {
        ++runs;
        if (outcome.solved) {
            ++solved;
            return;
        }
        EXPECT_EQ(catalogue.count(outcome.error), 1u)
            << "not a catalogue message: \"" << outcome.error << "\" for " << loan.Describe();
        ++failures[outcome.error];
    };
    for (int pay = fqDaily; pay <= fqAnnually; ++pay) {
        for (int cmp = fqContinuous; cmp <= fqExact; ++cmp) {
            for (int method = amNormal; method <= amRule78; ++method) {
                for (int timing = 0; timing < 3; ++timing) {
                    Loan loan = GenerateLoan(g, pay, cmp, method, timing);
                    const Outcome first = RunAndCheck(loan);
                    record(first, loan);
                    // Every fourth loan goes round again with another unknown:
                    // the rate, the count or the loan amount from the payment.
                    if (!first.solved || loan.problem.seriesType != stLevel || g.Below(4) != 0 ||
                        first.payment < 0.01L) {
                        continue;
                    }
                    Loan again = loan;
                    again.problem.payment = static_cast<double>(first.payment);
                    again.problem.paymentUnknown = false;
                    switch (g.Below(3)) {
                    case 0:
                        again.rateUnknown = method != amNoInterest;
                        break;
                    case 1:
                        again.problem.countUnknown = true;
                        break;
                    default:
                        again.problem.loanUnknown = true;
                        again.problem.amount = 0;
                        again.points = 0;
                        break;
                    }
                    record(RunAndCheck(again), again);
                }
            }
        }
    }
    std::ostringstream summary;
    for (const auto& [message, count] : failures) {
        summary << count << " x \"" << message << "\"\n";
    }
    RecordProperty("runs", runs);
    RecordProperty("solved", solved);
    // The rejections expected: Canadian with daily, exact or continuous
    // compounding or daily payments, rule of 78's with daily payments, terms
    // that never end. Most loans must solve.
    EXPECT_GT(solved, runs * 3 / 4) << summary.str();
    std::cout << runs << " loans, " << solved << " solved; rejected:\n" << summary.str();
}

} // namespace
} // namespace calvora

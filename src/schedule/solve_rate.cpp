// The unknown annual rate: a secant search on the final balance.
#include "finance/finance_errors.h"
#include "schedule/cash_schedule.h"
#include "schedule/setting_scope.h"

#include <cmath>

namespace calvora {

namespace {

constexpr Extended kFirstTrialRate = 0.1L;
constexpr Extended kRateStep = 0.000009L;
constexpr Extended kRateTolerance = 0.00001L;
constexpr int kMaximumRounds = 200;
constexpr Extended kBalanceTolerance = 0.005L;

} // namespace

Extended TCash_Schedule_Base::SolveRate() {
    Extended rate = kFirstTrialRate;
    {
        SettingScope<std::uint8_t> mode(LastPaymentMode, 4);
        const auto finalBalanceAt = [this](Extended trialRate) {
            m_rows.Clear();
            SetTrialRate(trialRate);
            RunSchedule();
            return m_finalBalance;
        };
        Extended change = 0;
        int rounds = 0;
        while (true) {
            const Extended balance = finalBalanceAt(rate);
            change = finalBalanceAt(rate + kRateStep) - balance;
            // A trial rate below -100 % or a schedule that overflows gives no
            // usable slope: the search cannot go on.
            if (!std::isfinite(balance) || !std::isfinite(change)) {
                RaiseCashScheduleError(1020);
            }
            if (change == 0) {
                break;
            }
            const Extended next = rate - balance / change * kRateStep;
            if (!std::isfinite(next)) {
                RaiseCashScheduleError(1020);
            }
            ++rounds;
            const bool converged = std::fabs(next - rate) < kRateTolerance;
            // The step that falls below the tolerance is taken: the rate before
            // it can still be off by nearly the whole tolerance, which shows in
            // the cents of the rows.
            if (converged || rounds >= kMaximumRounds) {
                if (converged) {
                    rate = next;
                }
                break;
            }
            rate = next;
        }
        if (rounds >= kMaximumRounds && std::fabs(change) >= kBalanceTolerance) {
            RaiseCashScheduleError(1020);
        }
    }
    for (TCashInputClass& event : Events()) {
        event.AmountUnknown = false;
        event.RateUnknown = false;
    }
    m_annualRate = rate;
    SetRates();
    return rate;
}

} // namespace calvora

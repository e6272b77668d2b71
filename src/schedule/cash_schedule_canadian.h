#pragma once

#include "schedule/cash_schedule.h"

#include <cstdint>

namespace calvora {

/// Schedule of the "Canadian" method: the nominal rate is compounded
/// half-yearly whatever the payment frequency; odd days earn simple interest.
class TCash_Schedule_Canadian : public TCash_Schedule_Base {
public:
    /// Compounding of the nominal rate (half-yearly).
    const std::uint8_t CanadianCompounding = fqSemiannually;
    /// 0: straight-line, odd days earn simple interest.
    const std::uint8_t OddDaysMode = 0;

protected:
    void SetRates() override;
    void SetTrialRate(Extended trialRate) override;
    void Solve() override;
    void ComputeRows() override;
    void PreparePeriods() override;
    int GapFrequency(const TCashInputClass& q) const override;
    void FirstPeriodReference(std::size_t& index, int& startFrequency,
                              int& fractionFrequency) const override;
    bool StraightLineDiscounting() const override { return true; }
    Extended PeriodicRateOf(const TCashInputClass& event, Extended annualRate,
                            Extended& dailyRate) const override;
};

} // namespace calvora

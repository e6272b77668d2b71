#pragma once

#include "schedule/cash_schedule.h"

namespace calvora {

/// Compound-interest schedule of the methods "Normal", "Fixed Principal",
/// "Interest Only" and "No Interest": each row earns interest on the previous
/// balance at the periodic rate, odd days at the daily rate.
class TCash_Schedule_Normal : public TCash_Schedule_Base {
protected:
    void Solve() override;
    void ComputeRows() override;
};

} // namespace calvora

#pragma once

#include "schedule/cash_schedule.h"

#include <memory>

namespace calvora {

/// The schedule of an amortization method code: 0, 2, 3, 4 the normal
/// schedule, 1 the Canadian, 5 the rule-of-78 schedule. Any other code raises
/// 1034 ("Unknown Amortization Method.").
std::unique_ptr<TCash_Schedule_Base> CreateCashSchedule(int amortizationMethod);

} // namespace calvora

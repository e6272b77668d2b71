#pragma once

#include "finance/financial_types.h"

#include <cmath>
#include <cstdint>

namespace calvora {

/// The whole day of a date; the engine ignores the time of day.
inline double WholeDay(TDateTime date) {
    return std::trunc(date);
}

/// Whole days from earlier to later (negative when later is earlier).
inline std::int32_t DaysBetween(TDateTime later, TDateTime earlier) {
    return static_cast<std::int32_t>(WholeDay(later) - WholeDay(earlier));
}

} // namespace calvora

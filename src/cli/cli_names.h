#pragma once

#include "cli/cli_options.h"

#include <vector>

namespace calvora::cli {

// The words the command line accepts for the financial codes, in display order.

/// daily .. annually: payment frequency codes 1..11.
const std::vector<NamedCode>& PaymentFrequencyNames();
/// continuous, the payment words, exact: compounding codes 0..12.
const std::vector<NamedCode>& CompoundingNames();
/// normal canadian fixed-principal interest-only no-interest rule-of-78: codes 0..5.
const std::vector<NamedCode>& AmortizationMethodNames();
/// arrears (0), advance (1).
const std::vector<NamedCode>& PaymentTimingNames();
/// with-origination (1), with-first (2), amortized (3).
const std::vector<NamedCode>& PointsPaidNames();
/// none (0), with-origination (1), with-first (2), amortized (3).
const std::vector<NamedCode>& OddDaysPaidNames();
/// no-reduction (0), reduce-first (1), reduce-all (2).
const std::vector<NamedCode>& ShortPeriodPaidNames();

} // namespace calvora::cli

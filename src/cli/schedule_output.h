#pragma once

#include "amortization/amort_simple_buffer.h"

#include <optional>
#include <ostream>
#include <string>

namespace calvora::cli {

/// One fiscal year's selection: its two-digit name and its totals.
struct FiscalYearTotals {
    std::string Label;
    TAmortTotals Totals;
};

/// Every row as a JSON array of objects (period, label, date, payment,
/// principal, interest, balance and the three cumulative values).
std::string ScheduleRowsJson(const TbufSimpleAmort& buffer);
/// The fiscal year's annual and running totals as a JSON object.
std::string FiscalYearJson(const FiscalYearTotals& year);
/// Every row as an aligned text table, then the fiscal year's totals if any.
std::string ScheduleRowsText(const TbufSimpleAmort& buffer,
                             const std::optional<FiscalYearTotals>& year);
/// A header line, every row, a line of totals and, for a fiscal year, its
/// annual and running totals.
void WriteScheduleCsv(std::ostream& out, const TbufSimpleAmort& buffer,
                      const std::optional<FiscalYearTotals>& year);

} // namespace calvora::cli

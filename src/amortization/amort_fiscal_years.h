#pragma once

#include "finance/financial_types.h"
#include "schedule/transactions.h"

#include <string>
#include <vector>

namespace calvora {

// A fiscal year runs from the month after the fiscal year end month to that
// month and is named by the calendar year in which it ends, shown in two
// digits. With a fiscal year end of 12 fiscal years are calendar years.

/// First month (1..12) of a fiscal year ending in fiscalYearEnd (1..12).
int FiscalYearStartMonth(int fiscalYearEnd);
/// Calendar year in which the fiscal year holding date ends (its name).
int FiscalYearOf(TDateTime date, int fiscalYearEnd);
/// Calendar year in which the fiscal year holding date starts.
int FiscalYearStartOf(TDateTime date, int fiscalYearEnd);
/// Two-digit names of the fiscal years from the one holding firstDate to the
/// one holding lastDate ("24", "25", ...).
std::vector<std::string> FiscalYearLabels(TDateTime firstDate, TDateTime lastDate,
                                          int fiscalYearEnd);
/// Labels a schedule's rows: row 0 "Init/1", then payment/year ("1/01" ..
/// "12/01", "13/02" for monthly payments). Rows sharing a date share a payment
/// number; a new year begins at payment 1, 1 + p, 1 + 2p, ... where p is the
/// payments per year of the row's frequency.
void LabelScheduleRows(TTransactionsList& rows);

} // namespace calvora

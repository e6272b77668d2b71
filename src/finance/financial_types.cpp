#include "finance/financial_types.h"

#include "finance/finance_errors.h"

namespace calvora {

int PeriodsPerYear(int frequency) {
    if (!IsPeriodicFrequency(frequency))
        RaiseCashScheduleError(1012);
    return PeriodsPerYearTable[frequency - 1];
}

int DaysPerPeriod(int frequency) {
    if (!IsPeriodicFrequency(frequency))
        RaiseCashScheduleError(1012);
    return DaysPerPeriodTable[frequency - 1];
}

int CashFlowSign(int eventKind) {
    switch (eventKind) {
    case ekLoan:
        return 1;
    case ekPayment:
        return -1;
    default:
        RaiseCashScheduleError(1046);
    }
}

int DaysInYear(int index) {
    if (index < 0 || index >= static_cast<int>(DaysInYearTable.size()))
        return 365;
    return DaysInYearTable[index];
}

} // namespace calvora

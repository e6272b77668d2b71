#include "amortization/amort_fiscal_years.h"

#include "finance/date_math.h"

#include <cstdio>

namespace calvora {

namespace {

void YearMonth(TDateTime date, int& year, int& month) {
    int day = 0;
    DecodeDate(date, year, month, day);
}

} // namespace

int FiscalYearStartMonth(int fiscalYearEnd) {
    return fiscalYearEnd % 12 + 1;
}

int FiscalYearOf(TDateTime date, int fiscalYearEnd) {
    int year = 0;
    int month = 0;
    YearMonth(date, year, month);
    return month > fiscalYearEnd ? year + 1 : year;
}

int FiscalYearStartOf(TDateTime date, int fiscalYearEnd) {
    int year = 0;
    int month = 0;
    YearMonth(date, year, month);
    return month >= FiscalYearStartMonth(fiscalYearEnd) ? year : year - 1;
}

std::vector<std::string> FiscalYearLabels(TDateTime firstDate, TDateTime lastDate,
                                          int fiscalYearEnd) {
    std::vector<std::string> labels;
    const int last = FiscalYearOf(lastDate, fiscalYearEnd);
    for (int year = FiscalYearOf(firstDate, fiscalYearEnd); year <= last; ++year) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d", year % 100);
        labels.emplace_back(text);
    }
    return labels;
}

void LabelScheduleRows(TTransactionsList& rows) {
    if (rows.Empty())
        return;
    rows[0].Label = "Init/1";
    int payment = 0;
    int year = 0;
    for (std::size_t i = 1; i < rows.Count(); ++i) {
        if (DayNumber(rows[i].Date) != DayNumber(rows[i - 1].Date)) {
            ++payment;
            if ((payment - 1) % PeriodsPerYear(rows[i].PaymentFrequency) == 0)
                ++year;
        }
        rows[i].Label = TcalcDateMathEx::PeriodLabel(payment, year, '/', '0', true);
    }
}

} // namespace calvora

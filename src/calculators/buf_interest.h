#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/loan_equation_base.h"
#include "finance/date_math.h"
#include "finance/finance_equations.h"

#include <cstdint>
#include <string>

namespace calvora {

/// Values of the compound and simple interest calculator.
struct TcalcInterestTransferClass : TCalcTransferBase {
    Extended Amount = 0;
    /// Days from the start to the end date.
    std::int32_t Days = 0;
    /// Percent.
    float AnnualRate = 0;
    std::string StartDayName = TcalcDateMathEx::WeekdayName(TodayDate());
    TDateTime StartDate = TodayDate();
    std::string EndDayName = TcalcDateMathEx::WeekdayName(TodayDate());
    TDateTime EndDate = TodayDate();
    ChoiceField Compounding = CompoundingChoice();
    /// Rows "360", "364", "365": an index into the year lengths.
    ChoiceField YearLength = MakeChoice(YearLengthList(), 0);
    /// Results: interest for the term, amount plus interest, the annual
    /// percentage yield and the daily periodic rate (both percent).
    Extended TermInterest = 0;
    Extended EndValue = 0;
    float Apy = 0;
    float DailyRate = 0;
};

/// The interest calculator's options page.
struct TcalcInterestOptionsTransferClass : TCalcOptionsBase {
    ChoiceField DefaultCompounding = CompoundingChoice();
    ChoiceField DefaultYearLength = MakeChoice(YearLengthList(), 0);
};

/// The compound and simple interest calculator's buffer: the interest an amount
/// earns between two dates, computed directly; nothing is solved.
class TbufInterest : public TCalcBufferOf<TbufInterest, TcalcInterestTransferClass,
                                          TcalcInterestOptionsTransferClass> {
public:
    using TCalcBufferOf::TCalcBufferOf;

    /// Interest for the term, future value, APY and daily rate. Continuous,
    /// daily and exact/simple compounding run by the day; periodic compounding
    /// counts whole periods back from the end date and charges the days left
    /// at the start as simple interest on the grown amount. The dates win over
    /// a day count that does not match them.
    void Calculate() override;

    /// EndDate = StartDate + Days (a positive day count was entered).
    TDateTime EndFromDays();
    /// StartDate = EndDate + Days (a negative day count was entered).
    TDateTime StartFromDays();
    /// Days = EndDate - StartDate, truncated toward zero (a date was left).
    std::int32_t DaysFromDates();

    /// What this calculator keeps, copies, stores and prints.
    static Shape MakeShape();

private:
    void NameDays();

    TequRate m_rates;
    TequFinancial m_formulas;
    TcalcDateMathEx m_dates;
};

/// The interest buffer values that calculated last.
inline TLatestCalculation<TcalcInterestTransferClass> LastInterestCalculation;

} // namespace calvora

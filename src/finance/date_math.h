#pragma once

#include <cstdint>
#include <string>

#include "finance/financial_types.h"

namespace calvora {

/// Day number (days from 30 December 1899) of a civil date. Month 1..12.
TDateTime EncodeDate(int year, int month, int day);
/// Civil date of a day number; the fraction of the day is ignored.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
/// ISO day of week of a day number: 1 Monday .. 7 Sunday.
int DayOfWeek(TDateTime date);
/// Days in the given month of the given year.
int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

/// Steps payment dates by a frequency code, keeps month-end series on month
/// ends, implements the twice-monthly rules and counts periods and odd days
/// between two dates. Dates are whole day numbers.
class TcalcDateMathEx {
public:
    /// Starts a series: stores the date, its day of month and whether it is a month end.
    void SetAnchorDate(TDateTime date);
    /// One period forward.
    TDateTime NextDate(int frequency, TDateTime date) const;
    /// One period back.
    TDateTime PrevDate(int frequency, TDateTime date) const;
    /// Whole periods between earlier and later; fills OddDays, WholePeriods and
    /// FractionalPeriods.
    int PeriodsBetween(int frequency, TDateTime later, TDateTime earlier);
    /// Day count between two dates: method 0 actual days, 1..3 the 30/360 variants.
    static int Days30_360(int method, TDateTime later, TDateTime earlier);

    static TDateTime EndOfMonth(TDateTime date);
    static TDateTime FirstOfNextMonth(TDateTime date);
    static bool IsLastDayOfMonth(TDateTime date);
    /// True on 28 February of a common year and 29 February of a leap year.
    static bool IsFebruaryEnd(TDateTime date);
    /// Long English weekday name ("Wednesday"), at most nine characters.
    static std::string WeekdayName(TDateTime date);
    /// "count<separator>year" in at most eight characters; with pad set a year
    /// below 10 gets a leading padChar (3, 2 -> "3/02").
    static std::string PeriodLabel(int count, int year, char separator, char padChar, bool pad);

    std::int32_t OddDays = 0;
    std::int32_t WholePeriods = 0;
    Extended FractionalPeriods = 0;
    bool MonthEndAnchor = true;
    std::uint16_t AnchorDay = 1;
    TDateTime AnchorDate = 0;
    std::uint8_t TwiceMonthlyRule = tmHalfMonth;
};

} // namespace calvora

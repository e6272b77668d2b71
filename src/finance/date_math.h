#pragma once

#include "finance/financial_types.h"

#include <cstdint>
#include <string>

namespace calvora {

/// Earliest supported day number: 1 January 0001.
inline constexpr int MinDayNumber = -693593;
/// Latest supported day number: 31 December 9999.
inline constexpr int MaxDayNumber = 2958465;

/// Whole day number of a date: the fraction (time of day) is truncated toward
/// zero, values outside 1 January 0001 .. 31 December 9999 are clamped to that
/// range and NaN gives 0 (30 December 1899).
int DayNumber(TDateTime date);

/// Day number (days from 30 December 1899) of a civil date. Month 1..12; a month
/// or day outside its range rolls over into the neighbouring months (month 13 is
/// January of the next year, day 0 the last day of the previous month).
TDateTime EncodeDate(int year, int month, int day);
/// Civil date of a day number; the fraction of the day is ignored.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
/// ISO day of week of a day number: 1 Monday .. 7 Sunday.
int DayOfWeek(TDateTime date);
/// Days in the given month of the given year (a month outside 1..12 rolls over
/// into the neighbouring years like EncodeDate).
int DaysInMonth(int year, int month);
/// Gregorian leap year (proleptic before 1582).
bool IsLeapYear(int year);

/// Steps payment dates by a frequency code, keeps month-end series on month
/// ends, implements the twice-monthly rules and counts periods and odd days
/// between two dates. Dates are whole day numbers: every operation truncates
/// the fraction of its date arguments, clamps them like DayNumber and returns
/// whole day numbers.
class TcalcDateMathEx {
public:
    /// Starts a series: stores the date, its day of month and whether it is a month end.
    void SetAnchorDate(TDateTime date);
    /// One period forward. Codes 2, 3, 5 add 7, 14, 28 days; 4 follows the
    /// twice-monthly rule; 6..10 step 1, 2, 3, 4, 6 months keeping the anchor day
    /// or the month end; 11 steps a year; every other code adds one day.
    /// A twice-monthly rule above 13 behaves as 13 ("Half Month").
    TDateTime NextDate(int frequency, TDateTime date) const;
    /// One period back, the mirror of NextDate.
    TDateTime PrevDate(int frequency, TDateTime date) const;
    /// Whole periods between earlier and later; fills OddDays, WholePeriods and
    /// FractionalPeriods (whole periods plus odd days expressed in periods: odd
    /// days over the nominal days per period, 15 for "Half Month", the length of
    /// the period holding them for the other twice-monthly rules).
    /// Codes 0 and 1 (and negative codes) give 0 periods, the day difference as
    /// odd days and FractionalPeriods 0; codes above 11 count one-day periods.
    /// Reversed dates (later < earlier) give 0 periods, odd days = later - earlier
    /// (negative) and FractionalPeriods = odd days / the nominal period length.
    /// Calendar steps are counted one by one (at most 240,000 over the whole date
    /// range); fixed-length steps are counted by division.
    int PeriodsBetween(int frequency, TDateTime later, TDateTime earlier);
    /// Day count between two dates: method 0 actual days; 1 30/360 with the 31st
    /// of the later date kept unless the earlier day is 30 or 31; 2 both 31sts
    /// become 30; 3 as 2 and the last day of February of the earlier date counts
    /// as the 30th. Any other method counts like 1.
    static int Days30_360(int method, TDateTime later, TDateTime earlier);

    static TDateTime EndOfMonth(TDateTime date);
    static TDateTime FirstOfNextMonth(TDateTime date);
    static bool IsLastDayOfMonth(TDateTime date);
    /// True on 28 February of a common year and 29 February of a leap year.
    static bool IsFebruaryEnd(TDateTime date);
    /// Long English weekday name ("Wednesday"), at most nine characters.
    static std::string WeekdayName(TDateTime date);
    /// "count<separator>year" in at most eight characters (longer text is cut);
    /// with pad set a year 0..9 gets a leading padChar (3, 2 -> "3/02").
    static std::string PeriodLabel(int count, int year, char separator, char padChar, bool pad);

    std::int32_t OddDays = 0;
    std::int32_t WholePeriods = 0;
    Extended FractionalPeriods = 0;
    bool MonthEndAnchor = true;
    /// Day of month a series returns to; held inside the target month when used.
    std::uint16_t AnchorDay = 1;
    TDateTime AnchorDate = 0;
    /// A TwiceMonthlyDays code; values above 13 count as 13 ("Half Month").
    std::uint8_t TwiceMonthlyRule = tmHalfMonth;

private:
    int StepForward(int frequency, int day) const;
    int StepBack(int frequency, int day) const;
    int TwiceMonthlyForward(int day) const;
    int TwiceMonthlyBack(int day) const;
    int HalfMonthForward(int day) const;
    int HalfMonthBack(int day) const;
    int MonthsForward(int months, int day) const;
    int MonthsBack(int months, int day) const;
    int YearForward(int day) const;
    int YearBack(int day) const;
    int ClampedAnchorDay(int monthLength) const;
    int TwiceMonthlyPeriodsBetween(int later, int earlier);
    int HalfMonthPeriodsBetween(int later, int earlier);
    int CountBack(int frequency, int later, int earlier, bool inclusive, int& reached) const;
    void SetResult(int periods, int oddDays, Extended periodLength);
};

} // namespace calvora

#include "finance/date_math.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace calvora {

namespace {

namespace chr = std::chrono;

// Day number of 1 January 1970, the epoch of std::chrono::sys_days.
constexpr int UnixEpochDay = 25569;
// The range of std::chrono::year.
constexpr std::int64_t MinChronoYear = -32767;
constexpr std::int64_t MaxChronoYear = 32767;

struct Ymd {
    int Year;
    int Month;
    int Day;
};

chr::sys_days ToSys(int day) {
    return chr::sys_days{chr::days{day - UnixEpochDay}};
}

int FromSys(chr::sys_days date) {
    return static_cast<int>(date.time_since_epoch().count()) + UnixEpochDay;
}

Ymd Split(int day) {
    const chr::year_month_day ymd{ToSys(day)};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

chr::year_month MonthOf(const Ymd& date) {
    return chr::year{date.Year} / chr::month{static_cast<unsigned>(date.Month)};
}

// Any year and month number, rolled over into a valid month (month 13 is next
// January) and held inside the years the civil calendar can represent.
chr::year_month NormalizedMonth(std::int64_t year, std::int64_t month) {
    const std::int64_t total = year * 12 + (month - 1);
    const std::int64_t wholeYears = (total >= 0 ? total : total - 11) / 12;
    const auto monthIndex = static_cast<unsigned>(total - wholeYears * 12);
    const auto clampedYear = static_cast<int>(std::clamp(wholeYears, MinChronoYear, MaxChronoYear));
    return chr::year{clampedYear} / chr::month{monthIndex + 1};
}

int DaysIn(chr::year_month month) {
    return static_cast<int>(static_cast<unsigned>((month / chr::last).day()));
}

// Day number of a day of a month; days past the month's end roll over.
int DayIn(chr::year_month month, int day) {
    return FromSys(chr::sys_days{month / chr::day{1}} + chr::days{day - 1});
}

int LastDayIn(chr::year_month month) {
    return FromSys(chr::sys_days{month / chr::last});
}

bool IsLastDay(int day) {
    return Split(day + 1).Day == 1;
}

bool IsWeekdayRule(int rule) {
    return rule >= tm1st3rdMon && rule <= tm2nd4thFri;
}

// The first payment day of a month under a weekday rule: the first (rules 3..7)
// or second (rules 8..12) Monday .. Friday; the other one is two weeks later.
int FirstWeekdayPayment(int rule, chr::year_month month) {
    const bool firstAndThird = rule <= tm1st3rdFri;
    const auto isoWeekday = static_cast<unsigned>(rule - (firstAndThird ? 2 : 7));
    const chr::weekday_indexed which{chr::weekday{isoWeekday}, firstAndThird ? 1u : 2u};
    return FromSys(chr::sys_days{chr::year_month_weekday{month.year(), month.month(), which}});
}

// Months stepped by the monthly family of frequency codes 6..10.
int MonthsOfFrequency(int frequency) {
    switch (frequency) {
    case fqMonthly:
        return 1;
    case fqBiMonthly:
        return 2;
    case fqQuarterly:
        return 3;
    case fqFourMonth:
        return 4;
    default:
        return 6;
    }
}

// Days of the fixed-length frequencies; 0 for calendar-based ones. Codes outside
// the periodic range step one day.
int FixedStepDays(int frequency) {
    switch (frequency) {
    case fqWeekly:
        return 7;
    case fqBiWeekly:
        return 14;
    case fqEvery4Weeks:
        return 28;
    case fqTwiceMonthly:
    case fqMonthly:
    case fqBiMonthly:
    case fqQuarterly:
    case fqFourMonth:
    case fqSemiannually:
    case fqAnnually:
        return 0;
    default:
        return 1;
    }
}

// Nominal days per period used to express odd days in periods.
int NominalPeriodDays(int frequency) {
    return IsPeriodicFrequency(frequency) ? DaysPerPeriodTable[frequency - 1] : 1;
}

// Half-month pairs that count as a whole number of periods although stepping
// back from the later date misses the earlier one by the difference in month
// lengths.
bool AreCorrespondingHalfMonthDays(const Ymd& later, const Ymd& earlier) {
    if (later.Day == 15)
        return earlier.Day >= 30;
    if (later.Month != 2)
        return false;
    if (later.Day == 28)
        return earlier.Day == 13 || earlier.Day == 14 || earlier.Day == 28 || earlier.Day == 29;
    if (later.Day == 29)
        return earlier.Day == 14 || earlier.Day == 29;
    return false;
}

constexpr std::array<const char*, 7> WeekdayNames{"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};

constexpr std::size_t MaxPeriodLabelLength = 8;

} // namespace

int DayNumber(TDateTime date) {
    if (std::isnan(date))
        return 0;
    const double whole = std::trunc(date);
    if (whole <= MinDayNumber)
        return MinDayNumber;
    if (whole >= MaxDayNumber)
        return MaxDayNumber;
    return static_cast<int>(whole);
}

TDateTime EncodeDate(int year, int month, int day) {
    const chr::sys_days first{NormalizedMonth(year, month) / chr::day{1}};
    const std::int64_t sinceEpoch = first.time_since_epoch().count();
    return static_cast<TDateTime>(sinceEpoch + UnixEpochDay + (static_cast<std::int64_t>(day) - 1));
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
    const Ymd parts = Split(DayNumber(date));
    year = parts.Year;
    month = parts.Month;
    day = parts.Day;
}

int DayOfWeek(TDateTime date) {
    return static_cast<int>(chr::weekday{ToSys(DayNumber(date))}.iso_encoding());
}

int DaysInMonth(int year, int month) {
    return DaysIn(NormalizedMonth(year, month));
}

bool IsLeapYear(int year) {
    const auto clamped =
        static_cast<int>(std::clamp<std::int64_t>(year, MinChronoYear, MaxChronoYear));
    return chr::year{clamped}.is_leap();
}

// ---------------------------------------------------------------------------
// Stepping

void TcalcDateMathEx::SetAnchorDate(TDateTime date) {
    const int day = DayNumber(date);
    AnchorDate = day;
    MonthEndAnchor = IsLastDay(day);
    AnchorDay = static_cast<std::uint16_t>(Split(day).Day);
}

TDateTime TcalcDateMathEx::NextDate(int frequency, TDateTime date) const {
    return StepForward(frequency, DayNumber(date));
}

TDateTime TcalcDateMathEx::PrevDate(int frequency, TDateTime date) const {
    return StepBack(frequency, DayNumber(date));
}

int TcalcDateMathEx::StepForward(int frequency, int day) const {
    if (const int fixed = FixedStepDays(frequency); fixed > 0)
        return day + fixed;
    if (frequency == fqTwiceMonthly)
        return TwiceMonthlyForward(day);
    if (frequency == fqAnnually)
        return YearForward(day);
    return MonthsForward(MonthsOfFrequency(frequency), day);
}

int TcalcDateMathEx::StepBack(int frequency, int day) const {
    if (const int fixed = FixedStepDays(frequency); fixed > 0)
        return day - fixed;
    if (frequency == fqTwiceMonthly)
        return TwiceMonthlyBack(day);
    if (frequency == fqAnnually)
        return YearBack(day);
    return MonthsBack(MonthsOfFrequency(frequency), day);
}

// The anchor day held inside a month of the given length (a zero or oversized anchor day
// never leaves the month).
int TcalcDateMathEx::ClampedAnchorDay(int monthLength) const {
    return std::clamp(static_cast<int>(AnchorDay), 1, monthLength);
}

int TcalcDateMathEx::MonthsForward(int months, int day) const {
    const Ymd date = Split(day);
    const chr::year_month target = MonthOf(date) + chr::months{months};
    if (IsLastDay(day)) {
        if (MonthEndAnchor)
            return LastDayIn(target);
        // The series left its anchor day only because February is short.
        if (date.Month == 2)
            return DayIn(target, ClampedAnchorDay(DaysIn(target)));
    }
    // A 29th or 30th heading for February lands on February's last day here.
    return DayIn(target, std::min(date.Day, DaysIn(target)));
}

int TcalcDateMathEx::MonthsBack(int months, int day) const {
    const Ymd date = Split(day);
    const chr::year_month target = MonthOf(date) - chr::months{months};
    const int length = DaysIn(MonthOf(date));
    const bool shortMonthEnd = date.Day >= 28 && length != 31;
    const bool lateInThirtyDayMonth = (date.Day == 28 || date.Day == 29) && length == 30;
    if (shortMonthEnd && !lateInThirtyDayMonth) {
        if (date.Month == 2) {
            if (MonthEndAnchor)
                return LastDayIn(target);
            return DayIn(target, ClampedAnchorDay(DaysIn(target)));
        }
        if (MonthEndAnchor)
            return LastDayIn(target);
    }
    return DayIn(target, std::min(date.Day, DaysIn(target)));
}

int TcalcDateMathEx::YearForward(int day) const {
    const Ymd date = Split(day);
    const chr::year_month target = MonthOf(date) + chr::years{1};
    if (MonthEndAnchor && date.Month == 2 && IsLastDay(day))
        return LastDayIn(target);
    return DayIn(target, std::min(date.Day, DaysIn(target)));
}

int TcalcDateMathEx::YearBack(int day) const {
    const Ymd date = Split(day);
    const chr::year_month target = MonthOf(date) - chr::years{1};
    if (MonthEndAnchor && date.Month == 2 && IsLastDay(day))
        return LastDayIn(target);
    return DayIn(target, std::min(date.Day, DaysIn(target)));
}

// ---------------------------------------------------------------------------
// Twice-monthly rules

int TcalcDateMathEx::TwiceMonthlyForward(int day) const {
    const Ymd date = Split(day);
    const chr::year_month month = MonthOf(date);
    const chr::year_month next = month + chr::months{1};
    switch (TwiceMonthlyRule) {
    case tm1st15th:
    case tm1st16th: {
        const int middle = TwiceMonthlyRule == tm1st15th ? 15 : 16;
        return date.Day < middle ? DayIn(month, middle) : DayIn(next, 1);
    }
    case tm15thLastDay:
        if (date.Day <= 14)
            return DayIn(month, 15);
        return IsLastDay(day) ? DayIn(next, 15) : LastDayIn(month);
    default:
        break;
    }
    if (IsWeekdayRule(TwiceMonthlyRule)) {
        const int first = FirstWeekdayPayment(TwiceMonthlyRule, month);
        if (day < first)
            return first;
        if (day < first + 14)
            return first + 14;
        return FirstWeekdayPayment(TwiceMonthlyRule, next);
    }
    return HalfMonthForward(day);
}

int TcalcDateMathEx::TwiceMonthlyBack(int day) const {
    const Ymd date = Split(day);
    const chr::year_month month = MonthOf(date);
    const chr::year_month previous = month - chr::months{1};
    switch (TwiceMonthlyRule) {
    case tm1st15th:
    case tm1st16th: {
        const int middle = TwiceMonthlyRule == tm1st15th ? 15 : 16;
        if (date.Day > middle)
            return DayIn(month, middle);
        return date.Day < 2 ? DayIn(previous, middle) : DayIn(month, 1);
    }
    case tm15thLastDay:
        return date.Day > 15 ? DayIn(month, 15) : LastDayIn(previous);
    default:
        break;
    }
    if (IsWeekdayRule(TwiceMonthlyRule)) {
        const int first = FirstWeekdayPayment(TwiceMonthlyRule, month);
        if (day > first + 14)
            return first + 14;
        if (day > first)
            return first;
        return FirstWeekdayPayment(TwiceMonthlyRule, previous) + 14;
    }
    return HalfMonthBack(day);
}

int TcalcDateMathEx::HalfMonthForward(int day) const {
    const Ymd date = Split(day);
    const chr::year_month month = MonthOf(date);
    if (date.Day <= 14)
        return DayIn(month, std::min(date.Day + 15, DaysIn(month)));
    if (date.Day > 15)
        return DayIn(month + chr::months{1}, IsLastDay(day) ? 15 : date.Day - 15);
    if (AnchorDay == 30 && date.Month != 2)
        return DayIn(month, 30);
    return LastDayIn(month);
}

int TcalcDateMathEx::HalfMonthBack(int day) const {
    const Ymd date = Split(day);
    const chr::year_month month = MonthOf(date);
    const chr::year_month previous = month - chr::months{1};
    if (date.Day <= 14)
        return DayIn(previous, std::min(date.Day + 15, DaysIn(previous)));
    if (date.Day > 15)
        return DayIn(month, IsLastDay(day) ? 15 : date.Day - 15);
    if (AnchorDay == 30 && previous.month() != chr::February)
        return DayIn(previous, 30);
    return LastDayIn(previous);
}

// ---------------------------------------------------------------------------
// Counting periods

void TcalcDateMathEx::SetResult(int periods, int oddDays, Extended periodLength) {
    WholePeriods = periods;
    OddDays = oddDays;
    FractionalPeriods = periods + oddDays / periodLength;
}

// Steps back from later while the stepped date stays at or above earlier
// (strictly above when not inclusive); returns the steps and the last date
// reached. A step that fails to move back ends the count, so it always ends.
int TcalcDateMathEx::CountBack(int frequency, int later, int earlier, bool inclusive,
                               int& reached) const {
    int periods = 0;
    reached = later;
    for (;;) {
        const int stepped = StepBack(frequency, reached);
        if (stepped >= reached || stepped < earlier || (!inclusive && stepped == earlier))
            return periods;
        reached = stepped;
        ++periods;
    }
}

int TcalcDateMathEx::PeriodsBetween(int frequency, TDateTime later, TDateTime earlier) {
    OddDays = 0;
    WholePeriods = 0;
    FractionalPeriods = 0;
    const int last = DayNumber(later);
    const int first = DayNumber(earlier);
    if (last == first)
        return 0;
    if (frequency <= fqDaily) {
        OddDays = last - first;
        return 0;
    }
    // Reversed dates hold no whole period: the (negative) difference is all odd days.
    if (last < first) {
        SetResult(0, last - first, NominalPeriodDays(frequency));
        return 0;
    }
    if (frequency == fqTwiceMonthly) {
        const int periods = TwiceMonthlyRule < tmHalfMonth ? TwiceMonthlyPeriodsBetween(last, first)
                                                           : HalfMonthPeriodsBetween(last, first);
        return periods;
    }

    // Fixed-length steps are counted by division: the same answer as stepping
    // back one period at a time, without the loop over decades of days.
    if (const int fixed = FixedStepDays(frequency); fixed > 0) {
        const int periods = (last - first) / fixed;
        SetResult(periods, last - periods * fixed - first, NominalPeriodDays(frequency));
        return periods;
    }

    int reached = last;
    int periods = CountBack(frequency, last, first, true, reached);
    if (reached != first) {
        const Ymd lastDate = Split(last);
        const Ymd firstDate = Split(first);
        const bool leapFebruary28 =
            lastDate.Month == 2 && lastDate.Day == 28 && IsLeapYear(lastDate.Year);
        // A month-end date that is not anchored (or a leap-year 28 February) reaches
        // a later day of month only by the length of the month: that is a whole period.
        if ((IsLastDay(last) && !MonthEndAnchor) || leapFebruary28) {
            if (firstDate.Day > lastDate.Day) {
                reached = first;
                if (!MonthEndAnchor)
                    ++periods;
            } else if (firstDate.Day == lastDate.Day) {
                reached = first;
            }
        }
    }
    SetResult(periods, (periods > 0 ? reached : last) - first, NominalPeriodDays(frequency));
    return periods;
}

int TcalcDateMathEx::HalfMonthPeriodsBetween(int later, int earlier) {
    int reached = later;
    const int periods = CountBack(fqTwiceMonthly, later, earlier, true, reached);
    if (reached != earlier && AreCorrespondingHalfMonthDays(Split(later), Split(earlier)))
        reached = earlier;
    SetResult(periods, (periods > 0 ? reached : later) - earlier,
              NominalPeriodDays(fqTwiceMonthly));
    return periods;
}

int TcalcDateMathEx::TwiceMonthlyPeriodsBetween(int later, int earlier) {
    if (StepForward(fqTwiceMonthly, earlier) == later) {
        if (StepBack(fqTwiceMonthly, later) == earlier) {
            SetResult(1, 0, 1);
            return 1;
        }
        // The earlier date is off the payment days: the days up to the first
        // payment day are odd days of that period.
        int reached = later;
        const int periods = CountBack(fqTwiceMonthly, later, earlier, false, reached);
        const int periodLength = std::max(1, reached - StepBack(fqTwiceMonthly, reached));
        SetResult(periods, reached - earlier, periodLength);
        return periods;
    }

    int periods = 0;
    int reached = earlier;
    int stepped = StepForward(fqTwiceMonthly, reached);
    while (stepped < later && stepped > reached) {
        reached = stepped;
        ++periods;
        stepped = StepForward(fqTwiceMonthly, reached);
    }
    if (stepped == later) {
        // The last step lands on the later date: a whole period, nothing left over.
        SetResult(periods + 1, 0, 1);
        return periods + 1;
    }
    SetResult(periods, later - reached, std::max(1, stepped - reached));
    return periods;
}

// ---------------------------------------------------------------------------
// Calendar helpers

int TcalcDateMathEx::Days30_360(int method, TDateTime later, TDateTime earlier) {
    const int last = DayNumber(later);
    const int first = DayNumber(earlier);
    if (method == 0)
        return last - first;
    const Ymd end = Split(last);
    const Ymd start = Split(first);
    int startDay = start.Day == 31 ? 30 : start.Day;
    int endDay = end.Day;
    if (method == 3 && start.Month == 2 && IsLastDay(first))
        startDay = 30;
    if (method == 2 || method == 3) {
        if (endDay == 31)
            endDay = 30;
    } else if (endDay == 31 && startDay >= 30) {
        endDay = 30;
    }
    return (end.Year - start.Year) * 360 + (end.Month - start.Month) * 30 + endDay - startDay;
}

TDateTime TcalcDateMathEx::EndOfMonth(TDateTime date) {
    return LastDayIn(MonthOf(Split(DayNumber(date))));
}

TDateTime TcalcDateMathEx::FirstOfNextMonth(TDateTime date) {
    return DayIn(MonthOf(Split(DayNumber(date))) + chr::months{1}, 1);
}

bool TcalcDateMathEx::IsLastDayOfMonth(TDateTime date) {
    return IsLastDay(DayNumber(date));
}

bool TcalcDateMathEx::IsFebruaryEnd(TDateTime date) {
    const int day = DayNumber(date);
    return Split(day).Month == 2 && IsLastDay(day);
}

std::string TcalcDateMathEx::WeekdayName(TDateTime date) {
    return WeekdayNames[static_cast<std::size_t>(DayOfWeek(date) - 1)];
}

std::string TcalcDateMathEx::PeriodLabel(int count, int year, char separator, char padChar,
                                         bool pad) {
    std::string text = std::to_string(count);
    text += separator;
    if (pad && year >= 0 && year < 10)
        text += padChar;
    text += std::to_string(year);
    if (text.size() > MaxPeriodLabelLength)
        text.resize(MaxPeriodLabelLength);
    return text;
}

} // namespace calvora

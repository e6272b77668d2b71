#include "finance/date_math.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

// Expected dates and day numbers were computed with python3's datetime module
// (day number = (date - date(1899, 12, 30)).days, weekday = date.isoweekday())
// or typed from the calendar by hand where the rule is a plain calendar fact.

namespace calvora {
namespace {

struct Civil {
    int Year;
    int Month;
    int Day;
};

TDateTime D(const Civil& c) {
    return EncodeDate(c.Year, c.Month, c.Day);
}

std::string Text(TDateTime date) {
    int y = 0;
    int m = 0;
    int d = 0;
    DecodeDate(date, y, m, d);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", y, m, d);
    return buffer;
}

std::string Text(const Civil& c) {
    return Text(D(c));
}

// Anchor fields set by hand, as the schedule engine sets them per event.
struct Anchor {
    bool MonthEnd;
    int Day;
};

TcalcDateMathEx WithAnchor(const Anchor& anchor) {
    TcalcDateMathEx math;
    math.MonthEndAnchor = anchor.MonthEnd;
    math.AnchorDay = static_cast<std::uint16_t>(anchor.Day);
    return math;
}

TcalcDateMathEx WithRule(int rule, int anchorDay = 1) {
    TcalcDateMathEx math;
    math.TwiceMonthlyRule = static_cast<std::uint8_t>(rule);
    math.AnchorDay = static_cast<std::uint16_t>(anchorDay);
    return math;
}

constexpr Anchor Anchored{true, 31};
constexpr Anchor Day30{false, 30};
constexpr Anchor Day31{false, 31};

// ---------------------------------------------------------------------------
// Calendar conversion

TEST(CalendarTest, DayNumbersAndWeekdaysMatchPythonDatetime) {
    struct Case {
        Civil Date;
        int DayNumber;
        int IsoWeekday;
    } const data[] = {
        {{1, 1, 1}, -693593, 1},   {{1066, 10, 14}, -304324, 7}, {{1582, 10, 15}, -115858, 5},
        {{1800, 1, 1}, -36522, 3}, {{1899, 12, 29}, -1, 5},      {{1899, 12, 30}, 0, 6},
        {{1900, 1, 1}, 2, 1},      {{1900, 3, 1}, 61, 4},        {{2000, 2, 29}, 36585, 2},
        {{2024, 1, 1}, 45292, 1},  {{9999, 12, 31}, 2958465, 5},
    };
    for (const Case& c : data) {
        SCOPED_TRACE(Text(c.Date));
        EXPECT_EQ(EncodeDate(c.Date.Year, c.Date.Month, c.Date.Day), c.DayNumber);
        int y = 0;
        int m = 0;
        int d = 0;
        DecodeDate(c.DayNumber, y, m, d);
        EXPECT_EQ(y, c.Date.Year);
        EXPECT_EQ(m, c.Date.Month);
        EXPECT_EQ(d, c.Date.Day);
        EXPECT_EQ(DayOfWeek(c.DayNumber), c.IsoWeekday);
    }
}

TEST(CalendarTest, FractionIsTruncatedTowardZero) {
    // Before 1899 the fraction is the time of day after the whole day number.
    EXPECT_EQ(Text(45292.75), "2024-01-01");
    EXPECT_EQ(Text(-1.5), "1899-12-29");
    EXPECT_EQ(Text(-0.5), "1899-12-30");
    EXPECT_EQ(DayOfWeek(-1.9), 5);
    EXPECT_EQ(DayNumber(-36521.99), -36521);
}

TEST(CalendarTest, OutOfRangeInputIsClampedOrRolledOver) {
    EXPECT_EQ(Text(1e300), "9999-12-31");
    EXPECT_EQ(Text(-1e300), "0001-01-01");
    EXPECT_EQ(Text(std::numeric_limits<double>::infinity()), "9999-12-31");
    EXPECT_EQ(Text(std::numeric_limits<double>::quiet_NaN()), "1899-12-30");
    EXPECT_EQ(Text(EncodeDate(2023, 13, 1)), "2024-01-01");
    EXPECT_EQ(Text(EncodeDate(2024, 0, 1)), "2023-12-01");
    EXPECT_EQ(Text(EncodeDate(2024, 3, 0)), "2024-02-29");
    EXPECT_EQ(Text(EncodeDate(2023, 2, 29)), "2023-03-01");
    EXPECT_EQ(DaysInMonth(2023, 14), 29); // February 2024
}

TEST(CalendarTest, ConsecutiveDayNumbersWalkTheCalendar) {
    // Every day from 1599 to 2401 decodes to the day after its predecessor,
    // with month lengths from the Gregorian leap rule written out here.
    auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 1599;
    int m = 1;
    int d = 1;
    for (int day = static_cast<int>(EncodeDate(1599, 1, 1)); day <= EncodeDate(2401, 12, 31);
         ++day) {
        int gotY = 0;
        int gotM = 0;
        int gotD = 0;
        DecodeDate(day, gotY, gotM, gotD);
        ASSERT_TRUE(gotY == y && gotM == m && gotD == d) << day;
        const int length = lengths[m - 1] + (m == 2 && leap(y) ? 1 : 0);
        ASSERT_EQ(DaysInMonth(y, m), length);
        ASSERT_EQ(IsLeapYear(y), leap(y));
        if (++d > length) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Stepping: fixed lengths and the default

struct StepCase {
    int Frequency;
    Anchor Fields;
    Civil From;
    Civil Expected;
};

void CheckSteps(const StepCase* begin, const StepCase* end, bool forward) {
    for (const StepCase* c = begin; c != end; ++c) {
        SCOPED_TRACE("frequency " + std::to_string(c->Frequency) + " from " + Text(c->From));
        const TcalcDateMathEx math = WithAnchor(c->Fields);
        const TDateTime got = forward ? math.NextDate(c->Frequency, D(c->From))
                                      : math.PrevDate(c->Frequency, D(c->From));
        EXPECT_EQ(Text(got), Text(c->Expected));
    }
}

TEST(StepTest, FixedLengthAndDefaultSteps) {
    const StepCase forward[] = {
        {fqWeekly, Anchored, {1899, 12, 28}, {1900, 1, 4}},
        {fqBiWeekly, Anchored, {2023, 12, 25}, {2024, 1, 8}},
        {fqEvery4Weeks, Anchored, {2024, 2, 10}, {2024, 3, 9}},
        {fqContinuous, Anchored, {2024, 2, 28}, {2024, 2, 29}},
        {fqDaily, Anchored, {1899, 12, 31}, {1900, 1, 1}},
        {fqExact, Anchored, {2023, 12, 31}, {2024, 1, 1}},
        {13, Anchored, {2024, 2, 29}, {2024, 3, 1}},
        {-1, Anchored, {1800, 2, 28}, {1800, 3, 1}},
        {255, Anchored, {2024, 1, 1}, {2024, 1, 2}},
    };
    const StepCase back[] = {
        {fqWeekly, Anchored, {1900, 1, 4}, {1899, 12, 28}},
        {fqBiWeekly, Anchored, {2024, 1, 8}, {2023, 12, 25}},
        {fqEvery4Weeks, Anchored, {2024, 3, 9}, {2024, 2, 10}},
        {fqDaily, Anchored, {2024, 3, 1}, {2024, 2, 29}},
        {fqExact, Anchored, {1900, 3, 1}, {1900, 2, 28}},
        {-7, Anchored, {2024, 1, 1}, {2023, 12, 31}},
    };
    CheckSteps(std::begin(forward), std::end(forward), true);
    CheckSteps(std::begin(back), std::end(back), false);
}

TEST(StepTest, StepsReturnWholeDayNumbers) {
    TcalcDateMathEx math;
    EXPECT_EQ(math.NextDate(fqWeekly, 45292.75), 45299);
    EXPECT_EQ(math.PrevDate(fqDaily, -1.5), -2);
}

// ---------------------------------------------------------------------------
// Stepping: the monthly family and annual

TEST(StepTest, MonthlyFamilyForward) {
    const StepCase data[] = {
        // Month ends stay on month ends when anchored there.
        {fqMonthly, Anchored, {2024, 1, 31}, {2024, 2, 29}},
        {fqMonthly, Anchored, {2024, 2, 29}, {2024, 3, 31}},
        {fqMonthly, Anchored, {2023, 2, 28}, {2023, 3, 31}},
        {fqMonthly, Anchored, {2024, 4, 30}, {2024, 5, 31}},
        {fqMonthly, Anchored, {2023, 12, 31}, {2024, 1, 31}},
        {fqQuarterly, Anchored, {2023, 11, 30}, {2024, 2, 29}},
        {fqSemiannually, Anchored, {2023, 8, 31}, {2024, 2, 29}},
        {fqMonthly, Anchored, {1800, 1, 31}, {1800, 2, 28}},
        {fqMonthly, Anchored, {1900, 2, 28}, {1900, 3, 31}},
        // A February month end that is not anchored returns to the anchor day.
        {fqMonthly, Day30, {2023, 2, 28}, {2023, 3, 30}},
        {fqBiMonthly, Day30, {2023, 2, 28}, {2023, 4, 30}},
        {fqQuarterly, Day30, {2023, 2, 28}, {2023, 5, 30}},
        {fqFourMonth, Day30, {2023, 2, 28}, {2023, 6, 30}},
        {fqSemiannually, Day30, {2023, 2, 28}, {2023, 8, 30}},
        {fqMonthly, Day31, {2024, 2, 29}, {2024, 3, 31}},
        {fqBiMonthly, Day31, {2023, 2, 28}, {2023, 4, 30}},
        // Other month ends that are not anchored keep their day.
        {fqMonthly, Day30, {2023, 4, 30}, {2023, 5, 30}},
        {fqQuarterly, Day30, {2023, 11, 30}, {2024, 2, 29}},
        // The 29th or 30th heading for February lands on its last day.
        {fqMonthly, Day30, {2023, 1, 30}, {2023, 2, 28}},
        {fqMonthly, Day30, {2023, 1, 29}, {2023, 2, 28}},
        {fqBiMonthly, Day30, {2022, 12, 30}, {2023, 2, 28}},
        {fqQuarterly, Day30, {2022, 11, 29}, {2023, 2, 28}},
        {fqFourMonth, Day30, {2023, 10, 30}, {2024, 2, 29}},
        {fqSemiannually, Day30, {2022, 8, 29}, {2023, 2, 28}},
        // Plain calendar steps.
        {fqMonthly, Anchored, {2024, 1, 15}, {2024, 2, 15}},
        {fqBiMonthly, Anchored, {2023, 12, 15}, {2024, 2, 15}},
        {fqFourMonth, Anchored, {2023, 11, 15}, {2024, 3, 15}},
        {fqSemiannually, Anchored, {1899, 9, 1}, {1900, 3, 1}},
        // Annual.
        {fqAnnually, Anchored, {2024, 2, 29}, {2025, 2, 28}},
        {fqAnnually, Anchored, {2027, 2, 28}, {2028, 2, 29}},
        {fqAnnually, Day30, {2027, 2, 28}, {2028, 2, 28}},
        {fqAnnually, Day30, {2024, 2, 29}, {2025, 2, 28}},
        {fqAnnually, Anchored, {1899, 6, 15}, {1900, 6, 15}},
    };
    CheckSteps(std::begin(data), std::end(data), true);
}

TEST(StepTest, MonthlyFamilyBack) {
    const StepCase data[] = {
        // February: the month end or the anchor day of the month k months back.
        {fqMonthly, Anchored, {2023, 2, 28}, {2023, 1, 31}},
        {fqMonthly, Anchored, {2024, 2, 29}, {2024, 1, 31}},
        {fqMonthly, Anchored, {2024, 2, 28}, {2024, 1, 31}},
        {fqBiMonthly, Anchored, {2023, 2, 28}, {2022, 12, 31}},
        {fqQuarterly, Anchored, {2023, 2, 28}, {2022, 11, 30}},
        {fqFourMonth, Anchored, {2023, 2, 28}, {2022, 10, 31}},
        {fqSemiannually, Anchored, {2023, 2, 28}, {2022, 8, 31}},
        {fqMonthly, Day30, {2023, 2, 28}, {2023, 1, 30}},
        {fqQuarterly, Day31, {2023, 2, 28}, {2022, 11, 30}},
        {fqBiMonthly, Day31, {2023, 2, 28}, {2022, 12, 31}},
        {fqSemiannually, {false, 29}, {2023, 2, 28}, {2022, 8, 29}},
        {fqMonthly, {false, 0}, {2023, 2, 28}, {2023, 1, 1}},
        {fqMonthly, {false, 999}, {2023, 2, 28}, {2023, 1, 31}},
        // The 28th or 29th of a 30-day month steps back by the calendar.
        {fqMonthly, Anchored, {2023, 4, 29}, {2023, 3, 29}},
        {fqMonthly, Anchored, {2023, 9, 28}, {2023, 8, 28}},
        {fqFourMonth, Anchored, {2023, 6, 28}, {2023, 2, 28}},
        {fqFourMonth, Anchored, {2023, 6, 29}, {2023, 2, 28}},
        {fqFourMonth, Anchored, {2024, 6, 29}, {2024, 2, 29}},
        // The 30th of a 30-day month: month end when anchored, else the calendar.
        {fqMonthly, Anchored, {2024, 4, 30}, {2024, 3, 31}},
        {fqQuarterly, Anchored, {2024, 4, 30}, {2024, 1, 31}},
        {fqSemiannually, Anchored, {2024, 6, 30}, {2023, 12, 31}},
        {fqMonthly, Day30, {2023, 9, 30}, {2023, 8, 30}},
        // 31-day months and early days step back by the calendar, clamped.
        {fqMonthly, Anchored, {2023, 3, 31}, {2023, 2, 28}},
        {fqMonthly, Anchored, {2024, 3, 30}, {2024, 2, 29}},
        {fqBiMonthly, Anchored, {2023, 5, 31}, {2023, 3, 31}},
        {fqSemiannually, Anchored, {2023, 7, 31}, {2023, 1, 31}},
        {fqMonthly, Anchored, {2024, 1, 15}, {2023, 12, 15}},
        {fqMonthly, Anchored, {1900, 3, 31}, {1900, 2, 28}},
        // Annual.
        {fqAnnually, Anchored, {2028, 2, 29}, {2027, 2, 28}},
        {fqAnnually, Anchored, {2025, 2, 28}, {2024, 2, 29}},
        {fqAnnually, Day30, {2025, 2, 28}, {2024, 2, 28}},
        {fqAnnually, Day30, {2024, 2, 29}, {2023, 2, 28}},
        {fqAnnually, Anchored, {1900, 1, 1}, {1899, 1, 1}},
    };
    CheckSteps(std::begin(data), std::end(data), false);
}

TEST(StepTest, SeriesKeepTheirAnchorBothWays) {
    struct Case {
        int Frequency;
        std::vector<Civil> Dates; // the first one anchors the series
    } const data[] = {
        {fqMonthly, {{2024, 1, 31}, {2024, 2, 29}, {2024, 3, 31}, {2024, 4, 30}, {2024, 5, 31}}},
        {fqMonthly, {{2023, 1, 31}, {2023, 2, 28}, {2023, 3, 31}, {2023, 4, 30}}},
        {fqMonthly, {{2023, 1, 30}, {2023, 2, 28}, {2023, 3, 30}, {2023, 4, 30}, {2023, 5, 30}}},
        {fqMonthly, {{2024, 1, 15}, {2024, 2, 15}, {2024, 3, 15}}},
        {fqQuarterly, {{2023, 11, 30}, {2024, 2, 29}, {2024, 5, 31}, {2024, 8, 31}}},
        {fqAnnually, {{2024, 2, 29}, {2025, 2, 28}, {2026, 2, 28}, {2027, 2, 28}, {2028, 2, 29}}},
        {fqMonthly, {{1799, 12, 31}, {1800, 1, 31}, {1800, 2, 28}, {1800, 3, 31}}},
    };
    for (const Case& c : data) {
        SCOPED_TRACE("series from " + Text(c.Dates.front()));
        TcalcDateMathEx math;
        math.SetAnchorDate(D(c.Dates.front()));
        for (std::size_t i = 1; i < c.Dates.size(); ++i)
            EXPECT_EQ(Text(math.NextDate(c.Frequency, D(c.Dates[i - 1]))), Text(c.Dates[i]));
        for (std::size_t i = c.Dates.size() - 1; i > 0; --i)
            EXPECT_EQ(Text(math.PrevDate(c.Frequency, D(c.Dates[i]))), Text(c.Dates[i - 1]));
    }
}

TEST(StepTest, SetAnchorDateRecordsDayAndMonthEnd) {
    TcalcDateMathEx math;
    math.SetAnchorDate(D({2023, 1, 30}) + 0.5);
    EXPECT_FALSE(math.MonthEndAnchor);
    EXPECT_EQ(math.AnchorDay, 30);
    EXPECT_EQ(math.AnchorDate, D({2023, 1, 30}));
    math.SetAnchorDate(D({2024, 2, 29}));
    EXPECT_TRUE(math.MonthEndAnchor);
    EXPECT_EQ(math.AnchorDay, 29);
    math.SetAnchorDate(D({2024, 2, 28}));
    EXPECT_FALSE(math.MonthEndAnchor);
}

// ---------------------------------------------------------------------------
// Twice-monthly rules

struct TwiceMonthlyCase {
    int Rule;
    int AnchorDay;
    Civil From;
    Civil Expected;
};

TEST(TwiceMonthlyTest, DayOfMonthRulesForward) {
    const TwiceMonthlyCase data[] = {
        {tm1st15th, 1, {2024, 1, 1}, {2024, 1, 15}},
        {tm1st15th, 1, {2024, 1, 14}, {2024, 1, 15}},
        {tm1st15th, 1, {2024, 1, 15}, {2024, 2, 1}},
        {tm1st15th, 1, {2023, 12, 31}, {2024, 1, 1}},
        {tm1st16th, 1, {2024, 1, 15}, {2024, 1, 16}},
        {tm1st16th, 1, {2024, 1, 16}, {2024, 2, 1}},
        {tm15thLastDay, 1, {2024, 3, 31}, {2024, 4, 15}},
        {tm15thLastDay, 1, {2024, 4, 10}, {2024, 4, 15}},
        {tm15thLastDay, 1, {2024, 4, 20}, {2024, 4, 30}},
        {tm15thLastDay, 1, {2024, 4, 15}, {2024, 4, 30}},
        {tm15thLastDay, 1, {2024, 2, 28}, {2024, 2, 29}},
        {tm15thLastDay, 1, {2024, 2, 29}, {2024, 3, 15}},
        {tmHalfMonth, 1, {2023, 2, 14}, {2023, 2, 28}},
        {tmHalfMonth, 1, {2024, 2, 14}, {2024, 2, 29}},
        {tmHalfMonth, 1, {2024, 1, 31}, {2024, 2, 15}},
        {tmHalfMonth, 1, {2024, 1, 30}, {2024, 2, 15}},
        {tmHalfMonth, 1, {2024, 1, 1}, {2024, 1, 16}},
        {tmHalfMonth, 1, {2024, 1, 16}, {2024, 2, 1}},
        {tmHalfMonth, 1, {2024, 1, 20}, {2024, 2, 5}},
        {tmHalfMonth, 1, {2024, 4, 30}, {2024, 5, 15}},
        {tmHalfMonth, 1, {2024, 1, 15}, {2024, 1, 31}},
        {tmHalfMonth, 30, {2024, 1, 15}, {2024, 1, 30}},
        {tmHalfMonth, 30, {2023, 2, 15}, {2023, 2, 28}},
        {tmHalfMonth, 1, {1899, 12, 20}, {1900, 1, 5}},
    };
    for (const TwiceMonthlyCase& c : data) {
        SCOPED_TRACE("rule " + std::to_string(c.Rule) + " from " + Text(c.From));
        EXPECT_EQ(Text(WithRule(c.Rule, c.AnchorDay).NextDate(fqTwiceMonthly, D(c.From))),
                  Text(c.Expected));
    }
}

TEST(TwiceMonthlyTest, DayOfMonthRulesBack) {
    const TwiceMonthlyCase data[] = {
        {tm1st15th, 1, {2024, 1, 16}, {2024, 1, 15}},
        {tm1st15th, 1, {2024, 1, 15}, {2024, 1, 1}},
        {tm1st15th, 1, {2024, 1, 2}, {2024, 1, 1}},
        {tm1st15th, 1, {2024, 1, 1}, {2023, 12, 15}},
        {tm1st16th, 1, {2024, 1, 17}, {2024, 1, 16}},
        {tm1st16th, 1, {2024, 1, 16}, {2024, 1, 1}},
        {tm1st16th, 1, {2024, 2, 1}, {2024, 1, 16}},
        {tm15thLastDay, 1, {2024, 4, 30}, {2024, 4, 15}},
        {tm15thLastDay, 1, {2024, 4, 16}, {2024, 4, 15}},
        {tm15thLastDay, 1, {2024, 4, 15}, {2024, 3, 31}},
        {tm15thLastDay, 1, {2024, 3, 1}, {2024, 2, 29}},
        {tmHalfMonth, 1, {2023, 2, 28}, {2023, 2, 15}},
        {tmHalfMonth, 1, {2023, 2, 15}, {2023, 1, 31}},
        {tmHalfMonth, 30, {2023, 3, 15}, {2023, 2, 28}},
        {tmHalfMonth, 30, {2023, 4, 15}, {2023, 3, 30}},
        {tmHalfMonth, 1, {2023, 3, 14}, {2023, 2, 28}},
        {tmHalfMonth, 1, {2024, 3, 14}, {2024, 2, 29}},
        {tmHalfMonth, 1, {2024, 1, 5}, {2023, 12, 20}},
        {tmHalfMonth, 1, {2024, 1, 20}, {2024, 1, 5}},
        {tmHalfMonth, 1, {2024, 1, 30}, {2024, 1, 15}},
        {tmHalfMonth, 1, {2024, 1, 31}, {2024, 1, 15}},
        {tmHalfMonth, 1, {1900, 1, 5}, {1899, 12, 20}},
    };
    for (const TwiceMonthlyCase& c : data) {
        SCOPED_TRACE("rule " + std::to_string(c.Rule) + " from " + Text(c.From));
        EXPECT_EQ(Text(WithRule(c.Rule, c.AnchorDay).PrevDate(fqTwiceMonthly, D(c.From))),
                  Text(c.Expected));
    }
}

TEST(TwiceMonthlyTest, WeekdayRulesBothWays) {
    // Next and previous first/third or second/fourth weekday, from python3
    // (the n-th weekday found by walking the month with date.isoweekday()).
    struct Case {
        int Rule;
        Civil From;
        Civil Next;
        Civil Prev;
    } const data[] = {
        {3, {2024, 2, 1}, {2024, 2, 5}, {2024, 1, 15}},
        {3, {2024, 2, 5}, {2024, 2, 19}, {2024, 1, 15}},
        {3, {2024, 2, 6}, {2024, 2, 19}, {2024, 2, 5}},
        {3, {2024, 2, 19}, {2024, 3, 4}, {2024, 2, 5}},
        {3, {2024, 2, 29}, {2024, 3, 4}, {2024, 2, 19}},
        {4, {2024, 2, 1}, {2024, 2, 6}, {2024, 1, 16}},
        {4, {2024, 2, 6}, {2024, 2, 20}, {2024, 1, 16}},
        {4, {2024, 2, 7}, {2024, 2, 20}, {2024, 2, 6}},
        {4, {2024, 2, 20}, {2024, 3, 5}, {2024, 2, 6}},
        {4, {2024, 2, 29}, {2024, 3, 5}, {2024, 2, 20}},
        {5, {2024, 2, 1}, {2024, 2, 7}, {2024, 1, 17}},
        {5, {2024, 2, 7}, {2024, 2, 21}, {2024, 1, 17}},
        {5, {2024, 2, 8}, {2024, 2, 21}, {2024, 2, 7}},
        {5, {2024, 2, 21}, {2024, 3, 6}, {2024, 2, 7}},
        {5, {2024, 2, 29}, {2024, 3, 6}, {2024, 2, 21}},
        {6, {2024, 2, 1}, {2024, 2, 15}, {2024, 1, 18}},
        {6, {2024, 2, 2}, {2024, 2, 15}, {2024, 2, 1}},
        {6, {2024, 2, 15}, {2024, 3, 7}, {2024, 2, 1}},
        {6, {2024, 2, 29}, {2024, 3, 7}, {2024, 2, 15}},
        {7, {2024, 2, 1}, {2024, 2, 2}, {2024, 1, 19}},
        {7, {2024, 2, 2}, {2024, 2, 16}, {2024, 1, 19}},
        {7, {2024, 2, 3}, {2024, 2, 16}, {2024, 2, 2}},
        {7, {2024, 2, 16}, {2024, 3, 1}, {2024, 2, 2}},
        {7, {2024, 2, 29}, {2024, 3, 1}, {2024, 2, 16}},
        {8, {2024, 2, 1}, {2024, 2, 12}, {2024, 1, 22}},
        {8, {2024, 2, 12}, {2024, 2, 26}, {2024, 1, 22}},
        {8, {2024, 2, 13}, {2024, 2, 26}, {2024, 2, 12}},
        {8, {2024, 2, 26}, {2024, 3, 11}, {2024, 2, 12}},
        {8, {2024, 2, 29}, {2024, 3, 11}, {2024, 2, 26}},
        {9, {2024, 2, 1}, {2024, 2, 13}, {2024, 1, 23}},
        {9, {2024, 2, 13}, {2024, 2, 27}, {2024, 1, 23}},
        {9, {2024, 2, 14}, {2024, 2, 27}, {2024, 2, 13}},
        {9, {2024, 2, 27}, {2024, 3, 12}, {2024, 2, 13}},
        {9, {2024, 2, 29}, {2024, 3, 12}, {2024, 2, 27}},
        {10, {2024, 2, 1}, {2024, 2, 14}, {2024, 1, 24}},
        {10, {2024, 2, 14}, {2024, 2, 28}, {2024, 1, 24}},
        {10, {2024, 2, 15}, {2024, 2, 28}, {2024, 2, 14}},
        {10, {2024, 2, 28}, {2024, 3, 13}, {2024, 2, 14}},
        {10, {2024, 2, 29}, {2024, 3, 13}, {2024, 2, 28}},
        {11, {2024, 2, 1}, {2024, 2, 8}, {2024, 1, 25}},
        {11, {2024, 2, 8}, {2024, 2, 22}, {2024, 1, 25}},
        {11, {2024, 2, 9}, {2024, 2, 22}, {2024, 2, 8}},
        {11, {2024, 2, 22}, {2024, 3, 14}, {2024, 2, 8}},
        {11, {2024, 2, 29}, {2024, 3, 14}, {2024, 2, 22}},
        {12, {2024, 2, 1}, {2024, 2, 9}, {2024, 1, 26}},
        {12, {2024, 2, 9}, {2024, 2, 23}, {2024, 1, 26}},
        {12, {2024, 2, 10}, {2024, 2, 23}, {2024, 2, 9}},
        {12, {2024, 2, 23}, {2024, 3, 8}, {2024, 2, 9}},
        {12, {2024, 2, 29}, {2024, 3, 8}, {2024, 2, 23}},
    };
    for (const Case& c : data) {
        SCOPED_TRACE("rule " + std::to_string(c.Rule) + " from " + Text(c.From));
        const TcalcDateMathEx math = WithRule(c.Rule);
        EXPECT_EQ(Text(math.NextDate(fqTwiceMonthly, D(c.From))), Text(c.Next));
        EXPECT_EQ(Text(math.PrevDate(fqTwiceMonthly, D(c.From))), Text(c.Prev));
    }
}

// The payment days of rules 0..12 in one month, worked out from the day of week.
std::vector<int> PaymentDays(int rule, int year, int month) {
    const int length = DaysInMonth(year, month);
    if (rule == tm1st15th)
        return {1, 15};
    if (rule == tm1st16th)
        return {1, 16};
    if (rule == tm15thLastDay)
        return {15, length};
    const int weekday = rule <= tm1st3rdFri ? rule - 2 : rule - 7;
    const int skip = rule <= tm1st3rdFri ? 0 : 1;
    std::vector<int> all;
    for (int d = 1; d <= length; ++d) {
        if (DayOfWeek(EncodeDate(year, month, d)) == weekday)
            all.push_back(d);
    }
    return {all[skip], all[skip + 2]};
}

TEST(TwiceMonthlyTest, CalendarRulesStepToTheNeighbouringPaymentDay) {
    // Rules 0..12 define fixed payment days: the next date is the first payment
    // day after the date, the previous one the last payment day before it.
    for (int rule = tm1st15th; rule < tmHalfMonth; ++rule) {
        std::vector<TDateTime> days;
        for (int y = 2022; y <= 2026; ++y) {
            for (int m = 1; m <= 12; ++m) {
                for (int d : PaymentDays(rule, y, m))
                    days.push_back(EncodeDate(y, m, d));
            }
        }
        const TcalcDateMathEx math = WithRule(rule);
        std::size_t at = 0;
        for (TDateTime date = EncodeDate(2023, 1, 1); date < EncodeDate(2026, 1, 1); ++date) {
            while (days[at + 1] <= date)
                ++at;
            const TDateTime prev = days[at] < date ? days[at] : days[at - 1];
            SCOPED_TRACE("rule " + std::to_string(rule) + " from " + Text(date));
            ASSERT_EQ(Text(math.NextDate(fqTwiceMonthly, date)), Text(days[at + 1]));
            ASSERT_EQ(Text(math.PrevDate(fqTwiceMonthly, date)), Text(prev));
        }
    }
}

TEST(TwiceMonthlyTest, RuleAbove13BehavesAsHalfMonth) {
    const TcalcDateMathEx halfMonth = WithRule(tmHalfMonth, 30);
    for (int rule : {14, 100, 255}) {
        const TcalcDateMathEx math = WithRule(rule, 30);
        for (TDateTime date = EncodeDate(2023, 12, 1); date < EncodeDate(2024, 4, 1); ++date) {
            ASSERT_EQ(math.NextDate(fqTwiceMonthly, date),
                      halfMonth.NextDate(fqTwiceMonthly, date));
            ASSERT_EQ(math.PrevDate(fqTwiceMonthly, date),
                      halfMonth.PrevDate(fqTwiceMonthly, date));
        }
    }
}

// ---------------------------------------------------------------------------
// Termination: every step moves, whatever the code, rule or anchor fields

TEST(StepTest, EveryStepMovesStrictlyForwardOrBack) {
    const Anchor anchors[] = {Anchored, Day30, Day31, {false, 1}, {false, 0}, {true, 65535}};
    const Civil spans[][2] = {{{1899, 11, 1}, {1900, 4, 1}}, {{2023, 1, 1}, {2025, 1, 1}}};
    std::vector<TcalcDateMathEx> setups;
    for (const Anchor& a : anchors) {
        for (int rule : {0, 1, 2, 3, 7, 8, 12, 13, 14, 255}) {
            TcalcDateMathEx math = WithAnchor(a);
            math.TwiceMonthlyRule = static_cast<std::uint8_t>(rule);
            setups.push_back(math);
        }
    }
    for (const auto& span : spans) {
        for (TDateTime date = D(span[0]); date < D(span[1]); ++date) {
            for (const TcalcDateMathEx& math : setups) {
                for (int f = -1; f <= 13; ++f) {
                    if (f != fqTwiceMonthly && math.TwiceMonthlyRule != 0)
                        continue;
                    ASSERT_GT(math.NextDate(f, date), date) << f << " " << Text(date);
                    ASSERT_LT(math.PrevDate(f, date), date) << f << " " << Text(date);
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// PeriodsBetween

struct PeriodsCase {
    const char* Name;
    int Frequency;
    int Rule;
    Anchor Fields;
    Civil Later;
    Civil Earlier;
    int Periods;
    int OddDays;
    long double Fractional;
};

void CheckPeriods(const PeriodsCase& c) {
    SCOPED_TRACE(c.Name);
    TcalcDateMathEx math = WithAnchor(c.Fields);
    math.TwiceMonthlyRule = static_cast<std::uint8_t>(c.Rule);
    EXPECT_EQ(math.PeriodsBetween(c.Frequency, D(c.Later), D(c.Earlier)), c.Periods);
    EXPECT_EQ(math.WholePeriods, c.Periods);
    EXPECT_EQ(math.OddDays, c.OddDays);
    EXPECT_NEAR(static_cast<double>(math.FractionalPeriods), static_cast<double>(c.Fractional),
                1e-12);
}

TEST(PeriodsBetweenTest, CountsBackFromTheLaterDate) {
    const Anchor standard{true, 1};
    // clang-format off
    const PeriodsCase data[] = {
        {"monthly 1 Jan to 15 Mar", fqMonthly, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 2, 14, 2 + 14.0L / 30},
        {"equal dates", fqMonthly, 13, standard, {2024, 3, 15}, {2024, 3, 15}, 0, 0, 0},
        {"continuous", fqContinuous, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 0, 74, 0},
        {"daily", fqDaily, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 0, 74, 0},
        {"weekly", fqWeekly, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 10, 4, 10 + 4.0L / 7},
        {"biweekly", fqBiWeekly, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 5, 4, 5 + 4.0L / 14},
        {"every 4 weeks", fqEvery4Weeks, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 2, 18, 2 + 18.0L / 28},
        {"exact counts days", fqExact, 13, standard, {2024, 3, 15}, {2024, 1, 1}, 74, 0, 74},
        {"monthly, whole months", fqMonthly, 13, standard, {2024, 4, 15}, {2024, 1, 15}, 3, 0, 3},
        {"quarterly", fqQuarterly, 13, standard, {2024, 12, 1}, {2024, 1, 15}, 3, 46, 3 + 46.0L / 90},
        {"annual over a leap day", fqAnnually, 13, standard, {2025, 3, 1}, {2020, 1, 1}, 5, 60, 5 + 60.0L / 360},
        {"less than a month", fqMonthly, 13, standard, {2024, 1, 20}, {2024, 1, 1}, 0, 19, 19.0L / 30},
        {"before 1899", fqMonthly, 13, standard, {1900, 3, 15}, {1899, 11, 1}, 4, 14, 4 + 14.0L / 30},
        // A month end that is not anchored reaches a later day only by month length.
        {"unanchored month end, later day", fqMonthly, 13, Day30, {2023, 4, 30}, {2023, 1, 31}, 3, 0, 3},
        {"unanchored February end", fqMonthly, 13, {false, 28}, {2023, 2, 28}, {2023, 1, 30}, 1, 0, 1},
        {"leap 28 February, same day", fqMonthly, 13, Anchored, {2024, 2, 28}, {2023, 11, 28}, 3, 0, 3},
        {"leap 28 February, later day", fqMonthly, 13, Anchored, {2024, 2, 28}, {2023, 11, 29}, 3, 0, 3},
        {"anchored month end keeps odd days", fqMonthly, 13, Anchored, {2024, 4, 30}, {2024, 1, 15}, 3, 16, 3 + 16.0L / 30},
    };
    // clang-format on
    for (const PeriodsCase& c : data)
        CheckPeriods(c);
}

TEST(PeriodsBetweenTest, TwiceMonthly) {
    const Anchor standard{true, 1};
    // clang-format off
    const PeriodsCase data[] = {
        // Half Month counts back; corresponding half-month days leave no odd days.
        {"half month, odd days", fqTwiceMonthly, tmHalfMonth, standard, {2024, 3, 15}, {2024, 1, 1}, 4, 14, 4 + 14.0L / 15},
        {"half month, 28 Feb from 13th", fqTwiceMonthly, tmHalfMonth, standard, {2023, 2, 28}, {2023, 1, 13}, 3, 0, 3},
        {"half month, 15th from 30th", fqTwiceMonthly, tmHalfMonth, standard, {2023, 4, 15}, {2023, 1, 30}, 5, 0, 5},
        {"half month, 29 Feb from 14th", fqTwiceMonthly, tmHalfMonth, standard, {2024, 2, 29}, {2024, 2, 14}, 1, 0, 1},
        {"half month, under a period", fqTwiceMonthly, tmHalfMonth, standard, {2024, 1, 10}, {2024, 1, 1}, 0, 9, 9.0L / 15},
        {"rule 200 as half month", fqTwiceMonthly, 200, standard, {2024, 3, 15}, {2024, 1, 1}, 4, 14, 4 + 14.0L / 15},
        // Other rules: one step, an earlier date off the payment days, counting forward.
        {"1st & 15th, one step", fqTwiceMonthly, tm1st15th, standard, {2024, 1, 15}, {2024, 1, 1}, 1, 0, 1},
        {"1st & 15th, earlier off the days", fqTwiceMonthly, tm1st15th, standard, {2024, 1, 15}, {2024, 1, 5}, 0, 10, 10.0L / 14},
        {"1st & 15th, lands on later", fqTwiceMonthly, tm1st15th, standard, {2024, 2, 1}, {2024, 1, 1}, 2, 0, 2},
        {"1st & 15th, odd days at the end", fqTwiceMonthly, tm1st15th, standard, {2024, 2, 10}, {2024, 1, 1}, 2, 9, 2 + 9.0L / 14},
        {"1st & 15th, off-day start lands", fqTwiceMonthly, tm1st15th, standard, {2024, 2, 1}, {2024, 1, 5}, 2, 0, 2},
        {"15th & last day", fqTwiceMonthly, tm15thLastDay, standard, {2023, 4, 30}, {2023, 1, 31}, 6, 0, 6},
        {"1st & 3rd Monday", fqTwiceMonthly, tm1st3rdMon, standard, {2024, 3, 1}, {2024, 1, 1}, 3, 11, 3 + 11.0L / 14},
    };
    // clang-format on
    for (const PeriodsCase& c : data)
        CheckPeriods(c);
}

TEST(PeriodsBetweenTest, FarApartDatesFinish) {
    const Anchor standard{true, 1};
    // clang-format off
    const PeriodsCase data[] = {
        // 36525 days from 1 January 1925 to 1 January 2025 (python3).
        {"daily, a century", fqDaily, 13, standard, {2025, 1, 1}, {1925, 1, 1}, 0, 36525, 0},
        {"exact, a century", fqExact, 13, standard, {2025, 1, 1}, {1925, 1, 1}, 36525, 0, 36525},
        {"code 40, a century", 40, 13, standard, {2025, 1, 1}, {1925, 1, 1}, 36525, 0, 36525},
        {"weekly, a century", fqWeekly, 13, standard, {2025, 1, 1}, {1925, 1, 1}, 5217, 6, 5217 + 6.0L / 7},
        {"monthly, a century", fqMonthly, 13, standard, {2025, 1, 15}, {1925, 1, 15}, 1200, 0, 1200},
        {"annual, a century", fqAnnually, 13, standard, {2025, 3, 1}, {1925, 3, 1}, 100, 0, 100},
        {"1st & 15th, a century", fqTwiceMonthly, tm1st15th, standard, {2025, 1, 1}, {1925, 1, 1}, 2400, 0, 2400},
        {"half month, a century", fqTwiceMonthly, tmHalfMonth, standard, {2025, 1, 1}, {1925, 1, 1}, 2400, 0, 2400},
        // 3652058 days from 1 January 0001 to 31 December 9999 (python3); 119988
        // month ends, the first of them 30 days after the earlier date.
        {"weekly, whole range", fqWeekly, 13, standard, {9999, 12, 31}, {1, 1, 1}, 521722, 4, 521722 + 4.0L / 7},
        {"monthly, whole range", fqMonthly, 13, Anchored, {9999, 12, 31}, {1, 1, 1}, 119987, 30, 119988},
    };
    // clang-format on
    for (const PeriodsCase& c : data)
        CheckPeriods(c);
}

TEST(PeriodsBetweenTest, WholeRangeFinishesForEveryCodeAndRule) {
    for (int rule = 0; rule <= 14; ++rule) {
        for (int f = -1; f <= 13; ++f) {
            if (f != fqTwiceMonthly && rule != 0)
                continue;
            TcalcDateMathEx math = WithRule(rule);
            const int periods = math.PeriodsBetween(f, 1e300, -1e300);
            SCOPED_TRACE("code " + std::to_string(f) + " rule " + std::to_string(rule));
            EXPECT_GE(periods, 0);
            EXPECT_GE(math.OddDays, 0);
            EXPECT_LE(math.FractionalPeriods, 3652058.0L);
        }
    }
}

TEST(PeriodsBetweenTest, ReversedDatesGiveNegativeOddDaysAndNoPeriods) {
    // 74 days from 1 January to 15 March 2024 (python3), asked the wrong way round.
    const TDateTime later = D({2024, 1, 1});
    const TDateTime earlier = D({2024, 3, 15});
    const Anchor anchors[] = {Anchored, Day30, {false, 1}};
    for (const Anchor& a : anchors) {
        for (int rule = 0; rule <= 14; ++rule) {
            for (int f = -1; f <= 13; ++f) {
                SCOPED_TRACE("code " + std::to_string(f) + " rule " + std::to_string(rule));
                TcalcDateMathEx math = WithAnchor(a);
                math.TwiceMonthlyRule = static_cast<std::uint8_t>(rule);
                EXPECT_EQ(math.PeriodsBetween(f, later, earlier), 0);
                EXPECT_EQ(math.WholePeriods, 0);
                EXPECT_EQ(math.OddDays, -74);
                // Nominal period lengths: the days-per-period table, one day for
                // codes above annual, nothing for continuous and daily.
                const long double length = f <= fqDaily     ? 0
                                           : f > fqAnnually ? 1
                                                            : DaysPerPeriodTable[f - 1];
                EXPECT_NEAR(static_cast<double>(math.FractionalPeriods),
                            length == 0 ? 0.0 : static_cast<double>(-74 / length), 1e-12);
            }
        }
    }
    // An unanchored month end with a later day of month is still reversed.
    TcalcDateMathEx math = WithAnchor(Day30);
    EXPECT_EQ(math.PeriodsBetween(fqMonthly, D({2024, 4, 30}), D({2024, 5, 31})), 0);
    EXPECT_EQ(math.OddDays, -31);
}

TEST(PeriodsBetweenTest, ResultsOfAnEarlierCallAreCleared) {
    TcalcDateMathEx math;
    math.PeriodsBetween(fqMonthly, D({2024, 3, 15}), D({2024, 1, 1}));
    EXPECT_EQ(math.PeriodsBetween(fqMonthly, D({2024, 3, 15}), D({2024, 3, 15}) + 0.7), 0);
    EXPECT_EQ(math.OddDays, 0);
    EXPECT_EQ(math.WholePeriods, 0);
    EXPECT_EQ(math.FractionalPeriods, 0);
}

// ---------------------------------------------------------------------------
// Day counts and calendar helpers

TEST(Days30_360Test, Methods) {
    // Expected counts worked by hand: (y2 - y1) * 360 + (m2 - m1) * 30 + d2 - d1
    // after each method's day adjustments; method 0 from python3.
    struct Case {
        int Method;
        Civil Later;
        Civil Earlier;
        int Days;
    } const data[] = {
        {1, {2024, 3, 31}, {2024, 1, 15}, 76}, {2, {2024, 3, 31}, {2024, 1, 15}, 75},
        {3, {2024, 3, 31}, {2024, 1, 15}, 75}, {0, {2024, 3, 31}, {2024, 1, 15}, 76},
        {1, {2024, 3, 31}, {2024, 1, 31}, 60}, {2, {2024, 3, 31}, {2024, 1, 31}, 60},
        {0, {2023, 3, 31}, {2023, 2, 28}, 31}, {1, {2023, 3, 31}, {2023, 2, 28}, 33},
        {2, {2023, 3, 31}, {2023, 2, 28}, 32}, {3, {2023, 3, 31}, {2023, 2, 28}, 30},
        {1, {2024, 3, 30}, {2024, 2, 29}, 31}, {3, {2024, 3, 30}, {2024, 2, 29}, 30},
        {3, {2024, 3, 30}, {2024, 2, 28}, 32}, {1, {2025, 1, 15}, {2023, 12, 31}, 375},
        {1, {1900, 3, 1}, {1899, 12, 30}, 61}, {1, {2024, 1, 15}, {2024, 3, 31}, -75},
        {7, {2024, 3, 31}, {2024, 1, 15}, 76}, {-1, {2024, 3, 31}, {2024, 1, 31}, 60},
    };
    for (const Case& c : data) {
        SCOPED_TRACE("method " + std::to_string(c.Method) + " " + Text(c.Earlier) + " to " +
                     Text(c.Later));
        EXPECT_EQ(TcalcDateMathEx::Days30_360(c.Method, D(c.Later), D(c.Earlier)), c.Days);
    }
}

TEST(CalendarHelpersTest, MonthEnds) {
    struct Case {
        Civil Date;
        Civil EndOfMonth;
        Civil FirstOfNext;
        bool IsLastDay;
        bool IsFebruaryEnd;
    } const data[] = {
        {{2023, 2, 28}, {2023, 2, 28}, {2023, 3, 1}, true, true},
        {{2024, 2, 28}, {2024, 2, 29}, {2024, 3, 1}, false, false},
        {{2024, 2, 29}, {2024, 2, 29}, {2024, 3, 1}, true, true},
        {{1900, 2, 28}, {1900, 2, 28}, {1900, 3, 1}, true, true},
        {{2000, 2, 28}, {2000, 2, 29}, {2000, 3, 1}, false, false},
        {{2000, 2, 29}, {2000, 2, 29}, {2000, 3, 1}, true, true},
        {{2024, 4, 30}, {2024, 4, 30}, {2024, 5, 1}, true, false},
        {{2024, 12, 5}, {2024, 12, 31}, {2025, 1, 1}, false, false},
        {{1899, 12, 30}, {1899, 12, 31}, {1900, 1, 1}, false, false},
        {{1800, 1, 31}, {1800, 1, 31}, {1800, 2, 1}, true, false},
    };
    for (const Case& c : data) {
        SCOPED_TRACE(Text(c.Date));
        // Six in the morning: before 1899 the time of day is written as a negative fraction.
        const TDateTime date = D(c.Date) < 0 ? D(c.Date) - 0.25 : D(c.Date) + 0.25;
        EXPECT_EQ(Text(TcalcDateMathEx::EndOfMonth(date)), Text(c.EndOfMonth));
        EXPECT_EQ(Text(TcalcDateMathEx::FirstOfNextMonth(date)), Text(c.FirstOfNext));
        EXPECT_EQ(TcalcDateMathEx::IsLastDayOfMonth(date), c.IsLastDay);
        EXPECT_EQ(TcalcDateMathEx::IsFebruaryEnd(date), c.IsFebruaryEnd);
    }
}

TEST(CalendarHelpersTest, WeekdayNames) {
    const char* const names[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
    // 1 January 2024 was a Monday; 30 December 1899 a Saturday (python3).
    for (int i = 0; i < 7; ++i) {
        const std::string name = TcalcDateMathEx::WeekdayName(D({2024, 1, 1 + i}));
        EXPECT_EQ(name, names[i]);
        EXPECT_LE(name.size(), 9u);
    }
    EXPECT_EQ(TcalcDateMathEx::WeekdayName(0), "Saturday");
    EXPECT_EQ(TcalcDateMathEx::WeekdayName(-1.5), "Friday");
}

TEST(CalendarHelpersTest, PeriodLabel) {
    struct Case {
        int Count;
        int Year;
        char Separator;
        char Pad;
        bool DoPad;
        const char* Expected;
    } const data[] = {
        {3, 2, '/', '0', true, "3/02"},
        {3, 2, '/', '0', false, "3/2"},
        {3, 0, '/', '0', true, "3/00"},
        {12, 10, '/', '0', true, "12/10"},
        {1, 9, '-', ' ', true, "1- 9"},
        {1, 2024, '/', '0', true, "1/2024"},
        {123456, 2024, '/', '0', true, "123456/2"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(TcalcDateMathEx::PeriodLabel(c.Count, c.Year, c.Separator, c.Pad, c.DoPad),
                  c.Expected);
    }
}

} // namespace
} // namespace calvora

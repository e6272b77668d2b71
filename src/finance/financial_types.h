#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace calvora {

/// 80-bit extended float used for money, rates and balances inside the engine.
using Extended = long double;

/// A date as a day number: the integer part counts days from 30 December 1899,
/// the fraction is the time of day (ignored wherever days are counted).
using TDateTime = double;

/// Payment and compounding frequency codes. 1..11 are periodic; 0 and 12 are
/// compounding-only (continuous, exact/simple).
enum Frequency : std::uint8_t {
    fqContinuous = 0,
    fqDaily = 1,
    fqWeekly = 2,
    fqBiWeekly = 3,
    fqTwiceMonthly = 4,
    fqEvery4Weeks = 5,
    fqMonthly = 6,
    fqBiMonthly = 7,
    fqQuarterly = 8,
    fqFourMonth = 9,
    fqSemiannually = 10,
    fqAnnually = 11,
    fqExact = 12,
};

enum AmortizationMethod : std::uint8_t {
    amNormal = 0,
    amCanadian = 1,
    amFixedPrincipal = 2,
    amInterestOnly = 3,
    amNoInterest = 4,
    amRule78 = 5,
};

enum EventKind : std::uint8_t {
    ekLoan = 1,
    ekPayment = 2,
};

enum SeriesType : std::uint8_t {
    stLevel = 0,
    stInterestOnly = 1,
    stFixedPrincipal = 2,
};

enum UnknownKind : std::uint8_t {
    ukNone = 0,
    ukFirstAmount = 1,
    ukTerm = 2,
    ukRate = 3,
    ukLaterAmount = 4,
};

/// Stored 1-based: stored code = display list index + 1.
enum PointsPaid : std::uint8_t {
    ppWithOrigination = 1,
    ppWithFirst = 2,
    ppAmortized = 3,
};

enum OddDaysPaid : std::uint8_t {
    odNone = 0,
    odWithOrigination = 1,
    odWithFirst = 2,
    odAmortized = 3,
};

enum OddDaysCalc : std::uint8_t {
    ocNoOddInterest = 0,
    ocProrated = 1,
    ocSimple360 = 2,
    ocSimple365 = 3,
    ocCompound360 = 4,
    ocCompound365 = 5,
};

enum ShortPeriodPaid : std::uint8_t {
    spNoReduction = 0,
    spReduceFirst = 1,
    spReduceAll = 2,
};

enum ShortPeriodCalc : std::uint8_t {
    scProrated = 0,
    scSimple360 = 1,
    scSimple365 = 2,
};

enum FirstPeriodShape : std::uint8_t {
    fpShort = 0,
    fpRegular = 1,
    fpLong = 2,
};

enum AccelerationMethod : std::uint8_t {
    acNone = 0,
    acHalfMonthly = 1,
    acPrepaidPrincipal = 2,
};

enum TwiceMonthlyDays : std::uint8_t {
    tm1st15th = 0,
    tm1st16th = 1,
    tm15thLastDay = 2,
    tm1st3rdMon = 3,
    tm1st3rdTues = 4,
    tm1st3rdWed = 5,
    tm1st3rdThurs = 6,
    tm1st3rdFri = 7,
    tm2nd4thMon = 8,
    tm2nd4thTues = 9,
    tm2nd4thWed = 10,
    tm2nd4thThurs = 11,
    tm2nd4thFri = 12,
    tmHalfMonth = 13,
};

enum WeekendAdjustment : std::uint8_t {
    waNone = 0,
    waClosestDay = 1,
    waForceFriday = 2,
    waForceMonday = 3,
};

enum StartingDate : std::uint8_t {
    sdToday = 0,
    sdLastEntered = 1,
    sdFirstThisMonth = 2,
    sdFirstNextMonth = 3,
};

/// Nominal 30/360 table lengths, indexed by frequency code 1..11 at position code - 1.
inline constexpr std::array<int, 11> PeriodsPerYearTable{365, 52, 26, 24, 13, 12, 6, 4, 3, 2, 1};
inline constexpr std::array<int, 11> DaysPerPeriodTable{1,  7,  14,  15,  28, 30,
                                                        60, 90, 120, 180, 360};
/// Year lengths selected by a stored index 0..3 (the display list shows the first three).
inline constexpr std::array<int, 4> DaysInYearTable{360, 364, 365, 366};

/// True for the periodic frequency codes 1..11.
constexpr bool IsPeriodicFrequency(int code) {
    return code >= fqDaily && code <= fqAnnually;
}

/// Periods per year of a periodic frequency (1..11); other codes raise 1012.
int PeriodsPerYear(int frequency);
/// Nominal days per period of a periodic frequency (1..11); other codes raise 1012.
int DaysPerPeriod(int frequency);
/// +1 for a loan event, -1 for a payment event; other kinds raise 1046.
int CashFlowSign(int eventKind);
/// Days in the year for a stored year-length index 0..3; other indexes give 365.
int DaysInYear(int index);

} // namespace calvora

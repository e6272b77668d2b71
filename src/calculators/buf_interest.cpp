#include "calculators/buf_interest.h"

#include "finance/financial_lists.h"
#include "persistence/date_pattern.h"

#include <cmath>

namespace calvora {

namespace {

using Rec = TcalcInterestTransferClass;
using Opt = TcalcInterestOptionsTransferClass;

inline constexpr TLineFormat kMoney{"%-34s %16.2m", "\t%-34s\t%16.2m"};
inline constexpr TLineFormat kRate{"%-34s %15.4n%1s", "\t%-34s\t%15.4n%1s"};
inline constexpr TLineFormat kChoice{"%-34s %16s", "\t%-34s\t%s"};
inline constexpr TLineFormat kDate{"%-24s %15s %10s", "\t%-25s %10s\t%10s"};

/// A date line: the weekday of the date, then the date in the style's mask.
TReportLine<Rec> DateLine(int label, TDateTime Rec::*date) {
    return {label, kDate, [date](const Rec& rec, const TCalcOutputStyle& style) {
                return std::vector<FormatArg>{FormatArg(TcalcDateMathEx::WeekdayName(rec.*date)),
                                              FormatArg(FormatDateText(rec.*date, style.DateMask))};
            }};
}

} // namespace

TbufInterest::Shape TbufInterest::MakeShape() {
    TBufferShape<Rec, Opt> shape;
    shape.Labels = {"Days In Year?:",        "&Amount?:",
                    "&Number of Days? (#):", "Annual &Rate?:",
                    "&Start Date?:",         "End Da&te?:",
                    "Compounding Perio&d?:", "Interest For Term:",
                    "Future Value:",         "Annual Percentage Yield (APY):",
                    "Daily Periodic Rate:"};
    shape.OptionLabels = {"Compounding Perio&d?:", "Days In Year?:", "Annual &Rate?:"};
    shape.Fields = {
        InputField(&Rec::Amount, "lPVText"),
        InputField(&Rec::Days, "lNumdaysText"),
        InputField(&Rec::AnnualRate, "lRateText"),
        InputField(&Rec::StartDayName, "StartDayValue"),
        DateField(&Rec::StartDate, "lStartDateText"),
        InputField(&Rec::EndDayName, "EndDayValue"),
        DateField(&Rec::EndDate, "lEndDateText"),
        InputField(&Rec::Compounding, "lCmpPYRText"),
        InputField(&Rec::YearLength, "lDaysPerYear"),
        ResultField(&Rec::TermInterest),
        ResultField(&Rec::EndValue),
        ResultField(&Rec::Apy),
        ResultField(&Rec::DailyRate),
    };
    shape.Choices = {
        {&Rec::Compounding, &Opt::DefaultCompounding, "DefaultlDefaultCmpPYRText",
         &TAppInfoFields::CmpPYRText},
        {&Rec::YearLength, &Opt::DefaultYearLength, "DefaultlDefaultlDaysPerYearText",
         &TAppInfoFields::YearLengthText},
    };
    shape.Rate = &Rec::AnnualRate;
    shape.SetTransferTakesResults = false;
    shape.CentreOnPaperWidth = true;
    shape.Lines = {
        Line(1, kMoney, &Rec::Amount),
        Line(2, {"%-34s %16d", "\t%-34s\t%16d"}, &Rec::Days),
        RateLine(3, kRate, &Rec::AnnualRate),
        DateLine(4, &Rec::StartDate),
        DateLine(5, &Rec::EndDate),
        Line(6, kChoice, &Rec::Compounding),
        Line(0, kChoice, &Rec::YearLength),
        Line(7, kMoney, &Rec::TermInterest),
        Line(8, kMoney, &Rec::EndValue),
        RateLine(9, kRate, &Rec::Apy),
        RateLine(10, {"%-34s %15.6n%1S", "\t%-34s\t%15.6n%1s"}, &Rec::DailyRate),
    };
    return shape;
}

namespace {

bool CompoundsByTheDay(int compounding) {
    return compounding == fqContinuous || compounding == fqDaily || compounding == fqExact;
}

} // namespace

void TbufInterest::NameDays() {
    Rec& values = Values();
    values.StartDayName = TcalcDateMathEx::WeekdayName(values.StartDate);
    values.EndDayName = TcalcDateMathEx::WeekdayName(values.EndDate);
}

TDateTime TbufInterest::EndFromDays() {
    Rec& values = Values();
    values.EndDate = values.StartDate + values.Days;
    NameDays();
    return values.EndDate;
}

TDateTime TbufInterest::StartFromDays() {
    Rec& values = Values();
    values.StartDate = values.EndDate + values.Days;
    NameDays();
    return values.StartDate;
}

std::int32_t TbufInterest::DaysFromDates() {
    Rec& values = Values();
    values.Days = static_cast<std::int32_t>(std::trunc(values.EndDate - values.StartDate));
    return values.Days;
}

void TbufInterest::Calculate() {
    Rec& values = Values();
    if (values.StartDate == values.EndDate && values.Days == 0) {
        values.TermInterest = 0;
        values.EndValue = 0;
        values.Apy = 0;
        values.DailyRate = 0;
        return;
    }
    // The dates win over a day count that does not match them.
    if (values.Days != values.EndDate - values.StartDate) {
        values.Days =
            static_cast<std::int32_t>(std::trunc(values.EndDate) - std::trunc(values.StartDate));
    }
    const int daysInYear = DaysInYear(values.YearLength.Index);
    const int compounding = values.Compounding.Index;
    Extended dailyRate = 0;
    const Extended periodicRate = m_rates.PeriodicRateSimple(
        compounding, daysInYear, static_cast<Extended>(values.AnnualRate) / 100, dailyRate);

    Extended interest = 0;
    if (CompoundsByTheDay(compounding)) {
        interest = m_formulas.Interest(values.Days, compounding, values.Amount, dailyRate);
    } else {
        // Whole periods counted back from the end date; the days left over at the
        // start earn simple interest on the grown amount.
        const int periods = m_dates.PeriodsBetween(compounding, values.EndDate, values.StartDate);
        interest = m_formulas.Interest(periods, compounding, values.Amount, periodicRate);
        if (m_dates.OddDays > 0) {
            interest +=
                m_formulas.Interest(m_dates.OddDays, fqExact, values.Amount + interest, dailyRate);
        }
    }
    values.TermInterest = RoundMoney(interest, 2);
    values.EndValue = values.Amount + values.TermInterest;
    values.DailyRate = static_cast<float>(dailyRate * 100);
    values.Apy = values.Days > 0 && values.Amount > 0
                     ? static_cast<float>(m_formulas.EffectiveAnnualYield(
                           values.Days, values.TermInterest, values.Amount))
                     : 0.0f;
    NameDays();
}

} // namespace calvora

#pragma once

#include <string>
#include <vector>

namespace calvora {

// Display lists shown by the windows' combo boxes. Each list is built once on first use and
// shared read-only; a combo box's item index is the stored code unless a list says otherwise.

/// "Daily" ... "Annually": 11 rows, list index = frequency code - 1.
const std::vector<std::string>& PaymentFrequencyList();
/// "Continuous", "Daily" ... "Annually", "Exact/Simple": 13 rows, list index = frequency code.
const std::vector<std::string>& CompoundingFrequencyList();
/// The compounding list with "4-Month" in place of "4 Month"; otherwise identical.
const std::vector<std::string>& CompoundingFrequencyList2();
/// "Monthly", "BiMonthly", "Quarterly", "4-Month", "Semiannually", "Annually".
const std::vector<std::string>& ShortFrequencyList();
/// Amortization methods by code 0..5, "Normal" ... "Rule of 78's".
const std::vector<std::string>& AmortizationMethodList();
/// "360", "364", "365": the year lengths a user may pick (index into DaysInYearTable).
const std::vector<std::string>& YearLengthList();
/// "With Origination", "With First", "Amortized": list index = stored points code - 1.
const std::vector<std::string>& PointsPaidList();
/// Odd-days interest paid when, codes 0..3, "None" first.
const std::vector<std::string>& OddDaysPaidList();
/// The odd-days-paid list without "None", for places where "None" is not offered.
const std::vector<std::string>& OddDaysPaidListNoNone();
/// Odd-days interest calculation, codes 0..5.
const std::vector<std::string>& OddDaysCalcList();
/// Short first period interest paid how, codes 0..2.
const std::vector<std::string>& ShortPeriodPaidList();
/// Short first period interest calculation, codes 0..2.
const std::vector<std::string>& ShortPeriodCalcList();
/// Loan acceleration methods, codes 0..2.
const std::vector<std::string>& AccelerationMethodList();
/// Twice-monthly payment day rules, codes 0..13.
const std::vector<std::string>& TwiceMonthlyDaysList();
/// Weekend adjustment preference, codes 0..3.
const std::vector<std::string>& WeekendAdjustmentList();
/// Starting date default, codes 0..3.
const std::vector<std::string>& StartingDateList();

/// Payment timing: 0 "Arrears", 1 "Advance".
const std::vector<std::string>& PaymentTimingList();
/// 0 "False", 1 "True" (for example the US rule switch).
const std::vector<std::string>& FalseTrueList();
/// 0 "No", 1 "Yes".
const std::vector<std::string>& NoYesList();
/// 0 "First", 1 "Amortize", 2 "Last".
const std::vector<std::string>& FirstAmortizeLastList();
/// 0 "No Adjustment", 1 "Increase Payment", 2 "Reduce Interest".
const std::vector<std::string>& PaymentAdjustmentList();
/// Last day of month adjustment: 0 "Ignore", 1 "Adjust".
const std::vector<std::string>& LastDayOfMonthAdjustmentList();
/// 0 "Normal", 1 "Fixed", 2 "Interest Only". Note the order differs from SeriesType.
const std::vector<std::string>& PaymentTypeList();
/// Where the rounding difference goes: "Last Payment" ... "Ignore", codes 0..5.
const std::vector<std::string>& RoundingMethodList();
/// How an interest rate is stated: 0 "APR", 1 "Effective", 2 "Monthly", 3 "Daily".
const std::vector<std::string>& RateTypeList();
/// Whether interest and points reduce income tax: 0 "Deductible", 1 "Not Deductible".
const std::vector<std::string>& InterestDeductibleList();
/// Depreciation methods: 0 "150% DB", 1 "200% DB", 2 "Straight Line".
const std::vector<std::string>& DepreciationMethodList();
/// Depreciation conventions: 0 "Half Year", 1 "Mid Quarter", 2 "Mid Month".
const std::vector<std::string>& DepreciationConventionList();
/// 0 "All Advantages", 1 "Not Considered", 2 "No Depreciation".
const std::vector<std::string>& DepreciationTreatmentList();
/// Day-count bases: "30/360 NASD", "Act/360", "Act/365", "Act/Act", "30/360 European",
/// "Old European", codes 0..5.
const std::vector<std::string>& DayCountBasisList();

// Index <-> code mappings. An out-of-range argument never reaches a list: it maps to the
// default (monthly for frequencies, "With Origination" for points), which is what a new
// loan shows, so a damaged setting cannot select a row that does not exist.

/// Payment list index of a frequency code 1..11 (code - 1); any other code gives 5 (monthly).
int PaymentFrequencyIndex(int frequency);
/// Frequency code of a payment list index 0..10 (index + 1); any other index gives 6 (monthly).
int PaymentFrequencyFromIndex(int index);
/// Compounding list index of a frequency code 0..12 (the code); any other code gives 6.
int CompoundingFrequencyIndex(int frequency);
/// Frequency code of a compounding list index 0..12 (the index); any other index gives 6.
int CompoundingFrequencyFromIndex(int index);
/// Points list index of a stored points code 1..3 (code - 1); any other code gives 0.
int PointsPaidIndex(int pointsPaid);
/// Stored points code of a list index 0..2 (index + 1); any other index gives 1.
int PointsPaidFromIndex(int index);

/// Row index of list, or an empty text when index is outside it.
const std::string& ListText(const std::vector<std::string>& list, int index);

} // namespace calvora

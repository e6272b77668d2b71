#include "finance/financial_lists.h"

#include "finance/financial_types.h"

namespace calvora {

namespace {

using List = std::vector<std::string>;

List Slice(const List& list, std::size_t first, std::size_t count) {
    return List(list.begin() + static_cast<std::ptrdiff_t>(first),
                list.begin() + static_cast<std::ptrdiff_t>(first + count));
}

bool InList(const List& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.size();
}

} // namespace

const List& CompoundingFrequencyList() {
    static const List list{"Continuous",    "Daily",    "Weekly",      "BiWeekly",  "Twice Monthly",
                           "Every 4 Weeks", "Monthly",  "BiMonthly",   "Quarterly", "4 Month",
                           "Semiannually",  "Annually", "Exact/Simple"};
    return list;
}

const List& PaymentFrequencyList() {
    // The periodic rows of the compounding list: codes 1..11.
    static const List list = Slice(CompoundingFrequencyList(), fqDaily, fqAnnually);
    return list;
}

const List& CompoundingFrequencyList2() {
    static const List list = [] {
        List rows = CompoundingFrequencyList();
        rows[fqFourMonth] = "4-Month";
        return rows;
    }();
    return list;
}

const List& ShortFrequencyList() {
    static const List list =
        Slice(CompoundingFrequencyList2(), fqMonthly, fqAnnually - fqMonthly + 1);
    return list;
}

const List& AmortizationMethodList() {
    static const List list{"Normal",        "Canadian",    "Fixed Principal",
                           "Interest Only", "No Interest", "Rule of 78's"};
    return list;
}

const List& YearLengthList() {
    static const List list{"360", "364", "365"};
    return list;
}

const List& OddDaysPaidList() {
    static const List list{"None", "With Origination", "With First", "Amortized"};
    return list;
}

const List& OddDaysPaidListNoNone() {
    static const List list = Slice(OddDaysPaidList(), odWithOrigination, 3);
    return list;
}

const List& PointsPaidList() {
    // Same three texts as the odd-days list without "None".
    return OddDaysPaidListNoNone();
}

const List& OddDaysCalcList() {
    static const List list{"No Odd Interest", "Prorated",     "Simple 360",
                           "Simple 365",      "Compound 360", "Compound 365"};
    return list;
}

const List& ShortPeriodPaidList() {
    static const List list{"No Reduction", "Reduce First", "Reduce All"};
    return list;
}

const List& ShortPeriodCalcList() {
    static const List list{"Prorated", "Simple 360", "Simple 365"};
    return list;
}

const List& AccelerationMethodList() {
    static const List list{"No Acceleration", "Half Monthly", "Prepaid Principal"};
    return list;
}

const List& TwiceMonthlyDaysList() {
    static const List list{"1st & 15th",       "1st & 16th",      "15th & Last Day",
                           "1st & 3rd Mon.",   "1st & 3rd Tues.", "1st & 3rd Wed.",
                           "1st & 3rd Thurs.", "1st & 3rd Fri.",  "2nd & 4th Mon.",
                           "2nd & 4th Tues.",  "2nd & 4th Wed.",  "2nd & 4th Thurs.",
                           "2nd & 4th Fri.",   "Half Month"};
    return list;
}

const List& WeekendAdjustmentList() {
    static const List list{"No Adjustment", "Closest Day", "Force Friday", "Force Monday"};
    return list;
}

const List& StartingDateList() {
    static const List list{"Today", "Last entered date", "First this month", "First next month"};
    return list;
}

const List& PaymentTimingList() {
    static const List list{"Arrears", "Advance"};
    return list;
}

const List& FalseTrueList() {
    static const List list{"False", "True"};
    return list;
}

const List& NoYesList() {
    static const List list{"No", "Yes"};
    return list;
}

const List& FirstAmortizeLastList() {
    static const List list{"First", "Amortize", "Last"};
    return list;
}

const List& PaymentAdjustmentList() {
    static const List list{"No Adjustment", "Increase Payment", "Reduce Interest"};
    return list;
}

const List& LastDayOfMonthAdjustmentList() {
    static const List list{"Ignore", "Adjust"};
    return list;
}

const List& PaymentTypeList() {
    static const List list{"Normal", "Fixed", "Interest Only"};
    return list;
}

const List& RoundingMethodList() {
    static const List list{"Last Payment",  "First Loan",   "Balloon",
                           "Specific Line", "Open Balance", "Ignore"};
    return list;
}

const List& RateTypeList() {
    static const List list{"APR", "Effective", "Monthly", "Daily"};
    return list;
}

const List& InterestDeductibleList() {
    static const List list{"Deductible", "Not Deductible"};
    return list;
}

const List& DepreciationMethodList() {
    static const List list{"150% DB", "200% DB", "Straight Line"};
    return list;
}

const List& DepreciationConventionList() {
    static const List list{"Half Year", "Mid Quarter", "Mid Month"};
    return list;
}

const List& DepreciationTreatmentList() {
    static const List list{"All Advantages", "Not Considered", "No Depreciation"};
    return list;
}

const List& DayCountBasisList() {
    static const List list{"30/360 NASD", "Act/360",         "Act/365",
                           "Act/Act",     "30/360 European", "Old European"};
    return list;
}

int PaymentFrequencyIndex(int frequency) {
    return IsPeriodicFrequency(frequency) ? frequency - 1 : fqMonthly - 1;
}

int PaymentFrequencyFromIndex(int index) {
    return InList(PaymentFrequencyList(), index) ? index + 1 : fqMonthly;
}

int CompoundingFrequencyIndex(int frequency) {
    return InList(CompoundingFrequencyList(), frequency) ? frequency : fqMonthly;
}

int CompoundingFrequencyFromIndex(int index) {
    return CompoundingFrequencyIndex(index);
}

int PointsPaidIndex(int pointsPaid) {
    return pointsPaid >= ppWithOrigination && pointsPaid <= ppAmortized ? pointsPaid - 1 : 0;
}

int PointsPaidFromIndex(int index) {
    return InList(PointsPaidList(), index) ? index + 1 : ppWithOrigination;
}

const std::string& ListText(const std::vector<std::string>& list, int index) {
    static const std::string empty;
    return InList(list, index) ? list[static_cast<std::size_t>(index)] : empty;
}

} // namespace calvora

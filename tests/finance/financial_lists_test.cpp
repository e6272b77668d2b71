#include "finance/financial_lists.h"
#include "finance/financial_types.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace calvora {
namespace {

using List = std::vector<std::string>;

TEST(DisplayLists, RowsAreTheStoredCodesInOrder) {
    struct Case {
        const char* name;
        const List& actual;
        List expected;
    } cases[] = {
        {"payment frequency",
         PaymentFrequencyList(),
         {"Daily", "Weekly", "BiWeekly", "Twice Monthly", "Every 4 Weeks", "Monthly", "BiMonthly",
          "Quarterly", "4 Month", "Semiannually", "Annually"}},
        {"compounding frequency",
         CompoundingFrequencyList(),
         {"Continuous", "Daily", "Weekly", "BiWeekly", "Twice Monthly", "Every 4 Weeks", "Monthly",
          "BiMonthly", "Quarterly", "4 Month", "Semiannually", "Annually", "Exact/Simple"}},
        {"compounding frequency 2",
         CompoundingFrequencyList2(),
         {"Continuous", "Daily", "Weekly", "BiWeekly", "Twice Monthly", "Every 4 Weeks", "Monthly",
          "BiMonthly", "Quarterly", "4-Month", "Semiannually", "Annually", "Exact/Simple"}},
        {"short frequency",
         ShortFrequencyList(),
         {"Monthly", "BiMonthly", "Quarterly", "4-Month", "Semiannually", "Annually"}},
        {"amortization method",
         AmortizationMethodList(),
         {"Normal", "Canadian", "Fixed Principal", "Interest Only", "No Interest", "Rule of 78's"}},
        {"year length", YearLengthList(), {"360", "364", "365"}},
        {"points paid", PointsPaidList(), {"With Origination", "With First", "Amortized"}},
        {"odd days paid",
         OddDaysPaidList(),
         {"None", "With Origination", "With First", "Amortized"}},
        {"odd days paid without none",
         OddDaysPaidListNoNone(),
         {"With Origination", "With First", "Amortized"}},
        {"odd days calc",
         OddDaysCalcList(),
         {"No Odd Interest", "Prorated", "Simple 360", "Simple 365", "Compound 360",
          "Compound 365"}},
        {"short period paid",
         ShortPeriodPaidList(),
         {"No Reduction", "Reduce First", "Reduce All"}},
        {"short period calc", ShortPeriodCalcList(), {"Prorated", "Simple 360", "Simple 365"}},
        {"acceleration",
         AccelerationMethodList(),
         {"No Acceleration", "Half Monthly", "Prepaid Principal"}},
        {"twice monthly days",
         TwiceMonthlyDaysList(),
         {"1st & 15th", "1st & 16th", "15th & Last Day", "1st & 3rd Mon.", "1st & 3rd Tues.",
          "1st & 3rd Wed.", "1st & 3rd Thurs.", "1st & 3rd Fri.", "2nd & 4th Mon.",
          "2nd & 4th Tues.", "2nd & 4th Wed.", "2nd & 4th Thurs.", "2nd & 4th Fri.", "Half Month"}},
        {"weekend adjustment",
         WeekendAdjustmentList(),
         {"No Adjustment", "Closest Day", "Force Friday", "Force Monday"}},
        {"starting date",
         StartingDateList(),
         {"Today", "Last entered date", "First this month", "First next month"}},
        {"payment timing", PaymentTimingList(), {"Arrears", "Advance"}},
        {"false/true", FalseTrueList(), {"False", "True"}},
        {"no/yes", NoYesList(), {"No", "Yes"}},
        {"first/amortize/last", FirstAmortizeLastList(), {"First", "Amortize", "Last"}},
        {"payment adjustment",
         PaymentAdjustmentList(),
         {"No Adjustment", "Increase Payment", "Reduce Interest"}},
        {"last day of month", LastDayOfMonthAdjustmentList(), {"Ignore", "Adjust"}},
        {"payment type", PaymentTypeList(), {"Normal", "Fixed", "Interest Only"}},
        {"rounding method",
         RoundingMethodList(),
         {"Last Payment", "First Loan", "Balloon", "Specific Line", "Open Balance", "Ignore"}},
        {"rate type", RateTypeList(), {"APR", "Effective", "Monthly", "Daily"}},
        {"deductible", InterestDeductibleList(), {"Deductible", "Not Deductible"}},
        {"depreciation method", DepreciationMethodList(), {"150% DB", "200% DB", "Straight Line"}},
        {"depreciation convention",
         DepreciationConventionList(),
         {"Half Year", "Mid Quarter", "Mid Month"}},
        {"depreciation treatment",
         DepreciationTreatmentList(),
         {"All Advantages", "Not Considered", "No Depreciation"}},
        {"day count basis",
         DayCountBasisList(),
         {"30/360 NASD", "Act/360", "Act/365", "Act/Act", "30/360 European", "Old European"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(DisplayLists, ListsAreBuiltOnceAndShared) {
    // Windows keep references to the lists, so every call must return the same object.
    EXPECT_EQ(&PaymentFrequencyList(), &PaymentFrequencyList());
    EXPECT_EQ(&CompoundingFrequencyList2(), &CompoundingFrequencyList2());
}

TEST(DisplayLists, FourMonthFrequencyTextDependsOnTheList) {
    EXPECT_EQ(PaymentFrequencyList()[PaymentFrequencyIndex(fqFourMonth)], "4 Month");
    EXPECT_EQ(CompoundingFrequencyList()[CompoundingFrequencyIndex(fqFourMonth)], "4 Month");
    EXPECT_EQ(CompoundingFrequencyList2()[CompoundingFrequencyIndex(fqFourMonth)], "4-Month");
}

TEST(DisplayLists, MonthlyPaymentFrequencyShowsAtDifferentIndexesPerList) {
    EXPECT_EQ(PaymentFrequencyIndex(fqMonthly), 5);
    EXPECT_EQ(PaymentFrequencyList()[5], "Monthly");
    EXPECT_EQ(CompoundingFrequencyIndex(fqMonthly), 6);
    EXPECT_EQ(CompoundingFrequencyList()[6], "Monthly");
}

TEST(DisplayLists, FrequencyMappingsRoundTripOverEveryRow) {
    for (int code = fqDaily; code <= fqAnnually; ++code) {
        EXPECT_EQ(PaymentFrequencyIndex(code), code - 1);
        EXPECT_EQ(PaymentFrequencyFromIndex(code - 1), code);
    }
    for (int code = fqContinuous; code <= fqExact; ++code) {
        EXPECT_EQ(CompoundingFrequencyIndex(code), code);
        EXPECT_EQ(CompoundingFrequencyFromIndex(code), code);
    }
}

TEST(DisplayLists, StoredPointsCodeIsListIndexPlusOne) {
    EXPECT_EQ(PointsPaidIndex(ppWithOrigination), 0);
    EXPECT_EQ(PointsPaidList()[0], "With Origination");
    EXPECT_EQ(PointsPaidIndex(ppAmortized), 2);
    EXPECT_EQ(PointsPaidList()[2], "Amortized");
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(PointsPaidFromIndex(index), index + 1);
}

TEST(DisplayLists, OutOfRangeArgumentsMapToTheDefaultRow) {
    // A damaged stored code shows the default (monthly, "With Origination") instead of a
    // row outside the list.
    struct Case {
        int (*map)(int);
        int argument, expected;
    } cases[] = {
        {PaymentFrequencyIndex, 0, 5},
        {PaymentFrequencyIndex, 12, 5},
        {PaymentFrequencyIndex, -1, 5},
        {PaymentFrequencyIndex, INT_MIN, 5},
        {PaymentFrequencyFromIndex, -1, 6},
        {PaymentFrequencyFromIndex, 11, 6},
        {PaymentFrequencyFromIndex, INT_MAX, 6},
        {CompoundingFrequencyIndex, -1, 6},
        {CompoundingFrequencyIndex, 13, 6},
        {CompoundingFrequencyIndex, 255, 6},
        {CompoundingFrequencyFromIndex, 13, 6},
        {CompoundingFrequencyFromIndex, INT_MIN, 6},
        {PointsPaidIndex, 0, 0},
        {PointsPaidIndex, 4, 0},
        {PointsPaidIndex, INT_MIN, 0},
        {PointsPaidFromIndex, -1, 1},
        {PointsPaidFromIndex, 3, 1},
        {PointsPaidFromIndex, INT_MAX, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.map(c.argument), c.expected) << "argument " << c.argument;
}

TEST(DisplayLists, ListTextIsEmptyOutsideTheList) {
    EXPECT_EQ(ListText(PointsPaidList(), 1), "With First");
    EXPECT_EQ(ListText(PointsPaidList(), 3), "");
    EXPECT_EQ(ListText(PointsPaidList(), -1), "");
    EXPECT_EQ(ListText(YearLengthList(), INT_MIN), "");
    EXPECT_EQ(ListText({}, 0), "");
}

} // namespace
} // namespace calvora

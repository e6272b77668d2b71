#pragma once

#include "persistence/regional_settings.h"
#include "refinance/advisor_types.h"

namespace calvora::test {

// United States money: "$1,234.56", negatives "-$1,234.56".
inline TRegionalSettings UsSettings() {
    TRegionalSettings us;
    us.DecimalSeparator = ".";
    us.ThousandSeparator = ",";
    us.CurrencyString = "$";
    us.CurrencyFormat = 0;
    us.NegCurrFormat = 1;
    us.CurrencyDecimals = 2;
    us.CountryCode = 1;
    return us;
}

// A valid monthly problem: 100000 left over 360 payments at 7.5 %, refinanced
// by 100000 over 360 payments at 6 %, sold after 5 years.
inline TRefinanceInputs MonthlyInputs() {
    TRefinanceInputs in;
    in.AssetName = "House";
    in.InterestDeductible = idDeductible;
    in.PointsAre = ppWithFirst;
    in.YearsUntilSale = 5;
    in.TaxBracket = 28;
    in.DiscountRate = 5;
    in.NewLoanAmount = 100000;
    in.NewPayments = 360;
    in.NewRate = 6;
    in.NewFrequency = fqMonthly;
    in.CurrentBalance = 100000;
    in.PeriodsRemaining = 360;
    in.CurrentRate = 7.5f;
    in.CurrentFrequency = fqMonthly;
    return in;
}

} // namespace calvora::test

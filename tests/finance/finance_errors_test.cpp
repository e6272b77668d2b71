#include "finance/finance_errors.h"
#include "support/expect_throw_msg.h"

#include <climits>
#include <iterator>
#include <string>

namespace calvora {
namespace {

struct Case {
    unsigned code;
    const char* text;
};

// Every finance-catalogue code from 401 to 435, gaps included: a gap gives the default text.
constexpr const char* kFinanceDefault = "Unknown schedule error.";
const Case financeCases[] = {
    {401, "Total periods must be greater than remaining balance period"},
    {402, ""},
    {403, ""},
    {404, "'Term' can't be zero.\n\r\n\r'Total Periods' can't be zero."},
    {405, "PV or Amount can't be zero."},
    {406, "Future Value (FV) can't be zero."},
    {407, "Rate can't be zero."},
    {408, "Cash flows can't all be zero."},
    {409, "Too many unknowns. Enter only one zero value."},
    {410, "Sorry, can't derive IRR."},
    {411, "Ending date is earlier than starting date."},
    {412, "Data file was created with an unsupported version.\r\rOr unrecognized file type."},
    {413, "The above 'Guess' is not close enough.\r\nEither enter a different 'Guess' or \r\nenter "
          "zero as a 'Guess' so that the software\r\ncan provide the guess."},
    {414, "Invalid period. Out of range error.\r\nRequested period does not exist."},
    {415, "Yield calculation out of range.\r\n"},
    {416, "Yield can't be zero.\r\n"},
    {417, "Discount rate can't be zero.\r\n"},
    {418, "No unknowns. Enter a zero for unknown value."},
    {419, "Dates out of sequence."},
    {420, "Illegal zero value or too many zero values entered.\r\nCurrent Price and "
          "Yield-to-Maturity (or Discount Rate) can't both be zero.\r\nAlso, make sure Coupon "
          "Rate, Annual Rate, Call Price and/or Redemption Value aren't zero."},
    {421, "T-bill term cannot exceed one year."},
    {422, "APY Undefined. Term and PV can't be '0'."},
    {423, "Rate less than '0.00'.\r\nPayment for term does not cover principal.\r\nIncrease "
          "payment, lengthen term or\r\nreduce the amount of the loan."},
    {424, kFinanceDefault},
    {425, "Amount less than zero."},
    {426, "Term is infinite. Payment or withdrawal is too small.\r\nIt does not exceed periodic "
          "interest amount.\r\nIncrease payment or withdrawal amount."},
    {427, "Unknown Amortization Method."},
    {428, "Can't solve for rate with this amortization method."},
    {429, "No interest loans must have the annual interest rate set to 0.0"},
    {430, kFinanceDefault},
    {431, "Can't solve. Maximum tries reached."},
    {432, "Invalid File format, File could not be loaded"},
    {433, "'Exact', 'Continuous' and 'Daily'\r\nare not valid for this Canadian method."},
    {434, "'Daily' is not valid\r\nwhen straight-line odd days is selected."},
    {435, "Call date must be earlier than maturity date."},
};

// Every cash-schedule code from 1001 to 1075; the assembled messages are written out whole.
const Case cashScheduleCases[] = {
    {1001, "Both rate and PV (amount of loan) can't be unknown."},
    {1002, "Both rate and payment amount can't be unknown."},
    {1003, "Memory not allocated for schedule."},
    {1004, "Value and periods can't both be unknown."},
    {1005, "Dates out of sequence."},
    {1006, "Only one unknown number allowed."},
    {1007, "Both rate and amount can't be unknown."},
    {1008, "Both rate and term (#) can't be unknown."},
    {1009, "Both PV and term can't be unknowns."},
    {1010, "First event cannot be a rate event."},
    {1011, "Last event cannot be a rate event."},
    {1012, "Compounding frequency not supported."},
    {1013, "Rate change event not allowed with Rule-of-78s."},
    {1014, "Can't have multiple loan events with Rule-of-78s."},
    {1015, "Can't have deposit or withdrawals with Rule-of-78s."},
    {1016, "Invalid special series for this amortization method."},
    {1017, "Cash flow not calculated."},
    {1018, "Balance date for the amount can't be calculated."},
    {1019, "Too many prepaid days or dates are out of order."},
    {1020, "Can't calculate unknown rate. Maximum number of periods reached."},
    {1021, "Can't calculate APR when there are unknown values."},
    {1022, "This problem can't be calculated. It would produce a negative interest rate. Negative "
           "interest rates are not allowed with continuous compounding."},
    {1023, "Period can't be 0.\r\n\r\nPlease correct."},
    {1024, "Privious Debt is not initialized properly. \r\nTo complete this debt entry, make sure, "
           "you have supplied\r\nvalues for Balance, current Payment and Interest Rate"},
    {1025, "Two Debts have same priority.\r\n\r\nYou must correct it by changing one or the other"},
    {1026, "Both present value and deposit amount can't be zero."},
    {1027, "Rate can't be zero."},
    {1028, "Total period can't be 0 or 1..."},
    {1029, "Both present value and withdrawl amount can't be zero."},
    {1030, "Amount can't be zero."},
    {1031, "Total period can't be 0."},
    {1032, "Programming error - Transaction record not allocated."},
    {1033, "Period number is either beyond\r\nterm of loan or it is negative."},
    {1034, "Unknown Amortization Method."},
    {1035, "Rate can't be unknown when minimum payment special series is selected."},
    {1036, "\"Current Payment\" is less than the minimum payment percent or amount."},
    {1037, "Current Payment cann't be greater than Loan Balance."},
    {1038, "Invalid Date"},
    {1039, "Memory not allocated for schedule."},
    {1040, "Internal Programming Error:\r\nPeriods out of sync."},
    {1041, "Buffer not initialized"},
    {1042, "Initial Interest only periods not supported\r\n\r\nWhen there is a balloon  payment "
           "due"},
    {1043, "Extra payments can't start at period '0'"},
    {1044, "Data file was created with an unsupported version.\r\rOr unrecognized file type."},
    {1045, "Too many unknowns. Enter only one zero value."},
    {1046, "Invalid inputs."},
    {1047, "Can't calculate unknown term. Maximum number of periods reached."},
    {1048, "Can't solve for rate with this amortization method."},
    {1049, "No interest loans must have the annual interest rate set to 0.0"},
    {1050, "Can't solve for number of periods with this amortization method."},
    {1051, "Too many unknowns.\r\n\r\nMake sure, you have entered values for Balance,?\r\nCurrent "
           "Payment and Interest Rate"},
    {1052, "No Zero Values allowed."},
    {1053, "Second Mortgage not required.\r\n\r\nCash available plus first mortgage is equal\r\nto "
           "or greater than the purchase price."},
    {1054, "can't add period, over max periods"},
    {1055, "Memory not allocated for Loans"},
    {1056, "No Debt Reduction Method is selected.\r\nPlease select one."},
    {1057, "Interest Rate for new Loan can't be 0.\r\nPlease correct."},
    {1058, "When solving for Balloon Payment Amount, \r\nPlease set 'Force Calculation' "
           "off\r\nunder Preferences menu"},
    {1059, "Too many unknowns. Enter only one zero value.\r\n\r\nIs {Adjustments}{Balloon "
           "Details...} set to -1.00?\r\n\r\nIs so, that's an unknown value too.\r\n\r\nIf this "
           "is not a balloon loan,\r\n\r\nset 'Balloon Payment Amount' to 0.00"},
    {1060, "Cannot solve for term.\r\n\r\nMore periods would be required,\r\nat the selected "
           "frequency, than\r\nwhat there is time for, before\r\nthe next scheduled "
           "event\r\n\r\nExample: If the cash flow frequency\r\nis quarterly and the time until "
           "the \r\nnext event is two years, you'll get\r\nthis message if the program "
           "calculates\r\n9 or more periods."},
    {1061, "Minimum Payment Percentage is too low for this Interest Rate."},
    {1062, "Current Payment as entered can never repay the loan, you must correct before "
           "proceeding."},
    {1063, "Minimum Payment as entered can never repay the loan, you must correct before "
           "proceeding."},
    {1064, "\"Current Payment\" is less than the minimum payment percent or amount."},
    {1065, "\"Current Payment\" is less than the minimum payment percent."},
    {1066, "\"Current Payment\" is less than the minimum payment amount."},
    {1067, "\"Debt description\" is not entered, please enter a description."},
    {1068, "Invalid file or file not found."},
    {1069, "Initial interest only periods exceed entire term. \r\nIncrease number of 'Initial "
           "Periods' OR decrease\r\nthe number of 'Initial Interest Only Periods' under "
           "{Adjustments}."},
    {1070, "The interest rate can't be unknown\r\nwhen there are 'Initial Interest Only Periods'."},
    {1071, "can't solve for amount"},
    {1072, "'Odd Days Interest Paid When' can be set to 'With Origination' only\r\n\r\nwhen the "
           "second event is a payment event. Change the setting on 'Compute Setup'."},
    {1073, "Amortization Method must be set to 'Normal' when\r\n\r\n'Half Monthly Acceleration "
           "Method' is selected."},
    {1074, "The PV (Amount of Loan) cannot be unknown\r\n\r\nwhen initial odd days interest is "
           "paid with\r\n\r\nthe first payment. Set 'Odd Days Interest Paid'\r\n\r\nto 'With "
           "Origination' or 'Amortized'."},
    {1075, "'Increase Starts Period' can't be greater than 'Total Periods.'"},
};

// Walks a case table that must list every code from firstCode on, in order, and checks both
// the text lookup and the raise operation with its exception class.
template <typename Exception, std::size_t N>
void ExpectCatalogue(const Case (&cases)[N], unsigned firstCode, std::string (*text)(unsigned),
                     void (*raise)(unsigned)) {
    unsigned expectedCode = firstCode;
    for (const auto& c : cases) {
        ASSERT_EQ(c.code, expectedCode++) << "the case table must cover every code in order";
        EXPECT_EQ(text(c.code), c.text) << "code " << c.code;
        EXPECT_THROW_MSG(raise(c.code), Exception, c.text);
    }
}

TEST(FinanceCatalogue, EveryCodeRaisesItsExactText) {
    ExpectCatalogue<EFinanceException>(financeCases, 401, FinanceErrorText, RaiseFinanceError);
    EXPECT_EQ(std::size(financeCases), 35u) << "codes 401 to 435";
}

TEST(CashScheduleCatalogue, EveryCodeRaisesItsExactText) {
    ExpectCatalogue<ECashScheduleException>(cashScheduleCases, 1001, CashScheduleErrorText,
                                            RaiseCashScheduleError);
    EXPECT_EQ(std::size(cashScheduleCases), 75u) << "codes 1001 to 1075";
}

TEST(FinanceCatalogue, MissingCodesRaiseTheDefaultText) {
    // 424 is raised for a negative number of periods; it has no text of its own.
    for (unsigned code : {0u, 400u, 424u, 430u, 436u, 999u, 1000u, 1027u, UINT_MAX})
        EXPECT_THROW_MSG(RaiseFinanceError(code), EFinanceException, "Unknown schedule error.");
}

TEST(CashScheduleCatalogue, MissingCodesRaiseTheDefaultText) {
    for (unsigned code : {0u, 407u, 999u, 1000u, 1076u, 2000u, UINT_MAX})
        EXPECT_THROW_MSG(RaiseCashScheduleError(code), ECashScheduleException,
                         "Unknown equation error.");
}

TEST(CashScheduleCatalogue, TooManyUnknownsWithBalloonIsThreeParagraphs) {
    const std::string text = CashScheduleErrorText(1059);
    const std::string first = CashScheduleErrorText(1045);
    ASSERT_EQ(text.substr(0, first.size()), first);
    EXPECT_EQ(text.substr(first.size(), 4), "\r\n\r\n") << "a blank line after the first";
    EXPECT_EQ(text.substr(first.size() + 4, 3), "Is ") << "the balloon hint follows directly";
}

TEST(ErrorClasses, EachCatalogueRaisesOnlyItsOwnClass) {
    // The two classes are siblings: a handler for one must not swallow the other.
    EXPECT_THROW(
        try { RaiseFinanceError(407); } catch (const ECashScheduleException&){}, EFinanceException);
    EXPECT_THROW(
        try { RaiseCashScheduleError(1027); } catch (const EFinanceException&){},
        ECashScheduleException);
    EXPECT_THROW_MSG(RaiseFinanceError(407), ECalvoraError, "Rate can't be zero.");
    EXPECT_THROW_MSG(RaiseCashScheduleError(1027), std::runtime_error, "Rate can't be zero.");
}

} // namespace
} // namespace calvora

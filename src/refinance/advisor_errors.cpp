#include "refinance/advisor_errors.h"

namespace calvora {

namespace {

// Limits quoted inside three of the messages.
constexpr int kMaxTermYears = 31;
constexpr int kMaxTermPeriods = 373;
constexpr int kMaxMonthsOwned = 479;

const char* const kTooManyYears =
    "Too many years for either finance or lease term.\n\r\n\rTerm cannot exceed ";

} // namespace

std::string AdvisorErrorText(char code) {
    switch (code) {
    case 'e':
        return "'Date of Sale' must be later than 'Closing Date.'";
    case 'f':
        return "Purchase and Lease frequency must be equal.";
    case 'g':
        return kTooManyYears + std::to_string(kMaxTermYears) +
               " years.\n\r\n\rReduce the number of payments and/or increase the "
               "frequency.\n\r\n\rFor example: increasing the frequency from monthly to "
               "weekly\n\r\n\rwill reduce the number of years.";
    case 'h':
        return kTooManyYears + std::to_string(kMaxTermPeriods) +
               " periods.\n\r\n\rReduce the number of payments.";
    case 'i':
        return "Purchase price can't be zero.";
    case 'j':
        return "Purchase price must be greater than down payment";
    case 'k':
        return "Purchase interest rate can't be zero.";
    case 'l':
        return "Number of purchase payment periods can't be zero.";
    case 'm':
        return "Since this asset is to be depreciated,\r\na value for its useful life must be "
               "entered.\r\nPlease correct.\r\n";
    case 'n':
        return "Loan amount can't be zero.";
    case 'o':
        return "Number of payments or term can't be zero.";
    case 'p':
        return "Rate must be greater than zero.";
    case 'q':
        return "'Property Sold After' must be greater than zero.";
    case 'r':
        return "Original mortgage over maximum number of years.";
    case 's':
        return "Possible mortgage over maximum number of years.";
    case 't':
        return "Each loan must be for same periods per year.";
    case 'u':
    case 'v':
    case 'w':
    case 'x':
        return "No Zero Values allowed.";
    case 'y':
        return "'Property will be sold after? (Yrs):' can't be zero.";
    case 'z':
        return "'Selling Price' must be greater than total of component costs";
    case '{':
        return "Programming error - Transaction record not allocated.";
    case '|':
        return "Version Mismatch";
    case '}':
        return "Lease v Buy not calculated.";
    case '~':
        return std::to_string(kMaxMonthsOwned) +
               " is the maximum number of months property can be owned. Adjust sale date.";
    default:
        return "Unknown 'Adviser' error.";
    }
}

void RaiseAdvisorError(char code) {
    throw EAdvisorException(AdvisorErrorText(code));
}

} // namespace calvora

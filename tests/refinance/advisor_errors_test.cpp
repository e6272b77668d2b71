#include "refinance/advisor_errors.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

struct Case {
    char code;
    const char* message;
};

const Case kCatalogue[] = {
    {'e', "'Date of Sale' must be later than 'Closing Date.'"},
    {'f', "Purchase and Lease frequency must be equal."},
    {'g', "Too many years for either finance or lease term.\n\r\n\rTerm cannot exceed 31 "
          "years.\n\r\n\rReduce the number of payments and/or increase the frequency.\n\r\n\rFor "
          "example: increasing the frequency from monthly to weekly\n\r\n\rwill reduce the number "
          "of years."},
    {'h', "Too many years for either finance or lease term.\n\r\n\rTerm cannot exceed 373 "
          "periods.\n\r\n\rReduce the number of payments."},
    {'i', "Purchase price can't be zero."},
    {'j', "Purchase price must be greater than down payment"},
    {'k', "Purchase interest rate can't be zero."},
    {'l', "Number of purchase payment periods can't be zero."},
    {'m', "Since this asset is to be depreciated,\r\na value for its useful life must be "
          "entered.\r\nPlease correct.\r\n"},
    {'n', "Loan amount can't be zero."},
    {'o', "Number of payments or term can't be zero."},
    {'p', "Rate must be greater than zero."},
    {'q', "'Property Sold After' must be greater than zero."},
    {'r', "Original mortgage over maximum number of years."},
    {'s', "Possible mortgage over maximum number of years."},
    {'t', "Each loan must be for same periods per year."},
    {'u', "No Zero Values allowed."},
    {'v', "No Zero Values allowed."},
    {'w', "No Zero Values allowed."},
    {'x', "No Zero Values allowed."},
    {'y', "'Property will be sold after? (Yrs):' can't be zero."},
    {'z', "'Selling Price' must be greater than total of component costs"},
    {'{', "Programming error - Transaction record not allocated."},
    {'|', "Version Mismatch"},
    {'}', "Lease v Buy not calculated."},
    {'~', "479 is the maximum number of months property can be owned. Adjust sale date."},
};

TEST(AdvisorCatalogue, EveryCodeHasItsMessage) {
    for (const Case& c : kCatalogue) {
        SCOPED_TRACE(std::string("code ") + c.code);
        EXPECT_EQ(AdvisorErrorText(c.code), c.message);
        EXPECT_THROW_MSG(RaiseAdvisorError(c.code), EAdvisorException, c.message);
    }
}

TEST(AdvisorCatalogue, CodesOutsideTheCatalogueGiveTheDefaultText) {
    for (const char code : {'a', 'd', 'A', '0', '\x7f', '\0'}) {
        EXPECT_EQ(AdvisorErrorText(code), "Unknown 'Adviser' error.");
    }
}

TEST(AdvisorCatalogue, IsACalvoraError) {
    EXPECT_THROW_MSG(RaiseAdvisorError('r'), ECalvoraError,
                     "Original mortgage over maximum number of years.");
}

} // namespace
} // namespace calvora

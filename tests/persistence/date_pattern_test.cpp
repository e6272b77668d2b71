#include "finance/date_math.h"
#include "persistence/date_pattern.h"
#include "persistence/number_text.h"
#include "support/expect_throw_msg.h"

#include <gtest/gtest.h>

namespace calvora {
namespace {

// Day numbers from Python: (date(y, m, d) - date(1899, 12, 30)).days.
constexpr TDateTime k15March2011 = 40617; // a Tuesday
constexpr TDateTime k11December2026 = 46367;

TEST(FormatDateText, Patterns) {
    struct Case {
        const char* Pattern;
        const char* Expected;
    } const data[] = {
        {"MM/dd/yyyy", "03/15/2011"},
        {"M/d/yy", "3/15/11"},
        {"dd.MM.yyyy", "15.03.2011"},
        {"dd-MMM-yyyy", "15-Mar-2011"},
        {"dddd d MMMM yyyy", "Tuesday 15 March 2011"},
        {"ddd yyyy", "Tue 2011"},
        {"'day' d", "day 15"},
        {"yyyy'年'M'月'd'日'", "2011年3月15日"},
    };
    for (const Case& c : data) {
        EXPECT_EQ(FormatDateText(k15March2011, c.Pattern), c.Expected) << c.Pattern;
    }
}

TEST(ParseDateText, ReadsTheRegionalOrder) {
    struct Case {
        const char* Text;
        const char* Pattern;
        TDateTime Expected;
    } const data[] = {
        {"03/15/2011", "M/d/yyyy", k15March2011},
        {"3/15/2011", "MM/dd/yyyy", k15March2011},
        {"15.03.2011", "d.M.yyyy", k15March2011},
        {"2011-03-15", "yyyy-MM-dd", k15March2011},
        {"15-Mar-2011", "dd-MMM-yyyy", k15March2011},
        {"15 march 2011", "dd MMMM yyyy", k15March2011},
        {"15.3.11", "d.M.yy", k15March2011},
        // Two-digit years lie within 50 years before and 49 after today (2026).
        {"1.1.76", "d.M.yy", 27760}, // 1 January 1976
        {"1.1.75", "d.M.yy", 63920}, // 1 January 2075
        {"3/15", "M/d/yyyy", 46096}, // 15 March of the current year
    };
    for (const Case& c : data) {
        EXPECT_EQ(ParseDateText(c.Text, c.Pattern, k11December2026), c.Expected) << c.Text;
    }
}

TEST(ParseDateText, RejectsWhatIsNoDate) {
    for (const char* text : {"abc", "", "31/02/2020", "13/13/2020", "1/2/3/4", "15-Foo-2011",
                             "0/1/2020", "1/1/12345"}) {
        EXPECT_THROW_MSG(ParseDateText(text, "dd/MM/yyyy", k11December2026), EConvertError,
                         std::string("'") + text + "' is not a valid date");
    }
}

} // namespace
} // namespace calvora

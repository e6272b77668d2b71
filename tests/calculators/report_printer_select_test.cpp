// Choosing the report printer by name: exact first, then partial.
#include "calculators/report_printer_select.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace calvora {
namespace {

TEST(SelectPrinterIndex, ExactThenPartialThenNone) {
    const std::vector<std::string> installed = {"HP LaserJet 4 (office)", "Office PDF", "HP",
                                                "Brother HL"};
    struct Case {
        const char* wanted;
        int index;
    } const data[] = {
        {"HP", 2},              // exact beats the earlier partial match
        {"Office PDF", 1},      // exact
        {"PDF", 1},             // contained in one name only
        {"office", 0},          // partial, case ignored: first name containing it
        {"laserjet", 0},        // partial, case ignored
        {"DefaultPrinter", -1}, // the stored default: no such printer, current one stays
        {"Epson", -1},
        {"", -1},
    };
    for (const Case& c : data)
        EXPECT_EQ(SelectPrinterIndex(installed, c.wanted), c.index) << c.wanted;
}

TEST(SelectPrinterIndex, NoPrintersInstalled) {
    EXPECT_EQ(SelectPrinterIndex({}, "HP"), -1);
}

} // namespace
} // namespace calvora

#include "app/help_catalog.h"

#include "app/help_router.h"

#include <array>

namespace {

constexpr HelpTopicEntry kTopics[] = {
    // windows
    {kHelpTopicMainWindow, "main_window.html", "", "The main window",
     "main window;launch buttons;Windows menu;starting a calculator"},
    {8, "loan.html", "", "Loan Calculator", "loan;payment;solve for unknown"},
    {50, "interest.html", "", "Compound & Simple Interest Calculator",
     "interest;compound interest;simple interest;future value;APY"},
    {32, "accel.html", "", "Accelerated Payment Calculator",
     "accelerated payment;extra payments;interest saved"},
    {92, "balloon.html", "", "Balloon Payment Calculator", "balloon payment;final payment"},
    {91, "rembal.html", "", "Remaining Balance Calculator",
     "remaining balance;payoff;balance after payment"},
    {5230, "auto.html", "", "Automobile Loan Calculator", "automobile loan;car loan;cash down"},
    {5250, "mortgage.html", "", "Mortgage Loan Calculator", "mortgage;percent down;real estate"},
    {436, "amortization.html", "", "Basic Amortization Schedule",
     "amortization schedule;schedule;annual totals;fiscal year"},
    {330, "amortization.html", "options", "Amortization options", "amortization options"},
    {94, "refinance.html", "", "Refinance Adviser", "refinance;adviser;narrative"},
    {301, "options_page.html", "", "The Options page",
     "options page;defaults;last entered calculation;local defaults;global defaults"},
    {338, "preferences.html", "global", "Global Options",
     "global options;global defaults;data folder"},
    {5580, "preferences.html", "startdate", "Assumed Start Date",
     "assumed start date;start date;loan date"},
    {5870, "preferences.html", "reset", "Reset Program Options", "reset options;settings file"},
    {kHelpTopicPrinterSetup, "printing.html", "", "Printing and the default printer",
     "printer;printing;default printer;printer font;PDF"},
    {kHelpTopicSkins, "preferences.html", "skins", "Skins", "skins;appearance;dark skin"},
    {kHelpTopicHelpOnHelp, "help_on_help.html", "", "Using help", "help;F1;index;contents"},
    {3020, "help_on_help.html", "keys", "Program Keys (Getting Around)", "keys;keyboard;Tab;Esc"},
    {3030, "main_window.html", "features", "Feature List", "features"},
    // fields
    {6, "fields.html", "t6", "Amount of Loan", "amount of loan;principal;present value"},
    {1, "fields.html", "t6", "Amount of Loan (schedule)", ""},
    {97, "fields.html", "t97", "Total Periods", "total periods;number of payments;term"},
    {10, "fields.html", "t97", "Number of Payments", ""},
    {411, "fields.html", "t97", "Initial Periods", ""},
    {81, "fields.html", "t81", "Annual Rate", "annual rate;interest rate;rate"},
    {271, "fields.html", "t11", "Periodic Payment (balloon)", ""},
    {11, "fields.html", "t11", "Periodic Payment", "periodic payment;payment amount"},
    {16, "fields.html", "t16", "Payment Period", "payment period;payment frequency;monthly"},
    {13, "fields.html", "t13", "Compounding Period", "compounding period;compounding"},
    {25, "fields.html", "t25", "Payment Method", "payment method;arrears;advance"},
    {12, "fields.html", "t12", "Amortizing Method", "amortizing method;Canadian;rule of 78"},
    {39, "fields.html", "t39", "Number of Days", "number of days"},
    {41, "fields.html", "t41", "Start Date", "start date"},
    {42, "fields.html", "t41", "End Date", "end date"},
    {45, "fields.html", "t45", "Days in Year", "days in year;year length;360 days"},
    {6070, "fields.html", "t45", "Days in Year", ""},
    {395, "fields.html", "t395", "Increase Starts at Period",
     "increase starts;extra payment start"},
    {57, "fields.html", "t57", "Extra Amount Paid", "extra amount paid"},
    {328, "fields.html", "t328", "Balloon Due at Period", "balloon period"},
    {86, "fields.html", "t86", "Final Balloon Payment", "final balloon payment"},
    {34, "fields.html", "t34", "Balance After Payment Number", "balance after payment"},
    {6230, "fields.html", "t6230", "Price of Car", "price of car"},
    {6250, "fields.html", "t6250", "Down Payment", "down payment"},
    {6290, "fields.html", "t6290", "Price of Real Estate", "price of real estate"},
    {6270, "fields.html", "t6270", "Down Payment Percent", "down payment percent"},
    {70, "fields.html", "t70", "Points", "points"},
    {112, "fields.html", "t112", "Origination Date", "origination date"},
    {113, "fields.html", "t112", "First Payment Date", "first payment date"},
    {115, "fields.html", "t70", "Points Paid How", ""},
    {138, "refinance.html", "general", "Asset", ""},
    {79, "refinance.html", "general", "Interest and points deductible", "deductible"},
    {77, "refinance.html", "general", "Points are", ""},
    {80, "refinance.html", "general", "Years until sale", "years until sale"},
    {83, "refinance.html", "general", "Tax bracket", "tax bracket"},
    {84, "refinance.html", "general", "Discount rate", "discount rate"},
    {64, "refinance.html", "current", "Periods remaining", ""},
    {347, "refinance.html", "possible", "Possible lender", ""},
    {66, "refinance.html", "possible", "New loan amount", ""},
    {157, "refinance.html", "possible", "Number of payments", ""},
    {75, "refinance.html", "possible", "Closing costs", "closing costs"},
    {192, "refinance.html", "possible", "Prepayment penalty", "prepayment penalty"},
    // buttons
    {118, "buttons.html", "calc", "Calc button", "Calc"},
    {381, "buttons.html", "close", "Close button", "Close"},
    {24, "buttons.html", "help", "Help button", "Help button"},
    {26, "buttons.html", "print", "Print button", "Print;report"},
    {27, "buttons.html", "copy", "Copy button", "Copy;clipboard"},
    {19, "buttons.html", "reset", "Reset button", "Reset"},
    {28, "buttons.html", "undo", "Undo button", "Undo"},
    {174, "buttons.html", "prior", "Prior button", ""},
    {175, "buttons.html", "next", "Next button", ""},
};

constexpr int kStarting[] = {kHelpTopicMainWindow, 3030, 3020, kHelpTopicHelpOnHelp};
constexpr int kCalculators[] = {8, 50, 32, 92, 91, 5230, 5250, 301};
constexpr int kSchedules[] = {436, 94};
constexpr int kFields[] = {6,   97, 81,  11, 16, 13,   25,   12,   39,   41, 45,
                           395, 57, 328, 86, 34, 6230, 6250, 6290, 6270, 70, 112};
constexpr int kButtons[] = {118, 381, 24, 26, 27, 19, 28};
constexpr int kPreferences[] = {338, 5580, 5870, kHelpTopicSkins, kHelpTopicPrinterSetup};

constexpr HelpChapter kChapters[] = {
    {"Getting started", kStarting},
    {"Calculators", kCalculators},
    {"Schedules and advisers", kSchedules},
    {"Fields", kFields},
    {"Buttons", kButtons},
    {"Preferences and printing", kPreferences},
};

} // namespace

std::span<const HelpTopicEntry> HelpTopics() {
    return kTopics;
}

std::span<const HelpChapter> HelpContents() {
    return kChapters;
}

const HelpTopicEntry* FindHelpTopic(int topic) {
    for (const HelpTopicEntry& entry : kTopics)
        if (entry.topic == topic)
            return &entry;
    return nullptr;
}

QString HelpContentsUrl() {
    return QStringLiteral("qrc:/help/index.html");
}

QString HelpTopicUrl(int topic) {
    const HelpTopicEntry* entry = FindHelpTopic(topic);
    if (entry == nullptr)
        return HelpContentsUrl();
    QString url = QStringLiteral("qrc:/help/") + QString::fromLatin1(entry->page);
    if (*entry->anchor != '\0')
        url += QLatin1Char('#') + QString::fromLatin1(entry->anchor);
    return url;
}

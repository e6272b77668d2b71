#include "cli/schedule_output.h"

#include "cli/cli_options.h"
#include "cli/cli_output.h"

#include <cstdio>
#include <sstream>

namespace calvora::cli {

namespace {

std::string Money(Extended value) {
    return MoneyValue(value).Text;
}

// The money columns of a row, in the order of the listings.
struct RowFigures {
    Extended Values[7];
};

RowFigures Figures(const TTransactionClass& row) {
    return {{row.Payment, row.Principal, row.Interest, row.Balance, row.CumulativePayments,
             row.CumulativePrincipal, row.CumulativeInterest}};
}

const char* const kFigureKeys[7] = {"payment",
                                    "principal",
                                    "interest",
                                    "balance",
                                    "cumulative_payments",
                                    "cumulative_principal",
                                    "cumulative_interest"};

} // namespace

std::string ScheduleRowsJson(const TbufSimpleAmort& buffer) {
    std::ostringstream out;
    out << '[';
    for (int i = 0; i < buffer.RowCount(); ++i) {
        const TTransactionClass& row = buffer.Row(i);
        out << (i == 0 ? "" : ", ") << "{\"period\": " << row.PeriodNumber
            << ", \"label\": " << JsonString(row.Label)
            << ", \"date\": " << JsonString(FormatIsoDate(row.Date));
        const RowFigures figures = Figures(row);
        for (int k = 0; k < 7; ++k)
            out << ", \"" << kFigureKeys[k] << "\": " << Money(figures.Values[k]);
        out << '}';
    }
    out << ']';
    return out.str();
}

std::string FiscalYearJson(const FiscalYearTotals& year) {
    const TAmortTotals& t = year.Totals;
    std::ostringstream out;
    out << "{\"label\": " << JsonString(year.Label) << ", \"first_period\": " << t.FirstPeriod
        << ", \"last_period\": " << t.LastPeriod << ", \"payments\": " << Money(t.Payments)
        << ", \"principal\": " << Money(t.Principal) << ", \"interest\": " << Money(t.Interest)
        << ", \"running_payments\": " << Money(t.RunningPayments)
        << ", \"running_principal\": " << Money(t.RunningPrincipal)
        << ", \"running_interest\": " << Money(t.RunningInterest) << '}';
    return out.str();
}

std::string ScheduleRowsText(const TbufSimpleAmort& buffer,
                             const std::optional<FiscalYearTotals>& year) {
    std::ostringstream out;
    char line[160];
    std::snprintf(line, sizeof line, "\n%-8s %-10s %14s %14s %14s %16s\n", "#/Yr", "Date",
                  "Payment", "Principal", "Interest", "Balance");
    out << line;
    for (int i = 0; i < buffer.RowCount(); ++i) {
        const TTransactionClass& row = buffer.Row(i);
        std::snprintf(line, sizeof line, "%-8s %-10s %14s %14s %14s %16s\n", row.Label.c_str(),
                      FormatIsoDate(row.Date).c_str(), Money(row.Payment).c_str(),
                      Money(row.Principal).c_str(), Money(row.Interest).c_str(),
                      Money(row.Balance).c_str());
        out << line;
    }
    if (year) {
        const TAmortTotals& t = year->Totals;
        out << "\nFiscal year " << year->Label << " (periods " << t.FirstPeriod << " to "
            << t.LastPeriod << ")\n";
        std::snprintf(line, sizeof line, "%-16s %14s %14s %14s\n", "", "Payments", "Principal",
                      "Interest");
        out << line;
        std::snprintf(line, sizeof line, "%-16s %14s %14s %14s\n",
                      "Annual Totals:", Money(t.Payments).c_str(), Money(t.Principal).c_str(),
                      Money(t.Interest).c_str());
        out << line;
        std::snprintf(line, sizeof line, "%-16s %14s %14s %14s\n",
                      "Running Totals:", Money(t.RunningPayments).c_str(),
                      Money(t.RunningPrincipal).c_str(), Money(t.RunningInterest).c_str());
        out << line;
    }
    return out.str();
}

void WriteScheduleCsv(std::ostream& out, const TbufSimpleAmort& buffer,
                      const std::optional<FiscalYearTotals>& year) {
    out << "period,label,date";
    for (const char* key : kFigureKeys)
        out << ',' << key;
    out << '\n';
    for (int i = 0; i < buffer.RowCount(); ++i) {
        const TTransactionClass& row = buffer.Row(i);
        out << row.PeriodNumber << ',' << row.Label << ',' << FormatIsoDate(row.Date);
        const RowFigures figures = Figures(row);
        for (const Extended value : figures.Values)
            out << ',' << Money(value);
        out << '\n';
    }
    // Totals lines carry payments, principal and interest in their columns.
    auto totals = [&out](const std::string& label, Extended payments, Extended principal,
                         Extended interest) {
        out << ',' << label << ",," << Money(payments) << ',' << Money(principal) << ','
            << Money(interest) << ",,,,\n";
    };
    totals("Total", buffer.TotalPayments(), buffer.TotalPrincipal(), buffer.TotalInterest());
    if (year) {
        const TAmortTotals& t = year->Totals;
        totals("Annual " + year->Label, t.Payments, t.Principal, t.Interest);
        totals("Running " + year->Label, t.RunningPayments, t.RunningPrincipal, t.RunningInterest);
    }
}

} // namespace calvora::cli

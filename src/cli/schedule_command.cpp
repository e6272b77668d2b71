#include "amortization/amort_simple_buffer.h"
#include "cli/cli_command.h"
#include "cli/cli_names.h"
#include "cli/commands.h"
#include "cli/schedule_output.h"
#include "finance/financial_lists.h"

#include <algorithm>
#include <cstdio>

namespace calvora::cli {

namespace {

OptionSet ScheduleOptions() {
    return OptionSet(
        "schedule",
        "The amortization schedule of a loan: the periodic payment and every payment\n"
        "with its date, principal, interest and balance. Amount, number of payments\n"
        "and rate (unless the method is no-interest) must be given.",
        {{"amount", "MONEY", "amount of the loan"},
         {"periods", "COUNT", "number of payments"},
         {"rate", "PERCENT", "annual rate in percent"},
         {"origination", "YYYY-MM-DD", "loan date (default today)"},
         {"first-payment", "YYYY-MM-DD",
          "first payment date (default the 1st of the month "
          "after next, or of next month on the 1st)"},
         {"frequency", "NAME", "payment period (default monthly)"},
         {"compounding", "NAME", "compounding period, also continuous or exact (default monthly)"},
         {"method", "NAME", "normal canadian fixed-principal interest-only no-interest rule-of-78"},
         {"points", "PERCENT", "points in percent of the loan amount (default 0)"},
         {"points-paid", "NAME",
          "with-origination with-first amortized (default with-origination)"},
         {"odd-days-paid", "NAME",
          "none with-origination with-first amortized (default "
          "with-origination)"},
         {"short-period-paid", "NAME",
          "no-reduction reduce-first reduce-all (default "
          "reduce-first)"},
         {"fiscal-year-end", "MONTH", "month 1..12 that ends the fiscal year (default 12)"},
         {"fiscal-year", "YY", "add the annual and running totals of this fiscal year"},
         {"csv", "", "print the rows as CSV"},
         {"json", "", "print one JSON object with every row"}});
}

void ReadInputs(const OptionSet& options, TbufSimpleAmort& buffer) {
    TcalcAmortSimpleTransferRec values = buffer.Transfer();
    values.Amount = static_cast<double>(options.Number("amount"));
    values.Periods = CountOption(options, "periods");
    values.AnnualRate = static_cast<float>(options.Number("rate"));
    values.Points = static_cast<float>(options.Number("points"));
    values.OriginationDate = options.Date("origination", values.OriginationDate);
    values.FirstPaymentDate = options.Date("first-payment", values.FirstPaymentDate);
    values.PaymentPeriod.Index =
        PaymentFrequencyIndex(options.Choice("frequency", PaymentFrequencyNames(), fqMonthly));
    values.PaymentPeriod.Text = ListText(PaymentFrequencyList(), values.PaymentPeriod.Index);
    values.Compounding.Index = options.Choice("compounding", CompoundingNames(), fqMonthly);
    values.Compounding.Text = ListText(CompoundingFrequencyList(), values.Compounding.Index);
    buffer.SetTransfer(values);

    buffer.SetAmortMethod(static_cast<std::uint8_t>(
        options.Choice("method", AmortizationMethodNames(), buffer.AmortMethod())));
    buffer.SetPointsPaid(static_cast<std::uint8_t>(
        options.Choice("points-paid", PointsPaidNames(), buffer.PointsPaid())));
    buffer.SetOddDaysPaid(static_cast<std::uint8_t>(
        options.Choice("odd-days-paid", OddDaysPaidNames(), buffer.OddDaysPaid())));
    buffer.SetShortPeriodPaid(static_cast<std::uint8_t>(
        options.Choice("short-period-paid", ShortPeriodPaidNames(), buffer.ShortPeriodPaid())));
    const long long fiscalYearEnd = options.Integer("fiscal-year-end", buffer.FiscalYearEnd());
    if (fiscalYearEnd < 1 || fiscalYearEnd > 12)
        throw EUsageError("option --fiscal-year-end: " + std::to_string(fiscalYearEnd) +
                          " is not a month from 1 to 12");
    buffer.SetFiscalYearEnd(static_cast<int>(fiscalYearEnd));
}

// Selects the fiscal year the user named by its two digits, as a year tab would.
std::optional<FiscalYearTotals> SelectFiscalYear(const OptionSet& options,
                                                 TbufSimpleAmort& buffer) {
    const auto text = options.Text("fiscal-year");
    if (!text)
        return std::nullopt;
    const long long yy = ParseInteger(*text, "fiscal-year");
    if (yy < 0 || yy > 99)
        throw EUsageError("option --fiscal-year: '" + *text + "' is not a two-digit year");
    char label[8];
    std::snprintf(label, sizeof label, "%02lld", yy);
    const std::vector<std::string> labels = buffer.FiscalYearLabels();
    const auto found = std::find(labels.begin(), labels.end(), label);
    if (found == labels.end())
        throw EUsageError("option --fiscal-year: the schedule has no fiscal year " +
                          std::string(label) + " (it runs from " + labels.front() + " to " +
                          labels.back() + ")");
    const int tab = static_cast<int>(found - labels.begin()) + 1;
    buffer.AnnualTotals(FiscalYearStartMonth(buffer.FiscalYearEnd()),
                        buffer.FiscalYearStartOfTab(tab));
    return FiscalYearTotals{label, buffer.Selection()};
}

void ReportSchedule(ResultReport& report, const TbufSimpleAmort& buffer) {
    const TcalcAmortSimpleTransferRec& values = buffer.Transfer();
    report.AddInput("amount", MoneyValue(values.Amount));
    report.AddInput("periods", CountValue(values.Periods));
    report.AddInput("rate", RateValue(values.AnnualRate));
    report.AddInput("points", RateValue(values.Points));
    report.AddSetting("origination", "Origination Date", DateValue(values.OriginationDate));
    report.AddSetting("first_payment", "1st Payment Date", DateValue(values.FirstPaymentDate));
    report.AddSetting(
        "frequency", "Payment Period",
        WordValue(ChoiceName(values.PaymentPeriod.Index + 1, PaymentFrequencyNames())));
    report.AddSetting("compounding", "Compounding Period",
                      WordValue(ChoiceName(values.Compounding.Index, CompoundingNames())));
    report.AddSetting("method", "Amortizing Method",
                      WordValue(ChoiceName(buffer.AmortMethod(), AmortizationMethodNames())));
    report.AddSetting("points_paid", "Points Paid How",
                      WordValue(ChoiceName(buffer.PointsPaid(), PointsPaidNames())));
    report.AddSetting("odd_days_paid", "Odd Days Interest Paid When",
                      WordValue(ChoiceName(buffer.OddDaysPaid(), OddDaysPaidNames())));
    report.AddSetting("short_period_paid", "Short Period Interest Paid How",
                      WordValue(ChoiceName(buffer.ShortPeriodPaid(), ShortPeriodPaidNames())));
    report.AddSetting("fiscal_year_end", "Fiscal Year End", CountValue(buffer.FiscalYearEnd()));

    report.AddOutput("payment", "Periodic Payment", MoneyValue(buffer.PeriodicPayment()), true);
    report.AddOutput("points_amount", "Amount Due to Points", MoneyValue(buffer.PointsAmount()));
    report.AddOutput("last_period", "Last Period", CountValue(buffer.LastPeriodNumber()));
    report.AddOutput("total_payments", "Total Payments", MoneyValue(buffer.TotalPayments()));
    report.AddOutput("total_principal", "Total Principal", MoneyValue(buffer.TotalPrincipal()));
    report.AddOutput("total_interest", "Total Interest", MoneyValue(buffer.TotalInterest()));
    report.SetSolvedFor("payment");
}

} // namespace

int RunScheduleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    OptionSet options = ScheduleOptions();
    return RunCommand(options, args, out, err, [&](std::ostream& result) {
        const bool csv = options.Flag("csv");
        const bool json = options.Flag("json");
        if (csv && json)
            throw EUsageError("--csv and --json cannot be combined");
        TbufSimpleAmort buffer;
        ReadInputs(options, buffer);
        buffer.Calculate();
        const std::optional<FiscalYearTotals> year = SelectFiscalYear(options, buffer);

        if (csv) {
            WriteScheduleCsv(result, buffer, year);
            return;
        }
        ResultReport report("schedule");
        ReportSchedule(report, buffer);
        if (json) {
            report.AddJsonMember("rows", ScheduleRowsJson(buffer));
            if (year)
                report.AddJsonMember("fiscal_year", FiscalYearJson(*year));
        } else {
            report.AddTextBlock(ScheduleRowsText(buffer, year));
        }
        report.Write(result, json);
    });
}

} // namespace calvora::cli

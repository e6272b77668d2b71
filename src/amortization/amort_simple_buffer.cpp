#include "amortization/amort_simple_buffer.h"

#include "calculators/loan_equation_base.h"
#include "finance/finance_errors.h"
#include "finance/financial_lists.h"
#include "schedule/schedule_factory.h"

#include <cmath>

namespace calvora {

namespace {

// The tool's own date arithmetic works on whole days.
TDateTime DatePart(TDateTime date) {
    return DayNumber(date);
}

} // namespace

TbufSimpleAmort::TbufSimpleAmort() {
    InitTransfer();
}

void TbufSimpleAmort::InitTransfer() {
    m_transfer = {};
    auto& labels = m_transfer.Labels;
    labels[0] = "&Amount of Loan?:";
    labels[1] = "Initial &Periods? (#):";
    labels[2] = "Annual &Rate?:";
    labels[3] = "Ori&gination Date?:";
    labels[4] = "1&st Payment Date?:";
    labels[5] = "Payme&nt Period?:";
    labels[6] = "Compounding Perio&d?:";
    labels[7] = "Poin&ts?:";
    labels[8] = "Annual Totals:";
    labels[12] = "Running Totals:";

    const TDateTime today = TodayDate();
    m_transfer.OriginationDate = today;
    // The first of next month when today is the 1st, else the first of the month after.
    const TDateTime nextFirst = TcalcDateMathEx::FirstOfNextMonth(today);
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(today, year, month, day);
    m_transfer.FirstPaymentDate =
        day == 1 ? nextFirst : TcalcDateMathEx::FirstOfNextMonth(nextFirst);

    m_transfer.PaymentPeriod = {PaymentFrequencyIndex(fqMonthly), "", PaymentFrequencyList()};
    m_transfer.PaymentPeriod.Text =
        ListText(PaymentFrequencyList(), m_transfer.PaymentPeriod.Index);
    m_transfer.Compounding = {CompoundingFrequencyIndex(fqMonthly), "", CompoundingFrequencyList()};
    m_transfer.Compounding.Text =
        ListText(CompoundingFrequencyList(), m_transfer.Compounding.Index);

    m_fiscalYearEnd = 12;
    m_figures = {};
    m_carried = {};
}

void TbufSimpleAmort::SetTransfer(const TcalcAmortSimpleTransferRec& values) {
    m_transfer.Amount = values.Amount;
    m_transfer.Periods = values.Periods;
    m_transfer.AnnualRate = values.AnnualRate;
    m_transfer.OriginationDate = DatePart(values.OriginationDate);
    m_transfer.FirstPaymentDate = DatePart(values.FirstPaymentDate);
    m_transfer.Points = values.Points;
    m_transfer.PaymentPeriod.Index = values.PaymentPeriod.Index;
    m_transfer.PaymentPeriod.Text = values.PaymentPeriod.Text;
    m_transfer.Compounding.Index = values.Compounding.Index;
    m_transfer.Compounding.Text = values.Compounding.Text;
}

void TbufSimpleAmort::GetTransfer(TcalcAmortSimpleTransferRec& values) const {
    values.Amount = m_transfer.Amount;
    values.Periods = m_transfer.Periods;
    values.AnnualRate = m_transfer.AnnualRate;
    values.OriginationDate = m_transfer.OriginationDate;
    values.FirstPaymentDate = m_transfer.FirstPaymentDate;
    values.Points = m_transfer.Points;
    values.PaymentPeriod.Index = m_transfer.PaymentPeriod.Index;
    values.PaymentPeriod.Text = m_transfer.PaymentPeriod.Text;
    values.Compounding.Index = m_transfer.Compounding.Index;
    values.Compounding.Text = m_transfer.Compounding.Text;
}

void TbufSimpleAmort::Calculate() {
    auto schedule = CreateCashSchedule(m_amortMethod);
    const int paymentFrequency = m_transfer.PaymentPeriod.Index + 1;
    const int compounding = m_transfer.Compounding.Index;
    if (!IsPeriodicFrequency(paymentFrequency))
        RaiseCashScheduleError(1046);
    if (compounding < fqContinuous || compounding > fqExact)
        RaiseCashScheduleError(1012);
    // A negative count would reach the engine as its mark of an unknown count.
    if (m_transfer.Periods < 0 || m_transfer.Periods > INT16_MAX)
        RaiseCashScheduleError(1046);

    const bool noInterest = m_amortMethod == amNoInterest;
    const Extended annualRate = noInterest ? 0 : m_transfer.AnnualRate;

    auto events = std::make_unique<TCashInputsList>();
    TCashInputClass loan;
    loan.Count = 1;
    loan.Amount = m_transfer.Amount;
    loan.AmountUnknown = std::fabs(m_transfer.Amount) < 0.01;
    loan.Kind = ekLoan;
    loan.PaymentFrequency = static_cast<std::uint8_t>(paymentFrequency);
    loan.CompoundingFrequency = static_cast<std::uint8_t>(compounding);
    loan.SeriesType = SeriesTypeOfMethod(m_amortMethod);
    if (loan.SeriesType != stLevel)
        loan.SpecialSeries = std::make_unique<TSpecialSeriesClass>();
    loan.Date = m_transfer.OriginationDate;

    const bool rateMissing = !noInterest && std::fabs(annualRate) < 0.01L;
    if (loan.AmountUnknown && rateMissing)
        RaiseCashScheduleError(1045);
    const bool rateUnknown = !loan.AmountUnknown && rateMissing;
    const bool countUnknown = m_transfer.Periods == 0;

    TCashInputClass payment(loan);
    payment.Kind = ekPayment;
    payment.Count = static_cast<std::int16_t>(m_transfer.Periods);
    payment.Amount = 0;
    payment.Date = m_transfer.FirstPaymentDate;
    // The tool always solves the payment, so every other value must be given.
    payment.AmountUnknown = true;
    if (loan.AmountUnknown || rateUnknown || countUnknown)
        RaiseCashScheduleError(1045);
    events->Add(std::move(loan));
    events->Add(std::move(payment));

    const Extended points = m_transfer.Points / 100.0L;
    schedule->LastPaymentMode = 0;
    schedule->KeepPaidOffRows = false;
    schedule->Points = points;
    schedule->PointsPaidWhen = m_pointsPaid;
    schedule->ShortPeriodPaidHow = m_shortPeriodPaid;
    schedule->OddDaysPaidWhen = m_oddDaysPaid;
    schedule->SetInputs(events.get(), false, compounding == fqExact, 365, compounding,
                        annualRate / 100);
    schedule->Calculate();

    TTransactionsList rows;
    schedule->GetRows(&rows);
    LabelScheduleRows(rows);

    // Nothing of the buffer changes before the calculation has succeeded.
    m_paymentFrequency = static_cast<std::uint8_t>(paymentFrequency);
    m_compounding = static_cast<std::uint8_t>(compounding);
    m_annualRate = annualRate;
    m_rateUnknown = false;
    m_points = points;
    m_rows = std::move(rows);
    m_rowFiscalYears.clear();
    m_events = std::move(events);
    m_periodicPayment = schedule->Result();
    m_pointsAmount = schedule->PointsAmount();
    m_schedule = std::move(schedule);
    if (!m_rows.Empty()) {
        const TTransactionClass& last = m_rows.Last();
        m_lastPeriodNumber = last.PeriodNumber;
        m_totalPayments = last.CumulativePayments;
        m_totalPrincipal = last.CumulativePrincipal;
        m_totalInterest = last.CumulativeInterest;
    }
    SelectAll();
}

const TTransactionClass* TbufSimpleAmort::RowAt(int n) const {
    if (n < 1 || n > RowCount())
        return nullptr;
    return &m_rows[static_cast<std::size_t>(n - 1)];
}

const TTransactionClass& TbufSimpleAmort::Row(int i) const {
    if (i < 0 || i >= RowCount())
        RaiseCashScheduleError(1032);
    return m_rows[static_cast<std::size_t>(i)];
}

void TbufSimpleAmort::ClearRows() {
    m_rows.Clear();
    m_rowFiscalYears.clear();
}

void TbufSimpleAmort::SelectAll() {
    m_selection.FirstPeriod = 0;
    m_selection.LastPeriod = RowCount() - 1;
}

bool TbufSimpleAmort::AnnualTotals(int month, int year) {
    const int start = DayNumber(EncodeDate(year, month, 1));
    const int end = DayNumber(EncodeDate(year + 1, month, 1));
    TAmortTotals totals;
    const TTransactionClass* first = nullptr;
    const TTransactionClass* last = nullptr;
    for (const auto& row : m_rows) {
        const int day = DayNumber(row.Date);
        if (day < start)
            continue;
        if (day >= end)
            break;
        if (first == nullptr)
            first = &row;
        last = &row;
        totals.Payments += row.Payment;
        totals.Interest += row.Interest;
        totals.Principal += row.Principal;
    }
    if (first == nullptr) {
        m_selection = {};
        return false;
    }
    totals.FirstPeriod = first->PeriodNumber;
    totals.LastPeriod = last->PeriodNumber;
    totals.RunningPayments = last->CumulativePayments;
    totals.RunningInterest = last->CumulativeInterest;
    totals.RunningPrincipal = last->CumulativePrincipal;
    m_selection = totals;
    return true;
}

std::vector<std::string> TbufSimpleAmort::FiscalYearLabels() const {
    if (m_rows.Empty())
        return {};
    return calvora::FiscalYearLabels(m_transfer.OriginationDate, m_rows.Last().Date,
                                     m_fiscalYearEnd);
}

int TbufSimpleAmort::FiscalYearStartOfTab(int tab) const {
    // Tabs are consecutive fiscal years, so the year follows from the position
    // and needs no two-digit century guess.
    return FiscalYearStartOf(m_transfer.OriginationDate, m_fiscalYearEnd) + tab - 1;
}

int TbufSimpleAmort::EarlyYearsCount() const {
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(m_transfer.OriginationDate, year, month, day);
    return year < 1980 ? 1980 - year : 0;
}

void TbufSimpleAmort::AssignFiscalYears() {
    m_rowFiscalYears.clear();
    for (const auto& row : m_rows)
        m_rowFiscalYears.push_back(FiscalYearStartOf(row.Date, m_fiscalYearEnd));
}

int TbufSimpleAmort::RowFiscalYear(int i) const {
    if (i < 0 || i >= static_cast<int>(m_rowFiscalYears.size()))
        return 0;
    return m_rowFiscalYears[static_cast<std::size_t>(i)];
}

} // namespace calvora

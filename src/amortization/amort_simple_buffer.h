#pragma once

#include "amortization/amort_fiscal_years.h"
#include "amortization/amort_simple_records.h"
#include "amortization/cash_buffer.h"
#include "schedule/cash_schedule.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace calvora {

/// The non-visual half of the amortization schedule tool: holds the loan's
/// values and settings, solves the periodic payment, keeps every row of the
/// schedule with its "#/Yr" label, and works out fiscal-year and running
/// totals. The loan amount, the number of payments and the rate (unless the
/// method is "No Interest") must be given; the payment is always solved.
class TbufSimpleAmort : public TCash_Buffer {
public:
    TbufSimpleAmort();

    /// Default values: captions, zero amounts, origination today, first payment
    /// on the 1st of next month (or of the month after when today is not the
    /// 1st), monthly payments and compounding, fiscal year end 12.
    void InitTransfer();
    /// Takes the window's values (dates without time of day).
    void SetTransfer(const TcalcAmortSimpleTransferRec& values);
    /// Gives the buffer's values back to the window.
    void GetTransfer(TcalcAmortSimpleTransferRec& values) const;
    const TcalcAmortSimpleTransferRec& Transfer() const { return m_transfer; }

    void SetTitle(const std::string& title) { m_title = title; }
    const std::string& Title() const { return m_title; }
    /// `AmortizationMethod` code; an unknown code is rejected by Calculate (1034).
    void SetAmortMethod(std::uint8_t method) { m_amortMethod = method; }
    std::uint8_t AmortMethod() const { return m_amortMethod; }
    /// `PointsPaid` code 1..3.
    void SetPointsPaid(std::uint8_t code) { m_pointsPaid = code; }
    std::uint8_t PointsPaid() const { return m_pointsPaid; }
    /// Position in the year-length list; carried, not used by the calculation.
    void SetYearLength(int position) { m_yearLength = position; }
    int YearLength() const { return m_yearLength; }
    /// `OddDaysPaid` code of a long first period.
    void SetOddDaysPaid(std::uint8_t code) { m_oddDaysPaid = code; }
    std::uint8_t OddDaysPaid() const { return m_oddDaysPaid; }
    /// `ShortPeriodPaid` code of a short first period.
    void SetShortPeriodPaid(std::uint8_t code) { m_shortPeriodPaid = code; }
    std::uint8_t ShortPeriodPaid() const { return m_shortPeriodPaid; }
    /// Month 1..12 that ends the fiscal year.
    void SetFiscalYearEnd(int month) { m_fiscalYearEnd = month; }
    int FiscalYearEnd() const { return m_fiscalYearEnd; }

    TAmortCarriedSettings& CarriedSettings() { return m_carried; }
    TAmortCarriedFigures& CarriedFigures() { return m_figures; }

    /// Solves the periodic payment and replaces the rows. Raises 1034 (unknown
    /// method), 1045 (amount, rate or number of payments missing), 1046 (more
    /// than 32767 or negative payments) and the schedule's errors; on any error
    /// the rows and results of the previous calculation stay.
    void Calculate();

    /// Results of the last calculation.
    Extended PeriodicPayment() const { return m_periodicPayment; }
    std::int32_t LastPeriodNumber() const { return m_lastPeriodNumber; }
    /// Points as a fraction of the loan amount, and the money they come to.
    Extended Points() const { return m_points; }
    Extended PointsAmount() const { return m_pointsAmount; }
    Extended TotalPayments() const { return m_totalPayments; }
    Extended TotalPrincipal() const { return m_totalPrincipal; }
    Extended TotalInterest() const { return m_totalInterest; }
    /// The schedule of the last calculation, or none.
    const TCash_Schedule_Base* Schedule() const { return m_schedule.get(); }

    int RowCount() const { return static_cast<int>(m_rows.Count()); }
    /// Row n counted from 1; none outside 1..RowCount.
    const TTransactionClass* RowAt(int n) const;
    /// Row at index i counted from 0; outside 0..RowCount - 1 raises 1032.
    const TTransactionClass& Row(int i) const;
    bool HasRows() const { return !m_rows.Empty(); }
    void ClearRows();
    /// Fills each row's "#/Yr" label.
    void LabelRows() { LabelScheduleRows(m_rows); }

    /// Makes the whole schedule the selection.
    void SelectAll();
    /// The current selection: first and last period, with the totals of the
    /// last AnnualTotals (SelectAll leaves the totals as they are).
    const TAmortTotals& Selection() const { return m_selection; }
    /// Selects the fiscal year starting in month `month` of `year`: sums the
    /// payments, interest and principal of the rows dated from the 1st of that
    /// month up to, not including, the same month a year later; running totals
    /// at the last of them. False (and zero totals) when no row falls there.
    bool AnnualTotals(int month, int year);

    /// Two-digit names of the fiscal years from the origination date to the
    /// last row's date; empty without rows. A tab n (1-based) names the fiscal
    /// year that FiscalYearStartOfTab(n) starts.
    std::vector<std::string> FiscalYearLabels() const;
    /// Calendar year in which the fiscal year of tab n (1-based) starts.
    int FiscalYearStartOfTab(int tab) const;
    /// Number of tabs of a loan originated before 1980 that name years before 1980.
    int EarlyYearsCount() const;
    /// Gives every row the calendar year in which its fiscal year starts.
    void AssignFiscalYears();
    /// The year AssignFiscalYears gave row i (0-based); 0 before it ran.
    int RowFiscalYear(int i) const;

private:
    TcalcAmortSimpleTransferRec m_transfer;
    TAmortCarriedSettings m_carried;
    TAmortCarriedFigures m_figures;
    std::string m_title;
    std::unique_ptr<TCash_Schedule_Base> m_schedule;

    std::uint8_t m_amortMethod = amNormal;
    std::uint8_t m_paymentFrequency = fqMonthly;
    std::uint8_t m_compounding = fqMonthly;
    Extended m_annualRate = 0;
    bool m_rateUnknown = false;
    int m_yearLength = 0;
    std::uint8_t m_pointsPaid = ppWithOrigination;
    std::uint8_t m_oddDaysPaid = odWithOrigination;
    std::uint8_t m_shortPeriodPaid = spReduceFirst;
    int m_fiscalYearEnd = 12;

    Extended m_periodicPayment = 0;
    std::int32_t m_lastPeriodNumber = 0;
    Extended m_points = 0;
    Extended m_pointsAmount = 0;
    Extended m_totalPayments = 0;
    Extended m_totalPrincipal = 0;
    Extended m_totalInterest = 0;
    TAmortTotals m_selection;
    std::vector<int> m_rowFiscalYears;
};

} // namespace calvora

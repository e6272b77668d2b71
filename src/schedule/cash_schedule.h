#pragma once

#include "finance/date_math.h"
#include "finance/finance_equations.h"
#include "finance/financial_types.h"
#include "schedule/cash_inputs.h"
#include "schedule/transactions.h"

#include <cstdint>

namespace calvora {

/// Common ancestor of the schedules; carries no behaviour of its own.
class TAbstractSchedule {
public:
    virtual ~TAbstractSchedule() = default;
};

/// Turns a list of cash-flow events into a schedule: expands series into single
/// periods, measures whole periods and odd days between events, assigns rates,
/// solves the one unknown (an amount, the number of periods of a series or the
/// annual rate) and computes one row per period.
///
/// Calling order: create the schedule of the amortization method's class
/// (CreateCashSchedule), optionally set the public settings below, SetInputs,
/// Calculate, read the results. The events list stays the caller's; it is
/// changed in place (expanded, unknowns filled in). Every failure raises
/// ECashScheduleException or EFinanceException; the schedule is then discarded.
class TCash_Schedule_Base : public TAbstractSchedule {
public:
    TCash_Schedule_Base() = default;
    TCash_Schedule_Base(const TCash_Schedule_Base&) = delete;
    TCash_Schedule_Base& operator=(const TCash_Schedule_Base&) = delete;
    ~TCash_Schedule_Base() override = default;

    // Settings written by callers before Calculate.
    /// 0: the last payment is adjusted so that the balance ends at zero; 4: left as is.
    std::uint8_t LastPaymentMode = 0;
    /// false drops the rows that follow the row in which the balance went below zero.
    bool KeepPaidOffRows = true;
    /// Points as a fraction of the loan amount.
    Extended Points = 0;
    /// `PointsPaid` code: 1 with origination, 2 with first payment, 3 amortized (financed).
    std::uint8_t PointsPaidWhen = ppWithOrigination;
    /// `ShortPeriodPaid` code of a short first period.
    std::uint8_t ShortPeriodPaidHow = spReduceAll;
    /// `OddDaysPaid` code of the odd days of a long first period.
    std::uint8_t OddDaysPaidWhen = odAmortized;
    /// Reference switch: the unknown count of a last series is searched by
    /// recomputing the whole schedule for every candidate count instead of
    /// reading all candidates off one computation. Both give identical results.
    bool LiteralTermSearch = false;

    /// Stores the problem and expands the events in place. annualRate is a
    /// fraction; exact is true for "Exact/Simple" compounding (code 12);
    /// compounding is the caller's compounding code. Fewer than two events: the
    /// list is kept and nothing else happens. Raises 1003 (no list), 1019
    /// (second event before the first), 1006..1009 (two unknowns), 1046.
    virtual void SetInputs(TCashInputsList* events, bool rateUnknown, bool exact, int daysInYear,
                           int compounding, Extended annualRate);
    /// Applies points, solves the unknown and computes every row.
    void Calculate();
    /// Clears target and appends a copy of every row; a missing target raises 1003.
    virtual void GetRows(TTransactionsList* target) const;
    /// The rows of the last calculation.
    const TTransactionsList& Rows() const { return m_rows; }

    /// Annual rate as a fraction (the solved rate when the rate was the unknown).
    Extended AnnualRate() const { return m_annualRate; }
    /// Balance after row n (0 is the loan row); a row outside the schedule raises 1033.
    Extended BalanceAt(int n) const;
    /// Interest of row n; a row outside the schedule raises 1033.
    Extended InterestAt(int n) const;

    /// The solved amount (or, for an interest-only series with nothing unknown,
    /// the interest of the first payment row).
    Extended Result() const { return m_result; }
    /// Whole periods from the first event to the last; the solved count when the
    /// number of periods was the unknown.
    std::int32_t NumberOfPeriods() const { return m_numberOfPeriods; }
    Extended FirstAmount() const { return m_firstAmount; }
    /// Balance of the last row before and after the final adjustment.
    Extended FinalBalance() const { return m_finalBalance; }
    Extended BalanceAfterAdjustment() const { return m_balanceAfterAdjustment; }
    /// Last row's interest minus its payment when that interest exceeds the payment.
    Extended UnpaidInterest() const { return m_unpaidInterest; }
    Extended TotalPrincipal() const { return m_totalPrincipal; }
    Extended TotalPayments() const { return m_totalPayments; }
    Extended TotalInterest() const { return m_totalInterest; }
    /// Moved odd days times the daily interest.
    Extended OddDaysInterest() const { return m_oddDaysInterest; }
    Extended DailyInterest() const { return m_dailyInterest; }
    /// First amount times points.
    Extended PointsAmount() const { return m_pointsAmount; }
    Extended WholePeriodsTotal() const { return m_wholePeriodsTotal; }
    /// `UnknownKind` code of what is solved.
    std::uint8_t Unknown() const { return m_unknownKind; }
    /// `FirstPeriodShape` code worked out from the dates.
    std::uint8_t Shape() const { return m_firstPeriodShape; }
    Extended OddPeriodFraction() const { return m_oddPeriodFraction; }
    std::int32_t MovedOddDays() const { return m_movedOddDays; }
    std::int32_t FirstPaymentIndex() const { return m_firstPaymentIndex; }
    std::int32_t DaysAfterFirstPayment() const { return m_daysAfterFirstPayment; }
    bool PaymentOnLoanDate() const { return m_paymentOnLoanDate; }
    std::int32_t DaysInYear() const { return m_daysInYear; }
    std::int32_t DecimalPlaces() const { return m_decimalPlaces; }

protected:
    // Virtual operations of every schedule.
    virtual void SetRates();
    virtual void SetTrialRate(Extended trialRate);
    virtual void Solve() = 0;
    virtual void ComputeRows() = 0;
    virtual void BuildRows();
    virtual Extended DiscountKnownFlows();
    virtual Extended DiscountUnknownFlows();
    virtual Extended SolveAmount();
    virtual void PreparePeriods();

    Extended SolveRate();
    std::int32_t SolveTerm();
    void TrimPaidOffRows();
    void AdjustFinalPayment();

    // Shared steps of the concrete schedules.
    /// Dispatches on the unknown kind and writes the solved value.
    void SolveUnknown();
    /// Periods and rates, the unknown, then every row: the solve of the
    /// compound-interest schedules.
    void SolveThenComputeRows();
    /// The compound-interest row arithmetic of the normal and Canadian schedules.
    void AmortizeRows(bool reportUnpaidInterest);
    /// Frequency by which the gap after event q is measured; -1 for plain days.
    virtual int GapFrequency(const TCashInputClass& q) const;
    /// Event whose period start decides the first-period shape, the frequency of
    /// that period start and the frequency whose days divide its odd days.
    virtual void FirstPeriodReference(std::size_t& index, int& startFrequency,
                                      int& fractionFrequency) const;
    /// Odd days earn simple interest whatever the compounding (in the rows and
    /// in the discounting).
    virtual bool StraightLineDiscounting() const { return false; }
    /// Periodic rate (returned) and daily rate of an event at the annual rate.
    virtual Extended PeriodicRateOf(const TCashInputClass& event, Extended annualRate,
                                    Extended& dailyRate) const;
    Extended DiscountFlows(bool unknownFlows, bool straightLine) const;

    // Helpers.
    TCashInputsList& Events() { return *m_events; }
    std::size_t EventCount() const { return m_events ? m_events->Count() : 0; }
    void ExpandEvents();
    void SortAndMergeEvents();
    void RunSchedule();
    // Routes of the term search (the event at index unknown has count -1).
    std::int32_t TermByFormula();
    std::int32_t TermBeforeLastSeries(std::size_t unknown);
    std::int32_t TermBeforeNextEvent(std::size_t unknown, const TCashInputsList& original);
    std::int32_t TermBySearch(std::size_t unknown, const TCashInputsList& original);
    std::int32_t TermBySearchLiteral(std::size_t unknown, const TCashInputsList& original);
    Extended FinalBalanceWithCount(std::size_t unknown, std::int32_t count,
                                   const TCashInputsList& original);
    std::int32_t CheckedNumberOfPeriods(bool due, Extended presentValue, Extended payment,
                                        Extended periodicRate);
    void SetAnchorFrom(const TCashInputClass& event);
    void FinishRows(bool reportUnpaidInterest);
    /// Starts the loan row's running totals from its own figures.
    static void StartRunningTotals(TTransactionClass& loanRow);
    void ChargeFirstPaymentOddDays(const TTransactionClass& q, TTransactionClass& s,
                                   Extended& interest);
    Extended RoundedInterest(Extended value, bool rateUnknown) const;
    bool HasMovedOddDays() const { return m_movedOddDays != 0; }

    TCashInputsList* m_events = nullptr;
    std::int32_t m_lastEventIndex = -1;
    TTransactionsList m_rows;
    std::int32_t m_daysAfterFirstPayment = 0;
    std::int32_t m_prepaidDays = 0;
    std::int32_t m_daysInYear = 360;
    std::int32_t m_decimalPlaces = 2;
    std::int32_t m_numberOfPeriods = 0;
    Extended m_annualRate = 0;
    Extended m_firstAmount = 0;
    Extended m_result = 0;
    Extended m_finalBalance = 0;
    Extended m_balanceAfterAdjustment = 0;
    Extended m_unpaidInterest = 0;
    Extended m_totalPrincipal = 0;
    Extended m_totalPayments = 0;
    Extended m_totalInterest = 0;
    Extended m_oddDaysInterest = 0;
    Extended m_dailyInterest = 0;
    Extended m_pointsAmount = 0;
    Extended m_wholePeriodsTotal = 0;
    std::uint8_t m_unknownKind = ukNone;
    bool m_rateUnknown = false;
    bool m_exact = false;
    bool m_paymentOnLoanDate = false;
    std::uint8_t m_firstPaymentFrequency = fqMonthly;
    std::uint8_t m_compounding = fqMonthly;
    std::uint8_t m_firstPeriodShape = fpRegular;
    Extended m_oddPeriodFraction = 0;
    std::int32_t m_movedOddDays = 0;
    std::int32_t m_firstPaymentIndex = -1;
    /// Row index of the first payment event's first row; set by BuildRows.
    std::size_t m_firstPaymentRow = 0;
    /// A schedule whose last row overflowed raises 1017 (off while the term
    /// search computes its longest candidate and checks each one itself).
    bool m_rejectOverflow = true;
    TequFinancial m_financial;
    TcalcDateMathEx m_dates;
};

} // namespace calvora

#pragma once

#include "finance/financial_types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace calvora {

/// One row of a schedule: one period's flow with its interest, principal and
/// balance. Row 0 is the loan. Money and rates are extended floats, running
/// totals doubles, dates day numbers from 30 December 1899.
class TTransactionClass {
public:
    TDateTime Date = 0;
    /// Regular date used by the rule-of-78 weights.
    TDateTime ScheduleDate = 0;
    /// 0 for the loan row, then 1, 2, ...
    std::int32_t PeriodNumber = 0;
    /// "#/Yr" text (at most 8 characters) filled by the amortization tool.
    std::string Label;
    /// Money paid in this period (for the loan row: what is paid at origination).
    Extended Payment = 0;
    /// Money lent in this period.
    Extended LoanAdvance = 0;
    /// Part of the payment that reduces the balance.
    Extended Principal = 0;
    /// Interest charged for the period.
    Extended Interest = 0;
    /// Not computed by the engine; kept for the data file.
    Extended PrincipalBalance = 0;
    /// Loan advance - payment + interest.
    Extended NetChange = 0;
    /// Balance after this period.
    Extended Balance = 0;
    Extended AnnualRate = 0;
    Extended PeriodicRate = 0;
    Extended DailyRate = 0;
    /// Odd days of the period (kept wider than a 16-bit count so that long gaps cannot wrap).
    std::int32_t OddDays = 0;
    double WholePeriods = 0;
    double CumulativePayments = 0;
    double CumulativeLoanAdvances = 0;
    double CumulativePrincipal = 0;
    double CumulativeInterest = 0;
    std::uint8_t PaymentFrequency = fqMonthly;
    std::uint8_t CompoundingFrequency = fqMonthly;
    std::uint8_t Kind = ekLoan;
    std::uint8_t SeriesType = stLevel;
    bool ExactInterest = false;
    /// This row's amount is the solved unknown; cleared once the row is computed.
    bool SolvedAmount = false;
    bool ExtraPayment = false;
    /// While set, the row's interest amounts are not rounded.
    bool RateUnknown = false;
};

/// The owning list of rows a schedule produces.
class TTransactionsList {
public:
    TTransactionsList() = default;
    TTransactionsList(const TTransactionsList&) = default;
    TTransactionsList(TTransactionsList&&) noexcept = default;
    TTransactionsList& operator=(const TTransactionsList&) = default;
    TTransactionsList& operator=(TTransactionsList&&) noexcept = default;
    /// Leaves a schedule-sized row store to the next list reserving room on this thread.
    ~TTransactionsList();

    /// Appends a new zeroed row.
    TTransactionClass& Add() { return m_items.emplace_back(); }
    TTransactionClass& Add(TTransactionClass row);
    void Clear() { m_items.clear(); }
    /// Room for count rows, taken over from the last list destroyed on this
    /// thread when that one had enough.
    void Reserve(std::size_t count);
    void DeleteLast() { m_items.pop_back(); }
    std::size_t Count() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }

    TTransactionClass& operator[](std::size_t index) { return m_items[index]; }
    const TTransactionClass& operator[](std::size_t index) const { return m_items[index]; }
    TTransactionClass& Last() { return m_items.back(); }
    const TTransactionClass& Last() const { return m_items.back(); }

    std::vector<TTransactionClass>::iterator begin() { return m_items.begin(); }
    std::vector<TTransactionClass>::iterator end() { return m_items.end(); }
    std::vector<TTransactionClass>::const_iterator begin() const { return m_items.begin(); }
    std::vector<TTransactionClass>::const_iterator end() const { return m_items.end(); }

    /// Clears target and appends a copy of every row. A missing target raises 1003.
    void CopyTo(TTransactionsList* target) const;

private:
    std::vector<TTransactionClass> m_items;
};

} // namespace calvora

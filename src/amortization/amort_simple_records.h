#pragma once

#include "calculators/choice_field.h"
#include "finance/financial_types.h"

#include <array>
#include <cstdint>
#include <string>

namespace calvora {

/// The amortization window's values, exchanged with the buffer.
struct TcalcAmortSimpleTransferRec {
    /// Captions; rows 0..8 and 12 are used (see InitTransfer).
    std::array<std::string, 16> Labels;
    /// Loan amount, money.
    double Amount = 0;
    /// Number of payments.
    std::int32_t Periods = 0;
    /// Annual rate in percent.
    float AnnualRate = 0;
    /// Day numbers (date part only).
    TDateTime OriginationDate = 0;
    TDateTime FirstPaymentDate = 0;
    /// Payment list position (frequency code - 1) and compounding list position
    /// (the compounding code).
    ChoiceField PaymentPeriod;
    ChoiceField Compounding;
    /// Points in percent of the loan amount.
    float Points = 0;
};

/// Settings the tool carries for its data file and copied text; they do not
/// enter the calculation.
struct TAmortCarriedSettings {
    std::uint8_t Acceleration = 0;
    std::uint8_t WeekendAdjustment = 0;
    std::uint8_t RoundingMethod = 0;
    bool ApplyUSRule = false;
    std::uint8_t MonthEndAdjustment = 0;
    std::uint8_t TwiceMonthlyDays = 0;
    std::uint8_t OddDaysCalc = 0;
    std::uint8_t ShortPeriodCalc = 0;
    std::uint8_t PaymentTiming = 0;
};

/// Loan figures kept only to be saved with the loan record.
struct TAmortCarriedFigures {
    std::int32_t InitialInterestOnlyPeriods = 0;
    std::int32_t BalloonPeriod = 0;
    Extended BalloonPayment = 0;
    Extended OneTimeFees = 0;
    Extended OddPeriodInterest = 0;
    std::int32_t OddDays = 0;
    bool ForcePaymentCalculation = true;
    bool RecalculatePaymentAfterZero = true;
    bool OptimizePayments = false;
};

/// Payments, interest and principal of a selection of rows, with the running
/// totals at its last row.
struct TAmortTotals {
    std::int32_t FirstPeriod = 0;
    std::int32_t LastPeriod = 0;
    Extended Payments = 0;
    Extended Interest = 0;
    Extended Principal = 0;
    Extended RunningPayments = 0;
    Extended RunningInterest = 0;
    Extended RunningPrincipal = 0;
};

} // namespace calvora

#pragma once

#include "calculators/loan_equation_base.h"

#include <cstdint>

namespace calvora {

/// A plain loan: amount, number of payments, annual rate and periodic payment,
/// one of which is solved. A zero input (amount or payment below 0.01, count 0,
/// rate below 0.0001 unless the method is "No Interest") marks the unknown.
class TequLoan : public TequLoanEquation {
public:
    Extended Amount = 0;
    std::int32_t Periods = 0;
    /// A fraction on input (0.08 for 8 %); a percent when it was the solved value.
    double AnnualRate = 0;
    Extended Payment = 0;
    /// Interest over the whole schedule.
    Extended TotalInterest = 0;
    /// What the last calculation solved: 0 nothing, 1 amount, 2 number of
    /// payments, 3 rate, 4 payment. A calculation with no zero input keeps the
    /// previous value and so solves the same value again.
    std::uint8_t SolvedFor = 0;

    /// Solves the one zero input. Raises 1045 (more than one unknown), 1048,
    /// 1049 (method rules), 1046 (a count outside 0..32767) and the schedule's
    /// errors; after an error the results of the previous calculation stay.
    void Calculate(Extended amount, std::int32_t periods, double annualRate, Extended payment,
                   std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                   std::uint8_t paymentTiming, std::uint8_t amortMethod, TDateTime loanDate,
                   std::int32_t daysPerYear);

protected:
    void StoreInputs(Extended amount, std::int32_t periods, double annualRate, Extended payment,
                     std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                     std::uint8_t paymentTiming, std::uint8_t amortMethod, TDateTime loanDate,
                     std::int32_t daysPerYear);
    /// The code of the one zero input; with none, `whenNoneZero`.
    std::uint8_t FindUnknown(std::uint8_t whenNoneZero) const;
    /// Runs the loan with SolvedFor as the unknown and writes the solved value;
    /// a solved rate (a fraction) is stored times rateScale.
    void SolveLoan(double rateScale);
    /// A financed purchase: solves the one zero input or, with none, the payment.
    void SolvePurchaseLoan(double rateScale);
};

/// A purchase price less a cash down payment, financed as a loan (the
/// automobile loan). With no zero input the payment is solved.
class TequLoanLessDownPayment : public TequLoan {
public:
    Extended Price = 0;
    Extended DownPayment = 0;
    /// Interest plus loan amount.
    Extended TotalPaid = 0;
    /// Down payment as a percent of the price, one decimal; 0 without a price.
    Extended DownPercent = 0;

    /// The loan amount is price less down payment when both are given; a down
    /// payment above the price clears both. The rate arrives as a fraction and
    /// is stored as a percent when solved.
    void Calculate(Extended price, Extended downPayment, Extended amount, std::int32_t periods,
                   double annualRate, Extended payment, std::uint8_t paymentFrequency,
                   std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                   std::uint8_t amortMethod, TDateTime loanDate, std::int32_t daysPerYear);
};

/// A purchase price less a percentage down, financed as a loan (the
/// mortgage). With no zero input the payment is solved.
class TequLoanLessPctDown : public TequLoan {
public:
    double Price = 0;
    /// Down payment as a fraction of the price (0.2 for 20 %).
    double DownFraction = 0;
    /// Price less loan amount.
    Extended DownPayment = 0;
    /// Interest plus loan amount.
    Extended TotalPaid = 0;

    /// The loan amount is the price less its down fraction when both are given.
    /// A solved rate stays a fraction. A down fraction of 1 or more without a
    /// price raises 1046, since no price can be derived from it.
    void Calculate(double price, double downFraction, Extended amount, std::int32_t periods,
                   double annualRate, Extended payment, std::uint8_t paymentFrequency,
                   std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                   std::uint8_t amortMethod, TDateTime loanDate, std::int32_t daysPerYear);
};

} // namespace calvora

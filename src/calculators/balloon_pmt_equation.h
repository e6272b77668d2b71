#pragma once

#include "calculators/loan_equation_base.h"

#include <cstdint>

namespace calvora {

/// Regular payments followed by a final balloon payment. Solves the loan
/// amount, the rate, the payment, the balloon amount or the period at which a
/// given balloon falls due. The method is always "Normal".
class TequBalloonPmt : public TequLoanEquation {
public:
    Extended Amount = 0;
    /// A fraction on input and when solved (0.08 for 8 %).
    double AnnualRate = 0;
    Extended Payment = 0;
    /// Payment number at which the balloon is paid.
    std::int32_t BalloonPeriod = 0;
    /// The final payment.
    Extended Balloon = 0;
    /// A balloon amount or a balloon period was given.
    bool HasBalloon = false;
    /// Interest over the schedule; 0 when the balloon period was solved.
    Extended TotalInterest = 0;
    /// 0 nothing, 1 amount, 3 rate, 4 payment, 9 balloon period, 10 balloon.
    std::uint8_t SolvedFor = 0;

    /// Raises 1045 (more than one unknown), 1046 (neither a balloon amount nor a
    /// balloon period, a negative balloon period, or a balloon on the first
    /// payment, which leaves no regular payments) and the schedule's errors.
    void Calculate(Extended amount, double annualRate, Extended payment, std::int32_t balloonPeriod,
                   Extended balloon, std::uint8_t paymentFrequency,
                   std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                   TDateTime loanDate, std::int32_t daysPerYear);

private:
    std::uint8_t Validate() const;
    void BuildEvents();
    /// The balloon period and amount that replace the tail of a loan paid off
    /// by level payments.
    void FindBalloonPeriod(const TCash_Schedule_Base& schedule);
};

} // namespace calvora

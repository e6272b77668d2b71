#include "calculators/loan_equation.h"

#include "finance/finance_equations.h"
#include "finance/finance_errors.h"

#include <cmath>

namespace calvora {

void TequLoan::StoreInputs(Extended amount, std::int32_t periods, double annualRate,
                           Extended payment, std::uint8_t paymentFrequency,
                           std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                           std::uint8_t amortMethod, TDateTime loanDate, std::int32_t daysPerYear) {
    StoreCodes(paymentFrequency, compoundingFrequency, paymentTiming, amortMethod, loanDate,
               daysPerYear);
    Amount = amount;
    Periods = periods;
    AnnualRate = annualRate;
    Payment = payment;
}

std::uint8_t TequLoan::FindUnknown(std::uint8_t whenNoneZero) const {
    ZeroInputs zeros;
    zeros.Check(std::fabs(Amount) < 0.01L, 1);
    zeros.Check(Periods == 0, 2);
    zeros.Check(std::fabs(AnnualRate) < 0.0001 && AmortMethod != amNoInterest, 3);
    zeros.Check(std::fabs(Payment) < 0.01L, 4);
    zeros.RequireAtMostOne();
    const std::uint8_t solvedFor = zeros.SolvedOr(whenNoneZero);
    CheckMethodRules(solvedFor, AmortMethod, AnnualRate);
    // A negative count would reach the engine as its mark of an unknown count.
    if (Periods < 0 || Periods > INT16_MAX)
        RaiseCashScheduleError(1046);
    return solvedFor;
}

void TequLoan::SolveLoan(double rateScale) {
    auto schedule = RunTwoEventLoan(Amount, Periods, Payment, SolvedFor, AnnualRate);
    switch (SolvedFor) {
    case 1:
        Amount = schedule->Result();
        break;
    case 2:
        Periods = schedule->NumberOfPeriods();
        break;
    case 3:
        AnnualRate = static_cast<double>(schedule->AnnualRate() * rateScale);
        break;
    case 4:
        Payment = schedule->Result();
        break;
    default:
        break;
    }
    TotalInterest = schedule->TotalInterest();
    m_events.Clear();
}

void TequLoan::SolvePurchaseLoan(double rateScale) {
    const std::uint8_t solvedFor = FindUnknown(4);
    if (solvedFor == 4)
        Payment = 0;
    SolvedFor = solvedFor;
    SolveLoan(rateScale);
}

void TequLoan::Calculate(Extended amount, std::int32_t periods, double annualRate, Extended payment,
                         std::uint8_t paymentFrequency, std::uint8_t compoundingFrequency,
                         std::uint8_t paymentTiming, std::uint8_t amortMethod, TDateTime loanDate,
                         std::int32_t daysPerYear) {
    StoreInputs(amount, periods, annualRate, payment, paymentFrequency, compoundingFrequency,
                paymentTiming, amortMethod, loanDate, daysPerYear);
    SolvedFor = FindUnknown(SolvedFor);
    SolveLoan(100.0);
}

void TequLoanLessDownPayment::Calculate(Extended price, Extended downPayment, Extended amount,
                                        std::int32_t periods, double annualRate, Extended payment,
                                        std::uint8_t paymentFrequency,
                                        std::uint8_t compoundingFrequency,
                                        std::uint8_t paymentTiming, std::uint8_t amortMethod,
                                        TDateTime loanDate, std::int32_t daysPerYear) {
    StoreInputs(amount, periods, annualRate, payment, paymentFrequency, compoundingFrequency,
                paymentTiming, amortMethod, loanDate, daysPerYear);
    Price = price;
    DownPayment = downPayment;
    if (Price > 0 && DownPayment > 0) {
        Amount = Price - DownPayment;
        if (Amount < 0) {
            DownPayment = 0;
            Amount = 0;
        }
    }
    SolvePurchaseLoan(100.0);

    if (std::fabs(Price) < 0.01L && DownPayment > 0.01L)
        Price = Amount + DownPayment;
    if (std::fabs(DownPayment) < 0.01L && Price > 0.01L)
        DownPayment = Price - Amount;
    TotalPaid = TotalInterest + Amount;
    // Without a price there is nothing to take a percentage of.
    DownPercent = std::fabs(Price) < 0.01L ? 0 : RoundMoney(DownPayment / Price * 100, 1);
}

void TequLoanLessPctDown::Calculate(double price, double downFraction, Extended amount,
                                    std::int32_t periods, double annualRate, Extended payment,
                                    std::uint8_t paymentFrequency,
                                    std::uint8_t compoundingFrequency, std::uint8_t paymentTiming,
                                    std::uint8_t amortMethod, TDateTime loanDate,
                                    std::int32_t daysPerYear) {
    StoreInputs(amount, periods, annualRate, payment, paymentFrequency, compoundingFrequency,
                paymentTiming, amortMethod, loanDate, daysPerYear);
    Price = price;
    DownFraction = downFraction;
    if (Price > 0 && DownFraction > 0) {
        Amount = Price - Price * DownFraction;
        if (Amount < 0) {
            DownFraction = 0;
            Amount = 0;
        }
    }
    // The price would be loan / (1 - fraction): undefined or negative from 100 % down.
    if (std::fabs(Price) < 0.01 && DownFraction >= 1)
        RaiseCashScheduleError(1046);
    SolvePurchaseLoan(1.0);

    if (std::fabs(Price) < 0.01 && DownFraction > 0.0001)
        Price = static_cast<double>(Amount / (1 - DownFraction));
    if (std::fabs(DownFraction) < 0.01 && Price > 0.01)
        DownFraction = static_cast<double>(1 - Amount / Price);
    DownPayment = Price - Amount;
    TotalPaid = TotalInterest + Amount;
}

} // namespace calvora

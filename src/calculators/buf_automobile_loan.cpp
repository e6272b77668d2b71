#include "calculators/buf_automobile_loan.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

TbufAutomobileLoan::Shape TbufAutomobileLoan::MakeShape() {
    return PurchaseLoanShape({"&Price of Car?:", "CarPriceValue", true});
}

void TbufAutomobileLoan::Calculate() {
    TransferRec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(values.Price, values.DownPayment, values.Amount, values.Periods,
                         static_cast<double>(values.AnnualRate) / 100, values.Payment,
                         codes.PaymentFrequency, codes.Compounding, codes.Timing, codes.Method,
                         LoanDate(), DaysPerYear());
    // This equation returns a solved rate in percent.
    StoreSolvedLoanValue(values, m_equation, 1);
    values.TotalInterest = m_equation.TotalInterest;
    values.Amount = m_equation.Amount;
    values.DownPayment = m_equation.DownPayment;
    values.Price = m_equation.Price;
    values.TotalPaid = m_equation.TotalPaid;
    values.DownPercent = m_equation.DownPercent;
    SetLastSolved(m_equation.SolvedFor);
}

} // namespace calvora

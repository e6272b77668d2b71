#include "calculators/buf_mortgage_loan.h"

#include "calculators/calc_buffer_loan_parts.h"

namespace calvora {

TbufMortgageLoan::Shape TbufMortgageLoan::MakeShape() {
    return PurchaseLoanShape({"&Price of Real Estate?:", "PriceValue", false});
}

void TbufMortgageLoan::Calculate() {
    TransferRec& values = Values();
    const TLoanCodes codes = LoanCodesOf(values);
    m_equation.Calculate(static_cast<double>(values.Price),
                         static_cast<double>(values.DownPercent) / 100, values.Amount,
                         values.Periods, static_cast<double>(values.AnnualRate) / 100,
                         values.Payment, codes.PaymentFrequency, codes.Compounding, codes.Timing,
                         codes.Method, LoanDate(), DaysPerYear());
    // This equation keeps a solved rate as a fraction.
    StoreSolvedLoanValue(values, m_equation, 100);
    values.TotalInterest = m_equation.TotalInterest;
    values.Price = m_equation.Price;
    values.DownPercent = static_cast<Extended>(m_equation.DownFraction) * 100;
    values.Amount = m_equation.Amount;
    values.TotalPaid = values.Amount + values.TotalInterest;
    values.DownPayment = m_equation.DownPayment;
    SetLastSolved(m_equation.SolvedFor);
}

} // namespace calvora

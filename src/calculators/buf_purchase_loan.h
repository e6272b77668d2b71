#pragma once

#include "calculators/calc_buffer.h"

#include <cstdint>
#include <string_view>

namespace calvora {

/// Values of a purchase financed as a loan: the automobile loan less a cash down
/// payment and the mortgage less a percentage down share this layout.
struct TPurchaseLoanTransfer : TCalcTransferBase {
    Extended Price = 0;
    /// Cash down payment: input of the automobile loan, result of the mortgage.
    Extended DownPayment = 0;
    Extended Amount = 0;
    std::int32_t Periods = 0;
    Extended Payment = 0;
    /// Result: interest over the term.
    Extended TotalInterest = 0;
    /// Percent.
    float AnnualRate = 0;
    /// Result: loan amount plus interest.
    Extended TotalPaid = 0;
    /// Down payment percent: result of the automobile loan, input of the mortgage.
    Extended DownPercent = 0;
    ChoiceField AmortMethod = AmortMethodChoice();
    ChoiceField PaymentPeriod = PaymentPeriodChoice();
    ChoiceField Compounding = CompoundingChoice();
    ChoiceField PaymentMethod = PaymentMethodChoice();
};

/// What differs between the automobile loan and the mortgage.
struct TPurchaseLoanKind {
    /// Caption of the price ("&Price of Car?:").
    std::string_view PriceLabel;
    /// Settings key of the price ("CarPriceValue").
    std::string_view PriceKey;
    /// The down payment amount is given and its percent found (automobile), or
    /// the other way round (mortgage).
    bool DownPaymentGiven;
};

/// The buffer shape of a purchase loan: captions, keys, defaults, and the
/// clipboard and report lines with the down payment value that is given right
/// after the price and the one that is found at the end.
TBufferShape<TPurchaseLoanTransfer, TLoanOptionsRec>
PurchaseLoanShape(const TPurchaseLoanKind& kind);

} // namespace calvora

#pragma once

#include "calculators/choice_field.h"
#include "finance/financial_lists.h"
#include "finance/financial_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calvora {

/// A choice field showing `items` with row `index` selected.
inline ChoiceField MakeChoice(const std::vector<std::string>& items, std::int32_t index) {
    return ChoiceField{index, ListText(items, index), items};
}

/// The rows of the four loan choices with their initial selection.
inline ChoiceField PaymentPeriodChoice() {
    return MakeChoice(PaymentFrequencyList(), 5);
}
inline ChoiceField CompoundingChoice() {
    return MakeChoice(CompoundingFrequencyList(), 6);
}
inline ChoiceField PaymentMethodChoice() {
    return MakeChoice(PaymentTimingList(), 0);
}
inline ChoiceField AmortMethodChoice() {
    return MakeChoice(AmortizationMethodList(), 0);
}

/// What every calculator's values record starts with: the captions the window
/// shows and the reports print (filled by the buffer from its texts).
struct TCalcTransferBase {
    std::vector<std::string> Labels;
};

/// What every calculator's options record holds besides its local default
/// choices: the captions, the local default rate (percent) and the switches
/// that pick the values a newly opened calculator shows.
struct TCalcOptionsBase {
    std::vector<std::string> Labels;
    float DefaultRate = 0;
    /// Which defaults apply: "Local", "Global", "Publisher's".
    bool Local = false;
    bool Global = false;
    bool Publishers = true;
    /// What a newly opened calculator shows: "Last entered calculation", "Defaults".
    bool LastEntered = true;
    bool Defaults = false;
};

/// Options page of the calculators with all four loan choices (loan,
/// accelerated payment, remaining balance, automobile and mortgage).
struct TLoanOptionsRec : TCalcOptionsBase {
    ChoiceField DefaultAmortMethod = AmortMethodChoice();
    ChoiceField DefaultPaymentMethod = PaymentMethodChoice();
    ChoiceField DefaultCompounding = CompoundingChoice();
    ChoiceField DefaultPaymentPeriod = PaymentPeriodChoice();
};

} // namespace calvora

#pragma once

#include "calculators/calc_buffer.h"
#include "calculators/loan_equation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace calvora {

/// Captions of the options page of the calculators with the four loan choices.
inline std::vector<std::string> LoanOptionLabels() {
    return {"Amorti&zing Method?:", "Payment &Method?:", "Compounding Perio&d?:",
            "Payme&nt Period?:", "Annual &Rate?:"};
}

/// The loan choices with their local and global defaults: payment period,
/// compounding, payment method and, where the options page has it, the
/// amortization method.
template <class Rec, class Opt>
std::vector<TChoiceDefault<Rec, Opt>> LoanChoiceDefaults() {
    std::vector<TChoiceDefault<Rec, Opt>> choices{
        {&Rec::PaymentPeriod, &Opt::DefaultPaymentPeriod, "DefaultlDefaultPYRText",
         &TAppInfoFields::PYRText},
        {&Rec::Compounding, &Opt::DefaultCompounding, "DefaultlDefaultCmpPYRText",
         &TAppInfoFields::CmpPYRText},
        {&Rec::PaymentMethod, &Opt::DefaultPaymentMethod, "DefaultlDefaultPmtMthdText",
         &TAppInfoFields::PmtMthdText},
    };
    if constexpr (requires { &Opt::DefaultAmortMethod; }) {
        choices.push_back({&Rec::AmortMethod, &Opt::DefaultAmortMethod,
                           "DefaultlDefaultAmortMthdText", &TAppInfoFields::AmortMthdText});
    }
    return choices;
}

/// Amount of loan, number of payments and annual rate among the last entered
/// values ("lPVText", "lNumPmtsText", "lRateText"), in that order.
template <class Rec>
std::vector<TRecField<Rec>> LoanTermFields() {
    return {
        InputField(&Rec::Amount, "lPVText"),
        InputField(&Rec::Periods, "lNumPmtsText"),
        InputField(&Rec::AnnualRate, "lRateText"),
    };
}

/// The loan choices among the last entered values ("lPYRText", "lCmpPYRText",
/// "lPmtMthdText" and, where the record has it, "lAmortMthdText").
template <class Rec>
std::vector<TRecField<Rec>> LoanChoiceFields() {
    std::vector<TRecField<Rec>> fields{
        InputField(&Rec::PaymentPeriod, "lPYRText"),
        InputField(&Rec::Compounding, "lCmpPYRText"),
        InputField(&Rec::PaymentMethod, "lPmtMthdText"),
    };
    if constexpr (requires { &Rec::AmortMethod; })
        fields.push_back(InputField(&Rec::AmortMethod, "lAmortMthdText"));
    return fields;
}

/// `first` followed by `more`.
template <class T>
std::vector<T> Joined(std::vector<T> first, const std::vector<T>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

/// The choice lines of the loan choices in the order payment period,
/// compounding, payment method and, where the record has it, amortization
/// method, each with its label.
template <class Rec>
std::vector<TReportLine<Rec>> LoanChoiceLines(int periodLabel, int compoundingLabel,
                                              int methodLabel, int amortLabel = -1) {
    std::vector<TReportLine<Rec>> lines{
        ChoiceLine(periodLabel, &Rec::PaymentPeriod),
        ChoiceLine(compoundingLabel, &Rec::Compounding),
        ChoiceLine(methodLabel, &Rec::PaymentMethod),
    };
    if constexpr (requires { &Rec::AmortMethod; })
        lines.push_back(ChoiceLine(amortLabel, &Rec::AmortMethod));
    return lines;
}

/// The codes a loan equation takes from a record's choices: payment frequency
/// (row + 1), compounding, payment timing and amortization method (always
/// "Normal" for a record without one).
struct TLoanCodes {
    std::uint8_t PaymentFrequency = fqMonthly;
    std::uint8_t Compounding = fqMonthly;
    std::uint8_t Timing = 0;
    std::uint8_t Method = amNormal;
};

template <class Rec>
TLoanCodes LoanCodesOf(const Rec& rec) {
    TLoanCodes codes;
    codes.PaymentFrequency = static_cast<std::uint8_t>(rec.PaymentPeriod.Index + 1);
    codes.Compounding = static_cast<std::uint8_t>(rec.Compounding.Index);
    codes.Timing = static_cast<std::uint8_t>(rec.PaymentMethod.Index);
    if constexpr (requires { rec.AmortMethod; })
        codes.Method = static_cast<std::uint8_t>(rec.AmortMethod.Index);
    return codes;
}

/// Writes a plain loan's solved value into a record by `SolvedFor` (1 amount,
/// 2 number of payments, 3 annual rate, 4 payment); a solved rate is stored
/// times `rateScale` (100 when the equation returns a fraction).
template <class Rec>
void StoreSolvedLoanValue(Rec& rec, const TequLoan& equation, double rateScale) {
    switch (equation.SolvedFor) {
    case 1:
        rec.Amount = equation.Amount;
        break;
    case 2:
        rec.Periods = static_cast<decltype(rec.Periods)>(equation.Periods);
        break;
    case 3:
        rec.AnnualRate = static_cast<float>(equation.AnnualRate * rateScale);
        break;
    case 4:
        rec.Payment = equation.Payment;
        break;
    default:
        break;
    }
}

} // namespace calvora

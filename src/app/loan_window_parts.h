#pragma once

// Parts of the calculator windows built round a loan: the four loan lists of the Calculator
// page, the local defaults of the Options page and where both sit in the buffers' records.
#include "app/app_context.h"
#include "app/calc_window.h"
#include "app/calc_window_binding.h"

#include <memory>
#include <vector>

// The loan lists of a Calculator page ("cbxPYR", "cbxCmpPYR", "cbxPmtMthd" and, with an
// amortizing label, "cbxAmortMthd"), captioned by the values record's labels given.
std::vector<CalcChoiceSpec> LoanChoices(int periodLabel, int compoundingLabel, int methodLabel,
                                        int amortLabel = -1);

// The Options page's local defaults: the rate, then payment period, compounding, payment
// method and, with an amortizing label, amortizing method, captioned by the options record's
// labels given.
void SetLoanOptions(CalcWindowSpec& desc, int rateLabel, int periodLabel, int compoundingLabel,
                    int methodLabel, int amortLabel = -1, int rateHelpTopic = 81);

// The options page of the loan, accelerated payment, remaining balance, automobile and
// mortgage windows (the loan options record and its captions).
void SetFullLoanOptions(CalcWindowSpec& desc);

// The records' lists in the order of LoanChoices and SetLoanOptions; the amortizing method
// where the record has one.
template <class Buf>
void MapLoanChoices(TCalcRecordMap<Buf>& map) {
    using Rec = typename Buf::TransferRec;
    using Opt = typename Buf::OptionsRec;
    map.choices = {&Rec::PaymentPeriod, &Rec::Compounding, &Rec::PaymentMethod};
    if constexpr (requires { &Rec::AmortMethod; })
        map.choices.push_back(&Rec::AmortMethod);
    map.optionChoices = {&Opt::DefaultPaymentPeriod, &Opt::DefaultCompounding,
                         &Opt::DefaultPaymentMethod};
    if constexpr (requires { &Opt::DefaultAmortMethod; })
        map.optionChoices.push_back(&Opt::DefaultAmortMethod);
}

// The binding of a window of buffer kind Buf on the program's settings store.
template <class Buf>
std::unique_ptr<TCalcWindowBinding> MakeCalcBinding(const CalcWindowSpec& desc,
                                                    TCalcRecordMap<Buf> map) {
    return std::make_unique<TCalcBufferBinding<Buf>>(AppSettings(), desc.section.toStdString(),
                                                     std::move(map));
}

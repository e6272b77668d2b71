#include "app/loan_window_parts.h"

std::vector<CalcChoiceSpec> LoanChoices(int periodLabel, int compoundingLabel, int methodLabel,
                                        int amortLabel) {
    std::vector<CalcChoiceSpec> choices{
        {QStringLiteral("cbxPYR"), periodLabel, 16},
        {QStringLiteral("cbxCmpPYR"), compoundingLabel, 13},
        {QStringLiteral("cbxPmtMthd"), methodLabel, 25},
    };
    if (amortLabel >= 0)
        choices.push_back({QStringLiteral("cbxAmortMthd"), amortLabel, 12});
    return choices;
}

void SetLoanOptions(CalcWindowSpec& desc, int rateLabel, int periodLabel, int compoundingLabel,
                    int methodLabel, int amortLabel, int rateHelpTopic) {
    desc.defaultRateLabel = rateLabel;
    desc.defaultRateHelpTopic = rateHelpTopic;
    desc.optionChoices = {
        {QStringLiteral("cbxDefaultPYR"), periodLabel, 16},
        {QStringLiteral("cbxDefaultCmpPYR"), compoundingLabel, 13},
        {QStringLiteral("cbxDefaultPmtMthd"), methodLabel, 25},
    };
    if (amortLabel >= 0)
        desc.optionChoices.push_back({QStringLiteral("cbxDefaultAmortMthd"), amortLabel, 12});
}

void SetFullLoanOptions(CalcWindowSpec& desc) {
    // Captions of the loan options record: 0 amortizing method, 1 payment method,
    // 2 compounding, 3 payment period, 4 rate.
    SetLoanOptions(desc, 4, 3, 2, 1, 0);
}

#include "refinance/advisor_equations.h"

#include "refinance/advisor_costs.h"
#include "refinance/advisor_gains.h"
#include "refinance/advisor_validation.h"

#include <utility>

namespace calvora {

TadvRefinance::TadvRefinance(TRegionalSettings regional)
    : m_regional(std::move(regional)) {}

void TadvRefinance::SetInputs(const TRefinanceInputs& inputs) {
    m_inputs = inputs;
    m_inputs.AssetName = CutAdvisorText(inputs.AssetName);
    m_inputs.PossibleLender = CutAdvisorText(inputs.PossibleLender);
    m_inputs.CurrentLender = CutAdvisorText(inputs.CurrentLender);
    Calculate();
}

void TadvRefinance::Calculate() {
    ValidateRefinanceInputs(m_inputs);

    const TAnalysedPeriods periods = AnalysedPeriods(m_inputs);
    TRefinanceResults results;
    results.HoldingPeriods = periods.Holding;
    results.CurrentPeriods = periods.Current;
    results.PossiblePeriods = periods.Possible;
    ComputeRefinanceCosts(m_inputs, m_runs, results);
    results.PaymentDifferenceGain = PaymentDifferenceGain(m_inputs, results);
    results.ExtraBorrowingGain = ExtraBorrowingGain(m_inputs, results);
    results.BottomLine = RefinanceBottomLine(m_inputs, results);
    TRefinanceNarrative narrative = BuildRefinanceNarrative(m_inputs, results, m_regional);

    m_results = results;
    m_narrative = std::move(narrative);
    m_narrativeLines = m_narrative.Lines();
}

std::string CutAdvisorText(const std::string& text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == limit) {
            return text.substr(0, i);
        }
    }
    return text;
}

} // namespace calvora

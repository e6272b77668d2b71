#pragma once

#include "persistence/regional_settings.h"
#include "refinance/advisor_loan_runs.h"
#include "refinance/advisor_narrative.h"
#include "refinance/advisor_types.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace calvora {

/// Longest asset and lender name kept, in characters.
inline constexpr std::size_t kAdvisorTextLength = 30;

/// The refinance analysis: over the years until the property is sold, does it pay
/// to replace the current loan by a possible new one? Compares the interest cost
/// of both loans over the holding period (after tax and discounted to today's
/// money when asked), adds the new loan's closing costs, points and prepayment
/// penalty, values the investment of the payment difference and of any extra
/// money borrowed, and writes the verdict as a three-paragraph narrative.
class TadvRefinance {
public:
    /// Amounts in the narrative follow regional's currency format.
    explicit TadvRefinance(TRegionalSettings regional = {});

    /// Stores the inputs (names cut to 30 characters) and runs Calculate.
    void SetInputs(const TRefinanceInputs& inputs);
    /// Validates the stored inputs and computes every result and the narrative.
    /// Raises EAdvisorException on invalid input; schedule errors pass through.
    /// On failure the results and the narrative of the previous calculation stay.
    void Calculate();

    /// Five lines: paragraph 1, an empty line, paragraph 2, an empty line, paragraph 3.
    const std::vector<std::string>& Narrative() const { return m_narrativeLines; }
    const TRefinanceNarrative& Paragraphs() const { return m_narrative; }
    const TRefinanceResults& Results() const { return m_results; }
    const TRefinanceInputs& Inputs() const { return m_inputs; }

    const TRegionalSettings& Regional() const { return m_regional; }
    void SetRegional(TRegionalSettings regional) { m_regional = std::move(regional); }

private:
    TRegionalSettings m_regional;
    TRefinanceInputs m_inputs;
    TRefinanceResults m_results;
    TRefinanceNarrative m_narrative;
    std::vector<std::string> m_narrativeLines;
    TAdvisorLoanRuns m_runs;
};

/// The first `limit` characters (UTF-8 code points) of text.
std::string CutAdvisorText(const std::string& text, std::size_t limit = kAdvisorTextLength);

} // namespace calvora

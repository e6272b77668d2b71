#pragma once

#include "persistence/regional_settings.h"
#include "refinance/advisor_types.h"

#include <string>
#include <vector>

namespace calvora {

/// The advisor's verdict in three paragraphs of plain English. Amounts are in the
/// regional currency format.
struct TRefinanceNarrative {
    std::string Paragraph1; ///< paid-down amounts and whether figures are discounted
    std::string Paragraph2; ///< the costs, the tax effect and the investment gains
    std::string Paragraph3; ///< the bottom line

    /// The five narrative lines: paragraph 1, "", paragraph 2, "", paragraph 3.
    std::vector<std::string> Lines() const;
};

/// Writes the narrative of a finished analysis (results.BottomLine included).
TRefinanceNarrative BuildRefinanceNarrative(const TRefinanceInputs& inputs,
                                            const TRefinanceResults& results,
                                            const TRegionalSettings& regional);

/// The bottom-line paragraph: savings of at least a cent and below 500 "hardly
/// seem worth the trouble", larger savings (or a saving below a cent) ask "Why
/// are you waiting?", a loss of at least a cent is not recommended, anything in
/// between (zero included) is "no difference".
std::string BottomLineParagraph(Extended bottomLine, const TRegionalSettings& regional);

} // namespace calvora

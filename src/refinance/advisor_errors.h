#pragma once

#include "finance/finance_errors.h"

#include <string>

namespace calvora {

/// Raised by the refinance advisor; carries only the catalogue message.
class EAdvisorException : public ECalvoraError {
public:
    using ECalvoraError::ECalvoraError;
};

/// Message of an advisor-catalogue code (a single character, 'e' to '~');
/// "Unknown 'Adviser' error." for any other code.
std::string AdvisorErrorText(char code);

/// Raises EAdvisorException with the catalogue text of code.
[[noreturn]] void RaiseAdvisorError(char code);

} // namespace calvora

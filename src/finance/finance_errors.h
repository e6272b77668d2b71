#pragma once

#include <stdexcept>
#include <string>

namespace calvora {

/// Common base of every error the core raises; carries only the user message.
class ECalvoraError : public std::runtime_error {
public:
    explicit ECalvoraError(const std::string& message)
        : std::runtime_error(message) {}
};

/// Raised through the finance catalogue (codes 401..435).
class EFinanceException : public ECalvoraError {
public:
    using ECalvoraError::ECalvoraError;
};

/// Raised through the cash-schedule catalogue (codes 1001..1075).
class ECashScheduleException : public ECalvoraError {
public:
    using ECalvoraError::ECalvoraError;
};

/// Message of a finance-catalogue code; "Unknown schedule error." for a missing code.
std::string FinanceErrorText(unsigned code);
/// Message of a cash-schedule-catalogue code; "Unknown equation error." for a missing code.
std::string CashScheduleErrorText(unsigned code);

/// Raises EFinanceException with the catalogue text of code.
[[noreturn]] void RaiseFinanceError(unsigned code);
/// Raises ECashScheduleException with the catalogue text of code.
[[noreturn]] void RaiseCashScheduleError(unsigned code);

} // namespace calvora

#include "finance/finance_errors.h"

#include <map>

namespace calvora {

namespace {

// Catalogue texts are filled in by the catalogue tables below.
const std::map<unsigned, std::string>& FinanceCatalogue()
{
    static const std::map<unsigned, std::string> texts{
        {427, "Unknown Amortization Method."},
    };
    return texts;
}

const std::map<unsigned, std::string>& CashScheduleCatalogue()
{
    static const std::map<unsigned, std::string> texts{
        {1012, "Compounding frequency not supported."},
        {1045, "Too many unknowns. Enter only one zero value."},
        {1046, "Invalid inputs."},
    };
    return texts;
}

} // namespace

std::string FinanceErrorText(unsigned code)
{
    const auto& texts = FinanceCatalogue();
    auto it = texts.find(code);
    return it == texts.end() ? std::string("Unknown schedule error.") : it->second;
}

std::string CashScheduleErrorText(unsigned code)
{
    const auto& texts = CashScheduleCatalogue();
    auto it = texts.find(code);
    return it == texts.end() ? std::string("Unknown equation error.") : it->second;
}

void RaiseFinanceError(unsigned code) { throw EFinanceException(FinanceErrorText(code)); }

void RaiseCashScheduleError(unsigned code)
{
    throw ECashScheduleException(CashScheduleErrorText(code));
}

} // namespace calvora

#include "schedule/schedule_factory.h"

#include "finance/finance_errors.h"
#include "schedule/cash_schedule_canadian.h"
#include "schedule/cash_schedule_normal.h"
#include "schedule/cash_schedule_rule78.h"

namespace calvora {

std::unique_ptr<TCash_Schedule_Base> CreateCashSchedule(int amortizationMethod) {
    switch (amortizationMethod) {
    case amNormal:
    case amFixedPrincipal:
    case amInterestOnly:
    case amNoInterest:
        return std::make_unique<TCash_Schedule_Normal>();
    case amCanadian:
        return std::make_unique<TCash_Schedule_Canadian>();
    case amRule78:
        return std::make_unique<TCash_Schedule_Rule78>();
    default:
        RaiseCashScheduleError(1034);
    }
}

} // namespace calvora

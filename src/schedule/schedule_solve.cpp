// Dispatch of the unknown, shared by every schedule.
#include "schedule/cash_schedule.h"

namespace calvora {

void TCash_Schedule_Base::SolveUnknown() {
    switch (m_unknownKind) {
    case ukFirstAmount:
    case ukLaterAmount:
        m_result = SolveAmount();
        for (TCashInputClass& event : Events()) {
            if (event.AmountUnknown) {
                event.Amount = static_cast<double>(m_result);
                event.AmountUnknown = false;
            }
        }
        break;
    case ukTerm:
        m_numberOfPeriods = SolveTerm();
        break;
    case ukRate:
        m_annualRate = SolveRate();
        break;
    default:
        SolveAmount();
        break;
    }
}

void TCash_Schedule_Base::SolveThenComputeRows() {
    if (EventCount() < 2) {
        return;
    }
    PreparePeriods();
    if (!m_rateUnknown) {
        SetRates();
    }
    SolveUnknown();
    for (TCashInputClass& event : Events()) {
        event.AmountUnknown = false;
    }
    RunSchedule();
}

} // namespace calvora

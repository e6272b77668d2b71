#include "schedule/cash_schedule_normal.h"

namespace calvora {

void TCash_Schedule_Normal::Solve() {
    SolveThenComputeRows();
}

void TCash_Schedule_Normal::ComputeRows() {
    AmortizeRows(true);
}

} // namespace calvora

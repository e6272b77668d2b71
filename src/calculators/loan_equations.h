#pragma once

// The six loan equations: each turns one calculator's problem into cash-flow
// events, runs a schedule over them and reads back the solved value.
#include "calculators/accelerated_pmt_equation.h"
#include "calculators/balloon_pmt_equation.h"
#include "calculators/loan_equation.h"
#include "calculators/remaining_balance_equation.h"

#include "finance/financial_types.h"

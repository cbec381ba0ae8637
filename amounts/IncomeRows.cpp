#include "amounts/IncomeRows.h"

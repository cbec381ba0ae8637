#pragma once
#include <string>

#include "model/Certificate.h"

namespace mervane {

// What the main window's module keeps while the program runs.
struct WorkingState {
    std::string ProfilePath;
    TCompanyProfile Profile;
    // Totals and the last counted row; "no value" until the first fill.
    Amount TaxTotal;
    Amount AmountTotal;
    Amount RowTax;
    Amount RowAmount;
    bool DividendWindowCreated = false;
};

} // namespace mervane

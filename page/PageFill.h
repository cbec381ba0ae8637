#pragma once
#include <functional>

#include "amounts/AmountText.h"
#include "model/Certificate.h"
#include "model/Dates.h"
#include "model/WorkingState.h"
#include "page/Layout.h"

namespace mervane {

// How the clerk's system writes dates and amounts.
struct FillSettings {
    NumberSeparators separators;
    DateFormat dateFormat = ThaiDateFormat();
};

// One fill of the page, up to and including the profile save: writes the payer
// and payee blocks, counters, check cells, income slots, totals, the tax in
// words and the date of issue into the page's elements, then calls saveProfile.
// Stops with mervane::Error at the failing step, leaving earlier steps done:
// an empty tax total stops it before the words; a failing save stops it after
// the page is filled. Printing is the caller's business.
void FillPage(Page& page, const TCertificate& certificate, WorkingState& state, const FillSettings& settings,
              const std::function<void()>& saveProfile);

} // namespace mervane

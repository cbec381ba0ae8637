#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "amounts/AmountText.h"
#include "model/Certificate.h"
#include "model/Dates.h"
#include "model/WorkingState.h"

namespace mervane {

// Receives the text of a named page element.
using SetElementText = std::function<void(std::string_view element, const std::string& text)>;

// TaxTotal += RowTax, then AmountTotal += RowAmount (empty absorbs).
void AddRowToTotals(WorkingState& state);

// A line counts when its amount is not empty; zero and negatives count.
inline bool IsRowCounted(const TIncomeSlot& slot) { return slot.Amount.has_value(); }

// Evaluates the income lines in their fixed order (the dividend lines only when
// the dividend window exists), writes the counted lines' slot texts and the four
// descriptions, and adds the counted lines into the totals, which the caller
// has set to zero.
void FillIncomeSlots(const TCertificate& certificate, WorkingState& state, const NumberSeparators& separators,
                     const DateFormat& dateFormat, const SetElementText& setText);

// The tax total spelled out in Thai: written with at most 15 significant digits,
// read back, then put into words, which drops the residue of the sum. An empty
// total cannot be written and raises the error the clerk sees.
std::string TaxTotalInWords(const Amount& taxTotal);

} // namespace mervane

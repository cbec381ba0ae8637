#include "amounts/IncomeRows.h"

#include <cstdlib>

#include "amounts/UbahtStang.h"
#include "model/Error.h"

namespace mervane {

void AddRowToTotals(WorkingState& state)
{
    state.TaxTotal = AddAmounts(state.TaxTotal, state.RowTax);
    state.AmountTotal = AddAmounts(state.AmountTotal, state.RowAmount);
}

void FillIncomeSlots(const TCertificate& certificate, WorkingState& state, const NumberSeparators& separators,
                     const DateFormat& dateFormat, const SetElementText& setText)
{
    for (const int number : kEvaluationOrder) {
        const SlotInfo& info = slotInfo(number);
        // Until the dividend window has been opened its lines do not exist at all:
        // not even their descriptions are written.
        if (info.window == EntryWindow::Dividend && !state.DividendWindowCreated)
            continue;
        const TIncomeSlot& slot = certificate.slot(number);
        const bool counted = IsRowCounted(slot);
        if (counted) {
            state.RowTax = slot.TaxAmount;
            state.RowAmount = slot.Amount;
            AddRowToTotals(state);
            setText(SlotTaxElement(number), AmountText(slot.TaxAmount, separators));
            setText(SlotDateElement(number), ShortDateText(slot.Date, dateFormat));
            setText(SlotAmountElement(number), AmountText(slot.Amount, separators));
        }
        if (info.despElement) {
            // The dividend descriptions print only beside a counted line; a single
            // space overwrites whatever an earlier fill left in them.
            if (info.despOnlyWhenCounted && !counted)
                setText(info.despElement, " ");
            else
                setText(info.despElement, slot.Desp);
        }
    }
}

std::string TaxTotalInWords(const Amount& taxTotal)
{
    if (!taxTotal)
        throw Error("Could not convert variant of type (Null) into type (String)");
    const std::string text = GeneralNumberText(*taxTotal);
    return AmountToThaiText(std::strtod(text.c_str(), nullptr));
}

} // namespace mervane

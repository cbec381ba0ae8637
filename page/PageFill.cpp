#include "page/PageFill.h"

#include "amounts/IncomeRows.h"

namespace mervane {

void FillPage(Page& page, const TCertificate& certificate, WorkingState& state, const FillSettings& settings,
              const std::function<void()>& saveProfile)
{
    auto set = [&page](std::string_view name, const std::string& text) { page.setText(name, text); };

    state.TaxTotal = 0.0;
    state.AmountTotal = 0.0;

    set("ppLabel59", state.Profile.Name);
    set("ppLabel60", state.Profile.Address);
    set("ppLabel25", state.Profile.TaxNo);
    set("ppLabel58", state.Profile.IdNo);

    // The payee's numbers cross over: the tax number prints in ppLabel86, the
    // citizen number in ppLabel85.
    set("ppLabel83", certificate.PayeeName);
    set("ppLabel84", certificate.PayeeAddress);
    set("ppLabel85", certificate.PayeeIdNo);
    set("ppLabel86", certificate.PayeeTaxNo);

    set("ppBookNo", std::to_string(certificate.BookNo));
    set("ppRunNo", std::to_string(certificate.RunNo));

    for (std::size_t i = 0; i < kTaxTypeCells.size(); ++i)
        set(kTaxTypeCells[i], certificate.TaxType == static_cast<int>(i) + 1 ? "X" : " ");
    for (std::size_t i = 0; i < 3; ++i)
        set(kConditionCells[i], certificate.PayerCondition == static_cast<int>(i) + 1 ? "X" : " ");
    if (certificate.PayerCondition == 4) {
        set(kConditionCells[3], "X");
        set("ppLabel63", certificate.ConditionText);
    } else {
        set(kConditionCells[3], " ");
        set("ppLabel63", " ");
    }

    FillIncomeSlots(certificate, state, settings.separators, settings.dateFormat, set);

    set("ppWordAmount", TaxTotalInWords(state.TaxTotal));
    set("ppAmountTaxTotal", AmountText(state.TaxTotal, settings.separators));
    set("ppAmountTotal", AmountText(state.AmountTotal, settings.separators));
    set("ppDateOut", ShortDateText(certificate.DateOut, settings.dateFormat));

    if (saveProfile)
        saveProfile();
}

} // namespace mervane

#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Dates.h"

namespace mervane {

// An amount of money: a number, or empty when nothing was entered. Empty is not
// zero: a blank field stays blank on the page.
using Amount = std::optional<double>;

// Adding empty to anything, or anything to empty, gives empty; so a single
// counted line without a tax amount makes the tax total empty.
inline Amount AddAmounts(const Amount& a, const Amount& b)
{
    if (!a || !b)
        return std::nullopt;
    return *a + *b;
}

struct TCompanyProfile {
    std::string Name;
    std::string Address;
    std::string TaxNo;
    std::string IdNo;
    bool operator==(const TCompanyProfile&) const = default;
};

struct TIncomeSlot {
    DateValue Date;
    mervane::Amount Amount;
    mervane::Amount TaxAmount;
    std::string Desp; // only slots 08, 13, 14 and 15 have one
    bool operator==(const TIncomeSlot&) const = default;
};

inline constexpr int kSlotCount = 15;

struct TCertificate {
    std::string PayeeName;
    std::string PayeeAddress;
    std::string PayeeTaxNo;
    std::string PayeeIdNo;
    DateValue DateOut;
    std::int32_t BookNo = 0;
    std::int32_t RunNo = 0;
    int TaxType = 0;        // 1 to 7, 0 for none chosen
    int PayerCondition = 0; // 1 to 4, 0 for none chosen
    std::string ConditionText;
    // Slots[0] is slot 01, Slots[14] slot 15.
    std::array<TIncomeSlot, kSlotCount> Slots{};

    TIncomeSlot& slot(int number) { return Slots.at(static_cast<std::size_t>(number - 1)); }
    const TIncomeSlot& slot(int number) const { return Slots.at(static_cast<std::size_t>(number - 1)); }
    bool operator==(const TCertificate&) const = default;
};

enum class EntryWindow { Main, Dividend };

// Where a slot is typed and where it prints. Element names of the slot itself
// follow from the number: ppDateNN, ppAmountNN, ppTaxAmountNN.
struct SlotInfo {
    int number;
    const char* caption;        // the entry row's caption
    EntryWindow window;
    const char* rowSuffix;      // the NN of the row's cxDateNN/cxAmountNN/cxTaxAmountNN controls
    const char* despControl;    // nullptr when the slot has no description
    const char* despElement;    // nullptr when the slot has no description
    bool despOnlyWhenCounted;   // dividend descriptions print only with a counted line
};

inline constexpr std::array<SlotInfo, kSlotCount> kSlotTable{{
    {1, "1. เงินเดือน ค่าจ้าง เบี้ยเลี้ยง โบนัส ตามมาตร 40 (1)", EntryWindow::Main, "01", nullptr, nullptr, false},
    {2, "2. ค่าธรรมเนียม ค่านายหน้า ฯลฯ ตามมาตรา 40 (2)", EntryWindow::Main, "02", nullptr, nullptr, false},
    {3, "3. ค่าแห่งลิขสิทธิ์ ฯลฯ ตามมาตรา 40 (3)", EntryWindow::Main, "03", nullptr, nullptr, false},
    {4, "4. (ก) ดอกเบี้ย ฯลฯ ตามมาตรา 40 (4) (ก)", EntryWindow::Main, "04", nullptr, nullptr, false},
    {5, "1.1 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 30", EntryWindow::Dividend, "05", nullptr, nullptr, false},
    {6, "1.2 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 25", EntryWindow::Dividend, "06", nullptr, nullptr, false},
    {7, "1.3 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 20", EntryWindow::Dividend, "07", nullptr, nullptr, false},
    {8, "1.4 อัตราอื่นๆ ระบุ", EntryWindow::Dividend, "08", "cxDesp7", "ppDesp7", true},
    {9, "2.1 กำไรสุทธิของกิจการได้รับการยกเว้นภาษี", EntryWindow::Dividend, "09", nullptr, nullptr, false},
    {10, "2.2 เงินปันผลหรือส่วนแบ่งของกำไรได้รับการยกเว้น", EntryWindow::Dividend, "10", nullptr, nullptr, false},
    {11, "2.3 กำไรสุทธิส่วนที่ได้หักผลขาดทุนสุทธิยกมาไม่เกิน 5 ปี", EntryWindow::Dividend, "11", nullptr, nullptr, false},
    {12, "2.4 กำไรที่รับรู้ทางบัญชีโดยวิธีส่วนได้เสีย (Equity Method)", EntryWindow::Dividend, "12", nullptr, nullptr, false},
    {13, "2.5 อื่นๆ (ระบุ)", EntryWindow::Dividend, "13", "cxDesp8", "ppdesp8", true},
    {14, "5. การจ่ายเงินได้ที่ต้องหักภาษี ณ ที่จ่าย ตามคำสั่งในมาตรา 3 เตรส (ระบุ)", EntryWindow::Main, "05", "cxDesp05", "ppDesp05", false},
    {15, "6. อื่นๆ (ระบุ)", EntryWindow::Main, "06", "cxDesp06", "ppDesp06", false},
}};

inline const SlotInfo& slotInfo(int number) { return kSlotTable.at(static_cast<std::size_t>(number - 1)); }

// The main window's rows first (01-04, then its rows 5 and 6, which are slots 14
// and 15), then the nine dividend lines.
inline constexpr std::array<int, kSlotCount> kEvaluationOrder{1, 2, 3, 4, 14, 15, 5, 6, 7, 8, 9, 10, 11, 12, 13};

// "ppDate07", "ppAmount07", "ppTaxAmount07".
std::string SlotDateElement(int number);
std::string SlotAmountElement(int number);
std::string SlotTaxElement(int number);

// Check cells of the return forms (1 to 7) and payer conditions (1 to 4).
inline constexpr std::array<const char*, 7> kTaxTypeCells{"ppLabel64", "ppLabel65", "ppLabel66", "ppLabel67",
                                                          "ppLabel68", "ppLabel69", "ppLabel70"};
inline constexpr std::array<const char*, 4> kConditionCells{"ppLabel54", "ppLabel55", "ppLabel56", "ppLabel57"};

} // namespace mervane

#include <gtest/gtest.h>

#include <limits>
#include <map>

#include "amounts/AmountText.h"
#include "amounts/IncomeRows.h"
#include "model/Error.h"

using namespace mervane;
using namespace std::chrono;

namespace {

struct Recorder {
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> order;
    SetElementText sink()
    {
        return [this](std::string_view name, const std::string& text) {
            texts[std::string(name)] = text;
            order.emplace_back(name);
        };
    }
    bool has(const std::string& name) const { return texts.count(name) != 0; }
};

struct Evaluated {
    Recorder page;
    WorkingState state;
};

Evaluated evaluate(const TCertificate& c, bool dividendWindow)
{
    Evaluated e;
    e.state.DividendWindowCreated = dividendWindow;
    e.state.TaxTotal = 0.0;
    e.state.AmountTotal = 0.0;
    FillIncomeSlots(c, e.state, NumberSeparators{}, ThaiDateFormat(), e.page.sink());
    return e;
}

} // namespace

TEST(AmountText, DisplayFormat)
{
    struct Case {
        const char* name;
        Amount amount;
        const char* text;
    } cases[] = {
        {"empty", std::nullopt, ""},
        {"zero", 0.0, "0.00"},
        {"half", 0.5, "0.50"},
        {"grouped", 1234.5, "1,234.50"},
        {"million", 1000000.0, "1,000,000.00"},
        {"negative", -1234.5, "-1,234.50"},
        {"sum residue", 0.1 + 0.2, "0.30"},
        {"below a thousand", 999.994, "999.99"},
        {"carry into a new group", 999999.995, "1,000,000.00"},
        {"negative below a cent", -0.001, "0.00"},
        {"large", 123456789012.34, "123,456,789,012.34"},
        {"beyond 15 digits", 1e16, "10,000,000,000,000,000.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AmountText(c.amount), c.text);
    }
}

TEST(AmountText, UsesTheGivenSeparators)
{
    const NumberSeparators german{".", ","};
    EXPECT_EQ(AmountText(1234567.5, german), "1.234.567,50");
    const NumberSeparators swiss{"\u2019", "."};
    EXPECT_EQ(AmountText(-1234.5, swiss), "-1\u2019234.50");
}

// What was written decides, not the binary value: 5000.005 has three decimals
// however close its double lies to a whole number of cents.
TEST(AmountText, DecimalPlacesOfWhatWasWritten)
{
    struct Case {
        double value;
        int places;
    } cases[] = {
        {0.0, 0},           {100.0, 0},         {1e20, 0},           {0.1, 1},
        {0.1 + 0.2, 17},    {12.34, 2},         {-0.05, 2},          {9999999999999.99, 2},
        {0.125, 3},         {5000.005, 3},      {12345.678, 3},      {1e-7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(DecimalPlaces(c.value), c.places);
    }
    EXPECT_THROW(DecimalPlaces(std::numeric_limits<double>::infinity()), Error);
}

TEST(IncomeRows, RowTestCountsAnyNumberAndIgnoresTaxAndDate)
{
    TCertificate c;
    c.slot(1).Amount = 0.0;                 // zero counts
    c.slot(2).TaxAmount = 50.0;             // tax without amount does not
    c.slot(3).Amount = -1234.5;             // negative counts
    c.slot(3).TaxAmount = -10.0;
    c.slot(4).Amount = 100.0;               // no tax, no date: counted
    c.slot(4).TaxAmount = std::nullopt;
    c.slot(1).Date = year_month_day{year{2026}, December, day{10}};

    const Evaluated e = evaluate(c, false);
    EXPECT_EQ(e.page.texts.at("ppAmount01"), "0.00");
    EXPECT_EQ(e.page.texts.at("ppDate01"), "10/12/2569");
    EXPECT_EQ(e.page.texts.at("ppTaxAmount01"), "");
    EXPECT_FALSE(e.page.has("ppAmount02"));
    EXPECT_FALSE(e.page.has("ppTaxAmount02"));
    EXPECT_FALSE(e.page.has("ppDate02"));
    EXPECT_EQ(e.page.texts.at("ppAmount03"), "-1,234.50");
    EXPECT_EQ(e.page.texts.at("ppTaxAmount04"), "");
    EXPECT_EQ(e.page.texts.at("ppDate04"), "");
    // Slot 01 has an empty tax amount, so the tax total is empty for good.
    EXPECT_FALSE(e.state.TaxTotal.has_value());
    ASSERT_TRUE(e.state.AmountTotal.has_value());
    EXPECT_DOUBLE_EQ(*e.state.AmountTotal, 0.0 - 1234.5 + 100.0);
}

TEST(IncomeRows, EvaluationOrderAndWhatEachLineWrites)
{
    TCertificate c;
    for (int n = 1; n <= kSlotCount; ++n) {
        c.slot(n).Amount = n * 100.0;
        c.slot(n).TaxAmount = n * 1.0;
    }
    const Evaluated e = evaluate(c, true);
    std::vector<std::string> expected;
    for (int n : {1, 2, 3, 4, 14, 15, 5, 6, 7, 8, 9, 10, 11, 12, 13}) {
        expected.push_back(SlotTaxElement(n));
        expected.push_back(SlotDateElement(n));
        expected.push_back(SlotAmountElement(n));
        if (const char* desp = slotInfo(n).despElement)
            expected.emplace_back(desp);
    }
    EXPECT_EQ(e.page.order, expected);
    EXPECT_DOUBLE_EQ(*e.state.AmountTotal, 100.0 * 120);
    EXPECT_DOUBLE_EQ(*e.state.TaxTotal, 120.0);
    // The last counted line in evaluation order is slot 13.
    EXPECT_DOUBLE_EQ(*e.state.RowAmount, 1300.0);
    EXPECT_DOUBLE_EQ(*e.state.RowTax, 13.0);
}

TEST(IncomeRows, DividendLinesOnlyOnceTheWindowExists)
{
    TCertificate c;
    c.slot(5).Amount = 500.0;
    c.slot(5).TaxAmount = 50.0;
    c.slot(8).Desp = "15%";
    c.slot(8).Amount = 1.0;
    c.slot(8).TaxAmount = 0.0;

    const Evaluated closed = evaluate(c, false);
    EXPECT_FALSE(closed.page.has("ppAmount05"));
    EXPECT_FALSE(closed.page.has("ppDesp7"));
    EXPECT_FALSE(closed.page.has("ppdesp8"));
    EXPECT_DOUBLE_EQ(*closed.state.AmountTotal, 0.0);
    EXPECT_DOUBLE_EQ(*closed.state.TaxTotal, 0.0);

    const Evaluated open = evaluate(c, true);
    EXPECT_EQ(open.page.texts.at("ppAmount05"), "500.00");
    EXPECT_EQ(open.page.texts.at("ppDesp7"), "15%");
    EXPECT_EQ(open.page.texts.at("ppdesp8"), " ");
    EXPECT_DOUBLE_EQ(*open.state.AmountTotal, 501.0);
    EXPECT_DOUBLE_EQ(*open.state.TaxTotal, 50.0);
}

TEST(IncomeRows, DescriptionRules)
{
    struct Case {
        const char* name;
        int slot;
        bool amount;
        const char* desp;
        const char* element;
        const char* printed;
    } cases[] = {
        {"line 5 without amount prints", 14, false, "รางวัล", "ppDesp05", "รางวัล"},
        {"line 5 empty empties", 14, true, "", "ppDesp05", ""},
        {"line 6 without amount prints", 15, false, "ค่าบริการ", "ppDesp06", "ค่าบริการ"},
        {"rate 1.4 without amount is a space", 8, false, "10", "ppDesp7", " "},
        {"rate 1.4 with amount", 8, true, "10", "ppDesp7", "10"},
        {"2.5 without amount is a space", 13, false, "อื่น", "ppdesp8", " "},
        {"2.5 with amount, empty text", 13, true, "", "ppdesp8", ""},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TCertificate c;
        c.slot(k.slot).Desp = k.desp;
        if (k.amount) {
            c.slot(k.slot).Amount = 1.0;
            c.slot(k.slot).TaxAmount = 0.0;
        }
        EXPECT_EQ(evaluate(c, true).page.texts.at(k.element), k.printed);
    }
}

TEST(IncomeRows, SumsKeepTheirResidueButPrintRounded)
{
    TCertificate c;
    c.slot(1).Amount = 0.10;
    c.slot(1).TaxAmount = 0.10;
    c.slot(2).Amount = 0.20;
    c.slot(2).TaxAmount = 0.20;
    const Evaluated e = evaluate(c, false);
    EXPECT_EQ(AmountText(e.state.AmountTotal), "0.30");
    EXPECT_EQ(TaxTotalInWords(e.state.TaxTotal), "สามสิบสตางค์");
}

TEST(IncomeRows, TaxTotalInWords)
{
    EXPECT_EQ(TaxTotalInWords(0.0), "ศูนย์บาท");
    EXPECT_EQ(TaxTotalInWords(1234567.89), "หนึ่งล้านสองแสนสามหมื่นสี่พันห้าร้อยหกสิบเจ็ดบาทแปดสิบเก้าสตางค์");
    // 12 + 0.1 + 0.2 carries a residue that the 15-digit text drops.
    EXPECT_EQ(TaxTotalInWords(12.0 + 0.1 + 0.2), "สิบสองบาทสามสิบสตางค์");
    try {
        TaxTotalInWords(std::nullopt);
        FAIL() << "an empty tax total must not turn into words";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (String)");
    }
}

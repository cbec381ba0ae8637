#include <gtest/gtest.h>

#include <set>

#include "model/Certificate.h"
#include "model/Dates.h"

using namespace mervane;
using namespace std::chrono;

TEST(Amounts, EmptyAbsorbsInAddition)
{
    EXPECT_EQ(AddAmounts(1.5, 2.0), Amount(3.5));
    EXPECT_EQ(AddAmounts(std::nullopt, 2.0), std::nullopt);
    EXPECT_EQ(AddAmounts(2.0, std::nullopt), std::nullopt);
    EXPECT_EQ(AddAmounts(AddAmounts(0.0, std::nullopt), 5.0), std::nullopt);
}

TEST(SlotTable, EveryWindowRowFeedsExactlyOneSlot)
{
    std::set<std::pair<EntryWindow, std::string>> rows;
    for (const SlotInfo& s : kSlotTable)
        EXPECT_TRUE(rows.emplace(s.window, s.rowSuffix).second) << "slot " << s.number;
    // The main window's rows 05 and 06 are slots 14 and 15; the dividend window's are 05 and 06.
    EXPECT_EQ(slotInfo(14).window, EntryWindow::Main);
    EXPECT_STREQ(slotInfo(14).rowSuffix, "05");
    EXPECT_EQ(slotInfo(5).window, EntryWindow::Dividend);
    EXPECT_STREQ(slotInfo(5).rowSuffix, "05");
    for (int n = 1; n <= kSlotCount; ++n)
        EXPECT_EQ(slotInfo(n).number, n);
}

TEST(SlotTable, ElementNamesAndEvaluationOrder)
{
    EXPECT_EQ(SlotDateElement(1), "ppDate01");
    EXPECT_EQ(SlotAmountElement(14), "ppAmount14");
    EXPECT_EQ(SlotTaxElement(7), "ppTaxAmount07");
    std::set<int> seen(kEvaluationOrder.begin(), kEvaluationOrder.end());
    EXPECT_EQ(seen.size(), 15u);
    EXPECT_EQ(kEvaluationOrder[4], 14);
    EXPECT_EQ(kEvaluationOrder[5], 15);
}

TEST(Dates, ShortText)
{
    const DateValue d = year_month_day{year{2026}, December, day{10}};
    const DateValue early = year_month_day{year{2027}, January, day{5}};
    struct Case {
        const char* name;
        DateValue date;
        DateFormat format;
        const char* text;
    } cases[] = {
        {"thai buddhist era", d, ThaiDateFormat(), "10/12/2569"},
        {"thai single digits", early, ThaiDateFormat(), "5/1/2570"},
        {"empty date", std::nullopt, ThaiDateFormat(), ""},
        {"us two-digit year widened", d, DateFormatFromPattern("M/d/yy"), "12/10/2026"},
        {"german", early, DateFormatFromPattern("dd.MM.yy"), "05.01.2027"},
        {"iso-like", early, DateFormatFromPattern("yyyy-MM-dd"), "2027-01-05"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShortDateText(c.date, c.format), c.text);
    }
}

TEST(Dates, ParseIsoDateIsStrict)
{
    EXPECT_EQ(ParseIsoDate("2026-12-10"), (year_month_day{year{2026}, December, day{10}}));
    for (const char* bad : {"2026-02-30", "2026-13-01", "2026-1-01", "20261210", "2026-12-10x", ""})
        EXPECT_EQ(ParseIsoDate(bad), std::nullopt) << bad;
}

TEST(Dates, TwoDigitYearsLieWithinHalfACenturyOfNow)
{
    struct Case {
        int typed;
        int current;
        int year;
    } cases[] = {
        {69, 2569, 2569}, {67, 2569, 2567}, {99, 2569, 2599}, {19, 2569, 2519}, {18, 2569, 2618},
        {0, 2569, 2600},  {1, 2598, 2601},  {99, 2601, 2599}, {26, 2026, 2026}, {80, 2026, 1980},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.typed) + " in " + std::to_string(c.current));
        EXPECT_EQ(ExpandTwoDigitYear(c.typed, c.current), c.year);
    }
}

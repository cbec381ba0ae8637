#include <gtest/gtest.h>

#include "model/Error.h"
#include "page/PageFill.h"

using namespace mervane;
using namespace std::chrono;

namespace {

struct Fixture {
    Page page;
    WorkingState state;
    int saves = 0;

    Fixture()
    {
        state.Profile = {"บริษัท ตัวอย่าง จำกัด", "12 หมู่ 3", "1234567890", "1234567890123"};
    }
    void fill(const TCertificate& c)
    {
        FillPage(page, c, state, FillSettings{}, [this] { ++saves; });
    }
    // What a generation of the page shows: variables blanked, then the fill.
    void generate(const TCertificate& c)
    {
        page.blankVariables();
        fill(c);
    }
    const std::string& operator[](const char* name) const { return page.text(name); }
};

TCertificate sampleCertificate()
{
    TCertificate c;
    c.PayeeName = "นายสมชาย ใจดี";
    c.PayeeAddress = "99/1 ถนนสุขุมวิท";
    c.PayeeTaxNo = "3101234567";
    c.PayeeIdNo = "3101234567890";
    c.DateOut = year_month_day{year{2026}, December, day{10}};
    c.BookNo = 5;
    c.RunNo = -27;
    c.TaxType = 7;
    c.PayerCondition = 1;
    c.ConditionText = "ไม่พิมพ์";
    c.slot(2).Amount = 10000.0;
    c.slot(2).TaxAmount = 300.0;
    c.slot(15).Amount = 2500.5;
    c.slot(15).TaxAmount = 75.02;
    c.slot(15).Desp = "ค่าขนส่ง";
    return c;
}

} // namespace

TEST(PageFill, WritesEveryBlock)
{
    Fixture f;
    f.generate(sampleCertificate());
    struct Expect {
        const char* element;
        const char* text;
    } expected[] = {
        {"ppLabel59", "บริษัท ตัวอย่าง จำกัด"}, {"ppLabel60", "12 หมู่ 3"},
        {"ppLabel25", "1234567890"}, {"ppLabel58", "1234567890123"},
        {"ppLabel83", "นายสมชาย ใจดี"}, {"ppLabel84", "99/1 ถนนสุขุมวิท"},
        // The payee's numbers cross: the tax number prints in ppLabel86.
        {"ppLabel86", "3101234567"}, {"ppLabel85", "3101234567890"},
        {"ppBookNo", "5"}, {"ppRunNo", "-27"},
        {"ppLabel64", " "}, {"ppLabel69", " "}, {"ppLabel70", "X"},
        {"ppLabel54", "X"}, {"ppLabel55", " "}, {"ppLabel57", " "}, {"ppLabel63", " "},
        {"ppAmount02", "10,000.00"}, {"ppTaxAmount02", "300.00"}, {"ppDate02", ""},
        {"ppAmount15", "2,500.50"}, {"ppTaxAmount15", "75.02"}, {"ppDesp06", "ค่าขนส่ง"},
        {"ppAmount01", ""}, {"ppAmount05", ""},
        {"ppAmountTotal", "12,500.50"}, {"ppAmountTaxTotal", "375.02"},
        {"ppWordAmount", "สามร้อยเจ็ดสิบห้าบาทสองสตางค์"},
        {"ppDateOut", "10/12/2569"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.element);
        EXPECT_EQ(f[e.element], e.text);
    }
    EXPECT_EQ(f.saves, 1);
}

TEST(PageFill, NothingChosenNothingCounted)
{
    Fixture f;
    f.generate(TCertificate{});
    for (const char* cell : kTaxTypeCells)
        EXPECT_EQ(f[cell], " ") << cell;
    for (const char* cell : kConditionCells)
        EXPECT_EQ(f[cell], " ") << cell;
    EXPECT_EQ(f["ppLabel63"], " ");
    EXPECT_EQ(f["ppBookNo"], "0");
    EXPECT_EQ(f["ppRunNo"], "0");
    EXPECT_EQ(f["ppAmountTotal"], "0.00");
    EXPECT_EQ(f["ppAmountTaxTotal"], "0.00");
    EXPECT_EQ(f["ppWordAmount"], "ศูนย์บาท");
    EXPECT_EQ(f["ppDateOut"], "");
}

TEST(PageFill, ConditionFourCarriesItsText)
{
    Fixture f;
    TCertificate c;
    c.PayerCondition = 4;
    f.generate(c);
    EXPECT_EQ(f["ppLabel57"], "X");
    EXPECT_EQ(f["ppLabel63"], "");
    c.ConditionText = "ออกให้บางส่วน";
    f.generate(c);
    EXPECT_EQ(f["ppLabel63"], "ออกให้บางส่วน");
}

TEST(PageFill, EmptyTaxTotalStopsBeforeTheWordsAndTheSave)
{
    Fixture f;
    f.generate(sampleCertificate());
    TCertificate c = sampleCertificate();
    c.slot(3).Amount = 10.0; // counted without a tax amount
    c.PayeeName = "คนใหม่";
    c.DateOut = year_month_day{year{2027}, January, day{5}};
    f.page.blankVariables();
    try {
        f.fill(c);
        FAIL() << "expected the fill to stop";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (String)");
    }
    EXPECT_EQ(f["ppLabel83"], "คนใหม่");           // steps before the words are done
    EXPECT_EQ(f["ppAmount03"], "10.00");
    EXPECT_EQ(f["ppAmountTotal"], "");              // totals not written
    EXPECT_EQ(f["ppWordAmount"], "สามร้อยเจ็ดสิบห้าบาทสองสตางค์"); // the label keeps the last fill
    EXPECT_EQ(f["ppDateOut"], "10/12/2569");        // the new date comes after the words
    EXPECT_EQ(f.saves, 1);                          // only the earlier fill saved
}

TEST(PageFill, FailingSaveComesAfterThePageIsFilled)
{
    Fixture f;
    const TCertificate c = sampleCertificate();
    EXPECT_THROW(FillPage(f.page, c, f.state, FillSettings{}, [] { throw Error("Cannot create file \"x\". y"); }),
                 Error);
    EXPECT_EQ(f["ppDateOut"], "10/12/2569");
    EXPECT_EQ(f["ppAmountTotal"], "12,500.50");
}

TEST(PageFill, ALineEmptiedBetweenGenerationsPrintsBlank)
{
    Fixture f;
    TCertificate c = sampleCertificate();
    f.generate(c);
    EXPECT_EQ(f["ppAmount02"], "10,000.00");
    c.slot(2) = TIncomeSlot{};
    f.generate(c);
    EXPECT_EQ(f["ppAmount02"], "");
    EXPECT_EQ(f["ppTaxAmount02"], "");
    EXPECT_EQ(f["ppAmountTotal"], "2,500.50");
}

TEST(PageFill, TotalsStartFromZeroAtEveryFill)
{
    Fixture f;
    const TCertificate c = sampleCertificate();
    f.generate(c);
    f.generate(c);
    EXPECT_EQ(f["ppAmountTotal"], "12,500.50");
    EXPECT_EQ(f.saves, 2);
}

TEST(PageFill, FollowsTheGivenConventions)
{
    Fixture f;
    FillSettings english;
    english.separators = {",", "."};
    english.dateFormat = DateFormatFromPattern("M/d/yy");
    FillPage(f.page, sampleCertificate(), f.state, english, nullptr);
    EXPECT_EQ(f["ppDateOut"], "12/10/2026");
    FillSettings german;
    german.separators = {".", ","};
    FillPage(f.page, sampleCertificate(), f.state, german, nullptr);
    EXPECT_EQ(f["ppAmountTotal"], "12.500,50");
}

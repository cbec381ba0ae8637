#include "page/Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/Error.h"

namespace mervane {
namespace {

std::span<const PageElement> Layout() { return CertificateLayout(); }

const PageElement& Find(std::string_view name) {
    for (const PageElement& element : Layout())
        if (element.name == name) return element;
    ADD_FAILURE() << "no element " << name;
    static const PageElement none{};
    return none;
}

std::vector<const PageElement*> BandElements(Band band) {
    std::vector<const PageElement*> out;
    for (const PageElement& element : Layout())
        if (element.band == band) out.push_back(&element);
    return out;
}

int Right(const PageElement& e) { return e.left + e.width; }
int Bottom(const PageElement& e) { return e.top + e.height; }

bool Inside(const PageElement& inner, const PageElement& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
}

bool Overlap(const PageElement& a, const PageElement& b) {
    return a.left < Right(b) && b.left < Right(a) && a.top < Bottom(b) && b.top < Bottom(a);
}

TEST(Layout, HeaderBandThenDetailBandEachInPaintOrder) {
    const auto layout = Layout();
    ASSERT_EQ(layout.size(), 162u);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        SCOPED_TRACE(std::string(layout[i].name));
        const bool header = i < 20;
        EXPECT_EQ(layout[i].band, header ? Band::Header : Band::Detail);
        EXPECT_EQ(layout[i].order, static_cast<int>(header ? i + 1 : i - 19));
    }
}

TEST(Layout, NamesAreUnique) {
    std::set<std::string_view> names;
    for (const PageElement& element : Layout()) EXPECT_TRUE(names.insert(element.name).second) << element.name;
}

TEST(Layout, EveryElementLiesInsideItsBand) {
    for (const PageElement& e : Layout()) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_GE(e.left, 0);
        EXPECT_GE(e.top, 0);
        EXPECT_GT(e.width, 0);
        EXPECT_GT(e.height, 0);
        EXPECT_LE(Bottom(e), e.band == Band::Header ? paper::kHeaderBandHeight : paper::kDetailBandHeight);
        // ppLine7 runs one thousandth of a millimetre into the right margin.
        EXPECT_LE(Right(e), paper::kWidth - 2 * paper::kMargin + (e.name == "ppLine7" ? 1 : 0));
    }
}

TEST(Layout, EachKindCarriesOnlyWhatItDraws) {
    for (const PageElement& e : Layout()) {
        SCOPED_TRACE(std::string(e.name));
        if (e.isText()) {
            EXPECT_NE(e.font, FontFace::None);
            EXPECT_GT(e.fontSize, 0);
            EXPECT_EQ(e.weight, 0);
        } else {
            EXPECT_TRUE(e.text.empty());
            EXPECT_EQ(e.font, FontFace::None);
        }
        EXPECT_EQ(e.kind == ElementKind::Line, e.weight > 0);
        if (e.kind == ElementKind::Rectangle || e.kind == ElementKind::Circle) {
            EXPECT_EQ(e.outline, Outline::Thin);
        }
        if (e.kind == ElementKind::Rectangle || e.kind == ElementKind::Circle || e.kind == ElementKind::Region) {
            EXPECT_NE(e.fill, Fill::Clear);
        }
    }
}

// The detail band's blocks, given by the paint orders of their rows, with the
// vertical extent of their elements.
struct BlockCase {
    const char* block;
    std::vector<std::pair<int, int>> orders; // inclusive ranges
    int from, to;
    std::size_t count;
};

TEST(Layout, DetailBlocksHaveTheirCountsAndExtents) {
    const std::vector<BlockCase> cases = {
        {"A payee", {{74, 81}, {83, 86}}, 794, 26194, 12},
        {"B return form", {{3, 5}, {59, 65}, {132, 138}}, 26458, 38629, 17},
        {"C income table frame", {{6, 16}, {82, 82}}, 40217, 179917, 12},
        {"D income line labels", {{17, 45}}, 52388, 168995, 29},
        {"E income slots", {{87, 131}}, 52388, 168999, 45},
        {"F totals", {{2, 2}, {46, 49}, {55, 57}}, 172244, 187590, 8},
        {"G payer condition", {{1, 1}, {50, 54}, {58, 58}, {139, 142}}, 187325, 196321, 11},
        {"H certification", {{67, 73}}, 196057, 226749, 7},
        {"I warning", {{66, 66}}, 227542, 231511, 1},
    };
    const auto detail = BandElements(Band::Detail);
    ASSERT_EQ(detail.size(), 142u);
    std::size_t total = 0;
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.block);
        std::size_t count = 0;
        int from = paper::kDetailBandHeight, to = 0;
        for (const auto& [first, last] : c.orders)
            for (int order = first; order <= last; ++order) {
                const PageElement& e = *detail[order - 1];
                ++count;
                from = std::min(from, e.top);
                to = std::max(to, Bottom(e));
            }
        EXPECT_EQ(count, c.count);
        EXPECT_EQ(from, c.from);
        EXPECT_EQ(to, c.to);
        total += count;
    }
    EXPECT_EQ(total, detail.size());
}

struct RegionCase {
    const char* region;
    int firstOrder, lastOrder; // paint orders of the held elements
};

TEST(Layout, RegionsHoldTheirElementsAndAreDrawnFirst) {
    const RegionCase cases[] = {{"ppRegion1", 17, 45}, {"ppRegion3", 68, 73}};
    const auto layout = Layout();
    std::map<std::string_view, std::size_t> held;
    for (const PageElement& e : layout)
        if (!e.region.empty()) ++held[e.region];
    EXPECT_EQ(held.size(), 2u);

    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.region);
        const auto at = std::find_if(layout.begin(), layout.end(), [&](const PageElement& e) { return e.name == c.region; });
        ASSERT_NE(at, layout.end());
        const PageElement& region = *at;
        EXPECT_EQ(region.kind, ElementKind::Region);
        const auto count = static_cast<std::size_t>(c.lastOrder - c.firstOrder + 1);
        EXPECT_EQ(held[c.region], count);
        // Its elements come straight after it in drawing order, all inside it.
        for (std::size_t k = 1; k <= count; ++k) {
            const PageElement& e = *(at + static_cast<std::ptrdiff_t>(k));
            SCOPED_TRACE(std::string(e.name));
            EXPECT_EQ(e.region, c.region);
            EXPECT_EQ(e.order, c.firstOrder + static_cast<int>(k) - 1);
            EXPECT_TRUE(Inside(e, region));
        }
    }
    EXPECT_EQ(held["ppRegion1"], 29u);
    EXPECT_EQ(held["ppRegion3"], 6u);
}

TEST(Layout, WhatLiesOverAFrameOrFilledBoxIsPaintedAfterIt) {
    for (const PageElement* under : BandElements(Band::Detail)) {
        const bool paints = under->kind == ElementKind::Rectangle || under->kind == ElementKind::Region ||
                            under->kind == ElementKind::Circle || under->fill != Fill::Clear;
        if (!paints) continue;
        for (const PageElement* over : BandElements(Band::Detail)) {
            if (over == under || !Inside(*over, *under)) continue;
            SCOPED_TRACE(std::string(over->name) + " over " + std::string(under->name));
            EXPECT_GT(over->order, under->order);
        }
    }
    // Overlapping frames: the later one hides the shared edge of the earlier.
    EXPECT_LT(Find("ppShape4").order, Find("ppShape3").order);
    EXPECT_EQ(Bottom(Find("ppShape3")) - Find("ppShape4").top, 265);
    EXPECT_LT(Find("ppShape3").order, Find("ppShape1").order);
    EXPECT_EQ(Bottom(Find("ppShape1")) - Find("ppShape3").top, 265);
    EXPECT_LT(Find("ppShape4").order, Find("ppRegion3").order);
    EXPECT_EQ(Bottom(Find("ppShape4")) - Find("ppRegion3").top, 264);
}

std::string SlotName(const char* prefix, int slot) {
    return prefix + std::string(slot < 10 ? "0" : "") + std::to_string(slot);
}

TEST(Layout, TheFortyFiveSlotVariablesArePaintOrders87To131) {
    const auto detail = BandElements(Band::Detail);
    std::set<std::string> slotNames;
    for (int slot = 1; slot <= 15; ++slot)
        for (const char* prefix : {"ppDate", "ppAmount", "ppTaxAmount"}) slotNames.insert(SlotName(prefix, slot));
    std::set<std::string> seen;
    for (int order = 87; order <= 131; ++order) {
        const PageElement& e = *detail[order - 1];
        SCOPED_TRACE(std::string(e.name));
        seen.insert(std::string(e.name));
        EXPECT_EQ(e.kind, ElementKind::Variable);
        EXPECT_EQ(e.font, FontFace::Arial);
        EXPECT_EQ(e.fontSize, 10);
        EXPECT_TRUE(e.defaultCharset);
        EXPECT_TRUE(e.autoSize);
        EXPECT_EQ(e.fill, Fill::Clear);
        EXPECT_FALSE(e.bold || e.italic || e.whiteText);
        EXPECT_TRUE(e.region.empty());
        EXPECT_EQ(e.align, e.name.starts_with("ppDate") ? Align::Centre : Align::Right);
    }
    EXPECT_EQ(seen, slotNames);

    std::set<std::string> variables;
    for (const PageElement& e : Layout())
        if (e.kind == ElementKind::Variable) variables.insert(std::string(e.name));
    slotNames.insert("ppAmountTotal");
    slotNames.insert("ppAmountTaxTotal");
    EXPECT_EQ(variables, slotNames);
}

TEST(Layout, EachSlotSitsInItsIncomeLineRowAndColumns) {
    const char* rowLabels[15] = {"ppLabel26", "ppLabel27", "ppLabel28", "ppLabel29", "ppLabel33",
                                 "ppLabel34", "ppLabel35", "ppLabel36", "ppLabel38", "ppLabel39",
                                 "ppLabel41", "ppLabel43", "ppLabel44", "ppLabel45", "ppLabel50"};
    const auto detail = BandElements(Band::Detail);
    for (int slot = 1; slot <= 15; ++slot) {
        const PageElement& date = Find(SlotName("ppDate", slot));
        const PageElement& amount = Find(SlotName("ppAmount", slot));
        const PageElement& tax = Find(SlotName("ppTaxAmount", slot));
        for (const PageElement* e : {&date, &amount, &tax}) {
            SCOPED_TRACE(std::string(e->name));
            // The income line label sharing most height with the slot is its row.
            std::string_view best;
            int bestShare = 0;
            for (const PageElement* label : detail) {
                if (label->region != "ppRegion1" || label->name.starts_with("ppDesp") || label->name == "ppdesp8")
                    continue;
                const int share = std::min(Bottom(*e), Bottom(*label)) - std::max(e->top, label->top);
                if (share > bestShare) bestShare = share, best = label->name;
            }
            EXPECT_EQ(best, rowLabels[slot - 1]);
            // Slots share no ground with any other text.
            for (const PageElement* other : detail) {
                if (other != e && other->isText()) {
                    EXPECT_FALSE(Overlap(*e, *other)) << other->name;
                }
            }
        }
        SCOPED_TRACE(slot);
        const int dateCentreTwice = 2 * date.left + date.width;
        EXPECT_GE(dateCentreTwice, 2 * 123428);
        EXPECT_LE(dateCentreTwice, 2 * 123429);
        EXPECT_EQ(Right(amount), slot <= 10 ? 168011 : 167747);
        EXPECT_EQ(Right(tax), slot == 11 ? 191559 : 191823);
    }
}

void ExpectSameRow(const PageElement& want) {
    const PageElement& got = Find(want.name);
    SCOPED_TRACE(std::string(want.name));
    EXPECT_EQ(got.kind, want.kind);
    EXPECT_EQ(got.band, want.band);
    EXPECT_EQ(got.order, want.order);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.font, want.font);
    EXPECT_EQ(got.fontSize, want.fontSize);
    EXPECT_EQ(got.bold, want.bold);
    EXPECT_EQ(got.italic, want.italic);
    EXPECT_EQ(got.whiteText, want.whiteText);
    EXPECT_EQ(got.defaultCharset, want.defaultCharset);
    EXPECT_EQ(got.align, want.align);
    EXPECT_EQ(got.autoSize, want.autoSize);
    EXPECT_EQ(got.fill, want.fill);
    if (want.kind == ElementKind::Line) {
        EXPECT_EQ(got.edge, want.edge);
        EXPECT_EQ(got.weight, want.weight);
    }
    if (!want.isText() && want.kind != ElementKind::Line) {
        EXPECT_EQ(got.outline, want.outline);
    }
    EXPECT_EQ(got.region, want.region);
}

TEST(Layout, SampleRowsMatchTheirTables) {
    using K = ElementKind;
    const PageElement rows[] = {
        // Header band.
        {.name = "ppLabel1", .kind = K::Label, .band = Band::Header, .order = 1, .left = 70285, .top = 13758,
         .width = 54695, .height = 4318, .text = "หนังสือรับรองการหักภาษี ณ ที่จ่าย", .font = FontFace::Tahoma, .fontSize = 10,
         .bold = true, .align = Align::Centre, .autoSize = true},
        {.name = "ppLine4", .kind = K::Line, .band = Band::Header, .order = 7, .left = 0, .top = 20638, .width = 197115,
         .height = 3969, .edge = LineEdge::Bottom, .weight = 1.0},
        {.name = "ppLabel8", .kind = K::Label, .band = Band::Header, .order = 8, .left = 126471, .top = 25929,
         .width = 61913, .height = 3895, .text = "เลขประจำตัวประชาชน ..............................", .font = FontFace::Tahoma, .fontSize = 9},
        {.name = "ppLabel13", .kind = K::Label, .band = Band::Header, .order = 14, .left = 17727, .top = 43392,
         .width = 91017, .height = 3969, .text = "(ให้ระบุ ชื่ออาคาร/หมู่บ้าน ห้องเลขที่ ชั้นที่ เลขที่ ตรอก/ซอย หมู่ที่ ถนน ตำบล/แขวง อำเภอ/เขต จังหวัด)", .font = FontFace::BrowalliaUPC, .fontSize = 9,
         .italic = true, .autoSize = true},
        {.name = "ppLabel58", .kind = K::Label, .band = Band::Header, .order = 18, .left = 156898, .top = 25135,
         .width = 11113, .height = 3704, .font = FontFace::Tahoma, .fontSize = 9,
         .defaultCharset = true, .autoSize = true},
        // A. Payee.
        {.name = "ppLabel83", .kind = K::Label, .band = Band::Detail, .order = 83, .left = 8996, .top = 7938,
         .width = 113506, .height = 3979, .font = FontFace::Tahoma, .fontSize = 10},
        // B. Return form.
        {.name = "ppLabel64", .kind = K::Label, .band = Band::Detail, .order = 59, .left = 80169, .top = 26458,
         .width = 4763, .height = 3969, .font = FontFace::Tahoma, .fontSize = 9,
         .defaultCharset = true, .align = Align::Centre, .fill = Fill::Silver},
        {.name = "ppLabel88", .kind = K::Label, .band = Band::Detail, .order = 133, .left = 112184, .top = 26458,
         .width = 27517, .height = 3704, .text = "(2) ภ.ง.ด.1ก พิเศษ", .font = FontFace::Tahoma, .fontSize = 9,
         .autoSize = true},
        // C. Income table frame.
        {.name = "ppShape2", .kind = K::Rectangle, .band = Band::Detail, .order = 7, .left = 2381, .top = 40217,
         .width = 191559, .height = 10054, .fill = Fill::Black, .outline = Outline::Thin},
        {.name = "ppLabel19", .kind = K::Label, .band = Band::Detail, .order = 8, .left = 35751, .top = 42598,
         .width = 39624, .height = 3895, .text = "ประเภทเงินได้พึงประเมินที่จ่าย", .font = FontFace::Tahoma, .fontSize = 9,
         .whiteText = true, .align = Align::Centre, .autoSize = true, .fill = Fill::Black},
        {.name = "ppLine2", .kind = K::Line, .band = Band::Detail, .order = 15, .left = 133350, .top = 40481,
         .width = 4763, .height = 139436, .edge = LineEdge::Right, .weight = 0.25},
        {.name = "ppRegion1", .kind = K::Region, .band = Band::Detail, .order = 16, .left = 2646, .top = 51065,
         .width = 105304, .height = 120121, .fill = Fill::White, .outline = Outline::None},
        // D. Income line labels.
        {.name = "ppLabel30", .kind = K::Label, .band = Band::Detail, .order = 21, .left = 7615, .top = 71438,
         .width = 77639, .height = 3895, .text = "(ข) เงินปันผล เงินส่วนแบ่งกำไร ฯลฯ ตามมาตรา 40 (4) (ข)", .font = FontFace::Tahoma, .fontSize = 9,
         .align = Align::Centre, .autoSize = true, .region = "ppRegion1"},
        {.name = "ppLabel47", .kind = K::Label, .band = Band::Detail, .order = 38, .left = 7938, .top = 152400,
         .width = 83397, .height = 3387, .text = "(เช่น รางวัล ส่วนลดหรือประโยชน์ใด ๆ เนื่องจากการส่งเสริมการขาย รางวัล", .font = FontFace::Tahoma, .fontSize = 8,
         .italic = true, .autoSize = true, .region = "ppRegion1"},
        {.name = "ppDesp06", .kind = K::Label, .band = Band::Detail, .order = 42, .left = 23283, .top = 164307,
         .width = 74083, .height = 3725, .font = FontFace::Tahoma, .fontSize = 9,
         .autoSize = true, .region = "ppRegion1"},
        // E. Income slots.
        {.name = "ppTaxAmount11", .kind = K::Variable, .band = Band::Detail, .order = 119, .left = 169334,
         .top = 123825, .width = 22225, .height = 4233, .font = FontFace::Arial,
         .fontSize = 10, .defaultCharset = true, .align = Align::Right, .autoSize = true},
        {.name = "ppDate14", .kind = K::Variable, .band = Band::Detail, .order = 126, .left = 117714, .top = 142875,
         .width = 11430, .height = 4163, .font = FontFace::Arial, .fontSize = 10,
         .defaultCharset = true, .align = Align::Centre, .autoSize = true},
        // F. Totals and tax in words.
        {.name = "ppLine6", .kind = K::Line, .band = Band::Detail, .order = 48, .left = 138113, .top = 179388,
         .width = 55827, .height = 3175, .edge = LineEdge::Top, .weight = 2.25},
        {.name = "ppWordAmount", .kind = K::Label, .band = Band::Detail, .order = 55, .left = 52917, .top = 181505,
         .width = 139436, .height = 3979, .font = FontFace::Tahoma, .fontSize = 9,
         .fill = Fill::Silver},
        {.name = "ppAmountTaxTotal", .kind = K::Variable, .band = Band::Detail, .order = 57, .left = 171450,
         .top = 174361, .width = 20373, .height = 3969, .font = FontFace::Tahoma,
         .fontSize = 9, .defaultCharset = true, .align = Align::Right, .autoSize = true},
        // G. Payer condition.
        {.name = "ppLabel53", .kind = K::Label, .band = Band::Detail, .order = 50, .left = 3704, .top = 189971,
         .width = 12700, .height = 3810, .text = "ผู้จ่ายเงิน ", .font = FontFace::Tahoma, .fontSize = 9,
         .autoSize = true},
        {.name = "ppLabel54", .kind = K::Label, .band = Band::Detail, .order = 51, .left = 17463, .top = 189707,
         .width = 5292, .height = 3969, .font = FontFace::Tahoma, .fontSize = 9,
         .align = Align::Centre, .fill = Fill::Silver},
        // H. Certification.
        {.name = "ppRegion3", .kind = K::Region, .band = Band::Detail, .order = 67, .left = 2381, .top = 196057,
         .width = 191823, .height = 30692, .fill = Fill::White, .outline = Outline::Thin},
        {.name = "ppShape5", .kind = K::Circle, .band = Band::Detail, .order = 71, .left = 157692, .top = 199232,
         .width = 29369, .height = 23283, .fill = Fill::White, .outline = Outline::Thin, .region = "ppRegion3"},
        {.name = "ppDateOut", .kind = K::Label, .band = Band::Detail, .order = 73, .left = 92340, .top = 216430,
         .width = 12435, .height = 3969, .font = FontFace::Arial, .fontSize = 10,
         .autoSize = true, .region = "ppRegion3"},
        // I. Warning.
        {.name = "ppLabel71", .kind = K::Label, .band = Band::Detail, .order = 66, .left = 23283, .top = 227542,
         .width = 150813, .height = 3969, .text = "คำเตือน ผู้มีหน้าที่ออกหนังสือรับรองการหักภาษี ณ ที่จ่าย ฝ่าฝืนไม่ปฏิบัติตามมาตรา 50 ทวิ แห่งประมวลรัษฎากร ต้องรับโทษทางอาญาตามมาตรา 35 แห่งประมวลรัษฎากร", .font = FontFace::BrowalliaUPC, .fontSize = 9,
         .italic = true, .autoSize = true},
    };
    for (const PageElement& row : rows) ExpectSameRow(row);
}

enum class Edge { Left, Top, Right, Bottom };

struct EdgeCase {
    const char* name;
    Edge edge;
    int at;
};

int EdgeOf(const PageElement& e, Edge edge) {
    switch (edge) {
    case Edge::Left: return e.left;
    case Edge::Top: return e.top;
    case Edge::Right: return Right(e);
    case Edge::Bottom: return Bottom(e);
    }
    return 0;
}

// Fixed boxes cut their text at their right edge; auto-sized ones never cut.
TEST(Layout, FixedValueBoxesCutWhereTheFormLeavesRoom) {
    const EdgeCase cases[] = {
        {"ppLabel83", Edge::Right, 122502}, {"ppLabel84", Edge::Right, 123032}, {"ppDesp05", Edge::Right, 97632},
        {"ppDesp7", Edge::Right, 71438},    {"ppdesp8", Edge::Right, 98425},    {"ppLabel63", Edge::Right, 191559},
        {"ppWordAmount", Edge::Right, 192353},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PageElement& e = Find(c.name);
        EXPECT_FALSE(e.autoSize);
        EXPECT_EQ(EdgeOf(e, c.edge), c.at);
    }
    for (const char* autoSized : {"ppDesp06", "ppLabel85", "ppLabel86", "ppLabel59", "ppLabel60", "ppLabel58",
                                  "ppLabel25", "ppBookNo", "ppRunNo", "ppDateOut"})
        EXPECT_TRUE(Find(autoSized).autoSize) << autoSized;
}

TEST(Layout, FramesRulesAndAnchorsStandWhereTheFormDrawsThem) {
    const EdgeCase cases[] = {
        {"ppLine4", Edge::Bottom, 24607},    {"ppLine4", Edge::Right, 197115},   {"ppLine7", Edge::Top, 794},
        {"ppLine7", Edge::Right, 197380},    {"ppShape1", Edge::Left, 2381},     {"ppShape1", Edge::Right, 194204},
        {"ppShape1", Edge::Top, 40217},      {"ppShape1", Edge::Bottom, 172509}, {"ppShape2", Edge::Right, 193940},
        {"ppShape2", Edge::Bottom, 50271},   {"ppLine1", Edge::Right, 108744},   {"ppLine1", Edge::Bottom, 172244},
        {"ppLine2", Edge::Right, 138113},    {"ppLine2", Edge::Top, 40481},      {"ppLine2", Edge::Bottom, 179917},
        {"ppLine3", Edge::Right, 169599},    {"ppLine3", Edge::Bottom, 179653},  {"ppRegion1", Edge::Right, 107950},
        {"ppRegion1", Edge::Bottom, 171186}, {"ppShape3", Edge::Top, 172244},    {"ppShape3", Edge::Bottom, 187590},
        {"ppLine5", Edge::Right, 194204},    {"ppLine5", Edge::Top, 172509},     {"ppLine5", Edge::Bottom, 180182},
        {"ppLine6", Edge::Right, 193940},    {"ppShape4", Edge::Top, 187325},    {"ppShape4", Edge::Bottom, 196321},
        {"ppRegion3", Edge::Right, 194204},  {"ppRegion3", Edge::Bottom, 226749}, {"ppAmountTotal", Edge::Right, 168011},
        {"ppAmountTaxTotal", Edge::Right, 191823}, {"ppBookNo", Edge::Left, 169334}, {"ppRunNo", Edge::Left, 169334},
        {"ppLabel64", Edge::Left, 80169},    {"ppLabel65", Edge::Left, 106363},  {"ppLabel66", Edge::Left, 141288},
        {"ppLabel67", Edge::Left, 166423},   {"ppLabel68", Edge::Top, 30956},    {"ppLabel92", Edge::Top, 31221},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EdgeOf(Find(c.name), c.edge), c.at);
    }
    // The titles are centred on the page.
    EXPECT_EQ(2 * Find("ppLabel1").left + Find("ppLabel1").width, 195265);
    EXPECT_EQ(2 * Find("ppLabel2").left + Find("ppLabel2").width, 197381);
    // The stamp circle: the smaller side, centred in its box.
    const PageElement& stamp = Find("ppShape5");
    const int diameter = std::min(stamp.width, stamp.height);
    EXPECT_EQ(diameter, 23283);
    EXPECT_EQ(stamp.left + (stamp.width - diameter) / 2, 160735);
    EXPECT_EQ(stamp.top + (stamp.height - diameter) / 2, 199232);
}

class PageTest : public ::testing::Test {
protected:
    Page page;

    void ExpectDesignTexts() {
        const auto elements = page.elements();
        for (std::size_t i = 0; i < elements.size(); ++i)
            EXPECT_EQ(page.textAt(i), elements[i].text) << elements[i].name;
    }
};

TEST_F(PageTest, StartsWithTheDesignTexts) {
    EXPECT_EQ(page.elements().size(), 162u);
    ExpectDesignTexts();
    EXPECT_EQ(page.text("ppLabel1"), "หนังสือรับรองการหักภาษี ณ ที่จ่าย");
    EXPECT_EQ(page.text("ppBookNo"), "");
}

TEST_F(PageTest, EveryNameLeadsToItsOwnElement) {
    const auto elements = page.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) EXPECT_EQ(page.indexOf(elements[i].name), i);
}

TEST_F(PageTest, SetTextReplacesOnlyThatElement) {
    page.setText("ppLabel84", "Bangkok");
    page.setText("ppLabel83", "Somchai");
    page.setText("ppAmount07", "1,250.00");
    EXPECT_EQ(page.text("ppLabel83"), "Somchai");
    EXPECT_EQ(page.textAt(page.indexOf("ppAmount07")), "1,250.00");
    page.setText("ppLabel83", "");
    EXPECT_EQ(page.text("ppLabel83"), "");
    EXPECT_EQ(page.text("ppLabel84"), "Bangkok");
    EXPECT_EQ(page.text("ppAmount08"), "");
}

TEST_F(PageTest, UnknownNamesAreRefusedAndChangeNothing) {
    const char* names[] = {"ppNothing", "ppDesp8", "ppDate16", "", "pplabel83"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const std::string expected = "No element named \"" + std::string(name) + "\" on the page";
        try {
            page.setText(name, "x");
            ADD_FAILURE() << "setText accepted it";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
        try {
            (void)page.text(name);
            ADD_FAILURE() << "text accepted it";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), expected);
        }
    }
    ExpectDesignTexts();
}

TEST_F(PageTest, BlankingEmptiesVariablesAndKeepsLabels) {
    page.setText("ppLabel83", "Somchai");
    page.setText("ppDateOut", "10/12/2569");
    page.setText("ppTaxAmount15", "30.00");
    page.setText("ppAmountTotal", "1,000.00");
    page.setText("ppWordAmount", "หนึ่งพันบาทถ้วน");
    page.blankVariables();
    const auto elements = page.elements();
    for (std::size_t i = 0; i < elements.size(); ++i) {
        SCOPED_TRACE(std::string(elements[i].name));
        if (elements[i].kind == ElementKind::Variable) {
            EXPECT_EQ(page.textAt(i), "");
        }
    }
    EXPECT_EQ(page.text("ppLabel83"), "Somchai");
    EXPECT_EQ(page.text("ppDateOut"), "10/12/2569");
    EXPECT_EQ(page.text("ppWordAmount"), "หนึ่งพันบาทถ้วน");
    EXPECT_EQ(page.text("ppLabel71"), "คำเตือน ผู้มีหน้าที่ออกหนังสือรับรองการหักภาษี ณ ที่จ่าย ฝ่าฝืนไม่ปฏิบัติตามมาตรา 50 ทวิ แห่งประมวลรัษฎากร ต้องรับโทษทางอาญาตามมาตรา 35 แห่งประมวลรัษฎากร");
    // A variable set after blanking holds its text until the next blanking.
    page.setText("ppAmountTotal", "2,000.00");
    EXPECT_EQ(page.text("ppAmountTotal"), "2,000.00");
}

TEST_F(PageTest, ResetBringsBackEveryDesignText) {
    page.setText("ppLabel59", "Mervane Co., Ltd.");
    page.setText("ppLabel2", "changed");
    page.setText("ppDate01", "1/1/2569");
    page.blankVariables();
    page.reset();
    ExpectDesignTexts();
}

} // namespace
} // namespace mervane

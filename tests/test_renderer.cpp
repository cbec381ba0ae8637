#include <QBuffer>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/Error.h"
#include "page/Layout.h"
#include "page/PageFonts.h"
#include "page/PageRenderer.h"

namespace mervane {
namespace {

// Geometry is measured on pixels drawn at 1200 per inch, where one pixel is
// 0.021 mm: well inside the 0.05 mm the page must hold.
constexpr double kDpi = 1200;
constexpr double kPixelsPerMicron = kDpi / 25400;
constexpr double kTolerance = 50; // thousandths of a millimetre
constexpr double kOutline = 25400.0 / 96;
constexpr double kPoint = 25400.0 / 72;

double paperX(double bandX) { return paper::kBandLeft + bandX; }
double detailY(double bandY) { return paper::kDetailBandTop + bandY; }

const PageElement& elementNamed(const Page& page, std::string_view name) { return page.elements()[page.indexOf(name)]; }

// A page with every text emptied, so that only what a test sets is drawn.
Page blankPage()
{
    Page page;
    for (const PageElement& element : page.elements())
        if (element.isText())
            page.setText(element.name, "");
    return page;
}

// Part of the paper, in thousandths of a millimetre from its corner, drawn at
// 1200 per inch by a renderer of its own.
struct Crop {
    QImage image;
    int originX = 0; // device pixel of the image's left column
    int originY = 0;

    double paperXOfColumn(int column) const { return (originX + column) / kPixelsPerMicron; }
    double paperYOfRow(int row) const { return (originY + row) / kPixelsPerMicron; }
    int columnAt(double x) const { return int(std::floor(x * kPixelsPerMicron)) - originX; }
    int rowAt(double y) const { return int(std::floor(y * kPixelsPerMicron)) - originY; }
};

Crop renderCrop(const Page& page, double left, double top, double width, double height)
{
    Crop crop;
    crop.originX = int(std::floor(left * kPixelsPerMicron));
    crop.originY = int(std::floor(top * kPixelsPerMicron));
    crop.image = QImage(int(std::ceil(width * kPixelsPerMicron)), int(std::ceil(height * kPixelsPerMicron)),
                        QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(kDpi / 0.0254));
    crop.image.setDotsPerMeterX(dotsPerMetre);
    crop.image.setDotsPerMeterY(dotsPerMetre);
    crop.image.fill(Qt::white);
    QPainter painter(&crop.image);
    painter.translate(-crop.originX, -crop.originY);
    PageRenderer renderer;
    renderer.render(painter, page);
    return crop;
}

// The paper area (thousandths of a millimetre) of the pixels where two
// renderings differ by more than half the scale between black and white.
struct Ink {
    double left = 0, top = 0, right = 0, bottom = 0;
    double centreX() const { return (left + right) / 2; }
};

std::optional<Ink> differingInk(const Crop& a, const QImage& b)
{
    std::optional<Ink> ink;
    for (int y = 0; y < a.image.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.image.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.image.width(); ++x) {
            if (std::abs(qGray(rowA[x]) - qGray(rowB[x])) < 128)
                continue;
            const Ink pixel{a.paperXOfColumn(x), a.paperYOfRow(y), a.paperXOfColumn(x + 1), a.paperYOfRow(y + 1)};
            if (!ink)
                ink = pixel;
            ink->left = std::min(ink->left, pixel.left);
            ink->top = std::min(ink->top, pixel.top);
            ink->right = std::max(ink->right, pixel.right);
            ink->bottom = std::max(ink->bottom, pixel.bottom);
        }
    }
    return ink;
}

// Where one element's text puts ink: the page drawn with and without it.
// Whatever lies under the text (dots, a silver cell, the black heading bar)
// cancels out.
std::optional<Ink> textInk(std::string_view name, const std::string& text, double left, double top, double width,
                           double height)
{
    Page with = blankPage();
    with.setText(name, text);
    const Crop drawn = renderCrop(with, left, top, width, height);
    const Crop bare = renderCrop(blankPage(), left, top, width, height);
    return differingInk(drawn, bare.image);
}

// Runs of dark pixels along a column (vertical == true) or a row of a crop,
// as paper intervals in thousandths of a millimetre.
struct Span {
    double from, to;
};

std::vector<Span> darkSpans(const Crop& crop, bool vertical, int line)
{
    std::vector<Span> spans;
    const int length = vertical ? crop.image.height() : crop.image.width();
    std::optional<int> start;
    for (int i = 0; i <= length; ++i) {
        const bool dark =
            i < length && qGray(vertical ? crop.image.pixel(line, i) : crop.image.pixel(i, line)) < 128;
        if (dark && !start)
            start = i;
        if (!dark && start) {
            spans.push_back(vertical ? Span{crop.paperYOfRow(*start), crop.paperYOfRow(i)}
                                    : Span{crop.paperXOfColumn(*start), crop.paperXOfColumn(i)});
            start.reset();
        }
    }
    return spans;
}

// ---- Fonts ----

TEST(PageFonts, MissingFileIsAnErrorNamingIt)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const QStringList dirs{empty.path(), empty.path() + "/nested"};
    try {
        FindPageFontFile("Waree.ttf", dirs);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ("Font file Waree.ttf not found (looked in " + QDir::toNativeSeparators(empty.path()).toStdString() +
                      ", " + QDir::toNativeSeparators(empty.path() + "/nested").toStdString() + ")",
                  std::string(error.what()));
    }
}

TEST(PageFonts, EnvironmentFolderIsSearchedFirst)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    qputenv("MERVANE_FONT_DIR", folder.path().toUtf8());
    const QStringList dirs = PageFontDirs();
    qunsetenv("MERVANE_FONT_DIR");
    ASSERT_FALSE(dirs.isEmpty());
    EXPECT_EQ(folder.path(), dirs.first());
    EXPECT_FALSE(PageFontDirs().contains(folder.path()));
}

// Each original face resolves to the file that stands in for it, at the
// substitute's size and width, never to whatever fontconfig offers for the
// original's name.
TEST(PageFonts, EachOriginalGetsItsSubstituteFace)
{
    struct Case {
        const char* element;
        const char* family;
        const char* style;
        double pointSize;
        int stretch;
        double baselinePoints;
    };
    const Case cases[] = {
        {"ppLabel26", "Waree", "Regular", 9, 94, 9 * 2049.0 / 2048},        // Tahoma 9
        {"ppLabel1", "Waree", "Bold", 10, 92, 10 * 2049.0 / 2048},          // Tahoma 10 bold
        {"ppLabel47", "Waree", "Oblique", 8, 94, 8 * 2049.0 / 2048},        // Tahoma 8 italic
        {"ppLabel10", "Garuda", "Oblique", 0.68 * 9, 100, 0.68 * 9 * 1.284}, // BrowalliaUPC 9 italic
        {"ppDate01", "Liberation Sans", "Regular", 10, 100, 9.05},          // Arial 10
    };
    const Page page;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        const PageElement& element = elementNamed(page, c.element);
        const QFont font = PageFont(element);
        const QRawFont face = QRawFont::fromFont(font);
        EXPECT_EQ(QString(c.family), face.familyName());
        EXPECT_EQ(QString(c.style), face.styleName());
        EXPECT_DOUBLE_EQ(c.pointSize, font.pointSizeF());
        EXPECT_EQ(c.stretch, font.stretch() == 0 ? 100 : font.stretch());
        EXPECT_NEAR(c.baselinePoints, PageFontBaseline(element), 0.001);
    }
}

// The stretch must reach the glyphs, not only the font's description: the
// substitute is drawn 94 % as wide as Waree itself.
TEST(PageFonts, TahomaSubstituteIsNarrowedWaree)
{
    const QString text = QString::fromUtf8("ผู้มีหน้าที่หักภาษี ณ ที่จ่าย 0123456789");
    struct Case {
        bool bold;
        double ratio;
    };
    for (const Case c : {Case{false, 0.94}, Case{true, 0.92}}) {
        SCOPED_TRACE(c.bold ? "bold" : "regular");
        QFont narrowed = TahomaSubstitute(60, c.bold);
        narrowed.setHintingPreference(QFont::PreferNoHinting);
        QFont plain = narrowed;
        plain.setStretch(100);
        EXPECT_NEAR(c.ratio,
                    QFontMetricsF(narrowed).horizontalAdvance(text) / QFontMetricsF(plain).horizontalAdvance(text),
                    0.002);
    }
}

// The stored width of an auto-sized design text is that text's width in the
// original font; the substitutes were calibrated against the 67 static ones so
// that values land on their dotted lines. Single labels stray (dots are wider
// in one font than another), so each substitute is held to the middle of its
// labels: a lost stretch or a wrong size moves that by 3 % or more.
TEST(PageFonts, DesignTextsKeepTheirStoredWidths)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(int(std::lround(kDpi / 0.0254)));
    device.setDotsPerMeterY(int(std::lround(kDpi / 0.0254)));
    std::map<FontFace, std::vector<double>> ratios;
    const Page page;
    for (const PageElement& element : page.elements()) {
        if (!element.isText() || !element.autoSize || element.text.empty())
            continue;
        QTextLayout layout(QString::fromUtf8(element.text.data(), qsizetype(element.text.size())), PageFont(element),
                           &device);
        QTextOption option;
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        ratios[element.font].push_back(line.horizontalAdvance() / kPixelsPerMicron / element.width);
    }
    std::size_t count = 0;
    for (auto& [font, values] : ratios) {
        SCOPED_TRACE(int(font));
        std::sort(values.begin(), values.end());
        EXPECT_NEAR(1.0, values[values.size() / 2], 0.01);
        count += values.size();
    }
    EXPECT_EQ(67u, count);
}

// Every text the page can carry is shaped from its substitute's own glyphs: a
// missing Thai glyph would otherwise come silently from some other font, or
// print as a box.
TEST(PageFonts, EveryTextHasItsGlyphsInItsSubstitute)
{
    // Texts the fill writes: digits, separators, check marks, Thai words of
    // amounts, and names with stacked vowels and tone marks.
    const std::vector<std::string> filled = {
        "0123456789,.-/ X",
        "หนึ่งสองสามสี่ห้าหกเจ็ดแปดเก้าสิบเอ็ดยี่ร้อยพันหมื่นแสนล้านบาทถ้วนสตางค์ลบ",
        "นางสาวปิ่นฤดี ศรีสุขใจ ผู้ญู้ฎูฏู ปั้น ฟื้น ฝั่น กรุงเทพฯ ๑๒๓",
    };
    QImage device(1, 1, QImage::Format_RGB32);
    const Page page;
    int checked = 0;
    for (const PageElement& element : page.elements()) {
        if (!element.isText())
            continue;
        std::vector<std::string> texts;
        if (!element.text.empty())
            texts.emplace_back(element.text);
        else if (element.font == FontFace::Arial)
            texts.push_back(filled.front()); // dates and amounts only
        else
            texts.insert(texts.end(), filled.begin(), filled.end());
        const QFont font = PageFont(element);
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(element.name) + ": " + text);
            QTextLayout layout(QString::fromStdString(text), font, &device);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                EXPECT_EQ(font.family(), run.rawFont().familyName());
                const QList<quint32> glyphs = run.glyphIndexes();
                EXPECT_EQ(0, std::count(glyphs.begin(), glyphs.end(), 0u));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 150);
}

// ---- Text boxes ----

// The offsets of one glyph's ink from its pen position, and its advance, in
// thousandths of a millimetre, taken from QPainter's own text drawing.
struct GlyphInk {
    double left, right, advance;
};

GlyphInk glyphInk(const QFont& font, const QString& glyph)
{
    QImage image(800, 800, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(kDpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(kDpi / 0.0254)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(100, 400), glyph);
    }
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
    return {(left - 100) / kPixelsPerMicron, (right - 100) / kPixelsPerMicron,
            QFontMetricsF(font, &image).horizontalAdvance(glyph) / kPixelsPerMicron};
}

// An auto-sized box keeps the edge or centre its alignment names, whatever
// the length of its text, and its text is never cut.
TEST(TextBoxes, AutoSizedBoxesKeepTheirAnchor)
{
    const char* const cases[] = {
        "ppLabel59",        // payer's name, left
        "ppDesp06",         // description of line 6, left, runs on
        "ppLabel1",         // title, centre
        "ppLabel19",        // white heading on the black bar, centre
        "ppDate01",         // date, centre
        "ppAmount01",       // amount, right
        "ppAmountTaxTotal", // tax total, right
    };
    const QString glyph = QStringLiteral("8");
    for (const char* name : cases) {
        SCOPED_TRACE(name);
        const Page page;
        const PageElement& element = elementNamed(page, name);
        const GlyphInk one = glyphInk(PageFont(element), glyph);
        const double left = paperX(element.left);
        const double right = left + element.width;
        const double top = element.bandTop() + element.top;
        for (int count : {1, 4, 12}) {
            SCOPED_TRACE(count);
            const std::optional<Ink> ink =
                textInk(name, std::string(std::size_t(count), '8'), left - 40000, top - 2000,
                        element.width + 80000, element.height + 4000);
            ASSERT_TRUE(ink);
            switch (element.align) {
            case Align::Left:
                EXPECT_NEAR(left + one.left, ink->left, kTolerance);
                break;
            case Align::Right:
                EXPECT_NEAR(right - one.advance + one.right, ink->right, kTolerance);
                break;
            case Align::Centre:
                EXPECT_NEAR((left + right) / 2 + (one.left + one.right - one.advance) / 2, ink->centreX(),
                            kTolerance);
                break;
            }
            // Never cut: all of the text's width is inked.
            EXPECT_NEAR((count - 1) * one.advance + one.right - one.left, ink->right - ink->left, kTolerance);
        }
    }
}

// A fixed box cuts its text exactly at its left and right edges, and only
// there.
TEST(TextBoxes, FixedBoxesCutAtTheirSideEdges)
{
    struct Case {
        const char* element;
        double cutLeft;  // band coordinates; NAN: the text starts inside
        double cutRight;
    };
    const Case cases[] = {
        {"ppLabel83", NAN, 122502},    // payee's name
        {"ppLabel84", NAN, 123032},    // payee's address
        {"ppDesp05", NAN, 97632},      // description of line 5
        {"ppDesp7", NAN, 71438},       // rate of line (1.4)
        {"ppdesp8", NAN, 98425},       // description of line (2.5)
        {"ppLabel63", NAN, 191559},    // text of payer condition (4)
        {"ppWordAmount", NAN, 192353}, // tax in words
        {"ppLabel64", 80169, 84932},   // check cell, centred
    };
    // Underscores join into one bar, so there is ink on both sides of any cut.
    const std::string bar(400, '_');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        const Page page;
        const PageElement& element = elementNamed(page, c.element);
        const double top = element.bandTop() + element.top;
        const std::optional<Ink> ink =
            textInk(c.element, bar, paperX(element.left) - 20000, top - 2000, element.width + 40000,
                    element.height + 4000);
        ASSERT_TRUE(ink);
        EXPECT_NEAR(paperX(c.cutRight), ink->right, kTolerance);
        if (!std::isnan(c.cutLeft)) {
            EXPECT_NEAR(paperX(c.cutLeft), ink->left, kTolerance);
        }
    }
}

// The substitutes' tone marks rise above the box and their lower vowels reach
// below it: a cut text keeps them, exactly as an uncut one does.
TEST(TextBoxes, FixedBoxesKeepMarksAboveAndBelow)
{
    const Page page;
    const PageElement& element = elementNamed(page, "ppLabel83");
    const double top = element.bandTop() + element.top;
    const std::string marks = "ปิ่นญู้ฎู";
    std::string overflowing;
    while (overflowing.size() < 400)
        overflowing += marks;
    const auto inkOf = [&](const std::string& text) {
        return textInk("ppLabel83", text, paperX(element.left) - 5000, top - 3000, element.width + 10000,
                       element.height + 6000);
    };
    const std::optional<Ink> fits = inkOf(marks);
    const std::optional<Ink> cut = inkOf(overflowing);
    ASSERT_TRUE(fits && cut);
    EXPECT_LT(fits->top, top - 300);
    EXPECT_GT(fits->bottom, top + element.height + 200);
    EXPECT_NEAR(fits->top, cut->top, kTolerance);
    EXPECT_NEAR(fits->bottom, cut->bottom, kTolerance);
}

// Text starts at the top of its box: its baseline lies the substitute's
// baseline offset below the box's top edge.
TEST(TextBoxes, BaselineSitsBelowTheBoxTop)
{
    // Tahoma, Arial and BrowalliaUPC boxes.
    for (const char* name : {"ppLabel83", "ppAmount05", "ppLabel72"}) {
        SCOPED_TRACE(name);
        const Page page;
        const PageElement& element = elementNamed(page, name);
        const double top = element.bandTop() + element.top;
        // An underscore's bar hangs a fixed distance below the baseline.
        QRawFont face = QRawFont::fromFont(PageFont(element));
        face.setPixelSize(1000);
        const quint32 underscore = face.glyphIndexesForString(QStringLiteral("_")).value(0);
        const QRectF bar = face.boundingRect(underscore);
        const double pointsPerPixel = PageFont(element).pointSizeF() / 1000;
        const double baseline = top + PageFontBaseline(element) * kPoint;
        const std::optional<Ink> ink = textInk(name, "_", paperX(element.left) - 3000, top - 2000,
                                               element.width + 6000, element.height + 5000);
        ASSERT_TRUE(ink);
        EXPECT_NEAR(baseline + bar.top() * pointsPerPixel * kPoint, ink->top, kTolerance);
        EXPECT_NEAR(baseline + bar.bottom() * pointsPerPixel * kPoint, ink->bottom, kTolerance);
    }
}

TEST(TextBoxes, FilledCellsPaintTheirWholeBox)
{
    Page page = blankPage();
    page.setText("ppLabel66", "X");
    const PageElement& cell = elementNamed(page, "ppLabel66");
    const double left = paperX(cell.left), top = detailY(cell.top);
    const Crop crop = renderCrop(page, left - 1000, top - 1000, cell.width + 2000, cell.height + 2000);
    const int row = crop.rowAt(top + 300); // above the X
    std::optional<Span> silver;
    for (int x = 0; x < crop.image.width(); ++x) {
        if (crop.image.pixel(x, row) != qRgb(0xC0, 0xC0, 0xC0))
            continue;
        if (!silver)
            silver = Span{crop.paperXOfColumn(x), 0};
        silver->to = crop.paperXOfColumn(x + 1);
    }
    ASSERT_TRUE(silver);
    EXPECT_NEAR(left, silver->from, kTolerance);
    EXPECT_NEAR(left + cell.width, silver->to, kTolerance);
}

// ---- Shapes ----

// Lines: their thickness lies inside their box, along the named edge.
TEST(Shapes, LinesRunAlongTheirEdgeInsideTheBox)
{
    struct Case {
        const char* element;
        bool vertical; // true: a vertical line, measured along a row
        double probe;  // band coordinate across the line where it is measured
        double from;   // band coordinates of the line's two sides
        double to;
    };
    const Case cases[] = {
        {"ppLine4", false, 100000, 24607 - kPoint, 24607},        // 1 pt, bottom edge
        {"ppLine7", false, 100000, 794, 794 + kPoint},            // 1 pt, top edge
        {"ppLine6", false, 160000, 179388, 179388 + 2.25 * kPoint}, // 2.25 pt, top edge
        {"ppLine1", true, 100000, 108744 - 0.25 * kPoint, 108744}, // 0.25 pt, right edge
        {"ppLine3", true, 176000, 169599 - 0.25 * kPoint, 169599}, // below the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        const Page page = blankPage();
        const PageElement& element = elementNamed(page, c.element);
        const auto bandY = [&](double y) { return element.bandTop() + y; };
        const Crop crop = c.vertical ? renderCrop(page, paperX(c.from) - 1500, bandY(c.probe) - 100, 3000, 200)
                                     : renderCrop(page, paperX(c.probe) - 100, bandY(c.from) - 1500, 200, 3000);
        const std::vector<Span> spans = c.vertical ? darkSpans(crop, false, crop.rowAt(bandY(c.probe)))
                                                 : darkSpans(crop, true, crop.columnAt(paperX(c.probe)));
        ASSERT_EQ(1u, spans.size());
        EXPECT_NEAR(c.vertical ? paperX(c.from) : bandY(c.from), spans[0].from, kTolerance);
        EXPECT_NEAR(c.vertical ? paperX(c.to) : bandY(c.to), spans[0].to, kTolerance);
    }
}

// Where boxes overlap, the later one's white fill hides the earlier one's
// edge, so each border is one 1/96-inch rule: at the foot of ppShape3, the
// foot of ppShape1 and the top of ppRegion3.
TEST(Shapes, PaintOrderLeavesOneRulePerBorder)
{
    struct Case {
        const char* border;
        double from; // detail band
        double to;
    };
    const Case cases[] = {
        {"totals / payer condition", 187590 - kOutline, 187590},
        {"income table / totals", 172509 - kOutline, 172509},
        {"payer condition / certification", 196057, 196057 + kOutline},
    };
    const Page page = blankPage();
    for (double probeX : {30000.0, 150000.0}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.border) + " at " + std::to_string(probeX));
            const Crop crop = renderCrop(page, paperX(probeX) - 100, detailY(c.from) - 2000, 200, 4000);
            const std::vector<Span> spans = darkSpans(crop, true, crop.columnAt(paperX(probeX)));
            ASSERT_EQ(1u, spans.size());
            EXPECT_NEAR(detailY(c.from), spans[0].from, kTolerance);
            EXPECT_NEAR(detailY(c.to), spans[0].to, kTolerance);
        }
    }
}

TEST(Shapes, StampCircleIsCentredWithTheSmallerSide)
{
    const Page page = blankPage();
    // Diameter 23283, spanning 160735 to 184018 across, 199232 to 222515 down.
    const double centreY = detailY((199232 + 222515) / 2.0);
    const double centreX = paperX((160735 + 184018) / 2.0);
    const Crop across = renderCrop(page, paperX(158000), centreY - 100, 30000, 200);
    const std::vector<Span> row = darkSpans(across, false, across.rowAt(centreY));
    ASSERT_EQ(2u, row.size());
    EXPECT_NEAR(paperX(160735), row[0].from, kTolerance);
    EXPECT_NEAR(paperX(160735) + kOutline, row[0].to, kTolerance);
    EXPECT_NEAR(paperX(184018) - kOutline, row[1].from, kTolerance);
    EXPECT_NEAR(paperX(184018), row[1].to, kTolerance);
    const Crop down = renderCrop(page, centreX - 100, detailY(197000), 200, 28000);
    const std::vector<Span> column = darkSpans(down, true, down.columnAt(centreX));
    ASSERT_EQ(2u, column.size());
    EXPECT_NEAR(detailY(199232), column[0].from, kTolerance);
    EXPECT_NEAR(detailY(222515), column[1].to, kTolerance);
}

// ---- The renderer's cache ----

// A renderer that shaped a page's texts once draws a changed text, a blanked
// variable and another resolution exactly as a fresh renderer does.
TEST(Renderer, ReusedRendererDrawsWhatAFreshOneDraws)
{
    const auto draw = [](PageRenderer& renderer, const Page& page, double dpi) {
        QImage image(int(std::ceil(paper::kWidth * dpi / 25400)), int(std::ceil(paper::kHeight * dpi / 25400)),
                     QImage::Format_RGB32);
        image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(painter, page);
        return image;
    };
    Page first;
    first.setText("ppLabel83", "นางสาวปิ่นฤดี ศรีสุขใจ");
    first.setText("ppAmount01", "1,234.50");
    Page second = first;
    second.setText("ppLabel83", "นายสมชาย ใจดี");
    second.blankVariables();

    PageRenderer reused;
    draw(reused, first, 100);
    for (double dpi : {100.0, 72.0}) {
        SCOPED_TRACE(dpi);
        PageRenderer fresh;
        const QImage expected = draw(fresh, second, dpi);
        EXPECT_TRUE(expected == draw(reused, second, dpi)) << "the reused renderer drew another page";
        EXPECT_FALSE(expected == draw(fresh, first, dpi)) << "the two pages look alike";
    }
}

// ---- PDF ----

// A crop of a PDF's page, drawn by poppler at 1200 per inch.
QImage pdfCrop(const QString& pdf, int pageNumber, const Crop& like, const QString& outPrefix)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdftoppm"),
                  {"-r", "1200", "-f", QString::number(pageNumber), "-l", QString::number(pageNumber), "-x",
                   QString::number(like.originX), "-y", QString::number(like.originY), "-W",
                   QString::number(like.image.width()), "-H", QString::number(like.image.height()), "-png",
                   "-singlefile", pdf, outPrefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return QImage(outPrefix + ".png").convertToFormat(QImage::Format_RGB32);
}

// The PDF carries the same texts as an image, in the same places: in
// particular the substitutes' narrowing survives into it (a font's stretch is
// easily lost on the way into a PDF's text objects).
TEST(Renderer, PdfMatchesTheImage)
{
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    struct Case {
        const char* element;
        const char* text;
    };
    const Case cases[] = {
        {"ppLabel59", "ผู้มีหน้าที่หักภาษี ณ ที่จ่าย 0123456789 ผู้มีหน้าที่หักภาษี"}, // Tahoma
        {"ppLabel5", "ผู้มีหน้าที่หักภาษี ณ ที่จ่าย 0123456789"},                 // Tahoma bold
        {"ppLabel10", "ผู้มีหน้าที่หักภาษี ณ ที่จ่าย 0123456789"},                // BrowalliaUPC
        {"ppAmount05", "1,234,567.89"},                                        // Arial, right-aligned
    };

    // The page without texts, then one page per case.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("pages.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageLayout(PaperLayout());
        QPainter painter(&writer);
        renderPage(painter, blankPage());
        for (const Case& c : cases) {
            Page page = blankPage();
            page.setText(c.element, c.text);
            writer.newPage();
            renderPage(painter, page);
        }
    }
    int pageNumber = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        ++pageNumber;
        const Page page;
        const PageElement& element = elementNamed(page, c.element);
        const double left = paperX(element.left) - 10000, top = element.bandTop() + element.top - 1500;
        const double width = element.width + 20000, height = element.height + 3000;
        const std::optional<Ink> inImage = textInk(c.element, c.text, left, top, width, height);

        Crop withText = renderCrop(page, left, top, width, height);
        const QString prefix = dir.filePath(c.element);
        withText.image = pdfCrop(pdf, pageNumber, withText, prefix + "-text");
        const QImage without = pdfCrop(pdf, 1, withText, prefix + "-bare");
        ASSERT_EQ(withText.image.size(), without.size());
        const std::optional<Ink> inPdf = differingInk(withText, without);

        ASSERT_TRUE(inPdf && inImage);
        EXPECT_NEAR(inImage->left, inPdf->left, kTolerance);
        EXPECT_NEAR(inImage->right, inPdf->right, kTolerance);
        EXPECT_NEAR(inImage->top, inPdf->top, kTolerance);
        EXPECT_NEAR(inImage->bottom, inPdf->bottom, kTolerance);
    }
}

} // namespace
} // namespace mervane

#include "page/PageRenderer.h"

#include <QPageSize>
#include <QPaintDevice>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "page/PageFonts.h"

namespace mervane {

namespace {

constexpr double kMicronsPerInch = 25400;
constexpr double kMicronsPerPoint = kMicronsPerInch / 72;
// A rectangle's outline is one screen pixel at 96 per inch, scaled to the
// output like everything else.
constexpr double kOutlineMicrons = kMicronsPerInch / 96;

QColor fillColour(Fill fill)
{
    switch (fill) {
    case Fill::White:
        return Qt::white;
    case Fill::Black:
        return Qt::black;
    case Fill::Silver:
        return QColor(0xC0, 0xC0, 0xC0);
    case Fill::Clear:
        break;
    }
    return Qt::transparent;
}

// Thousandths of a millimetre on paper to device units. Shapes are snapped to
// whole device units so that their edges stay sharp on a screen or a coarse
// image; on paper the snap is far below anything visible.
struct DeviceScale {
    double x = 0; // device units per thousandth of a millimetre
    double y = 0;

    double snapX(double microns) const { return std::round(microns * x); }
    double snapY(double microns) const { return std::round(microns * y); }
    // A thickness of at least one device unit, so hairlines never vanish.
    double thicknessX(double microns) const { return std::max(1.0, std::round(microns * x)); }
    double thicknessY(double microns) const { return std::max(1.0, std::round(microns * y)); }
    QRectF snapped(double left, double top, double width, double height) const
    {
        const double x0 = snapX(left), y0 = snapY(top);
        return QRectF(x0, y0, std::max(1.0, snapX(left + width) - x0), std::max(1.0, snapY(top + height) - y0));
    }
};

struct PaperBox {
    double left, top, width, height; // thousandths of a millimetre from the paper's corner
};

PaperBox paperBox(const PageElement& element)
{
    return {double(paper::kBandLeft + element.left), double(element.bandTop() + element.top), double(element.width),
            double(element.height)};
}

void drawLine(QPainter& painter, const DeviceScale& scale, const PageElement& element)
{
    const PaperBox box = paperBox(element);
    const double thickness = element.weight * kMicronsPerPoint;
    const QRectF outer = scale.snapped(box.left, box.top, box.width, box.height);
    QRectF line = outer;
    switch (element.edge) {
    case LineEdge::Top:
        line.setHeight(scale.thicknessY(thickness));
        break;
    case LineEdge::Bottom:
        line.setTop(outer.bottom() - scale.thicknessY(thickness));
        break;
    case LineEdge::Right:
        line.setLeft(outer.right() - scale.thicknessX(thickness));
        break;
    }
    painter.fillRect(line, Qt::black);
}

// Rectangles and regions: the outline lies inside the box, so a later box that
// overlaps an earlier one by the outline's width covers that edge exactly.
void drawBox(QPainter& painter, const DeviceScale& scale, const PageElement& element)
{
    const PaperBox box = paperBox(element);
    const QRectF outer = scale.snapped(box.left, box.top, box.width, box.height);
    const QColor fill = fillColour(element.fill);
    if (element.outline == Outline::None) {
        if (fill.alpha() != 0)
            painter.fillRect(outer, fill);
        return;
    }
    const double penX = scale.thicknessX(kOutlineMicrons);
    const double penY = scale.thicknessY(kOutlineMicrons);
    const QRectF inner = outer.adjusted(penX, penY, -penX, -penY);
    if (fill.alpha() != 0 && inner.isValid()) {
        painter.fillRect(outer, Qt::black);
        if (fill != Qt::black)
            painter.fillRect(inner, fill);
        return;
    }
    painter.fillRect(QRectF(outer.left(), outer.top(), outer.width(), penY), Qt::black);
    painter.fillRect(QRectF(outer.left(), outer.bottom() - penY, outer.width(), penY), Qt::black);
    painter.fillRect(QRectF(outer.left(), outer.top(), penX, outer.height()), Qt::black);
    painter.fillRect(QRectF(outer.right() - penX, outer.top(), penX, outer.height()), Qt::black);
}

void drawCircle(QPainter& painter, const DeviceScale& scale, const PageElement& element)
{
    const PaperBox box = paperBox(element);
    const double diameter = std::min(box.width, box.height);
    const double left = box.left + (box.width - diameter) / 2;
    const double top = box.top + (box.height - diameter) / 2;
    const QRectF outer(left * scale.x, top * scale.y, diameter * scale.x, diameter * scale.y);
    const double pen = scale.thicknessX(kOutlineMicrons);
    const QColor fill = fillColour(element.fill);
    painter.setPen(QPen(Qt::black, pen));
    painter.setBrush(fill.alpha() != 0 ? QBrush(fill) : QBrush());
    painter.drawEllipse(outer.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush());
}

} // namespace

void PageRenderer::useStretch(QPainter& painter, PainterState& state, double stretch)
{
    if (stretch == state.stretch)
        return;
    painter.setWorldTransform(QTransform::fromScale(stretch, 1) * state.page);
    state.stretch = stretch;
}

std::size_t PageRenderer::ShapeKeyHash::operator()(const ShapeKey& key) const
{
    std::size_t hash = std::hash<std::string>()(key.text);
    const auto mix = [&hash](std::size_t value) {
        hash ^= value + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    };
    mix(std::size_t(key.face));
    mix(std::hash<double>()(key.size));
    mix(std::size_t(key.bold) << 1 | std::size_t(key.italic));
    mix(std::size_t(key.dpiX) << 16 ^ std::size_t(key.dpiY));
    return hash;
}

const PageRenderer::ShapedText& PageRenderer::shaped(const PageElement& element, const std::string& text,
                                                     QPaintDevice* device)
{
    const int dpiX = device->logicalDpiX();
    const int dpiY = device->logicalDpiY();
    ShapeKey key{element.font, element.fontSize, element.bold, element.italic, dpiX, dpiY, text};
    if (const auto found = shapes_.find(key); found != shapes_.end())
        return found->second;

    // Enough for a page's labels and the values of many pages; past it the
    // store starts over rather than grow with the batch.
    constexpr std::size_t kMaxShapes = 4096;
    if (shapes_.size() >= kMaxShapes)
        shapes_.clear();
    ShapedText entry;
    if (text.empty())
        return shapes_.emplace(std::move(key), std::move(entry)).first->second;

    // Shaped at full width for the device, so the font is sized in its units;
    // design metrics keep widths free of the device's pixel grid. The stretch
    // is drawn as a transform instead of by the font: that way glyph
    // positions stay on the grid below in a PDF, where a stretched font's
    // positions are divided by the stretch and written out digit by digit.
    QFont font = PageFont(element);
    entry.stretch = font.stretch() > 0 ? font.stretch() / 100.0 : 1.0;
    font.setStretch(QFont::Unstretched);
    double baseline = 0;
    if (auto shapedLine = shaper_.shape(PageFontFile(element), font, font.pointSizeF() * dpiY / 72.0, text)) {
        entry.runs = {shapedLine->run};
        entry.advance = shapedLine->advance * entry.stretch;
    } else {
        // A character the face lacks: the general layout finds it another font.
        QTextLayout layout(QString::fromUtf8(text.data(), qsizetype(text.size())), font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e7);
        layout.endLayout();
        baseline = line.ascent();
        entry.runs = layout.glyphRuns();
        entry.advance = line.horizontalAdvance() * entry.stretch;
    }

    // Glyphs sit on a grid of 1/1200 inch (0.02 mm, far below what paper
    // shows). On a 1200-per-inch PDF writer their positions are whole
    // numbers, which keeps the page's content stream short: compressing it is
    // most of the cost of a page.
    const double gridX = dpiX / 1200.0;
    const double gridY = dpiY / 1200.0;
    bool first = true;
    for (QGlyphRun& run : entry.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position = QPointF(std::round(position.x() / gridX) * gridX,
                               std::round((position.y() - baseline) / gridY) * gridY);
        run.setPositions(positions);
        const QRectF ink = run.boundingRect();
        if (ink.isEmpty())
            continue;
        entry.inkLeft = first ? ink.left() : std::min(entry.inkLeft, ink.left());
        entry.inkRight = first ? ink.right() : std::max(entry.inkRight, ink.right());
        first = false;
    }
    entry.inkLeft *= entry.stretch;
    entry.inkRight *= entry.stretch;
    return shapes_.emplace(std::move(key), std::move(entry)).first->second;
}

void PageRenderer::drawText(QPainter& painter, PainterState& state, const PageElement& element, const std::string& text)
{
    QPaintDevice* device = painter.device();
    const DeviceScale scale{device->logicalDpiX() / kMicronsPerInch, device->logicalDpiY() / kMicronsPerInch};
    const ShapedText& shape = shaped(element, text, device);
    const PaperBox box = paperBox(element);
    const double boxLeft = box.left * scale.x;
    const double boxWidth = box.width * scale.x;
    const QColor fill = fillColour(element.fill);

    // Where the text starts. An auto-sized box becomes as wide as its text and
    // keeps the edge or centre its alignment names; a fixed box keeps its own
    // edges and aligns the text inside them.
    double textLeft = boxLeft;
    switch (element.align) {
    case Align::Left:
        break;
    case Align::Centre:
        textLeft = boxLeft + (boxWidth - shape.advance) / 2;
        break;
    case Align::Right:
        textLeft = boxLeft + boxWidth - shape.advance;
        break;
    }

    if (fill.alpha() != 0) {
        // A fixed box paints all of its stored box; an auto-sized one the box
        // as sized to its text, one line (its stored height) high.
        const QRectF area = element.autoSize
                                ? scale.snapped(textLeft / scale.x, box.top, shape.advance / scale.x, box.height)
                                : scale.snapped(box.left, box.top, box.width, box.height);
        if (!element.autoSize || shape.advance > 0) {
            useStretch(painter, state, 1);
            painter.fillRect(area, fill);
        }
    }
    if (shape.runs.isEmpty())
        return;

    const double baseline = box.top * scale.y + PageFontBaseline(element) * device->logicalDpiY() / 72.0;
    const QColor colour = element.whiteText ? Qt::white : Qt::black;
    if (colour != state.textColour) {
        painter.setPen(colour);
        state.textColour = colour;
    }

    // A fixed box cuts its text at its left and right edges only: the
    // substitutes' tone marks rise above the box and their lower vowels reach
    // below it, where the design's font stayed inside, and cutting those would
    // take letters off names and addresses.
    const bool cut = !element.autoSize &&
                     (textLeft + shape.inkLeft < boxLeft || textLeft + shape.inkRight > boxLeft + boxWidth);
    if (cut) {
        useStretch(painter, state, 1);
        painter.save();
        painter.setClipRect(QRectF(boxLeft, 0, boxWidth, paper::kHeight * scale.y), Qt::IntersectClip);
    }
    useStretch(painter, state, shape.stretch);
    // Glyphs stay on their grid relative to each other wherever the text
    // starts, so the PDF still gets whole-number steps between them.
    const QPointF origin(textLeft / shape.stretch, baseline);
    for (const QGlyphRun& run : shape.runs)
        painter.drawGlyphRun(origin, run);
    if (cut) {
        painter.restore(); // back to the transform saved at stretch 1
        state.stretch = 1;
    }
}

void PageRenderer::render(QPainter& painter, const Page& page)
{
    QPaintDevice* device = painter.device();
    const DeviceScale scale{device->logicalDpiX() / kMicronsPerInch, device->logicalDpiY() / kMicronsPerInch};
    const auto elements = page.elements();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush());
    PainterState state{painter.worldTransform(), 1, QColor()};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const PageElement& element = elements[i];
        if (element.isText()) {
            drawText(painter, state, element, page.textAt(i));
            continue;
        }
        useStretch(painter, state, 1);
        switch (element.kind) {
        case ElementKind::Line:
            drawLine(painter, scale, element);
            break;
        case ElementKind::Rectangle:
        case ElementKind::Region:
            drawBox(painter, scale, element);
            break;
        case ElementKind::Circle:
            drawCircle(painter, scale, element);
            state.textColour = QColor();
            break;
        case ElementKind::Label:
        case ElementKind::Variable:
            break;
        }
    }
    painter.restore();
}

void renderPage(QPainter& painter, const Page& page)
{
    // Never destroyed: its cached glyph runs hold font engines, which must not
    // outlive the application object that a static's destructor runs after.
    static PageRenderer* const shared = new PageRenderer;
    shared->render(painter, page);
}

QPageLayout PaperLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

QImage renderPageImage(const Page& page, double dotsPerInch)
{
    const double pixelsPerMicron = dotsPerInch / kMicronsPerInch;
    QImage image(int(std::ceil(paper::kWidth * pixelsPerMicron)), int(std::ceil(paper::kHeight * pixelsPerMicron)),
                 QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderPage(painter, page);
    return image;
}

void PreparePage(Page& page, const PageStart& pageStart)
{
    page.blankVariables();
    if (pageStart)
        pageStart();
}

void GeneratePage(QPainter& painter, Page& page, const PageStart& pageStart)
{
    PreparePage(page, pageStart);
    renderPage(painter, page);
}

} // namespace mervane

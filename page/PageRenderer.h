#pragma once
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <string>
#include <vector>

#include "page/Layout.h"

namespace mervane {

// Draws a page's elements with QPainter on any paint device: printer, PDF
// writer, image, print preview. Every output of the program goes through
// render(), so what the clerk previews is what the printer and the PDF get.
//
// Coordinates: the painter's origin must be the paper's top-left corner, in
// the device's own units (a printer set to full page, a PDF writer or image
// without margins: see PaperLayout()). render() scales thousandths of a
// millimetre to device units by the device's logical resolution; a transform
// the caller set (a translation to show part of the page) applies on top.
//
// A renderer keeps the shaped text of each element, for the device resolution
// and text it last drew, and reuses it while neither changes: the static
// labels are shaped once for a whole batch of pages, only the filled values
// are shaped again when they change. Keep one renderer per output stream; the
// cache holds one entry per element.
class PageRenderer {
public:
    void render(QPainter& painter, const Page& page);

private:
    struct ShapedText {
        const PageElement* element = nullptr;
        std::string text;
        int dpiX = 0;
        int dpiY = 0;
        QList<QGlyphRun> runs;
        double advance = 0;  // device units, the text's width for anchoring
        double ascent = 0;   // from the runs' origin down to their baseline
        double inkLeft = 0;  // ink extent relative to the pen start
        double inkRight = 0;
    };

    const ShapedText& shaped(std::size_t index, const PageElement& element, const std::string& text,
                             QPaintDevice* device);
    void drawText(QPainter& painter, std::size_t index, const PageElement& element, const std::string& text);

    std::vector<ShapedText> shaped_;
};

// render() with one renderer shared by the whole process (and its cache).
void renderPage(QPainter& painter, const Page& page);

// The paper the page is drawn on, with no margins, so that a QPdfWriter's or a
// full-page QPrinter's origin is the paper's corner.
QPageLayout PaperLayout();

// The whole page on white at the given resolution.
QImage renderPageImage(const Page& page, double dotsPerInch);

} // namespace mervane

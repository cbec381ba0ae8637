#pragma once
#include <QGlyphRun>
#include <functional>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <string>
#include <unordered_map>

#include "page/Layout.h"
#include "page/TextShaper.h"

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
// A renderer keeps every text it shaped, by font, device resolution and text,
// and reuses it whenever that text is drawn again in that font: the static
// labels are shaped once for a whole batch of pages, and a value that recurs
// (a date, a check mark, a rate) once for all the boxes and pages it appears
// in. The store is emptied when it reaches a few thousand texts, which bounds
// its memory over a batch of any length. One renderer serves any number of
// devices and pages, one at a time (it is not thread-safe).
class PageRenderer {
public:
    void render(QPainter& painter, const Page& page);

private:
    struct ShapedText {
        // Glyphs placed from the pen's start on the baseline, before the
        // font's horizontal stretch, which the painter applies.
        QList<QGlyphRun> runs;
        double stretch = 1;
        double advance = 0;  // device units, stretched: the width anchors use
        double inkLeft = 0;  // stretched ink extent from the pen's start
        double inkRight = 0;
    };

    struct ShapeKey {
        FontFace face;
        double size;
        bool bold;
        bool italic;
        int dpiX;
        int dpiY;
        std::string text;
        bool operator==(const ShapeKey&) const = default;
    };
    struct ShapeKeyHash {
        std::size_t operator()(const ShapeKey& key) const;
    };

    // What the painter is set to while a page is drawn. Each change of pen
    // or transform costs a PDF page a block of state operators, so they
    // change only when an element needs another.
    struct PainterState {
        QTransform page;      // the caller's transform
        double stretch = 1;   // horizontal scale now applied on top of it
        QColor textColour;    // invalid: the pen is not a text pen
    };

    const ShapedText& shaped(const PageElement& element, const std::string& text, QPaintDevice* device);
    static void useStretch(QPainter& painter, PainterState& state, double stretch);
    void drawText(QPainter& painter, PainterState& state, const PageElement& element, const std::string& text);

    std::unordered_map<ShapeKey, ShapedText, ShapeKeyHash> shapes_;
    TextShaper shaper_;
};

// render() with one renderer shared by the whole process (and its cache).
void renderPage(QPainter& painter, const Page& page);

// Runs one fill into the page; may throw mervane::Error.
using PageStart = std::function<void()>;

// The first half of a generation: variables blanked, the page-start fill run.
// A printer is opened only after this succeeded, so a failed fill never sends
// a blank sheet.
void PreparePage(Page& page, const PageStart& pageStart);

// One generation of the page: PreparePage, then the page drawn. Every output
// (preview, printer, PDF, image) goes through these two.
void GeneratePage(QPainter& painter, Page& page, const PageStart& pageStart);

// The paper the page is drawn on, with no margins, so that a QPdfWriter's or a
// full-page QPrinter's origin is the paper's corner.
QPageLayout PaperLayout();

// The whole page on white at the given resolution.
QImage renderPageImage(const Page& page, double dotsPerInch);

} // namespace mervane

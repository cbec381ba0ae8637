#pragma once
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>

#include <optional>
#include <string>

struct hb_font_t;
struct hb_buffer_t;

namespace mervane {

// One line of text set in one font file by HarfBuzz. The page never wraps, so
// the general text layout's line breaking (a dictionary walk for Thai) and its
// font merging are work it does not need: this is most of the cost of a page
// drawn the first time.
class TextShaper {
public:
    struct Line {
        QGlyphRun run;       // glyphs placed from the pen's start on the baseline
        double advance = 0;  // device units
    };

    TextShaper() = default;
    TextShaper(const TextShaper&) = delete;
    TextShaper& operator=(const TextShaper&) = delete;
    ~TextShaper();

    // `font` is the face as the font database has it (loaded from fontFile), so
    // that a PDF embeds the file; pixelSize is its size on the device. Empty
    // when the file lacks a glyph for some character: the caller then takes
    // the general layout, which can fall back to another font.
    std::optional<Line> shape(const QString& fontFile, const QFont& font, double pixelSize, const std::string& utf8);

private:
    struct Face {
        hb_font_t* font = nullptr;
        double unitsPerEm = 0;
    };
    const Face& face(const QString& fontFile);
    const QRawFont& rawFont(const QFont& font, double pixelSize);

    QHash<QString, Face> faces_;
    QHash<QString, QRawFont> rawFonts_;
    hb_buffer_t* buffer_ = nullptr;
};

} // namespace mervane

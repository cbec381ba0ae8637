#include "page/TextShaper.h"

#include <QFile>
#include <QFontDatabase>
#include <hb.h>

#include "model/Error.h"

namespace mervane {

TextShaper::~TextShaper()
{
    for (const Face& f : std::as_const(faces_))
        hb_font_destroy(f.font);
    if (buffer_)
        hb_buffer_destroy(buffer_);
}

const TextShaper::Face& TextShaper::face(const QString& fontFile)
{
    if (const auto found = faces_.constFind(fontFile); found != faces_.constEnd())
        return *found;
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(QFile::encodeName(fontFile).constData());
    if (!blob)
        throw Error("Font file " + fontFile.toStdString() + " could not be read");
    hb_face_t* hbFace = hb_face_create(blob, 0);
    hb_blob_destroy(blob);
    Face f;
    f.unitsPerEm = hb_face_get_upem(hbFace);
    f.font = hb_font_create(hbFace);
    hb_face_destroy(hbFace);
    // Positions in the font's own units: unhinted, like the design metrics the
    // page is measured in.
    hb_font_set_scale(f.font, int(f.unitsPerEm), int(f.unitsPerEm));
    return *faces_.insert(fontFile, f);
}

const QRawFont& TextShaper::rawFont(const QFont& font, double pixelSize)
{
    const QString key = font.key() + QLatin1Char('@') + QString::number(pixelSize, 'g', 17);
    if (const auto found = rawFonts_.constFind(key); found != rawFonts_.constEnd())
        return *found;
    // Taken from the font database's own face, so that the glyphs keep the
    // file's identity and a PDF embeds the font instead of outlines.
    QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Any);
    raw.setPixelSize(pixelSize);
    return *rawFonts_.insert(key, raw);
}

std::optional<TextShaper::Line> TextShaper::shape(const QString& fontFile, const QFont& font, double pixelSize,
                                                  const std::string& utf8)
{
    const Face& f = face(fontFile);
    if (!buffer_)
        buffer_ = hb_buffer_create();
    hb_buffer_clear_contents(buffer_);
    hb_buffer_add_utf8(buffer_, utf8.data(), int(utf8.size()), 0, int(utf8.size()));
    hb_buffer_guess_segment_properties(buffer_);
    hb_shape(f.font, buffer_, nullptr, 0);

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer_, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer_, &count);
    const double scale = pixelSize / f.unitsPerEm;

    QList<quint32> glyphs;
    QList<QPointF> places;
    glyphs.reserve(count);
    places.reserve(count);
    double pen = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (infos[i].codepoint == 0)
            return std::nullopt;
        glyphs.append(infos[i].codepoint);
        places.append(QPointF((pen + positions[i].x_offset) * scale, -positions[i].y_offset * scale));
        pen += positions[i].x_advance;
    }
    Line line;
    line.run.setRawFont(rawFont(font, pixelSize));
    line.run.setGlyphIndexes(glyphs);
    line.run.setPositions(places);
    line.advance = pen * scale;
    return line;
}

} // namespace mervane

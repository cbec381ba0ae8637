#include "page/PageFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRawFont>

#include "model/Error.h"

#ifndef MERVANE_INSTALL_FONT_DIR
#define MERVANE_INSTALL_FONT_DIR ""
#endif
#ifndef MERVANE_FONT_DIRS
#define MERVANE_FONT_DIRS ""
#endif

namespace mervane {

namespace {

// Tahoma's ascent in its own units: where Tahoma put the baseline, the
// substitute must put it too, or every value would sit off its dotted line.
constexpr double kTahomaAscentPerEm = 2049.0 / 2048.0;
constexpr double kArialBaselinePerEm = 0.905;
constexpr double kBrowalliaSizeFactor = 0.68;
constexpr int kTahomaStretch = 94;
constexpr int kTahomaBoldStretch = 92;

struct LoadedFonts {
    bool loaded = false;
    QString wareeFile, wareeBoldFile, wareeObliqueFile, garudaFile, liberationSansFile;
    QString waree;
    QString garuda;
    QString liberationSans;
    double garudaAscentPerEm = 0;
};

LoadedFonts& loadedFonts()
{
    static LoadedFonts fonts;
    return fonts;
}

QString familyOf(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw Error("Font file " + QFileInfo(path).fileName().toStdString() + " could not be loaded (" +
                    QDir::toNativeSeparators(path).toStdString() + ")");
    return families.first();
}

const LoadedFonts& ensureLoaded()
{
    LoadPageFonts();
    return loadedFonts();
}

} // namespace

QStringList PageFontDirs()
{
    QStringList dirs;
    const QString fromEnvironment = qEnvironmentVariable("MERVANE_FONT_DIR");
    if (!fromEnvironment.isEmpty())
        dirs << fromEnvironment;
    if (QCoreApplication::instance())
        dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/mervane/fonts");
    if (*MERVANE_INSTALL_FONT_DIR)
        dirs << QStringLiteral(MERVANE_INSTALL_FONT_DIR);
    for (const QString& dir : QStringLiteral(MERVANE_FONT_DIRS).split(':', Qt::SkipEmptyParts))
        dirs << dir;
    dirs.removeDuplicates();
    return dirs;
}

QString FindPageFontFile(const QString& fileName, const QStringList& dirs)
{
    for (const QString& dir : dirs) {
        const QFileInfo candidate(QDir(dir), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    throw Error("Font file " + fileName.toStdString() + " not found (looked in " +
                QDir::toNativeSeparators(dirs.join(", ")).toStdString() + ")");
}

void LoadPageFonts()
{
    LoadedFonts& fonts = loadedFonts();
    if (fonts.loaded)
        return;

    // Every file is found before any is loaded, so a missing one leaves the
    // font database as it was.
    const QStringList dirs = PageFontDirs();
    const QString wareeRegular = FindPageFontFile(QStringLiteral("Waree.ttf"), dirs);
    const QString wareeBold = FindPageFontFile(QStringLiteral("Waree-Bold.ttf"), dirs);
    const QString wareeOblique = FindPageFontFile(QStringLiteral("Waree-Oblique.ttf"), dirs);
    const QString garudaOblique = FindPageFontFile(QStringLiteral("Garuda-Oblique.ttf"), dirs);
    const QString liberationSans = FindPageFontFile(QStringLiteral("LiberationSans-Regular.ttf"), dirs);

    LoadedFonts result;
    result.wareeFile = wareeRegular;
    result.wareeBoldFile = wareeBold;
    result.wareeObliqueFile = wareeOblique;
    result.garudaFile = garudaOblique;
    result.liberationSansFile = liberationSans;
    result.waree = familyOf(wareeRegular);
    familyOf(wareeBold);
    familyOf(wareeOblique);
    result.garuda = familyOf(garudaOblique);
    result.liberationSans = familyOf(liberationSans);

    // Unhinted, at a large size: the ascent as the font designer gave it,
    // not rounded to some screen's pixels.
    constexpr double kProbePixels = 2048;
    const QRawFont garudaProbe(garudaOblique, kProbePixels, QFont::PreferNoHinting);
    result.garudaAscentPerEm = garudaProbe.ascent() / kProbePixels;

    result.loaded = true;
    fonts = result;
}

QFont TahomaSubstitute(double pointSize, bool bold, bool italic)
{
    QFont font(ensureLoaded().waree);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStretch(bold ? kTahomaBoldStretch : kTahomaStretch);
    return font;
}

QFont PageFont(const PageElement& element)
{
    const LoadedFonts& fonts = ensureLoaded();
    QFont font;
    switch (element.font) {
    case FontFace::Tahoma:
        font = TahomaSubstitute(element.fontSize, element.bold, element.italic);
        break;
    case FontFace::BrowalliaUPC:
        // Only the oblique face stands in for BrowalliaUPC, upright or not.
        font = QFont(fonts.garuda);
        font.setPointSizeF(kBrowalliaSizeFactor * element.fontSize);
        font.setBold(element.bold);
        font.setItalic(true);
        break;
    case FontFace::Arial:
        font = QFont(fonts.liberationSans);
        font.setPointSizeF(element.fontSize);
        font.setBold(element.bold);
        font.setItalic(element.italic);
        break;
    case FontFace::None:
        return QFont();
    }
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PageFontBaseline(const PageElement& element)
{
    switch (element.font) {
    case FontFace::Tahoma:
        return kTahomaAscentPerEm * element.fontSize;
    case FontFace::BrowalliaUPC:
        return ensureLoaded().garudaAscentPerEm * kBrowalliaSizeFactor * element.fontSize;
    case FontFace::Arial:
        return kArialBaselinePerEm * element.fontSize;
    case FontFace::None:
        break;
    }
    return 0;
}

QString PageFontFile(const PageElement& element)
{
    const LoadedFonts& fonts = ensureLoaded();
    switch (element.font) {
    case FontFace::Tahoma:
        // Bold takes precedence: no bold oblique face stands in for Tahoma.
        return element.bold ? fonts.wareeBoldFile : element.italic ? fonts.wareeObliqueFile : fonts.wareeFile;
    case FontFace::BrowalliaUPC:
        return fonts.garudaFile;
    case FontFace::Arial:
        return fonts.liberationSansFile;
    case FontFace::None:
        break;
    }
    return {};
}

} // namespace mervane

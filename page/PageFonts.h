#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

#include "page/Layout.h"

namespace mervane {

// The page was designed with Tahoma, BrowalliaUPC and Arial, which cannot be
// shipped. Their substitutes are loaded from their files, never asked for by
// family name (fontconfig answers "Tahoma" with a face that has no Thai):
//
//   Tahoma       -> Waree (regular, bold, oblique), 94 % wide (bold 92 %),
//                   baseline 2049/2048 of the size below the box's top
//   BrowalliaUPC -> Garuda Oblique at 0.68 of the size, full width,
//                   baseline at Garuda's own ascent
//   Arial        -> Liberation Sans, full width, baseline 0.905 of the size
//
// The widths were calibrated so that values sit on the page's dotted lines.

// Loads the substitute font files into the application's font database once;
// later calls do nothing. Needs a QGuiApplication. Each file is looked for in
// PageFontDirs() order; a file found nowhere throws mervane::Error naming it.
void LoadPageFonts();

// Where font files are looked for, first match wins: $MERVANE_FONT_DIR, the
// program's ../share/mervane/fonts, the installed font folder, then the
// build's system font folders.
QStringList PageFontDirs();

// The full path of fileName in the first of dirs that holds it; throws
// mervane::Error "Font file <name> not found (looked in <dirs>)" otherwise.
QString FindPageFontFile(const QString& fileName, const QStringList& dirs);

// Tahoma's stand-in for the windows and the page: Waree at pointSize with the
// calibrated horizontal stretch. Loads the fonts if needed.
QFont TahomaSubstitute(double pointSize, bool bold = false, bool italic = false);

// The substitute for a text element's font, at the size it is drawn, stretch
// set, hinting off so that widths do not depend on the output's resolution.
// Meant for text elements; an element without a font gets a default QFont.
QFont PageFont(const PageElement& element);

// Distance from the top of a text element's box to its text's baseline, in
// points.
double PageFontBaseline(const PageElement& element);

// The file PageFont(element) is drawn from.
QString PageFontFile(const PageElement& element);

} // namespace mervane

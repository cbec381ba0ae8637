#pragma once
#include <QFont>

namespace mervane {

// The windows' font: Tahoma 8 pt, drawn with the same substitute face as the
// page (Waree narrowed to Tahoma's width, loaded from its file) so that
// captions take the room the window layouts were made for. When the font
// file cannot be found, Waree is asked for by name at the same stretch: the
// windows stay usable, and printing reports the missing file.
QFont WindowFont();

} // namespace mervane

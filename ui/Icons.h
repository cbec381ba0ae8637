#pragma once
#include <QIcon>

namespace mervane {

// The program's own pictures, shipped as resources under ":/icons":
// "gear", "printer", "refresh" (two circling green arrows), "exit" (a door
// with an arrow), "back" (a curved blue back arrow), "save" (a diskette), each
// drawn for 24 x 24 buttons and at twice that for dense screens, and "app"
// (a document with a pen), the window icon, from 16 to 256 pixels.
// An unknown name gives a null icon.
QIcon MervaneIcon(const char* name);

} // namespace mervane

#pragma once
#include <QLocale>

#include "page/PageFill.h"

namespace mervane {

// The date and separator conventions of a locale, as the windows show them and
// the page prints them. Thai: d/M/yyyy in the Buddhist era, "," and ".".
FillSettings FillSettingsForLocale(const QLocale& locale);

// The conventions of the clerk's system (QLocale()).
FillSettings SystemFillSettings();

} // namespace mervane

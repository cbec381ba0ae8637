#include "page/LocaleSettings.h"

namespace mervane {

FillSettings FillSettingsForLocale(const QLocale& locale)
{
    FillSettings settings;
    settings.separators.thousands = locale.groupSeparator().toStdString();
    settings.separators.decimal = locale.decimalPoint().toStdString();
    if (locale.language() == QLocale::Thai)
        settings.dateFormat = ThaiDateFormat();
    else
        settings.dateFormat = DateFormatFromPattern(locale.dateFormat(QLocale::ShortFormat).toStdString());
    return settings;
}

FillSettings SystemFillSettings() { return FillSettingsForLocale(QLocale()); }

} // namespace mervane

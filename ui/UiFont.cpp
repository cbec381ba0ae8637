#include "ui/UiFont.h"

#include "model/Error.h"
#include "page/PageFonts.h"

namespace mervane {

QFont WindowFont()
{
    try {
        return TahomaSubstitute(8);
    } catch (const Error&) {
        QFont font(QStringLiteral("Waree"));
        font.setPointSize(8);
        font.setStretch(94);
        return font;
    }
}

} // namespace mervane

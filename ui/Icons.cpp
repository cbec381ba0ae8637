#include "ui/Icons.h"

#include <QFile>
#include <QString>

// The resources live in a static library; nothing else refers to the object
// file that registers them, so the linker would drop it without this call.
static void registerIconResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)done;
}

namespace mervane {

QIcon MervaneIcon(const char* name)
{
    registerIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/%1-%2.png").arg(QString::fromLatin1(name)).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace mervane

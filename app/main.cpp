#include <QApplication>

#include "model/Error.h"
#include "page/PageFonts.h"
#include "ui/ErrorBox.h"
#include "ui/Icons.h"
#include "ui/TForm1.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mervane"));
    // Ties the windows to the desktop entry, whose icon the shell shows.
    QApplication::setDesktopFileName(QStringLiteral("mervane"));

    // Without its fonts the page would print in faces that lack Thai or sit
    // off the form's lines; better to say so and stop.
    try {
        mervane::LoadPageFonts();
    } catch (const mervane::Error& error) {
        mervane::ShowErrorBox(nullptr, QString::fromStdString(error.what()));
        return 1;
    }
    QApplication::setWindowIcon(mervane::MervaneIcon("app"));

    // The command line is not read: the profile file is the only setting.
    mervane::TForm1 form1;
    form1.show();
    return QApplication::exec();
}

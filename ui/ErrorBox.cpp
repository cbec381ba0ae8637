#include "ui/ErrorBox.h"

#include <QMessageBox>

namespace mervane {

namespace {

ErrorBoxHook& hookSlot()
{
    static ErrorBoxHook hook;
    return hook;
}

} // namespace

void ShowErrorBox(QWidget* parent, const QString& message)
{
    if (const ErrorBoxHook& hook = hookSlot()) {
        hook(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Mervane"), message, QMessageBox::Ok, parent);
    box.exec();
}

void SetErrorBoxHook(ErrorBoxHook hook) { hookSlot() = std::move(hook); }

} // namespace mervane

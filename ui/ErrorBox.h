#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace mervane {

// Every error the clerk sees goes through here: a standard critical message
// box with the exact message, captioned "Mervane", modal to parent.
void ShowErrorBox(QWidget* parent, const QString& message);

// While a hook is set, ShowErrorBox hands the message to it instead of opening
// the box, so that tests can see errors without a blocking dialog. An empty
// hook restores the box.
using ErrorBoxHook = std::function<void(const QString&)>;
void SetErrorBoxHook(ErrorBoxHook hook);

} // namespace mervane

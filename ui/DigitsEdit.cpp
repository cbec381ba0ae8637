#include "ui/DigitsEdit.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace mervane {

DigitsEdit::DigitsEdit(QWidget* parent) : QLineEdit(parent)
{
    // \d without Unicode properties is ASCII 0-9 only: Thai digits would not
    // read back as a number anywhere the figures are used.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this));
}

} // namespace mervane

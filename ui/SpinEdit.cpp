#include "ui/SpinEdit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <limits>

namespace mervane {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

// Reads an optional sign and digits. Returns Acceptable with the number,
// Acceptable with nothing for the empty text, Intermediate for a sign alone,
// Invalid otherwise or when the number lies outside the 32-bit range.
QValidator::State parse(const QString& text, std::optional<std::int32_t>& out)
{
    out.reset();
    if (text.isEmpty())
        return QValidator::Acceptable;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('+') || text[0] == QLatin1Char('-')) {
        negative = text[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return QValidator::Intermediate;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > kMax + 1)
            return QValidator::Invalid;
    }
    const std::int64_t v = negative ? -magnitude : magnitude;
    if (v < kMin || v > kMax)
        return QValidator::Invalid;
    out = static_cast<std::int32_t>(v);
    return QValidator::Acceptable;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWrapping(false);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::onTextChanged);
    // "+7", "007" and a sign left alone settle into the number's own text.
    connect(this, &QAbstractSpinBox::editingFinished, this, &SpinEdit::showValue);
}

void SpinEdit::setValue(std::optional<std::int32_t> value)
{
    value_ = value;
    showValue();
}

void SpinEdit::clear() { setValue(std::nullopt); }

void SpinEdit::showValue()
{
    const QString text = value_ ? QString::number(*value_) : QString();
    if (lineEdit()->text() == text)
        return;
    updating_ = true;
    lineEdit()->setText(text);
    updating_ = false;
}

void SpinEdit::onTextChanged(const QString& text)
{
    if (updating_)
        return;
    std::optional<std::int32_t> parsed;
    if (parse(text, parsed) != QValidator::Invalid)
        value_ = parsed;
}

void SpinEdit::stepBy(int steps)
{
    const std::int64_t next = std::clamp<std::int64_t>(std::int64_t{valueOrZero()} + steps, kMin, kMax);
    setValue(static_cast<std::int32_t>(next));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (valueOrZero() < kMax)
        enabled |= StepUpEnabled;
    if (valueOrZero() > kMin)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    std::optional<std::int32_t> ignored;
    return parse(input, ignored);
}

void SpinEdit::fixup(QString& input) const
{
    std::optional<std::int32_t> parsed;
    if (parse(input, parsed) != QValidator::Acceptable)
        input = value_ ? QString::number(*value_) : QString();
}

QSize SpinEdit::sizeHint() const
{
    ensurePolished();
    const QFontMetrics fm(font());
    const int textWidth = fm.horizontalAdvance(QStringLiteral("-2147483648 "));
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(textWidth, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

QSize SpinEdit::minimumSizeHint() const
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0000")),
                        lineEdit()->minimumSizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

} // namespace mervane

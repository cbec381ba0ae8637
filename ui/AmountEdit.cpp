#include "ui/AmountEdit.h"

#include <QFocusEvent>
#include <QValidator>

#include <algorithm>

#include "amounts/AmountText.h"
#include "page/LocaleSettings.h"

namespace mervane {

namespace {

struct Separators {
    QString thousands;
    QString decimal;
};

Separators systemSeparators()
{
    const NumberSeparators s = SystemFillSettings().separators;
    return {QString::fromStdString(s.thousands), QString::fromStdString(s.decimal)};
}

// What the clerk may type for the system's thousands separator. Locales that
// group with a no-break or thin space cannot expect that character from the
// keyboard, so an ordinary space stands for it; likewise an apostrophe for a
// typographic one.
QStringList thousandsSpellings(const QString& separator)
{
    QStringList spellings;
    if (separator.isEmpty())
        return spellings;
    spellings << separator;
    bool blank = true;
    for (QChar c : separator)
        blank = blank && (c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009));
    if (blank)
        spellings << QStringLiteral(" ") << QString(QChar(0x00A0)) << QString(QChar(0x202F));
    if (separator == QString(QChar(0x2019)))
        spellings << QStringLiteral("'");
    spellings.removeDuplicates();
    return spellings;
}

// The longest of the spellings that starts at position i, or 0; set partial
// when the text ends inside one of them.
qsizetype matchAt(const QString& text, qsizetype i, const QStringList& spellings, bool& partial)
{
    qsizetype best = 0;
    for (const QString& s : spellings) {
        if (s.isEmpty())
            continue;
        if (QStringView(text).mid(i).startsWith(s))
            best = std::max(best, s.size());
        else if (text.size() - i < s.size() && QStringView(s).startsWith(QStringView(text).mid(i)))
            partial = true;
    }
    return best;
}

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

class AmountValidator : public QValidator {
public:
    explicit AmountValidator(AmountEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override
    {
        return static_cast<State>(edit_->scan(input, edit_->currentGrammar(), nullptr));
    }

private:
    AmountEdit* edit_;
};

AmountEdit::AmountEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(new AmountValidator(this));
    connect(this, &QLineEdit::textChanged, this, &AmountEdit::onTextChanged);
}

Amount AmountEdit::value() const { return value_; }

void AmountEdit::setValue(const Amount& value)
{
    value_ = value;
    if (value_ && *value_ == 0)
        value_ = 0.0; // no "-0"
    showText(editing_ ? editingText() : displayText());
}

void AmountEdit::setThousandsSeparatorOption(bool on) { thousandsOption_ = on; }

int AmountEdit::scan(const QString& text, Grammar grammar, Amount* amount) const
{
    const Separators system = systemSeparators();
    QStringList decimals{system.decimal};
    QStringList thousands;
    if (grammar == Grammar::Editing && !thousandsOption_)
        decimals << QStringLiteral(",") << QStringLiteral(".");
    else
        thousands = thousandsSpellings(system.thousands);
    decimals.removeAll(QString());
    decimals.removeDuplicates();

    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        ++i;
    QString whole, cents;
    bool pointSeen = false;
    bool partial = false;
    while (i < text.size()) {
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            if (pointSeen) {
                if (cents.size() == 2)
                    return QValidator::Invalid; // a third decimal
                cents += c;
            } else {
                whole += c;
            }
            ++i;
            continue;
        }
        if (!pointSeen) {
            if (const qsizetype n = matchAt(text, i, decimals, partial)) {
                pointSeen = true;
                i += n;
                continue;
            }
            // A thousands separator only ever follows a digit of the whole part.
            if (!whole.isEmpty())
                if (const qsizetype n = matchAt(text, i, thousands, partial)) {
                    i += n;
                    continue;
                }
        }
        // The text may stop halfway through a separator of several characters.
        if (partial)
            return QValidator::Intermediate;
        return QValidator::Invalid;
    }

    qsizetype firstSignificant = 0;
    while (firstSignificant < whole.size() && whole[firstSignificant] == QLatin1Char('0'))
        ++firstSignificant;
    if (whole.size() - firstSignificant > kMaxAmountWholeDigits)
        return QValidator::Invalid;

    if (whole.isEmpty() && cents.isEmpty()) {
        if (amount)
            *amount = std::nullopt;
        // "-" and a lone point are on the way to a number; nothing is empty.
        return (negative || pointSeen) ? QValidator::Intermediate : QValidator::Acceptable;
    }
    if (amount) {
        const QString canonical = QStringLiteral("%1%2.%3")
                                      .arg(negative ? QStringLiteral("-") : QString(),
                                           whole.isEmpty() ? QStringLiteral("0") : whole, cents);
        double v = QLocale::c().toDouble(canonical);
        if (v == 0)
            v = 0; // no "-0"
        *amount = v;
    }
    return QValidator::Acceptable;
}

QString AmountEdit::editingText() const
{
    if (!value_)
        return {};
    const Separators system = systemSeparators();
    QString text = QString::fromStdString(AmountText(value_, NumberSeparators{"", system.decimal.toStdString()}));
    // The plain number: no zero decimals to step over.
    while (text.endsWith(QLatin1Char('0')) && text.contains(system.decimal))
        text.chop(1);
    if (text.endsWith(system.decimal))
        text.chop(system.decimal.size());
    return text;
}

QString AmountEdit::displayText() const
{
    const Separators system = systemSeparators();
    return QString::fromStdString(
        AmountText(value_, NumberSeparators{system.thousands.toStdString(), system.decimal.toStdString()}));
}

void AmountEdit::showText(const QString& text)
{
    updating_ = true;
    setText(text);
    updating_ = false;
}

void AmountEdit::onTextChanged(const QString& text)
{
    if (updating_)
        return;
    // The clerk's own keys always pass the validator in the current grammar;
    // text set by the program may come in either form.
    Amount parsed;
    if (scan(text, currentGrammar(), &parsed) != QValidator::Invalid
        || scan(text, Grammar::Display, &parsed) != QValidator::Invalid)
        value_ = parsed;
    if (!editing_)
        showText(displayText());
}

void AmountEdit::focusInEvent(QFocusEvent* event)
{
    // A context menu or a popup taking the focus does not end the edit.
    if (!editing_ && event->reason() != Qt::PopupFocusReason) {
        editing_ = true;
        showText(editingText());
    }
    QLineEdit::focusInEvent(event);
}

void AmountEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (editing_ && event->reason() != Qt::PopupFocusReason) {
        editing_ = false;
        showText(displayText());
    }
}

} // namespace mervane

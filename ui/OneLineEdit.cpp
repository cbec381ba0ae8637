#include "ui/OneLineEdit.h"

#include <algorithm>

namespace mervane {

namespace {

bool isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

} // namespace

QValidator::State OneLineValidator::validate(QString& input, int& pos) const
{
    if (std::none_of(input.begin(), input.end(), [](QChar c) { return c.category() == QChar::Other_Control || isLineBreak(c); }))
        return Acceptable;

    QString joined;
    joined.reserve(input.size());
    qsizetype cursor = -1;
    for (qsizetype i = 0; i < input.size();) {
        if (i == pos)
            cursor = joined.size();
        if (!isLineBreak(input[i])) {
            if (input[i].category() == QChar::Other_Control)
                return Invalid;
            joined += input[i++];
            continue;
        }
        // One space for the break and the blanks that pad it on either side.
        while (joined.endsWith(QLatin1Char(' ')))
            joined.chop(1);
        const qsizetype start = i;
        while (i < input.size() && (isLineBreak(input[i]) || input[i] == QLatin1Char(' ')))
            ++i;
        if (!joined.isEmpty() && i < input.size())
            joined += QLatin1Char(' ');
        if (pos > start && pos <= i)
            cursor = joined.size();
    }
    input = joined;
    pos = static_cast<int>(cursor < 0 ? joined.size() : std::min(cursor, joined.size()));
    return Acceptable;
}

OneLineEdit::OneLineEdit(QWidget* parent) : QLineEdit(parent) { setValidator(new OneLineValidator(this)); }

} // namespace mervane

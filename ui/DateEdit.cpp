#include "ui/DateEdit.h"

#include <QCalendarWidget>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

#include "model/Dates.h"
#include "page/LocaleSettings.h"

namespace mervane {

namespace {

DateFormat systemDateFormat() { return SystemFillSettings().dateFormat; }

QDate toQDate(const std::chrono::year_month_day& d)
{
    return QDate(static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
                 static_cast<int>(static_cast<unsigned>(d.day())));
}

std::chrono::year_month_day fromQDate(const QDate& d)
{
    return std::chrono::year_month_day{std::chrono::year{d.year()}, std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

// Reads a text written in a short-date form: d and dd take one or two digits,
// M and MM likewise, the year four (or two at the end); every other character of the pattern must
// be typed as it is. Acceptable only for a real calendar date; Intermediate
// for a text that can still become one by typing on; Invalid otherwise.
QValidator::State parseShortDate(const QString& text, const DateFormat& format, DateValue* out)
{
    if (out)
        out->reset();
    if (text.isEmpty())
        return QValidator::Acceptable;

    const QString pattern = QString::fromStdString(format.pattern);
    int day = 0, month = 0, year = 0;
    qsizetype pos = 0;
    for (qsizetype p = 0; p < pattern.size();) {
        const QChar c = pattern[p];
        qsizetype run = 1;
        while (p + run < pattern.size() && pattern[p + run] == c)
            ++run;
        const bool field = c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y');
        if (!field) {
            for (qsizetype k = 0; k < run; ++k, ++pos) {
                if (pos == text.size())
                    return QValidator::Intermediate;
                if (text[pos] != c)
                    return QValidator::Invalid;
            }
            p += run;
            continue;
        }
        const int width = c == QLatin1Char('y') ? 4 : 2;
        // Two fields with nothing between them can only be told apart by width.
        const bool fixedWidth = p + run < pattern.size()
                                && (pattern[p + run] == QLatin1Char('d') || pattern[p + run] == QLatin1Char('M')
                                    || pattern[p + run] == QLatin1Char('y'));
        int digits = 0, number = 0;
        while (pos < text.size() && digits < width && text[pos] >= QLatin1Char('0') && text[pos] <= QLatin1Char('9')) {
            number = number * 10 + (text[pos].unicode() - '0');
            ++digits;
            ++pos;
        }
        const bool atEnd = pos == text.size();
        if (digits == 0)
            return atEnd ? QValidator::Intermediate : QValidator::Invalid;
        // Clerks often write a year short ("15/3/67"); it is read in the era
        // the field shows, and written out in full once the field is left.
        const bool shortYear = c == QLatin1Char('y') && atEnd && digits == 2 && p + run == pattern.size();
        const bool complete = !atEnd || digits == width || shortYear;
        if (c == QLatin1Char('y')) {
            if (!atEnd && digits < width)
                return QValidator::Invalid;
            year = shortYear ? ExpandTwoDigitYear(number, QDate::currentDate().year() + format.yearOffset) : number;
        } else {
            const int top = c == QLatin1Char('d') ? 31 : 12;
            if (number > top || (complete && number == 0) || (fixedWidth && !atEnd && digits < width))
                return QValidator::Invalid;
            (c == QLatin1Char('d') ? day : month) = number;
        }
        if (atEnd && !complete)
            return QValidator::Intermediate;
        if (atEnd && p + run < pattern.size())
            return QValidator::Intermediate;
        p += run;
    }
    if (pos < text.size())
        return QValidator::Invalid;

    const int gregorianYear = year - format.yearOffset;
    if (gregorianYear < 1 || gregorianYear > 9999)
        return QValidator::Intermediate;
    const std::chrono::year_month_day ymd{std::chrono::year{gregorianYear},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok())
        return QValidator::Intermediate; // 31/2: the clerk may still be correcting the day
    if (out)
        *out = ymd;
    return QValidator::Acceptable;
}

class ShortDateValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override { return parseShortDate(input, systemDateFormat(), nullptr); }
};

} // namespace

// The drop-down: the platform's calendar and a row with "Today" and "Clear".
class DatePopup : public QFrame {
public:
    explicit DatePopup(QWidget* owner) : QFrame(owner, Qt::Popup)
    {
        setObjectName(QStringLiteral("calendarPopup"));
        setFrameStyle(QFrame::Box | QFrame::Plain);
        calendar = new QCalendarWidget(this);
        calendar->setObjectName(QStringLiteral("calendar"));
        today = new QPushButton(tr("Today"), this);
        today->setObjectName(QStringLiteral("todayButton"));
        clear = new QPushButton(tr("Clear"), this);
        clear->setObjectName(QStringLiteral("clearButton"));
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(today);
        buttons->addStretch();
        buttons->addWidget(clear);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->setSpacing(2);
        layout->addWidget(calendar);
        layout->addLayout(buttons);
    }

    QCalendarWidget* calendar;
    QPushButton* today;
    QPushButton* clear;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) {
            hide();
            return;
        }
        QFrame::keyPressEvent(event);
    }
};

DateEdit::DateEdit(QWidget* parent) : QWidget(parent)
{
    edit_ = new QLineEdit(this);
    edit_->setValidator(new ShortDateValidator(edit_));
    edit_->installEventFilter(this);
    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("dropDownButton"));
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setFixedWidth(17);
    button_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(edit_);
    layout->addWidget(button_);
    setFocusPolicy(edit_->focusPolicy());
    setFocusProxy(edit_);
    setSizePolicy(edit_->sizePolicy());

    connect(edit_, &QLineEdit::textEdited, this, &DateEdit::onTextEdited);
    connect(button_, &QToolButton::clicked, this, &DateEdit::showPopup);
}

void DateEdit::setDate(const DateValue& date)
{
    date_ = (date && date->ok()) ? date : std::nullopt;
    settle();
}

void DateEdit::clear() { setDate(std::nullopt); }

QString DateEdit::text() const { return QString::fromStdString(ShortDateText(date_, systemDateFormat())); }

void DateEdit::setTextAlignment(Qt::Alignment alignment) { edit_->setAlignment(alignment); }

void DateEdit::showDate()
{
    const QString shown = text();
    if (edit_->text() != shown)
        edit_->setText(shown);
}

void DateEdit::settle()
{
    beforeTyping_ = date_;
    showDate();
}

void DateEdit::onTextEdited(const QString& text)
{
    DateValue parsed;
    date_ = parseShortDate(text, systemDateFormat(), &parsed) == QValidator::Acceptable ? parsed : beforeTyping_;
}

void DateEdit::showPopup()
{
    if (!popup_) {
        popup_ = new DatePopup(this);
        auto pick = [this](const QDate& d) {
            popup_->hide();
            setDate(fromQDate(d));
            edit_->setFocus(Qt::PopupFocusReason);
        };
        connect(popup_->calendar, &QCalendarWidget::clicked, this, pick);
        connect(popup_->calendar, &QCalendarWidget::activated, this, pick);
        connect(popup_->today, &QPushButton::clicked, this, [pick] { pick(QDate::currentDate()); });
        connect(popup_->clear, &QPushButton::clicked, this, [this] {
            popup_->hide();
            clear();
            edit_->setFocus(Qt::PopupFocusReason);
        });
    }
    // Whatever half-typed text there is gives way to the date the field holds.
    settle();
    popup_->calendar->setSelectedDate(date_ ? toQDate(*date_) : QDate::currentDate());
    popup_->adjustSize();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        if (at.y() + popup_->height() > area.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - popup_->height());
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - popup_->width())));
    }
    popup_->move(at);
    popup_->show();
    popup_->calendar->setFocus(Qt::PopupFocusReason);
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_) {
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            settle();
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool altDown = key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier);
            if (key->key() == Qt::Key_F4 || altDown) {
                showPopup();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mervane

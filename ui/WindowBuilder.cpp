#include "ui/WindowBuilder.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <QButtonGroup>
#include <QtMath>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <qdrawutil.h>

#include "model/Error.h"
#include "ui/AmountEdit.h"
#include "ui/DateEdit.h"
#include "ui/DigitsEdit.h"
#include "ui/ErrorBox.h"
#include "ui/Icons.h"
#include "ui/OneLineEdit.h"
#include "ui/ProfileTextEdit.h"
#include "ui/SpinEdit.h"

namespace mervane {

namespace {

// The narrowest the substitute font is squeezed to make a caption fit.
constexpr int kNarrowestStretch = 88;

// A caption whose runs of spaces place its words over the columns below it.
// It is drawn with Tahoma's space, 3 pixels at Tahoma's 11-pixel size, since
// the substitute's own space is wider and a run of sixty of them would push
// the headings off their columns.
class ColumnHeadingLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return {qCeil(textWidth()), QLabel::sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        const QFontMetricsF metrics(font());
        const QRect area = contentsRect();
        qreal x = area.left();
        const QStringList words = text().split(QLatin1Char(' '));
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (i > 0)
                x += spaceWidth();
            painter.drawText(QPointF(x, area.top() + metrics.ascent()), words[i]);
            x += metrics.horizontalAdvance(words[i]);
        }
    }

private:
    qreal spaceWidth() const { return QFontInfo(font()).pixelSize() * 3.0 / 11.0; }

    qreal textWidth() const
    {
        const QFontMetricsF metrics(font());
        const QStringList words = text().split(QLatin1Char(' '));
        qreal width = spaceWidth() * static_cast<qreal>(words.size() - 1);
        for (const QString& word : words)
            width += metrics.horizontalAdvance(word);
        return width;
    }
};

// The width a control needs to show its caption whole.
int captionWidth(const QWidget* control)
{
    if (auto* button = qobject_cast<const QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return button->width() - room + icon + QFontMetrics(button->font()).horizontalAdvance(button->text());
    }
    return control->sizeHint().width();
}

// The substitute runs a few per cent wider than Tahoma on some captions; such
// a caption is narrowed, never cut, and its box stays as laid out.
void fitCaption(QWidget* control)
{
    QFont font = control->font();
    while (captionWidth(control) > control->width() && font.stretch() > kNarrowestStretch) {
        font.setStretch(font.stretch() - 1);
        control->setFont(font);
    }
}

Qt::Alignment verticalAlignment(const ControlRow& row)
{
    return (row.flags & kVCentre) ? Qt::AlignVCenter : Qt::AlignTop;
}

QWidget* makeControl(const ControlRow& row, QWidget* parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Panel:
        return new BevelPanel(parent);
    case ControlKind::Label: {
        auto* label = caption.contains(QLatin1String("  ")) ? new ColumnHeadingLabel(caption, parent)
                                                            : new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | verticalAlignment(row));
        return label;
    }
    case ControlKind::TextEdit:
        return new OneLineEdit(parent);
    case ControlKind::ProfileText:
        return new ProfileTextEdit(parent);
    case ControlKind::Digits:
        return new DigitsEdit(parent);
    case ControlKind::Date: {
        auto* date = new DateEdit(parent);
        date->setTextAlignment(((row.flags & kHCentre) ? Qt::AlignHCenter : Qt::AlignLeft) | verticalAlignment(row));
        return date;
    }
    case ControlKind::Amount: {
        auto* amount = new AmountEdit(parent);
        amount->setAlignment(Qt::AlignRight | verticalAlignment(row));
        amount->setThousandsSeparatorOption(!(row.flags & kNoThousands));
        return amount;
    }
    case ControlKind::Spin:
        return new SpinEdit(parent);
    case ControlKind::Radio: {
        auto* radio = new TabStopRadio(parent);
        radio->setText(caption);
        // One explicit group per parent: Qt's automatic exclusivity looks
        // for siblings through the whole subtree, which would tie the
        // window's own buttons to those of the panels on it.
        auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
        if (!group)
            group = new QButtonGroup(parent);
        group->addButton(radio);
        return radio;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        if (row.icon)
            button->setIcon(MervaneIcon(row.icon));
        button->setIconSize(QSize(24, 24));
        // Enter never presses a button of these windows.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

void collectTabOrder(std::span<const ControlRow> rows, const char* parent, QWidget* window,
                     std::vector<QWidget*>& order)
{
    std::vector<const ControlRow*> children;
    for (const ControlRow& row : rows) {
        const bool sameParent = parent ? (row.parent && std::string(row.parent) == parent) : !row.parent;
        if (sameParent && row.tab >= 0)
            children.push_back(&row);
    }
    std::stable_sort(children.begin(), children.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (const ControlRow* row : children) {
        if (row->kind == ControlKind::Panel)
            collectTabOrder(rows, row->name, window, order);
        else if (row->kind != ControlKind::Label)
            order.push_back(Child<QWidget>(window, row->name));
    }
}

} // namespace

void BuildControls(QWidget* window, std::span<const ControlRow> rows)
{
    std::map<std::string, QWidget*> panels;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? panels.at(row.parent) : window;
        QWidget* control = makeControl(row, parent);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (row.flags & kHidden)
            control->hide();
        if (*row.caption)
            fitCaption(control);
        if (row.kind == ControlKind::Panel)
            panels[row.name] = control;
    }
}

void ApplyTabOrder(QWidget* window, std::span<const ControlRow> rows)
{
    std::vector<QWidget*> order;
    collectTabOrder(rows, nullptr, window, order);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void CentreWindow(QWidget* window, const QWidget* over)
{
    QRect area;
    if (over)
        area = over->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    // A window's frame is known only once it is shown; until then the other
    // window's frame is the best guess of its size.
    QSize frame = window->frameGeometry().size();
    if (!window->isVisible() && over && over->isVisible())
        frame += over->frameGeometry().size() - over->size();
    QRect placed(QPoint(), frame);
    placed.moveCenter(area.center());
    window->move(placed.topLeft());
}

void RunCommand(QWidget* parent, const std::function<void()>& steps)
{
    try {
        steps();
    } catch (const Error& error) {
        ShowErrorBox(parent, QString::fromStdString(error.what()));
    }
}

BevelPanel::BevelPanel(QWidget* parent) : QFrame(parent) {}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadePanel(&painter, outer, palette(), false, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), true, 1);
}

TabStopRadio::TabStopRadio(QWidget* parent) : QRadioButton(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    connect(this, &QAbstractButton::toggled, this, [this] { fixTabStops(); });
}

void TabStopRadio::focusInEvent(QFocusEvent* event)
{
    // The base class makes the focused button of a group its tab stop; here
    // the selected one is, focused or not.
    QRadioButton::focusInEvent(event);
    fixTabStops();
}

void TabStopRadio::fixTabStops()
{
    if (!group())
        return;
    for (QAbstractButton* radio : group()->buttons())
        radio->setFocusPolicy(radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace mervane

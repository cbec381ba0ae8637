#pragma once
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <QFrame>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace mervane {

// The windows are laid out in fixed pixels at 96 dpi, as the clerk's forms
// were drawn; each window describes its controls in one table of these rows.
enum class ControlKind { Panel, Label, TextEdit, ProfileText, Digits, Date, Amount, Spin, Radio, Button };

enum ControlFlag : unsigned {
    kHCentre = 1u << 0,     // date text centred horizontally
    kVCentre = 1u << 1,     // text centred vertically (else at the top)
    kNoThousands = 1u << 2, // amount edit: a typed comma or point is the decimal point
    kHidden = 1u << 3,
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent; // nullptr: the window itself
    int left, top, width, height;
    int tab;            // place in the keyboard order among the parent's controls; -1: none
    const char* caption = "";
    const char* icon = nullptr; // buttons: a MervaneIcon name
    unsigned flags = 0;
};

// Creates every control of the table on `window`, in table order, so that a
// later row paints over an earlier one where they overlap.
void BuildControls(QWidget* window, std::span<const ControlRow> rows);

// Chains the focus in the window-wide keyboard order: the window's own
// controls by their tab numbers, a panel's controls in place of the panel,
// by theirs. Labels, panels and hidden controls are passed over.
void ApplyTabOrder(QWidget* window, std::span<const ControlRow> rows);

// Places `window` so that its centre is the centre of `over`, or of the
// primary screen's work area when `over` is null.
void CentreWindow(QWidget* window, const QWidget* over);

// Runs one command: a mervane::Error ends it at the failing step and goes to
// the error box; what ran before stays done.
void RunCommand(QWidget* parent, const std::function<void()>& steps);

// A control of a window by its name. A missing one is a programming error.
template <class T>
T* Child(const QWidget* window, std::string_view name)
{
    T* child = window->findChild<T*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!child)
        throw std::logic_error("no control " + std::string(name) + " on " + window->objectName().toStdString());
    return child;
}

// A flat rectangle with a raised outer and a lowered inner bevel, no caption.
class BevelPanel : public QFrame {
    Q_OBJECT
public:
    explicit BevelPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A radio button that is a tab stop only while it is selected; before any
// button of its group is selected, the group is not in the keyboard order.
class TabStopRadio : public QRadioButton {
    Q_OBJECT
public:
    explicit TabStopRadio(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void fixTabStops();
};

} // namespace mervane

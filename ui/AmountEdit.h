#pragma once
#include <QLineEdit>

#include "model/Certificate.h"

namespace mervane {

// A money field: a number with at most two decimals, or nothing (which is not
// zero). While the clerk edits it, it holds the plain number ("1234.5"); at
// any other time it shows the amount text of the system's separators
// ("1,234.50", "-5.00", or nothing).
//
// Typing is checked key by key: digits, one leading "-", one decimal point and
// at most two decimals; anything else is refused, never replaced. What counts
// as a decimal point depends on the thousands-separator option:
//   on  - the system's decimal point is the decimal point and the system's
//         thousands separator is accepted in the whole part and ignored in the
//         value ("1,234.5" is 1234.5);
//   off - a typed comma or point is the decimal point ("12,5" is 12.5).
// A whole part of more than 13 digits is refused too: beyond that the amount
// text, which keeps 15 significant digits, could not show the cents exactly.
class AmountEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit AmountEdit(QWidget* parent = nullptr);

    // The amount of what the field holds now, also halfway through an edit
    // ("-" alone is empty, "12." is 12).
    Amount value() const;
    void setValue(const Amount& value);

    void setThousandsSeparatorOption(bool on);
    bool thousandsSeparatorOption() const { return thousandsOption_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class AmountValidator;
    enum class Grammar { Editing, Display };
    // Key-by-key state of a text (QValidator::State values) and, unless it is
    // Invalid, the amount it stands for.
    int scan(const QString& text, Grammar grammar, Amount* amount) const;
    Grammar currentGrammar() const { return editing_ ? Grammar::Editing : Grammar::Display; }
    QString editingText() const;
    QString displayText() const;
    void showText(const QString& text);
    void onTextChanged(const QString& text);

    Amount value_;
    bool thousandsOption_ = true;
    bool editing_ = false;
    bool updating_ = false;
};

} // namespace mervane

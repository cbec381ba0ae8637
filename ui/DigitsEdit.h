#pragma once
#include <QLineEdit>

namespace mervane {

// One line of ASCII digits, or nothing: the payer's tax and citizen numbers.
class DigitsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DigitsEdit(QWidget* parent = nullptr);
};

} // namespace mervane

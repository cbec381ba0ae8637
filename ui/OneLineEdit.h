#pragma once
#include <QLineEdit>
#include <QValidator>

namespace mervane {

// Keeps a field's text on one line, as every text prints on one line of the
// page: a pasted address that spans lines arrives with each line break (and
// the spaces around it) as one space, so nothing of it goes missing on paper.
// Any other control character has no place on the page, and the paste that
// carries it is refused.
class OneLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class OneLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit OneLineEdit(QWidget* parent = nullptr);
};

} // namespace mervane

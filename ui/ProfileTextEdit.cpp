#include "ui/ProfileTextEdit.h"

#include <QValidator>

#include "model/Cp874.h"

namespace mervane {

namespace {

class Cp874Validator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (char32_t c : input.toUcs4())
            if (!Cp874CanEncode(c))
                return Invalid;
        return Acceptable;
    }
};

} // namespace

ProfileTextEdit::ProfileTextEdit(QWidget* parent) : QLineEdit(parent) { setValidator(new Cp874Validator(this)); }

} // namespace mervane

#include "ui/ProfileTextEdit.h"

#include "model/Cp874.h"

namespace mervane {

namespace {

class Cp874Validator : public OneLineValidator {
public:
    using OneLineValidator::OneLineValidator;

    State validate(QString& input, int& pos) const override
    {
        if (OneLineValidator::validate(input, pos) == Invalid)
            return Invalid;
        for (char32_t c : input.toUcs4())
            if (!Cp874CanEncode(c))
                return Invalid;
        return Acceptable;
    }
};

} // namespace

ProfileTextEdit::ProfileTextEdit(QWidget* parent) : QLineEdit(parent) { setValidator(new Cp874Validator(this)); }

} // namespace mervane

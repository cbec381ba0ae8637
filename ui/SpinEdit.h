#pragma once
#include <QAbstractSpinBox>

#include <cstdint>
#include <optional>

namespace mervane {

// A whole number with up and down buttons, or nothing (read as 0). Typing
// takes digits and one leading + or - only; the arrows, the arrow keys and
// the page keys step by 1 (10 for the page keys) and stop at the ends of the
// signed 32-bit range instead of wrapping. A number outside that range is
// refused as it is typed: the company profile could not read it back.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    std::optional<std::int32_t> value() const { return value_; }
    std::int32_t valueOrZero() const { return value_.value_or(0); }
    void setValue(std::optional<std::int32_t> value);
    void clear() override;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    void onTextChanged(const QString& text);
    void showValue();

    std::optional<std::int32_t> value_;
    bool updating_ = false;
};

} // namespace mervane

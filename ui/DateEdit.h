#pragma once
#include <QWidget>

#include "model/Dates.h"

class QLineEdit;
class QToolButton;

namespace mervane {

class DatePopup;

// A date or nothing, typed in the system's short form or picked from a
// drop-down calendar that also has buttons for today and for clearing. The
// field shows the date's short text (for Thai settings d/M/yyyy in the
// Buddhist era: "15/3/2567").
//
// Typing takes only digits and the separators of the short form, and a day or
// month that cannot exist is refused as it is typed. A text that is not a
// real date when the field loses the focus ("15/3/25", "31/2/2567") is put
// back to the date the field held before the clerk started typing: the clerk
// sees at once that it was not taken, and no other date is ever made up from
// it. Leaving the text empty empties the date.
class DateEdit : public QWidget {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    // The typed date as soon as the text is one, otherwise the date held
    // before the typing began (what the field will show once left).
    DateValue date() const { return date_; }
    void setDate(const DateValue& date);
    void clear();
    // The short text of date(), which is what the field shows once the clerk
    // has left it; empty when there is no date.
    QString text() const;
    void setTextAlignment(Qt::Alignment alignment);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPopup();
    void onTextEdited(const QString& text);
    void showDate();
    void settle();

    QLineEdit* edit_;
    QToolButton* button_;
    DatePopup* popup_ = nullptr;
    DateValue date_;
    DateValue beforeTyping_;
};

} // namespace mervane

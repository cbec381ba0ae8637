#pragma once
#include "ui/OneLineEdit.h"

namespace mervane {

// Free text that ends up in the company profile file, which holds single bytes
// of code page 874: a character the code page has no byte for is refused as it
// is typed or pasted, instead of failing later when the file is written. The
// file is one line, so line breaks are joined as in any other field.
class ProfileTextEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ProfileTextEdit(QWidget* parent = nullptr);
};

} // namespace mervane

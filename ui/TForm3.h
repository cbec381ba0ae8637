#pragma once
#include <string>

#include <QWidget>

namespace mervane {

class TForm1;

// A defaults window: the payer's particulars and the next book and running
// number, read from the profile file when the window is made and written
// back by its save button. A new one opens at every use of the main window's
// defaults command; it is modeless. Its back button destroys it; closing it
// from the title bar only hides it.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    // Runs FormCreate and centres over the main window; the caller shows it.
    explicit TForm3(TForm1* form1);

    void FormCreate();
    void cxButton1Click(); // back
    void cxButton2Click(); // save

    const std::string& profilePath() const { return profilePath_; }

private:
    TForm1* form1_;
    std::string profilePath_;
};

} // namespace mervane

#pragma once
#include <QWidget>

namespace mervane {

class TForm1;

// The dividend window: income slots 05 to 13. Made once by the main window's
// dividend command and then only hidden and shown, so its entries last until
// the clear command or the end of the program. While it shows, the main window
// is disabled; its back button is the way back.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Shows itself at once, centred over the main window, every field empty.
    explicit TForm2(TForm1* form1);

    void cxButton1Click(); // back to the main window

    // The clear command's share of this window: every text, date and amount.
    void clearEntries();

protected:
    // The title bar has no close box, but a window manager or a shortcut can
    // still close the window; that must not leave the main window disabled.
    void closeEvent(QCloseEvent* event) override;

private:
    TForm1* form1_;
};

} // namespace mervane

#pragma once
#include <string>

#include <QList>
#include <QPointer>
#include <QWidget>

#include "model/Certificate.h"
#include "model/WorkingState.h"
#include "page/Layout.h"

class QLabel;

namespace mervane {

class SpinEdit;
class TForm2;
class TForm3;

// The main window: the clerk enters one certificate here and runs every
// command. It owns the working state and the certificate page, and the
// dividend window and the defaults windows it opens.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // profileLocation: where the company profile lives; empty for the
    // program's fixed place (DefaultProfilePath()). Runs FormCreate.
    explicit TForm1(const std::string& profileLocation = {});
    ~TForm1() override;

    // The commands, each the handler of one button; none lets an error out.
    void FormCreate();
    void cxButton1Click(); // dividend window
    void cxButton2Click(); // print
    void cxButton3Click(); // exit
    void cxButton4Click(); // clear
    void cxButton5Click(); // defaults window

    // The profile file at ProfilePath; these throw mervane::Error.
    void LoadCompanyProfile();
    void SaveCompanyProfile();

    // The certificate as the entry fields of this window and, once it exists,
    // of the dividend window hold it.
    TCertificate readCertificate() const;

    WorkingState& state() { return state_; }
    const WorkingState& state() const { return state_; }
    Page& ppReport1() { return page_; }
    // Null until the first dividend command.
    TForm2* form2() const { return form2_; }
    // The defaults windows not yet destroyed, oldest first.
    QList<TForm3*> defaultsWindows() const;
    const std::string& profileLocation() const { return profileLocation_; }

    QLabel* cxLabel13() const { return cxLabel13_; }
    SpinEdit* cxBookNo() const { return cxBookNo_; }
    SpinEdit* cxRunNo() const { return cxRunNo_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One run of the print handler: the fill, then the preview, which runs
    // this again at the start of every page it lays out (and does not open
    // a second preview meanwhile). Throws mervane::Error.
    void print();

    std::string profileLocation_;
    WorkingState state_;
    Page page_;
    TForm2* form2_ = nullptr;
    QList<QPointer<TForm3>> form3s_;
    QLabel* cxLabel13_ = nullptr;
    SpinEdit* cxBookNo_ = nullptr;
    SpinEdit* cxRunNo_ = nullptr;
};

} // namespace mervane

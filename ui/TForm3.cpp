#include "ui/TForm3.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "model/CompanyProfileFile.h"
#include "ui/SpinEdit.h"
#include "ui/TForm1.h"
#include "ui/UiFont.h"
#include "ui/WindowBuilder.h"

namespace mervane {

namespace {

using K = ControlKind;

// The texts reach the profile file, so their editors take only what code
// page 874 can hold; the payer's numbers take digits only.
constexpr ControlRow kControls[] = {
    {"cxLabel1", K::Label, nullptr, 16, 24, 52, 17, -1, "ชื่อกิจการ"},
    {"cxTextEdit1", K::ProfileText, nullptr, 80, 24, 433, 21, 4},
    {"cxLabel2", K::Label, nullptr, 16, 48, 29, 17, -1, "ที่อยู่"},
    {"cxTextEdit2", K::ProfileText, nullptr, 80, 49, 433, 21, 7},
    {"cxLabel5", K::Label, nullptr, 16, 78, 163, 17, -1, "เลขประจำตัวผู้เสียภาษี (นิติบุคคล)"},
    {"cxTaxNo", K::Digits, nullptr, 225, 73, 106, 21, 8},
    {"cxLabel6", K::Label, nullptr, 16, 102, 202, 17, -1, "เลขบัตรประจำตัวประชาชน (บุคคลธรรมดา)"},
    {"cxIdNo", K::Digits, nullptr, 225, 99, 106, 21, 9},
    {"cxLabel3", K::Label, nullptr, 16, 125, 82, 17, -1, "เลขที่เล่มเริ่มต้น"},
    {"cxBookNo", K::Spin, nullptr, 228, 126, 73, 21, 10},
    {"cxLabel4", K::Label, nullptr, 16, 148, 72, 17, -1, "ลำดับที่เริ่มต้น"},
    {"cxRunNo", K::Spin, nullptr, 228, 150, 73, 21, 11},
    {"cxButton1", K::Button, nullptr, 142, 188, 121, 33, 12, "กลับจอภาพหลัก", "back"},
    {"cxButton2", K::Button, nullptr, 280, 188, 121, 33, 13, "   บันทึก ", "save"},
};

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

TForm3::TForm3(TForm1* form1) : form1_(form1)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Mervane : กำหนดค่าเริ่มต้น"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    // A hidden defaults window must not keep the program alive once the main
    // window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(WindowFont());
    setFixedSize(530, 235);
    BuildControls(this, kControls);
    ApplyTabOrder(this, kControls);
    connect(Child<QPushButton>(this, "cxButton1"), &QPushButton::clicked, this, [this] { cxButton1Click(); });
    connect(Child<QPushButton>(this, "cxButton2"), &QPushButton::clicked, this, [this] { cxButton2Click(); });

    CentreWindow(this, form1_);
    winId();
    if (windowHandle() && form1_->windowHandle())
        windowHandle()->setTransientParent(form1_->windowHandle());
    FormCreate();
}

void TForm3::FormCreate()
{
    // A profile that cannot be read is reported; the window still opens with
    // the fields set before the failure.
    RunCommand(this, [this] {
        profilePath_ = form1_->profileLocation();
        const std::vector<std::string> fields = ReadProfileFields(profilePath_);
        Child<QLineEdit>(this, "cxTextEdit1")->setText(fromUtf8(ProfileField(fields, 0)));
        Child<QLineEdit>(this, "cxTextEdit2")->setText(fromUtf8(ProfileField(fields, 1)));
        Child<QLineEdit>(this, "cxTaxNo")->setText(fromUtf8(ProfileField(fields, 2)));
        Child<QLineEdit>(this, "cxIdNo")->setText(fromUtf8(ProfileField(fields, 3)));
        Child<SpinEdit>(this, "cxBookNo")->setValue(ProfileInteger(ProfileField(fields, 4)));
        Child<SpinEdit>(this, "cxRunNo")->setValue(ProfileInteger(ProfileField(fields, 5)));
    });
}

void TForm3::cxButton1Click()
{
    form1_->setEnabled(true);
    deleteLater();
}

void TForm3::cxButton2Click()
{
    RunCommand(this, [this] {
        auto text = [this](const char* name) { return Child<QLineEdit>(this, name)->text().toStdString(); };
        const std::int32_t bookNo = Child<SpinEdit>(this, "cxBookNo")->valueOrZero();
        const std::int32_t runNo = Child<SpinEdit>(this, "cxRunNo")->valueOrZero();
        const ProfileFields fields{text("cxTextEdit1"), text("cxTextEdit2"), text("cxTaxNo"),
                                   text("cxIdNo"),      std::to_string(bookNo), std::to_string(runNo)};
        WriteProfileFile(profilePath_, fields);

        form1_->state().Profile = TCompanyProfile{fields[0], fields[1], fields[2], fields[3]};
        form1_->cxLabel13()->setText(Child<QLineEdit>(this, "cxTextEdit1")->text());
        form1_->cxBookNo()->setValue(ProfileInteger(fields[4]));
        form1_->cxRunNo()->setValue(ProfileInteger(fields[5]));
    });
}

} // namespace mervane

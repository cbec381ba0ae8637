#include "ui/TForm1.h"

#include <array>

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "model/CompanyProfileFile.h"
#include "page/LocaleSettings.h"
#include "page/PageFill.h"
#include "page/PagePrinting.h"
#include "ui/AmountEdit.h"
#include "ui/DateEdit.h"
#include "ui/ErrorBox.h"
#include "ui/Icons.h"
#include "ui/SpinEdit.h"
#include "ui/TForm2.h"
#include "ui/TForm3.h"
#include "ui/UiFont.h"
#include "ui/WindowBuilder.h"

namespace mervane {

namespace {

using K = ControlKind;

// Panels come first: the spin edits and the return-form buttons lie on the
// window inside the panels' strips and must paint over them.
constexpr ControlRow kControls[] = {
    {"Panel5", K::Panel, nullptr, 8, 56, 697, 41, 0},
    {"Panel3", K::Panel, nullptr, 8, 95, 697, 83, 3},
    {"Panel1", K::Panel, nullptr, 8, 176, 697, 33, 4},
    {"Panel2", K::Panel, nullptr, 8, 207, 697, 223, 5},
    {"Panel4", K::Panel, nullptr, 8, 428, 697, 31, 6},

    {"cxLabel11", K::Label, nullptr, 12, 36, 84, 17, -1, "ชื่อผู้ประกอบการ"},
    {"cxLabel13", K::Label, nullptr, 102, 36, 355, 17, -1},

    {"cxLabel5", K::Label, "Panel5", 35, 13, 111, 17, -1, "วันที่ออกหนังสือรับรอง"},
    {"cxDateOut", K::Date, "Panel5", 160, 12, 105, 21, 0, "", nullptr, kHCentre | kVCentre},
    {"cxLabel8", K::Label, "Panel5", 420, 13, 34, 17, -1, "เล่มที่"},
    {"cxLabel9", K::Label, "Panel5", 552, 13, 34, 17, -1, "เลขที่"},
    {"cxBookNo", K::Spin, nullptr, 472, 67, 81, 21, 1},
    {"cxRunNo", K::Spin, nullptr, 600, 67, 81, 21, 2},

    {"cxLabel22", K::Label, "Panel3", 32, 8, 116, 17, -1, "ชื่อผู้ถูกหักภาษี ณ ที่จ่าย"},
    {"Edit1", K::TextEdit, "Panel3", 160, 8, 465, 21, 4},
    {"cxLabel23", K::Label, "Panel3", 64, 32, 83, 17, -1, "ที่อยู่ผู้ถูกหักภาษี"},
    {"Edit2", K::TextEdit, "Panel3", 160, 32, 465, 21, 5},
    {"cxLabel24", K::Label, "Panel3", 40, 56, 110, 17, -1, "เลขประจำตัวผู้เสียภาษี"},
    {"Edit3", K::TextEdit, "Panel3", 160, 56, 193, 21, 6},
    {"cxLabel25", K::Label, "Panel3", 360, 56, 88, 17, -1, "เลขบัตรประชาชน"},
    {"Edit4", K::TextEdit, "Panel3", 464, 56, 161, 21, 7},

    {"cxLabel7", K::Label, "Panel1", 16, 8, 135, 17, -1, "ประเภทการหักภาษี ณ ที่จ่าย"},
    {"cxTaxType01", K::Radio, nullptr, 168, 188, 65, 17, 10, "ภงด.1ก."},
    {"cxTaxType02", K::Radio, nullptr, 235, 188, 97, 17, 8, "ภงด.1ก. พิเศษ"},
    {"cxTaxType03", K::Radio, nullptr, 337, 188, 57, 17, 9, "ภงด.2"},
    {"cxTaxType04", K::Radio, nullptr, 402, 188, 65, 17, 13, "ภงด.3"},
    {"cxTaxType05", K::Radio, nullptr, 472, 188, 65, 17, 11, "ภงด.2ก."},
    {"cxTaxType06", K::Radio, nullptr, 542, 188, 65, 17, 12, "ภงด.3ก."},
    {"cxTaxType07", K::Radio, nullptr, 621, 188, 65, 17, 14, "ภงด.53"},

    // The heading's runs of spaces put its four titles over the columns.
    {"cxLabel6", K::Label, "Panel2", 56, 8, 625, 17, -1, "ประเภทเงินได้พึงประเมินที่จ่าย                                                             ว/ด/ป ที่จ่าย                     จำนวนเงิน                     ภาษีที่หักไว้"},
    {"cxLabel1", K::Label, "Panel2", 16, 26, 242, 17, -1, "1. เงินเดือน ค่าจ้าง เบี้ยเลี้ยง โบนัส ตามมาตร 40 (1)"},
    {"cxDate01", K::Date, "Panel2", 352, 24, 105, 21, 5, "", nullptr, kHCentre | kVCentre},
    {"cxAmount01", K::Amount, "Panel2", 464, 24, 121, 21, 6},
    {"cxTaxAmount01", K::Amount, "Panel2", 592, 24, 89, 21, 7},
    {"cxLabel2", K::Label, "Panel2", 16, 50, 237, 17, -1, "2. ค่าธรรมเนียม ค่านายหน้า ฯลฯ ตามมาตรา 40 (2)"},
    {"cxDate02", K::Date, "Panel2", 352, 48, 105, 21, 8, "", nullptr, kHCentre},
    {"cxAmount02", K::Amount, "Panel2", 464, 48, 121, 21, 9},
    {"cxTaxAmount02", K::Amount, "Panel2", 592, 48, 89, 21, 10},
    {"cxLabel3", K::Label, "Panel2", 16, 76, 192, 17, -1, "3. ค่าแห่งลิขสิทธิ์ ฯลฯ ตามมาตรา 40 (3)"},
    {"cxDate03", K::Date, "Panel2", 352, 74, 105, 21, 11, "", nullptr, kHCentre},
    {"cxAmount03", K::Amount, "Panel2", 464, 74, 121, 21, 12, "", nullptr, kVCentre},
    {"cxTaxAmount03", K::Amount, "Panel2", 592, 74, 89, 21, 13},
    {"cxLabel4", K::Label, "Panel2", 16, 102, 200, 17, -1, "4. (ก) ดอกเบี้ย ฯลฯ ตามมาตรา 40 (4) (ก)"},
    {"cxDate04", K::Date, "Panel2", 352, 100, 105, 21, 14, "", nullptr, kHCentre},
    {"cxAmount04", K::Amount, "Panel2", 464, 100, 121, 21, 15, "", nullptr, kVCentre},
    {"cxTaxAmount04", K::Amount, "Panel2", 592, 100, 89, 21, 16},
    {"cxLabel12", K::Label, "Panel2", 28, 128, 257, 17, -1, "(ข) เงินปันผล ส่วนแบ่งกำไร ฯลฯ ตามมาตรา 40 (4) (ข)"},
    {"cxButton1", K::Button, "Panel2", 352, 125, 329, 23, 17, "บันทึกรายละเอียด ประเภทเงินได้ตามมาตรา 40 (4) (ข)"},
    {"cxLabel19", K::Label, "Panel2", 16, 154, 335, 17, -1, "5. การจ่ายเงินได้ที่ต้องหักภาษี ณ ที่จ่าย ตามคำสั่งในมาตรา 3 เตรส (ระบุ)"},
    {"cxDesp05", K::TextEdit, "Panel2", 32, 171, 313, 21, 18},
    {"cxDate05", K::Date, "Panel2", 352, 152, 105, 21, 19, "", nullptr, kHCentre | kVCentre},
    {"cxAmount05", K::Amount, "Panel2", 464, 152, 121, 21, 20},
    {"cxTaxAmount05", K::Amount, "Panel2", 592, 152, 89, 21, 21},
    {"cxLabel20", K::Label, "Panel2", 16, 197, 68, 17, -1, "6. อื่นๆ (ระบุ)"},
    {"cxDesp06", K::TextEdit, "Panel2", 88, 195, 257, 21, 22},
    {"cxDate06", K::Date, "Panel2", 352, 195, 105, 21, 24, "", nullptr, kHCentre | kVCentre},
    {"cxAmount06", K::Amount, "Panel2", 464, 195, 121, 21, 26},
    {"cxTaxAmount06", K::Amount, "Panel2", 592, 195, 89, 21, 28},

    {"cxLabel21", K::Label, "Panel4", 16, 8, 51, 17, -1, "ผู้จ่ายเงิน"},
    {"cxRadioButton1", K::Radio, "Panel4", 88, 8, 89, 17, 4, "หัก ณ ที่จ่าย"},
    {"cxRadioButton2", K::Radio, "Panel4", 184, 8, 105, 17, 1, "ออกให้ตลอดไป"},
    {"cxRadioButton3", K::Radio, "Panel4", 304, 8, 105, 17, 2, "ออกให้ครั้งเดียว"},
    {"cxRadioButton4", K::Radio, "Panel4", 424, 8, 73, 17, 3, "อื่นๆ (ระบุ)"},
    {"cxTextEdit3", K::TextEdit, "Panel4", 504, 5, 177, 21, 5},

    {"cxLabel14", K::Label, nullptr, 104, 463, 95, 17, -1, "Version 0.8 (Beta)"},
    {"cxLabel10", K::Label, nullptr, 67, 478, 187, 17, -1, "หนังสือรับรองการหักภาษี ณ ที่จ่าย"},
    {"cxButton5", K::Button, nullptr, 296, 462, 97, 33, 15, "ตั้งค่าเริ่มต้น", "gear"},
    {"cxButton2", K::Button, nullptr, 400, 462, 97, 33, 16, "พิมพ์รายงาน", "printer"},
    {"cxButton4", K::Button, nullptr, 504, 462, 97, 33, 17, "ล้างจอภาพ", "refresh"},
    {"cxButton3", K::Button, nullptr, 608, 461, 97, 33, 18, "จบการทำงาน", "exit"},

    // Never shown; kept so that the window holds every control of its layout.
    {"cxTempValue", K::Amount, nullptr, 508, 12, 89, 21, 7, "", nullptr, kNoThousands | kHidden},
};

// The main window's income rows: cxDateNN, cxAmountNN, cxTaxAmountNN.
constexpr std::array<const char*, 6> kMainRows{"01", "02", "03", "04", "05", "06"};

std::string controlName(const char* prefix, const char* row) { return std::string(prefix) + row; }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

TForm1::TForm1(const std::string& profileLocation)
    : profileLocation_(profileLocation.empty() ? DefaultProfilePath() : profileLocation)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mervane"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowIcon(MervaneIcon("app"));
    setFont(WindowFont());
    setFixedSize(714, 503);
    BuildControls(this, kControls);
    ApplyTabOrder(this, kControls);

    cxLabel13_ = Child<QLabel>(this, "cxLabel13");
    cxBookNo_ = Child<SpinEdit>(this, "cxBookNo");
    cxRunNo_ = Child<SpinEdit>(this, "cxRunNo");

    connect(Child<QPushButton>(this, "cxButton1"), &QPushButton::clicked, this, [this] { cxButton1Click(); });
    connect(Child<QPushButton>(this, "cxButton2"), &QPushButton::clicked, this, [this] { cxButton2Click(); });
    connect(Child<QPushButton>(this, "cxButton3"), &QPushButton::clicked, this, [this] { cxButton3Click(); });
    connect(Child<QPushButton>(this, "cxButton4"), &QPushButton::clicked, this, [this] { cxButton4Click(); });
    connect(Child<QPushButton>(this, "cxButton5"), &QPushButton::clicked, this, [this] { cxButton5Click(); });

    // cxButton3 is the window's cancel button: Esc presses it.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, Child<QPushButton>(this, "cxButton3"), &QPushButton::click);

    CentreWindow(this, nullptr);
    FormCreate();
}

TForm1::~TForm1()
{
    // The other windows are top-levels of their own, so that disabling this
    // one leaves them usable; they end with it.
    for (const QPointer<TForm3>& form3 : form3s_)
        delete form3.data();
    delete form2_;
}

QList<TForm3*> TForm1::defaultsWindows() const
{
    QList<TForm3*> open;
    for (const QPointer<TForm3>& form3 : form3s_)
        if (form3)
            open.append(form3.data());
    return open;
}

void TForm1::FormCreate()
{
    // A profile that cannot be read is reported, and the window opens with
    // what was applied before the failure.
    RunCommand(this, [this] {
        state_.ProfilePath = profileLocation_;
        LoadCompanyProfile();
        page_.reset();
        state_.DividendWindowCreated = false;
    });
}

void TForm1::LoadCompanyProfile()
{
    const std::vector<std::string> fields = ReadProfileFields(state_.ProfilePath);
    state_.Profile.Name = ProfileField(fields, 0);
    state_.Profile.Address = ProfileField(fields, 1);
    state_.Profile.TaxNo = ProfileField(fields, 2);
    state_.Profile.IdNo = ProfileField(fields, 3);
    cxBookNo_->setValue(ProfileInteger(ProfileField(fields, 4)));
    cxRunNo_->setValue(ProfileInteger(ProfileField(fields, 5)));
    cxLabel13_->setText(fromUtf8(ProfileField(fields, 0)));
}

void TForm1::SaveCompanyProfile()
{
    const TCompanyProfile& profile = state_.Profile;
    WriteProfileFile(state_.ProfilePath,
                     ProfileFields{profile.Name, profile.Address, profile.TaxNo, profile.IdNo,
                                   std::to_string(cxBookNo_->valueOrZero()), std::to_string(cxRunNo_->valueOrZero())});
}

TCertificate TForm1::readCertificate() const
{
    auto text = [](const QWidget* window, std::string_view name) {
        return Child<QLineEdit>(window, name)->text().toStdString();
    };
    TCertificate certificate;
    certificate.PayeeName = text(this, "Edit1");
    certificate.PayeeAddress = text(this, "Edit2");
    certificate.PayeeTaxNo = text(this, "Edit3");
    certificate.PayeeIdNo = text(this, "Edit4");
    certificate.DateOut = Child<DateEdit>(this, "cxDateOut")->date();
    certificate.BookNo = cxBookNo_->valueOrZero();
    certificate.RunNo = cxRunNo_->valueOrZero();
    for (int form = 1; form <= 7; ++form)
        if (Child<QRadioButton>(this, "cxTaxType0" + std::to_string(form))->isChecked())
            certificate.TaxType = form;
    for (int condition = 1; condition <= 4; ++condition)
        if (Child<QRadioButton>(this, "cxRadioButton" + std::to_string(condition))->isChecked())
            certificate.PayerCondition = condition;
    certificate.ConditionText = text(this, "cxTextEdit3");

    for (const SlotInfo& info : kSlotTable) {
        const QWidget* window = info.window == EntryWindow::Main ? static_cast<const QWidget*>(this) : form2_;
        if (!window || (info.window == EntryWindow::Dividend && !state_.DividendWindowCreated))
            continue;
        TIncomeSlot& slot = certificate.slot(info.number);
        slot.Date = Child<DateEdit>(window, controlName("cxDate", info.rowSuffix))->date();
        slot.Amount = Child<AmountEdit>(window, controlName("cxAmount", info.rowSuffix))->value();
        slot.TaxAmount = Child<AmountEdit>(window, controlName("cxTaxAmount", info.rowSuffix))->value();
        if (info.despControl)
            slot.Desp = text(window, info.despControl);
    }
    return certificate;
}

void TForm1::cxButton1Click()
{
    setEnabled(false);
    if (state_.DividendWindowCreated) {
        form2_->show();
        form2_->raise();
        form2_->activateWindow();
    } else {
        form2_ = new TForm2(this);
        state_.DividendWindowCreated = true;
    }
}

void TForm1::print()
{
    FillPage(page_, readCertificate(), state_, SystemFillSettings(), [this] { SaveCompanyProfile(); });
    ShowPrintPreview(
        this, page_, [this] { print(); }, [this](const QString& message) { ShowErrorBox(this, message); });
}

void TForm1::cxButton2Click()
{
    RunCommand(this, [this] { print(); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // While the dividend window has disabled this one, nothing on it may act,
    // and window managers still offer a close box on a disabled window:
    // closing then would end the program and lose both windows' entries.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TForm1::cxButton3Click()
{
    RunCommand(this, [this] {
        SaveCompanyProfile();
        close();
    });
}

void TForm1::cxButton4Click()
{
    RunCommand(this, [this] {
        for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
            Child<QLineEdit>(this, name)->clear();
        cxBookNo_->clear();
        cxRunNo_->clear();
        Child<QLineEdit>(this, "cxTextEdit3")->clear();
        for (const char* row : kMainRows)
            Child<AmountEdit>(this, controlName("cxTaxAmount", row))->clear();

        Child<DateEdit>(this, "cxDateOut")->clear();
        for (const char* row : kMainRows)
            Child<DateEdit>(this, controlName("cxDate", row))->clear();

        for (const char* row : kMainRows)
            Child<AmountEdit>(this, controlName("cxAmount", row))->clear();

        if (state_.DividendWindowCreated)
            form2_->clearEntries();

        Child<QLineEdit>(this, "cxDesp05")->clear();
        Child<QLineEdit>(this, "cxDesp06")->clear();

        LoadCompanyProfile();
    });
}

void TForm1::cxButton5Click()
{
    RunCommand(this, [this] {
        auto* form3 = new TForm3(this);
        form3s_.removeIf([](const QPointer<TForm3>& gone) { return gone.isNull(); });
        form3s_.append(form3);
        form3->show();
        form3->raise();
        form3->activateWindow();
        LoadCompanyProfile();
    });
}

} // namespace mervane

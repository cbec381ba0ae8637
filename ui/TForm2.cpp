#include "ui/TForm2.h"

#include <array>
#include <string>

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "ui/AmountEdit.h"
#include "ui/DateEdit.h"
#include "ui/TForm1.h"
#include "ui/UiFont.h"
#include "ui/WindowBuilder.h"

namespace mervane {

namespace {

using K = ControlKind;

// Paid amounts keep a typed thousands separator; in the tax column a typed
// comma or point is the decimal point.
constexpr ControlRow kControls[] = {
    {"Panel1", K::Panel, nullptr, 8, 8, 647, 299, 0},
    {"cxButton1", K::Button, nullptr, 271, 311, 121, 31, 1, "กลับจอภาพหลัก", "back"},

    {"cxLabel12", K::Label, "Panel1", 8, 9, 257, 17, -1, "(ข) เงินปันผล ส่วนแบ่งกำไร ฯลฯ ตามมาตรา 40 (4) (ข)"},
    {"cxLabel11", K::Label, "Panel1", 26, 31, 197, 17, -1, "(1) กรณีผู้ได้รับเงินปันผลได้รับเครดิตภาษี"},
    {"cxLabel13", K::Label, "Panel1", 34, 151, 254, 17, -1, "(2) กรณีผู้ได้รับเงินปันผลไม่ได้รับเครดิตภาษี เนื่องจาก"},

    {"cxLabel5", K::Label, "Panel1", 50, 54, 205, 17, -1, "1.1 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 30"},
    {"cxDate05", K::Date, "Panel1", 332, 52, 105, 21, 12, "", nullptr, kHCentre},
    {"cxAmount05", K::Amount, "Panel1", 444, 52, 101, 21, 13},
    {"cxTaxAmount05", K::Amount, "Panel1", 548, 52, 89, 21, 14, "", nullptr, kNoThousands},

    {"cxLabel8", K::Label, "Panel1", 50, 78, 205, 17, -1, "1.2 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 25"},
    {"cxDate06", K::Date, "Panel1", 332, 76, 105, 21, 15, "", nullptr, kHCentre},
    {"cxAmount06", K::Amount, "Panel1", 444, 76, 101, 21, 16, "", nullptr, kVCentre},
    {"cxTaxAmount06", K::Amount, "Panel1", 548, 76, 89, 21, 17, "", nullptr, kNoThousands},

    {"cxLabel9", K::Label, "Panel1", 50, 102, 205, 17, -1, "1.3 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 20"},
    {"cxDate07", K::Date, "Panel1", 332, 100, 105, 21, 18, "", nullptr, kHCentre},
    {"cxAmount07", K::Amount, "Panel1", 444, 100, 101, 21, 19, "", nullptr, kVCentre},
    {"cxTaxAmount07", K::Amount, "Panel1", 548, 100, 89, 21, 20, "", nullptr, kNoThousands},

    {"cxLabel10", K::Label, "Panel1", 50, 126, 90, 17, -1, "1.4 อัตราอื่นๆ ระบุ"},
    {"cxDesp7", K::TextEdit, "Panel1", 140, 124, 57, 21, 21},
    {"cxDate08", K::Date, "Panel1", 332, 124, 105, 21, 22, "", nullptr, kHCentre},
    {"cxAmount08", K::Amount, "Panel1", 444, 124, 101, 21, 23, "", nullptr, kVCentre},
    {"cxTaxAmount08", K::Amount, "Panel1", 548, 124, 89, 21, 24, "", nullptr, kNoThousands},

    {"cxLabel14", K::Label, "Panel1", 54, 174, 211, 17, -1, "2.1 กำไรสุทธิของกิจการได้รับการยกเว้นภาษี"},
    {"cxDate09", K::Date, "Panel1", 332, 172, 105, 21, 25, "", nullptr, kHCentre},
    {"cxAmount09", K::Amount, "Panel1", 444, 172, 101, 21, 26, "", nullptr, kVCentre},
    {"cxTaxAmount09", K::Amount, "Panel1", 548, 172, 89, 21, 27, "", nullptr, kNoThousands},

    {"cxLabel15", K::Label, "Panel1", 54, 198, 241, 17, -1, "2.2 เงินปันผลหรือส่วนแบ่งของกำไรได้รับการยกเว้น"},
    {"cxDate10", K::Date, "Panel1", 332, 196, 105, 21, 28, "", nullptr, kHCentre},
    {"cxAmount10", K::Amount, "Panel1", 444, 196, 101, 21, 29, "", nullptr, kVCentre},
    {"cxTaxAmount10", K::Amount, "Panel1", 548, 196, 89, 21, 30, "", nullptr, kNoThousands},

    {"cxLabel16", K::Label, "Panel1", 54, 222, 269, 17, -1, "2.3 กำไรสุทธิส่วนที่ได้หักผลขาดทุนสุทธิยกมาไม่เกิน 5 ปี"},
    {"cxDate11", K::Date, "Panel1", 332, 220, 105, 21, 31, "", nullptr, kHCentre},
    {"cxAmount11", K::Amount, "Panel1", 444, 220, 101, 21, 32, "", nullptr, kVCentre},
    {"cxTaxAmount11", K::Amount, "Panel1", 548, 220, 89, 21, 33, "", nullptr, kNoThousands},

    {"cxLabel17", K::Label, "Panel1", 54, 247, 274, 17, -1, "2.4 กำไรที่รับรู้ทางบัญชีโดยวิธีส่วนได้เสีย (Equity Method)"},
    {"cxDate12", K::Date, "Panel1", 332, 244, 105, 21, 34, "", nullptr, kHCentre},
    {"cxAmount12", K::Amount, "Panel1", 444, 244, 101, 21, 35, "", nullptr, kVCentre},
    {"cxTaxAmount12", K::Amount, "Panel1", 548, 244, 89, 21, 36, "", nullptr, kNoThousands},

    {"cxLabel18", K::Label, "Panel1", 52, 268, 74, 17, -1, "2.5 อื่นๆ (ระบุ)"},
    {"cxDesp8", K::TextEdit, "Panel1", 132, 268, 193, 21, 37},
    {"cxDate13", K::Date, "Panel1", 332, 268, 105, 21, 38, "", nullptr, kHCentre},
    {"cxAmount13", K::Amount, "Panel1", 444, 268, 101, 21, 39, "", nullptr, kVCentre},
    {"cxTaxAmount13", K::Amount, "Panel1", 548, 268, 89, 21, 40, "", nullptr, kNoThousands},
};

constexpr std::array<const char*, 9> kRows{"05", "06", "07", "08", "09", "10", "11", "12", "13"};

} // namespace

TForm2::TForm2(TForm1* form1) : form1_(form1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("MERVANE (2) ส่วนบันทึกเงินได้ตามมาตรา 40 (4) (ข)"));
    // Caption only: no system menu, no minimise, maximise or close box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(WindowFont());
    setFixedSize(664, 349);
    BuildControls(this, kControls);
    ApplyTabOrder(this, kControls);
    connect(Child<QPushButton>(this, "cxButton1"), &QPushButton::clicked, this, [this] { cxButton1Click(); });

    CentreWindow(this, form1_);
    winId();
    if (windowHandle() && form1_->windowHandle())
        windowHandle()->setTransientParent(form1_->windowHandle());
    show();
}

void TForm2::cxButton1Click()
{
    form1_->setEnabled(true);
    close();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    form1_->setEnabled(true);
    event->accept();
}

void TForm2::clearEntries()
{
    for (const char* row : kRows)
        Child<AmountEdit>(this, std::string("cxTaxAmount") + row)->clear();
    for (const char* row : kRows)
        Child<DateEdit>(this, std::string("cxDate") + row)->clear();
    for (const char* row : kRows)
        Child<AmountEdit>(this, std::string("cxAmount") + row)->clear();
    Child<QLineEdit>(this, "cxDesp7")->clear();
    Child<QLineEdit>(this, "cxDesp8")->clear();
}

} // namespace mervane

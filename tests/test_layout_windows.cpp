// The windows against the layouts they were drawn to: client sizes, every
// control's place, parent and caption, the title bars, and the keyboard order.
// The numbers below are kept apart from the windows' own tables on purpose, so
// that a box that drifts in either shows up here.
#include <array>
#include <cstdlib>
#include <map>
#include <set>

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QRadioButton>

#include "ui/UiFont.h"
#include "window_test_support.h"

namespace mervane::testing {
namespace {

struct Box {
    const char* window;
    const char* name;
    const char* parent;
    std::array<int, 4> box; // left, top, width, height
};

const Box kBoxes[] = {
    {"Form1", "Panel5", "Form1", {8, 56, 697, 41}},
    {"Form1", "Panel3", "Form1", {8, 95, 697, 83}},
    {"Form1", "Panel1", "Form1", {8, 176, 697, 33}},
    {"Form1", "Panel2", "Form1", {8, 207, 697, 223}},
    {"Form1", "Panel4", "Form1", {8, 428, 697, 31}},
    {"Form1", "cxLabel11", "Form1", {12, 36, 84, 17}},
    {"Form1", "cxLabel13", "Form1", {102, 36, 355, 17}},
    {"Form1", "cxLabel5", "Panel5", {35, 13, 111, 17}},
    {"Form1", "cxDateOut", "Panel5", {160, 12, 105, 21}},
    {"Form1", "cxLabel8", "Panel5", {420, 13, 34, 17}},
    {"Form1", "cxLabel9", "Panel5", {552, 13, 34, 17}},
    {"Form1", "cxBookNo", "Form1", {472, 67, 81, 21}},
    {"Form1", "cxRunNo", "Form1", {600, 67, 81, 21}},
    {"Form1", "cxLabel22", "Panel3", {32, 8, 116, 17}},
    {"Form1", "Edit1", "Panel3", {160, 8, 465, 21}},
    {"Form1", "cxLabel23", "Panel3", {64, 32, 83, 17}},
    {"Form1", "Edit2", "Panel3", {160, 32, 465, 21}},
    {"Form1", "cxLabel24", "Panel3", {40, 56, 110, 17}},
    {"Form1", "Edit3", "Panel3", {160, 56, 193, 21}},
    {"Form1", "cxLabel25", "Panel3", {360, 56, 88, 17}},
    {"Form1", "Edit4", "Panel3", {464, 56, 161, 21}},
    {"Form1", "cxLabel21", "Panel4", {16, 8, 51, 17}},
    {"Form1", "cxRadioButton1", "Panel4", {88, 8, 89, 17}},
    {"Form1", "cxRadioButton2", "Panel4", {184, 8, 105, 17}},
    {"Form1", "cxRadioButton3", "Panel4", {304, 8, 105, 17}},
    {"Form1", "cxRadioButton4", "Panel4", {424, 8, 73, 17}},
    {"Form1", "cxTextEdit3", "Panel4", {504, 5, 177, 21}},
    {"Form1", "cxLabel14", "Form1", {104, 463, 95, 17}},
    {"Form1", "cxLabel10", "Form1", {67, 478, 187, 17}},
    {"Form1", "cxButton5", "Form1", {296, 462, 97, 33}},
    {"Form1", "cxButton2", "Form1", {400, 462, 97, 33}},
    {"Form1", "cxButton4", "Form1", {504, 462, 97, 33}},
    {"Form1", "cxButton3", "Form1", {608, 461, 97, 33}},
    {"Form1", "cxLabel7", "Panel1", {16, 8, 135, 17}},
    {"Form1", "cxTaxType01", "Form1", {168, 188, 65, 17}},
    {"Form1", "cxTaxType02", "Form1", {235, 188, 97, 17}},
    {"Form1", "cxTaxType03", "Form1", {337, 188, 57, 17}},
    {"Form1", "cxTaxType04", "Form1", {402, 188, 65, 17}},
    {"Form1", "cxTaxType05", "Form1", {472, 188, 65, 17}},
    {"Form1", "cxTaxType06", "Form1", {542, 188, 65, 17}},
    {"Form1", "cxTaxType07", "Form1", {621, 188, 65, 17}},
    {"Form1", "cxLabel6", "Panel2", {56, 8, 625, 17}},
    {"Form1", "cxLabel1", "Panel2", {16, 26, 242, 17}},
    {"Form1", "cxDate01", "Panel2", {352, 24, 105, 21}},
    {"Form1", "cxAmount01", "Panel2", {464, 24, 121, 21}},
    {"Form1", "cxTaxAmount01", "Panel2", {592, 24, 89, 21}},
    {"Form1", "cxLabel2", "Panel2", {16, 50, 237, 17}},
    {"Form1", "cxDate02", "Panel2", {352, 48, 105, 21}},
    {"Form1", "cxAmount02", "Panel2", {464, 48, 121, 21}},
    {"Form1", "cxTaxAmount02", "Panel2", {592, 48, 89, 21}},
    {"Form1", "cxLabel3", "Panel2", {16, 76, 192, 17}},
    {"Form1", "cxDate03", "Panel2", {352, 74, 105, 21}},
    {"Form1", "cxAmount03", "Panel2", {464, 74, 121, 21}},
    {"Form1", "cxTaxAmount03", "Panel2", {592, 74, 89, 21}},
    {"Form1", "cxLabel4", "Panel2", {16, 102, 200, 17}},
    {"Form1", "cxDate04", "Panel2", {352, 100, 105, 21}},
    {"Form1", "cxAmount04", "Panel2", {464, 100, 121, 21}},
    {"Form1", "cxTaxAmount04", "Panel2", {592, 100, 89, 21}},
    {"Form1", "cxLabel12", "Panel2", {28, 128, 257, 17}},
    {"Form1", "cxButton1", "Panel2", {352, 125, 329, 23}},
    {"Form1", "cxLabel19", "Panel2", {16, 154, 335, 17}},
    {"Form1", "cxDesp05", "Panel2", {32, 171, 313, 21}},
    {"Form1", "cxDate05", "Panel2", {352, 152, 105, 21}},
    {"Form1", "cxAmount05", "Panel2", {464, 152, 121, 21}},
    {"Form1", "cxTaxAmount05", "Panel2", {592, 152, 89, 21}},
    {"Form1", "cxLabel20", "Panel2", {16, 197, 68, 17}},
    {"Form1", "cxDesp06", "Panel2", {88, 195, 257, 21}},
    {"Form1", "cxDate06", "Panel2", {352, 195, 105, 21}},
    {"Form1", "cxAmount06", "Panel2", {464, 195, 121, 21}},
    {"Form1", "cxTaxAmount06", "Panel2", {592, 195, 89, 21}},
    {"Form1", "cxTempValue", "Form1", {508, 12, 89, 21}},
    {"Form2", "Panel1", "Form2", {8, 8, 647, 299}},
    {"Form2", "cxButton1", "Form2", {271, 311, 121, 31}},
    {"Form2", "cxLabel12", "Panel1", {8, 9, 257, 17}},
    {"Form2", "cxLabel11", "Panel1", {26, 31, 197, 17}},
    {"Form2", "cxLabel13", "Panel1", {34, 151, 254, 17}},
    {"Form2", "cxLabel5", "Panel1", {50, 54, 205, 17}},
    {"Form2", "cxDate05", "Panel1", {332, 52, 105, 21}},
    {"Form2", "cxAmount05", "Panel1", {444, 52, 101, 21}},
    {"Form2", "cxTaxAmount05", "Panel1", {548, 52, 89, 21}},
    {"Form2", "cxLabel8", "Panel1", {50, 78, 205, 17}},
    {"Form2", "cxDate06", "Panel1", {332, 76, 105, 21}},
    {"Form2", "cxAmount06", "Panel1", {444, 76, 101, 21}},
    {"Form2", "cxTaxAmount06", "Panel1", {548, 76, 89, 21}},
    {"Form2", "cxLabel9", "Panel1", {50, 102, 205, 17}},
    {"Form2", "cxDate07", "Panel1", {332, 100, 105, 21}},
    {"Form2", "cxAmount07", "Panel1", {444, 100, 101, 21}},
    {"Form2", "cxTaxAmount07", "Panel1", {548, 100, 89, 21}},
    {"Form2", "cxLabel10", "Panel1", {50, 126, 90, 17}},
    {"Form2", "cxDesp7", "Panel1", {140, 124, 57, 21}},
    {"Form2", "cxDate08", "Panel1", {332, 124, 105, 21}},
    {"Form2", "cxAmount08", "Panel1", {444, 124, 101, 21}},
    {"Form2", "cxTaxAmount08", "Panel1", {548, 124, 89, 21}},
    {"Form2", "cxLabel14", "Panel1", {54, 174, 211, 17}},
    {"Form2", "cxDate09", "Panel1", {332, 172, 105, 21}},
    {"Form2", "cxAmount09", "Panel1", {444, 172, 101, 21}},
    {"Form2", "cxTaxAmount09", "Panel1", {548, 172, 89, 21}},
    {"Form2", "cxLabel15", "Panel1", {54, 198, 241, 17}},
    {"Form2", "cxDate10", "Panel1", {332, 196, 105, 21}},
    {"Form2", "cxAmount10", "Panel1", {444, 196, 101, 21}},
    {"Form2", "cxTaxAmount10", "Panel1", {548, 196, 89, 21}},
    {"Form2", "cxLabel16", "Panel1", {54, 222, 269, 17}},
    {"Form2", "cxDate11", "Panel1", {332, 220, 105, 21}},
    {"Form2", "cxAmount11", "Panel1", {444, 220, 101, 21}},
    {"Form2", "cxTaxAmount11", "Panel1", {548, 220, 89, 21}},
    {"Form2", "cxLabel17", "Panel1", {54, 247, 274, 17}},
    {"Form2", "cxDate12", "Panel1", {332, 244, 105, 21}},
    {"Form2", "cxAmount12", "Panel1", {444, 244, 101, 21}},
    {"Form2", "cxTaxAmount12", "Panel1", {548, 244, 89, 21}},
    {"Form2", "cxLabel18", "Panel1", {52, 268, 74, 17}},
    {"Form2", "cxDesp8", "Panel1", {132, 268, 193, 21}},
    {"Form2", "cxDate13", "Panel1", {332, 268, 105, 21}},
    {"Form2", "cxAmount13", "Panel1", {444, 268, 101, 21}},
    {"Form2", "cxTaxAmount13", "Panel1", {548, 268, 89, 21}},
    {"Form3", "cxLabel1", "Form3", {16, 24, 52, 17}},
    {"Form3", "cxTextEdit1", "Form3", {80, 24, 433, 21}},
    {"Form3", "cxLabel2", "Form3", {16, 48, 29, 17}},
    {"Form3", "cxTextEdit2", "Form3", {80, 49, 433, 21}},
    {"Form3", "cxLabel5", "Form3", {16, 78, 163, 17}},
    {"Form3", "cxTaxNo", "Form3", {225, 73, 106, 21}},
    {"Form3", "cxLabel6", "Form3", {16, 102, 202, 17}},
    {"Form3", "cxIdNo", "Form3", {225, 99, 106, 21}},
    {"Form3", "cxLabel3", "Form3", {16, 125, 82, 17}},
    {"Form3", "cxBookNo", "Form3", {228, 126, 73, 21}},
    {"Form3", "cxLabel4", "Form3", {16, 148, 72, 17}},
    {"Form3", "cxRunNo", "Form3", {228, 150, 73, 21}},
    {"Form3", "cxButton1", "Form3", {142, 188, 121, 33}},
    {"Form3", "cxButton2", "Form3", {280, 188, 121, 33}},
};

struct Caption {
    const char* window;
    const char* name;
    std::string text;
};

const Caption kCaptions[] = {
    {"Form1", "cxLabel11", "ชื่อผู้ประกอบการ"},
    {"Form1", "cxLabel5", "วันที่ออกหนังสือรับรอง"},
    {"Form1", "cxLabel8", "เล่มที่"},
    {"Form1", "cxLabel9", "เลขที่"},
    {"Form1", "cxLabel22", "ชื่อผู้ถูกหักภาษี ณ ที่จ่าย"},
    {"Form1", "cxLabel23", "ที่อยู่ผู้ถูกหักภาษี"},
    {"Form1", "cxLabel24", "เลขประจำตัวผู้เสียภาษี"},
    {"Form1", "cxLabel25", "เลขบัตรประชาชน"},
    {"Form1", "cxLabel21", "ผู้จ่ายเงิน"},
    {"Form1", "cxRadioButton1", "หัก ณ ที่จ่าย"},
    {"Form1", "cxRadioButton2", "ออกให้ตลอดไป"},
    {"Form1", "cxRadioButton3", "ออกให้ครั้งเดียว"},
    {"Form1", "cxRadioButton4", "อื่นๆ (ระบุ)"},
    {"Form1", "cxLabel14", "Version 0.8 (Beta)"},
    {"Form1", "cxButton5", "ตั้งค่าเริ่มต้น"},
    {"Form1", "cxButton2", "พิมพ์รายงาน"},
    {"Form1", "cxButton4", "ล้างจอภาพ"},
    {"Form1", "cxButton3", "จบการทำงาน"},
    {"Form1", "cxLabel7", "ประเภทการหักภาษี ณ ที่จ่าย"},
    {"Form1", "cxTaxType01", "ภงด.1ก."},
    {"Form1", "cxTaxType02", "ภงด.1ก. พิเศษ"},
    {"Form1", "cxTaxType03", "ภงด.2"},
    {"Form1", "cxTaxType04", "ภงด.3"},
    {"Form1", "cxTaxType05", "ภงด.2ก."},
    {"Form1", "cxTaxType06", "ภงด.3ก."},
    {"Form1", "cxTaxType07", "ภงด.53"},
    {"Form1", "cxLabel6", std::string("ประเภทเงินได้พึงประเมินที่จ่าย") + std::string(61, ' ') + std::string("ว/ด/ป ที่จ่าย") + std::string(21, ' ') + std::string("จำนวนเงิน") + std::string(21, ' ') + std::string("ภาษีที่หักไว้")},
    {"Form1", "cxLabel1", "1. เงินเดือน ค่าจ้าง เบี้ยเลี้ยง โบนัส ตามมาตร 40 (1)"},
    {"Form1", "cxLabel2", "2. ค่าธรรมเนียม ค่านายหน้า ฯลฯ ตามมาตรา 40 (2)"},
    {"Form1", "cxLabel3", "3. ค่าแห่งลิขสิทธิ์ ฯลฯ ตามมาตรา 40 (3)"},
    {"Form1", "cxLabel4", "4. (ก) ดอกเบี้ย ฯลฯ ตามมาตรา 40 (4) (ก)"},
    {"Form1", "cxLabel12", "(ข) เงินปันผล ส่วนแบ่งกำไร ฯลฯ ตามมาตรา 40 (4) (ข)"},
    {"Form1", "cxButton1", "บันทึกรายละเอียด ประเภทเงินได้ตามมาตรา 40 (4) (ข)"},
    {"Form1", "cxLabel19", "5. การจ่ายเงินได้ที่ต้องหักภาษี ณ ที่จ่าย ตามคำสั่งในมาตรา 3 เตรส (ระบุ)"},
    {"Form1", "cxLabel20", "6. อื่นๆ (ระบุ)"},
    {"Form2", "cxButton1", "กลับจอภาพหลัก"},
    {"Form2", "cxLabel12", "(ข) เงินปันผล ส่วนแบ่งกำไร ฯลฯ ตามมาตรา 40 (4) (ข)"},
    {"Form2", "cxLabel11", "(1) กรณีผู้ได้รับเงินปันผลได้รับเครดิตภาษี"},
    {"Form2", "cxLabel13", "(2) กรณีผู้ได้รับเงินปันผลไม่ได้รับเครดิตภาษี เนื่องจาก"},
    {"Form2", "cxLabel5", "1.1 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 30"},
    {"Form2", "cxLabel8", "1.2 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 25"},
    {"Form2", "cxLabel9", "1.3 เงินปันผลจากกำไรสุทธิ อัตราร้อยละ 20"},
    {"Form2", "cxLabel10", "1.4 อัตราอื่นๆ ระบุ"},
    {"Form2", "cxLabel14", "2.1 กำไรสุทธิของกิจการได้รับการยกเว้นภาษี"},
    {"Form2", "cxLabel15", "2.2 เงินปันผลหรือส่วนแบ่งของกำไรได้รับการยกเว้น"},
    {"Form2", "cxLabel16", "2.3 กำไรสุทธิส่วนที่ได้หักผลขาดทุนสุทธิยกมาไม่เกิน 5 ปี"},
    {"Form2", "cxLabel17", "2.4 กำไรที่รับรู้ทางบัญชีโดยวิธีส่วนได้เสีย (Equity Method)"},
    {"Form2", "cxLabel18", "2.5 อื่นๆ (ระบุ)"},
    {"Form3", "cxLabel1", "ชื่อกิจการ"},
    {"Form3", "cxLabel2", "ที่อยู่"},
    {"Form3", "cxLabel5", "เลขประจำตัวผู้เสียภาษี (นิติบุคคล)"},
    {"Form3", "cxLabel6", "เลขบัตรประจำตัวประชาชน (บุคคลธรรมดา)"},
    {"Form3", "cxLabel3", "เลขที่เล่มเริ่มต้น"},
    {"Form3", "cxLabel4", "ลำดับที่เริ่มต้น"},
    {"Form3", "cxButton1", "กลับจอภาพหลัก"},
    {"Form3", "cxButton2", "   บันทึก "},
};

const std::map<std::string, std::string> kTitles = {
    {"Form1", "Mervane"},
    {"Form2", "MERVANE (2) ส่วนบันทึกเงินได้ตามมาตรา 40 (4) (ข)"},
    {"Form3", "Mervane : กำหนดค่าเริ่มต้น"},
};

class WindowLayoutTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        writeSampleProfile();
        openMainWindow();
        form1_->cxButton1Click();
        form2_ = form1_->form2();
        form1_->cxButton5Click();
        form3_ = form1_->defaultsWindows().value(0);
        ASSERT_NE(form2_, nullptr);
        ASSERT_NE(form3_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form3_));
        ASSERT_TRUE(activate(form3_));
    }

    QWidget* window(const std::string& name) const
    {
        if (name == "Form1")
            return form1_.get();
        return name == "Form2" ? static_cast<QWidget*>(form2_) : form3_;
    }

    static bool isLayoutName(const QString& name)
    {
        return name.startsWith(QLatin1String("cx")) || name.startsWith(QLatin1String("Edit")) ||
               name.startsWith(QLatin1String("Panel"));
    }

    QWidget* form2_ = nullptr;
    QWidget* form3_ = nullptr;
};

TEST_F(WindowLayoutTest, ClientAreasHaveTheirFixedSizes)
{
    const struct {
        const char* window;
        QSize size;
    } cases[] = {{"Form1", {714, 503}}, {"Form2", {664, 349}}, {"Form3", {530, 235}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        EXPECT_EQ(window(c.window)->size(), c.size);
        EXPECT_EQ(window(c.window)->minimumSize(), c.size);
        EXPECT_EQ(window(c.window)->maximumSize(), c.size);
    }
}

TEST_F(WindowLayoutTest, EveryControlSitsInItsBoxOnItsParent)
{
    for (const Box& expected : kBoxes) {
        SCOPED_TRACE(std::string(expected.window) + "." + expected.name);
        const QWidget* control = window(expected.window)->findChild<QWidget*>(QLatin1String(expected.name));
        ASSERT_NE(control, nullptr);
        const QRect g = control->geometry();
        EXPECT_EQ((std::array<int, 4>{g.x(), g.y(), g.width(), g.height()}), expected.box);
        EXPECT_EQ(control->parentWidget()->objectName().toStdString(), expected.parent);
    }
}

TEST_F(WindowLayoutTest, WindowsHoldNoControlsBeyondTheirLayouts)
{
    for (const char* name : {"Form1", "Form2", "Form3"}) {
        SCOPED_TRACE(name);
        std::set<std::string> expected;
        for (const Box& box : kBoxes)
            if (std::string(box.window) == name)
                expected.insert(box.name);
        std::set<std::string> actual;
        for (const QWidget* child : window(name)->findChildren<QWidget*>())
            if (isLayoutName(child->objectName()))
                actual.insert(child->objectName().toStdString());
        EXPECT_EQ(actual, expected);
    }
}

TEST_F(WindowLayoutTest, CaptionsAndTitlesAreExact)
{
    for (const Caption& expected : kCaptions) {
        SCOPED_TRACE(std::string(expected.window) + "." + expected.name);
        const QWidget* control = window(expected.window)->findChild<QWidget*>(QLatin1String(expected.name));
        ASSERT_NE(control, nullptr);
        QString text;
        if (auto* label = qobject_cast<const QLabel*>(control))
            text = label->text();
        else if (auto* button = qobject_cast<const QAbstractButton*>(control))
            text = button->text();
        EXPECT_EQ(text.toStdString(), expected.text);
    }
    for (const auto& [name, title] : kTitles)
        EXPECT_EQ(window(name)->windowTitle().toStdString(), title) << name;
}

TEST_F(WindowLayoutTest, TitleBarsCarryExactlyTheirButtons)
{
    const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    const struct {
        const char* window;
        Qt::WindowFlags shown;
    } cases[] = {
        {"Form1", buttons},
        {"Form2", {}},
        {"Form3", Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        const Qt::WindowFlags flags = window(c.window)->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::Window));
        EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
        EXPECT_EQ(static_cast<int>(flags & buttons), static_cast<int>(c.shown));
    }
}

TEST_F(WindowLayoutTest, NoButtonAnswersEnter)
{
    for (const char* name : {"Form1", "Form2", "Form3"})
        for (const QPushButton* button : window(name)->findChildren<QPushButton*>()) {
            SCOPED_TRACE(std::string(name) + "." + button->objectName().toStdString());
            EXPECT_FALSE(button->isDefault());
            EXPECT_FALSE(button->autoDefault());
        }
}

TEST_F(WindowLayoutTest, EveryTextIsDrawnInTheWindowFontAndFitsItsBox)
{
    const QString family = WindowFont().family();
    for (const Caption& expected : kCaptions) {
        SCOPED_TRACE(std::string(expected.window) + "." + expected.name);
        const QWidget* control = window(expected.window)->findChild<QWidget*>(QLatin1String(expected.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->font().family(), family);
        if (auto* button = qobject_cast<const QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            EXPECT_LE(icon + button->fontMetrics().horizontalAdvance(button->text()), room.width());
        } else {
            EXPECT_LE(control->sizeHint().width(), control->width());
        }
    }
}

// The window-wide keyboard order; unselected radio buttons are no tab stops.
std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

std::string tabWalk(QWidget* window, QWidget* first, int steps)
{
    std::vector<std::string> names;
    first->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < steps; ++i) {
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus != window && !focus->objectName().startsWith(QLatin1String("cx")) &&
               !focus->objectName().startsWith(QLatin1String("Edit")))
            focus = focus->parentWidget();
        names.push_back(focus ? focus->objectName().toStdString() : "<none>");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return joined(names);
}

const std::vector<std::string> kMainOrderHead = {
    "cxDateOut",     "cxBookNo",   "cxRunNo",       "Edit1",         "Edit2",      "Edit3",
    "Edit4",         "cxDate01",   "cxAmount01",    "cxTaxAmount01", "cxDate02",   "cxAmount02",
    "cxTaxAmount02", "cxDate03",   "cxAmount03",    "cxTaxAmount03", "cxDate04",   "cxAmount04",
    "cxTaxAmount04", "cxButton1",  "cxDesp05",      "cxDate05",      "cxAmount05", "cxTaxAmount05",
    "cxDesp06",      "cxDate06",   "cxAmount06",    "cxTaxAmount06",
};

TEST_F(WindowLayoutTest, MainWindowKeyboardOrderPassesOverUnselectedRadioButtons)
{
    form2_->hide();
    form3_->hide();
    form1_->setEnabled(true);
    ASSERT_TRUE(activate(form1_.get()));

    const struct {
        const char* name;
        std::vector<const char*> selected;
        std::vector<std::string> middle; // between the income rows and the command buttons
    } cases[] = {
        {"none selected", {}, {"cxTextEdit3"}},
        {"one of each group", {"cxRadioButton4", "cxTaxType05"}, {"cxRadioButton4", "cxTextEdit3", "cxTaxType05"}},
        {"first of each group", {"cxRadioButton1", "cxTaxType01"}, {"cxRadioButton1", "cxTextEdit3", "cxTaxType01"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* radio : c.selected)
            control<QRadioButton>(form1_.get(), radio)->click();
        std::vector<std::string> expected = kMainOrderHead;
        expected.insert(expected.end(), c.middle.begin(), c.middle.end());
        for (const char* button : {"cxButton5", "cxButton2", "cxButton4", "cxButton3", "cxDateOut"})
            expected.push_back(button);
        QWidget* first = control(form1_.get(), "cxDateOut");
        EXPECT_EQ(tabWalk(form1_.get(), first, static_cast<int>(expected.size())), joined(expected));
    }
}

TEST_F(WindowLayoutTest, DividendAndDefaultsWindowsKeyboardOrder)
{
    std::vector<std::string> dividend;
    for (const char* row : {"05", "06", "07", "08", "09", "10", "11", "12", "13"}) {
        if (std::string(row) == "08")
            dividend.push_back("cxDesp7");
        if (std::string(row) == "13")
            dividend.push_back("cxDesp8");
        for (const char* prefix : {"cxDate", "cxAmount", "cxTaxAmount"})
            dividend.push_back(std::string(prefix) + row);
    }
    dividend.push_back("cxButton1");
    dividend.push_back("cxDate05");
    const std::vector<std::string> defaults = {"cxTextEdit1", "cxTextEdit2", "cxTaxNo",   "cxIdNo",
                                               "cxBookNo",    "cxRunNo",     "cxButton1", "cxButton2",
                                               "cxTextEdit1"};
    const struct {
        QWidget* window;
        const char* first;
        std::vector<std::string> order;
    } cases[] = {{form2_, "cxDate05", dividend}, {form3_, "cxTextEdit1", defaults}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window->objectName().toStdString());
        ASSERT_TRUE(activate(c.window));
        EXPECT_EQ(tabWalk(c.window, control(c.window, c.first), static_cast<int>(c.order.size())), joined(c.order));
    }
}

// With MERVANE_SCREENSHOT_DIR set, the three windows are saved there as
// form1.png, form2.png and form3.png for the documentation.
TEST_F(WindowLayoutTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("MERVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "MERVANE_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    form2_->hide();
    form1_->setEnabled(true);
    type(form1_.get(), "Edit1", QString::fromStdString(kSampleName));
    type(form1_.get(), "Edit3", QStringLiteral("0105551234567"));
    type(form1_.get(), "cxAmount01", QStringLiteral("25000"));
    type(form1_.get(), "cxTaxAmount01", QStringLiteral("750"));
    leave(form1_.get(), "cxTaxAmount01");
    control<QRadioButton>(form1_.get(), "cxTaxType07")->click();
    control<QRadioButton>(form1_.get(), "cxRadioButton1")->click();
    for (const char* name : {"Form1", "Form2", "Form3"}) {
        const QString file = folder + "/" + QString::fromLatin1(name).toLower() + ".png";
        EXPECT_TRUE(window(name)->grab().save(file)) << file.toStdString();
    }
}

} // namespace
} // namespace mervane::testing

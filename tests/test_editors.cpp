#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "ui/AmountEdit.h"
#include "ui/DateEdit.h"
#include "ui/DigitsEdit.h"
#include "ui/ErrorBox.h"
#include "ui/Icons.h"
#include "ui/OneLineEdit.h"
#include "ui/ProfileTextEdit.h"
#include "ui/SpinEdit.h"
#include "ui/UiFont.h"

using namespace mervane;
using namespace std::chrono;

namespace {

// Types a text key by key, also characters QTest::keyClicks cannot send
// (it only knows Latin-1).
void typeText(QWidget* widget, const QString& text)
{
    for (char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}

// A shown, active window holding the editor under test and one more field, so
// that the editor can really gain and lose the keyboard focus.
template <class Editor>
class Host {
public:
    Host()
    {
        auto* layout = new QVBoxLayout(&window);
        editor = new Editor(&window);
        other = new QLineEdit(&window);
        layout->addWidget(editor);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void enter() { editor->setFocus(Qt::TabFocusReason); }
    void leave() { other->setFocus(Qt::TabFocusReason); }

    QWidget window;
    Editor* editor;
    QLineEdit* other;
};

// Every test runs in a known locale and leaves the default as it found it.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

// ---- amount edit ----

struct AmountCase {
    const char* name;
    bool thousandsOption;
    const char* typed;
    Amount value;
    const char* whileEditing;
    const char* afterLeaving;
};

class AmountEditTest : public EditorTest {};

TEST_F(AmountEditTest, TypedKeysGiveValueAndTexts)
{
    const AmountCase cases[] = {
        {"grouped number", true, "1,234.5", 1234.5, "1,234.5", "1,234.50"},
        {"separator ignored wherever typed", true, "1,2,3", 123.0, "1,2,3", "123.00"},
        {"third decimal refused", true, "12.345", 12.34, "12.34", "12.34"},
        {"option off: comma is the point", false, "12,5", 12.5, "12,5", "12.50"},
        {"option off: third decimal after comma", false, "1,234", 1.23, "1,23", "1.23"},
        {"option off: point is the point", false, "7.25", 7.25, "7.25", "7.25"},
        {"option off: second point refused", false, "1.2,3", 1.23, "1.23", "1.23"},
        {"option on: second point refused", true, "1.2.3", 1.23, "1.23", "1.23"},
        {"option on: separator after the point refused", true, "1.2,3", 1.23, "1.23", "1.23"},
        {"separator before any digit refused", true, ",5", 5.0, "5", "5.00"},
        {"nothing typed stays empty", true, "", std::nullopt, "", ""},
        {"zero is not empty", true, "0", 0.0, "0", "0.00"},
        {"negative", true, "-1234.5", -1234.5, "-1234.5", "-1,234.50"},
        {"minus only in front", true, "5-2", 52.0, "52", "52.00"},
        {"minus alone is empty", true, "-", std::nullopt, "-", ""},
        {"point first", true, ".5", 0.5, ".5", "0.50"},
        {"trailing point", true, "12.", 12.0, "12.", "12.00"},
        {"letters and spaces refused", true, "1a2 3", 123.0, "123", "123.00"},
        {"leading zeros", true, "007", 7.0, "007", "7.00"},
        {"13 whole digits at most", true, "12345678901234", 1234567890123.0, "1234567890123",
         "1,234,567,890,123.00"},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.name);
        Host<AmountEdit> host;
        host.editor->setThousandsSeparatorOption(c.thousandsOption);
        host.enter();
        QTest::keyClicks(host.editor, QString::fromLatin1(c.typed));
        EXPECT_EQ(c.value, host.editor->value());
        EXPECT_EQ(c.whileEditing, host.editor->text().toStdString());
        host.leave();
        EXPECT_EQ(c.afterLeaving, host.editor->text().toStdString());
        EXPECT_EQ(c.value, host.editor->value());
    }
}

TEST_F(AmountEditTest, ShowsPlainNumberOnlyWhileEditing)
{
    Host<AmountEdit> host;
    EXPECT_EQ(Qt::AlignRight, host.editor->alignment() & Qt::AlignHorizontal_Mask);
    host.leave();
    host.editor->setValue(1234567.5);
    EXPECT_EQ("1,234,567.50", host.editor->text().toStdString());
    host.enter();
    EXPECT_EQ("1234567.5", host.editor->text().toStdString());
    // Tab focus selects the whole number, so typing replaces it.
    QTest::keyClicks(host.editor, "-2");
    EXPECT_EQ(Amount(-2.0), host.editor->value());
    host.leave();
    EXPECT_EQ("-2.00", host.editor->text().toStdString());
    host.enter();
    EXPECT_EQ("-2", host.editor->text().toStdString());
}

TEST_F(AmountEditTest, LeavingWithoutTypingKeepsAValueWithMoreDecimals)
{
    Host<AmountEdit> host;
    host.editor->setValue(0.125);
    host.enter();
    host.leave();
    EXPECT_EQ(Amount(0.125), host.editor->value());
    EXPECT_EQ("0.13", host.editor->text().toStdString());
}

TEST_F(AmountEditTest, ProgramSetsAndEmptiesTheField)
{
    AmountEdit edit;
    edit.setValue(0.0);
    EXPECT_EQ("0.00", edit.text().toStdString());
    edit.setText("");
    EXPECT_EQ(std::nullopt, edit.value());
    edit.setValue(-0.5);
    EXPECT_EQ("-0.50", edit.text().toStdString());
    edit.clear();
    EXPECT_EQ(std::nullopt, edit.value());
    EXPECT_EQ("", edit.text().toStdString());
    edit.setText("2,500.75");
    EXPECT_EQ(Amount(2500.75), edit.value());
    EXPECT_EQ("2,500.75", edit.text().toStdString());
    edit.setValue(std::nullopt);
    EXPECT_EQ("", edit.text().toStdString());
}

TEST_F(AmountEditTest, TakesTheSeparatorsOfTheSystem)
{
    // French groups with a narrow no-break space and writes a decimal comma;
    // the keyboard's ordinary space stands for the group separator.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString group = QLocale().groupSeparator();
    struct Case {
        const char* name;
        bool option;
        QString typed;
        Amount value;
        QString afterLeaving;
    } const cases[] = {
        {"space for the group separator", true, QStringLiteral("1 234,5"), 1234.5, "1" + group + "234,50"},
        {"the separator itself", true, "1" + group + "234,5", 1234.5, "1" + group + "234,50"},
        {"point is neither separator here", true, QStringLiteral("12.5"), 125.0, QStringLiteral("125,00")},
        {"option off: point still a decimal point", false, QStringLiteral("12.5"), 12.5, QStringLiteral("12,50")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host<AmountEdit> host;
        host.editor->setThousandsSeparatorOption(c.option);
        host.enter();
        typeText(host.editor, c.typed);
        EXPECT_EQ(c.value, host.editor->value());
        host.leave();
        EXPECT_EQ(c.afterLeaving.toStdString(), host.editor->text().toStdString());
    }
    Host<AmountEdit> host;
    host.editor->setValue(1234.5);
    host.enter();
    EXPECT_EQ("1234,5", host.editor->text().toStdString());
}

// ---- spin edit ----

class SpinEditTest : public EditorTest {};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST_F(SpinEditTest, TakesDigitsAndSignsOnly)
{
    struct Case {
        const char* typed;
        std::optional<std::int32_t> value;
        const char* whileEditing;
        const char* afterLeaving;
    } const cases[] = {
        {"", std::nullopt, "", ""},
        {"0", 0, "0", "0"},
        {"12a3.4", 1234, "1234", "1234"},
        {"-15", -15, "-15", "-15"},
        {"+15", 15, "+15", "15"},
        {"1-2+3", 123, "123", "123"},
        {"--7", -7, "-7", "-7"},
        {"-", std::nullopt, "-", ""},
        {"007", 7, "007", "7"},
        {"2147483647", kMax, "2147483647", "2147483647"},
        {"2147483648", 214748364, "214748364", "214748364"},
        {"-2147483648", kMin, "-2147483648", "-2147483648"},
        {"-2147483649", -214748364, "-214748364", "-214748364"},
        {"99999999999", 999999999, "999999999", "999999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Host<SpinEdit> host;
        host.enter();
        QTest::keyClicks(host.editor, c.typed);
        EXPECT_EQ(c.value, host.editor->value());
        EXPECT_EQ(c.whileEditing, host.editor->text().toStdString());
        host.leave();
        EXPECT_EQ(c.afterLeaving, host.editor->text().toStdString());
        EXPECT_EQ(c.value, host.editor->value());
    }
}

TEST_F(SpinEditTest, StepsByOneAndStopsAtTheEndsOfTheRange)
{
    struct Case {
        const char* name;
        std::optional<std::int32_t> start;
        Qt::Key key;
        int presses;
        std::int32_t expected;
    } const cases[] = {
        {"empty up", std::nullopt, Qt::Key_Up, 1, 1},
        {"empty down", std::nullopt, Qt::Key_Down, 1, -1},
        {"up", 41, Qt::Key_Up, 1, 42},
        {"down through zero", 1, Qt::Key_Down, 3, -2},
        {"no wrap at the top", kMax - 1, Qt::Key_Up, 3, kMax},
        {"no wrap at the bottom", kMin + 1, Qt::Key_Down, 3, kMin},
        {"page up stops at the top", kMax - 3, Qt::Key_PageUp, 1, kMax},
        {"page down stops at the bottom", kMin + 3, Qt::Key_PageDown, 1, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host<SpinEdit> host;
        host.editor->setValue(c.start);
        host.enter();
        for (int i = 0; i < c.presses; ++i)
            QTest::keyClick(host.editor, c.key);
        EXPECT_EQ(std::optional<std::int32_t>(c.expected), host.editor->value());
        EXPECT_EQ(std::to_string(c.expected), host.editor->text().toStdString());
    }
}

TEST_F(SpinEditTest, EmptyCountsAsZero)
{
    SpinEdit spin;
    EXPECT_EQ(Qt::AlignRight, spin.alignment() & Qt::AlignHorizontal_Mask);
    EXPECT_EQ(std::nullopt, spin.value());
    EXPECT_EQ(0, spin.valueOrZero());
    spin.setValue(25);
    EXPECT_EQ("25", spin.text().toStdString());
    EXPECT_EQ(25, spin.valueOrZero());
    spin.clear();
    EXPECT_EQ(std::nullopt, spin.value());
    EXPECT_EQ("", spin.text().toStdString());
    EXPECT_EQ(0, spin.valueOrZero());
}

TEST_F(SpinEditTest, ArrowButtonsStep)
{
    Host<SpinEdit> host;
    host.editor->resize(81, 21);
    QStyleOptionSpinBox option;
    option.initFrom(host.editor);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect up = host.editor->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, host.editor);
    QTest::mouseClick(host.editor, Qt::LeftButton, Qt::NoModifier, up.center());
    EXPECT_EQ(std::optional<std::int32_t>(1), host.editor->value());
}

// ---- date edit ----

class DateEditTest : public EditorTest {
protected:
    static QLocale thai() { return QLocale(QLocale::Thai, QLocale::Thailand); }
};

TEST_F(DateEditTest, ShowsTheShortTextOfTheSystem)
{
    struct Case {
        const char* name;
        QLocale locale;
        const char* text;
    } const cases[] = {
        {"Thai: Buddhist era, day first", thai(), "15/3/2567"},
        {"English: month first", QLocale(QLocale::English, QLocale::UnitedStates), "3/15/2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QLocale::setDefault(c.locale);
        Host<DateEdit> host;
        EXPECT_EQ("", host.editor->text().toStdString());
        host.editor->setDate(year{2024} / March / day{15});
        EXPECT_EQ(c.text, host.editor->text().toStdString());
        auto* line = qobject_cast<QLineEdit*>(host.editor->focusProxy());
        ASSERT_NE(nullptr, line);
        EXPECT_EQ(c.text, line->text().toStdString());
        host.editor->clear();
        EXPECT_FALSE(host.editor->date().has_value());
        EXPECT_EQ("", line->text().toStdString());
    }
}

TEST_F(DateEditTest, TypedDates)
{
    const DateValue before = year{2023} / January / day{2};
    struct Case {
        const char* name;
        const char* typed;
        const char* whileEditing;
        DateValue date;
        const char* afterLeaving;
    } const cases[] = {
        {"a date", "1/4/2567", "1/4/2567", year{2024} / April / day{1}, "1/4/2567"},
        {"two-digit day and month", "05/09/2566", "05/09/2566", year{2023} / September / day{5}, "5/9/2566"},
        {"month 13 refused as typed", "13/13/2567", "13/1/2567", year{2024} / January / day{13}, "13/1/2567"},
        {"day 32 refused as typed", "32/1/2567", "3/1/2567", year{2024} / January / day{3}, "3/1/2567"},
        {"letters and other separators refused", "1a-2/3/2567", "12/3/2567", year{2024} / March / day{12},
         "12/3/2567"},
        {"fifth year digit refused", "1/1/25670", "1/1/2567", year{2024} / January / day{1}, "1/1/2567"},
        {"two-digit year read in the era shown", "15/3/67", "15/3/67", year{2024} / March / day{15}, "15/3/2567"},
        {"one-digit year put back", "15/3/6", "15/3/6", before, "2/1/2566"},
        {"impossible day put back", "30/2/2567", "30/2/2567", before, "2/1/2566"},
        {"emptied", "", "", std::nullopt, ""},
    };
    QLocale::setDefault(thai());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host<DateEdit> host;
        host.editor->setDate(before);
        host.enter();
        auto* line = qobject_cast<QLineEdit*>(host.editor->focusProxy());
        ASSERT_NE(nullptr, line);
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, c.typed);
        EXPECT_EQ(c.whileEditing, line->text().toStdString());
        host.leave();
        EXPECT_EQ(c.date, host.editor->date());
        EXPECT_EQ(c.afterLeaving, line->text().toStdString());
        EXPECT_EQ(c.afterLeaving, host.editor->text().toStdString());
    }
}

TEST_F(DateEditTest, CalendarButtonsPickTodayAndClear)
{
    QLocale::setDefault(thai());
    Host<DateEdit> host;
    auto* drop = host.editor->findChild<QToolButton*>("dropDownButton");
    ASSERT_NE(nullptr, drop);

    QTest::mouseClick(drop, Qt::LeftButton);
    auto* popup = host.editor->findChild<QWidget*>("calendarPopup");
    ASSERT_NE(nullptr, popup);
    EXPECT_TRUE(popup->isVisible());
    auto* today = popup->findChild<QPushButton*>("todayButton");
    ASSERT_NE(nullptr, today);
    QTest::mouseClick(today, Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    const QDate now = QDate::currentDate();
    const DateValue expected = year{now.year()} / month{static_cast<unsigned>(now.month())} / day{static_cast<unsigned>(now.day())};
    EXPECT_EQ(expected, host.editor->date());
    EXPECT_EQ(QStringLiteral("%1/%2/%3").arg(now.day()).arg(now.month()).arg(now.year() + 543).toStdString(),
              host.editor->text().toStdString());

    QTest::mouseClick(drop, Qt::LeftButton);
    EXPECT_TRUE(popup->isVisible());
    QTest::mouseClick(popup->findChild<QPushButton*>("clearButton"), Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_FALSE(host.editor->date().has_value());
    EXPECT_EQ("", host.editor->text().toStdString());
}

TEST_F(DateEditTest, CalendarPicksADay)
{
    Host<DateEdit> host;
    host.editor->setDate(year{2024} / February / day{10});
    auto* line = qobject_cast<QLineEdit*>(host.editor->focusProxy());
    host.enter();
    QTest::keyClick(line, Qt::Key_Down, Qt::AltModifier);
    auto* popup = host.editor->findChild<QWidget*>("calendarPopup");
    ASSERT_NE(nullptr, popup);
    ASSERT_TRUE(popup->isVisible());
    auto* calendar = popup->findChild<QCalendarWidget*>("calendar");
    ASSERT_NE(nullptr, calendar);
    EXPECT_EQ(QDate(2024, 2, 10), calendar->selectedDate());
    // A week on, then Enter, as the clerk does it from the keyboard.
    auto* grid = calendar->findChild<QTableView*>();
    ASSERT_NE(nullptr, grid);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(DateValue(year{2024} / February / day{17}), host.editor->date());
    EXPECT_EQ("2/17/2024", host.editor->text().toStdString());
}

// ---- digits and profile text ----

TEST(DigitsEdit, TakesAsciiDigitsOnly)
{
    DigitsEdit edit;
    typeText(&edit, QStringLiteral("12a 3-4\u0E51.5"));
    EXPECT_EQ("12345", edit.text().toStdString());
    edit.clear();
    edit.insert(QStringLiteral("0105x"));
    EXPECT_EQ("", edit.text().toStdString());
}

TEST(ProfileTextEdit, RefusesWhatCodePage874CannotHold)
{
    struct Case {
        const char* name;
        QString typed;
        QString kept;
    } const cases[] = {
        {"Thai", QStringLiteral("\u0E1A\u0E23\u0E34\u0E29\u0E31\u0E17 \u0E01\u0E02"),
         QStringLiteral("\u0E1A\u0E23\u0E34\u0E29\u0E31\u0E17 \u0E01\u0E02")},
        {"euro sign is 0x80", QStringLiteral("100\u20AC"), QStringLiteral("100\u20AC")},
        {"copyright sign refused", QStringLiteral("A\u00A9B"), QStringLiteral("AB")},
        {"e acute refused", QStringLiteral("caf\u00E9"), QStringLiteral("caf")},
        {"emoji refused", QStringLiteral("x\U0001F600y"), QStringLiteral("xy")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileTextEdit edit;
        typeText(&edit, c.typed);
        EXPECT_EQ(c.kept.toStdString(), edit.text().toStdString());
    }
    ProfileTextEdit pasted;
    pasted.insert(QStringLiteral("\u0E01 \u00A9"));
    EXPECT_EQ("", pasted.text().toStdString());
    pasted.insert(QStringLiteral("12 \u0E21.3\r\n\u0E01\u0E17\u0E21."));
    EXPECT_EQ("12 \u0E21.3 \u0E01\u0E17\u0E21.", pasted.text().toStdString());
}

// An address copied from a letter or a spreadsheet spans lines; pasted into a
// one-line field it must arrive whole, or part of it would be missing on paper.
TEST(OneLineEdit, PastedLineBreaksBecomeOneSpaceAndOtherControlsAreRefused)
{
    struct Case {
        const char* name;
        QString pasted;
        QString kept;
        int cursor;
    } const cases[] = {
        {"address over three lines", QStringLiteral("99/1 \u0E16.\u0E2A\u0E38\u0E02\u0E38\u0E21\u0E27\u0E34\u0E17\r\n\u0E04\u0E25\u0E2D\u0E07\u0E40\u0E15\u0E22\n10110"),
         QStringLiteral("99/1 \u0E16.\u0E2A\u0E38\u0E02\u0E38\u0E21\u0E27\u0E34\u0E17 \u0E04\u0E25\u0E2D\u0E07\u0E40\u0E15\u0E22 10110"), 29},
        {"padded break and tab", QStringLiteral("A  \n\t  B"), QStringLiteral("A B"), 3},
        {"line and paragraph separators", QStringLiteral("A\u2028B\u2029C"), QStringLiteral("A B C"), 5},
        {"breaks at either end dropped", QStringLiteral("\n\nA B\r\n"), QStringLiteral("A B"), 3},
        {"bell refused", QStringLiteral("A\u0007B"), QString(), 0},
        {"escape refused", QStringLiteral("A\u001BB"), QString(), 0},
        {"zero-width space kept", QStringLiteral("\u0E01\u200B\u0E02"), QStringLiteral("\u0E01\u200B\u0E02"), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OneLineEdit edit;
        edit.insert(c.pasted);
        EXPECT_EQ(c.kept.toStdString(), edit.text().toStdString());
        EXPECT_EQ(c.cursor, edit.cursorPosition());
    }
    // Typing around existing text keeps the cursor where the clerk put it.
    OneLineEdit edit;
    edit.setText(QStringLiteral("AB"));
    edit.setCursorPosition(1);
    edit.insert(QStringLiteral("x\ny"));
    EXPECT_EQ("Ax yB", edit.text().toStdString());
    EXPECT_EQ(4, edit.cursorPosition());
}

// ---- error box ----

TEST(ErrorBox, HookSeesTheMessage)
{
    std::vector<QString> seen;
    SetErrorBoxHook([&](const QString& message) { seen.push_back(message); });
    ShowErrorBox(nullptr, QStringLiteral("'12x' is not a valid integer value"));
    SetErrorBoxHook({});
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("'12x' is not a valid integer value", seen[0].toStdString());
}

TEST(ErrorBox, WithoutHookShowsACriticalBox)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    ShowErrorBox(nullptr, QStringLiteral("Cannot open file C:\\x"));
    EXPECT_EQ("Mervane", title.toStdString());
    EXPECT_EQ("Cannot open file C:\\x", text.toStdString());
    EXPECT_EQ(QMessageBox::Critical, icon);
}

// ---- window font ----

TEST(WindowFont, IsTheNarrowedWareeAtEightPoints)
{
    const QFont font = WindowFont();
    EXPECT_EQ(8, font.pointSize());
    EXPECT_EQ(94, font.stretch());
    EXPECT_EQ("Waree", QFontInfo(font).family().toStdString());
}

// ---- icons ----

TEST(Icons, EveryIconIsShippedAndDrawn)
{
    for (const char* name : {"gear", "printer", "refresh", "exit", "back", "save", "app"}) {
        SCOPED_TRACE(name);
        const QIcon icon = MervaneIcon(name);
        ASSERT_FALSE(icon.isNull());
        EXPECT_TRUE(icon.availableSizes().contains(QSize(24, 24)));
        const QImage image = icon.pixmap(QSize(24, 24)).toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 200;
        // A drawing, not an empty square nor a filled one.
        EXPECT_GT(opaque, 24 * 24 / 5);
        EXPECT_LT(opaque, 24 * 24);
    }
    EXPECT_TRUE(MervaneIcon("app").availableSizes().contains(QSize(256, 256)));
    EXPECT_TRUE(MervaneIcon("no such icon").isNull());
}

} // namespace

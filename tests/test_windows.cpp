// The three windows driven as the clerk drives them: keys and mouse clicks on
// the real controls, the profile in a temporary folder, the error box and the
// preview replaced by recorders.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "amounts/IncomeRows.h"
#include "ui/AmountEdit.h"
#include "ui/DateEdit.h"
#include "ui/SpinEdit.h"
#include "window_test_support.h"

namespace mervane::testing {
namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::year;

std::string profileLineOf(const ProfileFields& fields) { return JoinProfileLine(fields) + "\r\n"; }

// A message of the error table with the profile's path put in for "%1".
std::string withPath(const char* message, const std::string& path)
{
    return QString::fromLatin1(message).replace(QLatin1String("%1"), QString::fromStdString(path)).toStdString();
}

const ProfileFields kSampleFields{kSampleName, kSampleAddress, "1234567890", "1234567890123", "5", "27"};

// ---- start-up -------------------------------------------------------------

struct StartCase {
    const char* name;
    const char* file; // nullptr: no profile file
    const char* message; // %s: the profile's path; nullptr: no error
    TCompanyProfile profile;
    std::optional<std::int32_t> bookNo, runNo;
    bool labelSet;
};

class StartUpTest : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUpTest, AppliesWhatItCouldReadAndStillOpens)
{
    const StartCase& c = GetParam();
    if (c.file)
        writeRawProfile(QByteArray(c.file));
    TForm1& form1 = openMainWindow();

    std::vector<std::string> expectedErrors;
    if (c.message)
        expectedErrors.push_back(withPath(c.message, profilePath_));
    EXPECT_EQ(errors_, expectedErrors);
    EXPECT_EQ(form1.state().ProfilePath, profilePath_);
    EXPECT_EQ(form1.state().Profile, c.profile);
    EXPECT_EQ(form1.cxBookNo()->value(), c.bookNo);
    EXPECT_EQ(form1.cxRunNo()->value(), c.runNo);
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), c.labelSet ? c.profile.Name : "");
    EXPECT_FALSE(form1.state().DividendWindowCreated);
    EXPECT_TRUE(form1.isVisible());
    EXPECT_TRUE(form1.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, StartUpTest,
    ::testing::Values(
        StartCase{"good", ",Acme, ,1 Main Road, ,123, ,456, ,5, ,27,\r\n", nullptr,
                  {"Acme", "1 Main Road", "123", "456"}, 5, 27, true},
        StartCase{"missing", nullptr, "Cannot open file \"%1\". No such file or directory", {}, {}, {}, false},
        StartCase{"empty", "", "List index out of bounds (0)", {}, {}, {}, false},
        StartCase{"three_fields", ",Acme, ,1 Main Road, ,123,\r\n", "List index out of bounds (3)",
                  {"Acme", "1 Main Road", "123", ""}, {}, {}, false},
        StartCase{"bad_running_number", ",Acme, ,1 Main Road, ,123, ,456, ,5, ,x,\r\n",
                  "'x' is not a valid integer value", {"Acme", "1 Main Road", "123", "456"}, 5, {}, false}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.name); });

// ---- print ----------------------------------------------------------------

TEST_F(WindowTest, PrintPutsWhatTheClerkTypedOnThePageAndSavesTheProfileBeforeThePreview)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    type(&form1, "cxDateOut", "15/3/2567");
    retype(&form1, "cxBookNo", "12");
    retype(&form1, "cxRunNo", "345");
    type(&form1, "Edit1", QString::fromStdString(kSampleName));
    type(&form1, "Edit2", QString::fromStdString(kSampleAddress));
    type(&form1, "Edit3", "0105551234567");
    type(&form1, "Edit4", "3100500123456");
    type(&form1, "cxDate01", "1/3/2567");
    type(&form1, "cxAmount01", "1,234.5");
    type(&form1, "cxTaxAmount01", "37.04");
    type(&form1, "cxDesp06", "Consulting");
    type(&form1, "cxAmount06", "500");
    type(&form1, "cxTaxAmount06", "15");
    click(&form1, "cxTaxType07");
    click(&form1, "cxRadioButton4");
    type(&form1, "cxTextEdit3", "by contract");

    click(&form1, "cxButton1");
    TForm2* form2 = form1.form2();
    ASSERT_NE(form2, nullptr);
    type(form2, "cxAmount05", "100");
    type(form2, "cxTaxAmount05", "12,5"); // a comma is the decimal point in the tax column
    type(form2, "cxDesp7", "10%");
    type(form2, "cxAmount08", "2,000");
    type(form2, "cxTaxAmount08", "200");
    click(form2, "cxButton1");

    const QString pdf = dir_.filePath(QStringLiteral("certificate.pdf"));
    onPreview_ = [&](Page& page, const PageStart& start) { SavePagePdf(pdf, page, start); };
    click(&form1, "cxButton2");

    EXPECT_EQ(errors_, std::vector<std::string>{});
    EXPECT_EQ(previews_, 1);
    EXPECT_EQ(profileAtPreview_,
              profileLineOf({kSampleName, kSampleAddress, "1234567890", "1234567890123", "12", "345"}));

    const Page& page = form1.ppReport1();
    const struct {
        const char* element;
        std::string text;
    } expected[] = {
        {"ppLabel59", kSampleName},
        {"ppLabel60", kSampleAddress},
        {"ppLabel25", "1234567890"},
        {"ppLabel58", "1234567890123"},
        {"ppLabel83", kSampleName},
        {"ppLabel84", kSampleAddress},
        {"ppLabel85", "3100500123456"},
        {"ppLabel86", "0105551234567"},
        {"ppBookNo", "12"},
        {"ppRunNo", "345"},
        {"ppDateOut", "15/3/2567"},
        {"ppLabel64", " "},
        {"ppLabel70", "X"},
        {"ppLabel54", " "},
        {"ppLabel57", "X"},
        {"ppLabel63", "by contract"},
        {"ppDate01", "1/3/2567"},
        {"ppAmount01", "1,234.50"},
        {"ppTaxAmount01", "37.04"},
        {"ppAmount05", "100.00"},
        {"ppTaxAmount05", "12.50"},
        {"ppAmount08", "2,000.00"},
        {"ppTaxAmount08", "200.00"},
        {"ppDesp7", "10%"},
        {"ppAmount15", "500.00"},
        {"ppTaxAmount15", "15.00"},
        {"ppDesp06", "Consulting"},
        {"ppAmount02", ""},
        {"ppAmountTotal", "3,834.50"},
        {"ppAmountTaxTotal", "264.54"},
        {"ppWordAmount", TaxTotalInWords(264.54)},
    };
    for (const auto& e : expected)
        EXPECT_EQ(page.text(e.element), e.text) << e.element;

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
}

TEST_F(WindowTest, PrintStopsBeforeThePreviewWhenALineHasNoTaxOrTheProfileCannotBeWritten)
{
    const struct {
        const char* name;
        bool blockFolder;
        const char* tax;
        const char* message;
    } cases[] = {
        {"empty tax", false, "", "Could not convert variant of type (Null) into type (String)"},
        {"profile not writable", true, "30", "Cannot create file \"%1\". Not a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        errors_.clear();
        previews_ = 0;
        writeSampleProfile();
        TForm1& form1 = openMainWindow();
        retype(&form1, "cxBookNo", "9");
        type(&form1, "cxAmount01", "1000");
        type(&form1, "cxTaxAmount01", c.tax);
        if (c.blockFolder)
            blockProfileFolder();
        click(&form1, "cxButton2");

        EXPECT_EQ(errors_, (std::vector<std::string>{withPath(c.message, profilePath_)}));
        EXPECT_EQ(previews_, 0);
        if (!c.blockFolder) {
            EXPECT_EQ(ProfileLine(profilePath_), profileLineOf(kSampleFields));
        }
        EXPECT_TRUE(form1.isVisible());
        form1_.reset();
        QDir(QFileInfo(QString::fromStdString(profilePath_)).absolutePath()).removeRecursively();
        QFile::remove(QFileInfo(QString::fromStdString(profilePath_)).absolutePath());
    }
}

// ---- clear ----------------------------------------------------------------

const char* const kMainTexts[] = {"Edit1", "Edit2", "Edit3", "Edit4", "cxTextEdit3", "cxDesp05", "cxDesp06"};
const char* const kMainDates[] = {"cxDateOut", "cxDate01", "cxDate02", "cxDate03", "cxDate04", "cxDate05", "cxDate06"};
const char* const kMainAmounts[] = {"cxAmount01",    "cxAmount02",    "cxAmount03",    "cxAmount04",
                                    "cxAmount05",    "cxAmount06",    "cxTaxAmount01", "cxTaxAmount02",
                                    "cxTaxAmount03", "cxTaxAmount04", "cxTaxAmount05", "cxTaxAmount06"};
const char* const kDividendTexts[] = {"cxDesp7", "cxDesp8"};
const char* const kDividendRows[] = {"05", "06", "07", "08", "09", "10", "11", "12", "13"};

class ClearTest : public WindowTest {
protected:
    void fillMainWindow(TForm1& form1)
    {
        for (const char* name : kMainTexts)
            type(&form1, name, "x");
        for (const char* name : kMainDates)
            type(&form1, name, "2/1/2567");
        for (const char* name : kMainAmounts)
            type(&form1, name, "7");
        retype(&form1, "cxBookNo", "99");
        retype(&form1, "cxRunNo", "98");
        click(&form1, "cxTaxType07");
        click(&form1, "cxRadioButton1");
    }

    void fillDividendWindow(TForm2* form2)
    {
        for (const char* name : kDividendTexts)
            type(form2, name, "y");
        for (const char* row : kDividendRows) {
            type(form2, ("cxDate" + std::string(row)).c_str(), "3/1/2567");
            type(form2, ("cxAmount" + std::string(row)).c_str(), "8");
            type(form2, ("cxTaxAmount" + std::string(row)).c_str(), "1");
        }
    }

    void expectMainWindowEmpty(TForm1& form1)
    {
        for (const char* name : kMainTexts)
            EXPECT_EQ(control<QLineEdit>(&form1, name)->text().toStdString(), "") << name;
        for (const char* name : kMainDates)
            EXPECT_EQ(control<DateEdit>(&form1, name)->date(), DateValue{}) << name;
        for (const char* name : kMainAmounts)
            EXPECT_EQ(control<AmountEdit>(&form1, name)->value(), Amount{}) << name;
    }

    void expectDividendWindowEmpty(TForm2* form2)
    {
        for (const char* name : kDividendTexts)
            EXPECT_EQ(control<QLineEdit>(form2, name)->text().toStdString(), "") << name;
        for (const char* row : kDividendRows) {
            EXPECT_EQ(control<DateEdit>(form2, ("cxDate" + std::string(row)).c_str())->date(), DateValue{}) << row;
            EXPECT_EQ(control<AmountEdit>(form2, ("cxAmount" + std::string(row)).c_str())->value(), Amount{}) << row;
            EXPECT_EQ(control<AmountEdit>(form2, ("cxTaxAmount" + std::string(row)).c_str())->value(), Amount{})
                << row;
        }
    }
};

TEST_F(ClearTest, EmptiesTheFieldsKeepsTheRadioButtonsAndReloadsTheProfile)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    fillMainWindow(form1);
    form1.cxLabel13()->setText("stale");
    click(&form1, "cxButton4");

    EXPECT_EQ(errors_, std::vector<std::string>{});
    expectMainWindowEmpty(form1);
    EXPECT_TRUE(control<QRadioButton>(&form1, "cxTaxType07")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(&form1, "cxRadioButton1")->isChecked());
    EXPECT_EQ(form1.cxBookNo()->value(), 5);
    EXPECT_EQ(form1.cxRunNo()->value(), 27);
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), kSampleName);
    EXPECT_EQ(form1.form2(), nullptr);

    // The dividend window made after a clear starts empty.
    click(&form1, "cxButton1");
    ASSERT_NE(form1.form2(), nullptr);
    expectDividendWindowEmpty(form1.form2());
}

TEST_F(ClearTest, EmptiesTheHiddenDividendWindowSoThatItsLinesLeaveThePage)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton1");
    TForm2* form2 = form1.form2();
    fillDividendWindow(form2);
    click(form2, "cxButton1");
    ASSERT_TRUE(form2->isHidden());

    click(&form1, "cxButton4");
    EXPECT_TRUE(form2->isHidden());
    expectDividendWindowEmpty(form2);

    type(&form1, "cxAmount01", "10");
    type(&form1, "cxTaxAmount01", "1");
    click(&form1, "cxButton2");
    EXPECT_EQ(previews_, 1);
    for (int slot = 5; slot <= 13; ++slot) {
        EXPECT_EQ(form1.ppReport1().text(SlotAmountElement(slot)), "") << slot;
        EXPECT_EQ(form1.ppReport1().text(SlotDateElement(slot)), "") << slot;
    }
    EXPECT_EQ(QString::fromStdString(form1.ppReport1().text("ppDesp7")).trimmed().toStdString(), "");
    EXPECT_EQ(form1.ppReport1().text("ppAmountTotal"), "10.00");

    click(&form1, "cxButton1");
    EXPECT_EQ(form1.form2(), form2);
    expectDividendWindowEmpty(form2);
}

TEST_F(ClearTest, WithTheProfileGoneEmptiesTheFieldsAndKeepsTheNameAndWorkingState)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    fillMainWindow(form1);
    QFile::remove(QString::fromStdString(profilePath_));
    click(&form1, "cxButton4");

    EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot open file \"" + profilePath_ +
                                                 "\". No such file or directory"}));
    expectMainWindowEmpty(form1);
    EXPECT_EQ(form1.cxBookNo()->value(), std::nullopt);
    EXPECT_EQ(form1.cxRunNo()->value(), std::nullopt);
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), kSampleName);
    EXPECT_EQ(form1.state().Profile.Name, kSampleName);
}

// A profile that breaks off part way is applied up to the field that fails,
// over what the window already held; the name label waits for a whole read.
TEST_F(ClearTest, AProfileThatBreaksOffIsAppliedUpToTheFailingField)
{
    struct Case {
        const char* name;
        const char* file;
        std::string message;
        TCompanyProfile profile;
        std::optional<std::int32_t> bookNo;
    } const cases[] = {
        {"two fields", ",New Co, ,2 Side Road,\r\n", "List index out of bounds (2)",
         {"New Co", "2 Side Road", "1234567890", "1234567890123"}, std::nullopt},
        {"bad running number", ",New Co, ,2 Side Road, ,111, ,222, ,7, ,x,\r\n", "'x' is not a valid integer value",
         {"New Co", "2 Side Road", "111", "222"}, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        errors_.clear();
        writeSampleProfile();
        TForm1& form1 = openMainWindow();
        writeRawProfile(QByteArray(c.file));
        click(&form1, "cxButton4");

        EXPECT_EQ(errors_, std::vector<std::string>{c.message});
        EXPECT_EQ(form1.state().Profile, c.profile);
        EXPECT_EQ(form1.cxBookNo()->value(), c.bookNo);
        EXPECT_EQ(form1.cxRunNo()->value(), std::nullopt);
        EXPECT_EQ(form1.cxLabel13()->text().toStdString(), kSampleName);
    }
}

// ---- the dividend window --------------------------------------------------

TEST_F(WindowTest, DividendWindowIsMadeOnceKeepsItsEntriesAndDisablesTheMainWindowWhileItShows)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton1");
    TForm2* form2 = form1.form2();
    ASSERT_NE(form2, nullptr);
    EXPECT_TRUE(form1.state().DividendWindowCreated);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1.isEnabled());
    EXPECT_LE((form2->frameGeometry().center() - form1.frameGeometry().center()).manhattanLength(), 2);

    // The main window takes no keys or clicks meanwhile, nor a close from
    // its title bar, which would end the program.
    QTest::keyClicks(control(&form1, "Edit1"), "abc");
    click(&form1, "cxButton3");
    EXPECT_EQ(control<QLineEdit>(&form1, "Edit1")->text().toStdString(), "");
    EXPECT_FALSE(form1.close());
    EXPECT_TRUE(form1.isVisible());

    // Neither Enter nor Esc presses the back button.
    type(form2, "cxAmount07", "55");
    QTest::keyClick(control(form2, "cxAmount07"), Qt::Key_Escape);
    QTest::keyClick(control(form2, "cxAmount07"), Qt::Key_Return);
    EXPECT_TRUE(form2->isVisible());

    click(form2, "cxButton1");
    EXPECT_TRUE(form1.isEnabled());
    EXPECT_TRUE(form2->isHidden());

    click(&form1, "cxButton1");
    EXPECT_EQ(form1.form2(), form2);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_FALSE(form1.isEnabled());
    EXPECT_EQ(control<AmountEdit>(form2, "cxAmount07")->value(), Amount{55.0});

    // A close from the window manager has the back button's effect.
    form2->close();
    EXPECT_TRUE(form1.isEnabled());
    EXPECT_TRUE(form2->isHidden());
    click(&form1, "cxButton1");
    EXPECT_EQ(form1.form2(), form2);

    int dividendWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        dividendWindows += qobject_cast<TForm2*>(window) ? 1 : 0;
    EXPECT_EQ(dividendWindows, 1);
}

TEST_F(WindowTest, AmountFieldsReadASeparatorAsTheirColumnWants)
{
    TForm1& form1 = openMainWindow();
    const struct {
        bool dividend;
        const char* name;
        const char* typed;
        double value;
    } cases[] = {
        {false, "cxAmount01", "1,234.5", 1234.5},
        {false, "cxTaxAmount06", "1,234.5", 1234.5},
        {true, "cxAmount05", "1,234.5", 1234.5},
        {true, "cxAmount13", "2,000", 2000},
        {true, "cxTaxAmount05", "12,5", 12.5},
        {true, "cxTaxAmount13", "7.25", 7.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.dividend && !form1.form2())
            click(&form1, "cxButton1");
        QWidget* window = c.dividend ? static_cast<QWidget*>(form1.form2()) : &form1;
        type(window, c.name, c.typed);
        EXPECT_EQ(control<AmountEdit>(window, c.name)->value(), Amount{c.value});
    }
}

// ---- defaults windows -----------------------------------------------------

TEST_F(WindowTest, TwoDefaultsWindowsSavedInTurnLeaveTheLastSaveEverywhere)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton5");
    click(&form1, "cxButton5");
    const QList<TForm3*> windows = form1.defaultsWindows();
    ASSERT_EQ(windows.size(), 2);
    TForm3* first = windows[0];
    TForm3* second = windows[1];
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(form1.isEnabled());
    EXPECT_EQ(control<QLineEdit>(second, "cxTextEdit1")->text().toStdString(), kSampleName);

    retype(first, "cxTextEdit1", "First Co");
    retype(first, "cxBookNo", "12");
    retype(first, "cxRunNo", "345");
    click(first, "cxButton2");
    EXPECT_EQ(ProfileLine(profilePath_),
              profileLineOf({"First Co", kSampleAddress, "1234567890", "1234567890123", "12", "345"}));
    EXPECT_EQ(form1.state().Profile, (TCompanyProfile{"First Co", kSampleAddress, "1234567890", "1234567890123"}));
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), "First Co");
    EXPECT_EQ(form1.cxBookNo()->value(), 12);
    EXPECT_EQ(form1.cxRunNo()->value(), 345);
    EXPECT_TRUE(first->isVisible());

    // The second window still shows the file as it was when it opened.
    retype(second, "cxTextEdit1", "Second Co");
    retype(second, "cxTaxNo", "12a3");
    control<SpinEdit>(second, "cxRunNo")->clear();
    click(second, "cxButton2");
    EXPECT_EQ(errors_, std::vector<std::string>{});
    EXPECT_EQ(ProfileLine(profilePath_),
              profileLineOf({"Second Co", kSampleAddress, "123", "1234567890123", "5", "0"}));
    EXPECT_EQ(form1.state().Profile, (TCompanyProfile{"Second Co", kSampleAddress, "123", "1234567890123"}));
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), "Second Co");
    EXPECT_EQ(form1.cxBookNo()->value(), 5);
    EXPECT_EQ(form1.cxRunNo()->value(), 0);

    // The next print shows the saved particulars.
    click(&form1, "cxButton2");
    EXPECT_EQ(form1.ppReport1().text("ppLabel59"), "Second Co");
    EXPECT_EQ(form1.ppReport1().text("ppLabel25"), "123");
}

TEST_F(WindowTest, DefaultsBackDestroysTheWindowAndTitleBarCloseOnlyHidesIt)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton5");
    click(&form1, "cxButton5");
    QPointer<TForm3> first = form1.defaultsWindows().value(0);
    QPointer<TForm3> second = form1.defaultsWindows().value(1);

    retype(first, "cxTextEdit1", "Unsaved");
    click(first, "cxButton1");
    processDeletes();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(form1.defaultsWindows().size(), 1);

    retype(second, "cxTextEdit1", "Unsaved");
    second->close();
    processDeletes();
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isHidden());
    EXPECT_EQ(form1.defaultsWindows().size(), 1);

    EXPECT_EQ(ProfileLine(profilePath_), profileLineOf(kSampleFields));
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), kSampleName);
    EXPECT_EQ(errors_, std::vector<std::string>{});
}

TEST_F(WindowTest, DefaultsCommandReloadsTheMainWindowsCountersAtOnce)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    retype(&form1, "cxRunNo", "99");
    click(&form1, "cxButton5");
    EXPECT_EQ(form1.cxRunNo()->value(), 27);
    ASSERT_EQ(form1.defaultsWindows().size(), 1);
    const TForm3* defaults = form1.defaultsWindows()[0];
    EXPECT_TRUE(defaults->isVisible());
    EXPECT_LE((defaults->frameGeometry().center() - form1.frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(WindowTest, DefaultsBackEnablesTheMainWindowWhileTheDividendWindowShows)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton5");
    TForm3* defaults = form1.defaultsWindows().value(0);
    form1.cxButton1Click();
    ASSERT_FALSE(form1.isEnabled());
    click(defaults, "cxButton1");
    EXPECT_TRUE(form1.isEnabled());
    EXPECT_TRUE(form1.form2()->isVisible());
}

TEST_F(WindowTest, DefaultsSaveThatCannotWriteChangesNothingElse)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton5");
    TForm3* defaults = form1.defaultsWindows().value(0);
    retype(defaults, "cxTextEdit1", "New Co");
    retype(defaults, "cxBookNo", "77");
    blockProfileFolder();
    click(defaults, "cxButton2");

    EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot create file \"" + profilePath_ + "\". Not a directory"}));
    EXPECT_EQ(form1.state().Profile.Name, kSampleName);
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), kSampleName);
    EXPECT_EQ(form1.cxBookNo()->value(), 5);
    EXPECT_TRUE(defaults->isVisible());
    EXPECT_EQ(control<QLineEdit>(defaults, "cxTextEdit1")->text().toStdString(), "New Co");
}

TEST_F(WindowTest, DefaultsWithoutAProfileReportTwiceAndStillOpen)
{
    TForm1& form1 = openMainWindow();
    errors_.clear();
    click(&form1, "cxButton5");
    const std::string missing = "Cannot open file \"" + profilePath_ + "\". No such file or directory";
    EXPECT_EQ(errors_, (std::vector<std::string>{missing, missing}));
    ASSERT_EQ(form1.defaultsWindows().size(), 1);
    TForm3* defaults = form1.defaultsWindows()[0];
    EXPECT_TRUE(defaults->isVisible());
    EXPECT_EQ(defaults->profilePath(), profilePath_);
    EXPECT_EQ(control<QLineEdit>(defaults, "cxTextEdit1")->text().toStdString(), "");

    // Saving from it creates the profile.
    type(defaults, "cxTextEdit1", "Fresh Co");
    click(defaults, "cxButton2");
    EXPECT_EQ(ProfileLine(profilePath_), profileLineOf({"Fresh Co", "", "", "", "0", "0"}));
    EXPECT_EQ(form1.cxLabel13()->text().toStdString(), "Fresh Co");
}

// ---- exit -----------------------------------------------------------------

TEST_F(WindowTest, EscRunsTheExitCommandWhichSavesTheCountersAndCloses)
{
    // Whichever editor has the focus, Esc reaches the cancel button.
    for (const char* focus : {"Edit1", "cxBookNo", "cxDate01", "cxAmount01", "cxButton2"}) {
        SCOPED_TRACE(focus);
        writeSampleProfile();
        TForm1& form1 = openMainWindow();
        retype(&form1, "cxBookNo", "8");
        QWidget* target = control(&form1, focus);
        while (target->focusProxy())
            target = target->focusProxy();
        target->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_EQ(errors_, std::vector<std::string>{});
        EXPECT_EQ(ProfileLine(profilePath_),
                  profileLineOf({kSampleName, kSampleAddress, "1234567890", "1234567890123", "8", "27"}));
        EXPECT_FALSE(form1.isVisible());
    }
}

TEST_F(WindowTest, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    click(&form1, "cxButton5");
    click(&form1, "cxButton5");
    click(form1.defaultsWindows().value(1), "cxButton1");
    form1.defaultsWindows().value(0)->close(); // hidden, not destroyed
    click(&form1, "cxButton1");
    click(form1.form2(), "cxButton1");
    click(&form1, "cxButton5"); // one left showing

    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, &form1, [&form1] { form1.close(); });
    // Fails the test instead of hanging it if something keeps the program alive.
    QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    QApplication::setQuitOnLastWindowClosed(false);
}

TEST_F(WindowTest, ExitWhoseSaveFailsLeavesTheWindowOpen)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    blockProfileFolder();
    click(&form1, "cxButton3");
    EXPECT_EQ(errors_, (std::vector<std::string>{"Cannot create file \"" + profilePath_ + "\". Not a directory"}));
    EXPECT_TRUE(form1.isVisible());
}

TEST_F(WindowTest, ClosingTheMainWindowFromItsTitleBarDoesNotSave)
{
    writeSampleProfile();
    TForm1& form1 = openMainWindow();
    retype(&form1, "cxBookNo", "8");
    EXPECT_TRUE(form1.close());
    EXPECT_FALSE(form1.isVisible());
    EXPECT_EQ(ProfileLine(profilePath_), profileLineOf(kSampleFields));
}

} // namespace
} // namespace mervane::testing

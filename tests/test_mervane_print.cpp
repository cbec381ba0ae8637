#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kData = QStringLiteral(TEST_DATA_DIR "/print/");

struct Outcome {
    int exitCode = -1;
    QString err;
};

Outcome runPrint(const QStringList& args)
{
    QProcess p;
    p.setProgram(QStringLiteral(MERVANE_PRINT_EXE));
    p.setArguments(args);
    p.start();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Text extraction from a PDF places Thai marks above and below the line as
// separate glyphs, sometimes out of order; compare base letters only.
QString looseThai(const QString& text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        // U+F700..U+F71F: the fonts' private shifted forms of the same marks.
        if (c.isSpace() || u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E) ||
            (u >= 0xF700 && u <= 0xF71F))
            continue;
        out += u == 0x0E33 ? QChar(0x0E32) : c;
    }
    return out;
}

bool shows(const QString& page, const QString& text) { return looseThai(page).contains(looseThai(text)); }

} // namespace

TEST(MervanePrint, BadInputGivesOneLineAndNoOutput)
{
    struct Case {
        const char* file;
        const char* message; // after "mervane-print: <path>"
    } cases[] = {
        {"bad-syntax.json", ":3:33: unterminated object\n"},
        {"bad-type.json", ": certificate 2: PayeeName: expected text\n"},
        {"bad-unknown-key.json", ": certificate 1: Colour: unknown key\n"},
        {"bad-range.json", ": certificate 1: TaxType: out of range (1 to 7)\n"},
        {"bad-slot.json", ": certificate 1: Slots.16: unknown slot (slots are \"01\" to \"15\")\n"},
        {"bad-decimals.json", ": certificate 1: Slots.03.TaxAmount: has more than two decimals\n"},
        {"bad-decimals-large.json", ": certificate 1: Slots.02.Amount: has more than two decimals\n"},
        {"bad-too-large.json", ": certificate 1: Slots.01.Amount: has more than 13 digits before the decimal point\n"},
        {"bad-desp.json",
         ": certificate 1: Slots.01.Desp: this line has no description (only slots 08, 13, 14 and 15 have one)\n"},
        {"bad-control.json", ": certificate 1: PayeeAddress: contains U+000A, a line break or control character; texts print on one line\n"},
        {"bad-empty-tax.json",
         ": certificate 2: Slots.04.TaxAmount: Could not convert variant of type (Null) into type (String)\n"},
        {"bad-date.json", ": certificate 1: DateOut: \"2026-02-30\" is not a date \"YYYY-MM-DD\"\n"},
        {"bad-runno.json", ": certificate 1: RunNo: out of range (-2147483648 to 2147483647)\n"},
    };
    QTemporaryDir out;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString input = kData + c.file;
        const QString pdf = out.filePath(QStringLiteral("out.pdf"));
        const Outcome r = runPrint({"--profile", kData + "COMP.TXT", "--pdf", pdf, input});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.toStdString(), ("mervane-print: " + input + c.message).toStdString());
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "");
    }
}

TEST(MervanePrint, ProfileAndCommandLineErrors)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("out.pdf"));
    const QString good = kData + "good-one.json";
    struct Case {
        const char* name;
        QStringList args;
        QString firstLine;
    } cases[] = {
        {"missing profile", {"--profile", out.filePath("none.txt"), "--pdf", pdf, good},
         "mervane-print: Cannot open file \"" + out.filePath("none.txt") + "\". No such file or directory"},
        {"bad counter", {"--profile", kData + "COMP-bad.TXT", "--pdf", pdf, good},
         "mervane-print: '5x' is not a valid integer value"},
        {"no output chosen", {"--profile", kData + "COMP.TXT", good},
         "mervane-print: give exactly one of --pdf and --png"},
        {"unknown option", {"--pdf", pdf, "--colour", good}, "mervane-print: unknown option --colour"},
        {"unknown locale", {"--locale", "thai", "--pdf", pdf, good},
         "mervane-print: unknown locale \"thai\" (try th_TH or en_US)"},
        {"missing input", {"--profile", kData + "COMP.TXT", "--pdf", pdf, out.filePath("no.json")},
         "mervane-print: Cannot open file \"" + out.filePath("no.json") + "\". No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = runPrint(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.section('\n', 0, 0).toStdString(), c.firstLine.toStdString());
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST(MervanePrint, BatchToOnePdfWithTheTextsOnIt)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("batch.pdf"));
    const Outcome r = runPrint({"--profile", kData + "COMP.TXT", "--locale", "th_TH", "--pdf", pdf,
                            kData + "good-batch.json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList pages = pdfText(pdf).split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(shows(pages[0], QStringLiteral("ผู้รับเงินคนแรก"))) << pages[0].toStdString();
    EXPECT_TRUE(shows(pages[0], QStringLiteral("ห้าสิบบาทถ้วน")));
    EXPECT_TRUE(shows(pages[0], QStringLiteral("101")));
    // The second certificate takes the profile's counters and shows its dividend lines.
    EXPECT_TRUE(shows(pages[1], QStringLiteral("ผู้รับเงินคนที่สอง")));
    EXPECT_TRUE(shows(pages[1], QStringLiteral("เหตุอื่น")));
    EXPECT_TRUE(shows(pages[1], QStringLiteral("201.00")));
    EXPECT_TRUE(shows(pages[1], QStringLiteral("27")));
}

TEST(MervanePrint, PngPagesAtTheAskedResolution)
{
    QTemporaryDir out;
    const QString prefix = out.filePath(QStringLiteral("page"));
    const Outcome r = runPrint({"--profile", kData + "COMP.TXT", "--png", prefix, "--dpi", "72", kData + "good-batch.json"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).join(' ').toStdString(), "page-1.png page-2.png");
    const QImage page(prefix + "-1.png");
    EXPECT_EQ(page.width(), 595);
    EXPECT_EQ(page.height(), 842);
}

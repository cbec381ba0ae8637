#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

#include "model/Error.h"
#include "page/PageFill.h"
#include "page/PageFonts.h"
#include "page/PagePrinting.h"

using namespace mervane;

namespace {

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

struct Certificate {
    Page page;
    WorkingState state;
    TCertificate certificate;
    int fills = 0;

    Certificate()
    {
        LoadPageFonts();
        state.Profile = {"Example Trading Co", "12 Moo 3", "1234567890", "1234567890123"};
        certificate.PayeeName = "Somchai Jaidee";
        certificate.slot(1).Amount = 1234.5;
        certificate.slot(1).TaxAmount = 61.73;
    }
    PageStart start()
    {
        return [this] {
            ++fills;
            FillPage(page, certificate, state, FillSettings{}, nullptr);
        };
    }
};

} // namespace

TEST(Printing, EveryGenerationBlanksVariablesAndFillsAgain)
{
    Certificate c;
    QImage image(100, 100, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        GeneratePage(painter, c.page, c.start());
    }
    EXPECT_EQ(c.page.text("ppAmount01"), "1,234.50");
    c.certificate.slot(1) = TIncomeSlot{};
    {
        QPainter painter(&image);
        GeneratePage(painter, c.page, c.start());
    }
    EXPECT_EQ(c.page.text("ppAmount01"), "");
    EXPECT_EQ(c.page.text("ppAmountTotal"), "0.00");
    EXPECT_EQ(c.fills, 2);
}

TEST(Printing, SavedPdfCarriesThePage)
{
    Certificate c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    SavePagePdf(path, c.page, c.start());
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Somchai Jaidee"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1,234.50")));
    EXPECT_TRUE(text.contains(QStringLiteral("Example Trading Co")));
}

TEST(Printing, FailedFillLeavesNoPdfAndKeepsTheOldOne)
{
    Certificate c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    c.certificate.slot(2).Amount = 5.0; // counted without a tax amount
    EXPECT_THROW(SavePagePdf(path, c.page, c.start()), Error);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll().toStdString(), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(' ').toStdString(), "certificate.pdf");
}

// A begun print job cannot be taken back, so a fill that fails must stop
// before the printer is opened: no blank sheet leaves the printer.
TEST(Printing, FailedFillSendsNoJob)
{
    Certificate c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    SetUpCertificatePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    c.certificate.slot(2).Amount = 5.0; // counted without a tax amount
    EXPECT_THROW(PrintPage(printer, c.page, c.start()), Error);
    EXPECT_FALSE(QFile::exists(path));

    c.certificate.slot(2).TaxAmount = 0.15;
    PrintPage(printer, c.page, c.start());
    EXPECT_TRUE(pdfText(path).contains(QStringLiteral("Somchai Jaidee")));
}

TEST(Printing, SavingIntoAMissingFolderIsAnError)
{
    Certificate c;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/certificate.pdf"));
    try {
        SavePagePdf(path, c.page, c.start());
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith("Cannot create file \"" + path + "\". ")) << e.what();
    }
}

// The ink of one band-relative box on an A4 image, as grey levels.
QImage crop(const QImage& page, double leftMm, double topMm, double widthMm, double heightMm)
{
    const double px = page.width() / 210.0;
    return page.convertToFormat(QImage::Format_Grayscale8)
        .copy(QRect(qRound(leftMm * px), qRound(topMm * px), qRound(widthMm * px), qRound(heightMm * px)));
}

// How far two crops of the same size differ, from 0 (same) to 1, compared at a
// quarter of their resolution: the print path rasterises glyphs with other
// hinting and anti-aliasing, which must not count, while other text must.
double difference(const QImage& a, const QImage& b)
{
    const QSize small = a.size() / 4;
    const QImage sa = a.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage sb = b.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            sum += std::abs(qGray(sa.pixel(x, y)) - qGray(sb.pixel(x, y)));
    return sum / (255.0 * small.width() * small.height());
}

QImage rendered(Certificate& c, int dpi)
{
    QImage image(qRound(210.0 / 25.4 * dpi), qRound(297.0 / 25.4 * dpi), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    GeneratePage(painter, c.page, c.start());
    return image;
}

// Printing reaches the system's default printer the way the preview's print
// does. CI sets up CUPS with a PDF queue as the default; where no printer is
// configured the test is skipped unless MERVANE_REQUIRE_PRINTER is set. The
// queue's PDF goes through PostScript and loses its text layer, so the job is
// compared as an image with the page drawn here.
TEST(Printing, DefaultPrinterReceivesThePage)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        if (qEnvironmentVariableIsSet("MERVANE_REQUIRE_PRINTER"))
            FAIL() << "no default printer, but MERVANE_REQUIRE_PRINTER is set";
        GTEST_SKIP() << "no default printer on this machine";
    }
    // cups-pdf writes into the submitting user's home as the password
    // database has it, which need not be $HOME.
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const QDir out(QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    Certificate c;
    c.certificate.PayeeName = "นายทดสอบ เครื่องพิมพ์";
    QPrinter printer(info, QPrinter::HighResolution);
    SetUpCertificatePrinter(printer);
    PrintPage(printer, c.page, c.start());

    QString found;
    for (int attempt = 0; attempt < 300 && found.isEmpty(); ++attempt) {
        const QFileInfoList pdfs = out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        if (!pdfs.isEmpty() && pdfs.first().lastModified() >= before && pdfs.first().size() > 0)
            found = pdfs.first().filePath();
        else
            QThread::msleep(100);
    }
    ASSERT_FALSE(found.isEmpty()) << "no job PDF appeared in " << out.path().toStdString();
    QThread::msleep(300); // the queue may still be closing the file

    QTemporaryDir dir;
    QProcess raster;
    raster.setStandardErrorFile(QProcess::nullDevice());
    raster.start(QStringLiteral("pdftoppm"), {"-r", "100", "-singlefile", "-png", found, dir.filePath("job")});
    ASSERT_TRUE(raster.waitForFinished(60000));
    const QImage job(dir.filePath("job.png"));
    ASSERT_FALSE(job.isNull());

    const QImage expected = rendered(c, 100);
    // The same page with another name: the job must look much more
    // like the page it was given than like this one.
    c.certificate.PayeeName = "นางสาวอื่น ไม่ใช่คนเดิม";
    const QImage other = rendered(c, 100);
    // The payee's name, in millimetres from the paper's corner.
    const auto name = [](const QImage& page) { return crop(page, 15, 61.5, 45, 5); };
    const double same = difference(name(job), name(expected));
    const double another = difference(name(job), name(other));
    EXPECT_LT(same, 0.05);
    EXPECT_LT(same * 2, another);
}

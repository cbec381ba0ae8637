// mervane-print: certificates from JSON to PDF or PNG, without a window.
//
//   mervane-print [--profile FILE] [--locale NAME] --pdf OUT.pdf INPUT.json
//   mervane-print [--profile FILE] [--locale NAME] --png OUT_PREFIX [--dpi N] INPUT.json
//
// Every certificate is read and filled before anything is written, and every
// output is written atomically, so bad input leaves no output file at all.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string>
#include <vector>

#include "model/CompanyProfileFile.h"
#include "model/Error.h"
#include "page/CertificateJson.h"
#include "page/LocaleSettings.h"
#include "page/PageFonts.h"
#include "page/PageRenderer.h"

using namespace mervane;

namespace {

const char* const kUsage =
    "usage: mervane-print [--profile FILE] [--locale NAME] --pdf OUT.pdf INPUT.json\n"
    "       mervane-print [--profile FILE] [--locale NAME] --png OUT_PREFIX [--dpi N] INPUT.json\n";

// A command line that cannot be run; the usage follows its message.
struct UsageError : Error {
    using Error::Error;
};

struct Options {
    std::string profile = DefaultProfilePath();
    QString locale;
    QString pdf;
    QString pngPrefix;
    int dpi = 150;
    QString input;
};

Options parseOptions(const QStringList& args)
{
    Options o;
    bool dpiGiven = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                throw UsageError("option " + a.toStdString() + " needs a value");
            return args[++i];
        };
        if (a == "--profile")
            o.profile = value().toStdString();
        else if (a == "--locale") {
            o.locale = value();
            // QLocale takes any name and falls back to C; a mistyped name
            // would quietly print Gregorian dates on a Thai certificate.
            if (QLocale(o.locale).language() == QLocale::C && o.locale != "C" && o.locale != "POSIX")
                throw UsageError("unknown locale \"" + o.locale.toStdString() + "\" (try th_TH or en_US)");
        }
        else if (a == "--pdf")
            o.pdf = value();
        else if (a == "--png")
            o.pngPrefix = value();
        else if (a == "--dpi") {
            bool ok = false;
            const QString v = value();
            o.dpi = v.toInt(&ok);
            if (!ok || o.dpi < 10 || o.dpi > 2400)
                throw UsageError("--dpi takes a whole number from 10 to 2400, not \"" + v.toStdString() + "\"");
            dpiGiven = true;
        } else if (a.startsWith("--"))
            throw UsageError("unknown option " + a.toStdString());
        else if (o.input.isEmpty())
            o.input = a;
        else
            throw UsageError("only one input file is read; \"" + a.toStdString() + "\" is one too many");
    }
    if (o.input.isEmpty())
        throw UsageError("no input file given");
    if (o.pdf.isEmpty() == o.pngPrefix.isEmpty())
        throw UsageError("give exactly one of --pdf and --png");
    if (dpiGiven && o.pngPrefix.isEmpty())
        throw UsageError("--dpi applies to --png only");
    return o;
}

// The fill of one certificate; the headless tool never writes the profile.
struct Filler {
    WorkingState state;
    FillSettings settings;
    PageStart startFor(const TCertificate& c)
    {
        return [this, &c] { FillPage(page, c, state, settings, nullptr); };
    }
    Page page;
};

void writePdf(const QString& path, Filler& filler, const std::vector<TCertificate>& certificates)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("Mervane"));
        writer.setTitle(QStringLiteral("หนังสือรับรองการหักภาษี ณ ที่จ่าย"));
        QPainter painter(&writer);
        for (std::size_t i = 0; i < certificates.size(); ++i) {
            if (i > 0)
                writer.newPage();
            GeneratePage(painter, filler.page, filler.startFor(certificates[i]));
        }
    }
    if (!file.commit())
        throw Error("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
}

void writePngs(const QString& prefix, int dpi, Filler& filler, const std::vector<TCertificate>& certificates)
{
    const double dotsPerMetre = dpi / 0.0254;
    const QSize size(qRound(210.0 / 25.4 * dpi), qRound(297.0 / 25.4 * dpi));
    for (std::size_t i = 0; i < certificates.size(); ++i) {
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerMetre));
        image.setDotsPerMeterY(qRound(dotsPerMetre));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            GeneratePage(painter, filler.page, filler.startFor(certificates[i]));
        }
        const QString path = prefix + "-" + QString::number(i + 1) + ".png";
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
            throw Error("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    }
}

int run(const QStringList& args)
{
    const Options o = parseOptions(args);
    const std::string inputName = o.input.toStdString();

    QFile input(o.input);
    if (!input.open(QIODevice::ReadOnly))
        throw Error("Cannot open file \"" + inputName + "\". " + input.errorString().toStdString());
    const QByteArray json = input.readAll();

    const ProfileRecord profile = LoadProfileRecord(o.profile);
    std::vector<TCertificate> certificates = ParseCertificatesJson(json, inputName, profile);

    Filler filler;
    filler.state.Profile = profile.profile;
    filler.state.DividendWindowCreated = true; // all fifteen lines are evaluated
    filler.settings = o.locale.isEmpty() ? SystemFillSettings() : FillSettingsForLocale(QLocale(o.locale));

    // Fill every certificate once before writing, so that a bad one leaves no
    // output behind.
    for (std::size_t i = 0; i < certificates.size(); ++i) {
        try {
            filler.startFor(certificates[i])();
        } catch (const Error& e) {
            throw Error(inputName + ": certificate " + std::to_string(i + 1) + ": " + CountedLineWithoutTax(certificates[i]) +
                        e.what());
        }
    }

    LoadPageFonts();
    if (!o.pdf.isEmpty())
        writePdf(o.pdf, filler, certificates);
    else
        writePngs(o.pngPrefix, o.dpi, filler, certificates);
    return 0;
}

// Bad input must give one clear line on stderr; Qt's own chatter (such as the
// missing runtime folder of a headless session) is not for the user.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "mervane-print: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // The PDF writer builds every page in a buffer of a few hundred kilobytes
    // and lets it go; above glibc's default threshold each one would be mapped
    // and unmapped again, which costs a batch a sixth of its time.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
#endif
    qInstallMessageHandler(quietQtMessages);
    // No window is ever shown; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        return run(args);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "mervane-print: %s\n%s", e.what(), kUsage);
    } catch (const Error& e) {
        std::fprintf(stderr, "mervane-print: %s\n", e.what());
    }
    return 1;
}

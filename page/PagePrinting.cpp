#include "page/PagePrinting.h"

#include <QAction>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QToolBar>

#include "model/Error.h"
#include "page/PageRenderer.h"

namespace mervane {

namespace {

PrintPreviewHook& previewHook()
{
    static PrintPreviewHook hook;
    return hook;
}

// The fill of a generation may ask for the page to be printed again; while a
// preview is open such a request does nothing.
bool previewOpen = false;

const QPageLayout& certificatePageLayout()
{
    // The bands carry the margins themselves, so the device draws from the
    // paper's corner.
    static const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                    QPageLayout::Millimeter);
    return layout;
}

} // namespace

void SetUpCertificatePrinter(QPrinter& printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(certificatePageLayout());
    printer.setDocName(QStringLiteral("Report"));
    printer.setCreator(QStringLiteral("Mervane"));
}

void PrintPage(QPrinter& printer, Page& page, const PageStart& pageStart)
{
    // Qt's print engines cannot abort a begun job: ending the painter sends
    // it. So the fill runs before the printer is opened.
    PreparePage(page, pageStart);
    QPainter painter;
    if (!painter.begin(&printer))
        throw Error("The printer \"" + printer.printerName().toStdString() + "\" cannot be used");
    renderPage(painter, page);
    if (!painter.end())
        throw Error("The page could not be sent to the printer \"" + printer.printerName().toStdString() + "\"");
}

void SavePagePdf(const QString& path, Page& page, const PageStart& pageStart)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(certificatePageLayout());
        writer.setCreator(QStringLiteral("Mervane"));
        writer.setTitle(QStringLiteral("หนังสือรับรองการหักภาษี ณ ที่จ่าย"));
        QPainter painter;
        if (!painter.begin(&writer))
            throw Error("Cannot create file \"" + path.toStdString() + "\". The PDF writer could not start.");
        GeneratePage(painter, page, pageStart);
        painter.end();
    }
    if (!file.commit())
        throw Error("Cannot create file \"" + path.toStdString() + "\". " + file.errorString().toStdString());
}

void SetPrintPreviewHook(PrintPreviewHook hook) { previewHook() = std::move(hook); }

void ShowPrintPreview(QWidget* parent, Page& page, const PageStart& pageStart,
                      const std::function<void(const QString&)>& onError)
{
    if (previewOpen)
        return;
    previewOpen = true;
    struct Closing {
        ~Closing() { previewOpen = false; }
    } closing;

    if (previewHook()) {
        previewHook()(page, pageStart);
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    SetUpCertificatePrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Report"));

    // An error inside a generation cannot travel up through the dialog's event
    // loop; it is reported, and the device is never opened: for the preview an
    // empty page, for the printer no job at all.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* device) {
        try {
            PreparePage(page, pageStart);
        } catch (const Error& e) {
            if (onError)
                onError(QString::fromStdString(e.what()));
            return;
        }
        QPainter painter;
        if (painter.begin(device))
            renderPage(painter, page);
    });

    // Clerks e-mail certificates: the preview can save the page as a PDF too.
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* savePdf = toolbar->addAction(QStringLiteral("PDF"));
        savePdf->setToolTip(QStringLiteral("บันทึกเป็นไฟล์ PDF"));
        QObject::connect(savePdf, &QAction::triggered, &dialog, [&] {
            const QString path = QFileDialog::getSaveFileName(&dialog, QStringLiteral("บันทึกเป็นไฟล์ PDF"),
                                                              QString(), QStringLiteral("PDF (*.pdf)"));
            if (path.isEmpty())
                return;
            try {
                SavePagePdf(path, page, pageStart);
            } catch (const Error& e) {
                if (onError)
                    onError(QString::fromStdString(e.what()));
            }
        });
    }
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
        view->setZoomFactor(1.0);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

} // namespace mervane

#pragma once
#include <functional>

#include <QString>

#include "page/Layout.h"
#include "page/PageRenderer.h"

class QPainter;
class QPrinter;
class QWidget;

namespace mervane {

// The modal preview: maximised, at 100 %; the clerk prints from it through the
// print dialog or saves a PDF. Returns when it closes. An error raised by a
// generation inside the preview is passed to onError and nothing is drawn.
void ShowPrintPreview(QWidget* parent, Page& page, const PageStart& pageStart,
                      const std::function<void(const QString&)>& onError);

// Tests replace the modal preview (which would block) with their own road.
using PrintPreviewHook = std::function<void(Page&, const PageStart&)>;
void SetPrintPreviewHook(PrintPreviewHook hook);

// Prints one generation on the printer as it is set up (no dialog).
void PrintPage(QPrinter& printer, Page& page, const PageStart& pageStart);

// Writes one generation as a PDF file, atomically; throws mervane::Error with
// the reason when the file cannot be written.
void SavePagePdf(const QString& path, Page& page, const PageStart& pageStart);

// A4 portrait, margins as the page is laid out, job name "Report".
void SetUpCertificatePrinter(QPrinter& printer);

} // namespace mervane

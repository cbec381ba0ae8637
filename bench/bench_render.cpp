#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

#include "page/Layout.h"
#include "page/PageFonts.h"
#include "page/PageRenderer.h"

namespace mervane {
namespace {

// Painting needs an application object; the benchmarks' main is the
// library's, so one is made at first use and kept for the run.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_render";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    LoadPageFonts();
}

std::string slotName(const char* prefix, int slot)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d", prefix, slot);
    return name;
}

// A certificate with every box filled, its values varying with the index as
// a year-end batch's would.
Page samplePage(int index)
{
    Page page;
    const std::string n = std::to_string(index);
    page.setText("ppBookNo", "12");
    page.setText("ppRunNo", std::to_string(1000 + index));
    page.setText("ppLabel59", "บริษัท ตัวอย่างการค้า จำกัด");
    page.setText("ppLabel60", "123/45 หมู่ 6 ถนนสุขุมวิท ตำบลบางพลีใหญ่ อำเภอบางพลี จังหวัดสมุทรปราการ 10540");
    page.setText("ppLabel25", "0105551234567");
    page.setText("ppLabel58", "3100500123456");
    page.setText("ppLabel83", "นางสาวปิ่นฤดี ศรีสุขใจ " + n);
    page.setText("ppLabel84", n + " ซอยพหลโยธิน 7 แขวงสามเสนใน เขตพญาไท กรุงเทพฯ 10400");
    page.setText("ppLabel85", "11017002" + std::to_string(10000 + index % 90000));
    page.setText("ppLabel86", "11017002" + std::to_string(10000 + index % 90000));
    const char* forms[] = {"ppLabel64", "ppLabel65", "ppLabel66", "ppLabel67", "ppLabel68", "ppLabel69", "ppLabel70"};
    for (int i = 0; i < 7; ++i)
        page.setText(forms[i], i == index % 7 ? "X" : " ");
    const char* conditions[] = {"ppLabel54", "ppLabel55", "ppLabel56", "ppLabel57"};
    for (int i = 0; i < 4; ++i)
        page.setText(conditions[i], i == index % 4 ? "X" : " ");
    page.setText("ppLabel63", "ผู้รับเงินออกเอง");
    page.setText("ppDesp05", "ค่าบริการที่ปรึกษาทางกฎหมาย");
    page.setText("ppDesp06", "ค่าเช่าอาคารสำนักงาน");
    page.setText("ppDesp7", "10");
    page.setText("ppdesp8", "ปันผลพิเศษ");
    for (int slot = 1; slot <= 15; ++slot) {
        page.setText(slotName("ppDate", slot), std::to_string(1 + (index + slot) % 28) + "/6/2567");
        page.setText(slotName("ppAmount", slot),
                     std::to_string(1000 + index) + "," + std::to_string(100 + slot) + ".50");
        page.setText(slotName("ppTaxAmount", slot), std::to_string(30 + slot) + "." + std::to_string(10 + index % 90));
    }
    page.setText("ppAmountTotal", "18,518,518.35");
    page.setText("ppAmountTaxTotal", std::to_string(5000 + index) + ".60");
    page.setText("ppWordAmount", "ห้าแสนห้าหมื่นห้าพันห้าร้อยห้าสิบห้าบาทหกสิบสตางค์");
    page.setText("ppDateOut", "30/6/2567");
    return page;
}

// pages certificates into one PDF in memory; returns its size.
qint64 writePdf(PageRenderer& renderer, const std::vector<Page>& pages, int count)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PaperLayout());
        QPainter painter(&writer);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                writer.newPage();
            renderer.render(painter, pages[std::size_t(i) % pages.size()]);
        }
    }
    return buffer.size();
}

// A thousand certificates, none like another: nothing a page shows for its
// values was shaped for an earlier page.
const std::vector<Page>& samplePages()
{
    static const std::vector<Page> pages = [] {
        std::vector<Page> all;
        for (int i = 0; i < 1000; ++i)
            all.push_back(samplePage(i));
        return all;
    }();
    return pages;
}

// One certificate, one PDF, its texts already shaped by an earlier draw: the
// preview's print, or the program's second certificate.
void BM_PdfOnePage(benchmark::State& state)
{
    ensureApplication();
    const std::vector<Page>& pages = samplePages();
    PageRenderer renderer;
    writePdf(renderer, pages, 1);
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = writePdf(renderer, pages, 1);
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_PdfOnePage)->Unit(benchmark::kMillisecond);

// One certificate, one PDF, every text shaped afresh: the first print.
void BM_PdfOnePageFreshRenderer(benchmark::State& state)
{
    ensureApplication();
    const std::vector<Page>& pages = samplePages();
    for (auto _ : state) {
        PageRenderer renderer;
        benchmark::DoNotOptimize(writePdf(renderer, pages, 1));
    }
}
BENCHMARK(BM_PdfOnePageFreshRenderer)->Unit(benchmark::kMillisecond);

// A batch: N certificates, each with its own values, into one PDF.
void BM_PdfBatch(benchmark::State& state)
{
    ensureApplication();
    const std::vector<Page>& pages = samplePages();
    const int count = int(state.range(0));
    qint64 bytes = 0;
    for (auto _ : state) {
        PageRenderer renderer;
        bytes = writePdf(renderer, pages, count);
    }
    state.counters["ms_per_page"] =
        benchmark::Counter(double(count) / 1000,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_PdfBatch)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The page as a 150-per-inch image (mervane-print --png's default).
void BM_Image150(benchmark::State& state)
{
    ensureApplication();
    const Page page = samplePage(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPageImage(page, 150));
}
BENCHMARK(BM_Image150)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace mervane

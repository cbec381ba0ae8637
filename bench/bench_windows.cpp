// Times the program's own start and its print road, outside the test suite.
//
//   bench_windows start PROFILE     start as the program does, show the main
//                                   window, wait until it is on screen, exit
//                                   (time whole runs of this with hyperfine)
//   bench_windows preview PROFILE N click print N times; prints the time from
//                                   the click to the preview on screen with
//                                   its page generated, and the median
#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "page/PageFonts.h"
#include "ui/Icons.h"
#include "ui/TForm1.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_windows start|preview PROFILE [N]\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mervane"));
    mervane::LoadPageFonts();
    QApplication::setWindowIcon(mervane::MervaneIcon("app"));
    mervane::TForm1 form1(argv[2]);
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        return 1;
    if (QByteArray(argv[1]) == "start")
        return 0;

    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 10;
    auto* print = form1.findChild<QPushButton*>(QStringLiteral("cxButton2"));
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        // The preview is modal: watch for it from inside its own loop.
        QTimer watch;
        watch.setInterval(1);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            watch.stop();
            if (!QTest::qWaitForWindowExposed(dialog))
                std::fprintf(stderr, "the preview never came on screen\n");
            QApplication::processEvents(); // the first generation is drawn on show
            times.push_back(clock.nsecsElapsed() / 1e6);
            dialog->reject();
        });
        watch.start();
        clock.start();
        print->click();
    }
    std::sort(times.begin(), times.end());
    for (double t : times)
        std::printf("%.1f ms\n", t);
    std::printf("median from print click to preview: %.1f ms over %d runs\n", times[times.size() / 2], runs);
    return 0;
}

// A page turn of the mushaf view, from the turn to the new page painted,
// against the browser engine repainting the same page: the same markup put
// into the same document again and painted (medians of several turns). Also
// the first page after the view is made (what switching to the mushaf costs
// the first time). Targets: a turn within 50 ms, the first page within 300 ms.
//
// usage: bench_mushaf [APPFOLDER]   (default: the folder of this program)

#include "mushaf/mushafindex.h"
#include "store/connection.h"
#include "ui/mushaf/mushafview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kTurns = 21;
constexpr int kTimeoutMs = 20000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the event loop until `signal` of `sender` fires; false on a timeout.
template <typename Sender, typename Signal> bool waitFor(Sender* sender, Signal signal)
{
    QEventLoop loop;
    bool fired = false;
    QObject::connect(sender, signal, &loop, [&] {
        fired = true;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return fired;
}

void report(const char* what, const std::vector<double>& runs, double targetMs)
{
    const double m = median(runs);
    std::printf("%-40s median %6.1f ms  (target < %.0f ms: %s)\n", what, m, targetMs, m < targetMs ? "met" : "not met");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser engine refuses to start as root with its sandbox.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    QTemporaryDir dir;
    if (!QFile::copy(source + QStringLiteral("/DIC.DAT"), dir.path() + QStringLiteral("/DIC.DAT"))) {
        std::fprintf(stderr, "bench_mushaf: no DIC.DAT in %s\n", qPrintable(source));
        return 1;
    }
    auto connection = tilvora::store::Connection::open(dir.path() + QStringLiteral("/DIC.DAT"));
    auto index = std::make_shared<const tilvora::mushaf::MushafIndex>(tilvora::mushaf::MushafIndex::load(*connection));

    QElapsedTimer clock;
    clock.start();
    tilvora::ui::MushafView view(*connection, index, source + QStringLiteral("/fonts/uthmanic-hafs-v22.ttf"));
    view.resize(900, 720);
    view.show();
    if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
        std::fprintf(stderr, "bench_mushaf: the first page was never painted\n");
        return 1;
    }
    const double firstPage = double(clock.nsecsElapsed()) / 1e6;

    QWebEnginePage* page = view.webView()->page();
    std::vector<double> turns;
    std::vector<double> repaints;
    for (int k = 0; k < kTurns; ++k) {
        clock.restart();
        view.turn(1);
        if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
            std::fprintf(stderr, "bench_mushaf: page %d was never painted\n", view.currentPage());
            return 1;
        }
        turns.push_back(double(clock.nsecsElapsed()) / 1e6);

        // The same page's markup put into the document again and painted.
        clock.restart();
        page->runJavaScript(QStringLiteral("(function () { var b = document.getElementById('book');"
                                           " b.innerHTML = b.innerHTML; requestAnimationFrame(function () {"
                                           " setTimeout(function () { document.title = 'r%1'; }, 0); }); })()")
                                .arg(k));
        if (!waitFor(page, &QWebEnginePage::titleChanged)) {
            std::fprintf(stderr, "bench_mushaf: the engine did not repaint page %d\n", view.currentPage());
            return 1;
        }
        repaints.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%-40s %6.1f ms  (target < 300 ms: %s)\n", "first page of a new view", firstPage,
        firstPage < 300 ? "met" : "not met");
    report("page turn, turn to painted", turns, 50);
    const double ratio = median(turns) / median(repaints);
    std::printf("%-40s median %6.1f ms  ratio %.2f\n", "  baseline: the engine repainting it", median(repaints), ratio);
    return 0;
}

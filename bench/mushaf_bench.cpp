// A page turn of the mushaf view, from the turn to the new page painted,
// against the browser engine repainting the same page: the same markup put
// into the same document again and painted, reported to the program the
// same way (medians of several turns). Also
// the first page after the view is made (what switching to the mushaf costs
// the first time), and a jump to a page far away. Targets: a turn within
// 50 ms, the first page within 300 ms.
//
// Besides the totals (the program's clock) it prints where the time went on
// the engine's own clock, from the marks the page script sets as it shows a
// page: building the page's elements, justifying its lines, the marks and
// the hidden words, the wait for the engine's next frame, and the frame
// itself (style, layout and paint) up to the report that it was painted.
//
// usage: bench_mushaf [--turns N] [APPFOLDER]   (default: the folder of this program)
// With BENCH_ALL=1 in the environment it prints every run of each step too.

#include "mushaf/mushafindex.h"
#include "mushaf/mushafpage.h"
#include "mushaf/pagemarkup.h"
#include "store/connection.h"
#include "ui/mushaf/mushafview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariantMap>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 20000;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The wall clock in ms, as the engine's marks give it (its time origin plus a mark).
double wallMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::system_clock::now().time_since_epoch()).count();
}

double msSince(const QElapsedTimer& clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
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

QVariant evaluate(QWebEnginePage* page, const QString& script)
{
    QEventLoop loop;
    QVariant answer;
    page->runJavaScript(script, [&](const QVariant& value) {
        answer = value;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return answer;
}

// Waits until the engine is idle: what the page script left for an idle
// moment is done.
bool settle(QWebEnginePage* page)
{
    static int count = 0;
    page->runJavaScript(
        QStringLiteral("requestIdleCallback(function () { document.title = 'idle %1'; })").arg(++count));
    return waitFor(page, &QWebEnginePage::titleChanged);
}

// The page script's marks, by name, in ms on the engine's clock.
QVariantMap marks(QWebEnginePage* page)
{
    return evaluate(page,
        QStringLiteral("(function () { var m = {}; performance.getEntriesByType('mark')"
                       ".forEach(function (e) { m[e.name] = e.startTime; }); m.origin = performance.timeOrigin;"
                       " return m; })()"))
        .toMap();
}

// The steps of one show on the engine's clock, each the time between two marks.
struct Steps {
    static constexpr const char* kSteps[][3] = {{"build the elements", "show", "dom"},
        {"justify the lines", "dom", "fit"}, {"marks, hidden words", "fit", "script"},
        {"wait for the next frame", "script", "frame"}, {"frame: style and layout", "frame", "layout"},
        {"frame: paint, to the report", "layout", "painted"}, {"script to painted, in all", "show", "painted"}};
    std::vector<double> runs[std::size(kSteps)];

    void add(const QVariantMap& m)
    {
        for (std::size_t k = 0; k < std::size(kSteps); ++k) {
            const QString from = QLatin1String(kSteps[k][1]);
            const QString to = QLatin1String(kSteps[k][2]);
            if (m.contains(from) && m.contains(to))
                runs[k].push_back(m.value(to).toDouble() - m.value(from).toDouble());
        }
    }
    void print(const char* title) const
    {
        std::printf("  %s (engine's clock, medians):\n", title);
        for (std::size_t k = 0; k < std::size(kSteps); ++k) {
            std::printf("    %-36s %6.1f ms", kSteps[k][0], median(runs[k]));
            if (qEnvironmentVariableIsSet("BENCH_ALL"))
                for (double v : runs[k])
                    std::printf(" %.0f", v);
            std::printf("\n");
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser engine refuses to start as root with its sandbox.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    int turnCount = 21;
    QString source = QCoreApplication::applicationDirPath();
    const QStringList args = app.arguments();
    for (int k = 1; k < args.size(); ++k) {
        if (args[k] == QLatin1String("--turns") && k + 1 < args.size())
            turnCount = std::max(1, args[++k].toInt());
        else
            source = QDir(args[k]).absolutePath();
    }
    QTemporaryDir dir;
    if (!QFile::copy(source + QStringLiteral("/DIC.DAT"), dir.path() + QStringLiteral("/DIC.DAT"))) {
        std::fprintf(stderr, "bench_mushaf: no DIC.DAT in %s\n", qPrintable(source));
        return 1;
    }
    auto connection = tilvora::store::Connection::open(dir.path() + QStringLiteral("/DIC.DAT"));
    // The window's own panes have started the browser engine before the
    // mushaf is first shown: so does a plain view here.
    QElapsedTimer clock;
    clock.start();
    {
        QWebEngineView pane;
        pane.resize(300, 200);
        pane.setHtml(QStringLiteral("<p>pane</p>"));
        pane.show();
        if (!waitFor(&pane, &QWebEngineView::loadFinished)) {
            std::fprintf(stderr, "bench_mushaf: the browser engine did not start\n");
            return 1;
        }
    }
    const double engineStart = msSince(clock);

    // The mode reads the mushaf's index once, when it is first shown.
    clock.restart();
    auto index = std::make_shared<const tilvora::mushaf::MushafIndex>(tilvora::mushaf::MushafIndex::load(*connection));
    const double indexRead = msSince(clock);

    // The first page: the view made, its document loaded, the page painted.
    clock.restart();
    tilvora::ui::MushafView view(*connection, index, source + QStringLiteral("/fonts/uthmanic-hafs-v22.ttf"));
    const double made = msSince(clock);
    double loaded = 0;
    QObject::connect(view.webView(), &QWebEngineView::loadFinished, &view, [&] { loaded = msSince(clock); });
    // A page of full lines (the first two pages are set apart).
    view.showPage(42);
    view.resize(900, 720);
    view.show();
    if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
        std::fprintf(stderr, "bench_mushaf: the first page was never painted\n");
        return 1;
    }
    const double firstPage = msSince(clock);
    QWebEnginePage* page = view.webView()->page();
    const QVariantMap first = marks(page);
    // Its lines as painted: each should span the text's width.
    const int unjustified = evaluate(page,
        QStringLiteral("(function () { var width = parseFloat(document.documentElement.style.getPropertyValue("
                       "'--line-width')); return Array.prototype.filter.call(document.querySelectorAll('.page:not("
                       ".opening) .text'), function (t) { return Math.abs(t.getBoundingClientRect().width - width) >"
                       " 1.5; }).length; })()"))
                                .toInt();

    std::vector<double> turns;
    std::vector<double> repaints;
    std::vector<double> data;
    // From the turn to the script's start, and from its report to the
    // program (the wall clock on both sides).
    std::vector<double> toScript;
    std::vector<double> toProgram;
    Steps turnSteps;
    Steps repaintSteps;
    for (int k = 0; k < turnCount; ++k) {
        // Whatever the view does between turns (a reader turns pages
        // seconds apart) is over before the next turn.
        settle(page);
        clock.restart();
        const double sent = wallMs();
        view.turn(1);
        if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
            std::fprintf(stderr, "bench_mushaf: page %d was never painted\n", view.currentPage());
            return 1;
        }
        turns.push_back(msSince(clock));
        const double received = wallMs();
        const QVariantMap turnMarks = marks(page);
        turnSteps.add(turnMarks);
        const double origin = turnMarks.value(QStringLiteral("origin")).toDouble();
        toScript.push_back(origin + turnMarks.value(QStringLiteral("show")).toDouble() - sent);
        toProgram.push_back(received - origin - turnMarks.value(QStringLiteral("painted")).toDouble());

        // The program's own share before the engine: the pages read from
        // the store and made into markup.
        clock.restart();
        std::vector<tilvora::mushaf::MushafPage> pages;
        for (int shown : view.shownPages())
            pages.push_back(tilvora::mushaf::MushafPage::load(*connection, *index, shown));
        const auto spread = tilvora::mushaf::markSpread(pages, *index);
        data.push_back(msSince(clock));

        // The same page's markup put into the document again and painted,
        // once the view has done what it left for an idle moment.
        settle(page);
        clock.restart();
        // It reports the paint the way a turn does.
        page->runJavaScript(QStringLiteral(
            "(function () { ['show', 'dom', 'fit', 'script', 'frame', 'layout', 'painted'].forEach(function (n) {"
            " performance.clearMarks(n); }); performance.mark('show'); var b = document.getElementById('book');"
            " b.innerHTML = b.innerHTML; performance.mark('dom'); performance.mark('fit'); performance.mark('script');"
            " tilvoraMushaf.reportPainted(); })()"));
        if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
            std::fprintf(stderr, "bench_mushaf: the engine did not repaint page %d\n", view.currentPage());
            return 1;
        }
        repaints.push_back(msSince(clock));
        repaintSteps.add(marks(page));
    }

    // Turns in a row, each as soon as the last was painted (what the
    // document does after a turn is not over yet).
    std::vector<double> rapid;
    for (int k = 0; k < turnCount; ++k) {
        clock.restart();
        view.turn(1);
        if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
            std::fprintf(stderr, "bench_mushaf: page %d was never painted\n", view.currentPage());
            return 1;
        }
        rapid.push_back(msSince(clock));
    }

    // A jump to a page far away (no neighbour of the page shown).
    std::vector<double> jumps;
    Steps jumpSteps;
    for (int k = 0; k < std::max(3, turnCount / 3); ++k) {
        settle(page);
        clock.restart();
        view.showPage(100 + (k * 97) % 480);
        if (!waitFor(&view, &tilvora::ui::MushafView::pagePainted)) {
            std::fprintf(stderr, "bench_mushaf: page %d was never painted\n", view.currentPage());
            return 1;
        }
        jumps.push_back(msSince(clock));
        jumpSteps.add(marks(page));
    }

    const double turn = median(turns);
    const double repaint = median(repaints);
    // Switching to the mushaf the first time reads its index and makes the view.
    const double switched = indexRead + firstPage;
    std::printf("first page after switching to the mushaf %6.1f ms  (target < 300 ms: %s)\n", switched,
        switched < 300 ? "met" : "not met");
    std::printf("  the mushaf's index read in %.1f ms, the first page of a new view painted in %.1f ms (before it, not"
                " counted: the browser engine started by a plain view in %.1f ms, as the window's panes do)\n",
        indexRead, firstPage, engineStart);
    std::printf("  view made %.1f ms, document loaded at %.1f ms; engine's clock from the navigation: channel %.1f,"
                " fonts loaded %.1f%s, show %.1f, painted %.1f ms\n",
        made, loaded, first.value(QStringLiteral("channel")).toDouble(),
        first.value(QStringLiteral("fonts")).toDouble(),
        first.contains(QStringLiteral("font-missing")) ? " (not yet loaded when the page was shown)" : "",
        first.value(QStringLiteral("show")).toDouble(), first.value(QStringLiteral("painted")).toDouble());
    std::printf("  lines of the first page that do not span its width: %d\n", unjustified);
    std::printf("page turn, turn to painted (%2d turns)     median %6.1f ms  (target < 50 ms: %s)\n", int(turns.size()),
        turn, turn < 50 ? "met" : "not met");
    std::printf("  baseline: the engine repainting it      median %6.1f ms  ratio %.2f\n", repaint, turn / repaint);
    std::printf("  the pages read and made into markup     median %6.1f ms\n", median(data));
    std::printf("  from the turn to the page script        median %6.1f ms\n", median(toScript));
    std::printf("  from its report to the program          median %6.1f ms\n", median(toProgram));
    turnSteps.print("the turn");
    repaintSteps.print("the engine's repaint");
    std::printf("turns in a row, no pause (%2d turns)       median %6.1f ms\n", int(rapid.size()), median(rapid));
    std::printf("jump to a page far away (%2d jumps)        median %6.1f ms\n", int(jumps.size()), median(jumps));
    jumpSteps.print("the jump");
    return 0;
}

// The speed the reader feels in the desktop window, each measure against
// what the browser engine itself needs for the same work in the same run,
// medians of several runs. Paints and loads are read from the engine's own
// clock (the paint timeline's first contentful paint and the navigation's
// load end, both on the epoch through performance.timeOrigin):
//  - process start to chapter 1 painted and loaded in the reading pane,
//    against a process that creates one view and loads one small page;
//  - the whole-book search page ("__Search = *"), chapter 2 ("__Surah = 2")
//    and a search with a highlight ("__Search = *the"), from the command to
//    the first screen painted and to the page loaded, against the engine
//    alone (a plain view of the reading pane's size with the reading pane's
//    layout rule, no other script of ours) loading the page file the command
//    wrote;
//  - a theme and a font switch on chapter 2, to the first frame painted after
//    it;
//  - the memory of the whole process tree with the whole-book page, and after
//    50 alternations of chapter 2 and the whole book.
// The child processes also tell where the start's time goes: to main(), the
// session (store, window, the panes' engines), the pane scripts' own time
// (their performance measures) and the side panes' loads; and how many
// frames the engine laid out again ("ResizeObserver loop" reports).
//
// usage: bench_window [--no-memory] [--chapter-only] [APPFOLDER]
// (--chapter-only: chapter 2 and the switches, without the start and the
// searches)
// (APPFOLDER: by default the folder of this program)
// The application folder is copied to a temporary folder first, so the
// build's own folder is never written.

#include "navigation/mainwindowlogic.h"
#include "pages/readingtheme.h"
#include "ui/panes/browserpane.h"
#include "ui/reading/readingcomfort.h"
#include "ui/shell/desktopsession.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>

using tilvora::host::Pane;
using tilvora::ui::DesktopSession;
using tilvora::ui::PanePage;

namespace {

constexpr int kRuns = 7;
constexpr int kAlternations = 50;
constexpr int kTimeoutMs = 60000;
// How long the window is left to itself between two commands.
constexpr int kSettleMs = 300;

double nowMs()
{
    using namespace std::chrono;
    return static_cast<double>(duration_cast<microseconds>(system_clock::now().time_since_epoch()).count()) / 1000.0;
}

const double gMainEntered = nowMs();

// The engine's "ResizeObserver loop limit exceeded" reports: each is a frame
// whose layout was redone because laying it out changed what it showed.
int gLayoutLoops = 0;
QtMessageHandler gDefaultHandler = nullptr;

void countLayoutLoops(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("ResizeObserver loop")))
        ++gLayoutLoops;
    else
        gDefaultHandler(type, context, message);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool copyFolder(const QString& source, const QString& target)
{
    const QStringList files{QStringLiteral("DIC.DAT"), QStringLiteral("WebSearch.Htm"), QStringLiteral("WebSurah.Htm"),
        QStringLiteral("WebWord.Htm"), QStringLiteral("WebSubject.Htm")};
    for (const QString& name : files) {
        if (!QFile::copy(source + QLatin1Char('/') + name, target + QLatin1Char('/') + name))
            return false;
    }
    QDirIterator it(source + QStringLiteral("/media"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = target + file.mid(source.size());
        QDir().mkpath(QFileInfo(copy).path());
        QFile::copy(file, copy);
    }
    return true;
}

// Runs a script in the page's main world and waits for its answer (an empty
// one on a timeout; an answer that comes later goes nowhere).
QVariant evaluate(QWebEnginePage* page, const QString& script, int timeoutMs = 10000)
{
    struct Answer {
        QVariant value;
        bool done = false;
        QEventLoop* loop = nullptr;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    page->runJavaScript(script, QWebEngineScript::MainWorld, [answer](const QVariant& value) {
        answer->value = value;
        answer->done = true;
        if (answer->loop)
            answer->loop->quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!answer->done)
        loop.exec();
    answer->loop = nullptr;
    return answer->value;
}

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the engine's clock says of the document in a page: its first
// contentful paint and its load end (milliseconds since the epoch, 0 while
// not yet), and the pane scripts' own measures.
struct PageClock {
    double paint = 0;
    double load = 0;
    QJsonArray scripts;
};

PageClock readClock(QWebEnginePage* page)
{
    static const QString script = QStringLiteral(R"((function () {
  var paint = performance.getEntriesByName('first-contentful-paint')[0];
  var navigation = performance.getEntriesByType('navigation')[0];
  var origin = performance.timeOrigin;
  return JSON.stringify({
    paint: paint ? origin + paint.startTime : 0,
    load: navigation && navigation.loadEventEnd ? origin + navigation.loadEventEnd : 0,
    url: String(location.href),
    scripts: performance.getEntriesByType('measure').map(function (m) { return [m.name, m.duration]; })
  });
})())");
    const QJsonObject answer = QJsonDocument::fromJson(evaluate(page, script).toString().toUtf8()).object();
    return {answer.value(QStringLiteral("paint")).toDouble(), answer.value(QStringLiteral("load")).toDouble(),
        answer.value(QStringLiteral("scripts")).toArray()};
}

// Waits until the page's document has been painted and loaded; the clock,
// or a zero clock on a timeout.
PageClock waitForClock(QWebEnginePage* page)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTimeoutMs) {
        const PageClock clock = readClock(page);
        if (clock.paint > 0 && clock.load > 0)
            return clock;
        pause(10);
    }
    return {};
}

// The epoch time of the first frame the page paints after now.
double nextFrame(QWebEnginePage* page)
{
    evaluate(page,
        QStringLiteral("window.__benchFrame = 0; requestAnimationFrame(function () {"
                       " requestAnimationFrame(function () {"
                       " window.__benchFrame = performance.timeOrigin + performance.now(); }); }); true"));
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTimeoutMs) {
        const double frame = evaluate(page, QStringLiteral("window.__benchFrame || 0")).toDouble();
        if (frame > 0)
            return frame;
        pause(2);
    }
    return 0;
}

void printLine(const char* key, const QJsonObject& values)
{
    std::printf("%s %s\n", key, QJsonDocument(values).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

// Child: the program's own start-up. Prints when main() ran, when the
// session had started, the reading pane's clock and the side panes' loads.
int childStart(const QString& appFolder)
{
    auto session = DesktopSession::start(appFolder);
    const double started = nowMs();
    if (!session)
        return 1;
    PanePage* reading = session->window().page(Pane::WebMain);
    PageClock clock;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTimeoutMs && clock.load == 0) {
        if (reading->url().fileName() == QLatin1String("Main.htm"))
            clock = waitForClock(reading);
        else
            pause(10);
    }
    if (clock.load == 0)
        return 2;
    double sidePanes = 0;
    for (Pane pane : {Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl})
        sidePanes = std::max(sidePanes, waitForClock(session->window().page(pane)).load);
    printLine("start",
        QJsonObject{{QStringLiteral("main"), gMainEntered}, {QStringLiteral("session"), started},
            {QStringLiteral("paint"), clock.paint}, {QStringLiteral("load"), clock.load},
            {QStringLiteral("sides"), sidePanes}, {QStringLiteral("scripts"), clock.scripts}});
    return 0;
}

// Child: the engine alone, one view loading one small local page.
int childFloor(const QString& folder)
{
    const QString path = folder + QStringLiteral("/floor.htm");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("<html><body><table class=sura><tr><td>1</td></tr></table></body></html>");
    file.close();
    QWebEngineView view;
    view.resize(800, 600);
    view.show();
    view.load(QUrl::fromLocalFile(path));
    const PageClock clock = waitForClock(view.page());
    if (clock.load == 0)
        return 2;
    printLine("start",
        QJsonObject{{QStringLiteral("main"), gMainEntered}, {QStringLiteral("paint"), clock.paint},
            {QStringLiteral("load"), clock.load}});
    return 0;
}

// Starts this program with `arguments` and returns the line it printed,
// with "spawn" added: when it was started.
QJsonObject runChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const double spawn = nowMs();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(kTimeoutMs);
    const QByteArray output = child.readAllStandardOutput();
    const qsizetype at = output.indexOf("start ");
    if (at < 0)
        return {};
    QJsonObject line = QJsonDocument::fromJson(output.mid(at + 6, output.indexOf('\n', at) - at - 6)).object();
    line.insert(QStringLiteral("spawn"), spawn);
    return line;
}

// The resident memory of this process and its descendants (the engine's
// processes), in MB: now, and the sum of each one's peak.
struct TreeMemory {
    double residentMb = 0;
    double peakMb = 0;
};

TreeMemory treeMemory()
{
    std::map<int, int> parents;
    for (const QString& name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = name.toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            parents[pid] = fields[1].toInt();
    }
    const auto descends = [&](int pid) {
        for (int at = pid; at > 1; at = parents.count(at) ? parents[at] : 0) {
            if (at == static_cast<int>(getpid()))
                return true;
        }
        return false;
    };
    TreeMemory memory;
    for (const auto& [pid, parent] : parents) {
        if (!descends(pid))
            continue;
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            const auto kb = [&line] { return line.simplified().split(' ').value(1).toDouble() / 1024; };
            if (line.startsWith("VmRSS:"))
                memory.residentMb += kb();
            else if (line.startsWith("VmHWM:"))
                memory.peakMb += kb();
        }
    }
    return memory;
}

// One measure's runs against the engine's runs of the same work.
struct Measure {
    const char* name;
    std::vector<double> ours;
    std::vector<double> engine;
    const char* target;
};

void report(const Measure& measure)
{
    const double ours = median(measure.ours);
    const double engine = median(measure.engine);
    std::printf("| %s | %.0f ms | ", measure.name, ours);
    if (measure.engine.empty())
        std::printf("- | - | %s |\n", measure.target);
    else
        std::printf("%.0f ms | %.2f | %s |\n", engine, ours / engine, measure.target);
    std::printf("|   runs:");
    for (double run : measure.ours)
        std::printf(" %.0f", run);
    if (!measure.engine.empty()) {
        std::printf(" / engine:");
        for (double run : measure.engine)
            std::printf(" %.0f", run);
    }
    std::printf(" | | | |\n");
}

void startUp(const QString& folder)
{
    Measure paint{"start → chapter 1 painted", {}, {}, "≤ 1.5x"};
    Measure load{"start → chapter 1 loaded", {}, {}, "report"};
    std::vector<double> toMain, session, sides, floorMain;
    int loops = 0;
    std::map<QString, std::vector<double>> scripts;
    for (int run = 0; run < kRuns; ++run) {
        const QJsonObject ours = runChild({QStringLiteral("--child-start"), folder});
        const QJsonObject floor = runChild({QStringLiteral("--child-floor"), folder});
        if (ours.isEmpty() || floor.isEmpty()) {
            std::fprintf(stderr, "bench_window: a start-up run failed\n");
            continue;
        }
        const auto since = [](const QJsonObject& line, const char* key) {
            return line.value(QLatin1String(key)).toDouble() - line.value(QStringLiteral("spawn")).toDouble();
        };
        paint.ours.push_back(since(ours, "paint"));
        paint.engine.push_back(since(floor, "paint"));
        load.ours.push_back(since(ours, "load"));
        load.engine.push_back(since(floor, "load"));
        toMain.push_back(since(ours, "main"));
        floorMain.push_back(since(floor, "main"));
        session.push_back(since(ours, "session"));
        sides.push_back(since(ours, "sides"));
        loops += ours.value(QStringLiteral("loops")).toInt();
        std::map<QString, double> total;
        for (const QJsonValue& entry : ours.value(QStringLiteral("scripts")).toArray())
            total[entry.toArray().at(0).toString()] += entry.toArray().at(1).toDouble();
        for (const auto& [name, ms] : total)
            scripts[name].push_back(ms);
    }
    report(paint);
    report(load);
    std::printf("(start: main() at %.0f ms (engine process %.0f ms), session started at %.0f ms, side panes"
                " loaded at %.0f ms; layout loops reported in %d runs: %d)\n",
        median(toMain), median(floorMain), median(session), median(sides), kRuns, loops);
    for (const auto& [name, runs] : scripts)
        std::printf("(chapter 1, pane script %s: %.1f ms)\n", qPrintable(name), median(runs));
}

// From a command in the window to the reading pane's next document painted
// and loaded, with the pane scripts' measures; zeros on a timeout. `ownMs`:
// the time the command itself took (the page rendered and written).
PageClock commandClock(tilvora::ui::MainWindow& window, const QString& command, double* startedAt, double* ownMs)
{
    PanePage* reading = window.page(Pane::WebMain);
    evaluate(reading, QStringLiteral("window.__benchOld = true"));
    *startedAt = nowMs();
    // As the reader's own command: the search text is highlighted.
    window.comfort().noteCommand(command);
    window.logic().executeCommand(command);
    *ownMs = nowMs() - *startedAt;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTimeoutMs && evaluate(reading, QStringLiteral("!!window.__benchOld")).toBool())
        pause(5);
    return waitForClock(reading);
}

// The engine alone loading `file` in a view of its own: no pane scripts.
PageClock engineClock(QWebEngineView& view, const QString& file, double* startedAt)
{
    evaluate(view.page(), QStringLiteral("window.__benchOld = true"));
    *startedAt = nowMs();
    view.load(QUrl::fromLocalFile(file));
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kTimeoutMs && evaluate(view.page(), QStringLiteral("!!window.__benchOld")).toBool())
        pause(5);
    return waitForClock(view.page());
}

// The engine lays the verse tables out as the reading pane does (only those
// near the view): without it the whole book takes the engine many seconds,
// which would be no floor for ours.
void addLayoutRule(QWebEngineView& view)
{
    QFile layout(QStringLiteral(":/tilvora/panes/readinglayout.js"));
    if (!layout.open(QIODevice::ReadOnly))
        return;
    QWebEngineScript script;
    script.setSourceCode(QStringLiteral("(function () {\n%1\n})();").arg(QString::fromUtf8(layout.readAll())));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    view.page()->scripts().insert(script);
}

// The engine alone in a window shaped as ours: a plain view where each of
// our panes is, the side views showing the pages our side panes show. What
// the engine and the window system need to show a page in a window of six
// views, which a view alone in its window does not pay.
class ShapedWindow {
public:
    explicit ShapedWindow(tilvora::ui::MainWindow& ours)
    {
        m_window.resize(ours.size());
        for (Pane pane :
            {Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl, Pane::WebMain}) {
            QWebEngineView* source = ours.view(pane);
            auto* view = new QWebEngineView(&m_window);
            view->setGeometry(QRect(source->mapTo(&ours, QPoint(0, 0)), source->size()));
            view->setVisible(source->isVisible());
            if (pane == Pane::WebMain) {
                addLayoutRule(*view);
                m_reading = view;
            } else {
                view->load(ours.page(pane)->url());
            }
        }
        m_window.show();
        // Its side pages loaded first, so that they do not load beside the
        // measures (a page without text never reports a contentful paint).
        QElapsedTimer timer;
        timer.start();
        for (QWebEngineView* view : m_window.findChildren<QWebEngineView*>()) {
            while (view != m_reading && view->isVisible() && readClock(view->page()).load == 0
                && timer.elapsed() < kTimeoutMs)
                pause(10);
        }
    }
    QWebEngineView& reading() { return *m_reading; }

private:
    QWidget m_window;
    QWebEngineView* m_reading = nullptr;
};

// A page shown by a command against the engine alone (a plain view of the
// reading pane's size and layout rule) loading the page file the command
// wrote, and against the engine doing the same in a window shaped as ours.
void pageMeasures(tilvora::ui::MainWindow& window, const QString& folder, const QString& command, const char* paintName,
    const char* loadName, const char* paintTarget, const char* loadTarget)
{
    QWebEngineView plain;
    plain.resize(window.view(Pane::WebMain)->size());
    plain.show();
    addLayoutRule(plain);
    ShapedWindow shaped(window);
    Measure paint{paintName, {}, {}, paintTarget};
    Measure load{loadName, {}, {}, loadTarget};
    Measure shapedPaint{"  the same, against the engine in a window shaped as ours", {}, {}, "report"};
    std::map<QString, std::vector<double>> scripts;
    std::vector<double> rendering;
    const int loopsBefore = gLayoutLoops;
    for (int run = 0; run < kRuns; ++run) {
        double started = 0;
        double own = 0;
        commandClock(window, QStringLiteral("__Surah = 1"), &started, &own);
        // The reader's next command comes once the window has shown the
        // first page's count and pickers, as a reader's does.
        pause(kSettleMs);
        const PageClock ours = commandClock(window, command, &started, &own);
        rendering.push_back(own);
        paint.ours.push_back(ours.paint - started);
        load.ours.push_back(ours.load - started);
        std::map<QString, double> total;
        for (const QJsonValue& entry : ours.scripts)
            total[entry.toArray().at(0).toString()] += entry.toArray().at(1).toDouble();
        for (const auto& [name, ms] : total)
            scripts[name].push_back(ms);
        const QString copy = folder + QStringLiteral("/plain.htm");
        QFile::remove(copy);
        QFile::copy(folder + QStringLiteral("/Main.htm"), copy);
        const PageClock engine = engineClock(plain, copy, &started);
        paint.engine.push_back(engine.paint - started);
        load.engine.push_back(engine.load - started);
        const PageClock inShape = engineClock(shaped.reading(), copy, &started);
        shapedPaint.engine.push_back(inShape.paint - started);
    }
    shapedPaint.ours = paint.ours;
    report(paint);
    report(shapedPaint);
    report(load);
    std::printf("(%s: the page rendered and written in %.0f ms; layout loops reported: %d)\n", qPrintable(command),
        median(rendering), gLayoutLoops - loopsBefore);
    for (const auto& [name, runs] : scripts)
        std::printf("(%s, pane script %s: %.1f ms)\n", qPrintable(command), qPrintable(name), median(runs));
}

void switchMeasures(tilvora::ui::MainWindow& window)
{
    double started = 0;
    double own = 0;
    commandClock(window, QStringLiteral("__Surah = 2"), &started, &own);
    PanePage* reading = window.page(Pane::WebMain);
    tilvora::ui::ReadingComfort& comfort = window.comfort();
    Measure theme{"theme switch → repainted (chapter 2)", {}, {}, "≤ 100 ms"};
    Measure font{"font switch → repainted (chapter 2)", {}, {}, "≤ 100 ms"};
    for (int run = 0; run < kRuns; ++run) {
        for (const auto to : {tilvora::pages::Theme::Dark, tilvora::pages::Theme::Light}) {
            started = nowMs();
            comfort.setTheme(to);
            theme.ours.push_back(nextFrame(reading) - started);
        }
        for (const QString& family : {QStringLiteral("Amiri Quran"), QString()}) {
            started = nowMs();
            comfort.setArabicFont(family);
            font.ours.push_back(nextFrame(reading) - started);
        }
    }
    report(theme);
    report(font);
}

void memoryMeasures(tilvora::ui::MainWindow& window)
{
    double started = 0;
    double own = 0;
    commandClock(window, QStringLiteral("__Search = *"), &started, &own);
    const TreeMemory whole = treeMemory();
    std::vector<TreeMemory> after;
    for (int run = 1; run <= kAlternations; ++run) {
        commandClock(window, QStringLiteral("__Surah = 2"), &started, &own);
        commandClock(window, QStringLiteral("__Search = *"), &started, &own);
        if (run == 5 || run == kAlternations)
            after.push_back(treeMemory());
    }
    std::printf("(memory, process tree with the whole-book page: %.0f MB resident, peaks summed %.0f MB;"
                " after 5 alternations %.0f MB, after %d: %.0f MB, peaks summed %.0f MB)\n",
        whole.residentMb, whole.peakMb, after.front().residentMb, kAlternations, after.back().residentMb,
        after.back().peakMb);
}

int parent(const QString& sourceFolder, bool withMemory, bool chapterOnly)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !copyFolder(sourceFolder, dir.path())) {
        std::fprintf(stderr, "bench_window: cannot copy the application folder %s (was the content built?)\n",
            qPrintable(sourceFolder));
        return 1;
    }
    std::printf("| measure (platform %s) | ours | engine | ratio | target |\n|---|---:|---:|---:|---|\n",
        qPrintable(QGuiApplication::platformName()));
    if (!chapterOnly)
        startUp(dir.path());

    auto session = DesktopSession::start(dir.path());
    if (!session)
        return 1;
    tilvora::ui::MainWindow& window = session->window();
    if (waitForClock(window.page(Pane::WebMain)).load == 0)
        return 1;
    if (!chapterOnly) {
        pageMeasures(window, dir.path(), QStringLiteral("__Search = *"), "whole-book search → first screen painted",
            "whole-book search → page loaded", "≤ 400 ms and ≤ 1.2x", "≤ 1.1x");
        pageMeasures(window, dir.path(), QStringLiteral("__Search = *the"), "search \"the\" → first screen painted",
            "search \"the\" → page loaded", "report", "report");
    }
    pageMeasures(window, dir.path(), QStringLiteral("__Surah = 2"), "chapter 2 → painted", "chapter 2 → loaded",
        "≤ 1.2x", "report");
    switchMeasures(window);
    if (withMemory)
        memoryMeasures(window);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The engine as the program starts it, for ours and for the floor.
    tilvora::ui::prepareBrowserEngine();
    // The reader's settings and bookmarks stay out of the measurements.
    QTemporaryDir userDir;
    if (qEnvironmentVariableIsEmpty("TILVORA_BENCH_USER_DIR")) {
        qputenv("TILVORA_BENCH_USER_DIR", QFile::encodeName(userDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(userDir.path() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(userDir.path() + QStringLiteral("/data")));
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    gDefaultHandler = qInstallMessageHandler(countLayoutLoops);
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--child-start"))
        return childStart(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--child-floor"))
        return childFloor(arguments[2]);
    const bool withMemory = !arguments.removeAll(QStringLiteral("--no-memory"));
    const bool chapterOnly = arguments.removeAll(QStringLiteral("--chapter-only")) > 0;
    return parent(
        arguments.size() > 1 ? arguments[1] : QCoreApplication::applicationDirPath(), withMemory, chapterOnly);
}

// The desktop window's two speed targets, each over several runs, medians:
//  - process start to chapter 1 loaded in the reading pane (target < 1.5 s),
//    against the browser engine's own floor: a process that only loads one
//    small local page in one pane;
//  - the whole-book search page ("__Search = *") from command to loaded in
//    the reading pane (target < 2 s), against loading that same page file
//    again (the engine's share of the work).
//
// usage: bench_window [APPFOLDER]   (default: the folder of this program)
// The application folder is copied to a temporary folder first, so the
// build's own folder is never written.

#include "navigation/mainwindowlogic.h"
#include "ui/panes/browserpane.h"
#include "ui/shell/desktopsession.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using tilvora::host::Pane;
using tilvora::ui::DesktopSession;
using tilvora::ui::PanePage;

namespace {

constexpr int kRuns = 7;
constexpr int kTimeoutMs = 60000;

double median(std::vector<double> values)
{
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

// Runs the event loop until the reading pane has finished loading its page
// file; false on a timeout.
bool waitForReadingPage(PanePage* page)
{
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(page, &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        if (page->url().fileName() == QLatin1String("Main.htm")) {
            loaded = ok;
            loop.quit();
        }
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

// Child: the program's own start-up; "loaded" once chapter 1 is in the pane.
int childStart(const QString& appFolder)
{
    auto session = DesktopSession::start(appFolder);
    if (!session)
        return 1;
    if (!waitForReadingPage(session->window().page(Pane::WebMain)))
        return 2;
    std::fputs("loaded\n", stdout);
    std::fflush(stdout);
    return 0;
}

// Child: the engine alone, one pane loading one small local page.
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
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(view.page(), &QWebEnginePage::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(path));
    loop.exec();
    if (!loaded)
        return 2;
    std::fputs("loaded\n", stdout);
    std::fflush(stdout);
    return 0;
}

// The time from starting `arguments` to its "loaded" line, in milliseconds;
// negative when it failed.
double timeChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray output;
    double loadedAt = -1;
    while (timer.elapsed() < kTimeoutMs && loadedAt < 0) {
        if (!child.waitForReadyRead(kTimeoutMs))
            break;
        output += child.readAllStandardOutput();
        if (output.contains("loaded\n"))
            loadedAt = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }
    child.waitForFinished(kTimeoutMs);
    return loadedAt;
}

void report(const char* what, const std::vector<double>& runs, const std::vector<double>& floors, double targetMs)
{
    const double ownMedian = median(runs);
    const double floorMedian = median(floors);
    std::printf("%-44s median %7.0f ms  (target < %.0f ms: %s)\n", what, ownMedian, targetMs,
        ownMedian < targetMs ? "met" : "MISSED");
    std::printf("%-44s median %7.0f ms  ratio %.2f\n", "  baseline", floorMedian, ownMedian / floorMedian);
    std::printf("  runs:");
    for (double run : runs)
        std::printf(" %.0f", run);
    std::printf("\n");
}

int parent(const QString& sourceFolder)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !copyFolder(sourceFolder, dir.path())) {
        std::fprintf(stderr, "bench_window: cannot copy the application folder %s (was the content built?)\n",
            qPrintable(sourceFolder));
        return 1;
    }

    // Start-up, each run a new process on the same folder.
    std::vector<double> starts;
    std::vector<double> floors;
    for (int run = 0; run < kRuns; ++run) {
        const double start = timeChild({QStringLiteral("--child-start"), dir.path()});
        const double floor = timeChild({QStringLiteral("--child-floor"), dir.path()});
        if (start < 0 || floor < 0) {
            std::fprintf(stderr, "bench_window: a start-up run failed\n");
            return 1;
        }
        starts.push_back(start);
        floors.push_back(floor);
    }
    report("process start to chapter 1 in the reading pane", starts, floors, 1500);

    // The whole-book search page, in this process.
    auto session = DesktopSession::start(dir.path());
    if (!session)
        return 1;
    tilvora::ui::MainWindow& window = session->window();
    PanePage* reading = window.page(Pane::WebMain);
    if (!waitForReadingPage(reading))
        return 1;
    std::vector<double> searches;
    std::vector<double> reloads;
    for (int run = 0; run < kRuns; ++run) {
        window.logic().executeCommand(QStringLiteral("__Surah = 1"));
        if (!waitForReadingPage(reading))
            return 1;
        QElapsedTimer timer;
        timer.start();
        window.logic().executeCommand(QStringLiteral("__Search = *"));
        if (!waitForReadingPage(reading))
            return 1;
        searches.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        timer.restart();
        reading->navigateTo(dir.path() + QStringLiteral("/Main.htm"));
        if (!waitForReadingPage(reading))
            return 1;
        reloads.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("(whole-book page: %lld bytes, label \"%s\")\n",
        static_cast<long long>(QFileInfo(dir.path() + QStringLiteral("/Main.htm")).size()),
        qPrintable(session->window()
                       .findChild<QWidget*>(QStringLiteral("LblSearch"))
                       ->property("text")
                       .toString()
                       .simplified()));
    report("whole-book search page, command to loaded", searches, reloads, 2000);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The reader's settings and bookmarks stay out of the measurements.
    QTemporaryDir userDir;
    if (qEnvironmentVariableIsEmpty("TILVORA_BENCH_USER_DIR")) {
        qputenv("TILVORA_BENCH_USER_DIR", QFile::encodeName(userDir.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(userDir.path() + QStringLiteral("/config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(userDir.path() + QStringLiteral("/data")));
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--child-start"))
        return childStart(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--child-floor"))
        return childFloor(arguments[2]);
    return parent(arguments.size() > 1 ? arguments[1] : QCoreApplication::applicationDirPath());
}

// Reading page benchmark, at the process level, as a reader pays for it.
//
// Each view is timed as a whole process: a process of this program starts,
// opens the store of a copy of the application folder as the program does,
// renders the view, writes Main.htm and exits. The
// baselines are the sqlite3 shell, also as whole processes, running the
// view's own statements into a file: its verse lookup and then its final
// SELECT, and the final SELECT alone. A text search's lookup runs in the
// shell with SQLite's own LIKE. Ours and the shell take turns, run after
// run, and each figure is the median of its runs, so that the load of a
// shared machine falls on both alike.
//
// It prints, per view, the medians and ratios against their targets, the
// peak memory of our process, the growth from chapter 2 to the whole book,
// the start-up of tilvora-cli as a whole (store, control page, chapter 1) for
// comparison, the floors the views stand on (a process of this program that
// only starts and exits, one that also opens the store, and the shell
// opening the database and running nothing), and the machine's load average
// before and after.
//
// Usage: bench_reading_page [--db DIC.DAT] [--runs N]
// Without --db it uses the application folder beside the executable.

#include "pages/pagefile.h"
#include "pages/readingpage.h"
#include "pages/viewquery.h"
#include "store/queryhelpers.h"
#include "store/storestartup.h"
#include "support/files.h"
#include "support/recordinghost.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern char** environ;

using namespace Qt::Literals::StringLiterals;
using namespace tilvora;

namespace {

struct ProcessRun {
    double ms = 0;
    long peakKb = 0;
    bool ok = false;
};

// Runs a program with a file as its standard input and its output thrown
// away; its wall time from start to exit and its peak resident memory.
ProcessRun runProcess(const QStringList& command, const QString& inputFile)
{
    std::vector<QByteArray> args;
    for (const QString& arg : command)
        args.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, QFile::encodeName(inputFile).constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.ms = timer.nsecsElapsed() / 1e6;
            run.peakKb = usage.ru_maxrss;
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&files);
    if (!run.ok)
        std::fprintf(stderr, "failed: %s\n", qPrintable(command.join(u' ')));
    return run;
}

void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString loadAverage()
{
    QFile file(u"/proc/loadavg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return u"unknown"_s;
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

struct View {
    const char* title;
    QString name, value;
    double target; // against the shell running the view's statements
};

struct ViewResult {
    double ours = 0, shellBoth = 0, shellFinal = 0;
    long peakKb = 0;
    int rows = 0;
};

// The measured process: start, open the store, render one view, write it
// as Main.htm, exit.
int renderOnce(const QString& folder, const QString& viewName, const QString& viewValue)
{
    store::SharedState state;
    testing::RecordingHost host;
    store::startStore(state, folder);
    store::selectedProgramIds(state);
    pages::writePageFile(state, pages::renderReadingPage(state, host, viewName, viewValue), u"Main.htm"_s);
    return 0;
}

// The floor of a view: start, open the store (or not), exit.
int openStoreOnly(const QString& folder)
{
    store::SharedState state;
    store::startStore(state, folder);
    store::selectedProgramIds(state);
    return 0;
}

class Bench {
public:
    Bench(QString self, QString folder, QString scratch)
        : m_self(std::move(self)), m_folder(std::move(folder)), m_scratch(std::move(scratch))
    {
        // The statements the views run, as the program builds them after
        // its start-up (which selects the programs shown).
        store::startStore(m_state, m_folder);
        store::selectedProgramIds(m_state);
    }

    ViewResult measure(const View& view, int runs)
    {
        qint32 count = 0;
        const QString finalSelect = pages::buildViewQuery(m_state, view.name, view.value, count);
        const QString lookup = view.name == u"Search"_s ? pages::searchLookupStatement(view.value) : QString();
        ViewResult result;
        result.rows = m_state.gConnection->openRecordSet(finalSelect).recordCount();

        const QString noInput = m_scratch + u"/empty.in"_s;
        writeFile(noInput, QString());
        const QString output = u".output "_s + m_scratch + u"/shell-output.txt\n"_s;
        const QString both = m_scratch + u"/both.sql"_s;
        writeFile(both, output + (lookup.isEmpty() ? QString() : lookup + u";\n"_s) + finalSelect + u'\n');
        const QString finalOnly = m_scratch + u"/final.sql"_s;
        writeFile(finalOnly, output + finalSelect + u'\n');

        const QString db = m_folder + u"/DIC.DAT"_s;
        std::vector<double> oursMs, bothMs, finalMs;
        for (int i = 0; i < runs; ++i) {
            const ProcessRun run = runProcess({m_self, u"--render"_s, m_folder, view.name, view.value}, noInput);
            oursMs.push_back(run.ms);
            result.peakKb = std::max(result.peakKb, run.peakKb);
            bothMs.push_back(runProcess({u"sqlite3"_s, db}, both).ms);
            finalMs.push_back(runProcess({u"sqlite3"_s, db}, finalOnly).ms);
        }
        result.ours = median(oursMs);
        result.shellBoth = median(bothMs);
        result.shellFinal = median(finalMs);
        return result;
    }

    // Medians of a process of this program that starts and exits, one that
    // also opens the store, and the shell opening the database to run nothing.
    void reportFloors(int runs)
    {
        const QString noInput = m_scratch + u"/empty.in"_s;
        std::vector<double> idle, opened, shell;
        for (int i = 0; i < runs; ++i) {
            idle.push_back(runProcess({m_self, u"--idle"_s}, noInput).ms);
            opened.push_back(runProcess({m_self, u"--open-store"_s, m_folder}, noInput).ms);
            shell.push_back(runProcess({u"sqlite3"_s, m_folder + u"/DIC.DAT"_s}, noInput).ms);
        }
        std::printf("floors: this program starting and exiting %.1f ms, also opening the store %.1f ms; "
                    "the shell opening the database %.1f ms\n",
            median(idle), median(opened), median(shell));
    }

private:
    QString m_self, m_folder, m_scratch;
    store::SharedState m_state;
};

void report(const View& view, const ViewResult& r)
{
    const double ratio = r.ours / r.shellBoth;
    std::printf("%-24s %6d rows  ours %7.1f ms  shell, both statements %7.1f ms  ratio %.2f (target <= %.1f) %s\n",
        view.title, r.rows, r.ours, r.shellBoth, ratio, view.target, ratio <= view.target ? "met" : "NOT MET");
    std::printf("%-24s against the final SELECT alone (%.1f ms): ratio %.2f;  peak memory %.1f MB\n", "", r.shellFinal,
        r.ours / r.shellFinal, r.peakKb / 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == u"--render"_s)
        return renderOnce(args[2], args[3], args[4]);
    if (args.size() == 2 && args[1] == u"--idle"_s)
        return 0;
    if (args.size() == 3 && args[1] == u"--open-store"_s)
        return openStoreOnly(args[2]);
    const QString builtContent = app.applicationDirPath() + u"/DIC.DAT"_s;
    QString source = builtContent;
    int runs = 11;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--db"_s)
            source = args[i + 1];
        else if (args[i] == u"--runs"_s)
            runs = std::max(1, args[i + 1].toInt());
    }
    const QString cli = app.applicationDirPath() + u"/tilvora-cli"_s;
    if (!QFileInfo::exists(source) || !QFileInfo::exists(cli)) {
        std::fprintf(
            stderr, "needs %s and %s (build the content and tilvora-cli first)\n", qPrintable(source), qPrintable(cli));
        return 1;
    }

    // A copy of the application folder with the database to measure.
    QTemporaryDir dir;
    const QString folder = dir.path() + u"/app"_s;
    QString error;
    if (!QDir().mkpath(folder) || !testing::copyApplicationFolder(app.applicationDirPath(), folder, &error)) {
        std::fprintf(stderr, "cannot copy the application folder: %s\n", qPrintable(error));
        return 1;
    }
    if (source != builtContent
        && (!QFile::remove(folder + u"/DIC.DAT"_s) || !QFile::copy(source, folder + u"/DIC.DAT"_s))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }

    std::printf("database: copy of %s; medians of %d alternating runs\n", qPrintable(source), runs);
    std::printf("load average before: %s\n", qPrintable(loadAverage()));
    Bench bench(app.applicationFilePath(), folder, dir.path());
    const View chapter{"chapter 2", u"Surah"_s, u"2"_s, 1.2};
    const View book{"whole book (Search *)", u"Search"_s, u"*"_s, 1.3};
    const View searches[] = {{"search *merciful", u"Search"_s, u"*merciful"_s, 1.3},
        {"search *\u0631\u062D\u0645", u"Search"_s, u"*\u0631\u062D\u0645"_s, 1.3}};
    const ViewResult chapterResult = bench.measure(chapter, runs);
    report(chapter, chapterResult);
    const ViewResult bookResult = bench.measure(book, runs);
    report(book, bookResult);
    for (const View& search : searches)
        report(search, bench.measure(search, runs));

    std::vector<double> startUp;
    writeFile(dir.path() + u"/empty.in"_s, QString());
    for (int i = 0; i < runs; ++i)
        startUp.push_back(runProcess({cli, u"--app-folder"_s, folder}, dir.path() + u"/empty.in"_s).ms);
    std::printf(
        "tilvora-cli start-up alone (store, control page, chapter 1), for comparison: %.1f ms\n", median(startUp));
    bench.reportFloors(runs);
    std::printf("whole-book peak memory %.1f MB (target <= 48)\n", bookResult.peakKb / 1024.0);
    std::printf("growth chapter 2 -> whole book: rows x%.1f, time x%.1f, peak memory x%.1f\n",
        double(bookResult.rows) / chapterResult.rows, bookResult.ours / chapterResult.ours,
        double(bookResult.peakKb) / chapterResult.peakKb);
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    return 0;
}

// FindFile against find(1) on the same tree, in the same run.
//
// Builds a tree of 20,000 folders (40 folders of 499 subfolders, each
// subfolder holding one recitation-like file) in a temporary folder, puts the
// wanted file, in another letter case, into the folder that a depth-first walk
// in listing order visits last, and times FindFile against
// `find TREE -iname NAME -print -quit`. Each is run several times after a
// warm-up; the best times are compared. Target: ratio at most 1.5.

#include "playback/mediasearch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kTopFolders = 40;
constexpr int kSubfolders = 499;
constexpr int kRounds = 5;
constexpr double kTarget = 1.5;

bool makeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool buildTree(const QString& root)
{
    QDir dir;
    for (int top = 0; top < kTopFolders; ++top) {
        const QString topPath = root + QStringLiteral("/d%1").arg(top, 2, 10, QLatin1Char('0'));
        if (!dir.mkpath(topPath))
            return false;
        for (int sub = 0; sub < kSubfolders; ++sub) {
            const QString subPath = topPath + QStringLiteral("/s%1").arg(sub, 3, 10, QLatin1Char('0'));
            if (!dir.mkdir(subPath) || !makeFile(subPath + QStringLiteral("/001001.mp3")))
                return false;
        }
    }
    return true;
}

// The folder a depth-first walk in listing order visits last.
QString lastVisitedFolder(QString folder)
{
    for (;;) {
        const QStringList subfolders = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
        if (subfolders.isEmpty())
            return folder;
        folder += u'/' + subfolders.last();
    }
}

// Runs find; returns the folder of its first hit, ending with "/".
QString runFind(const QString& tree, const QString& name)
{
    QProcess find;
    find.start(QStringLiteral("find"),
        {tree, QStringLiteral("-iname"), name, QStringLiteral("-print"), QStringLiteral("-quit")});
    if (!find.waitForFinished(-1) || find.exitCode() != 0)
        return {};
    const QString hit = QString::fromLocal8Bit(find.readAllStandardOutput()).trimmed();
    return hit.isEmpty() ? QString() : QFileInfo(hit).path() + u'/';
}

} // namespace

int main()
{
    QTemporaryDir temp;
    const QString tree = temp.path() + QStringLiteral("/tree");
    if (!temp.isValid() || !buildTree(tree)) {
        std::fprintf(stderr, "findfile_bench: could not build the tree\n");
        return 2;
    }
    const QString target = lastVisitedFolder(tree);
    if (!makeFile(target + QStringLiteral("/114006.MP3")))
        return 2;
    const QString name = QStringLiteral("114006.mp3");
    const QString expected = target + u'/';

    long long yields = 0;
    const auto yieldToEvents = [&yields] { ++yields; };
    double bestFindFile = std::numeric_limits<double>::max();
    double bestFind = std::numeric_limits<double>::max();
    QElapsedTimer timer;
    for (int round = 0; round <= kRounds; ++round) { // round 0 warms the caches
        timer.start();
        const QString ours = tilvora::playback::findFile(tree, name, yieldToEvents);
        const double oursMs = timer.nsecsElapsed() / 1e6;
        timer.start();
        const QString theirs = runFind(tree, name);
        const double findMs = timer.nsecsElapsed() / 1e6;
        if (ours != expected || theirs != expected) {
            std::fprintf(stderr, "findfile_bench: wrong hit: FindFile %s, find %s, expected %s\n", qPrintable(ours),
                qPrintable(theirs), qPrintable(expected));
            return 2;
        }
        if (round > 0) {
            bestFindFile = std::min(bestFindFile, oursMs);
            bestFind = std::min(bestFind, findMs);
        }
    }
    const double ratio = bestFindFile / bestFind;
    std::printf("findfile_bench: %d folders, %lld entries yielded per search\n", kTopFolders * (kSubfolders + 1),
        yields / (kRounds + 1));
    std::printf("FindFile %.1f ms, find %.1f ms (best of %d)\n", bestFindFile, bestFind, kRounds);
    std::printf(
        "ratio %.2f (target <= %.1f): %s\n", ratio, kTarget, ratio <= kTarget ? "within target" : "ABOVE TARGET");
    return 0;
}

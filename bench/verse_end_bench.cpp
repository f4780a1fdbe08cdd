// How precisely a verse that ends inside its chapter file ends: the verse
// player over the GStreamer player is given a start and an end position in a 12-second recording, and
// when it reports the verse finished, the media's position is compared with
// the end asked for. Target: within 50 ms at every speed.
//
// The baseline, in the same run, stops the same verses when the player's own
// position reports (every tenth of a second or so) first pass the end.
//
// usage: bench_verse_end [RECORDING]   (default: a 12 s tone made with ffmpeg)

#include "playback/verseplayer.h"
#include "ui/recitation/gstaudioplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using tilvora::playback::AudioPlayer;
using tilvora::playback::VersePlayer;
using tilvora::ui::GstAudioPlayer;

namespace {

struct Verse {
    double start;
    double end;
};

// Milliseconds past (or before) the end at which playback stopped.
double stopError(VersePlayer& strip, const QString& path, const Verse& verse, bool ownTimer)
{
    AudioPlayer* player = strip.player();
    QEventLoop loop;
    double stoppedAt = -1;
    QMetaObject::Connection watch;
    if (ownTimer) {
        watch = QObject::connect(&strip, &VersePlayer::verseEnded, &loop, [&] {
            stoppedAt = static_cast<double>(player->position());
            loop.quit();
        });
    } else {
        watch = QObject::connect(player, &AudioPlayer::positionChanged, &loop, [&](qint64 position) {
            if (player->playbackState() == AudioPlayer::State::Playing && position >= verse.end * 1000
                && stoppedAt < 0) {
                player->pause();
                stoppedAt = static_cast<double>(player->position());
                loop.quit();
            }
        });
    }
    strip.setUrl(path);
    strip.setCurrentPosition(verse.start);
    if (ownTimer)
        strip.setEndPosition(verse.end);
    strip.play();
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(watch);
    strip.pause();
    return stoppedAt < 0 ? NAN : stoppedAt - verse.end * 1000;
}

struct Figures {
    double meanAbs = 0;
    double maxAbs = 0;
    int missed = 0;
};

Figures measure(VersePlayer& strip, const QString& path, const std::vector<Verse>& verses, bool ownTimer)
{
    Figures figures;
    int counted = 0;
    for (const Verse& verse : verses) {
        const double error = stopError(strip, path, verse, ownTimer);
        if (std::isnan(error)) {
            ++figures.missed;
            continue;
        }
        figures.meanAbs += std::abs(error);
        figures.maxAbs = std::max(figures.maxAbs, std::abs(error));
        ++counted;
    }
    if (counted > 0)
        figures.meanAbs /= counted;
    return figures;
}

QString makeRecording(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("chapter.mp3"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
            QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=12"), QStringLiteral("-ac"),
            QStringLiteral("1"), QStringLiteral("-c:a"), QStringLiteral("libmp3lame"), path});
    ffmpeg.waitForFinished(60000);
    return ffmpeg.exitCode() == 0 ? path : QString();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : makeRecording(dir);
    if (path.isEmpty()) {
        std::fprintf(stderr, "no recording (ffmpeg is needed to make one)\n");
        return 1;
    }
    // Verses of 1.3 to 2.9 s, one after another and repeated, as a
    // recitation plan plays them.
    const std::vector<Verse> verses{{0.0, 1.37}, {1.37, 3.05}, {3.05, 5.91}, {3.05, 5.91}, {5.91, 7.23}, {7.23, 9.6}};
    GstAudioPlayer player;
    VersePlayer strip(&player);
    std::printf("verse end: |stop - end| in ms over %zu verses (mean / max)\n", verses.size());
    for (const double rate : {1.0, 0.75, 1.5, 2.0}) {
        strip.setRate(rate);
        const Figures own = measure(strip, path, verses, true);
        const Figures baseline = measure(strip, path, verses, false);
        std::printf(
            "  speed %.2f: end timer %6.1f / %6.1f ms%s; position reports %6.1f / %6.1f ms; ratio of means %.2f\n",
            rate, own.meanAbs, own.maxAbs, own.missed ? " (missed some)" : "", baseline.meanAbs, baseline.maxAbs,
            baseline.meanAbs > 0 ? own.meanAbs / baseline.meanAbs : 0.0);
    }
    return 0;
}

#include "ui/recitation/audioplayer.h"
#include "ui/recitation/playerstrip.h"

#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "support/printing.h"

using tilvora::ui::AudioPlayer;
using tilvora::ui::PlayerStrip;

namespace {

class PlayerStripTest : public ::testing::Test {
protected:
    // A 5-second 440 Hz tone encoded by ffmpeg with `codec` into `name`.
    QString makeTone(const QString& name, const QString& codec)
    {
        const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
        EXPECT_FALSE(ffmpeg.isEmpty()) << "ffmpeg is needed to make test audio";
        const QString path = m_dir.filePath(name);
        QProcess process;
        process.start(ffmpeg,
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=5"), QStringLiteral("-ar"),
                QStringLiteral("22050"), QStringLiteral("-ac"), QStringLiteral("1"), QStringLiteral("-c:a"), codec,
                path});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return path;
    }

    QTemporaryDir m_dir;
};

// Plays `path` from `seconds` and checks that playback starts there, not at
// the beginning, and runs on past it.
void expectPlaysFrom(PlayerStrip& strip, const QString& path, double seconds)
{
    AudioPlayer* player = strip.player();
    strip.setUrl(path);
    // Watched from here on: stopping what played before reports position 0
    // while the player still says it is playing.
    QList<qint64> positionsWhilePlaying;
    QObject::connect(player, &AudioPlayer::positionChanged, player, [&](qint64 position) {
        if (player->playbackState() == AudioPlayer::State::Playing)
            positionsWhilePlaying.append(position);
    });
    strip.setCurrentPosition(seconds);
    strip.play();

    const qint64 start = std::llround(seconds * 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return player->position() > start + 600; }, 15000))
        << "position stayed at " << player->position() << ", status " << static_cast<int>(player->mediaStatus())
        << ", error " << player->errorString().toStdString();
    EXPECT_EQ(player->playbackState(), AudioPlayer::State::Playing);
    ASSERT_FALSE(positionsWhilePlaying.isEmpty());
    EXPECT_GE(positionsWhilePlaying.first(), start - 300) << "playback began before the requested position";
    QObject::disconnect(player, &AudioPlayer::positionChanged, player, nullptr);
}

TEST_F(PlayerStripTest, PlaysAnMp3FromTheRequestedPosition)
{
    PlayerStrip strip;
    expectPlaysFrom(strip, makeTone(QStringLiteral("001001.mp3"), QStringLiteral("libmp3lame")), 2.0);
    EXPECT_EQ(strip.player()->source(), QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("001001.mp3"))));
    // The clock shows the total length once the file is open.
    EXPECT_EQ(strip.findChild<QLabel*>(QStringLiteral("total"))->text(), QStringLiteral("0:05"));
}

TEST_F(PlayerStripTest, PlaysAWmaFromTheRequestedPosition)
{
    PlayerStrip strip;
    expectPlaysFrom(strip, makeTone(QStringLiteral("001001.wma"), QStringLiteral("wmav2")), 2.5);
}

TEST_F(PlayerStripTest, ReopeningTheSameFileMovesBackToTheNewPosition)
{
    // Two verses of one chapter share a file: the second request must seek
    // backwards although the file is already open and playing.
    PlayerStrip strip;
    const QString path = makeTone(QStringLiteral("002.mp3"), QStringLiteral("libmp3lame"));
    expectPlaysFrom(strip, path, 3.0);
    expectPlaysFrom(strip, path, 0.5);
    EXPECT_LT(strip.player()->position(), 3000);
}

TEST_F(PlayerStripTest, AFileThatPlayedToItsEndPlaysAgainFromTheNewPosition)
{
    PlayerStrip strip;
    const QString path = makeTone(QStringLiteral("003.mp3"), QStringLiteral("libmp3lame"));
    strip.setUrl(path);
    strip.setCurrentPosition(4.2);
    strip.play();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return strip.player()->mediaStatus() == AudioPlayer::Status::EndOfMedia; }, 15000));
    expectPlaysFrom(strip, path, 1.5);
}

TEST_F(PlayerStripTest, ANewFileReplacesTheOneThatPlays)
{
    PlayerStrip strip;
    const QString first = makeTone(QStringLiteral("a.mp3"), QStringLiteral("libmp3lame"));
    const QString second = makeTone(QStringLiteral("b.wma"), QStringLiteral("wmav2"));
    expectPlaysFrom(strip, first, 3.5);
    expectPlaysFrom(strip, second, 1.0);
    EXPECT_EQ(strip.player()->source(), QUrl::fromLocalFile(second));
}

TEST_F(PlayerStripTest, ARequestWhileTheFirstFileOfTheRunStillOpensPlaysItsOwnFileAndPosition)
{
    // The first file this process opens, replaced before it has opened.
    PlayerStrip strip;
    const QString first = makeTone(QStringLiteral("c.mp3"), QStringLiteral("libmp3lame"));
    const QString second = makeTone(QStringLiteral("d.mp3"), QStringLiteral("libmp3lame"));
    strip.setUrl(first);
    strip.setCurrentPosition(1.0);
    strip.play();
    expectPlaysFrom(strip, second, 3.0);
    EXPECT_EQ(strip.player()->source(), QUrl::fromLocalFile(second));
}

TEST_F(PlayerStripTest, AMissingFileDoesNotPlayAndAFileThatAppearsLaterDoes)
{
    PlayerStrip strip;
    const QString path = m_dir.filePath(QStringLiteral("late.mp3"));
    strip.setUrl(path);
    strip.setCurrentPosition(1);
    strip.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return strip.player()->mediaStatus() == AudioPlayer::Status::Invalid; }, 10000));
    EXPECT_NE(strip.player()->playbackState(), AudioPlayer::State::Playing);

    ASSERT_TRUE(QFile::copy(makeTone(QStringLiteral("made.mp3"), QStringLiteral("libmp3lame")), path));
    expectPlaysFrom(strip, path, 1.0);
}

TEST_F(PlayerStripTest, ThePlayButtonPausesAndResumes)
{
    PlayerStrip strip;
    expectPlaysFrom(strip, makeTone(QStringLiteral("t.mp3"), QStringLiteral("libmp3lame")), 0);
    auto* button = strip.findChild<QToolButton*>(QStringLiteral("playPause"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip.player()->playbackState() == AudioPlayer::State::Paused; }, 5000));
    button->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return strip.player()->playbackState() == AudioPlayer::State::Playing; }, 5000));
}

} // namespace

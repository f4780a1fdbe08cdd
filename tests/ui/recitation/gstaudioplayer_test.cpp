#include "playback/verseplayer.h"
#include "stallingfilter.h"
#include "ui/recitation/gstaudioplayer.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using tilvora::playback::AudioPlayer;
using tilvora::playback::VersePlayer;
using tilvora::test::StallingFilter;
using tilvora::ui::GstAudioPlayer;

namespace {

constexpr int kToneHz = 440;
constexpr int kSampleRate = 44100;
constexpr double kToneSeconds = 6.0;

// What a player wrote into its file sink: 16-bit mono samples.
struct Rendering {
    double seconds = 0;
    double frequency = 0;
};

Rendering analyse(const QByteArray& raw)
{
    const auto count = static_cast<qsizetype>(raw.size() / 2);
    QList<qint16> samples(count);
    std::memcpy(samples.data(), raw.constData(), static_cast<size_t>(count) * 2);
    // A crossing counts between clearly loud samples, so that the near
    // silence the decoder pads with does not add crossings of its own.
    constexpr qint16 kLoud = 1000;
    int crossings = 0;
    int lastSign = 0;
    for (const qint16 sample : samples) {
        if (std::abs(sample) < kLoud)
            continue;
        const int sign = sample < 0 ? -1 : 1;
        if (lastSign != 0 && sign != lastSign)
            ++crossings;
        lastSign = sign;
    }
    Rendering rendering;
    rendering.seconds = static_cast<double>(count) / kSampleRate;
    if (rendering.seconds > 0)
        rendering.frequency = crossings / 2.0 / rendering.seconds;
    return rendering;
}

class GstAudioPlayerTest : public ::testing::Test {
protected:
    // `tableOfContents`: whether the MP3 starts with the frame that tells
    // its length (lame writes one; many recordings have none). `codec`:
    // ffmpeg's encoder, `name` the file's name.
    QString makeTone(bool tableOfContents = true, const QString& codec = QStringLiteral("libmp3lame"),
        const QString& name = QString())
    {
        const QString path = m_dir.filePath(!name.isEmpty() ? name
                : tableOfContents                           ? QStringLiteral("tone.mp3")
                                                            : QStringLiteral("bare.mp3"));
        QStringList arguments{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
            QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=%1:duration=%2").arg(kToneHz).arg(kToneSeconds), QStringLiteral("-ar"),
            QString::number(kSampleRate), QStringLiteral("-ac"), QStringLiteral("1"), QStringLiteral("-c:a"), codec};
        if (codec == QLatin1String("libmp3lame"))
            arguments << QStringLiteral("-write_xing") << QString::number(tableOfContents ? 1 : 0);
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), arguments << path);
        EXPECT_TRUE(ffmpeg.waitForFinished(30000));
        EXPECT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().toStdString();
        return path;
    }

    // The player's sound, written to `path` as it comes, or (`inTime`) as
    // it would be heard.
    static QString fileSink(const QString& path, bool inTime = false)
    {
        return QStringLiteral("audioconvert ! audioresample ! audio/x-raw,format=S16LE,channels=1,rate=%1 ! "
                              "filesink sync=%3 location=\"%2\"")
            .arg(kSampleRate)
            .arg(path, inTime ? QStringLiteral("true") : QStringLiteral("false"));
    }

    QTemporaryDir m_dir;
};

// The speed changes how long the recording plays, never the pitch; set
// before the file opens or once it has opened, from a position inside it.
TEST_F(GstAudioPlayerTest, OtherSpeedsShortenOrLengthenThePlayKeepingThePitch)
{
    const QString tone = makeTone();
    struct Case {
        double rate;
        bool setWhileOpen;
    };
    for (const Case& which : {Case{1.0, false}, Case{0.75, false}, Case{2.0, true}, Case{1.5, true}}) {
        SCOPED_TRACE(which.rate);
        const QString output = m_dir.filePath(QStringLiteral("out-%1.raw").arg(which.rate));
        GstAudioPlayer player(nullptr, fileSink(output));
        ASSERT_TRUE(player.keepsPitch()) << "scaletempo (gstreamer1.0-plugins-good) is missing";
        if (!which.setWhileOpen)
            player.setPlaybackRate(which.rate);
        player.setSource(QUrl::fromLocalFile(tone));
        player.setPosition(1000);
        if (which.setWhileOpen) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return player.mediaStatus() == AudioPlayer::Status::Loaded; }, 10000));
            player.setPlaybackRate(which.rate);
        }
        player.play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return player.mediaStatus() == AudioPlayer::Status::EndOfMedia; }, 20000))
            << player.errorString().toStdString();
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const Rendering rendering = analyse(file.readAll());
        const double expectedSeconds = (kToneSeconds - 1.0) / which.rate;
        EXPECT_NEAR(rendering.seconds, expectedSeconds, 0.1 * expectedSeconds);
        EXPECT_NEAR(rendering.frequency, kToneHz, 0.03 * kToneHz);
    }
}

// A file that is no recording fails in plain words naming it, and the
// player takes the next file as if nothing had happened.
TEST_F(GstAudioPlayerTest, AFileThatIsNoRecordingIsReportedAndTheNextOnePlays)
{
    const QString text = m_dir.filePath(QStringLiteral("001001.mp3"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("<html><body>Not found</body></html>\n").repeated(50));
    file.close();
    GstAudioPlayer player(nullptr, QStringLiteral("fakesink sync=true"));
    QString reported;
    QObject::connect(
        &player, &AudioPlayer::errorOccurred, &player, [&](const QString& message) { reported = message; });
    player.setSource(QUrl::fromLocalFile(text));
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.mediaStatus() == AudioPlayer::Status::Invalid; }, 10000));
    EXPECT_TRUE(reported.contains(QStringLiteral("001001.mp3"))) << reported.toStdString();
    EXPECT_EQ(player.playbackState(), AudioPlayer::State::Stopped);

    player.setSource(QUrl::fromLocalFile(makeTone()));
    player.setPosition(2000);
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.position() > 2300; }, 10000));
    EXPECT_TRUE(player.errorString().isEmpty());
    EXPECT_NEAR(static_cast<double>(player.duration()), kToneSeconds * 1000, 100);
}

// Such a file can be moved as soon as it has opened, before its length is
// known, and its length shows once it plays.
TEST_F(GstAudioPlayerTest, AnMp3WithoutTableOfContentsMovesAtOnceAndTellsItsLengthWhilePlaying)
{
    GstAudioPlayer player(nullptr, QStringLiteral("fakesink sync=true"));
    QList<qint64> playedPositions;
    QObject::connect(&player, &AudioPlayer::positionChanged, &player, [&](qint64 position) {
        if (player.playbackState() == AudioPlayer::State::Playing)
            playedPositions.append(position);
    });
    player.setSource(QUrl::fromLocalFile(makeTone(false)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.mediaStatus() == AudioPlayer::Status::Loaded; }, 10000));
    EXPECT_TRUE(player.isSeekable());
    player.setPosition(3000);
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.position() > 3400; }, 10000));
    ASSERT_FALSE(playedPositions.isEmpty());
    EXPECT_GE(playedPositions.first(), 2950);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.duration() > 0; }, 3000));
    EXPECT_NEAR(static_cast<double>(player.duration()), kToneSeconds * 1000, 150);
}

// Both kinds of recording a voice may have open and play from the position
// asked for, not from their start.
TEST_F(GstAudioPlayerTest, AnMp3AndAWmaPlayFromThePositionAskedFor)
{
    GstAudioPlayer audio(nullptr, QStringLiteral("fakesink sync=true"));
    VersePlayer player(&audio);
    for (const QString& codec : {QStringLiteral("libmp3lame"), QStringLiteral("wmav2")}) {
        SCOPED_TRACE(codec.toStdString());
        const QString name = codec == QLatin1String("wmav2") ? QStringLiteral("001.wma") : QStringLiteral("001.mp3");
        QList<qint64> played;
        const auto watch = QObject::connect(&audio, &AudioPlayer::positionChanged, &audio, [&](qint64 position) {
            if (audio.playbackState() == AudioPlayer::State::Playing)
                played.append(position);
        });
        player.setUrl(makeTone(true, codec, name));
        player.setCurrentPosition(2.5);
        player.play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return audio.position() > 3100; }, 15000)) << audio.position();
        QObject::disconnect(watch);
        ASSERT_FALSE(played.isEmpty());
        EXPECT_GE(played.first(), 2200);
    }
}

// A verse inside a recording ends where it should, as heard: what the
// player gives out between its start and its end lasts the verse's length
// at the speed chosen.
TEST_F(GstAudioPlayerTest, AVerseEndsWhereItsEndIsAtTheSpeedChosen)
{
    const QString tone = makeTone();
    for (const double rate : {1.0, 1.5}) {
        SCOPED_TRACE(rate);
        const QString output = m_dir.filePath(QStringLiteral("verse-%1.raw").arg(rate));
        {
            // The file is whole once its player has gone.
            GstAudioPlayer audio(nullptr, fileSink(output, true));
            VersePlayer player(&audio);
            QSignalSpy ended(&player, &VersePlayer::verseEnded);
            player.setRate(rate);
            player.setUrl(tone);
            player.setCurrentPosition(1.0);
            player.setEndPosition(3.5);
            player.play();
            ASSERT_TRUE(ended.wait(15000));
            EXPECT_NEAR(static_cast<double>(audio.position()), 3500.0, 60.0);
        }
        QFile file(output);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_NEAR(analyse(file.readAll()).seconds, 2.5 / rate, 0.1);
    }
}

} // namespace

// A sound output that stops taking sound while the pipeline plays (as
// PulseAudio's stream did after a stop, a speed change and a recitation from
// a verse) is closed and opened again where the media stood, at the speed
// chosen, instead of leaving every later play of the file silent.
TEST_F(GstAudioPlayerTest, AnOutputThatStandsStillWhilePlayingIsOpenedAgainWhereTheMediaWas)
{
    StallingFilter::registerElement();
    GstAudioPlayer audio(nullptr, QStringLiteral("tilvorastall ! fakesink sync=true"));
    VersePlayer player(&audio);
    const QString file = makeTone();
    player.setUrl(file);
    player.setCurrentPosition(0.5);
    player.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return audio.position() > 700; }, 5000)) << audio.position();
    const int closings = StallingFilter::closings();

    StallingFilter::stall();
    player.stop();
    player.setRate(1.5);
    player.setUrl(file);
    player.setCurrentPosition(3.0);
    player.setEndPosition(5.5);
    player.play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return audio.position() > 3300; }, 3000)) << audio.position();
    EXPECT_LT(audio.position(), 5000);
    EXPECT_GT(StallingFilter::closings(), closings);
    EXPECT_EQ(audio.playbackRate(), 1.5);
}

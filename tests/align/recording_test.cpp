// Aligning recordings through the platform's decoder.

#include "support/madeaudio.h"

#include "align/alignfailure.h"
#include "align/chapteraligner.h"
#include "align/chapterdecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

using namespace tilvora::align;
using tilvora::testing::MadeAudio;
using tilvora::testing::MadeChapter;

namespace {

QString failureOf(const QString& path)
{
    try {
        decodeEnvelope(path);
    } catch (const AlignFailure& failure) {
        return failure.message;
    }
    return {};
}

} // namespace

TEST(Recordings, AnMp3ChapterWithAnOpeningIsAlignedThroughTheDecoder)
{
    QTemporaryDir dir;
    const std::vector<double> weights{25, 60, 14, 33};
    const MadeAudio audio = MadeChapter(weights, 0.07, 0.5, 1.6, 35);
    const QString path = dir.filePath(QStringLiteral("112.mp3"));
    ASSERT_TRUE(audio.writeMp3(path)) << "lame could not encode the made recording";

    const EnergyEnvelope envelope = decodeEnvelope(path);
    // The decoded length matches the made one (MP3 adds some padding).
    EXPECT_NEAR(double(envelope.decibels().size()) * EnergyEnvelope::kFrameSeconds, audio.seconds(), 0.1);

    const std::vector<VerseStart> found = alignRecording(path, weights);
    ASSERT_EQ(found.size(), weights.size());
    for (std::size_t i = 0; i < weights.size(); ++i)
        EXPECT_NEAR(found[i].seconds, audio.starts[i], 0.25) << "verse " << i + 1;
}

TEST(Recordings, FilesThatCannotBeDecodedOrAStopRequestEndTheWorkInPlainWords)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("001.mp3"));
    EXPECT_EQ(failureOf(missing), QStringLiteral("The recording %1 cannot be read.").arg(missing));
    EXPECT_EQ(failureOf(dir.path()), QStringLiteral("The recording %1 cannot be read.").arg(dir.path()));

    // Bytes of no known kind, and a web page saved under a recording's name.
    const QString garbage = dir.filePath(QStringLiteral("002.mp3"));
    const QString page = dir.filePath(QStringLiteral("004.mp3"));
    for (const auto& [path, bytes] : {std::pair{garbage, QByteArray(5000, 'x')},
             std::pair{page,
                 QByteArrayLiteral("<!DOCTYPE html>\n<html><head><title>Not Found</title></head>"
                                   "<body><h1>Not Found</h1></body></html>\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_EQ(failureOf(path), QStringLiteral("The file %1 is not an audio file.").arg(path));
    }

    MadeAudio audio;
    audio.speak(2);
    const QString wav = dir.filePath(QStringLiteral("003.wav"));
    ASSERT_TRUE(audio.writeWav(wav));
    const std::atomic_bool stop{true};
    EXPECT_THROW(decodeEnvelope(wav, &stop), AlignCancelled);
}

TEST(Recordings, SilenceNoiseAndTooFewPausesAreNoRecitationAndGetNoStarts)
{
    QTemporaryDir dir;
    const std::vector<double> weights(20, 30);
    MadeAudio silence;
    silence.pause(40);
    MadeAudio noise;
    noise.pause(40, 0.01);
    // A real chapter of three verses is no recitation of twenty.
    const MadeAudio threeVerses = MadeChapter({30, 30, 30}, 0.08, 0.7, 0);
    for (const auto& [name, audio, says] : {std::tuple{"silence.mp3", silence, "holds only silence or steady noise"},
             std::tuple{"noise.mp3", noise, "holds only silence or steady noise"},
             std::tuple{
                 "three.mp3", threeVerses, "where a recitation of the chapter's 20 verses pauses at least 5 times"}}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(audio.writeMp3(path));
        try {
            alignRecording(path, weights);
            ADD_FAILURE() << name << " got starts";
        } catch (const AlignFailure& failure) {
            EXPECT_TRUE(failure.message.startsWith(QStringLiteral("No recitation found in %1: ").arg(path)))
                << failure.message.toStdString();
            EXPECT_TRUE(failure.message.contains(QString::fromLatin1(says))) << failure.message.toStdString();
        }
    }
    // The same three verses, asked for as three, are aligned.
    EXPECT_EQ(alignRecording(dir.filePath(QStringLiteral("three.mp3")), {30, 30, 30}).size(), 3u);
}

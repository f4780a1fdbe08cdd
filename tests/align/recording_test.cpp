// Aligning recordings through the platform's decoder.

#include "support/madeaudio.h"

#include "align/alignfailure.h"
#include "align/chapteraligner.h"
#include "align/chapterdecoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tilvora::align;
using tilvora::testing::MadeAudio;
using tilvora::testing::MadeChapter;

namespace {

QString failureOf(const QString& path)
{
    try {
        DecodeEnvelope(path);
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

    const EnergyEnvelope envelope = DecodeEnvelope(path);
    // The decoded length matches the made one (MP3 adds some padding).
    EXPECT_NEAR(double(envelope.decibels().size()) * EnergyEnvelope::kFrameSeconds, audio.seconds(), 0.1);

    const std::vector<VerseStart> found = AlignRecording(path, weights);
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

    const QString garbage = dir.filePath(QStringLiteral("002.mp3"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'x'));
    file.close();
    EXPECT_TRUE(failureOf(garbage).startsWith(QStringLiteral("The recording %1 could not be decoded: ").arg(garbage)))
        << failureOf(garbage).toStdString();

    MadeAudio audio;
    audio.speak(2);
    const QString wav = dir.filePath(QStringLiteral("003.wav"));
    ASSERT_TRUE(audio.writeWav(wav));
    const std::atomic_bool stop{true};
    EXPECT_THROW(DecodeEnvelope(wav, &stop), AlignCancelled);
}

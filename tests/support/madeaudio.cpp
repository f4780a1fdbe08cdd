#include "support/madeaudio.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <random>

namespace tilvora::testing {

namespace {

constexpr double kSpeechAmplitude = 8000;
constexpr double kPi = 3.14159265358979323846;

std::mt19937& generator()
{
    static std::mt19937 random(17);
    return random;
}

} // namespace

void MadeAudio::speak(double seconds)
{
    const std::size_t count = std::size_t(seconds * kRate);
    const std::size_t from = samples.size();
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(from + i) / kRate;
        // Syllables four times a second, never quieter than a fifth.
        const double loudness = 0.2 + 0.8 * std::abs(std::sin(kPi * 4 * t));
        const double buzz
            = std::sin(2 * kPi * 140 * t) + 0.5 * std::sin(2 * kPi * 420 * t) + 0.3 * std::sin(2 * kPi * 1100 * t);
        samples.push_back(qint16(kSpeechAmplitude * loudness * buzz / 1.8));
    }
}

void MadeAudio::pause(double seconds, double noiseBelowSpeech)
{
    const std::size_t count = std::size_t(seconds * kRate);
    std::normal_distribution<double> noise(0, kSpeechAmplitude * 0.45 * std::pow(10, -noiseBelowSpeech / 20));
    for (std::size_t i = 0; i < count; ++i)
        samples.push_back(noiseBelowSpeech > 0 ? qint16(noise(generator())) : qint16(0));
}

bool MadeAudio::writeWav(const QString& path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    const quint32 bytes = quint32(samples.size() * 2);
    file.write(QByteArrayLiteral("RIFF") + u32(36 + bytes) + QByteArrayLiteral("WAVEfmt ") + u32(16) + u16(1) + u16(1)
        + u32(kRate) + u32(kRate * 2) + u16(2) + u16(16) + QByteArrayLiteral("data") + u32(bytes));
    return file.write(reinterpret_cast<const char*>(samples.data()), bytes) == bytes;
}

bool MadeAudio::writeMp3(const QString& path) const
{
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("made.wav"));
    return writeWav(wav)
        && QProcess::execute(QStringLiteral("lame"),
               {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("64"), wav, path})
        == 0;
}

MadeAudio MadeChapter(const std::vector<double>& weights, double secondsPerWeight, double pauseSeconds,
    double openingSeconds, double noiseBelowSpeech)
{
    MadeAudio audio;
    audio.pause(0.3, noiseBelowSpeech);
    if (openingSeconds > 0) {
        audio.speak(openingSeconds);
        audio.pause(pauseSeconds, noiseBelowSpeech);
    }
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (i > 0)
            audio.pause(pauseSeconds, noiseBelowSpeech);
        audio.verse();
        const double seconds = weights[i] * secondsPerWeight;
        if (weights[i] >= 60) {
            audio.speak(seconds * 0.45);
            audio.pause(pauseSeconds * 0.4, noiseBelowSpeech);
            audio.speak(seconds * 0.55);
        } else {
            audio.speak(seconds);
        }
    }
    audio.pause(0.5, noiseBelowSpeech);
    return audio;
}

} // namespace tilvora::testing

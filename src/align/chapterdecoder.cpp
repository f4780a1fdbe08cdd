#include "align/chapterdecoder.h"

#include "align/alignfailure.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace tilvora::align {

namespace {

constexpr int kDecodeRate = 8000;

QStringList pipelineArguments()
{
    return {QStringLiteral("-q"), QStringLiteral("fdsrc"), QStringLiteral("fd=0"), QStringLiteral("!"),
        QStringLiteral("decodebin"), QStringLiteral("!"), QStringLiteral("audioconvert"), QStringLiteral("!"),
        QStringLiteral("audioresample"), QStringLiteral("quality=0"), QStringLiteral("!"),
        QStringLiteral("audio/x-raw,format=S16LE,channels=1,rate=%1").arg(kDecodeRate), QStringLiteral("!"),
        QStringLiteral("fdsink"), QStringLiteral("fd=1")};
}

// The decoder's own reason, from its first "ERROR:" line: the text after the
// element's path ("ERROR: from element /GstPipeline:...: Could not ...").
QString decoderReason(const QByteArray& errorOutput)
{
    const QStringList lines = QString::fromLocal8Bit(errorOutput).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.startsWith(QLatin1String("ERROR:")))
            continue;
        const qsizetype cut = line.lastIndexOf(QLatin1String(": "));
        return (cut >= 0 ? line.mid(cut + 2) : line.mid(6)).trimmed();
    }
    return QStringLiteral("the decoder stopped without saying why");
}

// Feeds whole samples to the envelope; an odd last byte waits for its pair.
class SampleFeeder {
public:
    explicit SampleFeeder(EnergyEnvelope& envelope) : m_envelope(envelope) { }
    void feed(const QByteArray& bytes)
    {
        m_pending += bytes;
        const qsizetype whole = m_pending.size() / 2;
        if (whole == 0)
            return;
        std::vector<qint16> samples(static_cast<std::size_t>(whole));
        const auto* raw = reinterpret_cast<const uchar*>(m_pending.constData());
        for (qsizetype i = 0; i < whole; ++i)
            samples[std::size_t(i)] = qint16(raw[2 * i] | (raw[2 * i + 1] << 8));
        m_envelope.addSamples(samples.data(), samples.size());
        m_pending.remove(0, whole * 2);
    }

private:
    EnergyEnvelope& m_envelope;
    QByteArray m_pending;
};

} // namespace

EnergyEnvelope DecodeEnvelope(const QString& path, const std::atomic_bool* cancelled)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        throw AlignFailure{QStringLiteral("The recording %1 cannot be read.").arg(path)};

    QProcess decoder;
    decoder.setStandardInputFile(path);
    decoder.start(QStringLiteral("gst-launch-1.0"), pipelineArguments(), QIODevice::ReadOnly);
    if (!decoder.waitForStarted())
        throw AlignFailure{QStringLiteral("The audio decoder gst-launch-1.0 could not be started; "
                                          "it comes with the package gstreamer1.0-tools.")};

    EnergyEnvelope envelope(kDecodeRate);
    SampleFeeder feeder(envelope);
    for (;;) {
        if (cancelled && cancelled->load()) {
            decoder.kill();
            decoder.waitForFinished();
            throw AlignCancelled{};
        }
        const bool arrived = decoder.waitForReadyRead(100);
        feeder.feed(decoder.readAllStandardOutput());
        if (!arrived && decoder.state() == QProcess::NotRunning)
            break;
    }
    decoder.waitForFinished();
    feeder.feed(decoder.readAllStandardOutput());
    envelope.finish();

    if (decoder.exitStatus() != QProcess::NormalExit || decoder.exitCode() != 0)
        throw AlignFailure{QStringLiteral("The recording %1 could not be decoded: %2")
                               .arg(path, decoderReason(decoder.readAllStandardError()))};
    if (envelope.decibels().empty())
        throw AlignFailure{QStringLiteral("The recording %1 holds no sound.").arg(path)};
    return envelope;
}

} // namespace tilvora::align

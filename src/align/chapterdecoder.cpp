#include "align/chapterdecoder.h"

#include "align/alignfailure.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
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

// Whether the decoder found something other than sound in the file: a type
// it could not tell, plain text, or a known type that is no audio (an HTML
// page saved under a recording's name, say). A decoder missing for a sound
// or a container of sound is a missing plug-in, not this.
bool isNotAudio(const QByteArray& errorOutput)
{
    static const QRegularExpression missingDecoder(
        QStringLiteral("Missing decoder: .*\\(([^()]+)\\)\\s*$"), QRegularExpression::MultilineOption);
    const QString text = QString::fromLocal8Bit(errorOutput);
    if (text.contains(QLatin1String("Could not determine type of stream"))
        || text.contains(QLatin1String("This appears to be a text file"))
        || text.contains(QLatin1String("Stream doesn't contain enough data")))
        return true;
    const QRegularExpressionMatch missing = missingDecoder.match(text);
    if (!missing.hasMatch())
        return false;
    const QString type = missing.captured(1).trimmed();
    return type.startsWith(QLatin1String("text/")) || type.startsWith(QLatin1String("image/"))
        || type.contains(QLatin1String("xml")) || type == QLatin1String("application/pdf")
        || type == QLatin1String("application/zip");
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

EnergyEnvelope decodeEnvelope(const QString& path, const std::atomic_bool* cancelled)
{
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        throw AlignFailure{QStringLiteral("The recording %1 cannot be read.").arg(path)};

    QProcess decoder;
    // The decoder's messages in English, whatever the reader's language, so
    // that what it found can be told apart.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LANGUAGE"));
    decoder.setProcessEnvironment(environment);
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

    if (decoder.exitStatus() != QProcess::NormalExit || decoder.exitCode() != 0) {
        const QByteArray errorOutput = decoder.readAllStandardError();
        if (isNotAudio(errorOutput))
            throw AlignFailure{QStringLiteral("The file %1 is not an audio file.").arg(path)};
        throw AlignFailure{
            QStringLiteral("The recording %1 could not be decoded: %2").arg(path, decoderReason(errorOutput))};
    }
    if (envelope.decibels().empty())
        throw AlignFailure{QStringLiteral("The recording %1 holds no sound.").arg(path)};
    return envelope;
}

} // namespace tilvora::align

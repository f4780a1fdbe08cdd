// Accuracy and speed of finding verse starts in chapter recordings.
//
// Accuracy: the share of verses whose found start lies within 0.25 s of the
// truth, on
//  - the demo voice's chapters (the truth: the starts the content build
//    measured while making them), and
//  - recordings made here from the chapters' Arabic text with espeak-ng,
//    joined with pauses of known length and encoded as MP3 with lame, under
//    five conditions: normal pace; pauses of varied length with pauses inside
//    long verses; a fast tempo; short (0.25 s) pauses with white noise 30 dB
//    below the speech; and long verses (8 words or more) spoken in two
//    halves with as long a pause between them as between verses, where only
//    the verses' lengths tell the pauses apart. Every made chapter but the first opens with the
//    basmala, which is not a verse of it.
// Speed: processor time (this process and its decoder) to align a recording
// of at least 10 minutes, against decoding the same file alone in the same
// run; and the time per minute of audio.
//
// Targets: 95 % on the demo voice and at normal pace, 85 % with short pauses
// and noise, and under 2 s of processor time for the 10-minute chapter.
//
// usage: align_bench [--quick] [--verbose]
//   --quick: fewer made chapters; --verbose: every made verse's start and truth

#include "align/alignfailure.h"
#include "align/voicechapter.h"
#include "store/connection.h"
#include "store/sharedstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

using namespace tilvora;

namespace {

constexpr double kTolerance = 0.25;
constexpr int kDemoVoice = 31;
const QString kBasmala = QStringLiteral("بسم الله الرحمن الرحيم");

double processorSeconds()
{
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime) + seconds(children.ru_stime);
}

struct Score {
    int verses = 0;
    int within = 0;
    int lowConfidence = 0;
    int wrongButFlagged = 0;
    int wrong = 0;
    double audioSeconds = 0;
    void add(double found, double truth, double confidence)
    {
        ++verses;
        const bool right = std::abs(found - truth) <= kTolerance;
        within += right;
        wrong += !right;
        lowConfidence += confidence < 0.5;
        wrongButFlagged += !right && confidence < 0.5;
    }
    void print(const char* name) const
    {
        std::printf(
            "%-34s %4d verses  %5.1f %% within %.2f s  (%d below confidence 0.5; %d of the %d misses among them)\n",
            name, verses, verses ? 100.0 * within / verses : 0.0, kTolerance, lowConfidence, wrongButFlagged, wrong);
    }
};

struct Verse {
    int ref = 0;
    int chapter = 0;
    QString text;
};

// The simple script edition's verses of the chapters, in order.
std::map<int, std::vector<Verse>> chapterTexts(store::Connection& db, const QList<int>& chapters)
{
    QStringList list;
    for (int chapter : chapters)
        list << QString::number(chapter);
    store::RecordSet rows = db.openRecordSet(
        QStringLiteral("SELECT MD_Ayah_TAB.AyahRef, SurahNo, Data FROM AP_Detail_TAB INNER JOIN MD_Ayah_TAB"
                       " ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef WHERE MasterID = 2 AND SurahNo IN (%1)"
                       " ORDER BY MD_Ayah_TAB.AyahRef")
            .arg(list.join(QLatin1Char(','))));
    std::map<int, std::vector<Verse>> out;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        out[rows.value(1).toInt()].push_back({rows.value(0).toInt(), rows.value(1).toInt(), rows.text(2)});
    return out;
}

// The text as espeak-ng reads it best: no small high letters or pause signs.
QString speakable(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("\u0640?\u0670")), QStringLiteral("\u0627"));
    text.remove(QRegularExpression(QStringLiteral("[\u0640\u06D6-\u06ED]")));
    return text.simplified();
}

// Puts a comma after the middle word of a long verse, where espeak-ng pauses.
QString withInnerPause(const QString& text)
{
    QStringList words = text.split(QLatin1Char(' '));
    if (words.size() < 12)
        return text;
    words[words.size() / 2] += QStringLiteral("،");
    return words.join(QLatin1Char(' '));
}

struct Pcm {
    int rate = 0;
    std::vector<qint16> samples;
};

bool readWav(const QString& path, Pcm* pcm)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF"))
        return false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        auto u32 = [&](qsizetype p) {
            return quint32(uchar(bytes[p])) | quint32(uchar(bytes[p + 1])) << 8 | quint32(uchar(bytes[p + 2])) << 16
                | quint32(uchar(bytes[p + 3])) << 24;
        };
        qsizetype size = qsizetype(u32(at + 4));
        if (id == "fmt ")
            pcm->rate = int(u32(at + 12));
        if (id == "data") {
            size = std::min(size, bytes.size() - at - 8) & ~qsizetype(1);
            pcm->samples.resize(std::size_t(size / 2));
            std::memcpy(pcm->samples.data(), bytes.constData() + at + 8, std::size_t(size));
            return pcm->rate > 0;
        }
        at += 8 + size + (size % 2);
    }
    return false;
}

bool writeWav(const QString& path, const Pcm& pcm)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    auto u32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    const quint32 dataBytes = quint32(pcm.samples.size() * 2);
    file.write("RIFF" + u32(36 + dataBytes) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(quint32(pcm.rate))
        + u32(quint32(pcm.rate * 2)) + u16(2) + u16(16) + "data" + u32(dataBytes));
    file.write(reinterpret_cast<const char*>(pcm.samples.data()), dataBytes);
    return true;
}

class Speaker {
public:
    explicit Speaker(QString folder) : m_folder(std::move(folder)) { }
    // The verse spoken at `speed` words per minute (synthesised once).
    const Pcm& speak(const QString& text, int speed)
    {
        const QString key = QString::number(speed) + QLatin1Char(' ') + text;
        auto found = m_cache.find(key);
        if (found != m_cache.end())
            return found->second;
        const QString wav = m_folder + QStringLiteral("/speech-%1.wav").arg(m_cache.size());
        QProcess::execute(QStringLiteral("espeak-ng"),
            {QStringLiteral("-v"), QStringLiteral("ar"), QStringLiteral("-s"), QString::number(speed),
                QStringLiteral("-b"), QStringLiteral("1"), QStringLiteral("-w"), wav, text});
        Pcm pcm;
        if (!readWav(wav, &pcm))
            std::fprintf(stderr, "espeak-ng made no speech for a verse\n");
        QFile::remove(wav);
        return m_cache.emplace(key, std::move(pcm)).first->second;
    }

private:
    QString m_folder;
    std::map<QString, Pcm> m_cache;
};

struct Condition {
    const char* name;
    int speed;
    double minPause;
    double maxPause;
    bool innerPauses;
    double noiseBelowSpeech; // dB; 0 for none
    // Long verses are spoken in two halves with a verse pause between them.
    bool splitLongVerses = false;
};

struct MadeChapter {
    std::vector<double> starts;
    double seconds = 0;
    int splitVerses = 0;
};

// Verses of at least this many words are halved in the last condition.
constexpr int kSplitWords = 8;

// Speaks a chapter under a condition into FOLDER/SSS.mp3 and returns the
// verses' true starts.
MadeChapter makeChapter(Speaker& speaker, const std::vector<Verse>& verses, const Condition& condition,
    const QString& folder, QRandomGenerator& random)
{
    Pcm out;
    MadeChapter made;
    auto append = [&](const Pcm& pcm) {
        out.rate = pcm.rate;
        out.samples.insert(out.samples.end(), pcm.samples.begin(), pcm.samples.end());
    };
    auto pause = [&]() {
        const double seconds = condition.minPause + (condition.maxPause - condition.minPause) * random.generateDouble();
        out.samples.insert(out.samples.end(), std::size_t(seconds * out.rate), qint16(0));
    };
    const int chapter = verses.front().chapter;
    out.rate = speaker.speak(kBasmala, condition.speed).rate;
    if (chapter != 1) {
        append(speaker.speak(kBasmala, condition.speed));
        pause();
    }
    for (std::size_t i = 0; i < verses.size(); ++i) {
        if (i > 0)
            pause();
        made.starts.push_back(double(out.samples.size()) / out.rate);
        const QString text = speakable(verses[i].text);
        const QStringList words = text.split(QLatin1Char(' '));
        if (condition.splitLongVerses && words.size() >= kSplitWords) {
            ++made.splitVerses;
            append(speaker.speak(words.mid(0, words.size() / 2).join(QLatin1Char(' ')), condition.speed));
            pause();
            append(speaker.speak(words.mid(words.size() / 2).join(QLatin1Char(' ')), condition.speed));
        } else {
            append(speaker.speak(condition.innerPauses ? withInnerPause(text) : text, condition.speed));
        }
    }
    if (condition.noiseBelowSpeech > 0) {
        double sum = 0;
        std::size_t loud = 0;
        for (qint16 s : out.samples) {
            if (s != 0) {
                sum += double(s) * s;
                ++loud;
            }
        }
        const double speechRms = std::sqrt(sum / double(std::max<std::size_t>(loud, 1)));
        const double noiseRms = speechRms * std::pow(10.0, -condition.noiseBelowSpeech / 20);
        for (qint16& s : out.samples) {
            // Sum of uniform values: near enough to Gaussian noise.
            double n = 0;
            for (int k = 0; k < 12; ++k)
                n += random.generateDouble();
            s = qint16(std::clamp(s + (n - 6) * noiseRms, -32768.0, 32767.0));
        }
    }
    made.seconds = double(out.samples.size()) / out.rate;
    const QString wav = folder + QStringLiteral("/chapter.wav");
    writeWav(wav, out);
    QProcess::execute(QStringLiteral("lame"),
        {QStringLiteral("--quiet"), QStringLiteral("-m"), QStringLiteral("m"), QStringLiteral("-b"),
            QStringLiteral("64"), wav, folder + QStringLiteral("/%1.mp3").arg(chapter, 3, 10, QLatin1Char('0'))});
    QFile::remove(wav);
    return made;
}

void setVoiceFolder(store::Connection& db, const QString& folder)
{
    db.execute(QStringLiteral("UPDATE AP_Master_TAB SET Data = '%1' WHERE MasterID = %2").arg(folder).arg(kDemoVoice));
}

std::vector<align::VerseStart> alignChapter(store::SharedState& state, int chapter, double* processor)
{
    const align::VoiceChapter voiceChapter(state, QString::number(kDemoVoice), QString::number(chapter));
    const double before = processorSeconds();
    std::vector<align::VerseStart> starts = voiceChapter.align();
    if (processor)
        *processor += processorSeconds() - before;
    return starts;
}

double decodeOnlySeconds(const QString& path)
{
    QProcess decoder;
    decoder.setStandardInputFile(path);
    const double before = processorSeconds();
    decoder.start(QStringLiteral("gst-launch-1.0"),
        QStringLiteral("-q fdsrc fd=0 ! decodebin ! audioconvert ! audioresample quality=0 ! "
                       "audio/x-raw,format=S16LE,channels=1,rate=8000 ! fakesink")
            .split(QLatin1Char(' ')));
    decoder.waitForFinished(-1);
    return processorSeconds() - before;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const bool verbose = app.arguments().contains(QStringLiteral("--verbose"));
    const QString appFolder = QCoreApplication::applicationDirPath();
    QTemporaryDir work;
    if (!work.isValid()
        || !QFile::copy(appFolder + QStringLiteral("/DIC.DAT"), work.filePath(QStringLiteral("DIC.DAT")))) {
        std::fprintf(stderr, "align_bench: needs DIC.DAT in %s\n", qPrintable(appFolder));
        return 1;
    }
    store::SharedState state;
    state.gAppFolder = appFolder;
    state.gConnection = store::Connection::open(work.filePath(QStringLiteral("DIC.DAT")));
    store::Connection& db = *state.gConnection;

    try {
        // The demo voice, against the starts the content build measured.
        Score demo;
        store::RecordSet truth
            = db.openRecordSet(QStringLiteral("SELECT SurahNo, DataPos FROM AP_Detail_TAB INNER JOIN "
                                              "MD_Ayah_TAB ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef"
                                              " WHERE MasterID = %1 ORDER BY AP_Detail_TAB.AyahRef")
                                   .arg(kDemoVoice));
        std::map<int, std::vector<double>> demoStarts;
        for (truth.moveFirst(); !truth.eof(); truth.moveNext())
            demoStarts[truth.value(0).toInt()].push_back(truth.value(1).toDouble());
        for (const auto& [chapter, starts] : demoStarts) {
            const std::vector<align::VerseStart> found = alignChapter(state, chapter, nullptr);
            for (std::size_t i = 0; i < starts.size(); ++i)
                demo.add(found[i].seconds, starts[i], found[i].confidence);
        }
        demo.print("demo voice");

        // Made recordings.
        const QList<int> chapters = quick
            ? QList<int>{1, 97, 103, 110, 112, 114}
            : QList<int>{1, 78, 80, 87, 93, 97, 99, 100, 101, 103, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114};
        const std::map<int, std::vector<Verse>> texts = chapterTexts(db, chapters);
        Speaker speaker(work.path());
        QRandomGenerator random(17);
        const Condition conditions[] = {
            {"normal pace (0.6-0.9 s pauses)", 140, 0.6, 0.9, false, 0},
            {"varied pauses, pauses inside", 130, 0.3, 2.0, true, 0},
            {"fast tempo (0.4 s pauses)", 190, 0.4, 0.4, false, 0},
            {"0.25 s pauses, noise at -30 dB", 150, 0.25, 0.25, false, 30},
            {"long verses halved by a verse pause", 140, 0.6, 0.9, false, 0, true},
        };
        const QString folder = work.filePath(QStringLiteral("made"));
        QDir().mkpath(folder);
        setVoiceFolder(db, folder);
        double audioSeconds = 0, alignSeconds = 0;
        for (const Condition& condition : conditions) {
            Score score;
            int splitVerses = 0;
            for (const auto& [chapter, verses] : texts) {
                const MadeChapter made = makeChapter(speaker, verses, condition, folder, random);
                splitVerses += made.splitVerses;
                const std::vector<align::VerseStart> found = alignChapter(state, chapter, &alignSeconds);
                audioSeconds += made.seconds;
                for (std::size_t i = 0; i < made.starts.size(); ++i) {
                    score.add(found[i].seconds, made.starts[i], found[i].confidence);
                    if (verbose)
                        std::printf("  %d:%zu found %.2f (%.2f) truth %.2f\n", chapter, i + 1, found[i].seconds,
                            found[i].confidence, made.starts[i]);
                }
            }
            score.print(condition.name);
            if (condition.splitLongVerses)
                std::printf("  (%d verses were halved)\n", splitVerses);
        }
        std::printf("processor time per minute of audio: %.3f s (over %.1f min of made recordings)\n",
            60 * alignSeconds / audioSeconds, audioSeconds / 60);

        // A chapter of at least ten minutes: chapter 36 read slowly.
        const std::vector<Verse> longChapter = chapterTexts(db, {36})[36];
        const Condition slow{"", 110, 0.5, 1.2, false, 0};
        const MadeChapter made = makeChapter(speaker, longChapter, slow, folder, random);
        const double decodeSeconds = decodeOnlySeconds(folder + QStringLiteral("/036.mp3"));
        double longAlign = 0;
        const std::vector<align::VerseStart> found = alignChapter(state, 36, &longAlign);
        Score longScore;
        for (std::size_t i = 0; i < made.starts.size(); ++i)
            longScore.add(found[i].seconds, made.starts[i], found[i].confidence);
        longScore.print("long recording");
        std::printf("long recording: %.1f min; aligning it took %.2f s of processor time (target under 2 s), "
                    "decoding it alone %.2f s: ratio %.2f\n",
            made.seconds / 60, longAlign, decodeSeconds, longAlign / decodeSeconds);
        // The same chapter as a 128 kbit/s stereo file at 44.1 kHz, as recitations
        // are often sold; its decoding costs more.
        const QString mono = folder + QStringLiteral("/036.mp3");
        const QString stereo = folder + QStringLiteral("/stereo.mp3");
        QProcess::execute(QStringLiteral("ffmpeg"),
            QStringLiteral("-loglevel error -y -i %1 -ac 2 -ar 44100 -b:a 128k %2")
                .arg(mono, stereo)
                .split(QLatin1Char(' ')));
        QFile::remove(mono);
        QFile::rename(stereo, mono);
        const double stereoDecode = decodeOnlySeconds(mono);
        double stereoAlign = 0;
        alignChapter(state, 36, &stereoAlign);
        std::printf("long recording, 128 kbit/s stereo: aligning %.2f s, decoding alone %.2f s: ratio %.2f\n",
            stereoAlign, stereoDecode, stereoAlign / stereoDecode);
    } catch (const align::AlignFailure& failure) {
        std::fprintf(stderr, "align_bench: %s\n", qPrintable(failure.message));
        return 1;
    }
    return 0;
}

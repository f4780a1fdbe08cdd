#include "playback/recitationplan.h"

#include "playback/playvoice.h"
#include "playback/verserecording.h"
#include "playback/voicefolder.h"
#include "store/dberror.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace tilvora::playback {

namespace {

// The longest time to say a verse back: five minutes.
constexpr double kLongestEchoMs = 5 * 60 * 1000;

// Narrows the program list to the selected voice for as long as it lives.
class SelectedVoice {
public:
    explicit SelectedVoice(store::RecordSet& programs) : m_programs(programs)
    {
        m_programs.moveFirst();
        m_programs.setFilter(QStringLiteral("(SysTerm_MasterTypeID='VOICE' AND UserSelection ='True')"));
    }
    ~SelectedVoice() { m_programs.setFilter(QString()); }
    SelectedVoice(const SelectedVoice&) = delete;
    SelectedVoice& operator=(const SelectedVoice&) = delete;

    QString text(const QString& field) const { return m_programs.eof() ? QString() : m_programs.text(field); }

private:
    store::RecordSet& m_programs;
};

int wholeNumberIn(const QString& text, int lowest, int highest, const QString& what)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        throw store::RefusedValue(QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\".")
                                      .arg(what)
                                      .arg(lowest)
                                      .arg(highest)
                                      .arg(text));
    return value;
}

bool sameFileName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

RecitationRequest RecitationRequest::fromText(const QString& from, const QString& to, const QString& verseRepeat,
    const QString& rangeRepeat, const QString& gapMs)
{
    RecitationRequest request;
    request.from = from;
    request.to = to;
    request.verseRepeat = wholeNumberIn(verseRepeat, 1, kMaxRepeat, QStringLiteral("The verse repeat count"));
    request.rangeRepeat = wholeNumberIn(rangeRepeat, 0, kMaxRepeat, QStringLiteral("The range repeat count"));
    request.gapMs = wholeNumberIn(gapMs, 0, kMaxGapMs, QStringLiteral("The gap in milliseconds"));
    return request;
}

bool isPlaybackRate(double rate)
{
    return rate >= kMinRate && rate <= kMaxRate;
}

RecitationPlan::RecitationPlan(store::SharedState& state, host::Host& host, FailureReporter reportFailure)
    : m_state(state),
      m_host(host),
      m_clock([timer = std::make_shared<QElapsedTimer>()] {
          if (!timer->isValid())
              timer->start();
          return timer->elapsed();
      }),
      m_reportFailure(std::move(reportFailure))
{
    if (!m_reportFailure)
        m_reportFailure = [this](const std::exception_ptr& failure) {
            try {
                std::rethrow_exception(failure);
            } catch (const std::exception& known) {
                m_host.reportError(QString::fromLocal8Bit(known.what()));
            } catch (...) {
                m_host.reportError(QStringLiteral("The recitation stopped for an unknown reason."));
            }
        };
}

RecitationPlan::~RecitationPlan() = default;

qint32 RecitationPlan::ayahRefOf(const QString& reference, const QString& which) const
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,4})\\s*:\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = form.match(reference);
    if (!match.hasMatch())
        throw store::RefusedValue(
            QStringLiteral("The %1 verse \"%2\" is not a verse reference such as 2:255.").arg(which, reference));
    store::RecordSet verse
        = m_state.gConnection->openRecordSet(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = ")
            + match.captured(1) + QStringLiteral(" AND AyahNo = ") + match.captured(2));
    if (verse.recordCount() <= 0)
        throw store::RefusedValue(
            QStringLiteral("There is no verse %1:%2.").arg(match.captured(1).toInt()).arg(match.captured(2).toInt()));
    verse.moveFirst();
    return verse.value(0).toInt();
}

QString RecitationPlan::referenceOf(store::Connection& connection, qint32 ayahRef)
{
    store::RecordSet verse = connection.openRecordSet(
        QStringLiteral("SELECT SurahNo, AyahNo FROM MD_Ayah_TAB WHERE AyahRef = %1").arg(ayahRef));
    if (verse.recordCount() <= 0)
        return {};
    verse.moveFirst();
    return verse.text(0) + QLatin1Char(':') + verse.text(1);
}

QString RecitationPlan::lastVerseOfChapter(store::Connection& connection, qint32 ayahRef)
{
    store::RecordSet verse = connection.openRecordSet(
        QStringLiteral("SELECT SurahNo, MAX(AyahNo) FROM MD_Ayah_TAB WHERE SurahNo = "
                       "(SELECT SurahNo FROM MD_Ayah_TAB WHERE AyahRef = %1) GROUP BY SurahNo")
            .arg(ayahRef));
    if (verse.recordCount() <= 0)
        return {};
    verse.moveFirst();
    return verse.text(0) + QLatin1Char(':') + verse.text(1);
}

QString RecitationPlan::versesProblem(const RecitationRequest& request) const
{
    try {
        versesOf(request);
    } catch (const store::RefusedValue& refused) {
        return refused.message();
    }
    return {};
}

std::vector<RecitationPlan::Verse> RecitationPlan::versesOf(const RecitationRequest& request) const
{
    const qint32 first = ayahRefOf(request.from, QStringLiteral("first"));
    const qint32 last = ayahRefOf(request.to, QStringLiteral("last"));
    if (first > last)
        throw store::RefusedValue(QStringLiteral("The range %1 to %2 ends before it starts.")
                                      .arg(request.from.trimmed(), request.to.trimmed()));
    store::RecordSet rows = m_state.gConnection->openRecordSet(QStringLiteral(
        "SELECT AyahRef, SurahNo, AyahNo FROM MD_Ayah_TAB WHERE AyahRef >= %1 AND AyahRef <= %2 ORDER BY AyahRef")
                                                                   .arg(first)
                                                                   .arg(last));
    std::vector<Verse> verses;
    verses.reserve(static_cast<std::size_t>(rows.recordCount()));
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        verses.push_back({rows.value(0).toInt(), rows.text(1) + QLatin1Char(':') + rows.text(2)});
    return verses;
}

void RecitationPlan::start(const RecitationRequest& request)
{
    if (request.verseRepeat < 1 || request.verseRepeat > RecitationRequest::kMaxRepeat || request.rangeRepeat < 0
        || request.rangeRepeat > RecitationRequest::kMaxRepeat || request.gapMs < 0
        || request.gapMs > RecitationRequest::kMaxGapMs
        || (request.echoFactor != 0
            && (request.echoFactor < RecitationRequest::kMinEchoFactor
                || request.echoFactor > RecitationRequest::kMaxEchoFactor)))
        throw store::RefusedValue(QStringLiteral("The repeat counts, the gap or the time to repeat are out of range."));
    std::vector<Verse> verses = versesOf(request);
    stop();
    m_verses = std::move(verses);
    m_verseRepeat = request.verseRepeat;
    m_rangeRepeat = request.rangeRepeat;
    m_gapMs = request.gapMs;
    m_echoFactor = request.echoFactor;
    m_finishAfterWait = false;
    m_verseIndex = 0;
    m_repeat = 0;
    m_round = 0;
    m_skipped.clear();
    m_running = true;
    m_waiting = false;
    playStep();
}

void RecitationPlan::stop()
{
    if (!m_running)
        return;
    end();
    m_host.playerStop();
    m_host.highlightVerse(0, QString());
}

void RecitationPlan::end()
{
    m_running = false;
    m_waiting = false;
    m_finder.cancel();
    m_finishAfterWait = false;
}

void RecitationPlan::finish()
{
    end();
    m_host.highlightVerse(0, QString());
    m_host.recitationFinished(m_skipped);
}

bool RecitationPlan::advance()
{
    if (++m_repeat < m_verseRepeat)
        return true;
    m_repeat = 0;
    if (++m_verseIndex < m_verses.size())
        return true;
    m_verseIndex = 0;
    ++m_round;
    return m_rangeRepeat == 0 || m_round < m_rangeRepeat;
}

void RecitationPlan::verseEnded()
{
    if (!m_running || m_waiting)
        return;
    // Listen and repeat: as long as the verse took, times the factor.
    const qint64 took = m_clock ? m_clock() - m_stepStarted : 0;
    const int echoMs = m_echoFactor > 0 && took > 0
        ? static_cast<int>(std::round(std::min(static_cast<double>(took) * m_echoFactor, kLongestEchoMs)))
        : 0;
    if (!advance()) {
        if (echoMs == 0) {
            finish();
            return;
        }
        m_finishAfterWait = true;
    }
    const int waitMs = (m_finishAfterWait ? 0 : m_gapMs) + echoMs;
    if (waitMs > 0) {
        m_waiting = true;
        m_host.recitationWait(waitMs);
        return;
    }
    playStep();
}

void RecitationPlan::gapElapsed()
{
    if (!m_running || !m_waiting)
        return;
    m_waiting = false;
    if (std::exchange(m_finishAfterWait, false)) {
        finish();
        return;
    }
    playStep();
}

void RecitationPlan::nextVerse()
{
    if (!m_running)
        return;
    m_waiting = false;
    m_repeat = 0;
    if (++m_verseIndex >= m_verses.size()) {
        m_verseIndex = 0;
        ++m_round;
        if (m_rangeRepeat != 0 && m_round >= m_rangeRepeat) {
            m_host.playerStop();
            finish();
            return;
        }
    }
    playStep();
}

void RecitationPlan::previousVerse()
{
    if (!m_running)
        return;
    m_waiting = false;
    m_repeat = 0;
    if (m_verseIndex > 0)
        --m_verseIndex;
    playStep();
}

QString RecitationPlan::currentVerse() const
{
    return m_running ? m_verses[m_verseIndex].reference : QString();
}

QString RecitationPlan::selectedVoiceName()
{
    const SelectedVoice voice(m_state.gPrograms);
    return voice.text(QStringLiteral("Master"));
}

std::optional<StoredRecording> RecitationPlan::storedRecordingOf(store::SharedState& state, qint32 ayahRef)
{
    StoredRecording stored;
    {
        const SelectedVoice voice(state.gPrograms);
        stored.folder = resolveVoiceFolder(state.gAppFolder, voice.text(QStringLiteral("Data")));
    }
    // A copy of the cursor over the voice's rows: gDetails stays where it is.
    store::RecordSet rows = state.gDetails.clone();
    if (rows.recordCount() <= 0)
        return std::nullopt;
    rows.moveFirst();
    rows.find(QStringLiteral("AyahRef='") + QString::number(ayahRef) + QStringLiteral("'"));
    if (rows.eof())
        return std::nullopt;
    stored.name = rows.text(QStringLiteral("Data")).trimmed();
    if (!parseStartPosition(rows.text(QStringLiteral("DataPos")).trimmed(), &stored.start))
        return std::nullopt;

    // The verse ends where the next verse of the same file starts.
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        double start = 0;
        if (sameFileName(rows.text(QStringLiteral("Data")).trimmed(), stored.name)
            && parseStartPosition(rows.text(QStringLiteral("DataPos")).trimmed(), &start) && start > stored.start
            && (!stored.end || start < *stored.end))
            stored.end = start;
    }
    return stored;
}

void RecitationPlan::playStep()
{
    // A verse without a recording moves on to the next one at once.
    for (;;) {
        const Verse verse = m_verses[m_verseIndex];
        std::optional<StoredRecording> stored;
        try {
            stored = storedRecordingOf(m_state, verse.ayahRef);
        } catch (...) {
            stop();
            throw;
        }
        if (stored) {
            searchAndPlay(verse, *stored);
            return;
        }
        if (!skipVerse(verse))
            return;
    }
}

void RecitationPlan::searchAndPlay(const Verse& verse, const StoredRecording& stored)
{
    m_finder.find(stored.folder, stored.name, [this, verse, stored](const LocatedFile& found) {
        try {
            if (!found.path.isEmpty())
                play(verse, found.path, stored);
            else if (skipVerse(verse))
                playStep();
        } catch (...) {
            stop();
            m_reportFailure(std::current_exception());
        }
    });
}

void RecitationPlan::play(const Verse& verse, const QString& path, const StoredRecording& stored)
{
    m_host.highlightVerse(verse.ayahRef, verse.reference);
    m_host.playerSetUrl(path);
    m_host.playerSetPosition(stored.start);
    if (stored.end)
        m_host.playerSetEnd(*stored.end);
    m_host.playerPlay();
    if (m_clock)
        m_stepStarted = m_clock();
}

bool RecitationPlan::skipVerse(const Verse& verse)
{
    const QString voice = selectedVoiceName();
    if (!m_skipped.contains(verse.reference))
        m_skipped.append(verse.reference);
    // Not one verse to recite: the plan ends, as the reader is told.
    if (m_skipped.size() >= static_cast<qsizetype>(m_verses.size())) {
        const qint32 first = m_verses.front().ayahRef;
        stop();
        showNoRecording(m_state, m_host, voice, first);
        return false;
    }
    m_host.recitationSkipped(verse.reference, voice, m_skipped);
    // Its repeats go with it.
    m_repeat = m_verseRepeat - 1;
    if (advance())
        return true;
    finish();
    return false;
}

} // namespace tilvora::playback

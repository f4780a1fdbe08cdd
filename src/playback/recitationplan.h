#pragma once

#include "host/host.h"
#include "playback/mediafilefinder.h"
#include "store/sharedstate.h"

#include <QString>
#include <QtGlobal>

#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace tilvora::playback {

// What a reader asks to recite: the verses FROM..TO ("S:A", possibly across
// chapters), each verse `verseRepeat` times, the whole range `rangeRepeat`
// times (0: until stopped), with `gapMs` of silence between repeats and
// between verses. Listen and repeat: with an `echoFactor` (1.0 to 2.0; 0 is
// off), after each verse the plan also waits as long as the verse took times
// the factor, for the reader to say it back.
struct RecitationRequest {
    QString from;
    QString to;
    int verseRepeat = 1;
    int rangeRepeat = 1;
    int gapMs = 0;
    double echoFactor = 0;

    static constexpr int kMaxRepeat = 999;
    static constexpr int kMaxGapMs = 60000;
    static constexpr double kMinEchoFactor = 1.0;
    static constexpr double kMaxEchoFactor = 2.0;

    // The request from the texts a reader or the text host gives; a count or
    // gap that is not a whole number in its range is refused
    // (store::RefusedValue) with a message saying which and why.
    static RecitationRequest fromText(const QString& from, const QString& to, const QString& verseRepeat,
        const QString& rangeRepeat, const QString& gapMs);
};

// The lowest and highest playback rates, and whether a rate lies between.
constexpr double kMinRate = 0.5;
constexpr double kMaxRate = 2.0;
bool isPlaybackRate(double rate);

// One verse of the recording as the voice's rows store it: the file's name,
// the folder to look for it in, and where the verse lies in it.
struct StoredRecording {
    QString folder;
    QString name;
    double start = 0;
    // Where the next verse of the same file starts; none: the end of the file.
    std::optional<double> end;
};

// A recitation of a range of verses in the selected voice, step by step. Each
// step recites one verse: it marks the verse (Host::highlightVerse) and has
// the player play it from its start position to its end. The player reports
// the end of the verse (verseEnded), after which the plan waits for the gap,
// when there is one, and goes on with the next step. Everything runs on the
// caller's thread and returns at once; the plan only reacts to those reports
// and to its file searches, which run away from that thread and hand their
// result back to its event loop.
//
// A verse the voice has no recording of (no detail row, no file, no start
// position) is left out: the host is told (Host::recitationSkipped) and the
// plan goes on with the next verse. When no verse of the range has one, the
// plan ends with a message that names the voice and the first verse.
class RecitationPlan {
public:
    // Told of a failure that arises after a file search, when no caller is
    // there to receive it; the plan has stopped by then.
    using FailureReporter = std::function<void(const std::exception_ptr&)>;

    // Without a reporter, failures are told by Host::reportError.
    RecitationPlan(store::SharedState& state, host::Host& host, FailureReporter reportFailure = {});
    ~RecitationPlan();
    RecitationPlan(const RecitationPlan&) = delete;
    RecitationPlan& operator=(const RecitationPlan&) = delete;

    // Checks the request (the verses exist, FROM <= TO, counts and gap in
    // range) and starts the first step; a plan that was running stops first.
    // A refused request throws store::RefusedValue and starts nothing.
    void start(const RecitationRequest& request);
    // What start() would refuse in the verses of the request (a verse that
    // does not exist, a range that ends before it starts), in the words it
    // would say it with; empty when the verses are right.
    QString versesProblem(const RecitationRequest& request) const;
    // Stops the running plan: the player stops and the mark goes away.
    // Nothing happens when no plan runs.
    void stop();

    // The player finished the current verse.
    void verseEnded();
    // The silence before the next step is over.
    void gapElapsed();
    // Goes straight to the next or the previous verse of the range (its first
    // repeat), without a gap.
    void nextVerse();
    void previousVerse();

    // The clock (milliseconds) that times a verse for listen and repeat; a
    // steady clock unless a test gives its own.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    bool isRunning() const { return m_running; }
    bool isWaiting() const { return m_waiting; }
    // The reference ("S:A") of the verse being recited; empty when none.
    QString currentVerse() const;

    // The reference "S:A" of a verse; empty when there is no such verse.
    static QString referenceOf(store::Connection& connection, qint32 ayahRef);
    // The reference of the last verse of the chapter that holds `ayahRef`;
    // empty when there is no such verse.
    static QString lastVerseOfChapter(store::Connection& connection, qint32 ayahRef);

    // Where the selected voice's rows put the verse, or nothing when the
    // voice has no row for it or no start position in it.
    static std::optional<StoredRecording> storedRecordingOf(store::SharedState& state, qint32 ayahRef);

private:
    struct Verse {
        qint32 ayahRef = 0;
        QString reference;
    };

    std::vector<Verse> versesOf(const RecitationRequest& request) const;
    qint32 ayahRefOf(const QString& reference, const QString& which) const;
    // Moves to the next step; false when the plan has played all its steps.
    bool advance();
    void playStep();
    // Looks for the verse's file and plays the verse from it, or leaves the
    // verse out when there is no such file.
    void searchAndPlay(const Verse& verse, const StoredRecording& stored);
    void play(const Verse& verse, const QString& path, const StoredRecording& stored);
    // Leaves out the verse, which has no recording, and moves past it; false
    // when the plan ended.
    bool skipVerse(const Verse& verse);
    void finish();
    void end();
    QString selectedVoiceName();

    store::SharedState& m_state;
    host::Host& m_host;

    std::vector<Verse> m_verses;
    int m_verseRepeat = 1;
    int m_rangeRepeat = 1;
    int m_gapMs = 0;
    double m_echoFactor = 0;
    std::function<qint64()> m_clock;
    // When the current verse began to play (m_clock's time).
    qint64 m_stepStarted = 0;
    // The last verse's time to say it back runs; the plan then ends.
    bool m_finishAfterWait = false;

    bool m_running = false;
    bool m_waiting = false;
    std::size_t m_verseIndex = 0;
    int m_repeat = 0;
    int m_round = 0;
    // The references of the verses left out for want of a recording.
    QStringList m_skipped;
    // Looks for each step's file; a stop or a new step drops the search before.
    MediaFileFinder m_finder;
    FailureReporter m_reportFailure;
};

} // namespace tilvora::playback

#pragma once

#include "playback/downloadwatch.h"
#include "texts/textedition.h"
#include "texts/textstore.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace tilvora::texts {

// What a text download ended with.
struct TextDownloadSummary {
    QString identifier;
    // The program the text became, when every chapter was in.
    std::optional<InstalledText> installed;
    // The chapters that failed, in order, and one line per chapter saying why.
    QList<int> failedChapters;
    QStringList failures;
    bool cancelled = false;
    // Why the download stopped before its end ("the server cannot be
    // reached", ...); empty when it ran to its end or was cancelled.
    QString stopReason;
    qint64 bytes = 0;
};

// Downloads one text chapter by chapter, a few at a time, without blocking
// the event loop, and installs it once every chapter is in.
//
// Each chapter's answer is checked (see readChapter) and kept in the store at
// once; a chapter that fails is named in the summary and the text is not
// installed. A download that stops (cancelled, the network, the program
// closed) keeps what it kept: the next one fetches only the chapters still
// missing. A chapter larger than the cap, a server silent for too long or
// slower than the floor, and a few chapters in a row that cannot reach the
// server are handled as the recitation download handles its files.
class TextDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kParallelRequests = 4;
    // The largest chapter answer taken (the longest commentary of the
    // longest chapter is a few megabytes).
    static constexpr qint64 kMaxChapterBytes = 64LL * 1024 * 1024;

    explicit TextDownload(TextStore& store, QObject* parent = nullptr);
    ~TextDownload() override;

    // Starts fetching `edition` (its identifier at least) from `base`. A
    // bad base address is refused (store::RefusedValue). An edition without
    // a catalogue's description takes the one its chapters give.
    void start(const QString& base, const TextEdition& edition);
    void cancel();
    void setLimits(const playback::DownloadLimits& limits) { m_limits = limits; }
    bool isRunning() const { return m_running; }

    int chaptersDone() const { return m_done; }
    int chaptersTotal() const { return m_total; }
    qint64 bytesReceived() const { return m_summary.bytes; }
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }

signals:
    // After each chapter, whatever became of it.
    void chapterDone(int chaptersDone, int chaptersTotal, qint64 bytes);
    void bytesArrived(qint64 bytes);
    void finished(const tilvora::texts::TextDownloadSummary& summary);

private:
    struct Request;

    void startNext();
    void onData(Request& request);
    void onFinished(Request& request);
    // The chapter's answer checked and kept; false when it failed.
    bool keep(Request& request);
    void fail(int chapter, const QString& reason);
    bool countConnectionFailure(bool failed, bool answered);
    void checkPace();
    void stop(const QString& reason);
    void end();
    void finish();
    void emitFinished();
    void adoptEdition(const TextEdition& described);

    TextStore& m_store;
    QNetworkAccessManager* m_network;
    QString m_base;
    TextEdition m_edition;
    bool m_described = false;
    std::vector<int> m_chapters;
    std::size_t m_next = 0;
    std::vector<std::unique_ptr<Request>> m_requests;
    TextDownloadSummary m_summary;
    // Why each chapter that failed did, by chapter.
    QMap<int, QString> m_failures;
    int m_done = 0;
    int m_total = 0;
    bool m_running = false;
    QElapsedTimer m_clock;
    playback::DownloadLimits m_limits;
    QTimer m_pace;
    playback::ConnectionFailureStreak m_connectionFailures;
};

} // namespace tilvora::texts

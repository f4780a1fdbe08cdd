#pragma once

#include "playback/downloadwatch.h"
#include "store/connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace tilvora::playback {

// How a reciter's server names its verse files.
enum class DownloadLayout {
    // <base>SSSAAA.mp3: chapter and verse, three digits each.
    ChapterVerse,
    // <base>N.mp3: the verse's number in the whole book (1 to 6236).
    BookNumber,
};

// "sssaaa" and "number", the names the catalogue and the text host use;
// false for any other text.
bool downloadLayoutFromName(const QString& name, DownloadLayout* layout);

// One verse file to fetch: where from, and its name in the voice's folder
// (always SSSAAA.mp3, which the reciter voices' detail rows name).
struct DownloadFile {
    QUrl url;
    QString name;
};

// The verse files of chapters fromChapter..toChapter at a base address. The
// base must be an http or https address; a "/" is added when it lacks one.
// A bad base or chapter range is refused (store::RefusedValue).
std::vector<DownloadFile> downloadFiles(
    store::Connection& connection, const QString& base, DownloadLayout layout, int fromChapter, int toChapter);

// A reciter of the catalogue the program ships.
struct CatalogueEntry {
    QString name;
    QString base;
    DownloadLayout layout = DownloadLayout::ChapterVerse;
    int bitrate = 0;
};

// The catalogue from its JSON text: an array of objects with "name", "base",
// "layout" ("sssaaa" or "number") and "bitrate". Entries without a name, a
// base or a known layout are left out.
std::vector<CatalogueEntry> readCatalogue(const QByteArray& json);

// A voice whose recordings are one file per verse named SSSAAA.mp3, the kind
// a download fills.
struct FolderVoice {
    int masterId = 0;
    QString name;
    QString folder;
};
std::vector<FolderVoice> reciterFolderVoices(store::Connection& connection);

// The folder a voice without a folder of its own downloads into: the
// recitations folder of the user's data folder, one folder per reciter. The
// reciter's name (often taken from an address) loses control and direction
// characters and is kept short enough for any file system.
QString defaultRecitationFolder(const QString& reciter);

// What a download ended with.
struct DownloadSummary {
    int stored = 0;
    int skipped = 0;
    int failed = 0;
    // One line per failed file: its name and what went wrong.
    QStringList failures;
    bool cancelled = false;
    // Why the download stopped before its end ("no space left on the disk",
    // "the server is too slow", ...); empty when it ran to its end or was
    // cancelled.
    QString stopReason;
};

// Downloads verse files into a folder, a few at a time, without blocking the
// event loop: everything happens in the signals of the network replies.
//
// A file already in the folder is skipped. A file is written as NAME.part
// and renamed to NAME only once it is complete and looks like audio: its
// size is the one announced, or, when the server announced none, its MPEG
// frames end exactly at its end. An interrupted file keeps its .part, and the
// next download asks the server for the rest only (an HTTP Range request);
// an empty part is removed. A response that is an HTTP error, a text or HTML
// page, shorter or longer than announced, larger than the cap, or not audio
// is a failure of that file, named in the summary; the other files go on.
// Redirects to http or https addresses are followed.
//
// The download stops, keeping what was stored, when the disk is full (or
// has less room than a file announces), when the server is slower than the
// floor, and after a few files in a row that could not reach the server.
class RecitationDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kParallelRequests = 4;

    explicit RecitationDownload(QObject* parent = nullptr);
    ~RecitationDownload() override;

    // Starts fetching `files` into `folder` (made when missing). A download
    // that is running goes on; start only when idle.
    void start(const std::vector<DownloadFile>& files, const QString& folder);
    // Takes effect from the next start.
    void setLimits(const DownloadLimits& limits) { m_limits = limits; }
    // Makes the folder's disk look `bytes` large in all, its files counted
    // against it, for tests of a full disk; -1 for the real disk.
    void setDiskSizeForTesting(qint64 bytes) { m_testDiskSize = bytes; }
    // Stops every request; the parts fetched so far stay for a later resume.
    void cancel();
    bool isRunning() const { return m_running; }

    int filesTotal() const { return static_cast<int>(m_files.size()); }
    int filesDone() const { return m_summary.stored + m_summary.skipped + m_summary.failed; }
    // Bytes received from the network in this download so far.
    qint64 bytesReceived() const { return m_bytes; }
    // Milliseconds since the download started.
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : 0; }
    const DownloadSummary& summary() const { return m_summary; }

signals:
    // After each file, whatever became of it.
    void fileDone(int filesDone, int filesTotal, qint64 bytes);
    // Whenever bytes arrive.
    void bytesArrived(qint64 bytes);
    // The first time in a download that a file is stored or found in place:
    // the folder now holds recordings.
    void firstFileInPlace();
    void finished(const tilvora::playback::DownloadSummary& summary);

private:
    struct Transfer;

    void startNext();
    void begin(Transfer& transfer);
    void request(Transfer& transfer);
    void onHeaders(Transfer& transfer);
    bool openPart(Transfer& transfer, int status);
    void onData(Transfer& transfer);
    void onFinished(Transfer& transfer);
    // Whether the file failed for want of a connection.
    bool finishReply(Transfer& transfer);
    // False when the redirect is refused (the file failed).
    bool followRedirect(Transfer& transfer);
    void fail(Transfer& transfer, const QString& reason);
    void complete(Transfer& transfer);
    void checkAudioEnd(Transfer& transfer);
    void release(Transfer& transfer);
    void fileFinished();
    void fileInPlace();
    // Counts files in a row that failed for want of a connection; true when
    // that stopped the download.
    bool countConnectionFailure(const Transfer& transfer, bool failed);
    void checkPace();
    void stop(const QString& reason);
    void end();
    qint64 freeSpace() const;
    // Writes all of `data` to the transfer's part; the error number when it
    // could not (0 when it could).
    int write(Transfer& transfer, const QByteArray& data);

    QNetworkAccessManager* m_network;
    std::vector<DownloadFile> m_files;
    QString m_folder;
    std::size_t m_next = 0;
    std::vector<std::unique_ptr<Transfer>> m_transfers;
    DownloadSummary m_summary;
    qint64 m_bytes = 0;
    bool m_running = false;
    bool m_madeFolder = false;
    bool m_folderUsed = false;
    QElapsedTimer m_clock;
    DownloadLimits m_limits;
    QTimer m_pace;
    ConnectionFailureStreak m_connectionFailures;
    qint64 m_testDiskSize = -1;
    qint64 m_testDiskUsed = 0;
};

} // namespace tilvora::playback

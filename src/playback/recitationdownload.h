#pragma once

#include "store/connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
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
bool DownloadLayoutFromName(const QString& name, DownloadLayout* layout);

// One verse file to fetch: where from, and its name in the voice's folder
// (always SSSAAA.mp3, which the reciter voices' detail rows name).
struct DownloadFile {
    QUrl url;
    QString name;
};

// The verse files of chapters fromChapter..toChapter at a base address. The
// base must be an http or https address; a "/" is added when it lacks one.
// A bad base or chapter range is refused (store::RefusedValue).
std::vector<DownloadFile> DownloadFiles(
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
std::vector<CatalogueEntry> ReadCatalogue(const QByteArray& json);

// A voice whose recordings are one file per verse named SSSAAA.mp3, the kind
// a download fills.
struct FolderVoice {
    int masterId = 0;
    QString name;
    QString folder;
};
std::vector<FolderVoice> ReciterFolderVoices(store::Connection& connection);

// The folder a voice without a folder of its own downloads into: the
// recitations folder of the user's data folder, one folder per reciter.
QString DefaultRecitationFolder(const QString& reciter);

// What a download ended with.
struct DownloadSummary {
    int stored = 0;
    int skipped = 0;
    int failed = 0;
    // One line per failed file: its name and what went wrong.
    QStringList failures;
    bool cancelled = false;
};

// Downloads verse files into a folder, a few at a time, without blocking the
// event loop: everything happens in the signals of the network replies.
//
// A file already in the folder is skipped. A file is written as NAME.part
// and renamed to NAME only once it is complete and looks like audio. An
// interrupted file keeps its .part, and the next download asks the server for
// the rest only (an HTTP Range request). A response that is an HTTP error, a
// text or HTML page, shorter or longer than announced, or not audio is a
// failure of that file, named in the summary; the other files go on.
class RecitationDownload : public QObject {
    Q_OBJECT
public:
    static constexpr int kParallelRequests = 4;

    explicit RecitationDownload(QObject* parent = nullptr);
    ~RecitationDownload() override;

    // Starts fetching `files` into `folder` (made when missing). A download
    // that is running goes on; start only when idle.
    void start(const std::vector<DownloadFile>& files, const QString& folder);
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
    void finished(const tilvora::playback::DownloadSummary& summary);

private:
    struct Transfer;

    void startNext();
    void begin(Transfer& transfer);
    void onHeaders(Transfer& transfer);
    void onData(Transfer& transfer);
    void onFinished(Transfer& transfer);
    void fail(Transfer& transfer, const QString& reason);
    void complete(Transfer& transfer);
    void release(Transfer& transfer);
    void fileFinished();

    QNetworkAccessManager* m_network;
    std::vector<DownloadFile> m_files;
    QString m_folder;
    std::size_t m_next = 0;
    std::vector<std::unique_ptr<Transfer>> m_transfers;
    DownloadSummary m_summary;
    qint64 m_bytes = 0;
    bool m_running = false;
    QElapsedTimer m_clock;
};

} // namespace tilvora::playback

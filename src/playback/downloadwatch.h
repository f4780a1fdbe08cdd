#pragma once

#include <QElapsedTimer>
#include <QNetworkReply>
#include <QString>

#include <optional>

namespace tilvora::playback {

// The bounds a download keeps to.
struct DownloadLimits {
    // The largest verse file taken. The longest verse recited slowly lasts a
    // few minutes; at 320 kbit/s (40 KB a second) ten minutes are 24 MB.
    qint64 maxFileBytes = 32LL * 1024 * 1024;
    // A file from which nothing arrives for this long has timed out.
    int silenceMs = 20000;
    // A file that, once answered, gets fewer than floorBytes in any
    // floorWindowMs is too slow and stops the download. The window is longer
    // than the silence, so a silent server times out first.
    qint64 floorBytes = 1024;
    int floorWindowMs = 30000;
    // Redirects followed for one file.
    int maxRedirects = 5;
    // Files in a row that end in a connection failure (no answer, or an
    // answer broken off) before the download stops.
    int connectionFailuresToStop = 3;
};

// A failure to reach the server or to get its answer whole, as opposed to an
// answer that refuses the request.
bool isConnectionFailure(QNetworkReply::NetworkError error);

// Why a reply broke off, in plain words: "timed out" for the silence time-out
// and for our own aborts (Qt reports both as a cancel), the network's own
// words otherwise.
QString connectionFailureText(const QNetworkReply& reply);

// The pace of one transfer: the bytes that arrived since its window began.
class PaceWindow {
public:
    // The server answered: the first window starts.
    void begin();
    void add(qint64 bytes) { m_bytes += bytes; }
    // Whether a whole window passed with fewer bytes than the floor. A window
    // that passed with enough starts the next one.
    bool isTooSlow(const DownloadLimits& limits);

private:
    QElapsedTimer m_window;
    qint64 m_bytes = 0;
};

// The connection failures in a row among the requests of one download.
class ConnectionFailureStreak {
public:
    void reset();
    // Counts a finished request (`answered`: the server had begun to answer
    // it). When the failures in a row reach the limit, says why the download
    // stops: the server stopped answering, or it cannot be reached at all.
    std::optional<QString> count(bool failed, bool answered, const DownloadLimits& limits);

private:
    int m_failures = 0;
    bool m_answered = false;
};

} // namespace tilvora::playback

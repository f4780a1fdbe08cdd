#pragma once

// A small HTTP server on 127.0.0.1 for download tests: it serves files from
// memory, answers Range requests, and can misbehave the ways real servers do.
// It runs on a thread of its own, so a test may block on a child process
// that downloads from it. It never listens on any other address.

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThread>

class QTcpServer;
class QTcpSocket;

namespace tilvora::testing {

class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        // 200 with the whole body, or 206 with the rest from a Range's first
        // byte (416 when that lies at or past the end).
        Serve,
        // Announces the whole body, sends half of it and closes the
        // connection; then serves normally from the next request on.
        DropOnce,
        // Announces the whole body, sends a little of it and then nothing.
        Stall,
        // 404 with an HTML page.
        NotFound,
        // HTTP/1.0 without a length: the body, then the connection closes.
        NoLength,
        // HTTP/1.1 chunked: the body in chunks, then the connection closes
        // without the last, empty chunk.
        ChunkedNoEnd,
        // Announces the whole body and sends one byte of it a second.
        Trickle,
        // 302 Found to `location`.
        Redirect,
    };
    struct Route {
        QByteArray body;
        QByteArray type = "audio/mpeg";
        Behaviour behaviour = Behaviour::Serve;
        QByteArray location;
        // The length announced instead of the body's (-1: the body's).
        qint64 announced = -1;
    };

    LocalHttpServer();
    ~LocalHttpServer() override;

    // Starts listening on 127.0.0.1 on a free port; false when it cannot.
    bool start();
    // "http://127.0.0.1:PORT".
    QString address() const;

    // What the path (e.g. "/r/001001.mp3") answers; any other path: 404.
    void route(const QString& path, const Route& route);
    // Every request so far, as "PATH RANGE" (RANGE empty without one).
    QStringList requests() const;

private:
    Q_INVOKABLE bool listenHere();
    void onConnection();
    void onReadable(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path, const QByteArray& range);
    void trickle(QTcpSocket* socket, const QByteArray& body);

    QThread m_thread;
    QTcpServer* m_server = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_mutex;
    QHash<QString, Route> m_routes;
    QStringList m_requests;
};

// A body that looks like an MP3 file (an ID3 tag, then `size` bytes in all).
QByteArray mp3Body(int size, char seed);

// A text service's answer for one chapter of the text `identifier` (an
// Arabic commentary unless `type` says otherwise), its verses' texts given.
QByteArray textChapterAnswer(
    const QString& identifier, int chapter, const QStringList& texts, const QString& type = QStringLiteral("tafsir"));

} // namespace tilvora::testing

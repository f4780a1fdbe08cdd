#include "support/localhttpserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QHostAddress>
#include <QMetaObject>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace tilvora::testing {

namespace {

QByteArray statusLine(int status)
{
    switch (status) {
    case 200:
        return "HTTP/1.1 200 OK\r\n";
    case 206:
        return "HTTP/1.1 206 Partial Content\r\n";
    case 302:
        return "HTTP/1.1 302 Found\r\n";
    case 416:
        return "HTTP/1.1 416 Range Not Satisfiable\r\n";
    default:
        return "HTTP/1.1 404 Not Found\r\n";
    }
}

QByteArray response(int status, const QByteArray& type, qint64 length, const QByteArray& extraHeaders = {})
{
    return statusLine(status) + "Content-Type: " + type + "\r\nContent-Length: " + QByteArray::number(length) + "\r\n"
        + extraHeaders + "Connection: close\r\n\r\n";
}

} // namespace

QByteArray mp3Body(int size, char seed)
{
    QByteArray body("ID3");
    body.reserve(size);
    for (int i = body.size(); i < size; ++i)
        body.append(static_cast<char>((i * 31 + seed) & 0xFF));
    return body;
}

QByteArray textChapterAnswer(const QString& identifier, int chapter, const QStringList& texts, const QString& type)
{
    QJsonArray ayahs;
    for (int i = 0; i < texts.size(); ++i)
        ayahs.append(QJsonObject{{QStringLiteral("number"), 1000 + i}, {QStringLiteral("text"), texts[i]},
            {QStringLiteral("numberInSurah"), i + 1}});
    const QString language = identifier.section(QLatin1Char('.'), 0, 0);
    const QJsonObject edition{{QStringLiteral("identifier"), identifier}, {QStringLiteral("language"), language},
        {QStringLiteral("name"), QStringLiteral("Made ") + identifier},
        {QStringLiteral("englishName"), QStringLiteral("Made ") + identifier}, {QStringLiteral("type"), type},
        {QStringLiteral("direction"), language == QLatin1String("ar") ? QStringLiteral("rtl") : QStringLiteral("ltr")}};
    const QJsonObject data{{QStringLiteral("number"), chapter},
        {QStringLiteral("numberOfAyahs"), static_cast<int>(texts.size())}, {QStringLiteral("ayahs"), ayahs},
        {QStringLiteral("edition"), edition}};
    return QJsonDocument(QJsonObject{{QStringLiteral("code"), 200}, {QStringLiteral("status"), QStringLiteral("OK")},
                             {QStringLiteral("data"), data}})
        .toJson(QJsonDocument::Compact);
}

LocalHttpServer::LocalHttpServer()
{
    m_thread.setObjectName(QStringLiteral("local-http-server"));
    m_thread.start();
    moveToThread(&m_thread);
}

LocalHttpServer::~LocalHttpServer()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            delete m_server;
            m_server = nullptr;
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool LocalHttpServer::start()
{
    bool listening = false;
    QMetaObject::invokeMethod(this, "listenHere", Qt::BlockingQueuedConnection, Q_RETURN_ARG(bool, listening));
    return listening;
}

bool LocalHttpServer::listenHere()
{
    m_server = new QTcpServer();
    connect(m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onConnection);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return false;
    m_port = m_server->serverPort();
    return true;
}

QString LocalHttpServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void LocalHttpServer::route(const QString& path, const Route& route)
{
    const QMutexLocker lock(&m_mutex);
    m_routes.insert(path, route);
}

QStringList LocalHttpServer::requests() const
{
    const QMutexLocker lock(&m_mutex);
    return m_requests;
}

void LocalHttpServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setParent(m_server);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::onReadable(QTcpSocket* socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
    QByteArray range;
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("range:"))
            range = line.mid(6).trimmed();
    }
    answer(socket, QString::fromLatin1(request.value(1)), range);
}

void LocalHttpServer::answer(QTcpSocket* socket, const QString& path, const QByteArray& range)
{
    Route route;
    {
        const QMutexLocker lock(&m_mutex);
        m_requests << (path + QLatin1Char(' ') + QString::fromLatin1(range));
        const auto found = m_routes.find(path);
        if (found == m_routes.end()) {
            route.behaviour = Behaviour::NotFound;
        } else {
            route = *found;
            if (found->behaviour == Behaviour::DropOnce)
                found->behaviour = Behaviour::Serve;
        }
    }
    const QByteArray& body = route.body;
    switch (route.behaviour) {
    case Behaviour::NotFound: {
        const QByteArray page = "<html><body><h1>404 Not Found</h1></body></html>";
        socket->write(response(404, "text/html", page.size()) + page);
        break;
    }
    case Behaviour::NoLength:
        socket->write("HTTP/1.0 200 OK\r\nContent-Type: " + route.type + "\r\nConnection: close\r\n\r\n" + body);
        break;
    case Behaviour::ChunkedNoEnd:
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: " + route.type
            + "\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n");
        for (qsizetype at = 0; at < body.size(); at += 4096) {
            const QByteArray chunk = body.mid(at, 4096);
            socket->write(QByteArray::number(chunk.size(), 16) + "\r\n" + chunk + "\r\n");
        }
        break;
    case Behaviour::Trickle:
        socket->write(response(200, route.type, body.size()));
        trickle(socket, body);
        return;
    case Behaviour::Redirect:
        socket->write(response(302, "text/plain", 0, "Location: " + route.location + "\r\n"));
        break;
    case Behaviour::DropOnce:
        socket->write(response(200, route.type, body.size()) + body.left(body.size() / 2));
        break;
    case Behaviour::Stall:
        socket->write(response(200, route.type, body.size()) + body.left(100));
        socket->flush();
        return; // the connection stays open, silent
    case Behaviour::Serve: {
        static const QRegularExpression form(QStringLiteral("^bytes=(\\d+)-$"));
        const QRegularExpressionMatch match = form.match(QString::fromLatin1(range));
        if (!match.hasMatch()) {
            socket->write(response(200, route.type, route.announced >= 0 ? route.announced : body.size()) + body);
            break;
        }
        const qint64 first = match.captured(1).toLongLong();
        const QByteArray total = QByteArray::number(body.size());
        if (first >= body.size()) {
            socket->write(response(416, "text/plain", 0, "Content-Range: bytes */" + total + "\r\n"));
            break;
        }
        const QByteArray rest = body.mid(first);
        socket->write(response(206, route.type, rest.size(),
                          "Content-Range: bytes " + QByteArray::number(first) + '-'
                              + QByteArray::number(body.size() - 1) + '/' + total + "\r\n")
            + rest);
        break;
    }
    }
    socket->disconnectFromHost();
}

void LocalHttpServer::trickle(QTcpSocket* socket, const QByteArray& body)
{
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
        if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid((*sent)++, 1));
    });
    timer->start(1000);
}

} // namespace tilvora::testing

#pragma once

#include "texts/textedition.h"

#include <QList>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace tilvora::texts {

// Fetches the service's catalogue: its translations and its commentaries,
// two requests at once, without blocking the event loop.
class CatalogueFetch : public QObject {
    Q_OBJECT
public:
    // A catalogue that has not answered in this time has failed.
    static constexpr int kTimeoutMs = 20000;

    explicit CatalogueFetch(QObject* parent = nullptr);
    ~CatalogueFetch() override;

    // Starts fetching from `base`; a fetch that is running is dropped. A bad
    // base address is refused (store::RefusedValue).
    void fetch(const QString& base);
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

signals:
    // Every entry of both kinds, translations first; `problem` says in plain
    // words why the catalogue could not be had (the entries are then empty).
    void finished(const QList<tilvora::texts::TextEdition>& editions, const QString& problem);

private:
    void onFinished(QNetworkReply* reply, TextKind kind);
    void drop();

    QNetworkAccessManager* m_network;
    QList<QNetworkReply*> m_replies;
    QList<TextEdition> m_translations;
    QList<TextEdition> m_commentaries;
    QString m_problem;
    int m_timeoutMs = kTimeoutMs;
};

} // namespace tilvora::texts

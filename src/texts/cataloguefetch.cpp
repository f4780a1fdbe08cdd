#include "texts/cataloguefetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::texts {

namespace {
// The catalogue is a list of names: a few hundred kilobytes at most.
constexpr qint64 kMaxCatalogueBytes = 8LL * 1024 * 1024;
} // namespace

CatalogueFetch::CatalogueFetch(QObject* parent) : QObject(parent), m_network(new QNetworkAccessManager(this)) { }

CatalogueFetch::~CatalogueFetch()
{
    drop();
}

void CatalogueFetch::drop()
{
    for (QNetworkReply* reply : std::as_const(m_replies)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_replies.clear();
}

void CatalogueFetch::fetch(const QString& base)
{
    const QUrl translations = catalogueUrl(base, TextKind::Translation);
    const QUrl commentaries = catalogueUrl(base, TextKind::Commentary);
    drop();
    m_translations.clear();
    m_commentaries.clear();
    m_problem.clear();
    for (const auto& [url, kind] :
        {std::pair{translations, TextKind::Translation}, std::pair{commentaries, TextKind::Commentary}}) {
        QNetworkRequest request(url);
        request.setTransferTimeout(m_timeoutMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        QNetworkReply* reply = m_network->get(request);
        m_replies << reply;
        const TextKind what = kind;
        connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64) {
            if (received > kMaxCatalogueBytes)
                QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        });
        connect(reply, &QNetworkReply::finished, this, [this, reply, what] { onFinished(reply, what); });
    }
}

void CatalogueFetch::onFinished(QNetworkReply* reply, TextKind kind)
{
    m_replies.removeOne(reply);
    reply->deleteLater();
    if (m_problem.isEmpty()) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
            m_problem = u"the service did not answer in time"_s;
        else if (reply->error() != QNetworkReply::NoError && status == 0)
            m_problem = u"the service cannot be reached (%1)"_s.arg(reply->errorString());
        else if (status != 200)
            m_problem = u"the service answered %1 %2"_s.arg(status)
                            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                            .trimmed();
        else
            (kind == TextKind::Commentary ? m_commentaries : m_translations)
                = readCatalogue(reply->readAll(), kind, &m_problem);
    }
    if (!m_replies.isEmpty())
        return;
    if (!m_problem.isEmpty()) {
        emit finished({}, m_problem);
        return;
    }
    emit finished(m_translations + m_commentaries, QString());
}

} // namespace tilvora::texts

#include "texts/textdownload.h"

#include "store/dberror.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::texts {

namespace {

// Lets go of a reply from the event loop: aborting inside the reply's own
// signals upsets Qt's HTTP channel.
void dropSoon(QNetworkReply* reply, QObject* owner)
{
    reply->disconnect(owner);
    QMetaObject::invokeMethod(
        reply,
        [reply] {
            reply->abort();
            reply->deleteLater();
        },
        Qt::QueuedConnection);
}

} // namespace

struct TextDownload::Request {
    int chapter = 0;
    QNetworkReply* reply = nullptr;
    QByteArray body;
    bool answered = false;
    bool failed = false;
    playback::PaceWindow pace;
};

TextDownload::TextDownload(TextStore& store, QObject* parent)
    : QObject(parent), m_store(store), m_network(new QNetworkAccessManager(this))
{
    connect(&m_pace, &QTimer::timeout, this, &TextDownload::checkPace);
}

TextDownload::~TextDownload()
{
    m_running = false;
    for (const auto& request : m_requests) {
        if (request->reply) {
            request->reply->disconnect(this);
            request->reply->abort();
        }
    }
}

void TextDownload::start(const QString& base, const TextEdition& edition)
{
    if (m_running)
        return;
    chapterUrl(base, 1, edition.identifier); // refuses a bad address before anything starts
    m_base = base;
    m_edition = edition;
    m_described = !edition.englishName.isEmpty() || !edition.name.isEmpty();
    if (!m_described) {
        if (const std::optional<TextEdition> pending = m_store.pendingEdition(edition.identifier)) {
            m_edition = *pending;
            m_described = !pending->englishName.isEmpty();
        }
    }
    m_summary = {};
    m_failures.clear();
    m_summary.identifier = edition.identifier;
    m_requests.clear();
    m_connectionFailures.reset();
    m_clock.start();
    m_total = m_store.chapterCount();
    // A text installed already is not fetched again.
    if (const std::optional<InstalledText> installed = m_store.installedText(edition.identifier)) {
        m_summary.installed = installed;
        m_done = m_total;
        emitFinished();
        return;
    }
    const QSet<int> kept = m_store.keptChapters(edition.identifier);
    m_chapters.clear();
    for (int chapter = 1; chapter <= m_total; ++chapter) {
        if (!kept.contains(chapter))
            m_chapters.push_back(chapter);
    }
    m_done = m_total - static_cast<int>(m_chapters.size());
    m_next = 0;
    m_running = true;
    m_pace.start(std::max(50, m_limits.floorWindowMs / 4));
    startNext();
}

void TextDownload::cancel()
{
    if (!m_running)
        return;
    m_summary.cancelled = true;
    end();
}

void TextDownload::stop(const QString& reason)
{
    if (!m_running)
        return;
    m_summary.stopReason = reason;
    end();
}

void TextDownload::end()
{
    m_running = false;
    m_pace.stop();
    for (const auto& request : m_requests) {
        if (request->reply)
            dropSoon(request->reply, this);
        request->reply = nullptr;
    }
    emitFinished();
}

void TextDownload::startNext()
{
    const auto active = [this] {
        return std::count_if(m_requests.begin(), m_requests.end(), [](const auto& r) { return r->reply != nullptr; });
    };
    while (m_running && m_next < m_chapters.size() && active() < kParallelRequests) {
        auto request = std::make_unique<Request>();
        request->chapter = m_chapters[m_next++];
        QNetworkRequest http(chapterUrl(m_base, request->chapter, m_edition.identifier));
        http.setTransferTimeout(m_limits.silenceMs);
        http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        http.setMaximumRedirectsAllowed(m_limits.maxRedirects);
        request->reply = m_network->get(http);
        Request* r = request.get();
        connect(r->reply, &QNetworkReply::readyRead, this, [this, r] { onData(*r); });
        connect(r->reply, &QNetworkReply::finished, this, [this, r] { onFinished(*r); });
        m_requests.push_back(std::move(request));
    }
    if (m_running && m_next >= m_chapters.size() && active() == 0)
        finish();
}

void TextDownload::onData(Request& request)
{
    if (!request.reply || request.failed)
        return;
    const QByteArray data = request.reply->readAll();
    // Called from finished too: a connection that was refused has no status
    // and no bytes, and was never answered.
    if (!request.answered
        && (!data.isEmpty() || request.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())) {
        request.answered = true;
        request.pace.begin();
    }
    request.body += data;
    request.pace.add(data.size());
    m_summary.bytes += data.size();
    emit bytesArrived(m_summary.bytes);
    if (request.body.size() > kMaxChapterBytes) {
        fail(request.chapter, u"it is larger than the %1 MB a chapter may take"_s.arg(kMaxChapterBytes >> 20));
        request.failed = true;
        dropSoon(request.reply, this);
        request.reply = nullptr;
        ++m_done;
        emit chapterDone(m_done, m_total, m_summary.bytes);
        startNext();
    }
}

void TextDownload::onFinished(Request& request)
{
    if (!request.reply || !m_running)
        return;
    onData(request);
    if (!request.reply)
        return; // failed for its size above
    QNetworkReply* reply = request.reply;
    const QNetworkReply::NetworkError error = reply->error();
    const bool connectionFailed = playback::isConnectionFailure(error);
    const bool answered = request.answered || reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (connectionFailed) {
        fail(request.chapter, playback::connectionFailureText(*reply));
    } else if (status != 200) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        fail(request.chapter, u"the server answered %1 %2"_s.arg(status).arg(reason).trimmed());
    } else if (!keep(request)) {
        if (!m_running)
            return; // the store failed and stopped the download
    }
    reply->deleteLater();
    request.reply = nullptr;
    request.body.clear();
    ++m_done;
    emit chapterDone(m_done, m_total, m_summary.bytes);
    if (!countConnectionFailure(connectionFailed, answered))
        startNext();
}

bool TextDownload::keep(Request& request)
{
    const int verses = m_store.verseCounts().value(request.chapter);
    const TextChapter chapter = readChapter(request.body, request.chapter, verses);
    if (!chapter.problem.isEmpty()) {
        fail(request.chapter, chapter.problem);
        return false;
    }
    if (chapter.edition.identifier == m_edition.identifier)
        adoptEdition(chapter.edition);
    try {
        m_store.keepChapter(m_edition, request.chapter, chapter.verses);
    } catch (const store::DbError& error) {
        stop(u"the text could not be stored: %1"_s.arg(error.description()));
        return false;
    }
    return true;
}

// The first chapter's own description fills what the catalogue did not say.
void TextDownload::adoptEdition(const TextEdition& described)
{
    if (!m_described) {
        m_edition = described;
        m_described = true;
        return;
    }
    if (m_edition.name.isEmpty())
        m_edition.name = described.name;
    if (m_edition.language.isEmpty())
        m_edition.language = described.language;
}

void TextDownload::fail(int chapter, const QString& reason)
{
    m_failures.insert(chapter, reason);
}

void TextDownload::emitFinished()
{
    m_summary.failedChapters = m_failures.keys();
    m_summary.failures.clear();
    for (auto failure = m_failures.cbegin(); failure != m_failures.cend(); ++failure)
        m_summary.failures << u"chapter %1: %2"_s.arg(failure.key()).arg(failure.value());
    emit finished(m_summary);
}

bool TextDownload::countConnectionFailure(bool failed, bool answered)
{
    const std::optional<QString> reason = m_connectionFailures.count(failed, answered, m_limits);
    if (reason)
        stop(*reason);
    return reason.has_value();
}

void TextDownload::checkPace()
{
    for (const auto& request : m_requests) {
        if (request->reply && request->pace.isTooSlow(m_limits)) {
            stop(u"the server is too slow"_s);
            return;
        }
    }
}

void TextDownload::finish()
{
    m_running = false;
    m_pace.stop();
    if (m_failures.isEmpty()) {
        try {
            m_summary.installed = m_store.install(m_edition);
        } catch (const store::DbError& error) {
            m_summary.stopReason = u"the text could not be installed: %1"_s.arg(error.description());
        }
    }
    emitFinished();
}

} // namespace tilvora::texts

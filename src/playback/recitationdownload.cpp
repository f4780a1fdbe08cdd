#include "playback/recitationdownload.h"

#include "store/dberror.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tilvora::playback {

namespace {

constexpr int kTransferTimeoutMs = 30000;
const QString kPartSuffix = QStringLiteral(".part");

QString verseFileName(int chapter, int verse)
{
    return QStringLiteral("%1%2.mp3").arg(chapter, 3, 10, QLatin1Char('0')).arg(verse, 3, 10, QLatin1Char('0'));
}

// Whether the first bytes of a file are those of an MP3 file: an ID3 tag or
// an MPEG audio frame.
bool looksLikeMp3(const QByteArray& head)
{
    if (head.startsWith("ID3"))
        return true;
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF
        && (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
}

// The total size that a Content-Range header announces ("bytes A-B/T" or
// "bytes */T"), and the first byte it covers (-1 for "*"); false when the
// header has neither form.
bool parseContentRange(const QByteArray& header, qint64* first, qint64* total)
{
    static const QRegularExpression form(QStringLiteral("^bytes\\s+(?:(\\d+)-\\d+|\\*)/(\\d+)$"));
    const QRegularExpressionMatch match = form.match(QString::fromLatin1(header.trimmed()));
    if (!match.hasMatch())
        return false;
    *first = match.captured(1).isEmpty() ? -1 : match.captured(1).toLongLong();
    *total = match.captured(2).toLongLong();
    return true;
}

} // namespace

bool DownloadLayoutFromName(const QString& name, DownloadLayout* layout)
{
    if (name.compare(QLatin1String("sssaaa"), Qt::CaseInsensitive) == 0)
        *layout = DownloadLayout::ChapterVerse;
    else if (name.compare(QLatin1String("number"), Qt::CaseInsensitive) == 0)
        *layout = DownloadLayout::BookNumber;
    else
        return false;
    return true;
}

std::vector<DownloadFile> DownloadFiles(
    store::Connection& connection, const QString& base, DownloadLayout layout, int fromChapter, int toChapter)
{
    QString address = base.trimmed();
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    const QUrl baseUrl(address, QUrl::StrictMode);
    if (!baseUrl.isValid() || (baseUrl.scheme() != QLatin1String("http") && baseUrl.scheme() != QLatin1String("https"))
        || baseUrl.host().isEmpty())
        throw store::RefusedValue(
            QStringLiteral("\"%1\" is not a web address to download from (it must start with http:// or https://).")
                .arg(base));
    if (fromChapter < 1 || toChapter > 114 || fromChapter > toChapter)
        throw store::RefusedValue(
            QStringLiteral("The chapters to download must run from 1 to 114, first to last, not %1 to %2.")
                .arg(fromChapter)
                .arg(toChapter));

    store::RecordSet verses = connection.Open(QStringLiteral(
        "SELECT AyahRef, SurahNo, AyahNo FROM MD_Ayah_TAB WHERE SurahNo >= %1 AND SurahNo <= %2 ORDER BY AyahRef")
                                                  .arg(fromChapter)
                                                  .arg(toChapter));
    std::vector<DownloadFile> files;
    files.reserve(static_cast<std::size_t>(verses.RecordCount()));
    if (verses.RecordCount() <= 0)
        return files;
    for (verses.MoveFirst(); !verses.Eof(); verses.MoveNext()) {
        const QString name = verseFileName(verses.value(1).toInt(), verses.value(2).toInt());
        const QString remote = layout == DownloadLayout::ChapterVerse
            ? name
            : QString::number(verses.value(0).toInt()) + QStringLiteral(".mp3");
        files.push_back({baseUrl.resolved(QUrl(remote)), name});
    }
    return files;
}

std::vector<CatalogueEntry> ReadCatalogue(const QByteArray& json)
{
    std::vector<CatalogueEntry> entries;
    const QJsonArray items = QJsonDocument::fromJson(json).array();
    for (const QJsonValue& item : items) {
        const QJsonObject object = item.toObject();
        CatalogueEntry entry{object.value(QLatin1String("name")).toString().trimmed(),
            object.value(QLatin1String("base")).toString().trimmed(), DownloadLayout::ChapterVerse,
            object.value(QLatin1String("bitrate")).toInt()};
        if (entry.name.isEmpty() || entry.base.isEmpty()
            || !DownloadLayoutFromName(object.value(QLatin1String("layout")).toString(), &entry.layout))
            continue;
        entries.push_back(entry);
    }
    return entries;
}

std::vector<FolderVoice> ReciterFolderVoices(store::Connection& connection)
{
    store::RecordSet rows = connection.Open(QStringLiteral(
        "SELECT m.MasterID, m.Master, m.Data FROM AP_Master_TAB m INNER JOIN AP_TypesMaster_TAB t ON t.MasterTypeID = "
        "m.MasterTypeID "
        "WHERE t.SysTerm = 'VOICE' AND EXISTS (SELECT 1 FROM AP_Detail_TAB d WHERE d.MasterID = m.MasterID "
        "AND d.AyahRef = 1 AND d.Data = '001001.mp3') ORDER BY m.SortOrderDef, m.MasterID"));
    std::vector<FolderVoice> voices;
    if (rows.RecordCount() <= 0)
        return voices;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext())
        voices.push_back({rows.value(0).toInt(), rows.text(1), rows.text(2)});
    return voices;
}

QString DefaultRecitationFolder(const QString& reciter)
{
    QString name = reciter.trimmed();
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("reciter");
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recitations/")
        + name;
}

// One file in flight.
struct RecitationDownload::Transfer {
    DownloadFile file;
    QString target;
    QPointer<QNetworkReply> reply;
    QFile part;
    // Bytes of the .part file when the request was made.
    qint64 offset = 0;
    // The complete file's size as the server announced it; -1 when unknown.
    qint64 expectedSize = -1;
    bool headersChecked = false;
    bool failed = false;
    bool active = false;
};

RecitationDownload::RecitationDownload(QObject* parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)) { }

RecitationDownload::~RecitationDownload()
{
    m_running = false;
    for (const auto& transfer : m_transfers) {
        if (transfer->reply)
            transfer->reply->abort();
    }
}

void RecitationDownload::start(const std::vector<DownloadFile>& files, const QString& folder)
{
    if (m_running)
        return;
    m_files = files;
    m_folder = folder;
    m_next = 0;
    m_transfers.clear();
    m_summary = {};
    m_bytes = 0;
    m_running = true;
    m_clock.start();
    if (!QDir().mkpath(folder)) {
        m_summary.failed = filesTotal();
        m_summary.failures << QStringLiteral("The folder %1 could not be made.").arg(folder);
        m_running = false;
        emit finished(m_summary);
        return;
    }
    startNext();
}

void RecitationDownload::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    m_summary.cancelled = true;
    for (const auto& transfer : m_transfers) {
        if (transfer->active && transfer->reply)
            transfer->reply->abort();
    }
    emit finished(m_summary);
}

void RecitationDownload::startNext()
{
    const auto active = [this] {
        return std::count_if(m_transfers.begin(), m_transfers.end(), [](const auto& t) { return t->active; });
    };
    while (m_running && m_next < m_files.size() && active() < kParallelRequests) {
        auto transfer = std::make_unique<Transfer>();
        transfer->file = m_files[m_next++];
        Transfer& started = *transfer;
        m_transfers.push_back(std::move(transfer));
        begin(started);
    }
    if (m_running && m_next >= m_files.size() && active() == 0) {
        m_running = false;
        emit finished(m_summary);
    }
}

void RecitationDownload::begin(Transfer& transfer)
{
    transfer.target = m_folder + QLatin1Char('/') + transfer.file.name;
    const QFileInfo existing(transfer.target);
    if (existing.isFile() && existing.size() > 0) {
        ++m_summary.skipped;
        fileFinished();
        return;
    }
    transfer.part.setFileName(transfer.target + kPartSuffix);
    transfer.offset = QFileInfo(transfer.part.fileName()).isFile() ? transfer.part.size() : 0;

    QNetworkRequest request(transfer.file.url);
    request.setTransferTimeout(kTransferTimeoutMs);
    if (transfer.offset > 0)
        request.setRawHeader("Range", "bytes=" + QByteArray::number(transfer.offset) + '-');
    transfer.active = true;
    transfer.reply = m_network->get(request);
    Transfer* t = &transfer;
    connect(transfer.reply, &QNetworkReply::metaDataChanged, this, [this, t] { onHeaders(*t); });
    connect(transfer.reply, &QNetworkReply::readyRead, this, [this, t] { onData(*t); });
    connect(transfer.reply, &QNetworkReply::finished, this, [this, t] { onFinished(*t); });
}

void RecitationDownload::onHeaders(Transfer& transfer)
{
    QNetworkReply* reply = transfer.reply;
    if (transfer.headersChecked || transfer.failed || !reply)
        return;
    const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!statusValue.isValid())
        return; // no response yet (the connection failed): finished tells
    transfer.headersChecked = true;
    const int status = statusValue.toInt();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (status == 416)
        return; // the part may be complete already: finished decides
    if (status >= 400 || (status != 200 && status != 206)) {
        fail(transfer, QStringLiteral("the server answered %1 %2").arg(status).arg(reason).trimmed());
        return;
    }
    const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (type.startsWith(QLatin1String("text/"), Qt::CaseInsensitive)
        || type.contains(QLatin1String("html"), Qt::CaseInsensitive)) {
        fail(transfer, QStringLiteral("the server sent a page (%1), not a recording").arg(type));
        return;
    }
    const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).isValid()
        ? reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
        : -1;
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append;
    if (status == 206) {
        qint64 first = 0;
        qint64 total = 0;
        if (!parseContentRange(reply->rawHeader("Content-Range"), &first, &total) || first != transfer.offset) {
            fail(transfer, QStringLiteral("the server resumed the file at the wrong place"));
            transfer.part.remove();
            return;
        }
        transfer.expectedSize = total;
    } else {
        // The whole file: what was kept of an earlier attempt is replaced.
        transfer.offset = 0;
        transfer.expectedSize = length;
        mode = QIODevice::WriteOnly | QIODevice::Truncate;
    }
    if (!transfer.part.open(mode))
        fail(transfer,
            QStringLiteral("%1 could not be written: %2").arg(transfer.part.fileName(), transfer.part.errorString()));
}

void RecitationDownload::onData(Transfer& transfer)
{
    if (!transfer.headersChecked)
        onHeaders(transfer);
    if (transfer.failed || !transfer.reply)
        return;
    const QByteArray data = transfer.reply->readAll();
    if (!transfer.part.isOpen())
        return;
    if (transfer.part.write(data) != data.size()) {
        fail(transfer,
            QStringLiteral("%1 could not be written: %2").arg(transfer.part.fileName(), transfer.part.errorString()));
        return;
    }
    m_bytes += data.size();
    emit bytesArrived(m_bytes);
}

void RecitationDownload::onFinished(Transfer& transfer)
{
    if (!transfer.active)
        return;
    if (!m_running) {
        release(transfer); // cancelled: the part stays for a resume
        return;
    }
    if (!transfer.failed) {
        onData(transfer);
        QNetworkReply* reply = transfer.reply;
        const int status = reply ? reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
        qint64 first = 0;
        qint64 total = 0;
        if (status == 416) {
            // Asked for the rest of a part that is complete already.
            if (parseContentRange(reply->rawHeader("Content-Range"), &first, &total) && total == transfer.offset)
                complete(transfer);
            else {
                transfer.part.remove();
                fail(transfer, QStringLiteral("the server refused to resume the file"));
            }
        } else if (reply && reply->error() != QNetworkReply::NoError) {
            fail(transfer, reply->errorString());
        } else {
            transfer.part.flush();
            const qint64 size = transfer.part.size();
            if (transfer.expectedSize >= 0 && size != transfer.expectedSize) {
                fail(transfer, QStringLiteral("it arrived with %1 of %2 bytes").arg(size).arg(transfer.expectedSize));
                if (size > transfer.expectedSize)
                    transfer.part.remove();
            } else {
                complete(transfer);
            }
        }
    }
    release(transfer);
    fileFinished();
    startNext();
}

void RecitationDownload::fail(Transfer& transfer, const QString& reason)
{
    if (transfer.failed)
        return;
    transfer.failed = true;
    ++m_summary.failed;
    m_summary.failures << QStringLiteral("%1: %2").arg(transfer.file.name, reason);
    if (transfer.reply && transfer.reply->isRunning())
        transfer.reply->abort(); // finished follows, which releases it
}

void RecitationDownload::complete(Transfer& transfer)
{
    transfer.part.close();
    QByteArray head;
    if (QFile read(transfer.part.fileName()); read.open(QIODevice::ReadOnly))
        head = read.read(4);
    if (!looksLikeMp3(head)) {
        transfer.part.remove();
        fail(transfer, QStringLiteral("what arrived is not an MP3 recording"));
        return;
    }
    QFile::remove(transfer.target);
    if (!transfer.part.rename(transfer.target)) {
        fail(transfer, QStringLiteral("it could not be put in place: %1").arg(transfer.part.errorString()));
        return;
    }
    ++m_summary.stored;
}

void RecitationDownload::release(Transfer& transfer)
{
    transfer.active = false;
    if (transfer.part.isOpen())
        transfer.part.close();
    if (transfer.reply)
        transfer.reply->deleteLater();
    transfer.reply = nullptr;
}

void RecitationDownload::fileFinished()
{
    emit fileDone(filesDone(), filesTotal(), m_bytes);
}

} // namespace tilvora::playback

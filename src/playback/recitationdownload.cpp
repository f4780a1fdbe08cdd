#include "playback/recitationdownload.h"

#include "playback/mpegstream.h"
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
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace tilvora::playback {

namespace {

const QString kPartSuffix = QStringLiteral(".part");
constexpr qsizetype kMaxFolderNameBytes = 120;
const QString kDiskFull = QStringLiteral("no space left on the disk");

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

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 kMegabyte = 1024LL * 1024;
    if (bytes < kMegabyte)
        return QStringLiteral("%1 KB").arg(bytes / 1024);
    return QStringLiteral("%1 MB").arg(bytes / kMegabyte);
}

// Aborts a reply from the event loop: aborting inside the reply's own
// signals upsets Qt's HTTP channel, which then breaks off other replies.
void abortSoon(QNetworkReply* reply)
{
    QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
}

} // namespace

bool downloadLayoutFromName(const QString& name, DownloadLayout* layout)
{
    if (name.compare(QLatin1String("sssaaa"), Qt::CaseInsensitive) == 0)
        *layout = DownloadLayout::ChapterVerse;
    else if (name.compare(QLatin1String("number"), Qt::CaseInsensitive) == 0)
        *layout = DownloadLayout::BookNumber;
    else
        return false;
    return true;
}

std::vector<DownloadFile> downloadFiles(
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

    store::RecordSet verses = connection.openRecordSet(QStringLiteral(
        "SELECT AyahRef, SurahNo, AyahNo FROM MD_Ayah_TAB WHERE SurahNo >= %1 AND SurahNo <= %2 ORDER BY AyahRef")
                                                           .arg(fromChapter)
                                                           .arg(toChapter));
    std::vector<DownloadFile> files;
    files.reserve(static_cast<std::size_t>(verses.recordCount()));
    if (verses.recordCount() <= 0)
        return files;
    for (verses.moveFirst(); !verses.eof(); verses.moveNext()) {
        const QString name = verseFileName(verses.value(1).toInt(), verses.value(2).toInt());
        const QString remote = layout == DownloadLayout::ChapterVerse
            ? name
            : QString::number(verses.value(0).toInt()) + QStringLiteral(".mp3");
        files.push_back({baseUrl.resolved(QUrl(remote)), name});
    }
    return files;
}

std::vector<CatalogueEntry> readCatalogue(const QByteArray& json)
{
    std::vector<CatalogueEntry> entries;
    const QJsonArray items = QJsonDocument::fromJson(json).array();
    for (const auto& item : items) {
        const QJsonObject object = item.toObject();
        CatalogueEntry entry{object.value(QLatin1String("name")).toString().trimmed(),
            object.value(QLatin1String("base")).toString().trimmed(), DownloadLayout::ChapterVerse,
            object.value(QLatin1String("bitrate")).toInt()};
        if (entry.name.isEmpty() || entry.base.isEmpty()
            || !downloadLayoutFromName(object.value(QLatin1String("layout")).toString(), &entry.layout))
            continue;
        entries.push_back(entry);
    }
    return entries;
}

std::vector<FolderVoice> reciterFolderVoices(store::Connection& connection)
{
    store::RecordSet rows = connection.openRecordSet(QStringLiteral(
        "SELECT m.MasterID, m.Master, m.Data FROM AP_Master_TAB m INNER JOIN AP_TypesMaster_TAB t ON t.MasterTypeID = "
        "m.MasterTypeID "
        "WHERE t.SysTerm = 'VOICE' AND EXISTS (SELECT 1 FROM AP_Detail_TAB d WHERE d.MasterID = m.MasterID "
        "AND d.AyahRef = 1 AND d.Data = '001001.mp3') ORDER BY m.SortOrderDef, m.MasterID"));
    std::vector<FolderVoice> voices;
    if (rows.recordCount() <= 0)
        return voices;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        voices.push_back({rows.value(0).toInt(), rows.text(1), rows.text(2)});
    return voices;
}

QString defaultRecitationFolder(const QString& reciter)
{
    QString name;
    for (const QChar c : reciter) {
        // Zero-width (non-)joiners shape Persian and Urdu names; every other
        // format character (the direction marks and overrides among them)
        // and every control character goes.
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph
            || (category == QChar::Other_Format && c != QChar(0x200C) && c != QChar(0x200D)))
            continue;
        name.append(c);
    }
    // A folder name of at most 120 bytes, well inside any file system's 255.
    while (name.toUtf8().size() > kMaxFolderNameBytes)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    name = name.trimmed();
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
    // Where the current request goes: the file's address, or where the
    // server redirected it.
    QUrl url;
    int redirects = 0;
    // Set when the answer is a redirect: the request is made again there.
    QUrl redirectTo;
    QPointer<QNetworkReply> reply;
    QFile part;
    // Bytes of the .part file when the request was made.
    qint64 offset = 0;
    // Bytes that arrived in answer to the current request.
    qint64 received = 0;
    // The complete file's size as the server announced it; -1 when unknown.
    qint64 expectedSize = -1;
    PaceWindow pace;
    bool headersChecked = false;
    bool failed = false;
    bool active = false;
};

RecitationDownload::RecitationDownload(QObject* parent) : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_pace.setObjectName(QStringLiteral("downloadPace"));
    connect(&m_pace, &QTimer::timeout, this, &RecitationDownload::checkPace);
}

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
    m_connectionFailures.reset();
    m_folderUsed = false;
    m_running = true;
    m_clock.start();
    m_madeFolder = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder)) {
        m_summary.failed = filesTotal();
        m_summary.failures << QStringLiteral("The folder %1 could not be made.").arg(folder);
        m_running = false;
        emit finished(m_summary);
        return;
    }
    m_testDiskUsed = 0;
    if (m_testDiskSize >= 0) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
            m_testDiskUsed += file.size();
    }
    // The pace is looked at a few times per window.
    m_pace.start(std::max(50, m_limits.floorWindowMs / 4));
    startNext();
}

void RecitationDownload::cancel()
{
    if (!m_running)
        return;
    m_summary.cancelled = true;
    end();
}

void RecitationDownload::stop(const QString& reason)
{
    if (!m_running)
        return;
    m_summary.stopReason = reason;
    end();
}

void RecitationDownload::end()
{
    m_running = false;
    m_pace.stop();
    for (const auto& transfer : m_transfers) {
        if (transfer->active && transfer->reply)
            transfer->reply->abort();
    }
    // A folder this download made and left empty goes again.
    if (m_madeFolder && QDir(m_folder).isEmpty())
        QDir().rmdir(m_folder);
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
    if (m_running && m_next >= m_files.size() && active() == 0)
        end();
}

void RecitationDownload::begin(Transfer& transfer)
{
    transfer.target = m_folder + QLatin1Char('/') + transfer.file.name;
    const QFileInfo existing(transfer.target);
    if (existing.isFile() && existing.size() > 0) {
        ++m_summary.skipped;
        fileInPlace();
        fileFinished();
        return;
    }
    transfer.part.setFileName(transfer.target + kPartSuffix);
    transfer.offset = QFileInfo(transfer.part.fileName()).isFile() ? transfer.part.size() : 0;
    transfer.url = transfer.file.url;
    transfer.active = true;
    request(transfer);
}

void RecitationDownload::request(Transfer& transfer)
{
    QNetworkRequest request(transfer.url);
    request.setTransferTimeout(m_limits.silenceMs);
    // Redirects are followed here, so that each is counted and checked.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    if (transfer.offset > 0)
        request.setRawHeader("Range", "bytes=" + QByteArray::number(transfer.offset) + '-');
    transfer.received = 0;
    transfer.expectedSize = -1;
    transfer.headersChecked = false;
    transfer.redirectTo = QUrl();
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
    transfer.pace.begin();
    const int status = statusValue.toInt();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (isRedirect(status) && reply->hasRawHeader("Location")) {
        transfer.redirectTo = transfer.url.resolved(QUrl::fromEncoded(reply->rawHeader("Location").trimmed()));
        abortSoon(reply); // finished follows, which makes the request again
        return;
    }
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
    if (!openPart(transfer, status))
        return;
    if (transfer.expectedSize > m_limits.maxFileBytes) {
        transfer.part.remove();
        fail(transfer,
            QStringLiteral("the server announced %1 bytes, more than the %2 a verse's recording may take")
                .arg(transfer.expectedSize)
                .arg(sizeText(m_limits.maxFileBytes)));
        return;
    }
    const qint64 free = freeSpace();
    if (transfer.expectedSize > 0 && free >= 0 && transfer.expectedSize - transfer.offset > free)
        stop(kDiskFull);
}

// Opens the part to append to (a resumed file) or to write from its start;
// reads the size the server announced. False when the file failed.
bool RecitationDownload::openPart(Transfer& transfer, int status)
{
    QNetworkReply* reply = transfer.reply;
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (status == 206) {
        qint64 first = 0;
        qint64 total = 0;
        if (!parseContentRange(reply->rawHeader("Content-Range"), &first, &total) || first != transfer.offset) {
            transfer.part.remove();
            fail(transfer, QStringLiteral("the server resumed the file at the wrong place"));
            return false;
        }
        transfer.expectedSize = total;
    } else {
        // The whole file: what was kept of an earlier attempt is replaced.
        if (m_testDiskSize >= 0)
            m_testDiskUsed -= transfer.offset;
        transfer.offset = 0;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        transfer.expectedSize = length.isValid() ? length.toLongLong() : -1;
        mode = QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered;
    }
    if (!transfer.part.open(mode)) {
        fail(transfer,
            QStringLiteral("%1 could not be written: %2").arg(transfer.part.fileName(), transfer.part.errorString()));
        return false;
    }
    return true;
}

void RecitationDownload::onData(Transfer& transfer)
{
    if (!transfer.headersChecked)
        onHeaders(transfer);
    if (transfer.failed || !transfer.reply || !transfer.reply->isOpen() || !m_running)
        return;
    const QByteArray data = transfer.reply->readAll();
    if (!transfer.part.isOpen() || data.isEmpty())
        return;
    transfer.received += data.size();
    transfer.pace.add(data.size());
    if (transfer.offset + transfer.received > m_limits.maxFileBytes) {
        transfer.part.close();
        transfer.part.remove();
        fail(transfer,
            QStringLiteral("it is larger than the %1 a verse's recording may take")
                .arg(sizeText(m_limits.maxFileBytes)));
        return;
    }
    if (const int error = write(transfer, data); error != 0) {
        if (error == ENOSPC || error == EDQUOT)
            stop(kDiskFull);
        else
            fail(transfer,
                QStringLiteral("%1 could not be written: %2")
                    .arg(transfer.part.fileName(), QString::fromLocal8Bit(std::strerror(error))));
        return;
    }
    m_bytes += data.size();
    emit bytesArrived(m_bytes);
}

int RecitationDownload::write(Transfer& transfer, const QByteArray& data)
{
    qint64 size = data.size();
    bool diskFull = false;
    if (m_testDiskSize >= 0) {
        diskFull = m_testDiskUsed + size > m_testDiskSize;
        size = std::min(size, m_testDiskSize - m_testDiskUsed);
    }
    const char* at = data.constData();
    while (size > 0) {
        const ssize_t written = ::write(transfer.part.handle(), at, static_cast<std::size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        at += written;
        size -= written;
        if (m_testDiskSize >= 0)
            m_testDiskUsed += written;
    }
    return diskFull ? ENOSPC : 0;
}

void RecitationDownload::onFinished(Transfer& transfer)
{
    if (!transfer.active)
        return;
    bool connectionFailed = false;
    if (m_running && !transfer.failed && transfer.redirectTo.isValid()) {
        if (followRedirect(transfer))
            return;
    } else if (m_running && !transfer.failed) {
        connectionFailed = finishReply(transfer);
    }
    release(transfer);
    if (!m_running)
        return; // cancelled or stopped: the part stays for a resume
    fileFinished();
    if (!countConnectionFailure(transfer, connectionFailed))
        startNext();
}

bool RecitationDownload::finishReply(Transfer& transfer)
{
    onData(transfer);
    QNetworkReply* reply = transfer.reply;
    if (transfer.failed || !m_running || !reply)
        return false;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    if (isConnectionFailure(error)) {
        // Our own aborts fail the file first; a cancel here is the silence
        // time-out.
        fail(transfer, connectionFailureText(*reply));
        return true;
    }
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
    } else if (error != QNetworkReply::NoError) {
        fail(transfer, reply->errorString());
    } else if (transfer.expectedSize < 0) {
        checkAudioEnd(transfer);
    } else if (const qint64 size = transfer.offset + transfer.received; size != transfer.expectedSize) {
        fail(transfer, QStringLiteral("it arrived with %1 of %2 bytes").arg(size).arg(transfer.expectedSize));
        if (size > transfer.expectedSize)
            transfer.part.remove();
    } else {
        complete(transfer);
    }
    return false;
}

bool RecitationDownload::followRedirect(Transfer& transfer)
{
    const QUrl target = transfer.redirectTo;
    if (transfer.reply)
        transfer.reply->deleteLater();
    transfer.reply = nullptr;
    if (target.scheme() != QLatin1String("http") && target.scheme() != QLatin1String("https")) {
        fail(transfer, QStringLiteral("the server sent the download to an address that is not http or https"));
        return false;
    }
    if (++transfer.redirects > m_limits.maxRedirects) {
        fail(transfer, QStringLiteral("the server sent the download elsewhere too many times"));
        return false;
    }
    transfer.url = target;
    request(transfer);
    return true;
}

bool RecitationDownload::countConnectionFailure(const Transfer& transfer, bool failed)
{
    const std::optional<QString> reason = m_connectionFailures.count(failed, transfer.headersChecked, m_limits);
    if (reason)
        stop(*reason);
    return reason.has_value();
}

void RecitationDownload::checkPace()
{
    for (const auto& transfer : m_transfers) {
        if (transfer->active && !transfer->failed && transfer->pace.isTooSlow(m_limits)) {
            stop(QStringLiteral("the server is too slow"));
            return;
        }
    }
}

void RecitationDownload::fail(Transfer& transfer, const QString& reason)
{
    if (transfer.failed)
        return;
    transfer.failed = true;
    ++m_summary.failed;
    m_summary.failures << QStringLiteral("%1: %2").arg(transfer.file.name, reason);
    if (transfer.reply && transfer.reply->isRunning())
        abortSoon(transfer.reply); // finished follows, which releases it
}

// A file whose size the server did not announce (or a connection closed
// early could pass for its end) is whole only when its frames say so.
void RecitationDownload::checkAudioEnd(Transfer& transfer)
{
    transfer.part.close();
    QFile read(transfer.part.fileName());
    MpegStreamEnd end = MpegStreamEnd::Cut;
    if (read.open(QIODevice::ReadOnly) && read.size() > 0) {
        const uchar* data = read.map(0, read.size());
        end = data != nullptr ? checkMpegStream(data, read.size()) : MpegStreamEnd::NotMpeg;
    }
    read.close();
    if (end == MpegStreamEnd::Whole) {
        complete(transfer);
    } else if (end == MpegStreamEnd::Cut) {
        fail(transfer, QStringLiteral("it arrived cut short (its last audio frame is incomplete)"));
    } else {
        transfer.part.remove();
        fail(transfer, QStringLiteral("what arrived is not an MP3 recording"));
    }
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
    fileInPlace();
}

void RecitationDownload::release(Transfer& transfer)
{
    transfer.active = false;
    if (transfer.part.isOpen())
        transfer.part.close();
    // A part that holds nothing helps no resume.
    if (const QFileInfo part(transfer.part.fileName()); part.isFile() && part.size() == 0)
        QFile::remove(part.filePath());
    if (transfer.reply)
        transfer.reply->deleteLater();
    transfer.reply = nullptr;
}

void RecitationDownload::fileFinished()
{
    emit fileDone(filesDone(), filesTotal(), m_bytes);
}

void RecitationDownload::fileInPlace()
{
    if (m_folderUsed)
        return;
    m_folderUsed = true;
    emit firstFileInPlace();
}

qint64 RecitationDownload::freeSpace() const
{
    if (m_testDiskSize >= 0)
        return m_testDiskSize - m_testDiskUsed;
    const QStorageInfo disk(m_folder);
    return disk.isValid() && disk.isReady() ? disk.bytesAvailable() : -1;
}

} // namespace tilvora::playback

#include "pagefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

QString pageFilePath(const QString& appFolder, const QString& fileName)
{
    const QString name = fileName == store::kDef ? u"Default.htm"_s : fileName;
    if (appFolder.endsWith(u'/'))
        return appFolder + name;
    return appFolder + u'/' + name;
}

namespace {

// The system's words for an error number, as the middle of a sentence:
// "no space left on device".
QString plainReason(int error)
{
    QString reason = qt_error_string(error);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    return reason;
}

[[noreturn]] void fail(const QString& path, int error)
{
    throw PageFileError(u"The page file \""_s + path + u"\" cannot be written: "_s + plainReason(error));
}

// A file descriptor that is closed when it goes out of scope, unless its
// closing was checked already.
class FileHandle {
public:
    explicit FileHandle(int fd) : m_fd(fd) { }
    ~FileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileHandle(FileHandle&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) { }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle& operator=(FileHandle&&) = delete;

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes and reports whether the system took everything written.
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Writes every byte, through short writes and interruptions; false with errno
// set when the system takes no more (a full disk, a file size limit).
bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, static_cast<size_t>(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (done == 0) {
            errno = EIO;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

// The page as little-endian UTF-16 after a byte order mark. The code units
// go out straight from the text where the machine is little-endian, else a
// slice at a time, so a page of many megabytes needs no second copy.
bool writePage(int fd, const QString& content)
{
    static constexpr char kByteOrderMark[] = {'\xFF', '\xFE'};
    if (!writeAll(fd, kByteOrderMark, sizeof kByteOrderMark))
        return false;
    const auto* units = content.utf16();
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        return writeAll(fd, reinterpret_cast<const char*>(units), content.size() * qint64(sizeof(char16_t)));
    } else {
        constexpr qsizetype kSlice = qsizetype{32} * 1024;
        std::array<quint16, kSlice> buffer;
        for (qsizetype done = 0; done < content.size(); done += kSlice) {
            const qsizetype count = std::min(kSlice, content.size() - done);
            qToLittleEndian<quint16>(units + done, count, buffer.data());
            if (!writeAll(fd, reinterpret_cast<const char*>(buffer.data()), count * qint64(sizeof(quint16))))
                return false;
        }
        return true;
    }
}

qint64 pageFileSize(const QString& content)
{
    return 2 + content.size() * qint64(sizeof(char16_t));
}

// The name of a new page before it takes the page's place: the page's name,
// a dot, a random number in base 36 and ".tmp"; and the pattern of those
// names, by which leftovers are known.
QByteArray temporaryName(const QByteArray& target)
{
    return target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
}

const QRegularExpression& temporaryNamePattern()
{
    static const QRegularExpression pattern(u"^.+\\.htm\\.[0-9a-z]{1,7}\\.tmp$"_s);
    return pattern;
}

// A new file beside the page, with a name no other writer uses; the page's
// own permissions when it exists.
FileHandle createBeside(const QByteArray& target, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(target);
        FileHandle file(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (file.isOpen()) {
            struct stat existing { };
            if (::stat(target.constData(), &existing) == 0)
                ::fchmod(file.fd(), existing.st_mode & 07777);
            return file;
        }
        if (errno != EEXIST)
            break;
    }
    return FileHandle(-1);
}

// Where the folder takes no new file but the page itself may be written, it
// is rewritten in place. The room is reserved first, so a full disk still
// leaves the previous page whole; only a failure of the disk itself half-way
// could cut it.
void writeInPlace(const QString& path, const QByteArray& target, const QString& content)
{
    FileHandle file(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (!file.isOpen())
        fail(path, errno);
    const qint64 size = pageFileSize(content);
    if (::fallocate(file.fd(), 0, 0, size) != 0 && errno != EOPNOTSUPP)
        fail(path, errno);
    if (!writePage(file.fd(), content) || ::ftruncate(file.fd(), size) != 0)
        fail(path, errno);
    if (!file.close())
        fail(path, errno);
}

} // namespace

QString writePageFile(const store::SharedState& state, const QString& content, const QString& fileName)
{
    QString path = pageFilePath(state.gAppFolder, fileName);
    const QByteArray target = QFile::encodeName(path);

    // The page is written whole beside its place and then renamed over it,
    // so a failed write never leaves half a page where the reading pane
    // looks: the reader sees the previous page or the new one. Pages are
    // made again from the database at every view, so they are not forced to
    // the disk before the rename.
    QByteArray temporary;
    FileHandle file = createBeside(target, temporary);
    if (!file.isOpen()) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            writeInPlace(path, target, content);
            return path;
        }
        fail(path, error);
    }
    if (!writePage(file.fd(), content) || !file.close() || ::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        fail(path, error);
    }
    return path;
}

int removeUnfinishedPageFiles(const QString& appFolder)
{
    const QDateTime settled = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    const QFileInfoList files = QDir(appFolder).entryInfoList({u"*.htm.*.tmp"_s}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : files) {
        if (file.isSymLink() || !temporaryNamePattern().match(file.fileName()).hasMatch()
            || file.lastModified().toUTC() > settled)
            continue;
        if (QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace tilvora::pages

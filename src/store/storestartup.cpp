#include "storestartup.h"

#include "dberror.h"
#include "statements.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace tilvora::store {

namespace {
const QString kDatabaseName = QStringLiteral("DIC.DAT");

// SQLite's words for the failures a start can meet, told apart so that the
// report says what is wrong.
bool isNotADatabase(const QString& why)
{
    return why.contains(QStringLiteral("not a database"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("malformed"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("encrypted"), Qt::CaseInsensitive);
}

bool isWriteFailure(const QString& why)
{
    return why.contains(QStringLiteral("readonly"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("read-only"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("locked"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("busy"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("disk I/O"), Qt::CaseInsensitive)
        || why.contains(QStringLiteral("unable to open"), Qt::CaseInsensitive);
}
// Whether the file can be read and does not begin as every SQLite database
// does.
bool isOtherKindOfFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) != QByteArrayLiteral("SQLite format 3\0");
}

// The file beside the content file in which a start that found it sound
// records what the file was then: its device, inode, size and times.
const QString kCheckedStampName = QStringLiteral("DIC.DAT.checked");
constexpr qint64 kSettledMs = 2000;

QString stampPathIn(const QString& appFolder)
{
    return appFolder + QLatin1Char('/') + kCheckedStampName;
}

QByteArray readCheckedStamp(const QString& appFolder)
{
    QFile file(stampPathIn(appFolder));
    return file.open(QIODevice::ReadOnly) ? file.read(256) : QByteArray();
}

// One state of a file on the disk: a write changes its modification and
// status-change times, a new copy has another inode; setting the times back
// changes the status-change time. Empty where the file cannot be read.
struct FileStamp {
    QByteArray text;
    qint64 modifiedMs = 0;
};

FileStamp fileStamp(const QString& path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    const auto time = [](const timespec& at) {
        return QByteArray::number(qint64(at.tv_sec)) + '.' + QByteArray::number(qint64(at.tv_nsec));
    };
    FileStamp stamp;
    stamp.text = QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino)) + ' '
        + QByteArray::number(qint64(info.st_size)) + ' ' + time(info.st_mtim) + ' ' + time(info.st_ctim) + '\n';
    stamp.modifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return stamp;
}

QString databasePathIn(const QString& appFolder)
{
    return appFolder.endsWith(QLatin1Char('/')) ? appFolder + kDatabaseName
                                                : appFolder + QLatin1Char('/') + kDatabaseName;
}

// What the reader is told of a failure SQLite reported while the start-up
// read or wrote the content file.
StartupError startupFailure(const QString& databasePath, const DbError& error)
{
    const QString& why = error.description();
    if (error.number() == DbError::Damaged)
        return StartupError(why);
    if (isNotADatabase(why))
        return StartupError(
            QStringLiteral("The file %1 is not a Tilvora content database (%2).").arg(databasePath, why));
    if (isWriteFailure(why))
        return StartupError(
            QStringLiteral("The content database %1 cannot be written (%2). Tilvora stores your choices in it; "
                           "make sure no other program holds it and that it is writable, then start again.")
                .arg(databasePath, why));
    return StartupError(QStringLiteral("The content database %1 lacks a table or column that Tilvora needs (%2).")
                            .arg(databasePath, why));
}

std::unique_ptr<Connection> openContentFile(const QString& databasePath)
{
    try {
        return Connection::open(databasePath);
    } catch (const DbError& error) {
        throw StartupError(
            QStringLiteral("The content database %1 cannot be opened: %2").arg(databasePath, error.description()));
    }
}

// Reads every page of the content file once, on a connection of its own
// (SQLite's quick_check: the structure of each table and index, not the
// agreement of one with the other), so that a missing, damaged or empty file
// ends the start with a plain message instead of failing later, half-way
// through some view. On the whole built-in DIC.DAT (40 MB) this costs some
// 40 ms of processor time. A check that SQLite itself cannot finish fails
// with DbError::Damaged.
void checkContentFile(const QString& databasePath, const QString& appFolder)
{
    if (!QFileInfo::exists(databasePath))
        throw StartupError(QStringLiteral("The content database %1 was not found. Tilvora needs its content database "
                                          "DIC.DAT in the application folder %2.")
                               .arg(databasePath, appFolder));
    if (QFileInfo(databasePath).size() == 0)
        throw StartupError(emptyContentMessage(databasePath));
    if (QFileInfo(databasePath).isFile() && isOtherKindOfFile(databasePath))
        throw StartupError(QStringLiteral("The file %1 is not a Tilvora content database (file is not a database).")
                               .arg(databasePath));
    const std::unique_ptr<Connection> connection = openContentFile(databasePath);
    try {
        RecordSet result = connection->openRecordSet(QStringLiteral("PRAGMA quick_check"));
        result.moveFirst();
        if (result.text(0) != QLatin1String("ok")) {
            QStringList faults;
            for (; !result.eof() && faults.size() < 3; result.moveNext()) {
                if (!result.text(0).startsWith(QLatin1String("***")))
                    faults << result.text(0).trimmed();
            }
            throw StartupError(damagedContentMessage(databasePath, faults.join(QStringLiteral("; "))));
        }
        RecordSet tables = connection->openRecordSet(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        tables.moveFirst();
        if (tables.value(0).toInt() == 0)
            throw StartupError(emptyContentMessage(databasePath));
    } catch (const DbError& error) {
        throw startupFailure(databasePath, error);
    }
}
} // namespace

QString normalizedAppFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

ContentCheck::ContentCheck(const QString& appFolder)
    : m_appFolder(normalizedAppFolder(appFolder)), m_recorded(readCheckedStamp(m_appFolder))
{
    const QString path = databasePathIn(m_appFolder);
    const FileStamp stamp = fileStamp(path);
    // A file that is as it was when a start last found it sound is not read
    // again; damage found while the program runs is still reported as such.
    if (!stamp.text.isEmpty() && stamp.text == m_recorded)
        return;
    m_verdict = std::async(std::launch::async, [path, folder = m_appFolder] { checkContentFile(path, folder); });
}

ContentCheck::~ContentCheck()
{
    // The thread is never left running: a start that failed before asking
    // for the verdict still waits for it here.
    if (m_verdict.valid())
        m_verdict.wait();
}

void ContentCheck::wait()
{
    if (m_verdict.valid())
        m_verdict.get();
}

void ContentCheck::remember()
{
    const QString path = databasePathIn(m_appFolder);
    const FileStamp stamp = fileStamp(path);
    if (stamp.text.isEmpty() || stamp.text == m_recorded)
        return;
    // A change made within the same tick of the file system's clock as the
    // stamp would leave the stamp as it is: a file changed in the last
    // moments is checked again at the next start instead.
    if (QDateTime::currentMSecsSinceEpoch() - stamp.modifiedMs < kSettledMs)
        return;
    QSaveFile file(stampPathIn(m_appFolder));
    if (file.open(QIODevice::WriteOnly) && file.write(stamp.text) == stamp.text.size() && file.commit())
        m_recorded = stamp.text;
}

void startStore(SharedState& state, const QString& appFolder)
{
    ContentCheck check(appFolder);
    startStore(state, check);
}

void startStore(SharedState& state, ContentCheck& check)
{
    state.gAppFolder = check.appFolder();
    state.gPrograms = RecordSet();
    // Nothing reads the file before the check found it sound.
    check.wait();

    const QString databasePath = databasePathIn(state.gAppFolder);
    state.gConnection = openContentFile(databasePath);
    try {
        state.gPrograms = state.gConnection->openRecordSet(kProgramListQuery);
        state.gConnection->execute(kRestoreDefaultsStatement);
    } catch (const DbError& error) {
        throw startupFailure(databasePath, error);
    }
    // After the start's own writes, so that they do not count as a change.
    check.remember();
}

} // namespace tilvora::store

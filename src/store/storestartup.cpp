#include "storestartup.h"

#include "dberror.h"
#include "statements.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// Reads every page of the content file once (SQLite's quick_check: the
// structure of each table and index, not the agreement of one with the
// other), so that a damaged or empty file ends the start with a plain
// message instead of failing later, half-way through some view. On the whole
// built-in DIC.DAT (40 MB) this costs some 40 ms of processor time. A check
// that SQLite itself cannot finish fails with DbError::Damaged.
void checkContentFile(Connection& connection, const QString& databasePath)
{
    RecordSet result = connection.openRecordSet(QStringLiteral("PRAGMA quick_check"));
    result.moveFirst();
    if (result.text(0) != QLatin1String("ok")) {
        QStringList faults;
        for (; !result.eof() && faults.size() < 3; result.moveNext()) {
            if (!result.text(0).startsWith(QLatin1String("***")))
                faults << result.text(0).trimmed();
        }
        throw StartupError(damagedContentMessage(databasePath, faults.join(QStringLiteral("; "))));
    }
    RecordSet tables = connection.openRecordSet(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
    tables.moveFirst();
    if (tables.value(0).toInt() == 0)
        throw StartupError(emptyContentMessage(databasePath));
}
} // namespace

QString normalizedAppFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

void startStore(SharedState& state, const QString& appFolder)
{
    state.gAppFolder = normalizedAppFolder(appFolder);
    state.gPrograms = RecordSet();

    const QString databasePath = state.gAppFolder.endsWith(QLatin1Char('/'))
        ? state.gAppFolder + kDatabaseName
        : state.gAppFolder + QLatin1Char('/') + kDatabaseName;
    if (!QFileInfo::exists(databasePath))
        throw StartupError(QStringLiteral("The content database %1 was not found. Tilvora needs its content database "
                                          "DIC.DAT in the application folder %2.")
                               .arg(databasePath, state.gAppFolder));
    if (QFileInfo(databasePath).size() == 0)
        throw StartupError(emptyContentMessage(databasePath));
    if (QFileInfo(databasePath).isFile() && isOtherKindOfFile(databasePath))
        throw StartupError(QStringLiteral("The file %1 is not a Tilvora content database (file is not a database).")
                               .arg(databasePath));
    try {
        state.gConnection = Connection::open(databasePath);
    } catch (const DbError& error) {
        throw StartupError(
            QStringLiteral("The content database %1 cannot be opened: %2").arg(databasePath, error.description()));
    }

    const auto failure = [&databasePath](const DbError& error) {
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
    };
    try {
        checkContentFile(*state.gConnection, databasePath);
        state.gPrograms = state.gConnection->openRecordSet(kProgramListQuery);
        state.gConnection->execute(kRestoreDefaultsStatement);
    } catch (const DbError& error) {
        throw failure(error);
    }
}

} // namespace tilvora::store

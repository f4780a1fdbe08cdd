#include "connection.h"

#include "caselike.h"
#include "dberror.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace tilvora::store {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("tilvora-%1").arg(counter.fetchAndAddRelaxed(1));
}

sqlite3* sqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

QString errorText(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

bool isDamage(int sqliteCode)
{
    const int primary = sqliteCode & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// What happens to the reader's files, in the words of the "what to do" part.
QString repairAdvice(const QString& databasePath)
{
    return QStringLiteral("Reinstall Tilvora to get a whole copy of it. When Tilvora runs from your own folder, "
                          "deleting %1 is enough: the next start copies it again.")
        .arg(databasePath);
}

// Yes/No columns are declared BOOLEAN; their values are presented as bool.
bool isBooleanDeclaration(const char* declaredType)
{
    return declaredType && (qstricmp(declaredType, "boolean") == 0 || qstricmp(declaredType, "bool") == 0);
}

// Keeps a result column's value in the table, as the column's kind asks. The
// value is taken once and read with the value readers, which, unlike the
// column readers, do not lock the connection for every call; the connection
// is read from one thread only.
void appendValue(RowTable& table, sqlite3_stmt* query, int column)
{
    sqlite3_value* value = sqlite3_column_value(query, column);
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        table.appendNull();
        break;
    case SQLITE_INTEGER:
        if (table.isBooleanColumn(column))
            table.appendBoolean(sqlite3_value_int64(value) != 0);
        else
            table.appendInteger(sqlite3_value_int64(value));
        break;
    case SQLITE_FLOAT:
        table.appendReal(sqlite3_value_double(value));
        break;
    case SQLITE_BLOB: {
        const void* data = sqlite3_value_blob(value);
        table.appendBlob(data, sqlite3_value_bytes(value));
        break;
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        table.appendText(text, sqlite3_value_bytes(value));
    }
    }
}

} // namespace

QString damagedContentMessage(const QString& databasePath, const QString& why)
{
    return QStringLiteral("The content file %1 is damaged (%2), so Tilvora cannot read its texts. ")
               .arg(QFileInfo(databasePath).fileName(), why)
        + repairAdvice(databasePath);
}

QString emptyContentMessage(const QString& databasePath)
{
    return QStringLiteral("The content file %1 is empty, so Tilvora has no texts to show. ")
               .arg(QFileInfo(databasePath).fileName())
        + repairAdvice(databasePath);
}

DbError Connection::failure(int sqliteCode, const QString& why) const
{
    if (isDamage(sqliteCode))
        return DbError(DbError::Damaged, damagedContentMessage(m_path, why));
    return DbError(DbError::StatementRefused, why);
}

DbError Connection::failure(const QSqlError& error) const
{
    return failure(error.nativeErrorCode().toInt(), errorText(error));
}

Connection::Connection(QString connectionName, QString path)
    : m_connectionName(std::move(connectionName)), m_path(std::move(path))
{
}

std::unique_ptr<Connection> Connection::open(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    if (!file.exists())
        throw DbError(
            DbError::StatementRefused, QStringLiteral("The database file %1 does not exist.").arg(databasePath));
    if (!file.isFile())
        throw DbError(DbError::StatementRefused, QStringLiteral("%1 is not a database file.").arg(databasePath));

    const QString name = nextConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        if (!db.open()) {
            const QString why = errorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw DbError(DbError::StatementRefused,
                QStringLiteral("The database file %1 cannot be opened: %2").arg(databasePath, why));
        }
        if (sqlite3* handle = sqliteHandle(db))
            registerCaseFoldingLike(handle);
    }
    return std::unique_ptr<Connection>(new Connection(name, databasePath));
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString Connection::dataVersion()
{
    sqlite3* handle = sqliteHandle(database());
    if (handle == nullptr)
        return QString();
    // PRAGMA data_version counts the commits of other connections (reading
    // it refreshes the view of the file); the changes of this one are
    // counted by the connection itself.
    qint64 others = -1;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle, "PRAGMA data_version", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        others = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    return m_connectionName + QLatin1Char(' ') + QString::number(others) + QLatin1Char(' ')
        + QString::number(sqlite3_total_changes64(handle));
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

RecordSet Connection::openRecordSet(const QString& statement)
{
    // Rows are read through SQLite directly: the texts arrive as UTF-8 and
    // are kept so, in a compact table, which keeps a page of the whole book
    // fast and small.
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    sqlite3* handle = sqliteHandle(db);
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare16_v2(handle, statement.utf16(), int(statement.size() * 2), &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        throw failure(sqlite3_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle)));
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> query(raw, &sqlite3_finalize);

    auto table = std::make_shared<RowTable>();
    const int columnCount = sqlite3_column_count(raw);
    for (int i = 0; i < columnCount; ++i)
        table->addColumn(
            QString::fromUtf8(sqlite3_column_name(raw, i)), isBooleanDeclaration(sqlite3_column_decltype(raw, i)));
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int i = 0; i < columnCount; ++i)
            appendValue(*table, raw, i);
    }
    if (status != SQLITE_DONE)
        throw failure(sqlite3_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle)));
    return RecordSet(std::move(table));
}

void Connection::execute(const QString& statement)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw failure(query.lastError());
}

Connection::Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection.m_connectionName, false);
    if (!db.transaction())
        throw m_connection.failure(db.lastError());
}

Connection::Transaction::~Transaction()
{
    if (!m_done) {
        QSqlDatabase db = QSqlDatabase::database(m_connection.m_connectionName, false);
        db.rollback();
    }
}

void Connection::Transaction::commit()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection.m_connectionName, false);
    if (!db.commit())
        throw m_connection.failure(db.lastError());
    m_done = true;
}

} // namespace tilvora::store

#include "connection.h"

#include "caselike.h"
#include "dberror.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

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

} // namespace

Connection::Connection(QString connectionName, QString path)
    : m_connectionName(std::move(connectionName)), m_path(std::move(path))
{
}

std::unique_ptr<Connection> Connection::open(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    if (!file.exists())
        throw DbError(DbError::StatementRefused, QStringLiteral("The database file %1 does not exist.").arg(databasePath));
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
            throw DbError(DbError::StatementRefused, QStringLiteral("The database file %1 cannot be opened: %2").arg(databasePath, why));
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

RecordSet Connection::Open(const QString& statement)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(statement))
        throw DbError(DbError::StatementRefused, errorText(query.lastError()));

    auto table = std::make_shared<RecordSet::Table>();
    const QSqlRecord record = query.record();
    const int columnCount = record.count();
    table->booleanColumn.resize(static_cast<std::size_t>(columnCount));
    for (int i = 0; i < columnCount; ++i) {
        table->columns.append(record.fieldName(i));
        table->booleanColumn[static_cast<std::size_t>(i)] = record.field(i).metaType().id() == QMetaType::Bool;
    }
    while (query.next()) {
        std::vector<QVariant> row(static_cast<std::size_t>(columnCount));
        for (int i = 0; i < columnCount; ++i) {
            QVariant value = query.value(i);
            auto& cell = row[static_cast<std::size_t>(i)];
            if (value.isNull())
                continue;
            if (table->booleanColumn[static_cast<std::size_t>(i)])
                cell = QVariant(value.toLongLong() != 0);
            else
                cell = std::move(value);
        }
        table->rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        throw DbError(DbError::StatementRefused, errorText(query.lastError()));
    return RecordSet(std::move(table));
}

void Connection::Execute(const QString& statement)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    QSqlQuery query(db);
    if (!query.exec(statement))
        throw DbError(DbError::StatementRefused, errorText(query.lastError()));
}

Connection::Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection.m_connectionName, false);
    if (!db.transaction())
        throw DbError(DbError::StatementRefused, errorText(db.lastError()));
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
        throw DbError(DbError::StatementRefused, errorText(db.lastError()));
    m_done = true;
}

} // namespace tilvora::store

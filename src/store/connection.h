#pragma once

#include "dberror.h"
#include "recordset.h"

#include <QString>

#include <memory>

class QSqlDatabase;
class QSqlError;

namespace tilvora::store {

// What the reader is told when the content file `databasePath` is damaged
// (`why`: SQLite's words), or empty: what it is and what to do.
QString damagedContentMessage(const QString& databasePath, const QString& why);
QString emptyContentMessage(const QString& databasePath);

// The open connection to the content database. Every record set and statement
// of the program runs on it. LIKE in its statements ignores letter case in
// every alphabet.
class Connection {
public:
    // Opens an existing database file; never creates one. Fails with a DbError
    // whose description says in plain words what is wrong.
    static std::unique_ptr<Connection> open(const QString& databasePath);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a query and returns a client-side copy of its rows. A statement the
    // database refuses fails with DbError::StatementRefused; one that finds
    // the file damaged, with DbError::Damaged (as execute() and transactions do).
    RecordSet openRecordSet(const QString& statement);
    // Runs a statement that returns no rows; applied at once unless a
    // Transaction is in progress.
    void execute(const QString& statement);

    const QString& databasePath() const { return m_path; }
    // Differs whenever the database may hold other data than when it was
    // last asked: after a change made through this connection or committed
    // by any other. Unique to this connection.
    QString dataVersion();
    // The connection itself, for statements whose values are bound rather
    // than written into their text.
    QSqlDatabase database() const;

    // Statements executed while a Transaction lives are applied together when
    // it is committed, and undone when it is destroyed uncommitted.
    class Transaction {
    public:
        explicit Transaction(Connection& connection);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        void commit();

    private:
        Connection& m_connection;
        bool m_done = false;
    };

private:
    Connection(QString connectionName, QString path);
    // The error for a failure SQLite reported with `sqliteCode` and `why`.
    DbError failure(int sqliteCode, const QString& why) const;
    DbError failure(const QSqlError& error) const;
    QString m_connectionName;
    QString m_path;
};

} // namespace tilvora::store

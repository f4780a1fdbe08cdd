#include "bookmarkstore.h"

#include "readerschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::store {

namespace {

// Why SQLite could not write the file `path`, in the reader's words.
QString plainReason(const QSqlError& error, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SQLITE_FULL:
        return u"the disk that holds %1 is full"_s.arg(file);
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        return u"the file %1 or its folder cannot be written (it may be read-only)"_s.arg(file);
    case SQLITE_IOERR:
        return u"the file %1 or its folder cannot be written"_s.arg(file);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"another program holds the file %1"_s.arg(file);
    default:
        return u"the file %1 cannot be written (%2)"_s.arg(file, error.databaseText());
    }
}

} // namespace

BookmarkStore::BookmarkStore(const QString& path)
    : m_path(path), m_connectionName(u"bookmarks-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (openAt(path))
        return;
    if (QFile::exists(path)) {
        setAside(path);
        if (openAt(path))
            return;
    }
    // Nothing can be written there: this run keeps its bookmarks in memory.
    openAt(u":memory:"_s);
    m_problem = u"Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until "
                u"Tilvora closes."_s.arg(QDir::toNativeSeparators(path));
}

BookmarkStore::~BookmarkStore()
{
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool BookmarkStore::openAt(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
            ? QSqlDatabase::database(m_connectionName, false)
            : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
        db.close();
        db.setDatabaseName(path);
        if (db.open()) {
            bool sound = bringReaderFileUpToDate(db);
            // Tables of another shape fail here.
            sound = sound && run(u"SELECT Position, SurahNo, AyahNo FROM Bookmark LIMIT 1"_s)
                && run(u"SELECT SurahNo, AyahNo FROM LastPlace LIMIT 1"_s);
            if (sound)
                return true;
        }
        db.close();
    }
    return false;
}

void BookmarkStore::setAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
    QString aside = path + u".damaged-"_s + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + u".damaged-"_s + stamp + u'-' + QString::number(n);
    if (!QFile::rename(path, aside)) {
        m_problem
            = u"Your bookmarks file %1 cannot be read and cannot be moved aside."_s.arg(QDir::toNativeSeparators(path));
        return;
    }
    m_problem = u"Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no "
                u"bookmarks."_s.arg(QDir::toNativeSeparators(aside));
}

bool BookmarkStore::run(const QString& statement, const QList<int>& values) const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.prepare(statement))
        return false;
    for (const int value : values)
        query.addBindValue(value);
    return query.exec();
}

QList<VersePlace> BookmarkStore::bookmarks() const
{
    QList<VersePlace> places;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (query.exec(u"SELECT SurahNo, AyahNo FROM Bookmark ORDER BY Position"_s)) {
        while (query.next())
            places.append({query.value(0).toInt(), query.value(1).toInt()});
    }
    return places;
}

bool BookmarkStore::change(const QString& statement, const QList<int>& values)
{
    m_whyNotStored.clear();
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.prepare(statement)) {
        m_whyNotStored = plainReason(query.lastError(), m_path);
        return false;
    }
    for (const int value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    m_whyNotStored = plainReason(query.lastError(), m_path);
    return false;
}

bool BookmarkStore::add(VersePlace place)
{
    m_whyNotStored.clear();
    if (bookmarks().contains(place))
        return false;
    return change(u"INSERT INTO Bookmark (SurahNo, AyahNo) VALUES (?, ?)"_s, {place.surah, place.ayah});
}

bool BookmarkStore::remove(VersePlace place)
{
    return change(u"DELETE FROM Bookmark WHERE SurahNo = ? AND AyahNo = ?"_s, {place.surah, place.ayah});
}

std::optional<VersePlace> BookmarkStore::lastPlace() const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (query.exec(u"SELECT SurahNo, AyahNo FROM LastPlace WHERE Id = 1"_s) && query.next())
        return VersePlace{query.value(0).toInt(), query.value(1).toInt()};
    return std::nullopt;
}

bool BookmarkStore::setLastPlace(VersePlace place)
{
    return change(
        u"INSERT OR REPLACE INTO LastPlace (Id, SurahNo, AyahNo) VALUES (1, ?, ?)"_s, {place.surah, place.ayah});
}

} // namespace tilvora::store

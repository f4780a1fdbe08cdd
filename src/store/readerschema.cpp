#include "readerschema.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::store {

namespace {

// The statements that take a file from version N to N + 1, at index N.
const QList<QStringList> kSteps = {
    {
        u"CREATE TABLE IF NOT EXISTS Bookmark (Position INTEGER PRIMARY KEY, SurahNo INTEGER NOT NULL, "
        u"AyahNo INTEGER NOT NULL, UNIQUE (SurahNo, AyahNo))"_s,
        u"CREATE TABLE IF NOT EXISTS LastPlace (Id INTEGER PRIMARY KEY CHECK (Id = 1), SurahNo INTEGER NOT NULL, "
        u"AyahNo INTEGER NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS LearntVerse (SurahNo INTEGER NOT NULL, AyahNo INTEGER NOT NULL, "
        u"Repetitions INTEGER NOT NULL, Easiness REAL NOT NULL, IntervalDays INTEGER NOT NULL, Due TEXT NOT NULL, "
        u"LastReview TEXT NOT NULL, PRIMARY KEY (SurahNo, AyahNo))"_s,
        u"CREATE TABLE IF NOT EXISTS Review (Id INTEGER PRIMARY KEY, SurahNo INTEGER NOT NULL, AyahNo INTEGER NOT "
        u"NULL, Day TEXT NOT NULL, Grade TEXT NOT NULL)"_s,
        u"CREATE TABLE IF NOT EXISTS VerseNote (SurahNo INTEGER NOT NULL, AyahNo INTEGER NOT NULL, Body TEXT NOT "
        u"NULL, Edited TEXT NOT NULL, PRIMARY KEY (SurahNo, AyahNo))"_s,
    },
    {
        u"CREATE TABLE IF NOT EXISTS ReaderSetting (Name TEXT PRIMARY KEY, Value TEXT NOT NULL)"_s,
    },
};

bool exec(QSqlDatabase& db, const QString& statement)
{
    QSqlQuery query(db);
    return query.exec(statement);
}

int versionOf(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (query.exec(u"PRAGMA user_version"_s) && query.next())
        return query.value(0).toInt();
    return -1;
}

} // namespace

bool bringReaderFileUpToDate(QSqlDatabase& db)
{
    {
        // A file that is no database, or a damaged one, fails here.
        QSqlQuery check(db);
        if (!check.exec(u"PRAGMA quick_check"_s) || !check.next() || check.value(0).toString() != u"ok"_s)
            return false;
    }
    // Several connections (bookmarks, memorising) share the file: one waits
    // for the other's write instead of failing.
    exec(db, u"PRAGMA busy_timeout=5000"_s);
    int version = versionOf(db);
    if (version < 0)
        return false;
    for (; version < kReaderFileVersion; ++version) {
        if (!db.transaction())
            return false;
        bool done = true;
        for (const QString& statement : kSteps.at(version))
            done = done && exec(db, statement);
        done = done && exec(db, u"PRAGMA user_version = %1"_s.arg(version + 1));
        if (!done || !db.commit()) {
            db.rollback();
            return false;
        }
    }
    return true;
}

} // namespace tilvora::store

#include "memorisestore.h"

#include "store/readerschema.h"

#include <QDir>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::memorise {

namespace {
QSqlQuery prepared(const QString& connection, const QString& statement, const QVariantList& values)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query;
}

QString day(QDate date)
{
    return date.toString(Qt::ISODate);
}
} // namespace

MemoriseStore::MemoriseStore(const QString& path)
    : m_connectionName(u"memorise-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    if (open(path))
        return;
    open(u":memory:"_s);
    m_problem = u"What you learn and your notes cannot be kept: the file %1 cannot be used. They last until "
                u"Tilvora closes."_s.arg(QDir::toNativeSeparators(path));
}

MemoriseStore::~MemoriseStore()
{
    QSqlDatabase::database(m_connectionName, false).close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool MemoriseStore::open(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
        ? QSqlDatabase::database(m_connectionName, false)
        : QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connectionName);
    db.close();
    db.setDatabaseName(path);
    if (db.open() && store::bringReaderFileUpToDate(db))
        return true;
    db.close();
    return false;
}

bool MemoriseStore::learn(const std::vector<store::VersePlace>& places, QDate today)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return false;
    const Card card = newCard(today);
    for (const store::VersePlace& place : places) {
        QSqlQuery query = prepared(m_connectionName,
            u"INSERT OR IGNORE INTO LearntVerse (SurahNo, AyahNo, Repetitions, Easiness, IntervalDays, Due, "
            u"LastReview) VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
            {place.surah, place.ayah, card.repetitions, card.easiness, card.intervalDays, day(card.due),
                day(card.lastReview)});
        if (!query.exec()) {
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

std::vector<ScheduledVerse> MemoriseStore::scheduled() const
{
    std::vector<ScheduledVerse> verses;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(u"SELECT SurahNo, AyahNo, Repetitions, Easiness, IntervalDays, Due, LastReview FROM LearntVerse "
                    u"ORDER BY SurahNo, AyahNo"_s))
        return verses;
    while (query.next()) {
        ScheduledVerse verse;
        verse.place = {query.value(0).toInt(), query.value(1).toInt()};
        verse.card.repetitions = query.value(2).toInt();
        verse.card.easiness = query.value(3).toDouble();
        verse.card.intervalDays = query.value(4).toInt();
        verse.card.due = QDate::fromString(query.value(5).toString(), Qt::ISODate);
        verse.card.lastReview = QDate::fromString(query.value(6).toString(), Qt::ISODate);
        verses.push_back(verse);
    }
    return verses;
}

bool MemoriseStore::store(const ScheduledVerse& verse)
{
    const Card& card = verse.card;
    return prepared(m_connectionName,
        u"UPDATE LearntVerse SET Repetitions = ?, Easiness = ?, IntervalDays = ?, Due = ?, LastReview = ? WHERE "
        u"SurahNo = ? AND AyahNo = ?"_s,
        {card.repetitions, card.easiness, card.intervalDays, day(card.due), day(card.lastReview), verse.place.surah,
            verse.place.ayah})
        .exec();
}

bool MemoriseStore::grade(const std::vector<store::VersePlace>& places, Grade grade, QDate today)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return false;
    bool done = true;
    for (ScheduledVerse verse : scheduled()) {
        if (std::find(places.begin(), places.end(), verse.place) == places.end())
            continue;
        verse.card = reviewed(verse.card, grade, today);
        done = done && store(verse)
            && prepared(m_connectionName, u"INSERT INTO Review (SurahNo, AyahNo, Day, Grade) VALUES (?, ?, ?, ?)"_s,
                {verse.place.surah, verse.place.ayah, day(today), gradeName(grade)})
                   .exec();
    }
    if (done && db.commit())
        return true;
    db.rollback();
    return false;
}

int MemoriseStore::forget(const std::vector<store::VersePlace>& places)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction())
        return -1;
    int forgotten = 0;
    for (const store::VersePlace& place : places) {
        QSqlQuery query = prepared(
            m_connectionName, u"DELETE FROM LearntVerse WHERE SurahNo = ? AND AyahNo = ?"_s, {place.surah, place.ayah});
        if (!query.exec()) {
            db.rollback();
            return -1;
        }
        forgotten += query.numRowsAffected();
    }
    return db.commit() ? forgotten : -1;
}

std::set<QDate> MemoriseStore::reviewDays() const
{
    std::set<QDate> days;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (query.exec(u"SELECT DISTINCT Day FROM Review"_s)) {
        while (query.next())
            days.insert(QDate::fromString(query.value(0).toString(), Qt::ISODate));
    }
    return days;
}

int MemoriseStore::dailyLimit() const
{
    QSqlQuery query = prepared(m_connectionName, u"SELECT Value FROM ReaderSetting WHERE Name = 'dailyLimit'"_s, {});
    bool isNumber = false;
    const int limit = query.exec() && query.next() ? query.value(0).toInt(&isNumber) : 0;
    return isNumber && limit >= 1 && limit <= kMaxDailyLimit ? limit : kDefaultDailyLimit;
}

bool MemoriseStore::hasDailyLimit() const
{
    QSqlQuery query = prepared(m_connectionName, u"SELECT 1 FROM ReaderSetting WHERE Name = 'dailyLimit'"_s, {});
    return query.exec() && query.next();
}

bool MemoriseStore::setDailyLimit(int pages)
{
    if (pages < 1 || pages > kMaxDailyLimit)
        return false;
    return prepared(m_connectionName, u"INSERT OR REPLACE INTO ReaderSetting (Name, Value) VALUES ('dailyLimit', ?)"_s,
        {QString::number(pages)})
        .exec();
}

std::vector<std::pair<QDate, Grade>> MemoriseStore::history(store::VersePlace place) const
{
    std::vector<std::pair<QDate, Grade>> grades;
    QSqlQuery query = prepared(m_connectionName,
        u"SELECT Day, Grade FROM Review WHERE SurahNo = ? AND AyahNo = ? ORDER BY Id"_s, {place.surah, place.ayah});
    if (!query.exec())
        return grades;
    while (query.next()) {
        if (const std::optional<Grade> grade = gradeFromName(query.value(1).toString()))
            grades.emplace_back(QDate::fromString(query.value(0).toString(), Qt::ISODate), *grade);
    }
    return grades;
}

bool MemoriseStore::setNote(store::VersePlace place, const QString& text, const QDateTime& edited)
{
    if (text.isEmpty())
        return prepared(
            m_connectionName, u"DELETE FROM VerseNote WHERE SurahNo = ? AND AyahNo = ?"_s, {place.surah, place.ayah})
            .exec();
    return prepared(m_connectionName,
        u"INSERT OR REPLACE INTO VerseNote (SurahNo, AyahNo, Body, Edited) VALUES (?, ?, ?, ?)"_s,
        {place.surah, place.ayah, text, edited.toUTC().toString(Qt::ISODateWithMs)})
        .exec();
}

std::vector<VerseNote> MemoriseStore::notes() const
{
    std::vector<VerseNote> notes;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(u"SELECT SurahNo, AyahNo, Body, Edited FROM VerseNote ORDER BY SurahNo, AyahNo"_s))
        return notes;
    while (query.next())
        notes.push_back({{query.value(0).toInt(), query.value(1).toInt()}, query.value(2).toString(),
            QDateTime::fromString(query.value(3).toString(), Qt::ISODateWithMs)});
    return notes;
}

} // namespace tilvora::memorise

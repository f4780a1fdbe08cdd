#include "readerdata.h"

#include "sm2.h"
#include "store/readerschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <map>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::memorise {

namespace {

const QString kFormat = u"tilvora-reader-data"_s;
constexpr int kVersion = 1;
constexpr qint64 kLargestFile = qint64{64} * 1024 * 1024;

struct Verse {
    int surah = 0;
    int ayah = 0;
    bool operator<(const Verse& other) const { return std::tie(surah, ayah) < std::tie(other.surah, other.ayah); }
};

struct Note {
    Verse verse;
    QString text;
    QDateTime edited;
};

struct Schedule {
    Verse verse;
    Card card;
};

struct Review {
    Verse verse;
    QString day;
    QString grade;
};

struct Contents {
    std::vector<Verse> bookmarks;
    std::optional<Verse> lastPlace;
    std::optional<int> dailyLimit;
    std::vector<Note> notes;
    std::vector<Schedule> learning;
    std::vector<Review> reviews;
};

// A refusal of a file, with the plain words that say why.
struct Refused {
    QString why;
};

QString verseText(Verse verse)
{
    return u"%1:%2"_s.arg(verse.surah).arg(verse.ayah);
}

Verse verseOf(const QJsonValue& value, const QString& where)
{
    static const QRegularExpression form(u"^(\\d{1,3}):(\\d{1,3})$"_s);
    const QRegularExpressionMatch match = form.match(value.toString());
    const Verse verse{match.captured(1).toInt(), match.captured(2).toInt()};
    if (!match.hasMatch() || verse.surah < 1 || verse.surah > 114 || verse.ayah < 1 || verse.ayah > 286)
        throw Refused{u"%1 names no verse"_s.arg(where)};
    return verse;
}

QDate dayOf(const QJsonValue& value, const QString& where)
{
    const QDate day = QDate::fromString(value.toString(), Qt::ISODate);
    if (!day.isValid())
        throw Refused{u"%1 holds no date"_s.arg(where)};
    return day;
}

QJsonArray arrayOf(const QJsonObject& root, const QString& name)
{
    const QJsonValue value = root.value(name);
    if (value.isUndefined())
        return {};
    if (!value.isArray())
        throw Refused{u"its %1 are no list"_s.arg(name)};
    return value.toArray();
}

// Each entry of a list, as an object, with the words that name it in a refusal.
template <typename Read> void forEachEntry(const QJsonObject& root, const QString& name, Read read)
{
    const QJsonArray list = arrayOf(root, name);
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString where = u"entry %1 of its %2"_s.arg(i + 1).arg(name);
        if (!list.at(i).isObject())
            throw Refused{u"%1 is no entry"_s.arg(where)};
        read(list.at(i).toObject(), where);
    }
}

Contents parse(const QJsonObject& root)
{
    Contents contents;
    const QJsonArray bookmarks = arrayOf(root, u"bookmarks"_s);
    for (qsizetype i = 0; i < bookmarks.size(); ++i)
        contents.bookmarks.push_back(verseOf(bookmarks.at(i), u"bookmark %1"_s.arg(i + 1)));
    if (root.contains(u"lastPlace"_s))
        contents.lastPlace = verseOf(root.value(u"lastPlace"_s), u"the last place"_s);
    if (root.contains(u"dailyLimit"_s)) {
        const int limit = root.value(u"dailyLimit"_s).toInt(0);
        if (limit < 1 || limit > 604)
            throw Refused{u"its daily limit is no number of pages"_s};
        contents.dailyLimit = limit;
    }
    forEachEntry(root, u"notes"_s, [&](const QJsonObject& entry, const QString& where) {
        const QDateTime edited = QDateTime::fromString(entry.value(u"edited"_s).toString(), Qt::ISODateWithMs);
        if (!entry.value(u"text"_s).isString() || !edited.isValid())
            throw Refused{u"%1 is no note"_s.arg(where)};
        contents.notes.push_back({verseOf(entry.value(u"verse"_s), where), entry.value(u"text"_s).toString(), edited});
    });
    forEachEntry(root, u"learning"_s, [&](const QJsonObject& entry, const QString& where) {
        Schedule schedule{verseOf(entry.value(u"verse"_s), where), {}};
        Card& card = schedule.card;
        card.repetitions = entry.value(u"repetitions"_s).toInt(-1);
        card.easiness = entry.value(u"easiness"_s).toDouble(0);
        card.intervalDays = entry.value(u"intervalDays"_s).toInt(-1);
        card.due = dayOf(entry.value(u"due"_s), where);
        card.lastReview = dayOf(entry.value(u"lastReview"_s), where);
        if (card.repetitions < 0 || card.easiness < 1.3 || card.easiness > 10 || card.intervalDays < 0)
            throw Refused{u"%1 is no schedule"_s.arg(where)};
        contents.learning.push_back(schedule);
    });
    forEachEntry(root, u"reviews"_s, [&](const QJsonObject& entry, const QString& where) {
        const QString grade = entry.value(u"grade"_s).toString();
        if (!gradeFromName(grade))
            throw Refused{u"%1 holds no grade"_s.arg(where)};
        contents.reviews.push_back({verseOf(entry.value(u"verse"_s), where),
            dayOf(entry.value(u"day"_s), where).toString(Qt::ISODate), grade});
    });
    return contents;
}

// A connection of its own to the reader's file, for one export or import.
class ReaderFile {
public:
    explicit ReaderFile(const QString& path)
        : m_name(u"readerdata-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_name);
        db.setDatabaseName(path);
        m_open = db.open() && store::bringReaderFileUpToDate(db);
    }
    ~ReaderFile()
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    ReaderFile(const ReaderFile&) = delete;
    ReaderFile& operator=(const ReaderFile&) = delete;

    bool isOpen() const { return m_open; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // Runs a statement with its values; throws when SQLite refuses it.
    QSqlQuery run(const QString& statement, const QVariantList& values = {}) const
    {
        QSqlQuery query(db());
        query.prepare(statement);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            throw Refused{u"your own file could not be changed (%1)"_s.arg(query.lastError().text())};
        return query;
    }

    Contents read() const
    {
        Contents contents;
        for (QSqlQuery q = run(u"SELECT SurahNo, AyahNo FROM Bookmark ORDER BY Position"_s); q.next();)
            contents.bookmarks.push_back({q.value(0).toInt(), q.value(1).toInt()});
        if (QSqlQuery q = run(u"SELECT SurahNo, AyahNo FROM LastPlace WHERE Id = 1"_s); q.next())
            contents.lastPlace = Verse{q.value(0).toInt(), q.value(1).toInt()};
        if (QSqlQuery q = run(u"SELECT Value FROM ReaderSetting WHERE Name = 'dailyLimit'"_s); q.next())
            contents.dailyLimit = q.value(0).toInt();
        for (QSqlQuery q = run(u"SELECT SurahNo, AyahNo, Body, Edited FROM VerseNote ORDER BY SurahNo, AyahNo"_s);
             q.next();)
            contents.notes.push_back({{q.value(0).toInt(), q.value(1).toInt()}, q.value(2).toString(),
                QDateTime::fromString(q.value(3).toString(), Qt::ISODateWithMs)});
        for (QSqlQuery q = run(u"SELECT SurahNo, AyahNo, Repetitions, Easiness, IntervalDays, Due, LastReview FROM "
                               u"LearntVerse ORDER BY SurahNo, AyahNo"_s);
             q.next();) {
            Card card;
            card.repetitions = q.value(2).toInt();
            card.easiness = q.value(3).toDouble();
            card.intervalDays = q.value(4).toInt();
            card.due = QDate::fromString(q.value(5).toString(), Qt::ISODate);
            card.lastReview = QDate::fromString(q.value(6).toString(), Qt::ISODate);
            contents.learning.push_back({{q.value(0).toInt(), q.value(1).toInt()}, card});
        }
        for (QSqlQuery q = run(u"SELECT SurahNo, AyahNo, Day, Grade FROM Review ORDER BY Id"_s); q.next();)
            contents.reviews.push_back(
                {{q.value(0).toInt(), q.value(1).toInt()}, q.value(2).toString(), q.value(3).toString()});
        return contents;
    }

private:
    QString m_name;
    bool m_open = false;
};

QJsonObject toJson(const Contents& contents)
{
    QJsonObject root{{u"format"_s, kFormat}, {u"version"_s, kVersion}};
    QJsonArray bookmarks;
    for (const Verse& verse : contents.bookmarks)
        bookmarks.append(verseText(verse));
    root.insert(u"bookmarks"_s, bookmarks);
    if (contents.lastPlace)
        root.insert(u"lastPlace"_s, verseText(*contents.lastPlace));
    if (contents.dailyLimit)
        root.insert(u"dailyLimit"_s, *contents.dailyLimit);
    QJsonArray notes;
    for (const Note& note : contents.notes)
        notes.append(QJsonObject{{u"verse"_s, verseText(note.verse)}, {u"text"_s, note.text},
            {u"edited"_s, note.edited.toUTC().toString(Qt::ISODateWithMs)}});
    root.insert(u"notes"_s, notes);
    QJsonArray learning;
    for (const Schedule& schedule : contents.learning) {
        const Card& card = schedule.card;
        learning.append(QJsonObject{{u"verse"_s, verseText(schedule.verse)}, {u"repetitions"_s, card.repetitions},
            {u"easiness"_s, card.easiness}, {u"intervalDays"_s, card.intervalDays},
            {u"due"_s, card.due.toString(Qt::ISODate)}, {u"lastReview"_s, card.lastReview.toString(Qt::ISODate)}});
    }
    root.insert(u"learning"_s, learning);
    QJsonArray reviews;
    for (const Review& review : contents.reviews)
        reviews.append(
            QJsonObject{{u"verse"_s, verseText(review.verse)}, {u"day"_s, review.day}, {u"grade"_s, review.grade}});
    root.insert(u"reviews"_s, reviews);
    return root;
}

DataCounts countsOf(const Contents& contents)
{
    return {static_cast<int>(contents.bookmarks.size()), static_cast<int>(contents.notes.size()),
        static_cast<int>(contents.learning.size())};
}

void merge(const ReaderFile& file, const Contents& incoming)
{
    const Contents held = file.read();
    for (const Verse& verse : incoming.bookmarks)
        file.run(u"INSERT OR IGNORE INTO Bookmark (SurahNo, AyahNo) VALUES (?, ?)"_s, {verse.surah, verse.ayah});
    if (incoming.lastPlace)
        file.run(u"INSERT OR IGNORE INTO LastPlace (Id, SurahNo, AyahNo) VALUES (1, ?, ?)"_s,
            {incoming.lastPlace->surah, incoming.lastPlace->ayah});
    if (incoming.dailyLimit)
        file.run(u"INSERT OR IGNORE INTO ReaderSetting (Name, Value) VALUES ('dailyLimit', ?)"_s,
            {QString::number(*incoming.dailyLimit)});

    std::map<Verse, QDateTime> noteEdited;
    for (const Note& note : held.notes)
        noteEdited[note.verse] = note.edited;
    for (const Note& note : incoming.notes) {
        const auto found = noteEdited.find(note.verse);
        if (found != noteEdited.end() && found->second >= note.edited)
            continue;
        file.run(u"INSERT OR REPLACE INTO VerseNote (SurahNo, AyahNo, Body, Edited) VALUES (?, ?, ?, ?)"_s,
            {note.verse.surah, note.verse.ayah, note.text, note.edited.toUTC().toString(Qt::ISODateWithMs)});
    }

    std::map<Verse, QDate> reviewed;
    for (const Schedule& schedule : held.learning)
        reviewed[schedule.verse] = schedule.card.lastReview;
    for (const Schedule& schedule : incoming.learning) {
        const auto found = reviewed.find(schedule.verse);
        if (found != reviewed.end() && found->second >= schedule.card.lastReview)
            continue;
        const Card& card = schedule.card;
        file.run(u"INSERT OR REPLACE INTO LearntVerse (SurahNo, AyahNo, Repetitions, Easiness, IntervalDays, Due, "
                 u"LastReview) VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
            {schedule.verse.surah, schedule.verse.ayah, card.repetitions, card.easiness, card.intervalDays,
                card.due.toString(Qt::ISODate), card.lastReview.toString(Qt::ISODate)});
    }

    // A review both hold is kept once: of each (verse, day, grade), as many
    // as the fuller history holds.
    using Key = std::tuple<Verse, QString, QString>;
    std::map<Key, int> count;
    for (const Review& review : held.reviews)
        ++count[{review.verse, review.day, review.grade}];
    for (const Review& review : incoming.reviews) {
        int& left = count[{review.verse, review.day, review.grade}];
        if (left > 0) {
            --left;
            continue;
        }
        file.run(u"INSERT INTO Review (SurahNo, AyahNo, Day, Grade) VALUES (?, ?, ?, ?)"_s,
            {review.verse.surah, review.verse.ayah, review.day, review.grade});
    }
}

} // namespace

ReaderData::ReaderData(QString readerFile) : m_readerFile(std::move(readerFile)) { }

std::optional<DataCounts> ReaderData::exportTo(const QString& path)
{
    m_problem.clear();
    const QString shown = QDir::toNativeSeparators(path);
    try {
        const ReaderFile file(m_readerFile);
        if (!file.isOpen())
            throw Refused{u"your own file %1 cannot be read"_s.arg(QDir::toNativeSeparators(m_readerFile))};
        const Contents contents = file.read();
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(toJson(contents)).toJson()) < 0 || !out.commit())
            throw Refused{out.errorString()};
        return countsOf(contents);
    } catch (const Refused& refused) {
        m_problem = u"Your data could not be written to %1: %2."_s.arg(shown, refused.why);
    }
    return std::nullopt;
}

std::optional<DataCounts> ReaderData::importFrom(const QString& path)
{
    m_problem.clear();
    const QString shown = QDir::toNativeSeparators(path);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        m_problem = u"The file %1 cannot be read: %2."_s.arg(shown, in.errorString());
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonDocument document
        = in.size() > kLargestFile ? QJsonDocument() : QJsonDocument::fromJson(in.readAll(), &error);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(u"format"_s).toString() != kFormat) {
        m_problem = u"%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was "
                    u"changed."_s.arg(shown);
        return std::nullopt;
    }
    const int version = root.value(u"version"_s).toInt(0);
    if (version > kVersion || version < 1) {
        m_problem
            = u"%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed."_s.arg(shown);
        return std::nullopt;
    }
    try {
        const Contents contents = parse(root);
        const ReaderFile file(m_readerFile);
        if (!file.isOpen())
            throw Refused{u"your own file %1 cannot be used"_s.arg(QDir::toNativeSeparators(m_readerFile))};
        QSqlDatabase db = file.db();
        if (!db.transaction())
            throw Refused{u"your own file cannot be changed now"_s};
        try {
            merge(file, contents);
        } catch (const Refused&) {
            db.rollback();
            throw;
        }
        if (!db.commit()) {
            db.rollback();
            throw Refused{u"your own file could not be changed"_s};
        }
        return countsOf(contents);
    } catch (const Refused& refused) {
        m_problem = u"%1 could not be imported: %2. Nothing was changed."_s.arg(shown, refused.why);
    }
    return std::nullopt;
}

} // namespace tilvora::memorise

#include "memorise/memorisestore.h"
#include "store/bookmarkstore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace tilvora::memorise;
using tilvora::store::BookmarkStore;
using tilvora::store::VersePlace;

namespace {
const QDate kToday(2026, 5, 10);

// A bookmarks file as the first version of the program wrote it.
void writeFirstVersionFile(const QString& path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"first-version"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(u"CREATE TABLE Bookmark (Position INTEGER PRIMARY KEY, SurahNo INTEGER NOT NULL, "
                               u"AyahNo INTEGER NOT NULL, UNIQUE (SurahNo, AyahNo))"_s));
        ASSERT_TRUE(query.exec(u"CREATE TABLE LastPlace (Id INTEGER PRIMARY KEY CHECK (Id = 1), SurahNo INTEGER "
                               u"NOT NULL, AyahNo INTEGER NOT NULL)"_s));
        ASSERT_TRUE(query.exec(u"INSERT INTO Bookmark (SurahNo, AyahNo) VALUES (36, 1), (2, 255), (18, 10)"_s));
        ASSERT_TRUE(query.exec(u"INSERT INTO LastPlace VALUES (1, 67, 3)"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"first-version"_s);
}
} // namespace

TEST(MemoriseStore, AFirstVersionFileKeepsEveryBookmarkAndGainsTheSchedule)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmarks.sqlite"_s);
    writeFirstVersionFile(path);
    {
        BookmarkStore bookmarks(path);
        MemoriseStore memorise(path);
        EXPECT_TRUE(bookmarks.problem().isEmpty());
        EXPECT_TRUE(memorise.problem().isEmpty());
        EXPECT_EQ(bookmarks.bookmarks(), (QList<VersePlace>{{36, 1}, {2, 255}, {18, 10}}));
        EXPECT_EQ(bookmarks.lastPlace(), (VersePlace{67, 3}));
        EXPECT_TRUE(memorise.learn({{67, 1}, {67, 2}}, kToday));
        EXPECT_TRUE(bookmarks.add({67, 2}));
    }
    BookmarkStore bookmarks(path);
    EXPECT_EQ(bookmarks.bookmarks().size(), 4);
    EXPECT_EQ(MemoriseStore(path).scheduled().size(), 2u);
}

TEST(MemoriseStore, GradesScheduleAndRecordTheVersesFromOneRunToTheNext)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmarks.sqlite"_s);
    {
        MemoriseStore store(path);
        ASSERT_TRUE(store.learn({{1, 1}, {1, 2}, {1, 3}}, kToday));
        ASSERT_TRUE(store.grade({{1, 1}, {1, 2}}, Grade::Good, kToday));
        ASSERT_TRUE(store.grade({{1, 2}}, Grade::Again, kToday.addDays(1)));
        // Taking a verse up again keeps its schedule.
        ASSERT_TRUE(store.learn({{1, 1}}, kToday.addDays(1)));
    }
    MemoriseStore store(path);
    const std::vector<ScheduledVerse> verses = store.scheduled();
    ASSERT_EQ(verses.size(), 3u);
    EXPECT_EQ(verses[0].card.state(), VerseState::Learnt);
    EXPECT_EQ(verses[0].card.due, kToday.addDays(1));
    EXPECT_EQ(verses[1].card.state(), VerseState::Learning);
    EXPECT_EQ(verses[1].card.due, kToday.addDays(1));
    EXPECT_EQ(verses[2].card.due, kToday);
    const auto history = store.history({1, 2});
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[1], std::make_pair(kToday.addDays(1), Grade::Again));
}

TEST(MemoriseStore, NotesAreKeptAsTypedAndAnEmptyOneIsRemoved)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmarks.sqlite"_s);
    const QString text = u"First thought.\n\nA second paragraph, with\ttab and \u0627\u0644\u0644\u0647."_s;
    const QDateTime when(kToday, QTime(9, 30), Qt::UTC);
    {
        MemoriseStore store(path);
        ASSERT_TRUE(store.setNote({2, 255}, text, when));
        ASSERT_TRUE(store.setNote({1, 1}, u"opening"_s, when));
        ASSERT_TRUE(store.setNote({1, 1}, QString(), when));
    }
    const std::vector<VerseNote> notes = MemoriseStore(path).notes();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].place, (VersePlace{2, 255}));
    EXPECT_EQ(notes[0].text, text);
    EXPECT_EQ(notes[0].edited, when);
}

TEST(MemoriseStore, ForgetTakesVersesBackToNewAndTheDailyLimitIsKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmarks.sqlite"_s);
    {
        MemoriseStore store(path);
        EXPECT_EQ(store.dailyLimit(), kDefaultDailyLimit);
        EXPECT_FALSE(store.hasDailyLimit());
        ASSERT_TRUE(store.learn({{1, 1}, {1, 2}, {1, 3}}, kToday));
        ASSERT_TRUE(store.grade({{1, 2}}, Grade::Good, kToday));
        // Verses not being learnt are not counted.
        EXPECT_EQ(store.forget({{1, 2}, {1, 3}, {1, 4}}), 2);
        EXPECT_TRUE(store.setDailyLimit(5));
        EXPECT_FALSE(store.setDailyLimit(0));
        EXPECT_FALSE(store.setDailyLimit(kMaxDailyLimit + 1));
    }
    MemoriseStore store(path);
    ASSERT_EQ(store.scheduled().size(), 1u);
    EXPECT_EQ(store.scheduled()[0].place, (VersePlace{1, 1}));
    // What was recalled stays in the history.
    EXPECT_EQ(store.history({1, 2}).size(), 1u);
    EXPECT_EQ(store.dailyLimit(), 5);
    // Taken up again, it starts as new.
    ASSERT_TRUE(store.learn({{1, 2}}, kToday.addDays(3)));
    EXPECT_EQ(store.scheduled()[1].card.state(), VerseState::Learning);
    EXPECT_EQ(store.scheduled()[1].card.due, kToday.addDays(3));
}

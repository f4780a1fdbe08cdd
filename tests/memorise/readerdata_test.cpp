// The reader's data written to a file and merged into another reader's file.

#include "memorise/memorisestore.h"
#include "memorise/readerdata.h"
#include "store/bookmarkstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace tilvora::memorise;
using tilvora::store::BookmarkStore;
using tilvora::store::VersePlace;

namespace {
const QDate kDay(2026, 5, 10);

QDateTime at(int day, int hour)
{
    return {kDay.addDays(day), QTime(hour, 0), Qt::UTC};
}

class ReaderDataTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.filePath(name); }

    // What a reader's file holds, as its own export.
    QByteArray exported(const QString& readerFile)
    {
        ReaderData data(readerFile);
        const QString out = file(u"snapshot.json"_s);
        EXPECT_TRUE(data.exportTo(out).has_value()) << data.problem().toStdString();
        QFile in(out);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(ReaderDataTest, ExportAndImportMergeWithoutLosingAnything)
{
    const QString home = file(u"home.sqlite"_s);
    const QString other = file(u"other.sqlite"_s);
    {
        BookmarkStore bookmarks(home);
        MemoriseStore store(home);
        bookmarks.add({2, 255});
        bookmarks.add({36, 1});
        bookmarks.setLastPlace({67, 3});
        store.setDailyLimit(7);
        store.learn({{1, 1}, {1, 2}}, kDay);
        store.grade({{1, 1}, {1, 2}}, Grade::Good, kDay);
        store.grade({{1, 1}}, Grade::Good, kDay.addDays(1));
        store.setNote({2, 255}, u"Throne.\n\nAt night."_s, at(0, 9));
        store.setNote({1, 1}, u"older"_s, at(0, 9));
    }
    {
        BookmarkStore bookmarks(other);
        MemoriseStore store(other);
        bookmarks.add({18, 10});
        bookmarks.add({36, 1});
        store.learn({{1, 1}, {1, 2}, {112, 1}}, kDay);
        store.grade({{1, 1}, {1, 2}}, Grade::Good, kDay);
        // Reviewed later here than at home: this schedule wins for 1:2.
        store.grade({{1, 2}}, Grade::Hard, kDay.addDays(2));
        store.setNote({1, 1}, u"newer"_s, at(1, 9));
    }
    const QString carried = file(u"carried.json"_s);
    ReaderData fromHome(home);
    const std::optional<DataCounts> out = fromHome.exportTo(carried);
    ASSERT_TRUE(out.has_value()) << fromHome.problem().toStdString();
    EXPECT_EQ(out->bookmarks, 2);
    EXPECT_EQ(out->notes, 2);
    EXPECT_EQ(out->learnt, 2);

    ReaderData intoOther(other);
    ASSERT_TRUE(intoOther.importFrom(carried).has_value()) << intoOther.problem().toStdString();
    const QByteArray merged = exported(other);
    // A second import of the same file changes nothing.
    ASSERT_TRUE(intoOther.importFrom(carried).has_value());
    EXPECT_EQ(exported(other), merged);

    BookmarkStore bookmarks(other);
    EXPECT_EQ(bookmarks.bookmarks(), (QList<VersePlace>{{18, 10}, {36, 1}, {2, 255}}));
    EXPECT_EQ(bookmarks.lastPlace(), (VersePlace{67, 3}));
    MemoriseStore store(other);
    EXPECT_EQ(store.dailyLimit(), 7);
    const std::vector<VerseNote> notes = store.notes();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, u"newer"_s);
    EXPECT_EQ(notes[1].text, u"Throne.\n\nAt night."_s);
    EXPECT_EQ(notes[1].edited, at(0, 9));
    const std::vector<ScheduledVerse> verses = store.scheduled();
    ASSERT_EQ(verses.size(), 3u);
    EXPECT_EQ(verses[0].card.lastReview, kDay.addDays(1)); // home's later review of 1:1
    EXPECT_EQ(verses[1].card.lastReview, kDay.addDays(2)); // this file's later review of 1:2
    // The histories are joined, a review both held kept once.
    EXPECT_EQ(store.history({1, 1}).size(), 2u);
    EXPECT_EQ(store.history({1, 2}).size(), 2u);
}

TEST_F(ReaderDataTest, AFileThatIsNotOursOrIsDamagedIsRefusedAndChangesNothing)
{
    const QString home = file(u"home.sqlite"_s);
    {
        BookmarkStore bookmarks(home);
        MemoriseStore store(home);
        bookmarks.add({2, 255});
        store.setNote({1, 1}, u"mine"_s, at(0, 9));
    }
    const QByteArray before = exported(home);
    const QList<std::pair<QString, QByteArray>> bad = {
        {u"not JSON"_s, "bookmarks: 2:255"},
        {u"another program's JSON"_s, R"({"bookmarks": ["1:2"]})"},
        {u"a newer format"_s, R"({"format": "tilvora-reader-data", "version": 9})"},
        {u"a verse that is none"_s,
            R"({"format": "tilvora-reader-data", "version": 1, "bookmarks": ["1:3"], "notes": [
               {"verse": "1:1", "text": "theirs", "edited": "2030-01-01T00:00:00.000Z"},
               {"verse": "115:1", "text": "x", "edited": "2030-01-01T00:00:00.000Z"}]})"},
        {u"a grade that is none"_s,
            R"({"format": "tilvora-reader-data", "version": 1, "bookmarks": ["1:3"],
                "reviews": [{"verse": "1:1", "day": "2026-05-01", "grade": "great"}]})"},
    };
    for (const auto& [what, text] : bad) {
        const QString path = file(u"bad.json"_s);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
        out.close();
        ReaderData data(home);
        EXPECT_FALSE(data.importFrom(path).has_value()) << what.toStdString();
        EXPECT_TRUE(data.problem().contains(u"Nothing was changed"_s)) << data.problem().toStdString();
    }
    ReaderData data(home);
    EXPECT_FALSE(data.importFrom(file(u"missing.json"_s)).has_value());
    EXPECT_FALSE(data.problem().isEmpty());
    EXPECT_EQ(exported(home), before);
}

} // namespace

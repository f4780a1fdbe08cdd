#include "store/bookmarkstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::store::BookmarkStore;
using tilvora::store::VersePlace;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(BookmarkStore, BookmarksAndTheLastPlaceLastFromOneRunToTheNext)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data/bookmarks.sqlite"_s);
    {
        BookmarkStore store(path);
        EXPECT_TRUE(store.problem().isEmpty());
        EXPECT_FALSE(store.lastPlace().has_value());
        EXPECT_TRUE(store.add({2, 255}));
        EXPECT_TRUE(store.add({1, 1}));
        EXPECT_TRUE(store.add({112, 1}));
        EXPECT_FALSE(store.add({1, 1}));
        store.remove({1, 1});
        store.setLastPlace({18, 10});
        store.setLastPlace({36, 1});
    }
    BookmarkStore again(path);
    EXPECT_TRUE(again.problem().isEmpty());
    EXPECT_EQ(again.bookmarks(), (QList<VersePlace>{{2, 255}, {112, 1}}));
    EXPECT_EQ(again.lastPlace(), (VersePlace{36, 1}));
}

TEST(BookmarkStore, AnUnreadableFileIsSetAsideAndANewOneStarted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bookmarks.sqlite"_s);
    const QByteArray garbage = QByteArray("this is not a database at all, only some words; ").repeated(100);
    for (const QByteArray& content : {garbage, QByteArray("SQLite format 3") + QByteArray(4000, '\x7f')}) {
        ASSERT_TRUE(writeFile(path, content));
        BookmarkStore store(path);
        EXPECT_TRUE(store.problem().contains(u"set aside"_s)) << store.problem().toStdString();
        EXPECT_TRUE(store.add({3, 7}));
        EXPECT_EQ(store.bookmarks(), (QList<VersePlace>{{3, 7}}));
        QDir(dir.path()).remove(u"bookmarks.sqlite"_s);
    }
    // Nothing of the reader's is lost: both damaged files are kept as they were.
    const QStringList aside = QDir(dir.path()).entryList({u"bookmarks.sqlite.damaged-*"_s}, QDir::Files, QDir::Name);
    ASSERT_EQ(aside.size(), 2);
    QFile first(dir.filePath(aside[0]));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), garbage);
}

TEST(BookmarkStore, AFolderThatCannotBeWrittenKeepsBookmarksForTheRun)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeFile(dir.filePath(u"plain-file"_s), "x"));
    BookmarkStore store(dir.filePath(u"plain-file/bookmarks.sqlite"_s));
    EXPECT_FALSE(store.problem().isEmpty());
    EXPECT_TRUE(store.add({1, 2}));
    store.setLastPlace({1, 2});
    EXPECT_EQ(store.lastPlace(), (VersePlace{1, 2}));
}

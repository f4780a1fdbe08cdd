#include "playback/mediasearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>

using tilvora::playback::existingFilePath;
using tilvora::playback::fileExists;
using tilvora::playback::findFile;

namespace {

// A temporary folder of its own per test, with helpers to lay out a tree.
class MediaTree : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    void folder(const QString& relative) { ASSERT_TRUE(QDir().mkpath(path(relative))); }

    void file(const QString& relative)
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile f(path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    // The subfolders of `relative` in the order the file system lists them.
    QStringList listed(const QString& relative) const
    {
        return QDir(path(relative)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    }

    QTemporaryDir m_dir;
};

const QString kName = QStringLiteral("001002.mp3");

TEST_F(MediaTree, FileExistsTakesOnlyReadablePlainFilesInAnyCase)
{
    file(QStringLiteral("M/001001.MP3"));
    folder(QStringLiteral("M/002001.mp3"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("M/pipe.mp3"))).constData(), 0600), 0);

    EXPECT_TRUE(fileExists(path(QStringLiteral("M/001001.MP3"))));
    EXPECT_TRUE(fileExists(path(QStringLiteral("M/001001.mp3"))));
    EXPECT_EQ(existingFilePath(path(QStringLiteral("M/001001.mp3"))), path(QStringLiteral("M/001001.MP3")));
    EXPECT_FALSE(fileExists(path(QStringLiteral("M/002001.mp3")))); // a folder
    EXPECT_FALSE(fileExists(path(QStringLiteral("M/pipe.mp3")))); // must not block either
    EXPECT_FALSE(fileExists(path(QStringLiteral("M/missing.mp3"))));
    EXPECT_FALSE(fileExists(path(QStringLiteral("M/"))));
    EXPECT_FALSE(fileExists(QString()));
    EXPECT_EQ(existingFilePath(path(QStringLiteral("nofolder/001001.mp3"))), QString());
}

TEST_F(MediaTree, ExactSpellingWinsAndOtherAlphabetsFoldToo)
{
    file(QStringLiteral("M/a.mp3"));
    file(QStringLiteral("M/A.MP3"));
    file(QStringLiteral("M/Ärger.mp3"));
    EXPECT_EQ(existingFilePath(path(QStringLiteral("M/a.mp3"))), path(QStringLiteral("M/a.mp3")));
    EXPECT_EQ(existingFilePath(path(QStringLiteral("M/A.MP3"))), path(QStringLiteral("M/A.MP3")));
    EXPECT_EQ(existingFilePath(path(QStringLiteral("M/äRGER.MP3"))), path(QStringLiteral("M/Ärger.mp3")));
}

TEST_F(MediaTree, StartFolderIsCheckedBeforeAnySubfolder)
{
    file(QStringLiteral("M/A/") + kName);
    file(QStringLiteral("M/") + kName);
    int yields = 0;
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName, [&] { ++yields; }), path(QStringLiteral("M/")));
    EXPECT_EQ(yields, 0);
}

TEST_F(MediaTree, FirstListedSubfolderIsSearchedCompletelyFirst)
{
    folder(QStringLiteral("M/A"));
    folder(QStringLiteral("M/B"));
    const QStringList order = listed(QStringLiteral("M"));
    ASSERT_EQ(order.size(), 2);
    file(QStringLiteral("M/") + order[0] + QStringLiteral("/deep/er/") + kName);
    file(QStringLiteral("M/") + order[1] + u'/' + kName);
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName),
        path(QStringLiteral("M/") + order[0] + QStringLiteral("/deep/er/")));
}

TEST_F(MediaTree, HitInANestedSubfolderInAnyCase)
{
    folder(QStringLiteral("M/A/Y"));
    file(QStringLiteral("M/A/other.mp3"));
    file(QStringLiteral("M/B/X/001002.MP3"));
    const QString expected = path(QStringLiteral("M/B/X/"));
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName), expected);
    EXPECT_EQ(findFile(path(QStringLiteral("M/")), kName), expected);
}

TEST_F(MediaTree, FindsNothingForBadArgumentsOrHiddenOrFolderOnlyNames)
{
    file(QStringLiteral("M/.hidden/") + kName);
    folder(QStringLiteral("M/A/") + kName);
    file(QStringLiteral("M/A/sub/") + kName);
    int yields = 0;
    const auto count = [&] { ++yields; };
    EXPECT_EQ(findFile(path(QStringLiteral("M")), QString(), count), QString());
    EXPECT_EQ(findFile(QString(), kName, count), QString()); // not a search of "/"
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(findFile(path(QStringLiteral("missing")), kName), QString());
    EXPECT_EQ(findFile(path(QStringLiteral("M/A/sub/")) + kName, kName), QString()); // a file
    EXPECT_EQ(findFile(path(QStringLiteral("M")), QStringLiteral("sub/") + kName), QString());
    // The hidden folder is skipped, and A holds the name only as a folder.
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName), path(QStringLiteral("M/A/sub/")));
}

TEST_F(MediaTree, YieldsOncePerVisibleEntry)
{
    file(QStringLiteral("M/f1"));
    file(QStringLiteral("M/f2"));
    file(QStringLiteral("M/.f3"));
    file(QStringLiteral("M/A/f4"));
    int yields = 0;
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName, [&] { ++yields; }), QString());
    EXPECT_EQ(yields, 4); // f1, f2, A, f4
}

TEST_F(MediaTree, FolderLinksAreFollowedButNeverIntoALoop)
{
    folder(QStringLiteral("M/A"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("M")), path(QStringLiteral("M/A/up"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("Ext")), path(QStringLiteral("M/A/ext"))));
    folder(QStringLiteral("Ext/In"));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("Ext")), path(QStringLiteral("Ext/In/self"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("M")), path(QStringLiteral("Ext/In/back"))));
    int yields = 0;
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName, [&] { ++yields; }), QString());
    EXPECT_LT(yields, 20);

    file(QStringLiteral("Ext/In/") + kName);
    EXPECT_EQ(findFile(path(QStringLiteral("M")), kName), path(QStringLiteral("M/A/ext/In/")));
    // A start folder given through a link is searched like any other.
    EXPECT_EQ(findFile(path(QStringLiteral("M/A/ext")), kName), path(QStringLiteral("M/A/ext/In/")));
}

TEST_F(MediaTree, FileThatAppearsDuringTheSearchIsFound)
{
    file(QStringLiteral("M/f1"));
    file(QStringLiteral("M/f2"));
    file(QStringLiteral("M/f3"));
    // An old folder, whose entries the search may keep between its checks.
    const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(path(QStringLiteral("M"))).constData(), hourAgo), 0);
    int yields = 0;
    const QString found = findFile(path(QStringLiteral("M")), kName, [&] {
        if (++yields == 1)
            file(QStringLiteral("M/001002.Mp3"));
    });
    EXPECT_EQ(found, path(QStringLiteral("M/")));
    EXPECT_EQ(yields, 1);
}

TEST_F(MediaTree, SearchStartedWhileAnotherYieldsIsIndependent)
{
    file(QStringLiteral("M/A/f1"));
    file(QStringLiteral("M/B/C/") + kName);
    file(QStringLiteral("N/X/") + kName);
    QStringList inner;
    const QString outer = findFile(path(QStringLiteral("M")), kName, [&] {
        if (inner.size() < 2) {
            inner << findFile(path(QStringLiteral("N")), kName, [] {});
            inner << findFile(path(QStringLiteral("M")), kName);
        }
    });
    EXPECT_EQ(outer, path(QStringLiteral("M/B/C/")));
    EXPECT_EQ(inner, QStringList({path(QStringLiteral("N/X/")), path(QStringLiteral("M/B/C/"))}));
}

} // namespace

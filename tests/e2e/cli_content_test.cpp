#include "clirun.h"
#include "support/files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tilvora::testing::readPageFile;

namespace {

// A copy of the built-in content of the application folder, the demo
// voice pointed at the copy's own recordings.
class ContentCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString content = QStringLiteral(TILVORA_CONTENT_DIR);
        if (!QFile::exists(content + QStringLiteral("/DIC.DAT")))
            GTEST_SKIP() << "the content build has not made DIC.DAT";
        folder = dir.path();
        QString error;
        ASSERT_TRUE(tilvora::testing::copyApplicationFolder(content, folder, &error)) << error.toStdString();
    }

    QTemporaryDir dir;
    QString folder;
};

} // namespace

TEST_F(ContentCopy, AChapterPickShowsTheChapterAndResetsTheOtherPickers)
{
    const CliRun run = runCli(folder, {QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("__Surah = 2"))});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList tail = run.lines.mid(run.lines.size() - 4);
    EXPECT_EQ(tail[0], QStringLiteral("label\t  Search Result(s): \\r\\n   0/286"));
    EXPECT_EQ(tail[2], QStringLiteral("reset\tcmbWord"));
    EXPECT_EQ(tail[3], QStringLiteral("reset\tcmbSubject"));
    const QString page = readPageFile(folder + QStringLiteral("/Main.htm"));
    EXPECT_EQ(page.count(QStringLiteral("<a name=\"Bookmark_")), 286);
    EXPECT_TRUE(page.endsWith(QStringLiteral("</BODY></HTML>")));
}

TEST_F(ContentCopy, ADoubleClickOnAVerseOfChapterOneRecitesItFromItsPosition)
{
    const CliRun run = runCli(folder, {QStringLiteral("dblclick\t1"), QStringLiteral("dblclick\t3"), QStringLiteral("dblclick\tnot a verse")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> player = run.linesOf(QStringLiteral("player"));
    ASSERT_EQ(player.size(), 6);
    EXPECT_EQ(player[0], (QStringList{QStringLiteral("player"), QStringLiteral("url"), folder + QStringLiteral("/media/demo/001.mp3")}));
    EXPECT_EQ(player[1], (QStringList{QStringLiteral("player"), QStringLiteral("position"), QStringLiteral("0")}));
    EXPECT_EQ(player[2], (QStringList{QStringLiteral("player"), QStringLiteral("play")}));
    EXPECT_EQ(player[3][2], folder + QStringLiteral("/media/demo/001.mp3"));
    EXPECT_GT(player[4][2].toDouble(), 1.0);
    EXPECT_TRUE(run.linesOf(QStringLiteral("message")).isEmpty());
}

TEST_F(ContentCopy, AWholeBookSearchFindsEveryVerse)
{
    const CliRun run = runCli(folder, {QStringLiteral("command\t__Search = *")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines.last(), QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"));
    EXPECT_EQ(run.linesOf(QStringLiteral("label")).last()[1], QStringLiteral("  Search Result(s): \r\n   6236/6236"));
}

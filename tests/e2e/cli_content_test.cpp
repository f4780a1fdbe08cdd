#include "clirun.h"
#include "contentcopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tilvora::testing::readPageFile;

namespace {

// A copy of the built-in content of the application folder, the demo
// voice pointed at the copy's own recordings.
using ContentCopy = ContentCopyTest;

// Every file below `from`, copied as it is to the same place below `to`.
bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(file, copy))
            return false;
    }
    return true;
}

} // namespace

TEST_F(ContentCopy, AMovedApplicationFolderRecitesFromItsOwnRecordings)
{
    // The application folder with its program, copied elsewhere; the
    // original is gone when the copy runs.
    const QString program = QStringLiteral("/tilvora-cli");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TILVORA_CLI), folder + program));
    QTemporaryDir elsewhere;
    const QString moved = elsewhere.path() + QStringLiteral("/moved");
    ASSERT_TRUE(copyTree(folder, moved));
    ASSERT_TRUE(QDir(folder).removeRecursively());

    const CliRun run = runCliProgram(moved + program, {}, {QStringLiteral("dblclick\t3")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> player = run.linesOf(QStringLiteral("player"));
    ASSERT_EQ(player.size(), 3) << run.lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(player[0][2], moved + QStringLiteral("/media/demo/001.mp3"));
    EXPECT_TRUE(QFile::exists(player[0][2]));
    EXPECT_GT(player[1][2].toDouble(), 1.0);
    EXPECT_TRUE(run.linesOf(QStringLiteral("message")).isEmpty());
}

TEST_F(ContentCopy, AChapterPickShowsTheChapterAndResetsTheOtherPickers)
{
    const CliRun run = runCli(
        folder, {QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("__Surah = 2"))});
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
    const CliRun run = runCli(folder,
        {QStringLiteral("dblclick\t1"), QStringLiteral("dblclick\t3"), QStringLiteral("dblclick\tnot a verse")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> player = run.linesOf(QStringLiteral("player"));
    ASSERT_EQ(player.size(), 6);
    EXPECT_EQ(player[0],
        (QStringList{QStringLiteral("player"), QStringLiteral("url"), folder + QStringLiteral("/media/demo/001.mp3")}));
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

TEST_F(ContentCopy, TheWholeBookIsTheSamePageAsASearchMatchingEveryText)
{
    const auto pageOf = [&](const QString& search) {
        const CliRun run = runCli(folder, {QStringLiteral("command\t__Search = ") + search});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.linesOf(QStringLiteral("error")).isEmpty());
        return std::make_pair(run.lines, readPageFile(folder + QStringLiteral("/Main.htm")));
    };
    // "%" matches every text that is not Null, through LIKE, as the empty
    // search text does.
    const auto everyText = pageOf(QStringLiteral("*"));
    const auto matchingEverything = pageOf(QStringLiteral("*%"));
    EXPECT_EQ(everyText.first, matchingEverything.first);
    EXPECT_GT(everyText.second.size(), 1000000);
    EXPECT_TRUE(everyText.second == matchingEverything.second);
}

namespace {

// The verses the reading page shows, by reference, in page order.
QStringList shownVerses(const QString& folder)
{
    static const QRegularExpression anchor(QStringLiteral("<a name=\"Bookmark_(\\d+)\">"));
    QStringList refs;
    const QString page = readPageFile(folder + QStringLiteral("/Main.htm"));
    for (auto match = anchor.globalMatch(page); match.hasNext();)
        refs << match.next().captured(1);
    return refs;
}

// The verses a search shows: the search alone, or after other events.
QStringList versesFound(const QString& folder, const QString& searchText, const QStringList& before = {})
{
    const CliRun run = runCli(folder, before + QStringList{QStringLiteral("command\t__Search = ") + searchText});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.linesOf(QStringLiteral("error")).isEmpty()) << searchText.toStdString();
    return shownVerses(folder);
}

QString contentValue(const QString& folder, const QString& statement)
{
    return tilvora::testing::queryRow(folder + QStringLiteral("/DIC.DAT"), statement).value(0).toString();
}

} // namespace

TEST_F(ContentCopy, AnArabicSearchForgivesHamzaAndVowelMarks)
{
    const QString ahad1
        = contentValue(folder, QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 112 AND AyahNo = 1"));
    const QString ahad4
        = contentValue(folder, QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 112 AND AyahNo = 4"));
    const QStringList ahad = versesFound(folder, QStringLiteral("*احد"));
    EXPECT_TRUE(ahad.contains(ahad1) && ahad.contains(ahad4));
    EXPECT_EQ(versesFound(folder, QStringLiteral("*أَحَدٌ")), ahad);

    const QStringList mercy = versesFound(folder, QStringLiteral("*رحمه"));
    EXPECT_GT(mercy.size(), 50);
    EXPECT_EQ(versesFound(folder, QStringLiteral("*رَحْمَة")), mercy);

    // A word without letters to fold finds the verses whose words hold it.
    const QString merciful = contentValue(folder,
        QStringLiteral("SELECT group_concat(AyahRef) FROM (SELECT DISTINCT AyahRef FROM RF_Word_TAB "
                       "WHERE instr(Word, 'الرحمن') > 0 ORDER BY AyahRef)"));
    EXPECT_EQ(versesFound(folder, QStringLiteral("*الرحمن")).join(u','), merciful);

    // The search within the page shown folds the same way.
    const QStringList chapter112
        = {QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("__Surah = 112"))};
    EXPECT_EQ(versesFound(folder, QStringLiteral("أحد"), chapter112), (QStringList{ahad1, ahad4}));
}

TEST_F(ContentCopy, APageTheDiskCannotHoldKeepsThePreviousPageAndIsReported)
{
    // Room for the start-up's pages, not for the longest chapter.
    const CliRun run = runCli(folder, {QStringLiteral("command\t__Surah = 2")}, 256 * 1024);
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> errors = run.linesOf(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1) << run.lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(errors[0][1].contains(folder + QStringLiteral("/Main.htm"))) << errors[0][1].toStdString();
    EXPECT_FALSE(errors[0][1].contains(QStringLiteral("nknown error"))) << errors[0][1].toStdString();
    EXPECT_EQ(run.lines.last().split(QLatin1Char('\t')).first(), QStringLiteral("error"));
    // Chapter 1, shown at start, is still the page.
    const QString page = readPageFile(folder + QStringLiteral("/Main.htm"));
    EXPECT_EQ(page.count(QStringLiteral("<a name=\"Bookmark_")), 7);
    EXPECT_TRUE(page.endsWith(QStringLiteral("</BODY></HTML>")));
}

TEST_F(ContentCopy, ADamagedOrEmptyContentFileEndsTheStartSayingWhatToDo)
{
    const QString database = folder + QStringLiteral("/DIC.DAT");
    // A page in the middle of the file, its bits flipped.
    {
        QFile file(database);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const qint64 at = file.size() / 2 / 4096 * 4096;
        file.seek(at);
        QByteArray bytes = file.read(8);
        for (char& byte : bytes)
            byte = char(~byte);
        file.seek(at);
        file.write(bytes);
    }
    CliRun run = runCli(folder, {QStringLiteral("command\t__Surah = 2")});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines[0].startsWith(QStringLiteral("fatal\tThe content file DIC.DAT is damaged (")))
        << run.lines[0].toStdString();
    EXPECT_TRUE(run.lines[0].contains(QStringLiteral("Reinstall Tilvora")));

    ASSERT_TRUE(QFile::resize(database, 0));
    run = runCli(folder, {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines[0].startsWith(QStringLiteral("fatal\tThe content file DIC.DAT is empty,")))
        << run.lines[0].toStdString();
}

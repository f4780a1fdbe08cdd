#include "clirun.h"
#include "support/files.h"
#include "support/fixturedb.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tilvora::testing::FixtureDb;
using tilvora::testing::readPageFile;
using tilvora::testing::startPageNavigations;

namespace {

// Two verses of chapter 1 and one of chapter 2; a matan and an English text
// shown, a French text not shown; one voice.
void fillLibrary(const FixtureDb& db)
{
    db.execute(
        {QStringLiteral(
             "INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
             "DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, FontBold) VALUES "
             "(1, 1, 'Matan', '', NULL, 1, 1, 0, 0, 'rtl', 'Amiri', '24px', 'normal'), "
             "(2, 2, 'English', '', NULL, 1, 1, 1, 1, 'ltr', 'Tahoma', '14px', 'normal'), "
             "(3, 2, 'French', '', NULL, 0, 0, 0, 0, 'ltr', 'Tahoma', '14px', 'normal'), "
             "(9, 4, 'Voice', 'My voice', '/nowhere', 1, 1, 0, 0, NULL, NULL, NULL, NULL)"),
            QStringLiteral("INSERT INTO MD_Ayah_TAB VALUES (1, 1, 1, 1), (2, 1, 2, 1), (3, 2, 1, 1)"),
            QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data, DataSearchable) VALUES "
                           "(11, 1, 1, 'a1', NULL), (12, 1, 2, 'a2', NULL), (13, 1, 3, 'a3', NULL), "
                           "(21, 2, 1, 'e1', NULL), (22, 2, 2, 'e2', NULL), (23, 2, 3, 'e3', NULL), "
                           "(31, 3, 1, 'f1', NULL), (32, 3, 2, 'f2', NULL), (33, 3, 3, 'f3', NULL)")});
}

QStringList programColumns(const QString& path, int masterId)
{
    QStringList values;
    for (const QVariant& value :
        tilvora::testing::queryRow(path,
            QStringLiteral("SELECT UserSelection, SortOrderUser FROM AP_Master_TAB WHERE MasterID = %1").arg(masterId)))
        values << value.toString();
    return values;
}

} // namespace

TEST(CliStartup, EachStartupFailureIsOneFatalLineAndStatusOne)
{
    QTemporaryDir empty;
    CliRun run = runCli(empty.path(), {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines.first().startsWith(QStringLiteral("fatal\tThe content database ")));

    QTemporaryDir garbage;
    QFile file(garbage.path() + QStringLiteral("/DIC.DAT"));
    file.open(QIODevice::WriteOnly);
    file.write("this is no database, only text that goes on for a while ........................................");
    file.close();
    run = runCli(garbage.path(), {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines.first().contains(QStringLiteral("is not a Tilvora content database")));

    FixtureDb noColumn;
    noColumn.execute({QStringLiteral("ALTER TABLE AP_Master_TAB DROP COLUMN DefaultSelection")});
    run = runCli(noColumn.folder(), {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(run.lines.size(), 1);
    EXPECT_TRUE(run.lines.first().contains(QStringLiteral("lacks a table or column")));
}

TEST(CliSession, StartsOnChapterOneAndEndsWithTheInput)
{
    FixtureDb db;
    fillLibrary(db);
    const QString folder = db.folder();
    const CliRun run = runCli(folder, {});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.lines,
        ((QStringList{
             QStringLiteral("menu\t0\t1\tMy voice [/nowhere]\t9"),
             QStringLiteral("menu\tsetdatapath\t1"),
         }) + startPageNavigations(folder)
            + QStringList{
                QStringLiteral("label\t  Search Result(s): \\r\\n   0/2"),
                QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"),
            }));
}

TEST(CliSession, APickThenARowChoiceStoresTheChoiceAndShowsItOnTheSameVerses)
{
    FixtureDb db;
    fillLibrary(db);
    const QString folder = db.folder();
    const CliRun run = runCli(folder,
        {
            QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("__Surah = 2")),
            QStringLiteral("navigate\tWebControl\t") + encodedFileUrl(folder, QStringLiteral("_Control.htm__Row1 = 3")),
        });
    EXPECT_EQ(run.exitCode, 0);
    const QStringList tail = run.lines.mid(run.lines.size() - 6);
    EXPECT_EQ(tail,
        (QStringList{
            QStringLiteral("label\t  Search Result(s): \\r\\n   0/1"),
            QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"),
            QStringLiteral("reset\tcmbWord"),
            QStringLiteral("reset\tcmbSubject"),
            QStringLiteral("label\t  Search Result(s): \\r\\n   2/1"),
            QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"),
        }));
    EXPECT_EQ(programColumns(db.path(), 3), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
    EXPECT_EQ(programColumns(db.path(), 2), (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
    const QString page = readPageFile(folder + QStringLiteral("/Main.htm"));
    EXPECT_TRUE(page.contains(QStringLiteral(">f3</TD></TR>")));
    EXPECT_FALSE(page.contains(QStringLiteral(">e3</TD></TR>")));
    EXPECT_TRUE(page.contains(QStringLiteral(">a3 {2:1}</TD></TR>")));
}

TEST(CliSession, BadValuesAreReportedAndTheSessionGoesOn)
{
    FixtureDb db;
    fillLibrary(db);
    const QString folder = db.folder();
    const CliRun run = runCli(folder,
        {
            QStringLiteral("command\t__Surah = 2 OR 1=1"),
            QStringLiteral("command\t__Word = it's"),
            QStringLiteral("navigate\tWebControl\t") + encodedFileUrl(folder, QStringLiteral("_Control.htm__Row1 = x")),
            QStringLiteral("command\t__Surah"),
            QStringLiteral("command\t__Surah = 2"),
        });
    EXPECT_EQ(run.exitCode, 0);
    const QStringList tail = run.lines.mid(9);
    ASSERT_EQ(tail.size(), 6);
    EXPECT_TRUE(tail[0].startsWith(QStringLiteral("error\t")));
    EXPECT_EQ(tail[1], QStringLiteral("label\t  Search Result(s): \\r\\n   0/0"));
    EXPECT_TRUE(tail[3].startsWith(QStringLiteral("error\t")));
    EXPECT_EQ(tail[4], QStringLiteral("label\t  Search Result(s): \\r\\n   0/1"));
    EXPECT_EQ(programColumns(db.path(), 2), (QStringList{QStringLiteral("1"), QStringLiteral("1")}));
}

TEST(CliSession, AnApplicationFolderWhosePathHoldsTwoUnderscoresTakesOnlyItsPagesCommands)
{
    FixtureDb db;
    fillLibrary(db);
    QTemporaryDir parent;
    const QString folder = parent.path() + QStringLiteral("/app__folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(db.path(), folder + QStringLiteral("/DIC.DAT")));
    const CliRun run = runCli(folder,
        {
            QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("WebSurah.Htm")),
            QStringLiteral("navigate\tWebControl\t") + encodedFileUrl(folder, QStringLiteral("Control.htm")),
            QStringLiteral("navigate\tWebSurah\t") + encodedFileUrl(folder, QStringLiteral("WebSurah.Htm__Surah = 2")),
        });
    EXPECT_EQ(run.exitCode, 0);
    // The panes' own pages are no commands; the chapter pick is.
    ASSERT_GE(run.lines.size(), 4);
    EXPECT_EQ(run.lines.mid(run.lines.size() - 4),
        (QStringList{
            QStringLiteral("label\t  Search Result(s): \\r\\n   0/1"),
            QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"),
            QStringLiteral("reset\tcmbWord"),
            QStringLiteral("reset\tcmbSubject"),
        }));
    EXPECT_EQ(run.lines.filter(QStringLiteral("navigate\tWebMain")).size(), 2);
    EXPECT_TRUE(run.linesOf(QStringLiteral("error")).isEmpty());
}

TEST(CliSession, ReferencesOfNoVerseHugeWidthsAndControlCharactersAreRefusedOrIgnoredSafely)
{
    FixtureDb db;
    fillLibrary(db);
    const CliRun run = runCli(db.folder(),
        {QStringLiteral("dblclick\t-1"), QStringLiteral("dblclick\t6237"), QStringLiteral("dblclick\t99999"),
            QStringLiteral("dblclick\t3"), QString::fromLatin1("\x1b[31mred\x07", 9) + QChar(0),
            QStringLiteral("setwidth\tWebMain\t2147483647"), QStringLiteral("setwidth\tWebMain\t7000")});
    EXPECT_EQ(run.exitCode, 0);
    // Only the verse that exists is told it has no recording.
    const QList<QStringList> messages = run.linesOf(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0][3].contains(QStringLiteral("has no recording of Chapter 2 2:1")))
        << messages[0][3].toStdString();
    const QList<QStringList> errors = run.linesOf(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0][1], QStringLiteral("Unknown event \"\\x1B[31mred\\x07\\x00\"."));
    EXPECT_TRUE(errors[1][1].startsWith(QStringLiteral("A width of 2147483647 twips is beyond any screen's reach")));
    // The refused width lays nothing out; the next one does.
    EXPECT_EQ(run.linesOf(QStringLiteral("layout")).size(), 12);
}

TEST(CliStartup, PagesLeftHalfWrittenByAKilledRunAreRemovedAndNothingElse)
{
    FixtureDb db;
    fillLibrary(db);
    // Pages cut short by an earlier run, one being written by a run that is
    // still going, and a file of the reader's named like them.
    const QString earlier = db.folder() + QStringLiteral("/Main.htm.k3x9a1.tmp");
    const QString running = db.folder() + QStringLiteral("/Control.htm.2bq4.tmp");
    const QString readers = db.folder() + QStringLiteral("/Main.htm.my-notes.tmp");
    for (const QString& path : {earlier, running, readers}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<HTML>");
        file.flush();
        if (path != running) {
            ASSERT_TRUE(
                file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        }
    }
    EXPECT_EQ(runCli(db.folder(), {}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(earlier));
    EXPECT_TRUE(QFile::exists(running));
    EXPECT_TRUE(QFile::exists(readers));
}

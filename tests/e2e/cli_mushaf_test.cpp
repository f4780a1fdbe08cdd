// The mushaf events of the text host on a copy of the built-in content.

#include "clirun.h"
#include "contentcopy.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using MushafContent = ContentCopyTest;

TEST_F(MushafContent, PagesAndVersesAreFoundAsInThePrint)
{
    const CliRun run = runCli(dir.path(),
        {QStringLiteral("mushaf\t1"), QStringLiteral("mushaf\t2"), QStringLiteral("pageof\t2:255"),
            QStringLiteral("mushaf\t42"), QStringLiteral("mushaf\t604")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.linesOf(QStringLiteral("error")).isEmpty()) << run.lines.join(QLatin1Char('\n')).toStdString();
    const QList<QStringList> pages = run.linesOf(QStringLiteral("mushaf"));
    ASSERT_EQ(pages.size(), 4);
    // The opening chapter alone on page 1, in 8 lines; the second chapter
    // begins page 2, also of 8 lines; page 42 opens part 3 (its quarter 17)
    // and holds the Throne Verse; the last page ends the book.
    EXPECT_EQ(pages[0],
        QStringList({QStringLiteral("mushaf"), QStringLiteral("1"), QStringLiteral("1:1"), QStringLiteral("1:7"),
            QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("8")}));
    EXPECT_EQ(pages[1].mid(1, 2), QStringList({QStringLiteral("2"), QStringLiteral("2:1")}));
    EXPECT_EQ(pages[1][6], QStringLiteral("8"));
    EXPECT_EQ(pages[2].mid(1, 2), QStringList({QStringLiteral("42"), QStringLiteral("2:253")}));
    EXPECT_EQ(pages[2].mid(4), QStringList({QStringLiteral("3"), QStringLiteral("17"), QStringLiteral("15")}));
    EXPECT_EQ(pages[3].mid(3),
        QStringList({QStringLiteral("114:6"), QStringLiteral("30"), QStringLiteral("240"), QStringLiteral("15")}));
    const QList<QStringList> places = run.linesOf(QStringLiteral("page"));
    ASSERT_EQ(places.size(), 1);
    EXPECT_EQ(places[0].mid(1, 2), QStringList({QStringLiteral("2:255"), QStringLiteral("42")}));
}

TEST_F(MushafContent, BadPagesAndVersesGetPlainErrorsAndNothingElse)
{
    const QStringList bad = {QStringLiteral("mushaf\t0"), QStringLiteral("mushaf\t605"), QStringLiteral("mushaf\tten"),
        QStringLiteral("pageof\t2:300"), QStringLiteral("pageof\t115:1"), QStringLiteral("pageof\tfatiha")};
    const CliRun run = runCli(dir.path(), bad);
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> errors = run.linesOf(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), bad.size()) << run.lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(errors[0][1].contains(QStringLiteral("1 to 604")));
    EXPECT_TRUE(errors[3][1].contains(QStringLiteral("2:300")));
    EXPECT_TRUE(errors[5][1].contains(QStringLiteral("fatiha")));
    EXPECT_TRUE(run.linesOf(QStringLiteral("mushaf")).isEmpty());
    EXPECT_TRUE(run.linesOf(QStringLiteral("page")).isEmpty());
}

} // namespace

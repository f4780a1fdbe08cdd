// The memorising and note events of the text host on a copy of the built-in
// content, with the reader's file in the copy.

#include "clirun.h"
#include "contentcopy.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Memorising : public ContentCopyTest {
protected:
    CliRun run(const QStringList& lines)
    {
        CliRun result = runCli(dir.path(), lines);
        EXPECT_EQ(result.exitCode, 0);
        return result;
    }
};

QString all(const CliRun& run)
{
    return run.lines.join(QLatin1Char('\n'));
}

TEST_F(Memorising, PagesAreLearntGradedAndDueAgainFromOneRunToTheNext)
{
    const CliRun first = run({u"today\t2026-03-01"_s, u"learn\t1:1\t1:7"_s, u"learn\t2:1\t2:5"_s, u"due"_s,
        u"grade\t1\tgood"_s, u"grade\t2\tagain"_s, u"due"_s});
    EXPECT_TRUE(first.linesOf(u"error"_s).isEmpty()) << all(first).toStdString();
    EXPECT_EQ(first.linesOf(u"due"_s),
        (QList<QStringList>{{u"due"_s, u"1"_s, u"7"_s, u"0"_s}, {u"due"_s, u"2"_s, u"5"_s, u"0"_s},
            {u"due"_s, u"end"_s, u"2"_s}, {u"due"_s, u"2"_s, u"5"_s, u"0"_s}, {u"due"_s, u"end"_s, u"1"_s}}));
    EXPECT_EQ(first.linesOf(u"scheduled"_s),
        (QList<QStringList>{{u"scheduled"_s, u"1"_s, u"2026-03-02"_s}, {u"scheduled"_s, u"2"_s, u"2026-03-01"_s}}));

    // Two days on, both pages are overdue, the longer overdue first.
    const CliRun later = run({u"today\t2026-03-03"_s, u"due"_s});
    EXPECT_EQ(later.linesOf(u"due"_s),
        (QList<QStringList>{
            {u"due"_s, u"2"_s, u"5"_s, u"2"_s}, {u"due"_s, u"1"_s, u"7"_s, u"1"_s}, {u"due"_s, u"end"_s, u"2"_s}}));
}

TEST_F(Memorising, PagesChaptersAndPartsAreLearntForgottenAndCappedByTheDailyLimit)
{
    const CliRun result
        = run({u"today\t2026-03-01"_s, u"learn\tpage\t3"_s, u"learn\tchapter\t114"_s, u"learn\tpart\t30"_s,
            u"limit\t2"_s, u"due"_s, u"forget\tchapter\t114"_s, u"forget\tpart\t30"_s, u"limit\t600"_s, u"due"_s,
            u"learn\tpage\t605"_s, u"learn\tsura\t2"_s, u"forget\tpart\tthirty"_s, u"limit\t0"_s});
    const QList<QStringList> due = result.linesOf(u"due"_s);
    // Page 3 and the 23 pages of part 30 (chapter 114 in it) are due; two
    // pages a day. Part 30 is taken out after chapter 114: 564 verses less 6.
    ASSERT_EQ(due.size(), 2 + 1 + 1 + 1) << all(result).toStdString();
    EXPECT_EQ(due[0], (QStringList{u"due"_s, u"3"_s, u"11"_s, u"0"_s})); // 2:6 to 2:16 begin on page 3
    EXPECT_EQ(due[2], (QStringList{u"due"_s, u"end"_s, u"2"_s}));
    EXPECT_EQ(
        result.linesOf(u"forgotten"_s), (QList<QStringList>{{u"forgotten"_s, u"6"_s}, {u"forgotten"_s, u"558"_s}}));
    EXPECT_EQ(due[3], (QStringList{u"due"_s, u"3"_s, u"11"_s, u"0"_s}));
    EXPECT_EQ(result.linesOf(u"error"_s).size(), 4) << all(result).toStdString();
}

TEST_F(Memorising, ExportAndImportCarryEverythingAndRefuseAFileNotOurs)
{
    const QString carried = dir.filePath(u"carried.json"_s);
    const CliRun home = run({u"today\t2026-03-01"_s, u"learn\t1:1\t1:7"_s, u"grade\t1\tgood"_s,
        u"note\t2:255\tThrone"_s, u"export\t"_s + carried});
    EXPECT_EQ(home.linesOf(u"exported"_s), (QList<QStringList>{{u"exported"_s, u"0"_s, u"1"_s, u"7"_s}}))
        << all(home).toStdString();

    // Another reader's folder takes it in, and keeps its own note.
    QTemporaryDir elsewhere;
    QString error;
    ASSERT_TRUE(tilvora::testing::copyApplicationFolder(QStringLiteral(TILVORA_CONTENT_DIR), elsewhere.path(), &error))
        << error.toStdString();
    const QString notOurs = dir.filePath(u"other.json"_s);
    QFile other(notOurs);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(R"({"notes": []})");
    other.close();
    const CliRun away = runCli(elsewhere.path(),
        {u"note\t112:1\tsincerity"_s, u"import\t"_s + notOurs, u"import\t"_s + carried, u"today\t2026-03-02"_s,
            u"due"_s, u"notes"_s});
    EXPECT_EQ(away.linesOf(u"error"_s).size(), 1) << all(away).toStdString();
    EXPECT_EQ(away.linesOf(u"imported"_s), (QList<QStringList>{{u"imported"_s, u"0"_s, u"1"_s, u"7"_s}}));
    EXPECT_EQ(
        away.linesOf(u"due"_s), (QList<QStringList>{{u"due"_s, u"1"_s, u"7"_s, u"0"_s}, {u"due"_s, u"end"_s, u"1"_s}}));
    EXPECT_EQ(away.linesOf(u"note"_s).size(), 2);
}

TEST_F(Memorising, NotesKeepTheirParagraphsAndAnEmptyOneIsRemoved)
{
    const CliRun result = run({u"note\t2:255\tThe Throne Verse.\\n\\nRead at night."_s, u"note\t1:1\topening"_s,
        u"note\t1:1\t"_s, u"note\t112:1\tsincerity"_s, u"notes"_s});
    EXPECT_TRUE(result.linesOf(u"error"_s).isEmpty()) << all(result).toStdString();
    EXPECT_EQ(result.linesOf(u"note"_s),
        (QList<QStringList>{{u"note"_s, u"2:255"_s, u"The Throne Verse.\n\nRead at night."_s},
            {u"note"_s, u"112:1"_s, u"sincerity"_s}}));
}

TEST_F(Memorising, BadInputGetsPlainErrorsAndChangesNothing)
{
    const QStringList bad = {u"grade\t1\tgreat"_s, u"grade\t605\tgood"_s, u"grade\t3\tgood"_s, u"today\t2026-02-30"_s,
        u"today\ttomorrow"_s, u"learn\t2:7\t2:1"_s, u"learn\t2:300\t2:301"_s, u"note\t115:1\tnowhere"_s};
    const CliRun result
        = run(QStringList{u"today\t2026-03-01"_s, u"learn\t1:1\t1:7"_s} + bad + QStringList{u"due"_s, u"notes"_s});
    const QList<QStringList> errors = result.linesOf(u"error"_s);
    ASSERT_EQ(errors.size(), bad.size()) << all(result).toStdString();
    EXPECT_TRUE(errors[0][1].contains(u"great"_s));
    EXPECT_TRUE(errors[2][1].contains(u"no verse"_s));
    EXPECT_TRUE(errors[3][1].contains(u"2026-02-30"_s));
    EXPECT_TRUE(result.linesOf(u"scheduled"_s).isEmpty());
    EXPECT_TRUE(result.linesOf(u"note"_s).isEmpty());
    // Page 1 is still due on the day set before the bad dates, as it was.
    EXPECT_EQ(result.linesOf(u"due"_s),
        (QList<QStringList>{{u"due"_s, u"1"_s, u"7"_s, u"0"_s}, {u"due"_s, u"end"_s, u"1"_s}}));
}

} // namespace

#include "clirun.h"
#include "contentcopy.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A copy of the built-in content; the demo voice recites chapter 1 from one
// file, 001.mp3, with a start position per verse.
class ReciteContent : public ContentCopyTest {
protected:
    // The demo voice's start of verse 1:N, as the text host prints it.
    QString start(int verse) const
    {
        const QVariantList row = tilvora::testing::queryRow(folder + u"/DIC.DAT"_s,
            QStringLiteral("SELECT d.DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                           "WHERE m.Master = 'Demo voice' AND d.AyahRef = %1")
                .arg(verse));
        return row.isEmpty() ? QString() : QString::number(row[0].toString().toDouble());
    }

    QStringList step(int verse, bool endsEarly) const
    {
        QStringList lines{u"highlight\t1:"_s + QString::number(verse),
            u"player\turl\t"_s + folder + u"/media/demo/001.mp3"_s, u"player\tposition\t"_s + start(verse)};
        if (endsEarly)
            lines << u"player\tuntil\t"_s + start(verse + 1);
        return lines << u"player\tplay"_s;
    }

    // What the session printed after its start-up (the lines from the first
    // one that start-up never prints).
    static QStringList after(const CliRun& run, const QString& firstLine)
    {
        return run.lines.mid(run.lines.indexOf(firstLine));
    }
};

TEST_F(ReciteContent, AVerseRepeatedInAChapterFileEndsAtTheNextVerseAndTheLastAtTheFileEnd)
{
    const CliRun run = runCli(folder,
        {u"rate\t0.75"_s, u"recite\t1:6\t1:7\t2\t1\t300"_s, u"ended"_s, u"ended"_s, u"ended"_s, u"ended"_s,
            u"ended"_s});
    EXPECT_EQ(run.exitCode, 0);
    QStringList expected{u"player\trate\t0.75"_s};
    expected << step(6, true) << u"wait\t300"_s << step(6, true) << u"wait\t300"_s << step(7, false) << u"wait\t300"_s
             << step(7, false) << u"highlight\t"_s << u"recited"_s;
    EXPECT_EQ(after(run, u"player\trate\t0.75"_s), expected);
}

TEST_F(ReciteContent, ADoubleClickStopsThePlanAndBadValuesAreRefused)
{
    const CliRun run = runCli(folder,
        {u"recite\t1:1\t1:7\t1\t0\t0"_s, u"dblclick\t3"_s, u"stop"_s, u"rate\t3"_s, u"recite\t1:3\t1:2\t1\t1\t0"_s,
            u"recite\t1:1\t1:1\tmany\t1\t0"_s, u"recite\t2:1\t2:2\t1\t1\t0"_s, u"ended"_s});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = after(run, u"highlight\t1:1"_s);
    ASSERT_GE(lines.size(), 13);
    EXPECT_EQ(lines.mid(5, 3),
        (QStringList{u"player\tstop"_s, u"highlight\t"_s, u"player\turl\t"_s + folder + u"/media/demo/001.mp3"_s}));
    EXPECT_EQ(lines.mid(8, 2), (QStringList{u"player\tposition\t"_s + start(3), u"player\tplay"_s}));
    // The stop finds no plan; three refusals, each an error line.
    EXPECT_TRUE(
        lines[10].startsWith(u"error\t"_s) && lines[11].startsWith(u"error\t"_s) && lines[12].startsWith(u"error\t"_s));
    // The demo voice has no chapter 2: the plan stops with a message naming both.
    const QList<QStringList> messages = run.linesOf(u"message"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].join(u' ').contains(u"2:1"_s));
    EXPECT_TRUE(messages[0].join(u' ').contains(u"Demo voice"_s));
    EXPECT_TRUE(run.lines.last().startsWith(u"message\t"_s)); // the late ended does nothing
}

} // namespace

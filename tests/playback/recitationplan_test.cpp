#include "playback/recitationplan.h"

#include "playbackfixture.h"
#include "store/dberror.h"

using tilvora::playback::RecitationPlan;
using tilvora::playback::RecitationRequest;
using tilvora::playback::testing::PlaybackTest;

using namespace Qt::Literals::StringLiterals;

namespace {

class RecitationPlanTest : public PlaybackTest {
protected:
    void SetUp() override
    {
        voice(kVoice, media(), true);
        // Chapter 1 has three verses, chapter 2 two.
        m_store.verse(1, 1, 1);
        m_store.verse(2, 1, 2);
        m_store.verse(3, 1, 3);
        m_store.verse(4, 2, 1);
        m_store.verse(5, 2, 2);
    }

    // The lines of one step that recites `path` from `start` (to `until`).
    QStringList step(const QString& verse, const QString& file, const QString& start, const QString& until = {}) const
    {
        QStringList lines{u"highlight\t"_s + verse, u"player\turl\t"_s + media(file), u"player\tposition\t"_s + start};
        if (!until.isEmpty())
            lines << u"player\tuntil\t"_s + until;
        return lines << u"player\tplay"_s;
    }

    // Verses 1..count, each in a file of its own ("N.mp3") from its start; loaded.
    void perVerseFiles(int count)
    {
        for (int ref = 1; ref <= count; ++ref) {
            detail(ref, QStringLiteral("%1.mp3").arg(ref), u"0"_s);
            mediaFile(QStringLiteral("%1.mp3").arg(ref));
        }
        load();
    }

    // Reports the end of `count` verses and returns what the plan did.
    QStringList ended(RecitationPlan& plan, int count = 1)
    {
        host.lines.clear();
        for (int i = 0; i < count; ++i) {
            plan.verseEnded();
            settle();
            if (plan.isWaiting())
                plan.gapElapsed();
            settle();
        }
        return host.lines;
    }

    static RecitationRequest request(
        const QString& from, const QString& to, int verseRepeat = 1, int rangeRepeat = 1, int gapMs = 0)
    {
        return {from, to, verseRepeat, rangeRepeat, gapMs};
    }
};

TEST_F(RecitationPlanTest, PerVerseFilesPlayWholeAcrossChaptersEachVerseRepeated)
{
    perVerseFiles(5);
    RecitationPlan plan(state, host);

    plan.start(request(u"1:3"_s, u" 2:1 "_s, 2));

    settle();
    EXPECT_EQ(host.lines, step(u"1:3"_s, u"3.mp3"_s, u"0"_s));
    EXPECT_EQ(plan.currentVerse(), u"1:3"_s);
    EXPECT_EQ(ended(plan), step(u"1:3"_s, u"3.mp3"_s, u"0"_s));
    EXPECT_EQ(ended(plan), step(u"2:1"_s, u"4.mp3"_s, u"0"_s));
    EXPECT_EQ(ended(plan), step(u"2:1"_s, u"4.mp3"_s, u"0"_s));
    EXPECT_EQ(ended(plan), (QStringList{u"highlight\t"_s, u"recited"_s}));
    EXPECT_FALSE(plan.isRunning());
    EXPECT_TRUE(ended(plan).isEmpty()); // a late report changes nothing
}

TEST_F(RecitationPlanTest, AVerseInAChapterFileEndsWhereTheNextVerseOfThatFileStarts)
{
    // Rows out of file order: the end is the next start in the same file.
    detail(1, u"001.mp3"_s, u"0"_s);
    detail(2, u"001.MP3"_s, u"7.25"_s);
    detail(3, u"001.mp3"_s, u"3.5"_s);
    detail(4, u"002.mp3"_s, u"0"_s);
    detail(5, u"002.mp3"_s, u"4"_s);
    mediaFile(u"001.mp3"_s);
    mediaFile(u"002.mp3"_s);
    load();
    RecitationPlan plan(state, host);

    plan.start(request(u"1:1"_s, u"2:1"_s, 1, 2, 500));

    settle();
    EXPECT_EQ(host.lines, step(u"1:1"_s, u"001.mp3"_s, u"0"_s, u"3.5"_s));
    EXPECT_EQ(ended(plan), QStringList{u"wait\t500"_s} + step(u"1:2"_s, u"001.mp3"_s, u"7.25"_s));
    EXPECT_EQ(ended(plan), QStringList{u"wait\t500"_s} + step(u"1:3"_s, u"001.mp3"_s, u"3.5"_s, u"7.25"_s));
    EXPECT_EQ(ended(plan), QStringList{u"wait\t500"_s} + step(u"2:1"_s, u"002.mp3"_s, u"0"_s, u"4"_s));
    // The second round starts over; then it ends.
    EXPECT_EQ(ended(plan), QStringList{u"wait\t500"_s} + step(u"1:1"_s, u"001.mp3"_s, u"0"_s, u"3.5"_s));
    EXPECT_EQ(ended(plan, 3).last(), u"player\tplay"_s);
    EXPECT_EQ(ended(plan), (QStringList{u"highlight\t"_s, u"recited"_s}));
}

TEST_F(RecitationPlanTest, ARangeRepeatedUntilStoppedRunsUntilStopAndStepsByHand)
{
    perVerseFiles(2);
    RecitationPlan plan(state, host);
    plan.start(request(u"1:1"_s, u"1:2"_s, 3, 0, 250));
    settle();
    EXPECT_EQ(ended(plan, 60).count(u"recited"_s), 0);
    EXPECT_TRUE(plan.isRunning());

    // Next and previous go to a verse's first repeat at once, without a gap.
    host.lines.clear();
    plan.nextVerse();
    settle();
    EXPECT_EQ(host.lines, step(u"1:2"_s, u"2.mp3"_s, u"0"_s));
    host.lines.clear();
    plan.previousVerse();
    settle();
    EXPECT_EQ(host.lines, step(u"1:1"_s, u"1.mp3"_s, u"0"_s));

    // A stop during a gap: the player stops, the mark goes, the gap's end is ignored.
    host.lines.clear();
    plan.verseEnded();
    ASSERT_TRUE(plan.isWaiting());
    plan.stop();
    plan.gapElapsed();
    plan.stop();
    EXPECT_EQ(host.lines, (QStringList{u"wait\t250"_s, u"player\tstop"_s, u"highlight\t"_s}));
    EXPECT_FALSE(plan.isRunning());
}

TEST_F(RecitationPlanTest, AStopOrANewPlanDropsTheFileSearchStillRunningAndAPlayerFailureStopsThePlan)
{
    perVerseFiles(2);
    RecitationPlan plan(state, host);

    plan.start(request(u"1:1"_s, u"1:1"_s, 1, 0));
    plan.stop();
    settle();
    EXPECT_EQ(host.lines, (QStringList{u"player\tstop"_s, u"highlight\t"_s}));

    host.lines.clear();
    plan.start(request(u"1:1"_s, u"1:1"_s, 1, 0));
    plan.start(request(u"1:2"_s, u"1:2"_s, 1, 0));
    settle();
    EXPECT_EQ(host.linesOf(u"player"_s).filter(u"url"_s), QStringList{u"url\t"_s + media(u"2.mp3"_s)});

    host.lines.clear();
    host.playerFails = true;
    plan.start(request(u"1:1"_s, u"1:1"_s, 1, 0));
    settle();
    EXPECT_FALSE(plan.isRunning());
    EXPECT_EQ(host.linesOf(u"error"_s), QStringList{u"The player cannot open the file."_s});
}

TEST_F(RecitationPlanTest, AVerseWithoutARecordingIsLeftOutAndAPlanWithNoneStopsNamingVoiceAndVerse)
{
    detail(1, u"1.mp3"_s, u"0"_s);
    detail(2, u"2.mp3"_s, u"0"_s); // its file is missing
    detail(4, u"4.mp3"_s, QString()); // no start position
    detail(5, u"5.mp3"_s, u"0"_s);
    mediaFile(u"1.mp3"_s);
    mediaFile(u"4.mp3"_s);
    mediaFile(u"5.mp3"_s);
    load();
    RecitationPlan plan(state, host);

    // A missing file (1:2), no detail row (1:3) and a blank position (2:1)
    // are each told and left out, repeats and all; the plan goes on.
    plan.start(request(u"1:1"_s, u"2:2"_s, 2));
    settle();
    const QStringList skipped{u"skipped\t1:2"_s, u"skipped\t1:3"_s, u"skipped\t2:1"_s};
    EXPECT_EQ(ended(plan, 2), step(u"1:1"_s, u"1.mp3"_s, u"0"_s) + skipped + step(u"2:2"_s, u"5.mp3"_s, u"0"_s));
    const QStringList finished{u"highlight\t"_s, u"recited"_s};
    EXPECT_EQ(ended(plan, 2), step(u"2:2"_s, u"5.mp3"_s, u"0"_s) + finished);
    EXPECT_FALSE(plan.isRunning());

    // Not one verse with a recording: the plan stops with a message.
    for (const auto& [from, to] : {std::pair{u"1:2"_s, u"1:3"_s}, std::pair{u"2:1"_s, u"2:1"_s}}) {
        host.lines.clear();
        plan.start(request(from, to, 1, 0));
        settle();
        EXPECT_EQ(host.linesOf(u"player"_s), QStringList{u"stop"_s}) << from.toStdString();
        ASSERT_TRUE(host.lines.last().startsWith(u"message\tinformation\t"_s));
        EXPECT_TRUE(host.lines.last().contains(u"\"Voice\""_s) && host.lines.last().contains(from))
            << host.lines.last().toStdString();
        EXPECT_FALSE(plan.isRunning());
    }
}

TEST_F(RecitationPlanTest, ListenAndRepeatWaitsAsLongAsTheVerseTookTimesTheFactor)
{
    perVerseFiles(2);
    RecitationPlan plan(state, host);
    qint64 now = 0;
    plan.setClock([&now] { return now; });
    RecitationRequest listen = request(u"1:1"_s, u"1:2"_s, 1, 1, 500);
    listen.echoFactor = 1.5;
    plan.start(listen);
    settle();
    now += 2000;
    host.lines.clear();
    plan.verseEnded();
    EXPECT_EQ(host.lines, QStringList{u"wait\t3500"_s}); // the gap, then 1.5 times the 2 s the verse took
    plan.gapElapsed();
    settle();
    now += 1000;
    host.lines.clear();
    plan.verseEnded();
    // The last verse too is given its time to be said back, then the plan ends.
    EXPECT_EQ(host.lines, QStringList{u"wait\t1500"_s});
    EXPECT_TRUE(plan.isRunning());
    host.lines.clear();
    plan.gapElapsed();
    settle();
    EXPECT_EQ(host.lines, (QStringList{u"highlight\t"_s, u"recited"_s}));
    listen.echoFactor = 2.5;
    EXPECT_THROW(plan.start(listen), tilvora::store::RefusedValue);
}

TEST_F(RecitationPlanTest, ABadRequestIsRefusedAndLeavesTheRunningPlanAlone)
{
    detail(1, u"1.mp3"_s, u"0"_s);
    mediaFile(u"1.mp3"_s);
    load();
    RecitationPlan plan(state, host);
    plan.start(request(u"1:1"_s, u"1:1"_s, 1, 0));
    settle();
    host.lines.clear();

    for (const auto& [from, to] : {std::pair{u"1:3"_s, u"1:2"_s}, {u"1:4"_s, u"1:4"_s}, {u"0:1"_s, u"1:1"_s},
             {u"one"_s, u"1:1"_s}, {u"1:1"_s, u""_s}, {u"1:1'"_s, u"1:1"_s}})
        EXPECT_THROW(plan.start(request(from, to)), tilvora::store::RefusedValue) << from.toStdString();
    for (const auto& counts : {QStringList{u"0"_s, u"1"_s, u"0"_s}, {u"1"_s, u"-1"_s, u"0"_s}, {u"1"_s, u"1"_s, u"x"_s},
             {u"1000"_s, u"1"_s, u"0"_s}, {u"1"_s, u"1"_s, u"60001"_s}})
        EXPECT_THROW(RecitationRequest::fromText(u"1:1"_s, u"1:1"_s, counts[0], counts[1], counts[2]),
            tilvora::store::RefusedValue)
            << counts.join(u' ').toStdString();
    EXPECT_TRUE(host.lines.isEmpty());
    EXPECT_TRUE(plan.isRunning());
    EXPECT_EQ(RecitationRequest::fromText(u"1:1"_s, u"1:2"_s, u" 5 "_s, u"0"_s, u"750"_s).gapMs, 750);
}

} // namespace

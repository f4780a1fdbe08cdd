// The text host's align event on a copy of the built-in content: the demo
// voice's chapters against the starts the content build measured, and a
// folder of chapter files that becomes a voice reciting verse by verse.

#include "clirun.h"
#include "contentcopy.h"

#include "store/connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kDemoVoice = 31;
constexpr int kReciterA = 32;

class AlignContentCopy : public ContentCopyTest {
protected:
    // The voice's starts of a chapter as stored, in verse order.
    QStringList storedStarts(int voice, int chapter) const
    {
        const auto db = tilvora::store::Connection::open(folder + QStringLiteral("/DIC.DAT"));
        tilvora::store::RecordSet rows = db->openRecordSet(QStringLiteral(
            "SELECT DataPos FROM AP_Detail_TAB INNER JOIN MD_Ayah_TAB ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef"
            " WHERE MasterID = %1 AND SurahNo = %2 ORDER BY AyahNo")
                                                               .arg(voice)
                                                               .arg(chapter));
        QStringList starts;
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            starts << rows.text(0);
        return starts;
    }
};

void expectNear(const QStringList& found, const QStringList& truth, int chapter)
{
    ASSERT_EQ(found.size(), truth.size()) << "chapter " << chapter;
    for (qsizetype i = 0; i < truth.size(); ++i) {
        EXPECT_TRUE(found[i].contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d\\d$")))) << found[i].toStdString();
        EXPECT_NEAR(found[i].toDouble(), truth[i].toDouble(), 0.25) << "chapter " << chapter << " verse " << i + 1;
    }
}

} // namespace

TEST_F(AlignContentCopy, TheDemoVoicesChaptersAreFoundAsMeasuredAndNothingIsStoredUnasked)
{
    const QList<int> chapters{1, 108, 112, 114};
    QStringList input;
    for (int chapter : chapters)
        input << QStringLiteral("align\t%1\t%2").arg(kDemoVoice).arg(chapter);
    input << QStringLiteral("align\t%1\t2").arg(kDemoVoice);
    const CliRun run = runCli(folder, input);
    EXPECT_EQ(run.exitCode, 0);

    const QList<QStringList> aligned = run.linesOf(QStringLiteral("aligned"));
    ASSERT_EQ(aligned.size(), chapters.size());
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        EXPECT_EQ(aligned[i][1], QString::number(chapters[i]));
        expectNear(aligned[i][2].split(QLatin1Char(',')), storedStarts(kDemoVoice, chapters[i]), chapters[i]);
    }
    // The stored starts are the content build's own (shortest form), untouched.
    EXPECT_EQ(storedStarts(kDemoVoice, 112).first(), QStringLiteral("0"));
    const QList<QStringList> errors = run.linesOf(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0][1].contains(QStringLiteral("holds no recording of chapter 2 (002.mp3 or 002.wma)")));
}

TEST_F(AlignContentCopy, AFolderOfChapterFilesBecomesAVoiceThatRecitesVerseByVerse)
{
    // The demo voice's recordings, without their starts, in a reciter's folder.
    const QString reciter = folder + QStringLiteral("/My reciter");
    ASSERT_TRUE(QDir().mkpath(reciter));
    for (const QString& name : {QStringLiteral("112.mp3"), QStringLiteral("113.mp3")})
        ASSERT_TRUE(QFile::copy(folder + QStringLiteral("/media/demo/") + name, reciter + QLatin1Char('/') + name));

    const CliRun run = runCli(folder,
        {QStringLiteral("dialog\taccept\t") + reciter,
            QStringLiteral("command\t_Control.htm__SetV = %1").arg(kReciterA),
            QStringLiteral("command\t_Control.htm__Voice = %1").arg(kReciterA),
            // The voice's own per-verse rows are not replaced by "store", only by "replace".
            QStringLiteral("align\t%1\t112\tstore").arg(kReciterA),
            QStringLiteral("align\t%1\t112\treplace").arg(kReciterA),
            QStringLiteral("align\t%1\t113\treplace").arg(kReciterA), QStringLiteral("dblclick\t6224"),
            QStringLiteral("dblclick\t6227"),
            // Verses 112:2 and 112:3, each twice, each ending where the next starts.
            QStringLiteral("recite\t112:2\t112:3\t2\t1\t0"), QStringLiteral("ended"), QStringLiteral("ended"),
            QStringLiteral("ended"), QStringLiteral("ended")});
    EXPECT_EQ(run.exitCode, 0);
    const QList<QStringList> errors = run.linesOf(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0][1].startsWith(
        QStringLiteral("The voice %1 has recordings of its own for chapter 112 (files other than 112.mp3, for 4 of "
                       "its verses)")
            .arg(kReciterA)))
        << errors[0][1].toStdString();
    EXPECT_TRUE(errors[0][1].endsWith(QStringLiteral("Align with \"replace\" instead of \"store\" to replace them.")));
    EXPECT_EQ(run.linesOf(QStringLiteral("aligned")).size(), 2);
    EXPECT_TRUE(run.linesOf(QStringLiteral("message")).isEmpty());

    const QStringList stored112 = storedStarts(kReciterA, 112);
    const QStringList stored113 = storedStarts(kReciterA, 113);
    expectNear(stored112, storedStarts(kDemoVoice, 112), 112);
    expectNear(stored113, storedStarts(kDemoVoice, 113), 113);
    EXPECT_EQ(run.linesOf(QStringLiteral("aligned"))[0][2], stored112.join(QLatin1Char(',')));

    // Verse 112:3 and verse 113:2 play from the reciter's files at their starts.
    const QList<QStringList> player = run.linesOf(QStringLiteral("player"));
    ASSERT_GE(player.size(), 6);
    EXPECT_EQ(player[0][2], reciter + QStringLiteral("/112.mp3"));
    EXPECT_EQ(player[1][2].toDouble(), stored112[2].toDouble());
    EXPECT_EQ(player[3][2], reciter + QStringLiteral("/113.mp3"));
    EXPECT_EQ(player[4][2].toDouble(), stored113[1].toDouble());

    // The recitation repeats and follows verse by verse within the chapter file.
    QStringList steps;
    for (const QStringList& line : player.mid(6)) {
        if (line[1] == QLatin1String("position") || line[1] == QLatin1String("until"))
            steps << line[1] + QLatin1Char(' ') + line[2];
    }
    const auto at = [&](int i) { return QString::number(stored112[i].toDouble()); };
    EXPECT_EQ(steps,
        (QStringList{QStringLiteral("position ") + at(1), QStringLiteral("until ") + at(2),
            QStringLiteral("position ") + at(1), QStringLiteral("until ") + at(2), QStringLiteral("position ") + at(2),
            QStringLiteral("until ") + at(3), QStringLiteral("position ") + at(2), QStringLiteral("until ") + at(3)}));
    EXPECT_EQ(run.linesOf(QStringLiteral("recited")).size(), 1);
}

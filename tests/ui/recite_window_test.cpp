// Recitation of a range in the desktop window: the recited verse is marked in
// the reading pane and the mark follows the real player from verse to verse.

#include "windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "playback/recitationplan.h"
#include "ui/mainwindow.h"
#include "ui/playerstrip.h"

#include <QComboBox>
#include <QMediaPlayer>
#include <QToolButton>
#include <QTest>

namespace tilvora::ui::test {
namespace {

using host::Pane;

// The ids of the verse tables that carry the recitation mark, joined with ",".
const QString kMarked = QStringLiteral(
    "Array.prototype.map.call(document.getElementsByClassName('tilvora-reciting'), function (e) { return e.id; }).join(',')");

using ReciteWindow = WindowTest;

TEST_F(ReciteWindow, TheMarkFollowsThePlayerFromVerseToVerseAndSurvivesANewPage)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().logic().recite(playback::RecitationRequest{QStringLiteral("1:1"), QStringLiteral("1:2"), 1, 1, 300});
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '1'"), 10000));

    // The demo voice's chapter file: verse 1 ends where verse 2 starts, the
    // player stops there by itself, and after the gap verse 2 is marked.
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '2'"), 20000));
    const qint64 verse2 = qint64(queryValue(QStringLiteral("SELECT DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON "
                                                            "m.MasterID = d.MasterID WHERE m.Master = 'Demo voice' AND "
                                                            "d.AyahRef = 2")).toDouble() * 1000);
    EXPECT_GE(window().player()->mediaPlayer()->position(), verse2 - 100);
    EXPECT_EQ(window().markedVerse(), 2);

    // A page rendered meanwhile gets the mark again.
    window().logic().executeCommand(QStringLiteral("__Surah = 1"));
    QTest::qWait(500);
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '2'"), 10000));
    saveScreenshot(QStringLiteral("recite-verse2-marked"));

    // Stopped, the mark goes and the player stands.
    window().logic().stopRecitation();
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === ''"), 10000));
    EXPECT_NE(window().player()->mediaPlayer()->playbackState(), QMediaPlayer::PlayingState);
    expectNoMessages();
}

TEST_F(ReciteWindow, TheStripsSpeedAndNextVerseDriveTheRecitation)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    PlayerStrip* strip = window().player();
    auto* speed = strip->findChild<QComboBox*>(QStringLiteral("speed"));
    ASSERT_NE(speed, nullptr);
    speed->setCurrentIndex(1);
    emit speed->activated(1); // as a reader's choice raises it
    EXPECT_DOUBLE_EQ(window().logic().playbackRate(), 0.75);
    EXPECT_DOUBLE_EQ(strip->mediaPlayer()->playbackRate(), 0.75);

    // With no recitation running, "next verse" recites the verse after the
    // one recited last, with the strip's repeat settings.
    strip->setRepeatSettings({5, 1, 0});
    window().logic().readingPageDoubleClick(QStringLiteral("3"));
    strip->findChild<QToolButton*>(QStringLiteral("nextVerse"))->click();
    EXPECT_TRUE(window().logic().recitation().isRunning());
    EXPECT_EQ(window().logic().recitation().currentVerse(), QStringLiteral("1:4"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '4'"), 10000));
    expectNoMessages();
}

} // namespace
} // namespace tilvora::ui::test

// Recitation of a range in the desktop window: the recited verse is marked in
// the reading pane and the mark follows the real player from verse to verse.

#include "ui/support/windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "playback/audioplayer.h"
#include "playback/recitationplan.h"
#include "support/localhttpserver.h"
#include "ui/dialogs/downloaddialog.h"
#include "ui/reading/versemenu.h"
#include "ui/recitation/playerstrip.h"
#include "ui/recitation/repeatdialog.h"
#include "ui/shell/desktopsession.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QWebEngineView>
#include <QWheelEvent>

#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>
#include <QToolButton>

namespace tilvora::ui::test {
namespace {

using host::Pane;

// The ids of the verse tables that carry the recitation mark, joined with ",".
const QString kMarked = QStringLiteral("Array.prototype.map.call(document.getElementsByClassName('tilvora-reciting'), "
                                       "function (e) { return e.id; }).join(',')");

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
    const qint64 verse2
        = qint64(queryValue(QStringLiteral("SELECT DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON "
                                           "m.MasterID = d.MasterID WHERE m.Master = 'Demo voice' AND "
                                           "d.AyahRef = 2"))
                     .toDouble()
            * 1000);
    EXPECT_GE(window().player()->player()->position(), verse2 - 100);
    EXPECT_EQ(window().markedVerse(), 2);

    // A page rendered meanwhile gets the mark again (the old page is told
    // from the new one by a flag only it carries).
    evaluate(Pane::WebMain, QStringLiteral("window.tilvoraOldPage = true"));
    window().logic().executeCommand(QStringLiteral("__Surah = 1"));
    EXPECT_TRUE(waitUntil(
        Pane::WebMain, QStringLiteral("!window.tilvoraOldPage && ") + kMarked + QStringLiteral(" === '2'"), 10000));
    saveScreenshot(QStringLiteral("recite-verse2-marked"));

    // Stopped, the mark goes and the player stands.
    window().logic().stopRecitation();
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === ''"), 10000));
    EXPECT_NE(window().player()->player()->playbackState(), playback::AudioPlayer::State::Playing);
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
    EXPECT_DOUBLE_EQ(strip->player()->playbackRate(), 0.75);

    // With nothing playing, "next verse" recites the verse after the one
    // recited last, with the strip's repeat settings.
    strip->setRepeatSettings({5, 1, 0});
    window().playFromVerse(QStringLiteral("3"));
    strip->findChild<QToolButton*>(QStringLiteral("stop"))->click();
    strip->findChild<QToolButton*>(QStringLiteral("nextVerse"))->click();
    EXPECT_TRUE(window().logic().recitation().isRunning());
    EXPECT_EQ(window().logic().recitation().currentVerse(), QStringLiteral("1:4"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '4'"), 10000));
    expectNoMessages();
}

TEST_F(ReciteWindow, TheStripsRepeatSettingsAndSpeedAreKeptBetweenRuns)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    auto* speed = window().player()->findChild<QComboBox*>(QStringLiteral("speed"));
    speed->setCurrentIndex(4);
    emit speed->activated(4); // as a reader's choice raises it
    window().player()->findChild<QSpinBox*>(QStringLiteral("verseRepeat"))->setValue(3);
    window().player()->findChild<QSpinBox*>(QStringLiteral("rangeRepeat"))->setValue(0);
    window().player()->findChild<QSpinBox*>(QStringLiteral("gap"))->setValue(750);
    closeProgram();

    const auto restarted = [this] {
        auto session = DesktopSession::start(appFolder());
        EXPECT_TRUE(session);
        return session;
    };
    auto again = restarted();
    ASSERT_TRUE(again);
    PlayerStrip* strip = again->window().player();
    EXPECT_EQ(strip->repeatSettings().verseRepeat, 3);
    EXPECT_EQ(strip->repeatSettings().rangeRepeat, 0);
    EXPECT_EQ(strip->repeatSettings().gapMs, 750);
    EXPECT_DOUBLE_EQ(again->window().logic().playbackRate(), 1.5);
    EXPECT_DOUBLE_EQ(strip->player()->playbackRate(), 1.5);
    EXPECT_EQ(strip->findChild<QComboBox*>(QStringLiteral("speed"))->currentIndex(), 4);
    closeAndWait(again->window());
    again.reset();

    // Values edited by hand out of their ranges: the speed stays normal, a
    // count stands at its nearest end, and nothing is asked.
    {
        const auto settings = openUserSettings();
        settings->setValue(QStringLiteral("player/speed"), QStringLiteral("fast"));
        settings->setValue(QStringLiteral("player/verseRepeat"), 5000);
        settings->setValue(QStringLiteral("player/gapMs"), QStringLiteral("none"));
    }
    again = restarted();
    ASSERT_TRUE(again);
    strip = again->window().player();
    EXPECT_DOUBLE_EQ(again->window().logic().playbackRate(), 1.0);
    EXPECT_EQ(strip->repeatSettings().verseRepeat, 999);
    EXPECT_EQ(strip->repeatSettings().gapMs, 0);
    expectNoMessages();
}

TEST_F(ReciteWindow, TheDownloadDialogFillsAReciterVoiceAndNamesTheFileThatFailed)
{
    using tilvora::testing::LocalHttpServer;
    LocalHttpServer server;
    ASSERT_TRUE(server.start());
    for (int verse = 1; verse <= 7; ++verse) {
        LocalHttpServer::Route route{tilvora::testing::mp3Body(3000 + verse, static_cast<char>('a' + verse))};
        if (verse == 3)
            route.behaviour = LocalHttpServer::Behaviour::NotFound;
        server.route(QStringLiteral("/r/001%1.mp3").arg(verse, 3, 10, QLatin1Char('0')), route);
    }
    startProgram();
    ASSERT_FALSE(HasFatalFailure());

    // The dialog is modal: it is driven from inside its own event loop.
    QString status;
    QString failures;
    int progress = -1;
    QTimer::singleShot(0, &window(), [&] {
        auto* dialog = window().findChild<DownloadDialog*>();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no download dialog";
            return;
        }
        dialog->catalogueBox()->setCurrentIndex(dialog->catalogueBox()->count() - 1); // another address
        dialog->baseEdit()->setText(server.address() + QStringLiteral("/r/"));
        dialog->layoutBox()->setCurrentIndex(dialog->layoutBox()->findData(QStringLiteral("sssaaa")));
        dialog->fromChapterBox()->setValue(1);
        dialog->toChapterBox()->setValue(1);
        dialog->voiceBox()->setCurrentIndex(dialog->voiceBox()->findText(QStringLiteral("Reciter folder A")));
        dialog->startButton()->click();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return dialog->statusLabel()->text().contains(QStringLiteral("stored")); }, 20000));
        status = dialog->statusLabel()->text();
        progress = dialog->progressBar()->value();
        if (auto* list = dialog->findChild<QTextEdit*>())
            failures = list->toPlainText();
        dialog->close();
    });
    window().downloadAction()->trigger();

    EXPECT_EQ(status, QStringLiteral("6 stored, 0 already there, 1 failed."));
    EXPECT_EQ(progress, 7);
    EXPECT_TRUE(failures.contains(QStringLiteral("001003.mp3"))) << failures.toStdString();
    // The voice keeps the folder the files went into, and nothing else is there.
    const QString folder
        = queryValue(QStringLiteral("SELECT Data FROM AP_Master_TAB WHERE Master = 'Reciter folder A'")).toString();
    ASSERT_FALSE(folder.isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
        QStringList({QStringLiteral("001001.mp3"), QStringLiteral("001002.mp3"), QStringLiteral("001004.mp3"),
            QStringLiteral("001005.mp3"), QStringLiteral("001006.mp3"), QStringLiteral("001007.mp3")}));
    expectNoMessages();
}

// Where the verse table with `id` stands against the middle of the reading
// pane, in pixels (0: centred).
QString offCentre(int id)
{
    return QStringLiteral("(function () { var r = document.getElementById('%1').getBoundingClientRect();"
                          " return Math.round(r.top + r.height / 2 - window.innerHeight / 2); })()")
        .arg(id);
}

TEST_F(ReciteWindow, AHandScrollKeepsThePaneWhereTheReaderPutItForAFewSeconds)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().logic().executeCommand(QStringLiteral("__Surah = 2"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 286")));
    const QString scrolled = QStringLiteral("window.scrollY");

    window().markRecitedVerse(100, QString());
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("Math.abs(%1) < 30").arg(offCentre(100)), 10000));

    // The reader turns the wheel over the page.
    QWidget* surface = window().view(Pane::WebMain)->focusProxy();
    ASSERT_NE(surface, nullptr);
    const QPointF inside(surface->width() / 2.0, surface->height() / 2.0);
    QWheelEvent wheel(inside, surface->mapToGlobal(inside), QPoint(), QPoint(0, -360), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(surface, &wheel);
    const double before = evaluate(Pane::WebMain, scrolled).toDouble();
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("window.scrollY > %1").arg(before), 5000))
        << "the wheel did not scroll the page";
    // A wheel turn scrolls smoothly: the place is where the scrolling settles.
    double placed = evaluate(Pane::WebMain, scrolled).toDouble();
    for (double last = -1; placed != last;) {
        last = placed;
        QTest::qWait(150);
        placed = evaluate(Pane::WebMain, scrolled).toDouble();
    }

    // The next verse is marked where it is; the pane stays. The hold-off is
    // made long here so that a slow machine cannot outlast it.
    const auto setHandsOff = [this](int milliseconds) {
        evaluate(Pane::WebMain, QStringLiteral("window.tilvoraRecitation.handsOffMs = %1").arg(milliseconds));
    };
    setHandsOff(600000);
    window().markRecitedVerse(200, QString());
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '200'"), 5000));
    EXPECT_DOUBLE_EQ(evaluate(Pane::WebMain, scrolled).toDouble(), placed);

    // Once the hold-off is over, the pane follows the recitation again.
    setHandsOff(0);
    window().markRecitedVerse(250, QString());
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("Math.abs(%1) < 30").arg(offCentre(250)), 10000));
    expectNoMessages();
}

TEST_F(ReciteWindow, AVerseRepeatedInItsChapterFilePlaysWholeEachTime)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const double verseEnd = queryValue(QStringLiteral("SELECT DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON "
                                                      "m.MasterID = d.MasterID WHERE m.Master = 'Demo voice' AND "
                                                      "d.AyahRef = 2"))
                                .toDouble();
    window().logic().setPlaybackRate(0.75);
    QElapsedTimer clock;
    clock.start();
    window().logic().recite(playback::RecitationRequest{QStringLiteral("1:1"), QStringLiteral("1:1"), 2, 1, 500});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().logic().recitation().isRunning(); }, 30000));
    // Twice the verse at three quarters of its speed, and a gap: a repeat
    // that ended at once (taking the end of the previous one for its own)
    // would make it half as long.
    EXPECT_GE(clock.elapsed(), qint64((2 * verseEnd / 0.75 + 0.5) * 1000 * 0.8)) << clock.elapsed();
    expectNoMessages();
}

// A double-click plays the chapter file on: each verse is marked as it is
// heard, and Next and Previous move on from the verse heard.
TEST_F(ReciteWindow, ADoubleClickThatPlaysOnMarksEachVerseHeardAndNextMovesOnFromIt)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    PlayerStrip* strip = window().player();
    // Where verse 4 starts in the demo voice's chapter file (ms).
    const auto verse4 = qint64(queryValue(QStringLiteral("SELECT DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON "
                                                         "m.MasterID = d.MasterID WHERE m.Master = 'Demo voice' AND "
                                                         "d.AyahRef = 4"))
                                   .toDouble()
        * 1000);
    window().logic().setPlaybackRate(2.0);
    window().playFromVerse(QStringLiteral("2"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '2'"), 10000));
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '3'"), 10000));
    EXPECT_FALSE(window().logic().recitation().isRunning());

    strip->findChild<QToolButton*>(QStringLiteral("nextVerse"))->click();
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '4'"), 10000));
    EXPECT_GE(strip->player()->position(), verse4 - 100);

    strip->findChild<QToolButton*>(QStringLiteral("previousVerse"))->click();
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === '3'"), 10000));
    EXPECT_LT(strip->player()->position(), verse4);
    EXPECT_EQ(strip->player()->playbackState(), playback::AudioPlayer::State::Playing);

    strip->findChild<QToolButton*>(QStringLiteral("stop"))->click();
    EXPECT_TRUE(waitUntil(Pane::WebMain, kMarked + QStringLiteral(" === ''"), 10000));
    expectNoMessages();
}

// Runs the verse menu's item `name` as if chosen on verse `ayahRef`.
void chooseVerseMenuItem(MainWindow& window, const QString& name, qint32 ayahRef)
{
    VerseUnderPointer clicked;
    clicked.ayahRef = ayahRef;
    for (const VerseMenu::Action& action : window.verseMenu().actions()) {
        if (action.name == name)
            action.trigger(clicked);
    }
}

TEST_F(ReciteWindow, TheVerseMenuRecitesToTheChapterEndAndRepeatsAVerseAsTheDialogSays)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const playback::RecitationPlan& plan = window().logic().recitation();
    chooseVerseMenuItem(window(), QStringLiteral("MnuReciteFromHere"), 6);
    EXPECT_EQ(plan.currentVerse(), QStringLiteral("1:6"));
    window().logic().reciteNextVerse();
    EXPECT_EQ(plan.currentVerse(), QStringLiteral("1:7"));
    window().logic().reciteNextVerse(); // past the chapter's end: done
    EXPECT_FALSE(plan.isRunning());

    // "Repeat this verse...": five times, and the strip keeps the count.
    QTimer::singleShot(200, [] {
        auto* dialog = qobject_cast<RepeatDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->verseRepeatBox()->setValue(5);
        dialog->accept();
    });
    chooseVerseMenuItem(window(), QStringLiteral("MnuRepeatVerse"), 3);
    EXPECT_EQ(plan.currentVerse(), QStringLiteral("1:3"));
    EXPECT_EQ(window().player()->repeatSettings().verseRepeat, 5);
    for (int step = 0; step < 4; ++step)
        window().logic().recitationEnded();
    EXPECT_EQ(plan.currentVerse(), QStringLiteral("1:3"));
    window().logic().recitationEnded();
    EXPECT_FALSE(plan.isRunning());
    expectNoMessages();
}

TEST_F(ReciteWindow, RepeatFromHereToAVerseThatDoesNotExistSaysSoAndTheDialogStays)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    bool stayedOpen = false;
    QString problem;
    QTimer::singleShot(200, [&] {
        auto* dialog = qobject_cast<RepeatDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        dialog->toVerseEdit()->setText(QStringLiteral("1:99"));
        dialog->accept();
        stayedOpen = dialog->isVisible();
        problem = dialog->problemLabel()->isVisible() ? dialog->problemLabel()->text() : QString();
        // Corrected, it recites.
        dialog->toVerseEdit()->setText(QStringLiteral("1:5"));
        dialog->accept();
    });
    chooseVerseMenuItem(window(), QStringLiteral("MnuRepeatRange"), 3);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(problem, QStringLiteral("There is no verse 1:99."));
    EXPECT_EQ(window().logic().recitation().currentVerse(), QStringLiteral("1:3"));
    expectNoMessages();
}

} // namespace
} // namespace tilvora::ui::test

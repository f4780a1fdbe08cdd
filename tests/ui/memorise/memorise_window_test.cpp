// Memorising in the real window with its real panes and the reader's own
// file: a review of the day's pages, and notes on verses.

#include "ui/support/windowfixture.h"

#include "memorise/memorisestore.h"
#include "ui/memorise/memorisedesk.h"
#include "ui/memorise/notedialog.h"
#include "ui/memorise/notesdialog.h"
#include "ui/memorise/progressdialog.h"
#include "ui/memorise/reviewwindow.h"
#include "ui/mushaf/mushafmode.h"
#include "ui/mushaf/mushafview.h"
#include "ui/reading/readingcomfort.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace tilvora::ui::test {
namespace {

using host::Pane;

class MemoriseWindow : public WindowTest {
protected:
    MemoriseDesk& desk() { return window().memorise(); }

    QVariant evaluateMushaf(const QString& script)
    {
        auto answer = std::make_shared<std::optional<QVariant>>();
        window().mushaf().view()->webView()->page()->runJavaScript(
            script, [answer](const QVariant& value) { *answer = value; });
        return QTest::qWaitFor([&] { return answer->has_value(); }, 5000) ? **answer : QVariant();
    }

    bool waitMushaf(const QString& condition)
    {
        return QTest::qWaitFor([&] { return window().mushaf().view() && evaluateMushaf(condition).toBool(); }, 15000);
    }

    // Runs `act` on the dialog of type T once it is shown by `open`, which
    // blocks until the dialog closes.
    template <typename T> void withDialog(const std::function<void()>& open, const std::function<void(T&)>& act)
    {
        bool acted = false;
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog && !acted) {
                acted = true;
                act(*dialog);
            }
        });
        poll.start();
        open();
        EXPECT_TRUE(acted);
    }
};

TEST_F(MemoriseWindow, AReviewShowsEachDuePageHiddenRevealsItAndTakesItsGrade)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // Pages 3 and 4 (2:6-2:16 and 2:17-2:24) are taken up today.
    ASSERT_TRUE(desk().learnVerses(13, 31));
    emit desk().menu()->aboutToShow();
    EXPECT_TRUE(window().findChild<QAction*>(QStringLiteral("MnuReview"))->text().endsWith(QStringLiteral("(2)")));

    desk().startReview();
    ReviewWindow* review = desk().reviewWindow();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(review->currentPage(), 3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(review));
    const QString hidden = QStringLiteral("document.querySelectorAll('body.hiding .w.hid').length");
    ASSERT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"3\"]') !== null && ") + hidden
        + QStringLiteral(" > 20")));
    const int words = evaluateMushaf(hidden).toInt();
    QTest::keyClick(review, Qt::Key_Space);
    QTest::keyClick(review, Qt::Key_Space);
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === %1").arg(words - 2)));
    saveScreenshot(QStringLiteral("review-page-3"));

    // Good for page 3, again for page 4, which then comes back once more.
    QTest::keyClick(review, Qt::Key_3);
    EXPECT_EQ(review->currentPage(), 4);
    EXPECT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"4\"]') !== null && ") + hidden
        + QStringLiteral(" > 20")));
    QTest::keyClick(review, Qt::Key_1);
    EXPECT_EQ(review->currentPage(), 4);
    QTest::keyClick(review, Qt::Key_4);
    EXPECT_EQ(review->currentPage(), 0);
    EXPECT_TRUE(review->summary()->text().contains(QStringLiteral("3"))) << review->summary()->text().toStdString();
    EXPECT_TRUE(review->summary()->isVisible());
    // The hiding the review turned on is off again.
    EXPECT_FALSE(window().mushaf().hideTextAction()->isChecked());

    const std::vector<memorise::ScheduledVerse> verses = desk().store().scheduled();
    ASSERT_EQ(verses.size(), 19u);
    EXPECT_EQ(verses.front().card.intervalDays, 1); // 2:6, good
    EXPECT_EQ(desk().store().history({2, 17}).size(), 2u); // again, then easy
    EXPECT_TRUE(desk().dayReview().empty());

    withDialog<ProgressDialog>([&] { desk().showProgress(); },
        [&](ProgressDialog& progress) {
            EXPECT_TRUE(progress.summary()->text().contains(QStringLiteral("Verses learnt: 19")))
                << progress.summary()->text().toStdString();
            progress.reject();
        });
    expectNoMessages();
}

TEST_F(MemoriseWindow, ANoteIsWrittenFromTheVerseMenuMarkedAndFoundAgain)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString text = QStringLiteral("The opening.\n\nSaid in every prayer.");
    withDialog<NoteDialog>([&] { desk().editNote(2); },
        [&](NoteDialog& note) {
            note.editor()->setPlainText(text);
            note.accept();
        });
    ASSERT_EQ(desk().store().notes().size(), 1u);
    EXPECT_EQ(desk().store().notes()[0].text, text);
    // A bar beside the verse in the table, and under its end sign on the page.
    EXPECT_TRUE(
        waitUntil(Pane::WebMain, QStringLiteral("document.getElementById('2').classList.contains('tilvora-noted')")));
    ASSERT_TRUE(window().mushaf().setShown(true));
    EXPECT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.e.tilvora-noted[data-v=\"2\"]') !== null")));

    // The verse menu offers it for each verse.
    VerseUnderPointer clicked;
    clicked.ayahRef = 3;
    QMenu* menu = window().verseMenu().create(clicked, &window());
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(menu->findChild<QAction*>(QStringLiteral("MnuNote")), nullptr);
    delete menu;

    // Bookmarks > Notes lists it; a search for other words leaves it out.
    emit window().comfort().bookmarksMenu()->aboutToShow();
    EXPECT_TRUE(window().comfort().bookmarksMenu()->actions().contains(
        window().findChild<QAction*>(QStringLiteral("MnuNotes"))));
    withDialog<NotesDialog>([&] { desk().showNotes(); },
        [&](NotesDialog& notes) {
            ASSERT_EQ(notes.list()->topLevelItemCount(), 1);
            EXPECT_EQ(notes.list()->topLevelItem(0)->text(1), QStringLiteral("The opening."));
            notes.searchBox()->setText(QStringLiteral("night"));
            EXPECT_EQ(notes.list()->topLevelItemCount(), 0);
            notes.searchBox()->setText(QStringLiteral("PRAYER"));
            EXPECT_EQ(notes.list()->topLevelItemCount(), 1);
            notes.reject();
        });
    expectNoMessages();
}

} // namespace
} // namespace tilvora::ui::test

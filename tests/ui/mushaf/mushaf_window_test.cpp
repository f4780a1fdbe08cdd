// The mushaf as the reading pane's second mode, in the real window with its
// real browser views.

#include "ui/support/windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "playback/recitationplan.h"
#include "playback/verseplayer.h"
#include "ui/mushaf/mushafmode.h"
#include "ui/mushaf/mushafview.h"
#include "ui/reading/readingcomfort.h"
#include "ui/reading/texthider.h"
#include "ui/recitation/playerstrip.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace tilvora::ui::test {
namespace {

using host::Pane;

class MushafWindow : public WindowTest {
protected:
    MushafView& view() { return *window().mushaf().view(); }

    QVariant evaluateMushaf(const QString& script)
    {
        auto answer = std::make_shared<std::optional<QVariant>>();
        view().webView()->page()->runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
        return QTest::qWaitFor([&] { return answer->has_value(); }, 5000) ? **answer : QVariant();
    }

    bool waitMushaf(const QString& condition)
    {
        return QTest::qWaitFor([&] { return evaluateMushaf(condition).toBool(); }, 15000);
    }

    // Switches to the mushaf and waits for its page to be painted.
    void showMushaf()
    {
        ASSERT_TRUE(window().mushaf().setShown(true));
        ASSERT_TRUE(waitMushaf(QStringLiteral("document.querySelectorAll('.page .line').length > 0")));
    }

    QString shownPages()
    {
        return evaluateMushaf(QStringLiteral("Array.prototype.map.call(document.querySelectorAll('.page'), function "
                                             "(p) { return p.dataset.page; }).join()"))
            .toString();
    }

    QAction* action(const QString& name) { return window().findChild<QAction*>(name); }
};

TEST_F(MushafWindow, SwitchingModesKeepsThePlaceBothWays)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().comfort().openPlace({2, 255});
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.getElementById('262') !== null")));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("tilvoraComfort.topVerse() === 262")));

    action(QStringLiteral("MnuMushaf"))->trigger();
    ASSERT_TRUE(window().mushaf().isShown());
    QTRY_COMPARE_WITH_TIMEOUT(view().currentPage(), 42, 10000);
    ASSERT_TRUE(
        waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"42\"] [data-v=\"262\"]') !== null")));
    saveScreenshot(QStringLiteral("mushaf-page-42"));

    // Turned by the keyboard to the next page, then back to the table: the
    // table shows the first verse of that page at its top.
    QTest::keyClick(view().webView()->focusProxy(), view().showsTwoPages() ? Qt::Key_PageDown : Qt::Key_Left);
    EXPECT_GT(view().currentPage(), 42);
    const qint32 first = view().firstShownVerse();
    action(QStringLiteral("MnuMushaf"))->trigger();
    EXPECT_FALSE(window().mushaf().isShown());
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("tilvoraComfort.topVerse() === %1").arg(first)));
    expectNoMessages();
}

TEST_F(MushafWindow, ADoubleClickOnThePageRecitesAndARecitationTurnsThePage)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    showMushaf();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.w[data-v=\"3\"]') !== null")));
    evaluateMushaf(QStringLiteral("document.querySelector('.w[data-v=\"3\"]').dispatchEvent("
                                  "new MouseEvent('dblclick', {bubbles: true, cancelable: true}))"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return session().state().gLastAyahRef == 3; }, 10000));
    EXPECT_TRUE(window().versePlayer()->url().endsWith(QStringLiteral("/media/demo/001.mp3")));
    // As in the table, the recording plays on and each verse heard is marked on the page.
    EXPECT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.w.rec[data-v=\"4\"]') !== null")));
    emit window().player()->stopClicked();

    // A recitation over a page's end (108 ends page 602, 109 begins 603,
    // the next spread too) marks the verse on its page and turns the page
    // with the recitation.
    window().logic().recite(playback::RecitationRequest{QStringLiteral("108:3"), QStringLiteral("109:2"), 1, 1, 0});
    EXPECT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"602\"] .w.rec') !== null")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view().currentPage() == 603; }, 30000)) << view().currentPage();
    EXPECT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"603\"] .w.rec') !== null")));
    saveScreenshot(QStringLiteral("mushaf-recited-603"));
    window().logic().stopRecitation();
    expectNoMessages();
}

TEST_F(MushafWindow, EveryLineSpansThePageWhetherTheSpreadWasHeldAheadOrNotAndAfterAResize)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    showMushaf();
    ASSERT_FALSE(HasFatalFailure());
    const QString justified = QStringLiteral(
        "(function () { var width = parseFloat(document.documentElement.style.getPropertyValue('--line-width'));"
        " var lines = document.querySelectorAll('.page:not(.opening) .text'); return lines.length > 0 &&"
        " Array.prototype.every.call(lines, function (t) {"
        " return Math.abs(t.getBoundingClientRect().width - width) < 1.5; }); })()");
    QSignalSpy painted(&view(), &MushafView::pagePainted);
    const auto expectJustifiedAt = [&](int page) {
        EXPECT_TRUE(painted.wait(10000));
        EXPECT_TRUE(evaluateMushaf(justified).toBool()) << "page " << page;
    };
    // Sent with its markup, then the neighbours held ahead, both ways.
    view().showPage(42);
    expectJustifiedAt(42);
    view().turn(1);
    expectJustifiedAt(view().currentPage());
    view().turn(-1);
    expectJustifiedAt(view().currentPage());
    // A smaller pane (the same shape): the spreads held are set anew.
    view().resize(view().size() * 4 / 5);
    QTRY_VERIFY_WITH_TIMEOUT(evaluateMushaf(justified).toBool(), 5000);
    view().turn(1);
    expectJustifiedAt(view().currentPage());
}

TEST_F(MushafWindow, HiddenWordsComeBackWordByWordByLineAndAllAtOnce)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    showMushaf();
    ASSERT_FALSE(HasFatalFailure());
    view().showPage(3);
    ASSERT_TRUE(waitMushaf(QStringLiteral("document.querySelector('.page[data-page=\"3\"]') !== null")));
    const QString hidden = QStringLiteral("document.querySelectorAll('body.hiding .w.hid').length");
    const int words = evaluateMushaf(QStringLiteral("document.querySelectorAll('.w').length")).toInt();
    ASSERT_GT(words, 20);

    action(QStringLiteral("MnuHideText"))->trigger();
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === %1").arg(words)));
    // Numbers and titles stay; hidden words keep their width.
    EXPECT_EQ(evaluateMushaf(QStringLiteral("document.querySelectorAll('.e.hid').length")).toInt(), 0);
    EXPECT_GT(
        evaluateMushaf(QStringLiteral("document.querySelector('.w.hid').getBoundingClientRect().width")).toDouble(), 0);

    QWidget* input = view().webView()->focusProxy();
    QTest::keyClick(input, Qt::Key_Space);
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === %1").arg(words - 1)));
    QTest::keyClick(input, Qt::Key_Return); // the rest of the first line
    const int firstLine = evaluateMushaf(QStringLiteral("document.querySelectorAll('.page .line')[0]"
                                                        ".querySelectorAll('.w').length"))
                              .toInt();
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === %1").arg(words - firstLine)));
    QTest::keyClick(input, Qt::Key_Backspace);
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === %1").arg(words - firstLine + 1)));
    saveScreenshot(QStringLiteral("mushaf-hidden"));
    QTest::keyClick(input, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(waitMushaf(hidden + QStringLiteral(" === 0")));

    // The same toggle in the verse table hides the Quran text's words from
    // the top verse on, in their place, and the same keys reveal them.
    action(QStringLiteral("MnuMushaf"))->trigger();
    ASSERT_FALSE(window().mushaf().isShown());
    const QString tableHidden
        = QStringLiteral("document.querySelectorAll('body.tilvora-hiding .tilvora-w.tilvora-hid').length");
    ASSERT_TRUE(waitUntil(Pane::WebMain, tableHidden + QStringLiteral(" > 20")));
    const int tableWords = evaluate(Pane::WebMain, tableHidden).toInt();
    // The verses' labels ({2:1}) stay in sight.
    EXPECT_EQ(evaluate(Pane::WebMain,
                  QStringLiteral("Array.prototype.filter.call(document.querySelectorAll("
                                 "'.tilvora-w'), function (w) { return w.textContent[0] === '{'; }).length"))
                  .toInt(),
        0);
    EXPECT_EQ(window().mushaf().tableHider().reveal().wordCount(), tableWords);
    EXPECT_GT(
        evaluate(Pane::WebMain, QStringLiteral("document.querySelector('.tilvora-hid').getBoundingClientRect().width"))
            .toDouble(),
        0);
    QWidget* table = window().view(Pane::WebMain)->focusProxy();
    QTest::keyClick(table, Qt::Key_Space);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_TRUE(waitUntil(Pane::WebMain, tableHidden + QStringLiteral(" === %1").arg(tableWords - 2)));
    QTest::keyClick(table, Qt::Key_Backspace);
    EXPECT_TRUE(waitUntil(Pane::WebMain, tableHidden + QStringLiteral(" === %1").arg(tableWords - 1)));
    saveScreenshot(QStringLiteral("table-hidden"));
    action(QStringLiteral("MnuHideText"))->trigger();
    EXPECT_TRUE(waitUntil(Pane::WebMain, tableHidden + QStringLiteral(" === 0")));
    // Off again, the keys do what they do in the table (Enter recites).
    EXPECT_FALSE(action(QStringLiteral("MnuRevealWord"))->isEnabled());
    expectNoMessages();
}

TEST_F(MushafWindow, ABookmarkOpensItsPageInTheMushaf)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(window().comfort().bookmarkVerse(262));
    showMushaf();
    ASSERT_FALSE(HasFatalFailure());
    view().showPage(1);
    QAction* open = nullptr;
    for (QAction* item : window().comfort().bookmarksMenu()->actions()) {
        if (item->text().contains(QStringLiteral("2:255")))
            open = item;
    }
    ASSERT_NE(open, nullptr);
    open->trigger();
    EXPECT_TRUE(waitMushaf(
        QStringLiteral("document.querySelector('.page[data-page=\"42\"] .w.sel[data-v=\"262\"]') !== null")));
    // The table's page loaded for the bookmark leaves the mushaf on it.
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 286")));
    EXPECT_EQ(view().currentPage(), 42);
    expectNoMessages();
}

} // namespace
} // namespace tilvora::ui::test

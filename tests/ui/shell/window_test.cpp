// The desktop window on the offscreen platform: the real panes showing the
// real pages, driven as a user drives them (a pick's change event, clicks,
// right-clicks, double-clicks), each test on its own application folder.

#include "ui/support/windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "playback/verseplayer.h"
#include "ui/dialogs/mediafolderdialog.h"
#include "ui/panes/browserpane.h"
#include "ui/recitation/playerstrip.h"
#include "ui/shell/mainwindow.h"

#include "version.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>

namespace tilvora::ui::test {
namespace {

using host::Pane;
using layout::pixelRect;
using layout::twipsPerPixel;

// Collects the addresses handed to the desktop's browser.
class DesktopBrowser : public QObject {
    Q_OBJECT
public:
    explicit DesktopBrowser(const QString& scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(m_scheme, this, "open");
    }
    ~DesktopBrowser() override { QDesktopServices::unsetUrlHandler(m_scheme); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }

private:
    QString m_scheme;
};

QString jsString(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// A pick in a select element of a page as a user's pick raises it: the value
// changes, then a change event reaches the element's handler.
QString pickScript(const QString& selector, const QString& value)
{
    return QStringLiteral("(function () { var e = document.querySelector(%1); e.value = %2;"
                          " e.dispatchEvent(new Event('change', {bubbles: true})); return e.selectedIndex; })()")
        .arg(jsString(selector), jsString(value));
}

QString selectedIndex(const QString& id)
{
    return QStringLiteral("document.getElementById(%1).selectedIndex").arg(jsString(id));
}

// A double-click delivered as the platform delivers it, through the
// window: press, release, press, release, the second press turned into a
// double-click by the application.
void doubleClick(QWidget* widget, const QPoint& point)
{
    QWindow* window = widget->window()->windowHandle();
    QTest::mouseDClick(window, Qt::LeftButton, {}, widget->mapTo(widget->window(), point));
}

using DesktopWindow = WindowTest;

// The engine's question whether a pane may follow a link, asked by a test.
struct NavigationRequest : PanePage {
    static bool accept(PanePage* page, const QUrl& url)
    {
        return (page->*&NavigationRequest::acceptNavigationRequest)(url, NavigationTypeLinkClicked, true);
    }
};

TEST_F(DesktopWindow, StartsOnChapterOneWithEveryPaneLoaded)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_EQ(window().windowTitle(), QStringLiteral(" .:: Tilvora (version %1) ::.").arg(shownVersion()));
    // Seven verse tables, in order, the first cell of each carrying its label.
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.querySelector('table.sura').id")).toString(),
        QStringLiteral("1"));
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura')[6].id")).toString(),
        QStringLiteral("7"));
    EXPECT_TRUE(evaluate(Pane::WebMain, QStringLiteral("document.querySelector('table.sura td').textContent"))
                    .toString()
                    .endsWith(QStringLiteral(" {1:1}")));
    EXPECT_EQ(searchLabelOnceIt(QStringLiteral("  7 verses\n  shown")), QStringLiteral("  7 verses\n  shown"));
    // The side panes' pages start once the reader's page has been painted.
    const double readingPainted = evaluate(Pane::WebMain,
        QStringLiteral("performance.timeOrigin + performance.getEntriesByName('first-contentful-paint')[0].startTime"))
                                      .toDouble();
    ASSERT_GT(readingPainted, 0);
    for (Pane pane : {Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl}) {
        EXPECT_GT(evaluate(pane, QStringLiteral("performance.timeOrigin")).toDouble(), readingPainted - 5)
            << host::paneName(pane).toStdString();
    }
    // The page files stay exactly as written: UTF-16 with a byte order mark.
    QFile mainPage(appFolder() + QStringLiteral("/Main.htm"));
    ASSERT_TRUE(mainPage.open(QIODevice::ReadOnly));
    EXPECT_TRUE(mainPage.read(2) == QByteArray("\xFF\xFE", 2));
    // The control page heads its matan list with the selected matan.
    EXPECT_EQ(evaluate(Pane::WebControl, QStringLiteral("document.querySelector('select.Row0').value")).toString(),
        queryValue(
            QStringLiteral(
                "SELECT m.MasterID FROM AP_Master_TAB m JOIN AP_TypesMaster_TAB t ON t.MasterTypeID = m.MasterTypeID"
                " WHERE t.SysTerm = 'MATAN' AND m.UserSelection = 1"))
            .toString());
    expectNoMessages();
    saveScreenshot(QStringLiteral("window-chapter1"));
}

TEST(PaneScript, BeforeAnyDocumentItIsDroppedWithAnEmptyAnswer)
{
    QTemporaryDir folder;
    QWebEngineProfile* profile = createPaneProfile(folder.path(), nullptr);
    auto* page = new PanePage(Pane::WebSearch, profile, folder.path(), profile);
    bool answered = false;
    QVariant answer(42);
    page->runScript(QStringLiteral("1 + 1"), [&](const QVariant& value) {
        answered = true;
        answer = value;
    });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 5000);
    // Run on the engine's empty page, it would have answered 2.
    EXPECT_FALSE(answer.isValid());
    delete profile;
}

TEST_F(DesktopWindow, PicksRenderTheirVersesAndResetTheOtherSelectors)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    evaluate(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord")) + QStringLiteral(" = 3"));
    evaluate(Pane::WebSubject, selectedIndex(QStringLiteral("cmbSubject")) + QStringLiteral(" = 2"));
    evaluate(Pane::WebSurah,
        selectedIndex(QStringLiteral("cmbParah")) + QStringLiteral(" = 1; ") + selectedIndex(QStringLiteral("cmbRoot"))
            + QStringLiteral(" = 1"));

    // A chapter pick: its four verses; every other list shows its heading,
    // as none of them says what the reading pane shows.
    const QString firstOf112
        = queryValue(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 112 AND AyahNo = 1")).toString();
    ASSERT_FALSE(firstOf112.isEmpty());
    EXPECT_GT(evaluate(Pane::WebSurah, pickScript(QStringLiteral("#cmbSurah"), QStringLiteral("112"))).toInt(), 0);
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.querySelectorAll('table.sura').length === 4 && "
                       "document.querySelector('table.sura').id === %1")
            .arg(jsString(firstOf112))));
    EXPECT_TRUE(waitUntil(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord")) + QStringLiteral(" === 0")));
    EXPECT_TRUE(waitUntil(Pane::WebSubject, selectedIndex(QStringLiteral("cmbSubject")) + QStringLiteral(" === 0")));
    EXPECT_TRUE(waitUntil(Pane::WebSurah,
        selectedIndex(QStringLiteral("cmbParah")) + QStringLiteral(" === 0 && ")
            + selectedIndex(QStringLiteral("cmbRoot")) + QStringLiteral(" === 0")));
    EXPECT_EQ(searchLabelOnceIt(QStringLiteral("  4 verses\n  shown")), QStringLiteral("  4 verses\n  shown"));
    saveScreenshot(QStringLiteral("window-chapter112"));

    // A word pick: the verses that hold the word; the subject, root and part
    // selectors reset, the word pane keeps its pick.
    evaluate(Pane::WebSubject, selectedIndex(QStringLiteral("cmbSubject")) + QStringLiteral(" = 2"));
    const QString word
        = evaluate(Pane::WebWord, QStringLiteral("document.getElementById('cmbWord').options[5].value")).toString();
    ASSERT_FALSE(word.isEmpty());
    const int wordVerses
        = queryValue(QStringLiteral("SELECT COUNT(DISTINCT AyahRef) FROM RF_Word_TAB WHERE Word = '%1'").arg(word))
              .toInt();
    ASSERT_GT(wordVerses, 0);
    EXPECT_EQ(evaluate(Pane::WebWord, pickScript(QStringLiteral("#cmbWord"), word)).toInt(), 5);
    EXPECT_TRUE(waitUntil(Pane::WebSurah,
        selectedIndex(QStringLiteral("cmbParah")) + QStringLiteral(" === 0 && ")
            + selectedIndex(QStringLiteral("cmbRoot")) + QStringLiteral(" === 0")));
    EXPECT_TRUE(waitUntil(Pane::WebSubject, selectedIndex(QStringLiteral("cmbSubject")) + QStringLiteral(" === 0")));
    EXPECT_TRUE(waitUntil(
        Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === %1").arg(wordVerses)));
    EXPECT_EQ(evaluate(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord"))).toInt(), 5);
    expectNoMessages();
}

TEST_F(DesktopWindow, AControlPaneChoiceIsStoredAndShown)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString french = QStringLiteral("14");
    ASSERT_EQ(queryValue(QStringLiteral("SELECT SortOrderUser FROM AP_Master_TAB WHERE MasterID = 14")).toInt(), 0);
    const QString frenchCellOfVerse1
        = queryValue(QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE MasterID = 14 AND AyahRef = 1"))
              .toString();
    ASSERT_FALSE(frenchCellOfVerse1.isEmpty());

    // The list is changed without having had the focus: its own value still
    // travels with the command.
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row1"), french));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return queryValue(QStringLiteral("SELECT SortOrderUser FROM AP_Master_TAB WHERE MasterID = 14")).toInt()
                == 1;
        },
        10000));
    EXPECT_EQ(queryValue(QStringLiteral("SELECT UserSelection FROM AP_Master_TAB WHERE MasterID = 14")).toInt(), 1);
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.getElementById(%1) !== null && "
                       "document.getElementById(%1).className === 'CSS1'")
            .arg(jsString(frenchCellOfVerse1))));

    // A voice button clicked with the mouse: the voice is stored, the
    // reading page is not rendered again.
    const QString voice = QStringLiteral("32");
    const QPoint button
        = elementCentre(Pane::WebControl, QStringLiteral("document.querySelector('input.Voice[value=\"32\"]')"));
    ASSERT_FALSE(button.isNull());
    evaluate(Pane::WebMain, QStringLiteral("window.tilvoraTestMarker = 1"));
    QTest::mouseClick(inputWidget(Pane::WebControl), Qt::LeftButton, {}, button);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return queryValue(QStringLiteral("SELECT UserSelection FROM AP_Master_TAB WHERE MasterID = %1").arg(voice))
                       .toInt()
                == 1;
        },
        10000));
    EXPECT_EQ(queryValue(QStringLiteral("SELECT SUM(UserSelection) FROM AP_Master_TAB m JOIN AP_TypesMaster_TAB t "
                                        "ON t.MasterTypeID = m.MasterTypeID WHERE t.SysTerm = 'VOICE'"))
                  .toInt(),
        1);
    // Nothing to await: the test checks that the page is not loaded again.
    QTest::qWait(300);
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("window.tilvoraTestMarker")).toInt(), 1)
        << "the reading page was loaded again";
    expectNoMessages();
}

TEST_F(DesktopWindow, AVoiceFolderLinkOpensTheFolderDialogAndStoresItsAnswer)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // A folder whose name holds an ampersand, which a menu would otherwise
    // take for the mark of an access key.
    const QString folder = QDir(appFolder()).filePath(QStringLiteral("Rock & Roll"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QString shownFor;
    QTimer answerer;
    answerer.setInterval(30);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<MediaFolderDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || !shownFor.isEmpty())
            return;
        shownFor = dialog->request().tag;
        dialog->openFolder(folder);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    answerer.start();

    // The "..." link of the second voice, clicked with the mouse.
    const QPoint link
        = elementCentre(Pane::WebControl, QStringLiteral("document.querySelector('a[href*=\"SetV = 32\"]')"));
    ASSERT_FALSE(link.isNull());
    QTest::mouseClick(inputWidget(Pane::WebControl), Qt::LeftButton, {}, link);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return queryValue(QStringLiteral("SELECT Data FROM AP_Master_TAB WHERE MasterID = 32")).toString()
                == folder;
        },
        15000));
    EXPECT_EQ(shownFor, QStringLiteral("32"));
    // The voice had no folder yet: nothing to open, so the dialog showed no
    // message, and nothing else did.
    expectNoMessages();
    EXPECT_TRUE(window().page(Pane::WebControl)->url().fileName() == QLatin1String("Control.htm"));

    // The voice menu shows each voice as its description and folder.
    EXPECT_TRUE(window().setDataPathMenu()->menuAction()->isVisible());
    const QString description
        = queryValue(QStringLiteral("SELECT Description FROM AP_Master_TAB WHERE MasterID = 32")).toString();
    ASSERT_FALSE(description.isEmpty());
    EXPECT_EQ(window().voiceMenuAction(1)->iconText(), QStringLiteral("%1 [%2]").arg(description, folder));
    EXPECT_EQ(window().voiceMenuAction(1)->data().toString(), QStringLiteral("32"));
}

TEST_F(DesktopWindow, DoubleClickOnAVerseRecitesIt)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString cell = QStringLiteral("document.getElementById('3').rows[0].cells[0]");
    const QPoint point = elementCentre(Pane::WebMain, cell);
    ASSERT_FALSE(point.isNull());
    QWidget* input = inputWidget(Pane::WebMain);
    doubleClick(input, point);

    EXPECT_TRUE(QTest::qWaitFor([&] { return session().state().gLastAyahRef == 3; }, 10000));
    // The clicked cell holds the focus and shows its "_Sel" class.
    EXPECT_EQ(evaluate(Pane::WebMain,
                  QStringLiteral("document.activeElement === %1 && document.activeElement.className").arg(cell))
                  .toString(),
        QStringLiteral("CSS0_Sel"));

    // The demo voice's file of chapter 1, from verse 3's position.
    const QString expected = QFileInfo(appFolder() + QStringLiteral("/media/demo/001.mp3")).canonicalFilePath();
    EXPECT_EQ(QFileInfo(window().versePlayer()->url()).canonicalFilePath(), expected);
    const double start = queryValue(
        QStringLiteral("SELECT DataPos FROM AP_Detail_TAB d JOIN AP_Master_TAB m ON m.MasterID = d.MasterID "
                       "WHERE m.Master = 'Demo voice' AND d.AyahRef = 3"))
                             .toDouble();
    ASSERT_GT(start, 1.0);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window().player()->player()->position() >= qint64(start * 1000) - 100; }, 15000))
        << "position " << window().player()->player()->position();
    saveScreenshot(QStringLiteral("window-verse3-selected"));

    // A double-click with no verse cell focused recites nothing.
    const QString before = window().versePlayer()->url();
    evaluate(Pane::WebMain,
        QStringLiteral("document.activeElement.blur(); "
                       "document.body.dispatchEvent(new MouseEvent('dblclick', {bubbles: true, cancelable: true}))"));
    // Nothing to await: the test checks that nothing starts playing.
    QTest::qWait(300);
    EXPECT_EQ(session().state().gLastAyahRef, 3);
    EXPECT_EQ(window().versePlayer()->url(), before);
    expectNoMessages();
}

TEST_F(DesktopWindow, ADoubleClickOnAVerseTheVoiceLacksSaysSoInPlainWords)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().logic().executeCommand(QStringLiteral("__Surah = 2"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelector('table.sura').id === '8'")));
    // A double-click reaches the window once the new page's script has connected.
    ASSERT_TRUE(waitForBridge(Pane::WebMain));
    const QString firstOf2
        = queryValue(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 2 AND AyahNo = 1")).toString();
    const QPoint point
        = elementCentre(Pane::WebMain, QStringLiteral("document.getElementById('%1').rows[0].cells[0]").arg(firstOf2));
    ASSERT_FALSE(point.isNull());
    doubleClick(inputWidget(Pane::WebMain), point);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages().isEmpty(); }, 10000));
    EXPECT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().first().icon, QMessageBox::Information);
    EXPECT_TRUE(messages().first().text.contains(QStringLiteral("\"Demo voice\" has no recording of Al-Baqarah 2:1")))
        << messages().first().text.toStdString();
    EXPECT_TRUE(window().versePlayer()->url().isEmpty());
}

QAction* menuItem(QMenu* menu, const QString& name)
{
    return menu ? menu->findChild<QAction*>(name) : nullptr;
}

TEST_F(DesktopWindow, ANewPageOpensAtItsTopAndAChoiceOfTextsKeepsTheVerseInView)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString topVerse
        = QStringLiteral("(function () { var x = document.documentElement.clientWidth / 2;"
                         " for (var y = 2; y < 80; y += 6) { var t = document.elementFromPoint(x, y);"
                         " t = t && t.closest('table.sura'); if (t) return t.id; } return ''; })()");
    const auto verseRef = [this](int surah, int ayah) {
        return queryValue(
            QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = %1 AND AyahNo = %2").arg(surah).arg(ayah))
            .toString();
    };

    // Chapter 18 scrolled two pages down, then chapter 19 and a search.
    window().logic().executeCommand(QStringLiteral("__Surah = 18"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 110")));
    evaluate(Pane::WebMain, QStringLiteral("window.scrollTo(0, 2 * window.innerHeight)"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("window.scrollY > 0")));
    window().logic().executeCommand(QStringLiteral("__Surah = 19"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 98")));
    // Nothing to await: the test checks that no scroll restores the old place.
    QTest::qWait(500);
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("window.scrollY")).toInt(), 0);
    EXPECT_EQ(evaluate(Pane::WebMain, topVerse).toString(), verseRef(19, 1));

    // A choice of texts shows chapter 19 again with the verse that was at
    // the top still there.
    evaluate(Pane::WebMain,
        QStringLiteral("document.getElementById(%1).scrollIntoView({block: 'start'})").arg(jsString(verseRef(19, 20))));
    ASSERT_TRUE(waitUntil(Pane::WebMain, topVerse + QStringLiteral(" === ") + jsString(verseRef(19, 20))));
    // The page records the place at the top on its next frames; nothing tells when.
    QTest::qWait(300);
    const QString frenchCell = queryValue(
        QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE MasterID = 14 AND AyahRef = %1").arg(verseRef(19, 20)))
                                   .toString();
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row2"), QStringLiteral("14")));
    ASSERT_TRUE(
        waitUntil(Pane::WebMain, QStringLiteral("document.getElementById(%1) !== null").arg(jsString(frenchCell))));
    // Nothing to await: the test checks that the verse stays at the top.
    QTest::qWait(500);
    EXPECT_EQ(evaluate(Pane::WebMain, topVerse).toString(), verseRef(19, 20));

    // A search that finds nothing says so in the pane.
    window().logic().executeCommand(QStringLiteral("__Search = *qqxqq"));
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.getElementById('tilvoraEmptyPage') &&"
                       " document.getElementById('tilvoraEmptyPage').textContent.indexOf('\u201Cqqxqq\u201D') >= 0")));
    EXPECT_EQ(searchLabelOnceIt(QStringLiteral("  No verse\n  found")), QStringLiteral("  No verse\n  found"));
    saveScreenshot(QStringLiteral("window-search-nothing-found"));
    expectNoMessages();
}

TEST_F(DesktopWindow, ATextMovedToAnotherRowLeavesThePageWellFormed)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const auto cellOf = [this](int masterId) {
        return QStringLiteral("document.getElementById(%1)")
            .arg(jsString(queryValue(
                QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE MasterID = %1 AND AyahRef = 1").arg(masterId))
                              .toString()));
    };
    // French into row 1, then into row 2: row 1 is left empty.
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row1"), QStringLiteral("14")));
    ASSERT_TRUE(waitUntil(Pane::WebMain, cellOf(14) + QStringLiteral(".className === 'CSS1'")));
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row2"), QStringLiteral("14")));
    ASSERT_TRUE(waitUntil(Pane::WebMain, cellOf(14) + QStringLiteral(".className === 'CSS2'")));

    // Every rule of the page's style sheet stands on its own.
    EXPECT_EQ(evaluate(Pane::WebMain,
                  QStringLiteral("Array.prototype.map.call(document.querySelector('style').sheet.cssRules,"
                                 " function (r) { return r.selectorText; }).join(' ')"))
                  .toString(),
        QStringLiteral("body .Sura .CSS0 .CSS0_Sel .CSS1 .CSS1_Sel .CSS2 .CSS2_Sel .CSS3 .CSS3_Sel"));
    const auto computed = [&](int masterId, const QString& property) {
        return evaluate(Pane::WebMain, QStringLiteral("getComputedStyle(%1).%2").arg(cellOf(masterId), property))
            .toString();
    };
    EXPECT_EQ(computed(14, QStringLiteral("direction")), QStringLiteral("ltr"));
    EXPECT_EQ(computed(1, QStringLiteral("direction")), QStringLiteral("rtl"));
    EXPECT_EQ(computed(13, QStringLiteral("direction")), QStringLiteral("rtl"));
    EXPECT_TRUE(computed(13, QStringLiteral("fontFamily")).startsWith(QStringLiteral("Amiri")));
    saveScreenshot(QStringLiteral("window-row-one-empty"));
    expectNoMessages();
}

TEST_F(DesktopWindow, TheWindowKeepsItsSizeBetweenRunsAndIsNeverSmallerThanItsControls)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    resizeAndWait(window(), QSize(200, 150));
    EXPECT_EQ(window().size(), window().minimumSize());
    // At the smallest size the banner and its emblem still stand right of
    // the search row.
    EXPECT_GE(window().controlWidget(PaneControl::Image1)->geometry().left(),
        window().controlWidget(PaneControl::PicSearch)->geometry().right());

    resizeAndWait(window(), QSize(1111, 777));
    closeProgram();
    const auto again = DesktopSession::start(appFolder());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->window().size(), QSize(1111, 777));
}

// Drags the strip between the reading pane and the control pane by `dx` pixels.
void dragDivider(MainWindow& window, int dx)
{
    QWidget* strip = window.controlWidget(PaneControl::ImgMain);
    // The strip moves under the pointer: each point is given in its own
    // place at the time.
    const QPoint grip = strip->mapToParent(QPoint(strip->width() / 2, strip->height() / 2));
    QTest::mousePress(strip, Qt::LeftButton, Qt::NoModifier, strip->mapFromParent(grip));
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(strip, strip->mapFromParent(grip + QPoint(dx * step / 4, 0)));
    QTest::mouseRelease(strip, Qt::LeftButton, Qt::NoModifier, strip->mapFromParent(grip + QPoint(dx, 0)));
}

TEST_F(DesktopWindow, TheDividerMovesTheListsFollowAndTheWidthSurvivesARestart)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    resizeAndWait(window(), QSize(1200, 760));
    QWidget* pane = window().controlWidget(PaneControl::WebControl);
    QWidget* reading = window().controlWidget(PaneControl::WebMain);
    const int paneBefore = pane->width();
    const int readingBefore = reading->width();
    const QString listWidth = QStringLiteral("document.querySelector('select.Row1').offsetWidth");
    const int listBefore = evaluate(Pane::WebControl, listWidth).toInt();

    dragDivider(window(), -150);
    EXPECT_NEAR(pane->width(), paneBefore + 150, 1);
    EXPECT_NEAR(reading->width(), readingBefore - 150, 1);
    EXPECT_TRUE(waitUntil(Pane::WebControl, QStringLiteral("%1 >= %2").arg(listWidth).arg(listBefore + 140)));
    // The root picker's heading fits its list, whatever room the row gives.
    EXPECT_TRUE(evaluate(Pane::WebSurah,
        QStringLiteral("(function () { var list = document.getElementById('cmbRoot');"
                       " var probe = document.createElement('span'); probe.textContent = list.options[0].text;"
                       " probe.style.font = getComputedStyle(list).font; document.body.appendChild(probe);"
                       " var style = getComputedStyle(list);"
                       " var room = list.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);"
                       " return room >= probe.offsetWidth; })()"))
                    .toBool());

    // Dragged too far, the reading pane keeps room for the player strip, whose
    // controls all fit, the repeat counts included, also at the smallest window.
    dragDivider(window(), -2000);
    resizeAndWait(window(), QSize(200, 150));
    auto* strip = window().player();
    EXPECT_LE(strip->layout()->minimumSize().width(), strip->width());
    auto* repeat = strip->findChild<QWidget*>(QStringLiteral("repeat"));
    EXPECT_GE(repeat->width(), repeat->sizeHint().width());
    EXPECT_TRUE(strip->geometry().right() < pane->geometry().left());

    resizeAndWait(window(), QSize(1200, 760));
    const int chosen = pane->width();
    EXPECT_GT(chosen, paneBefore + 150);
    closeProgram();
    {
        const auto again = DesktopSession::start(appFolder());
        ASSERT_TRUE(again);
        QWidget* paneAgain = again->window().controlWidget(PaneControl::WebControl);
        EXPECT_EQ(paneAgain->width(), chosen);
        // A double-click on the strip gives back the usual width, and the
        // next run keeps to it.
        QTest::mouseDClick(again->window().controlWidget(PaneControl::ImgMain), Qt::LeftButton);
        EXPECT_EQ(paneAgain->width(), paneBefore);
        closeAndWait(again->window());
    }
    const auto third = DesktopSession::start(appFolder());
    ASSERT_TRUE(third);
    EXPECT_EQ(third->window().controlWidget(PaneControl::WebControl)->width(), paneBefore);
}

TEST_F(DesktopWindow, TheGearOpensTheControlsMenuAndTheMagnifierTheSearchBox)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    QWidget* gear = window().controlWidget(PaneControl::Image1);
    QTest::mouseClick(gear, Qt::LeftButton, {}, gear->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == window().controlsMenu(); }, 5000));
    window().controlsMenu()->close();

    QWidget* magnifier = window().controlWidget(PaneControl::PicSearch);
    QTest::mouseClick(magnifier, Qt::LeftButton, {}, magnifier->rect().center());
    EXPECT_TRUE(waitUntil(
        Pane::WebSearch, QStringLiteral("document.activeElement && document.activeElement.id === 'txtSearch'")));
}

TEST_F(DesktopWindow, TheReaderCopiesVersesTheirReferencesAndSelectedText)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString verse2 = QStringLiteral("document.getElementById('2')");
    QStringList shown;
    for (const QVariant& text : evaluate(Pane::WebMain,
             QStringLiteral("Array.prototype.map.call(%1.getElementsByTagName('td'),"
                            " function (c) { return c.innerText.trim(); })")
                 .arg(verse2))
                                    .toList())
        shown << text.toString();
    ASSERT_GE(shown.size(), 2);
    ASSERT_TRUE(shown[0].endsWith(QStringLiteral(" {1:2}")));
    shown[0].chop(QStringLiteral(" {1:2}").size());

    // "Copy verse": the texts as shown, one a line, then the reference.
    QWidget* input = inputWidget(Pane::WebMain);
    QMenu* menu = verseMenuAt(input, elementCentre(Pane::WebMain, verse2 + QStringLiteral(".rows[1].cells[0]")));
    ASSERT_NE(menuItem(menu, QStringLiteral("MnuCopyVerse")), nullptr);
    EXPECT_EQ(menuItem(menu, QStringLiteral("MnuCopySelection")), nullptr) << "nothing is selected";
    menuItem(menu, QStringLiteral("MnuCopyVerse"))->trigger();
    menu->close();
    EXPECT_EQ(clipboard->text(), (shown + QStringList{QStringLiteral("(Al-Fatihah 1:2)")}).join(QLatin1Char('\n')));

    menu = verseMenuAt(
        input, elementCentre(Pane::WebMain, QStringLiteral("document.getElementById('7').rows[0].cells[0]")));
    ASSERT_NE(menuItem(menu, QStringLiteral("MnuCopyReference")), nullptr);
    menuItem(menu, QStringLiteral("MnuCopyReference"))->trigger();
    menu->close();
    EXPECT_EQ(clipboard->text(), QStringLiteral("Al-Fatihah 1:7"));

    // Text selected by dragging across a verse's translation, copied with
    // Ctrl+C and from the menu. The page may still be settling its scroll
    // after the menu closed: the cell is measured once it holds still.
    const QString cell = verse2 + QStringLiteral(".rows[1].cells[0]");
    double scrolledTo = -1;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const double now = evaluate(Pane::WebMain, QStringLiteral("window.scrollY")).toDouble();
            const bool held = now == scrolledTo;
            scrolledTo = now;
            return held;
        },
        5000));
    const QVariantList box = evaluate(Pane::WebMain,
        QStringLiteral("(function () { var r = %1.getBoundingClientRect();"
                       " return [r.left, r.right, r.top + r.height / 2]; })()")
            .arg(cell))
                                 .toList();
    ASSERT_EQ(box.size(), 3);
    const int y = qRound(box[2].toDouble());
    QTest::mousePress(input, Qt::LeftButton, {}, QPoint(qRound(box[0].toDouble()) + 2, y));
    for (int x = qRound(box[0].toDouble()) + 12; x < qRound(box[1].toDouble()) - 2; x += 40)
        QTest::mouseMove(input, QPoint(x, y));
    QTest::mouseRelease(input, Qt::LeftButton, {}, QPoint(qRound(box[1].toDouble()) - 2, y));
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("String(window.getSelection()).length > 10")));
    const QString selected = evaluate(Pane::WebMain, QStringLiteral("String(window.getSelection())")).toString();
    EXPECT_TRUE(shown[1].contains(selected.trimmed())) << selected.toStdString();
    clipboard->clear();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard->text() == selected; }, 5000))
        << clipboard->text().toStdString();

    menu = verseMenuAt(input, elementCentre(Pane::WebMain, cell));
    ASSERT_NE(menuItem(menu, QStringLiteral("MnuCopySelection")), nullptr);
    clipboard->clear();
    menuItem(menu, QStringLiteral("MnuCopySelection"))->trigger();
    menu->close();
    EXPECT_EQ(clipboard->text(), selected);
    expectNoMessages();
}

TEST_F(DesktopWindow, RightClickInThePickerPanesResetsTheirSelectors)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    evaluate(Pane::WebSurah,
        selectedIndex(QStringLiteral("cmbSurah")) + QStringLiteral(" = 5; ") + selectedIndex(QStringLiteral("cmbParah"))
            + QStringLiteral(" = 2; ") + selectedIndex(QStringLiteral("cmbRoot")) + QStringLiteral(" = 3"));
    evaluate(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord")) + QStringLiteral(" = 4"));

    // Both selectors of the chapter pane go back to their first entries, the
    // chapter list and the reading page stay, and no menu opens.
    QTest::mouseClick(inputWidget(Pane::WebSurah), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_TRUE(waitUntil(Pane::WebSurah,
        selectedIndex(QStringLiteral("cmbParah")) + QStringLiteral(" === 0 && ")
            + selectedIndex(QStringLiteral("cmbRoot")) + QStringLiteral(" === 0")));
    EXPECT_EQ(evaluate(Pane::WebSurah, selectedIndex(QStringLiteral("cmbSurah"))).toInt(), 5);
    EXPECT_EQ(evaluate(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord"))).toInt(), 4);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::mouseClick(inputWidget(Pane::WebWord), Qt::RightButton, {}, QPoint(1, 1));
    EXPECT_TRUE(waitUntil(Pane::WebWord, selectedIndex(QStringLiteral("cmbWord")) + QStringLiteral(" === 0")));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length")).toInt(), 7);
    expectNoMessages();
}

TEST_F(DesktopWindow, TheReadingPaneShowsTheFileAsLastWritten)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // Two pages in a row through the same file.
    window().logic().executeCommand(QStringLiteral("__Surah = 114"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 6")));
    window().logic().executeCommand(QStringLiteral("__Surah = 113"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 5")));

    // The file rewritten behind the pane's back, then loaded again.
    const QString path = appFolder() + QStringLiteral("/Main.htm");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QString text = QStringLiteral("<html><body><p id=\"rewritten\">\u0628\u0633\u0645</p></body></html>");
    file.write(QByteArray("\xFF\xFE", 2));
    file.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    file.close();
    window().page(Pane::WebMain)->navigateTo(path);
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.getElementById('rewritten') && "
                       "document.getElementById('rewritten').textContent === '\\u0628\\u0633\\u0645'")));
}

TEST_F(DesktopWindow, TheWholeBookPageShowsAndAnswersFarDown)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().logic().executeCommand(QStringLiteral("__Search = *"));
    ASSERT_TRUE(
        waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 6236"), 30000));
    ASSERT_TRUE(waitForBridge(Pane::WebMain));
    const QString wholeBook = QStringLiteral("  %1 verses\n  found").arg(QLocale().toString(6236));
    EXPECT_EQ(searchLabelOnceIt(wholeBook), wholeBook);

    // A verse far down the page (one the demo voice recites), scrolled to
    // and double-clicked.
    const QString cell = QStringLiteral("document.getElementById('6230').rows[0].cells[0]");
    const QPoint point = elementCentre(Pane::WebMain, cell);
    ASSERT_FALSE(point.isNull());
    // The scroll to the cell settles and is painted before the pointer comes.
    QTest::qWait(200);
    doubleClick(inputWidget(Pane::WebMain), elementCentre(Pane::WebMain, cell));
    EXPECT_TRUE(QTest::qWaitFor([&] { return session().state().gLastAyahRef == 6230; }, 10000));
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.activeElement.className")).toString(),
        QStringLiteral("CSS0_Sel"));
    saveScreenshot(QStringLiteral("window-whole-book-verse6230"));
    expectNoMessages();
}

TEST_F(DesktopWindow, PagesGetTheEffectOfTheirScripts)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString cancelled = QStringLiteral(
        "(function () { var e = new MouseEvent('%1', {bubbles: true, cancelable: true});"
        " (document.querySelector('%2') || document.body).dispatchEvent(e); return e.defaultPrevented; })()");
    // Context menu and selection: refused where the page's SCRIPT FOR says so.
    EXPECT_TRUE(evaluate(Pane::WebMain, cancelled.arg(QStringLiteral("contextmenu"), QStringLiteral("td"))).toBool());
    EXPECT_TRUE(
        evaluate(Pane::WebControl, cancelled.arg(QStringLiteral("contextmenu"), QStringLiteral("select"))).toBool());
    EXPECT_FALSE(
        evaluate(Pane::WebSearch, cancelled.arg(QStringLiteral("contextmenu"), QStringLiteral("input"))).toBool());
    const QString selectStart = QStringLiteral(
        "(function () { var e = new Event('selectstart', {bubbles: true, cancelable: true});"
        " (document.querySelector('%1') || document.body).dispatchEvent(e); return e.defaultPrevented; })()");
    // The reading page lets the reader select its text to copy it.
    EXPECT_FALSE(evaluate(Pane::WebMain, selectStart.arg(QStringLiteral("td"))).toBool());
    EXPECT_TRUE(evaluate(Pane::WebControl, selectStart.arg(QStringLiteral("p"))).toBool());
    EXPECT_FALSE(evaluate(Pane::WebSearch, selectStart.arg(QStringLiteral("input"))).toBool());

    // F5 is swallowed where the page attaches its key handler f, nowhere else.
    const QString watchF5 = QStringLiteral(
        "window.f5 = 'none'; document.addEventListener('keydown', function (e) {"
        " if (e.keyCode === 116) setTimeout(function () { window.f5 = e.defaultPrevented; }, 0); }, true);"
        " document.querySelector('%1').focus();");
    evaluate(Pane::WebControl, watchF5.arg(QStringLiteral("select.Row2")));
    evaluate(Pane::WebSearch, watchF5.arg(QStringLiteral("#txtSearch")));
    window().view(Pane::WebControl)->setFocus();
    QTest::keyClick(inputWidget(Pane::WebControl), Qt::Key_F5);
    EXPECT_TRUE(waitUntil(Pane::WebControl, QStringLiteral("window.f5 === true")));
    window().view(Pane::WebSearch)->setFocus();
    QTest::keyClick(inputWidget(Pane::WebSearch), Qt::Key_F5);
    EXPECT_TRUE(waitUntil(Pane::WebSearch, QStringLiteral("window.f5 === false")));
    expectNoMessages();
}

TEST_F(DesktopWindow, RemoteAddressesNeverLoadInAPane)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    DesktopBrowser browser(QStringLiteral("http"));

    // A script sending a pane to a remote page, in a side pane and in the
    // reading pane, sends the desktop's browser nowhere.
    const QUrl searchPage = window().page(Pane::WebSearch)->url();
    evaluate(Pane::WebSearch, QStringLiteral("location.href = %1").arg(jsString(base + QStringLiteral("from-search"))));
    evaluate(Pane::WebMain, QStringLiteral("location.href = %1").arg(jsString(base + QStringLiteral("from-reading"))));
    // Nothing to await: the test checks that no browser is opened.
    QTest::qWait(1000);
    EXPECT_TRUE(browser.opened.isEmpty());

    // A link the reader clicks opens there.
    for (const Pane pane : {Pane::WebSearch, Pane::WebMain}) {
        const QString name
            = pane == Pane::WebSearch ? QStringLiteral("link-in-search") : QStringLiteral("link-in-reading");
        evaluate(pane,
            QStringLiteral("var a = document.createElement('a'); a.id = 'out'; a.href = %1; a.textContent = 'out';"
                           " a.style = 'position: fixed; left: 5px; top: 5px; z-index: 9; font-size: 20px';"
                           " document.body.appendChild(a);")
                .arg(jsString(base + name)));
        QTest::mouseClick(inputWidget(pane), Qt::LeftButton, {},
            elementCentre(pane, QStringLiteral("document.getElementById('out')")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.opened.contains(QUrl(base + name)); }, 10000))
            << name.toStdString();
    }

    // A local page asking for remote content gets none.
    // A frame whose source is remote neither loads nor sends the desktop's
    // browser there: only a navigation of the page itself does.
    evaluate(Pane::WebMain,
        QStringLiteral("var i = document.createElement('img'); i.src = %1; document.body.appendChild(i);"
                       " fetch(%2).catch(function () {});"
                       " var f = document.createElement('iframe'); f.src = %3; document.body.appendChild(f);")
            .arg(jsString(base + QStringLiteral("picture.png")), jsString(base + QStringLiteral("data")),
                jsString(base + QStringLiteral("frame"))));
    // Nothing to await: the test checks that no request leaves the page.
    QTest::qWait(1000);
    EXPECT_EQ(browser.opened.size(), 2);
    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_FALSE(server.waitForNewConnection(200));
    EXPECT_EQ(window().page(Pane::WebSearch)->url(), searchPage);
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length")).toInt(), 7);
}

TEST_F(DesktopWindow, APageReadsOnlyTheProgramsOwnFilesAndOpensNothing)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    DesktopBrowser browser(QStringLiteral("https"));
    // A file beside the application folder, which no page may read or show.
    const QString outside = QFileInfo(appFolder()).path() + QStringLiteral("/outside.htm");
    {
        QFile file(outside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<html><body><script>parent.postMessage('outside', '*'); document.title = "
                   "'outside';</script></body></html>");
    }
    const QString outsideUrl = jsString(QUrl::fromLocalFile(outside).toString());
    // A page in the application folder, as a damaged database could write
    // one, that tries every way out it has.
    const QString hostile = appFolder() + QStringLiteral("/Hostile.htm");
    {
        QFile file(hostile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(
            "<html><body><script>"
            "window.r = {frame: 'none', image: 'waiting', fetch: 'waiting'};"
            "window.addEventListener('message', function (e) { window.r.frame = e.data; });"
            "var x = new XMLHttpRequest();"
            "try { x.open('GET', %1, false); x.send(); window.r.xhr = 'read ' + x.responseText.length; }"
            " catch (e) { window.r.xhr = 'refused'; }"
            "fetch(%1).then(function () { window.r.fetch = 'read'; }, function () { window.r.fetch = 'refused'; });"
            "var i = new Image(); i.onload = function () { window.r.image = 'read'; };"
            " i.onerror = function () { window.r.image = 'refused'; }; i.src = %1;"
            "var f = document.createElement('iframe'); f.src = %1; document.body.appendChild(f);"
            "window.r.open = window.open('WebSurah.Htm') === null ? 'refused' : 'opened';"
            "</script></body></html>")
                       .arg(outsideUrl)
                       .toUtf8());
    }
    QWebEnginePage* pane = page(Pane::WebSearch);
    window().page(Pane::WebSearch)->navigateTo(hostile);
    ASSERT_TRUE(waitUntil(
        Pane::WebSearch, QStringLiteral("!!window.r && window.r.fetch !== 'waiting' && window.r.image !== 'waiting'")));
    // Nothing to await: the test checks that the frame loads nothing.
    QTest::qWait(500);
    EXPECT_EQ(evaluate(Pane::WebSearch, QStringLiteral("JSON.stringify(window.r)")).toString(),
        QStringLiteral("{\"frame\":\"none\",\"image\":\"refused\",\"fetch\":\"refused\",\"xhr\":\"refused\",\"open\":"
                       "\"refused\"}"));

    // Nor does the page itself go to such a file, to a data address or, by
    // script, to a remote one.
    const QUrl hostileUrl = pane->url();
    for (const QString& target : {outsideUrl, QStringLiteral("'data:text/html,<title>data</title>'"),
             QStringLiteral("'https://example.invalid/'")}) {
        evaluate(Pane::WebSearch, QStringLiteral("location.href = %1").arg(target));
        // Nothing to await: the test checks that the page does not go there.
        QTest::qWait(500);
        EXPECT_EQ(pane->url(), hostileUrl) << target.toStdString();
        EXPECT_EQ(evaluate(Pane::WebSearch, QStringLiteral("typeof window.r")).toString(), QStringLiteral("object"));
    }
    EXPECT_TRUE(browser.opened.isEmpty());

    // The web channel reaches only the panes whose events the window handles.
    EXPECT_FALSE(
        evaluate(Pane::WebSearch, QStringLiteral("typeof qt === 'object' && !!qt.webChannelTransport")).toBool());
    EXPECT_TRUE(
        evaluate(Pane::WebSurah, QStringLiteral("typeof qt === 'object' && !!qt.webChannelTransport")).toBool());
    expectNoMessages();
}

class UnderscoreFolderWindow : public WindowTest {
protected:
    UnderscoreFolderWindow() { m_appFolderName = QStringLiteral("app__folder"); }
};

TEST_F(DesktopWindow, ACommandRunsFromTheEventLoopNotInsideTheEnginesQuestion)
{
    // Run inside the engine's call, a command's message boxes and dialogs
    // would spin event loops of their own in the middle of it.
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString before = window().searchLabel()->text();
    const QUrl command = QUrl::fromLocalFile(appFolder() + QStringLiteral("/WebSurah.Htm__Surah = 2"));
    EXPECT_FALSE(NavigationRequest::accept(window().page(Pane::WebSurah), command));
    EXPECT_EQ(window().searchLabel()->text(), before);
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 286")));
    EXPECT_EQ(searchLabelOnceIt(QStringLiteral("  286 verses\n  shown")), QStringLiteral("  286 verses\n  shown"));
    expectNoMessages();
}

TEST_F(UnderscoreFolderWindow, EveryPaneShowsItsPageAndTakesItsCommands)
{
    // startProgram waits for each picker page and the control page.
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(waitUntil(Pane::WebWord, QStringLiteral("!!document.getElementById('cmbWord')")));
    EXPECT_TRUE(waitUntil(Pane::WebSubject, QStringLiteral("!!document.getElementById('cmbSubject')")));
    EXPECT_TRUE(waitUntil(Pane::WebControl, QStringLiteral("!!document.querySelector('select.Row1')")));
    evaluate(Pane::WebSurah, QStringLiteral("location.href = 'WebSurah.Htm__Surah = 2'"));
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 286")));
    expectNoMessages();
}

TEST_F(DesktopWindow, TheWindowIsLaidOutByThePaneArithmetic)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    resizeAndWait(window(), QSize(1100, 780));
    const PaneLayout& layout = window().paneLayout();
    const double dpi = window().logicalDpiX();
    EXPECT_DOUBLE_EQ(layout.outerWidth(), window().frameGeometry().width() * twipsPerPixel(dpi));
    auto expectPlaced = [&] {
        for (const ControlGeometry& control : layout.controls()) {
            PaneControl id = PaneControl::WebSearch;
            for (int i = 0; i < kPaneControlCount; ++i)
                if (&layout.controls()[static_cast<std::size_t>(i)] == &control)
                    id = static_cast<PaneControl>(i);
            QWidget* widget = window().controlWidget(id);
            const QRect placed = pixelRect(control, dpi);
            if (id == PaneControl::WebSurah) {
                // It takes the free room to its right as well.
                EXPECT_EQ(widget->geometry().topLeft(), placed.topLeft());
                EXPECT_GE(widget->width(), placed.width());
                EXPECT_LE(widget->geometry().right(), window().controlWidget(PaneControl::Image1)->x());
            } else {
                EXPECT_EQ(widget->geometry(), placed) << control.name.toStdString();
            }
            EXPECT_EQ(widget->isVisibleTo(&window()), control.visible) << control.name.toStdString();
        }
    };
    expectPlaced();
    // The player strip ends at the bottom of the client area, above the
    // status bar, whatever frame the window has.
    EXPECT_NEAR(window().player()->geometry().bottom() + 1, window().centralWidget()->height(), 1);
    const int shownWidth = window().view(Pane::WebMain)->width();

    window().hidePaneAction()->trigger();
    EXPECT_FALSE(window().view(Pane::WebControl)->isVisible());
    EXPECT_GT(window().view(Pane::WebMain)->width(), shownWidth);
    expectPlaced();
    saveScreenshot(QStringLiteral("window-control-pane-hidden"));
    window().hidePaneAction()->trigger();
    EXPECT_TRUE(window().view(Pane::WebControl)->isVisible());
    EXPECT_EQ(window().view(Pane::WebMain)->width(), shownWidth);

    // A window too small for the arithmetic is no failure anyone hears of.
    resizeAndWait(window(), QSize(40, 30));
    resizeAndWait(window(), QSize(1100, 780));
    expectPlaced();
    expectNoMessages();
}

TEST_F(DesktopWindow, AWindowThatCannotLoadEndsStartUpWithOneMessage)
{
    // The reading page cannot be written where a folder holds its name.
    ASSERT_TRUE(QDir(appFolder()).mkdir(QStringLiteral("Main.htm")));
    EXPECT_EQ(DesktopSession::start(appFolder()), nullptr);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages().first().icon, QMessageBox::Critical);
    EXPECT_TRUE(messages().first().text.contains(QStringLiteral("Main.htm"))) << messages().first().text.toStdString();
    EXPECT_TRUE(QApplication::topLevelWidgets().size() == 0
        || std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
            [](QWidget* widget) { return widget->isVisible(); }));
}

TEST(DesktopStartup, AFolderWithoutTheDatabaseEndsStartUpWithOneMessage)
{
    QTemporaryDir empty;
    MessageBoxWatcher watcher;
    EXPECT_EQ(DesktopSession::start(empty.path()), nullptr);
    ASSERT_EQ(watcher.messages().size(), 1);
    EXPECT_EQ(watcher.messages().first().icon, QMessageBox::Critical);
    EXPECT_EQ(watcher.messages().first().title, QStringLiteral("Tilvora"));
    EXPECT_TRUE(watcher.messages().first().text.contains(QStringLiteral("DIC.DAT")))
        << watcher.messages().first().text.toStdString();
}

} // namespace
} // namespace tilvora::ui::test

#include "window_test.moc"

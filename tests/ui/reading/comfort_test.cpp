// Reading comfort in the desktop window: themes, zoom and the Arabic font
// remembered, search matches highlighted and stepped through, chapter
// headings, bookmarks and the last place kept through a restart.

#include "ui/support/windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "pages/readingtheme.h"
#include "ui/reading/readingcomfort.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QWebEngineView>

namespace tilvora::ui::test {
namespace {

using host::Pane;
using pages::Theme;

using ReadingComfortWindow = WindowTest;

// The colour as the engine reports a computed style: "rgb(r, g, b)".
QString computedColour(const QString& hex)
{
    const QColor colour(hex);
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString backgroundOf(const QString& selector)
{
    return QStringLiteral("getComputedStyle(document.querySelector('%1')).backgroundColor").arg(selector);
}

// "rgb(r, g, b)" as "#rrggbb".
QString hexColour(const QString& computed)
{
    static const QRegularExpression rgb(QStringLiteral("^rgb\\((\\d+), (\\d+), (\\d+)\\)$"));
    const QRegularExpressionMatch match = rgb.match(computed);
    if (!match.hasMatch())
        return computed;
    return QColor(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()).name();
}

QString fontOf(const QString& selector)
{
    return QStringLiteral("getComputedStyle(document.querySelector('%1')).fontFamily").arg(selector);
}

TEST_F(ReadingComfortWindow, ThemesZoomAndTheArabicFontApplyAndAreRemembered)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    ReadingComfort& comfort = window().comfort();
    for (const Theme theme : {Theme::Light, Theme::Sepia, Theme::Dark}) {
        comfort.setTheme(theme);
        const pages::ThemeColours& colours = pages::themeColours(theme);
        // Each text keeps its own band; the picker panes follow the theme.
        for (int order = 0; order < 4; ++order) {
            EXPECT_TRUE(waitUntil(Pane::WebMain,
                backgroundOf(QStringLiteral("td.CSS%1").arg(order))
                    + QStringLiteral(" === '%1'").arg(computedColour(colours.bands[std::size_t(order)]))))
                << pages::themeName(theme).toStdString() << " band " << order;
        }
        // The contrast as the page shows it: its own text colour on its band.
        for (int order = 0; order < 4; ++order) {
            const QString cell = QStringLiteral("td.CSS%1").arg(order);
            const QString text = hexColour(evaluate(
                Pane::WebMain, QStringLiteral("getComputedStyle(document.querySelector('%1')).color").arg(cell))
                                               .toString());
            const QString band = hexColour(evaluate(Pane::WebMain, backgroundOf(cell)).toString());
            EXPECT_GE(pages::contrastRatio(text, band), 7.0)
                << pages::themeName(theme).toStdString() << " " << text.toStdString() << " on " << band.toStdString();
        }
        if (theme != Theme::Light) {
            // The verse being recited, as the recitation marks it.
            evaluate(Pane::WebMain,
                QStringLiteral("document.querySelector('table.sura').classList.add('tilvora-reciting'); true"));
            EXPECT_EQ(hexColour(evaluate(Pane::WebMain, backgroundOf(QStringLiteral("td.CSS1"))).toString()),
                colours.reciting);
            evaluate(Pane::WebMain,
                QStringLiteral("document.querySelector('table.sura').classList.remove('tilvora-reciting'); true"));
            EXPECT_TRUE(waitUntil(Pane::WebSurah,
                backgroundOf(QStringLiteral("body")) + QStringLiteral(" === '%1'").arg(computedColour(colours.page))));
        }
        saveScreenshot(QStringLiteral("theme-%1-chapter1").arg(pages::themeName(theme).toLower()));
    }

    comfort.setZoom(1.5);
    EXPECT_DOUBLE_EQ(window().view(Pane::WebMain)->zoomFactor(), 1.5);
    comfort.setArabicFont(QStringLiteral("Amiri Quran"));
    EXPECT_TRUE(
        waitUntil(Pane::WebMain, fontOf(QStringLiteral("td.CSS0")) + QStringLiteral(".indexOf('Amiri Quran') >= 0")));
    // The Arabic text only: the translations keep their fonts.
    EXPECT_LT(
        evaluate(Pane::WebMain, fontOf(QStringLiteral("td.CSS1")) + QStringLiteral(".indexOf('Amiri Quran')")).toInt(),
        0);

    closeProgram();
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(window().comfort().theme(), Theme::Dark);
    EXPECT_EQ(window().comfort().arabicFont(), QStringLiteral("Amiri Quran"));
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        backgroundOf(QStringLiteral("td.CSS2"))
            + QStringLiteral(" === '%1'").arg(computedColour(pages::themeColours(Theme::Dark).bands[2]))));
    EXPECT_TRUE(
        waitUntil(Pane::WebMain, fontOf(QStringLiteral("td.CSS0")) + QStringLiteral(".indexOf('Amiri Quran') >= 0")));
    EXPECT_DOUBLE_EQ(window().view(Pane::WebMain)->zoomFactor(), 1.5);

    // The keys and the wheel with Ctrl held.
    QTest::keyClick(&window(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(window().view(Pane::WebMain)->zoomFactor(), 1.5);
    QTest::keyClick(&window(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window().view(Pane::WebMain)->zoomFactor(), 1.0);
    QWidget* input = window().view(Pane::WebMain)->focusProxy();
    ASSERT_NE(input, nullptr);
    const QPointF centre = QPointF(input->rect().center());
    QWheelEvent wheel(
        centre, input->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(input, &wheel);
    EXPECT_GT(window().view(Pane::WebMain)->zoomFactor(), 1.0);
    expectNoMessages();
}

// Every text a page shows, as "what|text colour|background colour": the
// elements with text of their own, the lists and their entries, the
// placeholders of empty fields; the background is the nearest one painted.
const QString kShownTexts = QStringLiteral(R"((function () {
  function opaque(colour) { return !/^rgba\(.*, 0\)$/.test(colour) && colour !== 'transparent'; }
  function backgroundOf(element) {
    for (var e = element; e && e.nodeType === 1; e = e.parentElement) {
      var colour = getComputedStyle(e).backgroundColor;
      if (opaque(colour)) return colour;
    }
    return 'rgb(255, 255, 255)';
  }
  function shown(e) { return e.getClientRects().length > 0 && getComputedStyle(e).visibility === 'visible'; }
  var found = [];
  var all = document.body ? document.body.getElementsByTagName('*') : [];
  for (var i = 0; i < all.length; ++i) {
    var e = all[i];
    var what = e.tagName + (e.id ? '#' + e.id : '') + (e.className ? '.' + e.className : '');
    if (e.tagName === 'OPTION') {
      var list = e.parentElement.closest('select');
      if (list && shown(list)) found.push(what + '|' + getComputedStyle(e).color + '|'
          + (opaque(getComputedStyle(e).backgroundColor) ? getComputedStyle(e).backgroundColor : backgroundOf(list)));
      continue;
    }
    if (!shown(e)) continue;
    var own = Array.prototype.some.call(e.childNodes, function (n) { return n.nodeType === 3 && n.nodeValue.trim(); });
    if (own || e.tagName === 'SELECT' || (e.tagName === 'INPUT' && e.type !== 'checkbox'))
      found.push(what + '|' + getComputedStyle(e).color + '|' + backgroundOf(e));
    if (e.placeholder && !e.value)
      found.push(what + '::placeholder|' + getComputedStyle(e, '::placeholder').color + '|' + backgroundOf(e));
  }
  return found;
})())");

TEST_F(ReadingComfortWindow, EveryTextOfEveryPaneStandsOutInEveryTheme)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    for (const Theme theme : pages::allThemes()) {
        window().comfort().setTheme(theme);
        const pages::ThemeColours& colours = pages::themeColours(theme);
        if (theme != Theme::Light) {
            ASSERT_TRUE(waitUntil(Pane::WebControl,
                backgroundOf(QStringLiteral("body")) + QStringLiteral(" === '%1'").arg(computedColour(colours.page))));
        }
        for (const Pane pane :
            {Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl, Pane::WebMain}) {
            const QStringList texts = evaluate(pane, kShownTexts).toStringList();
            EXPECT_FALSE(texts.isEmpty()) << host::paneName(pane).toStdString();
            for (const QString& text : texts) {
                const QStringList parts = text.split(QLatin1Char('|'));
                ASSERT_EQ(parts.size(), 3) << text.toStdString();
                const double ratio = pages::contrastRatio(hexColour(parts[1]), hexColour(parts[2]));
                EXPECT_GE(ratio, 4.5) << pages::themeName(theme).toStdString() << " "
                                      << host::paneName(pane).toStdString() << " " << text.toStdString();
            }
        }
    }
}

TEST_F(ReadingComfortWindow, AnArabicSearchHighlightsItsMatchesUnderHeadingsAndStepsThroughThem)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // Typed with its vowel marks, "Whole Quran" ticked as it starts.
    evaluate(Pane::WebSearch,
        QStringLiteral("document.getElementById('txtSearch').value = '\u0631\u064E\u062D\u0652\u0645\u064E\u0629';"
                       " document.getElementById('cmdSearch').click(); true"));
    ASSERT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.querySelectorAll('table.sura').length > 50 && "
                       "window.tilvoraComfort && tilvoraComfort.matchCount() > 50")));
    // Matched through the folding: the Uthmani text's own marks and its teh
    // marbuta are inside the highlighted words.
    const QString uthmaniMatch
        = evaluate(Pane::WebMain, QStringLiteral("document.querySelector('td.CSS0 mark.tilvora-match').textContent"))
              .toString();
    EXPECT_TRUE(uthmaniMatch.contains(QChar(0x0629)) && uthmaniMatch.contains(QChar(0x064E)))
        << uthmaniMatch.toStdString();

    // One heading before the first verse of each chapter shown.
    const QStringList refs = evaluate(Pane::WebMain,
        QStringLiteral("Array.prototype.map.call(document.querySelectorAll('table.sura'),"
                       " function (t) { return t.id; }).join(',')"))
                                 .toString()
                                 .split(QLatin1Char(','));
    const int chapters
        = queryValue(QStringLiteral("SELECT COUNT(DISTINCT SurahNo) FROM MD_Ayah_TAB WHERE AyahRef IN (%1)")
                         .arg(refs.join(QLatin1Char(','))))
              .toInt();
    EXPECT_GT(chapters, 10);
    EXPECT_EQ(evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('.tilvora-heading').length")).toInt(),
        chapters);
    EXPECT_TRUE(evaluate(Pane::WebMain, QStringLiteral("document.querySelector('.tilvora-heading').textContent"))
                    .toString()
                    .startsWith(QStringLiteral("2 Al-Baqarah")));

    const QString currentIndex
        = QStringLiteral("Array.prototype.indexOf.call(document.querySelectorAll('mark.tilvora-match'),"
                         " document.querySelector('mark.tilvora-current'))");
    QTest::keyClick(&window(), Qt::Key_F3);
    QTest::keyClick(&window(), Qt::Key_F3);
    EXPECT_TRUE(waitUntil(Pane::WebMain, currentIndex + QStringLiteral(" === 1")));
    QTest::keyClick(&window(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(waitUntil(Pane::WebMain, currentIndex + QStringLiteral(" === 0")));
    saveScreenshot(QStringLiteral("search-matches"));

    // A new theme restyles the page and keeps its marks and headings as they
    // are: the match stepped to stays the current one.
    evaluate(Pane::WebMain, QStringLiteral("document.querySelector('mark.tilvora-current').tilvoraKept = true"));
    window().comfort().setTheme(Theme::Dark);
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        backgroundOf(QStringLiteral("td.CSS0"))
            + QStringLiteral(" === '%1' && document.querySelector('mark.tilvora-current').tilvoraKept === true &&"
                             " document.querySelectorAll('.tilvora-heading').length === %2")
                  .arg(computedColour(pages::themeColours(Theme::Dark).bands[0]))
                  .arg(chapters)));

    // A chapter pick is no search: nothing is highlighted, no heading.
    evaluate(Pane::WebSurah,
        QStringLiteral("var s = document.getElementById('cmbSurah'); s.value = '19';"
                       " s.dispatchEvent(new Event('change', {bubbles: true})); true"));
    EXPECT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("document.querySelectorAll('table.sura').length === 98 && "
                       "tilvoraComfort.matchCount() === 0 && "
                       "document.querySelectorAll('.tilvora-heading').length === 0")));
    expectNoMessages();
}

TEST_F(ReadingComfortWindow, BookmarksAndTheLastPlaceSurviveARestart)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const int throne
        = queryValue(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 2 AND AyahNo = 255")).toInt();
    ReadingComfort& comfort = window().comfort();

    // "Bookmark this verse" in the verse's menu, offered until it is bookmarked.
    const QPoint verse3 = elementCentre(Pane::WebMain, QStringLiteral("document.getElementById('3').rows[1].cells[0]"));
    QMenu* menu = verseMenuAt(inputWidget(Pane::WebMain), verse3);
    ASSERT_NE(menu, nullptr);
    QAction* bookmarkThis = menu->findChild<QAction*>(QStringLiteral("MnuBookmarkVerse"));
    ASSERT_NE(bookmarkThis, nullptr);
    EXPECT_EQ(bookmarkThis->text(), QStringLiteral("&Bookmark this verse"));
    bookmarkThis->trigger();
    menu->close();
    EXPECT_EQ(comfort.bookmarks().bookmarks(), (QList<store::VersePlace>{{1, 3}}));
    menu = verseMenuAt(inputWidget(Pane::WebMain), verse3);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("MnuBookmarkVerse")), nullptr);
    menu->close();

    EXPECT_TRUE(comfort.bookmarkVerse(throne));
    EXPECT_FALSE(comfort.bookmarkVerse(throne));

    // A bookmark opens its chapter at the verse.
    QAction* open = nullptr;
    for (QAction* action : comfort.bookmarksMenu()->actions()) {
        if (action->text().contains(QStringLiteral("2:255")))
            open = action;
    }
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->text().startsWith(QStringLiteral("2 Al-Baqarah  2:255  \u2014  "))) << open->text().toStdString();
    open->trigger();
    const QString atThrone = QStringLiteral("document.querySelectorAll('table.sura').length === 286 && "
                                            "window.tilvoraComfort && tilvoraComfort.topVerse() === %1")
                                 .arg(throne);
    EXPECT_TRUE(waitUntil(Pane::WebMain, atThrone));

    closeProgram();
    startProgram(atThrone);
    ASSERT_FALSE(HasFatalFailure());
    QMenu* remove = window().comfort().bookmarksMenu()->findChild<QMenu*>(QStringLiteral("MnuRemoveBookmark"));
    ASSERT_NE(remove, nullptr);
    ASSERT_EQ(remove->actions().size(), 2);
    remove->actions().at(0)->trigger();
    EXPECT_EQ(window().comfort().bookmarks().bookmarks(), (QList<store::VersePlace>{{2, 255}}));
    // The content database holds none of it.
    EXPECT_EQ(queryValue(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE '%ookmark%'")).toInt(), 0);

    // Ctrl+D says what it did.
    QTest::keyClick(&window(), Qt::Key_D, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(
        window().statusBar()->currentMessage().contains(QStringLiteral("2:255 is bookmarked already")), 5000);
    window().comfort().openPlace({2, 256});
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("tilvoraComfort.topVerse() === %1").arg(throne + 1)));
    QTest::keyClick(&window(), Qt::Key_D, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(
        window().statusBar()->currentMessage().startsWith(QStringLiteral("Bookmarked Al-Baqarah 2:256")), 5000);
    EXPECT_EQ(window().comfort().bookmarks().bookmarks().size(), 2);
    expectNoMessages();
}

TEST_F(ReadingComfortWindow, AFoldedMatchIsHighlightedWhereTheTextWritesASuperscriptAlef)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // 2:61 is found through the searchable text's full alef (واحد), which the
    // reading text writes as a superscript alef (وَٰحِدٍ).
    const int verse
        = queryValue(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 2 AND AyahNo = 61")).toInt();
    evaluate(Pane::WebSearch,
        QStringLiteral("document.getElementById('txtSearch').value = '\u0627\u062D\u062F';"
                       " document.getElementById('cmdSearch').click(); true"));
    ASSERT_TRUE(waitUntil(Pane::WebMain,
        QStringLiteral("!!document.getElementById('%1') && window.tilvoraComfort && tilvoraComfort.matchCount() > 0")
            .arg(verse)));
    const QString marked = evaluate(Pane::WebMain,
        QStringLiteral("Array.prototype.map.call(document.getElementById('%1')"
                       ".querySelectorAll('td.CSS0 mark.tilvora-match'),"
                       " function (m) { return m.textContent; }).join(' ')")
            .arg(verse))
                               .toString();
    EXPECT_TRUE(marked.contains(QChar(0x0670)) && marked.contains(QChar(0x062D))) << marked.toStdString();
    expectNoMessages();
}

TEST_F(ReadingComfortWindow, EndRightAfterOpeningALongChapterGoesToItsLastVerse)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const int last = queryValue(QStringLiteral("SELECT MAX(AyahRef) FROM MD_Ayah_TAB WHERE SurahNo = 2")).toInt();
    window().logic().executeCommand(QStringLiteral("__Surah = 2"));
    // Pressed while the page is still coming.
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("!!document.getElementById('%1')").arg(last - 285)));
    window().view(Pane::WebMain)->setFocus();
    QTest::keyClick(inputWidget(Pane::WebMain), Qt::Key_End, Qt::ControlModifier);
    const QString lastInView = QStringLiteral("(function () { var t = document.getElementById('%1');"
                                              " if (!t || document.readyState !== 'complete') return false;"
                                              " var r = t.getBoundingClientRect();"
                                              " return r.bottom <= innerHeight + 1 && r.bottom > 0; })()")
                                   .arg(last);
    EXPECT_TRUE(waitUntil(Pane::WebMain, lastInView));
    // Still there once the fonts are in and the verses laid out.
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.fonts.status === 'loaded'")));
    EXPECT_TRUE(evaluate(Pane::WebMain, lastInView).toBool());
    expectNoMessages();
}

TEST_F(ReadingComfortWindow, ADamagedBookmarksFileIsSetAsideAndTheProgramStarts)
{
    ASSERT_TRUE(QDir().mkpath(userDataFolder() + QStringLiteral("/tilvora")));
    QFile damaged(userDataFolder() + QStringLiteral("/tilvora/bookmarks.sqlite"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("not a database; ").repeated(300));
    damaged.close();

    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("set aside"))) << messages()[0].text.toStdString();
    EXPECT_TRUE(window().comfort().bookmarks().bookmarks().isEmpty());
    EXPECT_EQ(QDir(userDataFolder() + QStringLiteral("/tilvora"))
                  .entryList({QStringLiteral("bookmarks.sqlite.damaged-*")})
                  .size(),
        1);
}

TEST_F(ReadingComfortWindow, ABookmarkOrPlaceThatCannotBeStoredIsSaidOnceEach)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // The bookmarks' folder takes no new file, as a read-only folder does:
    // SQLite cannot make the journal of a change.
    ASSERT_TRUE(QDir().mkpath(userDataFolder() + QStringLiteral("/tilvora/bookmarks.sqlite-journal")));
    const int verse
        = queryValue(QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = 1 AND AyahNo = 4")).toInt();

    EXPECT_FALSE(window().comfort().bookmarkVerse(verse));
    EXPECT_TRUE(window().comfort().bookmarks().bookmarks().isEmpty());
    EXPECT_EQ(messages().size(), 1);
    closeProgram();
    ASSERT_EQ(messages().size(), 2);
    EXPECT_TRUE(messages()[0].text.startsWith(QStringLiteral("Your bookmark of 1:4 was not stored: the file ")))
        << messages()[0].text.toStdString();
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("bookmarks.sqlite or its folder cannot be written")))
        << messages()[0].text.toStdString();
    EXPECT_TRUE(
        messages()[1].text.startsWith(QStringLiteral("The place where you stopped reading (1:1) was not stored")))
        << messages()[1].text.toStdString();
}

TEST_F(ReadingComfortWindow, ASettingsFileThatIsAFolderIsSaidOnce)
{
    const QString settings = QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Tilvora/Tilvora.ini");
    ASSERT_TRUE(QDir().mkpath(settings));
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().comfort().setTheme(Theme::Dark);
    window().comfort().zoomBy(1);
    closeProgram();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(messages()[0].text,
        QStringLiteral("Your settings cannot be kept: %1 is a folder, not a file. The choices you make now last until "
                       "Tilvora closes.")
            .arg(settings));
}

} // namespace
} // namespace tilvora::ui::test

// The window in the reader's language: chosen in View > Language it applies
// at once to the menus, the controls and the messages; Arabic lays the whole
// window out right to left (the control pane on the other side, the strip's
// verse buttons in reading order) and English comes back without a restart;
// a left-to-right language keeps the layout; the choice is kept.

#include "ui/support/windowfixture.h"

#include "host/texthost.h"
#include "navigation/mainwindowlogic.h"
#include "playback/recitationplan.h"
#include "ui/memorise/memorisedesk.h"
#include "ui/memorise/reviewwindow.h"
#include "ui/reading/readingcomfort.h"
#include "ui/recitation/playerstrip.h"
#include "ui/shell/interfacelanguage.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

namespace tilvora::ui::test {
namespace {

using host::Pane;

using LanguageWindow = WindowTest;

// Chooses the language as the reader does, in View > Language.
void choose(MainWindow& window, const QString& code)
{
    auto* action = window.findChild<QAction*>(QStringLiteral("MnuLanguage_") + code);
    ASSERT_TRUE(action) << code.toStdString();
    action->trigger();
}

QStringList menuTitles(MainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

bool writtenIn(const QString& text, QChar::Script script)
{
    return std::any_of(text.cbegin(), text.cend(), [script](QChar c) { return c.isLetter() && c.script() == script; });
}

bool allWrittenIn(const QStringList& texts, QChar::Script script)
{
    return std::all_of(texts.cbegin(), texts.cend(), [script](const QString& text) { return writtenIn(text, script); });
}

int leftOf(QWidget* control, MainWindow& window)
{
    return control->mapTo(&window, QPoint(0, 0)).x();
}

TEST_F(LanguageWindow, ArabicMirrorsTheWholeWindowAndEnglishComesBackWithoutARestart)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QStringList english = menuTitles(window());
    const int shown = evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length")).toInt();
    auto* previous = window().player()->findChild<QToolButton*>(QStringLiteral("previousVerse"));
    auto* next = window().player()->findChild<QToolButton*>(QStringLiteral("nextVerse"));
    ASSERT_TRUE(previous && next);

    choose(window(), QStringLiteral("ar"));
    QTRY_VERIFY_WITH_TIMEOUT(allWrittenIn(menuTitles(window()), QChar::Script_Arabic), 5000);
    EXPECT_TRUE(writtenIn(
        window().player()->findChild<QToolButton*>(QStringLiteral("playPause"))->toolTip(), QChar::Script_Arabic));
    // The count of verses shown, in words and digits of the language.
    EXPECT_TRUE(writtenIn(window().searchLabel()->text(), QChar::Script_Arabic));
    EXPECT_TRUE(window().searchLabel()->text().contains(QLocale(QLocale::Arabic).toString(shown)));
    // Mirrored: the control pane left of the reading pane, the previous
    // verse right of the next.
    EXPECT_EQ(window().layoutDirection(), Qt::RightToLeft);
    QTRY_VERIFY(leftOf(window().view(Pane::WebControl), window()) < leftOf(window().view(Pane::WebMain), window()));
    EXPECT_GT(leftOf(previous, window()), leftOf(next, window()));
    // A message box of the window speaks Arabic.
    window().handleEvent([] { throw 0; });
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(writtenIn(messages().constFirst().text, QChar::Script_Arabic));
    // The chapter named in Arabic where the window names it, and the search
    // pane's own texts in Arabic too.
    const QString arabicName
        = queryValue(QStringLiteral("SELECT SurahName FROM GN_Surah_TAB WHERE SurahNo = 1")).toString();
    window().comfort().bookmarkTopVerse();
    QTRY_VERIFY(window().statusBar()->currentMessage().contains(arabicName));
    EXPECT_TRUE(waitUntil(Pane::WebSearch,
        QStringLiteral("/\\p{Script=Arabic}/u.test("
                       "document.getElementById('cmdSearch').textContent)")));
    saveScreenshot(QStringLiteral("window-arabic"));
    // A line the program's logic words is in Arabic too, with what was
    // searched for in its place.
    window().logic().executeCommand(QStringLiteral("__Search = *qqxzz"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("!!document.getElementById('tilvoraEmptyPage')")));
    const QString empty
        = evaluate(Pane::WebMain, QStringLiteral("document.getElementById('tilvoraEmptyPage').textContent")).toString();
    EXPECT_TRUE(writtenIn(empty, QChar::Script_Arabic)) << empty.toStdString();
    EXPECT_TRUE(empty.contains(QStringLiteral("qqxzz"))) << empty.toStdString();

    choose(window(), QStringLiteral("en"));
    QTRY_COMPARE_WITH_TIMEOUT(menuTitles(window()), english, 5000);
    EXPECT_EQ(window().layoutDirection(), Qt::LeftToRight);
    QTRY_VERIFY(leftOf(window().view(Pane::WebControl), window()) > leftOf(window().view(Pane::WebMain), window()));
    EXPECT_LT(leftOf(previous, window()), leftOf(next, window()));
    EXPECT_FALSE(writtenIn(window().searchLabel()->text(), QChar::Script_Arabic));
}

TEST_F(LanguageWindow, ALeftToRightLanguageKeepsTheLayoutAndIsChosenAgainAtTheNextStart)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const QString englishLabel = window().searchLabel()->text();
    const QStringList english = menuTitles(window());

    choose(window(), QStringLiteral("fr"));
    // Every menu in the language as its translation says, none left as it was.
    const auto translated = [this, &english] {
        const QStringList titles = menuTitles(window());
        for (qsizetype i = 0; i < titles.size(); ++i) {
            if (i < english.size() && titles[i] == english[i])
                return false;
        }
        return titles.size() == english.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(translated(), 5000);
    EXPECT_NE(window().searchLabel()->text(), englishLabel);
    EXPECT_EQ(window().layoutDirection(), Qt::LeftToRight);
    EXPECT_GT(leftOf(window().view(Pane::WebControl), window()), leftOf(window().view(Pane::WebMain), window()));
    const QStringList french = menuTitles(window());
    // The chapters by the names French readers give them.
    const QString frenchName
        = queryValue(QStringLiteral("SELECT Name FROM GN_SurahName_TAB WHERE SurahNo = 1 AND Language = 'fr'"))
              .toString();
    window().comfort().bookmarkTopVerse();
    QTRY_VERIFY(window().statusBar()->currentMessage().contains(frenchName));

    closeProgram();
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(InterfaceLanguage::instance().choice(), QStringLiteral("fr"));
    EXPECT_EQ(menuTitles(window()), french);
    expectNoMessages();
}

TEST_F(LanguageWindow, TheLogicsMessagesAndTheControlPanesNamesAreShownInTheLanguageTheTextHostKeepsItsEnglish)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    choose(window(), QStringLiteral("ru"));
    QTRY_VERIFY_WITH_TIMEOUT(allWrittenIn(menuTitles(window()), QChar::Script_Cyrillic), 5000);

    // A range whose end is not a verse: the window's message in Russian,
    // with what was typed in its place.
    playback::RecitationRequest wrong;
    wrong.from = QStringLiteral("2:1");
    wrong.to = QStringLiteral("2:x");
    window().logic().recite(wrong);
    ASSERT_EQ(messages().size(), 1);
    const QString shown = messages().constFirst().text;
    EXPECT_TRUE(writtenIn(shown, QChar::Script_Cyrillic)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("2:x"))) << shown.toStdString();
    // The text host's line for the same request stays in the logic's words.
    QString lines;
    QTextStream out(&lines);
    host::TextHost textHost(out);
    navigation::MainWindowLogic logic(window().state(), textHost);
    logic.recite(wrong);
    out.flush();
    EXPECT_TRUE(lines.startsWith(QStringLiteral("error\t"))) << lines.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("2:x")));
    EXPECT_FALSE(writtenIn(lines, QChar::Script_Cyrillic)) << lines.toStdString();

    // The control pane's lists named for a screen reader in Russian too.
    EXPECT_TRUE(waitUntil(Pane::WebControl,
        QStringLiteral("/\\p{Script=Cyrillic}/u.test("
                       "document.querySelector('select').getAttribute('aria-label') || '')")));
}

TEST_F(LanguageWindow, AReviewOpenBesideTheWindowTakesTheLanguageChosenWhileItIsOpen)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    MemoriseDesk& desk = window().memorise();
    ASSERT_TRUE(desk.learnVerses(13, 31));
    desk.startReview();
    ReviewWindow* review = desk.reviewWindow();
    ASSERT_NE(review, nullptr);
    auto* grade = review->findChild<QPushButton*>(QStringLiteral("ReviewGrade1"));
    ASSERT_TRUE(grade);
    const QString title = review->windowTitle();
    const QString heading = review->heading()->text();
    const QString button = grade->text();

    choose(window(), QStringLiteral("ru"));
    QTRY_VERIFY_WITH_TIMEOUT(writtenIn(review->windowTitle(), QChar::Script_Cyrillic), 5000);
    EXPECT_TRUE(writtenIn(review->heading()->text(), QChar::Script_Cyrillic))
        << review->heading()->text().toStdString();
    EXPECT_TRUE(writtenIn(grade->text(), QChar::Script_Cyrillic)) << grade->text().toStdString();
    // And back, as it was.
    choose(window(), QStringLiteral("en"));
    QTRY_COMPARE_WITH_TIMEOUT(review->windowTitle(), title, 5000);
    EXPECT_EQ(review->heading()->text(), heading);
    EXPECT_EQ(grade->text(), button);
    review->close();
}

} // namespace
} // namespace tilvora::ui::test

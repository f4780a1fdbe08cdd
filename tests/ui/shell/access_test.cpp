// The window without a mouse and without sight: Tab goes through the
// controls as they are seen, the reading pane's verse cursor moves, recites,
// copies and opens the verse menu by keys, every control shows its focus,
// and a screen reader finds the verses and a name on every control.

#include "ui/support/windowfixture.h"

#include "navigation/mainwindowlogic.h"
#include "pages/readingtheme.h"
#include "playback/verseplayer.h"
#include "ui/reading/readingcomfort.h"
#include "ui/recitation/playerstrip.h"
#include "ui/shell/mainwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QSlider>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

namespace tilvora::ui::test {
namespace {

using host::Pane;
using layout::PaneControl;

using AccessWindow = WindowTest;

// The control of `order` that holds the keyboard's focus, or null.
QWidget* focusHolder(const QList<QWidget*>& order)
{
    QWidget* focused = QApplication::focusWidget();
    for (QWidget* control : order) {
        if (control == focused || (focused && control->isAncestorOf(focused)))
            return control;
    }
    return nullptr;
}

QString cursorVerse()
{
    return QStringLiteral("(function () { var t = document.querySelector('table.tilvora-cursor');"
                          " return t ? t.id : ''; })()");
}

TEST_F(AccessWindow, AReaderWithoutAMouseRecitesCopiesAndOpensTheVerseMenu)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    // Tab goes through the controls as they are seen: from the magnifier to
    // the leftmost picker, from the gear to the reading pane, out of the
    // reading pane to the divider, and through the strip left to right.
    const auto pane = [&](Pane which) { return static_cast<QWidget*>(window().view(which)); };
    QList<QWidget*> pickers{pane(Pane::WebSubject), pane(Pane::WebWord), pane(Pane::WebSurah)};
    std::sort(pickers.begin(), pickers.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    QList<QWidget*> controls{pane(Pane::WebSearch), pane(Pane::WebMain), pane(Pane::WebControl)};
    controls += pickers;
    for (const PaneControl picture : {PaneControl::PicSearch, PaneControl::Image1, PaneControl::ImgMain})
        controls.append(window().controlWidget(picture));
    const auto tabFrom = [&](QWidget* from, Qt::KeyboardModifiers modifiers = {}) {
        from->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        QWidget* reached = nullptr;
        (void)QTest::qWaitFor([&] { return (reached = focusHolder(controls)) != from && reached; }, 5000);
        return reached;
    };
    EXPECT_EQ(tabFrom(window().controlWidget(PaneControl::PicSearch)), pickers.first());
    EXPECT_EQ(tabFrom(window().controlWidget(PaneControl::Image1)), pane(Pane::WebMain));
    EXPECT_EQ(tabFrom(pane(Pane::WebMain)), window().controlWidget(PaneControl::ImgMain));
    EXPECT_EQ(tabFrom(window().controlWidget(PaneControl::ImgMain), Qt::ShiftModifier), pane(Pane::WebMain));
    QList<QWidget*> strip;
    window().player()->findChild<QWidget*>(QStringLiteral("previousVerse"))->setFocus(Qt::TabFocusReason);
    while (window().player()->isAncestorOf(QApplication::focusWidget()) && strip.size() < 20) {
        strip.append(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_GE(strip.size(), 9); // previous, play, next, stop, position, repeat, speed, mute, volume
    EXPECT_TRUE(std::is_sorted(strip.cbegin(), strip.cend(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); }));

    // Play with nothing chosen, by Space on the strip's play button: the
    // first verse of the view.
    auto* play = window().player()->findChild<QAbstractButton*>(QStringLiteral("playPause"));
    play->setFocus(Qt::TabFocusReason);
    QTest::keyClick(play, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window().markedVerse() == 1; }, 10000));
    window().logic().stopRecitation();

    // The verse cursor starts at the top verse and follows the keys.
    window().view(Pane::WebMain)->setFocus(Qt::TabFocusReason);
    QWidget* input = inputWidget(Pane::WebMain);
    ASSERT_TRUE(waitUntil(Pane::WebMain, cursorVerse() + QStringLiteral(" === '1'")));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers, const char* verse) {
        QTest::keyClick(input, key, modifiers);
        EXPECT_TRUE(waitUntil(Pane::WebMain, cursorVerse() + QStringLiteral(" === '%1'").arg(QLatin1String(verse))))
            << "after key " << key << ": " << evaluate(Pane::WebMain, cursorVerse()).toString().toStdString();
    };
    press(Qt::Key_Down, {}, "2");
    press(Qt::Key_End, {}, "7");
    press(Qt::Key_Home, {}, "1");
    press(Qt::Key_PageDown, {}, "7"); // the whole chapter fits in the pane
    press(Qt::Key_Up, {}, "6");
    press(Qt::Key_PageUp, {}, "1");
    press(Qt::Key_Down, {}, "2");
    // The cursor shows: a ring drawn around its verse.
    EXPECT_NE(evaluate(Pane::WebMain,
                  QStringLiteral("getComputedStyle(document.querySelector('table.tilvora-cursor')).boxShadow"))
                  .toString(),
        QStringLiteral("none"));

    // Enter recites the verse, as a double-click does.
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return session().state().gLastAyahRef == 2; }, 10000));
    EXPECT_TRUE(window().versePlayer()->url().endsWith(QStringLiteral("001.mp3")));
    window().logic().stopRecitation();

    // Ctrl+C with nothing selected copies the verse with its reference.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return QGuiApplication::clipboard()->text().endsWith(QStringLiteral("(Al-Fatihah 1:2)")); }, 5000))
        << QGuiApplication::clipboard()->text().toStdString();

    // The menu key and Shift+F10 open the verse menu of the verse.
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers{}},
             std::pair{Qt::Key_F10, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
        QTest::keyClick(input, key, modifiers);
        QWidget* menu = nullptr;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return (menu = QApplication::activePopupWidget()) && menu->objectName() == u"VerseMenu"; }, 5000))
            << key;
        ASSERT_NE(menu, nullptr);
        EXPECT_NE(menu->findChild<QAction*>(QStringLiteral("MnuReciteFromHere")), nullptr);
        // Shown at the verse, not where the pointer happens to be.
        EXPECT_TRUE(
            window().view(Pane::WebMain)->rect().contains(window().view(Pane::WebMain)->mapFromGlobal(menu->pos())));
        menu->close();
    }

    // File > Quit, by its keys.
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window().isVisible(); }, 5000));
}

TEST_F(AccessWindow, EveryControlShowsItsFocusInEveryTheme)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QList<QWidget*> controls{window().controlWidget(PaneControl::PicSearch),
        window().controlWidget(PaneControl::Image1), window().controlWidget(PaneControl::ImgMain)};
    for (QWidget* control : window().player()->findChildren<QWidget*>()) {
        if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus))
            controls.append(control);
    }
    const QString focusRing = QStringLiteral("getComputedStyle(document.activeElement).outlineStyle");
    for (const pages::Theme theme : pages::allThemes()) {
        window().comfort().setTheme(theme);
        // A control's picture with the focus differs from its picture without.
        for (QWidget* control : controls) {
            window().setFocus();
            const QImage without = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            EXPECT_NE(control->grab().toImage(), without)
                << pages::themeName(theme).toStdString() << " " << control->objectName().toStdString();
        }
        // In the search pane, Tab from the box to the "Whole Quran" box rings it.
        window().view(Pane::WebSearch)->setFocus(Qt::TabFocusReason);
        evaluate(Pane::WebSearch, QStringLiteral("document.getElementById('txtSearch').focus(); true"));
        QTest::keyClick(inputWidget(Pane::WebSearch), Qt::Key_Tab);
        EXPECT_TRUE(waitUntil(Pane::WebSearch, QStringLiteral("document.activeElement.id === 'chkAll'")));
        EXPECT_EQ(evaluate(Pane::WebSearch, focusRing).toString(), QStringLiteral("solid"))
            << pages::themeName(theme).toStdString();
    }
}

// The accessible objects under `root`, depth first, to `depth` levels.
void collect(QAccessibleInterface* root, QList<QAccessibleInterface*>& found, int depth = 40)
{
    if (!root || depth == 0)
        return;
    found.append(root);
    for (int index = 0; index < root->childCount(); ++index)
        collect(root->child(index), found, depth - 1);
}

QString allTexts(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> found;
    collect(root, found);
    QStringList texts;
    for (QAccessibleInterface* node : found)
        texts << node->text(QAccessible::Name) << node->text(QAccessible::Value);
    return texts.join(QLatin1Char('\n'));
}

TEST_F(AccessWindow, AScreenReaderFindsTheVersesAndANameOnEveryControl)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    // As an assistive technology does when it starts listening (the
    // offscreen platform has none to tell the engine).
    QAccessible::setActive(true);

    // The reading pane's verses: text and reference.
    const QString verse
        = evaluate(Pane::WebMain, QStringLiteral("document.getElementById('2').rows[1].cells[0].innerText.trim()"))
              .toString();
    ASSERT_FALSE(verse.isEmpty());
    QAccessibleInterface* reading = QAccessible::queryAccessibleInterface(window().view(Pane::WebMain));
    ASSERT_NE(reading, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QString texts = allTexts(reading);
            return texts.contains(verse) && texts.contains(QStringLiteral("{1:2}"));
        },
        15000))
        << allTexts(reading).left(2000).toStdString();

    // The control pane's lists and voices, named.
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(window().view(Pane::WebControl));
    const auto named = [control](QAccessible::Role role, const QString& name) {
        QList<QAccessibleInterface*> found;
        collect(control, found);
        return std::any_of(found.cbegin(), found.cend(), [&](QAccessibleInterface* node) {
            return node->role() == role && node->text(QAccessible::Name).startsWith(name);
        });
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return named(QAccessible::ComboBox, QStringLiteral("Text in row 1"))
                && named(QAccessible::RadioButton, QStringLiteral("Demo voice"));
        },
        15000))
        << allTexts(control).left(2000).toStdString();

    // A name on every control of the strip, and on the pictures that act.
    QList<QAccessibleInterface*> strip;
    collect(QAccessible::queryAccessibleInterface(window().player()), strip);
    int stripControls = 0;
    for (QAccessibleInterface* node : strip) {
        const QAccessible::Role role = node->role();
        if (role != QAccessible::Button && role != QAccessible::Slider && role != QAccessible::ComboBox)
            continue;
        ++stripControls;
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << node->object()->objectName().toStdString();
    }
    EXPECT_GE(stripControls, 9); // previous, play, next, stop, position, repeat, speed, mute, volume
    for (const PaneControl picture : {PaneControl::PicSearch, PaneControl::Image1}) {
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(window().controlWidget(picture));
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_FALSE(button->text(QAccessible::Name).isEmpty());
    }

    // The voice menu holds only the items it shows.
    QMenu* voices = window().setDataPathMenu();
    const auto shown = std::count_if(
        voices->actions().cbegin(), voices->actions().cend(), [](const QAction* item) { return item->isVisible(); });
    EXPECT_EQ(QAccessible::queryAccessibleInterface(voices)->childCount(), shown);
    QAccessible::setActive(false);
}

} // namespace
} // namespace tilvora::ui::test

// What the window shows of the reader's choices: the pickers follow the
// reading pane, the control pane follows what is stored (and empties a row),
// the texts and voice are kept between runs, and a damaged settings file is
// told of and written clean.

#include "ui/support/windowfixture.h"

#include "control/selection.h"
#include "navigation/mainwindowlogic.h"
#include "ui/reading/readingcomfort.h"
#include "ui/shell/choicememory.h"
#include "ui/shell/controlpanefollower.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

namespace tilvora::ui::test {
namespace {

using host::Pane;

using ChoicesWindow = WindowTest;

// A pick as the reader makes it: the list gets the focus, its value
// changes, the change event reaches the page's handler.
QString pickScript(const QString& selector, const QString& value)
{
    return QStringLiteral("(function () { var e = document.querySelector('%1'); e.focus(); e.value = '%2';"
                          " e.dispatchEvent(new Event('change', {bubbles: true})); return e.selectedIndex; })()")
        .arg(selector, value);
}

QString valueOf(const QString& selector)
{
    return QStringLiteral("document.querySelector('%1').value").arg(selector);
}

TEST_F(ChoicesWindow, EveryPickerShowsWhatTheReadingPaneShowsSoAnyPickTakesEffect)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(waitUntil(Pane::WebSurah, valueOf(QStringLiteral("#cmbSurah")) + QStringLiteral(" === '1'")));

    // A search: no list says what is shown; the label says how many verses
    // were found.
    window().logic().executeCommand(QStringLiteral("__Search = *mercy"));
    ASSERT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length > 7")));
    EXPECT_TRUE(waitUntil(Pane::WebSurah, valueOf(QStringLiteral("#cmbSurah")) + QStringLiteral(" === ''")));
    const int found = evaluate(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length")).toInt();
    const QString caption = QStringLiteral("  %1 verses\n  found").arg(found);
    EXPECT_EQ(searchLabelOnceIt(caption), caption);

    // Chapter 1, picked again, shows again.
    EXPECT_EQ(evaluate(Pane::WebSurah, pickScript(QStringLiteral("#cmbSurah"), QStringLiteral("1"))).toInt(), 1);
    EXPECT_TRUE(waitUntil(Pane::WebMain, QStringLiteral("document.querySelectorAll('table.sura').length === 7")));

    // A bookmark's chapter is the chapter list's choice; a word pick empties it.
    window().comfort().openPlace({2, 255});
    EXPECT_TRUE(waitUntil(Pane::WebSurah, valueOf(QStringLiteral("#cmbSurah")) + QStringLiteral(" === '2'")));
    const QString word
        = evaluate(Pane::WebWord, QStringLiteral("document.getElementById('cmbWord').options[5].value")).toString();
    evaluate(Pane::WebWord, pickScript(QStringLiteral("#cmbWord"), word));
    EXPECT_TRUE(waitUntil(Pane::WebSurah, valueOf(QStringLiteral("#cmbSurah")) + QStringLiteral(" === ''")));
    EXPECT_EQ(evaluate(Pane::WebWord, valueOf(QStringLiteral("#cmbWord"))).toString(), word);
    expectNoMessages();
}

TEST_F(ChoicesWindow, TheControlPaneShowsWhatIsStoredAndARowCanBeEmptied)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const control::StoredChoices before = control::storedControlChoices(window().state());
    ASSERT_FALSE(before.rows[1].isEmpty());
    ASSERT_FALSE(before.rows[3].isEmpty());

    // Row 1's text chosen for row 3 leaves row 1, whose list then shows its
    // empty entry.
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row3"), before.rows[1]));
    EXPECT_TRUE(waitUntil(Pane::WebControl,
        valueOf(QStringLiteral("select.Row1")) + QStringLiteral(" === '' && ") + valueOf(QStringLiteral("select.Row3"))
            + QStringLiteral(" === '%1'").arg(before.rows[1])));
    EXPECT_EQ(evaluate(Pane::WebControl,
                  QStringLiteral("(function (l) { return l.options[l.selectedIndex].text; })"
                                 "(document.querySelector('select.Row1'))"))
                  .toString(),
        ControlPaneFollower::emptyRowCaption());

    // Row 2's empty entry empties row 2.
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row2"), QString()));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return control::storedControlChoices(window().state()).rows[2].isEmpty(); }, 10000));
    EXPECT_EQ(control::storedControlChoices(window().state()).rows[3], before.rows[1]);
    expectNoMessages();
}

TEST_F(ChoicesWindow, TheTextsAndVoiceChosenAreChosenAgainAtTheNextStart)
{
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(window().choiceMemory().rememberAction()->isChecked());
    const control::StoredChoices first = control::storedControlChoices(window().state());
    const QStringList voices = window().state().gVoiceIds.split(QLatin1Char(','));
    ASSERT_GT(voices.size(), 1);
    const QString otherVoice = voices.at(voices.indexOf(first.voice) == 0 ? 1 : 0);
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row3"), first.rows[1]));
    evaluate(Pane::WebControl, pickScript(QStringLiteral("select.Row2"), QString()));
    evaluate(Pane::WebControl,
        QStringLiteral("document.querySelector('input.Voice[value=\"%1\"]').click()").arg(otherVoice));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const control::StoredChoices now = control::storedControlChoices(window().state());
            return now.voice == otherVoice && now.rows[2].isEmpty() && now.rows[3] == first.rows[1];
        },
        10000));
    const control::StoredChoices chosen = control::storedControlChoices(window().state());
    closeProgram();

    // The program starts with its own choices, then takes the reader's again;
    // a kept program that no longer exists is passed over without a word.
    openUserSettings()->setValue(QStringLiteral("texts/row1"), QStringLiteral("987654"));
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    const control::StoredChoices again = control::storedControlChoices(window().state());
    EXPECT_EQ(again.rows[0], chosen.rows[0]);
    EXPECT_EQ(again.rows[2], QString());
    EXPECT_EQ(again.rows[3], chosen.rows[3]);
    EXPECT_EQ(again.voice, otherVoice);
    EXPECT_TRUE(waitUntil(Pane::WebControl,
        valueOf(QStringLiteral("select.Row2"))
            + QStringLiteral(" === '' && document.querySelector('input.Voice[value=\"%1\"]').checked")
                  .arg(otherVoice)));
    expectNoMessages();

    // Not remembered: the program's own choices stay.
    window().choiceMemory().rememberAction()->setChecked(false);
    closeProgram();
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(window().choiceMemory().rememberAction()->isChecked());
    EXPECT_EQ(control::storedControlChoices(window().state()).rows, first.rows);
    expectNoMessages();
}

TEST_F(ChoicesWindow, ADamagedSettingsFileIsToldOnceAndWrittenClean)
{
    const QString path = openUserSettings()->fileName();
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[reading\nzoom=1.5\n\x01\x02 junk without a value\n[reading]\ntheme=Purple\n");
    }
    startProgram();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().text.contains(QStringLiteral("damaged"))) << messages().first().text.toStdString();
    closeProgram();
    // Read again: sound, the junk gone, every value one the program uses.
    const auto settings = openUserSettings();
    EXPECT_EQ(settings->status(), QSettings::NoError);
    EXPECT_EQ(settings->value(QStringLiteral("reading/theme")).toString(), QStringLiteral("Light"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("junk"));
}

} // namespace
} // namespace tilvora::ui::test

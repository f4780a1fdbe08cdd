#include "ui/panes/panetexts.h"

namespace tilvora::ui {

QJsonObject PaneTexts::table()
{
    // Each text as the pages write it, and as the reader's language does.
    const QJsonObject texts{
        {QStringLiteral("Search"), tr("Search")},
        {QStringLiteral("Whole Quran"), tr("Whole Quran")},
        {QStringLiteral("Arabic without vowel marks, or words of a translation"),
            tr("Arabic without vowel marks, or words of a translation")},
        {QStringLiteral("Arabic is found without vowel marks; translations ignore letter case"),
            tr("Arabic is found without vowel marks; translations ignore letter case")},
        {QStringLiteral("Search every verse of every text; unticked, only the page shown is searched"),
            tr("Search every verse of every text; unticked, only the page shown is searched")},
        //: The first entry of the list of chapters (surahs).
        {QStringLiteral("Chapter"), tr("Chapter")},
        //: The first entry of the list of the thirty parts (juz).
        {QStringLiteral("Part"), tr("Part")},
        //: The first entry of the list of roots, which are found automatically.
        {QStringLiteral("Root (approx.)"), tr("Root (approx.)")},
        //: The first entry of the list of subjects, with the Arabic word.
        {QStringLiteral("Subject · موضوع"), tr("Subject · موضوع")},
        //: The first entry of the list of words, with the Arabic word.
        {QStringLiteral("كلمة · Word"), tr("كلمة · Word")},
        {QStringLiteral("Show a chapter (surah)"), tr("Show a chapter (surah)")},
        {QStringLiteral("Show a part (juz)"), tr("Show a part (juz)")},
        {QStringLiteral("Show the verses of a root (roots are found automatically and are approximate)"),
            tr("Show the verses of a root (roots are found automatically and are approximate)")},
        {QStringLiteral("Show the verses of a subject"), tr("Show the verses of a subject")},
        {QStringLiteral("Show the verses that hold a word (written without vowel marks)"),
            tr("Show the verses that hold a word (written without vowel marks)")},
    };
    //: A part (juz) in its list: %1 is its number.
    return {{QStringLiteral("texts"), texts}, {QStringLiteral("part"), tr("Part %1")}};
}

QJsonObject PaneTexts::controlNames()
{
    //: A screen reader's name of the list that chooses the text shown in a row of the reading pane; %1 is the
    //: row's number (1 to 4).
    return {{QStringLiteral("row"), tr("Text in row %1")},
        //: A screen reader's name of the link beside a voice that sets the folder of its recordings; %1 is the
        //: voice's name.
        {QStringLiteral("mediaFolder"), tr("Media folder of %1")}};
}

} // namespace tilvora::ui

// The messages the program's logic words, shown in the reader's language:
// each found by its English wording, the names, numbers and messages in it
// kept in their places (and themselves translated where they are messages).

#include "ui/dialogs/logictext.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tilvora::ui {
namespace {

bool writtenInCyrillic(const QString& text)
{
    return std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Cyrillic; });
}

TEST(LogicText, AMessageOfTheLogicIsShownInTheLanguageWithWhatItNamesInPlace)
{
    QTranslator russian;
    ASSERT_TRUE(russian.load(QStringLiteral("tilvora_ru"), QStringLiteral(TILVORA_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&russian);

    // A chapter file's failure, as the chapter alignment lists it.
    const QString silent = LogicText::translated(
        QStringLiteral("No recitation found in /home/r/Husary/002.mp3: it holds only silence or steady noise."));
    EXPECT_TRUE(writtenInCyrillic(silent)) << silent.toStdString();
    EXPECT_TRUE(silent.contains(QStringLiteral("/home/r/Husary/002.mp3"))) << silent.toStdString();
    // A message holding another: both in the language.
    const QString chapter = LogicText::translated(QStringLiteral("chapter 7: the server cannot be reached"));
    EXPECT_TRUE(chapter.contains(QLatin1Char('7'))) << chapter.toStdString();
    EXPECT_FALSE(chapter.contains(QStringLiteral("server"))) << chapter.toStdString();
    EXPECT_TRUE(writtenInCyrillic(chapter)) << chapter.toStdString();
    // A text the logic does not word stays as it is.
    const QString other = QStringLiteral("Connection refused");
    EXPECT_EQ(LogicText::translated(other), other);

    QCoreApplication::removeTranslator(&russian);
}

} // namespace
} // namespace tilvora::ui

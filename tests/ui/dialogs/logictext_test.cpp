// The messages the program's logic words, shown in the reader's language:
// each found by its English wording, the names, numbers and messages in it
// kept in their places (and themselves translated where they are messages).

#include "ui/dialogs/logictext.h"

#include <QCoreApplication>
#include <QGlyphRun>
#include <QTextLayout>
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

// Where the character text[index] is drawn in a right-to-left line.
qreal drawnAt(const QString& text, qsizetype index)
{
    QTextLayout layout(text, QFont());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = line.glyphRuns(static_cast<int>(index), 1);
    return runs.isEmpty() || runs.constFirst().positions().isEmpty() ? -1
                                                                     : runs.constFirst().positions().constFirst().x();
}

TEST(LogicText, AFolderInARightToLeftMessageReadsAsWritten)
{
    QTranslator arabic;
    ASSERT_TRUE(arabic.load(QStringLiteral("tilvora_ar"), QStringLiteral(TILVORA_TRANSLATIONS_DIR)));
    QCoreApplication::installTranslator(&arabic);
    const QString shown = LogicText::translated(QStringLiteral("The folder /home/r/Husary does not exist."));
    QCoreApplication::removeTranslator(&arabic);

    // Its first slash drawn left of the "h" after it, not carried to its end.
    const qsizetype slash = shown.indexOf(QStringLiteral("/home"));
    ASSERT_GE(slash, 0) << shown.toStdString();
    EXPECT_LT(drawnAt(shown, slash), drawnAt(shown, slash + 1)) << shown.toStdString();
}

} // namespace
} // namespace tilvora::ui

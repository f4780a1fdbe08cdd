#include "navigation/panecommand.h"

#include <gtest/gtest.h>

using tilvora::navigation::parsePaneCommand;

TEST(PaneCommand, CutsNameAndValueAroundTheFirstEquals)
{
    auto command = parsePaneCommand(QStringLiteral("__Surah = 1"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, QStringLiteral("Surah"));
    EXPECT_EQ(command->value, QStringLiteral("1"));
    EXPECT_FALSE(command->isControl);

    // Blanks: the one before "=" is dropped, the others are trimmed.
    command = parsePaneCommand(QStringLiteral("file:///opt/t/__Word    =    abc  "));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, QStringLiteral("Word"));
    EXPECT_EQ(command->value, QStringLiteral("abc"));

    // Only the first "=" separates; the value keeps the others.
    command = parsePaneCommand(QStringLiteral("__Search = a = b"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->value, QStringLiteral("a = b"));

    // Only blanks are trimmed; a tab or a no-break space is part of the text.
    command = parsePaneCommand(QStringLiteral("__Search =  \u00A0abc\t "));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->value, QStringLiteral("\u00A0abc\t"));
    command = parsePaneCommand(QStringLiteral("__\tSurah = 1"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, QStringLiteral("\tSurah"));
}

TEST(PaneCommand, ControlCommandsAndTheNameAgainstTheEquals)
{
    auto command = parsePaneCommand(QStringLiteral("file:///opt/t/_Control.htm__Row2 = 14"));
    ASSERT_TRUE(command);
    EXPECT_TRUE(command->isControl);
    EXPECT_EQ(command->name, QStringLiteral("Row2"));
    EXPECT_EQ(command->value, QStringLiteral("14"));

    // A name written against the "=" loses its last letter.
    command = parsePaneCommand(QStringLiteral("_Control.htm__SetV= 3"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, QStringLiteral("Set"));
}

TEST(PaneCommand, AnEarlierMarkerCutsThereAndBrokenFormsAreIgnored)
{
    // A "__" in the folder part is taken as the marker.
    auto command = parsePaneCommand(QStringLiteral("file:///my__books/__Surah = 2"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, QStringLiteral("books/__Surah"));

    EXPECT_FALSE(parsePaneCommand(QStringLiteral("file:///opt/t/WebSurah.Htm")));
    EXPECT_FALSE(parsePaneCommand(QStringLiteral("__Surah")));
    EXPECT_FALSE(parsePaneCommand(QStringLiteral("__=1")));
    EXPECT_FALSE(parsePaneCommand(QStringLiteral("=__Surah 1")));
}

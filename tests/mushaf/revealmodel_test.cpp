#include "mushaf/revealmodel.h"

#include <gtest/gtest.h>

namespace tilvora::mushaf {
namespace {

// Five words: line 1 holds verse 1's first two words, line 2 verse 1's last
// word and verse 2.
RevealModel madeModel()
{
    RevealModel model;
    model.reset({{1, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 2}});
    return model;
}

TEST(RevealModel, RevealsByWordLineAndVerseAndHidesBack)
{
    RevealModel model = madeModel();
    EXPECT_EQ(model.revealedCount(), 0);
    EXPECT_TRUE(model.revealWord());
    EXPECT_TRUE(model.revealLine()); // the rest of line 1
    EXPECT_EQ(model.revealedCount(), 2);
    EXPECT_TRUE(model.revealVerse()); // verse 1's last word, on line 2
    EXPECT_EQ(model.revealedCount(), 3);
    EXPECT_TRUE(model.isRevealed(2));
    EXPECT_FALSE(model.isRevealed(3));
    EXPECT_TRUE(model.hideLast());
    EXPECT_EQ(model.revealedCount(), 2);
    EXPECT_TRUE(model.revealAll());
    EXPECT_TRUE(model.allRevealed());
    EXPECT_FALSE(model.revealWord());
    EXPECT_FALSE(model.revealLine());
}

TEST(RevealModel, HidingBeyondTheFirstWordAndResettingStartOver)
{
    RevealModel model = madeModel();
    EXPECT_FALSE(model.hideLast());
    model.revealAll();
    model.reset({{1, 3}});
    EXPECT_EQ(model.wordCount(), 1);
    EXPECT_EQ(model.revealedCount(), 0);
}

} // namespace
} // namespace tilvora::mushaf

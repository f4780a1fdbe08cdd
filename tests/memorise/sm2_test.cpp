#include "memorise/sm2.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tilvora::memorise;

namespace {
const QDate kStart(2026, 3, 1);
}

// SM-2 as published: EF' = EF + (0.1 - (5 - q) * (0.08 + (5 - q) * 0.02)),
// never below 1.3; I(1) = 1, I(2) = 6, I(n) = I(n-1) * EF rounded up; a
// quality below 3 starts the repetitions over without changing EF.
TEST(Sm2, FollowsThePublishedEasinessAndIntervalRules)
{
    for (const auto& [grade, change] : {std::pair{Grade::Hard, -0.14}, {Grade::Good, 0.0}, {Grade::Easy, 0.1}}) {
        Card card = newCard(kStart);
        card.easiness = 2.0;
        EXPECT_NEAR(reviewed(card, grade, kStart).easiness, 2.0 + change, 1e-9) << qualityOf(grade);
    }
    Card low = newCard(kStart);
    low.easiness = 1.35;
    EXPECT_NEAR(reviewed(low, Grade::Hard, kStart).easiness, 1.3, 1e-9);

    Card card = newCard(kStart);
    card.easiness = 2.6;
    std::vector<int> intervals;
    for (int n = 0; n < 4; ++n) {
        card = reviewed(card, Grade::Good, card.due);
        intervals.push_back(card.intervalDays);
    }
    const int third = static_cast<int>(std::ceil(6 * 2.6));
    EXPECT_EQ(intervals, (std::vector<int>{1, 6, third, static_cast<int>(std::ceil(third * 2.6))}));
    EXPECT_EQ(card.state(), VerseState::Learnt);

    const Card forgotten = reviewed(card, Grade::Again, kStart.addDays(100));
    EXPECT_EQ(forgotten.due, kStart.addDays(100));
    EXPECT_EQ(forgotten.repetitions, 0);
    EXPECT_EQ(forgotten.state(), VerseState::Learning);
    EXPECT_DOUBLE_EQ(forgotten.easiness, card.easiness);
    EXPECT_EQ(reviewed(forgotten, Grade::Good, kStart.addDays(100)).intervalDays, 1);
}

TEST(Sm2, APageGradedGoodEachTimeReachesIntervalsOfWeeks)
{
    Card card = newCard(kStart);
    std::vector<int> reviewDays;
    for (QDate day = kStart; kStart.daysTo(day) <= 60; day = day.addDays(1)) {
        if (card.due > day)
            continue;
        reviewDays.push_back(static_cast<int>(kStart.daysTo(day)));
        card = reviewed(card, Grade::Good, day);
    }
    EXPECT_EQ(reviewDays, (std::vector<int>{0, 1, 7, 22, 60}));
    EXPECT_GT(card.intervalDays, 4 * 7);
}

TEST(Sm2, GradesReadAsTheirNamesOnly)
{
    for (const Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy})
        EXPECT_EQ(gradeFromName(gradeName(grade)), grade);
    EXPECT_FALSE(gradeFromName(QStringLiteral("great")).has_value());
    EXPECT_FALSE(gradeFromName(QString()).has_value());
}

// Where the reader stands, on a made book: page 1 holds verses 1:1-1:4,
// page 2 holds 2:1-2:4; page 1 is part 1, page 2 part 2.

#include "memorise/progress.h"

#include <gtest/gtest.h>

using namespace tilvora::memorise;
using tilvora::store::VersePlace;

namespace {
const QDate kToday(2026, 5, 10);

ScheduledVerse verse(int surah, int ayah, int repetitions, QDate due)
{
    ScheduledVerse scheduled{{surah, ayah}, newCard(kToday)};
    scheduled.card.repetitions = repetitions;
    scheduled.card.due = due;
    return scheduled;
}

TEST(Progress, CountsSharesTheNextTwoWeeksAndTheDaysInARow)
{
    const ProgressPlaces places{[](VersePlace place) { return place.surah; },
        [](VersePlace place) { return place.surah; }, [](int) { return 4; },
        [](int part) { return part <= 2 ? 4 : 100; }};
    const std::vector<ScheduledVerse> verses = {verse(1, 1, 2, kToday.addDays(-3)), verse(1, 2, 1, kToday.addDays(5)),
        verse(1, 3, 1, kToday.addDays(6)), verse(1, 4, 3, kToday.addDays(20)), verse(2, 1, 0, kToday.addDays(5))};
    const std::set<QDate> days = {kToday.addDays(-1), kToday.addDays(-2), kToday.addDays(-4)};

    const Progress progress = progressOf(verses, days, places, kToday);
    EXPECT_EQ(progress.versesLearnt, 4);
    EXPECT_EQ(progress.versesLearning, 1);
    EXPECT_EQ(progress.pagesLearnt, 1); // page 2 holds one verse only being learnt
    EXPECT_DOUBLE_EQ(progress.partShare[0], 1.0);
    EXPECT_DOUBLE_EQ(progress.partShare[1], 0.25);
    EXPECT_DOUBLE_EQ(progress.partShare[2], 0.0);
    // Page 1 is overdue (counted today), page 2 falls due in five days.
    std::array<int, kForecastDays> due{};
    due[0] = 1;
    due[5] = 1;
    EXPECT_EQ(progress.pagesDue, due);
    // No review yet today: yesterday's run of two days stands.
    EXPECT_EQ(progress.daysInARow, 2);
    EXPECT_EQ(progressOf(verses, {kToday.addDays(-2)}, places, kToday).daysInARow, 0);

    const QString svg
        = progressSvg(progress, {QStringLiteral("#111"), QStringLiteral("#999"), QStringLiteral("#2e8b57")}, kToday,
            QStringLiteral("Parts"), QStringLiteral("Days & pages"));
    EXPECT_TRUE(svg.startsWith(QStringLiteral("<svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<title>Part 2: 25%</title>")));
    EXPECT_TRUE(svg.contains(QStringLiteral("Days &amp; pages")));
}
} // namespace

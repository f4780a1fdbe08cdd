#include "memorise/reviewlist.h"

#include <gtest/gtest.h>

using namespace tilvora::memorise;
using tilvora::store::VersePlace;

namespace {
const QDate kToday(2026, 5, 10);

// A verse per page in these tests: verse A of chapter 1 lies on page A.
int pageOf(VersePlace place)
{
    return place.ayah;
}

ScheduledVerse verseOn(int page, int dueInDays, int reviewedDaysAgo = 1)
{
    Card card = newCard(kToday);
    card.due = kToday.addDays(dueInDays);
    card.lastReview = kToday.addDays(-reviewedDaysAgo);
    return {{1, page}, card};
}

std::vector<int> pagesOf(const std::vector<PageReview>& list)
{
    std::vector<int> pages;
    for (const PageReview& review : list)
        pages.push_back(review.page);
    return pages;
}
} // namespace

TEST(ReviewList, TheOverduePagesFirstThenTodaysOldestFirstAndNothingNotYetDue)
{
    const std::vector<ScheduledVerse> verses = {
        verseOn(5, 0, 3), verseOn(6, 0, 9), verseOn(7, -4), verseOn(8, -1), verseOn(9, 1), {{2, 7}, newCard(kToday)}};
    const auto byPage = [](VersePlace place) { return place.surah == 2 ? 7 : pageOf(place); };
    const std::vector<PageReview> list = dayReview(verses, byPage, kToday);
    EXPECT_EQ(pagesOf(list), (std::vector<int>{7, 8, 6, 5}));
    EXPECT_EQ(list[0].versesDue, 2);
    EXPECT_EQ(list[0].daysOverdue, 4);
    EXPECT_EQ(list[2].daysOverdue, 0);
}

TEST(ReviewList, TheDailyLimitCarriesTheRestOverInOrder)
{
    std::vector<ScheduledVerse> verses;
    for (int page = 1; page <= 30; ++page)
        verses.push_back(verseOn(page, 0, 31 - page));
    const std::vector<PageReview> today = dayReview(verses, pageOf, kToday);
    ASSERT_EQ(today.size(), std::size_t(kDefaultDailyLimit));
    EXPECT_EQ(today.front().page, 1);

    // Today's twenty are reviewed and due again tomorrow; tomorrow the ten
    // carried over come first, in the same order.
    for (const PageReview& review : today)
        verses[std::size_t(review.page - 1)].card
            = reviewed(verses[std::size_t(review.page - 1)].card, Grade::Good, kToday);
    const std::vector<PageReview> next = dayReview(verses, pageOf, kToday.addDays(1), 5);
    EXPECT_EQ(pagesOf(next), (std::vector<int>{21, 22, 23, 24, 25}));
    EXPECT_EQ(next.front().daysOverdue, 1);
}

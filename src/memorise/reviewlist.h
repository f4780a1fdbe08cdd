#pragma once

#include "sm2.h"
#include "store/bookmarkstore.h"

#include <functional>
#include <vector>

namespace tilvora::memorise {

inline constexpr int kDefaultDailyLimit = 20;

// A verse being learnt, with its schedule.
struct ScheduledVerse {
    store::VersePlace place;
    Card card;
};

// A page in a day's review: how many of its verses are due, and how many
// days the earliest of them is overdue (0 when due that day).
struct PageReview {
    int page = 0;
    int versesDue = 0;
    int daysOverdue = 0;
};

using PageOf = std::function<int(store::VersePlace)>;

// The day's review, by page, as memorisers revise: a page is due when any of
// its verses being learnt is due. First the overdue pages, the longest
// overdue first; then the pages due on `today`; within each, the page
// reviewed longest ago first, then by number. At most `limit` pages. The
// rest are carried to the next day, where they come first and in the same
// order: were the day's own pages put before them, a reader who keeps to
// the limit would never reach a page once carried.
std::vector<PageReview> dayReview(
    const std::vector<ScheduledVerse>& verses, const PageOf& pageOf, QDate today, int limit = kDefaultDailyLimit);

// The verses being learnt on a page, to which a grade of the page applies.
std::vector<store::VersePlace> versesOnPage(const std::vector<ScheduledVerse>& verses, const PageOf& pageOf, int page);

} // namespace tilvora::memorise

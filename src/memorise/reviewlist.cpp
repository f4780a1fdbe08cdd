#include "reviewlist.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace tilvora::memorise {

namespace {
struct PageDue {
    PageReview review;
    QDate earliestDue;
    QDate oldestReview;
};
} // namespace

std::vector<PageReview> dayReview(
    const std::vector<ScheduledVerse>& verses, const PageOf& pageOf, QDate today, int limit)
{
    std::map<int, PageDue> pages;
    for (const ScheduledVerse& verse : verses) {
        if (verse.card.due > today)
            continue;
        const int page = pageOf(verse.place);
        if (page <= 0)
            continue;
        auto [it, added] = pages.try_emplace(page, PageDue{{page, 0, 0}, verse.card.due, verse.card.lastReview});
        PageDue& due = it->second;
        ++due.review.versesDue;
        due.earliestDue = std::min(due.earliestDue, verse.card.due);
        due.oldestReview = std::min(due.oldestReview, verse.card.lastReview);
    }
    std::vector<PageDue> order;
    order.reserve(pages.size());
    for (auto& [page, due] : pages) {
        due.review.daysOverdue = static_cast<int>(due.earliestDue.daysTo(today));
        order.push_back(due);
    }
    const auto key = [](const PageDue& due) {
        return std::make_tuple(due.review.daysOverdue == 0, due.earliestDue, due.oldestReview, due.review.page);
    };
    std::sort(order.begin(), order.end(), [&](const PageDue& a, const PageDue& b) { return key(a) < key(b); });
    std::vector<PageReview> list;
    for (const PageDue& due : order) {
        if (static_cast<int>(list.size()) >= limit)
            break;
        list.push_back(due.review);
    }
    return list;
}

std::vector<store::VersePlace> versesOnPage(const std::vector<ScheduledVerse>& verses, const PageOf& pageOf, int page)
{
    std::vector<store::VersePlace> places;
    for (const ScheduledVerse& verse : verses) {
        if (pageOf(verse.place) == page)
            places.push_back(verse.place);
    }
    return places;
}

} // namespace tilvora::memorise

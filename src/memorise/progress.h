#pragma once

#include "reviewlist.h"

#include <QDate>
#include <QString>

#include <array>
#include <set>
#include <vector>

namespace tilvora::memorise {

inline constexpr int kPartCount = 30;
inline constexpr int kForecastDays = 14;

// Where the reader stands: how many verses are being learnt and learnt
// (recalled at least once), the pages of which every verse is learnt, each
// part's share of verses taken up, how many pages fall due on each of the
// next 14 days (today first, with what is overdue), and the days in a row,
// up to today, with a review done (a day without one yet today does not
// break the run).
struct Progress {
    int versesLearning = 0;
    int versesLearnt = 0;
    int pagesLearnt = 0;
    std::array<double, kPartCount> partShare{};
    std::array<int, kForecastDays> pagesDue{};
    int daysInARow = 0;
};

// What progress needs to know of the mushaf: the page and the part (1..30)
// where a verse begins, and how many verses each page and part holds.
struct ProgressPlaces {
    PageOf pageOf;
    PageOf partOf;
    std::function<int(int page)> versesOnPage;
    std::function<int(int part)> versesInPart;
};

Progress progressOf(const std::vector<ScheduledVerse>& verses, const std::set<QDate>& reviewDays,
    const ProgressPlaces& places, QDate today);

// Colours of a chart: the text, the faint lines, the bars and shades.
struct ChartColours {
    QString text;
    QString faint;
    QString accent;
};

// The progress as one SVG picture: the 30 parts in a grid of 6 by 5, each
// shaded by its share and labelled with its number and percentage, and the
// next 14 days as bars with their counts (each day by its day of the
// month); each under its heading.
QString progressSvg(const Progress& progress, const ChartColours& colours, QDate today, const QString& partsHeading,
    const QString& daysHeading);

} // namespace tilvora::memorise

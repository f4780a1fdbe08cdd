#include "progress.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tilvora::memorise {

namespace {
constexpr int kGridColumns = 6;
constexpr int kCellWidth = 88;
constexpr int kCellHeight = 44;
constexpr int kBarWidth = 38;
constexpr int kBarsHeight = 120;
constexpr int kHeadingHeight = 26;

QString svgText(const QString& text)
{
    return text.toHtmlEscaped();
}
} // namespace

Progress progressOf(const std::vector<ScheduledVerse>& verses, const std::set<QDate>& reviewDays,
    const ProgressPlaces& places, QDate today)
{
    Progress progress;
    std::array<int, kPartCount> takenUp{};
    // Per page: the verses learnt on it, and the earliest day one falls due.
    std::map<int, int> learntOnPage;
    std::map<int, QDate> pageDue;
    for (const ScheduledVerse& verse : verses) {
        const bool learnt = verse.card.state() == VerseState::Learnt;
        ++(learnt ? progress.versesLearnt : progress.versesLearning);
        const int part = places.partOf(verse.place);
        if (part >= 1 && part <= kPartCount)
            ++takenUp[static_cast<std::size_t>(part - 1)];
        const int page = places.pageOf(verse.place);
        if (page <= 0)
            continue;
        if (learnt)
            ++learntOnPage[page];
        auto [due, added] = pageDue.try_emplace(page, verse.card.due);
        if (!added)
            due->second = std::min(due->second, verse.card.due);
    }
    for (const auto& [page, count] : learntOnPage) {
        if (count >= places.versesOnPage(page))
            ++progress.pagesLearnt;
    }
    for (int part = 1; part <= kPartCount; ++part) {
        const int total = places.versesInPart(part);
        const auto index = static_cast<std::size_t>(part - 1);
        progress.partShare.at(index) = total > 0 ? std::min(1.0, double(takenUp.at(index)) / total) : 0.0;
    }
    for (const auto& [page, due] : pageDue) {
        const qint64 day = std::max<qint64>(0, today.daysTo(due));
        if (day < kForecastDays)
            ++progress.pagesDue.at(static_cast<std::size_t>(day));
    }
    QDate day = reviewDays.count(today) ? today : today.addDays(-1);
    while (reviewDays.count(day)) {
        ++progress.daysInARow;
        day = day.addDays(-1);
    }
    return progress;
}

QString progressSvg(const Progress& progress, const ChartColours& colours, QDate today, const QString& partsHeading,
    const QString& daysHeading)
{
    const int width = kGridColumns * kCellWidth;
    const int gridTop = kHeadingHeight;
    const int gridHeight = (kPartCount / kGridColumns) * kCellHeight;
    const int barsTop = gridTop + gridHeight + kHeadingHeight + 16;
    const int height = barsTop + kBarsHeight + 40;
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                                 "font-family=\"sans-serif\" font-size=\"12\" fill=\"%3\">")
                      .arg(width)
                      .arg(height)
                      .arg(colours.text);
    const auto heading = [&](const QString& text, int y) {
        svg += QStringLiteral("<text x=\"0\" y=\"%1\" font-weight=\"bold\" font-size=\"14\">%2</text>")
                   .arg(y)
                   .arg(svgText(text));
    };
    heading(partsHeading, kHeadingHeight - 8);
    heading(daysHeading, barsTop - 8);
    for (int part = 0; part < kPartCount; ++part) {
        const int x = (part % kGridColumns) * kCellWidth;
        const int y = gridTop + (part / kGridColumns) * kCellHeight;
        const double share = progress.partShare.at(static_cast<std::size_t>(part));
        svg += QStringLiteral("<g><title>Part %1: %2%</title>").arg(part + 1).arg(std::lround(share * 100));
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" stroke=\"%5\"/>")
                   .arg(x + 2)
                   .arg(y + 2)
                   .arg(kCellWidth - 4)
                   .arg(kCellHeight - 4)
                   .arg(colours.faint);
        if (share > 0)
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" "
                                  "fill-opacity=\"%6\"/>")
                       .arg(x + 2)
                       .arg(y + 2)
                       .arg(kCellWidth - 4)
                       .arg(kCellHeight - 4)
                       .arg(colours.accent)
                       .arg(0.15 + 0.6 * share, 0, 'f', 2);
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3 · %4%</text></g>")
                   .arg(x + kCellWidth / 2)
                   .arg(y + kCellHeight / 2 + 4)
                   .arg(part + 1)
                   .arg(std::lround(share * 100));
    }
    const int most = std::max(1, *std::max_element(progress.pagesDue.begin(), progress.pagesDue.end()));
    const int step = width / kForecastDays;
    for (int day = 0; day < kForecastDays; ++day) {
        const int count = progress.pagesDue.at(static_cast<std::size_t>(day));
        const int bar = count * (kBarsHeight - 16) / most;
        const int x = day * step + (step - kBarWidth) / 2;
        const int base = barsTop + kBarsHeight;
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                   .arg(x)
                   .arg(base - bar)
                   .arg(kBarWidth)
                   .arg(bar)
                   .arg(colours.accent);
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                   .arg(x + kBarWidth / 2)
                   .arg(base - bar - 4)
                   .arg(count);
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                   .arg(x + kBarWidth / 2)
                   .arg(base + 16)
                   .arg(today.addDays(day).day());
    }
    svg += QStringLiteral("<line x1=\"0\" x2=\"%1\" y1=\"%2\" y2=\"%2\" stroke=\"%3\"/>")
               .arg(width)
               .arg(barsTop + kBarsHeight)
               .arg(colours.faint);
    svg += QStringLiteral("</svg>");
    return svg;
}

} // namespace tilvora::memorise

#include "sm2.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tilvora::memorise {

namespace {
const std::array<QString, 4> kNames
    = {QStringLiteral("again"), QStringLiteral("hard"), QStringLiteral("good"), QStringLiteral("easy")};
constexpr double kLeastEasiness = 1.3;
} // namespace

std::optional<Grade> gradeFromName(const QString& name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name)
            return static_cast<Grade>(i);
    }
    return std::nullopt;
}

QString gradeName(Grade grade)
{
    return kNames.at(static_cast<std::size_t>(grade));
}

int qualityOf(Grade grade)
{
    switch (grade) {
    case Grade::Again:
        return 1;
    case Grade::Hard:
        return 3;
    case Grade::Good:
        return 4;
    case Grade::Easy:
        return 5;
    }
    return 0;
}

Card newCard(QDate today)
{
    Card card;
    card.due = today;
    card.lastReview = today;
    return card;
}

Card reviewed(const Card& card, Grade grade, QDate today)
{
    Card next = card;
    next.lastReview = today;
    const int quality = qualityOf(grade);
    if (quality < 3) {
        next.repetitions = 0;
        next.intervalDays = 0;
        next.due = today;
        return next;
    }
    const int miss = 5 - quality;
    next.easiness = std::max(kLeastEasiness, card.easiness + 0.1 - miss * (0.08 + miss * 0.02));
    next.repetitions = card.repetitions + 1;
    if (next.repetitions == 1)
        next.intervalDays = 1;
    else if (next.repetitions == 2)
        next.intervalDays = 6;
    else
        // Rounded to 1e-9 first, so that 6 * 2.5 stays 15 and is not pushed up by a stray bit.
        next.intervalDays = static_cast<int>(std::ceil(std::round(card.intervalDays * next.easiness * 1e9) / 1e9));
    next.due = today.addDays(next.intervalDays);
    return next;
}

} // namespace tilvora::memorise

#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tilvora::memorise {

// How well the reader recalled a verse or page.
enum class Grade { Again, Hard, Good, Easy };

// "again", "hard", "good" or "easy"; nothing for any other word.
std::optional<Grade> gradeFromName(const QString& name);
QString gradeName(Grade grade);

// Where a verse stands: not taken up, being learnt (never recalled since it
// was taken up or since it was last forgotten), learnt.
enum class VerseState { New, Learning, Learnt };

// One verse's review schedule under SuperMemo's SM-2 algorithm (Wozniak,
// 1990): the count of successful recalls in a row, the easiness factor
// (from 2.5, never below 1.3), the last interval in days, the next review
// and the day of the last one (or of the day it was taken up).
struct Card {
    int repetitions = 0;
    double easiness = 2.5;
    int intervalDays = 0;
    QDate due;
    QDate lastReview;

    VerseState state() const { return repetitions > 0 ? VerseState::Learnt : VerseState::Learning; }
};

// SM-2's quality of response (0 to 5) that each grade stands for.
int qualityOf(Grade grade);

// A new card for a verse taken up on `today`: due that same day.
Card newCard(QDate today);

// The card after a recall graded on `today`. The easiness changes by
// 0.1 - (5 - q) * (0.08 + (5 - q) * 0.02) for a quality q of 3 or more; the
// intervals are 1 day, 6 days, then the last interval times the easiness,
// rounded up. Below 3 ("again") the repetitions start over with the easiness
// kept, and the verse is due again the same day, as SM-2 repeats a failed
// item within the day until it is recalled.
Card reviewed(const Card& card, Grade grade, QDate today);

} // namespace tilvora::memorise

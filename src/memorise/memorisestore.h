#pragma once

#include "reviewlist.h"

#include <QDateTime>
#include <QString>

#include <set>
#include <vector>

namespace tilvora::memorise {

// The most pages a day's review may be set to hold: every page of the mushaf.
inline constexpr int kMaxDailyLimit = 604;

// A reader's note on a verse, as typed, and when it was last changed.
struct VerseNote {
    store::VersePlace place;
    QString text;
    QDateTime edited;
};

// What memorising keeps in the reader's own file (the bookmarks' file, never
// the content database): the schedule of each verse being learnt, the
// history of its reviews, and the notes on verses. Open the file with a
// BookmarkStore first: that one sets aside a file it cannot read. When the
// file cannot be opened here either, this run keeps its rows in memory and
// problem() says so.
class MemoriseStore {
public:
    explicit MemoriseStore(const QString& path);
    ~MemoriseStore();
    MemoriseStore(const MemoriseStore&) = delete;
    MemoriseStore& operator=(const MemoriseStore&) = delete;

    const QString& problem() const { return m_problem; }

    // Takes up the verses on `today`, due that day; a verse taken up already
    // keeps its schedule. False when nothing could be stored.
    bool learn(const std::vector<store::VersePlace>& places, QDate today);
    std::vector<ScheduledVerse> scheduled() const;
    // Applies the grade to each verse and records it in the history, all or
    // nothing.
    bool grade(const std::vector<store::VersePlace>& places, Grade grade, QDate today);
    // Takes the verses out: they are new again, with no schedule (their
    // history of reviews stays). How many were being learnt, -1 when nothing
    // could be stored.
    int forget(const std::vector<store::VersePlace>& places);
    // The days on which any review was graded.
    std::set<QDate> reviewDays() const;
    // The grades a verse was given, oldest first, as (day, grade).
    std::vector<std::pair<QDate, Grade>> history(store::VersePlace place) const;

    // An empty text removes the note.
    bool setNote(store::VersePlace place, const QString& text, const QDateTime& edited);
    // In the order of the verses.
    std::vector<VerseNote> notes() const;

    // How many pages a day's review holds at most (kDefaultDailyLimit until
    // the reader sets it).
    int dailyLimit() const;
    // A limit outside 1..kMaxDailyLimit is refused (false).
    bool setDailyLimit(int pages);
    // Whether the reader has set a limit.
    bool hasDailyLimit() const;

private:
    bool open(const QString& path);
    bool store(const ScheduledVerse& verse);

    QString m_connectionName;
    QString m_problem;
};

} // namespace tilvora::memorise

#pragma once

#include "reviewlist.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace tilvora::memorise {

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
    // The grades a verse was given, oldest first, as (day, grade).
    std::vector<std::pair<QDate, Grade>> history(store::VersePlace place) const;

    // An empty text removes the note.
    bool setNote(store::VersePlace place, const QString& text, const QDateTime& edited);
    // In the order of the verses.
    std::vector<VerseNote> notes() const;

private:
    bool open(const QString& path);
    bool store(const ScheduledVerse& verse);

    QString m_connectionName;
    QString m_problem;
};

} // namespace tilvora::memorise

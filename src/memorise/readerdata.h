#pragma once

#include <QString>

#include <optional>

namespace tilvora::memorise {

// How much a data file holds: bookmarks, notes, verses being learnt.
struct DataCounts {
    int bookmarks = 0;
    int notes = 0;
    int learnt = 0;
};

// The reader's own data carried to another machine: one JSON file with the
// bookmarks (in their order), the last place, the daily limit, the notes,
// the verses being learnt with their schedule, and the review history.
//
//   { "format": "tilvora-reader-data", "version": 1,
//     "bookmarks": ["2:255", ...], "lastPlace": "67:3", "dailyLimit": 20,
//     "notes": [{"verse": "2:255", "text": "...", "edited": ISO date-time}],
//     "learning": [{"verse": "67:1", "repetitions": 2, "easiness": 2.5,
//                   "intervalDays": 6, "due": "2026-05-16", "lastReview": "2026-05-10"}],
//     "reviews": [{"verse": "67:1", "day": "2026-05-10", "grade": "good"}] }
//
// Importing merges and never loses what the reader's file holds: bookmarks
// are joined (new ones added at the end), of two notes or schedules of a
// verse the later edited or reviewed wins, the review histories are joined
// (a review both hold is kept once), the last place and the daily limit are
// taken only when the file has none. A file that is not such a file, or is
// damaged anywhere, changes nothing and problem() says why.
class ReaderData {
public:
    // The reader's own file (the bookmarks' file); open it with a
    // BookmarkStore first, which sets aside a file it cannot read.
    explicit ReaderData(QString readerFile);

    // What was written or read; nothing on failure, with problem().
    std::optional<DataCounts> exportTo(const QString& path);
    std::optional<DataCounts> importFrom(const QString& path);
    const QString& problem() const { return m_problem; }

private:
    QString m_readerFile;
    QString m_problem;
};

} // namespace tilvora::memorise

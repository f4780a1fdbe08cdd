#pragma once

#include <QSqlDatabase>

namespace tilvora::store {

// The version of the reader's own file that this program writes, kept in
// SQLite's user_version. 0 is the first file (bookmarks and the last place);
// 1 adds what memorising keeps (the schedule of each verse being learnt, the
// history of its reviews) and the notes on verses; 2 the reader's settings
// kept with them (the daily limit of pages to review).
inline constexpr int kReaderFileVersion = 2;

// Brings an open reader's file up to the current version, step by step from
// the version it has, each step in one transaction that only adds tables, so
// every bookmark the file holds stays. A file of a later version is left as
// it is. False when the file is no sound database or a step failed; the file
// is then as it was.
bool bringReaderFileUpToDate(QSqlDatabase& db);

} // namespace tilvora::store

#pragma once

#include <QString>

struct sqlite3;

namespace tilvora::store {

// Replaces SQLite's LIKE on a connection with one that ignores letter case in
// every alphabet (SQLite's own folds ASCII letters only).
void registerCaseFoldingLike(sqlite3* db);

// The matching rule itself: % any characters, _ one character, letter case ignored.
bool caseFoldingLike(const QString& pattern, const QString& text);

} // namespace tilvora::store

#pragma once

#include <QString>

#include <functional>

namespace tilvora::playback {

// Finding recitation files on disk. A voice's media folder need not hold its
// files directly: they may lie in any folder below it, and the names stored in
// the database may differ in letter case from the names on disk. Paths use "/".

// True when `path` names a plain file (not a folder, pipe or device) that can
// be opened for reading right now. The last path component matches a name on
// disk whatever its letter case; the folders before it must be spelt exactly.
// Never fails: anything that cannot be opened counts as absent.
bool fileExists(const QString& path);

// `path` with its last component spelt as it is on disk, or empty when
// fileExists(path) is false. An exact spelling is preferred over other
// spellings of the same name.
QString existingFilePath(const QString& path);

// The first folder below `startFolder` (itself included) that holds a file
// named `fileName` (any letter case), ending with "/"; empty when none does.
//
// The search is depth first: a folder is checked for the file before each of
// its entries, and its subfolders are searched in the order the file system
// lists them, each completely before the next. Hidden entries (names starting
// with ".") and entries that are neither files nor folders are skipped.
// `yieldToEvents`, when given, is called once per entry, so that the caller
// can keep its window responsive; it may start another search.
//
// An empty `fileName` finds nothing without touching the disk, and so do an
// empty `startFolder` and a start folder that is missing or not a folder.
// Folder links are followed, except into a folder that this search covers
// anyway (the start folder's tree, or a link target already searched), so a
// link loop is never entered.
QString findFile(const QString& startFolder, const QString& fileName, const std::function<void()>& yieldToEvents = {});

} // namespace tilvora::playback

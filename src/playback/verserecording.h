#pragma once

#include <QString>

#include <functional>

namespace tilvora::playback {

// Where a recording file named in the database was found on disk.
struct LocatedFile {
    // The file as it is spelt on disk; empty when it was found nowhere.
    QString path;
    // The last name looked for (the other file type's name once that was
    // tried); what a "not found" message names.
    QString lastName;
};

// Looks for the file `name` of a voice whose folder is `storedFolder`: in the
// folder, then below it, then as the other of the two file types (MP3 and
// WMA) in the folder and below it. The folder found by a search is joined to
// the name with a separator even though it ends with one. An empty folder
// names no folder (no search starts from the root), a blank name no file.
// `yieldToEvents` is called once per folder entry searched.
LocatedFile locateMediaFile(
    const QString& storedFolder, const QString& name, const std::function<void()>& yieldToEvents);

// A verse's start position in seconds, read as a number in the C locale.
// Returns false for a text that is not a finite number from 0 on.
bool parseStartPosition(const QString& text, double* seconds);

} // namespace tilvora::playback

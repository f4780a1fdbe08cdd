#pragma once

#include "store/error.h"
#include "store/sharedstate.h"
#include "store/statements.h"

#include <QString>

namespace tilvora::pages {

// A page file that could not be written. The message names the file and says
// why in plain words.
class PageFileError : public store::Error {
public:
    explicit PageFileError(const QString& message) : Error(Kind::PageFile, message) { }
};

// The path of a page file in the application folder; kDef stands for
// "Default.htm". The root folder, which keeps its "/", gets no second one.
QString pageFilePath(const QString& appFolder, const QString& fileName);

// Writes a generated page into the application folder as UTF-16 little-endian
// text with a byte order mark, exactly the given text with no line break
// added, and returns the file's path. An existing file is replaced whole; a
// write that fails leaves the previous file as it was and throws PageFileError.
QString writePageFile(const store::SharedState& state, const QString& content, const QString& fileName = store::kDef);

// Removes what page writes cut short (the program killed, the computer
// stopped) left in the application folder: files named as WritePageFile
// names the new page before it takes the page's place ("Main.htm.k3x9a1.tmp")
// and last written more than a minute ago, so that a write in progress in
// another run is left alone. No other file is touched. Returns how many were
// removed.
int removeUnfinishedPageFiles(const QString& appFolder);

} // namespace tilvora::pages

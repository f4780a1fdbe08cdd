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
QString PageFilePath(const QString& appFolder, const QString& fileName);

// Writes a generated page into the application folder as UTF-16 little-endian
// text with a byte order mark, exactly the given text with no line break
// added, and returns the file's path. An existing file is replaced whole; a
// write that fails leaves the previous file as it was and throws PageFileError.
QString WritePageFile(const store::SharedState& state, const QString& content, const QString& fileName = store::kDef);

} // namespace tilvora::pages

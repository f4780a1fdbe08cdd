#pragma once

#include <QString>

namespace tilvora::playback {

// The folder a voice's recordings are read from, for the folder stored in
// its Data. A relative folder lies inside the application folder, so that a
// copied, moved or installed application folder reads its own recordings; an
// absolute folder is taken as it is, and an empty or blank one stays as
// stored (it names no folder).
QString resolveVoiceFolder(const QString& appFolder, const QString& storedFolder);

} // namespace tilvora::playback

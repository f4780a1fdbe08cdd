#include "playback/voicefolder.h"

#include <QDir>

namespace tilvora::playback {

QString resolveVoiceFolder(const QString& appFolder, const QString& storedFolder)
{
    if (storedFolder.trimmed().isEmpty() || QDir::isAbsolutePath(storedFolder))
        return storedFolder;
    return QDir::cleanPath(appFolder + QLatin1Char('/') + storedFolder);
}

} // namespace tilvora::playback

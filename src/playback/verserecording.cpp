#include "playback/verserecording.h"

#include "playback/mediasearch.h"

#include <QLocale>

#include <cmath>

namespace tilvora::playback {

namespace {

// The file `name` in `folder` as it is spelt on disk, or empty when it is not
// there. The separator is added even when the folder ends with one.
QString presentFile(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || name.isEmpty())
        return {};
    return existingFilePath(folder + QLatin1Char('/') + name);
}

// The name with its file type swapped (MP3 for WMA and back), cut at the first
// occurrence of the type in any letter case; empty when it has neither.
QString otherTypeName(const QString& name)
{
    const qsizetype mp3 = name.indexOf(QStringLiteral(".MP3"), 0, Qt::CaseInsensitive);
    if (mp3 >= 0)
        return name.left(mp3) + QStringLiteral(".wma");
    const qsizetype wma = name.indexOf(QStringLiteral(".WMA"), 0, Qt::CaseInsensitive);
    if (wma >= 0)
        return name.left(wma) + QStringLiteral(".mp3");
    return {};
}

} // namespace

LocatedFile locateMediaFile(
    const QString& storedFolder, const QString& name, const std::function<void()>& yieldToEvents)
{
    LocatedFile found{presentFile(storedFolder, name), name};
    QString folder = storedFolder;
    if (found.path.isEmpty()) {
        folder = findFile(folder, name, yieldToEvents);
        found.path = presentFile(folder, name);
    }
    if (!found.path.isEmpty())
        return found;
    if (const QString other = otherTypeName(name); !other.isEmpty()) {
        folder = storedFolder;
        found.lastName = other;
    }
    found.path = presentFile(folder, found.lastName);
    if (found.path.isEmpty()) {
        folder = findFile(folder, found.lastName, yieldToEvents);
        found.path = presentFile(folder, found.lastName);
    }
    return found;
}

bool parseStartPosition(const QString& text, double* seconds)
{
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    *seconds = numbers.toDouble(text, &ok);
    return ok && std::isfinite(*seconds) && *seconds >= 0;
}

} // namespace tilvora::playback

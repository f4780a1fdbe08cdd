#include "playback/mediafolderdialog.h"

#include "playback/voicefolder.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

namespace tilvora::playback {

namespace {

QString mappingMessage(const QString& description)
{
    return description + QStringLiteral("\r\n")
        + QStringLiteral("Specified path is invalid and cannot be mapped properly...");
}

// Why the folder list cannot open `path`, in plain words; empty when it can.
QString folderProblem(const QString& path)
{
    const QFileInfo folder(path);
    if (!folder.exists())
        return QStringLiteral("The folder %1 does not exist.").arg(path);
    if (!folder.isDir())
        return QStringLiteral("%1 is not a folder.").arg(path);
    if (!folder.isReadable() || !folder.isExecutable())
        return QStringLiteral("The folder %1 cannot be opened: permission denied.").arg(path);
    return {};
}

} // namespace

host::MediaFolderDialogAnswer runMediaFolderDialog(store::SharedState& state, host::Host& host, const QString& tag)
{
    host::MediaFolderDialogRequest request;
    request.tag = tag;
    request.openFolder = QDir::currentPath();
    try {
        request.voiceDescription = store::variantText(
            store::lookupField(state.gPrograms, QStringLiteral("MasterID"), tag, QStringLiteral("Description")));
    } catch (const std::exception&) {
        // An unknown voice: the title names none, and the mapping message below says why.
    }
    try {
        request.initialPath = store::variantText(
            store::lookupField(state.gPrograms, QStringLiteral("MasterID"), tag, QStringLiteral("Data")));
        if (!request.initialPath.trimmed().isEmpty()) {
            const QString folder = resolveVoiceFolder(state.gAppFolder, request.initialPath);
            const QString problem = folderProblem(folder);
            if (problem.isEmpty())
                request.openFolder = folder;
            else
                request.mappingMessageText = mappingMessage(problem);
        }
    } catch (const store::DbError& failure) {
        request.mappingMessageText = mappingMessage(failure.description());
    } catch (const std::exception& failure) {
        request.mappingMessageText = mappingMessage(QString::fromLocal8Bit(failure.what()));
    }
    return host.showMediaFolderDialog(request);
}

} // namespace tilvora::playback

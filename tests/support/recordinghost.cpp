#include "support/recordinghost.h"

#include <stdexcept>

namespace tilvora::testing {

QStringList RecordingHost::linesOf(const QString& operation) const
{
    const QString prefix = operation + QLatin1Char('\t');
    QStringList found;
    for (const QString& line : lines) {
        if (line.startsWith(prefix))
            found << line.mid(prefix.size());
    }
    return found;
}

QStringList RecordingHost::takeLinesOf(const QString& operation)
{
    const QStringList found = linesOf(operation);
    lines.clear();
    return found;
}

void RecordingHost::playerSetUrl(const QString& path)
{
    if (playerFails)
        throw std::runtime_error("The player cannot open the file.");
    record({u"player"_s, u"url"_s, path});
}

host::MediaFolderDialogAnswer RecordingHost::showMediaFolderDialog(const host::MediaFolderDialogRequest& request)
{
    record({u"dialog"_s, request.tag, request.initialPath});
    dialogRequests.push_back(request);
    if (dialogAnswers.empty())
        return {};
    const host::MediaFolderDialogAnswer answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

} // namespace tilvora::testing

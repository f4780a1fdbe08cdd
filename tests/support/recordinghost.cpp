#include "support/recordinghost.h"

#include <stdexcept>

namespace tilvora::testing {

namespace {
QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

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

void RecordingHost::navigate(host::Pane pane, const QString& target)
{
    record({QStringLiteral("navigate"), host::paneName(pane), target});
}

void RecordingHost::setSearchLabel(const QString& caption)
{
    record({QStringLiteral("label"), caption});
}

void RecordingHost::showMessage(host::MessageIcon icon, const QString& title, const QString& text)
{
    const QString iconName = icon == host::MessageIcon::Critical ? QStringLiteral("critical") : QStringLiteral("information");
    record({QStringLiteral("message"), iconName, title, text});
}

void RecordingHost::reportError(const QString& text)
{
    record({QStringLiteral("error"), text});
}

void RecordingHost::playerSetUrl(const QString& path)
{
    if (playerFails)
        throw std::runtime_error("The player cannot open the file.");
    record({QStringLiteral("player"), QStringLiteral("url"), path});
}

void RecordingHost::playerSetPosition(double seconds)
{
    record({QStringLiteral("player"), QStringLiteral("position"), QString::number(seconds)});
}

void RecordingHost::playerPlay()
{
    record({QStringLiteral("player"), QStringLiteral("play")});
}

void RecordingHost::resetPickerSelector(const QString& elementId)
{
    record({QStringLiteral("reset"), elementId});
}

void RecordingHost::setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag)
{
    record({QStringLiteral("menu"), QString::number(index), flag(visible), caption, tag});
}

void RecordingHost::setDataPathMenuVisible(bool visible)
{
    record({QStringLiteral("menu"), QStringLiteral("setdatapath"), flag(visible)});
}

host::MediaFolderDialogAnswer RecordingHost::showMediaFolderDialog(const host::MediaFolderDialogRequest& request)
{
    record({QStringLiteral("dialog"), request.tag, request.initialPath});
    dialogRequests.push_back(request);
    if (dialogAnswers.empty())
        return {};
    const host::MediaFolderDialogAnswer answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

void RecordingHost::processEvents()
{
    if (++yields > yieldLimit)
        throw std::runtime_error("searched far beyond the media folder");
    if (duringEvents) {
        const auto run = std::move(duringEvents);
        duringEvents = nullptr;
        run();
    }
}

} // namespace tilvora::testing

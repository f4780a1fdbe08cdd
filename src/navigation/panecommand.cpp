#include "panecommand.h"

namespace tilvora::navigation {

std::optional<PaneCommand> parsePaneCommand(const QString& text)
{
    const qsizetype marker = text.indexOf(QLatin1String("__"));
    if (marker < 0)
        return std::nullopt;
    const qsizetype equals = text.indexOf(QLatin1Char('='), marker);
    if (equals < 0)
        return std::nullopt;
    // The name starts after the marker and ends before the one character that
    // stands just before the "=".
    const qsizetype nameStart = marker + 2;
    const qsizetype nameLength = equals - marker - 3;
    if (nameLength < 0)
        return std::nullopt;
    PaneCommand command;
    command.name = text.mid(nameStart, nameLength).trimmed();
    command.value = text.mid(equals + 1).trimmed();
    command.isControl = text.contains(QLatin1String("_Control.htm"));
    return command;
}

} // namespace tilvora::navigation

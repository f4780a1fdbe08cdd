#include "panecommand.h"

namespace tilvora::navigation {

namespace {

// Drops the blanks (U+0020) at both ends. Other white space, a tab or a
// no-break space typed into a search, belongs to the text.
QString trimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

} // namespace

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
    command.name = trimBlanks(text.mid(nameStart, nameLength));
    command.value = trimBlanks(text.mid(equals + 1));
    command.isControl = text.contains(QLatin1String("_Control.htm"));
    return command;
}

} // namespace tilvora::navigation

#pragma once

#include <QString>

#include <optional>

namespace tilvora::navigation {

// A pane command cut out of a URL: "__" + name + " = " + value, a control
// command when the text holds "_Control.htm" anywhere.
struct PaneCommand {
    QString name;
    QString value;
    bool isControl = false;
};

// Cuts the name and value out of a command text. The marker is the first
// "__"; the name runs to the character before the first "=" after it (that
// character, written as a blank by every sender, is dropped) and is trimmed
// of blanks; the value is the rest after the "=", trimmed of blanks. Only the
// blank (U+0020) is trimmed: a tab or a no-break space stays. A text without "=" after the
// marker, or with the "=" right after it, is no command.
std::optional<PaneCommand> parsePaneCommand(const QString& text);

} // namespace tilvora::navigation

#pragma once

#include <QCoreApplication>
#include <QString>

namespace tilvora::ui {

// The messages the program's logic words (the text host prints them exactly
// as they are) in the reader's language in the window. Each message is
// known here by its English pattern, %1, %2 standing where the logic puts a
// name, a number or a folder; a text no pattern matches is shown as it is.
class LogicText {
    Q_DECLARE_TR_FUNCTIONS(LogicText)

public:
    static QString translated(const QString& text);
    // A folder, a file or a name set apart in its own direction, for a
    // sentence of the window's own in a right-to-left language: the first
    // slash of "/home/r" stays where it is written.
    static QString isolated(const QString& text);

private:
    // What the logic put in the place of a %1: itself translated when it is
    // a message, otherwise set apart in its own direction when it goes into
    // a translation.
    static QString inserted(const QString& text, bool inTranslation);
};

} // namespace tilvora::ui

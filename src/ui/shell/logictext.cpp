#include "ui/shell/logictext.h"

#include <QList>
#include <QRegularExpression>

#include <array>

namespace tilvora::ui {

namespace {

// The logic's messages as it words them, line breaks as "\n".
constexpr std::array kPatterns{
    QT_TRANSLATE_NOOP("LogicText", "Media Files not found..."),
    QT_TRANSLATE_NOOP("LogicText",
        "Media File %1 is not present at the specified path...\nCurrent Path : %2\n\nPlease Specify a valid path for "
        "Media Files (using the Controls Menu) and use this Application !"),
    QT_TRANSLATE_NOOP("LogicText", "Tilvora - ProgramID : "),
    QT_TRANSLATE_NOOP("LogicText",
        "No Data found in the Database for Current Voice in Programs registered...\n\nInvalid Programs / Speakers "
        "added to database without related Data !"),
    QT_TRANSLATE_NOOP("LogicText",
        "Cannot Access the specified Media File\nMake sure that the Media Files folder exists in the same "
        "application folder !"),
    QT_TRANSLATE_NOOP("LogicText", "No recording of this verse"),
    QT_TRANSLATE_NOOP("LogicText",
        "The voice \"%1\" has no recording of %2.\n\nChoose another voice in the control pane, or set the folder of "
        "this voice's recordings with Controls > Set Data Path."),
    QT_TRANSLATE_NOOP("LogicText", "No verse was found for \u201C%1\u201D."),
    QT_TRANSLATE_NOOP("LogicText", "No verse to show for this choice."),
    QT_TRANSLATE_NOOP("LogicText", "%1\nSpecified path is invalid and cannot be mapped properly..."),
    QT_TRANSLATE_NOOP("LogicText", "The folder %1 does not exist."),
    QT_TRANSLATE_NOOP("LogicText", "%1 is not a folder."),
    QT_TRANSLATE_NOOP("LogicText", "The folder %1 cannot be opened: permission denied."),
    QT_TRANSLATE_NOOP("LogicText", "There is no verse %1:%2."),
    QT_TRANSLATE_NOOP("LogicText", "The range %1 to %2 ends before it starts."),
    QT_TRANSLATE_NOOP("LogicText", "The request could not be carried out: the content database refused it.\n%1"),
    QT_TRANSLATE_NOOP("LogicText", "The request could not be carried out: %1"),
};

struct Pattern {
    const char* source;
    QRegularExpression match;
};

// Each pattern as a regular expression that takes its placeholders' texts.
const QList<Pattern>& patterns()
{
    static const QList<Pattern> compiled = [] {
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        QList<Pattern> list;
        for (const char* source : kPatterns) {
            const QString text = QString::fromUtf8(source);
            QString expression;
            qsizetype from = 0;
            for (const QRegularExpressionMatch& found : placeholder.globalMatch(text)) {
                expression += QRegularExpression::escape(text.mid(from, found.capturedStart() - from));
                expression += QStringLiteral("(.*)");
                from = found.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(from));
            list.append({source,
                QRegularExpression(
                    QRegularExpression::anchoredPattern(expression), QRegularExpression::DotMatchesEverythingOption)});
        }
        return list;
    }();
    return compiled;
}

} // namespace

QString LogicText::translated(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(plain);
        if (!found.hasMatch())
            continue;
        // In one pass, so that a name holding "%2" stays as it is; a message
        // may hold another ("could not be carried out: ...").
        const QString translation = QCoreApplication::translate("LogicText", pattern.source);
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        QString shown;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& mark : placeholder.globalMatch(translation)) {
            shown += translation.mid(from, mark.capturedStart() - from);
            shown += translated(found.captured(mark.captured(1).toInt()));
            from = mark.capturedEnd();
        }
        return shown + translation.mid(from);
    }
    return text;
}

} // namespace tilvora::ui

#include "ui/dialogs/logictext.h"

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
    QT_TRANSLATE_NOOP("LogicText", "The verse has no start position in the current voice."),
    QT_TRANSLATE_NOOP("LogicText", "The start position \"%1\" of the verse is not a number of seconds."),
    QT_TRANSLATE_NOOP("LogicText", "An unknown failure stopped the recitation."),
    QT_TRANSLATE_NOOP("LogicText", "The recitation stopped for an unknown reason."),
    QT_TRANSLATE_NOOP("LogicText", "The speed must be a number from %1 to %2."),
    QT_TRANSLATE_NOOP("LogicText", "\"%1\" is not the id of a voice."),
    QT_TRANSLATE_NOOP("LogicText", "%1 must be a whole number from %2 to %3, not \"%4\"."),
    QT_TRANSLATE_NOOP("LogicText", "The verse repeat count"),
    QT_TRANSLATE_NOOP("LogicText", "The range repeat count"),
    QT_TRANSLATE_NOOP("LogicText", "The gap in milliseconds"),
    QT_TRANSLATE_NOOP("LogicText", "The first verse \"%1\" is not a verse reference such as 2:255."),
    QT_TRANSLATE_NOOP("LogicText", "The last verse \"%1\" is not a verse reference such as 2:255."),
    QT_TRANSLATE_NOOP("LogicText", "The repeat counts, the gap or the time to repeat are out of range."),
    QT_TRANSLATE_NOOP("LogicText", "This content database holds no mushaf pages."),
    QT_TRANSLATE_NOOP("LogicText", "There is no page \"%1\" in the mushaf: its pages are numbered 1 to %2."),
    QT_TRANSLATE_NOOP("LogicText", "\"%1\" is not a verse reference such as 2:255."),
    QT_TRANSLATE_NOOP("LogicText", "There is no page %1 in the mushaf."),
    QT_TRANSLATE_NOOP("LogicText", "The mushaf pages of this content database are not numbered 1 to %1."),
    QT_TRANSLATE_NOOP("LogicText", "The main window could not be prepared. %1"),
    QT_TRANSLATE_NOOP("LogicText",
        "The content database %1 was not found. Tilvora needs its content database DIC.DAT in the application folder "
        "%2."),
    QT_TRANSLATE_NOOP("LogicText", "The file %1 is not a Tilvora content database (%2)."),
    QT_TRANSLATE_NOOP("LogicText", "The content database %1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("LogicText",
        "The content database %1 cannot be written (%2). Tilvora stores your choices in it; make sure no other program "
        "holds it and that it is writable, then start again."),
    QT_TRANSLATE_NOOP("LogicText", "The content database %1 lacks a table or column that Tilvora needs (%2)."),
    QT_TRANSLATE_NOOP("LogicText",
        "The content file %1 is damaged (%2), so Tilvora cannot read its texts. Reinstall Tilvora to get a whole copy "
        "of it. When Tilvora runs from your own folder, deleting %3 is enough: the next start copies it again."),
    QT_TRANSLATE_NOOP("LogicText",
        "The content file %1 is empty, so Tilvora has no texts to show. Reinstall Tilvora to get a whole copy of it. "
        "When Tilvora runs from your own folder, deleting %2 is enough: the next start copies it again."),
    QT_TRANSLATE_NOOP("LogicText", "The database file %1 does not exist."),
    QT_TRANSLATE_NOOP("LogicText", "%1 is not a database file."),
    QT_TRANSLATE_NOOP("LogicText", "The database file %1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("LogicText",
        "Your Tilvora folder %1 could not be brought up to date with the installed content, so Tilvora uses it as it "
        "was. %2"),
    QT_TRANSLATE_NOOP("LogicText", "Tilvora could not make your own folder %1. %2"),
    QT_TRANSLATE_NOOP("LogicText", "The installed folder %1 holds no content database (DIC.DAT)."),
    QT_TRANSLATE_NOOP("LogicText", "The folder %1 cannot be made."),
    QT_TRANSLATE_NOOP("LogicText", "Another Tilvora is updating %1; it was waited for a minute."),
    QT_TRANSLATE_NOOP("LogicText", "A new folder beside %1 cannot be made: %2"),
    QT_TRANSLATE_NOOP("LogicText", "The file %1 cannot be written: %2"),
    QT_TRANSLATE_NOOP("LogicText", "The link %1 to the installed recordings cannot be made: %2"),
    QT_TRANSLATE_NOOP("LogicText", "The voice folders of %1 cannot be carried into the new content: %2"),
    QT_TRANSLATE_NOOP("LogicText", "The new folder cannot take the place of %1: %2"),
    QT_TRANSLATE_NOOP("LogicText", "There is no voice %1."),
    QT_TRANSLATE_NOOP("LogicText", "The voice %1 has no media folder."),
    QT_TRANSLATE_NOOP("LogicText", "The folder %1 holds no recording of chapter %2 (%3 or %4)."),
    QT_TRANSLATE_NOOP("LogicText", "There is no chapter %1."),
    QT_TRANSLATE_NOOP("LogicText",
        "The voice %1 has recordings of its own for chapter %2 (files other than %3, for %4 of its verses); the starts "
        "found were not stored over them."),
    QT_TRANSLATE_NOOP("LogicText", "No recitation found in %1: it holds only silence or steady noise."),
    QT_TRANSLATE_NOOP("LogicText",
        "No recitation found in %1: it pauses %2 times, where a recitation of the chapter's %3 verses pauses at least "
        "%4 times (a reciter pauses at the end of most verses)."),
    QT_TRANSLATE_NOOP("LogicText", "The recording %1 cannot be read."),
    QT_TRANSLATE_NOOP("LogicText",
        "The audio decoder gst-launch-1.0 could not be started; it comes with the package gstreamer1.0-tools."),
    QT_TRANSLATE_NOOP("LogicText", "The file %1 is not an audio file."),
    QT_TRANSLATE_NOOP("LogicText", "The recording %1 could not be decoded: %2"),
    QT_TRANSLATE_NOOP("LogicText", "The recording %1 holds no sound."),
    QT_TRANSLATE_NOOP(
        "LogicText", "\"%1\" is not a web address to download from (it must start with http:// or https://)."),
    QT_TRANSLATE_NOOP("LogicText", "The chapters to download must run from 1 to 114, first to last, not %1 to %2."),
    QT_TRANSLATE_NOOP("LogicText", "The folder %1 could not be made."),
    QT_TRANSLATE_NOOP("LogicText", "no space left on the disk"),
    QT_TRANSLATE_NOOP("LogicText", "the server answered %1"),
    QT_TRANSLATE_NOOP("LogicText", "the server sent a page (%1), not a recording"),
    QT_TRANSLATE_NOOP("LogicText", "the server announced %1 bytes, more than the %2 a verse's recording may take"),
    QT_TRANSLATE_NOOP("LogicText", "the server resumed the file at the wrong place"),
    QT_TRANSLATE_NOOP("LogicText", "it is larger than the %1 a verse's recording may take"),
    QT_TRANSLATE_NOOP("LogicText", "timed out"),
    QT_TRANSLATE_NOOP("LogicText", "the server refused to resume the file"),
    QT_TRANSLATE_NOOP("LogicText", "it arrived with %1 of %2 bytes"),
    QT_TRANSLATE_NOOP("LogicText", "the server sent the download to an address that is not http or https"),
    QT_TRANSLATE_NOOP("LogicText", "the server sent the download elsewhere too many times"),
    QT_TRANSLATE_NOOP("LogicText", "the server stopped answering"),
    QT_TRANSLATE_NOOP("LogicText", "the server cannot be reached"),
    QT_TRANSLATE_NOOP("LogicText", "the server is too slow"),
    QT_TRANSLATE_NOOP("LogicText", "it arrived cut short (its last audio frame is incomplete)"),
    QT_TRANSLATE_NOOP("LogicText", "what arrived is not an MP3 recording"),
    QT_TRANSLATE_NOOP("LogicText", "it could not be put in place: %1"),
    QT_TRANSLATE_NOOP("LogicText", "it is larger than the %1 MB a chapter may take"),
    QT_TRANSLATE_NOOP("LogicText", "chapter %1: %2"),
    QT_TRANSLATE_NOOP("LogicText", "the server sent a web page, not the text"),
    QT_TRANSLATE_NOOP("LogicText", "what arrived is not the service's data"),
    QT_TRANSLATE_NOOP("LogicText", "the service answered %1"),
    QT_TRANSLATE_NOOP("LogicText", "the service's answer holds no list of texts"),
    QT_TRANSLATE_NOOP("LogicText", "the service sent chapter %1 instead"),
    QT_TRANSLATE_NOOP("LogicText", "it has %1 verses, the chapter has %2"),
    QT_TRANSLATE_NOOP("LogicText", "its verse numbers are not 1 to %1, each once"),
    QT_TRANSLATE_NOOP("LogicText", "verse %1 has no text"),
    QT_TRANSLATE_NOOP("LogicText", "the service did not answer in time"),
    QT_TRANSLATE_NOOP("LogicText", "the service cannot be reached (%1)"),
    QT_TRANSLATE_NOOP("LogicText", "Your data could not be written to %1: %2."),
    QT_TRANSLATE_NOOP("LogicText", "The file %1 cannot be read: %2."),
    QT_TRANSLATE_NOOP("LogicText",
        "%1 is not a file of your Tilvora data (one written by File, Export my data). Nothing was changed."),
    QT_TRANSLATE_NOOP(
        "LogicText", "%1 was written by a newer Tilvora, whose data this one cannot read. Nothing was changed."),
    QT_TRANSLATE_NOOP("LogicText", "your own file %1 cannot be used"),
    QT_TRANSLATE_NOOP("LogicText", "your own file cannot be changed now"),
    QT_TRANSLATE_NOOP("LogicText", "your own file could not be changed"),
    QT_TRANSLATE_NOOP("LogicText", "%1 could not be imported: %2. Nothing was changed."),
    QT_TRANSLATE_NOOP("LogicText",
        "What you learn and your notes cannot be kept: the file %1 cannot be used. They last until Tilvora closes."),
    QT_TRANSLATE_NOOP("LogicText",
        "Your bookmarks cannot be kept: the file %1 cannot be written. Bookmarks made now last until Tilvora closes."),
    QT_TRANSLATE_NOOP("LogicText",
        "Your bookmarks file could not be read. It was set aside as %1, and Tilvora starts with no bookmarks."),
    QT_TRANSLATE_NOOP("LogicText", "the text could not be stored: %1"),
    QT_TRANSLATE_NOOP("LogicText", "the text could not be installed: %1"),
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

QString LogicText::inserted(const QString& text, bool inTranslation)
{
    const QString shown = translated(text);
    // A folder, a file or a name in a sentence of another language keeps its
    // own direction: "/home/r/002.mp3" in an Arabic sentence, not its first
    // slash carried to the other end.
    if (!inTranslation || shown != text)
        return shown;
    return isolated(text);
}

QString LogicText::isolated(const QString& text)
{
    constexpr QChar kFirstStrongIsolate(0x2068);
    constexpr QChar kPopDirectionalIsolate(0x2069);
    return kFirstStrongIsolate + text + kPopDirectionalIsolate;
}

QString LogicText::translated(const QString& text)
{
    // No message: nothing to look for (and the patterns are not compiled for it).
    if (text.isEmpty())
        return text;
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
            shown
                += inserted(found.captured(mark.captured(1).toInt()), translation != QString::fromUtf8(pattern.source));
            from = mark.capturedEnd();
        }
        return shown + translation.mid(from);
    }
    return text;
}

} // namespace tilvora::ui

#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace tilvora::host {

// The six browser panes of the main window.
enum class Pane { WebSearch, WebSurah, WebWord, WebSubject, WebControl, WebMain };

QString paneName(Pane pane);
// The pane with that name; false when the name is not a pane's.
bool paneFromName(const QString& name, Pane* pane);

enum class MessageIcon { Information, Critical };

// What the media folder dialog is shown with.
struct MediaFolderDialogRequest {
    // The voice's MasterID, as text.
    QString tag;
    // The voice's description, which the dialog's title names (empty when
    // the voice cannot be looked up).
    QString voiceDescription;
    // The stored folder read when the dialog became active.
    QString initialPath;
    // The folder the folder list opens: the stored folder when it could be
    // opened, otherwise the list's default folder (the current folder).
    QString openFolder;
    // Non-empty when the stored folder could not be looked up or opened: the
    // text of the mapping message, which the dialog shows once it is active.
    QString mappingMessageText;
};

// How the media folder dialog was closed.
struct MediaFolderDialogAnswer {
    enum class Outcome { Accepted, Cancelled, Closed };
    Outcome outcome = Outcome::Closed;
    // The folder opened in the folder list when the user accepted.
    QString folder;
    // The user said the folder holds one recording per chapter.
    bool oneFilePerChapter = false;
};

// How the reading pane shows the page it is sent to next.
struct ReadingPageView {
    // Keep in view the verse now at the top of the pane (the same verses
    // again, with other texts); otherwise the page opens at its top.
    bool keepTopVerse = false;
    // The line the pane shows when the page holds no verse.
    QString emptyPageText;
};

// What a reading page that was just rendered shows: the command of its view
// (name and value as given, e.g. "Surah" and "2", "Search" and "*mercy", or
// "Row1" and a program id for the same verses with other texts), how many
// verses it shows and how many verses its look-up found (a search, a word, a
// root or a subject; 0 for a chapter or a part).
struct RenderedView {
    QString name;
    QString value;
    qint32 shownVerses = 0;
    qint32 foundVerses = 0;
};

// Every platform operation the program logic uses. The logic never touches a
// widget; the desktop program and the text host each implement this port.
class Host {
public:
    virtual ~Host() = default;

    // Sends a pane to a file (a plain path) or URL.
    virtual void navigate(Pane pane, const QString& target) = 0;
    // Told just before the reading pane is sent to a new page. A host without
    // a reading pane (the text host) has nothing to do.
    virtual void prepareReadingPage(const ReadingPageView& view) { Q_UNUSED(view); }
    // Sets the caption of the search-result label.
    virtual void setSearchLabel(const QString& caption) = 0;
    // Told after the label of each rendered reading page, with what the page
    // shows. A host that shows nothing more than the label does nothing.
    virtual void viewRendered(const RenderedView& view) { Q_UNUSED(view); }
    // A modal message box with one OK button.
    virtual void showMessage(MessageIcon icon, const QString& title, const QString& text) = 0;
    // A failure that reached an event, or a value refused before any statement
    // ran, told to the user in our own words; the program goes on.
    virtual void reportError(const QString& text) = 0;

    // The recitation player.
    virtual void playerSetUrl(const QString& path) = 0;
    virtual void playerSetPosition(double seconds) = 0;
    virtual void playerPlay() = 0;
    // Where the verse just started ends, when that is before the end of its
    // file: the player stops there and reports the verse finished. Opening a
    // file forgets it.
    virtual void playerSetEnd(double seconds) = 0;
    // The playback speed, 1 for normal.
    virtual void playerSetRate(double rate) = 0;
    virtual void playerStop() = 0;

    // Recitation of a range: the verse being recited (its AyahRef and its
    // reference "S:A") is marked and shown in the reading pane; an empty
    // reference (and AyahRef 0) takes the mark away.
    virtual void highlightVerse(qint32 ayahRef, const QString& reference) = 0;
    // A silence between two steps of a recitation; when it is over, the host
    // calls MainWindowLogic::recitationGapElapsed.
    virtual void recitationWait(int milliseconds) = 0;
    // The recitation has played all its steps; `skipped` lists the verses it
    // left out for want of a recording.
    virtual void recitationFinished(const QStringList& skipped) = 0;
    // A verse of the recitation has no recording in the voice (no detail
    // row, no file, no start): the recitation goes on without it.
    // `skippedSoFar` lists every verse left out of this recitation so far.
    virtual void recitationSkipped(const QString& reference, const QString& voice, const QStringList& skippedSoFar)
    {
        Q_UNUSED(reference);
        Q_UNUSED(voice);
        Q_UNUSED(skippedSoFar);
    }

    // Puts a picker selector ("cmbWord", "cmbSubject", "cmbParah", "cmbRoot")
    // back to its first entry in its page; failures are ignored.
    virtual void resetPickerSelector(const QString& elementId) = 0;

    // One item of the voice folder menu (0..19) was set.
    virtual void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) = 0;
    // Visibility of the "Set Data &Path" submenu.
    virtual void setDataPathMenuVisible(bool visible) = 0;

    // Shows the media folder dialog modally and returns how it was closed.
    virtual MediaFolderDialogAnswer showMediaFolderDialog(const MediaFolderDialogRequest& request) = 0;

    // The voice's folder, just stored, holds one recording per chapter: find
    // each verse's start in them and store the starts for the voice. The
    // desktop program shows the work's progress and lets the reader correct
    // starts; the text host aligns on its own event instead, so by default
    // nothing happens.
    virtual void alignChapterFiles(const QString& voiceId) { (void)voiceId; }
};

} // namespace tilvora::host

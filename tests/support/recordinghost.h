#pragma once

// A host that records what the program asked of it, one line per operation,
// for tests that check what the user would have seen.

#include "support/printing.h"

#include "host/host.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace tilvora::testing {

using namespace Qt::Literals::StringLiterals;

// Each line holds the operation and its values separated by TAB, as the text
// host writes them but not escaped: "navigate\tWebMain\t<target>",
// "label\t<caption>", "message\tcritical\t<title>\t<text>" (or information),
// "error\t<text>", "player\turl\t<path>", "player\tposition\t<seconds>",
// "player\tplay", "player\tuntil\t<seconds>", "player\trate\t<rate>",
// "player\tstop", "highlight\t<S:A>", "wait\t<ms>", "recited", "reset\t<id>", "menu\t<index>\t<1|0>\t<caption>\t<tag>",
// "menu\tsetdatapath\t<1|0>", "dialog\t<tag>\t<initial path>" and
// "align\t<voice>" (the chapter files of a voice's folder are to be aligned).
class RecordingHost : public host::Host {
public:
    QStringList lines;

    // The media folder dialog: every request shown, and the answers it gives
    // in order (Closed when none is left).
    std::vector<host::MediaFolderDialogRequest> dialogRequests;
    std::deque<host::MediaFolderDialogAnswer> dialogAnswers;

    // A fault of the player's, as the desktop player may have: playerSetUrl throws.
    bool playerFails = false;

    // The lines of one operation without the operation's own field, in order:
    // for "label", the captions set.
    QStringList linesOf(const QString& operation) const;
    // linesOf(operation); then every line is forgotten.
    QStringList takeLinesOf(const QString& operation);

    void navigate(host::Pane pane, const QString& target) override
    {
        record({u"navigate"_s, host::paneName(pane), target});
    }
    void setSearchLabel(const QString& caption) override { record({u"label"_s, caption}); }
    void showMessage(host::MessageIcon icon, const QString& title, const QString& text) override
    {
        record({u"message"_s, icon == host::MessageIcon::Critical ? u"critical"_s : u"information"_s, title, text});
    }
    void reportError(const QString& text) override { record({u"error"_s, text}); }
    void playerSetUrl(const QString& path) override;
    void playerSetPosition(double seconds) override { record({u"player"_s, u"position"_s, QString::number(seconds)}); }
    void playerPlay() override { record({u"player"_s, u"play"_s}); }
    void playerSetEnd(double seconds) override { record({u"player"_s, u"until"_s, QString::number(seconds)}); }
    void playerSetRate(double rate) override { record({u"player"_s, u"rate"_s, QString::number(rate)}); }
    void playerStop() override { record({u"player"_s, u"stop"_s}); }
    void highlightVerse(qint32 /*ayahRef*/, const QString& reference) override { record({u"highlight"_s, reference}); }
    void recitationWait(int milliseconds) override { record({u"wait"_s, QString::number(milliseconds)}); }
    void recitationFinished(const QStringList& /*skipped*/) override { record({u"recited"_s}); }
    void recitationSkipped(
        const QString& reference, const QString& /*voice*/, const QStringList& /*skippedSoFar*/) override
    {
        record({u"skipped"_s, reference});
    }
    void resetPickerSelector(const QString& elementId) override { record({u"reset"_s, elementId}); }
    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override
    {
        record({u"menu"_s, QString::number(index), visible ? u"1"_s : u"0"_s, caption, tag});
    }
    void setDataPathMenuVisible(bool visible) override
    {
        record({u"menu"_s, u"setdatapath"_s, visible ? u"1"_s : u"0"_s});
    }
    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override;
    void alignChapterFiles(const QString& voiceId) override { record({u"align"_s, voiceId}); }

private:
    void record(const QStringList& fields) { lines << fields.join(QLatin1Char('\t')); }
};

} // namespace tilvora::testing

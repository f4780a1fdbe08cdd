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

// Each line holds the operation and its values separated by TAB, as the text
// host writes them but not escaped: "navigate\tWebMain\t<target>",
// "label\t<caption>", "message\tcritical\t<title>\t<text>" (or information),
// "error\t<text>", "player\turl\t<path>", "player\tposition\t<seconds>",
// "player\tplay", "reset\t<id>", "menu\t<index>\t<1|0>\t<caption>\t<tag>",
// "menu\tsetdatapath\t<1|0>" and "dialog\t<tag>\t<initial path>".
class RecordingHost : public host::Host {
public:
    QStringList lines;

    // The media folder dialog: every request shown, and the answers it gives
    // in order (Closed when none is left).
    std::vector<host::MediaFolderDialogRequest> dialogRequests;
    std::deque<host::MediaFolderDialogAnswer> dialogAnswers;

    // processEvents: the number of calls, and what happens during the next
    // one (run once, then forgotten), such as a second request arriving during
    // a search. Beyond yieldLimit calls it throws: a search far beyond a
    // test's own small tree (the root folder, say) ends there instead of
    // walking the disk.
    int yields = 0;
    std::function<void()> duringEvents;
    int yieldLimit = 200;

    // A fault of the player's, as the desktop player may have: playerSetUrl throws.
    bool playerFails = false;

    // The lines of one operation without the operation's own field, in order:
    // for "label", the captions set.
    QStringList linesOf(const QString& operation) const;
    // linesOf(operation); then every line is forgotten.
    QStringList takeLinesOf(const QString& operation);

    void navigate(host::Pane pane, const QString& target) override;
    void setSearchLabel(const QString& caption) override;
    void showMessage(host::MessageIcon icon, const QString& title, const QString& text) override;
    void reportError(const QString& text) override;
    void playerSetUrl(const QString& path) override;
    void playerSetPosition(double seconds) override;
    void playerPlay() override;
    void resetPickerSelector(const QString& elementId) override;
    void setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag) override;
    void setDataPathMenuVisible(bool visible) override;
    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override;
    void processEvents() override;

private:
    void record(const QStringList& fields) { lines << fields.join(QLatin1Char('\t')); }
};

} // namespace tilvora::testing

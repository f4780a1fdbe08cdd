#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>

#include <memory>

namespace tilvora::control {
class VoiceMenu;
}
namespace tilvora::playback {
class MediaFileFinder;
class RecitationPlan;
struct RecitationRequest;
} // namespace tilvora::playback

namespace tilvora::navigation {

struct PaneCommand;

// The main window's behaviour, free of widgets: its load, the navigation
// handlers of its panes, the command dispatcher, the picker resets, the
// reading page's double-click and the voice folder menu. The desktop window
// and the text host both drive it, each through its own Host.
//
// Every entry point below except load() reports a failure to the user through
// Host::reportError and returns normally: no request ends the program.
class MainWindowLogic {
public:
    MainWindowLogic(store::SharedState& state, host::Host& host);
    ~MainWindowLogic();
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;

    // The window's load: voice menu, selections, control page, the four
    // picker pages and chapter 1. A failure here is a start-up failure and is
    // thrown (as store::StartupError) for the caller to report and end.
    void load();

    // A pane is about to load a URL (given with its percent-escapes decoded
    // once). Returns true when the navigation is cancelled because it carries
    // a command, which has then been carried out.
    bool beforeNavigate(host::Pane pane, const QString& url);
    // The two halves of beforeNavigate, for a host that cancels the
    // navigation at once and runs the command later, from its event loop:
    // whether the navigation carries a command text (and so is cancelled),
    // and carrying it out. Only the part of the address after the
    // application folder is looked at.
    bool isCommandNavigation(host::Pane pane, const QString& url) const;
    void runNavigationCommand(host::Pane pane, const QString& url);
    // The part of an address that can carry a command: what follows the
    // application folder (whose own name may hold "__"), or all of it.
    QString commandPartOf(const QString& url) const;

    // Carries out one command text ("__" + name + " = " + value).
    void executeCommand(const QString& commandText);

    // A right-click in a pane: the picker panes reset their own selectors.
    void contextMenu(host::Pane pane);

    // A double-click in the reading page; the id of the verse table that holds
    // the focused cell, or the empty text outside any verse table.
    void readingPageDoubleClick(const QString& verseTableId);

    // A click on item index (0..19) of the voice folder menu.
    void voiceMenuClick(int index);

    // Recitation of a range of verses (see playback::RecitationPlan). A new
    // plan, a double-click and a voice choice stop the running one.
    void recite(const playback::RecitationRequest& request);
    // The same from the texts of the text host's recite event.
    void recite(const QString& from, const QString& to, const QString& verseRepeat, const QString& rangeRepeat,
        const QString& gapMs);
    // The player finished the verse it was given.
    void recitationEnded();
    // The gap the host was asked to wait is over.
    void recitationGapElapsed();
    void stopRecitation();
    void reciteNextVerse();
    void recitePreviousVerse();
    // Sets the player's speed (0.5 to 2); another value is refused.
    void setPlaybackRate(double rate);
    void setPlaybackRate(const QString& rate);
    double playbackRate() const { return m_rate; }
    const playback::RecitationPlan& recitation() const;

    // The folder a download for the voice `voiceId` fills: the voice's own
    // folder (a relative one taken from the application folder), or, when it
    // has none, `defaultFolder`. An id that is not a voice's is refused
    // (store::RefusedValue).
    QString downloadFolderFor(const QString& voiceId, const QString& defaultFolder);
    // Stores `folder` as the folder of a voice that has none, as an Accept of
    // the media folder dialog stores it: called once a download has put a
    // file there, so that a download that stores nothing leaves the voice
    // as it was.
    void keepDownloadFolder(const QString& voiceId, const QString& folder);

    // The texts on offer changed (a text was downloaded or removed): the
    // control page is built again and the reading page shows the same verses
    // with the texts now chosen, as after a choice of texts.
    void textsChanged();

    const control::VoiceMenu& voiceMenu() const;

private:
    // Runs an action and reports its failure; false when it failed.
    template <typename Action> bool reportFailures(Action&& action);
    // The dispatcher itself: failures are thrown to the caller.
    void dispatch(const QString& commandText);
    // Renders the reading page of a command, writes it and shows it.
    void showReadingPage(const PaneCommand& command);
    void clickVoiceItem(int index);
    // The program row of the voice `voiceId`; refused when there is none.
    store::RecordSet voiceRow(const QString& voiceId);
    void resetPickersAfter(host::Pane pane, const QString& url);

    store::SharedState& m_state;
    host::Host& m_host;
    std::unique_ptr<control::VoiceMenu> m_voiceMenu;
    std::unique_ptr<playback::RecitationPlan> m_recitation;
    // Looks for the file of the verse a double-click or a voice choice recites.
    std::unique_ptr<playback::MediaFileFinder> m_voiceFinder;
    double m_rate = 1.0;
};

} // namespace tilvora::navigation

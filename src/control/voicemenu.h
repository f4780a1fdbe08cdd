#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>

#include <array>
#include <functional>

namespace tilvora::control {

// Shows the media folder dialog for the voice whose MasterID is tag, modally,
// and returns how it was closed. The desktop program and the text host pass
// the dialog logic of the playback layer; tests pass their own.
using MediaFolderDialog = std::function<host::MediaFolderDialogAnswer(const QString& tag)>;

// The voice folder menu, "Set Data &Path" under "&Controls": 20 items, item k
// serving the voice whose SortOrderUser is k. The menu's state lives here; the
// host only mirrors what SetupMenu reports.
class VoiceMenu {
public:
    static constexpr int kItemCount = 20;

    struct Item {
        bool visible = false;
        QString caption;
        // The MasterID of the voice the item serves, as text; empty when no
        // voice claims the item.
        QString tag;
    };

    // The design state: item 0 visible as "Voice 1", item k hidden as
    // "Voice k+1", no tags, "Set Data &Path" hidden.
    VoiceMenu();

    const Item& item(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    bool dataPathVisible() const { return m_dataPathVisible; }

    // Fills the items from the VOICE programs of gPrograms in record order:
    // item SortOrderUser becomes visible with the caption Description + " [" +
    // Data + "]" and the voice's MasterID as tag; a later voice with the same
    // SortOrderUser takes the item over. A voice whose SortOrderUser is Null or
    // outside 0..19 gets no item. Items set by an earlier fill keep their state
    // unless claimed again. "Set Data &Path" is visible exactly when some voice
    // got an item. At its end it reports to the host each item it set, in the
    // order set, then the visibility of "Set Data &Path". Leaves gPrograms
    // without a filter.
    void setupMenu(store::SharedState& state, host::Host& host);

    // The click on item index: shows the media folder dialog for the item's
    // voice and stores the folder the user accepted (SetProgramData).
    // gMediaPathResult is set to "CANCEL" before the dialog shows, so a dialog
    // closed by its title bar stores nothing. On Accept the menu is refilled
    // before the folder is stored (as the dialog's Accept does) and again after
    // it, so the captions show the new folder. An index outside 0..19 or an
    // item that no voice claims shows no dialog and changes nothing; the user
    // is told through host.reportError.
    void mnuDPVoiceClick(store::SharedState& state, host::Host& host, int index, const MediaFolderDialog& showDialog);

private:
    std::array<Item, kItemCount> m_items;
    bool m_dataPathVisible = false;
};

// The voice menu item that serves the voice masterId (its SortOrderUser), as
// the "SetV" command of the control page needs it. Fails with
// store::RefusedValue, in plain words, when masterId is not a whole number,
// when no program has that id, when the program is not a voice, or when its
// SortOrderUser names no menu item (Null, negative, or above 19).
int voiceMenuIndexOf(store::SharedState& state, const QString& masterId);

} // namespace tilvora::control

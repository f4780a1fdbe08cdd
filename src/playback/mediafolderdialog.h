#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>

namespace tilvora::playback {

// Shows the media folder dialog for the voice whose MasterID is `tag` and
// returns the host's answer unchanged; the caller decides what to store.
//
// On activation the dialog reads the voice's stored folder (its Data in
// gPrograms) as InitialPath and opens the folder list on it (a relative one
// inside the application folder) when it is a folder that can be read; otherwise the list opens on its default folder,
// the current folder. When the stored folder cannot be looked up (an empty or
// unknown tag) or opened, the request carries the mapping message's text: the
// reason in plain words, a line break, and the fixed sentence that the path
// cannot be mapped. An empty (or blank) stored folder is no failure.
host::MediaFolderDialogAnswer runMediaFolderDialog(store::SharedState& state, host::Host& host, const QString& tag);

} // namespace tilvora::playback

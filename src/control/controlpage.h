#pragma once

#include "store/sharedstate.h"

#include <QString>

namespace tilvora::control {

// The control page: one matan list, three row lists (display positions 1 to
// 3) and a paragraph of voice lines, built from gPrograms. Each list's current
// choice is its first option; every change navigates the pane to a control
// command ("_Control.htm__Row0 = 12", "_Control.htm__Voice = 40",
// "_Control.htm__SetV = 40").
//
// Besides the text it records what each part offers: gMatanIds,
// gTranslationTafseerIds and gVoiceIds (MasterIDs joined with ",", empty when
// the part offers nothing; left untouched when gPrograms is empty), and it
// opens the details of every selected voice in record order, so gDetails holds
// the last selected voice's. gPrograms is left without a filter.
//
// Program names, ids and voice folders are HTML-escaped. When the content
// lacks a part, the page is still written: a list whose heading program is
// missing (no matan selected, nothing at position n) has no heading option,
// and a type without programs gives its list no options and the voice
// paragraph no lines.
QString composeControlPage(store::SharedState& state);

// Composes the control page and writes it as "Control.htm" in the application
// folder; returns the file's path. Fails with pages::PageFileError when the
// file cannot be written.
QString buildControlPage(store::SharedState& state);

} // namespace tilvora::control

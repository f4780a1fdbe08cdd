#pragma once

#include "store/sharedstate.h"

#include <QString>

#include <functional>

namespace tilvora::control {

// Stores a choice made in the control page. source must be "CONTROL" for
// anything to be stored; name says what was chosen:
//   "Row0"           the matan (every matan deselected and at position 0, the
//                    chosen one selected at 0);
//   "Row" + digit n  the program at display position n (every translation or
//                    commentary at n deselected and moved to 0, the chosen one
//                    selected and moved to n);
//   "Voice"          the voice (every voice deselected, the chosen one selected;
//                    positions untouched, they number the voice menu).
// value is the chosen program's MasterID. The two UPDATE statements of a
// choice run in one transaction, so when the second fails the previous choice
// stays. Afterwards gSelectedIds and gPrograms are recomputed; after a voice
// choice gDetails holds the new voice's details and playVoice is called with
// gLastAyahRef, to recite the last double-clicked verse in the new voice.
//
// A value that is not a whole number fails with store::RefusedValue before any
// statement runs. A statement the database refuses fails with store::DbError.
void ApplyControlSelection(store::SharedState& state, const QString& source, const QString& name, const QString& value,
    const std::function<void(qint32)>& playVoice);

// Stores the media folder dialog's answer (gMediaPathResult) as the folder of
// the voice masterId, unless it is "CANCEL", exactly as chosen (apostrophes
// included). In both cases gSelectedIds and gPrograms are recomputed and
// gDetails is reopened for the selected voice (the first voice whose
// UserSelection is True), not for masterId, so the next recitation uses the
// selected voice's own files and positions; with no voice selected gDetails is
// left as it is.
//
// A masterId that is not a whole number fails with store::RefusedValue before
// anything is stored.
void SetProgramData(store::SharedState& state, const QString& masterId);

} // namespace tilvora::control

#pragma once

#include "store/sharedstate.h"

#include <QString>

#include <array>
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
// value is the chosen program's MasterID; for "Row" + n it may be empty, which
// empties the row (every program at n deselected and moved to 0). The two UPDATE statements of a
// choice run in one transaction, so when the second fails the previous choice
// stays. Afterwards gSelectedIds and gPrograms are recomputed; after a voice
// choice gDetails holds the new voice's details and playVoice is called with
// gLastAyahRef, to recite the last double-clicked verse in the new voice.
//
// A value that is not a whole number fails with store::RefusedValue before any
// statement runs. A statement the database refuses fails with store::DbError.
void applyControlSelection(store::SharedState& state, const QString& source, const QString& name, const QString& value,
    const std::function<void(qint32)>& playVoice);

// What the control page's choices store: the program shown at each display
// position (0 the matan, 1..3 the rows of translations and commentaries) and
// the selected voice, each a MasterID or empty when there is none.
struct StoredChoices {
    std::array<QString, 4> rows;
    QString voice;
};
StoredChoices storedControlChoices(const store::SharedState& state);

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
void setProgramData(store::SharedState& state, const QString& masterId);

} // namespace tilvora::control

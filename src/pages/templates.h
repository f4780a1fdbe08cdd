#pragma once

#include "store/sharedstate.h"

#include <QString>
#include <QStringList>

namespace tilvora::pages {

// Carriage return and line feed: every line of a generated page after the
// first is preceded by it.
inline const QString kCrLf = QStringLiteral("\r\n");

// The reading page's style sheet. Each selected text program (MATAN,
// TRANSLATION, TAFSEER) adds its direction and font to the class pair
// CSSk / CSSk_Sel of its display order k (0..3); a program whose order lies
// outside 0..3 adds nothing. Leaves gPrograms unfiltered, its cursor moved.
QString pageStyle(store::SharedState& state);

// The head of the reading page, ending with the style sheet.
QString pageHead(store::SharedState& state);

// The tail of the reading page: the F5 key handler and the closing tags.
QString pageTail();

// The script procedure f that both generated pages carry: for the refresh key
// (key code 116, F5) it cancels the key, so a pane cannot be reloaded.
const QStringList& refreshKeyHandlerLines();

} // namespace tilvora::pages

#pragma once

#include "store/sharedstate.h"

#include <QString>

namespace tilvora::pages {

// Builds the statement that selects the rows of one reading page.
//
// The view name picks the verses: "Surah" (a chapter), "Parah" (a part),
// "Word", "Root" and "Subject" (looked up in the word and subject indexes),
// "Search" (with a "*" over the whole database, without one over the page
// shown last), and any name beginning with "Row" (the verses of the page shown
// last again, with the current program selection). Any other name selects
// every detail row of every program.
//
// Replaces state.gVerseRefs (opened by the word, root, subject and
// whole-database search views) and moves the cursor of state.gPageRecords.
// resultCount is written by the lookup views and the "Row" views and left as
// the caller set it otherwise.
//
// Texts spliced into the statement have their apostrophes doubled. A chapter,
// part or subject value that is not a whole number throws store::RefusedValue
// before anything is run or replaced.
QString buildViewQuery(
    store::SharedState& state, const QString& viewName, const QString& viewValue, qint32& resultCount);

// The statement that a search over the whole database (a value with a "*")
// runs first to find its verses; the empty text for a search without one.
QString searchLookupStatement(const QString& viewValue);

} // namespace tilvora::pages

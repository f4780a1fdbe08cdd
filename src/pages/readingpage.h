#pragma once

#include "host/host.h"
#include "store/sharedstate.h"

#include <QString>

namespace tilvora::pages {

// Renders the reading page of one view: head and style sheet, one table per
// verse with one row per selected program, and the tail. Replaces
// state.gPageRecords with the view's rows and, once the page is built, sets
// the search-result label to the result count and the number of verses shown
// ("  Search Result(s): " CRLF "   " count "/" shown). A view without rows
// gives the empty text (the label is still set).
//
// A failure (a refused value, a statement the database refuses) propagates
// before the label is touched. A refused value changes nothing at all; a
// statement that fails after the view query leaves gPageRecords closed.
QString renderReadingPage(
    store::SharedState& state, host::Host& host, const QString& viewName, const QString& viewValue);

// The HTML of one row of a view: when order is 0 the verse's anchor and table
// start (closing the previous table unless first), then, when text is not
// empty, the row's cell with id detailId and class className.
QString writeAyahRows(const QString& detailId, const QString& text, const QString& verseRef, const QString& className,
    int order, bool first);

// Closes the last verse table of a page body.
void closeTable(QString& body);

} // namespace tilvora::pages

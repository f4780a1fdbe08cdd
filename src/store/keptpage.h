#pragma once

#include "recordset.h"

#include <QString>

#include <list>

namespace tilvora::store {

// A reading page that took long to make (the whole book, a wide search),
// kept with its rows, so that going back to it costs no more than writing it:
// it is taken again only for the same statement and head over the same data.
struct KeptPage {
    QString statement;
    QString head;
    // The connection's name and data version when the page was made.
    QString dataVersion;
    RecordSet rows;
    QString page;
    qint32 shownCount = 0;
};

// The kept pages, the one used last first.
using KeptPages = std::list<KeptPage>;

} // namespace tilvora::store

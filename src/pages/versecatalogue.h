#pragma once

#include "store/bookmarkstore.h"
#include "store/sharedstate.h"

#include <QList>
#include <QString>

#include <optional>

namespace tilvora::pages {

// A chapter as headings and bookmarks name it.
struct ChapterEntry {
    int number = 0;
    int firstRef = 0; // AyahRef of its first verse
    QString arabicName;
    QString latinName;
    // "112 Al-Ikhlas", or "Chapter 112" when the content names no chapters.
    QString title() const;
};

// The chapters and their verses as the content database knows them: the
// numbers from the verse table, the names from the content build's own
// chapter table when the database has one.
class VerseCatalogue {
public:
    explicit VerseCatalogue(store::Connection& connection);

    const QList<ChapterEntry>& chapters() const { return m_chapters; }
    const ChapterEntry* chapter(int number) const;

    std::optional<store::VersePlace> placeOf(int ayahRef) const;
    std::optional<int> refOf(store::VersePlace place) const;

private:
    store::Connection& m_connection;
    QList<ChapterEntry> m_chapters;
};

// The display orders (0..3) of the selected Quran text programs: the rows the
// reader's choice of Arabic font applies to.
QList<int> arabicTextOrders(store::SharedState& state);

// The first `count` words of a verse in the Quran text the reader has
// selected (or the first Quran text), for a bookmark's menu entry.
QString openingWords(store::SharedState& state, int ayahRef, int count);

} // namespace tilvora::pages

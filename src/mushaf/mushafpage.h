#pragma once

#include "mushafindex.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace tilvora::store {
class Connection;
}

namespace tilvora::mushaf {

// One word of a printed line as the page shows it: letters of a verse, the
// sign that ends a verse with its number, or a sign between verses (the
// quarter sign). `joined` words follow the one before with a no-break space.
struct Word {
    enum class Kind { Letters, VerseEnd, Sign };
    QString text;
    Kind kind = Kind::Letters;
    qint32 ayahRef = 0;
    bool joined = false;
};

struct PageLine {
    int number = 0;
    LineKind kind = LineKind::Text;
    int surah = 0;
    // The line as printed; the words of a text line, in reading order.
    QString text;
    std::vector<Word> words;
};

// The lines of one page with their words, each word given its verse.
struct MushafPage {
    int page = 0;
    std::vector<PageLine> lines;

    // Reads the page; fails with store::RefusedValue for a page the mushaf
    // does not have.
    static MushafPage load(store::Connection& connection, const MushafIndex& index, int page);
    // The words of a verse as the mushaf prints them, on whatever pages, joined
    // by spaces (without its number); empty for a verse it does not hold.
    static QString verseText(store::Connection& connection, qint32 ayahRef);
    // The words of a text line whose first word belongs to verse `first`.
    static std::vector<Word> splitWords(const QString& text, qint32 first);
};

} // namespace tilvora::mushaf

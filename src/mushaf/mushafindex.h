#pragma once

#include <QString>
#include <QtGlobal>

#include <span>
#include <utility>
#include <vector>

namespace tilvora::store {
class Connection;
}

namespace tilvora::mushaf {

enum class LineKind { Title, Basmala, Text };

// One printed line without its text: where it is, what it is, and the
// verses its first and last word belong to (0 on titles and basmala lines).
struct LineEntry {
    int page = 0;
    int line = 0;
    LineKind kind = LineKind::Text;
    int surah = 0;
    qint32 first = 0;
    qint32 last = 0;
};

// A place on the pages; page 0 means nowhere.
struct Place {
    int page = 0;
    int line = 0;
};

// A division that begins on a page: "part", "quarter", "manzil" or "sajda",
// its number, its verse and the line where that verse begins.
struct DivisionMark {
    QString division;
    int number = 0;
    qint32 ayahRef = 0;
    int line = 0;
};

// The divisions in force at a page's first word, and those that begin on it.
struct PageDivisions {
    int part = 0;
    int quarter = 0;
    int manzil = 0;
    std::vector<DivisionMark> beginning;
};

// Where every verse and division lies in the mushaf, read once from the
// database (the line table without its texts, the division table and the
// verse table). Answers without touching the database again.
class MushafIndex {
public:
    // Fails with store::RefusedValue when the database holds no mushaf.
    static MushafIndex load(store::Connection& connection);

    int pageCount() const { return m_pageCount; }
    bool isPage(int page) const { return page >= 1 && page <= m_pageCount; }
    int verseCount() const { return static_cast<int>(m_verses.size()); }

    // The lines of a page in order; empty for a page that does not exist.
    std::span<const LineEntry> linesOf(int page) const;
    // Where the verse begins; page 0 for a verse the mushaf does not hold.
    Place placeOf(qint32 ayahRef) const;
    // The first verse that begins on the page and the last that ends on it
    // (0 when none does, or the page does not exist).
    qint32 firstVerseOf(int page) const;
    qint32 lastVerseOf(int page) const;
    PageDivisions divisionsAt(int page) const;
    // The page where a division begins (its number from 1); 0 when none.
    int pageOfDivision(const QString& division, int number) const;
    // The page that holds the chapter's title; 0 when none.
    int pageOfChapter(int surah) const;

    // The first and last verse (AyahRef) of a "page" (the verses that begin
    // on it), a "chapter" or a "part", by its number; {0, 0} when there is no
    // such unit.
    std::pair<qint32, qint32> versesOf(const QString& unit, int number) const;

    // The verse S:A as an AyahRef, 0 when there is none; and back.
    qint32 ayahRef(int surah, int ayah) const;
    QString reference(qint32 ayahRef) const;

    // A page number or a verse reference as a reader types it. A text that
    // is no such page or verse fails with store::RefusedValue, whose message
    // says why in plain words.
    int parsePage(const QString& text) const;
    qint32 parseReference(const QString& text) const;

private:
    struct Verse {
        qint32 ayahRef = 0;
        int surah = 0;
        int ayah = 0;
    };
    const Verse* verse(qint32 ayahRef) const;

    // The division number in force at the verse (0 before the first).
    int divisionAt(const QString& division, qint32 ayahRef) const;
    const std::vector<qint32>* starts(const QString& division) const;
    // Index in m_lines of the text line before or after line `index`.
    std::ptrdiff_t textLineBefore(std::size_t index) const;
    std::ptrdiff_t textLineAfter(std::size_t index) const;

    std::vector<LineEntry> m_lines;
    // Index in m_lines of each page's first line, and one past the last page.
    std::vector<std::size_t> m_pageStart;
    std::vector<std::size_t> m_textLines;
    std::vector<Verse> m_verses;
    std::vector<std::pair<QString, std::vector<qint32>>> m_divisions;
    int m_pageCount = 0;
};

} // namespace tilvora::mushaf

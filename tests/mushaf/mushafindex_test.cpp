// Where verses and divisions lie on a small made mushaf of three pages:
// a verse carried over a page, a chapter title and basmala, a quarter sign.

#include "mushaf/mushafindex.h"
#include "mushaf/mushafpage.h"
#include "store/dberror.h"
#include "support/fixturedb.h"

#include <gtest/gtest.h>

namespace tilvora::mushaf {
namespace {

using testing::FixtureDb;

class MadeMushaf : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Chapter 1 holds verses 1-3, chapter 2 verses 4-7.
        for (int ref = 1; ref <= 7; ++ref)
            m_db.verse(ref, ref <= 3 ? 1 : 2, ref <= 3 ? ref : ref - 3);
        m_db.execute({
            QStringLiteral("CREATE TABLE MS_Line_TAB (PageNo INTEGER, LineNo INTEGER, Kind TEXT, SurahNo INTEGER, "
                           "Data TEXT, FirstAyahRef INTEGER, LastAyahRef INTEGER)"),
            QStringLiteral("CREATE TABLE MS_Division_TAB (Division TEXT, No INTEGER, AyahRef INTEGER)"),
            QStringLiteral(
                "INSERT INTO MS_Line_TAB VALUES (1, 1, 'title', 1, 'T1', NULL, NULL), "
                "(1, 2, 'text', 1, 'w1 w2\u00A0\u0661 w3', 1, 2), (1, 3, 'text', 1, 'w4 \u0662 w5 \u0663', 2, 3), "
                "(2, 1, 'title', 2, 'T2', NULL, NULL), (2, 2, 'basmala', 2, 'B', NULL, NULL), "
                "(2, 3, 'text', 2, 'a b \u0661 c', 4, 5), (3, 1, 'text', 2, 'd e', 5, 5), "
                "(3, 2, 'text', 2, 'f\u00A0\u0662 \u06DE g \u0663', 5, 6), (3, 3, 'text', 2, 'h \u0664', 7, 7)"),
            QStringLiteral("INSERT INTO MS_Division_TAB VALUES ('page', 1, 1), ('page', 2, 4), ('page', 3, 6), "
                           "('part', 1, 1), ('part', 2, 6), ('quarter', 1, 1), ('quarter', 2, 4), ('quarter', 3, 6), "
                           "('sajda', 1, 7)"),
        });
        m_connection = m_db.connect();
        m_index = MushafIndex::load(*m_connection);
    }

    FixtureDb m_db;
    std::unique_ptr<store::Connection> m_connection;
    MushafIndex m_index;
};

TEST_F(MadeMushaf, PlaceOfAVerseIsWhereItsFirstWordIs)
{
    EXPECT_EQ(m_index.pageCount(), 3);
    const auto place = [&](qint32 ref) { return std::pair{m_index.placeOf(ref).page, m_index.placeOf(ref).line}; };
    EXPECT_EQ(place(1), std::pair(1, 2));
    EXPECT_EQ(place(3), std::pair(1, 3));
    EXPECT_EQ(place(5), std::pair(2, 3)); // begins on page 2, ends on page 3
    EXPECT_EQ(place(6), std::pair(3, 2));
    EXPECT_EQ(m_index.placeOf(8).page, 0);
}

TEST_F(MadeMushaf, FirstVerseBeginsAndLastVerseEndsOnThePage)
{
    EXPECT_EQ(m_index.firstVerseOf(1), 1);
    EXPECT_EQ(m_index.lastVerseOf(1), 3);
    EXPECT_EQ(m_index.firstVerseOf(2), 4);
    EXPECT_EQ(m_index.lastVerseOf(2), 4); // verse 5 goes on over the page
    EXPECT_EQ(m_index.firstVerseOf(3), 6); // verse 5 is carried over
    EXPECT_EQ(m_index.lastVerseOf(3), 7);
    EXPECT_EQ(m_index.firstVerseOf(4), 0);
}

TEST_F(MadeMushaf, DivisionsAtAPageAndWhereTheyBegin)
{
    const PageDivisions third = m_index.divisionsAt(3);
    EXPECT_EQ(third.part, 1); // the page opens inside verse 5, still in part 1
    EXPECT_EQ(third.quarter, 2);
    QStringList marks;
    for (const DivisionMark& mark : third.beginning)
        marks << QStringLiteral("%1 %2 @%3").arg(mark.division).arg(mark.number).arg(mark.line);
    marks.sort();
    EXPECT_EQ(marks,
        QStringList({QStringLiteral("part 2 @2"), QStringLiteral("quarter 3 @2"), QStringLiteral("sajda 1 @3")}));
    EXPECT_EQ(m_index.pageOfDivision(QStringLiteral("part"), 2), 3);
    EXPECT_EQ(m_index.pageOfDivision(QStringLiteral("part"), 3), 0);
    EXPECT_EQ(m_index.pageOfChapter(2), 2);
}

TEST_F(MadeMushaf, VersesOfAPageChapterOrPartToLearn)
{
    using Range = std::pair<qint32, qint32>;
    EXPECT_EQ(m_index.versesOf(QStringLiteral("page"), 2), Range(4, 5)); // verse 5 begins on page 2
    EXPECT_EQ(m_index.versesOf(QStringLiteral("page"), 3), Range(6, 7));
    EXPECT_EQ(m_index.versesOf(QStringLiteral("chapter"), 1), Range(1, 3));
    EXPECT_EQ(m_index.versesOf(QStringLiteral("chapter"), 2), Range(4, 7));
    EXPECT_EQ(m_index.versesOf(QStringLiteral("part"), 1), Range(1, 5));
    EXPECT_EQ(m_index.versesOf(QStringLiteral("part"), 2), Range(6, 7));
    for (const auto& [unit, number] : {std::pair{QStringLiteral("page"), 4}, std::pair{QStringLiteral("chapter"), 3},
             std::pair{QStringLiteral("part"), 0}, std::pair{QStringLiteral("line"), 1}})
        EXPECT_EQ(m_index.versesOf(unit, number), Range(0, 0)) << unit.toStdString() << number;
}

TEST_F(MadeMushaf, PagesAndReferencesAreReadOrRefusedInPlainWords)
{
    EXPECT_EQ(m_index.parsePage(QStringLiteral(" 3 ")), 3);
    EXPECT_EQ(m_index.parseReference(QStringLiteral("2:3")), 6);
    EXPECT_EQ(m_index.reference(6), QStringLiteral("2:3"));
    for (const QString& page : {QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("two")})
        EXPECT_THROW(m_index.parsePage(page), store::RefusedValue) << page.toStdString();
    for (const QString& verse : {QStringLiteral("2:9"), QStringLiteral("3:1"), QStringLiteral("2-3")})
        EXPECT_THROW(m_index.parseReference(verse), store::RefusedValue) << verse.toStdString();
}

TEST_F(MadeMushaf, WordsOfALineCarryTheirVerses)
{
    const MushafPage page = MushafPage::load(*m_connection, m_index, 3);
    ASSERT_EQ(page.lines.size(), 3u);
    const std::vector<Word>& words = page.lines[1].words;
    QStringList seen;
    for (const Word& word : words)
        seen << QStringLiteral("%1:%2%3")
                    .arg(int(word.kind))
                    .arg(word.ayahRef)
                    .arg(word.joined ? QStringLiteral("j") : QString());
    // f (5), its end sign joined to it, the quarter sign and g (6), g's end.
    EXPECT_EQ(seen,
        QStringList({QStringLiteral("0:5"), QStringLiteral("1:5j"), QStringLiteral("2:6"), QStringLiteral("0:6"),
            QStringLiteral("1:6")}));
    EXPECT_THROW(MushafPage::load(*m_connection, m_index, 4), store::RefusedValue);
}

TEST(MushafIndexLoad, ADatabaseWithoutAMushafIsRefused)
{
    FixtureDb db;
    db.verse(1, 1, 1);
    EXPECT_THROW(MushafIndex::load(*db.connect()), store::RefusedValue);
}

} // namespace
} // namespace tilvora::mushaf

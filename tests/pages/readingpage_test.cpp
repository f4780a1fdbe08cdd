#include "pages/readingpage.h"

#include "pages/templates.h"
#include "store/dberror.h"
#include "support/fixturedb.h"
#include "support/recordinghost.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::pages::pageHead;
using tilvora::pages::pageTail;
using tilvora::pages::renderReadingPage;
using tilvora::store::SharedState;
using tilvora::testing::FixtureDb;
using tilvora::testing::RecordingHost;

namespace {

QString verseStart(int ref, bool closePrevious)
{
    return (closePrevious ? u"\r\n</table>"_s : QString())
        + u"\r\n<a name=\"Bookmark_%1\"></a>\r\n <table Class=\"sura\" ID=\"%1\"  align=\"center\">"_s.arg(ref);
}
QString cell(int detailId, int order, const QString& text)
{
    return u"\r\n<TR><TD  ID=\"%1\" class='CSS%2'; onfocus=\"this.className='CSS%2_Sel'\" ; onblur=\"this.className='CSS%2'\" >"_s
               .arg(detailId)
               .arg(order)
        + text + u"</TD></TR>"_s;
}
QString label(int results, int shown)
{
    return u"  Search Result(s): \r\n   %1/%2"_s.arg(results).arg(shown);
}

// Program A (1) at order 0 and B (2) at order 1, chapter 1 of two verses.
class ReadingPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.program(1, FixtureDb::Matan, true, 0);
        m_db.program(2, FixtureDb::Translation, true, 1);
        m_db.verse(1, 1, 1);
        m_db.verse(2, 1, 2);
    }
    // The state is opened on first use, after the test has added its programs.
    SharedState& state()
    {
        if (!m_state.gConnection)
            m_db.open(m_state);
        return m_state;
    }
    QString render(const QString& view, const QString& value)
    {
        return renderReadingPage(state(), m_host, view, value);
    }
    QString page(const QString& body) { return pageHead(state()) + body + u"</TABLE>"_s + pageTail(); }

    FixtureDb m_db;
    SharedState m_state;
    RecordingHost m_host;
};

} // namespace

TEST_F(ReadingPage, OneVerseOneProgram)
{
    m_db.detail(11, 1, 1, u"TA1"_s);
    EXPECT_EQ(render(u"Surah"_s, u"1"_s), page(verseStart(1, false) + cell(11, 0, u"TA1 {1:1}"_s)));
    EXPECT_EQ(m_host.linesOf(u"label"_s), QStringList{label(0, 1)});
}

TEST_F(ReadingPage, TwoProgramsTwoVerses)
{
    m_db.detail(11, 1, 1, u"TA1"_s);
    m_db.detail(12, 1, 2, u"TA2"_s);
    m_db.detail(21, 2, 1, u"TB1"_s);
    m_db.detail(22, 2, 2, u"TB2"_s);
    EXPECT_EQ(render(u"Surah"_s, u"1"_s),
        page(verseStart(1, false) + cell(11, 0, u"TA1 {1:1}"_s) + cell(21, 1, u"TB1"_s) + verseStart(2, true)
            + cell(12, 0, u"TA2 {1:2}"_s) + cell(22, 1, u"TB2"_s)));
    EXPECT_EQ(m_host.linesOf(u"label"_s), QStringList{label(0, 2)});
    // The rows stay for the next view, unfiltered and past the end.
    EXPECT_EQ(m_state.gPageRecords.recordCount(), 4);
    EXPECT_TRUE(m_state.gPageRecords.eof());
}

TEST_F(ReadingPage, MissingAndEmptyTexts)
{
    // Verse 1 has no order-0 row, verse 2's is Null, verse 3's is empty.
    m_db.verse(3, 1, 3);
    m_db.detail(21, 2, 1, u"TB1"_s);
    m_db.detail(12, 1, 2, QVariant());
    m_db.detail(22, 2, 2, u"TB2"_s);
    m_db.detail(13, 1, 3, u""_s);
    m_db.detail(23, 2, 3, u""_s);
    EXPECT_EQ(render(u"Surah"_s, u"1"_s),
        page(cell(21, 1, u"TB1"_s) + cell(22, 1, u"TB2"_s) + verseStart(3, true) + cell(13, 0, u" {1:3}"_s)));
    EXPECT_EQ(m_host.linesOf(u"label"_s), QStringList{label(0, 2)}); // the Null row still counts as shown
}

TEST_F(ReadingPage, EmptyViewGivesEmptyTextAndStillALabel)
{
    m_db.detail(11, 1, 1, u"TA1"_s);
    m_db.word(u"w"_s, u"r"_s, 1);
    m_db.word(u"w"_s, u"r"_s, 2);
    m_db.program(3, FixtureDb::Translation, false, 2);
    m_db.detail(32, 3, 2, u"unselected"_s);
    EXPECT_EQ(render(u"Surah"_s, u"9"_s), QString());
    EXPECT_EQ(render(u"Word"_s, u"w"_s), page(verseStart(1, false) + cell(11, 0, u"TA1 {1:1}"_s)));
    EXPECT_EQ(render(u"Search"_s, u"unselected*"_s), QString());
    EXPECT_EQ(m_host.linesOf(u"label"_s), (QStringList{label(0, 0), label(2, 1), label(1, 0)}));
}

TEST_F(ReadingPage, AnOrderWithoutAClassSlotStillRenders)
{
    m_db.program(3, FixtureDb::Translation, true, 7);
    m_db.detail(11, 1, 1, u"TA1"_s);
    m_db.detail(31, 3, 1, u"T7"_s);
    const QString html = render(u"Surah"_s, u"1"_s);
    EXPECT_EQ(html, page(verseStart(1, false) + cell(11, 0, u"TA1 {1:1}"_s) + cell(31, 7, u"T7"_s)));
    EXPECT_FALSE(html.contains(u".CSS7"_s));
}

TEST_F(ReadingPage, FailuresLeaveTheLabelAlone)
{
    m_db.detail(11, 1, 1, u"TA1"_s);
    m_db.word(u"w"_s, u"r"_s, 1);
    render(u"Word"_s, u"w"_s);
    ASSERT_EQ(m_host.linesOf(u"label"_s).size(), 1);

    // A refused value changes nothing: the rows and lookup of the last page stay.
    EXPECT_THROW(render(u"Surah"_s, u"1;"_s), tilvora::store::RefusedValue);
    EXPECT_EQ(m_host.linesOf(u"label"_s).size(), 1);
    EXPECT_EQ(m_state.gPageRecords.recordCount(), 1);
    EXPECT_EQ(m_state.gVerseRefs.recordCount(), 1);

    // A statement the database refuses passes up as a DbError.
    m_db.writer().execute(u"DROP TABLE MD_Ayah_TAB"_s);
    EXPECT_THROW(render(u"Surah"_s, u"1"_s), tilvora::store::DbError);
    EXPECT_EQ(m_host.linesOf(u"label"_s).size(), 1);
}

TEST_F(ReadingPage, TextsAndOtherValuesAreWrittenAsTheirTextForms)
{
    // A text that opens with a byte order mark, one with malformed bytes, a
    // number, a real and a blob where texts are expected.
    m_db.verse(3, 1, 3);
    m_db.execute({u"INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data) VALUES "
                  "(11, 1, 1, CAST(X'EFBBBF41D8A7' AS TEXT)), (21, 2, 1, CAST(X'41C3E2' AS TEXT)), "
                  "(12, 1, 2, 1234), (22, 2, 2, 2.5), (13, 1, 3, X'4142'), (23, 2, 3, X'')"_s});
    EXPECT_EQ(render(u"Surah"_s, u"1"_s),
        page(verseStart(1, false)
            + cell(11, 0,
                QString::fromUtf8("\xEF\xBB\xBF"
                                  "A\xD8\xA7")
                    + u" {1:1}"_s)
            + cell(21, 1, QString::fromUtf8("A\xC3\xE2")) + verseStart(2, true) + cell(12, 0, u"1234 {1:2}"_s)
            + cell(22, 1, u"2.5"_s) + verseStart(3, true) + cell(13, 0, u"AB {1:3}"_s)));
}

TEST_F(ReadingPage, AViewShownAgainShowsTheDataAsItIsNow)
{
    // A view long enough to be kept: 2,000 verses of two programs.
    m_db.execute({u"WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                  u"INSERT INTO MD_Ayah_TAB (AyahRef, SurahNo, AyahNo, ParahNo) SELECT i, 1, i, 1 FROM n"_s,
        u"INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data) SELECT AyahRef * 10 + p.m, p.m, AyahRef, "
        u"'T' || AyahRef FROM MD_Ayah_TAB, (SELECT 1 AS m UNION ALL SELECT 2) AS p"_s});
    const QString first = render(u"Surah"_s, u"1"_s);
    const QStringList labels = m_host.linesOf(u"label"_s);
    EXPECT_EQ(render(u"Surah"_s, u"1"_s), first);
    EXPECT_EQ(m_host.linesOf(u"label"_s), labels + labels.mid(0, 1));
    EXPECT_EQ(m_state.gPageRecords.recordCount(), 4000);

    // Changed by another connection, then through the program's own.
    m_db.execute({u"UPDATE AP_Detail_TAB SET Data = 'changed elsewhere' WHERE DetailID = 71"_s});
    EXPECT_TRUE(render(u"Surah"_s, u"1"_s).contains(u"changed elsewhere {1:7}"_s));
    state().gConnection->execute(u"UPDATE AP_Detail_TAB SET Data = 'changed here' WHERE DetailID = 81"_s);
    const QString changed = render(u"Surah"_s, u"1"_s);
    EXPECT_TRUE(changed.contains(u"changed here {1:8}"_s));
    EXPECT_TRUE(changed.contains(u"changed elsewhere {1:7}"_s));
}

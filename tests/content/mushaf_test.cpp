// The mushaf in the built DIC.DAT: its lines and pages, every verse on
// exactly one run of lines, the divisions, and the shipped font.

#include "contentfixture.h"

#include <QCryptographicHash>

namespace tilvora::content_test {
namespace {

using Mushaf = ContentDatabase;

TEST_F(Mushaf, PagesHaveTheirPrintedLineCounts)
{
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MS_Line_TAB"_s), u"9046"_s);
    EXPECT_EQ(value(u"SELECT COUNT(DISTINCT PageNo) || ' ' || MIN(PageNo) || ' ' || MAX(PageNo) FROM MS_Line_TAB"_s),
        u"604 1 604"_s);
    // Pages 1 and 2 have 8 lines, every other page 15, numbered from 1.
    EXPECT_EQ(column(u"SELECT PageNo FROM MS_Line_TAB GROUP BY PageNo "
                     "HAVING COUNT(*) <> MAX(LineNo) OR MIN(LineNo) <> 1 "
                     "OR COUNT(*) <> CASE WHEN PageNo <= 2 THEN 8 ELSE 15 END"_s),
        QStringList());
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MS_Line_TAB WHERE Kind = 'title'"_s), u"114"_s);
    EXPECT_EQ(value(u"SELECT COUNT(*) FROM MS_Line_TAB WHERE Kind NOT IN ('title', 'basmala', 'text') "
                    "OR Data IS NULL OR Data = ''"_s),
        u"0"_s);
}

TEST_F(Mushaf, EveryVerseLiesOnExactlyOneRunOfLines)
{
    // Walking the text lines in page order from verse 1 to the last, the
    // verses never go back and never skip: each line begins with the verse
    // the line before ended with, or the next one. So every verse lies on
    // one run of lines and begins on one page.
    const auto lines = rows(u"SELECT FirstAyahRef, LastAyahRef, PageNo, LineNo FROM MS_Line_TAB "
                            "WHERE Kind = 'text' ORDER BY PageNo, LineNo"_s);
    ASSERT_FALSE(lines.isEmpty());
    int last = 0;
    for (const auto& line : lines) {
        const int first = line.value(0).toInt();
        const int to = line.value(1).toInt();
        EXPECT_TRUE(first == last || first == last + 1)
            << "page " << line.value(2).toStdString() << " line " << line.value(3).toStdString();
        EXPECT_LE(first, to);
        last = to;
    }
    EXPECT_EQ(last, 6236);
    EXPECT_EQ(lines.first().value(0), u"1"_s);
}

TEST_F(Mushaf, DivisionsBeginAtVersesOnTheirPages)
{
    EXPECT_EQ(rows(u"SELECT Division, COUNT(*), MIN(No), MAX(No) FROM MS_Division_TAB GROUP BY Division "
                   "ORDER BY Division"_s),
        (QList<QStringList>{{u"manzil"_s, u"7"_s, u"1"_s, u"7"_s}, {u"page"_s, u"604"_s, u"1"_s, u"604"_s},
            {u"part"_s, u"30"_s, u"1"_s, u"30"_s}, {u"quarter"_s, u"240"_s, u"1"_s, u"240"_s},
            {u"sajda"_s, u"15"_s, u"1"_s, u"15"_s}}));
    // Each page's first verse begins on that page: its first line there
    // either starts with it or holds the end of the verse before.
    EXPECT_EQ(column(u"SELECT d.No FROM MS_Division_TAB d WHERE d.Division = 'page' AND d.No <> "
                     "(SELECT MIN(l.PageNo) FROM MS_Line_TAB l WHERE l.LastAyahRef >= d.AyahRef)"_s),
        QStringList());
    // The parts agree with the verse table's parts.
    EXPECT_EQ(column(u"SELECT d.No FROM MS_Division_TAB d WHERE d.Division = 'part' AND d.AyahRef <> "
                     "(SELECT MIN(AyahRef) FROM MD_Ayah_TAB WHERE ParahNo = d.No)"_s),
        QStringList());
}

TEST_F(Mushaf, FontIsShippedUnmodified)
{
    QFile shipped(contentFile(u"fonts/uthmanic-hafs-v22.ttf"_s));
    QFile published(QString::fromUtf8(TILVORA_DATA_DIR)
        + u"/node_modules/@ghoran/text/dist/fonts/uthmanic-hafs/"
          "uthmanic-hafs-v22.ttf"_s);
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    ASSERT_TRUE(published.open(QIODevice::ReadOnly));
    EXPECT_EQ(QCryptographicHash::hash(shipped.readAll(), QCryptographicHash::Sha256),
        QCryptographicHash::hash(published.readAll(), QCryptographicHash::Sha256));
}

} // namespace
} // namespace tilvora::content_test

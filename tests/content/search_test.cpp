// The program's letter-case-blind LIKE over the whole book: every search of
// the shape the reader's searches take gives the rows that the general
// matching rule gives, in Arabic, English, Urdu and the other translations.

#include "contentfixture.h"

#include "store/caselike.h"
#include "store/connection.h"

#include <QTemporaryDir>

namespace tilvora::content_test {
namespace {

using WholeBookLike = ContentDatabase;

TEST_F(WholeBookLike, EverySearchFindsTheRowsTheGeneralRuleFinds)
{
    // The program's own connection, on a copy: it registers the LIKE.
    QTemporaryDir dir;
    const QString copy = dir.filePath(u"DIC.DAT"_s);
    ASSERT_TRUE(QFile::copy(contentFile(u"DIC.DAT"_s), copy));
    const auto connection = store::Connection::open(copy);

    struct Row {
        QString id, data, searchable;
        bool dataNull, searchableNull;
    };
    QList<Row> texts;
    for (const QStringList& row : rows(u"SELECT DetailID, Data, DataSearchable FROM AP_Detail_TAB ORDER BY DetailID"_s))
        texts.append({row[0], row[1], row[2], row[1] == u"<null>"_s, row[2] == u"<null>"_s});
    ASSERT_GT(texts.size(), 6236 * 10);

    const QStringList searches = {u"%الله%"_s, u"%رحم%"_s, u"%احد%"_s, u"%ٱلرَّحِيمِ%"_s, u"%اللہ%"_s, u"%رحمت%"_s,
        u"%merciful%"_s, u"%MERCIFUL%"_s, u"%MeRcY%"_s, u"%the lord%"_s, u"%bismi%"_s, u"%АЛЛАХ%"_s, u"%İSA%"_s,
        u"%ışık%"_s, u"%GOTT%"_s, u"%a_b%"_s, u"%m_rc%ful%"_s, u"merciful%"_s, u"%%"_s, u"%''%"_s};
    for (const QString& pattern : searches) {
        const QString literal = QString(pattern).replace(u"''"_s, u"'"_s);
        QStringList expected;
        for (const Row& row : texts) {
            if ((!row.dataNull && store::caseFoldingLike(literal, row.data))
                || (!row.searchableNull && store::caseFoldingLike(literal, row.searchable)))
                expected << row.id;
        }
        store::RecordSet found
            = connection->openRecordSet(u"SELECT DetailID FROM AP_Detail_TAB WHERE Data LIKE '%1' "
                                        "OR DataSearchable LIKE '%1' ORDER BY DetailID"_s.arg(pattern));
        QStringList actual;
        for (int i = 0; i < found.recordCount(); ++i, found.moveNext())
            actual << found.text(0);
        EXPECT_EQ(actual.size(), expected.size()) << pattern.toStdString();
        EXPECT_TRUE(actual == expected) << pattern.toStdString();
    }
}

} // namespace
} // namespace tilvora::content_test

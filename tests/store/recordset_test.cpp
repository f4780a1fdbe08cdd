#include "support/fixturedb.h"

#include "store/caselike.h"
#include "store/dberror.h"
#include "store/recordset.h"

#include <gtest/gtest.h>

using namespace tilvora::store;
using tilvora::testing::FixtureDb;

namespace {

// Five programs of mixed types, numbers, texts and Booleans.
class RecordSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.execute({QStringLiteral(
            "INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Data, UserSelection, SortOrderUser) VALUES "
            "(1, 1, 'Matan A', NULL, 1, 0), (2, 2, 'English', NULL, 1, 1), (3, 2, 'French', NULL, 0, 0), "
            "(12, 4, 'Voice', '/media/v', 1, 0), (20, 3, 'Notes', NULL, 0, NULL)")});
        connection = db.connect();
        records = connection->openRecordSet(QStringLiteral(
            "SELECT AP_Master_TAB.*, AP_TypesMaster_TAB.SysTerm AS SysTerm_MasterTypeID FROM AP_Master_TAB INNER JOIN "
            "AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID ORDER BY "
            "AP_Master_TAB.MasterID"));
    }

    QStringList idsUnderFilter(const QString& filter)
    {
        records.setFilter(filter);
        QStringList ids;
        for (; !records.eof(); records.moveNext())
            ids << records.text(QStringLiteral("MasterID"));
        return ids;
    }

    FixtureDb db;
    std::unique_ptr<Connection> connection;
    RecordSet records;
};

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DbError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

TEST_F(RecordSetTest, QuotedValuesCompareByValueWithNumberTextAndBooleanColumns)
{
    EXPECT_EQ(idsUnderFilter(QStringLiteral("MasterID='12'")), QStringList{QStringLiteral("12")});
    EXPECT_EQ(idsUnderFilter(QStringLiteral("(SortOrderUser='0')")),
        (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("12")}));
    EXPECT_EQ(idsUnderFilter(QStringLiteral("UserSelection = 'True'")),
        (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("12")}));
    EXPECT_EQ(idsUnderFilter(QStringLiteral("UserSelection ='False'")),
        (QStringList{QStringLiteral("3"), QStringLiteral("20")}));
    EXPECT_EQ(idsUnderFilter(QStringLiteral("(SysTerm_MasterTypeID='VOICE')")), QStringList{QStringLiteral("12")});
    // A number column compared by value: '012' is 12, and '1' is not a prefix match of 12.
    EXPECT_EQ(idsUnderFilter(QStringLiteral("MasterID='012'")), QStringList{QStringLiteral("12")});
    // A Null never satisfies a comparison.
    EXPECT_EQ(idsUnderFilter(QStringLiteral("SortOrderUser<>'1'")),
        (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("12")}));
}

TEST_F(RecordSetTest, FiltersCombineWithAndOrAndParenthesesAndClear)
{
    EXPECT_EQ(idsUnderFilter(QStringLiteral("(SysTerm_MasterTypeID='VOICE' AND UserSelection ='True')")),
        QStringList{QStringLiteral("12")});
    EXPECT_EQ(idsUnderFilter(QStringLiteral("(SysTerm_MasterTypeID='TAFSEER' OR SysTerm_MasterTypeID='TRANSLATION')")),
        (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("20")}));
    // AND binds tighter than OR.
    EXPECT_EQ(
        idsUnderFilter(QStringLiteral("MasterID='1' OR SysTerm_MasterTypeID='TRANSLATION' AND UserSelection='True'")),
        (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(
        idsUnderFilter(QStringLiteral("(MasterID='1' OR SysTerm_MasterTypeID='TRANSLATION') AND UserSelection='True'")),
        (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(records.recordCount(), 2);
    records.setFilter(QString());
    EXPECT_EQ(records.recordCount(), 5);
    EXPECT_EQ(records.text(QStringLiteral("MasterID")), QStringLiteral("1"));
    EXPECT_EQ(errorNumberOf([&] { records.setFilter(QStringLiteral("MasterID='1")); }), DbError::BadCriterion);
}

TEST_F(RecordSetTest, FindMovesForwardFromTheCurrentRowAndCloneHasItsOwnPosition)
{
    records.moveFirst();
    records.moveNext(); // on 2
    records.find(QStringLiteral("UserSelection='True'"));
    EXPECT_EQ(records.text(QStringLiteral("MasterID")), QStringLiteral("2")); // the current row counts
    records.moveNext();
    records.find(QStringLiteral("UserSelection='True'"));
    EXPECT_EQ(records.text(QStringLiteral("MasterID")), QStringLiteral("12"));
    records.find(QStringLiteral("MasterID='1'")); // behind the cursor: not found
    EXPECT_TRUE(records.eof());

    records.setFilter(QStringLiteral("(SysTerm_MasterTypeID='VOICE')"));
    RecordSet clone = records.clone();
    EXPECT_EQ(clone.recordCount(), 5); // the clone does not inherit the filter
    clone.find(QStringLiteral("MasterID='3'"));
    EXPECT_EQ(clone.text(QStringLiteral("Master")), QStringLiteral("French"));
    EXPECT_EQ(records.text(QStringLiteral("Master")), QStringLiteral("Voice"));
}

TEST_F(RecordSetTest, FieldsByNameIgnoreCaseAndKeepNullAndBooleans)
{
    records.moveFirst();
    EXPECT_EQ(records.value(QStringLiteral("masterid")).toInt(), 1);
    EXPECT_EQ(records.value(0).toInt(), 1);
    EXPECT_TRUE(records.value(QStringLiteral("DATA")).isNull());
    EXPECT_EQ(records.text(QStringLiteral("Data")), QString());
    EXPECT_EQ(records.value(QStringLiteral("UserSelection")).typeId(), QMetaType::Bool);
    EXPECT_EQ(records.text(QStringLiteral("UserSelection")), QStringLiteral("True"));
    EXPECT_EQ(records.text(QStringLiteral("sysTerm_masterTypeID")), QStringLiteral("MATAN"));
}

TEST_F(RecordSetTest, EachKindOfValueReadsAsItsVariant)
{
    RecordSet values = connection->openRecordSet(QStringLiteral(
        "SELECT 7, 2.5, 'text', '', X'0102', X'', NULL, UserSelection FROM AP_Master_TAB WHERE MasterID = 1"));
    ASSERT_EQ(values.recordCount(), 1);
    EXPECT_EQ(values.value(0), QVariant(qint64(7)));
    EXPECT_EQ(values.value(1), QVariant(2.5));
    EXPECT_EQ(values.value(2), QVariant(QStringLiteral("text")));
    EXPECT_EQ(values.value(3).typeId(), QMetaType::QString);
    EXPECT_TRUE(values.value(3).toString().isEmpty());
    EXPECT_EQ(values.value(4), QVariant(QByteArray("\x01\x02", 2)));
    EXPECT_TRUE(values.value(5).toByteArray().isEmpty());
    EXPECT_FALSE(values.value(6).isValid());
    EXPECT_EQ(values.value(7), QVariant(true));
    EXPECT_EQ(values.text(1), QStringLiteral("2.5"));
    // Many rows keep their texts whole, whatever their length.
    const QString longText(100000, u'\u0627');
    connection->execute(QStringLiteral("UPDATE AP_Master_TAB SET Description = '%1'").arg(longText));
    RecordSet rows
        = connection->openRecordSet(QStringLiteral("SELECT Description, Master FROM AP_Master_TAB ORDER BY MasterID"));
    for (rows.moveFirst(); !rows.eof(); rows.moveNext())
        EXPECT_EQ(rows.text(0), longText);
    // Rows of many more values than one allocation holds read back in place.
    RecordSet many = connection->openRecordSet(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                       "SELECT i, 'v' || i, CASE WHEN i % 2 = 1 THEN NULL ELSE i * 0.5 END FROM n"));
    ASSERT_EQ(many.recordCount(), 5000);
    qint64 expected = 0;
    for (many.moveFirst(); !many.eof(); many.moveNext()) {
        ++expected;
        ASSERT_EQ(many.value(0), QVariant(expected));
        ASSERT_EQ(many.text(1), QStringLiteral("v%1").arg(expected));
        ASSERT_EQ(many.value(2), expected % 2 ? QVariant() : QVariant(expected * 0.5));
    }
}

TEST_F(RecordSetTest, FailuresCarryTheirNumbers)
{
    records.moveFirst();
    EXPECT_EQ(errorNumberOf([&] { records.value(QStringLiteral("NoSuchColumn")); }), DbError::ItemNotFound);
    while (!records.eof())
        records.moveNext();
    EXPECT_EQ(errorNumberOf([&] { records.value(QStringLiteral("MasterID")); }), DbError::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { records.moveNext(); }), DbError::NoCurrentRecord);
    records.setFilter(QStringLiteral("MasterID='99'"));
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_EQ(errorNumberOf([&] { records.moveFirst(); }), DbError::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { connection->openRecordSet(QStringLiteral("SELECT * FROM NoSuchTable")); }),
        DbError::StatementRefused);
    EXPECT_EQ(errorNumberOf([&] { connection->execute(QStringLiteral("UPDATE AP_Master_TAB SET Data = 'it's'")); }),
        DbError::StatementRefused);
}

TEST_F(RecordSetTest, RowsAreACopyTakenWhenOpened)
{
    connection->execute(QStringLiteral("UPDATE AP_Master_TAB SET Master = 'Changed'"));
    records.moveFirst();
    EXPECT_EQ(records.text(QStringLiteral("Master")), QStringLiteral("Matan A"));
}

TEST(CaseFoldingLike, IgnoresLetterCaseInEveryAlphabet)
{
    FixtureDb db;
    db.execute({QStringLiteral(
        "INSERT INTO AP_Detail_TAB (DetailID, Data) VALUES (1, 'Ärger über ΣΟΦΙΑ'), (2, 'Москва'), (3, 'plain')")});
    auto connection = db.connect();
    const auto count = [&](const QString& pattern) {
        return connection
            ->openRecordSet(
                QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE Data LIKE '") + pattern + QStringLiteral("'"))
            .recordCount();
    };
    EXPECT_EQ(count(QStringLiteral("%ärger%")), 1);
    EXPECT_EQ(count(QStringLiteral("%σοφια")), 1);
    EXPECT_EQ(count(QStringLiteral("%МОСК%")), 1);
    EXPECT_EQ(count(QStringLiteral("PL_IN")), 1);
    EXPECT_EQ(count(QStringLiteral("%%")), 3);
    EXPECT_EQ(count(QStringLiteral("lain")), 0);
    EXPECT_TRUE(caseFoldingLike(QStringLiteral("a%b%c"), QStringLiteral("AxxBxxC")));
    EXPECT_FALSE(caseFoldingLike(QStringLiteral("a%b%c"), QStringLiteral("AxxBxx")));
}

TEST(CaseFoldingLike, ASearchForALiteralMatchesAsTheGeneralRuleDoes)
{
    // Texts where folding is more than ASCII letters: signs that fold to
    // ASCII letters (Kelvin, long s), final sigma, a dotted capital I, an
    // empty text, a number, and bytes that are not UTF-8.
    const QStringList texts = {QStringLiteral("Temperature 5 \u212A"), QStringLiteral("Cla\u017Fs"),
        QStringLiteral("\u039F\u0394\u039F\u03A3 \u03BF\u03B4\u03BF\u03C2"), QStringLiteral("\u0130stanbul"),
        QStringLiteral("\u0627\u0644\u0631\u062D\u0645\u0646"), QString()};
    FixtureDb db;
    QStringList inserts;
    for (int i = 0; i < texts.size(); ++i)
        inserts << QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, Data) VALUES (%1, '%2')").arg(i).arg(texts[i]);
    // Malformed UTF-8: a cut sequence before and after letters, a stray
    // continuation byte, an overlong form.
    const QList<QByteArray> malformed = {QByteArray("KA\xC3"), QByteArray("\xE2\xD8\xB1\xD8\xAD\xD9\x85\xD8"),
        QByteArray("\xC3Ka\x80s"), QByteArray("\xC0\xAFk\xE2\x84")};
    inserts << QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, Data) VALUES (100, 1234)");
    for (int i = 0; i < malformed.size(); ++i)
        inserts << QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, Data) VALUES (%1, CAST(X'%2' AS TEXT))")
                       .arg(101 + i)
                       .arg(QString::fromLatin1(malformed[i].toHex()));
    db.execute(inserts);
    auto connection = db.connect();
    const QStringList patterns = {QStringLiteral("%k%"), QStringLiteral("%CLASS%"), QStringLiteral("%\u03C3%"),
        QStringLiteral("%\u039F\u03A3 %"), QStringLiteral("%i%"), QStringLiteral("%\u0130S%"),
        QStringLiteral("%\u0631\u062D\u0645%"), QStringLiteral("%23%"), QStringLiteral("%a%"), QStringLiteral("%ka%"),
        QStringLiteral("%\u0631\u062D%"), QStringLiteral("%as%"), QStringLiteral("%\uFFFD%"), QStringLiteral("%/k%")};
    for (const QString& pattern : patterns) {
        QStringList expected;
        for (int i = 0; i < texts.size(); ++i) {
            if (caseFoldingLike(pattern, texts[i]))
                expected << QString::number(i);
        }
        if (caseFoldingLike(pattern, QStringLiteral("1234")))
            expected << QStringLiteral("100");
        for (int i = 0; i < malformed.size(); ++i) {
            if (caseFoldingLike(pattern, QString::fromUtf8(malformed[i])))
                expected << QString::number(101 + i);
        }
        RecordSet found = connection->openRecordSet(
            QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE Data LIKE '%1' ORDER BY DetailID").arg(pattern));
        QStringList actual;
        for (int i = 0; i < found.recordCount(); ++i, found.moveNext())
            actual << found.text(0);
        EXPECT_EQ(actual, expected) << pattern.toStdString();
    }
    EXPECT_TRUE(caseFoldingLike(QStringLiteral("%k%"), texts[0]));
    EXPECT_TRUE(caseFoldingLike(QStringLiteral("%class%"), texts[1]));

    // The literal's search learns which letters fold from the basic plane
    // alone: no letter beyond it folds into it.
    for (char32_t c = 0x10000; c <= 0x10FFFF; ++c)
        ASSERT_TRUE(QChar::toCaseFolded(c) == c || QChar::toCaseFolded(c) >= 0x10000) << std::hex << quint32(c);
}

TEST(CaseFoldingLike, ALiteralIsFoundWhereverItLiesInTextsOfEveryLength)
{
    // A literal in another letter case at every place of texts from empty
    // to past two blocks of sixteen bytes, behind Arabic and ASCII, and
    // texts that hold only its first and last letters; each literal is
    // looked for in every text, the general rule saying where it is found.
    const QStringList literals = {QStringLiteral("m"), QStringLiteral("Me"), QStringLiteral("MeRcIfUl"),
        QStringLiteral("m\u0631l"), QStringLiteral("the most merciful one")};
    QStringList texts;
    for (const QString& literal : literals) {
        for (int length = 0; length <= 40; ++length) {
            for (int at = 0; at + literal.size() <= length; at += 3) {
                const QString filler = QString(length, at % 2 ? u'x' : u'\u0628').left(length - literal.size());
                texts << filler.left(at) + literal.toUpper() + filler.mid(at);
            }
            texts << QString(length, u'y') + literal.front() + QString(literal.size(), u'.') + literal.back();
        }
    }
    FixtureDb db;
    QStringList inserts;
    for (int i = 0; i < texts.size(); ++i)
        inserts << QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, Data) VALUES (%1, '%2')").arg(i).arg(texts[i]);
    db.execute(inserts);
    auto connection = db.connect();
    for (const QString& literal : literals) {
        const QString pattern = u'%' + literal.toLower() + u'%';
        QStringList expected;
        for (int i = 0; i < texts.size(); ++i) {
            if (caseFoldingLike(pattern, texts[i]))
                expected << QString::number(i);
        }
        RecordSet found = connection->openRecordSet(
            QStringLiteral("SELECT DetailID FROM AP_Detail_TAB WHERE Data LIKE '%1' ORDER BY DetailID").arg(pattern));
        QStringList actual;
        for (; !found.eof(); found.moveNext())
            actual << found.text(0);
        EXPECT_EQ(actual, expected) << pattern.toStdString();
    }
}

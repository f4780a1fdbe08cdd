#include "support/fixturedb.h"

#include "store/dberror.h"
#include "store/queryhelpers.h"
#include "store/statements.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tilvora::store;
using tilvora::testing::FixtureDb;

namespace {

RecordSet detailRows(Connection& connection)
{
    return connection.openRecordSet(
        QStringLiteral("SELECT AyahRef, Data, DataSearchable FROM AP_Detail_TAB ORDER BY DetailID"));
}

class JoinFieldValuesTest : public ::testing::Test {
protected:
    void insertDetails(const QString& values)
    {
        db.execute(
            {QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, AyahRef, Data, DataSearchable) VALUES ") + values});
        connection = db.connect();
        records = detailRows(*connection);
    }
    FixtureDb db;
    std::unique_ptr<Connection> connection;
    RecordSet records;
};

} // namespace

TEST_F(JoinFieldValuesTest, AnEmptyRecordSetGivesZero)
{
    insertDetails(QStringLiteral("(1, 1, 'x', NULL)"));
    RecordSet none = connection->openRecordSet(QStringLiteral("SELECT AyahRef FROM AP_Detail_TAB WHERE 0"));
    EXPECT_EQ(joinFieldValues(none, kDef, kDef), QStringLiteral("0"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("absent"), kDef), QStringLiteral("0"));
}

TEST_F(JoinFieldValuesTest, ListsAColumnInRecordOrderWithRepeats)
{
    insertDetails(QStringLiteral("(1, 7, 'a', NULL), (2, 3, 'b', NULL), (3, 7, 'c', NULL)"));
    EXPECT_EQ(joinFieldValues(records, kDef, kDef), QStringLiteral("7,3,7"));
    EXPECT_TRUE(records.eof());
    EXPECT_EQ(joinFieldValues(records, kDef, QStringLiteral("data")), QStringLiteral("a,b,c"));
    // The marker as a search text is no search text.
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("_DEF"), kDef), QStringLiteral("7,3,7"));
    EXPECT_THROW(joinFieldValues(records, kDef, QStringLiteral("Nope")), DbError);
}

TEST_F(JoinFieldValuesTest, SearchModeListsEachMatchingVerseOnceCaseSensitively)
{
    insertDetails(
        QStringLiteral("(1, 1, 'In the Name', 'in the name'), (2, 1, 'Name again', NULL), (3, 2, 'nothing', NULL), "
                       "(4, 3, 'NAME', 'name'), (5, 4, NULL, 'Name')"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("Name"), kDef), QStringLiteral("1"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("name"), QStringLiteral("Data")), QStringLiteral("1,3"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("NAMe"), kDef), QStringLiteral("0"));
    // Across the joint of Data, the comma and DataSearchable.
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("NAME,na"), kDef), QStringLiteral("3"));
    // A Null DataSearchable is searched as Data + "," alone; a Null Data never matches.
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("again,"), kDef), QStringLiteral("1"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral(""), kDef), QStringLiteral("1,2,3"));
}

TEST_F(JoinFieldValuesTest, SearchModeComparesReferencesAsWholeValues)
{
    insertDetails(
        QStringLiteral("(1, 123, 'word', NULL), (2, 23, 'word', NULL), (3, 2, 'word', NULL), (4, 123, 'word', NULL)"));
    EXPECT_EQ(joinFieldValues(records, QStringLiteral("word"), kDef), QStringLiteral("123,23,2"));
}

TEST(QueryHelpers, SelectedProgramIdsListsSelectedTextProgramsOrZero)
{
    FixtureDb db;
    SharedState state;
    state.gConnection = db.connect();
    selectedProgramIds(state);
    EXPECT_EQ(state.gSelectedIds, QStringLiteral("0"));
    EXPECT_EQ(state.gPrograms.recordCount(), 0);

    state.gConnection->execute(
        QStringLiteral("INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, UserSelection, SortOrderUser) VALUES "
                       "(7, 2, 1, 1), (9, 4, 1, 0), (3, 1, 0, 0)"));
    selectedProgramIds(state);
    EXPECT_EQ(state.gSelectedIds, QStringLiteral("7")); // the selected voice is no text program
    EXPECT_EQ(state.gPrograms.recordCount(), 3);

    state.gConnection->execute(QStringLiteral("UPDATE AP_Master_TAB SET UserSelection = 1"));
    selectedProgramIds(state);
    const QStringList ids = state.gSelectedIds.split(QLatin1Char(','));
    EXPECT_EQ(QSet<QString>(ids.begin(), ids.end()), (QSet<QString>{QStringLiteral("3"), QStringLiteral("7")}));
}

TEST(QueryHelpers, OpenProgramDetailsAndLookupField)
{
    FixtureDb db;
    db.execute({QStringLiteral("INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Data, SortOrderUser) VALUES "
                               "(12, 4, '/media/a', 3), (2, 4, '', 1)"),
        QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data, DataPos) VALUES "
                       "(1, 12, 5, '001005.mp3', '0'), (2, 12, 1, '001001.mp3', '2.5'), (3, 2, 1, 'x', NULL)")});
    SharedState state;
    state.gConnection = db.connect();
    selectedProgramIds(state);

    openProgramDetails(state, QStringLiteral("12"));
    EXPECT_EQ(joinFieldValues(state.gDetails, kDef, kDef), QStringLiteral("1,5"));
    EXPECT_EQ(state.gDetails.fieldName(3), QStringLiteral("DataRef"));

    EXPECT_EQ(
        lookupField(state.gPrograms, QStringLiteral("MasterID"), QStringLiteral("12"), QStringLiteral("SortOrderUser"))
            .toInt(),
        3);
    EXPECT_EQ(lookupField(state.gPrograms, QStringLiteral("MasterID"), QStringLiteral("2"), QStringLiteral("Data"))
                  .toString(),
        QString());
    try {
        lookupField(state.gPrograms, QStringLiteral("MasterID"), QStringLiteral("99"), QStringLiteral("Data"));
        FAIL() << "a key that no row holds must fail";
    } catch (const DbError& error) {
        EXPECT_EQ(error.number(), DbError::NoCurrentRecord);
    }
    // An id that is not a whole number runs no statement.
    EXPECT_THROW(openProgramDetails(state, QStringLiteral("abc)")), RefusedValue);
    EXPECT_THROW(openProgramDetails(state, QStringLiteral("12\v")), RefusedValue);
}

TEST(Statements, SqlTextDoublesApostrophesAndWholeNumbersAreChecked)
{
    EXPECT_EQ(sqlText(QStringLiteral("it's")), QStringLiteral("it''s"));
    EXPECT_TRUE(isWholeNumber(QStringLiteral("114")));
    EXPECT_TRUE(isWholeNumber(QStringLiteral(" -3 ")));
    EXPECT_FALSE(isWholeNumber(QStringLiteral("2.5")));
    EXPECT_FALSE(isWholeNumber(QStringLiteral("1) OR (1=1")));
    EXPECT_FALSE(isWholeNumber(QString()));
}

TEST(Statements, AWholeNumberIsAsciiDigitsWithStatementSpaceAroundThatFit32Bits)
{
    // Ten digits are a whole number when they fit, and the number is read.
    EXPECT_EQ(readWholeNumber(QStringLiteral("2147483647")).value, 2147483647);
    EXPECT_EQ(readWholeNumber(QStringLiteral("-2147483648")).value, std::numeric_limits<qint32>::min());
    EXPECT_EQ(readWholeNumber(QStringLiteral("\t+0000000007\r\n")).value, 7);
    for (const QString& tooLarge :
        {QStringLiteral("2147483648"), QStringLiteral("-2147483649"), QStringLiteral("99999999999999999999999")}) {
        const WholeNumber number = readWholeNumber(tooLarge);
        EXPECT_FALSE(number.value) << tooLarge.toStdString();
        EXPECT_TRUE(number.outOfRange) << tooLarge.toStdString();
    }
    // Control characters other than the statement's own white space, and
    // digits of other scripts, make no whole number.
    for (const QString& other :
        {QStringLiteral("7\v"), QStringLiteral("7\x1c"), QString(QStringLiteral("7")) + QChar(0),
            QStringLiteral("\u0663"), QStringLiteral("+"), QStringLiteral("- 3")}) {
        const WholeNumber number = readWholeNumber(other);
        EXPECT_FALSE(number.value);
        EXPECT_FALSE(number.outOfRange);
    }
    EXPECT_TRUE(holdsControlCharacter(QStringLiteral("a") + QChar(0)));
    EXPECT_TRUE(holdsControlCharacter(QStringLiteral("a\v")));
    EXPECT_FALSE(holdsControlCharacter(QStringLiteral("a\tb\r\n")));
}

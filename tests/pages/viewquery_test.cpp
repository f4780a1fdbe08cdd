#include "pages/viewquery.h"

#include "store/dberror.h"
#include "support/fixturedb.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::pages::buildViewQuery;
using tilvora::store::SharedState;
using tilvora::testing::FixtureDb;

namespace {

const QString kSelectAndJoin
    = u"SELECT AP_Detail_TAB.*, MD_Ayah_TAB.SurahNo, MD_Ayah_TAB.AyahNo, AP_Master_TAB.Master, "
      u"AP_TypesMaster_TAB.MasterType as MasterType, AP_Master_TAB.MasterID as MasterID, "
      u"AP_TypesMaster_TAB.MasterTypeID as MasterTypeID, MD_Ayah_TAB.ParahNo AS ParahNo, AP_Master_TAB.SortOrderUser, "
      u"AP_TypesMaster_TAB.SysTerm AS SysTerm_MasterTypeID "
      u" FROM ((MD_Ayah_TAB INNER JOIN AP_Detail_TAB ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef) INNER JOIN AP_Master_TAB ON AP_Detail_TAB.MasterID = AP_Master_TAB.MasterID) INNER JOIN AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID"_s;
const QString kOrder = u" ORDER BY MD_Ayah_TAB.SurahNo, MD_Ayah_TAB.AyahNo, AP_Master_TAB.SortOrderUser"_s;

QString statementWith(const QString& condition)
{
    return kSelectAndJoin + u' ' + condition + u' ' + kOrder + u';';
}
QString referenceCondition(const QString& refs)
{
    return u" WHERE ((AP_Detail_TAB.AyahRef IN ("_s + refs + u")) AND (AP_Master_TAB.MasterID IN (1,2)))"_s;
}

// Two chapters of two verses; a selected matan (1) and translation (2), an
// unselected translation (3) and a voice (4).
class ViewQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_db.program(1, FixtureDb::Matan, true, 0);
        m_db.program(2, FixtureDb::Translation, true, 1);
        m_db.program(3, FixtureDb::Translation, false, 0);
        m_db.program(4, FixtureDb::Voice, true, 0);
        m_db.verse(1, 1, 1, 1);
        m_db.verse(2, 1, 2, 1);
        m_db.verse(3, 2, 1, 2);
        m_db.verse(4, 2, 2, 2);
        m_db.detail(11, 1, 1, u"alpha one"_s);
        m_db.detail(12, 1, 2, u"beta two"_s);
        m_db.detail(13, 1, 3, u"it's gamma"_s);
        m_db.detail(14, 1, 4, u"delta"_s);
        m_db.detail(21, 2, 1, u"first"_s, u"FIRST"_s);
        m_db.detail(22, 2, 2, u"Second"_s);
        m_db.detail(31, 3, 4, u"hidden zeta"_s);
        m_db.detail(41, 4, 1, u"001001.mp3"_s);
        m_db.word(u"rahman"_s, u"rhm"_s, 3);
        m_db.word(u"rahman"_s, u"rhm"_s, 1);
        m_db.word(u"rahim"_s, u"rhm"_s, 1);
        m_db.word(u"Allah's"_s, u"ilh"_s, 2);
        m_db.subject(5, 4);
        m_db.subject(5, 2);
        m_db.open(m_state);
        ASSERT_EQ(m_state.gSelectedIds, u"1,2"_s);
    }

    void showPage(const QString& viewName, const QString& value)
    {
        qint32 count = 0;
        m_state.gPageRecords = m_state.gConnection->openRecordSet(buildViewQuery(m_state, viewName, value, count));
    }

    FixtureDb m_db;
    SharedState m_state;
};

struct ViewCase {
    QString name, value, condition;
    qint32 count;
};

} // namespace

TEST_F(ViewQuery, EachViewGivesItsStatementAndCount)
{
    const qint32 untouched = 99;
    const ViewCase cases[] = {
        {u"Surah"_s, u"2"_s, u" WHERE ((MD_Ayah_TAB.SurahNo = 2) AND (AP_Master_TAB.MasterID IN (1,2)))"_s, untouched},
        {u"Parah"_s, u"1"_s, u" WHERE ((MD_Ayah_TAB.ParahNo = 1) AND (AP_Master_TAB.MasterID IN (1,2)))"_s, untouched},
        {u"Word"_s, u"rahman"_s, referenceCondition(u"1,3"_s), 2},
        {u"Word"_s, u"absent"_s, referenceCondition(u"0"_s), 0},
        {u"Word"_s, u"Allah's"_s, referenceCondition(u"2"_s), 1},
        {u"Root"_s, u"rhm"_s, referenceCondition(u"1,1,3"_s), 3}, // one entry per lookup row
        {u"Subject"_s, u"5"_s, referenceCondition(u"2,4"_s), 2},
        // With a "*": every text program, selected or not, without the voices.
        {u"Search"_s, u"*"_s, referenceCondition(u"1,2,3,4"_s), 4},
        {u"Search"_s, u"zet*a"_s, referenceCondition(u"4"_s), 1},
        {u"Search"_s, u"GAMMA*"_s, referenceCondition(u"3"_s), 1},
        {u"Search"_s, u"*first"_s, referenceCondition(u"1"_s), 1},
        {u"Search"_s, u"it's*"_s, referenceCondition(u"3"_s), 1},
        {u"Search"_s, u"**"_s, referenceCondition(u"0"_s), 0}, // one star stays and is looked for
        {u"Search"_s, u"001*"_s, referenceCondition(u"0"_s), 0},
        // Names are compared exactly: no condition at all.
        {u"surah"_s, u"2"_s, QString(), untouched},
    };
    for (const ViewCase& c : cases) {
        qint32 count = untouched;
        EXPECT_EQ(buildViewQuery(m_state, c.name, c.value, count), statementWith(c.condition))
            << c.name.toStdString() << " " << c.value.toStdString();
        EXPECT_EQ(count, c.count) << c.name.toStdString() << " " << c.value.toStdString();
    }
    // Three blanks stand before ORDER BY when there is no condition.
    qint32 count = 0;
    EXPECT_TRUE(buildViewQuery(m_state, u"Other"_s, {}, count).contains(u"TypesMaster_TAB.MasterTypeID   ORDER BY"_s));
}

TEST_F(ViewQuery, ASearchForEveryTextFindsWhatAnyTextMatchingEverythingFinds)
{
    // Texts Null in one column or both, a number, a program that is not on
    // the list, a voice's file and a verse missing from the verse table.
    m_db.detail(15, 1, 5, QVariant(), u"searchable only"_s);
    m_db.detail(16, 1, 6, QVariant(), QVariant());
    m_db.detail(17, 3, 7, 1234);
    m_db.detail(18, 99, 8, u"no such program"_s);
    m_db.detail(19, 4, 9, u"009001.mp3"_s);
    m_db.detail(20, 3, 10, u"verse not in the table"_s);
    const auto both = [&] {
        qint32 everyText = 0, matchingEverything = 0;
        const QString statement = buildViewQuery(m_state, u"Search"_s, u"*"_s, everyText);
        EXPECT_EQ(statement, buildViewQuery(m_state, u"Search"_s, u"*%"_s, matchingEverything));
        EXPECT_EQ(everyText, matchingEverything);
        return statement;
    };
    EXPECT_EQ(both(), statementWith(referenceCondition(u"1,2,3,4,5,7,10"_s)));
    // The same with the index of the texts' verses that the content build adds.
    m_db.execute({u"CREATE INDEX AP_Detail_Text_IDX ON AP_Detail_TAB (AyahRef, MasterID) "
                  "WHERE Data IS NOT NULL OR DataSearchable IS NOT NULL"_s});
    EXPECT_EQ(both(), statementWith(referenceCondition(u"1,2,3,4,5,7,10"_s)));
}

TEST_F(ViewQuery, LookupsAreKeptUntilTheNextCall)
{
    qint32 count = 0;
    buildViewQuery(m_state, u"Root"_s, u"rhm"_s, count);
    EXPECT_TRUE(m_state.gVerseRefs.isOpen());
    EXPECT_EQ(m_state.gVerseRefs.recordCount(), 3);
    buildViewQuery(m_state, u"Surah"_s, u"1"_s, count);
    EXPECT_FALSE(m_state.gVerseRefs.isOpen());
}

TEST_F(ViewQuery, RowViewsAndPlainSearchesUseThePageShownLast)
{
    qint32 count = 7;
    // Before any page there is nothing to repeat.
    EXPECT_EQ(buildViewQuery(m_state, u"Row0"_s, {}, count), statementWith(referenceCondition(u"0"_s)));
    EXPECT_EQ(count, 0);

    showPage(u"Surah"_s, u"1"_s); // four rows: verses 1 and 2, two programs each
    const ViewCase cases[] = {
        {u"Row0"_s, {}, referenceCondition(u"1,1,2,2"_s), 4},
        {u"Row3"_s, u"ignored"_s, referenceCondition(u"1,1,2,2"_s), 4},
        {u"Search"_s, u"Second"_s, referenceCondition(u"2"_s), 1},
        {u"Search"_s, u"second"_s, referenceCondition(u"0"_s), 0}, // letter case counts here
        {u"Search"_s, u"one,FIR"_s, referenceCondition(u"0"_s), 0},
        {u"Search"_s, u"first,FIR"_s, referenceCondition(u"1"_s), 1}, // across Data "," DataSearchable
        {u"Search"_s, QString(), referenceCondition(u"1,2"_s), 2},
        // The marker's letters are a search text like any other, found nowhere.
        {u"Search"_s, u"_DEF"_s, referenceCondition(u"0"_s), 0},
    };
    for (const ViewCase& c : cases) {
        EXPECT_EQ(buildViewQuery(m_state, c.name, c.value, count), statementWith(c.condition))
            << c.name.toStdString() << " " << c.value.toStdString();
        EXPECT_EQ(count, c.count) << c.name.toStdString() << " " << c.value.toStdString();
    }
}

TEST_F(ViewQuery, ANumberThatIsNotWholeIsRefusedBeforeAnythingRuns)
{
    qint32 count = 0;
    buildViewQuery(m_state, u"Word"_s, u"rahman"_s, count);
    const ViewCase cases[] = {
        {u"Surah"_s, u"abc"_s, u"The chapter number \"abc\" is not a whole number."_s, 0},
        {u"Parah"_s, u"1.5"_s, u"The part number \"1.5\" is not a whole number."_s, 0},
        {u"Subject"_s, u"5 OR 1=1"_s, u"The subject number \"5 OR 1=1\" is not a whole number."_s, 0},
        {u"Surah"_s, QString(), u"The chapter number \"\" is not a whole number."_s, 0},
        {u"Surah"_s, u"7\v"_s, u"The chapter number \"7\v\" is not a whole number."_s, 0},
        {u"Subject"_s, u"4294967297"_s, u"The subject number \"4294967297\" is out of range."_s, 0},
        {u"Word"_s, u"rah"_s + QChar(0) + u"man"_s,
            u"The word holds a control character, so nothing was searched for."_s, 0},
        {u"Search"_s, u"*rah\x01"_s, u"The search text holds a control character, so nothing was searched for."_s, 0},
    };
    for (const ViewCase& c : cases) {
        count = 42;
        try {
            buildViewQuery(m_state, c.name, c.value, count);
            ADD_FAILURE() << "accepted " << c.value.toStdString();
        } catch (const tilvora::store::RefusedValue& refused) {
            EXPECT_EQ(refused.message(), c.condition);
        }
        EXPECT_EQ(count, 42);
        EXPECT_EQ(m_state.gVerseRefs.recordCount(), 2); // the previous lookup is still there
    }
}

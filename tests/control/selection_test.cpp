#include "controlfixture.h"

#include "control/controlpage.h"
#include "control/selection.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"

#include <array>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using tilvora::control::applyControlSelection;
using tilvora::control::composeControlPage;
using tilvora::control::setProgramData;
using tilvora::control::storedControlChoices;
using tilvora::store::DbError;
using tilvora::store::RefusedValue;

namespace {

// Three matans, three translations and a commentary at positions 1 to 3,
// two voices; the id lists come from the control page, as at start-up.
class SelectionTest : public ControlFixture {
protected:
    void SetUp() override
    {
        ControlFixture::SetUp();
        add({.id = 1, .type = kMatan, .master = u"M1"_s, .selected = true, .order = 0});
        add({.id = 2, .type = kMatan, .master = u"M2"_s, .order = 0});
        add({.id = 3, .type = kMatan, .master = u"M3"_s, .order = 5});
        add({.id = 10, .type = kTranslation, .master = u"T10"_s, .selected = true, .order = 1});
        add({.id = 11, .type = kTranslation, .master = u"T11"_s, .selected = true, .order = 2});
        add({.id = 12, .type = kTranslation, .master = u"T12"_s, .order = 0});
        add({.id = 20, .type = kTafseer, .master = u"F20"_s, .selected = true, .order = 3});
        add({.id = 30, .type = kVoice, .master = u"V30"_s, .selected = true, .order = 0, .data = u"/a"_s});
        add({.id = 31, .type = kVoice, .master = u"V31"_s, .order = 1, .data = u"/b"_s});
        addDetails(30, {1, 2});
        addDetails(31, {3});
        loadPrograms();
        composeControlPage(m_state);
        tilvora::store::selectedProgramIds(m_state);
    }

    void choose(const QString& name, const QString& value)
    {
        applyControlSelection(m_state, u"CONTROL"_s, name, value, [this](qint32 ref) { m_played.push_back(ref); });
    }

    // A trigger that refuses to select the given program, so that the second
    // statement of a choice fails after the first has run.
    void refuseSelecting(int masterId)
    {
        execute(u"CREATE TRIGGER refuse BEFORE UPDATE ON AP_Master_TAB WHEN NEW.MasterID = "_s
            + QString::number(masterId)
            + u" AND NEW.UserSelection = 1 BEGIN SELECT RAISE(ABORT, 'refused by the test'); END"_s);
    }

    static inline const QString kStart
        = u"1:True:0 2:False:0 3:False:5 10:True:1 11:True:2 12:False:0 20:True:3 30:True:0 31:False:1"_s;

    std::vector<qint32> m_played;
};

TEST_F(SelectionTest, MatanChoiceLeavesExactlyTheChosenMatanSelectedAllAtZero)
{
    choose(u"Row0"_s, u"2"_s);

    EXPECT_EQ(selectionTable(),
        u"1:False:0 2:True:0 3:False:0 10:True:1 11:True:2 12:False:0 20:True:3 30:True:0 31:False:1"_s);
    EXPECT_EQ(m_state.gSelectedIds, u"2,10,11,20"_s);
    EXPECT_TRUE(m_played.empty());
}

TEST_F(SelectionTest, ProgramChosenForAPositionReplacesTheHolder)
{
    choose(u"Row1"_s, u"12"_s);

    EXPECT_EQ(selectionTable(),
        u"1:True:0 2:False:0 3:False:5 10:False:0 11:True:2 12:True:1 20:True:3 30:True:0 31:False:1"_s);
    EXPECT_EQ(m_state.gSelectedIds, u"1,11,12,20"_s);
}

TEST_F(SelectionTest, ChoosingAPositionsHolderOrMovingIt)
{
    // Another program also at 2: choosing the holder clears it.
    execute(u"UPDATE AP_Master_TAB SET UserSelection = 1, SortOrderUser = 2 WHERE MasterID = 12"_s);
    choose(u"Row2"_s, u"11"_s);
    EXPECT_EQ(selectionTable(),
        u"1:True:0 2:False:0 3:False:5 10:True:1 11:True:2 12:False:0 20:True:3 30:True:0 31:False:1"_s);

    // The holder of 2 chosen for 1 moves there and leaves 2 empty.
    choose(u"Row1"_s, u"11"_s);
    EXPECT_EQ(selectionTable(),
        u"1:True:0 2:False:0 3:False:5 10:False:0 11:True:1 12:False:0 20:True:3 30:True:0 31:False:1"_s);
    EXPECT_EQ(m_state.gSelectedIds, u"1,11,20"_s);
    m_state.gPrograms.setFilter(u"(SortOrderUser='2')"_s);
    EXPECT_EQ(m_state.gPrograms.recordCount(), 0);
}

TEST_F(SelectionTest, VoiceChoiceChangesSelectionOnlyOpensItsDetailsAndReplays)
{
    choose(u"Voice"_s, u"31"_s);

    EXPECT_EQ(selectionTable(),
        u"1:True:0 2:False:0 3:False:5 10:True:1 11:True:2 12:False:0 20:True:3 30:False:0 31:True:1"_s);
    EXPECT_EQ(detailRefs(), u"3"_s);
    // No verse double-clicked yet: the verse reference passed is 0.
    EXPECT_EQ(m_played, std::vector<qint32>{0});

    m_state.gLastAyahRef = 6236;
    choose(u"Voice"_s, u"30"_s);
    EXPECT_EQ(detailRefs(), u"1,2"_s);
    EXPECT_EQ(m_played, (std::vector<qint32>{0, 6236}));
}

TEST_F(SelectionTest, FailingSecondStatementKeepsThePreviousChoice)
{
    refuseSelecting(12);
    EXPECT_THROW(choose(u"Row1"_s, u"12"_s), DbError);
    EXPECT_EQ(selectionTable(), kStart);

    execute(u"DROP TRIGGER refuse"_s);
    refuseSelecting(31);
    EXPECT_THROW(choose(u"Voice"_s, u"31"_s), DbError);
    EXPECT_EQ(selectionTable(), kStart);
    EXPECT_EQ(detailRefs(), u"1,2"_s);
    EXPECT_TRUE(m_played.empty());

    // The connection is usable afterwards: a choice the trigger allows is stored.
    choose(u"Row0"_s, u"3"_s);
    EXPECT_EQ(column(3, u"UserSelection"_s), u"True"_s);
}

TEST_F(SelectionTest, ARowOrProgramOfTheWrongKindIsRefusedAndChangesNothing)
{
    const auto refusal = [this](const QString& name, const QString& value) {
        try {
            choose(name, value);
        } catch (const RefusedValue& refused) {
            return refused.message();
        }
        return u"accepted"_s;
    };
    EXPECT_EQ(refusal(u"Row5"_s, u"12"_s),
        u"\"Row5\" is not one of the rows Row0, Row1, Row2 and Row3, so nothing was changed."_s);
    EXPECT_EQ(refusal(u"Row'"_s, u"12"_s),
        u"\"Row'\" is not one of the rows Row0, Row1, Row2 and Row3, so nothing was changed."_s);
    EXPECT_EQ(refusal(u"Row12"_s, u"12"_s),
        u"\"Row12\" is not one of the rows Row0, Row1, Row2 and Row3, so nothing was changed."_s);
    EXPECT_EQ(refusal(u"Row1"_s, u"31"_s),
        u"The program 31 is not one of the translations and commentaries offered, so nothing was changed."_s);
    EXPECT_EQ(
        refusal(u"Row0"_s, u"10"_s), u"The program 10 is not one of the main texts offered, so nothing was changed."_s);
    EXPECT_EQ(
        refusal(u"Voice"_s, u"1"_s), u"The program 1 is not one of the voices offered, so nothing was changed."_s);
    EXPECT_EQ(
        refusal(u"Row1"_s, u"12\v"_s), u"The program id \"12\v\" is not a whole number, so nothing was changed."_s);
    EXPECT_EQ(refusal(u"Row1"_s, u"9999999999"_s),
        u"The program id \"9999999999\" is out of range, so nothing was changed."_s);
    EXPECT_EQ(selectionTable(), kStart);
    EXPECT_TRUE(m_played.empty());
}

TEST_F(SelectionTest, ValueThatIsNotAWholeNumberIsRefusedBeforeAnyStatement)
{
    for (const QString& value : {u"abc"_s, u"2 OR 1=1"_s, u"1.5"_s, QString(), u"2)"_s}) {
        SCOPED_TRACE(value.toStdString());
        EXPECT_THROW(choose(u"Row0"_s, value), RefusedValue);
        if (!value.isEmpty()) { // an empty choice empties a row of texts
            EXPECT_THROW(choose(u"Row1"_s, value), RefusedValue);
        }
        EXPECT_THROW(choose(u"Voice"_s, value), RefusedValue);
    }
    EXPECT_EQ(selectionTable(), kStart);
    EXPECT_EQ(detailRefs(), u"1,2"_s);
    EXPECT_TRUE(m_played.empty());
}

TEST_F(SelectionTest, AnEmptyChoiceEmptiesARowOfTextsAndTheStoredChoicesSayWhatIsWhere)
{
    using Rows = std::array<QString, 4>;
    EXPECT_EQ(storedControlChoices(m_state).rows, (Rows{u"1"_s, u"10"_s, u"11"_s, u"20"_s}));
    choose(u"Row2"_s, QString());
    EXPECT_EQ(selectionTable(),
        u"1:True:0 2:False:0 3:False:5 10:True:1 11:False:0 12:False:0 20:True:3 30:True:0 31:False:1"_s);
    EXPECT_EQ(m_state.gSelectedIds, u"1,10,20"_s);
    EXPECT_EQ(storedControlChoices(m_state).rows, (Rows{u"1"_s, u"10"_s, QString(), u"20"_s}));
    EXPECT_EQ(storedControlChoices(m_state).voice, u"30"_s);
}

TEST_F(SelectionTest, OtherSourcesAndUnknownNamesStoreNothing)
{
    applyControlSelection(m_state, u"control"_s, u"Row0"_s, u"2"_s, {});
    applyControlSelection(m_state, u"MENU"_s, u"Voice"_s, u"31"_s, {});
    choose(u"Colour"_s, u"not a number"_s);
    choose(u"voice"_s, u"31"_s);

    EXPECT_EQ(selectionTable(), kStart);
    EXPECT_TRUE(m_played.empty());
}

using ProgramDataTest = SelectionTest;

TEST_F(ProgramDataTest, AcceptedFolderIsStoredExactlyAsChosen)
{
    const QString folder = u"/media/Qari's \"best\" 100% _x_ \u0627\u0644\u062D"_s;
    m_state.gMediaPathResult = folder;

    setProgramData(m_state, u"31"_s);

    EXPECT_EQ(column(31, u"Data"_s), folder);
    EXPECT_EQ(column(30, u"Data"_s), u"/a"_s);
    // The refreshed program list already holds the new folder.
    tilvora::store::lookupField(m_state.gPrograms, u"MasterID"_s, u"31"_s, u"Data"_s);
    EXPECT_EQ(m_state.gPrograms.text(u"Data"_s), folder);
}

TEST_F(ProgramDataTest, CancelInCapitalsStoresNothingButRefreshesTheSelection)
{
    execute(u"UPDATE AP_Master_TAB SET UserSelection = 0 WHERE MasterID = 11"_s);
    m_state.gMediaPathResult = u"CANCEL"_s;
    setProgramData(m_state, u"31"_s);
    EXPECT_EQ(column(31, u"Data"_s), u"/b"_s);
    EXPECT_EQ(m_state.gSelectedIds, u"1,10,20"_s);

    m_state.gMediaPathResult = u"Cancel"_s;
    setProgramData(m_state, u"31"_s);
    EXPECT_EQ(column(31, u"Data"_s), u"Cancel"_s);
}

TEST_F(ProgramDataTest, DetailsStayThoseOfTheSelectedVoice)
{
    m_state.gMediaPathResult = u"/c"_s;
    setProgramData(m_state, u"31"_s);
    EXPECT_EQ(detailRefs(), u"1,2"_s);

    // With no voice selected they are left as they are.
    execute(u"UPDATE AP_Master_TAB SET UserSelection = 0 WHERE MasterID IN (30, 31)"_s);
    tilvora::store::openProgramDetails(m_state, u"31"_s);
    setProgramData(m_state, u"30"_s);
    EXPECT_EQ(column(30, u"Data"_s), u"/c"_s);
    EXPECT_EQ(detailRefs(), u"3"_s);
}

TEST_F(ProgramDataTest, IdThatIsNotAWholeNumberIsRefused)
{
    m_state.gMediaPathResult = u"/c"_s;

    EXPECT_THROW(setProgramData(m_state, u"31 OR 1=1"_s), RefusedValue);
    // A NUL would cut the statement short after the folder's first part.
    m_state.gMediaPathResult = u"/c"_s + QChar(0) + u"/d"_s;
    EXPECT_THROW(setProgramData(m_state, u"31"_s), RefusedValue);

    EXPECT_EQ(column(30, u"Data"_s), u"/a"_s);
    EXPECT_EQ(column(31, u"Data"_s), u"/b"_s);
}

} // namespace

#include "controlfixture.h"

#include "control/voicemenu.h"
#include "store/dberror.h"
#include "store/queryhelpers.h"

using namespace Qt::Literals::StringLiterals;
using tilvora::control::VoiceMenu;
using tilvora::control::voiceMenuIndexOf;
using tilvora::host::MediaFolderDialogAnswer;
using tilvora::store::RefusedValue;
using Outcome = tilvora::host::MediaFolderDialogAnswer::Outcome;

namespace {

class VoiceMenuTest : public ControlFixture {
protected:
    // A dialog that records the tag it was shown for and answers as told.
    tilvora::control::MediaFolderDialog dialog(
        Outcome outcome, const QString& folder = QString(), bool oneFilePerChapter = false)
    {
        return [this, outcome, folder, oneFilePerChapter](const QString& tag) {
            m_host.lines << u"dialog\t"_s + tag;
            return MediaFolderDialogAnswer{outcome, folder, oneFilePerChapter};
        };
    }

    // The menu's state as "index:visible:caption:tag" for every item.
    QStringList menuItems() const { return itemsOf(m_menu); }

    static QStringList itemsOf(const VoiceMenu& menu)
    {
        QStringList items;
        for (int k = 0; k < VoiceMenu::kItemCount; ++k) {
            const VoiceMenu::Item& item = menu.item(k);
            items << u"%1:%2:%3:%4"_s.arg(k).arg(item.visible ? 1 : 0).arg(item.caption, item.tag);
        }
        return items;
    }

    VoiceMenu m_menu;
    tilvora::testing::RecordingHost m_host;
};

TEST_F(VoiceMenuTest, WithoutVoicesTheMenuKeepsItsDesignStateAndStaysHidden)
{
    EXPECT_EQ(menuItems()[0], u"0:1:Voice 1:"_s);
    EXPECT_EQ(menuItems()[19], u"19:0:Voice 20:"_s);
    add({.id = 1, .type = kMatan, .master = u"M"_s, .selected = true, .order = 0});
    loadPrograms();

    m_menu.setupMenu(m_state, m_host);

    EXPECT_EQ(m_host.lines, QStringList{u"menu\tsetdatapath\t0"_s});
    EXPECT_FALSE(m_menu.dataPathVisible());
    EXPECT_EQ(menuItems(), itemsOf(VoiceMenu()));
}

TEST_F(VoiceMenuTest, VoicesFillTheItemsTheirOrderNames)
{
    add({.id = 40, .type = kVoice, .master = u"B"_s, .order = 2, .data = u"/m/b"_s, .description = u"Reader B"_s});
    add({.id = 41, .type = kVoice, .master = u"A"_s, .order = 1, .description = u"Reader A"_s});
    // Two voices at 3: the later in record order owns the item.
    add({.id = 42, .type = kVoice, .master = u"C"_s, .order = 3, .description = u"First"_s});
    add({.id = 43, .type = kVoice, .master = u"D"_s, .order = 3, .description = u"Second"_s});
    // No item for these.
    add({.id = 44, .type = kVoice, .master = u"E"_s, .order = 20});
    add({.id = 45, .type = kVoice, .master = u"F"_s, .order = -1});
    add({.id = 46, .type = kVoice, .master = u"G"_s, .order = QVariant()});
    loadPrograms();
    m_state.gPrograms.setFilter(u"(SysTerm_MasterTypeID='MATAN')"_s);

    m_menu.setupMenu(m_state, m_host);

    EXPECT_EQ(m_host.lines,
        (QStringList{u"menu\t1\t1\tReader A []\t41"_s, u"menu\t2\t1\tReader B [/m/b]\t40"_s,
            u"menu\t3\t1\tFirst []\t42"_s, u"menu\t3\t1\tSecond []\t43"_s, u"menu\tsetdatapath\t1"_s}));
    const QStringList items = menuItems();
    EXPECT_EQ(items[0], u"0:1:Voice 1:"_s);
    EXPECT_EQ(items[1], u"1:1:Reader A []:41"_s);
    EXPECT_EQ(items[3], u"3:1:Second []:43"_s);
    EXPECT_EQ(items[4], u"4:0:Voice 5:"_s);
    EXPECT_TRUE(m_menu.dataPathVisible());
    EXPECT_TRUE(m_state.gPrograms.filter().isEmpty());
}

// A menu filled from two voices, voice 40 selected, with details of each.
class VoiceMenuClickTest : public VoiceMenuTest {
protected:
    void SetUp() override
    {
        VoiceMenuTest::SetUp();
        add({.id = 40,
            .type = kVoice,
            .master = u"A"_s,
            .selected = true,
            .order = 0,
            .data = u"/old/a"_s,
            .description = u"Reader A"_s});
        add({.id = 41,
            .type = kVoice,
            .master = u"B"_s,
            .order = 1,
            .data = u"/old/b"_s,
            .description = u"Reader B"_s});
        addDetails(40, {1});
        addDetails(41, {2});
        loadPrograms();
        tilvora::store::openProgramDetails(m_state, u"40"_s);
        m_menu.setupMenu(m_state, m_host);
        m_host.lines.clear();
    }
};

TEST_F(VoiceMenuClickTest, AcceptStoresTheFolderAndRefillsTheMenuBeforeAndAfter)
{
    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Accepted, u"/new/b"_s));

    EXPECT_EQ(column(41, u"Data"_s), u"/new/b"_s);
    EXPECT_EQ(m_host.lines,
        (QStringList{
            u"dialog\t41"_s,
            // The refill of the dialog's Accept runs before the folder is stored.
            u"menu\t0\t1\tReader A [/old/a]\t40"_s,
            u"menu\t1\t1\tReader B [/old/b]\t41"_s,
            u"menu\tsetdatapath\t1"_s,
            u"menu\t0\t1\tReader A [/old/a]\t40"_s,
            u"menu\t1\t1\tReader B [/new/b]\t41"_s,
            u"menu\tsetdatapath\t1"_s,
        }));
    EXPECT_EQ(m_menu.item(1).caption, u"Reader B [/new/b]"_s);
    EXPECT_EQ(m_state.gMediaPathResult, u"/new/b"_s);
    // The selected voice's details stay open for playback.
    EXPECT_EQ(detailRefs(), u"1"_s);
}

TEST_F(VoiceMenuClickTest, AFolderOfChapterFilesIsAlignedOnceItIsStoredAndOnlyOnAccept)
{
    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Cancelled, QString(), true));
    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Accepted, u"/chapters"_s, false));
    EXPECT_TRUE(m_host.linesOf(u"align"_s).isEmpty());

    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Accepted, u"/chapters/b"_s, true));
    EXPECT_EQ(m_host.lines.last(), u"align\t41"_s);
    EXPECT_EQ(m_host.lines[m_host.lines.size() - 3], u"menu\t1\t1\tReader B [/chapters/b]\t41"_s);
}

TEST_F(VoiceMenuClickTest, FolderWithAnApostropheIsStoredExactly)
{
    m_menu.mnuDPVoiceClick(m_state, m_host, 0, dialog(Outcome::Accepted, u"/media/Qari's 'voice'"_s));

    EXPECT_EQ(column(40, u"Data"_s), u"/media/Qari's 'voice'"_s);
    EXPECT_EQ(m_menu.item(0).caption, u"Reader A [/media/Qari's 'voice']"_s);
}

TEST_F(VoiceMenuClickTest, CancelLeavesTheFolder)
{
    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Cancelled));

    EXPECT_EQ(column(41, u"Data"_s), u"/old/b"_s);
    EXPECT_EQ(m_host.lines, QStringList{u"dialog\t41"_s});
    EXPECT_EQ(m_state.gMediaPathResult, u"CANCEL"_s);
}

TEST_F(VoiceMenuClickTest, DialogClosedByTheTitleBarStoresNothingEvenAfterAnEarlierAnswer)
{
    m_menu.mnuDPVoiceClick(m_state, m_host, 1, dialog(Outcome::Accepted, u"/first/answer"_s));
    execute(u"UPDATE AP_Master_TAB SET Data = '/old/a' WHERE MasterID = 40"_s);

    m_menu.mnuDPVoiceClick(m_state, m_host, 0, dialog(Outcome::Closed, u"/ignored"_s));

    EXPECT_EQ(column(40, u"Data"_s), u"/old/a"_s);
    EXPECT_EQ(column(41, u"Data"_s), u"/first/answer"_s);
}

TEST_F(VoiceMenuClickTest, ItemWithoutAVoiceOrOutsideTheMenuShowsNoDialogAndTellsTheUser)
{
    for (const int index : {2, 19, 20, -1}) {
        SCOPED_TRACE(index);
        m_host.lines.clear();
        m_menu.mnuDPVoiceClick(m_state, m_host, index, dialog(Outcome::Accepted, u"/x"_s));
        ASSERT_EQ(m_host.lines.size(), 1);
        EXPECT_TRUE(m_host.lines[0].startsWith(u"error\t"_s));
    }
    EXPECT_EQ(column(40, u"Data"_s), u"/old/a"_s);
    EXPECT_EQ(column(41, u"Data"_s), u"/old/b"_s);
}

TEST_F(VoiceMenuTest, IndexOfAVoiceIsItsSortOrderUserOrARefusal)
{
    add({.id = 1, .type = kMatan, .master = u"M"_s, .selected = true, .order = 0});
    add({.id = 40, .type = kVoice, .master = u"A"_s, .order = 3});
    add({.id = 41, .type = kVoice, .master = u"B"_s, .order = 20});
    add({.id = 42, .type = kVoice, .master = u"C"_s, .order = -2});
    add({.id = 43, .type = kVoice, .master = u"D"_s, .order = QVariant()});
    loadPrograms();

    EXPECT_EQ(voiceMenuIndexOf(m_state, u"40"_s), 3);
    EXPECT_EQ(voiceMenuIndexOf(m_state, u" 40 "_s), 3);
    for (const QString& id : {u"41"_s, u"42"_s, u"43"_s, u"1"_s, u"99"_s, u"abc"_s, u"40 OR 1=1"_s, QString()}) {
        SCOPED_TRACE(id.toStdString());
        EXPECT_THROW(voiceMenuIndexOf(m_state, id), RefusedValue);
    }
    execute(u"DELETE FROM AP_Master_TAB"_s);
    loadPrograms();
    EXPECT_THROW(voiceMenuIndexOf(m_state, u"40"_s), RefusedValue);
}

} // namespace

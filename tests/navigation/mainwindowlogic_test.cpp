#include "navigation/mainwindowlogic.h"

#include "host/host.h"
#include "store/storestartup.h"
#include "support/files.h"
#include "support/fixturedb.h"
#include "support/recordinghost.h"

#include <gtest/gtest.h>

using namespace tilvora;
using tilvora::testing::FixtureDb;
using tilvora::testing::RecordingHost;
using tilvora::testing::startPageNavigations;

namespace {

// A database of one chapter of two verses with one selected text.
class MainWindowLogicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.execute({QStringLiteral(
                        "INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, UserSelection, DefaultSelection, "
                        "SortOrderUser, SortOrderDef) VALUES (1, 1, 'Text', 1, 1, 0, 0)"),
            QStringLiteral("INSERT INTO MD_Ayah_TAB VALUES (1, 1, 1, 1), (2, 1, 2, 1)"),
            QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data) VALUES (1, 1, 1, 'one'), (2, "
                           "1, 2, 'two')")});
        store::startStore(state, db.folder());
        logic = std::make_unique<navigation::MainWindowLogic>(state, host);
        logic->load();
        host.lines.clear();
    }

    QString readingPage() const { return tilvora::testing::readPageFile(db.folder() + QStringLiteral("/Main.htm")); }
    // The selectors reset since the host's lines were last taken.
    QStringList takeResets() { return host.takeLinesOf(QStringLiteral("reset")); }

    FixtureDb db;
    store::SharedState state;
    RecordingHost host;
    std::unique_ptr<navigation::MainWindowLogic> logic;
};

} // namespace

TEST_F(MainWindowLogicTest, LoadShowsControlPagePickerPagesAndChapterOne)
{
    RecordingHost fresh;
    store::SharedState otherState;
    store::startStore(otherState, db.folder());
    navigation::MainWindowLogic other(otherState, fresh);
    other.load();
    const QString folder = db.folder();
    EXPECT_EQ(fresh.lines,
        ((QStringList{
             QStringLiteral("menu\tsetdatapath\t0"),
         }) + startPageNavigations(folder)
            + QStringList{
                QStringLiteral("label\t  Search Result(s): \r\n   0/2"),
                QStringLiteral("navigate\tWebMain\t") + folder + QStringLiteral("/Main.htm"),
            }));
}

TEST_F(MainWindowLogicTest, EachPickerPaneResetsTheOthersInItsOrder)
{
    const QString base = QStringLiteral("file://") + db.folder() + QStringLiteral("/");
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebWord, base + QStringLiteral("__Word = x")));
    EXPECT_EQ(takeResets(),
        (QStringList{QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSubject, base + QStringLiteral("__Subject = 1")));
    EXPECT_EQ(
        takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbRoot"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Surah = 1")));
    EXPECT_EQ(takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Parah = 1")));
    EXPECT_EQ(takeResets(),
        (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Root = r __Parah")));
    EXPECT_EQ(takeResets(),
        (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Root = r")));
    EXPECT_EQ(takeResets(),
        (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSearch, base + QStringLiteral("__Search = one")));
    EXPECT_EQ(takeResets(), QStringList{});

    logic->contextMenu(host::Pane::WebSurah);
    EXPECT_EQ(takeResets(), (QStringList{QStringLiteral("cmbParah"), QStringLiteral("cmbRoot")}));
}

TEST_F(MainWindowLogicTest, OnlySidePaneCommandsAreCancelled)
{
    const QString base = QStringLiteral("file://") + db.folder() + QStringLiteral("/");
    EXPECT_FALSE(logic->beforeNavigate(host::Pane::WebSearch, base + QStringLiteral("WebSearch.Htm")));
    EXPECT_FALSE(logic->beforeNavigate(host::Pane::WebMain, base + QStringLiteral("__Surah = 1")));
    EXPECT_TRUE(host.lines.isEmpty());
    // A command without " = " is cancelled and ignored.
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSearch, base + QStringLiteral("__Surah")));
    EXPECT_TRUE(host.lines.isEmpty());
    // Nor does it reset the other pickers' selectors.
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebWord, base + QStringLiteral("__Word")));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__=__Parah")));
    EXPECT_TRUE(host.lines.isEmpty());
}

TEST_F(MainWindowLogicTest, AFailedCommandIsReportedAndLeavesPageAndSelectorsAlone)
{
    const QString before = readingPage();
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, QStringLiteral("__Surah = 1 OR 1=1")));
    ASSERT_EQ(host.lines.size(), 1);
    EXPECT_TRUE(host.lines.first().startsWith(QStringLiteral("error\t")));
    EXPECT_EQ(readingPage(), before);

    // The program goes on: the next command works.
    host.lines.clear();
    logic->executeCommand(QStringLiteral("__Search = two"));
    EXPECT_EQ(host.lines.first(), QStringLiteral("label\t  Search Result(s): \r\n   1/1"));

    // A statement the database refuses is told in plain words, its own words
    // on a second line.
    db.execute({QStringLiteral("DROP TABLE RF_Word_TAB")});
    host.lines.clear();
    logic->executeCommand(QStringLiteral("__Word = one"));
    ASSERT_EQ(host.lines.size(), 1);
    const QStringList told = host.lines.first().split(QStringLiteral("\r\n"));
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(
        told.first(), QStringLiteral("error\tThe request could not be carried out: the content database refused it."));
    EXPECT_TRUE(told.last().contains(QStringLiteral("RF_Word_TAB"))) << told.last().toStdString();
}

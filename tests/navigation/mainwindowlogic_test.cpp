#include "navigation/mainwindowlogic.h"

#include "host/host.h"
#include "store/storestartup.h"
#include "store/fixture.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tilvora;

namespace {

// Records every host operation as one text line.
class RecordingHost : public host::Host {
public:
    QStringList lines;
    void navigate(host::Pane pane, const QString& target) override { lines << QStringLiteral("navigate ") + host::paneName(pane) + QLatin1Char(' ') + target; }
    void setSearchLabel(const QString& caption) override { lines << QStringLiteral("label ") + caption; }
    void showMessage(host::MessageIcon, const QString& title, const QString&) override { lines << QStringLiteral("message ") + title; }
    void reportError(const QString& text) override { lines << QStringLiteral("error ") + text; }
    void playerSetUrl(const QString& path) override { lines << QStringLiteral("player url ") + path; }
    void playerSetPosition(double seconds) override { lines << QStringLiteral("player position ") + QString::number(seconds); }
    void playerPlay() override { lines << QStringLiteral("player play"); }
    void resetPickerSelector(const QString& id) override { lines << QStringLiteral("reset ") + id; }
    void setVoiceMenuItem(int index, bool, const QString&, const QString&) override { lines << QStringLiteral("menu %1").arg(index); }
    void setDataPathMenuVisible(bool) override { lines << QStringLiteral("menu setdatapath"); }
    host::MediaFolderDialogAnswer showMediaFolderDialog(const host::MediaFolderDialogRequest& request) override
    {
        lines << QStringLiteral("dialog ") + request.tag;
        return {};
    }
    void processEvents() override {}

    QStringList takeResets()
    {
        QStringList resets;
        for (const QString& line : std::as_const(lines))
            if (line.startsWith(QStringLiteral("reset ")))
                resets << line.mid(6);
        lines.clear();
        return resets;
    }
};

// A database of one chapter of two verses with one selected text.
class MainWindowLogicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.execute({QStringLiteral("INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, UserSelection, DefaultSelection, "
                                   "SortOrderUser, SortOrderDef) VALUES (1, 1, 'Text', 1, 1, 0, 0)"),
                    QStringLiteral("INSERT INTO MD_Ayah_TAB VALUES (1, 1, 1, 1), (2, 1, 2, 1)"),
                    QStringLiteral("INSERT INTO AP_Detail_TAB (DetailID, MasterID, AyahRef, Data) VALUES (1, 1, 1, 'one'), (2, 1, 2, 'two')")});
        store::StartStore(state, db.folder());
        logic = std::make_unique<navigation::MainWindowLogic>(state, host);
        logic->load();
        host.lines.clear();
    }

    QString readingPage() const
    {
        QFile file(db.folder() + QStringLiteral("/Main.htm"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(file.readAll().constData() + 2), (file.size() - 2) / 2);
    }

    StoreFixture db;
    store::SharedState state;
    RecordingHost host;
    std::unique_ptr<navigation::MainWindowLogic> logic;
};

} // namespace

TEST_F(MainWindowLogicTest, LoadShowsControlPagePickerPagesAndChapterOne)
{
    RecordingHost fresh;
    store::SharedState otherState;
    store::StartStore(otherState, db.folder());
    navigation::MainWindowLogic other(otherState, fresh);
    other.load();
    const QString folder = db.folder();
    EXPECT_EQ(fresh.lines, (QStringList{
                               QStringLiteral("menu setdatapath"),
                               QStringLiteral("navigate WebControl ") + folder + QStringLiteral("/Control.htm"),
                               QStringLiteral("navigate WebSearch ") + folder + QStringLiteral("/WebSearch.Htm"),
                               QStringLiteral("navigate WebSurah ") + folder + QStringLiteral("/WebSurah.Htm"),
                               QStringLiteral("navigate WebWord ") + folder + QStringLiteral("/WebWord.Htm"),
                               QStringLiteral("navigate WebSubject ") + folder + QStringLiteral("/WebSubject.Htm"),
                               QStringLiteral("label   Search Result(s): \r\n   0/2"),
                               QStringLiteral("navigate WebMain ") + folder + QStringLiteral("/Main.htm"),
                           }));
}

TEST_F(MainWindowLogicTest, EachPickerPaneResetsTheOthersInItsOrder)
{
    const QString base = QStringLiteral("file://") + db.folder() + QStringLiteral("/");
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebWord, base + QStringLiteral("__Word = x")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSubject, base + QStringLiteral("__Subject = 1")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbRoot"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Surah = 1")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Parah = 1")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Root = r __Parah")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbRoot")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSurah, base + QStringLiteral("__Root = r")));
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbWord"), QStringLiteral("cmbSubject"), QStringLiteral("cmbParah")}));
    EXPECT_TRUE(logic->beforeNavigate(host::Pane::WebSearch, base + QStringLiteral("__Search = one")));
    EXPECT_EQ(host.takeResets(), QStringList{});

    logic->contextMenu(host::Pane::WebSurah);
    EXPECT_EQ(host.takeResets(), (QStringList{QStringLiteral("cmbParah"), QStringLiteral("cmbRoot")}));
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
    EXPECT_TRUE(host.lines.first().startsWith(QStringLiteral("error ")));
    EXPECT_EQ(readingPage(), before);

    // The program goes on: the next command works.
    host.lines.clear();
    logic->executeCommand(QStringLiteral("__Search = two"));
    EXPECT_EQ(host.lines.first(), QStringLiteral("label   Search Result(s): \r\n   1/1"));
}

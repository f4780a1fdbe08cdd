#include "clirun.h"
#include "support/files.h"
#include "support/fixturedb.h"
#include "support/localhttpserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::testing::FixtureDb;
using tilvora::testing::LocalHttpServer;

namespace {

// Three verses, and a reciter voice of one file per verse without a folder.
void addReciterVoice(FixtureDb& db)
{
    db.execute({u"INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
                u"DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, FontBold) VALUES "
                u"(1, 1, 'Matan', '', NULL, 1, 1, 0, 0, 'rtl', 'Amiri', '24px', 'normal'), "
                u"(2, 2, 'English', '', NULL, 1, 1, 1, 1, 'ltr', 'Tahoma', '14px', 'normal'), "
                u"(9, 4, 'Reciter', 'Reciter (SSSAAA.mp3 files)', '', 1, 1, 0, 0, NULL, NULL, NULL, NULL)"_s,
        u"INSERT INTO MD_Ayah_TAB VALUES (1, 1, 1, 1), (2, 1, 2, 1), (3, 2, 1, 1)"_s,
        u"INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataPos) VALUES "
        u"(9, 1, '001001.mp3', '0'), (9, 2, '001002.mp3', '0'), (9, 3, '002001.mp3', '0')"_s});
}

} // namespace

// A content database with the reciter voice, and a user data folder of the
// test's own. The local server's thread runs an event loop, which needs the
// application object.
class CliDownload : public ::testing::Test {
protected:
    CliDownload() { qputenv("XDG_DATA_HOME", m_userData.path().toUtf8()); }
    void SetUp() override { addReciterVoice(m_db); }

    int m_argc = 1;
    char m_name[14] = "e2e_cli_tests";
    char* m_argv[2] = {m_name, nullptr};
    const QCoreApplication m_app{m_argc, m_argv};
    QTemporaryDir m_userData;
    FixtureDb m_db;
};

// A voice without a folder downloads into the user's data folder, which it
// then keeps as its folder; the downloaded verses recite; a second download
// skips what is there; a bad layout is refused.
TEST_F(CliDownload, AVoiceWithoutAFolderFillsTheUsersFolderKeepsItAndRecitesFromIt)
{
    LocalHttpServer server;
    for (const QString& name : {u"001001.mp3"_s, u"001002.mp3"_s, u"002001.mp3"_s})
        server.route(u"/audio/Some_Reciter/"_s + name, {tilvora::testing::mp3Body(5000, 7)});
    ASSERT_TRUE(server.start());
    const QString base = server.address() + u"/audio/Some_Reciter/"_s;

    const CliRun run = runCli(m_db.folder(),
        {u"download\t9\t"_s + base + u"\tsssaaa\t1\t2"_s, u"dblclick\t3"_s,
            u"download\t9\t"_s + base + u"\tsssaaa\t1\t2"_s, u"download\t9\t"_s + base + u"\tSSS.mp3\t1\t2"_s,
            u"download\t1\t"_s + base + u"\tnumber\t1\t2"_s});
    EXPECT_EQ(run.exitCode, 0);
    const QString folder = m_userData.path() + u"/Tilvora/recitations/Some_Reciter"_s;
    const QList<QStringList> progress = run.linesOf(u"progress"_s);
    ASSERT_EQ(progress.size(), 6);
    EXPECT_EQ(progress[2], (QStringList{u"progress"_s, u"3"_s, u"3"_s, u"15000"_s}));
    EXPECT_EQ(run.linesOf(u"downloaded"_s),
        (QList<QStringList>{{u"downloaded"_s, u"3"_s, u"0"_s, u"0"_s}, {u"downloaded"_s, u"0"_s, u"3"_s, u"0"_s}}));
    EXPECT_EQ(tilvora::testing::queryRow(m_db.path(), u"SELECT Data FROM AP_Master_TAB WHERE MasterID = 9"_s)
                  .value(0)
                  .toString(),
        folder);
    EXPECT_EQ(run.linesOf(u"player"_s).value(0), (QStringList{u"player"_s, u"url"_s, folder + u"/002001.mp3"_s}));
    // The voice menu shows the new folder, and the two bad downloads are refused.
    EXPECT_TRUE(run.lines.join(u'\n').contains(folder));
    EXPECT_EQ(run.linesOf(u"error"_s).size(), 2);
}

// A server that cannot be reached: the download stops after a few files,
// says so once, and the voice keeps no folder.
TEST_F(CliDownload, AServerThatCannotBeReachedIsSaidOnceAndLeavesTheVoiceAsItWas)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString base = QStringLiteral("http://127.0.0.1:%1/audio/Some_Reciter/").arg(closed.serverPort());
    closed.close();

    const CliRun run = runCli(m_db.folder(), {u"download\t9\t"_s + base + u"\tsssaaa\t1\t2"_s});
    EXPECT_EQ(run.lines.filter(u"The download stopped: the server cannot be reached."_s).size(), 1)
        << run.lines.join(u'\n').toStdString();
    EXPECT_EQ(run.linesOf(u"downloaded"_s), (QList<QStringList>{{u"downloaded"_s, u"0"_s, u"0"_s, u"3"_s}}));
    EXPECT_TRUE(tilvora::testing::queryRow(m_db.path(), u"SELECT Data FROM AP_Master_TAB WHERE MasterID = 9"_s)
                    .value(0)
                    .toString()
                    .isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_userData.path() + u"/Tilvora/recitations/Some_Reciter"_s));
}

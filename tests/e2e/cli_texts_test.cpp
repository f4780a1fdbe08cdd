#include "clirun.h"
#include "contentcopy.h"
#include "support/files.h"
#include "support/fixturedb.h"
#include "support/localhttpserver.h"

#include "store/userfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::testing::FixtureDb;
using tilvora::testing::LocalHttpServer;
using tilvora::testing::queryRow;
using tilvora::testing::readPageFile;
using tilvora::testing::textChapterAnswer;

namespace {

// The server's thread runs an event loop, which needs the application object.
struct ServedTexts {
    int m_argc = 1;
    char m_name[14] = "e2e_cli_tests";
    char* m_argv[2] = {m_name, nullptr};
    const QCoreApplication m_app{m_argc, m_argv};
    LocalHttpServer m_server;
};

class CliTexts : public ::testing::Test, protected ServedTexts { };
class CliTextsOnContent : public ContentCopyTest, protected ServedTexts { };

QString readingPage(const QString& folder)
{
    return readPageFile(folder + u"/Main.htm"_s);
}

} // namespace

// The shipped English translation served as a text of 114 chapters: the
// catalogue lists it, it installs with every verse, a row shows it, and
// removing it empties that row.
TEST_F(CliTextsOnContent, AWholeTextInstallsShowsInARowAndGoes)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"shipped"_s);
        db.setDatabaseName(folder + u"/DIC.DAT"_s);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(u"SELECT a.SurahNo, d.Data FROM AP_Detail_TAB d JOIN MD_Ayah_TAB a USING (AyahRef) "
                               u"WHERE d.MasterID = 11 ORDER BY d.AyahRef"_s));
        QMap<int, QStringList> chapters;
        while (query.next())
            chapters[query.value(0).toInt()] << query.value(1).toString();
        ASSERT_EQ(chapters.size(), 114);
        for (auto chapter = chapters.cbegin(); chapter != chapters.cend(); ++chapter)
            m_server.route(u"/api/v1/surah/%1/en.made"_s.arg(chapter.key()),
                {textChapterAnswer(u"en.made"_s, chapter.key(), chapter.value(), u"translation"_s),
                    "application/json"});
    }
    QSqlDatabase::removeDatabase(u"shipped"_s);
    m_server.route(u"/api/v1/edition?format=text&type=translation"_s,
        {R"({"code":200,"status":"OK","data":[{"identifier":"en.made","language":"en","name":"Made",)"
         R"("englishName":"Made English","format":"text","type":"translation","direction":"ltr"}]})",
            "application/json"});
    m_server.route(
        u"/api/v1/edition?format=text&type=tafsir"_s, {R"({"code":200,"status":"OK","data":[]})", "application/json"});
    ASSERT_TRUE(m_server.start());
    const QString base = m_server.address() + u"/api"_s;

    const CliRun install = runCli(folder, {u"catalogue\t"_s + base, u"fetchtext\t"_s + base + u"\ten.made"_s});
    EXPECT_EQ(install.linesOf(u"text"_s),
        (QList<QStringList>{
            {u"text"_s, u"en.made"_s, u"translation"_s, u"en"_s, u"ltr"_s, u"0"_s, u"Made English"_s}}));
    EXPECT_EQ(install.linesOf(u"progress"_s).size(), 114);
    const QList<QStringList> installed = install.linesOf(u"installed"_s);
    ASSERT_EQ(installed.size(), 1) << install.lines.join(u'\n').toStdString();
    EXPECT_EQ(installed[0].value(3), u"6236"_s);
    const QString id = installed[0].value(2);
    // The control page is built again and offers the text; the reading page follows.
    const qsizetype at = install.lines.indexOf(install.lines.filter(u"installed\t"_s).value(0));
    EXPECT_TRUE(install.lines.value(at + 1).startsWith(u"navigate\tWebControl\t"_s));
    // The program is named as the chapters describe the text.
    EXPECT_TRUE(readPageFile(install.lines.value(at + 1).section(u'\t', 2)).contains(u"English: Made en.made"_s));

    const QString verse
        = queryRow(folder + u"/DIC.DAT"_s, u"SELECT Data FROM AP_Detail_TAB WHERE MasterID = 11 AND AyahRef = 2"_s)
              .value(0)
              .toString();
    const QString choose = u"navigate\tWebControl\t"_s + folder + u"/_Control.htm__Row3 = "_s + id;
    // Each start shows the defaults; a choice made in the run shows the text.
    const CliRun chosen = runCli(folder, {choose, u"catalogue\t"_s + base});
    EXPECT_EQ(readingPage(folder).count(verse), 2);
    EXPECT_EQ(chosen.linesOf(u"text"_s).value(0).value(5), u"1"_s);

    const CliRun removed = runCli(folder, {choose, u"removetext\ten.made"_s, u"removetext\ten.made"_s});
    EXPECT_EQ(removed.linesOf(u"removed"_s), (QList<QStringList>{{u"removed"_s, u"en.made"_s}}));
    EXPECT_EQ(removed.linesOf(u"error"_s).size(), 1);
    EXPECT_EQ(readingPage(folder).count(verse), 1);
}

// Two texts downloaded into the reader's folder: a new content build that
// ships a program at the first one's id replaces DIC.DAT; both texts are
// still there, the second under its id, so that a row chosen by that id
// shows it again.
TEST_F(CliTexts, DownloadedTextsOutliveANewContentBuild)
{
    FixtureDb installed;
    installed.program({.id = 1, .type = FixtureDb::Matan, .master = u"Matan"_s, .selected = true});
    installed.verse(1, 1, 1);
    installed.verse(2, 1, 2);
    installed.verse(3, 2, 1);
    installed.detail(1, 1, 1, u"matan one"_s);
    for (const QString& identifier : {u"ar.one"_s, u"en.two"_s}) {
        m_server.route(u"/v1/surah/1/"_s + identifier,
            {textChapterAnswer(identifier, 1, {identifier + u" 1:1"_s, identifier + u" 1:2"_s}), "application/json"});
        m_server.route(u"/v1/surah/2/"_s + identifier,
            {textChapterAnswer(identifier, 2, {identifier + u" 2:1"_s}), "application/json"});
    }
    ASSERT_TRUE(m_server.start());
    QTemporaryDir home;
    const QString own = home.path() + u"/tilvora"_s;
    tilvora::store::UserFolder folder(installed.folder(), own);
    QString error;
    ASSERT_TRUE(folder.prepare(&error)) << error.toStdString();

    const QString base = m_server.address();
    const CliRun downloads
        = runCli(own, {u"fetchtext\t"_s + base + u"\tar.one"_s, u"fetchtext\t"_s + base + u"\ten.two"_s});
    const QList<QStringList> ids = downloads.linesOf(u"installed"_s);
    ASSERT_EQ(ids.size(), 2) << downloads.lines.join(u'\n').toStdString();

    // The new content build has a program of its own at the first text's id.
    installed.program({.id = ids[0][2].toInt(), .type = FixtureDb::Translation, .master = u"Shipped later"_s});
    ASSERT_TRUE(folder.prepare(&error)) << error.toStdString();
    EXPECT_EQ(
        queryRow(own + u"/DIC.DAT"_s, u"SELECT Master FROM AP_Master_TAB WHERE MasterID = "_s + ids[0][2]).value(0),
        u"Shipped later"_s);
    const CliRun after = runCli(own,
        {u"navigate\tWebControl\t"_s + own + u"/_Control.htm__Row1 = "_s + ids[1][2],
            u"fetchtext\t"_s + base + u"\tar.one"_s});
    EXPECT_TRUE(readingPage(own).contains(u"en.two 1:1"_s));
    // The first text is installed, its verses under a new id: fetching it
    // again says so without a download.
    const QList<QStringList> again = after.linesOf(u"installed"_s);
    ASSERT_EQ(again.size(), 1);
    EXPECT_NE(again[0][2], ids[0][2]);
    EXPECT_NE(again[0][2], ids[1][2]);
    EXPECT_EQ(again[0][3], u"3"_s);
}

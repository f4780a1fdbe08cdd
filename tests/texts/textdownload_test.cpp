#include "texts/textdownload.h"

#include "support/fixturedb.h"
#include "support/localhttpserver.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlQuery>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::testing::LocalHttpServer;
using tilvora::texts::TextDownload;
using tilvora::texts::TextDownloadSummary;
using tilvora::texts::TextEdition;
using tilvora::texts::TextKind;
using tilvora::texts::TextStore;

namespace {

const QString kId = u"ar.made"_s;

QByteArray chapterAnswer(int chapter, const QStringList& texts)
{
    return tilvora::testing::textChapterAnswer(kId, chapter, texts);
}

// A book of three chapters (2, 3 and 1 verses) and a server that holds a
// sound commentary of it; a test makes a chapter misbehave by routing it again.
class TextDownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int verses[] = {2, 3, 1};
        int ref = 0;
        for (int chapter = 1; chapter <= 3; ++chapter) {
            QStringList texts;
            for (int verse = 1; verse <= verses[chapter - 1]; ++verse) {
                db.verse(++ref, chapter, verse);
                texts << u"Verse %1:%2"_s.arg(chapter).arg(verse);
            }
            serve(chapter, chapterAnswer(chapter, texts));
        }
        ASSERT_TRUE(server.start());
        connection = db.connect();
        store = std::make_unique<TextStore>(*connection);
    }

    void serve(int chapter, const QByteArray& body, const QByteArray& type = "application/json",
        LocalHttpServer::Behaviour behaviour = LocalHttpServer::Behaviour::Serve)
    {
        server.route(u"/v1/surah/%1/%2"_s.arg(chapter).arg(kId), {body, type, behaviour});
    }

    // Runs a download to its end; `afterChapter` runs after each chapter.
    TextDownloadSummary run(const std::function<void(TextDownload&)>& afterChapter = {},
        const tilvora::playback::DownloadLimits& limits = {}, const QString& base = {})
    {
        TextDownload download(*store);
        download.setLimits(limits);
        QEventLoop loop;
        TextDownloadSummary summary;
        QObject::connect(&download, &TextDownload::chapterDone, &loop, [&](int done, int, qint64) {
            progress << done;
            if (afterChapter)
                afterChapter(download);
        });
        QObject::connect(&download, &TextDownload::finished, &loop, [&](const TextDownloadSummary& result) {
            summary = result;
            loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        TextEdition edition;
        edition.identifier = kId;
        download.start(base.isEmpty() ? server.address() + u"/"_s : base, edition);
        if (download.isRunning())
            loop.exec();
        return summary;
    }

    QVariant value(const QString& statement)
    {
        QSqlQuery query(connection->database());
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

    tilvora::testing::FixtureDb db;
    LocalHttpServer server;
    std::unique_ptr<tilvora::store::Connection> connection;
    std::unique_ptr<TextStore> store;
    QList<int> progress;
};

} // namespace

// A sound text becomes a commentary program described by its chapters, its
// verses stored as text: markup from the service is escaped, a line break
// kept as one; removing it takes every row of it away.
TEST_F(TextDownloadTest, InstallsASoundTextWithItsMarkupEscapedAndRemovesIt)
{
    serve(2, chapterAnswer(2, {u"<b>bold</b> & \"more\""_s, u"first\nsecond"_s, u"Verse 2:3"_s}));
    const TextDownloadSummary summary = run();
    ASSERT_TRUE(summary.installed) << summary.failures.join(u'\n').toStdString();
    EXPECT_EQ(summary.installed->verses, 6);
    EXPECT_EQ(progress, (QList<int>{1, 2, 3}));
    const int id = summary.installed->masterId;
    EXPECT_GE(id, 100001);
    EXPECT_EQ(
        value(u"SELECT t.SysTerm || '|' || m.Master || '|' || m.TextDirection || '|' || m.FontName "
              u"FROM AP_Master_TAB m JOIN AP_TypesMaster_TAB t USING (MasterTypeID) WHERE MasterID = %1"_s.arg(id))
            .toString(),
        u"TAFSEER|Arabic: Made ar.made (downloaded)|rtl|Amiri, 'Noto Naskh Arabic', serif"_s);
    EXPECT_EQ(value(u"SELECT Data FROM AP_Detail_TAB WHERE MasterID = %1 AND AyahRef = 3"_s.arg(id)).toString(),
        u"&lt;b&gt;bold&lt;/b&gt; &amp; &quot;more&quot;"_s);
    EXPECT_EQ(value(u"SELECT Data FROM AP_Detail_TAB WHERE MasterID = %1 AND AyahRef = 4"_s.arg(id)).toString(),
        u"first<br>second"_s);
    EXPECT_EQ(value(u"SELECT count(*) FROM TX_Part_TAB"_s).toInt(), 0);

    EXPECT_TRUE(store->remove(kId));
    EXPECT_EQ(value(u"SELECT count(*) FROM AP_Detail_TAB WHERE MasterID = %1"_s.arg(id)).toInt(), 0);
    EXPECT_EQ(value(u"SELECT count(*) FROM AP_Master_TAB WHERE MasterID = %1"_s.arg(id)).toInt(), 0);
    EXPECT_TRUE(store->installedIds().isEmpty());
}

// A wrong verse count, a missing chapter and a web page instead of the text
// each fail their chapter, named in the summary; the text is not installed.
TEST_F(TextDownloadTest, AChapterThatFailsItsCheckIsNamedAndNothingIsInstalled)
{
    serve(1, chapterAnswer(1, {u"only one"_s}));
    server.route(
        u"/v1/surah/2/%1"_s.arg(kId), {"<html>gone</html>", "text/html", LocalHttpServer::Behaviour::NotFound});
    serve(3, "<!DOCTYPE html><html><body>Service unavailable</body></html>", "text/html");
    const TextDownloadSummary summary = run();
    EXPECT_FALSE(summary.installed);
    EXPECT_EQ(summary.failedChapters, (QList<int>{1, 2, 3}));
    const QString failures = summary.failures.join(u'\n');
    EXPECT_TRUE(failures.contains(u"chapter 1: it has 1 verses, the chapter has 2"_s)) << failures.toStdString();
    EXPECT_TRUE(failures.contains(u"chapter 2: the server answered 404"_s)) << failures.toStdString();
    EXPECT_TRUE(failures.contains(u"chapter 3: the server sent a web page"_s)) << failures.toStdString();
    EXPECT_EQ(value(u"SELECT count(*) FROM AP_Master_TAB"_s).toInt(), 0);
}

// A connection broken off in chapter 2: the others are kept, and the next
// download asks for chapter 2 alone and installs the text.
TEST_F(TextDownloadTest, ADroppedConnectionResumesWithTheMissingChapterOnly)
{
    serve(2, chapterAnswer(2, {u"a"_s, u"b"_s, u"c"_s}), "application/json", LocalHttpServer::Behaviour::DropOnce);
    const TextDownloadSummary first = run();
    EXPECT_FALSE(first.installed);
    EXPECT_EQ(first.failedChapters, (QList<int>{2}));
    EXPECT_EQ(store->keptChapters(kId), (QSet<int>{1, 3}));

    const qsizetype asked = server.requests().size();
    const TextDownloadSummary second = run();
    ASSERT_TRUE(second.installed);
    EXPECT_EQ(server.requests().mid(asked), (QStringList{u"/v1/surah/2/ar.made "_s}));
    EXPECT_EQ(value(u"SELECT Master FROM AP_Master_TAB"_s).toString(), u"Arabic: Made ar.made (downloaded)"_s);
}

// A cancelled download keeps the chapters that were in and installs nothing;
// fetching an installed text again changes nothing.
TEST_F(TextDownloadTest, ACancelKeepsWhatWasInAndAnInstalledTextIsNotFetchedAgain)
{
    const TextDownloadSummary cancelled = run([](TextDownload& download) { download.cancel(); });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.installed);
    EXPECT_FALSE(store->keptChapters(kId).isEmpty());
    EXPECT_EQ(value(u"SELECT count(*) FROM AP_Master_TAB"_s).toInt(), 0);

    const TextDownloadSummary installed = run();
    ASSERT_TRUE(installed.installed);
    const qsizetype asked = server.requests().size();
    const TextDownloadSummary again = run();
    EXPECT_EQ(again.installed->masterId, installed.installed->masterId);
    EXPECT_EQ(server.requests().size(), asked);
    EXPECT_EQ(value(u"SELECT count(*) FROM AP_Master_TAB"_s).toInt(), 1);
}

// A server that cannot be reached stops the download after a few chapters in
// a row, one that trickles stops it as too slow; nothing is installed.
TEST_F(TextDownloadTest, AServerOutOfReachOrTooSlowStopsTheDownloadSayingWhy)
{
    // Nothing listens on port 1 of this machine.
    const TextDownloadSummary unreachable = run({}, {}, u"http://127.0.0.1:1/"_s);
    EXPECT_EQ(unreachable.stopReason, u"the server cannot be reached"_s);
    EXPECT_FALSE(unreachable.installed);

    serve(1, chapterAnswer(1, {u"a"_s, u"b"_s}), "application/json", LocalHttpServer::Behaviour::Stall);
    tilvora::playback::DownloadLimits slow;
    slow.floorBytes = 1 << 20;
    slow.floorWindowMs = 200;
    const TextDownloadSummary trickle = run({}, slow);
    EXPECT_EQ(trickle.stopReason, u"the server is too slow"_s);
    EXPECT_FALSE(trickle.installed);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

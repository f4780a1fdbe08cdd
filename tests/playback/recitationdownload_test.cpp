#include "playback/recitationdownload.h"

#include "store/dberror.h"
#include "support/fixturedb.h"
#include "support/localhttpserver.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::playback::DownloadFiles;
using tilvora::playback::DownloadLayout;
using tilvora::playback::DownloadSummary;
using tilvora::playback::RecitationDownload;
using tilvora::testing::LocalHttpServer;
using tilvora::testing::mp3Body;

namespace {

// Chapter 1 with three verses, chapter 2 with two (AyahRef 1..5); a server
// that holds each verse under both public layouts.
class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const int chapterOf[] = {1, 1, 1, 2, 2};
        const int verseOf[] = {1, 2, 3, 1, 2};
        for (int ref = 1; ref <= 5; ++ref) {
            db.verse(ref, chapterOf[ref - 1], verseOf[ref - 1]);
            const QString name = QStringLiteral("%1%2.mp3")
                                     .arg(chapterOf[ref - 1], 3, 10, QLatin1Char('0'))
                                     .arg(verseOf[ref - 1], 3, 10, QLatin1Char('0'));
            names << name;
            bodies << mp3Body(20000 + ref * 1000, static_cast<char>(ref));
            server.route(u"/r/"_s + name, {bodies.last()});
            server.route(u"/n/"_s + QString::number(ref) + u".mp3"_s, {bodies.last()});
        }
        ASSERT_TRUE(server.start());
        connection = db.connect();
        folder = dir.path() + u"/voice"_s;
    }

    QString base(const QString& layoutFolder) const { return server.address() + u"/"_s + layoutFolder; }

    // Runs a download to its end (at most 20 s), keeping every file's progress
    // report; `onFirstBytes` runs whenever bytes arrive.
    DownloadSummary run(const QString& baseAddress, DownloadLayout layout = DownloadLayout::ChapterVerse,
        const std::function<void(RecitationDownload&)>& onFirstBytes = {})
    {
        RecitationDownload download;
        QEventLoop loop;
        DownloadSummary summary;
        bool done = false;
        progress.clear();
        QObject::connect(&download, &RecitationDownload::fileDone, [this](int files, int total, qint64 bytes) {
            progress << QStringLiteral("%1/%2 %3").arg(files).arg(total).arg(bytes);
        });
        QObject::connect(&download, &RecitationDownload::bytesArrived, [&] {
            if (onFirstBytes)
                onFirstBytes(download);
        });
        QObject::connect(&download, &RecitationDownload::finished, [&](const DownloadSummary& result) {
            summary = result;
            done = true;
            loop.quit();
        });
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        download.start(DownloadFiles(*connection, baseAddress, layout, 1, 2), folder);
        if (!done)
            loop.exec();
        EXPECT_TRUE(done) << "the download did not end within 20 s";
        return summary;
    }

    QByteArray stored(const QString& name) const
    {
        QFile file(folder + u"/"_s + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList filesInFolder() const { return QDir(folder).entryList(QDir::Files, QDir::Name); }

    tilvora::testing::FixtureDb db;
    std::unique_ptr<tilvora::store::Connection> connection;
    LocalHttpServer server;
    QTemporaryDir dir;
    QString folder;
    QStringList names;
    QList<QByteArray> bodies;
    QStringList progress;
};

TEST_F(DownloadTest, BothLayoutsStoreEveryVerseUnderItsChapterAndVerseName)
{
    DownloadSummary summary = run(base(u"r"_s));
    EXPECT_EQ(summary.stored, 5);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_EQ(filesInFolder(), names);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stored(names[i]), bodies[i]) << names[i].toStdString();
    ASSERT_EQ(progress.size(), 5);
    EXPECT_TRUE(progress.last().startsWith(u"5/5 "_s));
    qint64 total = 0;
    for (const QByteArray& body : bodies)
        total += body.size();
    EXPECT_EQ(progress.last(), QStringLiteral("5/5 %1").arg(total));

    QDir(folder).removeRecursively();
    summary = run(base(u"n/"_s), DownloadLayout::BookNumber);
    EXPECT_EQ(summary.stored, 5);
    EXPECT_EQ(filesInFolder(), names);
    EXPECT_EQ(stored(names[3]), bodies[3]); // 2:1 is the book's fourth verse

    // A base that is no web address, or chapters out of order or range.
    for (const QString& bad : {u"ftp://127.0.0.1/r/"_s, u""_s, u"127.0.0.1/r/"_s})
        EXPECT_THROW(DownloadFiles(*connection, bad, DownloadLayout::ChapterVerse, 1, 2), tilvora::store::RefusedValue);
    for (const auto& [from, to] : {std::pair{0, 2}, {2, 1}, {1, 115}})
        EXPECT_THROW(DownloadFiles(*connection, base(u"r"_s), DownloadLayout::ChapterVerse, from, to),
            tilvora::store::RefusedValue);
}

TEST_F(DownloadTest, ACompleteFileIsSkippedAndAPartIsResumedWithARange)
{
    QDir().mkpath(folder);
    QFile complete(folder + u"/"_s + names[0]);
    ASSERT_TRUE(complete.open(QIODevice::WriteOnly));
    complete.write(bodies[0]);
    complete.close();
    QFile part(folder + u"/"_s + names[1] + u".part"_s);
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(bodies[1].left(1234));
    part.close();

    const DownloadSummary summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.skipped, 1);
    EXPECT_EQ(summary.stored, 4);
    EXPECT_EQ(stored(names[1]), bodies[1]);
    EXPECT_EQ(filesInFolder(), names); // no part is left
    const QStringList requests = server.requests();
    EXPECT_FALSE(requests.join(u'\n').contains(names[0]));
    EXPECT_TRUE(requests.contains(u"/r/"_s + names[1] + u" bytes=1234-"_s)) << requests.join(u'\n').toStdString();
}

TEST_F(DownloadTest, BadAnswersAreNamedNeverStoredAndADroppedFileResumesLater)
{
    server.route(u"/r/"_s + names[0], {"<html><body>Quota exceeded</body></html>", "text/html; charset=utf-8"});
    server.route(u"/r/"_s + names[1], {QByteArray(), "audio/mpeg", LocalHttpServer::Behaviour::NotFound});
    server.route(u"/r/"_s + names[2], {bodies[2], "audio/mpeg", LocalHttpServer::Behaviour::DropOnce});
    server.route(u"/r/"_s + names[3], {"not a recording at all, though the server says so", "audio/mpeg"});

    DownloadSummary summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stored, 1);
    EXPECT_EQ(summary.failed, 4);
    const QString failures = summary.failures.join(u'\n');
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(failures.contains(names[i])) << failures.toStdString();
    EXPECT_TRUE(failures.contains(u"404"_s)) << failures.toStdString();
    EXPECT_EQ(filesInFolder(), (QStringList{names[2] + u".part"_s, names[4]}));
    const qint64 kept = QFile(folder + u"/"_s + names[2] + u".part"_s).size();
    EXPECT_EQ(kept, bodies[2].size() / 2);

    // The server serves the dropped file now: it is resumed where it broke.
    summary = run(base(u"r/"_s));
    EXPECT_EQ(stored(names[2]), bodies[2]);
    EXPECT_TRUE(server.requests().contains(u"/r/"_s + names[2] + QStringLiteral(" bytes=%1-").arg(kept)));
}

TEST_F(DownloadTest, CancelStopsEveryRequestAndKeepsTheParts)
{
    for (int i = 0; i < 5; ++i)
        server.route(u"/r/"_s + names[i], {bodies[i], "audio/mpeg", LocalHttpServer::Behaviour::Stall});
    const DownloadSummary summary
        = run(base(u"r/"_s), DownloadLayout::ChapterVerse, [](RecitationDownload& download) { download.cancel(); });
    EXPECT_TRUE(summary.cancelled);
    EXPECT_EQ(summary.stored, 0);
    for (const QString& file : filesInFolder())
        EXPECT_TRUE(file.endsWith(u".part"_s)) << file.toStdString();
    // At most four requests were ever made at once, and none after the cancel.
    EXPECT_LE(server.requests().size(), RecitationDownload::kParallelRequests);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "playback/recitationdownload.h"

#include "store/dberror.h"
#include "support/fixturedb.h"
#include "support/localhttpserver.h"
#include "support/madeaudio.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::playback::downloadFiles;
using tilvora::playback::DownloadLayout;
using tilvora::playback::DownloadLimits;
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
        download.setLimits(limits);
        download.setDiskSizeForTesting(diskSize);
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
        download.start(downloadFiles(*connection, baseAddress, layout, 1, 2), folder);
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
    DownloadLimits limits;
    qint64 diskSize = -1;
};

// A real MP3 file made by lame: 16 kHz mono at 64 kbit/s, so 288 bytes a
// frame, behind a LAME Info frame that counts the frames.
QByteArray madeMp3(double seconds)
{
    tilvora::testing::MadeAudio audio;
    audio.speak(seconds);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"made.mp3"_s));
    if (!audio.writeMp3(file.fileName()) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
constexpr int kMadeFrameBytes = 288;

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
        EXPECT_THROW(downloadFiles(*connection, bad, DownloadLayout::ChapterVerse, 1, 2), tilvora::store::RefusedValue);
    for (const auto& [from, to] : {std::pair{0, 2}, {2, 1}, {1, 115}})
        EXPECT_THROW(downloadFiles(*connection, base(u"r"_s), DownloadLayout::ChapterVerse, from, to),
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

TEST_F(DownloadTest, AFileOfUnknownLengthIsStoredOnlyWhenItsLastAudioFrameIsWhole)
{
    const QByteArray mp3 = madeMp3(1.5);
    ASSERT_GT(mp3.size(), 4 * kMadeFrameBytes);
    // An ID3v2 tag of 20 bytes before it and an ID3v1 tag after it.
    const QByteArray tagged
        = QByteArray("ID3\x03\x00\x00\x00\x00\x00\x14", 10) + QByteArray(20, 'x') + mp3 + "TAG" + QByteArray(125, ' ');
    using B = LocalHttpServer::Behaviour;
    server.route(u"/r/"_s + names[0], {mp3, "audio/mpeg", B::NoLength});
    server.route(u"/r/"_s + names[1], {mp3.left(mp3.size() - 100), "audio/mpeg", B::NoLength});
    server.route(u"/r/"_s + names[2], {tagged, "audio/mpeg", B::NoLength});
    // Cut right at a frame's end: only the Info frame's count shows it.
    server.route(u"/r/"_s + names[3], {mp3.left(mp3.size() - kMadeFrameBytes), "audio/mpeg", B::NoLength});
    // Qt's client takes a chunked body without its end for a broken
    // connection, or, when the close comes at a certain moment, for whole.
    server.route(u"/r/"_s + names[4], {mp3.left(mp3.size() - 100), "audio/mpeg", B::ChunkedNoEnd});

    const DownloadSummary summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stored, 2) << summary.failures.join(u'\n').toStdString();
    EXPECT_EQ(
        filesInFolder().mid(0, 4), (QStringList{names[0], names[1] + u".part"_s, names[2], names[3] + u".part"_s}));
    EXPECT_FALSE(QFileInfo::exists(folder + u"/"_s + names[4]));
    EXPECT_EQ(stored(names[0]), mp3);
    EXPECT_EQ(stored(names[2]), tagged);
}

TEST_F(DownloadTest, AFileLargerThanTheCapIsRefusedWhenAnnouncedOrWhenItsBytesPassIt)
{
    limits.maxFileBytes = 30000;
    LocalHttpServer::Route huge{bodies[0]};
    huge.announced = 2LL * 1024 * 1024 * 1024;
    server.route(u"/r/"_s + names[0], huge);
    server.route(u"/r/"_s + names[1], {madeMp3(5), "audio/mpeg", LocalHttpServer::Behaviour::NoLength});

    const DownloadSummary summary = run(base(u"r/"_s));
    const QString failures = summary.failures.join(u'\n');
    EXPECT_EQ(summary.stored, 3) << failures.toStdString();
    EXPECT_TRUE(failures.contains(names[0] + u": the server announced 2147483648 bytes"_s)) << failures.toStdString();
    EXPECT_TRUE(failures.contains(names[1] + u": it is larger than"_s)) << failures.toStdString();
    EXPECT_EQ(filesInFolder(), names.mid(2));
}

// The folder on a small tmpfs where the test may mount one, else on a disk
// the download is told is that small: room for the first four files, not
// for the fifth, a recording sent without a length.
TEST_F(DownloadTest, AFullDiskStopsTheDownloadKeepingWhatWasStoredAndThePartsResumeWhereTheyStopped)
{
    const bool tmpfs = QDir().mkpath(folder)
        && QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=112k"_s, u"tmpfs"_s, folder}) == 0;
    const auto unmount = qScopeGuard([&] {
        if (tmpfs)
            QProcess::execute(u"umount"_s, {folder});
    });
    if (!tmpfs)
        diskSize = 112 * 1024;
    bodies[4] = madeMp3(5);
    server.route(u"/r/"_s + names[4], {bodies[4], "audio/mpeg", LocalHttpServer::Behaviour::NoLength});

    DownloadSummary summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stopReason, u"no space left on the disk"_s);
    EXPECT_GE(summary.stored, 1);
    // What is stored is whole; each part is a beginning of its file.
    QHash<QString, qint64> kept;
    for (int i = 0; i < 5; ++i) {
        const QFileInfo part(folder + u"/"_s + names[i] + u".part"_s);
        if (part.exists()) {
            kept.insert(names[i], part.size());
            EXPECT_GT(part.size(), 0) << names[i].toStdString();
            EXPECT_TRUE(bodies[i].startsWith(stored(part.fileName()))) << names[i].toStdString();
        } else {
            EXPECT_EQ(stored(names[i]), bodies[i]) << names[i].toStdString();
        }
    }
    EXPECT_FALSE(kept.isEmpty());

    // Told the length now, the download stops before writing what does not
    // fit, and resumes where each part ends once it does.
    server.route(u"/r/"_s + names[4], {bodies[4]});
    summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stopReason, u"no space left on the disk"_s);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        EXPECT_EQ(QFileInfo(folder + u"/"_s + it.key() + u".part"_s).size(), it.value());
    if (tmpfs)
        QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,size=1m"_s, folder});
    diskSize = -1;
    summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.failed, 0) << summary.failures.join(u'\n').toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(stored(names[i]), bodies[i]) << names[i].toStdString();
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        EXPECT_TRUE(server.requests().contains(u"/r/"_s + it.key() + QStringLiteral(" bytes=%1-").arg(it.value())));
    EXPECT_EQ(filesInFolder(), names);
}

TEST_F(DownloadTest, ATricklingServerIsTooSlowAndASilentOneTimesOut)
{
    using B = LocalHttpServer::Behaviour;
    for (int i = 0; i < 5; ++i)
        server.route(u"/r/"_s + names[i], {bodies[i], "audio/mpeg", B::Trickle});
    limits.floorBytes = 1024;
    limits.floorWindowMs = 1000;
    DownloadSummary summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stopReason, u"the server is too slow"_s);
    EXPECT_EQ(summary.stored, 0);

    for (int i = 0; i < 5; ++i)
        server.route(u"/r/"_s + names[i], {bodies[i], "audio/mpeg", B::Stall});
    limits = {};
    limits.silenceMs = 300;
    summary = run(base(u"r/"_s));
    EXPECT_EQ(summary.stopReason, u"the server stopped answering"_s);
    EXPECT_EQ(summary.failures.filter(u": timed out"_s).size(), summary.failed)
        << summary.failures.join(u'\n').toStdString();
}

TEST_F(DownloadTest, RedirectsToWebAddressesAreFollowedFiveTimesAtMost)
{
    using B = LocalHttpServer::Behaviour;
    for (int i = 0; i < 3; ++i) {
        for (int hop = 1; hop <= 5; ++hop) {
            const QString next = hop < 5 ? QStringLiteral("/h%1/").arg(hop + 1) : u"/r/"_s;
            server.route(
                QStringLiteral("/h%1/").arg(hop) + names[i], {{}, "", B::Redirect, (next + names[i]).toUtf8()});
        }
    }
    server.route(u"/h1/"_s + names[3], {{}, "", B::Redirect, (u"/h1/"_s + names[3]).toUtf8()});
    server.route(u"/h1/"_s + names[4], {{}, "", B::Redirect, "file:///etc/passwd"});

    const DownloadSummary summary = run(base(u"h1/"_s));
    EXPECT_EQ(summary.stored, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(stored(names[i]), bodies[i]);
    QStringList failures = summary.failures;
    failures.sort();
    EXPECT_EQ(failures,
        (QStringList{names[3] + u": the server sent the download elsewhere too many times"_s,
            names[4] + u": the server sent the download to an address that is not http or https"_s}));
}

TEST_F(DownloadTest, AServerThatCannotBeReachedStopsTheDownloadAfterAFewFilesAndLeavesNoFolder)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();

    const DownloadSummary summary = run(QStringLiteral("http://127.0.0.1:%1/r/").arg(port));
    EXPECT_EQ(summary.stopReason, u"the server cannot be reached"_s);
    EXPECT_EQ(summary.failed, limits.connectionFailuresToStop);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(DownloadFolder, ANameFromAnAddressLosesDirectionAndControlCharactersAndStaysShort)
{
    const QString name
        = QFileInfo(tilvora::playback::defaultRecitationFolder(u"Qari\u202Egnp.exe\u0007\u200F"_s + QString(300, u'x')))
              .fileName();
    EXPECT_TRUE(name.startsWith(u"Qarignp.exexxx"_s)) << name.toStdString();
    EXPECT_LE(name.toUtf8().size(), 120);
}

} // namespace

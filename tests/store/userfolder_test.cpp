#include "support/files.h"
#include "support/fixturedb.h"

#include "store/statements.h"
#include "store/storestartup.h"
#include "store/userfolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tilvora::store;
using tilvora::testing::FixtureDb;
using tilvora::testing::queryRow;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QString voiceFolder(const QString& folder, int masterId)
{
    return queryRow(folder + QStringLiteral("/DIC.DAT"),
        QStringLiteral("SELECT Data FROM AP_Master_TAB WHERE MasterID = %1").arg(masterId))
        .value(0)
        .toString();
}

bool hasProgram(const QString& folder, int masterId)
{
    return !queryRow(folder + QStringLiteral("/DIC.DAT"),
        QStringLiteral("SELECT 1 FROM AP_Master_TAB WHERE MasterID = %1").arg(masterId))
                .isEmpty();
}

// An installed application folder: a content build's DIC.DAT, a picker page
// and a recording, replaced as a package upgrade replaces them.
class Installed {
public:
    Installed()
    {
        writeFile(path(QStringLiteral("WebSurah.Htm")), "chapters");
        writeFile(path(QStringLiteral("media/demo/001001.mp3")), "mp3");
        writeFile(path(QStringLiteral("tilvora-cli")), "program");
    }
    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }

    // A content build holding the given programs, installed a day after the previous one.
    void install(const FixtureDb& content)
    {
        QFile::remove(path(QStringLiteral("DIC.DAT")));
        ASSERT_TRUE(QFile::copy(content.path(), path(QStringLiteral("DIC.DAT"))));
        QFile file(path(QStringLiteral("DIC.DAT")));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        m_time = m_time.addDays(1);
        ASSERT_TRUE(file.setFileTime(m_time, QFileDevice::FileModificationTime));
    }

private:
    QTemporaryDir m_dir;
    QDateTime m_time = QDateTime::currentDateTimeUtc().addYears(-1);
};

void firstContent(const FixtureDb& db)
{
    db.program({.id = 1, .type = FixtureDb::Matan, .master = QStringLiteral("Text"), .selected = true});
    db.program({.id = 31,
        .type = FixtureDb::Voice,
        .master = QStringLiteral("Demo"),
        .selected = true,
        .data = QStringLiteral("media/demo")});
    db.program({.id = 32, .type = FixtureDb::Voice, .master = QStringLiteral("Reciter A")});
    db.program({.id = 33, .type = FixtureDb::Voice, .master = QStringLiteral("Reciter B")});
}

void secondContent(const FixtureDb& db)
{
    firstContent(db);
    db.program({.id = 11, .type = FixtureDb::Translation, .master = QStringLiteral("New translation")});
    db.program(
        {.id = 34, .type = FixtureDb::Voice, .master = QStringLiteral("Reciter C"), .data = QStringLiteral("media/c")});
}

class UserFolderTest : public ::testing::Test {
protected:
    QString ownFolder() const { return m_home.path() + QStringLiteral("/share/tilvora"); }
    QString own(const QString& name) const { return ownFolder() + QLatin1Char('/') + name; }
    UserFolder folder() const { return UserFolder(m_installed.folder(), ownFolder()); }
    void prepare()
    {
        QString error;
        ASSERT_TRUE(folder().prepare(&error)) << error.toStdString();
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
    void setVoiceFolder(int masterId, const QString& data)
    {
        auto connection = Connection::open(own(QStringLiteral("DIC.DAT")));
        connection->execute(QStringLiteral("UPDATE AP_Master_TAB SET Data = '%1' WHERE MasterID = %2")
                                .arg(sqlText(data))
                                .arg(masterId));
    }
    // Folders an update left beside the reader's folder.
    QStringList leftovers() const
    {
        return QDir(m_home.path() + QStringLiteral("/share"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
            .filter(QStringLiteral("tilvora-"));
    }

    QTemporaryDir m_home;
    Installed m_installed;
};

} // namespace

TEST(UserFolderWanted, ForAnInstalledProgramOnly)
{
    QTemporaryDir program;
    EXPECT_FALSE(UserFolder::isWantedFor(program.path())) << "no content: start-up reports what is missing";
    writeFile(program.path() + QStringLiteral("/DIC.DAT"), "");
    EXPECT_FALSE(UserFolder::isWantedFor(program.path())) << "a build's own folder";
    writeFile(program.path() + QLatin1Char('/') + UserFolder::kSharedMarker, "");
    EXPECT_TRUE(UserFolder::isWantedFor(program.path()));
}

TEST_F(UserFolderTest, FirstStartCopiesTheContentAndLinksTheRecordings)
{
    FixtureDb content;
    firstContent(content);
    m_installed.install(content);
    prepare();

    EXPECT_EQ(readFile(own(QStringLiteral("WebSurah.Htm"))), "chapters");
    EXPECT_EQ(readFile(own(QStringLiteral("media/demo/001001.mp3"))), "mp3")
        << "media/demo resolves in the reader's folder";
    EXPECT_FALSE(QFileInfo::exists(own(QStringLiteral("tilvora-cli")))) << "programs run from where they are installed";
    SharedState state;
    startStore(state, ownFolder());
    EXPECT_EQ(state.gAppFolder, ownFolder());

    // The same content again: the reader's copy stays as it is.
    setVoiceFolder(32, QStringLiteral("/music/reciter"));
    prepare();
    EXPECT_EQ(voiceFolder(ownFolder(), 32), QStringLiteral("/music/reciter"));
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
}

TEST_F(UserFolderTest, ANewContentBuildKeepsEveryVoicesFolderAndTheReadersFiles)
{
    FixtureDb first;
    firstContent(first);
    m_installed.install(first);
    prepare();
    setVoiceFolder(31, QStringLiteral("/home/reader/it's mine"));
    setVoiceFolder(32, QStringLiteral("reciters/a"));
    writeFile(own(QStringLiteral("bookmarks.sqlite")), "bookmarks");
    writeFile(own(QStringLiteral("reciters/a/001001.mp3")), "a");
    writeFile(own(QStringLiteral("tilvora-cli")), "a program an older launcher copied here");
    ASSERT_EQ(symlink("reciters/a", own(QStringLiteral("link-to-a")).toLocal8Bit().constData()), 0);

    FixtureDb second;
    secondContent(second);
    second.execute({QStringLiteral("UPDATE AP_Master_TAB SET Data = 'media/new-demo' WHERE MasterID = 31")});
    m_installed.install(second);
    prepare();

    EXPECT_TRUE(hasProgram(ownFolder(), 11)) << "the new content";
    EXPECT_EQ(voiceFolder(ownFolder(), 31), QStringLiteral("/home/reader/it's mine"));
    EXPECT_EQ(voiceFolder(ownFolder(), 32), QStringLiteral("reciters/a"));
    EXPECT_EQ(voiceFolder(ownFolder(), 33), QString()) << "an empty folder stays empty";
    EXPECT_EQ(voiceFolder(ownFolder(), 34), QStringLiteral("media/c")) << "a new voice keeps the folder it comes with";
    EXPECT_EQ(readFile(own(QStringLiteral("bookmarks.sqlite"))), "bookmarks");
    EXPECT_EQ(readFile(own(QStringLiteral("link-to-a/001001.mp3"))), "a");
    EXPECT_EQ(QFileInfo(own(QStringLiteral("link-to-a"))).symLinkTarget(), own(QStringLiteral("reciters/a")))
        << "a link stays a link";
    EXPECT_FALSE(QFileInfo::exists(own(QStringLiteral("tilvora-cli")))) << "content is never the reader's";
    EXPECT_EQ(readFile(own(QStringLiteral("media/demo/001001.mp3"))), "mp3");
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
}

TEST_F(UserFolderTest, AFailedUpdateLeavesTheFolderAsItWasAndUsable)
{
    FixtureDb first;
    firstContent(first);
    m_installed.install(first);
    prepare();
    setVoiceFolder(32, QStringLiteral("/music/reciter"));
    const QByteArray stamp = readFile(own(UserFolder::kStampName));
    // A file of the reader's that cannot be copied: a named pipe.
    ASSERT_EQ(mkfifo(own(QStringLiteral("pipe")).toLocal8Bit().constData(), 0600), 0);

    FixtureDb second;
    secondContent(second);
    m_installed.install(second);
    QString error;
    EXPECT_FALSE(folder().prepare(&error));
    EXPECT_TRUE(error.contains(own(QStringLiteral("pipe")))) << error.toStdString();
    EXPECT_FALSE(hasProgram(ownFolder(), 11));
    EXPECT_EQ(voiceFolder(ownFolder(), 32), QStringLiteral("/music/reciter"));
    EXPECT_EQ(readFile(own(UserFolder::kStampName)), stamp);
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();

    // An installed program runs on the folder as it was, and says why.
    writeFile(m_installed.path(UserFolder::kSharedMarker), "");
    qputenv("XDG_DATA_HOME", (m_home.path() + QStringLiteral("/share")).toLocal8Bit());
    QString problem;
    EXPECT_EQ(applicationFolderFor(m_installed.folder(), &problem), ownFolder());
    EXPECT_TRUE(problem.contains(QStringLiteral("uses it as it was"))) << problem.toStdString();
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(UserFolderTest, AnUnreadableOldDatabaseIsKeptBesideTheNewContent)
{
    FixtureDb first;
    firstContent(first);
    m_installed.install(first);
    prepare();
    writeFile(own(QStringLiteral("DIC.DAT")), "damaged beyond reading");

    FixtureDb second;
    secondContent(second);
    m_installed.install(second);
    prepare();
    EXPECT_TRUE(hasProgram(ownFolder(), 11));
    EXPECT_EQ(readFile(own(QStringLiteral("DIC.DAT.unreadable"))), "damaged beyond reading");
}

TEST_F(UserFolderTest, AnUpdateCutShortIsRecoveredFrom)
{
    FixtureDb first;
    firstContent(first);
    m_installed.install(first);
    prepare();
    setVoiceFolder(32, QStringLiteral("/music/reciter"));
    // Cut short after the old folder stepped aside, with a new one half built.
    const QString share = m_home.path() + QStringLiteral("/share");
    ASSERT_TRUE(QDir().rename(ownFolder(), share + QStringLiteral("/.tilvora-old-1")));
    writeFile(share + QStringLiteral("/.tilvora-new-AbCdEf/DIC.DAT"), "half");

    FixtureDb second;
    secondContent(second);
    m_installed.install(second);
    prepare();
    EXPECT_TRUE(hasProgram(ownFolder(), 11));
    EXPECT_EQ(voiceFolder(ownFolder(), 32), QStringLiteral("/music/reciter"));
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
}

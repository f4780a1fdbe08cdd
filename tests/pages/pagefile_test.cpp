#include "pages/pagefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using tilvora::pages::PageFileError;
using tilvora::pages::pageFilePath;
using tilvora::pages::writePageFile;
using tilvora::store::SharedState;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Files of this process may grow to `bytes` and no further while the object
// lives: a write beyond fails with EFBIG, as a full disk fails with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousSignal);
    }

private:
    rlimit m_previous{};
    void (*m_previousSignal)(int) = nullptr;
};

} // namespace

TEST(PageFile, WritesLittleEndianUtf16WithByteOrderMark)
{
    QTemporaryDir dir;
    SharedState state;
    state.gAppFolder = dir.path();

    const QString path = writePageFile(state, u"abc"_s, u"Main.htm"_s);
    EXPECT_EQ(path, dir.path() + u"/Main.htm"_s);
    EXPECT_EQ(readAll(path),
        QByteArray("\xFF\xFE"
                   "a\0b\0c\0",
            8));

    // Arabic and a character beyond the basic plane, no line break added.
    const QString text = u"\u0628\r\n"_s + QString::fromUcs4(U"\U0001F600");
    EXPECT_EQ(readAll(writePageFile(state, text, u"Main.htm"_s)),
        QByteArray("\xFF\xFE"
                   "\x28\x06"
                   "\r\0\n\0"
                   "\x3D\xD8\x00\xDE",
            12));

    // Without a name the page goes to Default.htm; an empty page is the mark alone.
    EXPECT_EQ(readAll(writePageFile(state, QString())), QByteArray("\xFF\xFE"));
    EXPECT_TRUE(QFile::exists(dir.path() + u"/Default.htm"_s));
}

TEST(PageFile, SecondWriteReplacesTheFirstWhole)
{
    QTemporaryDir dir;
    SharedState state;
    state.gAppFolder = dir.path();
    writePageFile(state, QString(5000, u'x'), u"Main.htm"_s);
    const QString path = writePageFile(state, u"abc"_s, u"Main.htm"_s);
    EXPECT_EQ(readAll(path).size(), 8);
    // Nothing is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Main.htm"_s});
}

TEST(PageFile, AFileThatCannotBeWrittenIsReportedByPath)
{
    QTemporaryDir dir;
    SharedState state;
    state.gAppFolder = dir.path();

    // The page's path is taken by a folder.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Main.htm"_s));
    try {
        writePageFile(state, u"abc"_s, u"Main.htm"_s);
        FAIL() << "no error";
    } catch (const PageFileError& error) {
        EXPECT_TRUE(error.message().contains(dir.path() + u"/Main.htm"_s)) << error.what();
    }
    EXPECT_TRUE(QFileInfo(dir.path() + u"/Main.htm"_s).isDir());

    // The application folder is a regular file.
    QFile(dir.path() + u"/plain"_s).open(QIODevice::WriteOnly);
    state.gAppFolder = dir.path() + u"/plain"_s;
    EXPECT_THROW(writePageFile(state, u"abc"_s, u"Main.htm"_s), PageFileError);
}

TEST(PageFile, APageThatCannotBeWrittenWholeLeavesThePreviousOneAndSaysWhy)
{
    QTemporaryDir dir;
    SharedState state;
    state.gAppFolder = dir.path();
    const QString path = writePageFile(state, u"previous"_s, u"Main.htm"_s);
    const QByteArray previous = readAll(path);

    QString reason;
    {
        const FileSizeLimit limit(4096);
        try {
            writePageFile(state, QString(5000, u'x'), u"Main.htm"_s);
        } catch (const PageFileError& error) {
            reason = error.message();
        }
    }
    EXPECT_TRUE(reason.contains(path)) << reason.toStdString();
    QString cause = QString::fromLocal8Bit(std::strerror(EFBIG));
    cause[0] = cause[0].toLower();
    EXPECT_TRUE(reason.endsWith(u": "_s + cause)) << reason.toStdString();
    EXPECT_EQ(readAll(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Main.htm"_s});
}

TEST(PageFile, PathJoinsFolderAndNameWithOneSlash)
{
    EXPECT_EQ(pageFilePath(u"/opt/t"_s, u"Control.htm"_s), u"/opt/t/Control.htm"_s);
    EXPECT_EQ(pageFilePath(u"/opt/t"_s, tilvora::store::kDef), u"/opt/t/Default.htm"_s);
    EXPECT_EQ(pageFilePath(u"/"_s, u"Main.htm"_s), u"/Main.htm"_s);
}

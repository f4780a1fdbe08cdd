#include "playback/playvoice.h"

#include "playbackfixture.h"
#include "store/dberror.h"

using tilvora::playback::playVoice;
using tilvora::playback::readingPageDoubleClick;
using tilvora::playback::testing::PlaybackTest;

namespace {

const QString kCannotAccess = QStringLiteral("Cannot Access the specified Media File\r\nMake sure that the Media Files "
                                             "folder exists in the same application folder !");
const QString kNoData = QStringLiteral("message\tcritical\tTilvora - ProgramID : \tNo Data found in the Database for "
                                       "Current Voice in Programs registered...\r\n\r\n"
                                       "Invalid Programs / Speakers added to database without related Data !");

QString notFound(const QString& name, const QString& folder)
{
    return QStringLiteral("message\tinformation\tMedia Files not found...\tMedia File ") + name
        + QStringLiteral(" is not present at the specified path...\r\nCurrent Path : ") + folder
        + QStringLiteral(
            "\r\n\r\nPlease Specify a valid path for Media Files (using the Controls Menu) and use this Application !");
}

QStringList played(const QString& path, const QString& seconds)
{
    return {QStringLiteral("player\turl\t") + path, QStringLiteral("player\tposition\t") + seconds,
        QStringLiteral("player\tplay")};
}

class PlayVoiceTest : public PlaybackTest {
protected:
    // A request, and what it leads to once its file search has ended.
    void play(qint32 ayahRef)
    {
        playVoice(state, host, finder, ayahRef);
        settle();
    }
    void doubleClick(const QString& verseTableId)
    {
        readingPageDoubleClick(state, host, finder, verseTableId);
        settle();
    }

    void SetUp() override
    {
        voice(kVoice, media(), true);
        voice(11, QStringLiteral("/elsewhere"), false);
        mediaFile(QStringLiteral("unrelated.txt"));
    }
};

TEST_F(PlayVoiceTest, FileInTheMediaFolderPlaysFromTheVersePosition)
{
    detail(1, QStringLiteral(" 001001.mp3 "), QStringLiteral("12.5"));
    detail(2, QStringLiteral("001002.MP3"), QStringLiteral(" 0 "));
    mediaFile(QStringLiteral("001001.mp3"));
    mediaFile(QStringLiteral("001002.mp3"));
    load();

    play(1);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("001001.mp3")), QStringLiteral("12.5")));

    // The player is given the name as it is spelt on disk.
    host.lines.clear();
    play(2);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("001002.mp3")), QStringLiteral("0")));
}

TEST_F(PlayVoiceTest, FileBelowTheMediaFolderPlaysWithTheSeparatorTwice)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("3"));
    mediaFile(QStringLiteral("A/other.mp3"));
    mediaFile(QStringLiteral("B/X/001001.mp3"));
    load();

    play(1);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("B/X//001001.mp3")), QStringLiteral("3")));
}

TEST_F(PlayVoiceTest, TheOtherFileTypePlaysFromTheFolderOrBelowIt)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    detail(2, QStringLiteral("001002.wma"), QStringLiteral("2"));
    detail(3, QStringLiteral("Recit.Mp3.bak"), QStringLiteral("3"));
    mediaFile(QStringLiteral("001001.wma"));
    mediaFile(QStringLiteral("sub/001002.mp3"));
    mediaFile(QStringLiteral("RECIT.WMA"));
    load();

    play(1);
    play(2);
    play(3); // cut at the first ".MP3" in any case
    EXPECT_EQ(host.lines,
        played(media(QStringLiteral("001001.wma")), QStringLiteral("1"))
            + played(media(QStringLiteral("sub//001002.mp3")), QStringLiteral("2"))
            + played(media(QStringLiteral("RECIT.WMA")), QStringLiteral("3")));
}

TEST_F(PlayVoiceTest, MissingFileIsReportedWithTheLastNameTriedAndTheStoredFolder)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    detail(2, QStringLiteral("Recit.Mp3"), QString()); // the position is not read
    detail(3, QStringLiteral("001003.ogg"), QStringLiteral("1"));
    detail(4, QStringLiteral("  "), QStringLiteral("1"));
    mediaFile(QStringLiteral("sub/001001.ogg"));
    load();

    play(1);
    play(2);
    play(3);
    play(4); // a blank name is a missing file, not the folder itself
    EXPECT_EQ(host.lines,
        QStringList({notFound(QStringLiteral("001001.wma"), media()), notFound(QStringLiteral("Recit.wma"), media()),
            notFound(QStringLiteral("001003.ogg"), media()), notFound(QString(), media())}));
}

TEST_F(PlayVoiceTest, RelativeFolderLiesInsideTheApplicationFolder)
{
    // Stored as "M", the folder is the application folder's M: directly,
    // below it and as the other file type; the message shows it as stored.
    sql(QStringLiteral("UPDATE AP_Master_TAB SET Data = 'M' WHERE MasterID = 10"));
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    detail(2, QStringLiteral("001002.mp3"), QStringLiteral("2"));
    detail(3, QStringLiteral("001003.mp3"), QStringLiteral("3"));
    mediaFile(QStringLiteral("001001.mp3"));
    mediaFile(QStringLiteral("sub/001002.wma"));
    load();
    state.gAppFolder = m_store.folder();
    // Not the program's current folder, wherever that is.
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));

    play(1);
    play(2);
    play(3);
    EXPECT_EQ(host.lines,
        played(media(QStringLiteral("001001.mp3")), QStringLiteral("1"))
            + played(media(QStringLiteral("sub//001002.wma")), QStringLiteral("2"))
            + QStringList{notFound(QStringLiteral("001003.wma"), QStringLiteral("M"))});
}

TEST_F(PlayVoiceTest, EmptyStoredFolderIsNeverTheRootFolder)
{
    sql(QStringLiteral("UPDATE AP_Master_TAB SET Data = '' WHERE MasterID = 10"));
    // A name that the root folder does hold, and one it is searched for.
    detail(1, QStringLiteral("etc/passwd"), QStringLiteral("1"));
    detail(2, QStringLiteral("001002.mp3"), QStringLiteral("1"));
    load();

    play(1);
    play(2);
    EXPECT_EQ(host.lines,
        QStringList(
            {notFound(QStringLiteral("etc/passwd"), QString()), notFound(QStringLiteral("001002.wma"), QString())}));
}

TEST_F(PlayVoiceTest, BlankOrMissingPositionGivesTheNoDataBox)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("   "));
    detail(2, QStringLiteral("001001.mp3"), QString());
    mediaFile(QStringLiteral("001001.mp3"));
    load();
    play(1);
    play(2);

    // Details without the position column: the store's "no such item" failure.
    state.gDetails = state.gConnection->openRecordSet(QStringLiteral("SELECT AyahRef, Data FROM AP_Detail_TAB"));
    play(1);
    EXPECT_EQ(host.lines, QStringList({kNoData, kNoData, kNoData}));
}

TEST_F(PlayVoiceTest, PositionThatIsNoNumberOfSecondsIsRefused)
{
    const QStringList positions = {QStringLiteral("12,5"), QStringLiteral("abc"), QStringLiteral("1,000"),
        QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("-3")};
    for (int i = 0; i < positions.size(); ++i)
        detail(i + 1, QStringLiteral("001001.mp3"), positions.at(i));
    mediaFile(QStringLiteral("001001.mp3"));
    load();

    for (int i = 0; i < positions.size(); ++i) {
        host.lines.clear();
        play(i + 1);
        ASSERT_EQ(host.lines.size(), 1) << positions.at(i).toStdString();
        EXPECT_EQ(host.lines.at(0),
            QStringLiteral("message\tcritical\tThe start position \"%1\" of the verse is not a number of seconds.\t")
                    .arg(positions.at(i))
                + kCannotAccess);
    }
}

TEST_F(PlayVoiceTest, NoSelectedVoiceGivesTheCannotAccessBoxTitledWithTheFailure)
{
    sql(QStringLiteral("UPDATE AP_Master_TAB SET UserSelection = 0"));
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    mediaFile(QStringLiteral("001001.mp3"));
    state.gConnection = m_store.connect();
    tilvora::store::openProgramDetails(state, QStringLiteral("10"));
    play(1); // no program list at all yet
    tilvora::store::selectedProgramIds(state);
    play(1);

    const QString noRecord = QStringLiteral("There is no current record: the record set is empty or past its end.");
    const QString emptySet = QStringLiteral("There is no record to move to: the record set is empty.");
    EXPECT_EQ(host.lines,
        QStringList({QStringLiteral("message\tcritical\t") + emptySet + QLatin1Char('\t') + kCannotAccess,
            QStringLiteral("message\tcritical\t") + noRecord + QLatin1Char('\t') + kCannotAccess}));
}

TEST_F(PlayVoiceTest, VerseWithoutDetailRowIsToldWithTheVoiceAndTheVerse)
{
    detail(2, QStringLiteral("001002.mp3"), QStringLiteral("1"));
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"), 11);
    m_store.verse(1, 2, 5);
    m_store.execute({QStringLiteral("CREATE TABLE GN_Surah_TAB (SurahNo INTEGER, Transliteration TEXT)"),
        QStringLiteral("INSERT INTO GN_Surah_TAB VALUES (2, 'Al-Baqarah')")});
    load();
    play(0); // a voice chosen before any double-click: nothing to tell
    play(1);
    load(12); // a voice without any detail row
    play(2); // a reference that names no verse: not told of
    play(-1);
    const QString advice = QStringLiteral("\r\n\r\nChoose another voice in the control pane, or set the folder of this "
                                          "voice's recordings with Controls > Set Data Path.");
    EXPECT_EQ(host.lines,
        QStringList({QStringLiteral("message\tinformation\tNo recording of this verse\tThe voice \"Voice\" "
                                    "has no recording of Al-Baqarah 2:5.")
            + advice}));

    // Without the content's chapter table, the chapter is named by its number.
    m_store.execute({QStringLiteral("DROP TABLE GN_Surah_TAB")});
    host.lines.clear();
    play(1);
    ASSERT_EQ(host.lines.size(), 1);
    EXPECT_TRUE(host.lines[0].contains(QStringLiteral("has no recording of Chapter 2 2:5.")))
        << host.lines[0].toStdString();
}

TEST_F(PlayVoiceTest, DetailsStayWhereTheyWere)
{
    for (int verse = 1; verse <= 3; ++verse)
        detail(verse, QStringLiteral("00100%1.mp3").arg(verse), QStringLiteral("0"));
    mediaFile(QStringLiteral("001003.mp3"));
    load();
    state.gDetails.moveFirst();
    state.gDetails.moveNext();

    play(3);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("001003.mp3")), QStringLiteral("0")));
    EXPECT_EQ(state.gDetails.text(QStringLiteral("AyahRef")), QStringLiteral("2"));
}

TEST_F(PlayVoiceTest, PlayerFailureIsReportedNotThrown)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    mediaFile(QStringLiteral("001001.mp3"));
    load();
    host.playerFails = true;
    play(1);
    EXPECT_EQ(host.lines,
        QStringList({QStringLiteral("message\tcritical\tThe player cannot open the file.\t") + kCannotAccess}));
}

TEST_F(PlayVoiceTest, NewerRequestDuringASearchWins)
{
    detail(1, QStringLiteral("001001.mp3"), QStringLiteral("1"));
    detail(2, QStringLiteral("001002.mp3"), QStringLiteral("2"));
    detail(3, QStringLiteral("001003.mp3"), QStringLiteral("3"));
    mediaFile(QStringLiteral("A/B/001001.mp3"));
    mediaFile(QStringLiteral("001002.mp3"));
    m_store.verse(4, 1, 4);
    load();

    // A double-click on verse 2 while verse 1 is searched: verse 2 plays,
    // and the older request ends quietly instead of playing verse 1 after it.
    playVoice(state, host, finder, 1);
    doubleClick(QStringLiteral("2"));
    EXPECT_EQ(host.lines, played(media(QStringLiteral("001002.mp3")), QStringLiteral("2")));
    EXPECT_EQ(state.gLastAyahRef, 2);

    // A newer request that finds nothing also decides: nothing plays, and
    // only its own answer is shown.
    host.lines.clear();
    playVoice(state, host, finder, 1);
    play(4);
    ASSERT_EQ(host.lines.size(), 1) << host.lines.join(u'\n').toStdString();
    EXPECT_TRUE(host.lines[0].contains(QStringLiteral("has no recording of Chapter 1 1:4.")))
        << host.lines[0].toStdString();

    // A newer request that itself searches.
    host.lines.clear();
    playVoice(state, host, finder, 3);
    play(1);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("A/B//001001.mp3")), QStringLiteral("1")));

    // Requests after those run as usual.
    host.lines.clear();
    play(1);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("A/B//001001.mp3")), QStringLiteral("1")));
}

TEST_F(PlayVoiceTest, DoubleClickPlaysOnlyAWholeNumberId)
{
    detail(70000, QStringLiteral("001001.mp3"), QStringLiteral("5"));
    mediaFile(QStringLiteral("001001.mp3"));
    load();
    state.gLastAyahRef = 7;

    for (const QString& id : {QString(), QStringLiteral("abc"), QStringLiteral("12.5"), QStringLiteral("0x10"),
             QStringLiteral("4294967296"), QStringLiteral("2147483648")})
        doubleClick(id);
    EXPECT_EQ(state.gLastAyahRef, 7);
    EXPECT_TRUE(host.lines.isEmpty()) << host.lines.join(u'\n').toStdString();

    doubleClick(QStringLiteral(" 70000 ")); // beyond 16 bits
    EXPECT_EQ(state.gLastAyahRef, 70000);
    EXPECT_EQ(host.lines, played(media(QStringLiteral("001001.mp3")), QStringLiteral("5")));
}

} // namespace

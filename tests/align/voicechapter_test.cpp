// A voice's chapter: finding its recording and storing the verses' starts.

#include "align/alignfailure.h"
#include "align/voicechapter.h"
#include "store/queryhelpers.h"
#include "support/fixturedb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tilvora;
using tilvora::testing::FixtureDb;

namespace {

constexpr int kVoice = 40;
constexpr int kOtherVoice = 41;

// Chapter 1 has verses 1 and 2, chapter 2 verses 3 to 5; the scripture
// edition has text for all but verse 5.
class VoiceChapterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_store.program(1, FixtureDb::Matan, true, 0);
        m_store.verse(1, 1, 1);
        m_store.verse(2, 1, 2);
        m_store.verse(3, 2, 1);
        m_store.verse(4, 2, 2);
        m_store.verse(5, 2, 3);
        m_store.detail(1, 1, 3, QStringLiteral("الم"));
        m_store.detail(2, 1, 4, QStringLiteral("ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ"));
        voice(kVoice, QStringLiteral("M"), true);
        voice(kOtherVoice, QString(), false);
    }

    void voice(int id, const QString& folder, bool selected) const
    {
        m_store.program({.id = id,
            .type = FixtureDb::Voice,
            .master = QStringLiteral("Voice"),
            .selected = selected,
            .data = folder,
            .description = QStringLiteral("Reciter")});
    }

    QString media(const QString& relative) const { return m_store.folder() + QStringLiteral("/M/") + relative; }

    void mediaFile(const QString& relative) const
    {
        QDir().mkpath(QFileInfo(media(relative)).path());
        QFile file(media(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    void load()
    {
        m_store.open(m_state);
        store::openProgramDetails(m_state, QString::number(kVoice));
    }

    QString failureOf(const QString& voiceId, const QString& chapter)
    {
        try {
            align::VoiceChapter(m_state, voiceId, chapter);
        } catch (const align::AlignFailure& failure) {
            return failure.message;
        }
        return {};
    }

    // "Data|DataPos" of the voice's rows, by AyahRef.
    QStringList rowsOf(int voiceId)
    {
        store::RecordSet rows = m_state.gConnection->openRecordSet(QStringLiteral(
            "SELECT AyahRef, Data, DataPos FROM AP_Detail_TAB WHERE MasterID = %1 ORDER BY AyahRef, DetailID")
                                                                       .arg(voiceId));
        QStringList out;
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            out << rows.text(0) + QLatin1Char(':') + rows.text(1) + QLatin1Char('|') + rows.text(2);
        return out;
    }

    FixtureDb m_store;
    store::SharedState m_state;
};

} // namespace

TEST_F(VoiceChapterTest, StoringWritesOneRowPerVerseOfTheChapterOverTheVoicesOwnOnlyWhenAskedAndRereadsTheSelectedVoice)
{
    m_store.detail({.masterId = kVoice, .ayahRef = 1, .data = QStringLiteral("001001.mp3"), .position = 0});
    m_store.detail({.masterId = kVoice, .ayahRef = 4, .data = QStringLiteral("002002.mp3"), .position = 0});
    m_store.detail({.masterId = kOtherVoice, .ayahRef = 3, .data = QStringLiteral("002001.mp3"), .position = 0});
    mediaFile(QStringLiteral("002.MP3"));
    load();

    const align::VoiceChapter chapter(m_state, QStringLiteral(" 40"), QStringLiteral("2"));
    EXPECT_EQ(chapter.verseRefs(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(chapter.fileName(), QStringLiteral("002.MP3"));
    const std::vector<align::VerseStart> starts{{0.0, 1.0}, {3.456, 0.9}, {12.5, 0.2}};

    // The voice's own recording of 2:2 is not replaced unasked: nothing is stored.
    EXPECT_EQ(chapter.rowsOfAnotherKind(m_state), 1);
    const QStringList before = rowsOf(kVoice);
    try {
        chapter.store(m_state, starts);
        ADD_FAILURE() << "stored over the voice's own recording";
    } catch (const align::AlignFailure& failure) {
        EXPECT_EQ(failure.message,
            QStringLiteral("The voice 40 has recordings of its own for chapter 2 (files other than 002.MP3, for 1 of "
                           "its verses); the starts found were not stored over them."));
    }
    EXPECT_EQ(rowsOf(kVoice), before);

    chapter.store(m_state, starts, true);
    EXPECT_EQ(chapter.rowsOfAnotherKind(m_state), 0);

    EXPECT_EQ(rowsOf(kVoice),
        (QStringList{QStringLiteral("1:001001.mp3|0"), QStringLiteral("3:002.MP3|0.00"),
            QStringLiteral("4:002.MP3|3.46"), QStringLiteral("5:002.MP3|12.50")}));
    EXPECT_EQ(rowsOf(kOtherVoice), QStringList{QStringLiteral("3:002001.mp3|0")});
    // The selected voice's details in memory are the stored ones.
    m_state.gDetails.find(QStringLiteral("AyahRef='5'"));
    EXPECT_EQ(m_state.gDetails.text(QStringLiteral("DataPos")), QStringLiteral("12.50"));
}

TEST_F(VoiceChapterTest, TheRecordingIsFoundByNumberAsMp3OrWmaBelowTheFolderResolvedFromTheApplicationFolder)
{
    mediaFile(QStringLiteral("sub/deeper/001.wma"));
    load();
    const align::VoiceChapter chapter(m_state, QStringLiteral("40"), QStringLiteral("1"));
    EXPECT_EQ(chapter.recordingPath(), media(QStringLiteral("sub/deeper/001.wma")));
    EXPECT_EQ(chapter.fileName(), QStringLiteral("001.wma"));
}

TEST_F(VoiceChapterTest, WhatCannotBeAlignedIsSaidInPlainWords)
{
    load();
    EXPECT_EQ(failureOf(QStringLiteral("forty"), QStringLiteral("1")),
        QStringLiteral("A voice is a whole number, not \"forty\"."));
    EXPECT_EQ(failureOf(QStringLiteral("40"), QStringLiteral("1;")),
        QStringLiteral("A chapter is a whole number, not \"1;\"."));
    EXPECT_EQ(failureOf(QStringLiteral("40"), QStringLiteral("9")), QStringLiteral("There is no chapter 9."));
    EXPECT_EQ(failureOf(QStringLiteral("1"), QStringLiteral("1")), QStringLiteral("There is no voice 1."));
    EXPECT_EQ(
        failureOf(QStringLiteral("41"), QStringLiteral("1")), QStringLiteral("The voice 41 has no media folder."));
    EXPECT_EQ(failureOf(QStringLiteral("40"), QStringLiteral("2")),
        QStringLiteral("The folder %1 holds no recording of chapter 2 (002.mp3 or 002.wma).")
            .arg(m_store.folder() + QStringLiteral("/M")));
}

// The verse player's opening, moving and end of a verse, over a player that
// plays on a clock of the test's own.

#include "playback/verseplayer.h"
#include "support/fakeaudioplayer.h"
#include "support/simulatedclock.h"

#include <gtest/gtest.h>

using tilvora::playback::AudioPlayer;
using tilvora::playback::VersePlayer;
using tilvora::testing::FakeAudioPlayer;
using tilvora::testing::SimulatedClock;

namespace {

class VersePlayerTest : public ::testing::Test {
protected:
    VersePlayerTest()
    {
        m_audio.addFile(QStringLiteral("/r/001.mp3"), 20000);
        m_audio.addFile(QStringLiteral("/r/002.mp3"), 30000);
        QObject::connect(&m_audio, &AudioPlayer::positionChanged, &m_audio, [this](qint64 position) {
            if (m_audio.playbackState() == AudioPlayer::State::Playing)
                m_played.push_back(position);
        });
        QObject::connect(&m_player, &VersePlayer::verseEnded, &m_player, [this] { ++m_ended; });
    }

    // Plays `path` from `seconds` as the program asks, and checks that the
    // first position heard is there and that the media plays on.
    void expectPlaysFrom(const QString& path, double seconds)
    {
        m_played.clear();
        m_player.setUrl(path);
        m_player.setCurrentPosition(seconds);
        m_player.play();
        const auto start = static_cast<qint64>(seconds * 1000);
        ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.position() > start + 500; }, 5000))
            << "stayed at " << m_audio.position();
        ASSERT_FALSE(m_played.empty());
        EXPECT_GE(m_played.front(), start);
        EXPECT_EQ(m_audio.source(), QUrl::fromLocalFile(path));
    }

    SimulatedClock m_clock;
    FakeAudioPlayer m_audio{m_clock};
    VersePlayer m_player{&m_audio, nullptr, m_clock.alarms()};
    std::vector<qint64> m_played;
    int m_ended = 0;
};

// A position and play given while the file opens are carried out once it
// has opened; the same file again is only moved (back), never reopened; a
// file that played to its end plays again from where it is sent.
TEST_F(VersePlayerTest, PlaysFromThePositionAskedForWhetherTheFileOpensIsOpenOrHasEnded)
{
    m_audio.setOpeningTime(400);
    expectPlaysFrom(QStringLiteral("/r/001.mp3"), 3.0);
    expectPlaysFrom(QStringLiteral("/r/001.mp3"), 0.5);
    EXPECT_EQ(m_audio.openings(), 1);

    m_player.setCurrentPosition(19.5);
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.mediaStatus() == AudioPlayer::Status::EndOfMedia; }));
    EXPECT_EQ(m_ended, 1);
    expectPlaysFrom(QStringLiteral("/r/001.mp3"), 1.5);
    EXPECT_EQ(m_audio.openings(), 1);
}

// A file given while another still opens replaces it: its own position
// plays, the first file never does.
TEST_F(VersePlayerTest, AFileGivenWhileAnotherOpensPlaysItsOwnPosition)
{
    m_audio.setOpeningTime(300);
    m_player.setUrl(QStringLiteral("/r/001.mp3"));
    m_player.setCurrentPosition(1.0);
    m_player.play();
    m_clock.advance(100);
    expectPlaysFrom(QStringLiteral("/r/002.mp3"), 7.0);
    EXPECT_EQ(m_audio.openings(), 2);
}

// A missing file plays nothing; once it is there, the same request plays it.
TEST_F(VersePlayerTest, AMissingFilePlaysNothingAndPlaysOnceItIsThere)
{
    m_player.setUrl(QStringLiteral("/r/late.mp3"));
    m_player.setCurrentPosition(1.0);
    m_player.play();
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.mediaStatus() == AudioPlayer::Status::Invalid; }));
    m_clock.advance(1000);
    EXPECT_NE(m_audio.playbackState(), AudioPlayer::State::Playing);
    EXPECT_TRUE(m_played.empty());

    m_audio.addFile(QStringLiteral("/r/late.mp3"), 5000);
    expectPlaysFrom(QStringLiteral("/r/late.mp3"), 1.0);
}

// A file that cannot be moved still plays, from its start, a little later.
TEST_F(VersePlayerTest, AFileThatCannotBeMovedPlaysFromItsStart)
{
    m_audio.setSeekable(false);
    m_player.setUrl(QStringLiteral("/r/001.mp3"));
    m_player.setCurrentPosition(4.0);
    m_player.play();
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.playbackState() == AudioPlayer::State::Playing; }, 5000));
    EXPECT_GE(m_clock.now(), 3000);
    EXPECT_LT(m_audio.position(), 500);
}

// The verse ends at its end position, at every speed and in every repeat,
// even when the player tells the position from before a move for a while.
TEST_F(VersePlayerTest, AVerseEndsAtItsEndPositionAtEverySpeedAndRepeat)
{
    m_audio.setStaleAfterMove(150);
    for (const double rate : {1.0, 0.75, 1.5, 2.0}) {
        SCOPED_TRACE(rate);
        m_player.setRate(rate);
        for (int repeat = 0; repeat < 2; ++repeat) {
            const int ended = m_ended;
            const qint64 began = m_clock.now();
            m_player.setUrl(QStringLiteral("/r/002.mp3"));
            m_player.setCurrentPosition(4.0);
            m_player.setEndPosition(6.5);
            m_player.play();
            ASSERT_TRUE(m_clock.advanceUntil([&] { return m_ended > ended; }, 10000));
            EXPECT_NEAR(static_cast<double>(m_audio.position()), 6500.0, 3.0 * rate);
            EXPECT_NE(m_audio.playbackState(), AudioPlayer::State::Playing);
            if (repeat > 0) { // the second time the file is open: the verse alone
                EXPECT_NEAR(static_cast<double>(m_clock.now() - began), 2500.0 / rate, 5.0);
            }
        }
    }
}

// Stopping forgets the end and a play still waiting for the file.
TEST_F(VersePlayerTest, StopForgetsTheEndAndAWaitingPlay)
{
    m_player.setUrl(QStringLiteral("/r/001.mp3"));
    m_player.setCurrentPosition(2.0);
    m_player.setEndPosition(3.0);
    m_player.play();
    m_player.stop();
    m_clock.advance(2000);
    EXPECT_NE(m_audio.playbackState(), AudioPlayer::State::Playing);
    m_player.play();
    m_clock.advance(4000);
    EXPECT_EQ(m_ended, 0);
    EXPECT_GT(m_audio.position(), 3500);
}

} // namespace

// The player strip shows what its verse player's audio player reports and
// forwards the reader's buttons; a player of the test's own plays on a
// simulated clock.

#include "playback/verseplayer.h"
#include "support/fakeaudioplayer.h"
#include "support/simulatedclock.h"
#include "ui/recitation/playerstrip.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

#include <gtest/gtest.h>

using tilvora::playback::AudioPlayer;
using tilvora::playback::VersePlayer;
using tilvora::testing::FakeAudioPlayer;
using tilvora::testing::SimulatedClock;
using tilvora::ui::PlayerStrip;

namespace {

class PlayerStripTest : public ::testing::Test {
protected:
    PlayerStripTest() { m_audio.addFile(QStringLiteral("/r/001.mp3"), 65000); }

    template <typename T> T* control(const char* name) { return m_strip.findChild<T*>(QLatin1String(name)); }

    SimulatedClock m_clock;
    FakeAudioPlayer m_audio{m_clock};
    VersePlayer m_player{&m_audio, nullptr, m_clock.alarms()};
    PlayerStrip m_strip{&m_player};
};

// The clock shows where the media is and how long it is; the play button
// pauses and resumes it, and stop stops it and says so.
TEST_F(PlayerStripTest, ShowsTheTimesAndItsButtonsDriveThePlayer)
{
    m_player.setUrl(QStringLiteral("/r/001.mp3"));
    m_player.setCurrentPosition(2.0);
    m_player.play();
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.position() >= 3000; }));
    m_clock.advance(150);
    EXPECT_EQ(control<QLabel>("total")->text(), QStringLiteral("1:05"));
    EXPECT_EQ(control<QLabel>("elapsed")->text(), QStringLiteral("0:03"));

    auto* playPause = control<QToolButton>("playPause");
    EXPECT_EQ(playPause->toolTip(), QStringLiteral("Pause"));
    playPause->click();
    EXPECT_EQ(m_audio.playbackState(), AudioPlayer::State::Paused);
    playPause->click();
    EXPECT_EQ(m_audio.playbackState(), AudioPlayer::State::Playing);

    QSignalSpy stopped(&m_strip, &PlayerStrip::stopClicked);
    control<QToolButton>("stop")->click();
    EXPECT_EQ(stopped.count(), 1);
    EXPECT_EQ(m_audio.playbackState(), AudioPlayer::State::Stopped);
    m_strip.showRate(1.5);
    EXPECT_EQ(control<QComboBox>("speed")->currentText(), QStringLiteral("1.5\u00d7"));
}

// A file that cannot be played says so in the clock, with the reason as its
// tooltip, until another file is given.
TEST_F(PlayerStripTest, AFileThatFailsShowsAnErrorUntilTheNextFile)
{
    m_player.setUrl(QStringLiteral("/r/missing.mp3"));
    m_player.play();
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.mediaStatus() == AudioPlayer::Status::Invalid; }));
    auto* total = control<QLabel>("total");
    EXPECT_EQ(total->text(), QStringLiteral("error"));
    EXPECT_TRUE(total->toolTip().contains(QStringLiteral("missing.mp3")));

    m_player.setUrl(QStringLiteral("/r/001.mp3"));
    m_player.play();
    ASSERT_TRUE(m_clock.advanceUntil([&] { return m_audio.position() > 0; }));
    EXPECT_TRUE(total->toolTip().isEmpty());
    EXPECT_EQ(total->text(), QStringLiteral("1:05"));
}

} // namespace

#include "ui/recitation/versefollower.h"

#include "playback/verseplayer.h"

namespace tilvora::ui {

using playback::AudioPlayer;

VerseFollower::VerseFollower(playback::VersePlayer* player, QObject* parent) : QObject(parent), m_player(player)
{
    AudioPlayer* audio = m_player->player();
    connect(audio, &AudioPlayer::positionChanged, this, &VerseFollower::onPositionChanged);
    connect(audio, &AudioPlayer::mediaStatusChanged, this, [this](AudioPlayer::Status status) {
        if (m_following && status == AudioPlayer::Status::EndOfMedia && m_verses.isFile(m_player->url())) {
            stop();
            emit finished();
        }
    });
}

void VerseFollower::follow(const playback::RecordingVerses& verses)
{
    m_verses = verses;
    m_following = verses.holdsSeveral();
    m_heard = 0;
}

void VerseFollower::stop()
{
    m_following = false;
    m_heard = 0;
}

void VerseFollower::onPositionChanged(qint64 milliseconds)
{
    // Only what is heard counts: not a file still playing before the
    // followed one has opened, nor the place a move is on its way to.
    if (!m_following || m_player->player()->playbackState() != AudioPlayer::State::Playing
        || !m_verses.isFile(m_player->url()))
        return;
    const qint32 verse = m_verses.verseAt(static_cast<double>(milliseconds) / 1000.0);
    if (verse == 0 || verse == m_heard)
        return;
    m_heard = verse;
    emit verseHeard(verse);
}

} // namespace tilvora::ui

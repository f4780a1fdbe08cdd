#include "playback/verseplayer.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

namespace tilvora::playback {

namespace {

// How long a just opened file may take to become seekable.
constexpr int kSettleTimeout = 3000;
// How far (ms) playback may start before the position asked for.
constexpr qint64 kPositionSlack = 500;

qint64 toMilliseconds(double seconds)
{
    return std::isfinite(seconds) ? std::llround(std::max(0.0, seconds) * 1000.0) : 0;
}

} // namespace

VersePlayer::VersePlayer(AudioPlayer* player, QObject* parent, AlarmFactory alarms) : QObject(parent), m_player(player)
{
    if (!alarms)
        alarms = timerAlarms();
    m_endAlarm = alarms(this, [this] { watchEnd(); });
    m_settleAlarm = alarms(this, [this] { finishOpening(); });
    connect(m_player, &AudioPlayer::mediaStatusChanged, this, &VersePlayer::onMediaStatusChanged);
    connect(m_player, &AudioPlayer::playbackStateChanged, this, [this] { watchEnd(); });
    connect(m_player, &AudioPlayer::durationChanged, this, &VersePlayer::onDurationChanged);
    connect(m_player, &AudioPlayer::positionChanged, this, &VersePlayer::onPositionChanged);
    connect(m_player, &AudioPlayer::seekableChanged, this, &VersePlayer::onSeekableChanged);
}

VersePlayer::~VersePlayer() = default;

void VersePlayer::setUrl(const QString& path)
{
    m_path = path;
    m_endPosition.reset();
    m_seekTarget.reset();
    m_endAlarm->stop();
    m_settleAlarm->stop();
    m_pendingPosition.reset();
    m_confirmPosition.reset();
    m_pendingPlay = false;
    const QUrl url = QUrl::fromLocalFile(path);
    const AudioPlayer::Status status = m_player->mediaStatus();
    const bool alreadyOpen = url == m_player->source() && status != AudioPlayer::Status::NoMedia
        && status != AudioPlayer::Status::Loading && status != AudioPlayer::Status::Invalid;
    if (alreadyOpen) {
        // The same file again (another verse of the same chapter): it stays
        // open and is only moved.
        m_opening = false;
        m_player->pause();
        return;
    }
    m_player->stop();
    if (path.isEmpty()) {
        // Nothing to open, so nothing to wait for.
        m_opening = false;
        m_player->setSource(QUrl());
        return;
    }
    m_opening = true;
    m_pausedToSettle = false;
    if (url == m_player->source())
        m_player->setSource(QUrl()); // a file that failed before is opened anew
    m_player->setSource(url);
}

void VersePlayer::setCurrentPosition(double seconds)
{
    const qint64 milliseconds = toMilliseconds(seconds);
    if (m_opening) {
        m_pendingPosition = milliseconds;
        return;
    }
    seek(milliseconds);
}

void VersePlayer::seek(qint64 milliseconds)
{
    m_confirmPosition.reset();
    // A stopped player starts again from the beginning whatever position it
    // was given, so it is paused first: a paused player keeps its position.
    if (m_player->playbackState() == AudioPlayer::State::Stopped)
        m_player->pause();
    m_player->setPosition(milliseconds);
    m_seekTarget = milliseconds;
}

void VersePlayer::play()
{
    if (m_opening) {
        m_pendingPlay = true;
        return;
    }
    m_player->play();
}

void VersePlayer::pause()
{
    m_pendingPlay = false;
    m_player->pause();
}

void VersePlayer::stop()
{
    m_endPosition.reset();
    m_endAlarm->stop();
    m_pendingPlay = false;
    m_pendingPosition.reset();
    m_confirmPosition.reset();
    m_player->stop();
}

void VersePlayer::setEndPosition(double seconds)
{
    m_endPosition = toMilliseconds(seconds);
    watchEnd();
}

void VersePlayer::setRate(double rate)
{
    m_player->setPlaybackRate(rate);
    watchEnd();
}

double VersePlayer::rate() const
{
    return m_player->playbackRate();
}

void VersePlayer::watchEnd()
{
    m_endAlarm->stop();
    if (!m_endPosition || m_opening || m_player->playbackState() != AudioPlayer::State::Playing)
        return;
    // How long the rest of the verse plays at the current speed. The alarm
    // is set a little early and looks again, so that it ends close to the
    // mark even when the media's clock and the wall clock drift apart.
    const double rate = std::max(0.1, m_player->playbackRate());
    // Just after a seek the media may still tell the position from before
    // it (the end of the same verse, when a verse is repeated): until it
    // tells one near where it was sent, the verse is taken to start there.
    qint64 now = m_player->position();
    if (m_seekTarget) {
        if (now >= *m_seekTarget - 100 && now <= *m_seekTarget + 1500)
            m_seekTarget.reset();
        else
            now = *m_seekTarget;
    }
    const double left = static_cast<double>(*m_endPosition - now) / rate;
    if (left <= 2.0) {
        m_endPosition.reset();
        m_player->pause();
        emit verseEnded();
        return;
    }
    // While the position is unconfirmed, look again soon.
    const double wait = left > 60.0 ? left - 40.0 : std::max(1.0, left - 2.0);
    m_endAlarm->start(static_cast<int>(m_seekTarget ? std::min(wait, 50.0) : wait));
}

void VersePlayer::onMediaStatusChanged(AudioPlayer::Status status)
{
    if (status == AudioPlayer::Status::EndOfMedia && !m_opening) {
        m_endPosition.reset();
        m_endAlarm->stop();
        emit verseEnded();
        return;
    }
    if (!m_opening)
        return;
    if (status == AudioPlayer::Status::Loaded) {
        if (canMove()) {
            finishOpening();
        } else if (!m_pausedToSettle) {
            // Just opened, the media takes no seek until it has been paused
            // and reports itself seekable.
            m_pausedToSettle = true;
            m_player->pause();
            // Media that never becomes seekable still plays, from its start.
            m_settleAlarm->start(kSettleTimeout);
        }
    } else if (status == AudioPlayer::Status::Invalid) {
        // Not necessarily final: a player may call the next file invalid
        // once before it opens it after all. So the position and play keep
        // waiting for the media to open; the next setUrl replaces them.
        m_pausedToSettle = false;
    }
}

void VersePlayer::onSeekableChanged(bool seekable)
{
    if (seekable && m_opening && m_pausedToSettle && canMove())
        finishOpening();
}

void VersePlayer::onDurationChanged()
{
    if (m_opening && m_pausedToSettle && canMove())
        finishOpening();
}

bool VersePlayer::canMove() const
{
    // The player moves to a position with no end to the stretch it plays,
    // so the length need not be known: an MP3 without a table of contents
    // tells it only once it plays.
    return m_player->isSeekable();
}

void VersePlayer::finishOpening()
{
    m_settleAlarm->stop();
    if (!m_opening)
        return;
    m_opening = false;
    m_pausedToSettle = false;
    if (m_pendingPosition) {
        seek(*m_pendingPosition);
        if (*m_pendingPosition > kPositionSlack)
            m_confirmPosition = m_pendingPosition;
    }
    m_pendingPosition.reset();
    if (m_pendingPlay)
        m_player->play();
    m_pendingPlay = false;
}

void VersePlayer::onPositionChanged(qint64 milliseconds)
{
    if (m_confirmPosition && m_player->playbackState() == AudioPlayer::State::Playing) {
        // The first position of the playback that the opening started: when
        // the seek was lost on the way, it is asked for once more.
        const qint64 wanted = *m_confirmPosition;
        m_confirmPosition.reset();
        if (milliseconds < wanted - kPositionSlack)
            m_player->setPosition(wanted);
    }
    if (m_endPosition && !m_endAlarm->isActive())
        watchEnd();
}

} // namespace tilvora::playback

#include "support/fakeaudioplayer.h"

#include <algorithm>
#include <cmath>

namespace tilvora::testing {

namespace {
constexpr qint64 kReportEvery = 100;
}

FakeAudioPlayer::FakeAudioPlayer(SimulatedClock& clock) : m_clock(clock)
{
    m_clock.onTick([this] { tick(); });
}

void FakeAudioPlayer::addFile(const QString& path, qint64 milliseconds)
{
    m_files.insert(QUrl::fromLocalFile(path), milliseconds);
}

void FakeAudioPlayer::setSource(const QUrl& url)
{
    m_source = url;
    m_error.clear();
    m_position = 0;
    m_staleUntil = -1;
    if (m_duration != 0) {
        m_duration = 0;
        emit durationChanged(0);
    }
    if (m_seekable) {
        m_seekable = false;
        emit seekableChanged(false);
    }
    setState(State::Stopped);
    if (url.isEmpty()) {
        m_openAt = -1;
        setStatus(Status::NoMedia);
        return;
    }
    ++m_openings;
    m_openAt = m_clock.now() + m_openingTime;
    setStatus(Status::Loading);
}

void FakeAudioPlayer::open()
{
    m_openAt = -1;
    const auto file = m_files.constFind(m_source);
    if (file == m_files.cend()) {
        m_error = QStringLiteral("The recording %1 could not be opened.").arg(m_source.fileName());
        setState(State::Stopped);
        setStatus(Status::Invalid);
        emit errorOccurred(m_error);
        return;
    }
    m_duration = *file;
    emit durationChanged(m_duration);
    if (m_canSeek) {
        m_seekable = true;
        emit seekableChanged(true);
    }
    setStatus(Status::Loaded);
}

void FakeAudioPlayer::play()
{
    if (m_status == Status::NoMedia || m_status == Status::Invalid)
        return;
    if (m_status == Status::EndOfMedia)
        moveTo(0);
    setState(State::Playing);
}

void FakeAudioPlayer::pause()
{
    if (m_status == Status::NoMedia || m_status == Status::Invalid)
        return;
    setState(State::Paused);
    emit positionChanged(position());
}

void FakeAudioPlayer::stop()
{
    setState(State::Stopped);
    if (isOpen())
        moveTo(0);
}

void FakeAudioPlayer::setPosition(qint64 milliseconds)
{
    // A move given while the file opens is lost, as the interface allows.
    if (isOpen() && m_seekable)
        moveTo(std::max<qint64>(0, milliseconds));
}

void FakeAudioPlayer::moveTo(qint64 milliseconds)
{
    m_stalePosition = position();
    m_staleUntil = m_clock.now() + m_staleAfterMove;
    m_position = static_cast<double>(std::min(milliseconds, m_duration));
    if (m_status == Status::EndOfMedia)
        setStatus(Status::Loaded);
    emit positionChanged(milliseconds);
}

qint64 FakeAudioPlayer::position() const
{
    if (m_clock.now() < m_staleUntil)
        return m_stalePosition;
    return std::llround(m_position);
}

void FakeAudioPlayer::tick()
{
    if (m_openAt >= 0 && m_clock.now() >= m_openAt)
        open();
    if (m_state != State::Playing || m_status != Status::Loaded)
        return;
    m_position += m_rate;
    if (m_position >= static_cast<double>(m_duration)) {
        m_position = static_cast<double>(m_duration);
        emit positionChanged(m_duration);
        setState(State::Stopped);
        setStatus(Status::EndOfMedia);
        return;
    }
    if (m_clock.now() >= m_nextReport) {
        m_nextReport = m_clock.now() + kReportEvery;
        emit positionChanged(position());
    }
}

void FakeAudioPlayer::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit playbackStateChanged(state);
}

void FakeAudioPlayer::setStatus(Status status)
{
    if (status == m_status)
        return;
    m_status = status;
    emit mediaStatusChanged(status);
}

} // namespace tilvora::testing

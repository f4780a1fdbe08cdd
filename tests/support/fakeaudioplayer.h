#pragma once

// An AudioPlayer that plays no sound: it opens, moves, plays and ends the
// files it is told of on a SimulatedClock, and reports as the GStreamer
// player does (status, state, duration, a position ten times a second).

#include "playback/audioplayer.h"
#include "support/simulatedclock.h"

#include <QHash>

namespace tilvora::testing {

class FakeAudioPlayer : public playback::AudioPlayer {
public:
    explicit FakeAudioPlayer(SimulatedClock& clock);

    // A file the player can open, `milliseconds` long; any other fails to
    // open.
    void addFile(const QString& path, qint64 milliseconds);
    // How long a file takes to open.
    void setOpeningTime(qint64 milliseconds) { m_openingTime = milliseconds; }
    // Whether a file can be moved once open; one that cannot plays from
    // its start.
    void setSeekable(bool seekable) { m_canSeek = seekable; }
    // For how long after a move the player still tells the position from
    // before it.
    void setStaleAfterMove(qint64 milliseconds) { m_staleAfterMove = milliseconds; }
    // How many files were opened.
    int openings() const { return m_openings; }

    void setSource(const QUrl& url) override;
    QUrl source() const override { return m_source; }
    void play() override;
    void pause() override;
    void stop() override;
    void setPosition(qint64 milliseconds) override;
    qint64 position() const override;
    qint64 duration() const override { return m_duration; }
    bool isSeekable() const override { return m_seekable; }
    void setPlaybackRate(double rate) override { m_rate = rate; }
    double playbackRate() const override { return m_rate; }
    void setVolume(float volume) override { m_volume = volume; }
    float volume() const override { return m_volume; }
    void setMuted(bool muted) override { m_muted = muted; }
    bool isMuted() const override { return m_muted; }
    State playbackState() const override { return m_state; }
    Status mediaStatus() const override { return m_status; }
    QString errorString() const override { return m_error; }

private:
    void tick();
    void open();
    void moveTo(qint64 milliseconds);
    void setState(State state);
    void setStatus(Status status);
    bool isOpen() const { return m_status == Status::Loaded || m_status == Status::EndOfMedia; }

    SimulatedClock& m_clock;
    QHash<QUrl, qint64> m_files;
    qint64 m_openingTime = 50;
    bool m_canSeek = true;
    qint64 m_staleAfterMove = 0;
    int m_openings = 0;

    QUrl m_source;
    QString m_error;
    State m_state = State::Stopped;
    Status m_status = Status::NoMedia;
    qint64 m_duration = 0;
    bool m_seekable = false;
    double m_rate = 1.0;
    float m_volume = 1.0F;
    bool m_muted = false;
    // When the file being opened is open.
    qint64 m_openAt = -1;
    double m_position = 0;
    // What position() tells until `m_staleUntil`.
    qint64 m_stalePosition = 0;
    qint64 m_staleUntil = -1;
    qint64 m_nextReport = 0;
};

} // namespace tilvora::testing

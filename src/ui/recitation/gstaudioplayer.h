#pragma once

#include "playback/audioplayer.h"

#include <QElapsedTimer>

#include <atomic>
#include <optional>

class QTimer;
struct _GstElement;
struct _GstMessage;

namespace tilvora::ui {

// An AudioPlayer over a GStreamer playbin whose sound passes through
// scaletempo, so that a recitation played faster or slower keeps the
// reciter's voice: the speed changes, the pitch does not.
//
// The pipeline's bus reports arrive on GStreamer's own threads. A sync
// handler hands each one to the Qt event loop of the player's thread as a
// queued call and drops it from the bus; this works whatever event
// dispatcher Qt runs (GLib's or its own), where a bus watch would need
// GLib's default main context to be iterated. A report of a file opened
// earlier is recognised by its opening number and ignored.
//
// The sound output can stall while the pipeline says it plays: PulseAudio's
// stream (libpulse 16) may stop taking sound, or its clock jump far ahead
// and freeze, after the output was paused and started again around a move.
// Its clock keeps time only forward, so every later move and play of the
// same file stays silent. While playing, the player watches that the media
// moves; when it stands still for half a second, the pipeline goes back to
// READY, which closes the sound output's stream, and opens again where it
// was, at the same speed.
class GstAudioPlayer : public playback::AudioPlayer {
    Q_OBJECT

public:
    // `sinkDescription` is a GStreamer pipeline description of where the
    // sound goes (for instance a file); empty for the system's sound output.
    explicit GstAudioPlayer(QObject* parent = nullptr, const QString& sinkDescription = QString());
    ~GstAudioPlayer() override;

    // Starts GStreamer and loads the player's elements on a thread of the
    // application's pool, so that the player made later does not wait for
    // them on the window's thread. Harmless to call more than once.
    static void prepareInBackground();

    void setSource(const QUrl& url) override;
    QUrl source() const override { return m_source; }
    void play() override;
    void pause() override;
    void stop() override;
    void setPosition(qint64 milliseconds) override;
    qint64 position() const override;
    qint64 duration() const override { return m_duration; }
    bool isSeekable() const override { return m_seekable; }
    void setPlaybackRate(double rate) override;
    double playbackRate() const override { return m_rate; }
    void setVolume(float volume) override;
    float volume() const override { return m_volume; }
    void setMuted(bool muted) override;
    bool isMuted() const override { return m_muted; }
    State playbackState() const override { return m_state; }
    Status mediaStatus() const override { return m_status; }
    QString errorString() const override { return m_error; }

    // Whether the speed changes keep the pitch (the scaletempo element was
    // found); without it the pitch follows the speed.
    bool keepsPitch() const { return m_keepsPitch; }

private:
    friend struct GstAudioPlayerBus;

    // Called on the player's thread for each report of the bus.
    void handleMessage(_GstMessage* message, int opening);
    void onOpened();
    void onSeekDone();
    void onEndOfStream();
    void onError(_GstMessage* message);
    void readDuration();
    void seekTo(qint64 milliseconds);
    // Called while playing: restarts the sound output when the media has
    // not moved for a while.
    void watchProgress();
    void resetProgressWatch();
    void restartOutput(qint64 milliseconds);
    void onOutputRestarted();
    void setState(State state);
    void setStatus(Status status);
    // Whether the media has opened and takes moves.
    bool isOpen() const;
    void fail(const QString& message);

    _GstElement* m_pipeline = nullptr;
    QUrl m_source;
    QString m_error;
    // Counts the files opened; a bus report carries the count of its time.
    std::atomic<int> m_opening{0};
    State m_state = State::Stopped;
    Status m_status = Status::NoMedia;
    qint64 m_duration = 0;
    bool m_seekable = false;
    double m_rate = 1.0;
    float m_volume = 1.0F;
    bool m_muted = false;
    bool m_keepsPitch = false;
    // A move asked for while the file opens, made once it has opened.
    std::optional<qint64> m_pendingPosition;
    // Where a move under way goes, until the media has arrived there: just
    // after a move the pipeline may still tell where it was, or 0.
    mutable std::optional<qint64> m_seekingTo;
    // Whether the pipeline has finished the move, and how long ago it began.
    bool m_seekDone = false;
    QElapsedTimer m_seekClock;
    QTimer* m_positionTimer = nullptr;
    // The media's own position when it last moved, and since when it stands.
    std::optional<qint64> m_movedTo;
    QElapsedTimer m_standingClock;
    // Restarts of the sound output since the media last moved or the reader
    // last played or moved it.
    int m_restarts = 0;
    // Where the media goes on once the restarted output has opened.
    std::optional<qint64> m_resumeAt;
};

} // namespace tilvora::ui

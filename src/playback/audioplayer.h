#pragma once

#include <QObject>
#include <QUrl>

namespace tilvora::playback {

// What the verse player needs of a media player: open a file, move in it,
// play, pause and stop it, its position and duration, its speed and volume,
// and reports of what it does. The verse player and the recitations it plays
// do not care which engine plays.
//
// The calls return at once; the media opens in the background. Position and
// duration are in milliseconds.
class AudioPlayer : public QObject {
    Q_OBJECT

public:
    enum class State { Stopped, Playing, Paused };
    enum class Status {
        NoMedia, // no file given
        Loading, // the file is being opened
        Loaded, // open and ready to play or move
        EndOfMedia,
        Invalid, // the file could not be opened or played
    };

    using QObject::QObject;

    virtual void setSource(const QUrl& url) = 0;
    virtual QUrl source() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    // Pauses at the start of the media; the media stays open.
    virtual void stop() = 0;
    virtual void setPosition(qint64 milliseconds) = 0;
    // Asks the playing media where it is, not the last position report.
    virtual qint64 position() const = 0;
    // 0 until known.
    virtual qint64 duration() const = 0;
    virtual bool isSeekable() const = 0;
    // 1 for normal speed; the pitch stays as it is at every speed.
    virtual void setPlaybackRate(double rate) = 0;
    virtual double playbackRate() const = 0;
    // 0 (silent) to 1.
    virtual void setVolume(float volume) = 0;
    virtual float volume() const = 0;
    virtual void setMuted(bool muted) = 0;
    virtual bool isMuted() const = 0;
    virtual State playbackState() const = 0;
    virtual Status mediaStatus() const = 0;
    // The last errorOccurred message, empty once another file is given.
    virtual QString errorString() const = 0;

signals:
    void playbackStateChanged(tilvora::playback::AudioPlayer::State state);
    void mediaStatusChanged(tilvora::playback::AudioPlayer::Status status);
    void durationChanged(qint64 milliseconds);
    // About ten times a second while playing, and after a move.
    void positionChanged(qint64 milliseconds);
    void seekableChanged(bool seekable);
    // The file could not be played; `message` says why in plain words.
    void errorOccurred(const QString& message);
};

} // namespace tilvora::playback

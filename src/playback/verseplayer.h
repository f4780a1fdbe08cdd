#pragma once

#include "playback/audioplayer.h"
#include "playback/playbackalarm.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace tilvora::playback {

// Plays a stretch of a recording through an AudioPlayer that it is given:
// the program opens a file (setUrl), moves to a second in it
// (setCurrentPosition), may say where the verse ends (setEndPosition) and
// plays (play). The media opens in the background, and a move given before
// it has opened would be lost, so a position and a play asked for while the
// file is still opening are kept and carried out, in that order, as soon as
// it has opened. Opening the file that is already open moves it to the
// position asked for, without reopening it. At the end position the player
// pauses and verseEnded is reported; so it is at the end of the media.
//
// No widgets: the player strip shows what the AudioPlayer reports and
// forwards the reader's buttons here.
class VersePlayer : public QObject {
    Q_OBJECT

public:
    // `player` stays the caller's; `alarms` makes the alarms that watch the
    // end of a verse and a file that is slow to open (QTimers when empty).
    explicit VersePlayer(AudioPlayer* player, QObject* parent = nullptr, AlarmFactory alarms = {});
    ~VersePlayer() override;

    AudioPlayer* player() const { return m_player; }

    // Opens the media file at `path` (a plain path) and stops what was
    // playing.
    void setUrl(const QString& path);
    // The file last given to setUrl, as given.
    QString url() const { return m_path; }
    // Moves to `seconds` (fractions allowed) in the media.
    void setCurrentPosition(double seconds);
    // Moves the open media to `milliseconds` (the reader's slider).
    void seek(qint64 milliseconds);
    // Plays from the current position to the end of the media.
    void play();
    void pause();
    void stop();
    // Where the media given last should stop: the player pauses there and
    // reports verseEnded. setUrl forgets it.
    void setEndPosition(double seconds);
    // The playback speed, 1 for normal.
    void setRate(double rate);
    double rate() const;

signals:
    // The media reached the end position given, or its own end.
    void verseEnded();

private:
    // Whether the opened media takes a seek now.
    bool canMove() const;
    void onMediaStatusChanged(AudioPlayer::Status status);
    void onSeekableChanged(bool seekable);
    void onDurationChanged();
    void onPositionChanged(qint64 milliseconds);
    void finishOpening();
    // Arms the alarm that stops the media at the end position, from where
    // the media is now and how fast it plays; at the end, pauses and
    // reports it.
    void watchEnd();

    AudioPlayer* m_player = nullptr;
    QString m_path;
    // True from setUrl of a new file until the media has opened and can be
    // moved, or has failed; meanwhile a position and a play wait.
    bool m_opening = false;
    // The opened media was paused so that it becomes seekable.
    bool m_pausedToSettle = false;
    std::optional<qint64> m_pendingPosition;
    // The position the opening moved to, checked once playback reports where
    // it is.
    std::optional<qint64> m_confirmPosition;
    bool m_pendingPlay = false;
    // The end position (milliseconds). The player's own position reports
    // come a tenth of a second apart, too coarse for the end of a verse, so
    // the end alarm asks the media directly.
    std::optional<qint64> m_endPosition;
    // Where the last seek sent the media, until the media confirms it.
    std::optional<qint64> m_seekTarget;
    std::unique_ptr<PlaybackAlarm> m_endAlarm;
    // Gives up waiting for a just opened file to become seekable.
    std::unique_ptr<PlaybackAlarm> m_settleAlarm;
};

} // namespace tilvora::playback

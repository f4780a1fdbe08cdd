#pragma once

#include "ui/recitation/audioplayer.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;
class QSlider;
class QTimer;
class QToolButton;

namespace tilvora::ui {

// The recitation player along the bottom of the main window (WinMediaPlayer):
// previous verse, play/pause, next verse, stop, a position slider between the
// elapsed and the total time, the repeat settings of a recitation (verse
// count, range count, gap), the speed, and a volume control, over an
// AudioPlayer that decodes MP3 and WMA and keeps the pitch at every speed.
//
// The program drives it in three calls: setUrl opens a file,
// setCurrentPosition moves to a second, play starts. The media opens in the
// background, and a seek given before it has opened would be lost, so a
// position and a play asked for while the file is still opening are kept and
// carried out, in that order, as soon as it has opened. Opening the file that
// is already open starts it over from the position asked for, without
// reopening it.
class PlayerStrip : public QWidget {
    Q_OBJECT

public:
    explicit PlayerStrip(QWidget* parent = nullptr);
    ~PlayerStrip() override;

    // Opens the media file at `path` (a plain path) and stops what was
    // playing.
    void setUrl(const QString& path);
    // Moves to `seconds` (fractions allowed) in the media.
    void setCurrentPosition(double seconds);
    // Plays from the current position to the end of the media.
    void play();
    void pause();
    void stop();
    // Where the media given last should stop: the player pauses there and
    // reports verseEnded. setUrl forgets it.
    void setEndPosition(double seconds);
    // The playback speed, 1 for normal; the speed selector shows it.
    void setRate(double rate);
    double rate() const;

    // What the repeat control holds: how often each verse and the whole
    // range are recited (0: until stopped) and the silence between steps.
    struct RepeatSettings {
        int verseRepeat = 1;
        int rangeRepeat = 1;
        int gapMs = 0;
    };
    RepeatSettings repeatSettings() const;
    void setRepeatSettings(const RepeatSettings& settings);

    // The speeds the selector offers.
    static const QList<double>& rates();

signals:
    void previousVerseClicked();
    void nextVerseClicked();
    // The reader chose a speed.
    void rateChosen(double rate);
    // The media reached the end position given, or its own end.
    void verseEnded();
    // The reader pressed the stop button.
    void stopClicked();

public:
    // The file last given to setUrl, as given.
    QString url() const { return m_path; }
    AudioPlayer* player() const { return m_player; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void seek(qint64 milliseconds);
    // Whether the opened media takes a seek now.
    bool canMove() const;
    void onMediaStatusChanged(AudioPlayer::Status status);
    void onSeekableChanged(bool seekable);
    void finishOpening();
    void onPlaybackStateChanged(AudioPlayer::State state);
    void onDurationChanged(qint64 milliseconds);
    void onPositionChanged(qint64 milliseconds);
    void onErrorOccurred(const QString& description);
    void onPlayPauseClicked();
    void onSliderAction();
    void onVolumeChanged(int percent);
    void onMuteClicked();
    void showTimes(qint64 position, qint64 duration);
    void updateMuteIcon();
    // Arms the timer that stops the media at the end position, from where the
    // media is now and how fast it plays; at the end, pauses and reports it.
    void watchEnd();

    AudioPlayer* m_player = nullptr;
    void createRecitationControls();
    void showRepeatCaption();

    QToolButton* m_previous = nullptr;
    QToolButton* m_next = nullptr;
    QToolButton* m_repeat = nullptr;
    QSpinBox* m_verseRepeat = nullptr;
    QSpinBox* m_rangeRepeat = nullptr;
    QSpinBox* m_gap = nullptr;
    QComboBox* m_speed = nullptr;
    QToolButton* m_playPause = nullptr;
    QToolButton* m_stop = nullptr;
    QLabel* m_elapsed = nullptr;
    QSlider* m_position = nullptr;
    QLabel* m_total = nullptr;
    QToolButton* m_mute = nullptr;
    QSlider* m_volume = nullptr;

    QString m_path;
    // True from setUrl of a new file until the media has opened and can be
    // moved, or has failed; meanwhile a position and a play wait.
    bool m_opening = false;
    // The opened media was paused so that it becomes seekable.
    bool m_pausedToSettle = false;
    // Counts the files opened, so that a late timer of an earlier one is ignored.
    int m_openings = 0;
    std::optional<qint64> m_pendingPosition;
    // The position the opening moved to, checked once playback reports where
    // it is.
    std::optional<qint64> m_confirmPosition;
    bool m_pendingPlay = false;
    // The end position (milliseconds) and the timer that watches for it. The
    // player's own position reports come a tenth of a second apart, too
    // coarse for the end of a verse, so the timer asks the media directly.
    std::optional<qint64> m_endPosition;
    // Where the last seek sent the media, until the media confirms it.
    std::optional<qint64> m_seekTarget;
    QTimer* m_endTimer = nullptr;
};

} // namespace tilvora::ui

#pragma once

#include "playback/audioplayer.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;
class QSpinBox;
class QSlider;
class QToolButton;

namespace tilvora::playback {
class VersePlayer;
}

namespace tilvora::ui {

// The recitation player along the bottom of the main window (WinMediaPlayer):
// previous verse, play/pause, next verse, stop, a position slider between the
// elapsed and the total time, the repeat settings of a recitation (verse
// count, range count, gap), the speed, and a volume control. It shows what
// the verse player's AudioPlayer reports and forwards the reader's buttons to
// the verse player, which opens, moves and ends the verses.
class PlayerStrip : public QWidget {
    Q_OBJECT

public:
    // `versePlayer` stays the caller's and outlives the strip.
    explicit PlayerStrip(playback::VersePlayer* versePlayer, QWidget* parent = nullptr);

    // Shows `rate` (1 for normal) in the speed selector.
    void showRate(double rate);

    // What the repeat control holds: how often each verse and the whole
    // range are recited (0: until stopped) and the silence between steps.
    struct RepeatSettings {
        int verseRepeat = 1;
        int rangeRepeat = 1;
        int gapMs = 0;
        // Listen and repeat: the time to say each verse back, as a multiple
        // of the time it took (0: off). Chosen for one recitation, not kept.
        double echoFactor = 0;
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
    // The reader pressed the stop button.
    void stopClicked();
    // The reader pressed Play before anything was given to play.
    void playWithNothingChosen();

public:
    playback::VersePlayer* versePlayer() const { return m_versePlayer; }
    playback::AudioPlayer* player() const { return m_player; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onMediaStatusChanged(playback::AudioPlayer::Status status);
    void onPlaybackStateChanged(playback::AudioPlayer::State state);
    void onDurationChanged(qint64 milliseconds);
    void onPositionChanged(qint64 milliseconds);
    void onErrorOccurred(const QString& description);
    void onPlayPauseClicked();
    void onSliderAction();
    void onVolumeChanged(int percent);
    void onMuteClicked();
    void showTimes(qint64 position, qint64 duration);
    void updateMuteIcon();
    void showGlyphs();
    // Every text of the strip in the language now applied.
    void retranslateUi();

    void createRecitationControls();
    void showRepeatCaption();

    playback::VersePlayer* m_versePlayer = nullptr;
    playback::AudioPlayer* m_player = nullptr;

    QFormLayout* m_repeatFields = nullptr;
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
};

} // namespace tilvora::ui

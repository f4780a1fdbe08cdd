#pragma once

#include "align/versestarts.h"
#include "align/voicechapter.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QTreeWidget;

namespace tilvora::store {
struct SharedState;
}

namespace tilvora::playback {
class AudioPlayer;
}

namespace tilvora::ui {

// Turns a voice's folder of chapter recordings into verse-by-verse
// recitation: finds the chapter recordings the folder holds and each verse's
// start in them, both off the user-interface thread (the window stays live),
// and stores each chapter's starts as soon as they are found. Where the voice
// has recordings of its own for a chapter's verses (a file per verse), the
// reader is asked first whether to replace them. A progress bar counts the
// chapters; Cancel stops the work (what is stored stays). The verses found
// with low confidence, and the chapters that could not be read or hold no
// recitation, are listed; a listed verse's start can be heard (a few seconds
// around it), nudged and stored.
class ChapterAlignmentDialog : public QDialog {
    Q_OBJECT

public:
    // Below this confidence a verse is listed for checking.
    static constexpr double kLowConfidence = 0.5;

    ChapterAlignmentDialog(store::SharedState& state, const QString& voiceId, QWidget* parent = nullptr);
    ~ChapterAlignmentDialog() override;

    // Starts the work; also done when the dialog is first shown.
    void start();
    bool finished() const { return m_finished; }
    // Asks the work to stop after the chapter at hand.
    void cancel();
    // How the reader is asked whether the voice's own recordings may be
    // replaced (the question in plain words; true to replace). A message box
    // unless set otherwise.
    void setReplaceQuestion(std::function<bool(const QString&)> ask) { m_askToReplace = std::move(ask); }

signals:
    void workFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    struct Listed {
        std::size_t chapter; // index into m_chapters
        std::size_t verse; // index into the chapter's verses
        double seconds;
    };

    struct Found;

    void chaptersFound(const std::shared_ptr<Found>& found);
    void keepOwnRecordings(const std::vector<int>& rowsOfAnotherKind);
    void alignChapters();
    void chapterAligned(std::size_t index, const std::vector<align::VerseStart>& starts);
    void chapterFailed(std::size_t index, const QString& message);
    void workDone(bool cancelled);
    void listedVerseChosen();
    void nudge(double seconds);
    void playAroundStart();
    void playWhenSeekable();
    void storeCorrection();
    const Listed* chosenVerse() const;

    store::SharedState& m_state;
    QString m_voiceId;
    std::vector<std::unique_ptr<align::VoiceChapter>> m_chapters;
    // Whether the chapter at the same index may replace the voice's own rows.
    std::vector<bool> m_replace;
    std::vector<Listed> m_listed;
    std::function<bool(const QString&)> m_askToReplace;
    std::atomic_bool m_cancelled{false};
    std::unique_ptr<QThread> m_finder;
    std::unique_ptr<QThread> m_worker;
    bool m_started = false;
    bool m_finished = false;
    // Chapters finished (stored or failed), and stored.
    int m_done = 0;
    int m_stored = 0;

    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTreeWidget* m_list = nullptr;
    QDoubleSpinBox* m_start = nullptr;
    QPushButton* m_earlier = nullptr;
    QPushButton* m_later = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_store = nullptr;
    QPushButton* m_close = nullptr;
    playback::AudioPlayer* m_player = nullptr;
    QTimer* m_stopTimer = nullptr;
    // Where "Play around it" is to start, in milliseconds; -1 when not asked.
    qint64 m_pendingFrom = -1;
};

} // namespace tilvora::ui

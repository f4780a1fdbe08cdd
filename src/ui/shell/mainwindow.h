#pragma once

#include "host/host.h"
#include "layout/panelayout.h"
#include "ui/reading/versemenu.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLabel;
class QSettings;
class QMenu;
class QTimer;
class QWebEngineProfile;
class QWebEngineView;

namespace tilvora::store {
struct SharedState;
}
namespace tilvora::navigation {
class MainWindowLogic;
}
namespace tilvora::playback {
class VersePlayer;
}

namespace tilvora::ui {

using layout::ControlGeometry;
using layout::kPaneControlCount;
using layout::PaneControl;
using layout::PaneLayout;

class ChoiceMemory;
class ControlPaneFollower;
class PanePage;
class PickerFollower;
class PictureButton;
class PlayerStrip;
class QtHost;
class ReadingComfort;
class ReadingPlace;
class LanguageMenu;
class MushafMode;
class MemoriseDesk;
class VerseFollower;

// FrmMain: six browser panes, the search-result label, the pictures, the
// player strip and the menus, every one placed by the layout arithmetic in
// twips (no layout managers). The window's behaviour is MainWindowLogic's;
// this class only turns the window's events into its calls and carries out
// the host operations it asks for (through QtHost).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kVoiceMenuItems = 20;

    explicit MainWindow(store::SharedState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The size, place and maximised state the window had when it was last
    // closed, and the control pane's width the reader chose, if any.
    void restoreWindowPlace();

    // The window's load: voice menu, control page, picker pages, chapter 1.
    // Throws store::StartupError, which ends start-up.
    void load();

    navigation::MainWindowLogic& logic() { return *m_logic; }
    store::SharedState& state() { return m_state; }
    PanePage* page(host::Pane pane) const;
    QWebEngineView* view(host::Pane pane) const;
    QLabel* searchLabel() const { return m_lblSearch; }
    PickerFollower& pickerFollower() const { return *m_pickerFollower; }
    ControlPaneFollower& controlPaneFollower() const { return *m_controlPaneFollower; }
    // The reader's texts and voice, kept between runs.
    ChoiceMemory& choiceMemory() const { return *m_choiceMemory; }
    QMenu* controlsMenu() const { return m_mnuControls; }
    PlayerStrip* player() const { return m_player; }
    playback::VersePlayer* versePlayer() const { return m_versePlayer; }
    QAction* voiceMenuAction(int index) const;
    QMenu* setDataPathMenu() const { return m_mnuSetDataPath; }
    QAction* hidePaneAction() const { return m_mnuHidePane; }
    QAction* downloadAction() const { return m_mnuDownload; }
    QAction* downloadTextsAction() const { return m_mnuDownloadTexts; }
    const PaneLayout& paneLayout() const { return m_layout; }
    // Theme, zoom, Arabic font, search matches, bookmarks and the last place.
    ReadingComfort& comfort() const { return *m_comfort; }
    // The reading pane's context menu; add actions to it for every verse.
    VerseMenu& verseMenu() { return m_verseMenu; }
    ReadingPlace& readingPlace() { return *m_readingPlace; }
    // Loads `target` in `pane`. The side panes' first pages wait until the
    // reading pane has loaded its first one, so that the reader's page is
    // shown first.
    void showPage(host::Pane pane, const QString& target);
    // The widget that shows one control of the layout's table.
    QWidget* controlWidget(PaneControl control) const;

    // Marks the verse being recited in the reading pane and scrolls it into
    // view (unless the reader scrolled lately); AyahRef 0 takes the mark away.
    // The mark is put back whenever the reading pane loads a new page.
    void markRecitedVerse(qint32 ayahRef, const QString& reference);
    qint32 markedVerse() const { return m_markedVerse; }
    // What a double-click on the verse table `verseTableId` does: recites
    // the verse in the selected voice, on to the end of its recording, and
    // marks each verse of the recording as it is heard.
    void playFromVerse(const QString& verseTableId);
    // Waits `milliseconds`, then lets the recitation go on.
    void startRecitationGap(int milliseconds);

    // A line in the status bar, for `milliseconds` (0: until the next one).
    void showStatus(const QString& text, int milliseconds = 8000);

    // Runs an event's work; a failure that escapes it is reported in one
    // message box and the program goes on.
    void handleEvent(const std::function<void()>& work);
    // The reading pane's second mode, the mushaf's pages.
    MushafMode& mushaf() const { return *m_mushaf; }
    // Memorising, notes and the reader's data carried out and in.
    MemoriseDesk& memorise() const { return *m_memorise; }

signals:
    // The verse marked as recited or heard changed (AyahRef 0: the mark went away).
    void recitedVerseMarked(qint32 ayahRef);
    // The window closed for good: the reading place and the settings were kept.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // How long the side panes' first pages wait at most for the reading pane.
    static constexpr int kSidePaneWaitMs = 3000;
    // How often, and how many times at most, the reading pane is asked
    // whether its page was painted.
    static constexpr int kPaintPollMs = 10;
    static constexpr int kPaintPollTimes = 50;
    // How far the engine's clock (its monotonic clock turned into dates at
    // its start) may be behind ours; pages asked for closer together than
    // this may be taken one for the other, which only shows the count early.
    static constexpr qint64 kClockMarginMs = 50;

    void createPanes();
    void createPictures();
    void releaseSidePanes();
    void watchForReadingPanePaint(int request, int asked);
    void readingPanePainted();
    void createMenus();
    void connectPane(PanePage* page);
    void reportFailure(const QString& text);
    // Lays out every control from the window's outer size.
    void arrangePanes();
    // Applies the layout's rectangles (twips) to the widgets (pixels).
    void applyLayout();
    double twipsPerPixelHere() const;
    void showAbout();
    void applyVerseMark();
    // Marks the verse heard while a double-click plays on (0: none).
    void showHeardVerse(qint32 ayahRef);
    void stopFollowing();
    void addCopyActions();
    // The gear opens the Controls menu; the magnifier puts the focus in the
    // search box.
    void makePicturesAnswer();
    void focusSearchBox();
    // The strip between the reading pane and the control pane moves the
    // divider when dragged; a double-click gives the panes their default
    // widths again.
    void makeStripDrag();
    bool handleStripEvent(QEvent* event);
    // "Recite from here", "Repeat this verse..." and "Repeat from here to..."
    // in the reading pane's verse menu.
    void addRecitationActions();
    enum class RecitationChoice { ToChapterEnd, RepeatVerse, RepeatRange, ListenAndRepeat };
    void reciteFromVerse(qint32 ayahRef, RecitationChoice choice);
    void showVerseMenu(const QString& verseTableId, const QStringList& texts, const QString& selectedText,
        std::optional<QPoint> at = std::nullopt);
    VerseUnderPointer verseOf(const QString& verseTableId, const QStringList& texts, const QString& selectedText) const;
    // The reading page's verse cursor: Enter recites, the menu key opens the
    // verse menu, Ctrl+C copies the verse.
    void handleVerseKey(const QString& action, const QString& verseTableId, const QStringList& texts, QPoint at);
    void reciteVerseTable(const QString& verseTableId);
    // Play with nothing chosen: the first verse of the view, to its chapter's end.
    void reciteFirstVerseOfView();
    // The controls Tab goes through, in the order they are seen.
    QList<QWidget*> tabOrder() const;
    // The divider moved by the keyboard: pixels to the right (negative: left).
    void moveDividerBy(int pixels);
    // The voice menu holds only the items it shows: a screen reader lists
    // hidden items too.
    void showOnlyVisibleVoiceItems();
    void createFileMenu();
    // Every text of the window in the language now applied.
    void retranslateUi();
    // A rectangle of the layout (twips) in the client area (pixels); right
    // to left, the whole arrangement is mirrored.
    QRect placed(const ControlGeometry& geometry, double dpi) const;
    // A point of the client area as the layout counts it: from the left, or
    // right to left from the right.
    int layoutX(int clientX) const;
    void showDownloadDialog();
    void showTextDownloadDialog();
    // The next (step 1) or previous (-1) verse: within the running
    // recitation, from the verse heard while a double-click plays on, or
    // next to the verse recited last.
    void reciteNeighbour(int step);
    // The player strip's repeat settings and speed, kept between runs.
    void restorePlayerSettings();
    void savePlayerSettings(QSettings& settings) const;
    // The window's place and the control pane's chosen width, for the next run.
    void saveWindowPlace(QSettings& settings) const;

    store::SharedState& m_state;
    PaneLayout m_layout;
    // The outer size (pixels) the layout last worked from.
    QSize m_arrangedOuterSize;
    // Where in the strip the drag took hold of it (pixels), while dragging.
    std::optional<int> m_stripGrip;
    QWebEngineProfile* m_profile = nullptr;
    std::array<QWebEngineView*, 6> m_views{};
    std::array<PanePage*, 6> m_pages{};
    QLabel* m_lblSearch = nullptr;
    PictureButton* m_picSearch = nullptr;
    PictureButton* m_imgMain = nullptr;
    QLabel* m_imgBanner = nullptr;
    PictureButton* m_image1 = nullptr;
    // Closing waits for the reading pane to say which verse is at its top.
    bool m_keepingLastPlace = false;
    bool m_lastPlaceKept = false;
    PlayerStrip* m_player = nullptr;
    playback::VersePlayer* m_versePlayer = nullptr;
    VerseFollower* m_follower = nullptr;
    QMenu* m_mnuControls = nullptr;
    QAction* m_mnuHidePane = nullptr;
    QMenu* m_mnuSetDataPath = nullptr;
    std::array<QAction*, kVoiceMenuItems> m_mnuDPVoice{};
    QAction* m_mnuAbout = nullptr;
    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuQuit = nullptr;
    LanguageMenu* m_languageMenu = nullptr;
    QTimer* m_recitationGap = nullptr;
    qint32 m_markedVerse = 0;
    qint32 m_lastRecitedVerse = 0;
    QAction* m_mnuDownload = nullptr;
    QAction* m_mnuDownloadTexts = nullptr;
    PickerFollower* m_pickerFollower = nullptr;
    ControlPaneFollower* m_controlPaneFollower = nullptr;
    ChoiceMemory* m_choiceMemory = nullptr;
    bool m_sidePanesHeld = true;
    // The reading pane's pages asked for so far, and when the last was
    // (milliseconds since the epoch, as the engine's clock counts).
    int m_readingPaneRequests = 0;
    qint64 m_readingPaneAskedAt = 0;
    std::map<host::Pane, QString> m_heldPages;

    // Declared last: destroyed first, while the widgets they use still exist.
    std::unique_ptr<QtHost> m_host;
    std::unique_ptr<navigation::MainWindowLogic> m_logic;
    ReadingComfort* m_comfort = nullptr;
    VerseMenu m_verseMenu;
    std::unique_ptr<ReadingPlace> m_readingPlace;
    MushafMode* m_mushaf = nullptr;
    MemoriseDesk* m_memorise = nullptr;
};

} // namespace tilvora::ui

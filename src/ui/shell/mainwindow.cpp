#include "ui/shell/mainwindow.h"

#include "navigation/mainwindowlogic.h"
#include "playback/recitationdownload.h"
#include "playback/recitationplan.h"
#include "playback/recordingverses.h"
#include "playback/verseplayer.h"
#include "store/sharedstate.h"
#include "ui/art/artwork.h"
#include "ui/dialogs/aboutwindow.h"
#include "ui/dialogs/downloaddialog.h"
#include "ui/dialogs/textdownloaddialog.h"
#include "ui/memorise/memorisedesk.h"
#include "ui/mushaf/mushafmode.h"
#include "ui/panes/browserpane.h"
#include "ui/panes/panescripts.h"
#include "ui/panes/panetexts.h"
#include "ui/reading/readingcomfort.h"
#include "ui/reading/readingplace.h"
#include "ui/recitation/gstaudioplayer.h"
#include "ui/recitation/playerstrip.h"
#include "ui/recitation/repeatdialog.h"
#include "ui/recitation/versefollower.h"
#include "ui/shell/choicememory.h"
#include "ui/shell/controlpanefollower.h"
#include "ui/shell/languagemenu.h"
#include "ui/shell/pickerfollower.h"
#include "ui/shell/picturebutton.h"
#include "ui/shell/qthost.h"
#include "ui/shell/usersettings.h"
#include "version.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTimer>
#include <QWebEngineView>

#include <algorithm>
#include <cmath>
#include <exception>

namespace tilvora::ui {

using host::Pane;
using namespace layout;

namespace {

constexpr std::array<Pane, 6> kPanes{
    Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl, Pane::WebMain};

// The control pane's width the reader chose, as a share of the window's
// outer width.
const QString kControlPaneShareKey = QStringLiteral("window/controlPaneShare");

std::size_t paneIndex(Pane pane)
{
    return static_cast<std::size_t>(pane);
}

QLabel* createPicture(const QString& name, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setScaledContents(true);
    return picture;
}

// How far one press of Left or Right moves the divider, in pixels.
constexpr int kDividerStep = 16;

} // namespace

MainWindow::MainWindow(store::SharedState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(appIcon());
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    // The controls are placed by hand on a plain client area.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    m_host = std::make_unique<QtHost>(*this);
    m_logic = std::make_unique<navigation::MainWindowLogic>(m_state, *m_host);

    createPanes();
    m_pickerFollower = new PickerFollower(*this);
    m_controlPaneFollower = new ControlPaneFollower(*this, m_state);
    m_readingPlace = std::make_unique<ReadingPlace>(page(Pane::WebMain));
    createPictures();
    m_versePlayer = new playback::VersePlayer(new GstAudioPlayer(this), this);
    m_player = new PlayerStrip(m_versePlayer, client);
    m_player->setObjectName(QStringLiteral("WinMediaPlayer"));
    connect(m_versePlayer, &playback::VersePlayer::verseEnded, this, [this] { m_logic->recitationEnded(); });
    connect(m_player, &PlayerStrip::stopClicked, this, [this] {
        m_logic->stopRecitation();
        stopFollowing();
    });
    m_follower = new VerseFollower(m_versePlayer, this);
    connect(m_follower, &VerseFollower::verseHeard, this, &MainWindow::showHeardVerse);
    connect(m_follower, &VerseFollower::finished, this, [this] { showHeardVerse(0); });
    connect(m_player, &PlayerStrip::rateChosen, this, [this](double rate) { m_logic->setPlaybackRate(rate); });
    connect(m_player, &PlayerStrip::nextVerseClicked, this, [this] { reciteNeighbour(1); });
    connect(m_player, &PlayerStrip::previousVerseClicked, this, [this] { reciteNeighbour(-1); });
    connect(m_player, &PlayerStrip::playWithNothingChosen, this, [this] { reciteFirstVerseOfView(); });
    restorePlayerSettings();
    m_recitationGap = new QTimer(this);
    m_recitationGap->setSingleShot(true);
    connect(m_recitationGap, &QTimer::timeout, this, [this] { m_logic->recitationGapElapsed(); });
    // A page rendered while a verse is marked gets the mark too.
    connect(page(Pane::WebMain), &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok && m_markedVerse != 0)
            applyVerseMark();
    });
    createMenus();
    addCopyActions();
    makePicturesAnswer();
    makeStripDrag();
    addRecitationActions();
    m_comfort = new ReadingComfort(*this, m_state);
    m_comfort->install(menuBar());
    m_mushaf = new MushafMode(*this);
    m_choiceMemory = new ChoiceMemory(*this, m_state);
    m_choiceMemory->install(m_comfort->viewMenu());
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    createFileMenu();
    m_memorise = new MemoriseDesk(*this);
    m_languageMenu = new LanguageMenu(m_comfort->viewMenu());
    retranslateUi();
    applyLayout();
    centralWidget()->installEventFilter(this);

    // A first size that shows the reading pane and the control pane side by
    // side; the layout follows whatever size the window is given later.
    const double pixels = 1 / twipsPerPixelHere();
    // Never so small that the banner covers the search row: the search pane,
    // its icon, the small emblem and the banner side by side; and room for
    // a few lines of reading above the player.
    const auto& designed = m_layout;
    const double searchRow = designed.control(PaneControl::LblSearch).width
        + designed.control(PaneControl::WebSearch).width + designed.control(PaneControl::PicSearch).width
        + designed.control(PaneControl::Image1).width + designed.control(PaneControl::ImgBanner).width;
    setMinimumSize(static_cast<int>(std::ceil(searchRow * pixels)) + 4, 480);
    resize(static_cast<int>(std::lround(13500 * pixels)), static_cast<int>(std::lround(10500 * pixels)));
}

MainWindow::~MainWindow() = default;

void MainWindow::createPanes()
{
    m_profile = createPaneProfile(m_state.gAppFolder, this);
    for (Pane pane : kPanes) {
        auto* view = new QWebEngineView(centralWidget());
        view->setObjectName(host::paneName(pane));
        auto* page = new PanePage(pane, m_profile, m_state.gAppFolder, view);
        view->setPage(page);
        // The panes' own context menus are the pages' business (see the
        // compatibility script); the view adds none of its own actions.
        m_views[paneIndex(pane)] = view;
        m_pages[paneIndex(pane)] = page;
        connectPane(page);
    }
}

void MainWindow::connectPane(PanePage* page)
{
    const Pane pane = page->pane();
    page->setNavigationHandler([this](Pane from, const QString& url) {
        if (!m_logic->isCommandNavigation(from, url))
            return false;
        // The navigation is cancelled at once and the command runs from the
        // event loop, in the order the commands came: never inside the
        // browser engine's callback, where its message boxes, dialogs and
        // the media search's yields would spin event loops of their own.
        QMetaObject::invokeMethod(
            this,
            [this, from, url] {
                handleEvent([&] {
                    m_comfort->noteCommand(m_logic->commandPartOf(url));
                    m_logic->runNavigationCommand(from, url);
                    // What was stored, which a refused or moving choice
                    // makes differ from what the lists show.
                    if (from == Pane::WebControl)
                        m_controlPaneFollower->showStored();
                });
            },
            Qt::QueuedConnection);
        return true;
    });
    connect(page->bridge(), &PaneBridge::contextMenuRequested, this,
        [this, pane] { handleEvent([&] { m_logic->contextMenu(pane); }); });
    connect(page->bridge(), &PaneBridge::doubleClicked, this, [this, pane](const QString& id) {
        if (pane == Pane::WebMain)
            playFromVerse(id);
    });
    connect(page->bridge(), &PaneBridge::verseKeyPressed, this,
        [this, pane](const QString& action, const QString& id, const QStringList& texts, QPoint at) {
            if (pane == Pane::WebMain)
                handleEvent([&] { handleVerseKey(action, id, texts, at); });
        });
    connect(page->bridge(), &PaneBridge::verseMenuRequested, this,
        [this, pane](const QString& id, const QStringList& texts, const QString& selectedText) {
            if (pane == Pane::WebMain)
                handleEvent([&] { showVerseMenu(id, texts, selectedText); });
        });
    // A page's request for a new window width (window.resizeTo and the like).
    if (pane == Pane::WebControl || pane == Pane::WebMain) {
        connect(page, &QWebEnginePage::geometryChangeRequested, this, [this, pane](const QRect& geometry) {
            handleEvent([&] {
                const auto twips = toWholeTwips(geometry.width() * twipsPerPixelHere());
                if (!twips)
                    return;
                if (pane == Pane::WebControl)
                    m_layout.controlSetWidth(*twips);
                else
                    m_layout.mainSetWidth(*twips);
                applyLayout();
            });
        });
    }
}

void MainWindow::addCopyActions()
{
    const auto copy = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    m_verseMenu.add({QStringLiteral("MnuCopySelection"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "&Copy")),
        [](const VerseUnderPointer& clicked) { return !clicked.selectedText.isEmpty(); },
        [copy](const VerseUnderPointer& clicked) { copy(clicked.selectedText); }});
    m_verseMenu.add({QStringLiteral("MnuCopyVerse"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Copy &verse")), {},
        [copy](const VerseUnderPointer& clicked) { copy(VerseMenu::verseText(clicked)); }});
    m_verseMenu.add(
        {QStringLiteral("MnuCopyReference"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Copy &reference")), {},
            [copy](const VerseUnderPointer& clicked) { copy(VerseMenu::referenceText(clicked)); }});
}

void MainWindow::addRecitationActions()
{
    m_verseMenu.add(
        {QStringLiteral("MnuReciteFromHere"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Recite from &here")), {},
            [this](const VerseUnderPointer& clicked) {
                reciteFromVerse(clicked.ayahRef, RecitationChoice::ToChapterEnd);
            }});
    m_verseMenu.add({QStringLiteral("MnuRepeatVerse"),
        QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Re&peat this verse...")), {},
        [this](const VerseUnderPointer& clicked) { reciteFromVerse(clicked.ayahRef, RecitationChoice::RepeatVerse); }});
    m_verseMenu.add({QStringLiteral("MnuRepeatRange"),
        QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Repeat from here &to...")), {},
        [this](const VerseUnderPointer& clicked) { reciteFromVerse(clicked.ayahRef, RecitationChoice::RepeatRange); }});
    m_verseMenu.add({QStringLiteral("MnuListenRepeat"),
        QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "&Listen and repeat from here...")), {},
        [this](const VerseUnderPointer& clicked) {
            reciteFromVerse(clicked.ayahRef, RecitationChoice::ListenAndRepeat);
        }});
}

void MainWindow::reciteFromVerse(qint32 ayahRef, RecitationChoice choice)
{
    handleEvent([&] {
        store::Connection& connection = *m_state.gConnection;
        const QString from = playback::RecitationPlan::referenceOf(connection, ayahRef);
        if (from.isEmpty())
            return;
        const QString chapterEnd = playback::RecitationPlan::lastVerseOfChapter(connection, ayahRef);
        PlayerStrip::RepeatSettings settings = m_player->repeatSettings();
        // Listen and repeat: to the chapter's end, with as long as each
        // verse took to say it back.
        if (choice == RecitationChoice::ListenAndRepeat)
            settings.echoFactor = 1.0;
        QString to = chapterEnd;
        if (choice != RecitationChoice::ToChapterEnd) {
            const bool range = choice == RecitationChoice::RepeatRange || choice == RecitationChoice::ListenAndRepeat;
            RepeatDialog dialog(from, range ? chapterEnd : QString(), settings, this);
            // A verse that does not exist is said in the dialog, which stays.
            dialog.setToVerseCheck([this, &from](const QString& toVerse) {
                return m_logic->recitation().versesProblem(playback::RecitationRequest{from, toVerse});
            });
            if (dialog.exec() != QDialog::Accepted)
                return;
            to = dialog.toVerse();
            settings = dialog.settings();
            m_player->setRepeatSettings(settings);
        }
        playback::RecitationRequest request{from, to, settings.verseRepeat, settings.rangeRepeat, settings.gapMs};
        request.echoFactor = settings.echoFactor;
        m_logic->recite(request);
    });
}

void MainWindow::restoreWindowPlace()
{
    const std::unique_ptr<QSettings> settings = openUserSettings();
    const QByteArray geometry = settings->value(QStringLiteral("window/geometry")).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    bool isNumber = false;
    const double share = settings->value(kControlPaneShareKey).toDouble(&isNumber);
    // A value that is no share of the window is ignored: the default widths.
    if (isNumber && m_layout.setChosenControlShare(share))
        applyLayout();
}

void MainWindow::saveWindowPlace(QSettings& settings) const
{
    settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
    if (const std::optional<double> share = m_layout.chosenControlShare())
        settings.setValue(kControlPaneShareKey, *share);
    else
        settings.remove(kControlPaneShareKey);
}

void MainWindow::makeStripDrag()
{
    m_imgMain->installEventFilter(this);
    connect(m_imgMain, &QAbstractButton::clicked, this, [this] {
        if (m_layout.control(PaneControl::WebControl).visible && m_layout.setChosenControlShare(std::nullopt))
            applyLayout();
    });
}

void MainWindow::moveDividerBy(int pixels)
{
    if (!m_layout.control(PaneControl::WebControl).visible)
        return;
    // As a drag to the divider's new left edge does (right to left, its
    // right edge: the layout counts from the window's right then).
    const int stripLeft
        = isRightToLeft() ? layoutX(m_imgMain->geometry().right() + 1) - pixels : m_imgMain->x() + pixels;
    const double paneWidth
        = m_layout.outerWidth() - m_layout.control(PaneControl::ImgMain).width - stripLeft * twipsPerPixelHere();
    if (m_layout.chooseControlPaneWidth(paneWidth))
        applyLayout();
}

bool MainWindow::handleStripEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // With the control pane hidden there is no divider to move.
        if (mouse->button() != Qt::LeftButton || !m_layout.control(PaneControl::WebControl).visible)
            return false;
        // Where the strip was taken, from its edge on the reading pane's side.
        const int grip = qRound(mouse->position().x());
        m_stripGrip = isRightToLeft() ? m_imgMain->width() - grip : grip;
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_stripGrip)
            return false;
        // The strip's new left edge, in the client area; the control pane
        // takes what is right of the strip, as the layout places it.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int stripLeft = layoutX(m_imgMain->mapToParent(mouse->position().toPoint()).x()) - *m_stripGrip;
        const double perPixel = twipsPerPixelHere();
        const double paneWidth
            = m_layout.outerWidth() - m_layout.control(PaneControl::ImgMain).width - stripLeft * perPixel;
        if (m_layout.chooseControlPaneWidth(paneWidth))
            applyLayout();
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_stripGrip || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        m_stripGrip.reset();
        return true;
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        m_stripGrip.reset();
        if (m_layout.setChosenControlShare(std::nullopt))
            applyLayout();
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        moveDividerBy(key == Qt::Key_Left ? -kDividerStep : kDividerStep);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::restorePlayerSettings()
{
    const auto settings = openUserSettings();
    // A value that is missing or not a number keeps the strip's own; the
    // spin boxes hold a number outside their range at its nearest end.
    const auto number = [&settings](const QString& key, int fallback) {
        bool ok = false;
        const int value = settings->value(key).toInt(&ok);
        return ok ? value : fallback;
    };
    PlayerStrip::RepeatSettings repeat = m_player->repeatSettings();
    repeat.verseRepeat = number(QStringLiteral("player/verseRepeat"), repeat.verseRepeat);
    repeat.rangeRepeat = number(QStringLiteral("player/rangeRepeat"), repeat.rangeRepeat);
    repeat.gapMs = number(QStringLiteral("player/gapMs"), repeat.gapMs);
    m_player->setRepeatSettings(repeat);
    bool ok = false;
    const double rate = settings->value(QStringLiteral("player/speed")).toDouble(&ok);
    const bool offered = std::any_of(PlayerStrip::rates().cbegin(), PlayerStrip::rates().cend(),
        [rate](double speed) { return qFuzzyCompare(speed, rate); });
    if (ok && playback::isPlaybackRate(rate) && offered)
        m_logic->setPlaybackRate(rate);
}

void MainWindow::savePlayerSettings(QSettings& settings) const
{
    const PlayerStrip::RepeatSettings repeat = m_player->repeatSettings();
    settings.setValue(QStringLiteral("player/verseRepeat"), repeat.verseRepeat);
    settings.setValue(QStringLiteral("player/rangeRepeat"), repeat.rangeRepeat);
    settings.setValue(QStringLiteral("player/gapMs"), repeat.gapMs);
    settings.setValue(QStringLiteral("player/speed"), m_logic->playbackRate());
}

void MainWindow::makePicturesAnswer()
{
    for (PictureButton* picture : {m_image1, m_picSearch})
        picture->setCursor(Qt::PointingHandCursor);
    connect(m_image1, &QAbstractButton::clicked, this,
        [this] { m_mnuControls->popup(m_image1->mapToGlobal(QPoint(0, m_image1->height()))); });
    connect(m_picSearch, &QAbstractButton::clicked, this, [this] { focusSearchBox(); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The client area changes its height on its own when the menu bar wraps.
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        handleEvent([&] { arrangePanes(); });
        return QMainWindow::eventFilter(watched, event);
    }
    if (watched == m_imgMain) {
        bool handled = false;
        handleEvent([&] { handled = handleStripEvent(event); });
        return handled || QMainWindow::eventFilter(watched, event);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::focusSearchBox()
{
    view(Pane::WebSearch)->setFocus(Qt::MouseFocusReason);
    page(Pane::WebSearch)
        ->runScript(QStringLiteral("(function () { var box = document.getElementById('txtSearch');"
                                   " if (box) { box.focus(); box.select(); } })()"));
}

VerseUnderPointer MainWindow::verseOf(
    const QString& verseTableId, const QStringList& texts, const QString& selectedText) const
{
    VerseUnderPointer verse;
    verse.selectedText = selectedText;
    bool isNumber = false;
    const qint32 ayahRef = verseTableId.trimmed().toInt(&isNumber, 10);
    if (isNumber && ayahRef > 0 && m_state.gConnection) {
        verse.ayahRef = ayahRef;
        verse.name = store::nameVerse(*m_state.gConnection, ayahRef);
        // The chapter named in the reader's language (copied text too); the
        // verse's reference stays in the digits it always has.
        verse.name.chapter = m_comfort->chapterName(verse.name.surah, verse.name.chapter);
        verse.texts = VerseMenu::shownTexts(texts);
    }
    return verse;
}

void MainWindow::showVerseMenu(
    const QString& verseTableId, const QStringList& texts, const QString& selectedText, std::optional<QPoint> at)
{
    if (QMenu* menu = m_verseMenu.create(verseOf(verseTableId, texts, selectedText), this)) {
        menu->popup(at ? *at : QCursor::pos());
        // Opened by a key, the menu takes the keys at once.
        if (at && !menu->actions().isEmpty())
            menu->setActiveAction(menu->actions().constFirst());
    }
}

void MainWindow::handleVerseKey(const QString& action, const QString& verseTableId, const QStringList& texts, QPoint at)
{
    if (action == QLatin1String("recite")) {
        reciteVerseTable(verseTableId);
    } else if (action == QLatin1String("menu")) {
        // The page's viewport point, in CSS pixels, on the screen.
        QWebEngineView* reading = view(Pane::WebMain);
        const double zoom = reading->zoomFactor();
        showVerseMenu(
            verseTableId, texts, QString(), reading->mapToGlobal(QPoint(qRound(at.x() * zoom), qRound(at.y() * zoom))));
    } else if (action == QLatin1String("copy")) {
        const VerseUnderPointer verse = verseOf(verseTableId, texts, QString());
        if (verse.ayahRef > 0)
            QGuiApplication::clipboard()->setText(VerseMenu::verseText(verse));
    }
}

void MainWindow::reciteVerseTable(const QString& verseTableId)
{
    // Enter on the verse cursor recites exactly as a double-click does.
    playFromVerse(verseTableId);
}

void MainWindow::reciteFirstVerseOfView()
{
    page(Pane::WebMain)
        ->runScript(QStringLiteral("(function () { var t = window.tilvoraPane && tilvoraPane.verseTables()[0];"
                                   " return t ? Number(t.id) : 0; })()"),
            [this](const QVariant& answer) {
                const qint32 ayahRef = answer.toInt();
                if (ayahRef > 0)
                    reciteFromVerse(ayahRef, RecitationChoice::ToChapterEnd);
            });
}

void MainWindow::createPictures()
{
    QWidget* client = centralWidget();
    //: The label beside the search box before anything was shown.
    m_lblSearch = new QLabel(client);
    m_lblSearch->setObjectName(QStringLiteral("LblSearch"));
    m_lblSearch->setTextFormat(Qt::PlainText);
    m_lblSearch->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_picSearch = new PictureButton(QStringLiteral("PicSearch"), QString(), client);
    m_picSearch->setPixmap(searchPixmap(devicePixelRatioF()));
    m_imgBanner = createPicture(QStringLiteral("ImgBanner"), client);
    m_imgBanner->setPixmap(bannerPixmap(devicePixelRatioF()));
    // The banner is the program's name in a picture.
    m_image1 = new PictureButton(QStringLiteral("Image1"), QString(), client);
    m_image1->setPixmap(emblemPixmap(32, devicePixelRatioF()));
    // The strip is painted for the size it gets (see applyLayout).
    m_imgMain = new PictureButton(QStringLiteral("ImgMain"), QString(), client);
}

void MainWindow::createMenus()
{
    m_mnuControls = menuBar()->addMenu(QString());
    m_mnuControls->setObjectName(QStringLiteral("MnuControls"));
    m_mnuHidePane = m_mnuControls->addAction(QString());
    m_mnuHidePane->setObjectName(QStringLiteral("MnuHidePane"));
    connect(m_mnuHidePane, &QAction::triggered, this, [this] {
        handleEvent([&] {
            m_layout.toggleControlPane();
            applyLayout();
        });
    });

    m_mnuSetDataPath = m_mnuControls->addMenu(QString());
    m_mnuSetDataPath->setObjectName(QStringLiteral("MnuSetDataPath"));
    for (int index = 0; index < kVoiceMenuItems; ++index) {
        QAction* item = m_mnuSetDataPath->addAction(tr("Voice %1").arg(index + 1));
        item->setObjectName(QStringLiteral("MnuDPVoice_%1").arg(index));
        // As designed: the first item shown, the others hidden, the submenu
        // hidden; the voice menu decides at load.
        item->setVisible(index == 0);
        connect(
            item, &QAction::triggered, this, [this, index] { handleEvent([&] { m_logic->voiceMenuClick(index); }); });
        connect(item, &QAction::visibleChanged, this, &MainWindow::showOnlyVisibleVoiceItems);
        m_mnuDPVoice[static_cast<std::size_t>(index)] = item;
    }
    m_mnuSetDataPath->menuAction()->setVisible(false);
    showOnlyVisibleVoiceItems();

    m_mnuDownload = m_mnuControls->addAction(QString());
    m_mnuDownload->setObjectName(QStringLiteral("MnuDownload"));
    connect(m_mnuDownload, &QAction::triggered, this, [this] { handleEvent([&] { showDownloadDialog(); }); });
    m_mnuDownloadTexts = m_mnuControls->addAction(QString());
    m_mnuDownloadTexts->setObjectName(QStringLiteral("MnuDownloadTexts"));
    connect(m_mnuDownloadTexts, &QAction::triggered, this, [this] { handleEvent([&] { showTextDownloadDialog(); }); });

    m_mnuAbout = menuBar()->addAction(QString());
    m_mnuAbout->setObjectName(QStringLiteral("MnuAbt"));
    connect(m_mnuAbout, &QAction::triggered, this, [this] { handleEvent([&] { showAbout(); }); });
}

void MainWindow::showOnlyVisibleVoiceItems()
{
    for (QAction* item : m_mnuDPVoice)
        m_mnuSetDataPath->removeAction(item);
    for (QAction* item : m_mnuDPVoice) {
        if (item->isVisible())
            m_mnuSetDataPath->addAction(item);
    }
}

void MainWindow::createFileMenu()
{
    auto* file = new QMenu(menuBar());
    file->setObjectName(QStringLiteral("MnuFile"));
    m_mnuFile = file;
    QAction* quit = file->addAction(QString(), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("MnuQuit"));
    m_mnuQuit = quit;
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    // The shortcut works while the menu bar is closed.
    addAction(quit);
    menuBar()->insertMenu(menuBar()->actions().value(0), file);
}

void MainWindow::retranslateUi()
{
    //: The main window's title; %1 is the version, e.g. 2.08.09A.
    setWindowTitle(tr(" .:: Tilvora (version %1) ::.").arg(shownVersion()));
    m_picSearch->setAccessibleName(tr("Search"));
    m_picSearch->setToolTip(tr("Go to the search box"));
    m_imgBanner->setAccessibleName(tr("Tilvora"));
    m_image1->setAccessibleName(tr("Controls menu"));
    m_image1->setToolTip(tr("Controls"));
    //: The strip between the reading pane and the control pane, which moves them apart when dragged.
    m_imgMain->setAccessibleName(tr("Pane divider"));
    m_imgMain->setToolTip(tr("Drag to widen or narrow the control pane; double-click for the usual width"));
    m_imgMain->setAccessibleDescription(tr("Left and Right move it; Space gives the panes their usual widths"));
    if (!m_host->retranslateResultCaption())
        //: The label beside the search box before anything was shown.
        m_lblSearch->setText(tr("  Search Result(s):  "));
    //: The menu of the control pane (the pane where the texts and the voice are chosen).
    m_mnuControls->setTitle(tr("&Controls"));
    //: Hides the control pane, or shows it again.
    m_mnuHidePane->setText(tr("&Hide/Un-Hide Pane"));
    //: The submenu that sets the folder where a voice's recordings are.
    m_mnuSetDataPath->setTitle(tr("Set Data &Path"));
    m_mnuDownload->setText(tr("&Download recitation..."));
    m_mnuDownloadTexts->setText(tr("Download &texts..."));
    m_mnuAbout->setText(tr("&About"));
    m_mnuFile->setTitle(tr("&File"));
    m_mnuQuit->setText(tr("&Quit"));
    // The search and picker pages' own texts, shown in the language too.
    const QJsonObject paneTexts = PaneTexts::table();
    for (const Pane pane : {Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject}) {
        page(pane)->paneScripts().configure(PaneScripts::Module::Texts, paneTexts);
        page(pane)->runScript(QStringLiteral("if (window.tilvoraTexts) window.tilvoraTexts.apply(%1);")
                                  .arg(QString::fromUtf8(QJsonDocument(paneTexts).toJson(QJsonDocument::Compact))));
    }
    // The control pane's names for a screen reader, in the language too.
    const QJsonObject controlNames = PaneTexts::controlNames();
    page(Pane::WebControl)->paneScripts().configure(PaneScripts::Module::Names, controlNames);
    page(Pane::WebControl)
        ->runScript(QStringLiteral("if (window.tilvoraNames) window.tilvoraNames.apply(%1);")
                        .arg(QString::fromUtf8(QJsonDocument(controlNames).toJson(QJsonDocument::Compact))));
    m_comfort->retranslate();
    m_mushaf->retranslate();
    m_memorise->retranslate();
    m_choiceMemory->retranslate();
    m_languageMenu->retranslate();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // A shown view starts its engine's renderer for an empty page. The side
    // panes waiting for the reading pane's first page would start five of
    // them beside the reading pane's own: they stay unstarted until their
    // pages are sent, which start each renderer for its page.
    if (m_sidePanesHeld) {
        for (Pane pane : kPanes) {
            if (pane != Pane::WebMain && page(pane)->url().isEmpty())
                page(pane)->setVisible(false);
        }
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The window is whole before the first of these can come (they are
    // posted by the language's installation).
    if (event->type() == QEvent::LanguageChange && m_languageMenu) {
        handleEvent([&] {
            retranslateUi();
            // The control pane's entry that empties a row.
            m_controlPaneFollower->showStored();
        });
    } else if (event->type() == QEvent::LayoutDirectionChange) {
        handleEvent([&] { applyLayout(); });
    }
}

void MainWindow::load()
{
    m_logic->load();
}

void MainWindow::showPage(Pane pane, const QString& target)
{
    if (pane == Pane::WebMain) {
        m_readingPaneAskedAt = QDateTime::currentMSecsSinceEpoch();
        page(pane)->navigateTo(target);
        watchForReadingPanePaint(++m_readingPaneRequests, 0);
        return;
    }
    if (!m_sidePanesHeld) {
        page(pane)->navigateTo(target);
        return;
    }
    // Started at once, six engines would share the machine with the reading
    // pane's; they wait for its first page (or a moment, if none comes).
    if (m_heldPages.empty())
        QTimer::singleShot(kSidePaneWaitMs, this, &MainWindow::releaseSidePanes);
    m_heldPages[pane] = target;
}

void MainWindow::watchForReadingPanePaint(int request, int asked)
{
    // What else changes in the window (five engines starting, the count, the
    // pickers) waits for the engine's paint timeline to show the new page's
    // first paint, or for a moment at most: each would have the window
    // composed again, six panes and all, before the page's first frame.
    if (asked >= kPaintPollTimes) {
        readingPanePainted();
        return;
    }
    // Only the new page counts: the one it replaces was painted before it
    // was asked for, and the engine's empty first page paints no content.
    const QString script = QStringLiteral(
        "performance.timeOrigin >= %1 && performance.getEntriesByName('first-contentful-paint').length > 0")
                               .arg(m_readingPaneAskedAt - kClockMarginMs);
    page(Pane::WebMain)->runScript(script, [this, request, asked](const QVariant& painted) {
        // No answer: the page went, or the window.
        if (!painted.isValid())
            return;
        // Another page has come since: its own watch goes on.
        if (request != m_readingPaneRequests)
            return;
        if (painted.toBool())
            readingPanePainted();
        else
            QTimer::singleShot(
                kPaintPollMs, this, [this, request, asked] { watchForReadingPanePaint(request, asked + 1); });
    });
}

void MainWindow::readingPanePainted()
{
    releaseSidePanes();
    m_host->showRenderedView();
}

void MainWindow::releaseSidePanes()
{
    if (!m_sidePanesHeld)
        return;
    m_sidePanesHeld = false;
    for (const auto& [pane, target] : m_heldPages)
        page(pane)->navigateTo(target);
    m_heldPages.clear();
}

PanePage* MainWindow::page(Pane pane) const
{
    return m_pages[paneIndex(pane)];
}

QWebEngineView* MainWindow::view(Pane pane) const
{
    return m_views[paneIndex(pane)];
}

QAction* MainWindow::voiceMenuAction(int index) const
{
    if (index < 0 || index >= kVoiceMenuItems)
        return nullptr;
    return m_mnuDPVoice[static_cast<std::size_t>(index)];
}

QWidget* MainWindow::controlWidget(PaneControl control) const
{
    switch (control) {
    case PaneControl::WebSearch:
        return view(Pane::WebSearch);
    case PaneControl::LblSearch:
        return m_lblSearch;
    case PaneControl::PicSearch:
        return m_picSearch;
    case PaneControl::WebSubject:
        return view(Pane::WebSubject);
    case PaneControl::WebWord:
        return view(Pane::WebWord);
    case PaneControl::WebSurah:
        return view(Pane::WebSurah);
    case PaneControl::WebMain:
        return view(Pane::WebMain);
    case PaneControl::ImgMain:
        return m_imgMain;
    case PaneControl::WebControl:
        return view(Pane::WebControl);
    case PaneControl::ImgBanner:
        return m_imgBanner;
    case PaneControl::Image1:
        return m_image1;
    case PaneControl::WinMediaPlayer:
        return m_player;
    }
    return nullptr;
}

void MainWindow::handleEvent(const std::function<void()>& work)
{
    try {
        work();
    } catch (const std::exception& failure) {
        reportFailure(QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        reportFailure(tr("An unexpected failure stopped the request."));
    }
}

void MainWindow::reportFailure(const QString& text)
{
    try {
        m_host->reportError(text);
    } catch (...) {
        // Nothing more can be told; the program goes on.
    }
}

QRect MainWindow::placed(const ControlGeometry& geometry, double dpi) const
{
    QRect rect = pixelRect(geometry, dpi);
    if (isRightToLeft())
        rect.moveLeft(centralWidget()->width() - rect.x() - rect.width());
    return rect;
}

int MainWindow::layoutX(int clientX) const
{
    return isRightToLeft() ? centralWidget()->width() - clientX : clientX;
}

double MainWindow::twipsPerPixelHere() const
{
    return twipsPerPixel(logicalDpiX());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    handleEvent([&] { arrangePanes(); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The reading place is asked of the reading pane, which answers later:
    // the window closes once it has been kept.
    if (!m_lastPlaceKept) {
        event->ignore();
        if (!m_keepingLastPlace) {
            m_keepingLastPlace = true;
            // Queued: a close asked for inside this close would be refused.
            const auto closeNow = [this] {
                m_lastPlaceKept = true;
                QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            };
            try {
                m_comfort->saveLastPlace(closeNow);
            } catch (const std::exception& failure) {
                reportFailure(QString::fromLocal8Bit(failure.what()));
                closeNow();
            }
        }
        return;
    }
    // Both go to the settings file in one write.
    handleEvent([&] {
        const std::unique_ptr<QSettings> settings = openUserSettings();
        saveWindowPlace(*settings);
        savePlayerSettings(*settings);
        m_choiceMemory->save(*settings);
        keepUserSettings(*settings, this);
    });
    QMainWindow::closeEvent(event);
    emit closed();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The window manager adds its frame (title bar, borders) after the window
    // was first sized: the window moves, its outer size grows, and no resize
    // follows. The layout works from the outer size, so it is redone then.
    if (frameGeometry().size() != m_arrangedOuterSize)
        handleEvent([&] { arrangePanes(); });
}

void MainWindow::arrangePanes()
{
    // The layout works from the window's outer size, frame included.
    const QSize outer = frameGeometry().size();
    m_arrangedOuterSize = outer;
    const double perPixel = twipsPerPixelHere();
    // The outer height the arithmetic is given is the client area's (between
    // the menu bar and the status bar) and the allowance it leaves for the
    // title bar, menu and frame: the player ends at the client area's bottom
    // whatever frame the window manager draws, and whenever it draws it (a
    // window placed as it was last time may get its frame without a move).
    const double height = centralWidget()->height() * perPixel + PaneLayout::kFrameAllowance;
    // A size too small for the arithmetic ends the arrangement at the failing
    // step; what was computed before it is applied all the same.
    m_layout.arrangePanes(outer.width() * perPixel, height);
    applyLayout();
}

void MainWindow::applyLayout()
{
    const double dpi = logicalDpiX();
    for (const PaneControl control :
        {PaneControl::WebSearch, PaneControl::LblSearch, PaneControl::PicSearch, PaneControl::WebSubject,
            PaneControl::WebWord, PaneControl::WebSurah, PaneControl::WebMain, PaneControl::ImgMain,
            PaneControl::WebControl, PaneControl::ImgBanner, PaneControl::Image1, PaneControl::WinMediaPlayer}) {
        QWidget* widget = controlWidget(control);
        const ControlGeometry& geometry = m_layout.control(control);
        widget->setGeometry(placed(geometry, dpi));
        widget->setVisible(geometry.visible);
    }
    // The chapter, part and root picker takes the free room up to the small
    // emblem on its right, so that a chosen chapter's name is read whole
    // beside the part and root lists.
    QWidget* pickers = view(Pane::WebSurah);
    if (isRightToLeft()) {
        // Mirrored, the emblem is on the picker's left.
        const int left = m_image1->geometry().right() + 1 + 4;
        if (left < pickers->x())
            pickers->setGeometry(left, pickers->y(), pickers->geometry().right() + 1 - left, pickers->height());
    } else {
        const int room = m_image1->x() - 4 - pickers->x();
        if (room > pickers->width())
            pickers->resize(room, pickers->height());
    }
    // The strip is the divider while the control pane is shown.
    m_imgMain->setFocusPolicy(m_layout.control(PaneControl::WebControl).visible ? Qt::TabFocus : Qt::NoFocus);
    m_imgMain->setCursor(m_layout.control(PaneControl::WebControl).visible ? Qt::SplitHCursor : Qt::ArrowCursor);
    // The strip between the reading pane and the control pane is painted for
    // its size so that its ornaments keep their shape.
    const QSize stripSize = m_imgMain->size();
    if (!stripSize.isEmpty()
        && (m_imgMain->pixmap().isNull() || m_imgMain->pixmap().deviceIndependentSize().toSize() != stripSize))
        m_imgMain->setPixmap(stripPixmap(stripSize, devicePixelRatioF()));
}

QList<QWidget*> MainWindow::tabOrder() const
{
    // The search box and its magnifier, the banner's pickers left to right
    // as drawn, the gear, the reading pane, the divider, the control pane,
    // then the strip's controls left to right.
    std::array<QWidget*, 3> pickers{view(Pane::WebSubject), view(Pane::WebWord), view(Pane::WebSurah)};
    // As they are seen: left to right, or right to left in a mirrored window.
    const bool mirrored = isRightToLeft();
    const auto seenBefore = [mirrored](QWidget* a, QWidget* b) {
        return mirrored ? a->geometry().x() > b->geometry().x() : a->geometry().x() < b->geometry().x();
    };
    std::stable_sort(pickers.begin(), pickers.end(), seenBefore);
    QList<QWidget*> order{view(Pane::WebSearch), m_picSearch, pickers[0], pickers[1], pickers[2], m_image1,
        view(Pane::WebMain), m_imgMain, view(Pane::WebControl)};
    QList<QWidget*> strip = m_player->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    strip.removeIf([](QWidget* control) { return !(control->focusPolicy() & Qt::TabFocus); });
    std::stable_sort(strip.begin(), strip.end(), seenBefore);
    return order + strip;
}

bool MainWindow::focusNextPrevChild(bool next)
{
    // The panes' keys go to widgets the browser engine makes and remakes
    // inside them, which the window's own focus chain would put last: Tab
    // follows the order the controls are seen in instead.
    const QList<QWidget*> order = tabOrder();
    QWidget* focused = QApplication::focusWidget();
    const auto holder = std::find_if(order.cbegin(), order.cend(),
        [focused](QWidget* control) { return control == focused || control->isAncestorOf(focused); });
    if (holder == order.cend())
        return QMainWindow::focusNextPrevChild(next);
    const qsizetype count = order.size();
    qsizetype index = holder - order.cbegin();
    for (qsizetype step = 1; step < count; ++step) {
        QWidget* candidate = order[(index + (next ? step : count - step)) % count];
        // A pane takes the focus through the widget inside it.
        const bool takesFocus = candidate->focusProxy() || (candidate->focusPolicy() & Qt::TabFocus);
        if (candidate->isVisible() && candidate->isEnabled() && takesFocus) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void MainWindow::showDownloadDialog()
{
    DownloadDialog dialog(
        *m_state.gConnection,
        [this](int masterId, const QString& reciter) {
            return m_logic->downloadFolderFor(QString::number(masterId), playback::defaultRecitationFolder(reciter));
        },
        [this](int masterId, const QString& folder) { m_logic->keepDownloadFolder(QString::number(masterId), folder); },
        this);
    dialog.exec();
}

void MainWindow::showTextDownloadDialog()
{
    // The address the reader gave last (a mirror), or the public service.
    const QString baseKey = QStringLiteral("texts/serviceAddress");
    TextDownloadDialog dialog(
        *m_state.gConnection, openUserSettings()->value(baseKey).toString(),
        [this] { handleEvent([&] { m_logic->textsChanged(); }); }, this);
    dialog.exec();
    openUserSettings()->setValue(baseKey, dialog.baseEdit()->text().trimmed());
}

void MainWindow::playFromVerse(const QString& verseTableId)
{
    stopFollowing();
    handleEvent([&] { m_logic->readingPageDoubleClick(verseTableId); });
    m_lastRecitedVerse = m_state.gLastAyahRef;
    bool isVerse = false;
    verseTableId.trimmed().toInt(&isVerse);
    if (isVerse)
        handleEvent([&] { m_follower->follow(playback::RecordingVerses::of(m_state, m_state.gLastAyahRef)); });
}

void MainWindow::reciteNeighbour(int step)
{
    if (m_follower->isFollowing()) {
        // A double-click plays on: the verse next to the one heard plays on
        // in the same way.
        const qint32 heard = m_follower->heardVerse() != 0 ? m_follower->heardVerse() : m_state.gLastAyahRef;
        bool exists = false;
        handleEvent(
            [&] { exists = !playback::RecitationPlan::referenceOf(*m_state.gConnection, heard + step).isEmpty(); });
        if (exists)
            playFromVerse(QString::number(heard + step));
        return;
    }
    const playback::RecitationPlan& plan = m_logic->recitation();
    if (plan.isRunning()) {
        if (step > 0)
            m_logic->reciteNextVerse();
        else
            m_logic->recitePreviousVerse();
        return;
    }
    // No recitation runs: the verse next to the one recited last starts one,
    // with the repeat settings of the strip.
    const qint32 from = m_lastRecitedVerse != 0 ? m_lastRecitedVerse : m_state.gLastAyahRef;
    if (from == 0)
        return;
    handleEvent([&] {
        const QString verse = playback::RecitationPlan::referenceOf(*m_state.gConnection, from + step);
        if (verse.isEmpty())
            return;
        const PlayerStrip::RepeatSettings repeat = m_player->repeatSettings();
        m_logic->recite(
            playback::RecitationRequest{verse, verse, repeat.verseRepeat, repeat.rangeRepeat, repeat.gapMs});
    });
}

void MainWindow::markRecitedVerse(qint32 ayahRef, const QString& /*reference*/)
{
    // A recitation marks its own verses.
    m_follower->stop();
    m_markedVerse = ayahRef;
    if (ayahRef != 0)
        m_lastRecitedVerse = ayahRef;
    if (ayahRef == 0)
        m_recitationGap->stop();
    applyVerseMark();
    emit recitedVerseMarked(ayahRef);
}

void MainWindow::showHeardVerse(qint32 ayahRef)
{
    m_markedVerse = ayahRef;
    if (ayahRef != 0)
        m_lastRecitedVerse = ayahRef;
    applyVerseMark();
    emit recitedVerseMarked(ayahRef);
}

void MainWindow::stopFollowing()
{
    if (!m_follower->isFollowing())
        return;
    m_follower->stop();
    showHeardVerse(0);
}

void MainWindow::showStatus(const QString& text, int milliseconds)
{
    statusBar()->showMessage(text, milliseconds);
}

void MainWindow::startRecitationGap(int milliseconds)
{
    m_recitationGap->start(milliseconds);
}

void MainWindow::applyVerseMark()
{
    const QString id = m_markedVerse == 0 ? QString() : QString::number(m_markedVerse);
    page(Pane::WebMain)->runScript(QStringLiteral("window.tilvoraRecitation && tilvoraRecitation.mark('%1');").arg(id));
}

void MainWindow::showAbout()
{
    AboutWindow about(this);
    about.exec();
}

} // namespace tilvora::ui

#include "ui/mushaf/mushafmode.h"

#include "mushaf/mushafindex.h"
#include "mushaf/mushafpage.h"
#include "navigation/mainwindowlogic.h"
#include "pages/versecatalogue.h"
#include "store/dberror.h"
#include "store/sharedstate.h"
#include "store/versename.h"
#include "ui/mushaf/mushafview.h"
#include "ui/panes/browserpane.h"
#include "ui/reading/readingcomfort.h"
#include "ui/reading/texthider.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <utility>

#include <utility>

namespace tilvora::ui {

namespace {

const QString kFontFile = QStringLiteral("fonts/uthmanic-hafs-v22.ttf");

// The mushaf's font: beside the programs (where it is installed), or in the
// application folder.
QString fontPath(const QString& appFolder)
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + QLatin1Char('/') + kFontFile;
    return QFileInfo::exists(besideProgram) ? besideProgram : appFolder + QLatin1Char('/') + kFontFile;
}

} // namespace

MushafMode::MushafMode(MainWindow& window) : QObject(&window), m_window(window)
{
    m_tableHider = new TextHider(
        window.page(host::Pane::WebMain),
        [&window] {
            QStringList classes;
            for (const int order : pages::arabicTextOrders(window.state()))
                classes.append(QStringLiteral("CSS%1").arg(order));
            return classes;
        },
        this);
    createActions(window.comfort().viewMenu());
    window.view(host::Pane::WebMain)->installEventFilter(this);
    connect(window.page(host::Pane::WebMain), &QWebEnginePage::loadFinished, this, &MushafMode::readingPaneLoaded);
    connect(&window, &MainWindow::recitedVerseMarked, this, [this](qint32 ayahRef) {
        if (m_view)
            m_view->markRecited(ayahRef);
    });
    connect(window.comfort().viewMenu(), &QMenu::triggered, this, &MushafMode::syncComfort);
    // A bookmark opened while the pages are shown opens its page.
    connect(&window.comfort(), &ReadingComfort::placeOpened, this, [this](int ayahRef) {
        if (m_view && m_shown) {
            m_placeOpened = true;
            m_view->showVerse(ayahRef, true);
        }
    });
    window.verseMenu().add(
        {QStringLiteral("MnuShowInMushaf"), QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "Show in the &mushaf")),
            [this](const VerseUnderPointer&) { return !m_shown; },
            [this](const VerseUnderPointer& clicked) { showVerse(clicked.ayahRef); }});
    QTimer::singleShot(0, this, &MushafMode::restore);
}

MushafMode::~MushafMode()
{
    save();
}

void MushafMode::createActions(QMenu* viewMenu)
{
    viewMenu->addSeparator();
    m_modeAction = viewMenu->addAction(QString());
    m_modeAction->setObjectName(QStringLiteral("MnuMushaf"));
    m_modeAction->setCheckable(true);
    m_modeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(m_modeAction, &QAction::triggered, this, [this](bool on) { setShown(on); });

    m_goToAction = viewMenu->addAction(QString());
    m_goToAction->setObjectName(QStringLiteral("MnuGoToPage"));
    m_goToAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(m_goToAction, &QAction::triggered, this, &MushafMode::goToPage);

    m_hideAction = viewMenu->addAction(QString());
    m_hideAction->setObjectName(QStringLiteral("MnuHideText"));
    m_hideAction->setCheckable(true);
    m_hideAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(m_hideAction, &QAction::toggled, this, &MushafMode::setHiding);

    m_revealMenu = viewMenu->addMenu(QString());
    m_revealMenu->setObjectName(QStringLiteral("MnuReveal"));
    m_revealMenu->setEnabled(false);
    addRevealAction(m_revealMenu, QStringLiteral("MnuRevealWord"), QString(), QKeyCombination(Qt::Key_Space),
        [](mushaf::RevealModel& m) { return m.revealWord(); });
    addRevealAction(m_revealMenu, QStringLiteral("MnuRevealLine"), QString(), QKeyCombination(Qt::Key_Return),
        [](mushaf::RevealModel& m) { return m.revealLine(); });
    addRevealAction(m_revealMenu, QStringLiteral("MnuRevealVerse"), QString(), Qt::SHIFT | Qt::Key_Return,
        [](mushaf::RevealModel& m) { return m.revealVerse(); });
    addRevealAction(m_revealMenu, QStringLiteral("MnuRevealAll"), QString(), Qt::CTRL | Qt::Key_Return,
        [](mushaf::RevealModel& m) { return m.revealAll(); });
    addRevealAction(m_revealMenu, QStringLiteral("MnuHideWord"), QString(), QKeyCombination(Qt::Key_Backspace),
        [](mushaf::RevealModel& m) { return m.hideLast(); });
    // The keys reveal in the verse table too, while it has the focus.
    m_window.view(host::Pane::WebMain)->addActions(m_revealMenu->actions());
    retranslate();
}

void MushafMode::retranslate()
{
    //: The reading pane's second mode: the pages of a printed copy of the Quran.
    m_modeAction->setText(tr("&Mushaf pages"));
    m_goToAction->setText(tr("&Go to page..."));
    //: Hides the text of the mushaf's page, for reciting from memory.
    m_hideAction->setText(tr("&Hide the text"));
    //: Shows hidden text of the mushaf's page again, step by step.
    m_revealMenu->setTitle(tr("&Reveal"));
    const QList<std::pair<QString, QString>> reveals{{QStringLiteral("MnuRevealWord"), tr("Next &word")},
        {QStringLiteral("MnuRevealLine"), tr("Rest of the &line")},
        {QStringLiteral("MnuRevealVerse"), tr("Rest of the &verse")},
        {QStringLiteral("MnuRevealAll"), tr("&Everything")},
        {QStringLiteral("MnuHideWord"), tr("&Hide the last word again")}};
    for (const auto& [name, text] : reveals) {
        for (QAction* action : m_revealMenu->actions()) {
            if (action->objectName() == name)
                action->setText(text);
        }
    }
}

void MushafMode::setHiding(bool on)
{
    if (m_view)
        m_view->setHiding(on);
    m_tableHider->setHiding(on);
    m_revealMenu->setEnabled(on);
    // Disabled, the keys go on doing what they do in the table (Enter recites).
    for (QAction* action : m_revealMenu->actions())
        action->setEnabled(on);
}

void MushafMode::addRevealAction(
    QMenu* menu, const QString& name, const QString& text, QKeyCombination key, bool (*step)(mushaf::RevealModel&))
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(QKeySequence(key));
    action->setEnabled(false);
    // The keys reveal only while the mushaf's pages or the verse table have
    // the focus (the actions are added to both views as well).
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, step] {
        if (m_view && m_shown) {
            if (m_view->isHiding() && step(m_view->reveal()))
                m_view->applyReveal();
        } else if (m_tableHider->isHiding() && step(m_tableHider->reveal())) {
            m_tableHider->applyReveal();
        }
    });
}

bool MushafMode::ensureView()
{
    if (m_view)
        return true;
    store::SharedState& state = m_window.state();
    try {
        m_index = std::make_shared<const mushaf::MushafIndex>(mushaf::MushafIndex::load(*state.gConnection));
    } catch (const store::Error& error) {
        QMessageBox::information(&m_window, tr("Mushaf pages"), error.message());
        return false;
    }
    QWidget* reading = m_window.view(host::Pane::WebMain);
    m_view = new MushafView(*state.gConnection, m_index, fontPath(state.gAppFolder), reading->parentWidget());
    m_view->hide();
    // As a double-click in the table: the verse recited on to the end of
    // its recording, each verse marked as it is heard.
    connect(m_view, &MushafView::verseDoubleClicked, this,
        [this](qint32 ayahRef) { m_window.playFromVerse(QString::number(ayahRef)); });
    connect(m_view, &MushafView::verseMenuRequested, this, &MushafMode::showVerseMenu);
    connect(m_view, &MushafView::pagePainted, this, [this](int page) { m_page = page; });
    const auto turn = [this](Qt::Key key, int step) {
        auto* shortcut = new QShortcut(QKeySequence(key), m_view, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, m_view, [this, step] { m_view->turn(step); });
    };
    // A book opened from the right: the next page lies to the left.
    turn(Qt::Key_PageDown, 1);
    turn(Qt::Key_Left, 1);
    turn(Qt::Key_PageUp, -1);
    turn(Qt::Key_Right, -1);
    m_view->addActions(m_revealMenu->actions());
    syncComfort();
    m_view->setHiding(m_hideAction->isChecked());
    return true;
}

bool MushafMode::setShown(bool shown)
{
    if (shown == m_shown) {
        m_modeAction->setChecked(shown);
        return true;
    }
    if (shown && !ensureView()) {
        m_modeAction->setChecked(false);
        return false;
    }
    m_shown = shown;
    m_modeAction->setChecked(shown);
    if (shown) {
        // The page remembered from the last run, else the page of the
        // verse at the top of the table, once the table has said which.
        if (m_restoredPage != 0) {
            showPage(std::exchange(m_restoredPage, 0));
        } else {
            m_window.comfort().askTopVerse([this, ask = ++m_topVerseAsks](int ref) {
                if (m_view && m_shown && ask == m_topVerseAsks)
                    showPage(m_index->placeOf(ref).page);
            });
        }
    } else {
        const qint32 first = m_view->firstShownVerse();
        m_view->hide();
        const QString reference = m_index->reference(first);
        if (!reference.isEmpty())
            m_window.comfort().openPlace(
                {reference.section(QLatin1Char(':'), 0, 0).toInt(), reference.section(QLatin1Char(':'), 1).toInt()});
        m_window.view(host::Pane::WebMain)->setFocus();
    }
    save();
    return true;
}

void MushafMode::showPage(int page)
{
    m_view->showPage(page != 0 ? page : 1);
    followReadingPane();
    m_view->show();
    m_view->raise();
    m_view->webView()->setFocus();
}

bool MushafMode::openPage(int page)
{
    // Shown at once on that page, whatever the table shows.
    ++m_topVerseAsks;
    if (!m_shown && ensureView())
        m_restoredPage = page;
    if (!setShown(true))
        return false;
    m_view->showPage(page);
    return true;
}

void MushafMode::showVerse(qint32 ayahRef)
{
    // Shown at once on the verse's page, whatever the table shows.
    ++m_topVerseAsks;
    if (!m_shown && ensureView())
        m_restoredPage = m_index->placeOf(ayahRef).page;
    if (!setShown(true))
        return;
    m_view->showVerse(ayahRef, true);
}

bool MushafMode::eventFilter(QObject* watched, QEvent* event)
{
    if (m_view && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        followReadingPane();
    return QObject::eventFilter(watched, event);
}

void MushafMode::followReadingPane()
{
    if (m_view)
        m_view->setGeometry(m_window.view(host::Pane::WebMain)->geometry());
}

void MushafMode::readingPaneLoaded(bool ok)
{
    if (!ok || !m_shown)
        return;
    if (std::exchange(m_placeOpened, false) && m_window.comfort().searchText().isEmpty())
        return;
    // A search's results are verses from anywhere: they are read in the table.
    if (!m_window.comfort().searchText().isEmpty()) {
        setShown(false);
        return;
    }
    // A chapter or part picked: its first verse stands at the top of the
    // table once the comfort script has placed it.
    m_window.page(host::Pane::WebMain)
        ->runJavaScript(QStringLiteral("window.tilvoraComfort ? window.tilvoraComfort.topVerse() : 0"),
            [this](const QVariant& answer) {
                if (m_view && m_shown && answer.toInt() > 0)
                    m_view->showVerse(answer.toInt(), false);
            });
}

void MushafMode::syncComfort()
{
    if (!m_view)
        return;
    m_view->setTheme(m_window.comfort().theme());
    m_view->setZoom(m_window.comfort().zoom());
}

void MushafMode::showVerseMenu(qint32 ayahRef)
{
    m_window.handleEvent([&] {
        store::Connection& connection = *m_window.state().gConnection;
        VerseUnderPointer clicked;
        clicked.ayahRef = ayahRef;
        clicked.name = store::nameVerse(connection, ayahRef);
        clicked.texts = QStringList{mushaf::MushafPage::verseText(connection, ayahRef)};
        if (QMenu* menu = m_window.verseMenu().create(clicked, &m_window))
            menu->popup(QCursor::pos());
    });
}

void MushafMode::goToPage()
{
    if (!setShown(true))
        return;
    bool ok = false;
    const int page = QInputDialog::getInt(&m_window, tr("Go to page"),
        //: %1 is the number of the mushaf's last page.
        tr("Page of the mushaf (1 to %1):").arg(QLocale().toString(m_index->pageCount())), m_view->currentPage(), 1,
        m_index->pageCount(), 1, &ok);
    if (ok)
        m_view->showPage(page);
}

void MushafMode::restore()
{
    const std::unique_ptr<QSettings> settings = openUserSettings();
    m_restoredPage = settings->value(QStringLiteral("mushaf/page"), 0).toInt();
    if (settings->value(QStringLiteral("mushaf/shown"), false).toBool())
        setShown(true);
}

void MushafMode::save() const
{
    const std::unique_ptr<QSettings> settings = openUserSettings();
    settings->setValue(QStringLiteral("mushaf/shown"), m_shown);
    if (m_page != 0)
        settings->setValue(QStringLiteral("mushaf/page"), m_page);
}

} // namespace tilvora::ui

#include "ui/reading/readingcomfort.h"

#include "navigation/mainwindowlogic.h"
#include "navigation/panecommand.h"
#include "pages/versecatalogue.h"
#include "store/arabicfold.h"
#include "store/sharedstate.h"
#include "store/userfolder.h"
#include "store/versename.h"
#include "ui/art/artwork.h"
#include "ui/dialogs/logictext.h"
#include "ui/panes/browserpane.h"
#include "ui/reading/chapternames.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/usersettings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWebEngineView>
#include <QWheelEvent>

#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::ui {

using host::Pane;

namespace {

const QString kThemeKey = u"reading/theme"_s;
const QString kZoomKey = u"reading/zoom"_s;
const QString kFontKey = u"reading/arabicFont"_s;
constexpr double kZoomStep = 1.1;

// The reading pane first: what the reader looks at is restyled first.
constexpr std::array<Pane, 6> kAllPanes{
    Pane::WebMain, Pane::WebSearch, Pane::WebSurah, Pane::WebWord, Pane::WebSubject, Pane::WebControl};

// The Arabic folding as a table of the characters it changes, for the page
// script to match as the search did.
QJsonObject foldTable()
{
    QJsonObject table;
    for (char16_t c = 0x0600; c <= 0x06FF; ++c) {
        const QString one(QChar{c});
        const QString folded = store::foldArabic(one);
        if (folded != one)
            table.insert(one, folded);
    }
    return table;
}

// A verse as "chapter:verse", in the numbers of the window's language.
QString verseNumber(int surah, int ayah)
{
    const QLocale locale;
    return locale.toString(surah) + u':' + locale.toString(ayah);
}

QString menuText(QString text)
{
    return text.replace(u'&', u"&&"_s);
}

QPalette themePalette(const pages::ThemeColours& c)
{
    QPalette palette;
    const QColor page(c.page), text(c.text), field(c.field), border(c.border), link(c.link);
    palette.setColor(QPalette::Window, page);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, field);
    palette.setColor(QPalette::AlternateBase, page);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, field);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, field);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, border);
    palette.setColor(QPalette::Highlight, link);
    palette.setColor(QPalette::HighlightedText, page);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::Mid, border);
    palette.setColor(QPalette::Disabled, QPalette::Text, border);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, border);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, border);
    return palette;
}

// Every text colour of the palette stands out from the colour it is drawn
// on by at least 4.5:1, in both colour groups a window uses: a selected
// row's colour is darkened or lightened, a placeholder's text likewise.
QPalette legible(QPalette palette)
{
    constexpr double kRatio = 4.5;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = palette.color(group, QPalette::Base);
        const QColor window = palette.color(group, QPalette::Window);
        const auto fix = [&](QPalette::ColorRole role, const QColor& on) {
            palette.setColor(group, role, palette::legibleOn(palette.color(group, role), on, kRatio));
        };
        fix(QPalette::WindowText, window);
        fix(QPalette::Text, base);
        fix(QPalette::ButtonText, palette.color(group, QPalette::Button));
        fix(QPalette::ToolTipText, palette.color(group, QPalette::ToolTipBase));
        fix(QPalette::PlaceholderText, base);
        fix(QPalette::Link, base);
        fix(QPalette::LinkVisited, base);
        fix(QPalette::Highlight, palette.color(group, QPalette::HighlightedText));
    }
    return palette;
}

} // namespace

QPalette ReadingComfort::windowPalette(pages::Theme theme)
{
    static const QPalette original = QApplication::palette();
    return legible(theme == pages::Theme::Light ? original : themePalette(pages::themeColours(theme)));
}

ReadingComfort::ReadingComfort(MainWindow& window, store::SharedState& state)
    : QObject(&window),
      m_window(window),
      m_state(state),
      m_settings(openUserSettings()),
      m_bookmarks(std::make_unique<store::BookmarkStore>(bookmarksPath()))
{
    m_theme = pages::themeNamed(m_settings->value(kThemeKey).toString()).value_or(pages::Theme::Light);
    bool isNumber = false;
    const double zoom = m_settings->value(kZoomKey, 1.0).toDouble(&isNumber);
    m_zoom = isNumber ? std::clamp(zoom, kMinZoom, kMaxZoom) : 1.0;
    m_arabicFont = m_settings->value(kFontKey).toString();
    if (!arabicFonts().contains(m_arabicFont))
        m_arabicFont.clear();
    // A stored value that is none of the choices gives way to the one in use.
    const auto keepClean = [this](const QString& key, const QVariant& inUse) {
        if (m_settings->contains(key) && m_settings->value(key).toString() != inUse.toString())
            m_settings->setValue(key, inUse);
    };
    keepClean(kThemeKey, pages::themeName(m_theme));
    keepClean(kZoomKey, m_zoom);
    keepClean(kFontKey, m_arabicFont);
    if (m_state.gConnection)
        m_catalogue = std::make_unique<pages::VerseCatalogue>(*m_state.gConnection);
}

ReadingComfort::~ReadingComfort() = default;

const QStringList& ReadingComfort::arabicFonts()
{
    static const QStringList fonts{u"Amiri"_s, u"Amiri Quran"_s, u"Scheherazade"_s, u"Noto Naskh Arabic"_s};
    return fonts;
}

QString ReadingComfort::bookmarksPath()
{
    // The reader's own folder, whose files are kept when new content comes.
    return store::UserFolder::defaultLocation() + u"/bookmarks.sqlite"_s;
}

void ReadingComfort::install(QMenuBar* menuBar)
{
    createViewMenu(menuBar);
    createBookmarksMenu(menuBar);
    retranslate();
    // The verse's own menu: offered for a verse not bookmarked yet.
    m_window.verseMenu().add(
        {u"MnuBookmarkVerse"_s, QStringLiteral(QT_TRANSLATE_NOOP("VerseMenu", "&Bookmark this verse")),
            [this](const VerseUnderPointer& clicked) { return !isBookmarked(clicked.ayahRef); },
            [this](const VerseUnderPointer& clicked) { bookmarkVerse(clicked.ayahRef); }});
    applyToPanes();
    applyPalette();
    connect(m_window.page(Pane::WebMain), &QWebEnginePage::loadFinished, this, &ReadingComfort::readingPaneLoaded);
}

void ReadingComfort::createViewMenu(QMenuBar* menuBar)
{
    m_viewMenu = new QMenu(menuBar);
    m_viewMenu->setObjectName(u"MnuView"_s);

    QMenu* themes = m_viewMenu->addMenu(QString());
    m_themesMenu = themes;
    m_themeGroup = new QActionGroup(themes);
    for (const pages::Theme theme : pages::allThemes()) {
        QAction* action = themes->addAction(QString());
        action->setData(static_cast<int>(theme));
        action->setObjectName(u"MnuTheme"_s + pages::themeName(theme));
        action->setCheckable(true);
        action->setChecked(theme == m_theme);
        m_themeGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, theme] { setTheme(theme); });
    }

    QMenu* fonts = m_viewMenu->addMenu(QString());
    m_fontsMenu = fonts;
    m_fontGroup = new QActionGroup(fonts);
    QStringList choices{QString()};
    choices += arabicFonts();
    for (const QString& family : choices) {
        // The first, the text's own font, is named in the reader's language.
        QAction* action = fonts->addAction(family.isEmpty() ? QString() : menuText(family));
        action->setObjectName(u"MnuArabicFont_"_s + QString(family).remove(u' '));
        action->setCheckable(true);
        action->setChecked(family == m_arabicFont);
        m_fontGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, family] { setArabicFont(family); });
    }

    m_viewMenu->addSeparator();
    QAction* zoomIn = m_zoomIn = m_viewMenu->addAction(QString(), this, [this] { zoomBy(1); });
    zoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* zoomOut = m_zoomOut = m_viewMenu->addAction(QString(), this, [this] { zoomBy(-1); });
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    QAction* actualSize = m_actualSize = m_viewMenu->addAction(QString(), this, [this] { setZoom(1.0); });
    actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    m_viewMenu->addSeparator();
    QAction* next = m_nextMatch = m_viewMenu->addAction(QString(), this, [this] { nextMatch(); });
    next->setShortcut(QKeySequence(Qt::Key_F3));
    QAction* previous = m_previousMatch = m_viewMenu->addAction(QString(), this, [this] { previousMatch(); });
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    for (QAction* action : {zoomIn, zoomOut, actualSize, next, previous})
        action->setShortcutContext(Qt::WindowShortcut);
    // Shortcuts work while the menu bar is closed: the window holds them too.
    m_window.addActions({zoomIn, zoomOut, actualSize, next, previous});

    menuBar->insertMenu(menuBar->actions().value(1), m_viewMenu);
}

void ReadingComfort::retranslate()
{
    m_viewMenu->setTitle(tr("&View"));
    m_themesMenu->setTitle(tr("&Theme"));
    for (QAction* action : m_themeGroup->actions())
        action->setText(themeTitle(static_cast<pages::Theme>(action->data().toInt())));
    m_fontsMenu->setTitle(tr("Arabic &Font"));
    //: The Arabic font the text's own program names.
    m_fontGroup->actions().constFirst()->setText(tr("As the Text Defines"));
    m_zoomIn->setText(tr("Zoom &In"));
    m_zoomOut->setText(tr("Zoom &Out"));
    m_actualSize->setText(tr("&Actual Size"));
    m_nextMatch->setText(tr("&Next Match"));
    m_previousMatch->setText(tr("&Previous Match"));
    m_bookmarksMenu->setTitle(tr("&Bookmarks"));
    // The bookmarks name their chapters in the reader's language.
    rebuildBookmarksMenu();
}

void ReadingComfort::createBookmarksMenu(QMenuBar* menuBar)
{
    m_bookmarksMenu = new QMenu(menuBar);
    m_bookmarksMenu->setObjectName(u"MnuBookmarks"_s);
    menuBar->insertMenu(menuBar->actions().value(2), m_bookmarksMenu);
    rebuildBookmarksMenu();
}

void ReadingComfort::rebuildBookmarksMenu()
{
    // One action for Ctrl+D, made once: an action made anew at each rebuild
    // would stay on the window beside the old one, and the shortcut, then
    // held by two actions, would do nothing.
    if (!m_bookmarkTop) {
        m_bookmarkTop = new QAction(this);
        m_bookmarkTop->setObjectName(u"MnuBookmarkTop"_s);
        m_bookmarkTop->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
        connect(m_bookmarkTop, &QAction::triggered, this, [this] { bookmarkTopVerse(); });
        m_window.addAction(m_bookmarkTop);
    }
    m_bookmarkTop->setText(tr("&Bookmark the Verse at the Top"));
    m_bookmarksMenu->clear();
    m_bookmarksMenu->addAction(m_bookmarkTop);

    const QList<store::VersePlace> places = m_bookmarks->bookmarks();
    if (places.isEmpty())
        return;
    m_bookmarksMenu->addSeparator();
    QMenu* remove = new QMenu(tr("&Remove Bookmark"), m_bookmarksMenu);
    remove->setObjectName(u"MnuRemoveBookmark"_s);
    for (const store::VersePlace& place : places) {
        QString text = verseNumber(place.surah, place.ayah);
        if (m_catalogue) {
            if (m_catalogue->chapter(place.surah))
                text = chapterTitle(place.surah) + u"  "_s + text;
            if (const auto ref = m_catalogue->refOf(place)) {
                const QString words = pages::openingWords(m_state, *ref, 4);
                if (!words.isEmpty())
                    text += u"  \u2014  "_s + words;
            }
        }
        QAction* open = m_bookmarksMenu->addAction(menuText(text), this, [this, place] { openPlace(place); });
        open->setData(QVariant::fromValue(QStringList{QString::number(place.surah), QString::number(place.ayah)}));
        remove->addAction(menuText(text), this, [this, place] {
            if (!m_bookmarks->remove(place))
                //: %1 is a verse as chapter:verse, %2 the reason.
                tellNotStored(tr("The bookmark of %1 was not removed: %2.").arg(verseNumber(place.surah, place.ayah)));
            rebuildBookmarksMenu();
        });
    }
    m_bookmarksMenu->addSeparator();
    m_bookmarksMenu->addMenu(remove);
}

QJsonObject ReadingComfort::settingsFor(Pane pane) const
{
    const bool reading = pane == Pane::WebMain;
    QJsonObject config;
    config.insert(u"reading"_s, reading);
    if (reading) {
        config.insert(u"css"_s, pages::readingPaneStyle(m_theme, m_arabicFont, pages::arabicTextOrders(m_state)));
        QJsonArray chapters;
        if (m_catalogue) {
            for (const pages::ChapterEntry& chapter : m_catalogue->chapters()) {
                // The Arabic name beside the title, unless the title is in Arabic already.
                const QString title = chapterTitle(chapter.number);
                const QString arabic = title.contains(chapter.arabicName) ? QString() : chapter.arabicName;
                chapters.append(QJsonArray{chapter.number, chapter.firstRef, arabic, title});
            }
        }
        config.insert(u"chapters"_s, chapters);
        // Searched as the search itself looked for it: without its first "*", folded.
        QString needle = m_searchText;
        const qsizetype star = needle.indexOf(u'*');
        if (star >= 0)
            needle.remove(star, 1);
        config.insert(u"needle"_s, store::searchFormOf(needle));
        config.insert(u"fold"_s, foldTable());
    } else {
        config.insert(u"css"_s, pages::otherPaneStyle(m_theme));
    }
    return config;
}

void ReadingComfort::applyToPanes()
{
    for (const Pane pane : kAllPanes) {
        PanePage* page = m_window.page(pane);
        const QJsonObject settings = settingsFor(pane);
        page->paneScripts().configure(PaneScripts::Module::Comfort, settings);
        page->runScript(u"if (window.tilvoraComfort) window.tilvoraComfort.apply(%1);"_s.arg(
            QString::fromUtf8(QJsonDocument(settings).toJson(QJsonDocument::Compact))));
    }
}

void ReadingComfort::applyPalette()
{
    QApplication::setPalette(windowPalette(m_theme));
}

void ReadingComfort::setTheme(pages::Theme theme)
{
    m_theme = theme;
    for (QAction* action : m_themeGroup->actions())
        action->setChecked(action->text() == pages::themeName(theme));
    applyToPanes();
    applyPalette();
    m_settings->setValue(kThemeKey, pages::themeName(theme));
    keepSettingsSoon();
}

void ReadingComfort::setArabicFont(const QString& family)
{
    m_arabicFont = arabicFonts().contains(family) ? family : QString();
    for (QAction* action : m_fontGroup->actions())
        action->setChecked(action->objectName() == u"MnuArabicFont_"_s + QString(m_arabicFont).remove(u' '));
    applyToPanes();
    m_settings->setValue(kFontKey, m_arabicFont);
    keepSettingsSoon();
}

void ReadingComfort::keepSettingsSoon()
{
    // Writing the settings file waits for the disk: it is done once the
    // panes have their new style, from the event loop, once for a run of
    // choices made in a row.
    if (!m_keepTimer) {
        m_keepTimer = new QTimer(this);
        m_keepTimer->setSingleShot(true);
        m_keepTimer->setInterval(0);
        connect(m_keepTimer, &QTimer::timeout, this, [this] { keepUserSettings(*m_settings, &m_window); });
    }
    m_keepTimer->start();
}

void ReadingComfort::setZoom(double factor)
{
    m_zoom = std::clamp(std::round(factor * 100) / 100, kMinZoom, kMaxZoom);
    m_settings->setValue(kZoomKey, m_zoom);
    keepUserSettings(*m_settings, &m_window);
    applyZoom();
}

void ReadingComfort::zoomBy(int steps)
{
    setZoom(m_zoom * std::pow(kZoomStep, steps));
}

void ReadingComfort::applyZoom()
{
    m_window.view(Pane::WebMain)->setZoomFactor(m_zoom);
}

bool ReadingComfort::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta != 0)
                zoomBy(delta > 0 ? 1 : -1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ReadingComfort::readingPaneLoaded(bool ok)
{
    applyZoom();
    // The widget that takes the pane's input exists once a page was shown.
    QWidget* input = m_window.view(Pane::WebMain)->focusProxy();
    if (input && input != m_wheelWatched) {
        input->installEventFilter(this);
        m_wheelWatched = input;
    }
    if (ok && m_pendingVerse) {
        runInReadingPane(u"window.tilvoraComfort && window.tilvoraComfort.showVerse(%1)"_s.arg(*m_pendingVerse));
        m_pendingVerse.reset();
    }
}

void ReadingComfort::runInReadingPane(const QString& script)
{
    m_window.page(Pane::WebMain)->runScript(script);
}

void ReadingComfort::noteCommand(const QString& commandText)
{
    const auto command = navigation::parsePaneCommand(commandText);
    if (!command || command->isControl)
        return;
    const QString& name = command->name;
    if (name == u"Search"_s)
        m_searchText = command->value;
    else if (name == u"Surah"_s || name == u"Parah"_s || name == u"Word"_s || name == u"Root"_s || name == u"Subject"_s)
        m_searchText.clear();
    else
        return;
    // Only the reading pane's next document needs to know.
    m_window.page(Pane::WebMain)->paneScripts().configure(PaneScripts::Module::Comfort, settingsFor(Pane::WebMain));
}

void ReadingComfort::nextMatch()
{
    runInReadingPane(u"window.tilvoraComfort && window.tilvoraComfort.next()"_s);
}

void ReadingComfort::previousMatch()
{
    runInReadingPane(u"window.tilvoraComfort && window.tilvoraComfort.previous()"_s);
}

void ReadingComfort::askTopVerse(std::function<void(int)> answer)
{
    // Whichever comes first, the page's answer or the time limit, answers.
    auto pending = std::make_shared<std::function<void(int)>>(std::move(answer));
    const QPointer<ReadingComfort> self(this);
    const auto deliver = [pending, self](int ref) {
        if (!self || !*pending)
            return;
        const std::function<void(int)> once = std::exchange(*pending, nullptr);
        once(ref);
    };
    QTimer::singleShot(2000, this, [deliver] { deliver(0); });
    m_window.page(Pane::WebMain)
        ->runScript(
            u"window.tilvoraComfort ? window.tilvoraComfort.topVerse() : 0"_s, [deliver](const QVariant& reply) {
                // No answer (the page went away with the window): the time
                // limit answers, if anyone is still there to hear it.
                if (reply.isValid())
                    deliver(reply.toInt());
            });
}

bool ReadingComfort::bookmarkVerse(int ayahRef)
{
    if (!m_catalogue)
        return false;
    const auto place = m_catalogue->placeOf(ayahRef);
    if (!place)
        return false;
    if (!m_bookmarks->add(*place)) {
        if (!m_bookmarks->whyNotStored().isEmpty())
            //: %1 is a verse as chapter:verse, %2 the reason.
            tellNotStored(tr("Your bookmark of %1 was not stored: %2.").arg(verseNumber(place->surah, place->ayah)));
        return false;
    }
    rebuildBookmarksMenu();
    return true;
}

QString ReadingComfort::chapterName(int surah, const QString& fallback) const
{
    // Read again when the window's language changed.
    if (m_chapterNamesLocale != QLocale().name() && m_state.gConnection) {
        m_chapterNames = ChapterNames::all(*m_state.gConnection);
        m_chapterNamesLocale = QLocale().name();
    }
    return m_chapterNames.value(surah, fallback);
}

QString ReadingComfort::chapterTitle(int surah) const
{
    const pages::ChapterEntry* chapter = m_catalogue ? m_catalogue->chapter(surah) : nullptr;
    const QString name = chapterName(surah, chapter ? chapter->latinName : QString());
    if (name.isEmpty())
        return tr("Chapter %1").arg(QLocale().toString(surah));
    //: A chapter's heading: %1 its number, %2 its name.
    return tr("%1 %2").arg(QLocale().toString(surah), name);
}

QString ReadingComfort::themeTitle(pages::Theme theme)
{
    switch (theme) {
    case pages::Theme::Sepia:
        //: A colour theme: brown text on a cream page.
        return tr("Sepia");
    case pages::Theme::Dark:
        //: A colour theme: light text on a dark page.
        return tr("Dark");
    case pages::Theme::Light:
        break;
    }
    //: A colour theme: the pages' own colours.
    return tr("Light");
}

void ReadingComfort::tellNotStored(const QString& what)
{
    QMessageBox box(
        QMessageBox::Warning, tr("Tilvora"), what.arg(m_bookmarks->whyNotStored()), QMessageBox::Ok, &m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool ReadingComfort::isBookmarked(int ayahRef) const
{
    if (!m_catalogue)
        return false;
    const auto place = m_catalogue->placeOf(ayahRef);
    return place && m_bookmarks->bookmarks().contains(*place);
}

void ReadingComfort::bookmarkTopVerse()
{
    askTopVerse([this](int ref) { bookmarkVerseAtTop(ref); });
}

void ReadingComfort::bookmarkVerseAtTop(int ref)
{
    if (ref <= 0 || !m_state.gConnection) {
        m_window.showStatus(tr("There is no verse to bookmark here."));
        return;
    }
    // The reader sees that it was done, and where to find it.
    store::VerseName name = store::nameVerse(*m_state.gConnection, ref);
    name.chapter = chapterName(name.surah, name.chapter);
    const QString verse = name.citation();
    if (bookmarkVerse(ref))
        //: %1 is the verse, e.g. "Al-Fatihah 1:2".
        m_window.showStatus(tr("Bookmarked %1 (Bookmarks menu).").arg(verse));
    else if (isBookmarked(ref))
        m_window.showStatus(tr("%1 is bookmarked already.").arg(verse));
}

void ReadingComfort::openPlace(store::VersePlace place)
{
    if (!m_catalogue)
        return;
    const auto ref = m_catalogue->refOf(place);
    if (!ref)
        return;
    m_pendingVerse = *ref;
    const QString command = u"__Surah = "_s + QString::number(place.surah);
    noteCommand(command);
    m_window.logic().executeCommand(command);
    emit placeOpened(*ref);
}

void ReadingComfort::restoreLastPlace()
{
    keepUserSettings(*m_settings, &m_window);
    if (!m_bookmarks->problem().isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Tilvora"), LogicText::translated(m_bookmarks->problem()),
            QMessageBox::Ok, &m_window);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    const auto place = m_bookmarks->lastPlace();
    if (place && !(place->surah == 1 && place->ayah == 1))
        openPlace(*place);
}

void ReadingComfort::saveLastPlace(std::function<void()> done)
{
    if (!m_catalogue) {
        done();
        return;
    }
    askTopVerse([this, done = std::move(done)](int ref) {
        keepLastPlace(ref);
        done();
    });
}

void ReadingComfort::keepLastPlace(int ref)
{
    if (ref <= 0)
        return;
    const auto place = m_catalogue->placeOf(ref);
    if (place && !m_bookmarks->setLastPlace(*place))
        //: %1 is a verse as chapter:verse, %2 the reason.
        tellNotStored(tr("The place where you stopped reading (%1) was not stored: %2.")
                          .arg(verseNumber(place->surah, place->ayah)));
}

} // namespace tilvora::ui

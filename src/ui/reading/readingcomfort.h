#pragma once

#include "host/host.h"
#include "pages/readingtheme.h"
#include "store/bookmarkstore.h"

#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QSettings;
class QTimer;

namespace tilvora::store {
struct SharedState;
}
namespace tilvora::pages {
class VerseCatalogue;
}

namespace tilvora::ui {

class MainWindow;

// Reading comfort in the desktop window: the theme, the reading pane's zoom
// and Arabic font (a View menu, remembered between runs), the search matches
// highlighted and stepped through, the chapter headings, the bookmarks and
// the place where reading stopped. The pages are left as written: the panes
// add a style sheet and a script (readingcomfort.js).
class ReadingComfort : public QObject {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 3.0;

    ReadingComfort(MainWindow& window, store::SharedState& state);
    ~ReadingComfort() override;

    // The View and Bookmarks menus, and the panes' script.
    void install(QMenuBar* menuBar);
    // After the window's load: the last place read is shown again, and a
    // bookmarks file that had to be set aside is reported.
    void restoreLastPlace();
    // Keeps the verse at the top of the reading pane as the last place, then
    // calls `done` (also when there was no place to keep).
    void saveLastPlace(std::function<void()> done);

    // A command on its way to the reading pane ("__Search = ..." and the like):
    // its search text is what the page will highlight.
    void noteCommand(const QString& commandText);

    pages::Theme theme() const { return m_theme; }
    void setTheme(pages::Theme theme);
    double zoom() const { return m_zoom; }
    void setZoom(double factor);
    void zoomBy(int steps);
    QString arabicFont() const { return m_arabicFont; }
    void setArabicFont(const QString& family);

    // The text the reading pane's page was searched for; empty when the page
    // is no search result.
    const QString& searchText() const { return m_searchText; }
    void nextMatch();
    void previousMatch();

    store::BookmarkStore& bookmarks() { return *m_bookmarks; }
    // Shows the bookmarks the file holds now (after an import).
    void refreshBookmarks() { rebuildBookmarksMenu(); }
    // Bookmarks the verse (AyahRef); false when it is no verse or bookmarked already.
    bool bookmarkVerse(int ayahRef);
    bool isBookmarked(int ayahRef) const;
    void bookmarkTopVerse();
    // Shows the chapter of the place and scrolls the reading pane to it.
    void openPlace(store::VersePlace place);
    // Asks the reading pane for the verse at its top and hands it (AyahRef,
    // 0 when none) to `answer` once the page answers, or after two seconds
    // without an answer. Never called after this object has gone.
    void askTopVerse(std::function<void(int)> answer);

    // The palette of the window and its dialogs in `theme`: every text at
    // least 4.5:1 against what it is drawn on. Light keeps the desktop's own
    // colours, as far as they are legible.
    static QPalette windowPalette(pages::Theme theme);

    // The Arabic fonts offered: the families Debian ships for Quran text.
    static const QStringList& arabicFonts();
    // The reader's own files: settings and bookmarks.
    static QString bookmarksPath();

    // Every text of the menus in the language now applied.
    void retranslate();
    // A chapter's name in the reader's language (`fallback` when the content
    // does not name it).
    QString chapterName(int surah, const QString& fallback) const;
    QMenu* viewMenu() const { return m_viewMenu; }
    QMenu* bookmarksMenu() const { return m_bookmarksMenu; }

signals:
    // openPlace was asked for this verse (a bookmark, the last place).
    void placeOpened(int ayahRef);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bookmarkVerseAtTop(int ref);
    void keepLastPlace(int ref);
    void createViewMenu(QMenuBar* menuBar);
    void createBookmarksMenu(QMenuBar* menuBar);
    void rebuildBookmarksMenu();
    void applyToPanes();
    void applyPalette();
    void keepSettingsSoon();
    void applyZoom();
    void readingPaneLoaded(bool ok);
    QJsonObject settingsFor(host::Pane pane) const;
    void runInReadingPane(const QString& script);
    // Tells the reader, once, that `what` ("Your bookmark of 2:255 was not
    // stored: %1.") happened and why: `what` is the whole sentence, with %1
    // where the reason goes.
    void tellNotStored(const QString& what);
    // A theme's name in the reader's language.
    static QString themeTitle(pages::Theme theme);
    // A chapter's number and name as headings show them.
    QString chapterTitle(int surah) const;

    MainWindow& m_window;
    store::SharedState& m_state;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<pages::VerseCatalogue> m_catalogue;
    std::unique_ptr<store::BookmarkStore> m_bookmarks;
    pages::Theme m_theme = pages::Theme::Light;
    double m_zoom = 1.0;
    QString m_arabicFont;
    QString m_searchText;
    std::optional<int> m_pendingVerse;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_bookmarksMenu = nullptr;
    QAction* m_bookmarkTop = nullptr;
    QActionGroup* m_themeGroup = nullptr;
    QActionGroup* m_fontGroup = nullptr;
    // The chapters' names in the language of m_chapterNamesLocale.
    mutable QHash<int, QString> m_chapterNames;
    mutable QString m_chapterNamesLocale;
    QMenu* m_themesMenu = nullptr;
    QMenu* m_fontsMenu = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_actualSize = nullptr;
    QAction* m_nextMatch = nullptr;
    QAction* m_previousMatch = nullptr;
    QObject* m_wheelWatched = nullptr;
    QTimer* m_keepTimer = nullptr;
};

} // namespace tilvora::ui

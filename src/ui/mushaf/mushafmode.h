#pragma once

#include <QObject>
#include <QPointer>

#include "ui/mushaf/mushafview.h"
#include <QtGlobal>

#include <memory>

class QAction;
class QMenu;

namespace tilvora::mushaf {
class MushafIndex;
}

namespace tilvora::ui {

class MainWindow;
class TextHider;

// The mushaf as the reading pane's second mode. View ▸ "Mushaf pages"
// switches between the verse table and the mushaf's pages, which then lie
// over the reading pane, keeping the place: the verse at the top of the table
// opens its page, the first verse of the page is shown at the top of the
// table. The mode and the page are remembered. A chapter or part picked
// opens the page where it begins; a search goes back to the table. The
// pages' verses answer like the table's: a double-click recites, the verse
// menu offers the same entries, a recitation is followed page by page.
class MushafMode : public QObject {
    Q_OBJECT
public:
    explicit MushafMode(MainWindow& window);
    ~MushafMode() override;

    bool isShown() const { return m_shown; }
    // Switches the reading pane's mode; false (with a message) when the
    // content has no mushaf.
    bool setShown(bool shown);
    // The view, once the mushaf was first shown; null before.
    MushafView* view() const { return m_view.data(); }
    // Opens the page in the mushaf; false (with a message) when the content
    // has no mushaf.
    bool openPage(int page);
    // Opens the verse's page in the mushaf with the verse marked.
    void showVerse(qint32 ayahRef);

    // Every text of its menu items in the language now applied.
    void retranslate();
    QAction* modeAction() const { return m_modeAction; }
    QAction* hideTextAction() const { return m_hideAction; }
    // "Hide the text" in the verse table.
    TextHider& tableHider() const { return *m_tableHider; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions(QMenu* viewMenu);
    void addRevealAction(
        QMenu* menu, const QString& name, const QString& text, QKeyCombination key, bool (*step)(mushaf::RevealModel&));
    void setHiding(bool on);
    bool ensureView();
    // Shows the view at `page` (the first page for 0).
    void showPage(int page);
    void followReadingPane();
    void readingPaneLoaded(bool ok);
    void syncComfort();
    void showVerseMenu(qint32 ayahRef);
    void goToPage();
    void restore();
    void save() const;

    MainWindow& m_window;
    QPointer<MushafView> m_view;
    // The page last painted, kept for the next run.
    int m_page = 0;
    std::shared_ptr<const mushaf::MushafIndex> m_index;
    bool m_shown = false;
    int m_restoredPage = 0;
    // Counts the times the table was asked for its top verse; an answer to
    // an older question (a verse shown meanwhile) is not followed.
    quint64 m_topVerseAsks = 0;
    QAction* m_modeAction = nullptr;
    QAction* m_goToAction = nullptr;
    QAction* m_hideAction = nullptr;
    QMenu* m_revealMenu = nullptr;
    TextHider* m_tableHider = nullptr;
    // A bookmark opened its page: the table's page loaded for it is not followed.
    bool m_placeOpened = false;
};

} // namespace tilvora::ui

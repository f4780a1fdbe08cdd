#pragma once

#include "mushaf/mushafindex.h"
#include "mushaf/revealmodel.h"
#include "pages/readingtheme.h"

#include <QElapsedTimer>
#include <QWidget>

#include <map>
#include <memory>

class QJsonObject;
class QWebEngineView;
class QWebEngineProfile;

namespace tilvora::store {
class Connection;
}

namespace tilvora::ui {

class MushafBridge;

// The mushaf's pages in a browser view of their own: one page, or two facing
// pages (the odd one on the right) when the view is wide. The page markup is
// the program's own, sent to one document that the view loads once, so a
// page turn replaces the pages without loading anything. Once a spread is
// painted, the spreads before and after it are sent too and held in the
// document laid out ahead, so that turning to them only shows them.
//
// A click marks a verse, a double-click and the verse menu are reported; a
// recited verse is highlighted and its page shown, unless the reader turned
// a page by hand in the last few seconds. "Hide the text" hides the words
// (they keep their place) and reveals them again in reading order.
class MushafView : public QWidget {
    Q_OBJECT
public:
    // How long a page turned by hand keeps a recitation from turning it.
    static constexpr int kHandTurnHoldMs = 5000;

    MushafView(store::Connection& connection, std::shared_ptr<const mushaf::MushafIndex> index, const QString& fontPath,
        QWidget* parent = nullptr);
    ~MushafView() override;

    const mushaf::MushafIndex& index() const { return *m_index; }
    QWebEngineView* webView() const { return m_view; }

    // Shows the spread that holds the page (1..pageCount).
    void showPage(int page);
    // Shows the verse's page; with `select`, marks the verse as clicked.
    void showVerse(qint32 ayahRef, bool select);
    // The next (1) or previous (-1) page or spread, as a turn by hand.
    void turn(int step);
    // The page asked for last, and the pages shown (the right one first).
    int currentPage() const { return m_page; }
    std::vector<int> shownPages() const;
    bool showsTwoPages() const { return m_twoPages; }
    // The first verse that begins on the shown pages.
    qint32 firstShownVerse() const;
    qint32 selectedVerse() const { return m_selected; }
    // The verse being recited: highlighted, its page shown (see above).
    void markRecited(qint32 ayahRef);

    void setTheme(pages::Theme theme);
    void setZoom(double factor);

    bool isHiding() const { return m_hiding; }
    void setHiding(bool hiding);
    mushaf::RevealModel& reveal() { return m_reveal; }
    // Shows what the reveal model says, after it was changed.
    void applyReveal();

signals:
    // A page sent to the document is painted (the number of the page asked).
    void pagePainted(int page);
    void verseSelected(qint32 ayahRef);
    void verseDoubleClicked(qint32 ayahRef);
    void verseMenuRequested(qint32 ayahRef);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadDocument(const QString& fontPath);
    // The pages of the spread that holds `page`, the right one first.
    std::vector<int> spreadOf(int page) const;
    // A spread's key in the document (it tells one page from two facing).
    int keyOf(const std::vector<int>& pages) const;
    // The spread's markup as the page script takes it; its words are kept
    // for the reveal model.
    QJsonObject markSpread(const std::vector<int>& pages);
    void render();
    void holdNeighbours();
    void run(const QString& script);
    void turnByHand(int step);

    store::Connection& m_connection;
    std::shared_ptr<const mushaf::MushafIndex> m_index;
    QWebEngineProfile* m_profile = nullptr;
    QWebEngineView* m_view = nullptr;
    MushafBridge* m_bridge = nullptr;
    bool m_ready = false;
    int m_page = 1;
    bool m_twoPages = false;
    int m_renderToken = 0;
    // The words of each spread the document holds, by key.
    std::map<int, std::vector<mushaf::RevealModel::Unit>> m_held;
    qint32 m_selected = 0;
    qint32 m_recited = 0;
    QElapsedTimer m_handTurn;
    pages::Theme m_theme = pages::Theme::Light;
    double m_zoom = 1.0;
    bool m_hiding = false;
    mushaf::RevealModel m_reveal;
};

} // namespace tilvora::ui

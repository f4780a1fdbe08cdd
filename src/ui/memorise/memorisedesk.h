#pragma once

#include "memorise/memorisestore.h"
#include "memorise/reviewlist.h"
#include "ui/memorise/reviewwindow.h"

#include <QDate>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;

namespace tilvora::mushaf {
class MushafIndex;
}

namespace tilvora::ui {

class MainWindow;

// Memorising in the window: the Memorise menu (learn a page, a range of
// verses, a chapter or a part; today's review; progress; forget; the daily
// limit), "Note..." in the verse menu of both views, "Notes..." in the
// Bookmarks menu, the marks of verses with a note, and File ▸ Export my data
// and Import. What the reader learns and writes lives in the reader's own
// file beside the bookmarks.
class MemoriseDesk : public QObject {
    Q_OBJECT
public:
    explicit MemoriseDesk(MainWindow& window);
    ~MemoriseDesk() override;

    memorise::MemoriseStore& store() { return *m_store; }
    // The day taken as today: the computer's date unless one was set.
    QDate today() const { return m_today.isValid() ? m_today : QDate::currentDate(); }
    void setToday(QDate day) { m_today = day; }
    QMenu* menu() const { return m_menu; }
    // Puts the menus' texts in the language chosen.
    void retranslate();

    // The day's review, at most the daily limit of pages.
    std::vector<memorise::PageReview> dayReview();
    // Opens the review window on the day's review (it stays open beside the
    // window, which stays usable).
    void startReview();
    ReviewWindow* reviewWindow() const { return m_review; }

    // Takes up the verses first..last (AyahRefs), or takes them out again;
    // false (with a message) when the reader's file could not be changed.
    bool learnVerses(qint32 first, qint32 last);
    bool forgetVerses(qint32 first, qint32 last);
    bool exportTo(const QString& path);
    bool importFrom(const QString& path);
    void editNote(qint32 ayahRef);
    void showNotes();
    void showProgress();

    // What the review window asks for.
    void showPageHidden(int page);
    void endHiding();
    void reveal(const QString& revealActionName);
    void recitePage(int page);
    bool gradePage(int page, memorise::Grade grade);

private:
    const mushaf::MushafIndex* index();
    store::VersePlace placeOf(qint32 ayahRef);
    int pageOf(store::VersePlace place);
    std::vector<store::VersePlace> placesOf(qint32 first, qint32 last);
    // Gives the page and the verse (S:A) the reader is at, once the reading
    // pane has answered.
    void askCurrentPlace(const std::function<void(int page, const QString& verse)>& answer);
    void createMenu();
    void addFileActions();
    void addVerseActions();
    void learnOrForget(bool forget);
    void chooseVerses(bool forget, int page, const QString& verse);
    void chooseDailyLimit();
    void exportData();
    void importData();
    void showNoteMarks();
    void watchMushaf();
    // Puts the review window where it hides the least of the page reviewed.
    void placeReview();
    void tell(const QString& text, bool problem = false);

    MainWindow& m_window;
    std::unique_ptr<memorise::MemoriseStore> m_store;
    std::unique_ptr<mushaf::MushafIndex> m_index;
    bool m_indexTried = false;
    QDate m_today;
    QMenu* m_menu = nullptr;
    QAction* m_learnAction = nullptr;
    QAction* m_reviewAction = nullptr;
    QAction* m_progressAction = nullptr;
    QAction* m_forgetAction = nullptr;
    QAction* m_limitAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_importAction = nullptr;
    QAction* m_notesAction = nullptr;
    QPointer<ReviewWindow> m_review;
    QPointer<QObject> m_watchedMushaf;
    // The review turned "Hide the text" on, and turns it off at its end.
    bool m_hidingForReview = false;
};

} // namespace tilvora::ui

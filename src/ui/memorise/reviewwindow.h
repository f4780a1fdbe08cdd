#pragma once

#include "memorise/reviewlist.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace tilvora::ui {

class MemoriseDesk;

// The day's review, page by page: each page is shown with its text hidden,
// the reader recites it from memory, reveals it word by word or at once,
// and grades the recall (again, hard, good, easy; keys 1 to 4); the next
// page follows. A page graded "again" comes back once more at the end. The
// page's recitation can be played first. At the end, a summary.
class ReviewWindow : public QDialog {
    Q_OBJECT
public:
    ReviewWindow(MemoriseDesk& desk, std::vector<memorise::PageReview> pages, QWidget* parent = nullptr);

    // The page being reviewed, 0 once the review is done.
    int currentPage() const;
    void grade(memorise::Grade grade);
    QLabel* heading() const { return m_heading; }
    QLabel* summary() const { return m_summary; }

signals:
    void pageGraded(int page, memorise::Grade grade);

protected:
    void changeEvent(QEvent* event) override;

private:
    // A button's text and the name of its key, as written in the sources:
    // the window words them in the language shown, now and after a change.
    struct ButtonText {
        QPushButton* button;
        const char* text;
        const char* keyName;
        // A key's name a language words its own way ("Space"), or not ("1").
        bool translatedKey;
    };

    QPushButton* addButton(QWidget* parent, const QString& name, const char* text, const QKeySequence& key,
        const char* keyName, bool translatedKey);
    void retranslateUi();
    void showCurrent();
    void showSummary();
    void writeHeading();
    void writeSummary();

    MemoriseDesk& m_desk;
    std::vector<int> m_pages;
    std::size_t m_index = 0;
    std::array<int, 4> m_counts{};
    std::vector<int> m_again;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_heading = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_question = nullptr;
    QPushButton* m_close = nullptr;
    std::vector<ButtonText> m_buttonTexts;
};

} // namespace tilvora::ui

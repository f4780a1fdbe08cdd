#include "ui/memorise/reviewwindow.h"

#include "ui/memorise/memorisedesk.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tilvora::ui {

using memorise::Grade;

ReviewWindow::ReviewWindow(MemoriseDesk& desk, std::vector<memorise::PageReview> pages, QWidget* parent)
    : QDialog(parent), m_desk(desk)
{
    setObjectName(QStringLiteral("ReviewWindow"));
    setWindowTitle(tr("Today's review"));
    for (const memorise::PageReview& page : pages)
        m_pages.push_back(page.page);

    m_stack = new QStackedWidget(this);
    auto* review = new QWidget(m_stack);
    m_heading = new QLabel(review);
    m_heading->setObjectName(QStringLiteral("ReviewHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    auto* hint = new QLabel(tr("Recite the page from memory, then reveal it and grade how well you knew it."), review);
    hint->setWordWrap(true);

    // Two by two, so that the window stays as narrow as a page.
    auto* reveal = new QGridLayout;
    const auto revealButton = [&](const QString& name, const QString& text, const QKeySequence& key,
                                  const QString& keyName, const QString& action) {
        QPushButton* button = addButton(review, name, text, key, keyName);
        connect(button, &QPushButton::clicked, this, [this, action] { m_desk.reveal(action); });
        reveal->addWidget(button, reveal->count() / 2, reveal->count() % 2);
    };
    revealButton(QStringLiteral("ReviewRevealWord"), tr("Next word"), QKeySequence(Qt::Key_Space), tr("Space"),
        QStringLiteral("MnuRevealWord"));
    revealButton(QStringLiteral("ReviewRevealLine"), tr("Rest of the line"), QKeySequence(Qt::Key_Return), tr("Enter"),
        QStringLiteral("MnuRevealLine"));
    revealButton(QStringLiteral("ReviewRevealAll"), tr("Everything"), QKeySequence(Qt::CTRL | Qt::Key_Return),
        tr("Ctrl+Enter"), QStringLiteral("MnuRevealAll"));
    revealButton(QStringLiteral("ReviewHideWord"), tr("Hide a word again"), QKeySequence(Qt::Key_Backspace),
        tr("Backspace"), QStringLiteral("MnuHideWord"));

    auto* grades = new QGridLayout;
    const std::array<QString, 4> names{tr("Again"), tr("Hard"), tr("Good"), tr("Easy")};
    for (int k = 0; k < 4; ++k) {
        QPushButton* button = addButton(review, QStringLiteral("ReviewGrade%1").arg(k + 1), names.at(std::size_t(k)),
            QKeySequence(Qt::Key_1 + k), QString::number(k + 1));
        connect(button, &QPushButton::clicked, this, [this, k] { grade(static_cast<Grade>(k)); });
        grades->addWidget(button, k / 2, k % 2);
    }
    QPushButton* listen = addButton(
        review, QStringLiteral("ReviewListen"), tr("Listen to the page"), QKeySequence(Qt::Key_L), QStringLiteral("L"));
    connect(listen, &QPushButton::clicked, this, [this] { m_desk.recitePage(currentPage()); });

    auto* reviewLayout = new QVBoxLayout(review);
    reviewLayout->addWidget(m_heading);
    reviewLayout->addWidget(hint);
    reviewLayout->addLayout(reveal);
    reviewLayout->addWidget(new QLabel(tr("How well did you know it?"), review));
    reviewLayout->addLayout(grades);
    reviewLayout->addWidget(listen, 0, Qt::AlignLeft);

    auto* done = new QWidget(m_stack);
    m_summary = new QLabel(done);
    m_summary->setObjectName(QStringLiteral("ReviewSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    auto* close = new QPushButton(tr("Close"), done);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* doneLayout = new QVBoxLayout(done);
    doneLayout->addWidget(m_summary);
    doneLayout->addWidget(close, 0, Qt::AlignRight);

    m_stack->addWidget(review);
    m_stack->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack);
    showCurrent();
}

QPushButton* ReviewWindow::addButton(
    QWidget* parent, const QString& name, const QString& text, const QKeySequence& key, const QString& keyName)
{
    //: A button's text and, in brackets, the key that presses it.
    auto* button = new QPushButton(tr("%1 (%2)").arg(text, keyName), parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    // A shortcut of the window's own: the button's own shortcut was not
    // taken while another button had the focus.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    return button;
}

int ReviewWindow::currentPage() const
{
    return m_index < m_pages.size() ? m_pages[m_index] : 0;
}

void ReviewWindow::grade(Grade grade)
{
    const int page = currentPage();
    if (page == 0)
        return;
    if (!m_desk.gradePage(page, grade))
        return;
    ++m_counts.at(static_cast<std::size_t>(grade));
    // SM-2 goes over a forgotten page again the same day: once more at the end.
    if (grade == Grade::Again && std::count(m_again.begin(), m_again.end(), page) == 0) {
        m_again.push_back(page);
        m_pages.push_back(page);
    }
    emit pageGraded(page, grade);
    ++m_index;
    showCurrent();
}

void ReviewWindow::showCurrent()
{
    const int page = currentPage();
    if (page == 0) {
        showSummary();
        return;
    }
    m_heading->setText(tr("Page %1 (%2 of %3)").arg(page).arg(m_index + 1).arg(m_pages.size()));
    m_stack->setCurrentIndex(0);
    m_desk.showPageHidden(page);
}

void ReviewWindow::showSummary()
{
    m_desk.endHiding();
    const int done = m_counts[0] + m_counts[1] + m_counts[2] + m_counts[3];
    m_summary->setText(done == 0 ? tr("Nothing is due for review today.")
                                 : tr("Review done. Pages graded: %1.").arg(done)
                + (done == 0 ? QString()
                             : QStringLiteral("\n")
                            + tr("Again %1, hard %2, good %3, easy %4.")
                                  .arg(m_counts[0])
                                  .arg(m_counts[1])
                                  .arg(m_counts[2])
                                  .arg(m_counts[3])));
    m_stack->setCurrentIndex(1);
}

} // namespace tilvora::ui

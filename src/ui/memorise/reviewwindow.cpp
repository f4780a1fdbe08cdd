#include "ui/memorise/reviewwindow.h"

#include "ui/memorise/memorisedesk.h"

#include <QEvent>
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
    for (const memorise::PageReview& page : pages)
        m_pages.push_back(page.page);

    m_stack = new QStackedWidget(this);
    auto* review = new QWidget(m_stack);
    m_heading = new QLabel(review);
    m_heading->setObjectName(QStringLiteral("ReviewHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_hint = new QLabel(review);
    m_hint->setWordWrap(true);

    // Two by two, so that the window stays as narrow as a page.
    auto* reveal = new QGridLayout;
    const auto revealButton = [&](const QString& name, const char* text, const QKeySequence& key, const char* keyName,
                                  const QString& action) {
        QPushButton* button = addButton(review, name, text, key, keyName, true);
        connect(button, &QPushButton::clicked, this, [this, action] { m_desk.reveal(action); });
        reveal->addWidget(button, reveal->count() / 2, reveal->count() % 2);
    };
    revealButton(QStringLiteral("ReviewRevealWord"), QT_TR_NOOP("Next word"), QKeySequence(Qt::Key_Space),
        QT_TR_NOOP("Space"), QStringLiteral("MnuRevealWord"));
    revealButton(QStringLiteral("ReviewRevealLine"), QT_TR_NOOP("Rest of the line"), QKeySequence(Qt::Key_Return),
        QT_TR_NOOP("Enter"), QStringLiteral("MnuRevealLine"));
    revealButton(QStringLiteral("ReviewRevealAll"), QT_TR_NOOP("Everything"), QKeySequence(Qt::CTRL | Qt::Key_Return),
        QT_TR_NOOP("Ctrl+Enter"), QStringLiteral("MnuRevealAll"));
    revealButton(QStringLiteral("ReviewHideWord"), QT_TR_NOOP("Hide a word again"), QKeySequence(Qt::Key_Backspace),
        QT_TR_NOOP("Backspace"), QStringLiteral("MnuHideWord"));

    auto* grades = new QGridLayout;
    const std::array<const char*, 4> names{
        QT_TR_NOOP("Again"), QT_TR_NOOP("Hard"), QT_TR_NOOP("Good"), QT_TR_NOOP("Easy")};
    const std::array<const char*, 4> keys{"1", "2", "3", "4"};
    for (int k = 0; k < 4; ++k) {
        QPushButton* button = addButton(review, QStringLiteral("ReviewGrade%1").arg(k + 1), names.at(std::size_t(k)),
            QKeySequence(Qt::Key_1 + k), keys.at(std::size_t(k)), false);
        connect(button, &QPushButton::clicked, this, [this, k] { grade(static_cast<Grade>(k)); });
        grades->addWidget(button, k / 2, k % 2);
    }
    QPushButton* listen = addButton(
        review, QStringLiteral("ReviewListen"), QT_TR_NOOP("Listen to the page"), QKeySequence(Qt::Key_L), "L", false);
    connect(listen, &QPushButton::clicked, this, [this] { m_desk.recitePage(currentPage()); });

    m_question = new QLabel(review);
    auto* reviewLayout = new QVBoxLayout(review);
    reviewLayout->addWidget(m_heading);
    reviewLayout->addWidget(m_hint);
    reviewLayout->addLayout(reveal);
    reviewLayout->addWidget(m_question);
    reviewLayout->addLayout(grades);
    reviewLayout->addWidget(listen, 0, Qt::AlignLeft);

    auto* done = new QWidget(m_stack);
    m_summary = new QLabel(done);
    m_summary->setObjectName(QStringLiteral("ReviewSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_close = new QPushButton(done);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto* doneLayout = new QVBoxLayout(done);
    doneLayout->addWidget(m_summary);
    doneLayout->addWidget(m_close, 0, Qt::AlignRight);

    m_stack->addWidget(review);
    m_stack->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_stack);
    retranslateUi();
    showCurrent();
}

QPushButton* ReviewWindow::addButton(QWidget* parent, const QString& name, const char* text, const QKeySequence& key,
    const char* keyName, bool translatedKey)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    m_buttonTexts.push_back({button, text, keyName, translatedKey});
    // A shortcut of the window's own: the button's own shortcut was not
    // taken while another button had the focus.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    return button;
}

void ReviewWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The review stays open beside the main window, where the reader may
    // choose another language.
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void ReviewWindow::retranslateUi()
{
    setWindowTitle(tr("Today's review"));
    m_hint->setText(tr("Recite the page from memory, then reveal it and grade how well you knew it."));
    m_question->setText(tr("How well did you know it?"));
    m_close->setText(tr("Close"));
    for (const ButtonText& shown : m_buttonTexts) {
        const QString key = shown.translatedKey ? tr(shown.keyName) : QString::fromLatin1(shown.keyName);
        //: A button's text and, in brackets, the key that presses it.
        shown.button->setText(tr("%1 (%2)").arg(tr(shown.text), key));
    }
    writeHeading();
    writeSummary();
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
    writeHeading();
    m_stack->setCurrentIndex(0);
    m_desk.showPageHidden(page);
}

void ReviewWindow::showSummary()
{
    m_desk.endHiding();
    writeSummary();
    m_stack->setCurrentIndex(1);
}

void ReviewWindow::writeHeading()
{
    if (const int page = currentPage(); page != 0)
        m_heading->setText(tr("Page %1 (%2 of %3)").arg(page).arg(m_index + 1).arg(m_pages.size()));
}

void ReviewWindow::writeSummary()
{
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
}

} // namespace tilvora::ui

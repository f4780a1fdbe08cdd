#include "ui/memorise/notesdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tilvora::ui {

NotesDialog::NotesDialog(Source notes, QWidget* parent) : QDialog(parent), m_source(std::move(notes))
{
    setObjectName(QStringLiteral("NotesDialog"));
    setWindowTitle(tr("Your notes"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("NotesSearch"));
    m_search->setPlaceholderText(tr("Search in your notes"));
    m_search->setAccessibleName(tr("Search in your notes"));
    m_search->setClearButtonEnabled(true);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("NotesList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Verse"), tr("First line"), tr("Changed")});
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->setAccessibleName(tr("Your notes"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    QPushButton* edit = buttons->addButton(tr("&Edit..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(open, &QPushButton::clicked, this, [this] {
        if (const qint32 verse = currentVerse()) {
            emit openRequested(verse);
            accept();
        }
    });
    connect(edit, &QPushButton::clicked, this, [this] {
        if (const qint32 verse = currentVerse())
            emit editRequested(verse);
    });
    connect(m_list, &QTreeWidget::itemActivated, open, &QPushButton::click);
    connect(m_search, &QLineEdit::textChanged, this, &NotesDialog::filter);

    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(m_search);
    layout->addWidget(searchLabel);
    layout->addWidget(m_search);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(640, 420);
    refresh();
}

void NotesDialog::refresh()
{
    m_entries = m_source();
    filter();
}

void NotesDialog::filter()
{
    const qint32 current = currentVerse();
    const QString needle = m_search->text().trimmed();
    m_list->clear();
    for (const Entry& entry : m_entries) {
        if (!needle.isEmpty() && !entry.note.text.contains(needle, Qt::CaseInsensitive))
            continue;
        const QString firstLine = entry.note.text.section(QLatin1Char('\n'), 0, 0);
        auto* item = new QTreeWidgetItem(m_list,
            {entry.verseName, firstLine,
                QLocale().toString(entry.note.edited.toLocalTime().date(), QLocale::ShortFormat)});
        item->setData(0, Qt::UserRole, entry.ayahRef);
        item->setToolTip(1, entry.note.text);
        if (entry.ayahRef == current)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(2);
}

qint32 NotesDialog::currentVerse() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

} // namespace tilvora::ui

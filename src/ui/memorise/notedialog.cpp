#include "ui/memorise/notedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tilvora::ui {

NoteDialog::NoteDialog(const QString& verseName, const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NoteDialog"));
    //: %1 names the verse, as Al-Baqarah 2:255.
    setWindowTitle(tr("Note on %1").arg(verseName));
    m_editor = new QPlainTextEdit(text, this);
    m_editor->setObjectName(QStringLiteral("NoteText"));
    m_editor->setTabChangesFocus(true);
    m_editor->setAccessibleName(tr("Your note"));
    auto* hint = new QLabel(tr("Saved as you typed it. An empty note is removed."), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(520, 340);
    m_editor->setFocus();
    m_editor->moveCursor(QTextCursor::End);
}

QString NoteDialog::text() const
{
    return m_editor->toPlainText();
}

} // namespace tilvora::ui

#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tilvora::ui {

// The reader's note on one verse, plain text of several paragraphs, saved as
// typed; an empty note is removed.
class NoteDialog : public QDialog {
    Q_OBJECT
public:
    NoteDialog(const QString& verseName, const QString& text, QWidget* parent = nullptr);

    QString text() const;
    QPlainTextEdit* editor() const { return m_editor; }

private:
    QPlainTextEdit* m_editor = nullptr;
};

} // namespace tilvora::ui

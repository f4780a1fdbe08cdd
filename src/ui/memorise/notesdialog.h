#pragma once

#include "memorise/memorisestore.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QTreeWidget;

namespace tilvora::ui {

// The reader's notes: each with its verse, its first line and the day it was
// last changed; a search narrows them to those holding the words typed. A
// note is opened (its verse shown) or edited.
class NotesDialog : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        memorise::VerseNote note;
        qint32 ayahRef = 0;
        QString verseName;
    };
    using Source = std::function<std::vector<Entry>()>;

    NotesDialog(Source notes, QWidget* parent = nullptr);

    // Reads the notes again (after one was edited).
    void refresh();
    QTreeWidget* list() const { return m_list; }
    QLineEdit* searchBox() const { return m_search; }

signals:
    void openRequested(qint32 ayahRef);
    void editRequested(qint32 ayahRef);

private:
    void filter();
    qint32 currentVerse() const;

    Source m_source;
    std::vector<Entry> m_entries;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace tilvora::ui

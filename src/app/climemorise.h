#pragma once

#include "host/texthost.h"
#include "memorise/memorisestore.h"
#include "mushaf/mushafindex.h"

#include <QDate>
#include <QStringList>

#include <functional>
#include <memory>

namespace tilvora::app {

// The text host's memorising and note events: "today", "learn", "forget",
// "limit", "due", "grade", "note", "notes", "export" and "import". They keep their rows in the reader's file in
// the application folder, opened at the first of them.
class CliMemorise {
public:
    using IndexSource = std::function<const mushaf::MushafIndex&()>;

    CliMemorise(host::TextHost& host, IndexSource index);
    ~CliMemorise();

    void setFolder(const QString& appFolder) { m_folder = appFolder; }
    // How many fields the event's line has at most, 0 for an event not of these.
    static int fieldCountOf(const QString& event);
    // Handles the event; a failure is an error line, and changes nothing.
    void handle(const QString& event, const QStringList& fields);

private:
    memorise::MemoriseStore& store();
    int pageOf(store::VersePlace place) const;
    store::VersePlace placeOf(qint32 ayahRef) const;
    void setToday(const QString& text);
    // The verses FROM..TO (S:A), or of "page", "chapter" or "part" N.
    std::vector<store::VersePlace> versesOf(const QString& from, const QString& to);
    void learn(const QString& from, const QString& to);
    void forget(const QString& from, const QString& to);
    void setLimit(const QString& text);
    void exportData(const QString& path);
    void importData(const QString& path);
    void listDue();
    void grade(const QString& pageText, const QString& gradeText);
    void setNote(const QString& reference, const QString& text);
    void listNotes();

    host::TextHost& m_host;
    IndexSource m_index;
    QString m_folder;
    QDate m_today = QDate::currentDate();
    std::unique_ptr<memorise::MemoriseStore> m_store;
};

} // namespace tilvora::app

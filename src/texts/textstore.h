#pragma once

#include "store/connection.h"
#include "texts/textedition.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace tilvora::texts {

// A text installed as a program.
struct InstalledText {
    QString identifier;
    int masterId = 0;
    int verses = 0;
};

// The downloaded texts in the content database (see store/downloadedtexts.h):
// the chapters kept of a download not yet complete, the installing of a text
// as a program of its kind once every chapter is in, and its removal. Values
// reach SQL as bound parameters. A statement SQLite refuses is thrown as a
// store::DbError; each change is one transaction.
class TextStore {
public:
    explicit TextStore(store::Connection& connection);

    // How many verses each chapter has (1..114), from the content.
    const QHash<int, int>& verseCounts();
    int chapterCount() { return static_cast<int>(verseCounts().size()); }

    // Identifier -> MasterID of every installed downloaded text.
    QHash<QString, int> installedIds();
    // The installed text of that identifier, with its verse count.
    std::optional<InstalledText> installedText(const QString& identifier);
    // The chapters kept of a text being downloaded.
    QSet<int> keptChapters(const QString& identifier);
    // What was recorded of a text when its first chapter was kept.
    std::optional<TextEdition> pendingEdition(const QString& identifier);

    // Keeps one chapter's verses (plain texts from the service, stored
    // escaped) and the text's description.
    void keepChapter(const TextEdition& edition, int chapter, const QStringList& verses);
    // Installs a text whose chapters are all kept: a program of its kind
    // with the verses as its detail rows. Nothing happens, and nullopt comes
    // back, while a chapter is missing.
    std::optional<InstalledText> install(const TextEdition& edition);
    // Removes a downloaded text, installed or not; false when there is none
    // by that identifier.
    bool remove(const QString& identifier);

    // A verse's text as the reading page takes it (markup escaped, line
    // breaks as <br>) and its searchable form.
    static QString pageText(const QString& text);
    static QString searchText(const QString& text);

private:
    void prepareTables();

    store::Connection& m_connection;
    QHash<int, int> m_verseCounts;
    bool m_tablesReady = false;
};

} // namespace tilvora::texts

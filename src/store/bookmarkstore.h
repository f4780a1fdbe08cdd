#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace tilvora::store {

// A verse by its chapter and verse number, which stay the same from one
// content build to the next (verse references need not).
struct VersePlace {
    int surah = 0;
    int ayah = 0;
    friend bool operator==(const VersePlace&, const VersePlace&) = default;
};

// The reader's own bookmarks and the last place read, in a small SQLite file
// of the reader's (never in the content database, which a new content build
// replaces). A file that cannot be read as such is set aside under a new
// name and a new one is started, so the program always starts; setAside()
// then tells where it went. When no file can be written at all the store
// keeps its rows for this run only. A change that cannot be stored later
// (the folder became read-only, the disk is full) returns false, and
// whyNotStored() says why.
class BookmarkStore {
public:
    explicit BookmarkStore(const QString& path);
    ~BookmarkStore();
    BookmarkStore(const BookmarkStore&) = delete;
    BookmarkStore& operator=(const BookmarkStore&) = delete;

    // The message for the reader when the file was set aside or could not be
    // opened; empty otherwise.
    const QString& problem() const { return m_problem; }

    // Why the last change that returned false was not stored, in plain words
    // ("the disk that holds ... is full"); empty when it was.
    const QString& whyNotStored() const { return m_whyNotStored; }

    // In the order they were added.
    QList<VersePlace> bookmarks() const;
    // False when the verse was bookmarked already, or the bookmark was not stored.
    bool add(VersePlace place);
    bool remove(VersePlace place);

    std::optional<VersePlace> lastPlace() const;
    bool setLastPlace(VersePlace place);

private:
    bool openAt(const QString& path);
    void setAside(const QString& path);
    bool run(const QString& statement, const QList<int>& values = {}) const;

    // Runs a change, keeping why it failed.
    bool change(const QString& statement, const QList<int>& values);

    QString m_path;
    QString m_connectionName;
    QString m_problem;
    QString m_whyNotStored;
};

} // namespace tilvora::store

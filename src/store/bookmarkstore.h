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
// keeps its rows for this run only.
class BookmarkStore {
public:
    explicit BookmarkStore(const QString& path);
    ~BookmarkStore();
    BookmarkStore(const BookmarkStore&) = delete;
    BookmarkStore& operator=(const BookmarkStore&) = delete;

    // The message for the reader when the file was set aside or could not be
    // opened; empty otherwise.
    const QString& problem() const { return m_problem; }

    // In the order they were added.
    QList<VersePlace> bookmarks() const;
    // False when the verse was bookmarked already.
    bool add(VersePlace place);
    void remove(VersePlace place);

    std::optional<VersePlace> lastPlace() const;
    void setLastPlace(VersePlace place);

private:
    bool openAt(const QString& path);
    void setAside(const QString& path);
    bool run(const QString& statement, const QList<int>& values = {}) const;

    QString m_connectionName;
    QString m_problem;
};

} // namespace tilvora::store

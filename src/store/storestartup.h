#pragma once

#include "error.h"
#include "sharedstate.h"

#include <QString>

#include <future>

namespace tilvora::store {

// A failure that ends start-up; the message says in plain words what is wrong.
class StartupError : public Error {
public:
    explicit StartupError(const QString& message) : Error(Kind::Startup, message) { }
};

// The check that the content file DIC.DAT in an application folder is there,
// is a database and is sound in every page, begun on a thread of its own and
// a connection of its own as the object is made, so that start-up work that
// does not read the file (the splash) goes on meanwhile. A file that has not
// changed since a start found it sound is not checked again.
class ContentCheck {
public:
    explicit ContentCheck(const QString& appFolder);
    ~ContentCheck();
    ContentCheck(const ContentCheck&) = delete;
    ContentCheck& operator=(const ContentCheck&) = delete;

    const QString& appFolder() const { return m_appFolder; }
    // Waits for the verdict: a file that is missing, damaged, empty or of
    // another kind fails with a StartupError saying so. Asked once.
    void wait();
    // Records the file as it is now as found sound, so that the next start
    // does not read it again while it stays so. Called after the start's own
    // writes to it.
    void remember();

private:
    QString m_appFolder;
    QByteArray m_recorded;
    std::future<void> m_verdict;
};

// The store steps of start-up: records the application folder, waits for
// the content file's check, opens DIC.DAT, opens the program list (a copy
// taken before the defaults are restored, which the voice menu is built from)
// and restores every program's selection and order from its defaults.
void startStore(SharedState& state, ContentCheck& check);
// The same, checking the file first.
void startStore(SharedState& state, const QString& appFolder);

// The application folder as the program uses it: absolute, cleaned, without a
// trailing "/" except for the root folder.
QString normalizedAppFolder(const QString& folder);

} // namespace tilvora::store

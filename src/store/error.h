#pragma once

#include <QString>

#include <stdexcept>

namespace tilvora::store {

// Every failure the program reports to the reader: a kind that callers tell
// apart and a message in plain words. The classes below only name the kinds.
class Error : public std::runtime_error {
public:
    enum class Kind {
        // A value refused before any statement ran; nothing was changed.
        Refused,
        // A failure of the content store (see DbError for its numbers).
        Database,
        // A page file that could not be written.
        PageFile,
        // A failure that ends start-up.
        Startup,
    };

    Error(Kind kind, const QString& message);

    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace tilvora::store

#pragma once

#include "error.h"

namespace tilvora::store {

// A failure of the content store. It carries a number that callers can tell
// apart and a description in plain words (playback shows the description as a
// message box title).
class DbError : public Error {
public:
    // Reading a field when there is no current record (past the end, empty set).
    static constexpr int NoCurrentRecord = 3021;
    // A field name that the record set does not have.
    static constexpr int ItemNotFound = 3265;
    // A criterion the filter or find cannot read.
    static constexpr int BadCriterion = 3001;
    // A statement the database refuses.
    static constexpr int StatementRefused = -2147217900;
    // Asked for data that the database does not hold (raised by playback).
    static constexpr int NoData = -2147217904;
    // The database file is damaged (SQLite found it malformed, or no longer a
    // database); the description says so and what to do, in plain words.
    static constexpr int Damaged = -2147217887;

    DbError(int number, const QString& description) : Error(Kind::Database, description), m_number(number) { }

    int number() const { return m_number; }
    const QString& description() const { return message(); }

private:
    int m_number;
};

// A value refused before any statement ran (a chapter number that is not a
// whole number, say). Nothing was changed; the message tells the user why.
class RefusedValue : public Error {
public:
    explicit RefusedValue(const QString& message) : Error(Kind::Refused, message) { }
};

} // namespace tilvora::store

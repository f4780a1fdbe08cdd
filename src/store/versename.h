#pragma once

#include <QString>
#include <QtGlobal>

namespace tilvora::store {

class Connection;

// A verse as the reader names it: its chapter's name and "chapter:verse".
struct VerseName {
    qint32 ayahRef = 0;
    int surah = 0;
    int ayah = 0;
    // The chapter's name in Latin letters ("Al-Fatihah"), or "Chapter 1"
    // when the database names no chapters.
    QString chapter;

    // "1:2"
    QString reference() const;
    // "Al-Fatihah 1:2"
    QString citation() const;
};

// The name of the verse `ayahRef`. The chapter's name comes from the chapter
// table that the built-in content carries (GN_Surah_TAB) when the database
// has it. A verse the database does not hold is named by its reference
// number alone (surah and ayah 0). Fails only as the connection fails.
VerseName nameVerse(Connection& connection, qint32 ayahRef);

} // namespace tilvora::store

#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tilvora::store {

// Texts the reader downloaded live in DIC.DAT as programs of their kind, like
// the shipped ones, so that every statement of the program finds them. Two
// tables of ours say which programs those are and hold the chapters of a
// download that is not complete yet:
//   TX_Text_TAB (Identifier, MasterID, Kind, Language, Name, Direction):
//     one row per downloaded text; MasterID is NULL until it is installed;
//   TX_Part_TAB (Identifier, AyahRef, Data, DataSearchable):
//     the verses of the chapters kept so far of a text not yet installed.
// Downloaded programs take ids from kFirstDownloadedId on, far above the
// shipped ones.
inline constexpr int kFirstDownloadedId = 100001;

// Makes the two tables in the database (schema `schema`: "main" or an
// attached name) when they are missing. False when SQLite refused.
bool makeDownloadedTextTables(QSqlDatabase& db, const QString& schema = QStringLiteral("main"));

// Carries every downloaded text of the database attached as `previous` into
// the main one (a new content build): its program row, its detail rows and
// its bookkeeping, and the chapters kept of an unfinished download. A text
// keeps its MasterID, so that a choice remembered by id still finds it,
// unless the new content holds a program with that id; it then takes the
// next free id. False with SQLite's words in `error` when a statement
// failed; the caller's transaction then undoes it all.
bool carryDownloadedTexts(QSqlDatabase& db, QString* error);

} // namespace tilvora::store

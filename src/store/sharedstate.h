#pragma once

#include "connection.h"
#include "keptpage.h"
#include "recordset.h"

#include <QString>

#include <memory>

namespace tilvora::store {

// The program's shared state: one object with program lifetime, passed by
// reference to the code that needs it. The names are the ones every part of
// the program uses for them.
struct SharedState {
    // The application folder, without a trailing "/" (except the root folder).
    QString gAppFolder;
    std::unique_ptr<Connection> gConnection;

    // The program list: every program record with its type code as SysTerm_MasterTypeID.
    RecordSet gPrograms;
    // MasterIDs of the selected text programs joined with ",", or "0".
    QString gSelectedIds = QStringLiteral("0");
    // AyahRef, Data, DataPos, DataRef of one program's details, by AyahRef.
    RecordSet gDetails;

    // The rows of the reading page rendered last.
    RecordSet gPageRecords;
    // The verse lookup of the last view query.
    RecordSet gVerseRefs;
    // The longest reading pages shown last, with their rows.
    KeptPages gKeptPages;

    // MasterIDs offered by each part of the control page.
    QString gMatanIds;
    QString gTranslationTafseerIds;
    QString gVoiceIds;

    // The verse last double-clicked in the reading page; 0 before the first.
    qint32 gLastAyahRef = 0;
    // The media folder dialog's answer: the folder accepted, or "CANCEL".
    QString gMediaPathResult;
};

} // namespace tilvora::store

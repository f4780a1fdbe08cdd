#pragma once

#include "recordset.h"
#include "sharedstate.h"

#include <QString>
#include <QVariant>

namespace tilvora::store {

// Recomputes gSelectedIds (the selected MATAN, TRANSLATION and TAFSEER
// programs) and replaces gPrograms with a fresh program list.
void selectedProgramIds(SharedState& state);

// Replaces gDetails with the detail records of one program, by AyahRef.
void openProgramDetails(SharedState& state, const QString& masterId);

// One column of a record set as a comma list ("0" when empty); or, with a
// search text other than kDef, the AyahRef of every row whose Data + "," +
// DataSearchable contains the text, each reference once. The field name kDef
// stands for the first column. Leaves the record set past its last row.
QString joinFieldValues(RecordSet& records, const QString& searchText, const QString& fieldName);

// The search mode of JoinFieldValues for any text, the text "_DEF" included:
// the AyahRef of every row whose Data + "," + DataSearchable contains the text
// (letter case counts; a Null Data never matches), each reference once, or
// "0". A search typed by the user goes here, so that a search for the marker's
// letters looks for them instead of listing the first column.
QString joinMatchingVerses(RecordSet& records, const QString& searchText);

// Moves to the first row whose key column equals the key value (compared by
// value) and returns its result column. With no such row the record set is
// left past its end and reading the result fails with NoCurrentRecord.
QVariant lookupField(
    RecordSet& records, const QString& keyColumn, const QString& keyValue, const QString& resultColumn);

} // namespace tilvora::store

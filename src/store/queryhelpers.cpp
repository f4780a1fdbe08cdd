#include "queryhelpers.h"

#include "dberror.h"
#include "statements.h"

#include <QSet>

namespace tilvora::store {

namespace {

const QString kSelectedTextProgramsQuery = QStringLiteral(
    "SELECT  AP_Master_TAB.MasterID  FROM    AP_Master_TAB INNER JOIN    AP_TypesMaster_TAB ON "
    "AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID  WHERE   (AP_TypesMaster_TAB.SysTerm IN "
    "('MATAN', 'TRANSLATION', 'TAFSEER')) AND (AP_Master_TAB.UserSelection = ");

} // namespace

void selectedProgramIds(SharedState& state)
{
    RecordSet selected
        = state.gConnection->openRecordSet(kSelectedTextProgramsQuery + QStringLiteral("True") + QStringLiteral(")"));
    state.gSelectedIds = joinFieldValues(selected, kDef, kDef);
    state.gPrograms = state.gConnection->openRecordSet(kProgramListQuery);
}

void openProgramDetails(SharedState& state, const QString& masterId)
{
    const qint32 id = requireWholeNumber(masterId, QStringLiteral("program id"));
    state.gDetails = RecordSet();
    state.gDetails = state.gConnection->openRecordSet(
        QStringLiteral("SELECT     AyahRef, Data, DataPos, DataRef From AP_Detail_TAB  Where (MasterID = ")
        + QString::number(id) + QStringLiteral(")   ORDER BY AyahRef"));
}

namespace {

int requireField(const RecordSet& records, const QString& name)
{
    const int index = records.fieldIndex(name);
    if (index < 0)
        throw DbError(DbError::ItemNotFound, QStringLiteral("The record set has no field named \"%1\".").arg(name));
    return index;
}

QString withoutLeadingCommas(const QString& list)
{
    if (list == QStringLiteral(","))
        return QStringLiteral("0");
    return list.mid(2);
}

} // namespace

QString joinFieldValues(RecordSet& records, const QString& searchText, const QString& fieldName)
{
    if (searchText != kDef)
        return joinMatchingVerses(records, searchText);
    QString list = QStringLiteral(",");
    if (records.recordCount() > 0) {
        const int field = fieldName != kDef ? requireField(records, fieldName) : 0;
        for (records.moveFirst(); !records.eof(); records.moveNext())
            list += QLatin1Char(',') + records.text(field);
    }
    return withoutLeadingCommas(list);
}

QString joinMatchingVerses(RecordSet& records, const QString& searchText)
{
    QString list = QStringLiteral(",");
    if (records.recordCount() > 0) {
        const int dataField = requireField(records, QStringLiteral("Data"));
        const int searchableField = requireField(records, QStringLiteral("DataSearchable"));
        const int refField = requireField(records, QStringLiteral("AyahRef"));
        // A reference is listed once: compared as a whole value, so 23 is
        // still listed after 123.
        QSet<QString> listed;
        for (records.moveFirst(); !records.eof(); records.moveNext()) {
            const QVariant data = records.value(dataField);
            if (data.isNull())
                continue;
            const QString haystack = variantText(data) + QLatin1Char(',') + records.text(searchableField);
            if (!haystack.contains(searchText, Qt::CaseSensitive))
                continue;
            const QString reference = records.text(refField);
            if (!listed.contains(reference)) {
                listed.insert(reference);
                list += QLatin1Char(',') + reference;
            }
        }
    }
    return withoutLeadingCommas(list);
}

QVariant lookupField(RecordSet& records, const QString& keyColumn, const QString& keyValue, const QString& resultColumn)
{
    if (records.recordCount() > 0)
        records.moveFirst();
    records.find(keyColumn + QStringLiteral("='") + sqlText(keyValue) + QStringLiteral("'"));
    return records.value(resultColumn);
}

} // namespace tilvora::store

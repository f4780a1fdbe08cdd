#include "controlfixture.h"

#include "store/connection.h"
#include "store/statements.h"

using namespace Qt::Literals::StringLiterals;
using tilvora::store::RecordSet;

void ControlFixture::SetUp()
{
    m_state.gAppFolder = m_db.folder();
    m_state.gConnection = m_db.connect();
}

void ControlFixture::addDetails(int masterId, const QList<int>& ayahRefs)
{
    for (const int ref : ayahRefs)
        m_db.detail({.masterId = masterId, .ayahRef = ref, .data = u"%1.mp3"_s.arg(ref), .position = u"0"_s});
}

void ControlFixture::execute(const QString& statement)
{
    m_state.gConnection->execute(statement);
}

void ControlFixture::loadPrograms()
{
    m_state.gPrograms = m_state.gConnection->openRecordSet(tilvora::store::kProgramListQuery);
}

QString ControlFixture::column(int masterId, const QString& name)
{
    RecordSet row = m_state.gConnection->openRecordSet(
        u"SELECT "_s + name + u" FROM AP_Master_TAB WHERE MasterID = "_s + QString::number(masterId));
    row.moveFirst();
    return row.value(0).isNull() ? u"NULL"_s : row.text(0);
}

QString ControlFixture::selectionTable()
{
    RecordSet rows = m_state.gConnection->openRecordSet(
        u"SELECT MasterID, UserSelection, SortOrderUser FROM AP_Master_TAB ORDER BY MasterID"_s);
    QStringList entries;
    if (rows.recordCount() > 0) {
        for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
            entries << rows.text(0) + u':' + rows.text(1) + u':' + (rows.value(2).isNull() ? u"NULL"_s : rows.text(2));
        }
    }
    return entries.join(u' ');
}

QString ControlFixture::detailRefs()
{
    if (!m_state.gDetails.isOpen())
        return u"(not opened)"_s;
    RecordSet details = m_state.gDetails.clone();
    QStringList refs;
    if (details.recordCount() > 0) {
        for (details.moveFirst(); !details.eof(); details.moveNext())
            refs << details.text(u"AyahRef"_s);
    }
    return refs.join(u',');
}

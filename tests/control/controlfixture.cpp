#include "controlfixture.h"

#include "store/connection.h"
#include "store/statements.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;
using tilvora::store::Connection;
using tilvora::store::RecordSet;

namespace {

QString sqlValue(const QVariant& value)
{
    if (value.isNull())
        return u"NULL"_s;
    return u"'"_s + tilvora::store::sqlText(value.toString()) + u"'"_s;
}

} // namespace

void ControlFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    const QString path = m_dir.path() + u"/DIC.DAT"_s;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    m_state.gAppFolder = m_dir.path();
    m_state.gConnection = Connection::open(path);
    const QStringList schema = {
        u"CREATE TABLE AP_TypesMaster_TAB (MasterTypeID INTEGER PRIMARY KEY, MasterType TEXT, SysTerm TEXT)"_s,
        u"CREATE TABLE AP_Master_TAB (MasterID INTEGER PRIMARY KEY, MasterTypeID INTEGER, Master TEXT, "
        "Description TEXT, Data TEXT, UserSelection BOOLEAN, DefaultSelection BOOLEAN, SortOrderUser INTEGER, "
        "SortOrderDef INTEGER, TextDirection TEXT, FontName TEXT, FontSize TEXT, FontBold TEXT)"_s,
        u"CREATE TABLE AP_Detail_TAB (DetailID INTEGER PRIMARY KEY, MasterID INTEGER, AyahRef INTEGER, "
        "Data TEXT, DataSearchable TEXT, DataPos TEXT, DataRef TEXT)"_s,
        u"CREATE TABLE MD_Ayah_TAB (AyahRef INTEGER PRIMARY KEY, SurahNo INTEGER, AyahNo INTEGER, ParahNo INTEGER)"_s,
        u"CREATE TABLE RF_Word_TAB (Word TEXT, RootWord TEXT, AyahRef INTEGER)"_s,
        u"CREATE TABLE RF_Subject_TAB (SubjectID INTEGER, AyahRef INTEGER)"_s,
        u"INSERT INTO AP_TypesMaster_TAB VALUES (1, 'Text', 'MATAN'), (2, 'Translation', 'TRANSLATION'), "
        "(3, 'Commentary', 'TAFSEER'), (4, 'Voice', 'VOICE')"_s,
    };
    for (const QString& statement : schema)
        m_state.gConnection->Execute(statement);
}

void ControlFixture::add(const Program& program)
{
    const QString selected = program.selected ? u"1"_s : u"0"_s;
    const QString order = program.order.isNull() ? u"NULL"_s : program.order.toString();
    execute(u"INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
            "DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, FontBold) VALUES ("_s
            + QString::number(program.id) + u", "_s + QString::number(program.type) + u", "_s
            + sqlValue(program.master) + u", "_s + sqlValue(program.description) + u", "_s + sqlValue(program.data)
            + u", "_s + selected + u", "_s + selected + u", "_s + order + u", "_s + order
            + u", 'rtl', 'Tahoma', '12px', 'normal')"_s);
}

void ControlFixture::addDetails(int masterId, const QList<int>& ayahRefs)
{
    for (const int ref : ayahRefs)
        execute(u"INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataPos) VALUES ("_s + QString::number(masterId)
                + u", "_s + QString::number(ref) + u", '"_s + QString::number(ref) + u".mp3', '0')"_s);
}

void ControlFixture::execute(const QString& statement)
{
    m_state.gConnection->Execute(statement);
}

void ControlFixture::loadPrograms()
{
    m_state.gPrograms = m_state.gConnection->Open(tilvora::store::kProgramListQuery);
}

QString ControlFixture::column(int masterId, const QString& name)
{
    RecordSet row = m_state.gConnection->Open(u"SELECT "_s + name + u" FROM AP_Master_TAB WHERE MasterID = "_s
                                              + QString::number(masterId));
    row.MoveFirst();
    return row.value(0).isNull() ? u"NULL"_s : row.text(0);
}

QString ControlFixture::selectionTable()
{
    RecordSet rows = m_state.gConnection->Open(
        u"SELECT MasterID, UserSelection, SortOrderUser FROM AP_Master_TAB ORDER BY MasterID"_s);
    QStringList entries;
    if (rows.RecordCount() > 0) {
        for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
            entries << rows.text(0) + u':' + rows.text(1) + u':'
                    + (rows.value(2).isNull() ? u"NULL"_s : rows.text(2));
        }
    }
    return entries.join(u' ');
}

QString ControlFixture::detailRefs()
{
    if (!m_state.gDetails.isOpen())
        return u"(not opened)"_s;
    RecordSet details = m_state.gDetails.Clone();
    QStringList refs;
    if (details.RecordCount() > 0) {
        for (details.MoveFirst(); !details.Eof(); details.MoveNext())
            refs << details.text(u"AyahRef"_s);
    }
    return refs.join(u',');
}

QString ControlFixture::readPageFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\xFF\xFE")) {
        ADD_FAILURE() << "no UTF-16LE byte order mark in " << path.toStdString();
        return {};
    }
    const QByteArray body = bytes.mid(2);
    return QString(reinterpret_cast<const QChar*>(body.constData()), body.size() / 2);
}

void FakeHost::reportError(const QString& text)
{
    lines << u"error\t"_s + text;
}

void FakeHost::setVoiceMenuItem(int index, bool visible, const QString& caption, const QString& tag)
{
    lines << u"menu\t"_s + QString::number(index) + u'\t' + (visible ? u"1"_s : u"0"_s) + u'\t' + caption + u'\t'
            + tag;
}

void FakeHost::setDataPathMenuVisible(bool visible)
{
    lines << u"menu\tsetdatapath\t"_s + (visible ? u"1"_s : u"0"_s);
}


#include "support/fixturedb.h"

#include "store/queryhelpers.h"
#include "store/statements.h"

#include <QFile>

namespace tilvora::testing {

namespace {

const char* const kSchema[] = {
    "CREATE TABLE AP_TypesMaster_TAB (MasterTypeID INTEGER PRIMARY KEY, MasterType TEXT, SysTerm TEXT)",
    "CREATE TABLE AP_Master_TAB (MasterID INTEGER PRIMARY KEY, MasterTypeID INTEGER, Master TEXT, Description TEXT, "
    "Data TEXT, UserSelection BOOLEAN, DefaultSelection BOOLEAN, SortOrderUser INTEGER, SortOrderDef INTEGER, "
    "TextDirection TEXT, FontName TEXT, FontSize TEXT, FontBold TEXT)",
    "CREATE TABLE AP_Detail_TAB (DetailID INTEGER PRIMARY KEY, MasterID INTEGER, AyahRef INTEGER, Data TEXT, "
    "DataSearchable TEXT, DataPos TEXT, DataRef TEXT)",
    "CREATE TABLE MD_Ayah_TAB (AyahRef INTEGER PRIMARY KEY, SurahNo INTEGER, AyahNo INTEGER, ParahNo INTEGER)",
    "CREATE TABLE RF_Word_TAB (Word TEXT, RootWord TEXT, AyahRef INTEGER)",
    "CREATE TABLE RF_Subject_TAB (SubjectID INTEGER, AyahRef INTEGER)",
    "INSERT INTO AP_TypesMaster_TAB VALUES (1, 'Text', 'MATAN'), (2, 'Translation', 'TRANSLATION'), "
    "(3, 'Commentary', 'TAFSEER'), (4, 'Voice', 'VOICE')",
};

// A value as an SQL literal: Null, a quoted text, or a number as it is.
QString literal(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QString)
        return QLatin1Char('\'') + store::sqlText(value.toString()) + QLatin1Char('\'');
    return value.toString();
}

} // namespace

FixtureDb::FixtureDb()
{
    m_path = m_dir.path() + QStringLiteral("/DIC.DAT");
    QFile(m_path).open(QIODevice::WriteOnly); // SQLite takes an empty file as an empty database
    m_writer = store::Connection::open(m_path);
    // A test's database lives for one run: no need to wait for the disk.
    m_writer->execute(QStringLiteral("PRAGMA synchronous = OFF"));
    for (const char* statement : kSchema)
        m_writer->execute(QString::fromLatin1(statement));
}

FixtureDb::~FixtureDb() = default;

std::unique_ptr<store::Connection> FixtureDb::connect() const
{
    return store::Connection::open(m_path);
}

void FixtureDb::execute(const QStringList& statements) const
{
    for (const QString& statement : statements)
        m_writer->execute(statement);
}

void FixtureDb::program(const Program& program) const
{
    insert(QStringLiteral("AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
                          "DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, "
                          "FontBold)"),
        {program.id, int(program.type), program.master, program.description, program.data, int(program.selected),
            int(program.selected), program.order, program.order, program.direction, program.fontName, program.fontSize,
            program.fontBold});
}

void FixtureDb::program(int masterId, Type type, bool selected, const QVariant& sortOrder, const QVariant& direction,
    const QVariant& fontName, const QVariant& fontSize, const QVariant& fontBold) const
{
    program({.id = masterId,
        .type = type,
        .master = QStringLiteral("Program %1").arg(masterId),
        .selected = selected,
        .order = sortOrder,
        .direction = direction,
        .fontName = fontName,
        .fontSize = fontSize,
        .fontBold = fontBold});
}

void FixtureDb::verse(int ayahRef, int surahNo, int ayahNo, int parahNo) const
{
    insert(QStringLiteral("MD_Ayah_TAB"), {ayahRef, surahNo, ayahNo, parahNo});
}

void FixtureDb::detail(const Detail& detail) const
{
    insert(QStringLiteral("AP_Detail_TAB (DetailID, MasterID, AyahRef, Data, DataSearchable, DataPos)"),
        {detail.id, detail.masterId, detail.ayahRef, detail.data, detail.searchable, detail.position});
}

void FixtureDb::detail(int detailId, int masterId, int ayahRef, const QVariant& data, const QVariant& searchable) const
{
    detail({.id = detailId, .masterId = masterId, .ayahRef = ayahRef, .data = data, .searchable = searchable});
}

void FixtureDb::word(const QString& word, const QString& root, int ayahRef) const
{
    insert(QStringLiteral("RF_Word_TAB"), {word, root, ayahRef});
}

void FixtureDb::subject(int subjectId, int ayahRef) const
{
    insert(QStringLiteral("RF_Subject_TAB"), {subjectId, ayahRef});
}

void FixtureDb::open(store::SharedState& state) const
{
    state.gAppFolder = folder();
    state.gConnection = connect();
    store::selectedProgramIds(state);
}

void FixtureDb::insert(const QString& table, std::initializer_list<QVariant> values) const
{
    QString list;
    for (const QVariant& value : values)
        list += (list.isEmpty() ? QString() : QStringLiteral(", ")) + literal(value);
    m_writer->execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES (") + list + QLatin1Char(')'));
}

} // namespace tilvora::testing

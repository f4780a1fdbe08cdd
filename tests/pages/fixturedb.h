#pragma once

// A small content database of the canonical schema, built by a test in a
// temporary folder of its own, and the shared state opened on it.

#include "store/connection.h"
#include "store/queryhelpers.h"
#include "store/sharedstate.h"
#include "store/statements.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <ostream>

// Texts print as text in test failures, with line breaks shown.
inline void PrintTo(const QString& text, std::ostream* out)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r"), QStringLiteral("\\r")).replace(QStringLiteral("\n"), QStringLiteral("\\n\n"));
    *out << '"' << shown.toStdString() << '"';
}

namespace tilvora::testing {

class FixtureDb {
public:
    // Type ids of the four type codes.
    enum Type { Matan = 1, Translation = 2, Tafseer = 3, Voice = 4 };

    FixtureDb()
    {
        m_path = m_dir.path() + QStringLiteral("/DIC.DAT");
        QFile(m_path).open(QIODevice::WriteOnly); // SQLite takes an empty file as an empty database
        m_writer = store::Connection::open(m_path);
        // A test's database lives for one run: no need to wait for the disk.
        m_writer->Execute(QStringLiteral("PRAGMA synchronous = OFF"));
        for (const char* statement : kSchema)
            m_writer->Execute(QString::fromLatin1(statement));
    }

    QString folder() const { return m_dir.path(); }
    QString path() const { return m_path; }
    store::Connection& writer() { return *m_writer; }

    // A program record. Its defaults equal its current selection and order.
    void program(int masterId, Type type, bool selected, const QVariant& sortOrder,
                 const QVariant& direction = QStringLiteral("rtl"), const QVariant& fontName = QStringLiteral("Tahoma"),
                 const QVariant& fontSize = 14, const QVariant& fontBold = QStringLiteral("bold"))
    {
        insert(QStringLiteral("AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
                              "DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, FontBold)"),
               {masterId, int(type), QStringLiteral("Program %1").arg(masterId), QString(), QString(), int(selected),
                int(selected), sortOrder, sortOrder, direction, fontName, fontSize, fontBold});
    }
    void verse(int ayahRef, int surahNo, int ayahNo, int parahNo = 1)
    {
        insert(QStringLiteral("MD_Ayah_TAB"), {ayahRef, surahNo, ayahNo, parahNo});
    }
    void detail(int detailId, int masterId, int ayahRef, const QVariant& data, const QVariant& searchable = {})
    {
        insert(QStringLiteral("AP_Detail_TAB (DetailID, MasterID, AyahRef, Data, DataSearchable)"),
               {detailId, masterId, ayahRef, data, searchable});
    }
    void word(const QString& word, const QString& root, int ayahRef)
    {
        insert(QStringLiteral("RF_Word_TAB"), {word, root, ayahRef});
    }
    void subject(int subjectId, int ayahRef) { insert(QStringLiteral("RF_Subject_TAB"), {subjectId, ayahRef}); }

    // Opens the state as start-up leaves it: the connection, the application
    // folder, the selected programs and the program list.
    void open(store::SharedState& state) const
    {
        state.gAppFolder = folder();
        state.gConnection = store::Connection::open(m_path);
        store::SelectedProgramIds(state);
    }

private:
    static QString literal(const QVariant& value)
    {
        if (value.isNull())
            return QStringLiteral("NULL");
        if (value.typeId() == QMetaType::QString)
            return QLatin1Char('\'') + store::sqlText(value.toString()) + QLatin1Char('\'');
        return value.toString();
    }
    void insert(const QString& table, std::initializer_list<QVariant> values)
    {
        QString list;
        for (const QVariant& value : values)
            list += (list.isEmpty() ? QString() : QStringLiteral(", ")) + literal(value);
        m_writer->Execute(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" VALUES (") + list
                          + QLatin1Char(')'));
    }

    static constexpr const char* kSchema[] = {
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

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<store::Connection> m_writer;
};

} // namespace tilvora::testing

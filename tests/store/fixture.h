#pragma once

#include "store/connection.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A content database of the canonical schema in a temporary folder of the test's own.
class StoreFixture {
public:
    StoreFixture()
    {
        m_path = m_dir.path() + QStringLiteral("/DIC.DAT");
        auto connection = tilvora::store::Connection::open(createEmptyFile());
        for (const QString& statement : schema())
            connection->Execute(statement);
    }

    QString folder() const { return m_dir.path(); }
    const QString& path() const { return m_path; }

    std::unique_ptr<tilvora::store::Connection> connect() const { return tilvora::store::Connection::open(m_path); }

    void execute(const QStringList& statements) const
    {
        auto connection = connect();
        for (const QString& statement : statements)
            connection->Execute(statement);
    }

    static QStringList schema()
    {
        return {
            QStringLiteral("CREATE TABLE AP_TypesMaster_TAB (MasterTypeID INTEGER PRIMARY KEY, MasterType TEXT, SysTerm TEXT)"),
            QStringLiteral("CREATE TABLE AP_Master_TAB (MasterID INTEGER PRIMARY KEY, MasterTypeID INTEGER, Master TEXT, "
                           "Description TEXT, Data TEXT, UserSelection BOOLEAN, DefaultSelection BOOLEAN, SortOrderUser INTEGER, "
                           "SortOrderDef INTEGER, TextDirection TEXT, FontName TEXT, FontSize TEXT, FontBold TEXT)"),
            QStringLiteral("CREATE TABLE AP_Detail_TAB (DetailID INTEGER PRIMARY KEY, MasterID INTEGER, AyahRef INTEGER, Data TEXT, "
                           "DataSearchable TEXT, DataPos TEXT, DataRef TEXT)"),
            QStringLiteral("CREATE TABLE MD_Ayah_TAB (AyahRef INTEGER PRIMARY KEY, SurahNo INTEGER, AyahNo INTEGER, ParahNo INTEGER)"),
            QStringLiteral("CREATE TABLE RF_Word_TAB (Word TEXT, RootWord TEXT, AyahRef INTEGER)"),
            QStringLiteral("CREATE TABLE RF_Subject_TAB (SubjectID INTEGER, AyahRef INTEGER)"),
            QStringLiteral("INSERT INTO AP_TypesMaster_TAB VALUES (1, 'Text', 'MATAN'), (2, 'Translation', 'TRANSLATION'), "
                           "(3, 'Commentary', 'TAFSEER'), (4, 'Voice', 'VOICE')"),
        };
    }

private:
    QString createEmptyFile()
    {
        QFile file(m_path);
        file.open(QIODevice::WriteOnly);
        return m_path;
    }

    QTemporaryDir m_dir;
    QString m_path;
};

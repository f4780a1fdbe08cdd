#pragma once

// Read-only access to the built content (DIC.DAT and the picker pages in the
// application folder of the build). The tests never write there: the
// database is opened read-only, the pages are only read.

#include "support/printing.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

namespace tilvora::content_test {

using namespace Qt::StringLiterals;

inline QString contentDir()
{
    return QDir::cleanPath(QString::fromUtf8(TILVORA_CONTENT_DIR));
}

inline QString contentFile(const QString& name)
{
    return contentDir() + u'/' + name;
}

// A test suite with one read-only connection to DIC.DAT.
class ContentDatabase : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString path = contentFile(u"DIC.DAT"_s);
        ASSERT_TRUE(QFile::exists(path)) << "the content build did not make " << path.toStdString();
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connectionName());
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
    }

    static void TearDownTestSuite()
    {
        {
            QSqlDatabase::database(connectionName()).close();
        }
        QSqlDatabase::removeDatabase(connectionName());
    }

    static QString connectionName() { return u"content_test"_s; }

    // Every row of a statement, each as a list of its values' texts
    // (a Null value becomes the text "<null>").
    static QList<QStringList> rows(const QString& sql)
    {
        QSqlQuery query(QSqlDatabase::database(connectionName()));
        query.setForwardOnly(true);
        if (!query.exec(sql)) {
            ADD_FAILURE() << "statement failed: " << sql.toStdString() << ": "
                          << query.lastError().text().toStdString();
            return {};
        }
        QList<QStringList> out;
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << (query.isNull(i) ? u"<null>"_s : query.value(i).toString());
            out << row;
        }
        return out;
    }

    // The first column of every row.
    static QStringList column(const QString& sql)
    {
        QStringList out;
        for (const auto& row : rows(sql))
            out << row.value(0);
        return out;
    }

    // The first value of the first row (empty when there is none).
    static QString value(const QString& sql)
    {
        const auto all = rows(sql);
        return all.isEmpty() ? QString() : all.first().value(0);
    }

    // AyahRef of chapter s, verse a.
    static int ref(int surah, int ayah)
    {
        return value(u"SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = %1 AND AyahNo = %2"_s.arg(surah).arg(ayah))
            .toInt();
    }
};

} // namespace tilvora::content_test

#include "support/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <gtest/gtest.h>

namespace tilvora::testing {

QString readPageFile(const QString& path)
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
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
}

bool copyApplicationFolder(const QString& source, const QString& target, QString* error)
{
    const QStringList files{QStringLiteral("DIC.DAT"), QStringLiteral("WebSearch.Htm"), QStringLiteral("WebSurah.Htm"),
        QStringLiteral("WebWord.Htm"), QStringLiteral("WebSubject.Htm")};
    for (const QString& name : files) {
        if (!QFile::copy(source + QLatin1Char('/') + name, target + QLatin1Char('/') + name)) {
            *error = QStringLiteral("cannot copy %1 from %2 (was the content built?)").arg(name, source);
            return false;
        }
    }
    const QString media = source + QStringLiteral("/media");
    QDirIterator it(media, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = target + QStringLiteral("/media/") + QDir(media).relativeFilePath(file);
        QDir().mkpath(QFileInfo(copy).path());
        if (!QFile::copy(file, copy)) {
            *error = QStringLiteral("cannot copy %1").arg(file);
            return false;
        }
    }

    // The voices whose folders lie inside the source name the copy instead.
    const QString connectionName = QUuid::createUuid().toString();
    bool updated = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(target + QStringLiteral("/DIC.DAT"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("UPDATE AP_Master_TAB SET Data = :target || substr(Data, length(:source) + 1) "
                                         "WHERE substr(Data, 1, length(:source)) = :source"));
            query.bindValue(QStringLiteral(":target"), target);
            query.bindValue(QStringLiteral(":source"), source);
            updated = query.exec();
            if (!updated)
                *error = query.lastError().text();
        } else {
            *error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return updated;
}

QVariantList queryRow(const QString& databasePath, const QString& statement)
{
    const QString connectionName = QUuid::createUuid().toString();
    QVariantList row;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next()) {
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return row;
}

QStringList startPageNavigations(const QString& folder)
{
    QStringList lines;
    const std::pair<const char*, const char*> pages[] = {{"WebControl", "Control.htm"}, {"WebSearch", "WebSearch.Htm"},
        {"WebSurah", "WebSurah.Htm"}, {"WebWord", "WebWord.Htm"}, {"WebSubject", "WebSubject.Htm"}};
    for (const auto& [pane, file] : pages)
        lines << QStringLiteral("navigate\t%1\t%2/%3").arg(QLatin1String(pane), folder, QLatin1String(file));
    return lines;
}

} // namespace tilvora::testing

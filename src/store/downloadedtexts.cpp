#include "downloadedtexts.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::store {

namespace {

bool run(QSqlQuery& query, const QString& statement, const QVariantList& values = {})
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

bool hasTable(QSqlDatabase& db, const QString& schema, const QString& table)
{
    QSqlQuery query(db);
    return run(query, u"SELECT 1 FROM %1.sqlite_master WHERE type = 'table' AND name = ?"_s.arg(schema), {table})
        && query.next();
}

// A MasterID that the main database does not use, from the downloaded range
// on.
qint64 freeProgramId(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!run(query, u"SELECT max(MasterID) FROM main.AP_Master_TAB"_s) || !query.next())
        return -1;
    return std::max<qint64>(kFirstDownloadedId, query.value(0).toLongLong() + 1);
}

struct CarriedText {
    QString identifier;
    QVariant masterId;
};

} // namespace

bool makeDownloadedTextTables(QSqlDatabase& db, const QString& schema)
{
    QSqlQuery query(db);
    return run(query,
               u"CREATE TABLE IF NOT EXISTS %1.TX_Text_TAB (Identifier TEXT PRIMARY KEY, MasterID INTEGER, "
               u"Kind TEXT, Language TEXT, Name TEXT, Direction TEXT)"_s.arg(schema))
        && run(query,
            u"CREATE TABLE IF NOT EXISTS %1.TX_Part_TAB (Identifier TEXT, AyahRef INTEGER, Data TEXT, "
            u"DataSearchable TEXT, PRIMARY KEY (Identifier, AyahRef))"_s.arg(schema));
}

bool carryDownloadedTexts(QSqlDatabase& db, QString* error)
{
    if (!hasTable(db, u"previous"_s, u"TX_Text_TAB"_s))
        return true;
    QSqlQuery query(db);
    const auto failed = [&] {
        *error = query.lastError().text();
        return false;
    };
    if (!makeDownloadedTextTables(db))
        return failed();
    // Texts whose id the new content leaves free come first and keep it; a
    // text whose id the new content took then takes an id above all of
    // theirs, never one that another text still to come holds.
    std::vector<CarriedText> texts;
    if (!run(query,
            u"SELECT Identifier, MasterID FROM previous.TX_Text_TAB ORDER BY MasterID IN (SELECT MasterID FROM "
            u"main.AP_Master_TAB), MasterID"_s))
        return failed();
    while (query.next())
        texts.push_back({query.value(0).toString(), query.value(1)});

    for (const CarriedText& text : texts) {
        QVariant id = text.masterId;
        if (!id.isNull()) {
            if (!run(query, u"SELECT 1 FROM main.AP_Master_TAB WHERE MasterID = ?"_s, {id}))
                return failed();
            if (query.next())
                id = freeProgramId(db);
            // The program row, under the type of the same name in the new content.
            if (!run(query,
                    u"INSERT INTO main.AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, "
                    u"UserSelection, DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, "
                    u"FontSize, FontBold) SELECT ?, (SELECT t.MasterTypeID FROM main.AP_TypesMaster_TAB t WHERE "
                    u"t.SysTerm = oldType.SysTerm), old.Master, old.Description, old.Data, 0, 0, 0, 0, "
                    u"old.TextDirection, old.FontName, old.FontSize, old.FontBold FROM previous.AP_Master_TAB old "
                    u"JOIN previous.AP_TypesMaster_TAB oldType ON oldType.MasterTypeID = old.MasterTypeID "
                    u"WHERE old.MasterID = ?"_s,
                    {id, text.masterId})
                || !run(query,
                    u"INSERT INTO main.AP_Detail_TAB (MasterID, AyahRef, Data, DataSearchable, DataPos, DataRef) "
                    u"SELECT ?, AyahRef, Data, DataSearchable, DataPos, DataRef FROM previous.AP_Detail_TAB "
                    u"WHERE MasterID = ? ORDER BY AyahRef"_s,
                    {id, text.masterId}))
                return failed();
        }
        if (!run(query,
                u"INSERT OR REPLACE INTO main.TX_Text_TAB (Identifier, MasterID, Kind, Language, Name, Direction) "
                u"SELECT Identifier, ?, Kind, Language, Name, Direction FROM previous.TX_Text_TAB WHERE "
                u"Identifier = ?"_s,
                {id, text.identifier})
            || !run(query,
                u"INSERT OR REPLACE INTO main.TX_Part_TAB SELECT * FROM previous.TX_Part_TAB WHERE Identifier = ?"_s,
                {text.identifier}))
            return failed();
    }
    return true;
}

} // namespace tilvora::store

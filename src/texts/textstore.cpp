#include "texts/textstore.h"

#include "control/htmltext.h"
#include "store/arabicfold.h"
#include "store/dberror.h"
#include "store/downloadedtexts.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::texts {

namespace {

// A statement with bound values; thrown as a DbError when SQLite refuses it.
QSqlQuery run(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {})
{
    QSqlQuery query(db);
    bool done = query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    done = done && query.exec();
    if (!done)
        throw store::DbError(store::DbError::StatementRefused, query.lastError().text());
    return query;
}

// Commits when told to, rolls back otherwise.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db) : m_db(db)
    {
        if (!m_db.transaction())
            throw store::DbError(store::DbError::StatementRefused, m_db.lastError().text());
    }
    ~Transaction()
    {
        if (!m_done)
            m_db.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit()
    {
        if (!m_db.commit())
            throw store::DbError(store::DbError::StatementRefused, m_db.lastError().text());
        m_done = true;
    }

private:
    QSqlDatabase m_db;
    bool m_done = false;
};

// "Arabic: Tafsir al-Muyassar (downloaded)": the language by its English
// name, as the shipped programs are named, and told apart from a shipped
// program of the same name.
QString programNameOf(const TextEdition& edition)
{
    QString title = !edition.englishName.isEmpty() ? edition.englishName
        : !edition.name.isEmpty()                  ? edition.name
                                                   : edition.identifier;
    const QLocale::Language language = QLocale(edition.language).language();
    if (edition.language.isEmpty() || language == QLocale::C || language == QLocale::AnyLanguage)
        return title + u" (downloaded)"_s;
    return QLocale::languageToString(language) + u": "_s + title + u" (downloaded)"_s;
}

QString descriptionOf(const TextEdition& edition)
{
    const QString kind = edition.kind == TextKind::Commentary ? u"Commentary"_s : u"Translation"_s;
    const QString name = !edition.name.isEmpty() ? edition.name : edition.englishName;
    return u"%1 %2 (%3, downloaded)"_s.arg(kind, name, edition.identifier).simplified();
}

} // namespace

TextStore::TextStore(store::Connection& connection) : m_connection(connection) { }

void TextStore::prepareTables()
{
    if (m_tablesReady)
        return;
    QSqlDatabase db = m_connection.database();
    if (!store::makeDownloadedTextTables(db))
        throw store::DbError(store::DbError::StatementRefused, db.lastError().text());
    m_tablesReady = true;
}

const QHash<int, int>& TextStore::verseCounts()
{
    if (m_verseCounts.isEmpty()) {
        QSqlQuery query = run(m_connection.database(), u"SELECT SurahNo, count(*) FROM MD_Ayah_TAB GROUP BY SurahNo"_s);
        while (query.next())
            m_verseCounts.insert(query.value(0).toInt(), query.value(1).toInt());
    }
    return m_verseCounts;
}

QHash<QString, int> TextStore::installedIds()
{
    prepareTables();
    QHash<QString, int> ids;
    QSqlQuery query
        = run(m_connection.database(), u"SELECT Identifier, MasterID FROM TX_Text_TAB WHERE MasterID IS NOT NULL"_s);
    while (query.next())
        ids.insert(query.value(0).toString(), query.value(1).toInt());
    return ids;
}

std::optional<InstalledText> TextStore::installedText(const QString& identifier)
{
    const QHash<QString, int> ids = installedIds();
    if (!ids.contains(identifier))
        return std::nullopt;
    QSqlQuery count
        = run(m_connection.database(), u"SELECT count(*) FROM AP_Detail_TAB WHERE MasterID = ?"_s, {ids[identifier]});
    count.next();
    return InstalledText{identifier, ids[identifier], count.value(0).toInt()};
}

QSet<int> TextStore::keptChapters(const QString& identifier)
{
    prepareTables();
    QSet<int> chapters;
    QSqlQuery query = run(m_connection.database(),
        u"SELECT DISTINCT a.SurahNo FROM TX_Part_TAB p JOIN MD_Ayah_TAB a ON a.AyahRef = p.AyahRef "
        u"WHERE p.Identifier = ?"_s,
        {identifier});
    while (query.next())
        chapters.insert(query.value(0).toInt());
    return chapters;
}

std::optional<TextEdition> TextStore::pendingEdition(const QString& identifier)
{
    prepareTables();
    QSqlQuery query = run(m_connection.database(),
        u"SELECT Kind, Language, Name, Direction FROM TX_Text_TAB WHERE Identifier = ?"_s, {identifier});
    if (!query.next())
        return std::nullopt;
    TextEdition edition;
    edition.identifier = identifier;
    edition.kind
        = query.value(0).toString() == sysTermOf(TextKind::Commentary) ? TextKind::Commentary : TextKind::Translation;
    edition.language = query.value(1).toString();
    edition.englishName = query.value(2).toString();
    edition.direction = query.value(3).toString();
    return edition;
}

void TextStore::keepChapter(const TextEdition& edition, int chapter, const QStringList& verses)
{
    prepareTables();
    QSqlDatabase db = m_connection.database();
    Transaction transaction(db);
    run(db,
        u"INSERT OR REPLACE INTO TX_Text_TAB (Identifier, MasterID, Kind, Language, Name, Direction) "
        u"VALUES (?, NULL, ?, ?, ?, ?)"_s,
        {edition.identifier, sysTermOf(edition.kind), edition.language,
            !edition.englishName.isEmpty() ? edition.englishName : edition.name, edition.direction});
    QSqlQuery refs = run(db, u"SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = ? ORDER BY AyahNo"_s, {chapter});
    QVariantList ayahRefs;
    while (refs.next())
        ayahRefs << refs.value(0);
    if (ayahRefs.size() != verses.size())
        throw store::DbError(store::DbError::StatementRefused,
            u"chapter %1 has %2 verses, not %3"_s.arg(chapter).arg(ayahRefs.size()).arg(verses.size()));
    QSqlQuery insert(db);
    insert.prepare(u"INSERT OR REPLACE INTO TX_Part_TAB (Identifier, AyahRef, Data, DataSearchable) "
                   u"VALUES (?, ?, ?, ?)"_s);
    QVariantList identifiers, pageTexts, searchTexts;
    for (const QString& verse : verses) {
        identifiers << edition.identifier;
        pageTexts << pageText(verse);
        searchTexts << searchText(verse);
    }
    insert.addBindValue(identifiers);
    insert.addBindValue(ayahRefs);
    insert.addBindValue(pageTexts);
    insert.addBindValue(searchTexts);
    if (!insert.execBatch())
        throw store::DbError(store::DbError::StatementRefused, insert.lastError().text());
    transaction.commit();
}

std::optional<InstalledText> TextStore::install(const TextEdition& edition)
{
    if (keptChapters(edition.identifier).size() != chapterCount() || chapterCount() == 0)
        return std::nullopt;
    QSqlDatabase db = m_connection.database();
    Transaction transaction(db);
    QSqlQuery next = run(db, u"SELECT max(MasterID) FROM AP_Master_TAB"_s);
    next.next();
    const int masterId = std::max<int>(store::kFirstDownloadedId, next.value(0).toInt() + 1);
    const TextStyle style = styleForLanguage(edition.language);
    // Not chosen by default: every start restores the defaults, and a
    // download shows in a row only when the reader puts it there.
    run(db,
        u"INSERT INTO AP_Master_TAB (MasterID, MasterTypeID, Master, Description, Data, UserSelection, "
        u"DefaultSelection, SortOrderUser, SortOrderDef, TextDirection, FontName, FontSize, FontBold) "
        u"SELECT ?, MasterTypeID, ?, ?, NULL, 0, 0, 0, 0, ?, ?, ?, 'normal' FROM AP_TypesMaster_TAB "
        u"WHERE SysTerm = ?"_s,
        {masterId, programNameOf(edition), descriptionOf(edition), edition.direction == "rtl"_L1 ? u"rtl"_s : u"ltr"_s,
            style.font, style.size, sysTermOf(edition.kind)});
    QSqlQuery verses = run(db,
        u"INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataSearchable) SELECT ?, AyahRef, Data, "
        u"DataSearchable FROM TX_Part_TAB WHERE Identifier = ? ORDER BY AyahRef"_s,
        {masterId, edition.identifier});
    const int count = verses.numRowsAffected();
    run(db, u"DELETE FROM TX_Part_TAB WHERE Identifier = ?"_s, {edition.identifier});
    run(db,
        u"INSERT OR REPLACE INTO TX_Text_TAB (Identifier, MasterID, Kind, Language, Name, Direction) "
        u"VALUES (?, ?, ?, ?, ?, ?)"_s,
        {edition.identifier, masterId, sysTermOf(edition.kind), edition.language, programNameOf(edition),
            edition.direction});
    transaction.commit();
    return InstalledText{edition.identifier, masterId, count};
}

bool TextStore::remove(const QString& identifier)
{
    prepareTables();
    QSqlDatabase db = m_connection.database();
    Transaction transaction(db);
    QSqlQuery found = run(db, u"SELECT MasterID FROM TX_Text_TAB WHERE Identifier = ?"_s, {identifier});
    if (!found.next())
        return false;
    const QVariant masterId = found.value(0);
    found.finish();
    if (!masterId.isNull()) {
        run(db, u"DELETE FROM AP_Detail_TAB WHERE MasterID = ?"_s, {masterId});
        run(db, u"DELETE FROM AP_Master_TAB WHERE MasterID = ?"_s, {masterId});
    }
    run(db, u"DELETE FROM TX_Part_TAB WHERE Identifier = ?"_s, {identifier});
    run(db, u"DELETE FROM TX_Text_TAB WHERE Identifier = ?"_s, {identifier});
    transaction.commit();
    return true;
}

QString TextStore::pageText(const QString& text)
{
    QString page = control::escapeHtml(text.trimmed());
    page.replace(u"\r\n"_s, u"\n"_s);
    page.replace(u'\n', u"<br>"_s);
    return page;
}

QString TextStore::searchText(const QString& text)
{
    QString plain = control::escapeHtml(text.simplified()).toLower();
    return store::foldArabic(plain);
}

} // namespace tilvora::texts

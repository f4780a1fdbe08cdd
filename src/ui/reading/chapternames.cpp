#include "ui/reading/chapternames.h"

#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"

#include <QLocale>

namespace tilvora::ui {

QString ChapterNames::statement(const QString& condition)
{
    const QLocale::Language language = QLocale().language();
    if (language == QLocale::Arabic || language == QLocale::Urdu)
        return QStringLiteral("SELECT SurahNo, SurahName FROM GN_Surah_TAB") + condition;
    if (language == QLocale::French || language == QLocale::Russian || language == QLocale::Turkish) {
        // The language's own names where the content has them, else the
        // transliteration.
        return QStringLiteral("SELECT s.SurahNo, COALESCE(n.Name, s.Transliteration) FROM GN_Surah_TAB s"
                              " LEFT JOIN GN_SurahName_TAB n ON n.SurahNo = s.SurahNo AND n.Language = '%1'")
                   .arg(QLocale::languageToCode(language))
            + condition;
    }
    return QStringLiteral("SELECT SurahNo, Transliteration FROM GN_Surah_TAB") + condition;
}

QHash<int, QString> ChapterNames::all(store::Connection& connection)
{
    QHash<int, QString> names;
    const auto read = [&](const QString& sql) {
        store::RecordSet rows = connection.openRecordSet(sql);
        for (rows.moveFirst(); !rows.eof(); rows.moveNext())
            names.insert(rows.value(0).toInt(), rows.text(1));
    };
    try {
        read(statement(QString()));
    } catch (const store::DbError&) {
        // Content made before the table of names: the transliteration.
        try {
            read(QStringLiteral("SELECT SurahNo, Transliteration FROM GN_Surah_TAB"));
        } catch (const store::DbError&) {
            // Content that names no chapters.
        }
    }
    return names;
}

QString ChapterNames::of(store::Connection& connection, int surah)
{
    return all(connection).value(surah);
}

} // namespace tilvora::ui

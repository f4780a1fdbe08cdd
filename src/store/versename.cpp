#include "store/versename.h"

#include "store/connection.h"
#include "store/dberror.h"

namespace tilvora::store {

QString VerseName::reference() const
{
    if (surah <= 0)
        return QString::number(ayahRef);
    return QStringLiteral("%1:%2").arg(surah).arg(ayah);
}

QString VerseName::citation() const
{
    if (surah <= 0)
        return QStringLiteral("verse %1").arg(ayahRef);
    return chapter + QLatin1Char(' ') + reference();
}

VerseName nameVerse(Connection& connection, qint32 ayahRef)
{
    VerseName name;
    name.ayahRef = ayahRef;
    RecordSet verse = connection.openRecordSet(
        QStringLiteral("SELECT SurahNo, AyahNo FROM MD_Ayah_TAB WHERE AyahRef = %1").arg(ayahRef));
    if (verse.recordCount() <= 0)
        return name;
    verse.moveFirst();
    name.surah = verse.value(QStringLiteral("SurahNo")).toInt();
    name.ayah = verse.value(QStringLiteral("AyahNo")).toInt();
    name.chapter = QStringLiteral("Chapter %1").arg(name.surah);
    try {
        RecordSet chapter = connection.openRecordSet(
            QStringLiteral("SELECT Transliteration FROM GN_Surah_TAB WHERE SurahNo = %1").arg(name.surah));
        if (chapter.recordCount() > 0) {
            chapter.moveFirst();
            const QString transliteration = chapter.text(QStringLiteral("Transliteration")).trimmed();
            if (!transliteration.isEmpty())
                name.chapter = transliteration;
        }
    } catch (const DbError&) {
        // A database without the chapter table: the chapter keeps its number.
    }
    return name;
}

} // namespace tilvora::store

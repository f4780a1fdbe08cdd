#include "versecatalogue.h"

#include "store/dberror.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace tilvora::pages {

QString ChapterEntry::title() const
{
    if (latinName.isEmpty())
        return u"Chapter %1"_s.arg(number);
    return u"%1 %2"_s.arg(number).arg(latinName);
}

VerseCatalogue::VerseCatalogue(store::Connection& connection) : m_connection(connection)
{
    store::RecordSet starts = connection.openRecordSet(
        u"SELECT SurahNo, MIN(AyahRef) AS FirstRef FROM MD_Ayah_TAB GROUP BY SurahNo ORDER BY SurahNo"_s);
    for (starts.moveFirst(); !starts.eof(); starts.moveNext())
        m_chapters.append({starts.value(0).toInt(), starts.value(1).toInt(), {}, {}});
    try {
        store::RecordSet names
            = connection.openRecordSet(u"SELECT SurahNo, SurahName, Transliteration FROM GN_Surah_TAB"_s);
        for (names.moveFirst(); !names.eof(); names.moveNext()) {
            for (ChapterEntry& entry : m_chapters) {
                if (entry.number == names.value(0).toInt()) {
                    entry.arabicName = names.text(1);
                    entry.latinName = names.text(2);
                }
            }
        }
    } catch (const store::DbError&) {
        // A database without chapter names: headings show the numbers.
    }
}

const ChapterEntry* VerseCatalogue::chapter(int number) const
{
    for (const ChapterEntry& entry : m_chapters) {
        if (entry.number == number)
            return &entry;
    }
    return nullptr;
}

std::optional<store::VersePlace> VerseCatalogue::placeOf(int ayahRef) const
{
    store::RecordSet row
        = m_connection.openRecordSet(u"SELECT SurahNo, AyahNo FROM MD_Ayah_TAB WHERE AyahRef = %1"_s.arg(ayahRef));
    if (row.recordCount() == 0)
        return std::nullopt;
    row.moveFirst();
    return store::VersePlace{row.value(0).toInt(), row.value(1).toInt()};
}

std::optional<int> VerseCatalogue::refOf(store::VersePlace place) const
{
    store::RecordSet row = m_connection.openRecordSet(
        u"SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = %1 AND AyahNo = %2"_s.arg(place.surah).arg(place.ayah));
    if (row.recordCount() == 0)
        return std::nullopt;
    row.moveFirst();
    return row.value(0).toInt();
}

QList<int> arabicTextOrders(store::SharedState& state)
{
    QList<int> orders;
    store::RecordSet programs = state.gPrograms.clone();
    if (programs.recordCount() == 0)
        return orders;
    for (programs.moveFirst(); !programs.eof(); programs.moveNext()) {
        if (programs.text(u"SysTerm_MasterTypeID"_s) != u"MATAN"_s || !programs.value(u"UserSelection"_s).toBool())
            continue;
        bool isNumber = false;
        const int order = programs.value(u"SortOrderUser"_s).toInt(&isNumber);
        if (isNumber && order >= 0 && order < 4 && !orders.contains(order))
            orders.append(order);
    }
    return orders;
}

QString openingWords(store::SharedState& state, int ayahRef, int count)
{
    // The selected Quran text first, then any other.
    store::RecordSet rows = state.gConnection->openRecordSet(
        u"SELECT d.Data FROM (AP_Detail_TAB d INNER JOIN AP_Master_TAB m ON d.MasterID = m.MasterID) INNER JOIN "
        u"AP_TypesMaster_TAB t ON m.MasterTypeID = t.MasterTypeID WHERE t.SysTerm = 'MATAN' AND d.AyahRef = %1 "
        u"ORDER BY m.UserSelection DESC, m.SortOrderUser, m.MasterID"_s.arg(ayahRef));
    if (rows.recordCount() == 0)
        return {};
    rows.moveFirst();
    static const QRegularExpression markup(u"<[^>]*>"_s);
    static const QRegularExpression blanks(u"\\s+"_s, QRegularExpression::UseUnicodePropertiesOption);
    QString text = rows.text(0);
    text.remove(markup);
    QStringList words = text.split(blanks, Qt::SkipEmptyParts);
    // Pause signs stand between words as tokens of their own.
    words.removeIf([](const QString& word) {
        return std::none_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); });
    });
    const bool cut = words.size() > count;
    words = words.mid(0, count);
    return words.join(u' ') + (cut ? u" …"_s : QString());
}

} // namespace tilvora::pages

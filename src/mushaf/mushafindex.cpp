#include "mushafindex.h"

#include "store/connection.h"
#include "store/dberror.h"

#include <QRegularExpression>

#include <algorithm>

namespace tilvora::mushaf {

namespace {

LineKind kindOf(const QString& text)
{
    if (text == QLatin1String("title"))
        return LineKind::Title;
    if (text == QLatin1String("basmala"))
        return LineKind::Basmala;
    return LineKind::Text;
}

} // namespace

MushafIndex MushafIndex::load(store::Connection& connection)
{
    MushafIndex index;
    store::RecordSet tables = connection.openRecordSet(QStringLiteral(
        "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('MS_Line_TAB', 'MS_Division_TAB')"));
    tables.moveFirst();
    if (tables.value(0).toInt() != 2)
        throw store::RefusedValue(QStringLiteral("This content database holds no mushaf pages."));

    store::RecordSet lines = connection.openRecordSet(QStringLiteral(
        "SELECT PageNo, LineNo, Kind, SurahNo, FirstAyahRef, LastAyahRef FROM MS_Line_TAB ORDER BY PageNo, LineNo"));
    index.m_lines.reserve(static_cast<std::size_t>(lines.recordCount()));
    // A new record set stands on its first row.
    for (; !lines.eof(); lines.moveNext()) {
        const LineEntry entry{lines.value(0).toInt(), lines.value(1).toInt(), kindOf(lines.text(2)),
            lines.value(3).toInt(), lines.value(4).toInt(), lines.value(5).toInt()};
        if (index.m_pageStart.empty() || index.m_lines.back().page != entry.page)
            index.m_pageStart.push_back(index.m_lines.size());
        if (entry.kind == LineKind::Text)
            index.m_textLines.push_back(index.m_lines.size());
        index.m_lines.push_back(entry);
    }
    if (index.m_lines.empty())
        throw store::RefusedValue(QStringLiteral("This content database holds no mushaf pages."));
    index.m_pageCount = index.m_lines.back().page;
    index.m_pageStart.push_back(index.m_lines.size());
    if (static_cast<int>(index.m_pageStart.size()) != index.m_pageCount + 1)
        throw store::RefusedValue(QStringLiteral("The mushaf pages of this content database are not numbered 1 to %1.")
                                      .arg(index.m_pageCount));

    store::RecordSet verses
        = connection.openRecordSet(QStringLiteral("SELECT AyahRef, SurahNo, AyahNo FROM MD_Ayah_TAB ORDER BY AyahRef"));
    index.m_verses.reserve(static_cast<std::size_t>(verses.recordCount()));
    for (; !verses.eof(); verses.moveNext())
        index.m_verses.push_back({verses.value(0).toInt(), verses.value(1).toInt(), verses.value(2).toInt()});

    store::RecordSet divisions = connection.openRecordSet(
        QStringLiteral("SELECT Division, AyahRef FROM MS_Division_TAB ORDER BY Division, No"));
    for (; !divisions.eof(); divisions.moveNext()) {
        const QString name = divisions.text(0);
        if (index.m_divisions.empty() || index.m_divisions.back().first != name)
            index.m_divisions.push_back({name, {}});
        index.m_divisions.back().second.push_back(divisions.value(1).toInt());
    }
    return index;
}

std::span<const LineEntry> MushafIndex::linesOf(int page) const
{
    if (!isPage(page))
        return {};
    const auto p = static_cast<std::size_t>(page);
    return std::span<const LineEntry>(m_lines).subspan(m_pageStart[p - 1], m_pageStart[p] - m_pageStart[p - 1]);
}

Place MushafIndex::placeOf(qint32 ayahRef) const
{
    if (verse(ayahRef) == nullptr)
        return {};
    // The text lines' last verses never decrease: the first line whose last
    // verse is this one or later holds the verse's first word.
    const auto found = std::partition_point(
        m_textLines.begin(), m_textLines.end(), [&](std::size_t i) { return m_lines[i].last < ayahRef; });
    if (found == m_textLines.end() || m_lines[*found].first > ayahRef)
        return {};
    return {m_lines[*found].page, m_lines[*found].line};
}

std::ptrdiff_t MushafIndex::textLineBefore(std::size_t index) const
{
    const auto found = std::lower_bound(m_textLines.begin(), m_textLines.end(), index);
    return found == m_textLines.begin() ? -1 : static_cast<std::ptrdiff_t>(*(found - 1));
}

std::ptrdiff_t MushafIndex::textLineAfter(std::size_t index) const
{
    const auto found = std::upper_bound(m_textLines.begin(), m_textLines.end(), index);
    return found == m_textLines.end() ? -1 : static_cast<std::ptrdiff_t>(*found);
}

qint32 MushafIndex::firstVerseOf(int page) const
{
    for (const LineEntry& line : linesOf(page)) {
        if (line.kind != LineKind::Text)
            continue;
        // A verse carried over from the page before does not begin here.
        const std::ptrdiff_t before = textLineBefore(static_cast<std::size_t>(&line - m_lines.data()));
        const bool carried = before >= 0 && m_lines[static_cast<std::size_t>(before)].last == line.first;
        if (!carried)
            return line.first;
        if (line.last > line.first)
            return line.first + 1;
    }
    return 0;
}

qint32 MushafIndex::lastVerseOf(int page) const
{
    const std::span<const LineEntry> lines = linesOf(page);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (line->kind != LineKind::Text)
            continue;
        // A verse that goes on over the page does not end here.
        const std::ptrdiff_t after = textLineAfter(static_cast<std::size_t>(&*line - m_lines.data()));
        const bool goesOn = after >= 0 && m_lines[static_cast<std::size_t>(after)].first == line->last;
        if (!goesOn)
            return line->last;
        if (line->last > line->first)
            return line->last - 1;
    }
    return 0;
}

const std::vector<qint32>* MushafIndex::starts(const QString& division) const
{
    for (const auto& [name, list] : m_divisions) {
        if (name == division)
            return &list;
    }
    return nullptr;
}

int MushafIndex::divisionAt(const QString& division, qint32 ayahRef) const
{
    const std::vector<qint32>* list = starts(division);
    if (list == nullptr)
        return 0;
    return static_cast<int>(std::upper_bound(list->begin(), list->end(), ayahRef) - list->begin());
}

PageDivisions MushafIndex::divisionsAt(int page) const
{
    PageDivisions result;
    qint32 opening = 0;
    for (const LineEntry& line : linesOf(page)) {
        if (line.kind == LineKind::Text) {
            opening = line.first;
            break;
        }
    }
    if (opening == 0)
        return result;
    result.part = divisionAt(QStringLiteral("part"), opening);
    result.quarter = divisionAt(QStringLiteral("quarter"), opening);
    result.manzil = divisionAt(QStringLiteral("manzil"), opening);
    for (const auto& [name, list] : m_divisions) {
        if (name == QLatin1String("page"))
            continue;
        for (std::size_t k = 0; k < list.size(); ++k) {
            const Place place = placeOf(list[k]);
            if (place.page == page)
                result.beginning.push_back({name, static_cast<int>(k) + 1, list[k], place.line});
        }
    }
    return result;
}

int MushafIndex::pageOfDivision(const QString& division, int number) const
{
    const std::vector<qint32>* list = starts(division);
    if (list == nullptr || number < 1 || number > static_cast<int>(list->size()))
        return 0;
    return placeOf((*list)[static_cast<std::size_t>(number) - 1]).page;
}

int MushafIndex::pageOfChapter(int surah) const
{
    for (const LineEntry& line : m_lines) {
        if (line.kind == LineKind::Title && line.surah == surah)
            return line.page;
    }
    return 0;
}

std::pair<qint32, qint32> MushafIndex::versesOf(const QString& unit, int number) const
{
    if (m_verses.empty())
        return {0, 0};
    const qint32 lastOfBook = m_verses.back().ayahRef;
    // The verse before `next`, or the book's last verse when there is none.
    const auto before = [&](qint32 next) { return next != 0 ? next - 1 : lastOfBook; };
    if (unit == QLatin1String("page")) {
        const qint32 first = firstVerseOf(number);
        if (first == 0)
            return {0, 0};
        qint32 next = 0;
        for (int page = number + 1; next == 0 && page <= m_pageCount; ++page)
            next = firstVerseOf(page);
        return {first, before(next)};
    }
    if (unit == QLatin1String("chapter")) {
        const qint32 first = ayahRef(number, 1);
        if (first == 0)
            return {0, 0};
        return {first, before(ayahRef(number + 1, 1))};
    }
    if (unit == QLatin1String("part")) {
        const std::vector<qint32>* list = starts(QStringLiteral("part"));
        if (list == nullptr || number < 1 || number > static_cast<int>(list->size()))
            return {0, 0};
        const auto index = static_cast<std::size_t>(number);
        return {(*list)[index - 1], before(index < list->size() ? (*list)[index] : 0)};
    }
    return {0, 0};
}

const MushafIndex::Verse* MushafIndex::verse(qint32 ayahRef) const
{
    const auto found = std::lower_bound(
        m_verses.begin(), m_verses.end(), ayahRef, [](const Verse& v, qint32 ref) { return v.ayahRef < ref; });
    return found != m_verses.end() && found->ayahRef == ayahRef ? &*found : nullptr;
}

qint32 MushafIndex::ayahRef(int surah, int ayah) const
{
    // The verses run in chapter and verse order.
    const auto found = std::lower_bound(
        m_verses.begin(), m_verses.end(), std::pair{surah, ayah}, [](const Verse& v, const std::pair<int, int>& key) {
            return std::pair{v.surah, v.ayah} < key;
        });
    return found != m_verses.end() && found->surah == surah && found->ayah == ayah ? found->ayahRef : 0;
}

QString MushafIndex::reference(qint32 ayahRef) const
{
    const Verse* found = verse(ayahRef);
    return found == nullptr ? QString()
                            : QString::number(found->surah) + QLatin1Char(':') + QString::number(found->ayah);
}

int MushafIndex::parsePage(const QString& text) const
{
    bool ok = false;
    const int page = text.trimmed().toInt(&ok);
    if (!ok || !isPage(page))
        throw store::RefusedValue(
            QStringLiteral("There is no page \"%1\" in the mushaf: its pages are numbered 1 to %2.")
                .arg(text.trimmed())
                .arg(m_pageCount));
    return page;
}

qint32 MushafIndex::parseReference(const QString& text) const
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,4})\\s*:\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        throw store::RefusedValue(QStringLiteral("\"%1\" is not a verse reference such as 2:255.").arg(text.trimmed()));
    const int surah = match.captured(1).toInt();
    const int ayah = match.captured(2).toInt();
    const qint32 ref = ayahRef(surah, ayah);
    if (ref == 0 || placeOf(ref).page == 0)
        throw store::RefusedValue(QStringLiteral("There is no verse %1:%2.").arg(surah).arg(ayah));
    return ref;
}

} // namespace tilvora::mushaf

#include "climemorise.h"

#include "memorise/readerdata.h"
#include "store/bookmarkstore.h"
#include "store/dberror.h"

#include <QDateTime>

#include <algorithm>
#include <tuple>

namespace tilvora::app {

namespace {
QString number(int value)
{
    return QString::number(value);
}

// Input text as an error line echoes it, without the control and format
// characters that could drive the reader's terminal.
QString printable(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format)
            out += c;
    }
    return out;
}
} // namespace

CliMemorise::CliMemorise(host::TextHost& host, IndexSource index) : m_host(host), m_index(std::move(index)) { }

CliMemorise::~CliMemorise() = default;

int CliMemorise::fieldCountOf(const QString& event)
{
    if (event == QLatin1String("learn") || event == QLatin1String("forget") || event == QLatin1String("grade")
        || event == QLatin1String("note"))
        return 3;
    if (event == QLatin1String("today") || event == QLatin1String("due") || event == QLatin1String("notes")
        || event == QLatin1String("limit") || event == QLatin1String("export") || event == QLatin1String("import"))
        return 2;
    return 0;
}

memorise::MemoriseStore& CliMemorise::store()
{
    if (!m_store) {
        const QString path = m_folder + QStringLiteral("/bookmarks.sqlite");
        {
            // Sets aside a file that cannot be read, and says so.
            const store::BookmarkStore bookmarks(path);
            if (!bookmarks.problem().isEmpty())
                m_host.reportError(bookmarks.problem());
        }
        m_store = std::make_unique<memorise::MemoriseStore>(path);
        if (!m_store->problem().isEmpty())
            m_host.reportError(m_store->problem());
    }
    return *m_store;
}

int CliMemorise::pageOf(store::VersePlace place) const
{
    const mushaf::MushafIndex& index = m_index();
    return index.placeOf(index.ayahRef(place.surah, place.ayah)).page;
}

store::VersePlace CliMemorise::placeOf(qint32 ayahRef) const
{
    const QString reference = m_index().reference(ayahRef);
    return {reference.section(QLatin1Char(':'), 0, 0).toInt(), reference.section(QLatin1Char(':'), 1, 1).toInt()};
}

void CliMemorise::handle(const QString& event, const QStringList& fields)
{
    try {
        if (event == QLatin1String("today"))
            setToday(fields.value(1));
        else if (event == QLatin1String("learn"))
            learn(fields.value(1), fields.value(2));
        else if (event == QLatin1String("forget"))
            forget(fields.value(1), fields.value(2));
        else if (event == QLatin1String("limit"))
            setLimit(fields.value(1));
        else if (event == QLatin1String("export"))
            exportData(fields.value(1));
        else if (event == QLatin1String("import"))
            importData(fields.value(1));
        else if (event == QLatin1String("due"))
            listDue();
        else if (event == QLatin1String("grade"))
            grade(fields.value(1), fields.value(2));
        else if (event == QLatin1String("note"))
            setNote(fields.value(1), fields.value(2));
        else if (event == QLatin1String("notes"))
            listNotes();
    } catch (const store::RefusedValue& refused) {
        m_host.reportError(refused.message());
    } catch (const store::DbError& error) {
        m_host.reportError(error.description());
    }
}

void CliMemorise::setToday(const QString& text)
{
    const QDate day = QDate::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd"));
    if (!day.isValid()) {
        m_host.reportError(QStringLiteral("\"%1\" is not a date: write the day as year-month-day, as 2026-05-10.")
                               .arg(printable(text)));
        return;
    }
    m_today = day;
}

std::vector<store::VersePlace> CliMemorise::versesOf(const QString& from, const QString& to)
{
    const mushaf::MushafIndex& index = m_index();
    const QString unit = from.trimmed();
    qint32 first = 0;
    qint32 last = 0;
    if (unit == QLatin1String("page") || unit == QLatin1String("chapter") || unit == QLatin1String("part")) {
        bool isNumber = false;
        const int number = to.trimmed().toInt(&isNumber);
        std::tie(first, last) = index.versesOf(unit, isNumber ? number : 0);
        if (first == 0)
            throw store::RefusedValue(
                QStringLiteral("There is no %1 \"%2\": pages run from 1 to 604, chapters from 1 to 114, parts from 1 "
                               "to 30.")
                    .arg(unit, printable(to.trimmed())));
    } else {
        first = index.parseReference(from);
        last = index.parseReference(to);
        if (last < first)
            throw store::RefusedValue(QStringLiteral("The verses run from %1 to a later verse, not back to %2.")
                                          .arg(index.reference(first), index.reference(last)));
    }
    std::vector<store::VersePlace> places;
    for (qint32 ref = first; ref <= last; ++ref) {
        if (!index.reference(ref).isEmpty())
            places.push_back(placeOf(ref));
    }
    return places;
}

void CliMemorise::learn(const QString& from, const QString& to)
{
    const std::vector<store::VersePlace> places = versesOf(from, to);
    if (!store().learn(places, m_today))
        m_host.reportError(QStringLiteral("The verses to learn could not be stored in your file."));
}

void CliMemorise::forget(const QString& from, const QString& to)
{
    const int forgotten = store().forget(versesOf(from, to));
    if (forgotten < 0)
        m_host.reportError(QStringLiteral("The verses could not be taken out: your file could not be changed."));
    else
        m_host.writeLine({QStringLiteral("forgotten"), number(forgotten)});
}

void CliMemorise::setLimit(const QString& text)
{
    bool isNumber = false;
    const int pages = text.trimmed().toInt(&isNumber);
    if (!isNumber || pages < 1 || pages > memorise::kMaxDailyLimit) {
        m_host.reportError(QStringLiteral("A day's review holds 1 to %1 pages, not \"%2\".")
                               .arg(memorise::kMaxDailyLimit)
                               .arg(printable(text.trimmed())));
        return;
    }
    if (!store().setDailyLimit(pages))
        m_host.reportError(QStringLiteral("The daily limit could not be stored in your file."));
}

void CliMemorise::exportData(const QString& path)
{
    store();
    memorise::ReaderData data(m_folder + QStringLiteral("/bookmarks.sqlite"));
    if (const auto counts = data.exportTo(path))
        m_host.writeLine(
            {QStringLiteral("exported"), number(counts->bookmarks), number(counts->notes), number(counts->learnt)});
    else
        m_host.reportError(data.problem());
}

void CliMemorise::importData(const QString& path)
{
    store();
    memorise::ReaderData data(m_folder + QStringLiteral("/bookmarks.sqlite"));
    if (const auto counts = data.importFrom(path))
        m_host.writeLine(
            {QStringLiteral("imported"), number(counts->bookmarks), number(counts->notes), number(counts->learnt)});
    else
        m_host.reportError(data.problem());
}

void CliMemorise::listDue()
{
    const auto pageOfVerse = [this](store::VersePlace place) { return pageOf(place); };
    const std::vector<memorise::PageReview> list
        = memorise::dayReview(store().scheduled(), pageOfVerse, m_today, store().dailyLimit());
    for (const memorise::PageReview& page : list)
        m_host.writeLine({QStringLiteral("due"), number(page.page), number(page.versesDue), number(page.daysOverdue)});
    m_host.writeLine({QStringLiteral("due"), QStringLiteral("end"), number(static_cast<int>(list.size()))});
}

void CliMemorise::grade(const QString& pageText, const QString& gradeText)
{
    const int page = m_index().parsePage(pageText);
    const std::optional<memorise::Grade> grade = memorise::gradeFromName(gradeText.trimmed());
    if (!grade) {
        m_host.reportError(QStringLiteral("A recall is graded again, hard, good or easy, not \"%1\".")
                               .arg(printable(gradeText.trimmed())));
        return;
    }
    const auto pageOfVerse = [this](store::VersePlace place) { return pageOf(place); };
    const std::vector<store::VersePlace> verses = memorise::versesOnPage(store().scheduled(), pageOfVerse, page);
    if (verses.empty()) {
        m_host.reportError(QStringLiteral("Page %1 holds no verse you are learning.").arg(page));
        return;
    }
    if (!store().grade(verses, *grade, m_today)) {
        m_host.reportError(QStringLiteral("The grade could not be stored in your file."));
        return;
    }
    QDate next;
    for (const memorise::ScheduledVerse& verse : store().scheduled()) {
        if (std::find(verses.begin(), verses.end(), verse.place) != verses.end())
            next = next.isValid() ? std::min(next, verse.card.due) : verse.card.due;
    }
    m_host.writeLine({QStringLiteral("scheduled"), number(page), next.toString(Qt::ISODate)});
}

void CliMemorise::setNote(const QString& reference, const QString& text)
{
    const qint32 verse = m_index().parseReference(reference);
    if (!store().setNote(placeOf(verse), text, QDateTime::currentDateTimeUtc()))
        m_host.reportError(QStringLiteral("The note could not be stored in your file."));
}

void CliMemorise::listNotes()
{
    for (const memorise::VerseNote& note : store().notes())
        m_host.writeLine(
            {QStringLiteral("note"), number(note.place.surah) + QLatin1Char(':') + number(note.place.ayah), note.text});
}

} // namespace tilvora::app

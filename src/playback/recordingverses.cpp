#include "playback/recordingverses.h"

#include "playback/verserecording.h"

#include <QFileInfo>

#include <algorithm>

namespace tilvora::playback {

namespace {

QString baseName(const QString& file)
{
    return QFileInfo(file).completeBaseName();
}

} // namespace

RecordingVerses RecordingVerses::of(store::SharedState& state, qint32 ayahRef)
{
    // A copy of the cursor over the voice's rows, so that gDetails stays
    // where it is.
    store::RecordSet rows = state.gDetails.clone();
    RecordingVerses verses;
    if (rows.recordCount() <= 0)
        return verses;
    rows.moveFirst();
    rows.find(QStringLiteral("AyahRef='") + QString::number(ayahRef) + QStringLiteral("'"));
    if (rows.eof())
        return verses;
    const QString name = rows.text(QStringLiteral("Data")).trimmed();
    double ignored = 0;
    if (name.isEmpty() || !parseStartPosition(rows.text(QStringLiteral("DataPos")).trimmed(), &ignored))
        return verses;
    verses.m_fileName = name;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        Start start;
        if (rows.text(QStringLiteral("Data")).trimmed().compare(name, Qt::CaseInsensitive) == 0
            && parseStartPosition(rows.text(QStringLiteral("DataPos")).trimmed(), &start.seconds)) {
            start.ayahRef = rows.value(QStringLiteral("AyahRef")).toInt();
            verses.m_starts.push_back(start);
        }
    }
    std::stable_sort(verses.m_starts.begin(), verses.m_starts.end(),
        [](const Start& a, const Start& b) { return a.seconds < b.seconds; });
    return verses;
}

bool RecordingVerses::isFile(const QString& path) const
{
    return !m_fileName.isEmpty() && baseName(path).compare(baseName(m_fileName), Qt::CaseInsensitive) == 0;
}

qint32 RecordingVerses::verseAt(double seconds) const
{
    const auto after = std::upper_bound(
        m_starts.cbegin(), m_starts.cend(), seconds, [](double at, const Start& start) { return at < start.seconds; });
    return after == m_starts.cbegin() ? 0 : std::prev(after)->ayahRef;
}

} // namespace tilvora::playback

#include "align/voicechapter.h"

#include "align/alignfailure.h"
#include "align/chapteraligner.h"
#include "playback/mediasearch.h"
#include "playback/voicefolder.h"
#include "store/queryhelpers.h"
#include "store/sharedstate.h"
#include "store/statements.h"

#include <QDir>
#include <QFileInfo>

#include <map>
#include <numeric>

namespace tilvora::align {

namespace {

int wholeNumber(const QString& text, const QString& what)
{
    const store::WholeNumber number = store::readWholeNumber(text);
    if (!number.value)
        throw AlignFailure{QStringLiteral("A %1 is a whole number, not \"%2\".").arg(what, text)};
    return *number.value;
}

QString voiceFolder(store::SharedState& state, int voiceId)
{
    store::RecordSet voice = state.gConnection->openRecordSet(
        QStringLiteral("SELECT AP_Master_TAB.Data FROM AP_Master_TAB INNER JOIN AP_TypesMaster_TAB"
                       " ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID"
                       " WHERE AP_Master_TAB.MasterID = %1 AND AP_TypesMaster_TAB.SysTerm = 'VOICE'")
            .arg(voiceId));
    if (voice.recordCount() == 0)
        throw AlignFailure{QStringLiteral("There is no voice %1.").arg(voiceId)};
    voice.moveFirst();
    const QString folder = voice.text(QStringLiteral("Data")).trimmed();
    if (folder.isEmpty())
        throw AlignFailure{QStringLiteral("The voice %1 has no media folder.").arg(voiceId)};
    return playback::resolveVoiceFolder(state.gAppFolder, folder);
}

QString chapterRecording(const QString& folder, int chapter)
{
    const QString number = QStringLiteral("%1").arg(chapter, 3, 10, QLatin1Char('0'));
    const QStringList names{number + QStringLiteral(".mp3"), number + QStringLiteral(".wma")};
    for (const QString& name : names) {
        QString direct = playback::existingFilePath(folder + QLatin1Char('/') + name);
        if (!direct.isEmpty())
            return direct;
    }
    for (const QString& name : names) {
        const QString below = playback::findFile(folder, name);
        if (!below.isEmpty())
            return playback::existingFilePath(below + name);
    }
    throw AlignFailure{QStringLiteral("The folder %1 holds no recording of chapter %2 (%3 or %4).")
                           .arg(QDir::toNativeSeparators(folder))
                           .arg(chapter)
                           .arg(names[0], names[1])};
}

// The chapter's verses (AyahRef) in order.
std::vector<int> chapterVerseRefs(store::SharedState& state, int chapter)
{
    store::RecordSet refs = state.gConnection->openRecordSet(
        QStringLiteral("SELECT AyahRef FROM MD_Ayah_TAB WHERE SurahNo = %1 ORDER BY AyahNo").arg(chapter));
    if (refs.recordCount() == 0)
        throw AlignFailure{QStringLiteral("There is no chapter %1.").arg(chapter)};
    std::vector<int> verses;
    for (refs.moveFirst(); !refs.eof(); refs.moveNext())
        verses.push_back(refs.value(0).toInt());
    return verses;
}

// Each verse's Arabic text, of the first scripture edition that has it
// (none when none has). Read only once the recording is found: it goes
// through every edition's rows.
std::map<int, QString> chapterTexts(store::SharedState& state, int chapter)
{
    store::RecordSet texts = state.gConnection->openRecordSet(
        QStringLiteral("SELECT AP_Detail_TAB.AyahRef, AP_Detail_TAB.Data FROM ((AP_Detail_TAB"
                       " INNER JOIN AP_Master_TAB ON AP_Detail_TAB.MasterID = AP_Master_TAB.MasterID)"
                       " INNER JOIN AP_TypesMaster_TAB ON AP_Master_TAB.MasterTypeID = AP_TypesMaster_TAB.MasterTypeID)"
                       " INNER JOIN MD_Ayah_TAB ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef"
                       " WHERE AP_TypesMaster_TAB.SysTerm = 'MATAN' AND MD_Ayah_TAB.SurahNo = %1"
                       " ORDER BY AP_Master_TAB.MasterID, AP_Detail_TAB.DetailID")
            .arg(chapter));
    std::map<int, QString> textOf;
    if (texts.recordCount() > 0) {
        for (texts.moveFirst(); !texts.eof(); texts.moveNext())
            textOf.emplace(texts.value(0).toInt(), texts.text(1));
    }
    return textOf;
}

} // namespace

QString startText(double seconds)
{
    return QString::number(seconds, 'f', 2);
}

VoiceChapter::VoiceChapter(store::SharedState& state, const QString& voiceId, const QString& chapter)
    : m_voiceId(wholeNumber(voiceId, QStringLiteral("voice"))),
      m_chapter(wholeNumber(chapter, QStringLiteral("chapter")))
{
    m_verseRefs = chapterVerseRefs(state, m_chapter);
    m_recordingPath = chapterRecording(voiceFolder(state, m_voiceId), m_chapter);
    const std::map<int, QString> texts = chapterTexts(state, m_chapter);

    std::vector<double> known;
    for (const int ref : m_verseRefs) {
        const auto text = texts.find(ref);
        m_weights.push_back(text == texts.end() || text->second.isEmpty() ? 0.0 : verseWeight(text->second));
        if (m_weights.back() > 0)
            known.push_back(m_weights.back());
    }
    // A verse without text weighs as much as the others on average.
    const double average
        = known.empty() ? 1.0 : std::accumulate(known.begin(), known.end(), 0.0) / double(known.size());
    for (double& weight : m_weights) {
        if (weight == 0)
            weight = average;
    }
}

QString VoiceChapter::fileName() const
{
    return QFileInfo(m_recordingPath).fileName();
}

std::vector<VerseStart> VoiceChapter::align(const std::atomic_bool* cancelled) const
{
    return alignRecording(m_recordingPath, m_weights, cancelled);
}

int VoiceChapter::rowsOfAnotherKind(store::SharedState& state) const
{
    store::RecordSet rows = state.gConnection->openRecordSet(
        QStringLiteral("SELECT COUNT(*) FROM AP_Detail_TAB INNER JOIN MD_Ayah_TAB"
                       " ON MD_Ayah_TAB.AyahRef = AP_Detail_TAB.AyahRef"
                       " WHERE AP_Detail_TAB.MasterID = %1 AND MD_Ayah_TAB.SurahNo = %2"
                       " AND COALESCE(AP_Detail_TAB.Data, '') <> '%3'")
            .arg(m_voiceId)
            .arg(m_chapter)
            .arg(store::sqlText(fileName())));
    rows.moveFirst();
    return rows.value(0).toInt();
}

void VoiceChapter::requireNoRowsOfAnotherKind(store::SharedState& state) const
{
    const int rows = rowsOfAnotherKind(state);
    if (rows > 0)
        throw AlignFailure{QStringLiteral("The voice %1 has recordings of its own for chapter %2 (files other than "
                                          "%3, for %4 of its verses); the starts found were not stored over them.")
                               .arg(m_voiceId)
                               .arg(m_chapter)
                               .arg(fileName())
                               .arg(rows)};
}

void VoiceChapter::store(store::SharedState& state, const std::vector<VerseStart>& starts, bool replaceOtherKinds) const
{
    if (!replaceOtherKinds)
        requireNoRowsOfAnotherKind(state);
    {
        store::Connection::Transaction transaction(*state.gConnection);
        for (std::size_t i = 0; i < m_verseRefs.size() && i < starts.size(); ++i)
            writeRow(state, i, starts[i].seconds);
        transaction.commit();
    }
    rereadIfSelected(state);
}

void VoiceChapter::storeStart(store::SharedState& state, std::size_t index, double seconds) const
{
    if (index >= m_verseRefs.size())
        return;
    writeRow(state, index, seconds);
    rereadIfSelected(state);
}

void VoiceChapter::writeRow(store::SharedState& state, std::size_t index, double seconds) const
{
    store::Connection& connection = *state.gConnection;
    const QString where
        = QStringLiteral(" WHERE MasterID = %1 AND AyahRef = %2").arg(m_voiceId).arg(m_verseRefs[index]);
    const QString name = QLatin1Char('\'') + store::sqlText(fileName()) + QLatin1Char('\'');
    const QString start = QLatin1Char('\'') + startText(seconds) + QLatin1Char('\'');
    if (connection.openRecordSet(QStringLiteral("SELECT DetailID FROM AP_Detail_TAB") + where).recordCount() > 0)
        connection.execute(QStringLiteral("UPDATE AP_Detail_TAB SET Data = %1, DataPos = %2").arg(name, start) + where);
    else
        connection.execute(
            QStringLiteral("INSERT INTO AP_Detail_TAB (MasterID, AyahRef, Data, DataPos) VALUES (%1, %2, %3, %4)")
                .arg(m_voiceId)
                .arg(m_verseRefs[index])
                .arg(name, start));
}

void VoiceChapter::rereadIfSelected(store::SharedState& state) const
{
    store::RecordSet voice = state.gConnection->openRecordSet(
        QStringLiteral("SELECT UserSelection FROM AP_Master_TAB WHERE MasterID = %1").arg(m_voiceId));
    if (voice.recordCount() > 0 && (voice.moveFirst(), voice.value(0).toBool()))
        store::openProgramDetails(state, QString::number(m_voiceId));
}

} // namespace tilvora::align

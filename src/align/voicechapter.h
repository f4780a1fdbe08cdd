#pragma once

#include "align/versestarts.h"

#include <QString>

#include <atomic>
#include <vector>

namespace tilvora::store {
struct SharedState;
}

namespace tilvora::align {

// One chapter of a voice whose media folder holds one recording per chapter,
// named by the chapter's number in three digits (001.mp3 ... 114.mp3, or .wma;
// the file may lie in a folder below the media folder).
//
// Made on the thread that owns the database (it reads the chapter's verses
// and the voice's folder there); align() touches no database and may run on
// any thread; store() runs on the database's thread again.
class VoiceChapter {
public:
    // Fails with AlignFailure, in plain words, when the voice or the chapter
    // does not exist, the voice has no folder, or the folder holds no
    // recording of the chapter.
    VoiceChapter(store::SharedState& state, const QString& voiceId, const QString& chapter);

    int chapter() const { return m_chapter; }
    const QString& recordingPath() const { return m_recordingPath; }
    // The recording's name as the detail rows hold it.
    QString fileName() const;
    const std::vector<int>& verseRefs() const { return m_verseRefs; }

    std::vector<VerseStart> align(const std::atomic_bool* cancelled = nullptr) const;

    // How many of the voice's rows for the chapter's verses name another file
    // than this recording (a recording of each verse, say): rows that storing
    // the starts would replace with rows of another kind.
    int rowsOfAnotherKind(store::SharedState& state) const;
    // Fails with AlignFailure, saying why, when the voice has such rows.
    void requireNoRowsOfAnotherKind(store::SharedState& state) const;

    // Writes one detail row per verse of the chapter for the voice, naming the
    // recording and the verse's start; rows the voice has for those verses are
    // rewritten, all in one transaction. Rows of another kind are replaced
    // only when `replaceOtherKinds` says so; otherwise nothing is stored and
    // it fails as requireNoRowsOfAnotherKind() does. When the voice is the
    // selected one, its details are read again, so that the next recitation
    // uses the starts.
    void store(store::SharedState& state, const std::vector<VerseStart>& starts, bool replaceOtherKinds = false) const;
    // Stores one verse's start (the verse at `index` in verseRefs()), as a
    // reader corrected it.
    void storeStart(store::SharedState& state, std::size_t index, double seconds) const;

private:
    void writeRow(store::SharedState& state, std::size_t index, double seconds) const;
    void rereadIfSelected(store::SharedState& state) const;

    int m_voiceId = 0;
    int m_chapter = 0;
    QString m_recordingPath;
    std::vector<int> m_verseRefs;
    std::vector<double> m_weights;
};

// A start as the text host prints it and the detail rows hold it: seconds
// with two decimals.
QString startText(double seconds);

} // namespace tilvora::align

#pragma once

#include "store/sharedstate.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace tilvora::playback {

// The verses one recording holds, in the order they are heard, with where
// each starts: the selected voice's detail rows that name the same file. A
// chapter recording holds a chapter's verses; a verse recording holds one.
class RecordingVerses {
public:
    struct Start {
        double seconds = 0;
        qint32 ayahRef = 0;
    };

    RecordingVerses() = default;
    // Those of the file that holds `ayahRef` in the selected voice's rows
    // (gDetails, which stays where it is); none when the voice has no row
    // for the verse or no start position for it.
    static RecordingVerses of(store::SharedState& state, qint32 ayahRef);

    // The file's name as the rows give it.
    QString fileName() const { return m_fileName; }
    bool holdsSeveral() const { return m_starts.size() > 1; }
    // Whether `path` is this recording, whichever of the two file types it
    // was found as.
    bool isFile(const QString& path) const;
    // The verse heard at `seconds`: the last one that starts at or before
    // it; 0 before the first.
    qint32 verseAt(double seconds) const;

private:
    QString m_fileName;
    std::vector<Start> m_starts;
};

} // namespace tilvora::playback

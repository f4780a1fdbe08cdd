#include "align/chapteraligner.h"

#include "align/alignfailure.h"
#include "align/chapterdecoder.h"
#include "align/speechpauses.h"

#include <algorithm>

namespace tilvora::align {

double verseWeight(const QString& arabicText)
{
    double letters = 0;
    for (const QChar c : arabicText) {
        if (c.isLetter())
            ++letters;
    }
    return letters + 2;
}

void requireRecitation(const SpeechPauses& speech, std::size_t verses, const QString& path)
{
    if (!speech.heard)
        throw AlignFailure{
            QStringLiteral("No recitation found in %1: it holds only silence or steady noise.").arg(path)};
    const auto pauses = std::count_if(speech.candidates.begin(), speech.candidates.end(),
        [](const BoundaryCandidate& candidate) { return candidate.isPause(); });
    const int needed = minimumPauses(verses);
    if (pauses < needed)
        throw AlignFailure{QStringLiteral("No recitation found in %1: it pauses %2 times, where a recitation of the "
                                          "chapter's %3 verses pauses at least %4 times (a reciter pauses at the end "
                                          "of most verses).")
                               .arg(path)
                               .arg(pauses)
                               .arg(verses)
                               .arg(needed)};
}

std::vector<VerseStart> alignRecording(
    const QString& path, const std::vector<double>& verseWeights, const std::atomic_bool* cancelled)
{
    const EnergyEnvelope envelope = decodeEnvelope(path, cancelled);
    const SpeechPauses speech = findSpeechPauses(envelope.decibels());
    requireRecitation(speech, verseWeights.size(), path);
    return chooseVerseStarts(speech, verseWeights, EnergyEnvelope::kFrameSeconds);
}

} // namespace tilvora::align

#include "align/chapteraligner.h"

#include "align/chapterdecoder.h"
#include "align/speechpauses.h"

namespace tilvora::align {

double VerseWeight(const QString& arabicText)
{
    double letters = 0;
    for (const QChar c : arabicText) {
        if (c.isLetter())
            ++letters;
    }
    return letters + 2;
}

std::vector<VerseStart> AlignRecording(
    const QString& path, const std::vector<double>& verseWeights, const std::atomic_bool* cancelled)
{
    const EnergyEnvelope envelope = DecodeEnvelope(path, cancelled);
    const SpeechPauses speech = FindSpeechPauses(envelope.decibels());
    return ChooseVerseStarts(speech, verseWeights, EnergyEnvelope::kFrameSeconds);
}

} // namespace tilvora::align

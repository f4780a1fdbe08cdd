#pragma once

#include "align/speechpauses.h"
#include "align/versestarts.h"

#include <QString>

#include <atomic>
#include <vector>

namespace tilvora::align {

// How long a verse is expected to take, relative to the others: the letters
// of its Arabic text (marks such as vowel signs are not letters), plus two
// for the lengthening at its end.
double verseWeight(const QString& arabicText);

// Fails with AlignFailure when the pauses found in the recording `path` are
// no recitation of `verses` verses: nothing in it sounds like speech (digital
// silence, steady noise), or it pauses fewer times than minimumPauses().
void requireRecitation(const SpeechPauses& speech, std::size_t verses, const QString& path);

// Finds each verse's start in a recording of a whole chapter, given the
// weights of its verses in order. Fails as DecodeEnvelope and
// RequireRecitation do: no starts are made up for a recording that holds no
// recitation.
std::vector<VerseStart> alignRecording(
    const QString& path, const std::vector<double>& verseWeights, const std::atomic_bool* cancelled = nullptr);

} // namespace tilvora::align

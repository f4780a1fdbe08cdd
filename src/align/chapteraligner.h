#pragma once

#include "align/versestarts.h"

#include <QString>

#include <atomic>
#include <vector>

namespace tilvora::align {

// How long a verse is expected to take, relative to the others: the letters
// of its Arabic text (marks such as vowel signs are not letters), plus two
// for the lengthening at its end.
double VerseWeight(const QString& arabicText);

// Finds each verse's start in a recording of a whole chapter, given the
// weights of its verses in order. Fails as DecodeEnvelope does.
std::vector<VerseStart> AlignRecording(
    const QString& path, const std::vector<double>& verseWeights, const std::atomic_bool* cancelled = nullptr);

} // namespace tilvora::align

#pragma once

#include "align/speechpauses.h"

#include <vector>

namespace tilvora::align {

// One verse's start found in a chapter recording.
struct VerseStart {
    double seconds = 0;
    // From 0 to 1: how clearly this start beats every other place more than
    // 0.25 s away from it.
    double confidence = 0;
};

// Chooses where each of the verses starts among the candidates, given each
// verse's expected share of the speaking time (for example the length of its
// text). Every verse gets a start, in order of time.
//
// The choice is the best under one score: the pauses chosen should be long,
// and the spoken time of each verse (from its start to the pause that ends
// it) should fit its weight, the speaking rate being measured from the choice
// itself. Speech before the first verse (an opening such as the basmala or a
// seeking of refuge) is allowed for, at a small cost, when it fits the length
// of such an opening. A start is placed shortly before speech resumes.
std::vector<VerseStart> chooseVerseStarts(
    const SpeechPauses& speech, const std::vector<double>& verseWeights, double frameSeconds);

} // namespace tilvora::align

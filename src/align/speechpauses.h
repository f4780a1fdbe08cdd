#pragma once

#include <vector>

namespace tilvora::align {

// A place where a verse may start: a pause (frames [begin, end) are quiet and
// speech resumes at frame `end`), or, where the recording does not fall
// quiet, the quietest moment of a stretch of speech (begin == end).
struct BoundaryCandidate {
    int begin = 0;
    int end = 0;
    bool isPause() const { return end > begin; }
};

// Where a recording speaks and where it pauses, in 10 ms frames.
struct SpeechPauses {
    // The first frame of speech and the frame just after the last one.
    int speechBegin = 0;
    int speechEnd = 0;
    // Between speechBegin and speechEnd, in order of time.
    std::vector<BoundaryCandidate> candidates;
};

// Finds the pauses of an energy envelope (decibels per 10 ms frame). The
// quiet level is measured from the recording itself, so a pause in steady
// background noise counts as well as digital silence. A dip of less than
// 0.1 s is no pause. Within stretches of speech, the moments quieter than
// everything 0.2 s around them (and 0.5 s from a pause) are added as weaker
// candidates, for verses that are run together.
SpeechPauses FindSpeechPauses(const std::vector<float>& decibels);

} // namespace tilvora::align

#pragma once

#include <cstddef>
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
    // Whether anything in the recording sounds like speech: some of it stands
    // out from its quiet level, and is louder than kNoSpeechDecibels.
    bool heard = false;
    // The first frame of speech and the frame just after the last one.
    int speechBegin = 0;
    int speechEnd = 0;
    // Between speechBegin and speechEnd, in order of time.
    std::vector<BoundaryCandidate> candidates;
};

// A recording whose loud level (the level 5 % of it exceeds) stays below
// this holds no speech: recorded speech peaks some 40 dB higher.
inline constexpr float kNoSpeechDecibels = -60;

// How many pauses a recitation of a chapter of `verses` verses holds at
// least: a reciter pauses at the end of most verses (the aligner also finds
// verses run together, but not most of them), so fewer than one pause per
// four verse ends means the recording is not a recitation of those verses.
int minimumPauses(std::size_t verses);

// Finds the pauses of an energy envelope (decibels per 10 ms frame). The
// quiet level is measured from the recording itself, so a pause in steady
// background noise counts as well as digital silence. A dip of less than
// 0.1 s is no pause. Within stretches of speech, the moments quieter than
// everything 0.2 s around them (and 0.5 s from a pause) are added as weaker
// candidates, for verses that are run together.
SpeechPauses findSpeechPauses(const std::vector<float>& decibels);

} // namespace tilvora::align

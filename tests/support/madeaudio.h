#pragma once

// Recordings made by a test: stretches of a speech-like sound (a buzz whose
// loudness rises and falls like syllables) and of quiet, with their times
// known exactly.

#include <QString>

#include <vector>

namespace tilvora::testing {

struct MadeAudio {
    static constexpr int kRate = 16000;
    std::vector<qint16> samples;
    // Each verse's true start, in seconds.
    std::vector<double> starts;

    double seconds() const { return double(samples.size()) / kRate; }
    void speak(double seconds);
    // Quiet, or steady noise this many dB below the speech's loudness.
    void pause(double seconds, double noiseBelowSpeech = 0);
    // Marks the start of the next verse here.
    void verse() { starts.push_back(seconds()); }

    bool writeWav(const QString& path) const;
    // Encodes as MP3 with lame; false when that fails.
    bool writeMp3(const QString& path) const;
};

// A chapter of verses of the given weights spoken at `secondsPerWeight`,
// with `pauseSeconds` between verses, an optional opening before the first
// verse, and a shorter pause inside every verse of weight 60 or more.
MadeAudio MadeChapter(const std::vector<double>& weights, double secondsPerWeight, double pauseSeconds,
    double openingSeconds, double noiseBelowSpeech = 0);

} // namespace tilvora::testing

#pragma once

#include <QtGlobal>

#include <cstddef>
#include <vector>

namespace tilvora::align {

// The loudness of a recording over time: one value per 10 ms frame, in
// decibels below full scale (a silent frame reads kSilenceDecibels). Samples
// arrive in pieces of any size, as a decoder hands them out.
class EnergyEnvelope {
public:
    static constexpr double kFrameSeconds = 0.01;
    static constexpr float kSilenceDecibels = -100.0f;

    explicit EnergyEnvelope(int sampleRate);

    // Adds mono 16-bit samples; a frame is complete once it has all its samples.
    void addSamples(const qint16* samples, std::size_t count);
    // Completes the last frame, if it has any samples.
    void finish();

    int sampleRate() const { return m_sampleRate; }
    const std::vector<float>& decibels() const { return m_decibels; }
    // The envelope as made from decibel values directly (no audio).
    static EnergyEnvelope fromDecibels(std::vector<float> decibels);

private:
    void closeFrame();

    int m_sampleRate;
    int m_frameSamples;
    int m_samplesInFrame = 0;
    double m_sumOfSquares = 0;
    std::vector<float> m_decibels;
};

} // namespace tilvora::align

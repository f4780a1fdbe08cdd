#include "align/energyenvelope.h"

#include <algorithm>
#include <cmath>

namespace tilvora::align {

EnergyEnvelope::EnergyEnvelope(int sampleRate)
    : m_sampleRate(sampleRate), m_frameSamples(std::max(1, int(std::lround(sampleRate * kFrameSeconds))))
{
}

EnergyEnvelope EnergyEnvelope::fromDecibels(std::vector<float> decibels)
{
    EnergyEnvelope envelope(100);
    envelope.m_decibels = std::move(decibels);
    return envelope;
}

void EnergyEnvelope::addSamples(const qint16* samples, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const double value = samples[i];
        m_sumOfSquares += value * value;
        if (++m_samplesInFrame == m_frameSamples)
            closeFrame();
    }
}

void EnergyEnvelope::finish()
{
    if (m_samplesInFrame > 0)
        closeFrame();
}

void EnergyEnvelope::closeFrame()
{
    constexpr double fullScale = 32768.0 * 32768.0;
    const double meanSquare = m_sumOfSquares / m_samplesInFrame / fullScale;
    const double decibels = meanSquare > 0 ? 10.0 * std::log10(meanSquare) : kSilenceDecibels;
    m_decibels.push_back(float(std::max(decibels, double(kSilenceDecibels))));
    m_sumOfSquares = 0;
    m_samplesInFrame = 0;
}

} // namespace tilvora::align

#include "align/speechpauses.h"

#include <algorithm>
#include <cmath>

namespace tilvora::align {

namespace {

constexpr int kMedianFrames = 5; // smooths away clicks and 20 ms dips
constexpr int kMinPauseFrames = 10; // 0.1 s
constexpr int kDipWindowFrames = 20; // a dip is the quietest within ±0.2 s ...
constexpr int kDipAverageFrames = 15; // ... of the envelope averaged over 0.15 s
constexpr int kDipMarginFrames = 50; // and lies 0.5 s from any pause
constexpr float kMinQuietDistance = 6; // dB between the quiet level and the threshold

std::vector<float> medianSmoothed(const std::vector<float>& values)
{
    const int n = int(values.size());
    std::vector<float> out(values.size());
    float window[kMedianFrames];
    for (int i = 0; i < n; ++i) {
        int count = 0;
        for (int j = i - kMedianFrames / 2; j <= i + kMedianFrames / 2; ++j)
            window[count++] = values[std::size_t(std::clamp(j, 0, n - 1))];
        std::nth_element(window, window + count / 2, window + count);
        out[std::size_t(i)] = window[count / 2];
    }
    return out;
}

std::vector<float> movingAverage(const std::vector<float>& values, int width)
{
    const int n = int(values.size());
    std::vector<double> prefix(values.size() + 1, 0.0);
    for (int i = 0; i < n; ++i)
        prefix[std::size_t(i) + 1] = prefix[std::size_t(i)] + values[std::size_t(i)];
    std::vector<float> out(values.size());
    for (int i = 0; i < n; ++i) {
        const int from = std::max(0, i - width / 2);
        const int to = std::min(n, i + width / 2 + 1);
        out[std::size_t(i)] = float((prefix[std::size_t(to)] - prefix[std::size_t(from)]) / (to - from));
    }
    return out;
}

float percentile(std::vector<float> values, double share)
{
    const auto at = values.begin() + std::ptrdiff_t(share * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// Frames louder than this are speech: some way up from the quiet level
// towards the loud level of the recording.
float speechThreshold(float quiet, float loud)
{
    return quiet + std::max(kMinQuietDistance, 0.3f * (loud - quiet));
}

// The quietest moments of long stretches of speech, added as candidates.
void addDips(const std::vector<float>& decibels, SpeechPauses& result)
{
    const std::vector<float> average = movingAverage(decibels, kDipAverageFrames);
    std::vector<BoundaryCandidate> dips;
    int stretchBegin = result.speechBegin;
    auto scan = [&](int from, int to) {
        for (int i = from + kDipMarginFrames; i < to - kDipMarginFrames; ++i) {
            const float value = average[std::size_t(i)];
            bool lowest = true;
            for (int j = i - kDipWindowFrames; j <= i + kDipWindowFrames && lowest; ++j)
                lowest = j == i || average[std::size_t(j)] > value || (average[std::size_t(j)] == value && j > i);
            if (lowest) {
                dips.push_back({i, i});
                i += kDipWindowFrames;
            }
        }
    };
    for (const BoundaryCandidate& pause : result.candidates) {
        scan(stretchBegin, pause.begin);
        stretchBegin = pause.end;
    }
    scan(stretchBegin, result.speechEnd);
    result.candidates.insert(result.candidates.end(), dips.begin(), dips.end());
    std::sort(result.candidates.begin(), result.candidates.end(),
        [](const BoundaryCandidate& a, const BoundaryCandidate& b) { return a.begin < b.begin; });
}

} // namespace

int minimumPauses(std::size_t verses)
{
    return verses < 2 ? 0 : int((verses - 1 + 3) / 4);
}

SpeechPauses findSpeechPauses(const std::vector<float>& decibels)
{
    SpeechPauses result;
    if (decibels.empty())
        return result;
    const std::vector<float> smooth = medianSmoothed(decibels);
    const float loud = percentile(smooth, 0.95);
    const float threshold = speechThreshold(percentile(smooth, 0.03), loud);
    const int n = int(smooth.size());
    auto speaks = [&](int i) { return smooth[std::size_t(i)] > threshold; };

    int first = 0;
    while (first < n && !speaks(first))
        ++first;
    if (first == n) {
        // Nothing stands out: the whole recording is taken as speech.
        result.speechEnd = n;
        return result;
    }
    int last = n - 1;
    while (!speaks(last))
        --last;
    result.heard = loud > kNoSpeechDecibels;
    result.speechBegin = first;
    result.speechEnd = last + 1;

    for (int i = first; i <= last;) {
        if (speaks(i)) {
            ++i;
            continue;
        }
        const int begin = i;
        while (i <= last && !speaks(i))
            ++i;
        if (i - begin >= kMinPauseFrames)
            result.candidates.push_back({begin, i});
    }
    addDips(decibels, result);
    return result;
}

} // namespace tilvora::align

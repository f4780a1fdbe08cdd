#include "align/versestarts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace tilvora::align {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// An opening before the first verse is about as long as this many letters
// (the basmala has 19, with a seeking of refuge before it about 45).
constexpr double kOpeningWeight = 25;
constexpr double kOpeningSigma = 0.7;
constexpr double kOpeningPenalty = 1.0;
// How much a chosen pause's length counts against the fit of the durations.
// A pause of kShortPauseSeconds earns nothing, a longer one more and more.
constexpr double kPauseReward = 1.5;
constexpr double kShortPauseSeconds = 0.1;
constexpr double kDipPauseSeconds = 0.02;
// Spoken times further than this factor from the expected one are not tried.
constexpr double kMaxRatio = 6.0;
// A start lies this much before speech resumes, within its pause.
constexpr double kLeadSeconds = 0.1;
constexpr double kSameStartSeconds = 0.25;
constexpr int kRateRounds = 6;

struct Node {
    double begin; // seconds: where the pause begins
    double end; // seconds: where speech resumes
    double reward;
    double start; // the start reported for a verse starting here
};

class StartChooser {
public:
    StartChooser(const SpeechPauses& speech, const std::vector<double>& weights, double frameSeconds)
        : m_weights(weights), m_speechEnd(speech.speechEnd * frameSeconds)
    {
        const double speechBegin = speech.speechBegin * frameSeconds;
        m_nodes.push_back({speechBegin, speechBegin, 0.0, std::max(0.0, speechBegin - kLeadSeconds)});
        for (const BoundaryCandidate& candidate : speech.candidates) {
            const double begin = candidate.begin * frameSeconds;
            const double end = candidate.end * frameSeconds;
            const double length = candidate.isPause() ? end - begin : kDipPauseSeconds;
            m_nodes.push_back({begin, end, kPauseReward * std::log(length / kShortPauseSeconds),
                std::max(begin, end - kLeadSeconds)});
        }
        for (const Node& node : m_nodes) {
            m_begins.push_back(node.begin);
            m_ends.push_back(node.end);
        }
        m_totalWeight = std::accumulate(m_weights.begin(), m_weights.end(), 0.0);
    }

    std::vector<VerseStart> choose()
    {
        double rate = initialRate();
        std::vector<int> path;
        for (int round = 0; round < kRateRounds; ++round) {
            solve(rate, false);
            path = bestPath();
            if (path.empty())
                return proportionalStarts();
            const double measured = spokenSeconds(path) / m_totalWeight;
            const bool settled = std::abs(measured - rate) < 0.01 * rate;
            rate = measured;
            if (settled)
                break;
        }
        solve(rate, true);
        path = bestPath();
        if (path.empty())
            return proportionalStarts();
        std::vector<VerseStart> starts;
        for (std::size_t verse = 0; verse < path.size(); ++verse)
            starts.push_back({m_nodes[std::size_t(path[verse])].start, confidence(verse, path[verse])});
        return starts;
    }

private:
    int verseCount() const { return int(m_weights.size()); }
    int nodeCount() const { return int(m_nodes.size()); }

    double sigma(int verse) const { return 0.25 + 0.6 / std::sqrt(m_weights[std::size_t(verse)]); }
    double expected(int verse) const { return m_rate * m_weights[std::size_t(verse)]; }

    static double logRatioCost(double seconds, double expectedSeconds, double sigma)
    {
        if (seconds <= 0)
            return kInfinity;
        const double r = std::log(seconds / expectedSeconds);
        return r * r / (2 * sigma * sigma);
    }
    double durationCost(int verse, double seconds) const
    {
        return logRatioCost(seconds, expected(verse), sigma(verse));
    }
    double openingCost(int node) const
    {
        if (node == 0)
            return 0;
        const Node& n = m_nodes[std::size_t(node)];
        const double seconds = n.begin - m_nodes[0].end;
        if (seconds > kMaxRatio * m_rate * kOpeningWeight)
            return kInfinity;
        return logRatioCost(seconds, m_rate * kOpeningWeight, kOpeningSigma) + kOpeningPenalty - n.reward;
    }

    // Nodes whose `values` lie in [low, high], as an index range.
    static std::pair<int, int> within(const std::vector<double>& values, double low, double high)
    {
        const auto from = std::lower_bound(values.begin(), values.end(), low);
        const auto to = std::upper_bound(values.begin(), values.end(), high);
        return {int(from - values.begin()), int(to - values.begin())};
    }

    double initialRate() const
    {
        std::vector<double> pauses;
        for (const Node& node : m_nodes)
            pauses.push_back(node.end - node.begin);
        std::sort(pauses.rbegin(), pauses.rend());
        pauses.resize(std::min<std::size_t>(pauses.size(), std::size_t(std::max(0, verseCount() - 1))));
        const double spoken = m_speechEnd - m_nodes[0].end - std::accumulate(pauses.begin(), pauses.end(), 0.0);
        return std::max(spoken, 0.01 * verseCount()) / m_totalWeight;
    }

    // The best cost of the verses before each verse and start (and, with
    // `backward`, of the verses from it on).
    void solve(double rate, bool backward)
    {
        m_rate = rate;
        const int verses = verseCount();
        const int nodes = nodeCount();
        m_forward.assign(std::size_t(verses), std::vector<double>(std::size_t(nodes), kInfinity));
        m_from.assign(std::size_t(verses), std::vector<int>(std::size_t(nodes), -1));

        for (int node = 0; node < nodes; ++node)
            m_forward[0][std::size_t(node)] = openingCost(node);
        for (int verse = 1; verse < verses; ++verse) {
            const double e = expected(verse - 1);
            auto& here = m_forward[std::size_t(verse)];
            const auto& before = m_forward[std::size_t(verse - 1)];
            for (int to = 1; to < nodes; ++to) {
                const Node& n = m_nodes[std::size_t(to)];
                const auto [first, last] = within(m_ends, n.begin - kMaxRatio * e, n.begin - e / kMaxRatio);
                for (int from = first; from < std::min(last, to); ++from) {
                    const double cost = before[std::size_t(from)]
                        + durationCost(verse - 1, n.begin - m_ends[std::size_t(from)]) - n.reward;
                    if (cost < here[std::size_t(to)]) {
                        here[std::size_t(to)] = cost;
                        m_from[std::size_t(verse)][std::size_t(to)] = from;
                    }
                }
            }
        }

        if (!backward)
            return;
        m_backward.assign(std::size_t(verses), std::vector<double>(std::size_t(nodes), kInfinity));
        for (int node = 0; node < nodes; ++node)
            m_backward[std::size_t(verses - 1)][std::size_t(node)]
                = durationCost(verses - 1, m_speechEnd - m_ends[std::size_t(node)]);
        for (int verse = verses - 2; verse >= 0; --verse) {
            const double e = expected(verse);
            auto& here = m_backward[std::size_t(verse)];
            const auto& after = m_backward[std::size_t(verse) + 1];
            for (int from = 0; from < nodes; ++from) {
                const double end = m_ends[std::size_t(from)];
                const auto [first, last] = within(m_begins, end + e / kMaxRatio, end + kMaxRatio * e);
                for (int to = std::max(first, from + 1); to < last; ++to) {
                    const double cost = after[std::size_t(to)] + durationCost(verse, m_begins[std::size_t(to)] - end)
                        - m_nodes[std::size_t(to)].reward;
                    here[std::size_t(from)] = std::min(here[std::size_t(from)], cost);
                }
            }
        }
    }

    double through(int verse, int node) const
    {
        return m_forward[std::size_t(verse)][std::size_t(node)] + m_backward[std::size_t(verse)][std::size_t(node)];
    }

    // The node each verse starts at in the best choice; empty when there is none.
    std::vector<int> bestPath() const
    {
        const int last = verseCount() - 1;
        int best = -1;
        double bestCost = kInfinity;
        for (int node = 0; node < nodeCount(); ++node) {
            const double cost = m_forward[std::size_t(last)][std::size_t(node)]
                + durationCost(last, m_speechEnd - m_ends[std::size_t(node)]);
            if (cost < bestCost) {
                bestCost = cost;
                best = node;
            }
        }
        if (best < 0)
            return {};
        std::vector<int> path(static_cast<std::size_t>(verseCount()));
        for (int verse = last; verse >= 0; --verse) {
            path[std::size_t(verse)] = best;
            best = m_from[std::size_t(verse)][std::size_t(best)];
        }
        return path;
    }

    double spokenSeconds(const std::vector<int>& path) const
    {
        double total = 0;
        for (std::size_t verse = 0; verse < path.size(); ++verse) {
            const double until = verse + 1 < path.size() ? m_begins[std::size_t(path[verse + 1])] : m_speechEnd;
            total += until - m_ends[std::size_t(path[verse])];
        }
        return total;
    }

    // The share of the score's weight (as exp(-cost)) that the chosen start
    // holds against every start more than kSameStartSeconds from it.
    double confidence(std::size_t verse, int chosen) const
    {
        const double best = through(int(verse), chosen);
        const double at = m_nodes[std::size_t(chosen)].start;
        double others = 0;
        for (int node = 0; node < nodeCount(); ++node) {
            if (std::abs(m_nodes[std::size_t(node)].start - at) > kSameStartSeconds)
                others += std::exp(best - through(int(verse), node));
        }
        return 1.0 / (1.0 + others);
    }

    // With no choice possible, the starts divide the speech by the weights.
    std::vector<VerseStart> proportionalStarts() const
    {
        std::vector<VerseStart> starts;
        double before = 0;
        const double span = m_speechEnd - m_nodes[0].end;
        for (double weight : m_weights) {
            starts.push_back({m_nodes[0].end + span * before / m_totalWeight, 0.0});
            before += weight;
        }
        return starts;
    }

    std::vector<double> m_weights;
    double m_totalWeight = 0;
    double m_speechEnd;
    std::vector<Node> m_nodes;
    std::vector<double> m_begins;
    std::vector<double> m_ends;
    double m_rate = 1;
    std::vector<std::vector<double>> m_forward;
    std::vector<std::vector<int>> m_from;
    std::vector<std::vector<double>> m_backward;
};

} // namespace

std::vector<VerseStart> chooseVerseStarts(
    const SpeechPauses& speech, const std::vector<double>& verseWeights, double frameSeconds)
{
    if (verseWeights.empty())
        return {};
    std::vector<double> weights;
    weights.reserve(verseWeights.size());
    for (double weight : verseWeights)
        weights.push_back(std::max(1.0, weight));
    return StartChooser(speech, weights, frameSeconds).choose();
}

} // namespace tilvora::align

// Choosing verse starts from the loudness of made recordings (no decoding).

#include "support/madeaudio.h"

#include "align/energyenvelope.h"
#include "align/speechpauses.h"
#include "align/versestarts.h"

#include <gtest/gtest.h>

using namespace tilvora::align;
using tilvora::testing::MadeAudio;
using tilvora::testing::MadeChapter;

namespace {

std::vector<VerseStart> startsOf(const MadeAudio& audio, const std::vector<double>& weights)
{
    EnergyEnvelope envelope(MadeAudio::kRate);
    envelope.addSamples(audio.samples.data(), audio.samples.size());
    envelope.finish();
    return chooseVerseStarts(findSpeechPauses(envelope.decibels()), weights, EnergyEnvelope::kFrameSeconds);
}

void expectStartsNear(const std::vector<VerseStart>& found, const std::vector<double>& truth)
{
    ASSERT_EQ(found.size(), truth.size());
    for (std::size_t i = 0; i < truth.size(); ++i)
        EXPECT_NEAR(found[i].seconds, truth[i], 0.25) << "verse " << i + 1;
}

// Verse weights as a short chapter's: short and long verses mixed; the two
// long ones have a pause inside.
const std::vector<double> kWeights{30, 12, 75, 20, 45, 64, 18};

struct Case {
    const char* name;
    double secondsPerWeight;
    double pauseSeconds;
    double openingSeconds;
    double noiseBelowSpeech;
};

class MadeChapters : public ::testing::TestWithParam<Case> { };

} // namespace

TEST_P(MadeChapters, EveryVerseStartsWithinAQuarterSecond)
{
    const Case& c = GetParam();
    const MadeAudio audio
        = MadeChapter(kWeights, c.secondsPerWeight, c.pauseSeconds, c.openingSeconds, c.noiseBelowSpeech);
    const std::vector<VerseStart> found = startsOf(audio, kWeights);
    expectStartsNear(found, audio.starts);
    for (std::size_t i = 0; i < found.size(); ++i)
        EXPECT_GT(found[i].confidence, 0.5) << "verse " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(PausesTempoNoiseAndOpenings, MadeChapters,
    ::testing::Values(Case{"silentPauses", 0.08, 0.7, 0, 0}, Case{"basmalaBeforeTheFirstVerse", 0.08, 0.7, 1.8, 0},
        Case{"fastWithShortPausesInNoise", 0.05, 0.25, 1.2, 30}, Case{"slowWithLongPausesInNoise", 0.12, 1.5, 3.0, 40}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(VerseStarts, VersesRunTogetherStillGetAStartEachInOrderAndTheUncertainOneSaysSo)
{
    // Verses 3 and 4 are spoken without a pause between them.
    const std::vector<double> weights{30, 40, 35, 25, 50};
    MadeAudio audio;
    audio.pause(0.3);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (i > 0 && i != 3)
            audio.pause(0.7);
        audio.verse();
        audio.speak(weights[i] * 0.08);
    }
    audio.pause(0.5);
    const std::vector<VerseStart> found = startsOf(audio, weights);
    ASSERT_EQ(found.size(), weights.size());
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_GT(found[i].seconds, found[i - 1].seconds);
    for (std::size_t i : {0, 1, 2, 4})
        EXPECT_NEAR(found[i].seconds, audio.starts[i], 0.25) << "verse " << i + 1;
    EXPECT_NEAR(found[3].seconds, audio.starts[3], 1.5);
    EXPECT_LT(found[3].confidence, 0.5);
    EXPECT_GT(found[4].confidence, 0.5);
}

TEST(VerseStarts, OddRecordingsStillGiveOneStartPerVerse)
{
    // All quiet: the verses share the time by their weights.
    MadeAudio quiet;
    quiet.pause(10);
    std::vector<VerseStart> found = startsOf(quiet, {10, 30});
    ASSERT_EQ(found.size(), 2u);
    EXPECT_LT(found[0].seconds, found[1].seconds);

    // One verse: it starts where the speech does.
    MadeAudio one;
    one.pause(1.0);
    one.verse();
    one.speak(3);
    found = startsOf(one, {40});
    expectStartsNear(found, one.starts);

    // More verses than the recording has room for pauses.
    MadeAudio shortOne;
    shortOne.speak(1);
    found = startsOf(shortOne, std::vector<double>(8, 20));
    ASSERT_EQ(found.size(), 8u);
    for (std::size_t i = 1; i < found.size(); ++i)
        EXPECT_GE(found[i].seconds, found[i - 1].seconds);

    EXPECT_TRUE(startsOf(one, {}).empty());
}

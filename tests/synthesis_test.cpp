// synthesis_test.cpp: the game's sounds against their recorded length, peak
// and energy (the sum of the squared samples), so that a sound changed by
// accident is noticed; after a change meant to alter them,
// scripts/update-expected writes tests/sound_samples.tsv anew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "sound/sound.h"

static int16_t samples[maxSoundSamples];

TEST(Synthesis, EverySoundAsRecorded)
{
    const char* const names[soundCount] = {"rollLoop", "ballMeetsPin", "pinMeetsPin",
                                           "pinDrop", "gutterDrop", "bumperKnock"};
    std::string actual = "# sound\tsamples\tpeak\tenergy\n";
    for (int sound = 0; sound < soundCount; sound++) {
        const int count = synthesise((SoundName)sound, samples);
        int peak = 0;
        long long energy = 0;
        for (int i = 0; i < count; i++) {
            peak = std::max(peak, std::abs(samples[i]));
            energy += samples[i] * samples[i];
        }
        actual += std::string(names[sound]) + "\t" + std::to_string(count) + "\t" + std::to_string(peak) +
                  "\t" + std::to_string(energy) + "\n";
    }
    const std::string path = std::string(BOWLING_TEST_DATA) + "/sound_samples.tsv";
    if (getenv("BOWLING_UPDATE_EXPECTED"))
        std::ofstream(path) << actual;
    std::stringstream expected;
    expected << std::ifstream(path).rdbuf();
    EXPECT_EQ(expected.str(), actual) << path;
}

// The roll plays over and over: its last sample runs into its first no
// harder than any two neighbours inside it, or the loop would click.
TEST(Synthesis, RollLoopsWithoutASeam)
{
    const int count = synthesise(rollLoop, samples);
    int steepest = 0;
    for (int i = 1; i < count; i++)
        steepest = std::max(steepest, std::abs(samples[i] - samples[i - 1]));
    EXPECT_LE(std::abs(samples[0] - samples[count - 1]), steepest);
}

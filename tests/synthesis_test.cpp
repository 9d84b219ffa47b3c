// synthesis_test.cpp: each sound's length, peak and energy (the sum of its
// squared samples) as recorded, so that a sound changed by accident shows;
// scripts/update-expected records them anew after a change meant to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "sound/sound.h"

TEST(Synthesis, EverySoundAsRecordedAndTheRollWithoutASeam)
{
    const char* const names[soundCount] = {"rollLoop", "ballMeetsPin", "pinMeetsPin",
                                           "pinDrop", "gutterDrop", "bumperKnock"};
    static int16_t samples[maxSoundSamples];
    std::ostringstream actual;
    actual << "# sound\tsamples\tpeak\tenergy\n";
    for (int sound = 0; sound < soundCount; sound++) {
        const int count = synthesise((SoundName)sound, samples);
        int peak = 0, steepest = 0;
        long long energy = 0;
        for (int i = 0; i < count; i++) {
            peak = std::max(peak, std::abs(samples[i]));
            energy += samples[i] * samples[i];
            steepest = std::max(steepest, i ? std::abs(samples[i] - samples[i - 1]) : 0);
        }
        actual << names[sound] << "\t" << count << "\t" << peak << "\t" << energy << "\n";
        // The roll plays over and over: its end runs into its start no
        // harder than any two neighbours inside it, or the loop would click.
        if (sound == rollLoop) {
            EXPECT_LE(std::abs(samples[0] - samples[count - 1]), steepest);
        }
    }
    const std::string path = std::string(BOWLING_TEST_DATA) + "/sound_samples.tsv";
    if (getenv("BOWLING_UPDATE_EXPECTED"))
        std::ofstream(path) << actual.str();
    std::stringstream expected;
    expected << std::ifstream(path).rdbuf();
    EXPECT_EQ(expected.str(), actual.str()) << path;
}

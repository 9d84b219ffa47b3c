// synthesis_test.cpp: each sound's length, peak and energy (the sum of its
// squared samples) as recorded, so that a sound changed by accident shows;
// scripts/update-expected records them anew after a change meant to. And what
// the option plays, read back from OpenAL Soft's voices on its null driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <AL/al.h>

#include "final.h"
#include "sound/sound.h"

TEST(Synthesis, EverySoundAsRecordedAndTheRollWithoutASeam)
{
    const char* const names[soundCount] = {"rollLoop", "ballMeetsPin", "pinMeetsPin",
                                           "pinDrop", "gutterDrop", "bumperKnock", "strikeCall", "spareCall"};
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

// Each kind of knock at a place of its own, its sound (told by length) louder when harder; the roll higher when faster.
TEST(Sound, KnocksWhereTheyHappenAndTheRollHigherWhenFaster)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_TRUE(playSound(true));
    attachOption(soundOption());
    const auto eachVoice = [](auto heard) {
        for (ALuint voice = 1; voice < 256; voice++)
            if (alIsSource(voice))
                heard(voice);
    };
    const SoundName sounds[] = {ballMeetsPin, pinMeetsPin, pinDrop, bumperKnock, bumperKnock};  // by ContactKind
    static int16_t samples[maxSoundSamples];
    for (int kind = 0; kind < (int)std::size(sounds); kind++) {
        float gains[2] = {-1, -1};
        for (int hard = 0; hard < 2; hard++) {
            const float x = kind + hard / 2.0f;
            reportContact({(ContactKind)kind, x, 0.25f, -1.5f, (float)hard, -1});
            eachVoice([&](ALuint voice) {
                ALfloat at[3] = {};
                ALint buffer = 0, bytes = 0;
                if (alGetSourcefv(voice, AL_POSITION, at), at[0] != x || at[1] != 0.25f)
                    return;
                alGetSourcei(voice, AL_BUFFER, &buffer);
                alGetBufferi((ALuint)buffer, AL_SIZE, &bytes);
                EXPECT_EQ(bytes, synthesise(sounds[kind], samples) * 2) << "knock " << kind;
                alGetSourcef(voice, AL_GAIN, &gains[hard]);
            });
        }
        EXPECT_TRUE(gains[0] > 0 && gains[1] > gains[0]) << "knock " << kind << ": " << gains[0] << ", " << gains[1];
    }
    float pitches[2] = {};
    currentState = rolling;
    for (int fast = 0; fast < 2; fast++) {
        ballSpeed = fast ? 1.0f : 0.2f;
        soundOption().ballStepped();
        eachVoice([&](ALuint voice) {
            ALint loops = 0;
            if (alGetSourcei(voice, AL_LOOPING, &loops), loops)
                alGetSourcef(voice, AL_PITCH, &pitches[fast]);
        });
    }
    EXPECT_GT(pitches[1], pitches[0] * 1.2f) << "the roll's pitch at speeds 1 and 0.2";
    detachOptions();
}

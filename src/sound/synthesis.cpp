// synthesis.cpp: the game's sounds, made from seeded noise, two small
// filters and decaying envelopes, like the textures we draw ourselves.
// Everything runs in a fixed order on fixed seeds, so each run makes the
// same samples.
#include <cmath>
#include <iterator>

#include "sound/sound.h"

namespace {

// xorshift32: noise of our own, the same on every system, unlike rand().
struct Noise {
    uint32_t state = 2463534242u;
    float next()  // -1 to 1
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return (float)(state / 2147483648.0 - 1);
    }
};

// One pole: passes what lies below hz.
struct LowPass {
    float a;
    float y = 0;
    explicit LowPass(double hz) : a((float)(1 - exp(-2 * pi * hz / soundRate))) {}
    float operator()(float x) { return y += a * (x - y); }
};

// Two poles: rings at hz, the ring falling to 1/e in ringSeconds.
struct Resonator {
    float b1;
    float b2;
    float y1 = 0;
    float y2 = 0;
    Resonator(double hz, double ringSeconds)
    {
        const double r = exp(-1 / (ringSeconds * soundRate));
        b1 = (float)(2 * r * cos(2 * pi * hz / soundRate));
        b2 = (float)(-r * r);
    }
    float operator()(float x)
    {
        const float y = x + b1 * y1 + b2 * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// Per-sample factor of a decay to 1/e in the given seconds.
float decayFactor(double seconds)
{
    return (float)exp(-1 / (seconds * soundRate));
}

float work[maxSoundSamples];

// The roll: low rumbling noise that swells eight times a second, as a
// ball's uneven surface would. Filtered twice over the same noise so that
// the end runs into the start and the loop has no seam.
int roll()
{
    const int count = soundRate / 2;
    const double swellHz = 8;  // a whole number of swells in the loop
    LowPass low(160);
    LowPass lower(160);
    Resonator hum(55, 0.04);
    for (int pass = 0; pass < 2; pass++) {
        Noise noise;
        for (int i = 0; i < count; i++) {
            const float x = noise.next();
            const float swell = (float)(1 + 0.35 * sin(2 * pi * swellHz * i / soundRate));
            work[i] = swell * (lower(low(x)) + 0.01f * hum(x));
        }
    }
    return count;
}

// A knock: a short push of air, then a burst of noise rung through a
// resonator over a dying tone. Every knock opens with the same push, its
// loudest moment, so knocks that happen together add up, as on a real lane.
struct Knock {
    double seconds;
    double toneHz;
    double toneDecay;   // seconds to 1/e
    double ringHz;      // the noise's colour
    double ringSeconds;
    double burstDecay;  // seconds to 1/e
    float toneShare;    // of the tone, against the noise's peak
    double pushDecay;   // seconds to 1/e
};
const float pushOverBody = 2;  // the push's start against the rest's peak

// In SoundName order, from ballMeetsPin: a sharp crack, a lighter clack,
// a pin's dull drop to the deck, the gutter's deep drop, a bumper's knock.
const Knock knocks[] = {
    {0.30, 1250, 0.040, 2600, 0.003, 0.008, 0.35f, 0.0004},
    {0.15, 2100, 0.020, 3800, 0.002, 0.004, 0.45f, 0.0003},
    {0.35, 150, 0.060, 500, 0.004, 0.025, 0.50f, 0.0030},
    {0.50, 75, 0.140, 260, 0.006, 0.050, 0.60f, 0.0060},
    {0.25, 330, 0.050, 900, 0.003, 0.012, 0.50f, 0.0020},
};
static_assert(std::size(knocks) == strikeCall - ballMeetsPin, "a knock for every sound from ballMeetsPin to the calls");

float peakOf(int count)
{
    float peak = 0;
    for (int i = 0; i < count; i++)
        peak = fmaxf(peak, fabsf(work[i]));
    return peak;
}

int knock(const Knock& recipe)
{
    const int count = (int)(recipe.seconds * soundRate);
    Noise noise;
    Resonator ring(recipe.ringHz, recipe.ringSeconds);
    const float burstStep = decayFactor(recipe.burstDecay);
    float burst = 1;
    for (int i = 0; i < count; i++) {
        work[i] = ring(burst * noise.next());
        burst *= burstStep;
    }
    const float toneLevel = recipe.toneShare * peakOf(count);
    const float toneStep = decayFactor(recipe.toneDecay);
    float tone = 1;
    for (int i = 0; i < count; i++) {
        work[i] += toneLevel * tone * (float)sin(2 * pi * recipe.toneHz * i / soundRate);
        tone *= toneStep;
    }
    const float pushStep = decayFactor(recipe.pushDecay);
    float push = pushOverBody * peakOf(count);
    for (int i = 0; i < count; i++) {
        work[i] += push;
        push *= pushStep;
    }
    return count;
}

// A call: bell notes one after another, each struck with a touch of noise
// and ringing on with two overtones as the next sounds.
struct Call {
    double noteSeconds;  // from one note to the next
    double ringSeconds;  // each note's decay to 1/e
    int notes;
    double hz[4];
};
const double strikeSeconds = 0.004;  // the mallet's noise, to 1/e

// In SoundName order, from strikeCall: a rising fanfare, and two notes.
const Call calls[] = {
    {0.11, 0.16, 4, {523.25, 659.26, 783.99, 1046.5}},
    {0.14, 0.16, 2, {783.99, 1046.5}},
};
static_assert(std::size(calls) == soundCount - strikeCall, "a call for every sound from strikeCall");

int call(const Call& recipe)
{
    const int count = (int)(((recipe.notes - 1) * recipe.noteSeconds + 4 * recipe.ringSeconds) * soundRate);
    Noise noise;
    for (int i = 0; i < count; i++)
        work[i] = 0;
    for (int note = 0; note < recipe.notes; note++) {
        const double hz = recipe.hz[note];
        for (int i = (int)(note * recipe.noteSeconds * soundRate), n = 0; i < count; i++, n++) {
            const double t = (double)n / soundRate;
            const double tone = sin(2 * pi * hz * t) + 0.3 * sin(4 * pi * hz * t) + 0.12 * sin(6 * pi * hz * t);
            work[i] += (float)(exp(-t / recipe.ringSeconds) * tone + 0.3 * exp(-t / strikeSeconds) * noise.next());
        }
    }
    return count;
}

// How loud each sound is made, as a share of full scale. The gains at play
// scale them further; the roll stays well under a crack.
const float peaks[] = {0.25f, 0.95f, 0.45f, 0.5f, 0.7f, 0.7f, 0.4f, 0.35f};
static_assert(std::size(peaks) == soundCount, "a peak for every sound");

}  // namespace

int synthesise(SoundName sound, int16_t* samples)
{
    const int count = sound == rollLoop     ? roll()
                      : sound >= strikeCall ? call(calls[sound - strikeCall])
                                            : knock(knocks[sound - ballMeetsPin]);
    const float scale = peaks[sound] * 32767 / peakOf(count);
    for (int i = 0; i < count; i++)
        samples[i] = (int16_t)lrintf(work[i] * scale);
    return count;
}

// game_hooks.cpp: what a ball step made heard, found by comparing the game's
// state with the state after the step before. The game never waits for us.
#include <iterator>

#include "final.h"
#include "lane_geometry.h"
#include "sound/sound.h"

static bool playing = false;
static bool pinWasFalling[pinCount] = {};
static bool ballWasInGutter = false;
static int lastTheta = 0;
static bool firstBall = false;   // the rolling ball is a frame's first
static bool allDown = false;     // the roll just ended took every pin left

bool playSound(bool on)
{
    playing = on && (playing || openAudio());
    return playing;
}

// Louder, and for the roll higher, as the ball is faster or a knock harder:
// speed and strength run from about 0 to 1.
static float loudness(float speed) { return 0.3f + 0.7f * speed; }
static float rollPitch(float speed) { return 0.7f + 0.6f * speed; }
// A pin knocked by a pin and a pin's drop sound the same at any speed.
static const float clackGain = 1.0f;
static const float dropGain = 0.5f;

// A pin that starts falling was met by the ball if the ball touches it now,
// else by a pin. A roll ends only when no pin is falling, so a pin falling
// before the step and not after has dropped to the deck, even when the end
// of the frame has set it up again since.
static void hearPins()
{
    for (int i = 0; i < pinCount; i++) {
        Pin& pin = pins[i];
        const bool falling = pin.isFalling();
        if (falling && !pinWasFalling[i]) {
            const bool byBall = pin.isTouchingBall();
            playOn(i, byBall ? ballMeetsPin : pinMeetsPin, pin.base(), byBall ? loudness(ballSpeed) : clackGain);
        } else if (!falling && pinWasFalling[i]) {
            playOn(i, pinDrop, pin.base(), dropGain);
        }
        pinWasFalling[i] = falling;
    }
}

// Only bumpers turn a rolling ball's aim to its opposite; a gutter sets it
// to 0, and the reset at the roll's end does too.
static void hearBall()
{
    const Vector3D ball(ballX, 0, ballZ);
    if (currentState != rolling) {
        stopRolling();
        ballWasInGutter = false;
    } else {
        keepRolling(ball, loudness(ballSpeed), rollPitch(ballSpeed));
        const bool gutter = inGutter(ballX);
        if (gutter && !ballWasInGutter)
            playOn(ballVoice, gutterDrop, ball, loudness(ballSpeed));
        ballWasInGutter = gutter;
        if (lastTheta != 0 && ballTheta == -lastTheta)
            playOn(ballVoice, bumperKnock, ball, loudness(ballSpeed));
    }
    lastTheta = ballTheta;
}

// A knock another physics reports, by its kind in ContactKind's order: the
// sound and its gain at the hardest knock. Such knocks take the pins'
// voices in turn, and the ball's knock its own.
static const struct {
    SoundName sound;
    float gain;
} contactSounds[] = {{ballMeetsPin, 1}, {pinMeetsPin, clackGain}, {pinDrop, dropGain}, {bumperKnock, 1}, {bumperKnock, 1}};
static_assert(std::size(contactSounds) == (size_t)ContactKind::ballKickback + 1, "a sound for every kind of knock");

static void hearContact(const Contact& contact)
{
    static int nextPinVoice = 0;
    const auto& heard = contactSounds[(int)contact.kind];
    const int voice = contact.kind == ContactKind::ballKickback ? ballVoice : nextPinVoice;
    if (voice != ballVoice)
        nextPinVoice = (nextPinVoice + 1) % pinCount;
    playOn(voice, heard.sound, Vector3D(contact.x, contact.y, contact.z), heard.gain * loudness(contact.strength));
}

// A strike or a spare is called from where the player hears.
static void hearCall()
{
    if (allDown)
        playOn(callVoice, firstBall ? strikeCall : spareCall, eye, 1);
    allDown = false;
}

namespace {

class SoundOption : public PlayerOption {
    void windowOpened() override { playSound(true); }

    void ballStepped() override
    {
        if (!playing)
            return;
        beginAudioUpdate();
        hearFrom(eye, look);
        hearBall();
        hearPins();
        hearCall();
        playing = endAudioUpdate();
    }

    // Noted at the release: another option may change framePart at a game's end.
    void ballReleased() override { firstBall = framePart == 0; }
    void rollEnded() override { allDown = pinsStanding() == 0; }

    void contactMade(const Contact& contact) override
    {
        if (playing)
            hearContact(contact);
    }

    void gamePaused(bool paused) override
    {
        if (!playing)
            return;
        beginAudioUpdate();
        holdVoices(paused);
        playing = endAudioUpdate();
    }

    void programEnds() override { closeAudioAtExit(); }
};

}  // namespace

PlayerOption& soundOption()
{
    static SoundOption option;
    return option;
}

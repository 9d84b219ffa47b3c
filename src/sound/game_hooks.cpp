// game_hooks.cpp: what the roll tells through the door, heard where it
// happens, and the ball's roll heard after each step. The game never waits
// for us.
#include <iterator>

#include "lane_geometry.h"
#include "sound/sound.h"

static bool playing = false;
static bool firstBall = false;   // the rolling ball is a frame's first
static bool allDown = false;     // the roll just ended took every pin left
static bool rollOver = false;    // the roll ended, the next ball not yet released

bool playSound(bool on)
{
    playing = on && (playing || openAudio());
    return playing;
}

// Louder, and for the roll higher, as the ball is faster or a knock harder:
// speed and strength run from about 0 to 1.
static float loudness(float speed) { return 0.3f + 0.7f * speed; }
static float rollPitch(float speed) { return 0.7f + 0.6f * speed; }

// The roll loops while the ball rolls, not past the roll's end while the
// next ball waits to be set up.
static void hearBall()
{
    const Turn& turn = gameTurn();
    if (turn.currentState != rolling || rollOver)
        stopRolling();
    else
        keepRolling(Vector3D(turn.ballX, 0, turn.ballZ), loudness(turn.ballSpeed), rollPitch(turn.ballSpeed));
}

// Each kind of knock or event, in ContactKind's order: its sound and its
// gain at the hardest. A pin knocked by a pin and a pin's drop sound the
// same at any speed: the physics tells them at full strength.
static const struct {
    SoundName sound;
    float gain;
} contactSounds[] = {{ballMeetsPin, 1}, {pinMeetsPin, 1}, {pinDrop, 0.5f}, {bumperKnock, 1},
                     {bumperKnock, 1}, {gutterDrop, 1}, {bumperKnock, 1}};
static_assert(std::size(contactSounds) == (size_t)ContactKind::ballBumper + 1, "a sound for every kind of knock");

static bool byBall(ContactKind kind)
{
    return kind == ContactKind::ballKickback || kind == ContactKind::ballGutter || kind == ContactKind::ballBumper;
}

// The ball's knocks take its own voice; a pin's, the pin's voice where the
// physics names the pin, else the pins' voices in turn.
static void hearContact(const Contact& contact)
{
    static int nextPinVoice = 0;
    const auto& heard = contactSounds[(int)contact.kind];
    int voice = contact.pin;
    if (byBall(contact.kind)) {
        voice = ballVoice;
    } else if (voice < 0) {
        voice = nextPinVoice;
        nextPinVoice = (nextPinVoice + 1) % pinCount;
    }
    playOn(voice, heard.sound, Vector3D(contact.x, contact.y, contact.z), heard.gain * loudness(contact.strength));
}

// A strike or a spare is called from where the player hears.
static void hearCall()
{
    if (allDown)
        playOn(callVoice, firstBall ? strikeCall : spareCall, gameTurn().eye, 1);
    allDown = false;
}

namespace {

class SoundOption : public PlayerOption {
    void windowOpened() override { playSound(true); }

    // The camera stands still through a step: what the step tells is heard
    // from where it is.
    void stepBegins() override
    {
        if (playing)
            hearFrom(gameTurn().eye, gameTurn().look);
    }

    // Noted at the release: another option may change framePart at a game's end.
    void ballReleased() override
    {
        firstBall = gameTurn().framePart == 0;
        rollOver = false;
    }
    void rollEnded() override
    {
        allDown = pinsStanding() == 0;
        rollOver = true;
    }

    void contactMade(const Contact& contact) override
    {
        if (playing)
            hearContact(contact);
    }

    void ballStepped() override
    {
        if (!playing)
            return;
        beginAudioUpdate();
        hearBall();
        hearCall();
        playing = endAudioUpdate();
    }

    void gamePaused(bool paused) override
    {
        if (!playing)
            return;
        beginAudioUpdate();
        holdVoices(paused);
        playing = endAudioUpdate();
    }

    void releaseAtExit() override { closeAudioAtExit(); }
};

}  // namespace

PlayerOption& soundOption()
{
    static SoundOption option;
    return option;
}

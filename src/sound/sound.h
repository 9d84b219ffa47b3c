// sound.h: --sound, the ball and the pins heard where they are, through
// OpenAL Soft. Until playSound(true) has opened a device the option does
// nothing, and no audio call is made: the plain game stays silent.
#pragma once

#include <cstdint>

#include "option_door.h"
#include "rack.h"
#include "vector3d.h"

// The option: it hears every knock and event the roll tells, where it
// happens, and the ball's roll after each step; it never changes the game.
// Once the window is open it switches itself on.
PlayerOption& soundOption();

// On: opens the audio device and makes the sounds; trouble is told in one
// line on standard error and leaves the game silent. The device is closed
// when the program ends. True when the game is heard.
bool playSound(bool on);

// The game's own sounds, synthesised at start-up: mono, 16 bits.
enum SoundName { rollLoop, ballMeetsPin, pinMeetsPin, pinDrop, gutterDrop, bumperKnock, strikeCall, spareCall, soundCount };
inline constexpr int soundRate = 22050;            // samples per second
inline constexpr int maxSoundSamples = soundRate;  // no sound is longer than a second

// Writes the sound's samples, the same on every run, and returns how many.
int synthesise(SoundName sound, int16_t* samples);

// The audio device, for the option. Each sound plays on a voice: pin i on
// voice i, the ball's roll and its knocks on two of their own, and the call
// of a strike or a spare on another.
inline constexpr int rollVoice = pinCount;
inline constexpr int ballVoice = pinCount + 1;
inline constexpr int callVoice = pinCount + 2;
inline constexpr int voiceCount = pinCount + 3;

// False, after the one line, when there is no device or it lacks what we use.
bool openAudio();
// As the program ends, once everything kept is saved. A device that does
// not close within a second ends the program at once.
void closeAudioAtExit();
// Everything between these two is heard at once. False, after the one line
// and with the device closed, when the device failed.
void beginAudioUpdate();
bool endAudioUpdate();
void hearFrom(Vector3D eye, Vector3D look);
void playOn(int voice, SoundName sound, Vector3D where, float gain);
// The roll loops on its voice until stopped; gain and pitch follow each call.
void keepRolling(Vector3D where, float gain, float pitch);
void stopRolling();
// Every voice sounding stands still, or goes on from where it stood.
void holdVoices(bool hold);

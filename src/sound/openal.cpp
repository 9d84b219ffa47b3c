// openal.cpp: the audio device through OpenAL Soft, which mixes on a thread
// of its own; every call here is made from the game's one thread. Trouble
// at any point closes everything and leaves the game silent, after one line
// on standard error.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "sound/sound.h"

static ALCdevice* device = nullptr;
static ALCcontext* context = nullptr;
static ALuint buffers[soundCount] = {};
static ALuint sources[voiceCount] = {};

// Sources nearer than this, in scene units, are heard at full loudness, and
// at twice the distance half as loud: the pins, 2.6 from the camera at its
// start, sound a little further off than the ball at release.
static const float referenceDistance = 2.0f;

static void closeAudio()
{
    if (!device)
        return;
    if (context) {
        alSourceStopv(voiceCount, sources);
        alDeleteSources(voiceCount, sources);
        alDeleteBuffers(soundCount, buffers);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    alcCloseDevice(device);
    device = nullptr;
    context = nullptr;
}

static bool fail(const char* why)
{
    fprintf(stderr, "bowling: %s; playing silent\n", why);
    closeAudio();
    return false;
}

// The audio libraries tell of a missing device in lines of their own on
// standard error, ALSA's beyond the reach of OpenAL Soft's log level; the
// player gets ours instead. A log level the player chose is kept.
static void openDeviceQuietly()
{
    setenv("ALSOFT_LOGLEVEL", "0", 0);
    fflush(stderr);
    const int kept = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (kept >= 0 && null >= 0)
        dup2(null, STDERR_FILENO);
    device = alcOpenDevice(nullptr);
    if (device)
        context = alcCreateContext(device, nullptr);
    if (kept >= 0 && null >= 0)
        dup2(kept, STDERR_FILENO);
    if (kept >= 0)
        close(kept);
    if (null >= 0)
        close(null);
}

bool openAudio()
{
    openDeviceQuietly();
    if (!device)
        return fail("no audio device could be opened");
    if (!context || !alcMakeContextCurrent(context))
        return fail("the audio device refused a context");

    static int16_t samples[maxSoundSamples];
    alGenBuffers(soundCount, buffers);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device has no room for our sounds");
    for (int sound = 0; sound < soundCount; sound++) {
        const int count = synthesise((SoundName)sound, samples);
        alBufferData(buffers[sound], AL_FORMAT_MONO16, samples, count * (int)sizeof *samples, soundRate);
    }
    alGenSources(voiceCount, sources);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device has too few voices");
    for (ALuint source : sources)
        alSourcef(source, AL_REFERENCE_DISTANCE, referenceDistance);
    alSourcei(sources[rollVoice], AL_BUFFER, (ALint)buffers[rollLoop]);
    alSourcei(sources[rollVoice], AL_LOOPING, AL_TRUE);
    if (alGetError() != AL_NO_ERROR)
        return fail("the audio device failed");
    atexit(closeAudio);
    return true;
}

void beginAudioUpdate()
{
    alcSuspendContext(context);
}

bool endAudioUpdate()
{
    alcProcessContext(context);
    ALCint connected = ALC_TRUE;
    if (alcIsExtensionPresent(device, "ALC_EXT_disconnect"))
        alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    if (alGetError() != AL_NO_ERROR || !connected)
        return fail("the audio device failed");
    return true;
}

// The listener stands at the eye, facing the point the camera looks at.
void hearFrom(Vector3D eye, Vector3D look)
{
    Vector3D at = look - eye;
    const ALfloat orientation[6] = {at.getDx(), at.getDy(), at.getDz(), 0, 1, 0};
    alListener3f(AL_POSITION, eye.getDx(), eye.getDy(), eye.getDz());
    alListenerfv(AL_ORIENTATION, orientation);
}

static void place(ALuint source, Vector3D where, float gain)
{
    alSource3f(source, AL_POSITION, where.getDx(), where.getDy(), where.getDz());
    alSourcef(source, AL_GAIN, gain);
}

// A voice starts its new sound from the beginning, cutting off the last.
void playOn(int voice, SoundName sound, Vector3D where, float gain)
{
    const ALuint source = sources[voice];
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, (ALint)buffers[sound]);
    place(source, where, gain);
    alSourcePlay(source);
}

void keepRolling(Vector3D where, float gain, float pitch)
{
    const ALuint source = sources[rollVoice];
    place(source, where, gain);
    alSourcef(source, AL_PITCH, pitch);
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING)
        alSourcePlay(source);
}

void stopRolling()
{
    alSourceStop(sources[rollVoice]);
}
